// Section backgrounds on small synthetic skins: the five ways of meeting what lies behind,
// the layers and their shares, the single pass, the alpha gradient, the state chosen and
// the rectangles that paint nothing.
#include <gtest/gtest.h>

#include "skin/render/pixels/acGradient.h"
#include "skin/render/acPaintSection.h"
#include "skin/render/acSectionLayers.h"
#include "tests/skin/support/SectionTestSupport.h"

namespace skin {
namespace {

using test::Count;
using test::Ground;
using test::Px;
using test::Rgb;
using test::SectionSkin;
using test::Snapshot;

constexpr TColor kColour = 0x3060C0;  // section colour
constexpr TColor kParent = 0x20A040;  // the parent's plain colour

void Paint(const SectionSkin& skin, int section, const TacBgInfo& bg, Bitmap32& dst, TPoint pos, const TRect& rect,
           int state = 0) {
  PaintSectionBackground(section, bg, state, KeyColor, -1, -1, &skin.data, &dst, pos, rect);
}

TacBgInfo ColourOnly(TColor c) {
  TacBgInfo bg;
  bg.FillColor = c;
  return bg;
}

class FiveCasesTest : public ::testing::Test {
 protected:
  int Section(int transparency) { return skin.Add(test::OneState(test::PlainState(kColour, transparency))); }

  SectionSkin skin;
  Bitmap32 parent = test::Pattern(40, 30, 99);
};

TEST_F(FiveCasesTest, NothingKnownBehindPaintsTheLayersWhateverTheTransparency) {
  for (int t : {0, 50, 100}) {
    Bitmap32 dst = test::Pattern(8, 8, 1);
    Paint(skin, Section(t), EmptyBgInfo(), dst, {3, 3}, {1, 1, 7, 7});
    EXPECT_EQ(Count(dst, {1, 1, 7, 7}, Px(kColour)), 36) << t;
    EXPECT_EQ(dst.Pixel(0, 0), test::Pattern(8, 8, 1).Pixel(0, 0));
  }
}

TEST_F(FiveCasesTest, OpaqueSectionIgnoresThePicture) {
  Bitmap32 dst = test::Pattern(8, 8, 1);
  Paint(skin, Section(0), BgInfoFromBitmap(&parent, 0, 0), dst, {3, 3}, {0, 0, 8, 8});
  EXPECT_EQ(Count(dst, {0, 0, 8, 8}, Px(kColour)), 64);
}

TEST_F(FiveCasesTest, SeeThroughSectionCopiesThePictureAtItsPlace) {
  const int section = Section(100);
  Bitmap32 dst = Ground(10, 10, 0);
  // The rectangle (2, 1)-(8, 6) lies at (5, 4) in the parent; the answer's offset is (1, 2).
  Paint(skin, section, BgInfoFromBitmap(&parent, 1, 2), dst, {5, 4}, {2, 1, 8, 6});
  for (int y = 1; y < 6; ++y)
    for (int x = 2; x < 8; ++x) ASSERT_EQ(dst.Pixel(x, y), parent.Pixel(1 + 5 + x - 2, 2 + 4 + y - 1)) << x << "," << y;
  EXPECT_EQ(dst.Pixel(0, 0), Px(0));
  // Over itself nothing changes.
  const auto before = Snapshot(dst);
  Paint(skin, section, BgInfoFromBitmap(&dst, 0, 0), dst, {0, 0}, {0, 0, 10, 10});
  EXPECT_EQ(Snapshot(dst), before);
  // A parent that only has a colour.
  Paint(skin, section, ColourOnly(kParent), dst, {0, 0}, {0, 0, 10, 10});
  EXPECT_EQ(Count(dst, {0, 0, 10, 10}, Px(kParent)), 100);
}

TEST_F(FiveCasesTest, SeeThroughSectionOverAColouredParentTakesItsBorderStrips) {
  // The parent's picture is 40 x 30 with strips of 3 (left), 2 (top), 4 (right), 5 (bottom).
  TacBgInfo bg = ColourOnly(kParent);
  bg.Bmp = &parent;
  bg.X = bg.Y = 0;
  bg.BorderFrame = {3, 2, 4, 5};
  Bitmap32 dst = Ground(40, 30, 0);
  // A child covering the whole parent.
  Paint(skin, Section(100), bg, dst, {0, 0}, {0, 0, 40, 30});
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      const bool strip = x < 3 || y < 2 || x >= 36 || y >= 25;
      ASSERT_EQ(dst.Pixel(x, y), strip ? parent.Pixel(x, y) : Px(kParent)) << x << "," << y;
    }
}

TEST_F(FiveCasesTest, HalfTransparentOverAPictureBlendsTheLayersIntoIt) {
  Bitmap32 dst = Ground(6, 6, 0);
  Paint(skin, Section(50), BgInfoFromBitmap(&parent, 0, 0), dst, {10, 10}, {0, 0, 6, 6});
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) {
      const std::uint32_t d = parent.Pixel(10 + x, 10 + y), s = Px(kColour);
      std::uint32_t want = 0;
      for (int shift = 0; shift < 32; shift += 8)
        want |= std::uint32_t(BlendStep((d >> shift) & 0xFF, (s >> shift) & 0xFF, 127)) << shift;
      ASSERT_EQ(dst.Pixel(x, y), want) << x << "," << y;
    }
}

