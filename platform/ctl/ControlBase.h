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

using namespace win;

// Shared by every control object: its handle and the nesting of its message handling.
struct ControlObject {
  explicit ControlObject(HWND h) : hwnd(h) {}
  virtual ~ControlObject() = default;
  // Paints the client area, background included, into dc; only `area` needs it.
  virtual void Paint(HDC dc, const RECT& area) = 0;
  HWND hwnd;
  int depth = 0;      // messages of this control being handled right now
  bool gone = false;  // WM_NCDESTROY arrived; freed when depth returns to 0
};

// The dialog manager's keyboard handling, applied by every control inside a dialog
// before its own (DialogManager.cpp). True: the message was a dialog key and is used up.
bool DialogKeyFilter(HWND control, UINT msg, WPARAM wParam, LPARAM lParam);
// A control of a dialog got the focus: the default push button look follows it.
void DialogFocusChanged(HWND control);

// WM_ERASEBKGND (nothing to erase: painting covers the background), WM_PAINT and
// WM_PRINTCLIENT, the same for every control.
LRESULT PaintMessage(ControlObject& control, UINT msg, WPARAM wParam);

template <class T>
LRESULT InstanceProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<T*>(GetWindowLongPtr(hwnd, 0));
  if (msg == WM_NCCREATE && !self) {
    self = new T(hwnd, *reinterpret_cast<const CREATESTRUCT*>(lParam));
    SetWindowLongPtr(hwnd, 0, reinterpret_cast<LONG_PTR>(self));
  }
  if (!self) return DefWindowProc(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtr(hwnd, 0, 0);
    self->gone = true;
    if (self->depth == 0) delete self;
    return DefWindowProc(hwnd, msg, wParam, lParam);
  }
  if (DialogKeyFilter(hwnd, msg, wParam, lParam)) return 0;
  if (msg == WM_SETFOCUS) DialogFocusChanged(hwnd);
  ++self->depth;
  bool paint = msg == WM_ERASEBKGND || msg == WM_PAINT || msg == WM_PRINTCLIENT;
  LRESULT r = paint ? PaintMessage(*self, msg, wParam) : self->Handle(msg, wParam, lParam);
  if (--self->depth == 0 && self->gone) delete self;
  return r;
}

// Registers one control class with a pointer of extra bytes, unless it exists already.
void RegisterControlClass(const char16_t* name, WNDPROC proc, UINT classStyle, int cursorId, int backgroundColor);

// What a control paints with: the colours its parent chooses through WM_CTLCOLOR...
// (sent with the surface, so the parent may set its text colour), else the defaults.
struct PaintColors {
  gfx::TColor text;
  gfx::TColor back;
};
PaintColors ParentColors(HWND control, UINT ctlColorMsg, HDC dc, gfx::TColor text, gfx::TColor back);

// The window's dialog (nearest ancestor of class "#32770"), or null.
HWND DialogOf(HWND control);
bool IsDialogWindow(HWND hwnd);

// The id of a child control (the low word, as notifications carry it).
inline WORD ControlId(HWND hwnd) { return static_cast<WORD>(GetWindowLongPtr(hwnd, -12)); }

}  // namespace ctl::detail
