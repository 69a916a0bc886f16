#pragma once

// What a person sees of the windows on a test's display: the shown top-level windows
// from the bottom to the top of the stack, which one is on top and which one has the
// keyboard. Under a window manager the frames it adds are looked through, so the same
// questions have the same answers with and without one.

#include <QRect>
#include <optional>
#include <string>
#include <vector>

#include "tests/x11/support/DisplayConnection.h"

namespace x11 {

struct ShownWindow {
    WindowId id = 0;
    std::string title;  // UTF-8
    // The window role; the platform's message boxes carry their text there.
    std::string role;
    int pid = 0;
    QRect geometry;  // on the screen
};

class WindowQuery final {
public:
    explicit WindowQuery(const DisplayConnection& connection) : connection_(connection) {}

    // Shown (mapped) application windows, bottom first.
    std::vector<ShownWindow> stack() const;
    std::optional<ShownWindow> top() const;
    // The shown window that holds the keyboard focus (or contains the focused window).
    std::optional<ShownWindow> focused() const;
    // The topmost shown window with this title.
    std::optional<ShownWindow> find(const std::string& title) const;
    bool shown(const std::string& title) const { return find(title).has_value(); }
    // "a, b, c" bottom to top, for failure messages.
    std::string describe() const;

private:
    const DisplayConnection& connection_;
};

}  // namespace x11
