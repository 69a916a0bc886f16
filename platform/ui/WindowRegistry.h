#pragma once

// The screens of this process that exist now, in the order they were shown,
// so that a screen can find another by caption or class (the platform's
// FindWindow) and send it a numbered user message synchronously.

#include <cstdint>
#include <string>
#include <vector>

namespace platform::ui {

class CDialog;

class WindowRegistry final {
public:
    // Either argument may be empty (matches any). Only initialised windows.
    static CDialog* FindWindow(std::u16string_view className, std::u16string_view caption);
    // 0 when there is no such window.
    static std::intptr_t SendMessage(CDialog* target, unsigned message, std::uintptr_t wParam,
                                     std::intptr_t lParam);
    // The visible window shown most recently before `self`, if any.
    static CDialog* WindowBehind(const CDialog* self);
    static std::vector<CDialog*> Windows();

    static void Add(CDialog* dialog);
    static void Remove(CDialog* dialog);
    // Moves the window to the top of the shown order.
    static void Raise(CDialog* dialog);
};

}  // namespace platform::ui
