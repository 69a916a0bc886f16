#include "tests/x11/support/WindowQuery.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <functional>

namespace x11 {
namespace {

std::string textProperty(Display* d, Window w, const char* name, Atom type) {
    Atom actual = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 4096, False, type, &actual,
                           &format, &items, &after, &data) == Success &&
        data && format == 8) {
        text.assign(reinterpret_cast<const char*>(data), items);
    }
    if (data) XFree(data);
    return text;
}

bool hasProperty(Display* d, Window w, const char* name) {
    Atom actual = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const bool has =
        XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 1, False, AnyPropertyType, &actual,
                           &format, &items, &after, &data) == Success &&
        actual != 0;
    if (data) XFree(data);
    return has;
}

std::vector<Window> children(Display* d, Window w) {
    Window root = 0;
    Window parent = 0;
    Window* list = nullptr;
    unsigned count = 0;
    std::vector<Window> result;
    if (XQueryTree(d, w, &root, &parent, &list, &count) && list) {
        result.assign(list, list + count);
    }
    if (list) XFree(list);
    return result;
}

// The application window inside a top-level window: the window itself without a window
// manager, the descendant the manager marked with WM_STATE under one.
std::optional<Window> clientOf(Display* d, Window w, int depth = 0) {
    if (hasProperty(d, w, "WM_STATE")) return w;
    if (depth == 0 && hasProperty(d, w, "WM_CLASS")) return w;
    if (depth >= 3) return std::nullopt;
    for (Window child : children(d, w)) {
        if (auto client = clientOf(d, child, depth + 1)) return client;
    }
    return std::nullopt;
}

ShownWindow describeWindow(const DisplayConnection& connection, Window w) {
    Display* d = connection.display();
    ShownWindow shown;
    shown.id = w;
    shown.title = textProperty(d, w, "_NET_WM_NAME", XInternAtom(d, "UTF8_STRING", False));
    if (shown.title.empty()) shown.title = textProperty(d, w, "WM_NAME", AnyPropertyType);
    shown.role = textProperty(d, w, "WM_WINDOW_ROLE", AnyPropertyType);
    shown.pid = static_cast<int>(connection.numberProperty(w, "_NET_WM_PID"));
    XWindowAttributes a{};
    if (XGetWindowAttributes(d, w, &a)) {
        int x = 0;
        int y = 0;
        Window ignored = 0;
        XTranslateCoordinates(d, w, DefaultRootWindow(d), 0, 0, &x, &y, &ignored);
        shown.geometry = QRect(x, y, a.width, a.height);
    }
    return shown;
}

bool viewable(Display* d, Window w) {
    XWindowAttributes a{};
    return XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable;
}

}  // namespace

std::vector<ShownWindow> WindowQuery::stack() const {
    Display* d = connection_.display();
    std::vector<ShownWindow> shown;
    const WindowId manager = connection_.windowManagerWindow();
    // XQueryTree lists the children of the root bottom first.
    for (Window top : children(d, connection_.root())) {
        if (top == manager || !viewable(d, top)) continue;
        const auto client = clientOf(d, top);
        if (!client || !viewable(d, *client)) continue;
        shown.push_back(describeWindow(connection_, *client));
    }
    return shown;
}

std::optional<ShownWindow> WindowQuery::top() const {
    auto all = stack();
    if (all.empty()) return std::nullopt;
    return all.back();
}

std::optional<ShownWindow> WindowQuery::focused() const {
    Display* d = connection_.display();
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(d, &focus, &revert);
    if (focus == None || focus == PointerRoot) return std::nullopt;
    const auto all = stack();
    // The focus may sit on a window inside an application window; walk up to it.
    for (Window w = focus; w != 0 && w != connection_.root();) {
        for (const auto& window : all) {
            if (window.id == w) return window;
        }
        Window root = 0;
        Window parent = 0;
        Window* list = nullptr;
        unsigned count = 0;
        if (!XQueryTree(d, w, &root, &parent, &list, &count)) break;
        if (list) XFree(list);
        w = parent;
    }
    return std::nullopt;
}

std::optional<ShownWindow> WindowQuery::find(const std::string& title) const {
    const auto all = stack();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if (it->title == title) return *it;
    }
    return std::nullopt;
}

std::string WindowQuery::describe() const {
    std::string text;
    for (const auto& window : stack()) {
        if (!text.empty()) text += ", ";
        text += "\"" + window.title + "\"";
        if (!window.role.empty()) text += " (" + window.role + ")";
    }
    const auto focus = focused();
    text += "; keyboard: " + (focus ? "\"" + focus->title + "\"" : std::string("none"));
    return text;
}

}  // namespace x11
