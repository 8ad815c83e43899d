#include <gtest/gtest.h>

#include "tests/skin/support/PixelTestSupport.h"
#include "skin/render/pixels/acKeyedCopy.h"

namespace skin {
namespace {

using test::Filled;
using test::Pattern;
using test::Snapshot;

TEST(CopyKeyed, SkipsOnlyExactKeyPixels) {
  Bitmap32 d = Filled(3, 1, 0x11111111);
  Bitmap32 s(3, 1);
  s.SetPixel(0, 0, 0x00FF00FF);  // key
  s.SetPixel(1, 0, 0xFFFF00FF);  // magenta with alpha: not a key pixel
  s.SetPixel(2, 0, 0x80123456);
  CopyKeyed(&d, &s, 0, 0, KeyColor, {0, 0, 2, 0}, 0);
  EXPECT_EQ(d.Pixel(0, 0), 0x11111111u);
  EXPECT_EQ(d.Pixel(1, 0), 0xFFFF00FFu);
  EXPECT_EQ(d.Pixel(2, 0), 0x80123456u);
}

TEST(CopyKeyed, NegativeDestinationXLeavesOutFirstColumns) {
  Bitmap32 d = Filled(8, 2, 0);
  Bitmap32 s = Pattern(6, 2);
  CopyKeyed(&d, &s, -3, 0, NoKey, {0, 0, 5, 1}, 0);
  for (int x = 0; x < 3; ++x) EXPECT_EQ(d.Pixel(x, 1), s.Pixel(x + 3, 1));
  EXPECT_EQ(d.Pixel(3, 0), 0u);
}

TEST(CopyKeyed, RowsClippedAtRightEdgeKeepVisiblePart) {
  Bitmap32 d = Filled(4, 1, 0);
  Bitmap32 s = Pattern(4, 1);
  CopyKeyed(&d, &s, 2, 0, NoKey, {0, 0, 3, 0}, 0);
  EXPECT_EQ(d.Pixel(2, 0), s.Pixel(0, 0));
  EXPECT_EQ(d.Pixel(3, 0), s.Pixel(1, 0));
}

TEST(CopyKeyed, FadeMixesTowardSourceAndRaisesAlpha) {
  Bitmap32 d = Filled(1, 1, 0x10000000);
  Bitmap32 s = Filled(1, 1, 0x00C80000);  // red 200
  CopyKeyed(&d, &s, 0, 64, KeyColor, {0, 0, 0, 0}, 0);
  EXPECT_EQ((d.Pixel(0, 0) >> 16) & 0xFF, std::uint32_t((200 * 64) >> 8));
  EXPECT_EQ(d.Pixel(0, 0) >> 24, 64u);
  Bitmap32 e = Filled(1, 1, 0xF0000000);
  CopyKeyed(&e, &s, 0, 64, KeyColor, {0, 0, 0, 0}, 0);
  EXPECT_EQ(e.Pixel(0, 0) >> 24, 0xF0u);
}

TEST(CopyKeyedOpaque, MakesCopiedPixelsOpaqueAndCutsLeftAndTop) {
  Bitmap32 d = Filled(3, 3, 0x01010101);
  Bitmap32 s(2, 2);
  s.SetPixel(0, 0, 0x00112233);
  s.SetPixel(1, 0, 0x00FF00FF);
  s.SetPixel(0, 1, 0x00445566);
  s.SetPixel(1, 1, 0x00778899);
  CopyKeyedOpaque(&d, &s, -1, KeyColor, -1);
  EXPECT_EQ(d.Pixel(0, 0), 0xFF778899u);
  EXPECT_EQ(d.Pixel(1, 0), 0x01010101u);
  CopyKeyedOpaque(&d, &s, 1, KeyColor, 1);
  EXPECT_EQ(d.Pixel(1, 1), 0xFF112233u);
  EXPECT_EQ(d.Pixel(2, 1), 0x01010101u);  // key skipped
  EXPECT_EQ(d.Pixel(1, 2), 0xFF445566u);
}

class OverBackground : public ::testing::Test {
 protected:
  void SetUp() override {
    src = Bitmap32(2, 1);
    src.SetPixel(0, 0, KeyPixel);
    src.SetPixel(1, 0, 0x00ABCDEF);
    dst = Filled(4, 2, 0x7F000000);
    dst.SetPixel(0, 0, 0x33000000);
  }
  Bitmap32 src, dst;
};

TEST_F(OverBackground, BackgroundIsDestinationKeepsPixelAndMakesWrittenOpaque) {
  TacBgInfo bg = BgInfoFromBitmap(&dst, 0, 0);
  CopyKeyedOverBackground(&dst, &src, 1, true, bg, KeyColor, {0, 0, 1, 0}, 1);
  EXPECT_EQ(dst.Pixel(1, 1), 0x7F000000u);
  EXPECT_EQ(dst.Pixel(2, 1), 0xFFABCDEFu);
}

TEST_F(OverBackground, OtherBitmapShowsThroughWithOffset) {
  Bitmap32 back = Pattern(6, 6);
  TacBgInfo bg = BgInfoFromBitmap(&back, 2, 3);
  CopyKeyedOverBackground(&dst, &src, 1, true, bg, KeyColor, {0, 0, 1, 0}, 1);
  EXPECT_EQ(dst.Pixel(1, 1), back.Pixel(3, 4));
  EXPECT_EQ(dst.Pixel(2, 1), 0x00ABCDEFu);
  // Outside the background picture the destination is kept.
  TacBgInfo far = BgInfoFromBitmap(&back, 100, 0);
  dst.SetPixel(1, 0, 0x12);
  CopyKeyedOverBackground(&dst, &src, 1, true, far, KeyColor, {0, 0, 1, 0}, 0);
  EXPECT_EQ(dst.Pixel(1, 0), 0x12u);
}

TEST_F(OverBackground, ReadyWithoutBitmapKeeps) {
  TacBgInfo bg;
  bg.Ready = true;
  CopyKeyedOverBackground(&dst, &src, 1, true, bg, KeyColor, {0, 0, 1, 0}, 1);
  EXPECT_EQ(dst.Pixel(1, 1), 0x7F000000u);
  Bitmap32 back = Pattern(6, 6);
  TacBgInfo withBmp = BgInfoFromBitmap(&back, 0, 0);
  CopyKeyedOverBackground(&dst, &src, 1, false, withBmp, KeyColor, {0, 0, 1, 0}, 1);
  EXPECT_EQ(dst.Pixel(1, 1), 0x7F000000u);
}

TEST_F(OverBackground, NotReadyFillsWithColourAndAlphaOfFirstPixel) {
  TacBgInfo bg;
  bg.FillColor = 0x00112233;
  CopyKeyedOverBackground(&dst, &src, 1, true, bg, KeyColor, {0, 0, 1, 0}, 1);
  EXPECT_EQ(dst.Pixel(1, 1), 0x33332211u);
}

TEST(CopyKeyedOverBackground, SourceMayBeDestination) {
  Bitmap32 b = Pattern(4, 1);
  const auto before = Snapshot(b);
  TacBgInfo bg;
  bg.Ready = true;
  CopyKeyedOverBackground(&b, &b, 1, false, bg, KeyColor, {0, 0, 2, 0}, 0);
  EXPECT_EQ(b.Pixel(1, 0), before[0]);
  EXPECT_EQ(b.Pixel(2, 0), before[1]);
  EXPECT_EQ(b.Pixel(3, 0), before[2]);
}

TEST(MaskedPixel, MaskWeightsChannelsSeparately) {
  // Mask 0 shows the picture, 255 keeps the destination (one step short).
  EXPECT_EQ(MaskedPixel(0xAA000000, 0x00FFFFFF, 0x00000000), 0xAAFFFFFFu);
  EXPECT_EQ(MaskedPixel(0x00C8C8C8, 0x00000000, 0x00FFFFFF), 0x00C7C7C7u);
  const std::uint32_t m = MaskedPixel(0x00000000, 0x00FFFFFF, 0x0000FF00);
  EXPECT_EQ(m & 0xFF, 0xFFu);
  EXPECT_EQ((m >> 8) & 0xFF, 0u);
}

TEST(KeyedRobustness, BadInputChangesNothing) {
  Bitmap32 d = Pattern(4, 4);
  Bitmap32 s = Pattern(4, 4, 5);
  Bitmap32 empty;
  const auto before = Snapshot(d);
  for (const TRect& r : {TRect{2, 2, 0, 0}, TRect{-9, -9, -5, -5}, TRect{9, 9, 12, 12}}) {
    CopyKeyed(&d, &s, 0, 0, NoKey, r, 0);
    CopyKeyedOverBackground(&d, &s, 0, false, EmptyBgInfo(), KeyColor, r, 0);
  }
  CopyKeyed(&d, &s, 4, 0, NoKey, {0, 0, 3, 3}, 0);
  CopyKeyed(&d, &s, -4, 0, NoKey, {0, 0, 3, 3}, 0);
  CopyKeyed(&d, nullptr, 0, 0, NoKey, {0, 0, 3, 3}, 0);
  CopyKeyedOpaque(&d, &empty, 0, NoKey, 0);
  CopyKeyedOpaque(&d, &s, 0, NoKey, 4);
  CopyKeyedOpaque(&d, &s, INT32_MIN, NoKey, 0);
  CopyKeyedOverBackground(&d, nullptr, 0, false, EmptyBgInfo(), KeyColor, {0, 0, 3, 3}, 0);
  CopyKeyedOverBackground(&empty, &s, 0, false, EmptyBgInfo(), KeyColor, {0, 0, 3, 3}, 0);
  EXPECT_EQ(Snapshot(d), before);
}

}  // namespace
}  // namespace skin
