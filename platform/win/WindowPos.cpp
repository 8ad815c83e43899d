// Placement: SetWindowPos with its WM_WINDOWPOSCHANGING / WM_NCCALCSIZE /
// WM_WINDOWPOSCHANGED sequence, z-order, showing and hiding, minimize and maximize.
#include <algorithm>

#include "platform/win/InputApi.h"
#include "platform/win/Internal.h"
#include "platform/win/Messages.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Metrics.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace win {
namespace detail {

MINMAXINFO DefaultMinMaxInfo() {
  MINMAXINFO mmi;
  gfx::TRect work = GetWorkArea();
  int frame = GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER);
  mmi.ptMaxSize = {work.Width() + 2 * frame, work.Height() + 2 * frame};
  mmi.ptMaxPosition = {work.Left - frame, work.Top - frame};
  mmi.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  mmi.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  return mmi;
}

MINMAXINFO AskMinMaxInfo(HWND hwnd) {
  MINMAXINFO mmi = DefaultMinMaxInfo();
  Send(hwnd, WM_GETMINMAXINFO, 0, HandleToLParam(&mmi));
  return mmi;
}

void ClampToTrackSize(const MINMAXINFO& mmi, int& cx, int& cy) {
  cx = std::clamp(cx, mmi.ptMinTrackSize.X, std::max(mmi.ptMinTrackSize.X, mmi.ptMaxTrackSize.X));
  cy = std::clamp(cy, mmi.ptMinTrackSize.Y, std::max(mmi.ptMinTrackSize.Y, mmi.ptMaxTrackSize.Y));
}

}  // namespace detail

using namespace detail;

