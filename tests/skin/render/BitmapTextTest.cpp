// Text merged into 32-bit pictures (premultiplied with alpha, or opaque by coverage) and
// the text glow with its cached mask.
#include <gtest/gtest.h>

#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "skin/render/acBitmapText.h"
#include "skin/render/acSectionText.h"
#include "skin/render/acTextGlow.h"
#include "skin/render/acTextMeasure.h"
#include "skin/render/pixels/acPixelEffects.h"
#include "tests/skin/support/PixelTestSupport.h"
#include "tests/skin/support/TextTestSupport.h"

namespace skin {
namespace {

constexpr unsigned kFormat = gfx::DT_SINGLELINE | gfx::DT_CENTER | gfx::DT_VCENTER;
const gfx::TRect kRect{6, 4, 86, 56};

// The coverage picture the merge works from: the text black on white in rect's size.
Bitmap32 Coverage(std::u16string_view text, const gfx::TRect& r = kRect) {
  Bitmap32 t = test::Ground(r.Width(), r.Height());
  t.Canvas().SetFont(test::BigFont());
  t.Canvas().SetBkMode(gfx::BkMode::Transparent);
  t.Canvas().SetTextColor(0);
  gfx::TRect at{0, 0, r.Width(), r.Height()};
  DrawTextPlain(t.Canvas(), text, at, kFormat);
  return t;
}

Bitmap32 Target(std::uint32_t seed = 7) {
  Bitmap32 b = test::Pattern(92, 60, seed);
  b.Canvas().SetFont(test::BigFont());
  return b;
}

std::uint32_t Ch(std::uint32_t v, int shift) { return (v >> shift) & 0xFF; }

TEST(DrawTextOnBitmap32, PixelsUnderWhiteStayAndFullCoverageFollowsTheRule) {
  const Bitmap32 cov = Coverage(u"Ik");
  for (const bool alpha : {true, false}) {
    Bitmap32 b = Target(), before = b;
    DrawTextOnBitmap32(&b, u"Ik", alpha, 0x3366CC, kFormat, kRect);
    int full = 0, partial = 0;
    const std::uint32_t c = SwapRedBlue(0x3366CC);
    for (int y = 0; y < cov.Height(); ++y)
      for (int x = 0; x < cov.Width(); ++x) {
        const std::uint32_t t = cov.Pixel(x, y), d = before.Pixel(x + kRect.Left, y + kRect.Top);
        const std::uint32_t got = b.Pixel(x + kRect.Left, y + kRect.Top);
        if ((t & 0xFFFFFF) == 0xFFFFFF) {
          ASSERT_EQ(got, d) << x << "," << y;
          continue;
        }
        if (!alpha) {
          ++partial;
          ASSERT_EQ(got >> 24, 255u);
          for (int s = 0; s < 24; s += 8) ASSERT_EQ(Ch(got, s), std::uint32_t(BlendStep(Ch(d, s), Ch(c, s), Ch(t, s))));
          continue;
        }
        if ((t & 0xFFFFFF) == 0) {
          // A covered pixel is black whatever its byte A says: the full-coverage rule.
          ++full;
          const std::uint32_t a = std::max<std::uint32_t>(d >> 24, 254);
          ASSERT_EQ(got >> 24, a);
          for (int s = 0; s < 24; s += 8) ASSERT_EQ(Ch(got, s), ((Ch(d, s) + Ch(c, s) * 255) * a) >> 16);
        } else {
          ++partial;
          const int m = PixelGray(t);
          const std::uint32_t a = std::max<std::uint32_t>(d >> 24, 255 - m);
          ASSERT_EQ(got >> 24, a);
          for (int s = 0; s < 24; s += 8) {
            const int dc = Ch(d, s), cc = Ch(c, s);
            ASSERT_EQ(Ch(got, s), (std::uint32_t((dc - cc) * m + cc * 256) * a) >> 16);
          }
        }
      }
    EXPECT_GT(partial, 20);
    if (alpha) {
      EXPECT_GT(full, 50);
    }
  }
  // Around the rectangle nothing changes.
  Bitmap32 b = Target(), before = b;
  DrawTextOnBitmap32(&b, u"Ik", true, 0x3366CC, kFormat, kRect);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 92; ++x)
      if (!kRect.Contains({x, y})) {
        ASSERT_EQ(b.Pixel(x, y), before.Pixel(x, y));
      }
}

TEST(DrawTextOnBitmap32, TransparentPictureGetsAlphaOnlyUnderTheLetters) {
  Bitmap32 b(92, 60);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 92; ++x) b.SetPixel(x, y, 0);
  b.Canvas().SetFont(test::BigFont());
  DrawTextOnBitmap32(&b, u"Ik", true, 0xFFFFFF, kFormat, kRect);
  const Bitmap32 cov = Coverage(u"Ik");
  for (int y = 0; y < cov.Height(); ++y)
    for (int x = 0; x < cov.Width(); ++x) {
      const std::uint32_t t = cov.Pixel(x, y) & 0xFFFFFF, a = b.Pixel(x + kRect.Left, y + kRect.Top) >> 24;
      const std::uint32_t expected = t == 0xFFFFFF ? 0u : t == 0 ? 254u : 255u - PixelGray(cov.Pixel(x, y));
      ASSERT_EQ(a, expected) << x << "," << y;
    }
}

