#include <gtest/gtest.h>

#include "platform/gfx/PixelOps.h"
#include "platform/gfx/Surface.h"

namespace gfx {
namespace {

constexpr std::uint32_t kRed = 0xFFFF0000;  // pixel value of colour 0x0000FF
constexpr TColor clRed = 0x0000FF;

// A surface drawing on a buffer of its own, cleared to one pixel value.
struct Canvas {
  PixelBuffer pixels;
  Surface s;
  Canvas(int w, int h, std::uint32_t fill = 0) : pixels(w, h) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) pixels.Row32(y)[x] = fill;
    s.SetTarget(pixels.View());
  }
  std::uint32_t At(int x, int y) const { return pixels.Row32(y)[x]; }
  // Number of pixels with value v.
  int Count(std::uint32_t v) const {
    int n = 0;
    for (int y = 0; y < pixels.Height(); ++y)
      for (int x = 0; x < pixels.Width(); ++x) n += At(x, y) == v;
    return n;
  }
};

TEST(Surface, FillIsClippedToTheTargetAndOpaque) {
  Canvas c(8, 6);
  c.s.FillRect(Rect(-5, 4, 100, 100), clRed);
  EXPECT_EQ(c.Count(kRed), 8 * 2);
  EXPECT_EQ(c.At(0, 3), 0u);
  c.s.FillRect(Rect(0, 0, 2, 2), Brush::Null());
  EXPECT_EQ(c.At(0, 0), 0u);
  c.s.FillRect(Rect(3, 0, 1, 2), clRed);  // inverted rectangle: nothing
  EXPECT_EQ(c.Count(kRed), 16);
}

TEST(Surface, ViewportOriginMovesDrawingAndLogicalClips) {
  Canvas c(10, 10);
  c.s.SetViewportOrg({3, 2});
  c.s.FillRect(Rect(0, 0, 1, 1), clRed);
  EXPECT_EQ(c.At(3, 2), kRed);
  // Clip rectangles are logical: they move with the origin at the time they are given.
  c.s.IntersectClip(Rect(0, 0, 2, 2));  // device (3, 2)..(5, 4)
  c.s.SetViewportOrg({0, 0});
  c.s.FillRect(Rect(0, 0, 10, 10), 0x00FF00);
  EXPECT_EQ(c.Count(0xFF00FF00), 4);
  EXPECT_EQ(c.At(4, 3), 0xFF00FF00u);
  TRect box;
  EXPECT_EQ(c.s.ClipBox(box), RegionKind::Simple);
  EXPECT_EQ(box, Rect(3, 2, 5, 4));
  c.s.SetWindowOrg({1, 1});  // logical = device + window origin
  c.s.ClipBox(box);
  EXPECT_EQ(box, Rect(4, 3, 6, 5));
  EXPECT_EQ(c.s.LogicalToDevice({4, 3}), TPoint(3, 2));
}

TEST(Surface, SelectedRegionsAreDeviceCoordinates) {
  Canvas c(10, 10);
  c.s.SetViewportOrg({5, 5});
  Region rgn(Rect(0, 0, 2, 2));
  EXPECT_EQ(c.s.SelectClip(&rgn), RegionKind::Simple);
  c.s.FillRect(Rect(-5, -5, 5, 5), clRed);
  EXPECT_EQ(c.Count(kRed), 4);
  EXPECT_EQ(c.At(1, 1), kRed);
  // Combining modes; a null region removes the clip.
  Region more(Rect(8, 8, 10, 10));
  EXPECT_EQ(c.s.SelectClip(&more, RegionOp::Or), RegionKind::Complex);
  EXPECT_EQ(c.s.SelectClip(nullptr, RegionOp::And), RegionKind::Error);
  EXPECT_EQ(c.s.SelectClip(nullptr), RegionKind::Simple);  // the whole target
  Region out;
  EXPECT_FALSE(c.s.GetClip(out));
}

TEST(Surface, ExcludeClipAndVisibility) {
  Canvas c(6, 6);
  c.s.ExcludeClip(Rect(1, 1, 5, 5));
  c.s.FillRect(Rect(0, 0, 6, 6), clRed);
  EXPECT_EQ(c.Count(kRed), 36 - 16);
  EXPECT_FALSE(c.s.PtVisible({2, 2}));
  EXPECT_TRUE(c.s.PtVisible({0, 2}));
  EXPECT_TRUE(c.s.RectVisible(Rect(4, 4, 9, 9)));
  EXPECT_FALSE(c.s.RectVisible(Rect(2, 2, 4, 4)));
  EXPECT_FALSE(c.s.SetPixel({2, 2}, 0));
  TRect box;
  EXPECT_EQ(c.s.ClipBox(box), RegionKind::Complex);
  EXPECT_EQ(box, Rect(0, 0, 6, 6));
}

