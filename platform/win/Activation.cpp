// Activation and keyboard focus. Activating B while A is active:
//   HCBT_ACTIVATE(B), A: WM_NCACTIVATE(FALSE), WM_ACTIVATE(WA_INACTIVE); B to the top of
//   the z-order; WM_ACTIVATEAPP(TRUE) to every top-level window when the application had
//   no active window; B: WM_NCACTIVATE(TRUE), WM_ACTIVATE(WA_ACTIVE or WA_CLICKACTIVE),
//   whose default handling gives B the focus (WM_KILLFOCUS to the old focus, then
//   WM_SETFOCUS).
#include "platform/win/InputApi.h"
#include "platform/win/Internal.h"
#include "platform/win/Messages.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace win {
namespace detail {

namespace {

void BroadcastActivateApp(BOOL active) {
  std::vector<HWND> tops;
  for (Window* t : S().desktop->children) tops.push_back(t->handle);
  for (HWND h : tops)
    if (W(h)) Send(h, WM_ACTIVATEAPP, active, 0);
}

void Deactivate(HWND old, HWND next) {
  if (!W(old)) return;
  Send(old, WM_NCACTIVATE, FALSE, reinterpret_cast<LPARAM>(next));
  if (Window* o = W(old))
    Send(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, (o->style & WS_MINIMIZE) ? 1 : 0), reinterpret_cast<LPARAM>(next));
}

}  // namespace

bool Activate(HWND hwnd, bool byMouse, bool) {
  State& s = S();
  Window* w = W(hwnd);
  if (!w) return false;
  w = TopLevelOf(w);
  hwnd = w->handle;
  if (s.active == hwnd) return true;
  CBTACTIVATESTRUCT cbt{byMouse ? TRUE : FALSE, s.active};
  if (CallHooks(WH_CBT, HCBT_ACTIVATE, reinterpret_cast<WPARAM>(hwnd), HandleToLParam(&cbt)) != 0) return false;
  if (!W(hwnd)) return false;
  HWND old = s.active;
  Deactivate(old, hwnd);
  if (!(w = W(hwnd))) return false;
  s.active = hwnd;
  s.backend->TopLevelActivated(hwnd);
  if (!w->parent->children.empty() && w->parent->children.front() != w)
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (!s.appActive) {
    s.appActive = true;
    BroadcastActivateApp(TRUE);
  }
  if (s.active != hwnd || !W(hwnd)) return false;
  Send(hwnd, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(old));
  if (!(w = W(hwnd)) || s.active != hwnd) return false;
  Send(hwnd, WM_ACTIVATE, MAKEWPARAM(byMouse ? WA_CLICKACTIVE : WA_ACTIVE, (w->style & WS_MINIMIZE) ? 1 : 0),
       reinterpret_cast<LPARAM>(old));
  return s.active == hwnd;
}

void WindowLeaving(Window* w, bool destroying) {
  State& s = S();
  HWND hwnd = w->handle;
  auto dropFocusInside = [&] {
    Window* f = W(s.focus);
    Window* self = W(hwnd);
    if (!f || !self || !IsDescendant(self, f)) return;
    if (destroying) {
      s.focus = nullptr;
    } else {
      Window* p = self->IsChild() ? self->parent : nullptr;
      SetFocus(p ? p->handle : nullptr);
    }
  };
  if (s.active != hwnd) {
    dropFocusInside();
    return;
  }
  // Activation goes to the owner when it can take it, else to the next window in z-order;
  // the newly active window takes the focus from this one.
  HWND next = nullptr;
  auto usable = [&](Window* t) {
    return t && t != w && t->Visible() && t->Enabled() && !(t->style & WS_MINIMIZE) &&
           !(t->exStyle & WS_EX_NOACTIVATE) && !IsDescendant(w, t) && t->owner != w;
  };
  if (usable(w->owner)) next = w->owner->handle;
  if (!next)
    for (Window* t : s.desktop->children)
      if (usable(t)) {
        next = t->handle;
        break;
      }
  if (next && Activate(next, false, false)) {
    dropFocusInside();
    return;
  }
  if (s.active != hwnd) return;
  Deactivate(hwnd, nullptr);
  if (s.active == hwnd) {
    s.active = nullptr;
    dropFocusInside();
    if (s.appActive) {
      s.appActive = false;
      BroadcastActivateApp(FALSE);
    }
  }
}

void DeactivateApplication() {
  State& s = S();
  HWND old = s.active;
  if (!old) return;
  Deactivate(old, nullptr);
  if (s.active != old) return;  // something activated meanwhile
  s.active = nullptr;
  if (HWND f = s.focus) {
    s.focus = nullptr;
    if (W(f)) Send(f, WM_KILLFOCUS, 0, 0);
  }
  if (s.appActive) {
    s.appActive = false;
    BroadcastActivateApp(FALSE);
  }
}

}  // namespace detail

using namespace detail;

HWND SetActiveWindow(HWND hwnd) {
  HWND old = S().active;
  if (!W(hwnd)) return nullptr;
  return Activate(hwnd, false, true) ? old : nullptr;
}

HWND GetActiveWindow() { return S().active; }

BOOL SetForegroundWindow(HWND hwnd) { return W(hwnd) && Activate(hwnd, false, true) ? TRUE : FALSE; }

HWND GetForegroundWindow() { return S().active; }

HWND GetFocus() { return HasState() ? S().focus : nullptr; }

HWND SetFocus(HWND hwnd) {
  State& s = S();
  HWND old = s.focus;
  if (hwnd) {
    Window* w = W(hwnd);
    if (!w) return nullptr;
    if (old == hwnd) return old;
    for (Window* a = w; a && a->parent; a = a->parent)
      if (a->style & (WS_MINIMIZE | WS_DISABLED)) return nullptr;
    if (CallHooks(WH_CBT, HCBT_SETFOCUS, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(old)) != 0)
      return nullptr;
    if (!(w = W(hwnd))) return nullptr;
    Window* top = TopLevelOf(w);
    if (s.active != top->handle) {
      if (!Activate(top->handle, false, true)) return nullptr;
      if (!W(hwnd)) return nullptr;
      old = s.focus;
      if (old == hwnd) return old;
    }
  } else {
    if (!old) return nullptr;
    if (CallHooks(WH_CBT, HCBT_SETFOCUS, 0, reinterpret_cast<LPARAM>(old)) != 0) return nullptr;
  }
  s.focus = hwnd;
  if (old && W(old)) Send(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
  if (hwnd && s.focus == hwnd && W(hwnd)) Send(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  return old;
}

}  // namespace win
