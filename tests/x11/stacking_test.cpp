// Stacking on a real display: a detail screen asks the main menu to take the full
// screen again when it first paints; the main menu must not come up over its own open
// screens, so the detail stays on top with the keyboard and its "返回" leads back to
// the list, not to the main menu's exit question.

#include <gtest/gtest.h>

#include "platform/text/Utf.h"
#include "store/CityListStore.h"
#include "store/SystemCityStore.h"
#include "store/Volumes.h"
#include "tests/x11/support/RealDisplayTest.h"

namespace x11 {
namespace {

constexpr char kThreeDayTitle[] = "泰沃天气";
constexpr int kThreeDayItem = 0;

class StackingOnDisplay : public RealDisplayTest {
protected:
    // A city in the three-day list; its name is the detail screen's title.
    std::string listedCity() {
        const auto volumes = store::Volumes::forDevice();
        const auto city = store::SystemCityStore(volumes).lookup(u"成都");
        EXPECT_TRUE(city);
        if (!city) return {};
        EXPECT_TRUE(
            store::CityListStore(volumes, store::CityList::ThreeDay).add(store::toUserCity(*city)));
        return platform::toUtf8(city->cityName);
    }
};

TEST_P(StackingOnDisplay, DetailStaysOverTheMainMenuAndReturnsToItsList) {
    const std::string city = listedCity();
    ASSERT_TRUE(startApplication()) << windows_->describe() << applicationOutput();
    openMainMenuItem(kThreeDayItem);
    ASSERT_TRUE(waitForTop(kThreeDayTitle)) << windows_->describe();

    input_->key("Return");
    ASSERT_TRUE(waitForTop(city)) << windows_->describe();
    // The main menu stays below the list, which stays below the detail.
    const auto stack = windows_->stack();
    std::vector<std::string> titles;
    for (const auto& window : stack) titles.push_back(window.title);
    const auto at = [&](const std::string& title) {
        return std::find(titles.begin(), titles.end(), title) - titles.begin();
    };
    EXPECT_LT(at(kMainMenuTitle), at(kThreeDayTitle)) << windows_->describe();
    EXPECT_LT(at(kThreeDayTitle), at(city)) << windows_->describe();

    input_->key("F1");  // "返回" of the detail
    ASSERT_TRUE(waitForTop(kThreeDayTitle)) << windows_->describe();
    EXPECT_FALSE(messageOnTop()) << windows_->describe();

    input_->key("F1");  // "返回" of the list
    EXPECT_TRUE(waitForTop(kMainMenuTitle)) << windows_->describe();
}

INSTANTIATE_TEST_SUITE_P(Both, StackingOnDisplay, kWindowManagers, windowManagerName);

}  // namespace
}  // namespace x11
