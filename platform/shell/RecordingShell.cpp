#include "platform/shell/RecordingShell.h"

namespace platform {

bool RecordingShell::openComposer(const ComposerMessage& message) {
    if (!launchSucceeds_) return false;
    composed_.push_back(message);
    return true;
}

bool RecordingShell::openBrowser(const std::u16string& url) {
    if (!launchSucceeds_) return false;
    browsed_.push_back(url);
    return true;
}

void RecordingShell::showNotice(const TrayNoticeRequest& notice,
                                std::function<void(int)> onCommand) {
    notices_[notice.id] = Shown{notice, std::move(onCommand)};
    ++noticesEverShown_;
}

void RecordingShell::removeNotice(unsigned id) {
    notices_.erase(id);
}

void RecordingShell::broadcastSettingChange(unsigned wParam) {
    broadcasts_.push_back(wParam);
}

bool RecordingShell::setHomeAutostart(bool enabled) {
    homeAutostarts_.push_back(enabled);
    return autostartSucceeds_;
}

const TrayNoticeRequest* RecordingShell::notice(unsigned id) const {
    auto it = notices_.find(id);
    return it == notices_.end() ? nullptr : &it->second.request;
}

bool RecordingShell::pressNoticeButton(unsigned id, std::u16string_view text) {
    auto it = notices_.find(id);
    if (it == notices_.end()) return false;
    for (const NoticeButton& b : it->second.request.buttons()) {
        if (b.text == text) {
            auto onCommand = std::move(it->second.onCommand);
            notices_.erase(it);
            if (onCommand) onCommand(b.command);
            return true;
        }
    }
    return false;
}

void RecordingShell::clear() {
    composed_.clear();
    browsed_.clear();
    broadcasts_.clear();
    homeAutostarts_.clear();
    notices_.clear();
    noticesEverShown_ = 0;
}

}  // namespace platform
