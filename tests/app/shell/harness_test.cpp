// The screen-test harness itself: each test gets its own device, the
// reference volumes, and a working service stand-in when asked.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/device/DevicePath.h"
#include "store/SystemCityStore.h"
#include "tests/support/ScreenHarness.h"

namespace {

namespace fs = std::filesystem;

TEST(ScreenHarnessDevice, IsFreshPerHarnessAndRemovedAfterwards) {
    fs::path first;
    {
        testing_support::ScreenHarness h;
        first = h.deviceRoot();
        EXPECT_EQ(platform::deviceRoot(), first);
        EXPECT_TRUE(fs::is_directory(h.installFolder()));
        std::ofstream(h.installFolder() / "marker") << "x";
    }
    EXPECT_FALSE(fs::exists(first));
    testing_support::ScreenHarness second;
    EXPECT_NE(second.deviceRoot(), first);
    EXPECT_FALSE(fs::exists(second.installFolder() / "marker"));
}

TEST(ScreenHarnessService, AnswersTheApplicationsHttpClient) {
    testing_support::ScreenHarness h;
    if (!h.hasReferenceVolumes()) GTEST_SKIP() << "reference volumes not built";
    ASSERT_TRUE(h.startService());
    ASSERT_NE(std::getenv("TEVALO_SERVICE_HOST"), nullptr);
    const auto city = store::SystemCityStore(h.context().volumes()).lookup(u"成都");
    ASSERT_TRUE(city);
    const std::u16string path =
        u"/spservers/kuvaro_weathers/" + city->cityCode + u"?version=symbian2.0&code=abc1234";
    const auto reply = h.context().http().fetchInSteps(nullptr, path, 1);
    ASSERT_TRUE(reply);
    EXPECT_FALSE(reply->empty());
    EXPECT_NE(reply->front(), u'<');
    EXPECT_EQ(h.messages().count(), 0u);
}

}  // namespace
