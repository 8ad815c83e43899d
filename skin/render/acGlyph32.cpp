#include "skin/render/acGlyph32.h"

#include <algorithm>

#include "platform/forms/Bitmaps.h"
#include "platform/gfx/Surface.h"
#include "skin/render/acImageSource.h"
#include "skin/render/pixels/acPixelClip.h"

namespace skin {
namespace {

bool IsTransparentGlyphPixel(std::uint32_t s) { return s == KeyPixel || (s >> 24) <= 16; }

// The tint brightened until its largest channel is 255, as a pixel.
std::uint32_t BrightTint(TColor tint) {
  const std::uint32_t t = SwapRedBlue(ColorToRGB(tint)) & 0x00FFFFFFu;
  const std::uint32_t mx = std::max({t & 0xFF, (t >> 8) & 0xFF, (t >> 16) & 0xFF});
  const std::uint32_t add = 255 - mx;
  return ((t & 0xFF) + add) | ((((t >> 8) & 0xFF) + add) << 8) | ((((t >> 16) & 0xFF) + add) << 16);
}

std::uint32_t TintedColour(std::uint32_t s, std::uint32_t tint) {
  const std::uint32_t l = ((s >> 16) & 0xFF) / 4 + ((s >> 8) & 0xFF) / 2 + (s & 0xFF) / 4;
  std::uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) out |= ((((tint >> shift) & 0xFF) * l) >> 8) << shift;
  return out;
}

}  // namespace

void DrawGlyph32(const gfx::TRect& dstRect, const gfx::TRect& srcRect, Bitmap32* dst, bool reflected, int transparency,
                 TColor tint, bool showBg, const TacBgInfo& bg, const Bitmap32* src) {
  if (dst == nullptr || src == nullptr || !dst->Is32Bit() || !src->Is32Bit()) return;
  const std::int64_t w = std::min<std::int64_t>(dstRect.Width(), srcRect.Width());
  const std::int64_t h = std::min<std::int64_t>(dstRect.Height(), srcRect.Height());
  CopyArea a;
  if (w <= 0 || h <= 0 ||
      !ClipCopy(srcRect.Left, srcRect.Top, srcRect.Left + w, srcRect.Top + h, src->Width(), src->Height(), dstRect.Left,
                dstRect.Top, dst->Width(), dst->Height(), a))
    return;  // nothing to copy, and no reflection of nothing
  const int o = 255 - std::clamp(transparency, 0, 100) * 255 / 100;
  const bool tinted = tint != NoKey;
  const std::uint32_t tintPx = tinted ? BrightTint(tint) : 0;
  const bool showBgBmp = showBg && bg.Ready && bg.Bmp != nullptr && bg.Bmp->Is32Bit();

  for (int j = 0; j < a.h; ++j) {
    const std::uint32_t* s = src->Row(a.sy + j) + a.sx;
    std::uint32_t* d = dst->Row(a.dy + j) + a.dx;
    for (int i = 0; i < a.w; ++i) {
      const std::uint32_t sp = s[i], as = sp >> 24;
      if (bg.Ready && IsTransparentGlyphPixel(sp)) {
        if (showBgBmp) {
          const std::int64_t bx = std::int64_t(a.dx) + i + bg.X, by = std::int64_t(a.dy) + j + bg.Y;
          if (bx >= 0 && by >= 0 && bx < bg.Bmp->Width() && by < bg.Bmp->Height())
            d[i] = bg.Bmp->Pixel(static_cast<int>(bx), static_cast<int>(by));
        }
        continue;
      }
      if (tinted) {
        d[i] = MixTowardPixel(d[i], TintedColour(sp, tintPx), (o * as) >> 8);
      } else if (o == 255) {
        const std::uint32_t da = d[i] >> 24;
        d[i] = (MixTowardPixel(d[i], sp, as) & 0x00FFFFFFu) | (std::max(da, as) << 24);
      } else {
        d[i] = MixTowardPixel(d[i], sp, (o * as) >> 8);
      }
    }
  }

  if (!reflected || tinted) return;
  const int bottom = a.dy + a.h;  // first row below the picture
  const int rows = std::min(a.h / 2, dst->Height() - bottom - 1);
  const int step = 255 / a.h;
  for (int k = 1; k <= rows; ++k) {
    const int f = 255 - (k - 1) * step;
    const std::uint32_t* s = src->Row(a.sy + a.h - 1 - k) + a.sx;
    std::uint32_t* d = dst->Row(bottom + k) + a.dx;
    for (int i = 0; i < a.w; ++i) {
      const std::uint32_t sp = s[i];
      if (bg.Ready && IsTransparentGlyphPixel(sp)) continue;
      std::uint32_t wt = static_cast<std::uint32_t>((static_cast<int>(sp >> 24) * (rows - k) / rows) * f / 512);
      if (o < 255) wt = (wt * o) >> 8;
      d[i] = MixTowardPixel(d[i], sp, wt);
    }
  }
}

void AlphaFromCornerColor(Bitmap32* bmp) {
  if (bmp == nullptr || !bmp->Is32Bit() || bmp->Empty()) return;
  const int w = bmp->Width(), h = bmp->Height();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (bmp->Pixel(x, y) >> 24) return;
  const std::uint32_t key = bmp->Pixel(0, h - 1);
  for (int y = 0; y < h; ++y) {
    std::uint32_t* row = bmp->Row(y);
    for (int x = 0; x < w; ++x)
      if (row[x] != key) row[x] |= 0xFF000000u;
  }
}

void DrawGlyphOnSurface(gfx::Surface& surface, const forms::TBitmap& glyph, const gfx::TRect& rect, bool reflected) {
  if (glyph.Empty() || rect.IsEmpty()) return;
  if (glyph.PixelFormat() != forms::TPixelFormat::pf32bit) {
    forms::TCanvas canvas;
    canvas.SetHandle(&surface);
    glyph.Draw(canvas, rect);
    canvas.SetHandle(nullptr);
    return;
  }
  const int w = rect.Width(), h = rect.Height();
  Bitmap32 source(glyph.Width(), glyph.Height());
  for (int y = 0; y < glyph.Height(); ++y) std::copy_n(glyph.Pixels().Row32(y), glyph.Width(), source.Row(y));
  Bitmap32Ptr sized;
  const Bitmap32* pic = &source;
  if (glyph.Width() != w || glyph.Height() != h) {
    sized = StretchPieceNearest(source, 0, 0, glyph.Width(), glyph.Height(), w, h);
    pic = sized.get();
  }
  const int roomH = h + (reflected ? h / 2 + 1 : 0);
  Bitmap32 area(w, roomH);
  area.Canvas().BitBlt(0, 0, w, roomH, surface, rect.Left, rect.Top, gfx::SRCCOPY);
  DrawGlyph32({0, 0, w, h}, {0, 0, w, h}, &area, reflected, 0, NoKey, false, EmptyBgInfo(), pic);
  surface.BitBlt(rect.Left, rect.Top, w, roomH, area.Canvas(), 0, 0, gfx::SRCCOPY);
}

}  // namespace skin
