// Rectangles and the mapping between client, window and screen coordinates; finding the
// window under a point.
#include "platform/win/HitCodes.h"
#include "platform/win/Internal.h"
#include "platform/win/Messages.h"
#include "platform/win/Metrics.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace win {
namespace detail {

gfx::TPoint WindowOriginOnScreen(Window* w) {
  gfx::TPoint p{0, 0};
  for (; w && w->parent; w = w->parent) {
    p.X += w->rect.Left;
    p.Y += w->rect.Top;
    if (w->parent->parent) {
      p.X += w->parent->client.Left;
      p.Y += w->parent->client.Top;
    }
  }
  return p;
}

gfx::TPoint ClientOriginOnScreen(Window* w) {
  if (w == S().desktop.get()) return {0, 0};
  gfx::TPoint p = WindowOriginOnScreen(w);
  return {p.X + w->client.Left, p.Y + w->client.Top};
}

gfx::TRect ScreenRect(Window* w) {
  if (w == S().desktop.get()) return w->rect;
  gfx::TPoint p = WindowOriginOnScreen(w);
  return gfx::Bounds(p.X, p.Y, w->rect.Width(), w->rect.Height());
}

gfx::TRect ClientRectInWindow(Window* w) { return w->client; }

gfx::TPoint OffsetInTopLevel(Window* w) {
  Window* top = TopLevelOf(w);
  gfx::TPoint a = WindowOriginOnScreen(w);
  gfx::TPoint b = WindowOriginOnScreen(top);
  return {a.X - b.X, a.Y - b.Y};
}

bool InsideWindowRegion(Window* w, gfx::TPoint windowPt) {
  if (!w->paint.windowRegion) return true;
  return w->paint.windowRegion->Contains(windowPt);
}

}  // namespace detail

using namespace detail;

namespace {

Window* WOrDesktop(HWND h) {
  if (h == GetDesktopWindow()) return S().desktop.get();
  return W(h);
}

// Deepest visible, enabled child of `w` under a screen point, asking WM_NCHITTEST only
// for the final window is the caller's business; this walks geometry and regions.
Window* ChildAt(Window* parent, gfx::TPoint screenPt, UINT skip) {
  gfx::TPoint origin = ClientOriginOnScreen(parent);
  gfx::TPoint local{screenPt.X - origin.X, screenPt.Y - origin.Y};
  for (Window* c : parent->children) {
    if ((skip & CWP_SKIPINVISIBLE) && !c->Visible()) continue;
    if ((skip & CWP_SKIPDISABLED) && !c->Enabled()) continue;
    if ((skip & CWP_SKIPTRANSPARENT) && (c->exStyle & WS_EX_TRANSPARENT)) continue;
    if (!c->rect.Contains(local)) continue;
    if (!InsideWindowRegion(c, {local.X - c->rect.Left, local.Y - c->rect.Top})) continue;
    return c;
  }
  return nullptr;
}

}  // namespace

BOOL GetWindowRect(HWND hwnd, RECT* out) {
  Window* w = WOrDesktop(hwnd);
  if (!w || !out) return FALSE;
  *out = ScreenRect(w);
  return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* out) {
  Window* w = WOrDesktop(hwnd);
  if (!w || !out) return FALSE;
  *out = {0, 0, w->client.Width(), w->client.Height()};
  return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* pt) {
  Window* w = WOrDesktop(hwnd);
  if (!w || !pt) return FALSE;
  gfx::TPoint o = ClientOriginOnScreen(w);
  pt->X += o.X;
  pt->Y += o.Y;
  return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* pt) {
  Window* w = WOrDesktop(hwnd);
  if (!w || !pt) return FALSE;
  gfx::TPoint o = ClientOriginOnScreen(w);
  pt->X -= o.X;
  pt->Y -= o.Y;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* pts, UINT count) {
  gfx::TPoint a{0, 0}, b{0, 0};
  if (from) {
    Window* f = WOrDesktop(from);
    if (!f) return 0;
    a = ClientOriginOnScreen(f);
  }
  if (to) {
    Window* t = WOrDesktop(to);
    if (!t) return 0;
    b = ClientOriginOnScreen(t);
  }
  int dx = a.X - b.X, dy = a.Y - b.Y;
  for (UINT i = 0; pts && i < count; ++i) {
    pts[i].X += dx;
    pts[i].Y += dy;
  }
  return MAKELPARAM(static_cast<unsigned>(dx), static_cast<unsigned>(dy));
}

BOOL MapWindowRect(HWND from, HWND to, RECT* rect) {
  if (!rect) return FALSE;
  POINT p[2] = {{rect->Left, rect->Top}, {rect->Right, rect->Bottom}};
  MapWindowPoints(from, to, p, 2);
  *rect = {p[0].X, p[0].Y, p[1].X, p[1].Y};
  return TRUE;
}

HWND WindowFromPoint(POINT pt) {
  State& s = S();
  for (Window* t : s.desktop->children) {
    if (!t->Visible() || !t->rect.Contains(pt)) continue;
    if (!InsideWindowRegion(t, {pt.X - t->rect.Left, pt.Y - t->rect.Top})) continue;
    if ((t->exStyle & WS_EX_LAYERED) && (t->exStyle & WS_EX_TRANSPARENT)) continue;
    Window* w = t;
    while (Window* c = ChildAt(w, pt, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED)) w = c;
    return w->handle;
  }
  return nullptr;
}

HWND ChildWindowFromPoint(HWND parent, POINT clientPt) { return ChildWindowFromPointEx(parent, clientPt, CWP_ALL); }

HWND ChildWindowFromPointEx(HWND parent, POINT clientPt, UINT flags) {
  Window* p = WOrDesktop(parent);
  if (!p) return nullptr;
  if (!gfx::TRect{0, 0, p->client.Width(), p->client.Height()}.Contains(clientPt)) return nullptr;
  gfx::TPoint o = ClientOriginOnScreen(p);
  Window* c = ChildAt(p, {clientPt.X + o.X, clientPt.Y + o.Y}, flags);
  return c ? c->handle : parent;
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle) {
  return AdjustWindowRectExForDpi(rect, style, menu, exStyle, GetDpiForSystem());
}

BOOL AdjustWindowRectExForDpi(RECT* rect, DWORD style, BOOL, DWORD exStyle, UINT dpi) {
  if (!rect) return FALSE;
  // The client a 0-based window of a large size gets tells the frame widths.
  gfx::TRect probe{0, 0, 10000, 10000};
  gfx::TRect c = DefaultClientRectForDpi(style & ~(WS_VSCROLL | WS_HSCROLL), exStyle, probe, dpi);
  rect->Left -= c.Left;
  rect->Top -= c.Top;
  rect->Right += probe.Right - c.Right;
  rect->Bottom += probe.Bottom - c.Bottom;
  return TRUE;
}

}  // namespace win
