#pragma once
// The message box: a modal dialog of class "#32770" with a caption, an icon by kind, the
// text wrapped to a readable width, and one of the standard button sets. It is sized to
// its content and centred on its owner (or the screen). Enter presses the focused or
// default button, Escape (or closing the window) answers IDCANCEL when there is a Cancel
// button and IDOK when OK is the only button, Alt+letter presses a button by its
// underlined letter.
#include <string>

#include "platform/win/Types.h"

namespace ctl {

constexpr win::UINT MB_OK = 0x0;
constexpr win::UINT MB_OKCANCEL = 0x1;
constexpr win::UINT MB_ABORTRETRYIGNORE = 0x2;
constexpr win::UINT MB_YESNOCANCEL = 0x3;
constexpr win::UINT MB_YESNO = 0x4;
constexpr win::UINT MB_RETRYCANCEL = 0x5;
constexpr win::UINT MB_TYPEMASK = 0xF;
constexpr win::UINT MB_ICONHAND = 0x10;
constexpr win::UINT MB_ICONERROR = MB_ICONHAND;
constexpr win::UINT MB_ICONSTOP = MB_ICONHAND;
constexpr win::UINT MB_ICONQUESTION = 0x20;
constexpr win::UINT MB_ICONEXCLAMATION = 0x30;
constexpr win::UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr win::UINT MB_ICONASTERISK = 0x40;
constexpr win::UINT MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr win::UINT MB_ICONMASK = 0xF0;
constexpr win::UINT MB_DEFBUTTON1 = 0x000;
constexpr win::UINT MB_DEFBUTTON2 = 0x100;
constexpr win::UINT MB_DEFBUTTON3 = 0x200;
constexpr win::UINT MB_DEFMASK = 0xF00;

// Child ids inside the box: the icon and the text statics; buttons carry their result.
constexpr int IDC_MSGBOX_ICON = 0x0014;
constexpr int IDC_MSGBOX_TEXT = 0xFFFF;

// Shows the box modally and returns the pressed button's id (IDOK, IDCANCEL, IDYES, ...),
// or 0 when it cannot be shown. A null caption shows "Error".
int MessageBox(win::HWND owner, const std::u16string& text, const char16_t* caption, win::UINT type);

}  // namespace ctl
