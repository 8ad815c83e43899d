// Tone, hue rotation and saturation of finished pictures.
#include <gtest/gtest.h>

#include "skin/render/pixels/acColorAdjust.h"
#include "tests/skin/support/PixelTestSupport.h"

namespace skin {
namespace {

constexpr std::uint32_t Argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return (a << 24) | (r << 16) | (g << 8) | b;
}

TEST(ColorAdjustTest, ToneTakesTheBrightestChannelTimesTheTone) {
  // Brightest channel 200; tone colour value 0x4080FF (R 255, G 128, B 64).
  EXPECT_EQ(TonePixel(Argb(7, 10, 200, 30), 0x4080FF), Argb(7, 200 * 255 >> 8, 200 * 128 >> 8, 200 * 64 >> 8));
  EXPECT_EQ(TonePixel(Argb(0, 0, 0, 0), 0xFFFFFF), 0u);
}

TEST(ColorAdjustTest, HueRotationBySectorsAndOfEitherSign) {
  const std::uint32_t red = Argb(255, 255, 0, 0);
  EXPECT_EQ(RotateHue(red, 120), Argb(255, 0, 255, 0));
  EXPECT_EQ(RotateHue(red, 240), Argb(255, 0, 0, 255));
  EXPECT_EQ(RotateHue(red, -120), Argb(255, 0, 0, 255));
  EXPECT_EQ(RotateHue(red, -30), RotateHue(red, 330));
  EXPECT_EQ(RotateHue(red, 60), Argb(255, 255, 255, 0));
  // A whole turn gives the pixel back, and a half turn twice as well.
  const std::uint32_t odd = Argb(9, 200, 120, 40);
  EXPECT_EQ(RotateHue(odd, 360), odd);
  EXPECT_EQ(RotateHue(odd, -720), odd);
  EXPECT_EQ(RotateHue(RotateHue(odd, 180), 180), odd);
  // Hue 30 of (200, 120, 40) plus 90 is 120: pure green at value 200, saturation 0.8.
  EXPECT_EQ(RotateHue(odd, 90), Argb(9, 40, 200, 40));
  // No hue: black and greys stay as they are.
  EXPECT_EQ(RotateHue(Argb(255, 0, 0, 0), -30), Argb(255, 0, 0, 0));
  EXPECT_EQ(RotateHue(Argb(1, 77, 77, 77), 100), Argb(1, 77, 77, 77));
}

TEST(ColorAdjustTest, SaturationAmountOfAPercentage) {
  EXPECT_EQ(SaturationAmount(0), 0);
  EXPECT_EQ(SaturationAmount(50), 127);
  EXPECT_EQ(SaturationAmount(-90), -229);
  EXPECT_EQ(SaturationAmount(300), 255);
  EXPECT_EQ(SaturationAmount(-2000000000), -255);
}

TEST(ColorAdjustTest, AdjustmentsRunInOrderAndSkipTheKeyColour) {
  Bitmap32 b = test::Filled(3, 1, Argb(255, 200, 120, 40));
  b.SetPixel(1, 0, KeyPixel);
  ApplyColorAdjustments(&b, 0xFFFFFF, 90, -255);
  // Tone white makes (200, 120, 40) grey 199; hue leaves grey; full desaturation of grey
  // 199 gives 255 * 199 >> 8 = 198.
  EXPECT_EQ(b.Pixel(0, 0), Argb(255, 198, 198, 198));
  EXPECT_EQ(b.Pixel(1, 0), KeyPixel);
  Bitmap32 c = test::Filled(1, 1, Argb(255, 200, 120, 40));
  ApplyColorAdjustments(&c, clNone, 90, 0);
  EXPECT_EQ(c.Pixel(0, 0), Argb(255, 40, 200, 40));
  ApplyColorAdjustments(nullptr, 0xFFFFFF, 1, 1);
}

}  // namespace
}  // namespace skin
