// Window surfaces: a gfx::Surface over the top-level window's backing picture, placed at
// the window (or its client area) and clipped to the part of it that is visible there.
#include <algorithm>

#include "platform/gfx/Surface.h"
#include "platform/win/Compositor.h"
#include "platform/win/Internal.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Styles.h"

namespace win {
namespace detail {

gfx::Region VisibleRegion(Window* w, bool clientOnly, bool clipChildren, bool clipSiblings) {
  gfx::Region vis(clientOnly ? w->client : gfx::TRect{0, 0, w->rect.Width(), w->rect.Height()});
  if (w->paint.windowRegion) vis &= *w->paint.windowRegion;
  if (clipChildren) {
    for (Window* c : w->children) {
      if (!c->Visible()) continue;
      gfx::TRect r = c->rect.Offset(w->client.Left, w->client.Top);
      if (c->paint.windowRegion) {
        gfx::Region cr = *c->paint.windowRegion;
        cr.Offset(r.Left, r.Top);
        vis -= cr;
      } else {
        vis -= gfx::Region(r);
      }
    }
  }
  // Up the tree: each parent's client area and window region bound the drawing; windows
  // that clip their siblings lose what the siblings above them cover.
  Window* x = w;
  int ox = 0, oy = 0;  // x's window origin in w's window coordinates
  while (x->parent && x->parent->parent) {
    Window* p = x->parent;
    int pox = ox - p->client.Left - x->rect.Left;
    int poy = oy - p->client.Top - x->rect.Top;
    if ((x == w && clipSiblings) || (x != w && (x->style & WS_CLIPSIBLINGS))) {
      for (Window* s : p->children) {
        if (s == x) break;
        if (!s->Visible()) continue;
        gfx::TRect sr = s->rect.Offset(pox + p->client.Left, poy + p->client.Top);
        if (s->paint.windowRegion) {
          gfx::Region r = *s->paint.windowRegion;
          r.Offset(sr.Left, sr.Top);
          vis -= r;
        } else {
          vis -= gfx::Region(sr);
        }
      }
    }
    vis &= gfx::Region(p->client.Offset(pox, poy));
    if (p->paint.windowRegion) {
      gfx::Region r = *p->paint.windowRegion;
      r.Offset(pox, poy);
      vis &= r;
    }
    x = p;
    ox = pox;
    oy = poy;
  }
  return vis;
}

void RetargetSurfaces(Window* top) {
  for (DcRecord& d : S().dcs) {
    Window* w = W(d.hwnd);
    if (w && TopLevelOf(w) == top) d.surface->SetTarget(top->paint.backing.View());
  }
}

void DetachSurfaces(HWND hwnd) {
  // A surface kept past its window's life draws nowhere instead of into freed pixels.
  static const gfx::Region nothing;
  for (DcRecord& d : S().dcs)
    if (d.hwnd == hwnd) {
      d.surface->SetTarget({});
      d.surface->SetSystemClip(&nothing);
    }
}

}  // namespace detail

using namespace detail;

HDC GetDCEx(HWND hwnd, const gfx::Region* clip, DWORD flags) {
  State& s = S();
  Window* w = W(hwnd);
  if (!w) return nullptr;
  bool windowDC = (flags & DCX_WINDOW) != 0;
  bool clipChildren = (flags & DCX_CLIPCHILDREN) || (w->style & WS_CLIPCHILDREN);
  bool clipSiblings = (flags & DCX_CLIPSIBLINGS) || (w->style & WS_CLIPSIBLINGS);
  gfx::Region vis;
  if (VisibleOnScreen(w) && !w->redrawLocked) vis = VisibleRegion(w, !windowDC, clipChildren, clipSiblings);
  gfx::TPoint dcOrigin = windowDC ? gfx::TPoint{0, 0} : gfx::TPoint{w->client.Left, w->client.Top};
  vis.Offset(-dcOrigin.X, -dcOrigin.Y);
  if (clip && (flags & DCX_INTERSECTRGN)) vis &= *clip;
  if (clip && (flags & DCX_EXCLUDERGN)) vis -= *clip;

  Window* top = TopLevelOf(w);
  gfx::TPoint off = OffsetInTopLevel(w);
  auto surface = std::make_unique<gfx::Surface>(top->paint.backing.View());
  surface->SetDeviceOrigin({off.X + dcOrigin.X, off.Y + dcOrigin.Y});
  surface->SetSystemClip(&vis);
  surface->SetDpi(s.backend->Dpi());
  HDC dc = surface.get();
  gfx::TRect bounds = vis.Bounds();
  gfx::TPoint scr = WindowOriginOnScreen(w);
  DcRecord rec;
  rec.surface = std::move(surface);
  rec.hwnd = hwnd;
  rec.windowDC = windowDC;
  rec.screenBounds = bounds.Offset(scr.X + dcOrigin.X, scr.Y + dcOrigin.Y);
  s.dcs.push_back(std::move(rec));
  return dc;
}

HDC GetDC(HWND hwnd) { return GetDCEx(hwnd, nullptr, 0); }

HDC GetWindowDC(HWND hwnd) { return GetDCEx(hwnd, nullptr, DCX_WINDOW); }

int ReleaseDC(HWND, HDC dc) {
  if (!dc || !HasState()) return 0;
  State& s = S();
  auto it = std::find_if(s.dcs.begin(), s.dcs.end(), [dc](const DcRecord& d) { return d.surface.get() == dc; });
  if (it == s.dcs.end()) return 0;
  if (Window* w = W(it->hwnd); w && VisibleOnScreen(TopLevelOf(w))) DamageScreen(it->screenBounds);
  s.dcs.erase(it);
  return 1;
}

HWND WindowFromDC(HDC dc) {
  if (!dc || !HasState()) return nullptr;
  for (const DcRecord& d : S().dcs)
    if (d.surface.get() == dc) return d.hwnd;
  return nullptr;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
  Window* w = W(hwnd);
  if (!w || !ps) return nullptr;
  w->paint.served = true;
  CaretBeforePaint(hwnd);
  if (w->paint.frame) {
    w->paint.frame = false;
    Send(hwnd, WM_NCPAINT, 1, 0);
    if (!(w = W(hwnd))) return nullptr;
  }
  gfx::Region rgn = w->paint.update;
  bool erase = w->paint.erase;
  w->paint.update = {};
  w->paint.erase = false;
  w->paint.internal = false;
  w->paint.inPaint = true;
  HDC dc = GetDCEx(hwnd, &rgn, DCX_INTERSECTRGN);
  BOOL fErase = FALSE;
  if (erase) fErase = Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) ? FALSE : TRUE;
  ps->hdc = dc;
  ps->fErase = fErase;
  if ((w = W(hwnd))) ps->rcPaint = gfx::Intersect(rgn.Bounds(), {0, 0, w->client.Width(), w->client.Height()});
  return dc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
  if (ps) ReleaseDC(hwnd, ps->hdc);
  if (Window* w = W(hwnd)) w->paint.inPaint = false;
  CaretAfterPaint(hwnd);
  return TRUE;
}

}  // namespace win
