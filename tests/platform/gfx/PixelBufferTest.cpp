#include <gtest/gtest.h>

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/PixelBuffer.h"

namespace gfx {
namespace {

TEST(PixelBuffer, SizeFormatAndRows) {
  PixelBuffer b(5, 3);
  EXPECT_EQ(b.Stride(), 20);
  b.Row32(2)[4] = 0xDEADBEEF;
  EXPECT_EQ(b.View().Row32(2)[4], 0xDEADBEEFu);
  PixelBuffer copy = b;
  EXPECT_EQ(copy.Row32(2)[4], 0xDEADBEEFu);
  b.SetSize(5, 3);  // unchanged size keeps the pixels
  EXPECT_EQ(b.Row32(2)[4], 0xDEADBEEFu);
  b.SetSize(6, 3);
  EXPECT_EQ(b.Row32(2)[4], 0u);
  b.SetSize(-1, 4);
  EXPECT_TRUE(b.Empty());
  EXPECT_FALSE(b.View().Valid());
  PixelBuffer g(3, 2, PixelFormat::Gray8);
  EXPECT_EQ(g.Stride(), 3);
}

TEST(Geometry, IntersectAndEmpty) {
  EXPECT_EQ(Intersect(Rect(0, 0, 10, 10), Rect(5, -5, 20, 5)), Rect(5, 0, 10, 5));
  EXPECT_TRUE(Intersect(Rect(0, 0, 1, 1), Rect(2, 2, 3, 3)).IsEmpty());
  EXPECT_TRUE(Rect(3, 0, 1, 5).IsEmpty());
  EXPECT_EQ(Bounds(2, 3, 4, 5), Rect(2, 3, 6, 8));
}

TEST(SysColors, TableCanBeChangedAndReset) {
  const TColor face = GetSysColor(COLOR_BTNFACE);
  SetSysColor(COLOR_BTNFACE, 0x123456);
  EXPECT_EQ(ColorToRGB(clSystemColor | COLOR_BTNFACE), 0x123456u);
  ResetSysColors();
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), face);
}

}  // namespace
}  // namespace gfx
