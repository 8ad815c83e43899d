// Creating and destroying windows, with the platform's message order:
//   HCBT_CREATEWND, WM_GETMINMAXINFO (framed top-level windows), WM_NCCREATE,
//   WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_PARENTNOTIFY to the parent, then, for
//   WS_VISIBLE, the showing sequence of ShowWindow.
//   Destruction: HCBT_DESTROYWND, owned windows, WM_PARENTNOTIFY, hiding, WM_DESTROY to
//   the window and then down its tree (parents first), WM_NCDESTROY from the deepest
//   children up, the window itself last.
#include <algorithm>

#include "platform/win/Classes.h"
#include "platform/win/Internal.h"
#include "platform/win/InputApi.h"
#include "platform/win/MenuApi.h"
#include "platform/win/Messages.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Metrics.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace win {
using namespace detail;

namespace {

void FreeWindow(HWND hwnd);

// Default place and size for CW_USEDEFAULT top-level windows: cascaded from the corner.
void ApplyDefaults(int& x, int& y, int& cx, int& cy, bool child) {
  if (child) {
    if (x == CW_USEDEFAULT) x = y = 0;
    if (cx == CW_USEDEFAULT) cx = cy = 0;
    return;
  }
  gfx::TSize screen = S().backend->ScreenSize();
  if (x == CW_USEDEFAULT) {
    x = 26;
    y = 26;
  }
  if (cx == CW_USEDEFAULT) {
    cx = screen.cx * 3 / 4;
    cy = screen.cy * 3 / 4;
  }
}

void SendDestroyDown(HWND hwnd) {
  Send(hwnd, WM_DESTROY);
  Window* w = W(hwnd);
  if (!w) return;
  std::vector<HWND> kids;
  for (Window* c : w->children) kids.push_back(c->handle);
  for (HWND k : kids)
    if (Window* c = W(k)) {
      c->destroying = true;
      SendDestroyDown(k);
    }
}

void FreeWindow(HWND hwnd) {
  Window* w = W(hwnd);
  if (!w) return;
  // Children first, including any made while the tree was being destroyed.
  while (!w->children.empty()) {
    Window* c = w->children.front();
    c->destroying = true;
    FreeWindow(c->handle);
    if (!(w = W(hwnd))) return;
  }
  if (w->created) Send(hwnd, WM_NCDESTROY);
  w = W(hwnd);
  if (!w) return;
  CaretWindowGone(hwnd);
  if (w->systemMenu) {
    HMENU m = w->systemMenu;
    w->systemMenu = nullptr;
    DestroyMenu(m);
  }
  ForgetTimersFor(hwnd);
  ForgetInputFor(hwnd);
  DetachSurfaces(hwnd);
  State& s = S();
  if (s.focus == hwnd) s.focus = nullptr;
  if (s.active == hwnd) s.active = nullptr;
  // Owned windows that survived (their destruction was refused) lose their owner.
  for (Window* t : s.desktop->children)
    if (t->owner == w) t->owner = nullptr;
  bool top = w->IsTopLevel();
  Unlink(w);
  if (top) s.backend->TopLevelDestroyed(hwnd);
  s.table.Remove(hwnd);
}

}  // namespace

