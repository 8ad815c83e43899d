// Nine-slice frames on small synthetic entries: border shrinking, states, tiling,
// stretching, the three image kinds and the corners over what lies behind.
#include <gtest/gtest.h>

#include "platform/gfx/Surface.h"
#include "skin/render/acPaintImageSlices.h"
#include "tests/skin/support/ImageDrawTestSupport.h"

namespace skin {
namespace {

using test::Filled;
using test::MasterSkin;
using test::Rgb;
using test::Snapshot;

constexpr std::uint32_t kGround = 0xFF101010u;
constexpr std::uint32_t kMaskShow = 0xFF000000u;  // mask 0: the picture shows

// A masked w x h picture at (0, 0) with a mask of zeros below it; pixel (x, y) is
// Rgb(x + 1, y + 1, tag).
void PaintMaskedPicture(MasterSkin& m, int x0, int w, int h, std::uint32_t tag) {
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      m.Set(x0 + x, y, Rgb(x + 1, y + 1, tag));
      m.Set(x0 + x, y + h, kMaskShow);
    }
}

TEST(SliceBordersTest, ShrinkBySplittingTheLackOddPixelFromTheFarSide) {
  MasterSkin m(8, 8);
  TsMaskData md = m.Entry({0, 0, 8, 8}, 1, 0, 0, 4, 4, 4, 4);
  const TRect b = SliceBorders(md, 5, 8);
  EXPECT_EQ(b, (TRect{3, 4, 2, 4}));
  const TRect tiny = SliceBorders(md, 1, 0);  // lack 7 and 8: the borders never go negative
  EXPECT_EQ(tiny, (TRect{1, 0, 0, 0}));
  md.WL = md.WT = md.WR = md.WB = 1;
  EXPECT_EQ(SliceBorders(md, 2, 2), (TRect{1, 1, 1, 1}));
}

TEST(PaintImageSlicesTest, ThreeByThreeIntoTwoByTwoDrawsTheFourCornersOnly) {
  MasterSkin m(3, 6);
  PaintMaskedPicture(m, 0, 3, 3, 9);
  const TsMaskData md = m.Entry({0, 0, 3, 6}, 1, 1, 0, 1, 1, 1, 1);
  Bitmap32 dst = Filled(4, 4, kGround);
  PaintImageSlices(&dst, {1, 1, 3, 3}, EmptyBgInfo(), false, 0, md);
  // Masked copies keep the destination's alpha byte.
  EXPECT_EQ(dst.Pixel(1, 1), Rgb(1, 1, 9));
  EXPECT_EQ(dst.Pixel(2, 1), Rgb(3, 1, 9));
  EXPECT_EQ(dst.Pixel(1, 2), Rgb(1, 3, 9));
  EXPECT_EQ(dst.Pixel(2, 2), Rgb(3, 3, 9));
  EXPECT_EQ(dst.Pixel(0, 0), kGround);
  EXPECT_EQ(dst.Pixel(3, 3), kGround);
}

TEST(PaintImageSlicesTest, NothingForHiddenState0TinyRectNoManagerOrOversizedBorders) {
  MasterSkin m(9, 6);
  for (int s = 0; s < 3; ++s) PaintMaskedPicture(m, s * 3, 3, 3, s);
  TsMaskData md = m.Entry({0, 0, 9, 6}, 3, 1, 2, 1, 1, 1, 1);
  Bitmap32 dst = Filled(6, 6, kGround);
  const auto before = Snapshot(dst);
  PaintImageSlices(&dst, {0, 0, 6, 6}, EmptyBgInfo(), false, 0, md);
  EXPECT_EQ(Snapshot(dst), before);
  PaintImageSlices(&dst, {0, 0, 6, 6}, EmptyBgInfo(), false, 1, md);
  EXPECT_EQ(dst.Pixel(0, 0), Rgb(1, 1, 1));  // other states do draw

  md.DrawMode = 0;
  Bitmap32 small = Filled(6, 6, kGround);
  PaintImageSlices(&small, {0, 0, 1, 6}, EmptyBgInfo(), false, 0, md);
  PaintImageSlices(&small, {0, 0, 6, 1}, EmptyBgInfo(), false, 0, md);
  TsMaskData orphan = md;
  orphan.Manager = nullptr;
  PaintImageSlices(&small, {0, 0, 6, 6}, EmptyBgInfo(), false, 0, orphan);
  TsMaskData wide = md;
  wide.WL = wide.WR = 2;  // 2 + 2 > 3: negative middle
  PaintImageSlices(&small, {0, 0, 6, 6}, EmptyBgInfo(), false, 0, wide);
  PaintImageSlices(nullptr, {0, 0, 6, 6}, EmptyBgInfo(), false, 0, md);
  EXPECT_EQ(Snapshot(small), before);
}

TEST(PaintImageSlicesTest, StateBeyondTheCountShowsTheLastPicture) {
  MasterSkin m(9, 6);
  for (int s = 0; s < 3; ++s) PaintMaskedPicture(m, s * 3, 3, 3, 10 + s);
  const TsMaskData md = m.Entry({0, 0, 9, 6}, 3, 1, 0, 1, 1, 1, 1);
  Bitmap32 dst = Filled(3, 3, kGround);
  PaintImageSlices(&dst, {0, 0, 3, 3}, EmptyBgInfo(), false, 5, md);
  EXPECT_EQ(dst.Pixel(0, 0), Rgb(1, 1, 12));
  PaintImageSlices(&dst, {0, 0, 3, 3}, EmptyBgInfo(), false, -3, md);
  EXPECT_EQ(dst.Pixel(0, 0), Rgb(1, 1, 10));
}

TEST(PaintImageSlicesTest, TiledLeftEdgeRepeatsThePieceAndCutsTheLastOne) {
  // A 3 x 6 key-colour picture, borders 1: the left edge piece is rows 1..4 (4 long).
  MasterSkin m(3, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 3; ++x) m.Set(x, y, Rgb(x, y, 7));
  const TsMaskData md = m.Entry({0, 0, 3, 6}, 1, 0, 0, 1, 1, 1, 1);
  Bitmap32 dst = Filled(3, 12, kGround);
  PaintImageSlices(&dst, {0, 0, 3, 12}, EmptyBgInfo(), false, 0, md);  // edge length 10
  const int expectRow[10] = {1, 2, 3, 4, 1, 2, 3, 4, 1, 2};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(dst.Pixel(0, 1 + i), Rgb(0, expectRow[i], 7)) << i;
  EXPECT_EQ(dst.Pixel(0, 11), Rgb(0, 5, 7));  // the bottom-left corner
  EXPECT_EQ(dst.Pixel(1, 5), kGround);        // no centre without bit 2
}

TEST(PaintImageSlicesTest, StretchedSinglePixelCentreIsOneFillOrOneBlend) {
  MasterSkin m(3, 6);
  PaintMaskedPicture(m, 0, 3, 3, 0);
  m.Set(1, 1, Rgb(200, 100, 50));
  TsMaskData md = m.Entry({0, 0, 3, 6}, 1, 1, 5, 1, 1, 1, 1);
  Bitmap32 dst = Filled(10, 8, 0x00101010u);  // alpha 0: the fill makes it opaque
  PaintImageSlices(&dst, {0, 0, 10, 8}, EmptyBgInfo(), false, 0, md);
  for (int y = 1; y < 7; ++y)
    for (int x = 1; x < 9; ++x) ASSERT_EQ(dst.Pixel(x, y), Rgb(200, 100, 50)) << x << "," << y;

  m.Set(1, 4, 0xFF808080u);  // mask 128: half way, alpha unchanged
  Bitmap32 half = Filled(10, 8, 0x00000000u);
  PaintImageSlices(&half, {0, 0, 10, 8}, EmptyBgInfo(), false, 0, md);
  const std::uint32_t expect = (std::uint32_t(BlendStep(0, 200, 128)) << 16) |
                               (std::uint32_t(BlendStep(0, 100, 128)) << 8) | BlendStep(0, 50, 128);
  EXPECT_EQ(half.Pixel(5, 4), expect);

  m.Set(1, 4, 0xFFFFFFFFu);  // mask 255: the centre stays as it was
  Bitmap32 kept = Filled(10, 8, kGround);
  PaintImageSlices(&kept, {0, 0, 10, 8}, EmptyBgInfo(), false, 0, md);
  EXPECT_EQ(kept.Pixel(5, 4), kGround);
}

TEST(PaintImageSlicesTest, StretchedEdgesCoverTheWholeLengthOpaque) {
  MasterSkin m(4, 8);
  PaintMaskedPicture(m, 0, 4, 4, 3);
  const TsMaskData md = m.Entry({0, 0, 4, 8}, 1, 1, 1, 1, 1, 1, 1);
  Bitmap32 dst = Filled(20, 9, 0x00101010u);
  PaintImageSlices(&dst, {0, 0, 20, 9}, EmptyBgInfo(), false, 0, md);
  for (int x = 1; x < 19; ++x) {
    EXPECT_EQ(dst.Pixel(x, 0) >> 24, 0xFFu) << x;  // stretched masked pieces are opaque
    EXPECT_EQ(dst.Pixel(x, 8) >> 24, 0xFFu) << x;
  }
  for (int y = 1; y < 8; ++y) EXPECT_EQ(dst.Pixel(0, y) >> 24, 0xFFu) << y;
  EXPECT_EQ(dst.Pixel(5, 4), 0x00101010u);  // centre untouched without bit 2
}

TEST(PaintImageSlicesTest, KeyCornerShowsTheFillColourOrTheBackgroundPicture) {
  // Key-colour picture 3 x 3 whose top-left pixel is the key.
  MasterSkin m(3, 3, Rgb(1, 2, 3));
  m.Set(0, 0, KeyPixel);
  TsMaskData md = m.Entry({0, 0, 3, 3}, 1, 0, 0, 1, 1, 1, 1);
  md.Cfg = 1;
  TacBgInfo fill;
  fill.FillColor = 0x123456;
  Bitmap32 dst = Filled(4, 4, kGround);
  PaintImageSlices(&dst, {0, 0, 4, 4}, fill, true, 0, md);
  EXPECT_EQ(dst.Pixel(0, 0) & 0x00FFFFFFu, 0x563412u);
  // Over a background picture: it shows only with the caller's consent and Cfg set.
  Bitmap32 picture = Filled(4, 4, 0xFF445566u);
  Bitmap32 plain = Filled(4, 4, kGround);
  PaintImageSlices(&plain, {0, 0, 4, 4}, BgInfoFromBitmap(&picture, 0, 0), false, 0, md);
  EXPECT_EQ(plain.Pixel(0, 0), kGround);
  md.Cfg = 0;
  PaintImageSlices(&plain, {0, 0, 4, 4}, BgInfoFromBitmap(&picture, 0, 0), true, 0, md);
  EXPECT_EQ(plain.Pixel(0, 0), kGround);
  md.Cfg = 1;
  PaintImageSlices(&plain, {0, 0, 4, 4}, BgInfoFromBitmap(&picture, 0, 0), true, 0, md);
  EXPECT_EQ(plain.Pixel(0, 0), 0xFF445566u);

  // A masked corner over a ready background picture: key pixels take it, all opaque.
  MasterSkin mm(3, 6);
  PaintMaskedPicture(mm, 0, 3, 3, 4);
  mm.Set(2, 0, KeyPixel);
  TsMaskData masked = mm.Entry({0, 0, 3, 6}, 1, 1, 0, 1, 1, 1, 1);
  masked.Cfg = 1;
  Bitmap32 behind = test::Pattern(10, 10);
  Bitmap32 out = Filled(5, 5, 0x00101010u);
  PaintImageSlices(&out, {1, 1, 4, 4}, BgInfoFromBitmap(&behind, 2, 3), true, 0, masked);
  EXPECT_EQ(out.Pixel(3, 1), behind.Pixel(5, 4) | 0xFF000000u);
  EXPECT_EQ(out.Pixel(1, 1), Rgb(1, 1, 4));
  // Without it, the masked copy also covers the key pixel (its mask shows it).
  Bitmap32 again = Filled(5, 5, 0x00101010u);
  PaintImageSlices(&again, {1, 1, 4, 4}, BgInfoFromBitmap(&behind, 2, 3), false, 0, masked);
  EXPECT_EQ(again.Pixel(3, 1), KeyPixel | 0xFF000000u);
}

TEST(PaintImageSlicesTest, OwnAlphaPiecesComposeOverTheDestination) {
  MasterSkin m(3, 3, 0x80FF0000u);  // half-transparent red
  const TsMaskData md = m.Entry({0, 0, 3, 3}, 1, 0, 16 | 4, 1, 1, 1, 1);
  Bitmap32 dst = Filled(6, 6, 0xFF0000FFu);
  PaintImageSlices(&dst, {0, 0, 6, 6}, EmptyBgInfo(), false, 0, md);
  const std::uint32_t mixed = dst.Pixel(3, 3);
  EXPECT_GT((mixed >> 16) & 0xFF, 0x60u);
  EXPECT_GT(mixed & 0xFF, 0x60u);
  EXPECT_EQ(dst.Pixel(0, 0), mixed);  // corners, tiled edges and centre alike
}

TEST(PaintImageSlicesTest, DestinationsOutsideTheBitmapAreCut) {
  MasterSkin m(3, 6);
  PaintMaskedPicture(m, 0, 3, 3, 5);
  const TsMaskData md = m.Entry({0, 0, 3, 6}, 1, 1, 5, 1, 1, 1, 1);
  Bitmap32 dst = Filled(4, 4, kGround);
  PaintImageSlices(&dst, {-50, -7, 3, 60}, EmptyBgInfo(), false, 0, md);
  PaintImageSlices(&dst, {2, 2, 100000, 100000}, EmptyBgInfo(), false, 0, md);
  EXPECT_EQ(dst.Pixel(2, 2), Rgb(1, 1, 5));
}

TEST(PaintImageSlicesAlphaTest, KeyPixelsTakeTheCopyOrBecomeClearAndMaskWeightsAll) {
  MasterSkin m(3, 6);
  PaintMaskedPicture(m, 0, 3, 3, 6);
  m.Set(0, 0, KeyPixel);
  m.Set(1, 0, KeyPixel);     // a key pixel on the tiled top edge
  m.Set(2, 3, 0xFF404040u);  // top-right corner mask 64
  const TsMaskData md = m.Entry({0, 0, 3, 6}, 1, 1, 0, 1, 1, 1, 1);
  Bitmap32 dst = Filled(4, 4, 0x80204060u);
  Bitmap32 copy = dst;
  copy.SetPixel(0, 0, 0x11223344u);
  PaintImageSlicesAlpha(&dst, {0, 0, 4, 4}, BgInfoFromBitmap(&copy, 0, 0), 0, md);
  EXPECT_EQ(dst.Pixel(0, 0), 0x11223344u);  // corner key: the copy
  EXPECT_EQ(dst.Pixel(1, 0), 0x00204060u);  // edge key: clear
  const std::uint32_t p = Rgb(3, 1, 6), d = 0x80204060u;
  std::uint32_t expect = 0xBF000000u;  // max(0x80, 255 - 64)
  for (int s = 0; s < 24; s += 8) expect |= ((((d >> s) & 0xFF) * 64 + ((p >> s) & 0xFF) * 191) >> 8) << s;
  EXPECT_EQ(dst.Pixel(3, 0), expect);
}

TEST(PaintImageSlicesAlphaTest, StretchedPiecesCopyExactlyWhereTheMaskShowsAll) {
  MasterSkin m(3, 6);
  PaintMaskedPicture(m, 0, 3, 3, 6);
  m.Set(1, 3, 0xFFFFFFFFu);  // the top edge's mask hides it
  const TsMaskData md = m.Entry({0, 0, 3, 6}, 1, 1, 1, 1, 1, 1, 1);
  Bitmap32 dst = Filled(8, 8, 0x20304050u);
  PaintImageSlicesAlpha(&dst, {0, 0, 8, 8}, EmptyBgInfo(), 0, md);
  EXPECT_EQ(dst.Pixel(0, 4), Rgb(1, 2, 6));  // left edge, mask 0: the exact picture pixel
  EXPECT_EQ(dst.Pixel(4, 0), 0x20304050u);   // top edge, mask 255: left alone
  EXPECT_EQ(dst.Canvas().GetStretchMode(), gfx::StretchMode::ColorOnColor);
}

TEST(PaintImageSlicesTest, ShrunkEdgesAndCentresGoThroughTheSmoothFilter) {
  // A 12-wide picture (borders 1, middle 10) drawn 6 wide: the top edge shrinks at its own
  // height, which takes the smooth filter; everything stays opaque and inside.
  MasterSkin m(12, 8);
  PaintMaskedPicture(m, 0, 12, 4, 8);
  const TsMaskData md = m.Entry({0, 0, 12, 8}, 1, 1, 5, 1, 1, 1, 1);
  Bitmap32 dst = Filled(6, 4, 0x00000000u);
  PaintImageSlices(&dst, {0, 0, 6, 4}, EmptyBgInfo(), false, 0, md);
  for (int y = 0; y < 4; ++y)
    for (int x = 1; x < 5; ++x) EXPECT_EQ(dst.Pixel(x, y) >> 24, 0xFFu) << x << "," << y;
  // Corners are masked copies at their own size, which keep the destination's alpha.
  EXPECT_EQ(dst.Pixel(0, 0), Rgb(1, 1, 8) & 0x00FFFFFFu);
  EXPECT_EQ(dst.Pixel(5, 3), Rgb(12, 4, 8) & 0x00FFFFFFu);
}

TEST(PaintImageSlicesOuterTest, EdgesOnlyAsThickAsTheVisibleWidthsFromTheOuterSide) {
  MasterSkin m(9, 18);
  PaintMaskedPicture(m, 0, 9, 9, 2);
  const TsMaskData md = m.Entry({0, 0, 9, 18}, 1, 1, 1, 3, 3, 3, 3);
  Bitmap32 dst = Filled(20, 20, 0x00000000u);
  PaintImageSlicesOuter(&dst, {0, 0, 20, 20}, EmptyBgInfo(), 255, {1, 3, 2, 0}, 0, md);
  // Left edge: one column, the outer one of the source edge; right edge: two columns.
  EXPECT_NE(dst.Pixel(0, 10), 0u);
  EXPECT_EQ(dst.Pixel(1, 10), 0u);
  EXPECT_EQ(dst.Pixel(17, 10), 0u);
  EXPECT_NE(dst.Pixel(18, 10), 0u);
  EXPECT_EQ((dst.Pixel(19, 10) >> 16) & 0xFF, 9u * 255 / 256);  // from the picture's last column
  EXPECT_NE(dst.Pixel(10, 2), 0u);                              // top edge full
  EXPECT_EQ(dst.Pixel(10, 19), 0u);                             // no bottom edge
  EXPECT_NE(dst.Pixel(19, 19), 0u);                             // corners at full size
  // Alpha of clear pixels becomes the weight (opacity times mask cover).
  EXPECT_EQ(dst.Pixel(0, 10) >> 24, 254u);
  Bitmap32 faint = Filled(20, 20, 0x00000000u);
  PaintImageSlicesOuter(&faint, {0, 0, 20, 20}, EmptyBgInfo(), 100, {3, 3, 3, 3}, 0, md);
  EXPECT_EQ(faint.Pixel(0, 10) >> 24, (100u * 255) >> 8);
}

}  // namespace
}  // namespace skin
