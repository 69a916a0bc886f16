// The application (a second process) stores three-day updates and adds cities while the
// weather item paints, refreshes and runs its own scheduled update on the same volume.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <QGuiApplication>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/clock/Clock.h"
#include "platform/msgbox/ScriptedMessageBoxes.h"
#include "platform/text/Utf.h"
#include "service/TestServer.h"
#include "store/CityListStore.h"
#include "store/UpdateStampStore.h"
#include "tests/today/TodayTestDevice.h"
#include "weather/ReplySyntax.h"

namespace {

using today_test::findText;

constexpr int kApplicationUpdates = 40;

std::u16string dayRecord(int day) {
    return u"ci_1*12/" + platform::fromInt(10 + day % 18) + u"*1*1*3*9*1*2&**";
}

// What the application does on "天气更新" and on adding a city, many times over.
[[noreturn]] void runApplication(const store::Volumes& volumes) {
    const store::CityListStore list(volumes, store::CityList::ThreeDay);
    const store::UpdateStampStore stamps(volumes, store::CityList::ThreeDay);
    for (int i = 0; i < kApplicationUpdates; ++i) {
        store::UserCityRecord city{platform::fromInt(900 + i),
                                   platform::fromInt(500000 + i),
                                   u"城市" + platform::fromInt(i),
                                   u"",
                                   u"",
                                   u"0",
                                   u"0"};
        if (!list.add(city)) _exit(10);
        const auto cities = list.listByDefault();
        if (!cities) _exit(11);
        std::u16string reply = u"2026-12-07 08:00:" + platform::fromInt(10 + i) + u"`";
        for (std::size_t c = 0; c < cities->size(); ++c) reply += dayRecord(i) + u"$";
        if (!stamps.storeReply(reply, *cities)) _exit(12);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    _exit(0);
}

class TodayTwoProcessTest : public ::testing::Test {
protected:
    TodayTwoProcessTest() : clock_({2026, 12, 7, 8, 0, 0, 1}) {}

    today_test::TodayTestDevice device_;
    platform::FixedClock clock_;
    platform::ScriptedMessageBoxes messages_;
    service::TestServer server_;
};

TEST_F(TodayTwoProcessTest, NothingIsLostAndTheNextPaintShowsWhatIsStored) {
    device_.addCity(u"北京", u"110000", u"1", u"1");
    device_.addCity(u"上海", u"310000", u"0", u"0");
    device_.setUpdateTime(u"8:30:00");
    device_.setClientCode(u"abc1234");
    ASSERT_TRUE(server_.start());
    setenv("TEVALO_SERVICE_HOST", server_.hostPort().c_str(), 1);
    auto item = device_.loadItem();
    ASSERT_NE(item, nullptr);
    today_test::paintOnce(*item);

    const auto volumes = device_.volumes();
    const pid_t application = fork();
    ASSERT_GE(application, 0);
    if (application == 0) runApplication(volumes);

    // The item keeps painting and refreshing; at 08:30 it runs its own update.
    clock_.set({2026, 12, 7, 8, 30, 0, 1});
    item->clearDrawLog();
    int status = 0;
    for (;;) {
        item->queryRefresh();
        item->paint();
        if (waitpid(application, &status, WNOHANG) == application) break;
    }
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(messages_.count(), 0u);
    EXPECT_EQ(server_.requests().size(), 1u);

    // Every city the application added is there, and every stored forecast is whole.
    const auto cities = store::CityListStore(volumes, store::CityList::ThreeDay).listByDefault();
    ASSERT_TRUE(cities);
    EXPECT_EQ(cities->size(), 2u + kApplicationUpdates);
    const auto records = store::UpdateStampStore(volumes, store::CityList::ThreeDay).list();
    ASSERT_TRUE(records);
    for (const auto& record : *records) {
        if (record.cityName == u"更新时间") continue;
        EXPECT_EQ(record.days[0].substr(0, 5), u"ci_1*") << platform::toUtf8(record.cityName);
    }

    // The desktop city shows the forecast stored last, whichever process wrote it.
    const auto beijing =
        store::UpdateStampStore(volumes, store::CityList::ThreeDay).findByName(u"北京");
    ASSERT_TRUE(beijing);
    const auto fields = weather::splitWithTrailing(beijing->days[0], weather::kFieldSeparator);
    ASSERT_GE(fields.size(), 2u);
    item->paint();
    const auto shown = today_test::lastRendering(item->drawLog());
    EXPECT_NE(findText(shown, fields[1]), nullptr) << platform::toUtf8(fields[1]);
    EXPECT_NE(findText(shown, u"北京"), nullptr);
    unsetenv("TEVALO_SERVICE_HOST");
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
