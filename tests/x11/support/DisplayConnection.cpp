#include "tests/x11/support/DisplayConnection.h"

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
    return numberProperty(root(), "_NET_SUPPORTING_WM_CHECK");
}

unsigned long DisplayConnection::numberProperty(WindowId window, const char* name) const {
    Atom type = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    unsigned long number = 0;
    // 32-bit items (CARDINAL, WINDOW) arrive as longs.
    if (XGetWindowProperty(display_, window, XInternAtom(display_, name, False), 0, 1, False,
                           AnyPropertyType, &type, &format, &items, &after, &data) == Success &&
        data && items == 1 && format == 32) {
        number = *reinterpret_cast<unsigned long*>(data);
    }
    if (data) XFree(data);
    return number;
}

void DisplayConnection::sync() const {
    XSync(display_, False);
}

}  // namespace x11
