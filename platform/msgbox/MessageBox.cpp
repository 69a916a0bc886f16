#include "platform/msgbox/MessageBox.h"

#include <array>
#include <cstdio>
#include <mutex>

#include "platform/text/Utf.h"

namespace platform {
namespace {

struct HandlerSlot {
    std::mutex mutex;
    MessageBoxHandler handler;
};

HandlerSlot& slot() {
    static HandlerSlot instance;
    return instance;
}

struct ButtonSet {
    int count;
    std::array<int, 3> answers;
};

ButtonSet buttonsOf(unsigned type) {
    switch (type & MB_TYPEMASK) {
        case MB_OKCANCEL:
            return {2, {IDOK, IDCANCEL, 0}};
        case MB_ABORTRETRYIGNORE:
            return {3, {IDABORT, IDRETRY, IDIGNORE}};
        case MB_YESNOCANCEL:
            return {3, {IDYES, IDNO, IDCANCEL}};
        case MB_YESNO:
            return {2, {IDYES, IDNO, 0}};
        case MB_RETRYCANCEL:
            return {2, {IDRETRY, IDCANCEL, 0}};
        default:
            return {1, {IDOK, 0, 0}};
    }
}

int printToStderr(const MessageBoxRequest& request) {
    std::fprintf(stderr, "[%s] %s\n", toUtf8(request.caption).c_str(),
                 toUtf8(request.text).c_str());
    return defaultAnswer(request.type);
}

}  // namespace

int buttonCount(unsigned type) {
    return buttonsOf(type).count;
}

int buttonAnswer(unsigned type, int index) {
    const ButtonSet set = buttonsOf(type);
    return index >= 0 && index < set.count ? set.answers[index] : 0;
}

int defaultAnswer(unsigned type) {
    const ButtonSet set = buttonsOf(type);
    const int index = static_cast<int>((type & MB_DEFMASK) >> 8);
    return set.answers[index < set.count ? index : 0];
}

int messageBox(WindowHandle owner, std::u16string_view text, std::u16string_view caption,
               unsigned type) {
    MessageBoxHandler handler;
    {
        std::lock_guard lock(slot().mutex);
        handler = slot().handler;
    }
    const MessageBoxRequest request{owner, std::u16string(text), std::u16string(caption), type};
    // Called outside the lock: a handler may run a modal loop that shows
    // further messages.
    return handler ? handler(request) : printToStderr(request);
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler) {
    std::lock_guard lock(slot().mutex);
    std::swap(slot().handler, handler);
    return handler;
}

}  // namespace platform