TEST(DrawTextOnBitmap32, CutToTheDestination) {
  Bitmap32 b = Target(), before = b;
  const gfx::TRect off{-40, 30, 40, 90};  // half outside on the left and bottom
  DrawTextOnBitmap32(&b, u"Ik", false, 0, kFormat, off);
  const Bitmap32 cov = Coverage(u"Ik", off);
  int changed = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 92; ++x) {
      const int cx = x - off.Left, cy = y - off.Top;
      const bool inside = cx >= 0 && cy >= 0 && cx < cov.Width() && cy < cov.Height();
      if (!inside || (cov.Pixel(cx, cy) & 0xFFFFFF) == 0xFFFFFF) {
        ASSERT_EQ(b.Pixel(x, y), before.Pixel(x, y));
      } else {
        changed += b.Pixel(x, y) != before.Pixel(x, y);
      }
    }
  EXPECT_GT(changed, 0);
  DrawTextOnBitmap32(&b, u"Ik", false, 0, kFormat, {200, 0, 260, 40});  // wholly outside
  DrawTextOnBitmap32(nullptr, u"Ik", false, 0, kFormat, kRect);
}

TEST(WriteBitmapText, ContoursOnlyWithAlpha) {
  test::SectionSkin skin;
  TsGeneralData g = test::TextSection(0x000000);
  g.Props[0].FontColor.Top = 0x0000FF;
  const int section = skin.Add(g);
  for (const bool alpha : {true, false}) {
    Bitmap32 b = Target(), expected = Target();
    WriteBitmapText(&b, u"Ik", alpha, &skin.loader, 0, section, kFormat, kRect);
    if (alpha) DrawTextOnBitmap32(&expected, u"Ik", true, 0x0000FF, kFormat, kRect.Offset(0, -1));
    DrawTextOnBitmap32(&expected, u"Ik", alpha, 0x000000, kFormat, kRect);
    EXPECT_EQ(test::Snapshot(b), test::Snapshot(expected)) << alpha;
  }
  // Without a valid section the picture's own text colour is used.
  Bitmap32 b = Target(), expected = Target();
  b.Canvas().SetTextColor(0x00AA00);
  WriteBitmapText(&b, u"Ik", false, &skin.loader, 0, 5, kFormat, kRect);
  DrawTextOnBitmap32(&expected, u"Ik", false, 0x00AA00, kFormat, kRect);
  EXPECT_EQ(test::Snapshot(b), test::Snapshot(expected));
}

class TextGlowTest : public ::testing::Test {
 protected:
  static Bitmap32 Dest() {
    Bitmap32 b = test::Ground(100, 60, 0x202020);
    b.Canvas().SetFont(test::BigFont(-20));
    return b;
  }
  const gfx::TRect rect{20, 20, 80, 40};
};

