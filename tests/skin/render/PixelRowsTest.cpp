// The blends on their vector paths against the per-pixel formulas: every width around the
// vector and chunk sizes, every weight that is a boundary, key pixels anywhere, clipped
// rows, and the destination's alpha above and below the weight.
#include <gtest/gtest.h>

#include <random>

#include "skin/render/pixels/acKeyedCopy.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "tests/skin/support/PixelTestSupport.h"

namespace skin {
namespace {

using test::Pattern;

int Ch(std::uint32_t p, int shift) { return static_cast<int>((p >> shift) & 0xFF); }

std::uint32_t RefAlpha(std::uint32_t d, std::uint32_t s, int opacity) {
  const int as = static_cast<int>(s >> 24);
  const int w = opacity == 255 ? as : (as * opacity) >> 8;
  std::uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8)
    out |= std::uint32_t(((Ch(s, shift) - Ch(d, shift)) * w + Ch(d, shift) * 256) >> 8) << shift;
  const int da = Ch(d, 24);
  const int na = ((w - da) * w + da * 256) >> 8;
  return out | (std::uint32_t(na < da ? da : na) << 24);
}

std::uint32_t RefFade(std::uint32_t d, std::uint32_t s, int fade) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8)
    out |= std::uint32_t(((Ch(s, shift) - Ch(d, shift)) * fade + Ch(d, shift) * 256) >> 8) << shift;
  const int da = Ch(d, 24);
  return out | (std::uint32_t(da > fade ? da : fade) << 24);
}

std::uint32_t RefKeyedBlend(std::uint32_t d, std::uint32_t s, int t) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8)
    out |= std::uint32_t((Ch(s, shift) * (255 - t) + Ch(d, shift) * t) >> 8) << shift;
  return out;
}

std::uint32_t RefStep(std::uint32_t d, std::uint32_t s, int t) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8)
    out |= std::uint32_t(((Ch(d, shift) - Ch(s, shift)) * t + Ch(s, shift) * 256) >> 8) << shift;
  return out;
}

// Sources with key pixels and alpha extremes sprinkled over a pattern.
Bitmap32 Source(int w, int h, std::uint32_t seed) {
  Bitmap32 b = Pattern(w, h, seed);
  std::mt19937 rng(seed);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int r = static_cast<int>(rng() % 8);
      if (r == 0) b.SetPixel(x, y, KeyPixel);
      else if (r == 1) b.SetPixel(x, y, b.Pixel(x, y) | 0xFF000000u);
      else if (r == 2) b.SetPixel(x, y, b.Pixel(x, y) & 0x00FFFFFFu);
    }
  return b;
}

const int kWidths[] = {1, 2, 3, 4, 5, 7, 8, 15, 16, 17, 31, 33, 63, 64, 65, 127, 128, 129, 200};

TEST(PixelRowsTest, AlphaBlitRectMatchesItsFormulaAtEveryWidthAndOpacity) {
  for (int w : kWidths)
    for (int opacity : {0, 1, 127, 128, 200, 254, 255}) {
      const Bitmap32 src = Source(w + 3, 3, static_cast<std::uint32_t>(w * 31 + opacity));
      Bitmap32 dst = Pattern(w + 8, 4, static_cast<std::uint32_t>(opacity));
      const Bitmap32 before = dst;
      AlphaBlitRect(&dst, &src, {1, 0, w, 2}, static_cast<std::uint8_t>(opacity), {2, 1});
      for (int y = 0; y < 4; ++y)
        for (int x = 0; x < w + 8; ++x) {
          const bool in = y >= 1 && x >= 2 && x < 2 + w;
          const std::uint32_t want =
              in ? RefAlpha(before.Pixel(x, y), src.Pixel(x - 1, y - 1), opacity) : before.Pixel(x, y);
          ASSERT_EQ(dst.Pixel(x, y), want) << "w " << w << " opacity " << opacity << " at " << x << "," << y;
        }
    }
}

TEST(PixelRowsTest, CopyKeyedWithAFadeMatchesItsFormulaAndSkipsKeys) {
  for (int w : kWidths)
    for (int fade : {1, 100, 127, 254, 255}) {
      const Bitmap32 src = Source(w, 2, static_cast<std::uint32_t>(w + 7 * fade));
      Bitmap32 dst = Pattern(w + 4, 2, static_cast<std::uint32_t>(fade));
      const Bitmap32 before = dst;
      // Cut at the left: the first three source columns fall outside.
      CopyKeyed(&dst, &src, -3, static_cast<std::uint8_t>(fade), KeyColor, {0, 0, w - 1, 1}, 0);
      for (int y = 0; y < 2; ++y)
        for (int x = 0; x < w + 4; ++x) {
          const int sx = x + 3;
          std::uint32_t want = before.Pixel(x, y);
          if (sx < w && src.Pixel(sx, y) != KeyPixel) want = RefFade(before.Pixel(x, y), src.Pixel(sx, y), fade);
          ASSERT_EQ(dst.Pixel(x, y), want) << "w " << w << " fade " << fade << " at " << x << "," << y;
        }
    }
}

TEST(PixelRowsTest, BlendKeyedRectAndBlendBitmapRectMatchTheirFormulas) {
  for (int w : kWidths)
    for (int t : {0, 1, 127, 128, 255}) {
      const Bitmap32 src = Source(w, 2, static_cast<std::uint32_t>(w * 3 + t));
      Bitmap32 keyed = Pattern(w, 2, 5), plain = Pattern(w, 2, 5);
      const Bitmap32 before = keyed;
      BlendKeyedRect(&keyed, 0, 0, KeyPixel, static_cast<std::uint8_t>(t), {0, 0, w - 1, 1}, &src);
      BlendBitmapRect(&plain, &src, static_cast<std::uint8_t>(t), {0, 0}, {0, 0, w - 1, 1});
      for (int y = 0; y < 2; ++y)
        for (int x = 0; x < w; ++x) {
          const std::uint32_t d = before.Pixel(x, y), s = src.Pixel(x, y);
          ASSERT_EQ(keyed.Pixel(x, y), s == KeyPixel ? d : RefKeyedBlend(d, s, t)) << w << " " << t << " " << x;
          ASSERT_EQ(plain.Pixel(x, y), RefStep(d, s, t)) << w << " " << t << " " << x;
        }
    }
}

}  // namespace
}  // namespace skin
