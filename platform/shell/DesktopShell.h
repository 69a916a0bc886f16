#pragma once

// ShellServices of the running program: the composer's sms: URI and web pages
// go to the desktop's handler (xdg-open, started with an argument list, never
// through a shell); notices are small always-on-top windows; the broadcast
// goes through SettingChange.

#include <QPointer>
#include <map>
#include <memory>

#include "platform/shell/ShellServices.h"

class QWidget;

namespace platform {

class DesktopShell final : public ShellServices {
public:
    DesktopShell();
    ~DesktopShell() override;
    DesktopShell(const DesktopShell&) = delete;
    DesktopShell& operator=(const DesktopShell&) = delete;

    bool openComposer(const ComposerMessage& message) override;
    bool openBrowser(const std::u16string& url) override;
    void showNotice(const TrayNoticeRequest& notice,
                    std::function<void(int command)> onCommand) override;
    void removeNotice(unsigned id) override;
    void broadcastSettingChange(unsigned wParam) override;
    bool setHomeAutostart(bool enabled) override;

    // The opener program (default "xdg-open"; TEVALO_OPENER overrides it, so a
    // run without a desktop can log what would have opened).
    static std::string opener();

private:
    std::map<unsigned, QPointer<QWidget>> notices_;
};

}  // namespace platform
