// The small solid arrow, the styled arrows of scroll bars and drop-down buttons (their
// downward pictures, the turns, the placing) and the dotted focus frame.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gfx/Surface.h"
#include "skin/data/sSkinManagerOptions.h"
#include "skin/render/acArrow.h"
#include "skin/render/acDottedFrame.h"
#include "skin/render/acStyledArrow.h"
#include "tests/skin/support/PixelTestSupport.h"
#include "tests/skin/support/TextTestSupport.h"

namespace skin {
namespace {

constexpr std::uint32_t kBack = 0xFF102030u;

// The arrow's pixels as rows of '#' and '.', over the bounding box of what was drawn.
std::vector<std::string> Shape(const Bitmap32& b) {
  int l = b.Width(), t = b.Height(), r = -1, btm = -1;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Pixel(x, y) != kBack) l = std::min(l, x), r = std::max(r, x), t = std::min(t, y), btm = std::max(btm, y);
  std::vector<std::string> rows;
  for (int y = t; y <= btm; ++y) {
    std::string s;
    for (int x = l; x <= r; ++x) s += b.Pixel(x, y) != kBack ? '#' : '.';
    rows.push_back(s);
  }
  return rows;
}

using Rows = std::vector<std::string>;

TEST(DrawArrow, FiveByThreeAt96InEveryDirection) {
  Bitmap32 b = test::Filled(20, 20, kBack);
  DrawArrow(&b, 0x0000FF, {0, 0, 20, 20}, 96, asBottom);
  EXPECT_EQ(Shape(b), (Rows{"#####", ".###.", "..#.."}));
  // Placed centred, in the colour as a pixel with the colour's high byte as alpha.
  EXPECT_EQ(b.Pixel(7, 8), 0x00FF0000u);
  EXPECT_EQ(b.Pixel(9, 10), 0x00FF0000u);

  b = test::Filled(20, 20, kBack);
  DrawArrow(&b, 0x0000FF, {0, 0, 20, 20}, 96, asTop);
  EXPECT_EQ(Shape(b), (Rows{"..#..", ".###.", "#####"}));
  b = test::Filled(20, 20, kBack);
  DrawArrow(&b, 0x0000FF, {0, 0, 20, 20}, 96, asRight);
  EXPECT_EQ(Shape(b), (Rows{"#..", "##.", "###", "##.", "#.."}));
  b = test::Filled(20, 20, kBack);
  DrawArrow(&b, 0x0000FF, {0, 0, 20, 20}, 96, asLeft);
  EXPECT_EQ(Shape(b), (Rows{"..#", ".##", "###", ".##", "..#"}));
}

TEST(DrawArrow, SevenAcrossAndFourDeepAt144) {
  EXPECT_EQ(ArrowSizeAt(144).N, 7);
  EXPECT_EQ(ArrowSizeAt(144).H, 4);
  Bitmap32 b = test::Filled(20, 20, kBack);
  DrawArrow(&b, 0xFFFFFF, {0, 0, 20, 20}, 144, asBottom);
  EXPECT_EQ(Shape(b), (Rows{"#######", ".#####.", "..###..", "...#..."}));
  b = test::Filled(20, 20, kBack);
  DrawArrow(&b, 0xFFFFFF, {0, 0, 20, 20}, 144, asRight);
  EXPECT_EQ(Shape(b), (Rows{"#...", "##..", "###.", "####", "###.", "##..", "#..."}));
}

TEST(DrawArrow, LeftArrowMirrorsTheRightOneOnTheSameRows) {
  // A left arrow that fills the bitmap to its last row writes no row below its box.
  for (const int ppi : {96, 120, 144, 192}) {
    const TacArrowSize s = ArrowSizeAt(ppi);
    Bitmap32 left = test::Filled(s.H, s.N, kBack), right = left;
    DrawArrow(&left, 0xFFFFFF, {0, 0, s.H, s.N}, ppi, asLeft);
    DrawArrow(&right, 0xFFFFFF, {0, 0, s.H, s.N}, ppi, asRight);
    for (int y = 0; y < s.N; ++y)
      for (int x = 0; x < s.H; ++x) ASSERT_EQ(left.Pixel(x, y), right.Pixel(s.H - 1 - x, y)) << ppi << " " << x << ",";
    EXPECT_EQ(left.Pixel(s.H - 1, 0), 0x00FFFFFFu) << "row 0 has the tip column";
  }
}

TEST(DrawArrow, NothingWhenTheArrowWouldLeaveTheBitmap) {
  Bitmap32 b = test::Filled(6, 3, kBack);
  DrawArrow(&b, 0xFFFFFF, {-2, 0, 4, 3}, 96, asBottom);  // would start at x = -2
  DrawArrow(&b, 0xFFFFFF, {3, 0, 9, 3}, 96, asBottom);   // would end at x = 8
  DrawArrow(&b, 0xFFFFFF, {0, 0, 6, 4}, 96, asRight);    // 5 rows in a bitmap of 3
  EXPECT_EQ(test::CountValue(b, kBack), 18);
  DrawArrow(&b, 0xFFFFFF, {0, 0, 5, 3}, 96, asBottom);  // exactly fits
  EXPECT_EQ(test::CountValue(b, kBack), 18 - 9);
}

std::vector<gfx::TPoint> Points(const TacArrowPicture& a) { return {a.P.begin(), a.P.end()}; }

TEST(ArrowPicture, SolidStyleSizesAndPointsFollowTheRectWidth) {
  TacArrowPicture even = BuildArrowPicture(0x000000, NoKey, 96, arsSolid1, 0, 0, 16);
  EXPECT_EQ(even.Picture->Width(), 8);
  EXPECT_EQ(even.Picture->Height(), 4);
  EXPECT_EQ(Points(even), (std::vector<gfx::TPoint>{{0, 0}, {3, 3}, {4, 3}, {7, 0}}));
  EXPECT_EQ(even.LineWidth, 1);
  EXPECT_EQ(even.Fill, 0xFF000000u);

  TacArrowPicture odd = BuildArrowPicture(0x000000, NoKey, 96, arsSolid1, 0, 0, 15);
  EXPECT_EQ(odd.Picture->Width(), 9);
  EXPECT_EQ(odd.Picture->Height(), 5);
  EXPECT_EQ(Points(odd), (std::vector<gfx::TPoint>{{0, 0}, {4, 4}, {4, 4}, {8, 0}}));
  // The triangle is filled; its top corners and apex are covered, the corners below the
  // slopes are not.
  const Bitmap32& p = *odd.Picture;
  for (const gfx::TPoint q : {gfx::TPoint{0, 0}, {8, 0}, {4, 4}, {4, 2}}) EXPECT_GT(p.Pixel(q.X, q.Y) >> 24, 0u);
  EXPECT_EQ(p.Pixel(0, 4) >> 24, 0u);
  EXPECT_EQ(p.Pixel(8, 4) >> 24, 0u);
}

TEST(ArrowPicture, LineStylesAreHollowStrokesOfWidthTwo) {
  TacArrowPicture a = BuildArrowPicture(0x0000FF, NoKey, 96, arsLines1, 0, 0, 16);
  EXPECT_EQ(a.Picture->Width(), 12);
  EXPECT_EQ(a.Picture->Height(), 8);
  EXPECT_EQ(Points(a), (std::vector<gfx::TPoint>{{1, 1}, {6, 6}, {5, 6}, {10, 1}}));
  EXPECT_EQ(a.LineWidth, 2);
  EXPECT_EQ(a.Fill, NoKey);
  const Bitmap32& p = *a.Picture;
  for (const gfx::TPoint q : a.P) EXPECT_GT(p.Pixel(q.X, q.Y) >> 24, 0u) << q.X << "," << q.Y;
  // Hollow: the middle above the tip and the corners stay untouched.
  for (const gfx::TPoint q : {gfx::TPoint{5, 1}, {0, 7}, {11, 7}}) EXPECT_EQ(p.Pixel(q.X, q.Y) >> 24, 0u);
  // Touched pixels carry the stroke colour, made opaque from alpha 0.
  EXPECT_EQ(p.Pixel(1, 1) & 0x00FFFFFFu, 0x00FF0000u);

  TacArrowPicture flat = BuildArrowPicture(0x0000FF, NoKey, 96, arsLines2, 0, 0, 16);
  EXPECT_EQ(flat.Picture->Width(), 12);
  EXPECT_EQ(flat.Picture->Height(), 6);
  EXPECT_EQ(flat.P[1].Y, 4);
  EXPECT_EQ(flat.P[2].Y, 4);
  // With a fill colour the space between the strokes is filled.
  TacArrowPicture filled = BuildArrowPicture(0x0000FF, 0x00FF00, 96, arsLines1, 0, 0, 16);
  EXPECT_EQ(filled.Fill, 0xFF00FF00u);
  EXPECT_EQ(filled.Picture->Pixel(5, 2), 0xFF00FF00u);
}

TEST(ArrowPicture, FlatSolidStyleGrowsForEvenRectsAndSizesScale) {
  EXPECT_EQ(BuildArrowPicture(0, NoKey, 96, arsSolid2, 0, 0, 16).Picture->Width(), 10);
  EXPECT_EQ(BuildArrowPicture(0, NoKey, 96, arsSolid2, 0, 0, 16).Picture->Height(), 3);
  EXPECT_EQ(BuildArrowPicture(0, NoKey, 96, arsSolid2, 0, 0, 15).Picture->Width(), 9);
  EXPECT_EQ(BuildArrowPicture(0, NoKey, 192, arsLines1, 4, 0, 16).Picture->Width(), 2 * 8 + 4);
  EXPECT_EQ(BuildArrowPicture(0, NoKey, 96, arsLines1, 0, 3, 16).LineWidth, 3);
  // An absurd size from a skin builds nothing.
  EXPECT_TRUE(BuildArrowPicture(0, NoKey, 96, arsSolid1, 100000, 0, 16).Picture->Empty());
}

TEST(DrawStyledArrow, DirectionsAreTurnsOfTheDownwardArrow) {
  for (const TacArrowDrawStyle style : {arsSolid1, arsLines1, arsSolid2, arsLines2}) {
    Bitmap32 down = test::Filled(16, 16, kBack), up = down, left = down, right = down;
    DrawStyledArrow(&down, 0x0000FF, NoKey, 96, style, 0, 0, 0, asBottom, {0, 0, 16, 16});
    DrawStyledArrow(&up, 0x0000FF, NoKey, 96, style, 0, 0, 0, asTop, {0, 0, 16, 16});
    DrawStyledArrow(&left, 0x0000FF, NoKey, 96, style, 0, 0, 0, asLeft, {0, 0, 16, 16});
    DrawStyledArrow(&right, 0x0000FF, NoKey, 96, style, 0, 0, 0, asRight, {0, 0, 16, 16});
    ASSERT_LT(test::CountValue(down, kBack), 256) << style;
    // The picture's margins in the square are even, so the turns are exact.
    const TacArrowPicture a = BuildArrowPicture(0x0000FF, NoKey, 96, style, 0, 0, 16);
    if ((16 - a.Picture->Height()) % 2 != 0 || (16 - a.Picture->Width()) % 2 != 0) continue;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        ASSERT_EQ(up.Pixel(x, 15 - y), down.Pixel(x, y)) << style;
        ASSERT_EQ(left.Pixel(15 - y, x), down.Pixel(x, y)) << style;
        ASSERT_EQ(right.Pixel(y, 15 - x), down.Pixel(x, y)) << style;
      }
  }
}

