#include <gtest/gtest.h>

#include "tests/skin/support/PixelTestSupport.h"
#include "skin/render/pixels/acGradient.h"

namespace skin {
namespace {

using test::Filled;
using test::Snapshot;

TEST(ParseGradientData, FiveItemLayoutExample) {
  const auto g = ParseGradientData(
      "15722975;14473420;49;0;0;14473420;13683137;12;0;0;13683137;11247504;36;0;0;11247504;"
      "11247504;0;0;0");
  ASSERT_EQ(g.size(), 4u);
  const int percents[] = {0, 49, 61, 100};
  const std::uint32_t colours[] = {15722975, 14473420, 13683137, 11247504};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(g[k].Index, k);
    EXPECT_EQ(g[k].Percent, percents[k]);
    EXPECT_EQ(g[k].Mode & gdDirectionMask, 0);
    EXPECT_EQ(g[k].Color.C, colours[k] | 0xFF000000u);
  }
}

TEST(ParseGradientData, FiveItemLayoutClearsBrushBitClampsAndFillsFourCorner) {
  const auto g = ParseGradientData("255;0;150;18;0;65280;0;10;0;0");
  ASSERT_EQ(g.size(), 5u);       // direction 2: filled up to five stops
  EXPECT_EQ(g[0].Mode, 2);       // 0x10 cleared
  EXPECT_EQ(g[1].Percent, 100);  // length clamped to 100
  EXPECT_EQ(g[4].Color.C, g[1].Color.C);
  EXPECT_EQ(g[4].Index, 4);
  EXPECT_EQ(g[4].Percent, 100);
}

TEST(ParseGradientData, LetterLayout) {
  const auto g = ParseGradientData("16711680;0;16;255;50;0;2147418112;140;0;C");
  ASSERT_EQ(g.size(), 3u);
  EXPECT_EQ(g[0].Color.C, 16711680u);  // all four bytes kept, no alpha added
  EXPECT_EQ(g[0].Mode, 0x10 | 0x20);   // a brush stop marks the whole gradient
  EXPECT_EQ(g[1].Percent, 50);
  EXPECT_EQ(g[2].Color.C, 2147418112u);
  EXPECT_EQ(g[2].Percent, 100);
  const auto plain = ParseGradientData("1;0;1;2;100;1;B");
  ASSERT_EQ(plain.size(), 2u);
  EXPECT_EQ(plain[0].Mode, 1);
}

TEST(ParseGradientData, ShortAndUnknownTexts) {
  EXPECT_TRUE(ParseGradientData("N/A").empty());
  EXPECT_TRUE(ParseGradientData("1;20").empty());
  EXPECT_TRUE(ParseGradientData("").empty());
  EXPECT_TRUE(ParseGradientData("1;2;3;4;5;6;7;8;9;1").empty());
  // A letter promising more stops than the list holds keeps the complete groups.
  EXPECT_EQ(ParseGradientData("1;0;0;2;100;0;Z").size(), 2u);
}

TEST(FillGradient, VerticalStepsRoundHalfToEven) {
  Bitmap32 b = Filled(3, 10, 0);
  FillGradient(&b, {0, 0, 3, 10}, ParseGradientData("0;0;100;0;0;16777215;0;0;0;0"), 0);
  const int expect[10] = {0, 26, 51, 76, 102, 128, 153, 178, 204, 230};
  for (int y = 0; y < 10; ++y) {
    EXPECT_EQ(b.Pixel(0, y), 0xFF000000u | expect[y] * 0x010101u) << y;
    EXPECT_EQ(b.Pixel(2, y), b.Pixel(0, y));
  }
}

TEST(FillGradient, VerticalSegmentsStartAtTheirStops) {
  Bitmap32 b = Filled(1, 100, 0);
  const auto g = ParseGradientData(
      "15722975;14473420;49;0;0;14473420;13683137;12;0;0;13683137;11247504;36;0;0;11247504;"
      "11247504;0;0;0");
  FillGradient(&b, {0, 0, 1, 100}, g, 0);
  auto px = [](std::uint32_t c) { return 0xFF000000u | SwapRedBlue(c); };
  EXPECT_EQ(b.Pixel(0, 0), px(15722975));
  EXPECT_EQ(b.Pixel(0, 49), px(14473420));
  EXPECT_EQ(b.Pixel(0, 61), px(13683137));
  EXPECT_NE(b.Pixel(0, 99), px(11247504));  // the last row stops one step short
}

TEST(FillGradient, EqualColoursFillFlatAndRectIsClipped) {
  Bitmap32 b = Filled(4, 4, 0);
  FillGradient(&b, {2, -5, 10, 2}, ParseGradientData("255;0;100;0;0;255;0;0;0;0"), 0);
  EXPECT_EQ(b.Pixel(2, 0), 0xFFFF0000u);
  EXPECT_EQ(b.Pixel(3, 1), 0xFFFF0000u);
  EXPECT_EQ(b.Pixel(1, 0), 0u);
  EXPECT_EQ(b.Pixel(2, 2), 0u);
}

TEST(FillGradient, HorizontalColumnsAndCopiedRows) {
  Bitmap32 b = Filled(11, 3, 0);
  // Three stops at 0, 50 and 100 percent: black, white, black.
  FillGradient(&b, {0, 0, 11, 3}, ParseGradientData("0;0;1;16777215;50;1;0;100;1;C"), 0);
  // First segment ends at round(5.5) = 6, which gets white; the last ends at column 10.
  EXPECT_EQ(b.Pixel(0, 0), 0xFF000000u);
  EXPECT_EQ(b.Pixel(6, 0), 0xFFFFFFFFu);
  EXPECT_EQ(b.Pixel(10, 0), 0xFF000000u);
  EXPECT_EQ(b.Pixel(3, 0), 0xFF000000u | 128 * 0x010101u);  // 3 * 42.5 = 127.5 -> 128
  for (int x = 0; x < 11; ++x) EXPECT_EQ(b.Pixel(x, 2), b.Pixel(x, 0));
}

TEST(FillGradient, VerticalBrushSegmentComposesOverTheBackground) {
  // Opaque white fading to transparent white, drawn with the brush over black; the brush
  // runs from the row above the rectangle (not painted) to its bottom.
  Bitmap32 b = Filled(2, 5, 0xFF000000);
  const auto g = ParseGradientData("4294967295;0;16;16777215;100;16;B");
  ASSERT_EQ(g[0].Mode & gdAlphaGradient, gdAlphaGradient);
  FillGradient(&b, {0, 0, 2, 5}, g, 0);
  EXPECT_EQ(b.Pixel(0, 0), 0xFFD5D5D5u);  // alpha 255 x 5/6 = 212.5 -> 213
  EXPECT_EQ(b.Pixel(1, 4), 0xFF2B2B2Bu);  // 255 x 1/6 = 42.5 -> 43
  for (int y = 1; y < 5; ++y) EXPECT_LT(b.Pixel(0, y) & 0xFF, b.Pixel(0, y - 1) & 0xFF);
  // A segment with one brush stop is brush-drawn; the plain segment before it is not.
  Bitmap32 mixed = Filled(1, 10, 0xFF000000);
  FillGradient(&mixed, {0, 0, 1, 10}, ParseGradientData("255;0;0;255;50;0;0;100;16;C"), 0);
  EXPECT_EQ(mixed.Pixel(0, 0), 0xFFFF0000u);
  EXPECT_EQ(mixed.Pixel(0, 4), 0xFFFF0000u);
  EXPECT_EQ(mixed.Pixel(0, 9), 0xFF000000u);  // fully transparent colour 0 at the end
}

TEST(FillGradient, HorizontalBrushSegmentKeepsEachRowsBackground) {
  Bitmap32 b(6, 2);
  for (int x = 0; x < 6; ++x) {
    b.SetPixel(x, 0, 0xFF000000);  // black row
    b.SetPixel(x, 1, 0xFFFF0000);  // red row
  }
  // Half-transparent white across the whole width.
  FillGradient(&b, {0, 0, 6, 2}, ParseGradientData("2164260863;0;17;2164260863;100;17;B"), 0);
  EXPECT_EQ(b.Pixel(3, 0), 0xFF808080u);
  EXPECT_EQ(b.Pixel(3, 1), 0xFFFF8080u);
}

TEST(FillGradient, FourCornerTriangles) {
  // Red top-left, green centre, blue top-right, black bottom-right, white bottom-left.
  Bitmap32 b = Filled(21, 11, 0);
  const auto g = ParseGradientData("255;0;20;2;0;65280;0;20;0;0;16711680;0;20;0;0;0;0;20;0;0;16777215;0;20;0;0");
  ASSERT_EQ(g.size(), 5u);
  FillGradient(&b, {0, 0, 21, 11}, g, 0);
  EXPECT_EQ(b.Pixel(0, 0), 0xFFFF0000u);
  EXPECT_EQ(b.Pixel(10, 5), 0xFF00FF00u);
  EXPECT_GT(b.Pixel(20, 0) & 0xFF, 200u);             // near blue
  EXPECT_GT((b.Pixel(0, 10) >> 8) & 0xFF, 200u);      // near white
  EXPECT_LT(b.Pixel(20, 10) & 0xFFFFFFu, 0x202020u);  // near black
  for (int y = 0; y < 11; ++y)
    for (int x = 0; x < 21; ++x) EXPECT_EQ(b.Pixel(x, y) >> 24, 0xFFu) << x << "," << y;  // every pixel painted
}

TEST(FillGradient, FourCornerWithAlphaIsAPathGradient) {
  Bitmap32 b = Filled(20, 10, 0xFF000000);
  // Letter layout, first stop direction 2 with a brush bit: the gradient has alpha.
  const auto g = ParseGradientData("4278190335;0;18;4278255360;0;0;4294901760;0;0;4278190080;0;0;2164260863;100;0;E");
  ASSERT_TRUE(g[0].Mode & gdAlphaGradient);
  FillGradient(&b, {0, 0, 20, 10}, g, 0);
  EXPECT_EQ(b.Pixel(10, 5), 0xFF00FF00u);  // the centre colour
  EXPECT_EQ(b.Pixel(0, 0), 0xFFFF0000u);   // stop 0 at the top-left corner
  // Fewer than five stops draw nothing.
  Bitmap32 c = Filled(4, 4, 0);
  FillGradient(&c, {0, 0, 4, 4}, ParseGradientData("255;0;2;0;100;0;B"), 0);
  EXPECT_EQ(c.Pixel(1, 1), 0u);
}

TEST(FillGradient, SingleStopEmptyArrayOrRectDrawNothing) {
  Bitmap32 b = Filled(4, 4, 7);
  const auto before = Snapshot(b);
  TsGradArray one(1);
  FillGradient(&b, {0, 0, 4, 4}, one, 0);
  FillGradient(&b, {0, 0, 4, 4}, {}, 0);
  FillGradient(&b, {3, 3, 1, 1}, ParseGradientData("0;0;100;0;0;16777215;0;0;0;0"), 0);
  FillGradient(&b, {9, 9, 12, 12}, ParseGradientData("0;0;100;0;0;16777215;0;0;0;0"), 0);
  FillGradient(nullptr, {0, 0, 4, 4}, ParseGradientData("0;0;100;0;0;16777215;0;0;0;0"), 0);
  auto none = ParseGradientData("0;0;100;3;0;16777215;0;0;0;0");
  FillGradient(&b, {0, 0, 4, 4}, none, 0);
  EXPECT_EQ(Snapshot(b), before);
}

}  // namespace
}  // namespace skin
