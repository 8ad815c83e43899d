// The see-through test of sections (which text colours apply over a control), on
// sections and border images made by the test, and the glyph image placing rules.
#include <gtest/gtest.h>

#include "skin/render/acGlyphImages.h"
#include "skin/render/acSectionSeeThrough.h"
#include "tests/skin/support/TextTestSupport.h"

namespace skin {
namespace {

class SeeThroughTest : public ::testing::Test {
 protected:
  // A master bitmap 40 x 8: border pictures 4 x 2 with their masks below, from (0, 0).
  SeeThroughTest() : skin(40, 8, 0xFF000000u) {}

  // A masked border entry of `pictures` pictures 4 wide and `height` high over (0, 0).
  int Border(int pictures, int drawMode, int height = 2, int maskType = 1) {
    TsMaskData md;
    md.R = {0, 0, 4 * pictures, height * (maskType + 1)};
    md.ImageCount = static_cast<std::int16_t>(pictures);
    md.MaskType = static_cast<std::int16_t>(maskType);
    md.DrawMode = static_cast<std::uint16_t>(drawMode);
    md.Manager = &skin.loader;
    md.Master = skin.loader.MasterBitmap.get();
    md.Width = 4;
    md.Height = height;
    return skin.AddEntry(md);
  }
  int Section(int transparency, int border, int states = 3) {
    TsGeneralData g = test::TextSection(0, 0xFFFFFF, transparency, states);
    g.BorderIndex = border;
    return skin.Add(g);
  }
  // The blue byte of the master pixel at (x, y).
  void Blue(int x, int y, std::uint32_t b) { skin.Master().SetPixel(x, y, 0xFF000000u | b); }

  test::SectionSkin skin;
};

TEST_F(SeeThroughTest, TransparencyDecidesWithoutABorderImage) {
  EXPECT_FALSE(IsSectionSeeThrough(&skin.loader, Section(50, -1), 0));
  EXPECT_TRUE(IsSectionSeeThrough(&skin.loader, Section(51, -1), 0));
  EXPECT_TRUE(IsSectionSeeThrough(&skin.loader, Section(100, -1), 2));
  EXPECT_FALSE(IsSectionSeeThrough(&skin.loader, 99, 0));
  EXPECT_FALSE(IsSectionSeeThrough(&skin.loader, -1, 0));
  EXPECT_FALSE(IsSectionSeeThrough(nullptr, 0, 0));
  // The state's own record counts, with the state limited to the section's states.
  const int s = Section(0, -1, 2);
  skin.Section(s).Props[1].Transparency = 100;
  EXPECT_FALSE(IsSectionSeeThrough(&skin.loader, s, 0));
  EXPECT_TRUE(IsSectionSeeThrough(&skin.loader, s, 1));
  EXPECT_TRUE(IsSectionSeeThrough(&skin.loader, s, 5));
  // A border image does not matter while the transparency is 50 or less.
  EXPECT_FALSE(IsSectionSeeThrough(&skin.loader, Section(50, Border(1, 0)), 1));
}

TEST_F(SeeThroughTest, BorderWithoutCentreOrNotDrawnInStateZero) {
  const int hollow = Section(100, Border(3, 1));
  EXPECT_TRUE(IsSectionSeeThrough(&skin.loader, hollow, 0));
  EXPECT_TRUE(IsSectionSeeThrough(&skin.loader, hollow, 1));
  const int filled = Section(100, Border(3, 4));
  EXPECT_FALSE(IsSectionSeeThrough(&skin.loader, filled, 0));
  const int notInZero = Section(100, Border(3, 4 | 2));
  EXPECT_TRUE(IsSectionSeeThrough(&skin.loader, notInZero, 0));
}

TEST_F(SeeThroughTest, MaskMiddleOfTheStatePictureDecidesLaterStates) {
  const int s = Section(100, Border(3, 4));
  // Picture 1's mask middle: x = 4 + 2, y = 4 - 1.
  Blue(6, 3, 128);
  EXPECT_TRUE(IsSectionSeeThrough(&skin.loader, s, 1));
  Blue(6, 3, 127);
  EXPECT_FALSE(IsSectionSeeThrough(&skin.loader, s, 1));
  // An unmasked border with a centre is never see-through out of state 0.
  Blue(6, 1, 255);
  EXPECT_FALSE(IsSectionSeeThrough(&skin.loader, Section(100, Border(3, 4, 2, 0)), 1));
}

TEST_F(SeeThroughTest, OnePictureBorderReadsItsOwnPictureInLaterStates) {
  // A three-state section with a one-picture border: state 2 reads picture 0's mask, not
  // the master bitmap where picture 2 would be.
  const int s = Section(100, Border(1, 4));
  Blue(2, 3, 200);  // picture 0's mask middle
  Blue(10, 3, 0);   // where picture 2's would be
  EXPECT_TRUE(IsSectionSeeThrough(&skin.loader, s, 2));
  Blue(2, 3, 0);
  Blue(10, 3, 200);
  EXPECT_FALSE(IsSectionSeeThrough(&skin.loader, s, 2));
}

TEST_F(SeeThroughTest, OneRowPictureReadsInsideTheArea) {
  // Height 1: the middle row R.Bottom - 0 would be the row below the area.
  const int s = Section(100, Border(2, 4, 1));
  Blue(6, 1, 200);  // the mask row of picture 1
  Blue(6, 2, 0);    // the row below the area
  EXPECT_TRUE(IsSectionSeeThrough(&skin.loader, s, 1));
  Blue(6, 1, 0);
  Blue(6, 2, 200);
  EXPECT_FALSE(IsSectionSeeThrough(&skin.loader, s, 1));
}

TEST_F(SeeThroughTest, AreaBeyondTheMasterBitmapIsNotRead) {
  TsMaskData md;
  md.R = {36, 4, 52, 8};  // runs past the master's right edge
  md.ImageCount = 4;
  md.MaskType = 1;
  md.DrawMode = 4;
  md.Manager = &skin.loader;
  md.Master = skin.loader.MasterBitmap.get();
  md.Width = 4;
  md.Height = 2;
  const int s = Section(100, skin.AddEntry(md));
  EXPECT_FALSE(IsSectionSeeThrough(&skin.loader, s, 2));
}

TEST(CheckGlyphs, StateAndPlace) {
  EXPECT_EQ(StdCheckGlyphState(true, true, true), 2);
  EXPECT_EQ(StdCheckGlyphState(false, true, true), 0);
  EXPECT_EQ(StdCheckGlyphState(false, false, true), 1);
  EXPECT_EQ(StdCheckGlyphState(false, false, false), 0);
  EXPECT_EQ(CheckGlyphOrigin({0, 0, 100, 17}, {13, 13}, false), (gfx::TPoint{0, 2}));
  EXPECT_EQ(CheckGlyphOrigin({0, 0, 100, 18}, {13, 13}, true), (gfx::TPoint{87, 2}));
  EXPECT_EQ(CheckGlyphOrigin({0, 0, 100, 10}, {13, 13}, false), (gfx::TPoint{0, -1}));
}

}  // namespace
}  // namespace skin
