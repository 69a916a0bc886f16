#pragma once

// Every message the user sees goes through messageBox(). What shows it is a
// replaceable handler: the application shell installs the real dialog, tests
// install ScriptedMessageBoxes. Without a handler the message goes to stderr
// and the default button answers.

#include <functional>
#include <string>
#include <string_view>

namespace platform {

// Owner of a message box: the window it is modal to (a QWidget* in the
// application), or null.
using WindowHandle = void*;

// Buttons (low four bits of the type).
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_RETRYCANCEL = 0x5;
inline constexpr unsigned MB_TYPEMASK = 0xF;
// Icons.
inline constexpr unsigned MB_ICONHAND = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONASTERISK = 0x40;
inline constexpr unsigned MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr unsigned MB_ICONERROR = MB_ICONHAND;
inline constexpr unsigned MB_ICONINFORMATION = MB_ICONASTERISK;
inline constexpr unsigned MB_ICONMASK = 0xF0;
// Default button.
inline constexpr unsigned MB_DEFBUTTON1 = 0x000;
inline constexpr unsigned MB_DEFBUTTON2 = 0x100;
inline constexpr unsigned MB_DEFBUTTON3 = 0x200;
inline constexpr unsigned MB_DEFMASK = 0xF00;
// Modality and placement; accepted and passed on to the handler.
inline constexpr unsigned MB_APPLMODAL = 0x0000;
inline constexpr unsigned MB_SETFOREGROUND = 0x10000;
inline constexpr unsigned MB_TOPMOST = 0x40000;

// Answers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

struct MessageBoxRequest {
    WindowHandle owner = nullptr;
    std::u16string text;
    std::u16string caption;  // empty: the platform's default caption
    unsigned type = MB_OK;
};

using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;

// Shows a message box and returns the button chosen (IDOK, IDYES, ...).
int messageBox(WindowHandle owner, std::u16string_view text, std::u16string_view caption = {},
               unsigned type = MB_OK);

// Installs the handler for the whole process; an empty handler restores the
// stderr fallback. Returns the handler installed before.
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);

// The buttons of a type as answers, in order: MB_YESNO has 2, IDYES then
// IDNO. An unknown button set counts as MB_OK.
int buttonCount(unsigned type);
int buttonAnswer(unsigned type, int index);

// The answer of the type's default button (MB_DEFBUTTONn, first button when
// the type has fewer buttons).
int defaultAnswer(unsigned type);

}  // namespace platform
