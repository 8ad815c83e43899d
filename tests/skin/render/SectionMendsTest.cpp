// Section painting where a literal reading of its rules goes wrong: sections without
// states, shares beyond 0..100, textures that cannot be drawn, the key colour where
// nothing is known behind, the alpha variant's gradient, and border strips of a parent
// picture seen through an offset. Also the choices made where the rules disagree.
#include <gtest/gtest.h>

#include "skin/render/pixels/acGradient.h"
#include "skin/render/acPaintSection.h"
#include "skin/render/acSectionLayers.h"
#include "skin/render/acSectionTexture.h"
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
constexpr TColor kParent = 0x20A040;

void Paint(const SectionSkin& skin, int section, const TacBgInfo& bg, Bitmap32& dst, TPoint pos, const TRect& rect,
           int state = 0) {
  PaintSection(section, bg, -1, -1, &skin.data, &dst, pos, rect, state);
}

TEST(SectionMendsTest, SectionWithoutStatesPaintsItsFirstState) {
  SectionSkin skin;
  for (int x = 0; x < 6; ++x) skin.Set(x, 0, Rgb(50 + x, 0, 0));  // two 3 x 1 key-colour pictures
  TsGeneralData g = test::OneState(test::PlainState(kColour));
  g.States = 0;
  g.Props[1].Color = g.Props[2].Color = 0x0000FF;
  g.ImgTL = skin.Add(skin.Entry({0, 0, 6, 1}, 2, 0, 0, 0, 0, 0, 0));
  const int section = skin.Add(g);
  EXPECT_EQ(SectionState(g, 0), 0);
  EXPECT_EQ(SectionState(g, -4), 0);
  for (int state : {0, 1, 5}) {
    Bitmap32 dst = Ground(5, 3, 0);
    Paint(skin, section, EmptyBgInfo(), dst, {0, 0}, {0, 0, 5, 3}, state);
    EXPECT_EQ(dst.Pixel(4, 2), Px(kColour)) << state;
    EXPECT_EQ(dst.Pixel(0, 0), Rgb(50, 0, 0)) << state;  // picture 0 of the corner image
  }
}

TEST(SectionMendsTest, SharesBeyondTheirRangeCountAsTheNearestEnd) {
  SectionSkin skin;
  skin.Set(0, 0, Rgb(1, 2, 3));
  const int tex = skin.Add(skin.Entry({0, 0, 1, 1}, 1, 0, 0, 0, 0, 0, 0));
  Bitmap32 parent = test::Pattern(8, 8, 3);
  auto paint = [&](TsGenState st, const TacBgInfo& bg) {
    SectionSkin copy;
    copy.data.ma = skin.data.ma;
    const int section = copy.Add(test::OneState(st));
    Bitmap32 dst = test::Pattern(8, 8, 11);
    PaintSectionBackground(section, bg, 0, KeyColor, -1, -1, &copy.data, &dst, {0, 0}, {0, 0, 8, 8});
    return Snapshot(dst);
  };
  // Transparency 150 is fully see-through.
  EXPECT_EQ(paint(test::PlainState(kColour, 150), BgInfoFromBitmap(&parent, 0, 0)), Snapshot(parent));
  // A negative image share is none: the colour alone.
  TsGenState negative = test::PlainState(kColour);
  negative.ImagePercent = -20;
  negative.TextureIndex = tex;
  EXPECT_EQ(paint(negative, EmptyBgInfo()), Snapshot(Ground(8, 8, kColour)));
  // A negative gradient share does not pull a full texture toward the colour.
  TsGenState full = negative;
  full.ImagePercent = 100;
  full.GradientPercent = -30;
  EXPECT_EQ(paint(full, EmptyBgInfo()), Snapshot(test::Filled(8, 8, Rgb(1, 2, 3))));
}

TEST(SectionMendsTest, AShareWithoutATextureToShowBelongsToTheColour) {
  SectionSkin skin;
  TsGenState st = test::PlainState(kColour);
  st.ImagePercent = 50;
  st.TextureIndex = 99;  // no such entry
  const int opaque = skin.Add(test::OneState(st));
  st.Transparency = 50;
  const int half = skin.Add(test::OneState(st));
  for (std::uint32_t seed : {1u, 2u}) {
    Bitmap32 dst = test::Pattern(6, 6, seed);
    Paint(skin, opaque, EmptyBgInfo(), dst, {0, 0}, {0, 0, 6, 6});
    EXPECT_EQ(Count(dst, {0, 0, 6, 6}, Px(kColour)), 36) << seed;
  }
  Bitmap32 parent = Ground(6, 6, kParent);
  Bitmap32 dst = test::Pattern(6, 6, 5);
  Paint(skin, half, BgInfoFromBitmap(&parent, 0, 0), dst, {0, 0}, {0, 0, 6, 6});
  std::uint32_t want = 0;
  for (int shift = 0; shift < 32; shift += 8)
    want |= std::uint32_t(BlendStep((Px(kParent) >> shift) & 0xFF, (Px(kColour) >> shift) & 0xFF, 127)) << shift;
  EXPECT_EQ(Count(dst, {0, 0, 6, 6}, want), 36);
}

