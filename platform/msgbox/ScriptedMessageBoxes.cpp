#include "platform/msgbox/ScriptedMessageBoxes.h"

#include <algorithm>

namespace platform {

ScriptedMessageBoxes::ScriptedMessageBoxes() {
    previous_ = setMessageBoxHandler([this](const MessageBoxRequest& r) { return answer(r); });
}

ScriptedMessageBoxes::~ScriptedMessageBoxes() {
    setMessageBoxHandler(std::move(previous_));
}

void ScriptedMessageBoxes::answerNext(int answer) {
    std::lock_guard lock(mutex_);
    script_.push_back(answer);
}

void ScriptedMessageBoxes::answerUnscriptedWith(int answer) {
    std::lock_guard lock(mutex_);
    unscripted_ = answer;
}

std::vector<MessageBoxRequest> ScriptedMessageBoxes::shown() const {
    std::lock_guard lock(mutex_);
    return shown_;
}

std::vector<std::u16string> ScriptedMessageBoxes::texts() const {
    std::lock_guard lock(mutex_);
    std::vector<std::u16string> result;
    for (const auto& r : shown_) result.push_back(r.text);
    return result;
}

size_t ScriptedMessageBoxes::count() const {
    std::lock_guard lock(mutex_);
    return shown_.size();
}

MessageBoxRequest ScriptedMessageBoxes::last() const {
    std::lock_guard lock(mutex_);
    return shown_.empty() ? MessageBoxRequest{} : shown_.back();
}

bool ScriptedMessageBoxes::wasShown(std::u16string_view text) const {
    std::lock_guard lock(mutex_);
    return std::any_of(shown_.begin(), shown_.end(),
                       [&](const MessageBoxRequest& r) { return r.text == text; });
}

void ScriptedMessageBoxes::clear() {
    std::lock_guard lock(mutex_);
    shown_.clear();
    script_.clear();
}

int ScriptedMessageBoxes::answer(const MessageBoxRequest& request) {
    std::lock_guard lock(mutex_);
    shown_.push_back(request);
    if (!script_.empty()) {
        const int scripted = script_.front();
        script_.pop_front();
        return scripted;
    }
    return unscripted_ != 0 ? unscripted_ : defaultAnswer(request.type);
}

}  // namespace platform
