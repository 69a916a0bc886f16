#pragma once

// The phone shell's services that screens use: the messaging composer, the
// browser, the tray-style notice, the settings-change broadcast and the
// home-screen item's start after login. Screens
// receive a ShellServices& (DesktopShell in the program, RecordingShell in
// tests) and never start programs themselves.

#include <functional>
#include <string>

#include "platform/shell/ComposerMessage.h"
#include "platform/shell/TrayNoticeRequest.h"

namespace platform {

class ShellServices {
public:
    virtual ~ShellServices() = default;

    // Opens the composer with the message filled in; does not wait. False when
    // no composer could be started (screens say nothing then).
    virtual bool openComposer(const ComposerMessage& message) = 0;
    // Opens a web page in the default browser; does not wait.
    virtual bool openBrowser(const std::u16string& url) = 0;

    // Shows the notice (replacing one with the same id); a button press calls
    // onCommand with the button's command and removes the notice.
    virtual void showNotice(const TrayNoticeRequest& notice,
                            std::function<void(int command)> onCommand) = 0;
    virtual void removeNotice(unsigned id) = 0;

    // Sends WM_WININICHANGE with the given first parameter to the other
    // processes of this device (the home screen reloads its items on 0xF2).
    virtual void broadcastSettingChange(unsigned wParam) = 0;

    // Starts the home-screen item after login (true) or no longer (false).
    // False when that could not be recorded.
    virtual bool setHomeAutostart(bool enabled) = 0;
};

}  // namespace platform
