#include "platform/win/Compositor.h"

#include <algorithm>
#include <cstring>

#include "platform/gfx/Color.h"
#include "platform/win/Internal.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Styles.h"

namespace win::detail {

void Compositor::Resize(gfx::TSize size) {
  screen_.SetSize(size.cx, size.cy);
  damage_ = gfx::Region(gfx::TRect{0, 0, size.cx, size.cy});
}

void Compositor::Damage(const gfx::TRect& r) {
  gfx::TRect c = gfx::Intersect(r, {0, 0, screen_.Width(), screen_.Height()});
  if (!c.IsEmpty()) damage_ |= gfx::Region(c);
}

void Compositor::Present() {
  if (damage_.IsEmpty()) return;
  std::vector<gfx::TRect> rects = damage_.Rects();
  damage_ = {};
  for (const auto& r : rects) ComposeRect(r);
  ++presents_;
  S().backend->Present(screen_.View(), rects);
}

namespace {

// What a top-level window covers with opaque pixels, in screen coordinates: its picture,
// cut to its window region (nothing when it does not show or blends with what lies behind).
gfx::Region OpaqueArea(const Window* t) {
  if (!(t->Visible() || t->redrawLocked) || (t->style & WS_MINIMIZE)) return {};
  if ((t->exStyle & WS_EX_LAYERED) != 0 || t->paint.backing.Empty()) return {};
  gfx::Region area(gfx::Bounds(t->rect.Left, t->rect.Top, t->paint.backing.Width(), t->paint.backing.Height()));
  if (t->paint.windowRegion) {
    gfx::Region wr = *t->paint.windowRegion;
    wr.Offset(t->rect.Left, t->rect.Top);
    area &= wr;
  }
  return area;
}

}  // namespace

void Compositor::ComposeRect(const gfx::TRect& r) {
  auto& tops = S().desktop->children;
  // Windows are composed from the back. The desktop is filled only where no opaque window
  // covers it, and what lies wholly behind the opaque windows in front is not composed.
  gfx::Region bare(r);
  auto first = tops.rbegin();
  for (auto it = tops.begin(); it != tops.end() && !bare.IsEmpty(); ++it) {
    bare -= OpaqueArea(*it);
    if (bare.IsEmpty()) first = std::make_reverse_iterator(std::next(it));
  }
  const std::uint32_t desk = gfx::ColorToPixel(gfx::GetSysColor(gfx::COLOR_BACKGROUND));
  for (const gfx::TRect& q : bare.Rects())
    for (int y = q.Top; y < q.Bottom; ++y) std::fill(screen_.Row32(y) + q.Left, screen_.Row32(y) + q.Right, desk);
  for (auto it = first; it != tops.rend(); ++it) ComposeWindow(*it, r);
}

void Compositor::ComposeWindow(Window* t, const gfx::TRect& r) {
  if (!(t->Visible() || t->redrawLocked) || (t->style & WS_MINIMIZE)) return;
  const LayeredState& L = t->paint.layered;
  bool layered = (t->exStyle & WS_EX_LAYERED) != 0;
  // A layered window shows nothing until it is given attributes or a picture.
  if (layered && !L.attributesSet && !L.perPixel) return;
  const gfx::PixelBuffer& src = t->paint.backing;
  if (src.Empty()) return;
  gfx::TRect part = gfx::Intersect(r, gfx::Bounds(t->rect.Left, t->rect.Top, src.Width(), src.Height()));
  if (part.IsEmpty()) return;

  gfx::Region area(part);
  if (t->paint.windowRegion) {
    gfx::Region wr = *t->paint.windowRegion;
    wr.Offset(t->rect.Left, t->rect.Top);
    area &= wr;
  }
  bool key = layered && (L.flags & LWA_COLORKEY);
  std::uint32_t keyPixel = gfx::ColorToPixel(L.colorKey) & 0xFFFFFF;
  bool alpha = layered && !L.perPixel && (L.flags & LWA_ALPHA) && L.alpha != 255;
  for (const gfx::TRect& q : area.Rects()) {
    for (int y = q.Top; y < q.Bottom; ++y) {
      const std::uint32_t* s = src.Row32(y - t->rect.Top) + (q.Left - t->rect.Left);
      std::uint32_t* d = screen_.Row32(y) + q.Left;
      int n = q.Width();
      if (!layered) {
        for (int i = 0; i < n; ++i) d[i] = s[i] | 0xFF000000u;
        continue;
      }
      for (int i = 0; i < n; ++i) {
        if (key && (s[i] & 0xFFFFFF) == keyPixel) continue;
        if (L.perPixel) d[i] = BlendPremultiplied(d[i], s[i], L.constantAlpha);
        else if (alpha) d[i] = BlendConstant(d[i], s[i], L.alpha);
        else d[i] = s[i] | 0xFF000000u;
      }
    }
  }
}

void DamageScreen(const gfx::TRect& r) { S().compositor->Damage(r); }

void DamageWindow(Window* w) { DamageScreen(ScreenRect(w)); }

void ResizeBacking(Window* top) {
  gfx::PixelBuffer& b = top->paint.backing;
  // A window may be larger than any screen; its picture stops at 8192 pixels a side
  // (256 MB), beyond which nothing of it is drawn or shown.
  constexpr int kMaxSide = 8192;
  int w = std::min(top->rect.Width(), kMaxSide), h = std::min(top->rect.Height(), kMaxSide);
  if (b.Width() == w && b.Height() == h) return;
  gfx::PixelBuffer next(w, h);
  int cw = std::min(w, b.Width()), ch = std::min(h, b.Height());
  for (int y = 0; y < ch; ++y) std::memcpy(next.Row(y), b.Row(y), static_cast<std::size_t>(cw) * 4);
  b = std::move(next);
  RetargetSurfaces(top);
}

}  // namespace win::detail