TEST(Surface, SaveAndRestoreTheWholeState) {
  Canvas c(10, 10);
  c.s.SetTextColor(clRed);
  const int level = c.s.Save();
  EXPECT_EQ(level, 1);
  c.s.SetViewportOrg({4, 4});
  c.s.IntersectClip(Rect(0, 0, 1, 1));
  c.s.SetTextColor(0x00FF00);
  c.s.SetBkMode(BkMode::Transparent);
  c.s.SetBrush(Brush::Solid(0xFF0000));
  c.s.SetFont(Font(FontDesc{u"Other", -20}));
  EXPECT_EQ(c.s.Save(), 2);
  c.s.SetViewportOrg({7, 7});
  EXPECT_TRUE(c.s.Restore(-1));  // the most recent save
  EXPECT_EQ(c.s.ViewportOrg(), TPoint(4, 4));
  EXPECT_TRUE(c.s.Restore(level));
  EXPECT_EQ(c.s.SaveLevel(), 0);
  EXPECT_EQ(c.s.ViewportOrg(), TPoint(0, 0));
  EXPECT_EQ(c.s.TextColor(), clRed);
  EXPECT_EQ(c.s.GetBkMode(), BkMode::Opaque);
  EXPECT_EQ(c.s.GetBrush(), Brush());
  EXPECT_EQ(c.s.GetFont(), Font());
  Region clip;
  EXPECT_FALSE(c.s.GetClip(clip));
  c.s.FillRect(Rect(0, 0, 10, 10), clRed);  // the clip is gone again
  EXPECT_EQ(c.Count(kRed), 100);
  EXPECT_FALSE(c.s.Restore(1));
  EXPECT_FALSE(c.s.Restore(-1));
  EXPECT_FALSE(c.s.Restore(0));
}

TEST(Surface, DeviceOriginAndSystemClip) {
  Canvas c(20, 20);
  c.s.SetDeviceOrigin({10, 5});
  const Region visible(Rect(0, 0, 4, 4));  // device coordinates
  c.s.SetSystemClip(&visible);
  c.s.FillRect(Rect(-10, -10, 30, 30), clRed);
  EXPECT_EQ(c.Count(kRed), 16);
  EXPECT_EQ(c.At(10, 5), kRed);
  EXPECT_EQ(c.At(13, 8), kRed);
  // Removing the clip region does not remove the system clip, nor does a restore.
  c.s.Save();
  c.s.SelectClip(nullptr);
  c.s.Restore(-1);
  c.s.FillRect(Rect(-10, -10, 30, 30), 0x00FF00);
  EXPECT_EQ(c.Count(0xFF00FF00), 16);
  EXPECT_EQ(c.s.GetPixel({0, 0}), 0x00FF00u);
  EXPECT_EQ(c.s.GetPixel({-11, 0}), clNone);
}

TEST(Surface, BitBltCopiesAllFourBytesAndClipsToBothSides) {
  Canvas src(4, 4), dst(6, 6, 0x11111111);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) src.pixels.Row32(y)[x] = 0x80000000u | (y << 8) | x;
  EXPECT_TRUE(dst.s.BitBlt(1, 1, 10, 10, src.s, 2, 2, SRCCOPY));
  EXPECT_EQ(dst.At(1, 1), 0x80000202u);
  EXPECT_EQ(dst.At(2, 2), 0x80000303u);
  EXPECT_EQ(dst.At(3, 1), 0x11111111u);  // no source pixel there
  EXPECT_EQ(dst.At(0, 0), 0x11111111u);
  // Raster operations other than a copy keep byte A.
  dst.s.BitBlt(0, 0, 1, 1, src.s, 3, 3, SRCPAINT);
  EXPECT_EQ(dst.At(0, 0), 0x11111111u | 0x00000303u);
  dst.s.BitBlt(0, 0, 1, 1, src.s, 0, 0, NOTSRCCOPY);
  EXPECT_EQ(dst.At(0, 0), 0x11FFFFFFu);
}

TEST(Surface, BitBltWithinOneSurfaceReadsBeforeWriting) {
  Canvas c(8, 1);
  for (int x = 0; x < 8; ++x) c.pixels.Row32(0)[x] = x;
  c.s.BitBlt(2, 0, 6, 1, c.s, 0, 0, SRCCOPY);  // scroll right by two
  for (int x = 2; x < 8; ++x) EXPECT_EQ(c.At(x, 0), std::uint32_t(x - 2));
  c.s.BitBlt(0, 0, 6, 1, c.s, 2, 0, SRCCOPY);  // and back
  for (int x = 0; x < 6; ++x) EXPECT_EQ(c.At(x, 0), std::uint32_t(x));
}

