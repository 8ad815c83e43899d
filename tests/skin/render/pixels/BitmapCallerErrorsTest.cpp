// Caller errors the pixel core stops at when assertions are on (Debug and the sanitizer
// build): rows and pixels outside a bitmap, 32-bit access to an 8-bit grey one.
#include <gtest/gtest.h>

#include "skin/render/pixels/Bitmap32.h"
#include "tests/skin/support/CallerErrorTestSupport.h"

namespace skin {
namespace {

class BitmapCallerErrors : public test::CallerErrorTest {};

TEST_F(BitmapCallerErrors, RowsAndPixelsOutsideTheBitmapStop) {
  Bitmap32 b(3, 2);
  EXPECT_DEATH((void)b.Row(2), test::kAssertionFailed);
  EXPECT_DEATH((void)b.Row(-1), test::kAssertionFailed);
  EXPECT_DEATH((void)b.Pixel(3, 0), test::kAssertionFailed);
  EXPECT_DEATH(b.SetPixel(0, 2, 0), test::kAssertionFailed);
  EXPECT_DEATH((void)b.Row8(5), test::kAssertionFailed);
  b.SetPixel(2, 1, 7);
  EXPECT_EQ(b.Pixel(2, 1), 7u) << "the last pixel is inside";
}

TEST_F(BitmapCallerErrors, ThirtyTwoBitRowsOfAGreyBitmapStop) {
  Bitmap32 gray(4, 4, gfx::PixelFormat::Gray8);
  EXPECT_DEATH((void)gray.Row(0), test::kAssertionFailed);
  EXPECT_DEATH((void)gray.Pixel(0, 0), test::kAssertionFailed);
  gray.Row8(3)[3] = 9;
  EXPECT_EQ(gray.Row8(3)[3], 9);
}

}  // namespace
}  // namespace skin
