#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/gfx/Gdi.h"

namespace gfx {
namespace {

constexpr std::uint32_t kInk = 0xFF000000;    // black, the default pen
constexpr std::uint32_t kPaper = 0x00FFFFFF;  // white, alpha 0

struct Canvas {
  PixelBuffer pixels;
  Surface s;
  Canvas(int w, int h) : pixels(w, h) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) pixels.Row32(y)[x] = kPaper;
    s.SetTarget(pixels.View());
  }
  std::uint32_t At(int x, int y) const { return pixels.Row32(y)[x]; }
  // The picture as text: '#' for ink, '.' for paper, '?' for anything else.
  std::string Art() const {
    std::string out;
    for (int y = 0; y < pixels.Height(); ++y) {
      for (int x = 0; x < pixels.Width(); ++x) out += At(x, y) == kInk ? '#' : At(x, y) == kPaper ? '.' : '?';
      out += '\n';
    }
    return out;
  }
};

TEST(Shapes, LinesLeaveOutTheirEndAndMoveThePosition) {
  Canvas c(6, 3);
  c.s.MoveTo({0, 1});
  c.s.LineTo({4, 1});
  EXPECT_EQ(c.Art(), "......\n####..\n......\n");
  EXPECT_EQ(c.s.CurrentPosition(), TPoint(4, 1));
  Canvas d(4, 4);
  const TPoint diag[] = {{0, 0}, {3, 3}, {3, 0}};
  d.s.Polyline(diag, 3);
  EXPECT_EQ(d.Art(), "#...\n.#.#\n..##\n...#\n");
}

TEST(Shapes, StyledAndWidePens) {
  Canvas c(12, 1);
  c.s.SetPen(Pen(PenStyle::Dot, 1, 0));
  c.s.MoveTo({0, 0});
  c.s.LineTo({12, 0});
  EXPECT_EQ(c.Art(), "###...###...\n");
  Canvas w(9, 7);
  w.s.SetPen(Pen(PenStyle::Solid, 3, 0));
  w.s.MoveTo({2, 3});
  w.s.LineTo({6, 3});
  // Three rows thick with round ends reaching one pixel past each end point.
  EXPECT_EQ(w.Art(), ".........\n.........\n.#######.\n.#######.\n.#######.\n.........\n.........\n");
  Canvas n(3, 3);
  n.s.SetPen(Pen::Null());
  n.s.MoveTo({0, 0});
  n.s.LineTo({3, 3});
  EXPECT_EQ(n.Art(), "...\n...\n...\n");
}

TEST(Shapes, RectangleOutlineFillAndNullPen) {
  Canvas c(6, 5);
  c.s.SetBrush(Brush::Solid(0x0000FF));
  c.s.Rectangle(Rect(0, 0, 5, 4));
  EXPECT_EQ(c.Art(), "#####.\n#???#.\n#???#.\n#####.\n......\n");
  EXPECT_EQ(c.At(1, 1), 0xFFFF0000u);
  Canvas n(5, 5);
  n.s.SetPen(Pen::Null());
  n.s.SetBrush(Brush::Solid(0));
  n.s.Rectangle(Rect(0, 0, 4, 4));  // one pixel smaller without a pen
  EXPECT_EQ(n.Art(), "###..\n###..\n###..\n.....\n.....\n");
  Canvas h(5, 5);
  h.s.SetBrush(Brush::Null());
  h.s.SetPen(Pen(PenStyle::Solid, 2, 0));
  h.s.Rectangle(Rect(1, 1, 4, 4));
  EXPECT_EQ(h.Art(), ".....\n.####\n.####\n.####\n.####\n");
}

TEST(Shapes, EllipseIsSymmetricWithAnOutline) {
  Canvas c(11, 9);
  c.s.SetBrush(Brush::Solid(0x0000FF));
  c.s.Ellipse(Rect(0, 0, 11, 9));
  const std::string art = c.Art();
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 11; ++x) {
      EXPECT_EQ(c.At(x, y), c.At(10 - x, y)) << x << "," << y;
      EXPECT_EQ(c.At(x, y), c.At(x, 8 - y)) << x << "," << y;
    }
  EXPECT_EQ(c.At(0, 0), kPaper);
  EXPECT_EQ(c.At(5, 0), kInk);
  EXPECT_EQ(c.At(0, 4), kInk);
  EXPECT_EQ(c.At(5, 4), 0xFFFF0000u);
  // The outline is closed: every row's inside is bounded by ink on both sides.
  for (int y = 1; y < 8; ++y) {
    const std::string row = art.substr(static_cast<std::size_t>(y) * 12, 11);
    EXPECT_EQ(row[row.find_first_not_of('.')], '#');
    EXPECT_EQ(row[row.find_last_not_of('.')], '#');
  }
}