TEST_F(FiveCasesTest, HalfTransparentOverAColourWithATextureFillsTheColourFirst) {
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) skin.Set(x, y, Rgb(200, 100, 50 + x + y));
  TsGenState st = test::PlainState(kColour, 50);
  st.ImagePercent = 100;
  st.TextureIndex = skin.Add(skin.Entry({0, 0, 2, 2}, 1, 0, 0, 0, 0, 0, 0));
  const int section = skin.Add(test::OneState(st));
  Bitmap32 dst = test::Pattern(4, 4, 3);
  Paint(skin, section, ColourOnly(kParent), dst, {0, 0}, {0, 0, 4, 4});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      const std::uint32_t d = Px(kParent), s = Rgb(200, 100, 50 + x % 2 + y % 2);
      std::uint32_t want = 0;
      for (int shift = 0; shift < 32; shift += 8)
        want |= std::uint32_t(BlendStep((d >> shift) & 0xFF, (s >> shift) & 0xFF, 127)) << shift;
      ASSERT_EQ(dst.Pixel(x, y), want) << x << "," << y;
    }
}

TEST_F(FiveCasesTest, HalfTransparentColourOverAColourIsTheMixOfTheTwo) {
  Bitmap32 dst = Ground(5, 5, 0);
  Paint(skin, Section(50), ColourOnly(kParent), dst, {0, 0}, {0, 0, 5, 5});
  EXPECT_EQ(Count(dst, {0, 0, 5, 5}, Px(BlendColorValues(kParent, kColour, 127))), 25);
}

TEST(SectionBackgroundTest, AlphaGradientIsDrawnOverTheFinishedBackground) {
  SectionSkin skin;
  TsGenState st = test::PlainState(kColour, 100);
  st.GradientPercent = 100;  // not used: the alpha gradient is drawn over instead
  st.GradientArray = ParseGradientData("2147483647;0;16;16711680;100;16;B");
  ASSERT_TRUE(HasAlphaGradient(st));
  const int section = skin.Add(test::OneState(st));
  Bitmap32 parent = test::Pattern(12, 12, 8);
  Bitmap32 dst = Ground(12, 12, 0);
  PaintSectionBackground(section, BgInfoFromBitmap(&parent, 0, 0), 0, KeyColor, -1, -1, &skin.data, &dst, {2, 2},
                         {2, 2, 10, 10});
  Bitmap32 want = Ground(12, 12, 0);
  for (int y = 2; y < 10; ++y)
    for (int x = 2; x < 10; ++x) want.SetPixel(x, y, parent.Pixel(x, y));
  FillGradient(&want, {2, 2, 10, 10}, st.GradientArray, 0);
  EXPECT_EQ(Snapshot(dst), Snapshot(want));
  EXPECT_NE(Snapshot(dst), Snapshot(parent));  // the gradient did show
}

TEST(SectionBackgroundTest, AGivenColourIsPaintedOpaqueWithoutTextureOrTransparency) {
  SectionSkin skin;
  skin.Set(0, 0, Rgb(1, 2, 3));
  TsGenState st = test::PlainState(kColour, 100);
  st.ImagePercent = 100;
  st.TextureIndex = skin.Add(skin.Entry({0, 0, 1, 1}, 1, 0, 0, 0, 0, 0, 0));
  const int section = skin.Add(test::OneState(st));
  Bitmap32 parent = test::Pattern(6, 6, 4);
  Bitmap32 dst = Ground(6, 6, 0);
  PaintSectionBackground(section, BgInfoFromBitmap(&parent, 0, 0), 0, 0x0000FF, -1, -1, &skin.data, &dst, {0, 0},
                         {0, 0, 6, 6});
  EXPECT_EQ(Count(dst, {0, 0, 6, 6}, Px(0x0000FF)), 36);
}

// A section of three states whose texture, colour and border picture tell them apart.
class SectionStatesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Border: three 3 x 3 masked pictures side by side, the mask of zeros below them.
    for (int s = 0; s < 3; ++s)
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) {
          skin.Set(s * 3 + x, y, Rgb(100 + s, 10 * y, x));
          skin.Set(s * 3 + x, y + 3, 0xFF000000u);
        }
    border = skin.Add(skin.Entry({0, 0, 9, 6}, 3, 1, 1, 1, 1, 1, 1));
    TsGeneralData g;
    g.States = 2;
    for (int s = 0; s < 3; ++s) g.Props[static_cast<std::size_t>(s)] = test::PlainState(0x100000 * (s + 1));
    g.BorderIndex = border;
    section = skin.Add(g);
  }

  SectionSkin skin;
  int border = -1, section = -1;
};

