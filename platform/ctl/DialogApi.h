#pragma once
// Dialogs: windows of class "#32770" run by the dialog manager of this layer. A dialog
// has a dialog procedure (DLGPROC) that sees its messages first; the manager gives it
// the keyboard interface (Tab and Shift+Tab through WS_TABSTOP controls, arrows within a
// group, Enter for the default button, Escape for IDCANCEL, Alt+letter for the control
// whose text marks that letter with "&") and the default push button's look. Modal
// dialogs disable their owner through the window system's modal loop.
#include <string>

#include "platform/win/Types.h"

namespace gfx {
struct FontObject;
}

namespace ctl {

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr int IDCLOSE = 8;
constexpr int IDHELP = 9;

// WM_GETDLGCODE answers.
constexpr win::LRESULT DLGC_WANTARROWS = 0x0001;
constexpr win::LRESULT DLGC_WANTTAB = 0x0002;
constexpr win::LRESULT DLGC_WANTALLKEYS = 0x0004;
constexpr win::LRESULT DLGC_WANTMESSAGE = 0x0004;
constexpr win::LRESULT DLGC_HASSETSEL = 0x0008;
constexpr win::LRESULT DLGC_DEFPUSHBUTTON = 0x0010;
constexpr win::LRESULT DLGC_UNDEFPUSHBUTTON = 0x0020;
constexpr win::LRESULT DLGC_RADIOBUTTON = 0x0040;
constexpr win::LRESULT DLGC_WANTCHARS = 0x0080;
constexpr win::LRESULT DLGC_STATIC = 0x0100;
constexpr win::LRESULT DLGC_BUTTON = 0x2000;

constexpr win::UINT DM_GETDEFID = win::UINT(0x0400);      // returns MAKELONG(id, DC_HASDEFID) or 0
constexpr win::UINT DM_SETDEFID = win::UINT(0x0400 + 1);  // wParam the id
constexpr win::WORD DC_HASDEFID = 0x534B;

// Dialog window longs (the extra bytes of "#32770").
constexpr int DWLP_MSGRESULT = 0;
constexpr int DWLP_DLGPROC = 8;
constexpr int DWLP_USER = 16;

// A dialog procedure returns nonzero for a message it handled (for WM_INITDIALOG:
// nonzero lets the manager focus the first tab stop). A value for the sender goes into
// DWLP_MSGRESULT.
using DLGPROC = win::LRESULT (*)(win::HWND, win::UINT, win::WPARAM, win::LPARAM);

struct DialogParams {
  win::HWND owner = nullptr;
  std::u16string title;
  win::DWORD style = 0;  // 0: a popup with a caption, system menu and modal frame
  win::DWORD exStyle = 0;
  win::RECT rect;  // window rectangle, screen coordinates
  DLGPROC proc = nullptr;
  win::LPARAM param = 0;  // handed to WM_INITDIALOG
};

// Creates the dialog hidden, sends WM_SETFONT with the dialog font and WM_INITDIALOG
// (the procedure creates its controls there), then focuses the first tab stop unless
// the procedure answered 0. Returns null when the window cannot be made.
win::HWND CreateDialogWindow(const DialogParams& params);
// Runs a dialog made by CreateDialogWindow modally: shows it, disables its owner and
// returns what EndDialog was given (IDCANCEL when the loop ends otherwise); the dialog
// is destroyed afterwards.
win::LRESULT RunDialog(win::HWND dialog);
// Both steps; -1 when the dialog cannot be made.
win::LRESULT DialogBox(const DialogParams& params);
// Ends a modal dialog with a result; without a modal loop the dialog is destroyed.
win::BOOL EndDialog(win::HWND dialog, win::LRESULT result);

// The dialog manager's keyboard handling for a message meant for `dialog` or one of its
// controls; true when it was used (the message must not be dispatched). The standard
// controls apply it themselves inside dialogs, so message loops need not call it.
win::BOOL IsDialogMessage(win::HWND dialog, win::MSG* msg);
// The next (or previous) enabled, visible WS_TABSTOP control after `control`, wrapping.
win::HWND GetNextDlgTabItem(win::HWND dialog, win::HWND control, win::BOOL previous);
// The next (or previous) control of the same WS_GROUP group, wrapping within it.
win::HWND GetNextDlgGroupItem(win::HWND dialog, win::HWND control, win::BOOL previous);
// Moves the focus to a control of a dialog as Tab does (an edit gets all its text selected).
void GotoDlgCtrl(win::HWND dialog, win::HWND control);

// A child control of a dialog, made visible with the dialog font.
win::HWND CreateDialogItem(win::HWND dialog, const char16_t* className, const std::u16string& text, win::DWORD style,
                           const win::RECT& rect, int id, win::DWORD exStyle = 0);
// A window rectangle of `size` centred on the owner's window (the work area without a
// visible owner), kept on the work area.
win::RECT CentredOn(win::HWND owner, win::SIZE size);

// The dialog font: Tahoma 8 points (11 pixels), shared by every control that is given no
// other font. A shared font object of the drawing layer's facade; never freed.
gfx::FontObject* DialogFont();

std::u16string GetDlgItemText(win::HWND dialog, int id);
win::BOOL SetDlgItemText(win::HWND dialog, int id, const std::u16string& text);
win::LRESULT SendDlgItemMessage(win::HWND dialog, int id, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

}  // namespace ctl
