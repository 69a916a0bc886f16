#pragma once

// The fixture of the real-display tests (CTest label x11). Each test gets:
//   - its own Xvfb server (XvfbServer, a free display picked by -displayfd),
//   - a window manager or none, by the test parameter (kWindowManagers runs every
//     test both ways: INSTANTIATE_TEST_SUITE_P(Both, MyTest, x11::kWindowManagers,
//     x11::windowManagerName)),
//   - a fresh device with the service stand-in on its own port and the product
//     installed by the installer host (e2e::InstalledProduct), set up as after the
//     first-run wizard, with TEVALO_OPENER pointed at a script that logs its calls,
//   - windows_ (WindowQuery: stacking, focus, titles, message texts), input_
//     (UserInput: XTest keys, clicks, title-bar requests) and grab() for pixels.
// startApplication() starts the installed tevaloWeather on the display and waits for
// its main menu; startHome() starts tevalo-home. Screens are told apart by title or by
// their screen class, which is the X window role of every screen; a message box's role
// is "message:" and its percent-encoded text (messageOnTop() decodes it). Every process is ended by
// its id when the test ends. A test looks like:
//
//   TEST_P(MainMenuWindows, ...) {
//       ASSERT_TRUE(startApplication());
//       input_->key("Return");
//       ASSERT_TRUE(waitForTop("泰沃天气")) << windows_->describe();
//   }

#include <QImage>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/ChildProgram.h"
#include "tests/e2e/InstalledProduct.h"
#include "tests/x11/support/DisplayConnection.h"
#include "tests/x11/support/UserInput.h"
#include "tests/x11/support/WindowQuery.h"
#include "tests/x11/support/XvfbServer.h"

namespace x11 {

enum class WindowManager { None, Openbox };

inline const auto kWindowManagers = ::testing::Values(WindowManager::None, WindowManager::Openbox);
std::string windowManagerName(const ::testing::TestParamInfo<WindowManager>& info);

// Window titles of the product.
inline constexpr char kMainMenuTitle[] = "晴雨匣";
inline constexpr char kLogoTitle[] = "LOGO界面";
inline constexpr char kNoticeTitle[] = "米多晴雨匣";
inline constexpr char kMessageTitle[] = "提示";

class RealDisplayTest : public e2e::InstalledProduct,
                        public ::testing::WithParamInterface<WindowManager> {
protected:
    void SetUp() override;
    void TearDown() override;

    // The size of the test's screen; room for the device display and the message
    // boxes beside it.
    virtual QSize screenSize() const { return {640, 480}; }
    // TEVALO_SCALE for the programs started from now on (unset: the screen's DPI decides).
    void setScale(int scale) { scale_ = scale; }

    // The environment of a program started on the test's display.
    QProcessEnvironment displayEnvironment(const std::string& clock = e2e::kQuietClock) const;
    // Starts the installed application, taps the logo away with a key and waits until
    // the main menu is on top with the keyboard.
    bool startApplication();
    bool startHome();
    // Walks the main menu's selection to item `index` with arrow keys and presses
    // Return, as a person opens a function (the selection starts at item 0 and stays
    // on the item opened last).
    void openMainMenuItem(int index);
    bool applicationRunning() const { return application_ && application_->running(); }
    std::optional<int> applicationExit(std::chrono::milliseconds wait) {
        return application_ ? application_->finish(wait) : std::nullopt;
    }

    // Polls `done` (every 50 ms) until it holds or `wait` passed.
    static bool waitFor(const std::function<bool()>& done,
                        std::chrono::milliseconds wait = std::chrono::seconds(15));
    // The window titled `title` is the top shown window and has the keyboard.
    bool isTopWithKeyboard(const std::string& title) const;
    bool waitForTop(const std::string& title,
                    std::chrono::milliseconds wait = std::chrono::seconds(15));
    // The same for the screen of class `screenClass` (its window role), captioned or not.
    bool isScreenOnTopWithKeyboard(const std::string& screenClass) const;
    bool waitForScreen(const std::string& screenClass,
                       std::chrono::milliseconds wait = std::chrono::seconds(15));
    // The text of the message box on top with the keyboard, or nothing.
    std::optional<std::string> messageOnTop() const;
    QImage grab(const QRect& area = {}) const;

    // The arguments of each call of the opener (TEVALO_OPENER), one line per call.
    std::vector<std::string> openerCalls() const;
    // Everything the application printed.
    std::string applicationOutput() const;

    std::unique_ptr<XvfbServer> xvfb_;
    std::unique_ptr<e2e::ChildProgram> windowManager_;
    std::unique_ptr<DisplayConnection> connection_;
    std::unique_ptr<WindowQuery> windows_;
    std::unique_ptr<UserInput> input_;
    std::unique_ptr<e2e::ChildProgram> application_;
    std::unique_ptr<e2e::ChildProgram> home_;

private:
    int mainMenuSelection_ = 0;
    std::optional<int> scale_;
    void startDisplay();
    std::filesystem::path writeOpenboxConfig() const;
    void markSetupDone();
    void writeOpener();
};

}  // namespace x11