TEST_F(SectionStatesTest, StateTwoOfATwoStateSectionPaintsTheHotRecordAndPictureOne) {
  Bitmap32 hot = Ground(8, 8, 0), pressed = Ground(8, 8, 0);
  PaintSection(section, EmptyBgInfo(), -1, -1, &skin.data, &hot, {0, 0}, {0, 0, 8, 8}, 1);
  PaintSection(section, EmptyBgInfo(), -1, -1, &skin.data, &pressed, {0, 0}, {0, 0, 8, 8}, 2);
  EXPECT_EQ(Snapshot(hot), Snapshot(pressed));
  EXPECT_EQ(pressed.Pixel(4, 4), Px(0x200000));    // Props[1]
  EXPECT_EQ(pressed.Pixel(0, 0), Rgb(101, 0, 0));  // picture 1 of the border
  Bitmap32 normal = Ground(8, 8, 0);
  PaintSection(section, EmptyBgInfo(), -1, -1, &skin.data, &normal, {0, 0}, {0, 0, 8, 8}, 0);
  EXPECT_EQ(normal.Pixel(4, 4), Px(0x100000));
  EXPECT_EQ(normal.Pixel(0, 0), Rgb(100, 0, 0));
}

TEST_F(SectionStatesTest, TextureOverridesFollowTheKindOfState) {
  skin.Set(20, 20, Rgb(7, 7, 7));
  skin.Set(21, 20, Rgb(8, 8, 8));
  const int tex0 = skin.Add(skin.Entry({20, 20, 21, 21}, 1, 0, 0, 0, 0, 0, 0));
  const int texHot = skin.Add(skin.Entry({21, 20, 22, 21}, 1, 0, 0, 0, 0, 0, 0));
  for (TsGenState& p : skin.Section(section).Props) p.ImagePercent = 100;
  auto paint = [&](int state) {
    Bitmap32 dst = Ground(4, 4, 0);
    PaintSectionBackground(section, EmptyBgInfo(), state, KeyColor, texHot, tex0, &skin.data, &dst, {0, 0},
                           {0, 0, 4, 4});
    return dst.Pixel(2, 2);
  };
  EXPECT_EQ(paint(0), Rgb(7, 7, 7));
  EXPECT_EQ(paint(1), Rgb(8, 8, 8));
  // Without overrides each state's own texture (none here) leaves the share to the colour.
  Bitmap32 dst = Ground(4, 4, 0);
  PaintSectionBackground(section, EmptyBgInfo(), 1, KeyColor, -1, -1, &skin.data, &dst, {0, 0}, {0, 0, 4, 4});
  EXPECT_EQ(dst.Pixel(2, 2), Px(0x200000));
}

TEST_F(SectionStatesTest, RectanglesNotInsideTheDestinationAndMissingPiecesPaintNothing) {
  Bitmap32 dst = test::Pattern(10, 10, 6);
  const auto before = Snapshot(dst);
  const TRect bad[] = {{0, 0, 11, 10}, {0, 0, 10, 11}, {-1, 0, 5, 5}, {0, -1, 5, 5}, {5, 5, 5, 9}, {6, 6, 4, 8}};
  for (const TRect& r : bad) {
    PaintSection(section, EmptyBgInfo(), -1, -1, &skin.data, &dst, {0, 0}, r, 0);
    PaintSectionBackground(section, EmptyBgInfo(), 0, KeyColor, -1, -1, &skin.data, &dst, {0, 0}, r);
    PaintSectionLite(section, border, -1, &skin.data, &dst, {0, 0}, r, 0, EmptyBgInfo(), -1);
    PaintSectionAlpha(section, 0, &skin.data, &dst, {0, 0}, r);
  }
  const TRect good{0, 0, 10, 10};
  PaintSection(section + 1, EmptyBgInfo(), -1, -1, &skin.data, &dst, {0, 0}, good, 0);
  PaintSection(-1, EmptyBgInfo(), -1, -1, &skin.data, &dst, {0, 0}, good, 0);
  PaintSection(section, EmptyBgInfo(), -1, -1, nullptr, &dst, {0, 0}, good, 0);
  PaintSection(section, EmptyBgInfo(), -1, -1, &skin.data, nullptr, {0, 0}, good, 0);
  EXPECT_EQ(Snapshot(dst), before);
  Bitmap32 grey(10, 10, gfx::PixelFormat::Gray8);
  PaintSection(section, EmptyBgInfo(), -1, -1, &skin.data, &grey, {0, 0}, {0, 0, 10, 10}, 0);
  EXPECT_EQ(grey.Row8(5)[5], 0);
}

