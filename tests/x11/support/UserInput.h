#pragma once

// Real input on a test's display through the XTest extension: the keys of the phone
// emulator (F1, F2, arrows, Return), typed text, pen taps as mouse clicks at screen
// positions, and the title-bar requests a window manager passes on (close, minimise).
// Events go to whichever window has the focus, exactly as a person's keys would.

#include <string>

#include "tests/x11/support/DisplayConnection.h"

namespace x11 {

class UserInput final {
public:
    explicit UserInput(const DisplayConnection& connection) : connection_(connection) {}

    // True when the server offers XTest.
    bool available() const;
    // Presses and releases the key of an X key name ("F1", "Return", "Down", "a").
    void key(const std::string& keyName) const;
    // Types lower-case letters and digits, one key each.
    void type(const std::string& text) const;
    void click(int x, int y) const;

    // The close button of the title bar: through the window manager when one runs,
    // else the WM_DELETE_WINDOW message the button would have sent.
    void closeRequest(WindowId window) const;
    // The minimise button: the iconify request a window manager carries out.
    void minimiseRequest(WindowId window) const;

private:
    const DisplayConnection& connection_;
};

}  // namespace x11