TEST(SectionMendsTest, TexturesOfNoSizeAreNotDrawnAndEndAtOnce) {
  SectionSkin skin(8, 8, Rgb(9, 9, 9));
  struct Shape {
    TRect r;
    int maskType, mode;
  };
  const Shape shapes[] = {{{2, 2, 2, 6}, 0, 0}, {{2, 2, 6, 2}, 0, 1}, {{1, 1, 5, 2}, 1, 0}, {{0, 0, 8, 4}, 1, 10}};
  for (const Shape& s : shapes) {
    TsMaskData md = skin.Entry(s.r, 1, s.maskType, s.mode, 0, 0, 0, 0);
    if (s.maskType == 1 && s.mode == 10) md.Width = 0;
    const int tex = skin.Add(md);
    EXPECT_EQ(UsableTexture(skin.data, tex), nullptr) << tex;
    TsGenState st = test::PlainState(kColour);
    st.ImagePercent = 100;
    st.TextureIndex = tex;
    const int section = skin.Add(test::OneState(st));
    Bitmap32 dst = Ground(7, 7, 0);
    Paint(skin, section, EmptyBgInfo(), dst, {0, 0}, {0, 0, 7, 7});
    EXPECT_EQ(Count(dst, {0, 0, 7, 7}, Px(kColour)), 49) << tex;
  }
}

TEST(SectionMendsTest, TheKeyColourIsNeverPaintedWhereNothingIsKnownBehind) {
  SectionSkin skin(4, 8);
  skin.Set(0, 0, KeyPixel);  // a 2 x 2 masked tile, key at its corner, mask of zeros
  skin.Set(1, 0, Rgb(9, 9, 9));
  skin.Set(0, 1, Rgb(9, 9, 9));
  skin.Set(1, 1, Rgb(9, 9, 9));
  const int tex = skin.Add(skin.Entry({0, 0, 2, 4}, 1, 1, 10, 0, 0, 0, 0));
  TsGenState st = test::PlainState(kColour);
  st.ImagePercent = 100;
  st.TextureIndex = tex;
  const int textured = skin.Add(test::OneState(st));
  const int clear = skin.Add(test::OneState(test::PlainState(kColour, 100)));

  Bitmap32 dst = Ground(7, 7, 0);
  Paint(skin, textured, EmptyBgInfo(), dst, {0, 0}, {0, 0, 7, 7});
  EXPECT_EQ(Count(dst, {0, 0, 7, 7}, KeyPixel), 0);
  EXPECT_EQ(dst.Pixel(0, 0), Px(kColour));  // a key pixel of a tile
  EXPECT_EQ(dst.Pixel(6, 6), Px(kColour));  // the strips
  // A ready answer that carries no picture.
  TacBgInfo noPicture = BgInfoFromBitmap(nullptr, 0, 0);
  Bitmap32 other = Ground(7, 7, 0);
  Paint(skin, clear, noPicture, other, {0, 0}, {0, 0, 7, 7});
  EXPECT_EQ(Count(other, {0, 0, 7, 7}, Px(kColour)), 49);
}

TEST(SectionMendsTest, TheAlphaVariantLeavesTheSectionsGradientAsItIs) {
  SectionSkin skin;
  TsGenState st = test::PlainState(kColour, 20);
  st.GradientPercent = 100;
  st.GradientArray = ParseGradientData("16711680;16711680;100;0;0;255;255;0;0;0");
  const TsGradArray stored = st.GradientArray;
  const int section = skin.Add(test::OneState(st));
  Bitmap32 dst = Ground(6, 6, 0);
  PaintSectionAlpha(section, 0, &skin.data, &dst, {0, 0}, {0, 0, 6, 6});
  const TsGradArray& after = skin.Section(section).Props[0].GradientArray;
  ASSERT_EQ(after.size(), stored.size());
  for (std::size_t i = 0; i < stored.size(); ++i) {
    EXPECT_EQ(after[i].Mode, stored[i].Mode);
    EXPECT_EQ(after[i].Color.C, stored[i].Color.C);
  }
  // A plain paint after it is the plain gradient.
  Bitmap32 plain = Ground(6, 6, 0), want = Ground(6, 6, 0);
  Paint(skin, section, EmptyBgInfo(), plain, {0, 0}, {0, 0, 6, 6});
  FillGradient(&want, {0, 0, 6, 6}, stored, 0);
  EXPECT_EQ(Snapshot(plain), Snapshot(want));
}

// A parent picture of 40 x 30 holding border strips of 3, 2, 4 and 5 pixels.
class BorderStripsTest : public ::testing::Test {
 protected:
  TacBgInfo Answer(int x, int y) {
    TacBgInfo bg;
    bg.Bmp = &parent;
    bg.X = x;
    bg.Y = y;
    bg.FillColor = kParent;
    bg.BorderFrame = {3, 2, 4, 5};
    return bg;
  }
  bool InStrip(int bx, int by) const { return bx < 3 || by < 2 || bx >= 36 || by >= 25; }

