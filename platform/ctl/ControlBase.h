#pragma once
// Internal: what every control class of this layer shares. A control keeps its state in a
// C++ object whose pointer lives in the window's extra bytes; InstanceProc makes it on
// WM_NCCREATE, routes messages to its Handle and frees it after WM_NCDESTROY (later, when
// the window is destroyed while one of its own messages is still being handled).
#include "platform/gfx/Color.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowApi.h"

namespace ctl::detail {

// Shared by every control object: its handle and the nesting of its message handling.
struct ControlObject {
  explicit ControlObject(win::HWND h) : hwnd(h) {}
  virtual ~ControlObject() = default;
  // Paints the client area, background included, into dc; only `area` needs it.
  virtual void Paint(win::HDC dc, const win::RECT& area) = 0;
  win::HWND hwnd;
  int depth = 0;      // messages of this control being handled right now
  bool gone = false;  // WM_NCDESTROY arrived; freed when depth returns to 0
};

// The dialog manager's keyboard handling, applied by every control inside a dialog
// before its own (DialogKeys.cpp). True: the message was a dialog key and is used up.
bool DialogKeyFilter(win::HWND control, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
// A control of a dialog got the focus: the default push button look follows it.
void DialogFocusChanged(win::HWND control);

// WM_ERASEBKGND (nothing to erase: painting covers the background), WM_PAINT and
// WM_PRINTCLIENT, the same for every control.
win::LRESULT PaintMessage(ControlObject& control, win::UINT msg, win::WPARAM wParam);

template <class T>
win::LRESULT InstanceProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
  auto* self = reinterpret_cast<T*>(win::GetWindowLongPtr(hwnd, 0));
  if (msg == win::WM_NCCREATE && !self) {
    self = new T(hwnd, *reinterpret_cast<const win::CREATESTRUCT*>(lParam));
    win::SetWindowLongPtr(hwnd, 0, reinterpret_cast<win::LONG_PTR>(self));
  }
  if (!self) return win::DefWindowProc(hwnd, msg, wParam, lParam);
  if (msg == win::WM_NCDESTROY) {
    win::SetWindowLongPtr(hwnd, 0, 0);
    self->gone = true;
    if (self->depth == 0) delete self;
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
  }
  if (DialogKeyFilter(hwnd, msg, wParam, lParam)) return 0;
  if (msg == win::WM_SETFOCUS) DialogFocusChanged(hwnd);
  ++self->depth;
  bool paint = msg == win::WM_ERASEBKGND || msg == win::WM_PAINT || msg == win::WM_PRINTCLIENT;
  win::LRESULT r = paint ? PaintMessage(*self, msg, wParam) : self->Handle(msg, wParam, lParam);
  if (--self->depth == 0 && self->gone) delete self;
  return r;
}

// Registers one control class with a pointer of extra bytes, unless it exists already.
void RegisterControlClass(const char16_t* name, win::WNDPROC proc, win::UINT classStyle, int cursorId,
                          int backgroundColor);

// What a control paints with: the colours its parent chooses through WM_CTLCOLOR...
// (sent with the surface, so the parent may set its text colour), else the defaults.
struct PaintColors {
  gfx::TColor text;
  gfx::TColor back;
};
PaintColors ParentColors(win::HWND control, win::UINT ctlColorMsg, win::HDC dc, gfx::TColor text, gfx::TColor back);

// The window's dialog (nearest ancestor of class "#32770"), or null.
win::HWND DialogOf(win::HWND control);
bool IsDialogWindow(win::HWND hwnd);

// The id of a child control (the low word, as notifications carry it).
inline win::WORD ControlId(win::HWND hwnd) { return static_cast<win::WORD>(win::GetWindowLongPtr(hwnd, -12)); }

}  // namespace ctl::detail
