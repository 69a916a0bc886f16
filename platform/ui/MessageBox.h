#pragma once

// The one message-box call of the screens. By default it shows a real
// QMessageBox (QtMessageBox); tests install a handler that records the text
// and answers from a script. Flags and answers keep the platform's values.

#include <functional>
#include <string>

class QWidget;

namespace platform::ui {

inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_OKCANCEL = 0x01;
inline constexpr unsigned MB_YESNOCANCEL = 0x03;
inline constexpr unsigned MB_YESNO = 0x04;
inline constexpr unsigned MB_ICONHAND = 0x10;
inline constexpr unsigned MB_ICONERROR = MB_ICONHAND;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr unsigned MB_ICONASTERISK = 0x40;
inline constexpr unsigned MB_ICONINFORMATION = MB_ICONASTERISK;

inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

using MessageBoxHandler = std::function<int(QWidget* owner, std::u16string_view text,
                                            std::u16string_view caption, unsigned flags)>;

int messageBox(QWidget* owner, std::u16string_view text, std::u16string_view caption = u"",
               unsigned flags = MB_OK);
// Empty handler: back to the real QMessageBox.
void setMessageBoxHandler(MessageBoxHandler handler);

}  // namespace platform::ui
