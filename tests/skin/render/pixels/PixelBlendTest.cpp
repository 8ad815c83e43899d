#include <gtest/gtest.h>

#include "tests/skin/support/PixelTestSupport.h"
#include "skin/render/pixels/acPixelBlend.h"

namespace skin {
namespace {

using test::Filled;
using test::Pattern;
using test::Snapshot;

TEST(FillPixels, SwapsColourAndSetsAlpha) {
  Bitmap32 b = Filled(3, 2, 0);
  FillPixels(&b, {0, 0, 3, 2}, 0x00112233, 0x80);
  EXPECT_EQ(b.Pixel(2, 1), 0x80332211u);
}

TEST(FillPixels, ClipsToBitmapAndIgnoresEmptyRectangles) {
  Bitmap32 b = Filled(4, 4, 1);
  FillPixels(&b, {-10, -10, 100, 100}, 0xFFFFFF, 255);
  for (auto p : Snapshot(b)) EXPECT_EQ(p, 0xFFFFFFFFu);
  Bitmap32 c = Filled(4, 4, 1);
  FillPixels(&c, {3, 0, 3, 4}, 0xFFFFFF, 255);      // Right == Left
  FillPixels(&c, {3, 0, 1, 4}, 0xFFFFFF, 255);      // inverted
  FillPixels(&c, {10, 10, 20, 20}, 0xFFFFFF, 255);  // outside
  FillPixels(nullptr, {0, 0, 4, 4}, 0, 0);
  for (auto p : Snapshot(c)) EXPECT_EQ(p, 1u);
  // Only the covered part changes.
  FillPixels(&c, {2, 3, 10, 10}, 0, 7);
  EXPECT_EQ(c.Pixel(2, 3), 0x07000000u);
  EXPECT_EQ(c.Pixel(1, 3), 1u);
  EXPECT_EQ(c.Pixel(2, 2), 1u);
}

TEST(BlendBitmapRect, BlendsAllFourBytesWithDestinationWeight) {
  Bitmap32 d = Filled(2, 1, 0xFF00FF80);
  Bitmap32 s = Filled(2, 1, 0x00FF0040);
  BlendBitmapRect(&d, &s, 255, {0, 0}, {0, 0, 1, 0});
  // d' = ((d - s) * 255 + s * 256) >> 8 per byte
  auto step = [](int dv, int sv) { return ((dv - sv) * 255 + sv * 256) >> 8; };
  const std::uint32_t expect = (std::uint32_t(step(0xFF, 0x00)) << 24) | (std::uint32_t(step(0x00, 0xFF)) << 16) |
                               (std::uint32_t(step(0xFF, 0x00)) << 8) | std::uint32_t(step(0x80, 0x40));
  EXPECT_EQ(d.Pixel(0, 0), expect);
  BlendBitmapRect(&d, &s, 0, {0, 0}, {0, 0, 1, 0});
  EXPECT_EQ(d.Pixel(1, 0), 0x00FF0040u);  // t = 0: the source
}

TEST(BlendBitmapRect, NegativeDestinationKeepsVisiblePart) {
  Bitmap32 d = Filled(4, 4, 0);
  Bitmap32 s = Pattern(4, 4);
  BlendBitmapRect(&d, &s, 0, {-1, -2}, {0, 0, 3, 3});
  EXPECT_EQ(d.Pixel(0, 0), s.Pixel(1, 2));
  EXPECT_EQ(d.Pixel(2, 1), s.Pixel(3, 3));
  EXPECT_EQ(d.Pixel(3, 0), 0u);
  EXPECT_EQ(d.Pixel(0, 2), 0u);
}

TEST(AlphaBlitRect, OpaqueSourceOverTransparentDestination) {
  Bitmap32 d = Filled(1, 1, 0x00000000);
  Bitmap32 s = Filled(1, 1, 0xFFC8C8C8);  // channels 200, alpha 255
  AlphaBlitRect(&d, &s, {0, 0, 0, 0}, 255, {0, 0});
  EXPECT_EQ(d.Pixel(0, 0), 0xFEC7C7C7u);
}

TEST(AlphaBlitRect, OpaqueSourceGivesSourceOrOneBelow) {
  for (int dv : {0, 50, 100, 150, 200, 255}) {
    Bitmap32 d = Filled(1, 1, 0x80000000u | (std::uint32_t(dv) << 16) | (std::uint32_t(dv) << 8) | dv);
    Bitmap32 s = Filled(1, 1, 0xFF969696);  // 150
    AlphaBlitRect(&d, &s, {0, 0, 0, 0}, 255, {0, 0});
    const int got = d.Pixel(0, 0) & 0xFF;
    EXPECT_EQ(got, dv >= 150 ? 150 : 149) << dv;
    EXPECT_GE(d.Pixel(0, 0) >> 24, 254u);
  }
}

TEST(AlphaBlitRect, OpacityScalesSourceAlpha) {
  Bitmap32 d = Filled(1, 1, 0xFF000000);
  Bitmap32 s = Filled(1, 1, 0xC8FF0000);  // red 255, alpha 200
  AlphaBlitRect(&d, &s, {0, 0, 0, 0}, 128, {0, 0});
  const int w = (200 * 128) >> 8;  // 100
  EXPECT_EQ((d.Pixel(0, 0) >> 16) & 0xFF, std::uint32_t((255 * w) >> 8));
  EXPECT_EQ(d.Pixel(0, 0) >> 24, 255u);  // destination alpha never drops
}

TEST(AlphaBlitRect, TransparentSourceLeavesDestination) {
  Bitmap32 d = Pattern(3, 3);
  const auto before = Snapshot(d);
  Bitmap32 s = Filled(3, 3, 0x00FFFFFF);
  AlphaBlitRect(&d, &s, {0, 0, 2, 2}, 255, {0, 0});
  EXPECT_EQ(Snapshot(d), before);
}

TEST(BlendKeyedRect, SkipsKeyComparedAsGiven) {
  Bitmap32 d = Filled(2, 1, 0x00000000);
  Bitmap32 s(2, 1);
  s.SetPixel(0, 0, 0x00FF00FF);
  s.SetPixel(1, 0, 0xFFFFFFFF);
  BlendKeyedRect(&d, 0, 0, 0x00FF00FF, 100, {0, 0, 1, 0}, &s);
  EXPECT_EQ(d.Pixel(0, 0), 0u);
  const std::uint32_t c = (255 * 155) >> 8;
  EXPECT_EQ(d.Pixel(1, 0), (c << 24) | (c << 16) | (c << 8) | c);
}

TEST(ShadeRect, InclusiveRectangleAndColour) {
  Bitmap32 b = Filled(3, 3, 0x7F000000);
  ShadeRect(&b, {1, 1, 5, 5}, 0, 0x0000FF);  // red, w 0: all colour
  EXPECT_EQ(b.Pixel(0, 0), 0x7F000000u);
  EXPECT_EQ(b.Pixel(1, 1), 0x7F000000u | (((255 * 255) >> 8) << 16));
  EXPECT_EQ(b.Pixel(2, 2), b.Pixel(1, 1));
  // An inclusive rectangle of one pixel touches exactly that pixel.
  Bitmap32 c = Filled(3, 3, 0);
  ShadeRect(&c, {1, 1, 1, 1}, 0, 0xFFFFFF);
  EXPECT_NE(c.Pixel(1, 1), 0u);
  EXPECT_EQ(c.Pixel(2, 1), 0u);
  EXPECT_EQ(c.Pixel(1, 2), 0u);
}

TEST(SetAlphaRect, SkipsKeyPixels) {
  Bitmap32 b = Filled(2, 1, 0x00FF00FF);
  b.SetPixel(1, 0, 0x00123456);
  SetAlphaRect(&b, {0, 0, 2, 1}, 255, 0x00FF00FF);
  EXPECT_EQ(b.Pixel(0, 0), 0x00FF00FFu);
  EXPECT_EQ(b.Pixel(1, 0), 0xFF123456u);
  SetAlphaRect(&b, {0, 0, 2, 1}, 9, NoKey);
  EXPECT_EQ(b.Pixel(0, 0), 0x09FF00FFu);
}

// Every routine with bad input leaves its destination untouched.
TEST(PixelRobustness, BadRectanglesAndBitmapsChangeNothing) {
  Bitmap32 d = Pattern(5, 5);
  Bitmap32 s = Pattern(5, 5, 99);
  Bitmap32 empty;
  Bitmap32 gray(5, 5, gfx::PixelFormat::Gray8);
  const auto before = Snapshot(d);
  const TRect bad[] = {{3, 3, 1, 1},
                       {-100, -100, -50, -50},
                       {50, 50, 60, 60},
                       {0, 0, -1, -1},
                       {INT32_MIN, INT32_MIN, INT32_MAX - 1, INT32_MIN}};
  for (const TRect& r : bad) {
    BlendBitmapRect(&d, &s, 10, {0, 0}, r);
    AlphaBlitRect(&d, &s, r, 255, {0, 0});
    BlendKeyedRect(&d, 0, 0, NoKey, 10, r, &s);
    ShadeRect(&d, r, 10, 0);
    SetAlphaRect(&d, r, 1, NoKey);
    FillPixels(&d, r, 0, 0);
  }
  const TRect whole{0, 0, 4, 4};
  BlendBitmapRect(&d, &s, 10, {5, 0}, whole);
  BlendBitmapRect(&d, &s, 10, {0, -5}, whole);
  BlendBitmapRect(&d, &s, 10, {INT32_MAX, INT32_MAX}, whole);
  BlendBitmapRect(&d, &s, 10, {INT32_MIN, 0}, whole);
  AlphaBlitRect(&d, nullptr, whole, 255, {0, 0});
  AlphaBlitRect(&d, &empty, whole, 255, {0, 0});
  AlphaBlitRect(&d, &gray, whole, 255, {0, 0});
  BlendKeyedRect(&d, 0, 0, NoKey, 1, whole, &empty);
  BlendBitmapRect(nullptr, &s, 1, {0, 0}, whole);
  AlphaBlitRect(&empty, &s, whole, 255, {0, 0});
  ShadeRect(&gray, whole, 1, 0);
  EXPECT_EQ(Snapshot(d), before);
}

TEST(PixelRobustness, HugeRectanglesClipToBitmap) {
  Bitmap32 d = Filled(3, 3, 0);
  Bitmap32 s = Filled(3, 3, 0xFFFFFFFF);
  AlphaBlitRect(&d, &s, {INT32_MIN, INT32_MIN, INT32_MAX - 1, INT32_MAX - 1}, 255, {0, 0});
  // The source rectangle starts far left of the bitmap: its visible part lands far right.
  EXPECT_EQ(d.Pixel(0, 0), 0u);
  AlphaBlitRect(&d, &s, {-1, -1, INT32_MAX - 1, INT32_MAX - 1}, 255, {-1, -1});
  EXPECT_EQ(d.Pixel(0, 0) & 0xFFFFFF, 0xFEFEFEu);
  EXPECT_EQ(d.Pixel(2, 2) & 0xFFFFFF, 0xFEFEFEu);
}

}  // namespace
}  // namespace skin
