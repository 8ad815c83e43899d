// The variants of section painting: scroll bar parts, pictures shown with per-pixel alpha,
// painting onto a drawing surface, and a parent's answer turned into what lies behind.
#include <gtest/gtest.h>

#include "platform/gfx/Surface.h"
#include "skin/data/acSkinPictures.h"
#include "skin/render/acBackgroundQuery.h"
#include "skin/render/pixels/acGradient.h"
#include "skin/render/acPaintSection.h"
#include "tests/skin/support/SectionTestSupport.h"

namespace skin {
namespace {

using test::Count;
using test::Ground;
using test::Px;
using test::Rgb;
using test::SectionSkin;
using test::Snapshot;

constexpr TColor kColour = 0x3060C0;

std::uint32_t Blend(std::uint32_t d, std::uint32_t s, int t) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8)
    out |= std::uint32_t(BlendStep((d >> shift) & 0xFF, (s >> shift) & 0xFF, t)) << shift;
  return out;
}

TEST(BackgroundQueryTest, BitmapAnswersAreReadyAndColourAnswersCarryTheirStrips) {
  Bitmap32 b(4, 4);
  TsBackgroundQuery q;
  q.Kind = bqBitmap;
  q.Bitmap = &b;
  q.Offset = {3, -2};
  q.Color = 0x123456;
  q.BorderFrame = {1, 2, 3, 4};
  TacBgInfo bg = ToBgInfo(q);
  EXPECT_TRUE(bg.Ready);
  EXPECT_EQ(bg.Bmp, &b);
  EXPECT_EQ(bg.X, 3);
  EXPECT_EQ(bg.Y, -2);
  EXPECT_EQ(bg.FillColor, KeyColor);
  EXPECT_TRUE(bg.BorderFrame.IsEmpty());
  q.Kind = bqColor;
  q.Color = gfx::clSystemColor | gfx::COLOR_BTNFACE;
  bg = ToBgInfo(q);
  EXPECT_FALSE(bg.Ready);
  EXPECT_EQ(bg.Bmp, &b);
  EXPECT_EQ(bg.FillColor, ColorToRGB(q.Color));
  EXPECT_NE(bg.FillColor, q.Color);
  EXPECT_EQ(bg.BorderFrame, (TRect{1, 2, 3, 4}));
  q.Kind = bqNotReady;
  EXPECT_FALSE(ToBgInfo(q).Ready);
}

class SectionLiteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int y = 0; y < 3; ++y)  // a 3 x 3 masked frame picture, mask of zeros
      for (int x = 0; x < 3; ++x) {
        skin.Set(x, y, Rgb(9, 9, 9));
        skin.Set(x, y + 3, 0xFF000000u);
      }
    border = skin.Add(skin.Entry({0, 0, 3, 6}, 1, 1, 1, 1, 1, 1, 1));
  }
  int Section(int transparency) {
    TsGeneralData g = test::OneState(test::PlainState(kColour, transparency));
    g.BorderIndex = -1;  // the caller names the border
    return skin.Add(g);
  }

  SectionSkin skin;
  int border = -1;
  Bitmap32 parent = test::Pattern(20, 20, 13);
};

TEST_F(SectionLiteTest, OpaquePartsGetTheirColourAndTheBorderTheCallerNames) {
  Bitmap32 dst = Ground(6, 6, 0);
  PaintSectionLite(Section(0), border, -1, &skin.data, &dst, {0, 0}, {0, 0, 6, 6}, 0, EmptyBgInfo(), -1);
  EXPECT_EQ(dst.Pixel(0, 0), Rgb(9, 9, 9));
  EXPECT_EQ(dst.Pixel(5, 3), Rgb(9, 9, 9));
  EXPECT_EQ(Count(dst, {1, 1, 5, 5}, Px(kColour)), 16);
}

