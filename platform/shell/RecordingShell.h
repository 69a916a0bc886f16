#pragma once

// ShellServices for tests: records every composer message, browser page,
// notice and broadcast instead of acting, and lets a test press a notice's
// button as the user would.

#include <functional>
#include <map>
#include <vector>

#include "platform/shell/ShellServices.h"

namespace platform {

class RecordingShell final : public ShellServices {
public:
    bool openComposer(const ComposerMessage& message) override;
    bool openBrowser(const std::u16string& url) override;
    void showNotice(const TrayNoticeRequest& notice,
                    std::function<void(int command)> onCommand) override;
    void removeNotice(unsigned id) override;
    void broadcastSettingChange(unsigned wParam) override;
    bool setHomeAutostart(bool enabled) override;

    // When false, the composer and the browser "cannot be started".
    void setLaunchSucceeds(bool succeeds) { launchSucceeds_ = succeeds; }

    const std::vector<ComposerMessage>& composed() const { return composed_; }
    const std::vector<std::u16string>& browsed() const { return browsed_; }
    const std::vector<unsigned>& broadcasts() const { return broadcasts_; }
    // Every login-start choice made, in order.
    const std::vector<bool>& homeAutostarts() const { return homeAutostarts_; }
    // When false, the login start "cannot be recorded".
    void setAutostartSucceeds(bool succeeds) { autostartSucceeds_ = succeeds; }
    // Notices shown now, by id.
    bool noticeShown(unsigned id) const { return notices_.count(id) != 0; }
    const TrayNoticeRequest* notice(unsigned id) const;
    int noticesEverShown() const { return noticesEverShown_; }
    // Presses the notice's button with that text; false when there is none.
    bool pressNoticeButton(unsigned id, std::u16string_view text);
    void clear();

private:
    struct Shown {
        TrayNoticeRequest request;
        std::function<void(int)> onCommand;
    };
    bool launchSucceeds_ = true;
    std::vector<ComposerMessage> composed_;
    std::vector<std::u16string> browsed_;
    std::vector<unsigned> broadcasts_;
    std::vector<bool> homeAutostarts_;
    bool autostartSucceeds_ = true;
    std::map<unsigned, Shown> notices_;
    int noticesEverShown_ = 0;
};

}  // namespace platform
