#include "tests/x11/support/DisplayConnection.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace x11 {

namespace {

// Windows come and go while a test looks at them; a query about one that just went is
// answered with an error, which must not end the test program (Xlib's default).
int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

}  // namespace

DisplayConnection::DisplayConnection(const std::string& name)
    : display_(XOpenDisplay(name.c_str())) {
    XSetErrorHandler(ignoreError);
}

DisplayConnection::~DisplayConnection() {
    if (display_) XCloseDisplay(display_);
}

WindowId DisplayConnection::root() const {
    return DefaultRootWindow(display_);
}

bool DisplayConnection::windowManagerRunning() const {
    return windowManagerWindow() != 0;
}

WindowId DisplayConnection::windowManagerWindow() const {
    const Atom check = XInternAtom(display_, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    WindowId window = 0;
    if (XGetWindowProperty(display_, root(), check, 0, 1, False, XA_WINDOW, &type, &format, &items,
                           &after, &data) == Success &&
        data && items == 1) {
        window = *reinterpret_cast<Window*>(data);
    }
    if (data) XFree(data);
    return window;
}

void DisplayConnection::sync() const {
    XSync(display_, False);
}

}  // namespace x11
