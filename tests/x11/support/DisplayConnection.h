#pragma once

// A client connection to a test's X display, opened by its name. Xlib's headers stay
// inside the .cpp files of this folder (their macros clash with Qt and GoogleTest);
// windows travel as plain X ids.

#include <string>

struct _XDisplay;

namespace x11 {

using WindowId = unsigned long;

class DisplayConnection final {
public:
    explicit DisplayConnection(const std::string& name);
    ~DisplayConnection();
    DisplayConnection(const DisplayConnection&) = delete;
    DisplayConnection& operator=(const DisplayConnection&) = delete;

    bool isOpen() const { return display_ != nullptr; }
    _XDisplay* display() const { return display_; }
    WindowId root() const;
    // True while a window manager announces itself on the root window.
    bool windowManagerRunning() const;
    // The window by which the window manager announces itself (0 without one).
    WindowId windowManagerWindow() const;
    // The first 32-bit item of a window's property (a CARDINAL or WINDOW), 0 without one.
    unsigned long numberProperty(WindowId window, const char* name) const;
    // Waits until the server has handled every request sent so far.
    void sync() const;

private:
    _XDisplay* display_ = nullptr;
};

}  // namespace x11
