// Minimising and closing on a real display: the title bar's close button and the window
// manager's iconify minimise the application into the notice "米多晴雨匣" instead of
// ending it; "显示" brings it back with the screen that was open; "取消" only removes
// the notice; the program ends only through "退出".

#include <gtest/gtest.h>

#include "tests/x11/support/RealDisplayTest.h"

namespace x11 {
namespace {

constexpr char kHelpTitle[] = "软件帮助";
constexpr int kHelpItem = 8;

class MinimiseOnDisplay : public RealDisplayTest {
protected:
    WindowId windowOf(const std::string& title) const {
        const auto window = windows_->find(title);
        return window ? window->id : 0;
    }
    bool minimisedToNotice() const {
        return windows_->shown(kNoticeTitle) && !windows_->shown(kMainMenuTitle) &&
               applicationRunning();
    }
    // The notice's two buttons share its bottom row: "显示" left, "取消" right.
    void pressNoticeButton(bool show) const {
        const auto notice = windows_->find(kNoticeTitle);
        if (!notice) return;
        const QRect g = notice->geometry;
        input_->click(g.x() + g.width() * (show ? 1 : 3) / 4, g.bottom() - 20);
    }
    // Iconifies the window titled `title` until the application has minimised to
    // its notice with that window gone. A request that lands while the start is
    // still finishing can be lost on a heavily loaded machine; a person clicks
    // again, and so does the test, a few times at most.
    bool iconifyToNotice(const std::string& title) const {
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (const WindowId window = windowOf(title)) input_->minimiseRequest(window);
            if (waitFor([&] { return minimisedToNotice() && !windows_->shown(title); },
                        std::chrono::seconds(8)))
                return true;
        }
        return false;
    }
};

TEST_P(MinimiseOnDisplay, CloseRequestOnTheMainMenuLeavesTheNoticeAndShowRestores) {
    ASSERT_TRUE(startApplication()) << windows_->describe() << applicationOutput();
    input_->closeRequest(windowOf(kMainMenuTitle));
    ASSERT_TRUE(waitFor([&] { return minimisedToNotice(); })) << windows_->describe();

    pressNoticeButton(true);
    ASSERT_TRUE(waitForTop(kMainMenuTitle)) << windows_->describe();
    EXPECT_TRUE(waitFor([&] { return !windows_->shown(kNoticeTitle); })) << windows_->describe();
}

TEST_P(MinimiseOnDisplay, CancelOnTheNoticeKeepsTheProgramForTheNextStart) {
    ASSERT_TRUE(startApplication()) << windows_->describe() << applicationOutput();
    input_->closeRequest(windowOf(kMainMenuTitle));
    ASSERT_TRUE(waitFor([&] { return minimisedToNotice(); })) << windows_->describe();

    pressNoticeButton(false);
    ASSERT_TRUE(waitFor([&] { return !windows_->shown(kNoticeTitle); })) << windows_->describe();
    EXPECT_TRUE(applicationRunning()) << applicationOutput();

    // Starting the program again brings the running one forward.
    e2e::ChildProgram again(QString::fromStdString(device_.installedProgram().string()), {},
                            displayEnvironment(), device_.outputFile("second-start"));
    ASSERT_TRUE(again.start());
    EXPECT_EQ(again.finish(std::chrono::seconds(20)), 0) << again.output();
    EXPECT_TRUE(waitForTop(kMainMenuTitle)) << windows_->describe();
    EXPECT_TRUE(applicationRunning());
}

TEST_P(MinimiseOnDisplay, MinimisedSubScreenStaysOpenAndReturnsWithTheMainMenu) {
    ASSERT_TRUE(startApplication()) << windows_->describe() << applicationOutput();
    openMainMenuItem(kHelpItem);
    ASSERT_TRUE(waitForTop(kHelpTitle)) << windows_->describe();

    input_->closeRequest(windowOf(kHelpTitle));
    ASSERT_TRUE(waitFor([&] { return minimisedToNotice() && !windows_->shown(kHelpTitle); }))
        << windows_->describe();

    pressNoticeButton(true);
    ASSERT_TRUE(waitForTop(kHelpTitle)) << windows_->describe();
    EXPECT_TRUE(windows_->shown(kMainMenuTitle)) << windows_->describe();

    // Still the same open screen: its "返回" leads back to the main menu.
    input_->key("F1");
    EXPECT_TRUE(waitForTop(kMainMenuTitle)) << windows_->describe();
    EXPECT_FALSE(windows_->shown(kHelpTitle));
}

INSTANTIATE_TEST_SUITE_P(Both, MinimiseOnDisplay, kWindowManagers, windowManagerName);

// Only a window manager iconifies; without one there is no such request.
using IconifyOnDisplay = MinimiseOnDisplay;

TEST_P(IconifyOnDisplay, IconifyingTheMainMenuOrASubScreenMinimisesTheApplication) {
    ASSERT_TRUE(startApplication()) << windows_->describe() << applicationOutput();
    ASSERT_TRUE(iconifyToNotice(kMainMenuTitle)) << windows_->describe();
    pressNoticeButton(true);
    ASSERT_TRUE(waitForTop(kMainMenuTitle)) << windows_->describe();

    openMainMenuItem(kHelpItem);
    ASSERT_TRUE(waitForTop(kHelpTitle)) << windows_->describe();
    ASSERT_TRUE(iconifyToNotice(kHelpTitle)) << windows_->describe();
    pressNoticeButton(true);
    EXPECT_TRUE(waitForTop(kHelpTitle)) << windows_->describe();
}

INSTANTIATE_TEST_SUITE_P(Openbox, IconifyOnDisplay, ::testing::Values(WindowManager::Openbox),
                         windowManagerName);

}  // namespace
}  // namespace x11
