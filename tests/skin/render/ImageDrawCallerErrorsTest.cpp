// Caller errors image drawing stops at when assertions are on: an inverted rectangle, a
// piece cut from outside its picture, unknown corner bits. What a skin file supplies is
// never among them: the tolerance tests of the other files run with assertions on too.
#include <gtest/gtest.h>

#include "skin/render/acImageCorners.h"
#include "skin/render/acImageSource.h"
#include "skin/render/acPaintImageSlices.h"
#include "tests/skin/support/CallerErrorTestSupport.h"
#include "tests/skin/support/ImageDrawTestSupport.h"

namespace skin {
namespace {

using test::Filled;
using test::MasterSkin;

class ImageDrawCallerErrors : public test::CallerErrorTest {};

TEST_F(ImageDrawCallerErrors, AnInvertedRectangleStopsSlicedDrawing) {
  MasterSkin m(9, 6);
  const TsMaskData md = m.Entry({0, 0, 9, 6}, 3, 1, 0, 1, 1, 1, 1);
  Bitmap32 dst = Filled(8, 8, 0xFF000000u);
  EXPECT_DEATH(PaintImageSlices(&dst, {5, 0, 2, 6}, EmptyBgInfo(), false, 0, md), test::kAssertionFailed);
  EXPECT_DEATH(PaintImageSlicesAlpha(&dst, {0, 6, 6, 0}, EmptyBgInfo(), 0, md), test::kAssertionFailed);
  EXPECT_DEATH((void)SliceBorders(md, -1, 4), test::kAssertionFailed);
}

TEST_F(ImageDrawCallerErrors, StretchingAPieceFromOutsideItsPictureStops) {
  const Bitmap32 src = Filled(4, 4, 0xFF102030u);
  EXPECT_DEATH((void)StretchPieceNearest(src, 2, 0, 3, 2, 6, 4), test::kAssertionFailed);
  EXPECT_DEATH((void)StretchPieceSmooth(src, 0, -1, 2, 2, 4, 4), test::kAssertionFailed);
  EXPECT_DEATH((void)StretchPieceSmooth(src, 0, 0, 0, 2, 4, 4), test::kAssertionFailed);
  EXPECT_EQ(StretchPieceNearest(src, 2, 2, 2, 2, 4, 4)->Pixel(3, 3), 0xFF102030u) << "the corner piece is inside";
}

TEST_F(ImageDrawCallerErrors, UnknownCornerBitsStop) {
  MasterSkin m(9, 6);
  TsMaskData md = m.Entry({0, 0, 9, 6}, 3, 0, 0, 1, 1, 1, 1);
  md.Cfg = 1;
  Bitmap32 cached = Filled(6, 6, 0xFF000000u);
  EXPECT_DEATH(RefreshImageCorners(&cached, EmptyBgInfo(), md, 0, 16), test::kAssertionFailed);
}

}  // namespace
}  // namespace skin
