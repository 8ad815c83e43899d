#pragma once
// Pictures with per-pixel alpha (button glyphs, images, icons) put into a control's
// picture: opaque or partly transparent, tinted, showing what lies behind their
// transparent pixels, optionally with a fading reflection below.
#include "platform/gfx/Geometry.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/acBgInfo.h"
#include "skin/render/pixels/sColors.h"

namespace forms {
class TBitmap;
}
namespace gfx {
class Surface;
}

namespace skin {

// B, G, R of pixel d moved toward those of s by w / 256 (w 0 .. 256); A of d kept.
constexpr std::uint32_t MixTowardPixel(std::uint32_t d, std::uint32_t s, std::uint32_t w) {
  std::uint32_t out = d & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8)
    out |= std::uint32_t(BlendStep((s >> shift) & 0xFF, (d >> shift) & 0xFF, static_cast<int>(w))) << shift;
  return out;
}

// Puts src's srcRect into dst's dstRect. The area copied is the smaller of the two
// rectangles, cut to both bitmaps. Opacity o = 255 - transparency x 255 / 100. With bg
// Ready, source pixels 0x00FF00FF or with alpha 16 or less are transparent: they leave
// dst unchanged, or with showBg take bg's pixel at (x + bg.X, y + bg.Y) when it lies inside
// bg's bitmap. Other pixels (all of them when bg is not Ready), with a_s their alpha:
//  - no tint, o = 255: B, G, R ((s - d) x a_s + d x 256) >> 8, A' = max(A, a_s);
//  - no tint, o < 255: B, G, R blended with w = (o x a_s) >> 8, A kept;
//  - tint (not NoKey): the tint brightened until its largest channel is 255, the pixel's
//    luminance l = R / 4 + G / 2 + B / 4 gives the colour tint x l >> 8, blended into B, G,
//    R with w = (o x a_s) >> 8.
// reflected (without tint): P = min(copied height / 2, dst height - bottom - 1) rows
// follow below the picture, row k (1 .. P) showing the source row k + 1 rows above its
// bottom, blended on B, G, R with a_s x (P - k) / P x F / 512 (times o / 256 below full
// opacity), F starting at 255 and falling by 255 / copied height per row.
void DrawGlyph32(const gfx::TRect& dstRect, const gfx::TRect& srcRect, Bitmap32* dst, bool reflected, int transparency,
                 TColor tint, bool showBg, const TacBgInfo& bg, const Bitmap32* src);

// Gives a picture that carries no alpha (every byte A is 0) an alpha channel: pixels
// equal to its bottom-left pixel stay transparent, every other pixel gets A = 255. A
// picture with any non-zero alpha byte is left unchanged.
void AlphaFromCornerColor(Bitmap32* bmp);

// Draws a glyph on a surface that is not a 32-bit picture of the skin engine. A glyph
// that is not 32-bit is drawn by the platform as it is (transparent colour included); a
// 32-bit one (straight alpha) is stretched to rect's size when its size differs (nearest
// pixel, alpha included) and composed with DrawGlyph32 over a copy of the surface's area
// (with room for the reflection below when reflected), which is then copied back.
void DrawGlyphOnSurface(gfx::Surface& surface, const forms::TBitmap& glyph, const gfx::TRect& rect, bool reflected);

}  // namespace skin