HWND CreateWindowEx(DWORD exStyle, const char16_t* className, const char16_t* windowName, DWORD style, int x, int y,
                    int cx, int cy, HWND parent, HMENU menu, HINSTANCE instance, void* param) {
  State& s = S();
  WindowClass* cls = FindClass(className);
  if (!cls) return nullptr;
  bool messageOnly = parent == HWND_MESSAGE;
  if (messageOnly) {
    parent = nullptr;
    style &= ~(WS_CHILD | WS_VISIBLE);
  }
  bool child = (style & WS_CHILD) != 0;
  Window* parentW = W(parent);
  if (child && !parentW) return nullptr;
  Window* ownerW = (!child && parentW) ? TopLevelOf(parentW) : nullptr;
  ApplyDefaults(x, y, cx, cy, child);

  auto rec = std::make_unique<Window>();
  rec->cls = cls;
  rec->messageOnly = messageOnly;
  const DWORD requested = style;
  if (!child) {
    style |= WS_CLIPSIBLINGS;
    if (!(style & WS_POPUP)) style |= WS_CAPTION;  // overlapped windows always have a caption
  }
  rec->style = style & ~WS_VISIBLE;
  rec->exStyle = exStyle;
  rec->proc = cls->proc;
  rec->instance = instance;
  rec->id = child ? reinterpret_cast<LONG_PTR>(menu) : 0;
  rec->extra.assign(static_cast<std::size_t>(cls->wndExtra), 0);
  Window* w = s.table.Add(std::move(rec));
  HWND hwnd = w->handle;

  CREATESTRUCT cs;
  cs.lpCreateParams = param;
  cs.hInstance = instance;
  cs.hMenu = menu;
  cs.hwndParent = parent;
  cs.x = x;
  cs.y = y;
  cs.cx = cx;
  cs.cy = cy;
  cs.style = static_cast<LONG>(requested);
  cs.lpszName = windowName;
  cs.lpszClass = className;
  cs.dwExStyle = exStyle;

  // The hook sees the window before it has a parent, an owner or any message.
  CBT_CREATEWND cbt{&cs, child ? HWND_BOTTOM : HWND_TOP};
  if (CallHooks(WH_CBT, HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd), HandleToLParam(&cbt)) != 0) {
    s.table.Remove(hwnd);
    return nullptr;
  }
  w = W(hwnd);
  parentW = W(parent);
  if (!w || (child && !parentW)) {
    if (w) s.table.Remove(hwnd);
    return nullptr;
  }
  x = cs.x;
  y = cs.y;
  cx = std::max(0, cs.cx);
  cy = std::max(0, cs.cy);
  w->owner = ownerW && W(ownerW->handle) ? ownerW : nullptr;
  w->rect = gfx::Bounds(x, y, cx, cy);
  w->client = {0, 0, cx, cy};
  Link(child ? parentW : messageOnly ? s.messageRoot.get() : s.desktop.get(), w, child ? HWND_BOTTOM : HWND_TOP);

  if ((style & WS_THICKFRAME) || !(style & (WS_POPUP | WS_CHILD))) {
    ClampToTrackSize(AskMinMaxInfo(hwnd), cx, cy);
    if (!(w = W(hwnd))) return nullptr;
    w->rect = gfx::Bounds(x, y, cx, cy);
  }

  w->created = true;
  if (!Send(hwnd, WM_NCCREATE, 0, HandleToLParam(&cs))) {
    FreeWindow(hwnd);
    return nullptr;
  }
  if (!(w = W(hwnd))) return nullptr;

  gfx::TRect calc = w->rect;
  Send(hwnd, WM_NCCALCSIZE, FALSE, HandleToLParam(&calc));
  if (!(w = W(hwnd))) return nullptr;
  w->client = gfx::Intersect(calc.Offset(-w->rect.Left, -w->rect.Top), {0, 0, w->rect.Width(), w->rect.Height()});
  if (w->client.IsEmpty())
    w->client = {calc.Left - w->rect.Left, calc.Top - w->rect.Top, calc.Left - w->rect.Left, calc.Top - w->rect.Top};
  if (w->IsTopLevel()) ResizeBacking(w);

  if (Send(hwnd, WM_CREATE, 0, HandleToLParam(&cs)) == -1) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  if (!(w = W(hwnd))) return nullptr;
  Send(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(w->client.Width(), w->client.Height()));
  if (!(w = W(hwnd))) return nullptr;
  Send(hwnd, WM_MOVE, 0, MAKELPARAM(w->rect.Left + w->client.Left, w->rect.Top + w->client.Top));
  if (!(w = W(hwnd))) return nullptr;

  if (child && !(exStyle & WS_EX_NOPARENTNOTIFY)) {
    for (Window* p = w->parent; p && p != s.desktop.get(); p = p->parent) {
      HWND ph = p->handle;
      Send(ph, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, static_cast<unsigned>(w->id)), reinterpret_cast<LPARAM>(hwnd));
      if (!(w = W(hwnd))) return nullptr;
      p = W(ph);
      if (!p || (p->exStyle & WS_EX_NOPARENTNOTIFY) || !p->IsChild()) break;
    }
  }

  if (style & WS_VISIBLE) {
    int cmd = (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : (style & WS_MINIMIZE) ? SW_SHOWMINIMIZED : SW_SHOW;
    if (w->IsChild() || (exStyle & WS_EX_NOACTIVATE)) cmd = cmd == SW_SHOW ? SW_SHOWNA : cmd;
    ShowWindow(hwnd, cmd);
  }
  return W(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
  Window* w = W(hwnd);
  if (!w || w->destroying) return FALSE;
  if (CallHooks(WH_CBT, HCBT_DESTROYWND, reinterpret_cast<WPARAM>(hwnd), 0) != 0) return FALSE;
  if (!(w = W(hwnd))) return TRUE;
  w->destroying = true;
  State& s = S();

  // Owned top-level windows go first.
  std::vector<HWND> owned;
  for (Window* t : s.desktop->children)
    if (t->owner == w) owned.push_back(t->handle);
  for (HWND o : owned) DestroyWindow(o);
  if (!(w = W(hwnd))) return TRUE;

  if (w->IsChild() && !(w->exStyle & WS_EX_NOPARENTNOTIFY) && w->parent) {
    Send(w->parent->handle, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, static_cast<unsigned>(w->id)),
         reinterpret_cast<LPARAM>(hwnd));
    if (!(w = W(hwnd))) return TRUE;
  }

  if (w->Visible()) {
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!(w = W(hwnd))) return TRUE;
  }
  WindowLeaving(w, true);
  if (s.capture && IsDescendant(w, W(s.capture))) ReleaseCapture();

  SendDestroyDown(hwnd);
  FreeWindow(hwnd);
  return TRUE;
}

BOOL IsWindow(HWND hwnd) { return W(hwnd) != nullptr; }

int WindowCount() { return HasState() ? static_cast<int>(S().table.Count()) : 0; }

}  // namespace win
