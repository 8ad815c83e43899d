#include <gtest/gtest.h>

#include "platform/gfx/Surface.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/acSolidFill.h"
#include "skin/render/pixels/sColors.h"

namespace skin {
namespace {

TEST(FillRectSolid, FillsThroughTheSurfaceAndKeepsItsState) {
  Bitmap32 b(6, 6);
  gfx::Surface& s = b.Canvas();
  s.SetViewportOrg({2, 2});
  s.SetBrush(gfx::Brush::Solid(0x123456));
  FillRectSolid(&s, {0, 0, 2, 2}, gfx::clSystemColor | gfx::COLOR_BTNFACE);
  const std::uint32_t face = gfx::GetSysColor(gfx::COLOR_BTNFACE);
  EXPECT_EQ(b.Pixel(2, 2), 0xFF000000u | SwapRedBlue(face));
  EXPECT_EQ(b.Pixel(3, 3), 0xFF000000u | SwapRedBlue(face));
  EXPECT_EQ(b.Pixel(1, 1), 0u);
  EXPECT_EQ(b.Pixel(4, 4), 0u);
  EXPECT_EQ(s.GetBrush(), gfx::Brush::Solid(0x123456));
  FillRectSolid(nullptr, {0, 0, 2, 2}, 0);
}

}  // namespace
}  // namespace skin
