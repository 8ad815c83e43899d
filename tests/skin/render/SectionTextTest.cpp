// Captions in the colours of a section: contours then text, the disabled colours, the
// control's colour settings, the glow, and the surface's state after the call.
#include <gtest/gtest.h>

#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acSectionState.h"
#include "skin/render/acSectionText.h"
#include "skin/render/acTextGlow.h"
#include "skin/render/acTextMeasure.h"
#include "skin/render/pixels/acPixelEffects.h"
#include "skin/render/pixels/acPixelTuning.h"
#include "tests/skin/support/SkinLoaderTestSupport.h"
#include "tests/skin/support/TextTestSupport.h"

namespace skin {
namespace {

constexpr unsigned kFormat = gfx::DT_SINGLELINE | gfx::DT_CENTER | gfx::DT_VCENTER;
const gfx::TRect kRect{4, 4, 76, 56};

// A white picture with the big font selected.
Bitmap32 Canvas() {
  Bitmap32 b = test::Ground(80, 60);
  b.Canvas().SetFont(test::BigFont());
  return b;
}

// The text drawn plainly in one colour at rect moved by (dx, dy).
void Plain(Bitmap32& b, TColor c, int dx = 0, int dy = 0, std::u16string_view text = u"Hg") {
  b.Canvas().SetBkMode(gfx::BkMode::Transparent);
  b.Canvas().SetTextColor(c);
  gfx::TRect r = kRect.Offset(dx, dy);
  DrawTextPlain(b.Canvas(), text, r, kFormat);
}

TEST(WriteStateText, BottomContourOnePixelLowerThenTheText) {
  TsGenState p;
  p.FontColor.Color = 0x000000;
  p.FontColor.Bottom = 16776427;
  TacCaptionStyle style;
  style.Coloring = TacCaptionColoring::Skin;
  style.Props = &p;
  Bitmap32 b = Canvas();
  WriteStateText(b.Canvas(), u"Hg", true, style, kFormat, kRect);

  Bitmap32 expected = Canvas();
  Plain(expected, 16776427, 0, 1);
  Plain(expected, 0x000000);
  EXPECT_EQ(test::PixelsOf(b), test::PixelsOf(expected));
  EXPECT_GT(test::CountValue(b, test::Opaque(16776427)), 0);

  // The other way round would differ: the contour is under the text.
  Bitmap32 reversed = Canvas();
  Plain(reversed, 0x000000);
  Plain(reversed, 16776427, 0, 1);
  EXPECT_NE(test::PixelsOf(b), test::PixelsOf(reversed));
}

TEST(WriteStateText, ContoursInTheirOrderEachAdjusted) {
  TsGenState p;
  p.FontColor = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF};
  TacCaptionStyle style;
  style.Coloring = TacCaptionColoring::Skin;
  style.Props = &p;
  style.Adjust.HUEOffset = 60;
  Bitmap32 b = Canvas();
  WriteStateText(b.Canvas(), u"Hg", true, style, kFormat, kRect);
  Bitmap32 expected = Canvas();
  auto adj = [&](TColor c) { return AdjustTextColor(c, style.Adjust); };
  Plain(expected, adj(0x00FF00), -1, 0);
  Plain(expected, adj(0xFF0000), 0, -1);
  Plain(expected, adj(0x00FFFF), 1, 0);
  Plain(expected, adj(0xFF00FF), 0, 1);
  Plain(expected, adj(0x0000FF));
  EXPECT_EQ(test::PixelsOf(b), test::PixelsOf(expected));
}

TEST(WriteStateText, DisabledButtonCaptionOfTheStoredSkin) {
  test::TestLoader loader;
  ASSERT_TRUE(loader.LoadInternal(test::StoredEmberfield(), u"Emberfield (internal)"));
  const TsGeneralData& button = loader.Section(u"BUTTON");
  ASSERT_EQ(button.Props[0].FontColor.Color, 0u);
  ASSERT_EQ(loader.Palette[pcMainColor], 8217672u);

  TacCaptionStyle style;
  style.Coloring = TacCaptionColoring::Skin;
  style.Props = &SectionStateProps(button, 0);
  style.GlobalColor = loader.Palette[pcMainColor];
  style.Adjust = {clNone, 40, -50};
  const TColor expected = AdjustTextColor(BlendColorValues(0, 8217672, 100), style.Adjust);
  EXPECT_NE(expected, BlendColorValues(0, 8217672, 100));
  Bitmap32 b = Canvas();
  WriteStateText(b.Canvas(), u"Hg", false, style, kFormat, kRect);
  Bitmap32 one = Canvas();
  Plain(one, expected);
  EXPECT_EQ(test::PixelsOf(b), test::PixelsOf(one));
  EXPECT_GT(test::CountValue(b, test::Opaque(expected)), 20);
}

TEST(WriteStateText, PlainCaptionsUseTheSurfaceColourAndEmbossWhenDisabled) {
  TacCaptionStyle plain;
  Bitmap32 b = Canvas();
  b.Canvas().SetTextColor(0x336699);
  WriteStateText(b.Canvas(), u"Hg", true, plain, kFormat, kRect);
  Bitmap32 expected = Canvas();
  Plain(expected, 0x336699);
  EXPECT_EQ(test::PixelsOf(b), test::PixelsOf(expected));

  Bitmap32 off = Canvas();
  WriteStateText(off.Canvas(), u"Hg", false, plain, kFormat, kRect);
  Bitmap32 embossed = Canvas();
  Plain(embossed, gfx::GetSysColor(gfx::COLOR_BTNHIGHLIGHT), 1, 1);
  Plain(embossed, gfx::GetSysColor(gfx::COLOR_BTNSHADOW));
  EXPECT_EQ(test::PixelsOf(off), test::PixelsOf(embossed));

  // An invalid section: the surface's colour, disabled or not.
  TacCaptionStyle current;
  current.Coloring = TacCaptionColoring::CurrentColor;
  Bitmap32 c = Canvas();
  c.Canvas().SetTextColor(0x336699);
  WriteStateText(c.Canvas(), u"Hg", false, current, kFormat, kRect);
  EXPECT_EQ(test::PixelsOf(c), test::PixelsOf(expected));
}

TEST(WriteStateText, SurfaceStateIsRestoredUnderlineIncluded) {
  TsGenState p;
  TacCaptionStyle style;
  style.Coloring = TacCaptionColoring::Skin;
  style.Props = &p;
  style.Underline = true;
  Bitmap32 b = Canvas();
  gfx::Surface& s = b.Canvas();
  s.SetTextColor(0x123456);
  s.SetBkMode(gfx::BkMode::Opaque);
  const gfx::Brush brush = gfx::Brush::Solid(0x00FF00);
  s.SetBrush(brush);
  WriteStateText(s, u"Hg", true, style, kFormat, kRect);
  EXPECT_FALSE(s.GetFont().Desc().underline);
  EXPECT_EQ(s.TextColor(), 0x123456u);
  EXPECT_EQ(s.GetBkMode(), gfx::BkMode::Opaque);
  EXPECT_TRUE(s.GetBrush() == brush);
  EXPECT_EQ(s.SaveLevel(), 0);
  // The caption itself was underlined: more ink than without.
  Bitmap32 plain = Canvas();
  style.Underline = false;
  WriteStateText(plain.Canvas(), u"Hg", true, style, kFormat, kRect);
  auto ink = [](const Bitmap32& x) {
    return test::Count(x, [](std::uint32_t v) { return (v & 0xFFFFFF) != 0xFFFFFF; });
  };
  EXPECT_GT(ink(b), ink(plain));
  // Nothing at all for an empty text.
  Bitmap32 empty = Canvas();
  WriteStateText(empty.Canvas(), u"", true, style, kFormat, kRect);
  EXPECT_EQ(test::CountValue(empty, test::Opaque(0xFFFFFF)), 80 * 60);
}

TEST(WriteStateText, GlowGoesIntoTheCachedPictureBehindTheText) {
  TsGenState p;
  p.FontColor.Color = 0x000000;
  p.GlowColor = 0x0000FF;
  p.GlowSize = 3;
  TacCaptionStyle style;
  style.Coloring = TacCaptionColoring::Skin;
  style.Props = &p;
  Bitmap32 b = Canvas();
  style.GlowTarget = &b;
  WriteStateText(b.Canvas(), u"Hg", true, style, kFormat, kRect);
  // Reddish pixels around the letters; none without the glow.
  auto reddish = [](std::uint32_t v) { return ((v >> 16) & 0xFF) > ((v >> 8) & 0xFF) + 20; };
  EXPECT_GT(test::Count(b, reddish), 50);
  Bitmap32 none = Canvas();
  style.GlowTarget = nullptr;
  WriteStateText(none.Canvas(), u"Hg", true, style, kFormat, kRect);
  EXPECT_EQ(test::Count(none, reddish), 0);
}

class WriteSectionTextTest : public ::testing::Test {
 protected:
  WriteSectionTextTest() {
    TsGeneralData g = test::TextSection(0x0000FF, 0x00FF00);
    g.Props[1].FontColor = {0xFF0000, acNoContour, acNoContour, acNoContour, 0x00FFFF};
    section = skin.Add(g);
  }
  test::SectionSkin skin;
  int section = -1;
};

TEST_F(WriteSectionTextTest, EnabledTextUsesTheStateColoursUnadjusted) {
  Bitmap32 b = Canvas();
  b.Canvas().SetTextColor(0x445566);
  WriteSectionText(b.Canvas(), u"Hg", true, &skin.loader, 1, section, kFormat, kRect);
  Bitmap32 expected = Canvas();
  Plain(expected, 0x00FFFF, 0, 1);
  Plain(expected, 0xFF0000);
  EXPECT_EQ(test::PixelsOf(b), test::PixelsOf(expected));
  EXPECT_EQ(b.Canvas().TextColor(), 0x445566u);
  EXPECT_EQ(b.Canvas().GetBkMode(), gfx::BkMode::Transparent);
  // A state past the section's states takes the last one's colours.
  skin.Section(section).States = 2;
  Bitmap32 s7 = Canvas();
  WriteSectionText(s7.Canvas(), u"Hg", true, &skin.loader, 7, section, kFormat, kRect);
  EXPECT_EQ(test::PixelsOf(s7), test::PixelsOf(expected));
}

TEST_F(WriteSectionTextTest, DisabledTextBlendsTheNormalStateTowardItsColour) {
  Bitmap32 b = Canvas();
  WriteSectionText(b.Canvas(), u"Hg", false, &skin.loader, 1, section, kFormat, kRect);
  Bitmap32 expected = Canvas();
  Plain(expected, BlendColorValues(0x0000FF, 0x00FF00, PixelTuning().DisabledBlend));
  EXPECT_EQ(test::PixelsOf(b), test::PixelsOf(expected));
}

TEST_F(WriteSectionTextTest, InvalidSectionOrNoManager) {
  Bitmap32 grey = Canvas();
  WriteSectionText(grey.Canvas(), u"Hg", false, &skin.loader, 0, 99, kFormat, kRect);
  Bitmap32 expected = Canvas();
  Plain(expected, gfx::GetSysColor(gfx::COLOR_GRAYTEXT));
  EXPECT_EQ(test::PixelsOf(grey), test::PixelsOf(expected));

  Bitmap32 asIs = Canvas();
  asIs.Canvas().SetTextColor(0x445566);
  WriteSectionText(asIs.Canvas(), u"Hg", true, &skin.loader, 0, -1, kFormat, kRect);
  Bitmap32 current = Canvas();
  Plain(current, 0x445566);
  EXPECT_EQ(test::PixelsOf(asIs), test::PixelsOf(current));

  ASSERT_EQ(DefaultManager(), nullptr);
  Bitmap32 none = Canvas();
  none.Canvas().SetTextColor(0x445566);
  WriteSectionText(none.Canvas(), u"Hg", false, nullptr, 0, section, kFormat, kRect);
  EXPECT_EQ(test::PixelsOf(none), test::PixelsOf(current));
}

TEST(SectionTextFromSkin, ContourAndGlowKeysOfEveryStateReachTheCaptions) {
  test::TestLoader m;
  ASSERT_TRUE(m.LoadInternal(
      test::SkinPackage("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.PNG\r\n"
                        "[LABELX]\r\nUSESTATE2=1\r\nFONTCOLOR=0\r\nTCBOTTOM=16776427\r\nGSIZE=2\r\nGCOL=255\r\n"
                        "HOTFONTCOLOR=255\r\nHOTTCLEFT=65280\r\nHGSIZE=5\r\n"
                        "FONTCOLOR2=16711680\r\nTCTOP2=65535\r\nGSIZE2=1000000\r\n",
                        {{"MASTER.PNG", test::Filled(8, 8, 0xFF808080u)}})));
  const int index = m.GetSkinIndex(u"LABELX");
  const TsGeneralData& g = m.Section(u"LABELX");
  EXPECT_EQ(g.Props[0].FontColor.Bottom, 16776427u);
  EXPECT_EQ(g.Props[0].FontColor.Top, acNoContour);
  EXPECT_EQ(g.Props[1].FontColor.Left, 65280u);
  EXPECT_EQ(g.Props[1].FontColor.Bottom, acNoContour);
  EXPECT_EQ(g.Props[2].FontColor.Top, 65535u);
  EXPECT_EQ(g.Props[0].GlowSize, 2);
  EXPECT_EQ(g.Props[0].GlowColor, 255u);
  EXPECT_EQ(g.Props[1].GlowSize, 5);
  EXPECT_EQ(g.Props[2].GlowSize, 1000000);

  const struct {
    int state;
    TColor contour, text;
    int dx, dy;
  } cases[] = {{0, 16776427, 0, 0, 1}, {1, 65280, 255, -1, 0}, {2, 65535, 16711680, 0, -1}};
  for (const auto& c : cases) {
    Bitmap32 b = Canvas();
    WriteSectionText(b.Canvas(), u"Hg", true, &m, c.state, index, kFormat, kRect);
    Bitmap32 expected = Canvas();
    Plain(expected, c.contour, c.dx, c.dy);
    Plain(expected, c.text);
    EXPECT_EQ(test::PixelsOf(b), test::PixelsOf(expected)) << c.state;
  }
  // The skin's glow radius of a million is drawn with the largest radius used.
  TacCaptionStyle style;
  style.Coloring = TacCaptionColoring::Skin;
  style.Props = &g.Props[2];
  Bitmap32 glowing = Canvas();
  style.GlowTarget = &glowing;
  WriteStateText(glowing.Canvas(), u"Hg", true, style, kFormat, kRect);
  TsGenState bounded = g.Props[2];
  bounded.GlowSize = acMaxGlowRadius;
  style.Props = &bounded;
  Bitmap32 expected = Canvas();
  style.GlowTarget = &expected;
  WriteStateText(expected.Canvas(), u"Hg", true, style, kFormat, kRect);
  EXPECT_EQ(test::PixelsOf(glowing), test::PixelsOf(expected));
}

}  // namespace
}  // namespace skin
