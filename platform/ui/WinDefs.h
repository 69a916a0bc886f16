#pragma once

// Message numbers, key codes and flags of the phone platform's window manager,
// kept with their original values because screens exchange them as numbers.

#include "platform/msgbox/MessageBox.h"

namespace platform::ui {

// Window messages.
inline constexpr unsigned WM_WININICHANGE = 0x001A;
inline constexpr unsigned WM_USER = 0x0400;
// The dialog-reposition message is the second user message.
inline constexpr unsigned DM_REPOSITION = WM_USER + 2;
// First parameter of WM_WININICHANGE that makes the home screen reload its items.
inline constexpr unsigned kSettingChangeTodayItems = 0xF2;

// Virtual key codes (the emulator maps F1/F2 to the soft keys).
inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_F1 = 0x70;
inline constexpr int VK_F2 = 0x71;

// Text drawing flags (DrawText).
inline constexpr unsigned DT_TOP = 0x0000;
inline constexpr unsigned DT_LEFT = 0x0000;
inline constexpr unsigned DT_CENTER = 0x0001;
inline constexpr unsigned DT_RIGHT = 0x0002;
inline constexpr unsigned DT_VCENTER = 0x0004;
inline constexpr unsigned DT_BOTTOM = 0x0008;
inline constexpr unsigned DT_WORDBREAK = 0x0010;
inline constexpr unsigned DT_SINGLELINE = 0x0020;
inline constexpr unsigned DT_NOCLIP = 0x0100;

// OnSize kinds.
inline constexpr int SIZE_RESTORED = 0;
inline constexpr int SIZE_MINIMIZED = 1;
inline constexpr int SIZE_MAXIMIZED = 2;

// OnActivate states.
inline constexpr int WA_INACTIVE = 0;
inline constexpr int WA_ACTIVE = 1;

// Dialog results are the message-box answers.
using platform::IDCANCEL;
using platform::IDNO;
using platform::IDOK;
using platform::IDYES;

// Scroll bar requests (OnVScroll).
inline constexpr int SB_LINEUP = 0;
inline constexpr int SB_LINEDOWN = 1;
inline constexpr int SB_PAGEUP = 2;
inline constexpr int SB_PAGEDOWN = 3;
inline constexpr int SB_THUMBPOSITION = 4;
inline constexpr int SB_THUMBTRACK = 5;

}  // namespace platform::ui
