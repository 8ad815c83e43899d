// The classic look's pieces pixel by pixel: which colour owns the frame's corners, what an
// empty rectangle does in each mode, the colours of every edge kind, raised boxes and
// button faces; and the drawing layer stopping at a null array in debug builds.
#include <gtest/gtest.h>

#include "platform/gfx/ClassicLook.h"
#include "platform/gfx/PixelOps.h"
#include "platform/gfx/Surface.h"

namespace gfx {
namespace {

using namespace classic;

constexpr TColor kA = RGB(200, 10, 10), kB = RGB(10, 10, 200), kBack = RGB(1, 2, 3);

struct Canvas {
  PixelBuffer pixels;
  Surface s;
  Canvas(int w, int h) : pixels(w, h) {
    s.SetTarget(pixels.View());
    s.FillRect({0, 0, w, h}, kBack);
  }
  TColor At(int x, int y) const { return PixelToColor(pixels.Row32(y)[x]); }
};

TEST(ClassicLook, FrameGivesTheBottomRightColourTheOuterCornersItShares) {
  Canvas c(6, 5);
  TRect r{0, 0, 6, 5};
  Frame(c.s, r, kA, kB);
  EXPECT_EQ(r, (TRect{1, 1, 5, 4}));
  EXPECT_EQ(c.At(0, 0), kA);
  EXPECT_EQ(c.At(4, 0), kA);
  EXPECT_EQ(c.At(5, 0), kB);  // top-right
  EXPECT_EQ(c.At(0, 3), kA);
  EXPECT_EQ(c.At(0, 4), kB);  // bottom-left
  EXPECT_EQ(c.At(5, 4), kB);
  EXPECT_EQ(c.At(2, 2), kBack);
  // The lines a frame fills, in the order it fills them.
  const EdgeLines e = EdgeLinesOf({0, 0, 6, 5});
  EXPECT_EQ(e.top, (TRect{0, 0, 6, 1}));
  EXPECT_EQ(e.left, (TRect{0, 0, 1, 5}));
  EXPECT_EQ(e.bottom, (TRect{0, 4, 6, 5}));
  EXPECT_EQ(e.right, (TRect{5, 0, 6, 5}));
}

TEST(ClassicLook, EmptyRectanglesAreSkippedOrDrawnAsPlaced) {
  Canvas c(6, 6);
  TRect zeroWidth{3, 0, 3, 6};
  Frame(c.s, zeroWidth, kA, kB);  // the controls' way: nothing, and r stays
  EXPECT_EQ(zeroWidth, (TRect{3, 0, 3, 6}));
  EXPECT_EQ(c.At(3, 2), kBack);
  EXPECT_EQ(c.At(2, 2), kBack);
  Frame(c.s, zeroWidth, kA, kB, EmptyRect::AsPlaced);  // the frame's way: its left and right lines
  EXPECT_EQ(zeroWidth, (TRect{4, 1, 2, 5}));
  EXPECT_EQ(c.At(3, 2), kA);  // the left line at x = 3
  EXPECT_EQ(c.At(2, 2), kB);  // the right line at x = Right - 1
  EXPECT_EQ(c.At(4, 2), kBack);
}

TEST(ClassicLook, EdgeKindsUseTheirSystemColoursOuterLineFirst) {
  struct Case {
    Edge edge;
    int outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
  };
  const Case cases[] = {
      {Edge::Raised, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT, COLOR_BTNSHADOW},
      {Edge::RaisedWindow, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},
      {Edge::Sunken, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT},
      {Edge::Pressed, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_3DLIGHT},
      {Edge::Etched, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},
  };
  for (const Case& k : cases) {
    Canvas c(8, 8);
    TRect r{0, 0, 8, 8};
    DrawEdge(c.s, r, k.edge);
    EXPECT_EQ(r, (TRect{2, 2, 6, 6}));
    EXPECT_EQ(c.At(1, 0), Sys(k.outerTopLeft)) << int(k.edge);
    EXPECT_EQ(c.At(7, 3), Sys(k.outerBottomRight)) << int(k.edge);
    EXPECT_EQ(c.At(2, 1), Sys(k.innerTopLeft)) << int(k.edge);
    EXPECT_EQ(c.At(6, 3), Sys(k.innerBottomRight)) << int(k.edge);
    EXPECT_EQ(c.At(3, 3), kBack);
  }
}

TEST(ClassicLook, RaisedBoxesAndButtonFaces) {
  Canvas c(20, 10);
  RaisedBox(c.s, {0, 0, 10, 10});
  EXPECT_EQ(c.At(5, 5), Sys(COLOR_BTNFACE));
  EXPECT_EQ(c.At(5, 0), Sys(COLOR_3DLIGHT));
  EXPECT_EQ(c.At(5, 9), Sys(COLOR_3DDKSHADOW));
  RaisedBox(c.s, {12, 0, 12, 10});  // empty: nothing
  EXPECT_EQ(c.At(12, 5), kBack);

  Canvas d(10, 10);
  DrawButtonFace(d.s, {0, 0, 10, 10}, ButtonFace::Default);
  EXPECT_EQ(d.At(0, 5), Sys(COLOR_3DDKSHADOW));    // the default frame outside
  EXPECT_EQ(d.At(1, 5), Sys(COLOR_BTNHIGHLIGHT));  // then the raised edge
  EXPECT_EQ(d.At(5, 5), Sys(COLOR_BTNFACE));
  DrawButtonFace(d.s, {0, 0, 10, 10}, ButtonFace::Pressed);
  EXPECT_EQ(d.At(0, 5), Sys(COLOR_3DDKSHADOW));
  EXPECT_EQ(d.At(1, 5), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(d.At(9, 5), Sys(COLOR_BTNHIGHLIGHT));
  DrawButtonFace(d.s, {0, 0, 10, 10}, ButtonFace::Flat);
  EXPECT_EQ(d.At(0, 5), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(d.At(9, 5), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(d.At(1, 5), Sys(COLOR_BTNFACE));
}

#ifndef NDEBUG
TEST(DrawingAssertsDeathTest, ANullArrayWithACountStopsDebugBuilds) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  Canvas c(4, 4);
  EXPECT_DEATH(c.s.Polyline(nullptr, 3), "assertion failed: pts");
  EXPECT_DEATH(c.s.Polygon(nullptr, 3), "assertion failed");
  EXPECT_DEATH(c.s.FillPathGradient(nullptr, nullptr, 4, {0, 0}, 0), "assertion failed");
  EXPECT_DEATH(c.s.GradientFillTriangle(nullptr), "assertion failed: v");
  // No array and no count is fine.
  c.s.Polyline(nullptr, 0);
  c.s.FillPathGradient(nullptr, nullptr, 0, {0, 0}, 0);
}
#else
TEST(DrawingAsserts, ANullArrayWithACountDrawsNothingInReleaseBuilds) {
  Canvas c(4, 4);
  c.s.Polyline(nullptr, 3);
  c.s.Polygon(nullptr, 3);
  c.s.GradientFillTriangle(nullptr);
  EXPECT_EQ(c.At(0, 0), kBack);
}
#endif

}  // namespace
}  // namespace gfx