TEST_F(SectionLiteTest, SeeThroughPartsOverAReadyPictureBlendOrCopyAndOverNothingPaintTheirColour) {
  const TacBgInfo bg = BgInfoFromBitmap(&parent, 0, 0);
  Bitmap32 half = Ground(5, 5, 0), clear = Ground(5, 5, 0), unknown = Ground(5, 5, 0);
  PaintSectionLite(Section(50), -1, -1, &skin.data, &half, {4, 6}, {0, 0, 5, 5}, 0, bg, -1);
  PaintSectionLite(Section(100), -1, -1, &skin.data, &clear, {4, 6}, {0, 0, 5, 5}, 0, bg, -1);
  PaintSectionLite(Section(100), -1, -1, &skin.data, &unknown, {4, 6}, {0, 0, 5, 5}, 0, EmptyBgInfo(), -1);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) {
      EXPECT_EQ(half.Pixel(x, y), Blend(parent.Pixel(4 + x, 6 + y), Px(kColour), 127));
      EXPECT_EQ(clear.Pixel(x, y), parent.Pixel(4 + x, 6 + y));
    }
  EXPECT_EQ(Count(unknown, {0, 0, 5, 5}, Px(kColour)), 25);
}

TEST_F(SectionLiteTest, TextureOverridesByKindOfState) {
  skin.Set(10, 10, Rgb(1, 1, 1));
  skin.Set(11, 10, Rgb(2, 2, 2));
  const int t0 = skin.Add(skin.Entry({10, 10, 11, 11}, 1, 0, 0, 0, 0, 0, 0));
  const int t1 = skin.Add(skin.Entry({11, 10, 12, 11}, 1, 0, 0, 0, 0, 0, 0));
  TsGeneralData g = test::OneState(test::PlainState(kColour));
  g.States = 3;
  for (TsGenState& p : g.Props) p.ImagePercent = 100;
  const int section = skin.Add(g);
  Bitmap32 a = Ground(3, 3, 0), b = Ground(3, 3, 0);
  PaintSectionLite(section, -1, t0, &skin.data, &a, {0, 0}, {0, 0, 3, 3}, 0, EmptyBgInfo(), t1);
  PaintSectionLite(section, -1, t0, &skin.data, &b, {0, 0}, {0, 0, 3, 3}, 2, EmptyBgInfo(), t1);
  EXPECT_EQ(a.Pixel(1, 1), Rgb(1, 1, 1));
  EXPECT_EQ(b.Pixel(1, 1), Rgb(2, 2, 2));
}

TEST(SectionAlphaTest, FullyTransparentClearsTheWholePictureAndLeavesAPart) {
  SectionSkin skin;
  const int section = skin.Add(test::OneState(test::PlainState(kColour, 100)));
  Bitmap32 whole = test::Pattern(6, 6, 1), part = test::Pattern(6, 6, 1);
  PaintSectionAlpha(section, 0, &skin.data, &whole, {0, 0}, {0, 0, 6, 6});
  PaintSectionAlpha(section, 0, &skin.data, &part, {0, 0}, {1, 1, 5, 5});
  EXPECT_EQ(Count(whole, {0, 0, 6, 6}, 0u), 36);
  EXPECT_EQ(Snapshot(part), Snapshot(test::Pattern(6, 6, 1)));
}

TEST(SectionAlphaTest, PlainColourFollowsThePixelAtTheCorner) {
  SectionSkin skin;
  const int t40 = skin.Add(test::OneState(test::PlainState(kColour, 40)));
  const int t0 = skin.Add(test::OneState(test::PlainState(kColour, 0)));
  // Over a clear picture: the colour with alpha 60 percent.
  Bitmap32 clear = Ground(6, 6, 0);
  FillPixels(&clear, {0, 0, 6, 6}, 0, 0);
  PaintSectionAlpha(t40, 0, &skin.data, &clear, {0, 0}, {1, 1, 5, 5});
  EXPECT_EQ(clear.Pixel(2, 2), (SwapRedBlue(kColour) | (153u << 24)));
  // Opaque section: alpha 255.
  Bitmap32 opaque = Ground(6, 6, 0x101010);
  PaintSectionAlpha(t0, 0, &skin.data, &opaque, {0, 0}, {1, 1, 5, 5});
  EXPECT_EQ(opaque.Pixel(2, 2), Px(kColour));
  // Over something: each channel pulled 60 percent toward the colour, alpha at least 153.
  Bitmap32 over = test::Filled(6, 6, 0x40102030u);
  PaintSectionAlpha(t40, 0, &skin.data, &over, {0, 0}, {1, 1, 5, 5});
  const TsColor c(kColour);
  auto pull = [](int d, int col) { return d - 60 * (d - col) / 100; };
  const std::uint32_t want = (153u << 24) | (std::uint32_t(pull(0x10, c.R())) << 16) |
                             (std::uint32_t(pull(0x20, c.G())) << 8) | std::uint32_t(pull(0x30, c.B()));
  EXPECT_EQ(over.Pixel(3, 3), want);
  EXPECT_EQ(over.Pixel(0, 0), 0x40102030u);
}