TEST(Shapes, PolygonFillMeetsItsOutline) {
  // The solid arrow of a scroll bar: points (0, 0), (3, 3), (4, 3), (7, 0) in 8 x 4.
  Canvas c(8, 4);
  c.s.SetBrush(Brush::Solid(0));
  const TPoint arrow[] = {{0, 0}, {3, 3}, {4, 3}, {7, 0}};
  c.s.Polygon(arrow, 4);
  EXPECT_EQ(c.Art(), "########\n.######.\n..####..\n...##...\n");
  // Without a pen the fill alone leaves the right and bottom edges out.
  Canvas f(6, 6);
  f.s.SetPen(Pen::Null());
  f.s.SetBrush(Brush::Solid(0));
  const TPoint square[] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
  f.s.Polygon(square, 4);
  EXPECT_EQ(f.Art(), "......\n.####.\n.####.\n.####.\n.####.\n......\n");
}

TEST(Gradients, TriangleFillInterpolatesAndHitsVertexColours) {
  Canvas c(9, 9);
  const Surface::GradientVertex v[3] = {{{0, 0}, 0xFFFF0000}, {{8, 0}, 0xFF00FF00}, {{0, 8}, 0x800000FF}};
  c.s.GradientFillTriangle(v);
  EXPECT_EQ(c.At(0, 0), 0xFFFF0000u);
  EXPECT_EQ(c.At(4, 0), 0xFF808000u);  // half way along the top edge
  EXPECT_EQ(c.At(0, 4), 0xC0800080u);  // alpha is interpolated too
  EXPECT_EQ(c.At(8, 0), kPaper);       // right edge left out
  EXPECT_EQ(c.At(5, 5), kPaper);       // beyond the hypotenuse
  // Four triangles around a centre cover a rectangle exactly once.
  Canvas q(10, 6);
  const TPoint tl{0, 0}, tr{10, 0}, br{10, 6}, bl{0, 6}, ce{5, 3};
  const TPoint tris[4][3] = {{tl, ce, tr}, {ce, tr, br}, {tl, ce, bl}, {bl, ce, br}};
  for (const auto& t : tris) {
    const Surface::GradientVertex tv[3] = {{t[0], 0xFF000000}, {t[1], 0xFF000000}, {t[2], 0xFF000000}};
    q.s.GradientFillTriangle(tv);
  }
  EXPECT_EQ(q.Art().find('.'), std::string::npos);
}

TEST(Gradients, RectangleFillSteps) {
  Canvas c(5, 2);
  TRIVERTEX v[2];
  v[0].x = 0;
  v[0].y = 0;
  v[0].Red = 0xFF00;
  v[0].Alpha = 0xFF00;
  v[1].x = 4;
  v[1].y = 2;
  v[1].Blue = 0xFF00;
  v[1].Alpha = 0xFF00;
  GRADIENT_RECT mesh{0, 1};
  ASSERT_TRUE(GradientFill(&c.s, v, 2, &mesh, 1, GRADIENT_FILL_RECT_H));
  EXPECT_EQ(c.At(0, 0), 0xFFFF0000u);
  EXPECT_EQ(c.At(2, 1), 0xFF800080u);
  EXPECT_EQ(c.At(3, 0), 0xFF4000BFu);
  EXPECT_EQ(c.At(4, 0), kPaper);
  GRADIENT_RECT bad{0, 7};
  EXPECT_FALSE(GradientFill(&c.s, v, 2, &bad, 1, GRADIENT_FILL_RECT_V));
}

TEST(Gradients, LinearAlphaBrushComposesSourceOver) {
  Canvas c(1, 6);
  for (int y = 0; y < 6; ++y) c.pixels.Row32(y)[0] = 0xFF000000;
  // Brush from the row above the area (row 0) to row 5; rows 1..4 are painted.
  c.s.FillLinearGradient({0, 0, 1, 5}, 0xFFFFFFFF, 0x00FFFFFF, Surface::GradientDirection::Vertical, Rect(0, 1, 1, 5));
  EXPECT_EQ(c.At(0, 0), 0xFF000000u);  // the row above stays
  EXPECT_EQ(c.At(0, 1), 0xFFCCCCCCu);  // 4/5 of white
  EXPECT_EQ(c.At(0, 4), 0xFF333333u);  // 1/5
  EXPECT_EQ(c.At(0, 5), 0xFF000000u);
  // Over a transparent pixel the alpha rises with the colour's alpha.
  Canvas t(3, 1);
  t.pixels.Row32(0)[0] = t.pixels.Row32(0)[1] = t.pixels.Row32(0)[2] = 0;
  t.s.FillLinearGradient({0, 0, 2, 1}, 0x800000FF, 0x800000FF, Surface::GradientDirection::Horizontal,
                         Rect(0, 0, 3, 1));
  EXPECT_EQ(t.At(1, 0), 0x80000080u);
}

