// Caller errors the pixel core stops at when assertions are on (Debug and the sanitizer
// build): rows and pixels outside a bitmap, 32-bit access to an 8-bit grey one.
#include <gtest/gtest.h>

#include "platform/base/Assert.h"
#include "skin/render/pixels/Bitmap32.h"

namespace skin {
namespace {

class BitmapCallerErrors : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!PELLOMIR_ASSERTIONS_ON) GTEST_SKIP() << "assertions are off in this build";
  }
};

TEST_F(BitmapCallerErrors, RowsAndPixelsOutsideTheBitmapStop) {
  Bitmap32 b(3, 2);
  EXPECT_DEATH((void)b.Row(2), "assertion failed");
  EXPECT_DEATH((void)b.Row(-1), "assertion failed");
  EXPECT_DEATH((void)b.Pixel(3, 0), "assertion failed");
  EXPECT_DEATH(b.SetPixel(0, 2, 0), "assertion failed");
  EXPECT_DEATH((void)b.Row8(5), "assertion failed");
  b.SetPixel(2, 1, 7);
  EXPECT_EQ(b.Pixel(2, 1), 7u) << "the last pixel is inside";
}

TEST_F(BitmapCallerErrors, ThirtyTwoBitRowsOfAGreyBitmapStop) {
  Bitmap32 gray(4, 4, gfx::PixelFormat::Gray8);
  EXPECT_DEATH((void)gray.Row(0), "assertion failed");
  EXPECT_DEATH((void)gray.Pixel(0, 0), "assertion failed");
  gray.Row8(3)[3] = 9;
  EXPECT_EQ(gray.Row8(3)[3], 9);
}

}  // namespace
}  // namespace skin
