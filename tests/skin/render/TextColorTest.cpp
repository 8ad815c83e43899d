// The control colour settings applied to caption colours: tone, hue rotation and
// saturation on the right channels, with a bounded saturation amount.
#include <gtest/gtest.h>

#include "skin/render/acTextColor.h"
#include "skin/render/pixels/acColorAdjust.h"
#include "skin/render/pixels/acPixelEffects.h"

namespace skin {
namespace {

TEST(AdjustTextColor, WithoutSettingsOnlyResolvesTheColour) {
  EXPECT_EQ(AdjustTextColor(0x123456, {}), 0x123456u);
  EXPECT_EQ(AdjustTextColor(gfx::clSystemColor | gfx::COLOR_BTNSHADOW, {}), gfx::GetSysColor(gfx::COLOR_BTNSHADOW));
}

TEST(AdjustTextColor, HueTurnsRedTowardGreen) {
  // Colour values keep red in the low byte: red turned by 120 degrees is green, not blue.
  EXPECT_EQ(AdjustTextColor(0x0000FF, {clNone, 120, 0}), 0x00FF00u);
  EXPECT_EQ(AdjustTextColor(0x0000FF, {clNone, 240, 0}), 0xFF0000u);
  EXPECT_EQ(AdjustTextColor(0x0000FF, {clNone, -120, 0}), 0xFF0000u);
  // Grey and black have no hue to turn.
  EXPECT_EQ(AdjustTextColor(0x808080, {clNone, 77, 0}), 0x808080u);
  EXPECT_EQ(AdjustTextColor(0x000000, {clNone, -30, 0}), 0x000000u);
  // Half-way: orange (hue 30) from red at 30 degrees; channels truncated on the way back.
  EXPECT_EQ(AdjustTextColor(0x0000FF, {clNone, 30, 0}), 0x007FFFu);
}

TEST(AdjustTextColor, SaturationWeighsRedAndBlueAsLuminanceDoes) {
  // Fully desaturated red is the grey of red's luminance (0.299 x 255 = 76, by 255 / 256:
  // 75); blue's is 0.114 x 255 = 29 (28).
  EXPECT_EQ(AdjustTextColor(0x0000FF, {clNone, 0, -100}), 0x4B4B4Bu);
  EXPECT_EQ(AdjustTextColor(0xFF0000, {clNone, 0, -100}), 0x1C1C1Cu);
}

TEST(AdjustTextColor, SaturationAmountIsLimited) {
  EXPECT_EQ(TextSaturationAmount(50), 128);
  EXPECT_EQ(TextSaturationAmount(-100), -255);
  EXPECT_EQ(TextSaturationAmount(500), 255);
  EXPECT_EQ(TextSaturationAmount(-100000), -255);
  // 500 percent saturates like the largest amount, not beyond it.
  const TColor c = 0xC89664;  // R 100, G 150, B 200
  EXPECT_EQ(AdjustTextColor(c, {clNone, 0, 500}), SwapRedBlue(ChangeSaturation(255, SwapRedBlue(c))));
  EXPECT_EQ(AdjustTextColor(c, {clNone, 0, 500}), 0xFF9E3Au);
}

TEST(AdjustTextColor, ToneScalesTheToneByTheLargestChannel) {
  // v = 200 of (R 200, G 100, B 0); tone (R 255, G 128, B 0): R 199, G 100, B 0.
  EXPECT_EQ(AdjustTextColor(0x0064C8, {0x0080FF, 0, 0}), 0x0064C7u);
  EXPECT_EQ(TonePixel(0x80C86400u, 0x000080FFu), 0x80C76400u);
  // Tone first, then hue: the toned red-orange turned by 120 degrees is green-ish.
  const TColor toned = AdjustTextColor(0x0064C8, {0x0080FF, 0, 0});
  EXPECT_EQ(AdjustTextColor(0x0064C8, {0x0080FF, 120, 0}), AdjustTextColor(toned, {clNone, 120, 0}));
}

}  // namespace
}  // namespace skin