namespace {

void ApplyZOrder(Window* w, HWND after) {
  if (after == HWND_TOPMOST) w->exStyle |= WS_EX_TOPMOST;
  if (after == HWND_NOTOPMOST) w->exStyle &= ~WS_EX_TOPMOST;
  if (after == w->handle) return;
  Window* parent = w->parent;
  Unlink(w);
  Link(parent, w, after);
}

// Owned windows stay in front of their owner when the owner comes to the top.
void RaiseOwned(Window* owner) {
  State& s = S();
  std::vector<Window*> owned;
  for (Window* t : s.desktop->children)
    if (t->owner == owner) owned.push_back(t);
  for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
    Unlink(*it);
    Link(s.desktop.get(), *it, HWND_TOP);
  }
}

}  // namespace

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  Window* w = W(hwnd);
  if (!w || !w->parent) return FALSE;
  if (w->messageOnly) flags &= ~SWP_SHOWWINDOW;  // message-only windows never show
  if (w->Visible()) flags &= ~SWP_SHOWWINDOW;
  else flags &= ~SWP_HIDEWINDOW;
  if (insertAfter == hwnd) flags |= SWP_NOZORDER;

  WINDOWPOS wp{hwnd, insertAfter, x, y, cx, cy, flags};
  if (flags & SWP_NOMOVE) {
    wp.x = w->rect.Left;
    wp.y = w->rect.Top;
  }
  if (flags & SWP_NOSIZE) {
    wp.cx = w->rect.Width();
    wp.cy = w->rect.Height();
  }
  if (!(flags & SWP_NOSENDCHANGING)) {
    Send(hwnd, WM_WINDOWPOSCHANGING, 0, HandleToLParam(&wp));
    if (!(w = W(hwnd)) || !w->parent) return FALSE;
  }
  flags = wp.flags;
  gfx::TRect oldRect = w->rect;
  gfx::TRect oldClient = w->client;
  bool wasVisible = VisibleOnScreen(w);

  gfx::TRect newRect = oldRect;
  if (!(flags & SWP_NOMOVE)) newRect = gfx::Bounds(wp.x, wp.y, oldRect.Width(), oldRect.Height());
  if (!(flags & SWP_NOSIZE))
    newRect.Right = newRect.Left + std::max(0, wp.cx), newRect.Bottom = newRect.Top + std::max(0, wp.cy);
  bool geometry = newRect != oldRect || (flags & SWP_FRAMECHANGED);
  if (geometry) {
    NCCALCSIZE_PARAMS p;
    p.rgrc[0] = newRect;
    p.rgrc[1] = oldRect;
    p.rgrc[2] = oldClient.Offset(oldRect.Left, oldRect.Top);
    p.lppos = &wp;
    Send(hwnd, WM_NCCALCSIZE, TRUE, HandleToLParam(&p));
    if (!(w = W(hwnd)) || !w->parent) return FALSE;
    w->rect = newRect;
    gfx::TRect c = p.rgrc[0].Offset(-newRect.Left, -newRect.Top);
    c.Left = std::clamp(c.Left, 0, newRect.Width());
    c.Top = std::clamp(c.Top, 0, newRect.Height());
    c.Right = std::clamp(c.Right, c.Left, newRect.Width());
    c.Bottom = std::clamp(c.Bottom, c.Top, newRect.Height());
    w->client = c;
  }
  if (!(flags & SWP_NOZORDER)) {
    ApplyZOrder(w, wp.hwndInsertAfter);
    if (w->IsTopLevel() && wp.hwndInsertAfter != HWND_BOTTOM) RaiseOwned(w);
  }
  if (flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
  if (flags & SWP_HIDEWINDOW) w->style &= ~WS_VISIBLE;
  if (w->IsTopLevel()) {
    if (w->Size() != gfx::TSize{oldRect.Width(), oldRect.Height()}) ResizeBacking(w);
    S().backend->TopLevelChanged(hwnd, w->rect, w->Visible());
  }
  AfterPositionChange(w, oldRect, oldClient, wasVisible, flags);

  // A window shown or raised is activated before it hears WM_WINDOWPOSCHANGED.
  if (!(flags & SWP_HIDEWINDOW) && w->IsTopLevel() && w->Visible() && !(flags & SWP_NOACTIVATE) &&
      !(w->exStyle & WS_EX_NOACTIVATE)) {
    Activate(hwnd, false, false);
    if (!(w = W(hwnd))) return TRUE;
  }

  gfx::TPoint oldOrigin{oldRect.Left + oldClient.Left, oldRect.Top + oldClient.Top};
  gfx::TPoint newOrigin{w->rect.Left + w->client.Left, w->rect.Top + w->client.Top};
  if (oldOrigin == newOrigin) wp.flags |= SWP_NOCLIENTMOVE;
  if (oldClient.Width() == w->client.Width() && oldClient.Height() == w->client.Height()) wp.flags |= SWP_NOCLIENTSIZE;
  wp.x = w->rect.Left;
  wp.y = w->rect.Top;
  wp.cx = w->rect.Width();
  wp.cy = w->rect.Height();
  Send(hwnd, WM_WINDOWPOSCHANGED, 0, HandleToLParam(&wp));
  if (!(w = W(hwnd))) return TRUE;

  if (flags & SWP_HIDEWINDOW) WindowLeaving(w, false);
  return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND hwnd) { return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

namespace {

// Minimize and maximize: the state bit, the new rectangle and WM_SIZE's kind.
void ChangeState(HWND hwnd, int cmd, UINT& swpFlags, gfx::TRect& target) {
  Window* w = W(hwnd);
  bool wasNormal = !(w->style & (WS_MINIMIZE | WS_MAXIMIZE));
  if (wasNormal) w->normalRect = w->rect;
  if (cmd == SW_MINIMIZE || cmd == SW_SHOWMINIMIZED || cmd == SW_SHOWMINNOACTIVE) {
    w->style = (w->style & ~WS_MAXIMIZE) | WS_MINIMIZE;
    target = gfx::Bounds(-32000, -32000, GetSystemMetrics(SM_CXMINIMIZED), GetSystemMetrics(SM_CYMINIMIZED));
  } else if (cmd == SW_SHOWMAXIMIZED) {
    MINMAXINFO mmi = AskMinMaxInfo(hwnd);
    if (!(w = W(hwnd))) return;
    w->style = (w->style & ~WS_MINIMIZE) | WS_MAXIMIZE;
    target = gfx::Bounds(mmi.ptMaxPosition.X, mmi.ptMaxPosition.Y, std::min(mmi.ptMaxSize.X, mmi.ptMaxTrackSize.X),
                         std::min(mmi.ptMaxSize.Y, mmi.ptMaxTrackSize.Y));
  } else {
    w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
    target = w->normalRect.IsEmpty() ? w->rect : w->normalRect;
  }
  swpFlags |= SWP_FRAMECHANGED | SWP_STATECHANGED;
}

}  // namespace

BOOL ShowWindow(HWND hwnd, int cmd) {
  Window* w = W(hwnd);
  if (!w || w->messageOnly) return FALSE;
  BOOL wasVisible = w->Visible() ? TRUE : FALSE;
  bool show = cmd != SW_HIDE;
  UINT flags = SWP_NOMOVE | SWP_NOSIZE;
  switch (cmd) {
    case SW_HIDE: flags |= SWP_HIDEWINDOW | SWP_NOZORDER | SWP_NOACTIVATE; break;
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
    case SW_SHOWMINNOACTIVE: flags |= SWP_SHOWWINDOW | SWP_NOZORDER | SWP_NOACTIVATE; break;
    default: flags |= SWP_SHOWWINDOW; break;
  }
  if (w->IsChild()) flags |= SWP_NOACTIVATE | SWP_NOZORDER;

  bool stateChange = false;
  gfx::TRect target;
  bool minimized = (w->style & WS_MINIMIZE) != 0, maximized = (w->style & WS_MAXIMIZE) != 0;
  if (((cmd == SW_MINIMIZE || cmd == SW_SHOWMINIMIZED || cmd == SW_SHOWMINNOACTIVE) && !minimized) ||
      (cmd == SW_SHOWMAXIMIZED && !maximized) ||
      ((cmd == SW_RESTORE || cmd == SW_SHOWNORMAL) && (minimized || maximized))) {
    if (CallHooks(WH_CBT, HCBT_MINMAX, reinterpret_cast<WPARAM>(hwnd), cmd) != 0) return wasVisible;
    if (!(w = W(hwnd))) return wasVisible;
    ChangeState(hwnd, cmd, flags, target);
    if (!(w = W(hwnd))) return wasVisible;
    flags &= ~(SWP_NOMOVE | SWP_NOSIZE);
    stateChange = true;
  }
  if (cmd == SW_MINIMIZE) flags |= SWP_NOACTIVATE;

  if (show != static_cast<bool>(wasVisible)) {
    Send(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    if (!W(hwnd)) return wasVisible;
  } else if (!stateChange && (flags & SWP_NOACTIVATE)) {
    return wasVisible;  // nothing to do
  }
  SetWindowPos(hwnd, HWND_TOP, target.Left, target.Top, target.Width(), target.Height(), flags);
  if ((w = W(hwnd)) && stateChange && (w->style & WS_MINIMIZE) && S().active == hwnd) WindowLeaving(w, false);
  return wasVisible;
}

}  // namespace win
