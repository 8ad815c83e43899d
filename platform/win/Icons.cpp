// Icons: pictures with alpha in several sizes, the default application icon (drawn here
// from the system colours) and drawing with alpha.
#include <algorithm>
#include <cstdlib>

#include "platform/gfx/PixelOps.h"
#include "platform/gfx/Surface.h"
#include "platform/win/IconApi.h"
#include "platform/win/IconObject.h"
#include "platform/win/Internal.h"

namespace win {
using namespace detail;

namespace {

IconObject* Find(HICON h) {
  if (!h || !HasState()) return nullptr;
  return S().icons->Find(reinterpret_cast<std::uintptr_t>(h));
}

bool CopyPicture(const gfx::PixelView& v, gfx::PixelBuffer& out) {
  if (!v.Valid() || v.format != gfx::PixelFormat::Bgra32 || v.width > 256 || v.height > 256) return false;
  out.SetSize(v.width, v.height);
  for (int y = 0; y < v.height; ++y)
    for (int x = 0; x < v.width; ++x) out.Row32(y)[x] = gfx::Premultiply255Round(v.Row32(y)[x]);
  return true;
}

// The default application icon: a small window with a caption band, in n x n pixels.
// Its colours are its own, not the system's: a picture does not change with the colour
// scheme, and a skinned title must not show the classic caption colours through it.
gfx::PixelBuffer AppIcon(int n) {
  gfx::PixelBuffer p(n, n);
  p.Clear();
  gfx::Surface s(p.View());
  int m = n / 16;  // 1 at 16 pixels, 2 at 32
  gfx::TRect box{0, m, n, n - m};
  s.FillRect(box, gfx::RGB(64, 64, 64));
  gfx::TRect inner{box.Left + m, box.Top + m, box.Right - m, box.Bottom - m};
  s.FillRect(inner, gfx::RGB(255, 255, 255));
  gfx::TRect band{inner.Left, inner.Top, inner.Right, inner.Top + 3 * m};
  s.FillRect(band, gfx::RGB(30, 64, 140));
  s.FillRect({band.Right - 3 * m, band.Top + m / 2, band.Right - m, band.Bottom - m / 2}, gfx::RGB(226, 226, 230));
  for (int i = 0; i < 3; ++i) {  // lines of text
    int y = band.Bottom + 2 * m + i * 3 * m;
    if (y + m > inner.Bottom - m) break;
    s.FillRect({inner.Left + 2 * m, y, inner.Right - (i == 2 ? 6 : 2) * m, y + m}, gfx::RGB(140, 140, 140));
  }
  // The box is opaque; the rows above and below it stay transparent.
  for (int y = box.Top; y < box.Bottom; ++y)
    for (int x = 0; x < n; ++x) p.Row32(y)[x] |= 0xFF000000u;
  return p;
}

}  // namespace

HICON LoadIcon(HINSTANCE, int id) {
  if (id != IDI_APPLICATION) return nullptr;
  State& s = S();
  if (!s.appIcon) {
    auto icon = std::make_unique<IconObject>();
    icon->system = true;
    icon->pictures.push_back(AppIcon(16));
    icon->pictures.push_back(AppIcon(32));
    s.appIcon = reinterpret_cast<HICON>(s.icons->Add(std::move(icon)));
  }
  return s.appIcon;
}

HICON CreateIconFromPixels(const gfx::PixelView& picture) {
  auto icon = std::make_unique<IconObject>();
  icon->pictures.emplace_back();
  if (!CopyPicture(picture, icon->pictures.back())) return nullptr;
  return reinterpret_cast<HICON>(S().icons->Add(std::move(icon)));
}

BOOL AddIconPicture(HICON h, const gfx::PixelView& picture) {
  IconObject* icon = Find(h);
  if (!icon || icon->system) return FALSE;
  gfx::PixelBuffer p;
  if (!CopyPicture(picture, p)) return FALSE;
  icon->pictures.push_back(std::move(p));
  return TRUE;
}

BOOL DestroyIcon(HICON h) {
  IconObject* icon = Find(h);
  if (!icon) return FALSE;
  if (icon->system) return TRUE;
  S().icons->Take(reinterpret_cast<std::uintptr_t>(h));
  return TRUE;
}

SIZE GetIconSize(HICON h) {
  IconObject* icon = Find(h);
  SIZE best{0, 0};
  if (!icon) return best;
  for (const auto& p : icon->pictures)
    if (p.Width() * p.Height() > best.cx * best.cy) best = {p.Width(), p.Height()};
  return best;
}

BOOL DrawIconEx(HDC dc, int x, int y, HICON h, int cx, int cy) {
  IconObject* icon = Find(h);
  if (!dc || !icon || icon->pictures.empty()) return FALSE;
  SIZE own = GetIconSize(h);
  if (cx <= 0) cx = own.cx;
  if (cy <= 0) cy = own.cy;
  // The exact size, else the smallest larger picture, else the largest.
  gfx::PixelBuffer* pick = nullptr;
  for (auto& p : icon->pictures) {
    bool fits = p.Width() >= cx && p.Height() >= cy;
    if (!pick) {
      pick = &p;
      continue;
    }
    bool pickFits = pick->Width() >= cx && pick->Height() >= cy;
    if (fits && (!pickFits || p.Width() < pick->Width())) pick = &p;
    if (!fits && !pickFits && p.Width() > pick->Width()) pick = &p;
  }
  gfx::Surface src(pick->View());
  gfx::BlendFunction bf;
  bf.alphaFormat = gfx::AC_SRC_ALPHA;
  return dc->AlphaBlend(x, y, cx, cy, src, 0, 0, pick->Width(), pick->Height(), bf) ? TRUE : FALSE;
}

}  // namespace win
