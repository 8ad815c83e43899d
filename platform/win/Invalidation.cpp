// Invalidation: update regions per window, the frame and erase flags, RedrawWindow and
// what a change of place or size leaves to repaint.
#include "platform/win/Compositor.h"
#include "platform/win/Internal.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace win {
namespace detail {

namespace {

gfx::TRect WholeWindow(Window* w) { return {0, 0, w->rect.Width(), w->rect.Height()}; }

void Apply(Window* w, const gfx::Region& area, UINT flags) {
  gfx::Region client = area;
  client &= gfx::Region(w->client);
  client.Offset(-w->client.Left, -w->client.Top);
  gfx::Region nonClient = area;
  nonClient -= gfx::Region(w->client);
  PaintState& p = w->paint;
  if (flags & RDW_INVALIDATE) {
    if (!client.IsEmpty()) {
      p.update |= client;
      if (flags & RDW_ERASE) p.erase = true;
    }
    if ((flags & RDW_FRAME) && !nonClient.IsEmpty()) p.frame = true;
    if (flags & RDW_INTERNALPAINT) p.internal = true;
  } else if (flags & RDW_VALIDATE) {
    p.served = true;
    p.update -= client;
    if ((flags & RDW_NOERASE) || p.update.IsEmpty()) p.erase = false;
    if (flags & RDW_NOFRAME) p.frame = false;
    if (flags & RDW_NOINTERNALPAINT) p.internal = false;
  }
}

void Walk(Window* w, const gfx::Region& area, UINT flags) {
  Apply(w, area, flags);
  bool intoChildren = (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
  if (!intoChildren) return;
  for (Window* c : w->children) {
    if (!c->Visible()) continue;
    gfx::TRect inParent = c->rect.Offset(w->client.Left, w->client.Top);
    gfx::Region part = area;
    part &= gfx::Region(gfx::Intersect(inParent, w->client));
    if (part.IsEmpty()) continue;
    part.Offset(-inParent.Left, -inParent.Top);
    // A parent painting over a child leaves the child's frame to repaint as well.
    UINT childFlags = flags;
    if ((flags & RDW_INVALIDATE) && !(flags & RDW_NOFRAME)) childFlags |= RDW_FRAME;
    Walk(c, part, childFlags);
  }
}

void EraseNow(Window* w) {
  HWND h = w->handle;
  if (w->paint.frame) {
    w->paint.frame = false;
    Send(h, WM_NCPAINT, 1, 0);
  }
  Window* x = W(h);
  if (!x || !x->paint.erase) return;
  x->paint.erase = false;
  gfx::Region rgn = x->paint.update;
  HDC dc = GetDCEx(h, &rgn, DCX_INTERSECTRGN);
  if (!Send(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0))
    if (Window* y = W(h)) y->paint.erase = true;
  ReleaseDC(h, dc);
}

// Whether invalidating the whole client area would change nothing: all of it waits to be
// painted already (and erased, when asked), and the walk would not go into children. A
// caption rewritten many times before the next paint then costs no region work.
bool WholeClientPending(Window* w, bool erase) {
  const PaintState& p = w->paint;
  if (erase && !p.erase) return false;
  if (!(w->style & WS_CLIPCHILDREN))
    for (Window* c : w->children)
      if (c->Visible()) return false;
  return p.update.ContainsRect({0, 0, w->client.Width(), w->client.Height()});
}

void UpdateNow(HWND h, UINT flags) {
  Window* w = W(h);
  if (!w || !VisibleOnScreen(w)) return;
  if (flags & RDW_UPDATENOW) {
    if (NeedsPaint(w)) SendPaint(h);
  } else if (flags & RDW_ERASENOW) {
    EraseNow(w);
  }
  if (!(w = W(h)) || (flags & RDW_NOCHILDREN)) return;
  std::vector<HWND> kids;
  for (Window* c : w->children) kids.push_back(c->handle);
  for (HWND k : kids) UpdateNow(k, flags);
}

}  // namespace

void InvalidateWindowArea(Window* w, const gfx::Region* windowRgn, UINT flags) {
  if (!VisibleOnScreen(w)) return;
  gfx::Region area = windowRgn ? *windowRgn : gfx::Region(WholeWindow(w));
  area &= gfx::Region(WholeWindow(w));
  if (area.IsEmpty() && !(flags & RDW_INTERNALPAINT)) return;
  Walk(w, area, flags);
}

void SendPaint(HWND h) {
  if (Window* w = W(h)) w->paint.served = false;
  Send(h, WM_PAINT, 0, 0);
  // A procedure that neither paints nor validates would be asked forever; what it
  // left is dropped.
  if (Window* w = W(h); w && !w->paint.served && !w->paint.inPaint && NeedsPaint(w)) {
    w->paint.update = {};
    w->paint.erase = w->paint.frame = w->paint.internal = false;
  }
}

void InvalidateFrame(Window* w) {
  gfx::Region frame(WholeWindow(w));
  frame -= gfx::Region(w->client);
  if (!frame.IsEmpty()) InvalidateWindowArea(w, &frame, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
}

bool NeedsPaint(Window* w) { return !w->paint.update.IsEmpty() || w->paint.frame || w->paint.internal; }

void AfterPositionChange(Window* w, const gfx::TRect& oldRect, const gfx::TRect& oldClient, bool wasVisible,
                         UINT flags) {
  bool visibleNow = VisibleOnScreen(w);
  bool moved = oldRect.Left != w->rect.Left || oldRect.Top != w->rect.Top;
  bool sized = oldRect.Width() != w->rect.Width() || oldRect.Height() != w->rect.Height();
  bool clientSized = oldClient.Width() != w->client.Width() || oldClient.Height() != w->client.Height();
  bool top = w->IsTopLevel();

  if (top) {
    if (wasVisible) DamageScreen(oldRect);
    if (visibleNow) DamageScreen(w->rect);
  } else if (wasVisible && !(flags & SWP_NOREDRAW) && (moved || sized || !visibleNow)) {
    // Uncovered parts of the parent, with the siblings beneath, repaint.
    Window* p = w->parent;
    gfx::Region exposed(oldRect);
    if (visibleNow) exposed -= gfx::Region(w->rect);
    exposed.Offset(p->client.Left, p->client.Top);
    InvalidateWindowArea(p, &exposed, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
  if (!visibleNow || (flags & SWP_NOREDRAW)) return;

  if (!wasVisible || (moved && !top)) {
    InvalidateWindowArea(w, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return;
  }
  if (clientSized) {
    UINT cs = w->cls ? w->cls->style : 0;
    bool whole = ((cs & CS_HREDRAW) && oldClient.Width() != w->client.Width()) ||
                 ((cs & CS_VREDRAW) && oldClient.Height() != w->client.Height());
    gfx::Region area(w->client);
    if (!whole) area -= gfx::Region(gfx::Bounds(w->client.Left, w->client.Top, oldClient.Width(), oldClient.Height()));
    InvalidateWindowArea(w, &area, RDW_INVALIDATE | RDW_ERASE | (whole ? RDW_ALLCHILDREN : 0));
  }
  if (sized || (flags & SWP_FRAMECHANGED)) InvalidateFrame(w);
  if ((flags & SWP_FRAMECHANGED) && oldClient != w->client)
    InvalidateWindowArea(w, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace detail

using namespace detail;

namespace {

gfx::Region ClientToWindowRgn(Window* w, const RECT* rect, const gfx::Region* rgn) {
  gfx::Region r;
  if (rgn) r = *rgn;
  else if (rect) r = gfx::Region(*rect);
  else r = gfx::Region(gfx::TRect{0, 0, w->client.Width(), w->client.Height()});
  r.Offset(w->client.Left, w->client.Top);
  return r;
}

}  // namespace

BOOL RedrawWindow(HWND hwnd, const RECT* rect, const gfx::Region* rgn, UINT flags) {
  Window* w = W(hwnd);
  if (!w) return FALSE;
  if (flags & (RDW_INVALIDATE | RDW_VALIDATE)) {
    if (!rect && !rgn) {
      InvalidateWindowArea(w, nullptr, flags);
    } else {
      gfx::Region r = ClientToWindowRgn(w, rect, rgn);
      InvalidateWindowArea(w, &r, flags);
    }
  }
  if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) UpdateNow(hwnd, flags);
  return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
  if (!hwnd) {
    // The whole screen: every top-level window repaints.
    std::vector<HWND> tops;
    for (Window* t : S().desktop->children) tops.push_back(t->handle);
    for (HWND t : tops) RedrawWindow(t, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
  }
  Window* w = W(hwnd);
  if (!w) return FALSE;
  if (rect == nullptr && WholeClientPending(w, erase)) return TRUE;
  gfx::Region r = ClientToWindowRgn(w, rect, nullptr);
  r &= gfx::Region(w->client);
  InvalidateWindowArea(w, &r, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
  return TRUE;
}

BOOL InvalidateRgn(HWND hwnd, const gfx::Region* rgn, BOOL erase) {
  Window* w = W(hwnd);
  if (!w) return FALSE;
  gfx::Region r = ClientToWindowRgn(w, nullptr, rgn);
  r &= gfx::Region(w->client);
  InvalidateWindowArea(w, &r, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
  return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
  return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL ValidateRgn(HWND hwnd, const gfx::Region* rgn) {
  return RedrawWindow(hwnd, nullptr, rgn, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL GetUpdateRect(HWND hwnd, RECT* out, BOOL erase) {
  Window* w = W(hwnd);
  if (!w) return FALSE;
  if (out) *out = w->paint.update.Bounds();
  if (erase && w->paint.erase) RedrawWindow(hwnd, nullptr, nullptr, RDW_ERASENOW | RDW_NOCHILDREN);
  return w->paint.update.IsEmpty() ? FALSE : TRUE;
}

bool GetUpdateRegion(HWND hwnd, gfx::Region* out) {
  Window* w = W(hwnd);
  if (!w || w->paint.update.IsEmpty()) return false;
  if (out) *out = w->paint.update;
  return true;
}

BOOL UpdateWindow(HWND hwnd) { return RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

}  // namespace win
