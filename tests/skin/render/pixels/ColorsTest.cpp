#include <gtest/gtest.h>

#include "platform/gfx/Surface.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/acBgInfo.h"
#include "skin/render/pixels/acBlendStep.h"
#include "skin/render/pixels/sColors.h"

namespace skin {
namespace {

TEST(Colors, SwapRedBlueExchangesBytesZeroAndTwo) {
  EXPECT_EQ(SwapRedBlue(0x00332211u), 0x00112233u);
  EXPECT_EQ(SwapRedBlue(0xAA332211u), 0xAA112233u);
  EXPECT_EQ(SwapRedBlue(SwapRedBlue(0x12345678u)), 0x12345678u);
  EXPECT_EQ(SwapRedBlue(KeyColor), KeyPixel);
}

TEST(Colors, TsColorViewsBytes) {
  TsColor c(0x80FF4020u);
  EXPECT_EQ(c.R(), 0x20);
  EXPECT_EQ(c.G(), 0x40);
  EXPECT_EQ(c.B(), 0xFF);
  EXPECT_EQ(c.A(), 0x80);
  EXPECT_LT(c.I(), 0);
  c.SetA(0);
  c.SetG(1);
  EXPECT_EQ(c.C, 0x00FF0120u);
}

TEST(Colors, BlendStepEnds) {
  // t = 0 returns the source exactly.
  for (int s = 0; s < 256; s += 17)
    for (int d = 0; d < 256; d += 51) EXPECT_EQ(BlendStep(d, s, 0), s);
  // t = 255 falls one step short of d when s is smaller.
  EXPECT_EQ(BlendStep(255, 0, 255), 254);
  EXPECT_EQ(BlendStep(0, 255, 255), 0);
  EXPECT_EQ(BlendStep(100, 100, 128), 100);
}

TEST(Colors, BlendColorValuesDividesBy256) {
  EXPECT_EQ(BlendColorValues(0xFFFFFF, 0xFFFFFF, 128), 0xFEFEFEu);
  EXPECT_EQ(BlendColorValues(0xFFFFFF, 0xFFFFFF, 0), 0xFEFEFEu);
  // w = 0 gives b's bytes as (b * 255) >> 8.
  EXPECT_EQ(BlendColorValues(0x000000, 0x804020, 0),
            (((0x80 * 255) >> 8) << 16) | (((0x40 * 255) >> 8) << 8) | ((0x20 * 255) >> 8));
  // Byte 3 comes from a.
  EXPECT_EQ(BlendColorValues(0x7F000000, 0x01000000, 10) >> 24, 0x7Fu);
}

TEST(Colors, ScaleAndCoverStepsFallShortOfAFullByte) {
  EXPECT_EQ(ScaleStep(255, 255), 254u);
  EXPECT_EQ(ScaleStep(200, 0), 0u);
  EXPECT_EQ(CoverStep(0, 255), 254u) << "a full cover over nothing";
  EXPECT_EQ(CoverStep(255, 255), 255u);
  EXPECT_EQ(CoverStep(100, 0), 100u);
  EXPECT_EQ(CoverStep(100, 128), 100u + ((155u * 128u) >> 8));
  // MixStep weighs both sides out of 255, BlendStep the destination out of 256.
  EXPECT_EQ(MixStep(0, 255, 0), 254);
  EXPECT_EQ(BlendStep(0, 255, 0), 255);
}

TEST(Colors, PercentToWeightUsesIntegerDivision) {
  EXPECT_EQ(PercentToWeight(100), 255);
  EXPECT_EQ(PercentToWeight(50), 127);
  EXPECT_EQ(PercentToWeight(1), 2);
}

TEST(Colors, SystemColoursResolve) {
  EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456u);
  EXPECT_EQ(ColorToRGB(clNone), clNone);
  EXPECT_EQ(ColorToRGB(gfx::clSystemColor | gfx::COLOR_BTNFACE), gfx::GetSysColor(gfx::COLOR_BTNFACE));
  EXPECT_EQ(gfx::GetSysColor(999), 0u);
}

TEST(Bitmap32, NegativeSizeGivesEmptyBitmap) {
  auto b = NewBitmap32(-5, 10);
  ASSERT_TRUE(b);
  EXPECT_EQ(b->Width(), 0);
  EXPECT_EQ(b->Height(), 0);
  std::uint32_t* first = nullptr;
  std::ptrdiff_t delta = 0;
  EXPECT_FALSE(RowAccess(b.get(), first, delta));
  EXPECT_FALSE(RowAccess(static_cast<Bitmap32*>(nullptr), first, delta));
}

TEST(Bitmap32, RowAccessGivesFirstRowAndDistance) {
  auto b = NewBitmap32(7, 3);
  std::uint32_t* first = nullptr;
  std::ptrdiff_t delta = 0;
  ASSERT_TRUE(RowAccess(b.get(), first, delta));
  EXPECT_EQ(first, b->Row(0));
  EXPECT_EQ(first + 2 * delta, b->Row(2));
  Bitmap32 gray(4, 4, gfx::PixelFormat::Gray8);
  EXPECT_FALSE(RowAccess(&gray, first, delta));
}

TEST(Bitmap32, SizeHelpers) {
  EXPECT_EQ(CreateBmp32(TRect{10, 20, 40, 25})->Width(), 30);
  EXPECT_EQ(CreateBmp32(TRect{10, 20, 40, 25})->Height(), 5);
  EXPECT_EQ(CreateBmp32(TSize{3, 4})->Height(), 4);
  Bitmap32 other(9, 2);
  EXPECT_EQ(CreateBmpLike(other)->Width(), 9);
  EXPECT_EQ(CreateBmp32(TRect{40, 0, 10, 5})->Width(), 0);  // inverted rectangle
}

TEST(Bitmap32, CanvasDrawsOnThePixelsAndFollowsResizes) {
  Bitmap32 b(4, 4);
  gfx::Surface& c = b.Canvas();
  c.SetViewportOrg({1, 1});
  c.FillRect({0, 0, 1, 1}, gfx::Brush::Solid(0x0000FF));
  EXPECT_EQ(b.Pixel(1, 1), 0xFFFF0000u);
  b.SetSize(10, 10);
  EXPECT_EQ(&b.Canvas(), &c);
  EXPECT_EQ(c.ViewportOrg(), (TPoint{1, 1}));  // the state survives the resize
  c.FillRect({8, 8, 20, 20}, gfx::Brush::Solid(0x0000FF));
  EXPECT_EQ(b.Pixel(9, 9), 0xFFFF0000u);
  b.Pixels().SetSize(2, 2);  // resized behind the bitmap's back
  b.Canvas().FillRect({-1, -1, 5, 5}, gfx::Brush::Solid(0xFF0000));
  EXPECT_EQ(b.Pixel(1, 1), 0xFF0000FFu);
  const Bitmap32 copy = b;
  EXPECT_EQ(copy.Pixel(1, 1), 0xFF0000FFu);
}

TEST(BgInfo, EmptyAndBitmapRecords) {
  const TacBgInfo& e = EmptyBgInfo();
  EXPECT_EQ(e.Bmp, nullptr);
  EXPECT_EQ(e.X, -99);
  EXPECT_EQ(e.Y, -99);
  EXPECT_EQ(e.FillColor, KeyColor);
  EXPECT_FALSE(e.Ready);
  Bitmap32 b(2, 2);
  TacBgInfo r = BgInfoFromBitmap(&b, 3, -4);
  EXPECT_EQ(r.Bmp, &b);
  EXPECT_EQ(r.X, 3);
  EXPECT_EQ(r.Y, -4);
  EXPECT_EQ(r.FillColor, KeyColor);
  EXPECT_TRUE(r.BorderFrame.IsEmpty());
  EXPECT_TRUE(r.Ready);
}

}  // namespace
}  // namespace skin