// A 2 x 2 texture and a two-stop vertical gradient.
class SectionLayersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin.Set(0, 0, Rgb(240, 10, 100));
    skin.Set(1, 0, Rgb(30, 250, 7));
    skin.Set(0, 1, Rgb(0, 0, 0));
    skin.Set(1, 1, Rgb(255, 255, 255));
    tex = skin.Add(skin.Entry({0, 0, 2, 2}, 1, 0, 0, 0, 0, 0, 0));
  }
  int Section(int ip, int gp, const char* gradient) {
    TsGenState st = test::PlainState(kColour);
    st.ImagePercent = ip;
    st.GradientPercent = gp;
    st.TextureIndex = tex;
    st.GradientArray = ParseGradientData(gradient);
    return skin.Add(test::OneState(st));
  }

  SectionSkin skin;
  int tex = -1;
  static constexpr const char* kDown = "16711680;16711680;100;0;0;255;255;0;0;0";  // blue to red
};

TEST_F(SectionLayersTest, SinglePassMixesEachTexturePixelWithTheGradientAtItsPlace) {
  const int section = Section(30, 70, kDown);
  const TsGeneralData& g = skin.Section(section);
  ASSERT_TRUE(TakesSinglePass(StateLayerValues(skin.data, g.Props[0], tex)));
  Bitmap32 dst = test::Pattern(9, 7, 2);
  Paint(skin, section, EmptyBgInfo(), dst, {0, 0}, {1, 1, 8, 6});
  // The gradient alone, painted the way the layers paint it, gives g at each pixel.
  Bitmap32 grad(9, 7);
  FillGradient(&grad, {1, 1, 8, 6}, g.Props[0].GradientArray, 0);
  const int w = 30 * 255 / 100;
  for (int y = 1; y < 6; ++y)
    for (int x = 1; x < 8; ++x) {
      const std::uint32_t t = skin.Master().Pixel((x - 1) % 2, (y - 1) % 2), gp = grad.Pixel(x, y);
      std::uint32_t want = 0xFF000000u;
      for (int shift = 0; shift < 24; shift += 8) {
        const int tc = (t >> shift) & 0xFF, gc = (gp >> shift) & 0xFF;
        want |= std::uint32_t(((tc - gc) * w + gc * 256) >> 8) << shift;
      }
      ASSERT_EQ(dst.Pixel(x, y), want) << x << "," << y;
    }
}

TEST_F(SectionLayersTest, TextureAndGradientKeepTheirOwnSharesAndTheColourTheRest) {
  // 40 + 40: the texture keeps 40 percent, the gradient 40, the colour 20.
  const int section = Section(40, 40, "8421504;8421504;100;0;0;8421504;8421504;0;0;0");
  Bitmap32 dst = Ground(2, 2, 0);
  Paint(skin, section, EmptyBgInfo(), dst, {0, 0}, {0, 0, 2, 2});
  const TsColor grey(0x808080), colour(kColour);
  const int tex00[3] = {100, 10, 240};  // B, G, R of Rgb(240, 10, 100)
  const int col[3] = {colour.B(), colour.G(), colour.R()};
  for (int c = 0; c < 3; ++c) {
    const double want = 0.4 * tex00[c] + 0.4 * grey.R() + 0.2 * col[c];
    EXPECT_NEAR(double((dst.Pixel(0, 0) >> (8 * c)) & 0xFF), want, 3.0) << c;
  }
}

TEST_F(SectionLayersTest, GradientWithoutTextureAndEmptyGradientAndColourShare) {
  // 60 percent gradient, no texture share: the gradient pulled 40 percent toward the colour.
  const int section = Section(0, 60, kDown);
  Bitmap32 dst = Ground(3, 10, 0);
  Paint(skin, section, EmptyBgInfo(), dst, {0, 0}, {0, 0, 3, 10});
  Bitmap32 want(3, 10);
  FillGradient(&want, {0, 0, 3, 10}, skin.Section(section).Props[0].GradientArray, 0);
  ShadeRect(&want, {0, 0, 2, 9}, 60 * 255 / 100, kColour);
  EXPECT_EQ(Snapshot(dst), Snapshot(want));
  // An empty gradient with a share gives the colour in its place.
  Bitmap32 plain = test::Pattern(3, 3, 1);
  Paint(skin, Section(0, 100, ""), EmptyBgInfo(), plain, {0, 0}, {0, 0, 3, 3});
  EXPECT_EQ(Count(plain, {0, 0, 3, 3}, Px(kColour)), 9);
}

}  // namespace
}  // namespace skin
