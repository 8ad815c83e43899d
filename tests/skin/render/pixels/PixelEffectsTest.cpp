#include <gtest/gtest.h>

#include "tests/skin/support/PixelTestSupport.h"
#include "skin/render/pixels/acPixelEffects.h"
#include "skin/render/pixels/acPixelTuning.h"

namespace skin {
namespace {

using test::Filled;
using test::Pattern;
using test::Snapshot;

TEST(ChangeSaturation, ZeroKeepsAndMinusFullGivesGrey) {
  const std::uint32_t p = 0x80C86432;  // R 200, G 100, B 50
  EXPECT_EQ(ChangeSaturation(0, p), p);
  const std::uint32_t g = ChangeSaturation(-255, p);
  const std::uint32_t gray = PixelGray(p);  // round(59.8 + 58.7 + 5.7) = 124
  EXPECT_EQ(gray, 124u);
  // v = 255 * gray, so the grey level is (255 * gray) >> 8.
  const std::uint32_t level = (255 * gray) >> 8;
  EXPECT_EQ(g, 0x80000000u | (level << 16) | (level << 8) | level);
}

TEST(ChangeSaturation, PositiveAmountClamps) {
  const std::uint32_t p = 0x00FF0000;  // pure red
  const std::uint32_t s = ChangeSaturation(255, p);
  EXPECT_EQ((s >> 16) & 0xFF, 255u);  // v >= 65536 gives 255
  EXPECT_EQ(s & 0xFF, 0u);            // v < 0 gives 0
}

TEST(PixelGray, RoundsHalfToEven) {
  // R 5 G 0 B 0 gives 1.495 -> 1; exact halves round to even.
  EXPECT_EQ(PixelGray(0x00050000), 1u);
  EXPECT_EQ(PixelGray(0x00FFFFFF), 255u);
}

TEST(MakeGrayscale, KeepsAlphaAndKeyPixels) {
  Bitmap32 b(2, 1);
  b.SetPixel(0, 0, 0x40C86432);
  b.SetPixel(1, 0, KeyPixel);
  MakeGrayscale(&b, KeyPixel);
  EXPECT_EQ(b.Pixel(0, 0), 0x407C7C7Cu);
  EXPECT_EQ(b.Pixel(1, 0), KeyPixel);
  MakeGrayscale(&b);
  EXPECT_NE(b.Pixel(1, 0), KeyPixel);
}

TEST(ForEachPixel, KeyIsAColourValue) {
  Bitmap32 b(2, 1);
  b.SetPixel(0, 0, 0x00FF00FF);
  b.SetPixel(1, 0, 0x00010203);
  ForEachPixel(&b, PixelOpOpaque, 0, KeyColor);
  EXPECT_EQ(b.Pixel(0, 0), 0x00FF00FFu);
  EXPECT_EQ(b.Pixel(1, 0), 0xFF010203u);
  ForEachPixel(&b, PixelOpOpaque, 0, NoKey);
  EXPECT_EQ(b.Pixel(0, 0), 0xFFFF00FFu);
}

TEST(TintBitmap, RedByteGoesToRed) {
  Bitmap32 b(2, 1);
  b.SetPixel(0, 0, 0x11000000);
  b.SetPixel(1, 0, KeyPixel);
  TintBitmap(&b, 0, 0x0000FF);  // colour value: red
  EXPECT_EQ(b.Pixel(0, 0), 0x11000000u | (std::uint32_t((255 * 255) >> 8) << 16));
  EXPECT_EQ(b.Pixel(1, 0), KeyPixel);
}

class FixedColour : public IBackgroundColorSource {
 public:
  explicit FixedColour(TColor c) : c_(c) {}
  TColor BackgroundColor() const override { return c_; }