TEST(DrawStyledArrow, AnAngleTurnsOnlyTheArrow) {
  // The rest of the destination stays as it was: only the turned arrow's box changes.
  Bitmap32 b = test::Pattern(40, 40), before = b;
  DrawStyledArrow(&b, 0xFFFFFF, NoKey, 96, arsLines1, 0, 45, 0, asBottom, {0, 0, 40, 40});
  int changed = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      if (b.Pixel(x, y) == before.Pixel(x, y)) continue;
      ++changed;
      EXPECT_TRUE(x >= 10 && x < 30 && y >= 10 && y < 30) << x << "," << y;
    }
  EXPECT_GT(changed, 10);
  // An angle of 90 turns by nothing.
  Bitmap32 a90 = test::Filled(20, 20, kBack), a0 = a90;
  DrawStyledArrow(&a90, 0xFFFFFF, NoKey, 96, arsSolid1, 0, 90, 0, asBottom, {0, 0, 20, 20});
  DrawStyledArrow(&a0, 0xFFFFFF, NoKey, 96, arsSolid1, 0, 0, 0, asBottom, {0, 0, 20, 20});
  EXPECT_EQ(test::Snapshot(a90), test::Snapshot(a0));
}

TEST(ActualArrowStyle, OptionChoosesOrTheSkinNames) {
  EXPECT_EQ(ActualArrowStyle(TacArrowsStyle::arsSolid, 3), arsSolid1);
  EXPECT_EQ(ActualArrowStyle(TacArrowsStyle::arsLines, 2), arsLines1);
  for (int s = 0; s < 4; ++s) EXPECT_EQ(ActualArrowStyle(TacArrowsStyle::arsDefault, s), s);
  EXPECT_EQ(ActualArrowStyle(TacArrowsStyle::arsDefault, 9), arsSolid1);
  EXPECT_EQ(ActualArrowStyle(TacArrowsStyle::arsDefault, -1), arsSolid1);
}