  SectionSkin skin;
  int section = skin.Add(test::OneState(test::PlainState(kColour, 100)));
  Bitmap32 parent = test::Pattern(40, 30, 21);
};

TEST_F(BorderStripsTest, StripsAreFoundInThePicturesOwnCoordinates) {
  // An answer passed on by a see-through control at (5, 4): the child at (0, 0) in it.
  Bitmap32 dst = Ground(35, 26, 0);
  Paint(skin, section, Answer(5, 4), dst, {0, 0}, {0, 0, 35, 26});
  for (int y = 0; y < 26; ++y)
    for (int x = 0; x < 35; ++x) {
      const int bx = x + 5, by = y + 4;
      ASSERT_EQ(dst.Pixel(x, y), InStrip(bx, by) ? parent.Pixel(bx, by) : Px(kParent)) << x << "," << y;
    }
}

TEST_F(BorderStripsTest, StripsNeverReadPastThePicture) {
  // The child reaches 10 pixels past the picture's right and bottom edges.
  Bitmap32 dst = Ground(20, 15, 0);
  Paint(skin, section, Answer(0, 0), dst, {30, 25}, {0, 0, 20, 15});
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 20; ++x) {
      const int bx = x + 30, by = y + 25;
      const bool inside = bx < 40 && by < 30;
      ASSERT_EQ(dst.Pixel(x, y), inside && InStrip(bx, by) ? parent.Pixel(bx, by) : Px(kParent)) << x << "," << y;
    }
}

TEST(SectionChoicesTest, MaskedTexturesTakeTheLayersNotTheSinglePass) {
  SectionSkin skin(4, 8);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) {
      skin.Set(x, y, Rgb(200, 40 * x, 40 * y));
      skin.Set(x, y + 2, 0xFF000000u);
    }
  TsGenState st = test::PlainState(kColour);
  st.ImagePercent = 50;
  st.GradientPercent = 50;
  st.TextureIndex = skin.Add(skin.Entry({0, 0, 2, 4}, 1, 1, 0, 0, 0, 0, 0));
  st.GradientArray = ParseGradientData("16711680;16711680;100;0;0;255;255;0;0;0");
  EXPECT_FALSE(TakesSinglePass(StateLayerValues(skin.data, st, st.TextureIndex)));
  const int section = skin.Add(test::OneState(st));
  Bitmap32 dst = Ground(4, 4, 0);
  Paint(skin, section, EmptyBgInfo(), dst, {0, 0}, {0, 0, 4, 4});
  // The picture (not its mask) tiled, blended half and half with the gradient.
  Bitmap32 grad(4, 4);
  FillGradient(&grad, {0, 0, 4, 4}, st.GradientArray, 0);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      const std::uint32_t t = Rgb(200, 40 * (x % 2), 40 * (y % 2)), g = grad.Pixel(x, y);
      std::uint32_t want = 0;
      for (int shift = 0; shift < 32; shift += 8)
        want |= std::uint32_t(BlendStep((t >> shift) & 0xFF, (g >> shift) & 0xFF, 127)) << shift;
      ASSERT_EQ(dst.Pixel(x, y), want) << x << "," << y;
    }
}

TEST(SectionChoicesTest, CornerImagesComeBeforeTheBorder) {
  SectionSkin skin(8, 8);
  skin.FillArea(0, 0, 2, 2, Rgb(1, 1, 1));  // corner image: 2 x 2 key-colour picture
  const int corner = skin.Add(skin.Entry({0, 0, 2, 2}, 1, 0, 0, 0, 0, 0, 0));
  for (int y = 0; y < 3; ++y)  // border: 3 x 3 masked picture with 1-pixel borders
    for (int x = 0; x < 3; ++x) {
      skin.Set(4 + x, y, Rgb(2, 2, 2));
      skin.Set(4 + x, y + 3, 0xFF000000u);
    }
  TsGeneralData g = test::OneState(test::PlainState(kColour));
  g.ImgTL = corner;
  g.BorderIndex = skin.Add(skin.Entry({4, 0, 7, 6}, 1, 1, 0, 1, 1, 1, 1));
  const int section = skin.Add(g);
  Bitmap32 dst = Ground(6, 6, 0);
  Paint(skin, section, EmptyBgInfo(), dst, {0, 0}, {0, 0, 6, 6});
  EXPECT_EQ(dst.Pixel(0, 0), Rgb(2, 2, 2));  // the border over the corner image
  EXPECT_EQ(dst.Pixel(1, 1), Rgb(1, 1, 1));  // the corner image where the border leaves it
  EXPECT_EQ(dst.Pixel(3, 3), Px(kColour));
}

}  // namespace
}  // namespace skin
