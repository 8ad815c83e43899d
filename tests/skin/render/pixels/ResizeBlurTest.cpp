#include <gtest/gtest.h>

#include <cmath>

#include "tests/skin/support/PixelTestSupport.h"
#include "skin/render/pixels/acBlur.h"
#include "skin/render/pixels/acSmoothResize.h"

namespace skin {
namespace {

using test::Filled;
using test::Pattern;
using test::Snapshot;

TEST(ResizeFilters, WeightsAtHandComputedPoints) {
  EXPECT_DOUBLE_EQ(FilterWeight(rfBox, 0.5), 1.0);
  EXPECT_DOUBLE_EQ(FilterWeight(rfBox, 0.505), 0.0);
  EXPECT_DOUBLE_EQ(FilterWeight(rfTriangle, 0.25), 0.75);
  EXPECT_DOUBLE_EQ(FilterWeight(rfHermite, 0.5), 0.5);
  EXPECT_DOUBLE_EQ(FilterWeight(rfBell, 0.25), 0.6875);
  EXPECT_DOUBLE_EQ(FilterWeight(rfBell, 1.0), 0.125);
  EXPECT_NEAR(FilterWeight(rfBSpline, 0.0), 2.0 / 3.0, 1e-12);
  EXPECT_NEAR(FilterWeight(rfBSpline, 1.5), 0.125 / 6.0, 1e-12);
  EXPECT_DOUBLE_EQ(FilterWeight(rfLanczos3, 0.0), 1.0);
  EXPECT_NEAR(FilterWeight(rfLanczos3, 1.0), 0.0, 1e-12);
  EXPECT_NEAR(FilterWeight(rfLanczos3, 0.5), 0.6079271, 1e-6);
  EXPECT_NEAR(FilterWeight(rfMitchell, 0.0), 8.0 / 9.0, 1e-12);
  EXPECT_NEAR(FilterWeight(rfMitchell, 1.0), 1.0 / 18.0, 1e-12);
  EXPECT_NEAR(FilterWeight(rfMitchell, 1.5), -0.0347222, 1e-6);
  EXPECT_DOUBLE_EQ(FilterSupport(rfBox), 0.51);
  EXPECT_DOUBLE_EQ(FilterSupport(rfBell), 1.5);
  EXPECT_DOUBLE_EQ(FilterSupport(rfLanczos3), 3.0);
}

TEST(ResizeTaps, MitchellShrinkFourToTwoMirrorsAtEdges) {
  const auto taps = ResampleTaps(4, 2, rfMitchell);
  ASSERT_EQ(taps.size(), 2u);
  // Output 0: centre 0, scale 0.5; offsets -3..3 (distance 2 reaches the support and drops).
  ASSERT_EQ(taps[0].size(), 7u);
  const int expectIndex[] = {3, 2, 1, 0, 1, 2, 3};
  const int expectWeight[] = {-1138, 1820, 17522, 29127, 17522, 1820, -1138};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(taps[0][i].index, expectIndex[i]) << i;
    EXPECT_EQ(taps[0][i].weight, expectWeight[i]) << i;
  }
  // Output 1: centre 2; the index 5 mirrors to 2 * 4 - 1 - 5 = 2.
  EXPECT_EQ(taps[1].back().index, 2);
  EXPECT_LE(taps[1].size(), 9u);
}

TEST(ResizeTaps, BoxShrinkIsNotNormalised) {
  const auto taps = ResampleTaps(4, 2, rfBox);
  ASSERT_EQ(taps[0].size(), 3u);  // distances 0.5, 0, 0.5 after scaling
  for (const auto& t : taps[0]) EXPECT_EQ(t.weight, 32768);
}

TEST(ResizeTaps, ShortInputNeverIndexesOutside) {
  for (int f = 0; f <= 6; ++f)
    for (const auto& list : ResampleTaps(2, 40, f))
      for (const auto& t : list) {
        EXPECT_GE(t.index, 0);
        EXPECT_LT(t.index, 2);
      }
}

TEST(SmoothResize, TriangleUpscaleOfARow) {
  Bitmap32 src(2, 2);
  for (int y = 0; y < 2; ++y) {
    src.SetPixel(0, y, 0xFF000000);
    src.SetPixel(1, y, 0xFFC8C8C8);
  }
  Bitmap32 dst;
  SmoothResize(&src, &dst, 4, rfTriangle, 2);
  ASSERT_EQ(dst.Width(), 4);
  ASSERT_EQ(dst.Height(), 2);
  EXPECT_EQ(dst.Pixel(0, 0), 0xFF000000u);
  EXPECT_EQ(dst.Pixel(1, 0), 0xFF646464u);
  EXPECT_EQ(dst.Pixel(2, 0), 0xFFC8C8C8u);
  EXPECT_EQ(dst.Pixel(3, 1), 0xFFC8C8C8u);
}

TEST(SmoothResize, SameSizeCopiesAndTinySourceDoesNothing) {
  Bitmap32 src = Pattern(5, 4);
  Bitmap32 dst;
  SmoothResize(&src, &dst, 5, rfMitchell, 4);
  EXPECT_EQ(Snapshot(dst), Snapshot(src));
  SmoothResize(&src, &src, 5, rfMitchell, 4);  // dst is src: nothing
  EXPECT_EQ(Snapshot(dst), Snapshot(src));
  Bitmap32 tiny = Pattern(1, 5);
  Bitmap32 keep = Pattern(3, 3);
  const auto before = Snapshot(keep);
  SmoothResize(&tiny, &keep, 10, rfMitchell, 10);
  SmoothResize(&src, &keep, 0, rfMitchell, 10);
  SmoothResize(&src, &keep, 10, rfMitchell, 0);
  SmoothResize(&src, &keep, -3, rfMitchell, 10);
  SmoothResize(nullptr, &keep, 10, rfMitchell, 10);
  EXPECT_EQ(Snapshot(keep), before);
}

TEST(SmoothResize, FlatPictureStaysFlatWithEveryNormalisedFilter) {
  Bitmap32 src = Filled(17, 9, 0xFF408060);
  for (int f : {rfTriangle, rfHermite, rfBell, rfBSpline, rfMitchell}) {
    Bitmap32 dst;
    SmoothResize(&src, &dst, 31, f, 13);
    ASSERT_EQ(dst.Width(), 31);
    // Rounded fixed-point weights may sum to 65535 and the division truncates, so each
    // of the two passes may lose one level.
    for (auto p : Snapshot(dst)) {
      EXPECT_NEAR(int(p & 0xFF), 0x60, 2) << f;
      EXPECT_NEAR(int(p >> 24), 0xFF, 2) << f;
    }
  }
}

TEST(SmoothResize, ResultMayReplaceSource) {
  Bitmap32 b = Filled(4, 4, 0xFF101010);
  SmoothResize(&b, &b, 8, rfMitchell, 2);
  EXPECT_EQ(b.Width(), 8);
  EXPECT_EQ(b.Height(), 2);
}

TEST(BlurGray8, KernelHalfSizes) {
  EXPECT_EQ(BlurKernelHalfSize(2), 1);
  EXPECT_EQ(BlurKernelHalfSize(6), 6);
  EXPECT_EQ(BlurKernelHalfSize(0), 0);
  EXPECT_EQ(BlurKernelHalfSize(-1), 0);
}

TEST(BlurGray8, RadiusTwoAveragesNeighboursWithRepeatedEdges) {
  Bitmap32 b(5, 1, gfx::PixelFormat::Gray8);
  const std::uint8_t in[5] = {90, 0, 0, 0, 30};
  for (int x = 0; x < 5; ++x) b.Row8(0)[x] = in[x];
  BlurGray8(&b, 2);
  // (90 + 90 + 0) / 3 = 60; (90 + 0 + 0) / 3 = 30; ...; (0 + 30 + 30) / 3 = 20.
  const std::uint8_t expect[5] = {60, 30, 0, 10, 20};
  for (int x = 0; x < 5; ++x) EXPECT_EQ(b.Row8(0)[x], expect[x]) << x;
}

TEST(BlurGray8, RowsThenColumns) {
  Bitmap32 b(3, 3, gfx::PixelFormat::Gray8);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) b.Row8(y)[x] = 0;
  b.Row8(1)[1] = 90;
  BlurGray8(&b, 2);
  EXPECT_EQ(b.Row8(1)[1], 10);  // 90 / 3 / 3
  EXPECT_EQ(b.Row8(0)[0], 10);
}

TEST(BlurGray8, RoundsToNearest) {
  Bitmap32 b(3, 1, gfx::PixelFormat::Gray8);
  b.Row8(0)[0] = 2;
  b.Row8(0)[1] = 0;
  b.Row8(0)[2] = 0;
  BlurGray8(&b, 2);
  EXPECT_EQ(b.Row8(0)[0], 1);  // 4/3 -> 1
  EXPECT_EQ(b.Row8(0)[1], 1);  // 2/3 -> 1
  EXPECT_EQ(b.Row8(0)[2], 0);  // 0
}

TEST(BlurGray8, IgnoresOtherFormats) {
  Bitmap32 b = Pattern(4, 4);
  const auto before = Snapshot(b);
  BlurGray8(&b, 2);
  BlurGray8(nullptr, 2);
  EXPECT_EQ(Snapshot(b), before);
}

}  // namespace
}  // namespace skin