TEST(Surface, StretchNearestAndMirrored) {
  Canvas src(2, 2), dst(4, 4);
  src.pixels.Row32(0)[0] = 1;
  src.pixels.Row32(0)[1] = 2;
  src.pixels.Row32(1)[0] = 3;
  src.pixels.Row32(1)[1] = 4;
  dst.s.StretchBlt(0, 0, 4, 4, src.s, 0, 0, 2, 2, SRCCOPY);
  const std::uint32_t up[4][4] = {{1, 1, 2, 2}, {1, 1, 2, 2}, {3, 3, 4, 4}, {3, 3, 4, 4}};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(dst.At(x, y), up[y][x]);
  // A negative destination width mirrors: the rectangle runs from 4 leftward.
  dst.s.StretchBlt(4, 0, -4, 4, src.s, 0, 0, 2, 2, SRCCOPY);
  EXPECT_EQ(dst.At(0, 0), 2u);
  EXPECT_EQ(dst.At(3, 3), 3u);
  // Shrinking samples pixel centres.
  Canvas big(8, 8), small(2, 2);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) big.pixels.Row32(y)[x] = y * 8 + x;
  small.s.StretchBlt(0, 0, 2, 2, big.s, 0, 0, 8, 8, SRCCOPY);
  EXPECT_EQ(small.At(0, 0), 2u * 8 + 2);
  EXPECT_EQ(small.At(1, 1), 6u * 8 + 6);
}

TEST(Surface, PlgBltRotatesAQuarterTurn) {
  Canvas src(3, 2), dst(4, 4);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) src.pixels.Row32(y)[x] = 10 * y + x + 1;
  // Upper-left of the source goes to (2, 0), upper-right to (2, 3), lower-left to (0, 0).
  const TPoint pts[3] = {{2, 0}, {2, 3}, {0, 0}};
  ASSERT_TRUE(dst.s.PlgBlt(pts, src.s, 0, 0, 3, 2));
  EXPECT_EQ(dst.At(1, 0), 1u);   // source (0, 0)
  EXPECT_EQ(dst.At(1, 2), 3u);   // source (2, 0)
  EXPECT_EQ(dst.At(0, 0), 11u);  // source (0, 1)
  EXPECT_EQ(dst.At(0, 2), 13u);
  EXPECT_EQ(dst.At(2, 0), 0u);  // outside the parallelogram
  // An identity parallelogram is a plain copy.
  Canvas again(3, 2);
  const TPoint id[3] = {{0, 0}, {3, 0}, {0, 2}};
  again.s.PlgBlt(id, src.s, 0, 0, 3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(again.At(x, y), src.At(x, y));
  const TPoint flat[3] = {{0, 0}, {3, 0}, {6, 0}};
  EXPECT_FALSE(dst.s.PlgBlt(flat, src.s, 0, 0, 3, 2));
}

TEST(Surface, TransparentBltSkipsTheKeyColour) {
  Canvas src(2, 1), dst(2, 1, 0x77777777);
  src.pixels.Row32(0)[0] = 0x00FF00FF;  // key colour 0xFF00FF
  src.pixels.Row32(0)[1] = 0x00123456;
  dst.s.TransparentBlt(0, 0, 2, 1, src.s, 0, 0, 2, 1, 0xFF00FF);
  EXPECT_EQ(dst.At(0, 0), 0x77777777u);
  EXPECT_EQ(dst.At(1, 0), 0x00123456u);
}

TEST(Surface, AlphaBlendConstantAndPerPixel) {
  Canvas src(1, 1), dst(1, 1, 0xFF000000);
  src.pixels.Row32(0)[0] = 0xFFFFFFFF;
  dst.s.AlphaBlend(0, 0, 1, 1, src.s, 0, 0, 1, 1, {AC_SRC_OVER, 0, 128, 0});
  EXPECT_EQ(dst.At(0, 0), 0xFF808080u);
  // Premultiplied half-transparent white over black, full constant alpha.
  src.pixels.Row32(0)[0] = 0x80808080;
  dst.pixels.Row32(0)[0] = 0xFF000000;
  dst.s.AlphaBlend(0, 0, 1, 1, src.s, 0, 0, 1, 1, {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
  EXPECT_EQ(dst.At(0, 0), 0xFF808080u);
  // A fully transparent source leaves the destination.
  src.pixels.Row32(0)[0] = 0;
  dst.s.AlphaBlend(0, 0, 1, 1, src.s, 0, 0, 1, 1, {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
  EXPECT_EQ(dst.At(0, 0), 0xFF808080u);
}

TEST(Surface, PatternOperations) {
  Canvas c(2, 1, 0x10203040);
  c.s.InvertRect(Rect(0, 0, 1, 1));
  EXPECT_EQ(c.At(0, 0), 0x10DFCFBFu);
  c.s.SetBrush(Brush::Solid(0x0000FF));
  c.s.PatBlt(1, 0, 1, 1, PATCOPY);
  EXPECT_EQ(c.At(1, 0), kRed);
  c.s.PatBlt(0, 0, 2, 1, BLACKNESS);
  EXPECT_EQ(c.Count(0xFF000000), 2);
  EXPECT_FALSE(c.s.PatBlt(0, 0, 1, 1, 0x12345678));
}

TEST(Surface, NoTargetDrawsNothing) {
  Surface s;
  s.FillRect(Rect(0, 0, 10, 10), clRed);
  TRect box;
  EXPECT_EQ(s.ClipBox(box), RegionKind::Null);
  EXPECT_EQ(s.GetPixel({0, 0}), clNone);
}

}  // namespace
}  // namespace gfx
