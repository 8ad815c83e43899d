// Glyphs put into a control's picture: 32-bit pictures with alpha (opaque, partly
// transparent, tinted, reflected, over what lies behind), pictures given alpha from their
// corner colour, classic glyph strips, and glyphs on plain surfaces.
#include <gtest/gtest.h>

#include "platform/forms/Bitmaps.h"
#include "platform/forms/Buttons.h"
#include "platform/gfx/Surface.h"
#include "skin/render/acGlyph32.h"
#include "skin/render/acGlyphStrip.h"
#include "tests/skin/support/PixelTestSupport.h"
#include "tests/skin/support/TextTestSupport.h"

namespace skin {
namespace {

constexpr std::uint32_t kDst = 0xFF000000u;  // opaque black

std::uint32_t Ch(std::uint32_t v, int shift) { return (v >> shift) & 0xFF; }

TEST(DrawGlyph32, OpaqueBlendKeepsTheLargerAlpha) {
  Bitmap32 src = test::Filled(4, 4, 0x80C86432u);  // alpha 128
  Bitmap32 dst = test::Filled(6, 6, 0x20000000u);
  DrawGlyph32({1, 1, 5, 5}, {0, 0, 4, 4}, &dst, false, 0, NoKey, false, EmptyBgInfo(), &src);
  // ((s - 0) x 128 + 0) >> 8 per channel, A = max(0x20, 128).
  EXPECT_EQ(dst.Pixel(1, 1), 0x80643219u);
  EXPECT_EQ(dst.Pixel(4, 4), 0x80643219u);
  EXPECT_EQ(dst.Pixel(0, 0), 0x20000000u);
  EXPECT_EQ(dst.Pixel(5, 5), 0x20000000u);
}

TEST(DrawGlyph32, HalfTransparencyScalesTheWeightAndKeepsAlpha) {
  Bitmap32 src = test::Filled(2, 2, 0xFFC86432u);
  Bitmap32 dst = test::Filled(2, 2, 0x40000000u);
  DrawGlyph32({0, 0, 2, 2}, {0, 0, 2, 2}, &dst, false, 50, NoKey, false, EmptyBgInfo(), &src);
  // o = 255 - 127 = 128; w = (128 x 255) >> 8 = 127.
  EXPECT_EQ(dst.Pixel(0, 0), 0x40000000u | (0xC8 * 127 >> 8) << 16 | (0x64 * 127 >> 8) << 8 | (0x32 * 127 >> 8));
  // Fully transparent: nothing shows.
  Bitmap32 none = test::Filled(2, 2, 0x40102030u);
  DrawGlyph32({0, 0, 2, 2}, {0, 0, 2, 2}, &none, false, 100, NoKey, false, EmptyBgInfo(), &src);
  EXPECT_EQ(none.Pixel(1, 1), 0x40102030u);
  // Opacity 128 from transparency 50 and 255 from 0 differ as they should.
  Bitmap32 full = test::Filled(2, 2, 0x40000000u);
  DrawGlyph32({0, 0, 2, 2}, {0, 0, 2, 2}, &full, false, 0, NoKey, false, EmptyBgInfo(), &src);
  EXPECT_EQ(full.Pixel(0, 0), 0xFFC76331u);
}

TEST(DrawGlyph32, TintTakesTheLuminanceInTheBrightenedTint) {
  // R 200, G 100, B 40: l = 50 + 50 + 10 = 110.
  Bitmap32 src = test::Filled(1, 1, 0xFFC86428u);
  Bitmap32 white = test::Filled(1, 1, kDst), red = white;
  DrawGlyph32({0, 0, 1, 1}, {0, 0, 1, 1}, &white, false, 0, 0xFFFFFF, false, EmptyBgInfo(), &src);
  // The target is tint x l >> 8, blended over black with w = 255 x 255 >> 8 = 254.
  const std::uint32_t w = (255 * 255) >> 8;
  const std::uint32_t c = ((255 * 110 >> 8) * w) >> 8;
  EXPECT_EQ(white.Pixel(0, 0), 0xFF000000u | c << 16 | c << 8 | c);
  // Dark red 0x000080 brightens to 0x7F7FFF: R 255, G and B 127.
  DrawGlyph32({0, 0, 1, 1}, {0, 0, 1, 1}, &red, false, 0, 0x000080, false, EmptyBgInfo(), &src);
  const std::uint32_t r = ((255 * 110 >> 8) * w) >> 8, gb = ((127 * 110 >> 8) * w) >> 8;
  EXPECT_EQ(red.Pixel(0, 0), 0xFF000000u | r << 16 | gb << 8 | gb);
}

TEST(DrawGlyph32, ReadyBackgroundShowsUnderTransparentPixels) {
  Bitmap32 src(3, 1);
  src.SetPixel(0, 0, KeyPixel);
  src.SetPixel(1, 0, 0x10FFFFFFu);  // alpha 16: transparent
  src.SetPixel(2, 0, 0xFFFF00FFu);  // opaque magenta is a picture pixel
  Bitmap32 bg = test::Pattern(10, 10);
  Bitmap32 dst = test::Filled(3, 1, kDst);
  DrawGlyph32({0, 0, 3, 1}, {0, 0, 3, 1}, &dst, false, 0, NoKey, true, BgInfoFromBitmap(&bg, 4, 5), &src);
  EXPECT_EQ(dst.Pixel(0, 0), bg.Pixel(4, 5));
  EXPECT_EQ(dst.Pixel(1, 0), bg.Pixel(5, 5));
  EXPECT_EQ(dst.Pixel(2, 0), 0xFFFE00FEu);
  // Without showBg the destination stays; without a ready background every pixel blends.
  Bitmap32 keep = test::Filled(3, 1, kDst);
  DrawGlyph32({0, 0, 3, 1}, {0, 0, 3, 1}, &keep, false, 0, NoKey, false, BgInfoFromBitmap(&bg, 4, 5), &src);
  EXPECT_EQ(keep.Pixel(0, 0), kDst);
  EXPECT_EQ(keep.Pixel(1, 0), kDst);
  Bitmap32 all = test::Filled(3, 1, kDst);
  DrawGlyph32({0, 0, 3, 1}, {0, 0, 3, 1}, &all, false, 0, NoKey, true, EmptyBgInfo(), &src);
  EXPECT_EQ(all.Pixel(0, 0), kDst);         // alpha 0: no weight
  EXPECT_EQ(all.Pixel(1, 0), 0xFF0F0F0Fu);  // weight 16
}

TEST(DrawGlyph32, CopiedAreaIsTheSmallerRectangleCutToBoth) {
  Bitmap32 src = test::Pattern(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) src.SetPixel(x, y, src.Pixel(x, y) | 0xFF000000u);
  Bitmap32 dst = test::Filled(6, 6, kDst);
  // A destination 3 x 3 from (-1, 4): columns 0..1 and row 4..5 land; source starts at (1, 2) + (1, 0).
  DrawGlyph32({-1, 4, 2, 7}, {1, 2, 9, 10}, &dst, false, 0, NoKey, false, EmptyBgInfo(), &src);
  int changed = 0;
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) changed += dst.Pixel(x, y) != kDst;
  EXPECT_EQ(changed, 4);
  auto opaque = [](std::uint32_t s) {  // s over black at alpha 255
    return 0xFF000000u | (Ch(s, 16) * 255 >> 8) << 16 | (Ch(s, 8) * 255 >> 8) << 8 | (Ch(s, 0) * 255 >> 8);
  };
  EXPECT_EQ(dst.Pixel(0, 4), opaque(src.Pixel(2, 2)));
  EXPECT_EQ(dst.Pixel(1, 5), opaque(src.Pixel(3, 3)));
}

TEST(DrawGlyph32, ReflectionRowsFadeBelowThePicture) {
  // Four rows, alpha 255, each row its own grey.
  Bitmap32 src(1, 4);
  for (int y = 0; y < 4; ++y) src.SetPixel(0, y, 0xFF000000u | (0x40u * (y + 1) - 1) * 0x010101u);
  Bitmap32 dst = test::Filled(1, 10, kDst);
  DrawGlyph32({0, 0, 1, 4}, {0, 0, 1, 4}, &dst, true, 0, NoKey, false, EmptyBgInfo(), &src);
  // P = min(4 / 2, 10 - 4 - 1) = 2; row 4 is left as it was; row 4 + k shows source row
  // 3 - k with weight 255 x (P - k) / P x F / 512, F = 255, then 255 - 63.
  EXPECT_EQ(dst.Pixel(0, 4), kDst);
  const std::uint32_t w1 = (255 * 1 / 2) * 255 / 512;  // 63
  const std::uint32_t g1 = (0xBFu * w1) >> 8;
  EXPECT_EQ(dst.Pixel(0, 5), 0xFF000000u | g1 * 0x010101u);
  EXPECT_EQ(dst.Pixel(0, 6), kDst);  // k = P: weight 0
  EXPECT_EQ(dst.Pixel(0, 7), kDst);
  // No room below: no reflection; a tint draws none either.
  Bitmap32 tight = test::Filled(1, 5, kDst);
  DrawGlyph32({0, 0, 1, 4}, {0, 0, 1, 4}, &tight, true, 0, NoKey, false, EmptyBgInfo(), &src);
  EXPECT_EQ(tight.Pixel(0, 4), kDst);
  Bitmap32 tinted = test::Filled(1, 10, kDst);
  DrawGlyph32({0, 0, 1, 4}, {0, 0, 1, 4}, &tinted, true, 0, 0xFFFFFF, false, EmptyBgInfo(), &src);
  EXPECT_EQ(tinted.Pixel(0, 5), kDst);
  // Half transparent: the reflection weight is scaled by the opacity too.
  Bitmap32 half = test::Filled(1, 10, kDst);
  DrawGlyph32({0, 0, 1, 4}, {0, 0, 1, 4}, &half, true, 50, NoKey, false, EmptyBgInfo(), &src);
  EXPECT_EQ(half.Pixel(0, 5), 0xFF000000u | ((0xBFu * ((w1 * 128) >> 8)) >> 8) * 0x010101u);
}

TEST(DrawGlyph32, EmptySourceDrawsNothingEvenReflected) {
  Bitmap32 src = test::Filled(4, 4, 0xFFFFFFFFu);
  Bitmap32 dst = test::Filled(8, 8, kDst), before = dst;
  DrawGlyph32({0, 0, 8, 8}, {2, 2, 2, 6}, &dst, true, 0, NoKey, false, EmptyBgInfo(), &src);
  DrawGlyph32({0, 0, 8, 8}, {9, 9, 12, 12}, &dst, true, 0, NoKey, false, EmptyBgInfo(), &src);
  Bitmap32 empty;
  DrawGlyph32({0, 0, 8, 8}, {0, 0, 4, 4}, &dst, true, 0, NoKey, false, EmptyBgInfo(), &empty);
  EXPECT_EQ(test::Snapshot(dst), test::Snapshot(before));
}

TEST(AlphaFromCornerColor, ColourOfTheBottomLeftPixelBecomesTransparent) {
  Bitmap32 b = test::Filled(3, 3, 0x00336699u);
  b.SetPixel(1, 1, 0x00FF0000u);
  b.SetPixel(2, 0, 0x00000000u);
  AlphaFromCornerColor(&b);
  EXPECT_EQ(b.Pixel(0, 2), 0x00336699u);
  EXPECT_EQ(b.Pixel(0, 0), 0x00336699u);
  EXPECT_EQ(b.Pixel(1, 1), 0xFFFF0000u);
  EXPECT_EQ(b.Pixel(2, 0), 0xFF000000u);
  // A picture that has alpha somewhere keeps it as it is.
  Bitmap32 a = test::Filled(3, 3, 0x00336699u);
  a.SetPixel(1, 1, 0x01FF0000u);
  Bitmap32 before = a;
  AlphaFromCornerColor(&a);
  EXPECT_EQ(test::Snapshot(a), test::Snapshot(before));
}

// A strip of two 4 x 3 pictures without alpha: picture 0 red on olive, picture 1 blue on
// teal; the transparent colour of each is its bottom-left pixel.
std::unique_ptr<forms::TBitmap> Strip() {
  auto b = std::make_unique<forms::TBitmap>(8, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 8; ++x) b->ScanLine(y)[x] = x < 4 ? 0xFF808000u : 0xFF008080u;
  b->ScanLine(1)[1] = 0xFFFF0000u;
  b->ScanLine(1)[5] = 0xFF0000FFu;
  b->SetPixelFormat(forms::TPixelFormat::pf24bit);
  return b;
}

TEST(GlyphStripPicture, KindsChooseTheirPicture) {
  // Kind 0 (up): picture 0.
  EXPECT_EQ(GlyphStripPicture(gkUp, 0, true, 4, false, false), 0);
  // Kind 1 (disabled): picture 1 unless the strip is 16-colour or the standard order is on.
  EXPECT_EQ(GlyphStripPicture(gkDisabled, 0, false, 4, false, false), 1);
  EXPECT_EQ(GlyphStripPicture(gkDisabled, 0, false, 4, true, false), 0);
  EXPECT_EQ(GlyphStripPicture(gkDisabled, 0, false, 4, false, true), 0);
  // Kind 2 (down): hint + 2 when it exists.
  EXPECT_EQ(GlyphStripPicture(gkDown, 0, true, 4, false, false), 2);
  EXPECT_EQ(GlyphStripPicture(gkDown, 1, true, 4, false, false), 3);
  EXPECT_EQ(GlyphStripPicture(gkDown, 2, true, 4, false, false), 1);
  EXPECT_EQ(GlyphStripPicture(gkDown, 2, true, 4, true, false), 0);
  EXPECT_EQ(GlyphStripPicture(gkDown, 0, true, 2, false, false), 1);
  // Kind 3 (exclusive): picture 2 with three pictures or more.
  EXPECT_EQ(GlyphStripPicture(gkExclusive, 0, true, 3, false, false), 2);
  EXPECT_EQ(GlyphStripPicture(gkExclusive, 0, true, 2, false, false), 0);
  // A disabled button shows picture 0 for the other kinds; one picture, or none, is 0.
  EXPECT_EQ(GlyphStripPicture(gkDown, 0, false, 4, false, false), 0);
  EXPECT_EQ(GlyphStripPicture(gkDisabled, 0, false, 1, false, false), 0);
  EXPECT_EQ(GlyphStripPicture(gkDown, 5, true, 0, false, false), 0);
}

TEST(DrawGlyphStrip, SixteenColourCloseGlyphShowsFrameZeroNormalHotAndPressed) {
  std::unique_ptr<forms::TBitmap> close = forms::StandardGlyph(forms::TBitBtnKind::bkClose);
  ASSERT_TRUE(close);
  ASSERT_EQ(close->PixelFormat(), forms::TPixelFormat::pf4bit);
  const int fw = close->Width() / 2, fh = close->Height();
  const std::uint32_t key = close->ScanLine(fh - 1)[0];
  const gfx::TRect at{2, 2, 2 + fw, 2 + fh};
  // Normal and hot ask for kind 0, pressed for kind 2 with hint 0.
  for (const int kind : {gkUp, gkUp, gkDown}) {
    Bitmap32 dst = test::Filled(fw + 4, fh + 4, kDst);
    DrawGlyphStrip(*close, &dst, at, false, 0, 0, kind, true, 2);
    int frame0 = 0;
    for (int y = 0; y < fh; ++y)
      for (int x = 0; x < fw; ++x) {
        const std::uint32_t s = close->ScanLine(y)[x];
        const std::uint32_t d = dst.Pixel(2 + x, 2 + y);
        if ((s & 0xFFFFFF) == (key & 0xFFFFFF)) {
          ASSERT_EQ(d, kDst);
        } else {
          ASSERT_EQ(d, s | 0xFF000000u);
          ++frame0;
        }
      }
    EXPECT_GT(frame0, 20);
  }
}

TEST(DrawGlyphStrip, KeyedOnThePictureOwnColourAndOpaque) {
  const auto strip = Strip();
  Bitmap32 dst = test::Filled(10, 10, 0x00102030u);
  DrawGlyphStrip(*strip, &dst, {3, 3, 7, 6}, false, 0, 0, gkUp, true, 2);
  EXPECT_EQ(dst.Pixel(4, 4), 0xFFFF0000u);
  EXPECT_EQ(test::CountValue(dst, 0x00102030u), 99);
  // Disabled with a blend: the picture's own transparent colour (olive) still leaves the
  // destination alone; its red pixel is blended half-way.
  Bitmap32 blended = test::Filled(10, 10, 0xFF000000u);
  DrawGlyphStrip(*strip, &blended, {3, 3, 7, 6}, false, 0, 50, gkUp, false, 2);
  EXPECT_EQ(test::CountValue(blended, 0xFF000000u), 99);
  // (s x (255 - t) + d x t) >> 8 on all four bytes, t = 127.
  EXPECT_EQ(blended.Pixel(4, 4), 0xFE7F0000u);
  // The disabled kind takes picture 1, unblended.
  Bitmap32 disabled = test::Filled(10, 10, kDst);
  DrawGlyphStrip(*strip, &disabled, {3, 3, 7, 6}, false, 0, 50, gkDisabled, false, 2);
  EXPECT_EQ(disabled.Pixel(4, 4), 0xFF0000FFu);
  EXPECT_EQ(test::CountValue(disabled, kDst), 99);
}

TEST(DrawGlyphStrip, NoPicturesCountedMeansOne) {
  const auto strip = Strip();
  Bitmap32 dst = test::Filled(10, 10, kDst);
  DrawGlyphStrip(*strip, &dst, {0, 0, 8, 3}, false, 0, 0, gkDown, true, 0);
  EXPECT_EQ(dst.Pixel(1, 1), 0xFFFF0000u);
  EXPECT_EQ(dst.Pixel(5, 1), 0xFF0000FFu);
  DrawGlyphStrip(*strip, &dst, {0, 0, 8, 3}, false, 0, 0, gkDown, true, -3);
}

TEST(DrawGlyphStrip, ReflectionFollowsTheRaisedGlyph) {
  // A 1 x 9 picture, every row red except the transparent bottom-left... use a 2 x 9 strip.
  forms::TBitmap tall(1, 9);
  for (int y = 0; y < 9; ++y) tall.ScanLine(y)[0] = 0xFFFF0000u;
  tall.ScanLine(8)[0] = 0xFF00FF00u;  // the transparent colour
  Bitmap32 dst = test::Filled(1, 30, kDst);
  DrawGlyphStrip(tall, &dst, {0, 8, 1, 17}, true, 0, 0, gkUp, true, 1);
  // Raised by 9 / 8 = 1 row: rows 7 .. 14 red, 15 transparent.
  EXPECT_EQ(dst.Pixel(0, 6), kDst);
  EXPECT_EQ(dst.Pixel(0, 7), 0xFFFF0000u);
  EXPECT_EQ(dst.Pixel(0, 15), kDst);
  // Below (from row 16): 2 x 9 / 3 - 1 = 5 rows; row 16 shows the transparent bottom row,
  // row 17 the red row above it with weight 100 x ((5 - 1) x 255 / 5 x F / 512) / 100,
  // F = 255 - 255 / 6.
  EXPECT_EQ(dst.Pixel(0, 16), kDst);
  const int w1 = (4 * 255 / 5) * (255 - 42) / 512;
  EXPECT_EQ(dst.Pixel(0, 17), 0xFF000000u | std::uint32_t(255 * w1 >> 8) << 16);
  EXPECT_EQ(dst.Pixel(0, 21), kDst);
}

TEST(DrawGlyphOnSurface, PlainGlyphsByThePlatformAlphaGlyphsComposed) {
  const auto strip = Strip();
  Bitmap32 b = test::Filled(12, 6, kDst);
  DrawGlyphOnSurface(b.Canvas(), *strip, {1, 1, 9, 4}, false);
  EXPECT_EQ(b.Pixel(2, 2), 0xFFFF0000u);
  EXPECT_EQ(b.Pixel(1, 1), 0xFF808000u);  // not transparent: drawn as it is

  forms::TBitmap alpha(2, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) alpha.ScanLine(y)[x] = x == 0 ? 0xFFFFFFFFu : 0x00FFFFFFu;
  alpha.SetPixelFormat(forms::TPixelFormat::pf32bit);
  Bitmap32 c = test::Filled(8, 8, kDst);
  DrawGlyphOnSurface(c.Canvas(), alpha, {2, 2, 6, 6}, false);  // stretched to 4 x 4
  for (int y = 2; y < 6; ++y) {
    EXPECT_EQ(c.Pixel(2, y), 0xFFFEFEFEu);
    EXPECT_EQ(c.Pixel(3, y), 0xFFFEFEFEu);
    EXPECT_EQ(c.Pixel(4, y), kDst);
  }
  EXPECT_EQ(c.Pixel(1, 2), kDst);
  EXPECT_EQ(c.Pixel(2, 6), kDst);
}

}  // namespace
}  // namespace skin