TEST(SectionAlphaTest, SinglePassIsClearFromHalfTransparencyAndGradientsAreComposed) {
  SectionSkin skin;
  skin.Set(0, 0, Rgb(200, 100, 0));
  TsGenState st = test::PlainState(kColour, 50);
  st.ImagePercent = 50;
  st.GradientPercent = 50;
  st.TextureIndex = skin.Add(skin.Entry({0, 0, 1, 1}, 1, 0, 0, 0, 0, 0, 0));
  st.GradientArray = ParseGradientData("16711680;16711680;100;0;0;255;255;0;0;0");
  const int pass50 = skin.Add(test::OneState(st));
  st.Transparency = 49;
  const int pass49 = skin.Add(test::OneState(st));
  Bitmap32 a = Ground(4, 4, 0), b = Ground(4, 4, 0);
  PaintSectionAlpha(pass50, 0, &skin.data, &a, {0, 0}, {0, 0, 3, 3});
  PaintSectionAlpha(pass49, 0, &skin.data, &b, {0, 0}, {0, 0, 3, 3});
  EXPECT_EQ(a.Pixel(1, 1) >> 24, 0u);
  EXPECT_EQ(b.Pixel(1, 1) >> 24, 255u);
  EXPECT_EQ(a.Pixel(1, 1) & 0xFFFFFF, b.Pixel(1, 1) & 0xFFFFFF);

  // A straight gradient over a picture: composed with alpha 80 percent.
  TsGenState grad = test::PlainState(kColour, 20);
  grad.GradientPercent = 100;
  grad.GradientArray = st.GradientArray;
  const int section = skin.Add(test::OneState(grad));
  Bitmap32 dst = test::Pattern(5, 8, 3);
  Bitmap32 want = dst;
  TsGradArray brushed = grad.GradientArray;
  for (TsGradPoint& p : brushed) {
    p.Mode |= gdBrushSegment;
    p.Color.SetA(204);
  }
  FillGradient(&want, {0, 0, 5, 7}, brushed, 0);
  PaintSectionAlpha(section, 0, &skin.data, &dst, {0, 0}, {0, 0, 5, 7});
  EXPECT_EQ(Snapshot(dst), Snapshot(want));
}

TEST(SectionAlphaTest, TheWholePictureIsPremultiplied) {
  SectionSkin skin;
  const int section = skin.Add(test::OneState(test::PlainState(0xFFFFFF, 50)));
  Bitmap32 dst = Ground(4, 4, 0);
  FillPixels(&dst, {0, 0, 4, 4}, 0, 0);
  PaintSectionAlpha(section, 0, &skin.data, &dst, {0, 0}, {0, 0, 4, 4});
  Bitmap32 want = test::Filled(4, 4, 0x7FFFFFFFu);
  PremultiplyAlpha(&want, {0, 0, 4, 4}, true);
  EXPECT_EQ(Snapshot(dst), Snapshot(want));
  EXPECT_LT(dst.Pixel(0, 0) & 0xFF, 0xFFu);
}

TEST(SectionToSurfaceTest, PaintsAtTheRectangleThroughTheSurfacesOriginAndKeepsItsState) {
  SectionSkin skin;
  const int section = skin.Add(test::OneState(test::PlainState(kColour)));
  Bitmap32 target = Ground(20, 12, 0);
  gfx::Surface& s = target.Canvas();
  s.SetViewportOrg({10, 5});
  s.SetBrush(gfx::Brush::Solid(0x00FF00));
  PaintSectionToSurface(section, EmptyBgInfo(), &skin.data, &s, {0, 0}, {0, 0, 4, 3}, 0);
  EXPECT_EQ(Count(target, {10, 5, 14, 8}, Px(kColour)), 12);
  EXPECT_EQ(Count(target, {0, 0, 20, 12}, Px(kColour)), 12);
  EXPECT_EQ(s.ViewportOrg(), (TPoint{10, 5}));
  EXPECT_EQ(s.GetBrush().Color(), 0x00FF00u);
  PaintSectionToSurface(section, EmptyBgInfo(), &skin.data, nullptr, {0, 0}, {0, 0, 4, 3}, 0);
}

}  // namespace
}  // namespace skin