TEST(Gradients, PathGradientRunsFromTheCentre) {
  Canvas c(9, 9);
  const TPointF outline[4] = {{0, 0}, {8, 0}, {8, 8}, {0, 8}};
  const std::uint32_t colours[4] = {0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000};
  c.s.FillPathGradient(outline, colours, 4, {4, 4}, 0xFFFFFFFF);
  EXPECT_EQ(c.At(4, 4), 0xFFFFFFFFu);  // the centre colour
  EXPECT_EQ(c.At(0, 0), 0xFF000000u);  // a corner
  EXPECT_EQ(c.At(2, 4), 0xFF808080u);  // half way to the left edge
  EXPECT_EQ(c.At(8, 4), kPaper);       // the right edge is left out
  // A centre with alpha 0 leaves the destination there.
  Canvas a(9, 9);
  a.s.FillPathGradient(outline, colours, 4, {4, 4}, 0x00000000);
  EXPECT_EQ(a.At(4, 4), kPaper);
}

TEST(SmoothLines, CoverageFollowsTheLine) {
  // A horizontal line of width 2 through the centres of row 3: rows 2.5..4.5 are covered,
  // so row 3 is full, rows 2 and 4 half.
  Canvas c(10, 7);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 10; ++x) c.pixels.Row32(y)[x] = 0;
  c.s.DrawSmoothLine({2, 3}, {7, 3}, 2.0, 0xFFFF0000);
  EXPECT_EQ(c.At(4, 3), 0xFFFF0000u);
  EXPECT_EQ(c.At(4, 2) >> 24, 128u);
  EXPECT_EQ(c.At(4, 4) >> 24, 128u);
  EXPECT_EQ(c.At(4, 1), 0u);
  EXPECT_EQ(c.At(4, 5), 0u);
  // Flat ends: the line ends half way through pixels 2 and 7.
  EXPECT_EQ(c.At(2, 3) >> 24, 128u);
  EXPECT_EQ(c.At(7, 3) >> 24, 128u);
  EXPECT_EQ(c.At(1, 3), 0u);
  EXPECT_EQ(c.At(8, 3), 0u);

  // A diagonal stroke touches every pixel it crosses with non-zero alpha and leaves the
  // others at alpha 0 (what the styled arrows rely on).
  Canvas d(12, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 12; ++x) d.pixels.Row32(y)[x] = 0x00FFFFFF;
  d.s.DrawSmoothLine({1, 1}, {6, 6}, 2.0, 0xFF000000);
  for (int k = 2; k <= 5; ++k) EXPECT_EQ(d.At(k, k), 0xFF000000u) << k;
  EXPECT_GT(d.At(1, 1) >> 24, 100u);  // the flat ends cut the end pixels in half
  EXPECT_GT(d.At(6, 6) >> 24, 100u);
  EXPECT_EQ(d.At(10, 1), 0x00FFFFFFu);
  EXPECT_EQ(d.At(0, 7), 0x00FFFFFFu);
  // Nothing for a line of no length or width.
  Canvas z(3, 3);
  z.s.DrawSmoothLine({1, 1}, {1, 1}, 2.0, 0xFF000000);
  z.s.DrawSmoothLine({0, 1}, {2, 1}, 0.0, 0xFF000000);
  EXPECT_EQ(z.Art(), "...\n...\n...\n");
}

TEST(SmoothLines, ClippedAndFarAway) {
  Canvas c(5, 5);
  c.s.IntersectClip(Rect(0, 0, 2, 5));
  c.s.DrawSmoothLine({-1000000, 2}, {1000000, 2}, 1.0, 0xFF000000);
  EXPECT_EQ(c.At(1, 2), kInk);
  EXPECT_EQ(c.At(3, 2), kPaper);
  c.s.SelectClip(nullptr);
  c.s.MoveTo({-2000000000, 0});
  c.s.LineTo({2000000000, 4});  // a very long pen line is cut, not walked
  EXPECT_NE(c.Art().find('#'), std::string::npos);
}

TEST(Shapes, HugeGeometryCostsOnlyWhatShows) {
  // Shapes and copies far larger than the target finish quickly and draw their visible part.
  Canvas c(8, 8);
  c.s.SetBrush(Brush::Solid(0));
  c.s.Ellipse({-1000000000, -1000000000, 1000000000, 1000000000});
  EXPECT_EQ(c.At(4, 4), kInk);
  c.s.RoundRect({-1000000000, 0, 1000000000, 8}, -5, INT_MIN);
  Canvas src(2, 2);
  c.s.StretchBlt(0, 0, 2000000000, 2000000000, src.s, 0, 0, 2, 2, SRCCOPY);
  EXPECT_EQ(c.At(7, 7), kPaper);
  c.s.FillLinearGradient({0, 0, 1e9, 1}, 0xFF000000, 0xFFFFFFFF, Surface::GradientDirection::Horizontal,
                         {-2000000000, 0, 2000000000, 8});
  EXPECT_EQ(c.At(0, 0), kInk);
  Region r = Region::Ellipse({-2000000000, -5, 2000000000, 5});
  EXPECT_TRUE(r.Contains({0, 0}));
}

}  // namespace
}  // namespace gfx
