// Window regions and layered windows: what part of a window exists, and how its picture
// mixes with what lies beneath it on screen.
#include <algorithm>
#include <cstring>

#include "platform/gfx/Gdi.h"
#include "platform/win/Compositor.h"
#include "platform/win/Internal.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace win {
using namespace detail;

int SetWindowRegion(HWND hwnd, std::optional<gfx::Region> rgn, BOOL redraw) {
  Window* w = W(hwnd);
  if (!w) return 0;
  bool visible = VisibleOnScreen(w);
  if (visible && redraw && w->IsChild()) {
    // What the old shape covered in the parent repaints; the new shape paints itself.
    Window* p = w->parent;
    gfx::Region old(w->rect);
    old.Offset(p->client.Left, p->client.Top);
    InvalidateWindowArea(p, &old, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
  if (visible) DamageWindow(w);
  w->paint.windowRegion = std::move(rgn);
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | (redraw ? 0 : SWP_NOREDRAW));
  if (!(w = W(hwnd))) return 1;
  if (visible && redraw) InvalidateWindowArea(w, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return 1;
}

int GetWindowRegion(HWND hwnd, gfx::Region* out) {
  Window* w = W(hwnd);
  if (!w || !w->paint.windowRegion) return 0;
  if (out) *out = *w->paint.windowRegion;
  return static_cast<int>(w->paint.windowRegion->Kind());
}

int SetWindowRgn(HWND hwnd, HRGN rgn, BOOL redraw) {
  std::optional<gfx::Region> value;
  if (rgn) {
    value = rgn->value;
    gfx::DeleteObject(rgn);
  }
  if (!W(hwnd)) return 0;
  return SetWindowRegion(hwnd, std::move(value), redraw);
}

int GetWindowRgn(HWND hwnd, HRGN rgn) {
  Window* w = W(hwnd);
  if (!w || !rgn || !w->paint.windowRegion) return 0;
  rgn->value = *w->paint.windowRegion;
  return static_cast<int>(rgn->value.Kind());
}

BOOL SetLayeredWindowAttributes(HWND hwnd, gfx::TColor key, BYTE alpha, DWORD flags) {
  Window* w = W(hwnd);
  if (!w || !(w->exStyle & WS_EX_LAYERED) || !w->IsTopLevel()) return FALSE;
  LayeredState& L = w->paint.layered;
  bool needsPicture = L.perPixel || !L.attributesSet;
  L.attributesSet = true;
  L.perPixel = false;
  L.flags = flags;
  L.alpha = alpha;
  L.colorKey = gfx::ColorToRGB(key) & 0xFFFFFF;
  if (needsPicture) InvalidateWindowArea(w, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  if (VisibleOnScreen(w)) DamageWindow(w);
  return TRUE;
}

BOOL GetLayeredWindowAttributes(HWND hwnd, gfx::TColor* key, BYTE* alpha, DWORD* flags) {
  Window* w = W(hwnd);
  if (!w || !(w->exStyle & WS_EX_LAYERED) || !w->paint.layered.attributesSet) return FALSE;
  const LayeredState& L = w->paint.layered;
  if (key) *key = L.colorKey;
  if (alpha) *alpha = L.alpha;
  if (flags) *flags = L.flags;
  return TRUE;
}

BOOL UpdateLayeredWindow(HWND hwnd, const POINT* pos, const SIZE* size, const gfx::PixelView& picture,
                         const POINT* srcPt, gfx::TColor key, BYTE constantAlpha, DWORD flags) {
  Window* w = W(hwnd);
  if (!w || !(w->exStyle & WS_EX_LAYERED) || !w->IsTopLevel()) return FALSE;
  if (pos || size) {
    UINT f = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | (pos ? 0 : SWP_NOMOVE) | (size ? 0 : SWP_NOSIZE);
    SetWindowPos(hwnd, nullptr, pos ? pos->X : 0, pos ? pos->Y : 0, size ? size->cx : 0, size ? size->cy : 0, f);
    if (!(w = W(hwnd))) return FALSE;
  }
  LayeredState& L = w->paint.layered;
  L.perPixel = true;
  L.attributesSet = false;
  L.constantAlpha = (flags & ULW_ALPHA) ? constantAlpha : 255;
  L.flags = (flags & ULW_COLORKEY) ? LWA_COLORKEY : 0;
  L.colorKey = gfx::ColorToRGB(key) & 0xFFFFFF;
  gfx::PixelBuffer& b = w->paint.backing;
  gfx::TPoint sp = srcPt ? *srcPt : gfx::TPoint{0, 0};
  for (int y = 0; y < b.Height(); ++y) {
    std::uint32_t* d = b.Row32(y);
    int sy = y + sp.Y;
    for (int x = 0; x < b.Width(); ++x) {
      int sx = x + sp.X;
      std::uint32_t px = 0;
      if (picture.Valid() && picture.format == gfx::PixelFormat::Bgra32 && sx >= 0 && sy >= 0 && sx < picture.width &&
          sy < picture.height)
        px = picture.Row32(sy)[sx];
      if (flags & ULW_OPAQUE) px |= 0xFF000000u;
      d[x] = px;
    }
  }
  // Its own painting no longer shows, so nothing is owed.
  w->paint.update = {};
  w->paint.erase = w->paint.frame = w->paint.internal = false;
  if (VisibleOnScreen(w)) DamageWindow(w);
  return TRUE;
}

}  // namespace win
