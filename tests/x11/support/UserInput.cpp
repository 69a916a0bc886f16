#include "tests/x11/support/UserInput.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace x11 {

bool UserInput::available() const {
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    return XTestQueryExtension(connection_.display(), &event, &error, &major, &minor);
}

void UserInput::key(const std::string& keyName) const {
    Display* d = connection_.display();
    const KeyCode code = XKeysymToKeycode(d, XStringToKeysym(keyName.c_str()));
    if (code == 0) return;
    XTestFakeKeyEvent(d, code, True, CurrentTime);
    XTestFakeKeyEvent(d, code, False, CurrentTime);
    XSync(d, False);
}

void UserInput::type(const std::string& text) const {
    for (char c : text) key(std::string(1, c));
}

void UserInput::click(int x, int y) const {
    Display* d = connection_.display();
    XTestFakeMotionEvent(d, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(d, 1, True, CurrentTime);
    XTestFakeButtonEvent(d, 1, False, CurrentTime);
    XSync(d, False);
}

void UserInput::closeRequest(WindowId window) const {
    Display* d = connection_.display();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.format = 32;
    if (connection_.windowManagerRunning()) {
        event.xclient.message_type = XInternAtom(d, "_NET_CLOSE_WINDOW", False);
        event.xclient.data.l[0] = CurrentTime;
        event.xclient.data.l[1] = 2;  // source: a pager or a person's tool
        XSendEvent(d, connection_.root(), False, SubstructureRedirectMask | SubstructureNotifyMask,
                   &event);
    } else {
        event.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(d, window, False, NoEventMask, &event);
    }
    XSync(d, False);
}

void UserInput::minimiseRequest(WindowId window) const {
    Display* d = connection_.display();
    XIconifyWindow(d, window, DefaultScreen(d));
    XSync(d, False);
}

}  // namespace x11