TEST_F(TextGlowTest, MaskHasTheEnlargedSizeAndIsReusedWhileTheSizeHolds) {
  Bitmap32 b = Dest();
  Bitmap32Ptr mask;
  PaintTextGlow(&b, u"Glow", rect, mask, 0x00FFFF, 4, gdAll, kFormat);
  ASSERT_TRUE(mask);
  EXPECT_EQ(mask->Format(), gfx::PixelFormat::Gray8);
  EXPECT_EQ(mask->Width(), 60 + 2 * 8);
  EXPECT_EQ(mask->Height(), 20 + 2 * 8);
  Bitmap32* first = mask.get();

  // Reused as it is: a mask the caller filled with one value is what gets merged.
  for (int y = 0; y < mask->Height(); ++y)
    for (int x = 0; x < mask->Width(); ++x) mask->Row8(y)[x] = 128;
  Bitmap32 reused = Dest();
  PaintTextGlow(&reused, u"Other text", rect, mask, 0xFFFFFF, 4, gdAll, kFormat);
  EXPECT_EQ(mask.get(), first);
  const std::uint32_t merged = ((127 * 255 + 0x20 * 128) >> 8);
  // mask (0, 0) lies at rect.Left + 1 - 8, rect.Top + 1 - 8.
  for (const gfx::TPoint p : {gfx::TPoint{13, 13}, {50, 30}, {88, 48}})
    EXPECT_EQ(reused.Pixel(p.X, p.Y), 0xFF000000u | merged << 16 | merged << 8 | merged) << p.X;
  EXPECT_EQ(reused.Pixel(12, 13), 0xFF202020u);
  EXPECT_EQ(reused.Pixel(89, 30), 0xFF202020u);

  // Another size: rebuilt from the text.
  PaintTextGlow(&reused, u"Glow", {20, 20, 70, 40}, mask, 0xFFFFFF, 4, gdAll, kFormat);
  EXPECT_EQ(mask->Width(), 50 + 16);
  int dark = 0, white = 0;
  for (int y = 0; y < mask->Height(); ++y)
    for (int x = 0; x < mask->Width(); ++x) {
      dark += mask->Row8(y)[x] < 128;
      white += mask->Row8(y)[x] == 255;
    }
  EXPECT_GT(dark, 0);
  EXPECT_GT(white, 0);
}

TEST_F(TextGlowTest, MergeMixesTheGlowColourByTheMask) {
  Bitmap32 b = Dest();
  b.SetPixel(30, 30, 0x40102030);
  Bitmap32Ptr mask = std::make_unique<Bitmap32>(76, 36, gfx::PixelFormat::Gray8);
  for (int y = 0; y < 36; ++y)
    for (int x = 0; x < 76; ++x) mask->Row8(y)[x] = 255;
  mask->Row8(30 - 13)[30 - 13] = 55;  // v = 55 at (30, 30)
  Bitmap32 before = b;
  PaintTextGlow(&b, u"x", rect, mask, 0x0080FF, 4, gdAll, kFormat);
  // A' = A + ((255 - A) x 200) >> 8; channel ((255 - v) x g + d x v) >> 8.
  const std::uint32_t a = 0x40 + (((255 - 0x40) * 200) >> 8);
  const std::uint32_t r = (200 * 0xFF + 0x10 * 55) >> 8, g = (200 * 0x80 + 0x20 * 55) >> 8, bl = (0x30 * 55) >> 8;
  EXPECT_EQ(b.Pixel(30, 30), a << 24 | r << 16 | g << 8 | bl);
  b.SetPixel(30, 30, before.Pixel(30, 30));
  EXPECT_EQ(test::Snapshot(b), test::Snapshot(before));
}

TEST_F(TextGlowTest, DirectionsWidenTheInkAndTheRadiusIsBounded) {
  Bitmap32 b = Dest();
  Bitmap32Ptr plain, right;
  PaintTextGlow(&b, u"Glow", rect, plain, 0xFFFFFF, 0, 0, kFormat);
  PaintTextGlow(&b, u"Glow", rect, right, 0xFFFFFF, 0, gdRight, kFormat);
  int wider = 0;
  for (int y = 0; y < plain->Height(); ++y)
    for (int x = 0; x < plain->Width(); ++x) {
      ASSERT_LE(right->Row8(y)[x], plain->Row8(y)[x]);
      wider += right->Row8(y)[x] < plain->Row8(y)[x];
    }
  EXPECT_GT(wider, 0);

  // A skin may ask for any radius; the mask stays of a bounded size.
  Bitmap32Ptr big;
  PaintTextGlow(&b, u"Glow", rect, big, 0xFFFFFF, 1000000, gdAll, kFormat);
  EXPECT_EQ(big->Width(), 60 + 2 * (acMaxGlowRadius + 4));
  Bitmap32Ptr negative;
  PaintTextGlow(&b, u"Glow", rect, negative, 0xFFFFFF, -7, gdAll, kFormat);
  EXPECT_EQ(negative->Width(), 60 + 8);
}

TEST_F(TextGlowTest, PlacesOutsideTheDestinationAreSkipped) {
  Bitmap32 small = test::Ground(10, 10, 0x202020);
  small.Canvas().SetFont(test::BigFont(-20));
  Bitmap32Ptr mask;
  PaintTextGlow(&small, u"Glow", {-30, -5, 30, 15}, mask, 0xFFFFFF, 6, gdAll, kFormat);
  EXPECT_GT(test::Count(small, [](std::uint32_t v) { return v != 0xFF202020u; }), 0);
}

}  // namespace
}  // namespace skin
