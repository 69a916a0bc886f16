#pragma once

// ScreenHarness: what every screen test stands on.
//
//   ScreenHarness h;                       // fresh device, fixed clock, recorders
//   h.messages().answerNext(IDYES);        // scripted message-box answers
//   h.onOpen(u"CtevaloHelp", [&](CDialog& d) { h.softKey(d, Key::Left); });
//   auto& ctx = h.context();               // AppContext for the screen under test
//   MyScreen screen(ctx, nullptr);
//   h.show(screen);                        // OnInitDialog + shown, not modal
//   h.key(screen, VK_DOWN); h.tap(screen, x, y); h.command(screen, u"推荐好友");
//   h.log(screen).findText(u"...");        // draw log of a fresh paint
//   h.shell().composed();                  // recorded composer launches
//
// - Device: a temporary TEVALO_DEVICE_ROOT holding "\Program Files\tevaloWeather\"
//   with copies of the reference volumes from ${TEVALO_BINARY_DIR}/payload and
//   the payload's pictures (tevalo/, linked, read-only use). Removed afterwards.
// - Clock: platform::FixedClock at 2026-12-07 09:30:00 (setTime changes it);
//   the random source is seeded with 1.
// - Message boxes: platform::ScriptedMessageBoxes (messages()); unscripted
//   ones get their default button.
// - Shell: platform::RecordingShell (shell()): composer, browser, notices,
//   broadcasts.
// - Nested screens: a screen opened modally by the one under test runs the
//   handler given to onOpen for its class (one handler per opening, in order);
//   without one it is recorded and closed with IDCANCEL at once. opened()
//   lists the classes of every screen shown.
// - Service stand-in: startService() runs service::TestServer on a loopback
//   port and points TEVALO_SERVICE_HOST at it.

#include <deque>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/shell/AppContext.h"
#include "app/shell/ScreenLauncher.h"
#include "platform/clock/Clock.h"
#include "platform/msgbox/ScriptedMessageBoxes.h"
#include "platform/shell/RecordingShell.h"
#include "platform/ui/CDialog.h"

namespace service {
class TestServer;
}

namespace testing_support {

class ScreenHarness final {
public:
    using Key = platform::ui::SoftKeyBar::Key;
    using Handler = std::function<void(platform::ui::CDialog&)>;

    ScreenHarness();
    ~ScreenHarness();
    ScreenHarness(const ScreenHarness&) = delete;
    ScreenHarness& operator=(const ScreenHarness&) = delete;

    // Device.
    const std::filesystem::path& deviceRoot() const { return root_; }
    std::filesystem::path installFolder() const;
    bool hasReferenceVolumes() const { return haveVolumes_; }
    // Writes a small PNG for each named picture of the tevalo folder that does
    // not exist (when the payload's pictures are not built). Returns the
    // pictures' folder.
    std::filesystem::path ensurePictures(std::initializer_list<const char*> names);
    // Removes a picture from this device (the payload is left alone).
    void removePicture(const char* name);

    // Infrastructure handed to screens.
    app::AppContext& context() { return *context_; }
    app::ScreenLauncher& launcher() { return launcher_; }
    platform::ScriptedMessageBoxes& messages() { return messages_; }
    platform::RecordingShell& shell() { return shell_; }
    void setTime(const platform::LocalTime& time) { clock_.set(time); }

    // Service stand-in; false when it could not start.
    bool startService();
    service::TestServer* server() { return server_.get(); }

    // Display size for screens created from now on (TEVALO_DISPLAY).
    void setDisplay(int width, int height);

    // Nested screens.
    void onOpen(std::u16string className, Handler handler);
    const std::vector<std::u16string>& opened() const { return opened_; }
    bool wasOpened(std::u16string_view className) const;

    // Driving a screen.
    void show(platform::ui::CDialog& screen);
    void key(platform::ui::CDialog& screen, int vk);
    void tap(platform::ui::CDialog& screen, int x, int y);
    void softKey(platform::ui::CDialog& screen, Key key);
    // Runs the soft-key command with this caption: the left key, the right key,
    // or an entry of a pop-up (opened with F2 and chosen with the arrows and
    // Return, as a user would). False when no key or entry has that caption.
    [[nodiscard]] bool command(platform::ui::CDialog& screen, std::u16string_view caption);
    // Paints the screen afresh and returns its draw log.
    const platform::ui::DrawLog& log(platform::ui::CDialog& screen);
    // Processes pending Qt events (timers, deferred paints).
    static void processEvents();

private:
    void observe(platform::ui::CDialog& dialog);

    std::filesystem::path root_;
    bool haveVolumes_ = false;
    std::string previousDisplay_;
    bool hadDisplay_ = false;
    platform::ScriptedMessageBoxes messages_;
    platform::RecordingShell shell_;
    platform::FixedClock clock_;
    app::ScreenLauncher launcher_;
    std::unique_ptr<app::AppContext> context_;
    std::unique_ptr<service::TestServer> server_;
    std::map<std::u16string, std::deque<Handler>> handlers_;
    std::vector<std::u16string> opened_;
};

}  // namespace testing_support
