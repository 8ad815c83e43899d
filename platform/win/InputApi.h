#pragma once
// Keyboard focus, activation, mouse capture, mouse tracking, key state and cursors.
#include "platform/win/Types.h"

namespace win {

HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();

HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();

// TME_LEAVE (with TME_NONCLIENT for the frame) posts WM_MOUSELEAVE / WM_NCMOUSELEAVE once
// the pointer leaves that part of the window; TME_HOVER posts WM_MOUSEHOVER after it
// rests for the hover time. Tracking ends with the message.
BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme);

// Key state as of the message last retrieved: bit 0x8000 down, bit 1 toggled.
short GetKeyState(int vk);
short GetAsyncKeyState(int vk);

// The caret: one per thread, owned by a window, drawn by inverting its rectangle in the
// window's client area and blinking every GetCaretBlinkTime() milliseconds while shown.
// It starts hidden; ShowCaret and HideCaret nest. Painting hides it for the paint.
BOOL CreateCaret(HWND hwnd, int width, int height);
BOOL DestroyCaret();
BOOL SetCaretPos(int x, int y);
BOOL GetCaretPos(POINT* pt);
BOOL ShowCaret(HWND hwnd);
BOOL HideCaret(HWND hwnd);
UINT GetCaretBlinkTime();
// Whether the caret's pixels are inverted on screen right now (tests and screenshots).
bool CaretDrawn();

// The title buttons of a window's frame, as hit codes (HTMINBUTTON, HTMAXBUTTON, HTCLOSE,
// HTHELP; 0 for none). The frame's own press mode runs the buttons (DefWindowProc starts
// it on WM_NCLBUTTONDOWN over one); a frame painted by someone else reads the state here
// instead of running a press of its own.
//  - held: the button a press runs for, from the press to the release or cancel, wherever
//    the pointer is;
//  - pressed: the held button while the pointer is over it (the frame draws it pressed);
//  - hot: the title button under the pointer, pressed or not (mouse input decides it
//    by WM_NCHITTEST; while a press runs, only the pressed window is asked).
// A frame that paints hot buttons repaints on WM_NCMOUSEMOVE and WM_NCMOUSELEAVE.
struct TitleButtonState {
  int held = 0;
  int pressed = 0;
  int hot = 0;
};
TitleButtonState GetTitleButtonState(HWND hwnd);

BOOL GetCursorPos(POINT* pt);
BOOL SetCursorPos(int x, int y);

// Cursors: the predefined shapes only; LoadCursor(nullptr, IDC_...).
constexpr int IDC_ARROW = 32512;
constexpr int IDC_IBEAM = 32513;
constexpr int IDC_WAIT = 32514;
constexpr int IDC_CROSS = 32515;
constexpr int IDC_UPARROW = 32516;
constexpr int IDC_SIZENWSE = 32642;
constexpr int IDC_SIZENESW = 32643;
constexpr int IDC_SIZEWE = 32644;
constexpr int IDC_SIZENS = 32645;
constexpr int IDC_SIZEALL = 32646;
constexpr int IDC_NO = 32648;
constexpr int IDC_HAND = 32649;
constexpr int IDC_APPSTARTING = 32650;
constexpr int IDC_HELP = 32651;
HCURSOR LoadCursor(HINSTANCE instance, int cursorId);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
int CursorId(HCURSOR cursor);  // the IDC_ value of a cursor handle, 0 for none
int ShowCursor(BOOL show);

}  // namespace win
