// The main menu as a person meets it on a real display: it comes up on top with the
// keyboard, arrow keys move the drawn selection, "推荐好友" hands the message to the
// composer, and "退出" asks first and then ends the program.

#include <gtest/gtest.h>

#include "tests/x11/support/RealDisplayTest.h"
#include "tests/x11/support/ScreenGrab.h"

namespace x11 {
namespace {

using MainMenuOnDisplay = RealDisplayTest;

// The picture square of grid item `index` (3 columns of 80 pixels below the 26-pixel band).
QRect itemSquare(int index) {
    return QRect(80 * (index % 3) + 16, 26 + 80 * (index / 3) + 16, 48, 48);
}

TEST_P(MainMenuOnDisplay, ComesUpOnTopAndArrowKeysMoveTheDrawnSelection) {
    ASSERT_TRUE(startApplication()) << windows_->describe() << applicationOutput();
    const auto menu = windows_->find(kMainMenuTitle);
    ASSERT_TRUE(menu);
    // The device display's size; a window manager may move it to fit its title bar.
    EXPECT_EQ(menu->geometry.size(), QSize(240, 320));

    const QImage before = grab(menu->geometry);
    input_->key("Right");
    // The selection frame leaves item 0 and is drawn behind item 1.
    ASSERT_TRUE(waitFor([&] {
        const QImage now = grab(menu->geometry);
        return now.copy(itemSquare(0)) != before.copy(itemSquare(0)) &&
               now.copy(itemSquare(1)) != before.copy(itemSquare(1));
    }));
    EXPECT_TRUE(isTopWithKeyboard(kMainMenuTitle)) << windows_->describe();
}

TEST_P(MainMenuOnDisplay, RecommendingHandsAnSmsLinkToTheOpener) {
    ASSERT_TRUE(startApplication()) << windows_->describe() << applicationOutput();
    input_->key("F2");
    input_->key("Down");
    input_->key("Return");
    ASSERT_TRUE(waitFor([&] { return !openerCalls().empty(); })) << applicationOutput();
    EXPECT_EQ(openerCalls().front().rfind("sms:", 0), 0u) << openerCalls().front();
    EXPECT_TRUE(applicationRunning());
}

TEST_P(MainMenuOnDisplay, ExitAsksAndEndsOnlyOnYes) {
    ASSERT_TRUE(startApplication()) << windows_->describe() << applicationOutput();
    input_->key("F1");
    ASSERT_TRUE(waitFor([&] { return messageOnTop() == "是否退出晴雨匣"; }))
        << windows_->describe();
    input_->key("Escape");  // No
    ASSERT_TRUE(waitForTop(kMainMenuTitle)) << windows_->describe();
    EXPECT_TRUE(applicationRunning());

    input_->key("F1");
    ASSERT_TRUE(waitFor([&] { return messageOnTop() == "是否退出晴雨匣"; }))
        << windows_->describe();
    input_->key("Return");
    EXPECT_EQ(applicationExit(std::chrono::seconds(15)), 0) << applicationOutput();
}

INSTANTIATE_TEST_SUITE_P(Both, MainMenuOnDisplay, kWindowManagers, windowManagerName);

}  // namespace
}  // namespace x11
