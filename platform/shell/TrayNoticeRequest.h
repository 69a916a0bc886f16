#pragma once

// A tray-style notice: a small note with a title and buttons. The HTML body is
// the platform's form; its buttons (<input type="button" name='cmd:N'
// value="text"/>) become the notice's buttons and send command N back.

#include <string>
#include <vector>

namespace platform {

struct NoticeButton {
    int command = 0;
    std::u16string text;
    bool operator==(const NoticeButton&) const = default;
};

struct TrayNoticeRequest {
    unsigned id = 0;
    std::u16string title;
    std::u16string html;
    int seconds = 10;  // how long it stays up before it goes to the tray

    // The buttons named in the HTML body, in order.
    std::vector<NoticeButton> buttons() const;
};

}  // namespace platform
