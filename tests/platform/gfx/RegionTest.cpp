#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/gfx/Region.h"

namespace gfx {
namespace {

using Rects = std::vector<TRect>;

// Checks the canonical band form: sorted, bands share Top/Bottom, runs in a band neither
// overlap nor touch, and touching bands never hold the same runs.
void ExpectCanonical(const Region& r) {
  const Rects& v = r.Rects();
  std::size_t i = 0;
  Rects prevBand;
  while (i < v.size()) {
    Rects band;
    const int top = v[i].Top, bottom = v[i].Bottom;
    ASSERT_LT(top, bottom);
    for (; i < v.size() && v[i].Top == top; ++i) {
      ASSERT_EQ(v[i].Bottom, bottom);
      ASSERT_LT(v[i].Left, v[i].Right);
      if (!band.empty()) {
        ASSERT_GT(v[i].Left, band.back().Right);
      }
      band.push_back(v[i]);
    }
    if (!prevBand.empty()) {
      ASSERT_GE(top, prevBand.front().Bottom);
      if (top == prevBand.front().Bottom && band.size() == prevBand.size()) {
        bool same = true;
        for (std::size_t k = 0; k < band.size(); ++k)
          same = same && band[k].Left == prevBand[k].Left && band[k].Right == prevBand[k].Right;
        EXPECT_FALSE(same) << "touching bands with equal runs were not merged";
      }
    }
    prevBand = band;
  }
}

// A region as a grid of booleans over [0, n) x [0, n).
std::vector<bool> Grid(const Region& r, int n) {
  std::vector<bool> g(static_cast<std::size_t>(n * n));
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) g[static_cast<std::size_t>(y * n + x)] = r.Contains({x, y});
  return g;
}

Region RandomRegion(std::mt19937& rng, int n) {
  std::uniform_int_distribution<int> pos(0, n - 1), count(0, 6);
  Region r;
  const int k = count(rng);
  for (int i = 0; i < k; ++i) {
    int l = pos(rng), t = pos(rng), rr = pos(rng), b = pos(rng);
    if (l > rr) std::swap(l, rr);
    if (t > b) std::swap(t, b);
    r |= Region(TRect{l, t, rr + 1, b + 1});
  }
  return r;
}

TEST(Region, RectangleBasics) {
  const Region r(Rect(2, 3, 10, 8));
  EXPECT_EQ(r.Kind(), RegionKind::Simple);
  EXPECT_EQ(r.Bounds(), Rect(2, 3, 10, 8));
  EXPECT_TRUE(r.Contains({2, 3}));
  EXPECT_FALSE(r.Contains({10, 3}));  // right edge is outside
  EXPECT_FALSE(r.Contains({2, 8}));
  EXPECT_TRUE(Region(Rect(5, 5, 5, 9)).IsEmpty());
  EXPECT_EQ(Region().Kind(), RegionKind::Null);
  EXPECT_EQ(Region(Rect(1, 1, 0, 0)), Region());
}

TEST(Region, UnionOfOverlappingRectanglesFormsBands) {
  Region r(Rect(0, 0, 10, 10));
  r |= Region(Rect(5, 5, 15, 15));
  const Rects expected = {Rect(0, 0, 10, 5), Rect(0, 5, 15, 10), Rect(5, 10, 15, 15)};
  EXPECT_EQ(r.Rects(), expected);
  EXPECT_EQ(r.Kind(), RegionKind::Complex);
  EXPECT_EQ(r.Bounds(), Rect(0, 0, 15, 15));
}

TEST(Region, TouchingPiecesMerge) {
  Region side(Rect(0, 0, 5, 5));
  side |= Region(Rect(5, 0, 9, 5));
  EXPECT_EQ(side.Rects(), Rects{Rect(0, 0, 9, 5)});
  Region stack(Rect(0, 0, 5, 5));
  stack |= Region(Rect(0, 5, 5, 9));
  EXPECT_EQ(stack.Rects(), Rects{Rect(0, 0, 5, 9)});
  // A hole filled again gives the plain rectangle back.
  Region holed = Region::Combine(Region(Rect(0, 0, 9, 9)), Region(Rect(3, 3, 6, 6)), RegionOp::Diff);
  EXPECT_EQ(holed.Rects().size(), 4u);
  holed |= Region(Rect(3, 3, 6, 6));
  EXPECT_EQ(holed, Region(Rect(0, 0, 9, 9)));
}

TEST(Region, IntersectionDifferenceAndXor) {
  const Region a(Rect(0, 0, 10, 10)), b(Rect(5, 5, 15, 15));
  EXPECT_EQ(Region::Combine(a, b, RegionOp::And), Region(Rect(5, 5, 10, 10)));
  const Rects diff = {Rect(0, 0, 10, 5), Rect(0, 5, 5, 10)};
  EXPECT_EQ(Region::Combine(a, b, RegionOp::Diff).Rects(), diff);
  const Rects x = {Rect(0, 0, 10, 5), Rect(0, 5, 5, 10), Rect(10, 5, 15, 10), Rect(5, 10, 15, 15)};
  EXPECT_EQ(Region::Combine(a, b, RegionOp::Xor).Rects(), x);
  EXPECT_EQ(Region::Combine(a, b, RegionOp::Copy), a);
  EXPECT_TRUE(Region::Combine(a, Region(Rect(20, 20, 30, 30)), RegionOp::And).IsEmpty());
  EXPECT_TRUE(Region::Combine(a, a, RegionOp::Xor).IsEmpty());
  EXPECT_EQ(Region::Combine(Region(), b, RegionOp::Or), b);
  EXPECT_TRUE(Region::Combine(Region(), b, RegionOp::Diff).IsEmpty());
}

TEST(Region, RandomCombinationsMatchPixelSets) {
  std::mt19937 rng(7);
  constexpr int n = 24;
  for (int round = 0; round < 300; ++round) {
    const Region a = RandomRegion(rng, n), b = RandomRegion(rng, n);
    const auto ga = Grid(a, n), gb = Grid(b, n);
    for (RegionOp op : {RegionOp::And, RegionOp::Or, RegionOp::Xor, RegionOp::Diff}) {
      const Region c = Region::Combine(a, b, op);
      ExpectCanonical(c);
      const auto gc = Grid(c, n);
      for (std::size_t i = 0; i < gc.size(); ++i) {
        bool want = false;
        switch (op) {
          case RegionOp::And: want = ga[i] && gb[i]; break;
          case RegionOp::Or: want = ga[i] || gb[i]; break;
          case RegionOp::Xor: want = ga[i] != gb[i]; break;
          default: want = ga[i] && !gb[i]; break;
        }
        ASSERT_EQ(gc[i], want) << "round " << round << " op " << int(op) << " pixel " << i;
      }
    }
    // Same pixels, built in another order: equal regions.
    EXPECT_EQ(Region::Combine(a, b, RegionOp::Or), Region::Combine(b, a, RegionOp::Or));
    EXPECT_EQ(
        Region::Combine(Region::Combine(a, b, RegionOp::Diff), Region::Combine(a, b, RegionOp::And), RegionOp::Or), a);
  }
}

TEST(Region, OffsetAndTests) {
  Region r(Rect(0, 0, 4, 4));
  r |= Region(Rect(6, 0, 8, 2));
  r.Offset(10, -1);
  EXPECT_EQ(r.Bounds(), Rect(10, -1, 18, 3));
  EXPECT_TRUE(r.Contains({16, -1}));
  EXPECT_FALSE(r.Contains({15, 0}));  // the gap between the runs
  EXPECT_TRUE(r.Intersects(Rect(13, 2, 20, 9)));
  EXPECT_FALSE(r.Intersects(Rect(14, 1, 16, 9)));  // lies in the gap
  EXPECT_FALSE(r.Intersects(Rect(11, 1, 11, 9)));  // empty rectangle
  EXPECT_TRUE(r.ContainsRect(Rect(10, -1, 14, 3)));
  EXPECT_FALSE(r.ContainsRect(Rect(10, -1, 17, 1)));
  EXPECT_FALSE(r.ContainsRect(TRect{}));
}

TEST(Region, FromRectsIsTheUnion) {
  std::mt19937 rng(3);
  std::uniform_int_distribution<int> pos(0, 40);
  Rects list;
  Region expected;
  for (int i = 0; i < 200; ++i) {
    const int l = pos(rng), t = pos(rng);
    const TRect r{l, t, l + 1 + pos(rng) % 7, t + 1};
    list.push_back(r);
    expected |= Region(r);
  }
  const Region built = Region::FromRects(list.data(), list.size());
  EXPECT_EQ(built, expected);
  ExpectCanonical(built);
  EXPECT_TRUE(Region::FromRects(nullptr, 0).IsEmpty());
}

TEST(Region, PolygonCoversPixelPositions) {
  const TPoint square[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
  EXPECT_EQ(Region::Polygon(square, 4, FillMode::Alternate), Region(Rect(0, 0, 4, 4)));
  // Right triangle: row y holds the pixels left of the hypotenuse (row 0's only
  // candidate lies on it, and the right edge stays out).
  const TPoint tri[] = {{0, 0}, {4, 4}, {0, 4}};
  const Rects expected = {Rect(0, 1, 1, 2), Rect(0, 2, 2, 3), Rect(0, 3, 3, 4)};
  EXPECT_EQ(Region::Polygon(tri, 3, FillMode::Alternate).Rects(), expected);
  EXPECT_TRUE(Region::Polygon(square, 2, FillMode::Alternate).IsEmpty());
  EXPECT_TRUE(Region::Polygon(nullptr, 3, FillMode::Alternate).IsEmpty());
}

TEST(Region, PolygonFillModes) {
  // One outline walking around the same square twice: winding fills it, alternate leaves it.
  const TPoint twice[] = {{0, 0}, {6, 0}, {6, 6}, {0, 6}, {0, 0}, {6, 0}, {6, 6}, {0, 6}};
  EXPECT_EQ(Region::Polygon(twice, 8, FillMode::Winding), Region(Rect(0, 0, 6, 6)));
  EXPECT_TRUE(Region::Polygon(twice, 8, FillMode::Alternate).IsEmpty());
  // Two squares as two polygons, the inner one a hole in alternate mode.
  const TPoint pts[] = {{0, 0}, {9, 0}, {9, 9}, {0, 9}, {3, 3}, {6, 3}, {6, 6}, {3, 6}};
  const int counts[] = {4, 4};
  const Region holed = Region::PolyPolygon(pts, counts, 2, FillMode::Alternate);
  EXPECT_FALSE(holed.Contains({4, 4}));
  EXPECT_TRUE(holed.Contains({1, 4}));
  EXPECT_TRUE(Region::PolyPolygon(pts, counts, 2, FillMode::Winding).Contains({4, 4}));
}

TEST(Region, EllipseAndRoundRect) {
  const Region e = Region::Ellipse(Rect(0, 0, 10, 6));
  ExpectCanonical(e);
  EXPECT_EQ(e.Bounds(), Rect(0, 0, 10, 6));
  EXPECT_FALSE(e.Contains({0, 0}));
  EXPECT_TRUE(e.Contains({5, 0}));
  EXPECT_TRUE(e.Contains({0, 3}));
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 10; ++x) {
      EXPECT_EQ(e.Contains({x, y}), e.Contains({9 - x, y})) << x << "," << y;  // mirror symmetric
      EXPECT_EQ(e.Contains({x, y}), e.Contains({x, 5 - y})) << x << "," << y;
    }
  EXPECT_EQ(Region::RoundRect(Rect(1, 1, 8, 8), 0, 0), Region(Rect(1, 1, 8, 8)));
  const Region rr = Region::RoundRect(Rect(0, 0, 20, 10), 6, 6);
  EXPECT_FALSE(rr.Contains({0, 0}));
  EXPECT_TRUE(rr.Contains({3, 0}));
  EXPECT_TRUE(rr.Contains({0, 5}));
  EXPECT_TRUE(Region::Ellipse(Rect(5, 5, 5, 10)).IsEmpty());
}

TEST(Region, FromMask) {
  // 10 x 3 mask: row 0 bits 0-2 and 8-9, row 1 empty, row 2 all.
  const std::uint8_t bits[] = {0xE0, 0xC0, 0x00, 0x00, 0xFF, 0xC0};
  const BitMask mask{bits, 10, 3, 2};
  const Region r = Region::FromMask(mask, {100, 50});
  const Rects expected = {Rect(100, 50, 103, 51), Rect(108, 50, 110, 51), Rect(100, 52, 110, 53)};
  EXPECT_EQ(r.Rects(), expected);
  EXPECT_TRUE(Region::FromMask(BitMask{}).IsEmpty());
}

}  // namespace
}  // namespace gfx