TEST(DrawDottedFrame, DotsOnEverySecondPixelInTwoColours) {
  Bitmap32 b = test::Filled(9, 7, 0xFF000000u);
  DrawDottedFrame(b.Canvas(), {0, 0, 7, 5}, 0x0000FF, 0x00FF00);
  const std::uint32_t c1 = test::Opaque(0x0000FF), c2 = test::Opaque(0x00FF00);
  for (const int y : {0, 4}) {
    for (const int x : {1, 3, 5}) EXPECT_EQ(b.Pixel(x, y), c1) << x << "," << y;
    for (const int x : {2, 4, 6}) EXPECT_EQ(b.Pixel(x, y), c2) << x << "," << y;
  }
  for (const int x : {0, 6}) {
    for (const int y : {1, 3}) EXPECT_EQ(b.Pixel(x, y), c1) << x << "," << y;
    for (const int y : {2, 4}) EXPECT_EQ(b.Pixel(x, y), c2) << x << "," << y;
  }
  EXPECT_EQ(b.Pixel(0, 0), 0xFF000000u);
  EXPECT_EQ(b.Pixel(7, 0), 0xFF000000u);  // the right edge is the rectangle's last column
  EXPECT_EQ(b.Pixel(3, 2), 0xFF000000u);
  // A colour of clNone leaves its dots out: the focus rectangle of a button.
  Bitmap32 one = test::Filled(9, 7, 0xFF000000u);
  DrawDottedFrame(one.Canvas(), {0, 0, 7, 5}, 0x0000FF, clNone);
  EXPECT_EQ(one.Pixel(2, 0), 0xFF000000u);
  EXPECT_EQ(one.Pixel(1, 0), c1);
}

}  // namespace
}  // namespace skin
