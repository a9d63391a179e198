// Basic types and numbers shared by every part of the framework and by the
// programs written on it: message and command numbers, button states, message
// box flags, geometry and colours. Nothing here depends on the toolkit.
#pragma once

#include <cstdint>

namespace framework {

// A message's result and its two parameters. The second parameter is wide
// enough to carry a pointer, as the erase-background message's does.
using TResult = std::intptr_t;
using TParam1 = std::uintptr_t;
using TParam2 = std::intptr_t;
using TMsgId = unsigned;
using TResId = int;

// Messages the framework itself sends. A program's private messages start at
// WM_USER.
inline constexpr TMsgId WM_DESTROY = 0x0002;
inline constexpr TMsgId WM_CLOSE = 0x0010;
inline constexpr TMsgId WM_ERASEBKGND = 0x0014;
inline constexpr TMsgId WM_COMMAND = 0x0111;
inline constexpr TMsgId WM_USER = 0x0400;

// Dialog results and the commands of the standard buttons.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// The standard exit command; the application object answers it by closing
// its main window.
inline constexpr int CM_EXIT = 24310;

// Notification codes a control sends to its parent.
inline constexpr unsigned BN_CLICKED = 0;
inline constexpr unsigned LBN_SELCHANGE = 1;
inline constexpr unsigned LBN_DBLCLK = 2;
inline constexpr unsigned EN_CHANGE = 0x0300;

// Check states of check boxes and radio buttons, as a transfer buffer holds them.
inline constexpr std::uint32_t BF_UNCHECKED = 0;
inline constexpr std::uint32_t BF_CHECKED = 1;

// Message box flags: the low nibble chooses the buttons, the next one the icon.
inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_OKCANCEL = 0x01;
inline constexpr unsigned MB_YESNOCANCEL = 0x03;
inline constexpr unsigned MB_YESNO = 0x04;
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_TYPEMASK = 0x0F;
inline constexpr unsigned MB_ICONMASK = 0xF0;

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_MAXIMIZE = 3;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_SHOWDEFAULT = 10;

// ExtTextOut option: fill the rectangle with the background colour first.
inline constexpr unsigned ETO_OPAQUE = 0x0002;

// Which way a transfer goes: from the controls into the buffer, or back.
enum TTransferDirection { tdGetData, tdSetData };

struct TPoint {
  int x = 0;
  int y = 0;
};

// right and bottom lie just outside the rectangle.
struct TRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

struct TColor {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend constexpr bool operator==(const TColor&, const TColor&) = default;
};

}  // namespace framework
