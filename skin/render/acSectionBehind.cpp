#include "skin/render/acSectionBehind.h"

#include <algorithm>
#include <cstdint>

#include "skin/render/pixels/acPixelBlend.h"
#include "skin/render/pixels/acPixelCopy.h"

namespace skin {
namespace {

int Clamped(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN / 2, INT32_MAX / 2)); }

// area in the coordinates of bg.Bmp.
TRect InBitmap(const TRect& area, const TacBgInfo& bg) {
  return {Clamped(std::int64_t(area.Left) + bg.X), Clamped(std::int64_t(area.Top) + bg.Y),
          Clamped(std::int64_t(area.Right) + bg.X), Clamped(std::int64_t(area.Bottom) + bg.Y)};
}

// Copies the part of area that lies over bg.Bmp; covered receives what was written.
bool CopyUnder(Bitmap32* dst, const TRect& area, const TacBgInfo& bg, const TRect& part, TRect* covered) {
  const TRect src = gfx::Intersect(InBitmap(area, bg), part);
  if (src.IsEmpty()) return false;
  return CopyBitmapRect(dst, bg.Bmp, {Clamped(std::int64_t(src.Left) - bg.X), Clamped(std::int64_t(src.Top) - bg.Y)},
                        src, covered);
}

}  // namespace

TacBgInfo BgAtTarget(const TacBgInfo& bg, TPoint pos, TPoint rectTopLeft) {
  TacBgInfo out = bg;
  out.X = Clamped(std::int64_t(bg.X) + pos.X - rectTopLeft.X);
  out.Y = Clamped(std::int64_t(bg.Y) + pos.Y - rectTopLeft.Y);
  return out;
}

void CopyBorderStrips(Bitmap32* dst, const TRect& area, const TacBgInfo& bg) {
  if (bg.Bmp == nullptr || bg.Bmp == dst || !bg.Bmp->Is32Bit()) return;
  const int w = bg.Bmp->Width(), h = bg.Bmp->Height();
  const TRect& f = bg.BorderFrame;
  const TRect strips[4] = {
      {0, 0, std::clamp(f.Left, 0, w), h},       // left
      {0, 0, w, std::clamp(f.Top, 0, h)},        // top
      {w - std::clamp(f.Right, 0, w), 0, w, h},  // right
      {0, h - std::clamp(f.Bottom, 0, h), w, h}  // bottom
  };
  for (const TRect& s : strips)
    if (!s.IsEmpty()) CopyUnder(dst, area, bg, s, nullptr);
}

void FillAround(Bitmap32* dst, const TRect& area, const TRect& inner, TColor color) {
  if (inner.IsEmpty()) {
    FillPixels(dst, area, color, 255);
    return;
  }
  FillPixels(dst, {area.Left, area.Top, area.Right, inner.Top}, color, 255);
  FillPixels(dst, {area.Left, inner.Bottom, area.Right, area.Bottom}, color, 255);
  FillPixels(dst, {area.Left, inner.Top, inner.Left, inner.Bottom}, color, 255);
  FillPixels(dst, {inner.Right, inner.Top, area.Right, inner.Bottom}, color, 255);
}

void GiveBehind(Bitmap32* dst, const TRect& area, const TacBgInfo& bg, TColor fallback) {
  if (dst == nullptr || area.IsEmpty()) return;
  if (bg.Ready) {
    if (bg.Bmp == dst) return;
    TRect covered{};
    const bool copied =
        bg.Bmp != nullptr && CopyUnder(dst, area, bg, {0, 0, bg.Bmp->Width(), bg.Bmp->Height()}, &covered);
    if (fallback != KeyColor) FillAround(dst, area, copied ? covered : TRect{}, fallback);
    return;
  }
  const TColor fill = bg.FillColor != KeyColor ? bg.FillColor : fallback;
  if (fill != KeyColor) FillPixels(dst, area, fill, 255);
  CopyBorderStrips(dst, area, bg);
}

}  // namespace skin
