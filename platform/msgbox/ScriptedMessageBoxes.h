#pragma once

// Test double of the message box: while it lives, every message is recorded
// (owner, text, caption, type) and answered from a script instead of being
// shown. Unscripted messages get the default button's answer, or the answer
// set with answerUnscriptedWith().

#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "platform/msgbox/MessageBox.h"

namespace platform {

class ScriptedMessageBoxes final {
public:
    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes();
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    // Queues the answer of the next unanswered message.
    void answerNext(int answer);
    // Answer for messages with no scripted answer left; 0 means the default button.
    void answerUnscriptedWith(int answer);

    std::vector<MessageBoxRequest> shown() const;
    std::vector<std::u16string> texts() const;
    size_t count() const;
    // The latest message; an empty request when none was shown.
    MessageBoxRequest last() const;
    bool wasShown(std::u16string_view text) const;
    void clear();

private:
    int answer(const MessageBoxRequest& request);

    mutable std::mutex mutex_;
    std::vector<MessageBoxRequest> shown_;
    std::deque<int> script_;
    int unscripted_ = 0;
    MessageBoxHandler previous_;
};

}  // namespace platform