 private:
  TColor c_;
};

TEST(ApplyDisabledLook, GrayedUsesScaledSaturation) {
  Bitmap32 b = Filled(2, 2, 0xFFC86432);
  b.SetPixel(1, 1, KeyPixel);
  ApplyDisabledLook(&b, dkGrayed, nullptr, {0, 0}, EmptyBgInfo());
  EXPECT_EQ(-90 * 255 / 100, -229);
  EXPECT_EQ(b.Pixel(0, 0), ChangeSaturation(-229, 0xFFC86432));
  EXPECT_EQ(b.Pixel(1, 1), KeyPixel);
}

TEST(ApplyDisabledLook, BlendedOverReadyBackgroundUsesOffsets) {
  Bitmap32 b = Filled(2, 2, 0xFFFFFFFF);
  Bitmap32 back = Filled(10, 10, 0xFF000000);
  back.SetPixel(5, 6, 0xFF00FF00);
  TacBgInfo bg = BgInfoFromBitmap(&back, 1, 2);
  ApplyDisabledLook(&b, dkBlended, nullptr, {4, 4}, bg);
  // Pixel (0,0) of the control sits over back (5, 6).
  const std::uint32_t keep = (255 * 100) >> 8;
  const std::uint32_t green = (255 * 155 + 255 * 100) >> 8;
  // All four bytes blend: both alphas 255 give (255 * 155 + 255 * 100) >> 8 = 254.
  EXPECT_EQ(b.Pixel(0, 0), (green << 24) | (keep << 16) | (green << 8) | keep);
  EXPECT_EQ(b.Pixel(1, 1), (green << 24) | (keep << 16) | (keep << 8) | keep);
}

TEST(ApplyDisabledLook, BlendedWithoutBackgroundShadesTowardControlColour) {
  Bitmap32 b = Filled(1, 1, 0xFF000000);
  FixedColour blue(0xFF0000);
  ApplyDisabledLook(&b, dkBlended, &blue, {0, 0}, EmptyBgInfo());
  EXPECT_EQ(b.Pixel(0, 0), 0xFF000000u | std::uint32_t((255 * 155) >> 8));
  // A fill colour in the record wins over the control.
  Bitmap32 c = Filled(1, 1, 0xFF000000);
  TacBgInfo bg;
  bg.FillColor = 0x0000FF;
  ApplyDisabledLook(&c, dkBlended, &blue, {0, 0}, bg);
  EXPECT_EQ(c.Pixel(0, 0), 0xFF000000u | (std::uint32_t((255 * 155) >> 8) << 16));
}

TEST(ApplyDisabledLook, FollowsTheEngineWideTuning) {
  const TacPixelTuning before = PixelTuning();
  PixelTuning().DisabledSaturation = -100;
  PixelTuning().DisabledBlend = 0;
  Bitmap32 b = Filled(1, 1, 0x80C86432);
  ApplyDisabledLook(&b, dkGrayed, nullptr, {0, 0}, EmptyBgInfo());
  EXPECT_EQ(b.Pixel(0, 0), 0x807C7C7Cu) << "-100: plain grey (124), A kept";
  Bitmap32 c = Filled(1, 1, 0xFF000000);
  TacBgInfo bg;
  bg.FillColor = 0x0000FF;
  ApplyDisabledLook(&c, dkBlended, nullptr, {0, 0}, bg);
  EXPECT_EQ(c.Pixel(0, 0), 0xFF000000u | (std::uint32_t((255 * 255) >> 8) << 16)) << "weight 0 keeps none of it";
  PixelTuning() = before;
}

TEST(TintRectToColor, FlatWeightFromPercentage) {
  Bitmap32 b = Filled(4, 4, 0x80FFFFFF);
  TintRectToColor(&b, {1, 1, 3, 3}, 0, 0, 0, 0x000000);
  EXPECT_EQ(b.Pixel(1, 1), 0x80000000u);
  EXPECT_EQ(b.Pixel(0, 0), 0x80FFFFFFu);
  Bitmap32 c = Filled(1, 1, 0x00C8C8C8);
  TintRectToColor(&c, {0, 0, 1, 1}, 100, 0, 0, 0x000000);
  EXPECT_EQ(c.Pixel(0, 0), 0x00C7C7C7u);  // g = 255 keeps the picture, one step short
  Bitmap32 d = Filled(1, 1, 0x00C8C8C8);
  TintRectToColor(&d, {0, 0, 1, 1}, 50, 0, 0, 0x000000);
  EXPECT_EQ(d.Pixel(0, 0) & 0xFF, std::uint32_t((200 * 127) >> 8));
}

TEST(TintRectToColor, SoftEdgesTintLessThanCentre) {
  Bitmap32 b = Filled(20, 20, 0xFFFFFFFF);
  TintRectToColor(&b, {0, 0, 20, 20}, 0, 4, 3, 0x000000);
  const int centre = b.Pixel(10, 10) & 0xFF;
  const int edge = b.Pixel(0, 10) & 0xFF;
  const int corner = b.Pixel(0, 0) & 0xFF;
  EXPECT_EQ(centre, 0);
  EXPECT_GT(edge, centre);
  EXPECT_GE(corner, edge);
}

TEST(EffectsRobustness, BadInputChangesNothing) {
  Bitmap32 gray(3, 3, gfx::PixelFormat::Gray8);
  Bitmap32 empty;
  MakeGrayscale(&empty);
  MakeGrayscale(nullptr);
  TintBitmap(&gray, 0, 0);
  ForEachPixel(&gray, PixelOpOpaque, 0, NoKey);
  ApplyDisabledLook(&empty, dkGrayed | dkBlended, nullptr, {0, 0}, EmptyBgInfo());
  Bitmap32 b = Pattern(3, 3);
  const auto before = Snapshot(b);
  TintRectToColor(&b, {2, 2, 1, 1}, 0, 0, 0, 0);
  TintRectToColor(&b, {5, 5, 9, 9}, 0, 3, 3, 0);
  ForEachPixel(&b, nullptr, 0, NoKey);
  TacBgInfo bg;
  bg.Ready = true;  // ready but no bitmap: nothing to blend with
  ApplyDisabledLook(&b, dkBlended, nullptr, {0, 0}, bg);
  EXPECT_EQ(Snapshot(b), before);
}

}  // namespace
}  // namespace skin
