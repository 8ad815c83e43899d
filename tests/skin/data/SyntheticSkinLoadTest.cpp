// Small skins made by the tests, loaded through the whole sequence: section records and
// their inheritance, image entries and their pictures, the provided sections and the
// fallbacks, density variants and rescaling, the palette, outer effects and failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "skin/data/acSkinErrors.h"
#include "tests/skin/support/SkinLoaderTestSupport.h"

namespace skin {
namespace {

using test::FilledBuffer;
using test::SkinPackage;
using test::TestLoader;

constexpr std::uint32_t kGrey = 0xFF808080u;
constexpr std::uint32_t kOpaqueKey = 0xFFFF00FFu;

class SyntheticSkin : public ::testing::Test {
 protected:
  // Loads an options text with a 64 x 32 grey master picture (and extra members).
  bool Load(const std::string& options, std::vector<std::pair<std::string, gfx::PixelBuffer>> pngs = {}) {
    pngs.emplace_back("MASTER.PNG", master);
    return m.LoadInternal(SkinPackage("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.PNG\r\n" + options, pngs));
  }
  TacSkinData& D(int index = 0) { return m.Data(index); }

  gfx::PixelBuffer master = FilledBuffer(64, 32, kGrey);
  TestLoader m;
};

// ---- Sections ----

TEST_F(SyntheticSkin, SecondSectionOfANameReadsTheFirstOnesKeys) {
  ASSERT_TRUE(Load("[EDIT]\r\nCOLOR=100\r\n[BUTTON]\r\nCOLOR=7\r\n[EDIT]\r\nCOLOR=200\r\nFONTCOLOR=9\r\n"));
  const auto& gd = D().gd;
  ASSERT_EQ(gd[1].ClassName, u"EDIT");
  ASSERT_EQ(gd[3].ClassName, u"EDIT");
  EXPECT_EQ(gd[3].Props[0].Color, 100u);
  EXPECT_EQ(gd[3].Props[0].FontColor.Color, 0u);
  EXPECT_EQ(m.GetSkinIndex(u"EDIT"), 1);
  EXPECT_EQ(m.SkinCommonInfo.Sections[ssEdit], 1);
}

TEST_F(SyntheticSkin, StatesCopyAndReadTheirOwnKeys) {
  ASSERT_TRUE(
      Load("[ONE]\r\nSTATES=1\r\nCOLOR=5\r\nHOTCOLOR=6\r\n"
           "[THREE]\r\nCOLOR=5\r\nFONTCOLOR=3\r\nGRADIENTDATA=255;255;100;0;0;0;0;0;0;0\r\n"
           "[USE2]\r\nSTATES=3\r\nUSESTATE2=1\r\nCOLOR2=8\r\nTRANSPARENCY=300\r\n"
           "[CHILD]\r\nPARENTCLASS=THREE\r\nHOTCOLOR=77\r\n"
           "[SELF]\r\nPARENTCLASS=SELF\r\nCOLOR=-5\r\n"));
  const TsGeneralData& one = m.Section(u"ONE");
  EXPECT_EQ(one.Props[1].Color, 5u);
  EXPECT_EQ(one.Props[2].Color, 5u);
  const TsGeneralData& three = m.Section(u"THREE");
  EXPECT_EQ(three.States, 3);
  EXPECT_EQ(three.Props[1].Color, 0xFFFFFFu);  // no HOTCOLOR: the default, not COLOR
  EXPECT_EQ(three.Props[2].Color, 0xFFFFFFu);  // no USESTATE2: a copy of state 1
  EXPECT_EQ(three.Props[0].GradientArray.size(), 2u);
  EXPECT_TRUE(three.Props[1].GradientArray.empty());
  const TsGeneralData& use2 = m.Section(u"USE2");
  EXPECT_TRUE(use2.UseState2);
  EXPECT_EQ(use2.Props[2].Color, 8u);
  EXPECT_EQ(use2.Props[0].Transparency, 300);
  const TsGeneralData& child = m.Section(u"CHILD");
  EXPECT_EQ(child.ParentClass, u"THREE");
  EXPECT_EQ(child.Props[0].Color, 5u);
  EXPECT_EQ(child.Props[0].FontColor.Color, 3u);
  EXPECT_EQ(child.Props[1].Color, 77u);
  EXPECT_EQ(child.Props[0].FontColor.Left, TColor(-1));
  EXPECT_EQ(m.Section(u"SELF").Props[0].Color, 0xFFFFFFu);  // negative: missing
  EXPECT_EQ(child.OuterMode, 2);
  EXPECT_EQ(child.OuterOffset, (TRect{-1, -1, -1, -1}));
}

TEST_F(SyntheticSkin, ProvidedSectionsComeLastAndTakeTheLabelColourOfThePreviousLoad) {
  ASSERT_TRUE(Load("COLOR=4660\r\nFONTCOLOR=255\r\n[EDIT]\r\n"));
  const auto& gd = D().gd;
  ASSERT_EQ(gd.size(), 4u);
  EXPECT_EQ(gd[2].ClassName, u"TRANSPARENT");
  EXPECT_EQ(gd[3].ClassName, u"MAINCOLOR");
  EXPECT_EQ(gd[2].Props[0].FontColor.Color, 0u);  // the palette was still empty
  EXPECT_EQ(gd[3].Props[2].Color, 4660u);
  EXPECT_EQ(gd[3].Props[0].Transparency, 0);
  EXPECT_EQ(gd[2].Props[1].FontColor.Top, TColor(-1));

  ASSERT_TRUE(Load("COLOR=1\r\nFONTCOLOR=16\r\n[TRANSPARENT]\r\nCOLOR=3\r\n"));
  ASSERT_EQ(D().gd.size(), 3u);
  EXPECT_EQ(D().gd[1].Props[0].Color, 3u);
  EXPECT_EQ(D().gd[2].ClassName, u"MAINCOLOR");
  EXPECT_EQ(D().gd[2].Props[0].FontColor.Color, 255u);  // the label colour of the first skin
}

TEST_F(SyntheticSkin, FallbacksApplyInOrder) {
  ASSERT_TRUE(
      Load("[BUTTON]\r\nCOLOR=9\r\nBORDERSMASK=^0000^0000^0009^0009^0003^0003^0003^0003^1^0^1\r\n"
           "[PANEL_LOW]\r\nCOLOR=4\r\n"));
  const auto& s = m.SkinCommonInfo.Sections;
  const int button = m.GetSkinIndex(u"BUTTON");
  EXPECT_EQ(s[ssColHeader], button);
  EXPECT_EQ(s[ssColHeaderA], button);
  EXPECT_EQ(s[ssColHeaderR], button);
  EXPECT_EQ(s[ssSlider_On], m.GetSkinIndex(u"PANEL_LOW"));
  EXPECT_EQ(s[ssMenuCaption], -1);
  EXPECT_EQ(s[ssMenuLine], -1);
  ASSERT_GE(m.GetSkinIndex(u"COLHEADERA"), 0);
  const TsGeneralData& copy = m.Section(u"COLHEADERA");
  EXPECT_EQ(copy.Props[0].Color, 9u);
  EXPECT_EQ(copy.BorderIndex, m.Section(u"BUTTON").BorderIndex);
  EXPECT_GE(copy.BorderIndex, 0);
}

TEST_F(SyntheticSkin, CommonSectionsJoinAfterTheSkinsOwn) {
  m.Settings.CommonSections =
      u"[GLOBALINFO]\r\nCOLOR=1\r\n[EDIT]\r\nCOLOR=2\r\n[EXTRA]\r\nCOLOR=3\r\n"
      u"[EXTRA]\r\nCOLOR=4\r\n[MORE]\r\nPARENTCLASS=EDIT\r\n";
  ASSERT_TRUE(Load("COLOR=5\r\n[EDIT]\r\nCOLOR=6\r\n"));
  const auto& gd = D().gd;
  ASSERT_GE(gd.size(), 6u);
  EXPECT_EQ(gd[1].Props[0].Color, 6u);  // the skin's own section wins
  EXPECT_EQ(gd[2].ClassName, u"EXTRA");
  EXPECT_EQ(gd[2].Props[0].Color, 3u);
  EXPECT_EQ(gd[3].ClassName, u"MORE");
  EXPECT_EQ(gd[3].Props[0].Color, 2u);  // inherits within the common text
  EXPECT_EQ(gd[4].ClassName, u"TRANSPARENT");
  EXPECT_EQ(m.Palette[pcMainColor], 5u);
}

// ---- Image entries ----

TEST_F(SyntheticSkin, EntriesWithImageCountZero) {
  ASSERT_TRUE(Load("[PANEL]\r\nA=@0000@0000@0010@0002@0@0\r\nB=^0000^0000^0008^0010^0000^0000^0000^0000^0^0^1\r\n"));
  const TsMaskData& a = m.Entry(u"PANEL", u"A");
  EXPECT_EQ(a.ImageCount, 1);
  EXPECT_EQ(a.Width, 0);
  EXPECT_EQ(a.Height, 2);
  EXPECT_EQ(a.WL + a.WT + a.WR + a.WB, 0);
  const TsMaskData& b = m.Entry(u"PANEL", u"B");
  EXPECT_EQ(b.ImageCount, 1);
  EXPECT_EQ(b.Width, 0);
  EXPECT_EQ(b.WT, 4);
  EXPECT_EQ(b.WB, 4);
  EXPECT_EQ(b.WL, 0);
}

TEST_F(SyntheticSkin, EditBorderOfOnePixelGetsAScrollOffset) {
  const std::string border = "BORDERSMASK=^0000^0000^0009^0006^0001^0001^0001^0001^3^1^1\r\n";
  ASSERT_TRUE(Load("[EDIT]\r\n" + border + "[ALPHAEDIT]\r\nPARENTCLASS=EDIT\r\n[PANEL]\r\n" + border + "[BARE]\r\n"));
  EXPECT_EQ(m.Section(u"EDIT").ScrollBorderOffset, -1);
  EXPECT_EQ(m.Section(u"ALPHAEDIT").ScrollBorderOffset, -1);
  EXPECT_EQ(m.Section(u"PANEL").ScrollBorderOffset, 0);
  EXPECT_EQ(m.Section(u"BARE").ScrollBorderOffset, -2);
  const TsMaskData& e = m.Entry(u"EDIT", u"BORDERSMASK");
  EXPECT_EQ(e.Width, 3);
  EXPECT_EQ(e.Height, 3);
}

TEST_F(SyntheticSkin, TexturesPerStateAndLookupForms) {
  ASSERT_TRUE(
      Load("[BASE]\r\nSTATES=3\r\nUSESTATE2=1\r\nPATTERN=~0000~0000~0010~0010~00~0\r\n"
           "HOTPATTERN=~0010~0000~0020~0010~00~0\r\nPATTERN2=~0020~0000~0030~0010~00~0\r\n"
           "GLYPH=@0000@0000@0010@0010@1@0\r\n"
           "[CHILD]\r\nPARENTCLASS=BASE\r\nSTATES=2\r\nUSESTATE2=0\r\n"
           "[LOOPA]\r\nPARENTCLASS=LOOPB\r\n[LOOPB]\r\nPARENTCLASS=LOOPA\r\n"));
  const int base = m.GetSkinIndex(u"BASE"), child = m.GetSkinIndex(u"CHILD");
  const int pattern = m.GetMaskIndex(u"BASE", u"PATTERN");
  EXPECT_EQ(m.Section(u"BASE").Props[2].TextureIndex, m.GetMaskIndex(u"BASE", u"PATTERN2"));
  const TsGeneralData& c = m.Section(u"CHILD");
  EXPECT_EQ(c.Props[0].TextureIndex, pattern);
  EXPECT_EQ(c.Props[1].TextureIndex, m.GetMaskIndex(u"BASE", u"HOTPATTERN"));
  EXPECT_EQ(c.Props[2].TextureIndex, c.Props[1].TextureIndex);  // no third state of its own

  EXPECT_EQ(m.GetMaskIndex(child, u"PATTERN"), pattern);
  EXPECT_EQ(m.GetMaskIndex(child, u"CHILD", nullptr, u"PATTERN"), pattern);
  EXPECT_EQ(m.GetMaskIndex(child, u"BASE", nullptr, u"PATTERN"), -1);  // the parent is the given name
  EXPECT_EQ(m.GetMaskIndex(u"CHILD", u"PATTERN"), -1);                 // by names: no inheritance
  EXPECT_EQ(m.GetTextureIndex(child, u"PATTERN"), pattern);
  EXPECT_EQ(m.GetTextureIndex(base, u"GLYPH"), -1);
  EXPECT_GE(m.GetMaskIndex(base, u"GLYPH"), 0);
  EXPECT_EQ(m.GetTextureIndex(child, u"CHILD", nullptr, u"PATTERN"), pattern);
  EXPECT_EQ(m.GetMaskIndex(m.GetSkinIndex(u"LOOPA"), u"PATTERN"), -1);
  EXPECT_EQ(m.GetMaskIndex(-1, u"PATTERN"), -1);
  EXPECT_EQ(m.GetSkinIndex(u""), -1);
}

TEST_F(SyntheticSkin, FilesAreSharedAndMissingOnesDropTheirEntries) {
  gfx::PixelBuffer tile = FilledBuffer(6, 4, 0x80102030u);
  ASSERT_TRUE(
      Load("[BASE]\r\nPATTERN=!TILE.PNG!1!0!1\r\n[CHILD]\r\nPARENTCLASS=BASE\r\nPATTERN=!GONE.PNG!1!0!1\r\n"
           "HOTPATTERN=TILE.PNG.BMP\r\n[OTHER]\r\nPATTERN=!tile.png!1!0!1\r\n",
           {{"TILE.PNG", tile}}));
  const TsMaskData& a = m.Entry(u"BASE", u"PATTERN");
  const TsMaskData& b = m.Entry(u"OTHER", u"PATTERN");
  ASSERT_NE(a.Bmp, nullptr);
  EXPECT_EQ(a.Bmp, b.Bmp);
  EXPECT_EQ(a.R, (TRect{0, 0, 6, 4}));
  EXPECT_EQ(b.R, a.R);
  EXPECT_EQ(std::count_if(D().BmpArray.begin(), D().BmpArray.end(),
                          [](const TacBmpData& b) { return b.FileName == u"TILE.PNG"; }),
            1);
  // PNG pictures that are not borders are premultiplied (brightness 0).
  EXPECT_EQ(a.Bmp->Pixel(0, 0), 0x80081018u);
  EXPECT_EQ(m.GetMaskIndex(u"CHILD", u"PATTERN"), -1);
  EXPECT_EQ(m.GetMaskIndex(u"CHILD", u"HOTPATTERN"), -1);  // no such file either
  EXPECT_EQ(m.Section(u"CHILD").Props[0].TextureIndex, m.GetMaskIndex(u"BASE", u"PATTERN"));
}

TEST_F(SyntheticSkin, CornerKeysSetCfg) {
  // Two 6 x 6 pictures with borders 2; the second has a key pixel in its bottom-right corner.
  master.Row32(5)[11] = kOpaqueKey;
  master.Row32(2)[16] = kOpaqueKey;  // the middle of another picture: not a corner
  ASSERT_TRUE(
      Load("[A]\r\nBORDERSMASK=^0000^0000^0012^0006^0002^0002^0002^0002^2^0^1\r\n"
           "[B]\r\nBORDERSMASK=^0012^0000^0018^0006^0002^0002^0002^0002^1^0^1\r\n"
           "[BUTTON_HUGE]\r\nBORDERSMASK=^0012^0000^0018^0006^0002^0002^0002^0002^1^0^1\r\n"
           "GLYPH=@0000@0000@0012@0006@2@0\r\n"));
  EXPECT_EQ(m.Entry(u"A", u"BORDERSMASK").Cfg, 1);
  EXPECT_EQ(m.Entry(u"B", u"BORDERSMASK").Cfg, 0);
  EXPECT_EQ(m.Entry(u"BUTTON_HUGE", u"BORDERSMASK").Cfg, 2);
  EXPECT_EQ(m.Entry(u"BUTTON_HUGE", u"GLYPH").Cfg, 0);  // not a border image
  EXPECT_EQ(m.MasterBitmap->Pixel(11, 5), KeyPixel);
}

TEST_F(SyntheticSkin, DensityVariantsOfImages) {
  const std::string options =
      "BOXCHECKED=@0000@0000@0010@0010@1@0\r\nBOXCHECKED*200=@0010@0000@0030@0020@1@0\r\n"
      "BOXGRAYED*200=@0010@0000@0030@0020@1@0\r\n";
  ASSERT_TRUE(Load(options));
  EXPECT_EQ(m.Entry(u"GLOBALINFO", u"BOXCHECKED").R, (TRect{0, 0, 10, 10}));
  EXPECT_EQ(m.GetMaskIndex(u"GLOBALINFO", u"BOXCHECKED*200"), -1);
  EXPECT_EQ(m.GetMaskIndex(u"GLOBALINFO", u"BOXGRAYED"), -1);

  m.Settings.ScreenPPI = 192;
  ASSERT_TRUE(Load(options));
  const TsMaskData& big = m.Entry(u"GLOBALINFO", u"BOXCHECKED", 3);
  EXPECT_EQ(big.R, (TRect{10, 0, 30, 20}));
  EXPECT_EQ(big.DivPPI, 192);
  EXPECT_EQ(big.MulPPi, 192);
  EXPECT_EQ(big.Bmp, nullptr);
  EXPECT_EQ(m.GetMaskIndex(u"GLOBALINFO", u"BOXGRAYED", &D(3)), -1);
}

TEST_F(SyntheticSkin, RescaledKeyedPictureKeepsItsKeyCorners) {
  // An 8 x 8 picture whose corner pixels are key pixels, borders 3, drawn at 96, used at 192.
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) master.Row32(y)[x] = 0xFF3070B0u;
  for (auto [x, y] : {std::pair{0, 0}, {7, 0}, {0, 7}, {7, 7}}) master.Row32(y)[x] = kOpaqueKey;
  m.Settings.ScreenPPI = 192;
  ASSERT_TRUE(Load("[PANEL]\r\nBORDERSMASK=^0000^0000^0008^0008^0003^0003^0003^0003^1^0^1\r\n"));
  const TsMaskData& md = m.Entry(u"PANEL", u"BORDERSMASK", 3);
  ASSERT_NE(md.Bmp, nullptr);
  EXPECT_EQ(md.R, (TRect{0, 0, 16, 16}));
  EXPECT_EQ(md.WL, 6);
  EXPECT_EQ(md.WR, 6);
  EXPECT_EQ(md.Cfg, 1);
  EXPECT_EQ(md.Bmp->Pixel(0, 0), KeyPixel);
  EXPECT_EQ(md.Bmp->Pixel(15, 15), KeyPixel);
  EXPECT_EQ(md.Bmp->Pixel(8, 8), 0xFF3070B0u);
  EXPECT_EQ(md.Bmp->Pixel(8, 0) >> 24, 0xFFu);
  // Rescaled areas of the master bitmap are shared by entries naming the same area.
  EXPECT_EQ(std::count_if(D(3).BmpArray.begin(), D(3).BmpArray.end(),
                          [](const TacBmpData& b) {
                            return b.SrcRect == TRect{0, 0, 8, 8};
                          }),
            1);
}

// ---- Palette and colours ----

TEST_F(SyntheticSkin, PaletteDefaultsNameEarlierEntries) {
  ASSERT_TRUE(
      Load("COLOR=0x102030\r\nCOLORTONEBLUETEXT=5\r\nCOLORTONEBLUETEXTACTIVE=6\r\n"
           "COLORTONEYELLOWTEXTActive=7\r\nBTNCOLOR1NORMAL=-1580329\r\nEDITBG_INV=$FF\r\n"
           "[EDIT]\r\nCOLOR=1000\r\nFONTCOLOR=2000\r\n"
           "[MENUITEM]\r\nSTATES=2\r\nHOTCOLOR=300\r\nHOTFONTCOLOR=400\r\n"));
  const TacPaletteArray& p = m.Palette;
  EXPECT_EQ(p[pcMainColor], 0x102030u);
  EXPECT_EQ(p[pcEditText_Inverted], 1000u);
  EXPECT_EQ(p[pcEditBG_Inverted], 0xFFu);
  EXPECT_EQ(p[pcEditBG_OddRow], 1000u);
  EXPECT_EQ(p[pcBtnBlueTextActive], 5u);  // the all-capital key is not read
  EXPECT_EQ(p[pcBtnYellowTextActive], 7u);
  EXPECT_EQ(p[pcBtnColor1Normal], 0xFFE7E2D7u);
  EXPECT_EQ(p[pcBtnColor2Normal], BlendColorValues(0x102030, 0, 244) | 0xFF000000u);
  EXPECT_EQ(p[pcSelectionText], 400u);
  EXPECT_EQ(p[pcSelectionText_Focused], 400u);
  EXPECT_EQ(p[pcSelectionBG], 300u);
  EXPECT_EQ(p[pcSelectionBG_Focused], 300u);
  EXPECT_EQ(p[pcGrid], BlendColorValues(2000, 1000, 30));
  EXPECT_EQ(p[pcHintBG], gfx::GetSysColor(gfx::COLOR_INFOBK));

  ASSERT_TRUE(Load("[SELECTION]\r\nSTATES=1\r\nCOLOR=11\r\nFONTCOLOR=12\r\n"));
  EXPECT_EQ(m.Palette[pcSelectionBG_Focused], 11u);
  EXPECT_EQ(m.Palette[pcSelectionText_Focused], 12u);
  EXPECT_EQ(m.Palette[pcEditText], gfx::GetSysColor(gfx::COLOR_WINDOWTEXT));
  EXPECT_EQ(m.Palette[pcMainColor], gfx::GetSysColor(gfx::COLOR_BTNFACE));

  ASSERT_TRUE(Load("[SELECTION]\r\nFONTCOLOR=16711935\r\n"));  // the key colour: not set
  EXPECT_EQ(m.Palette[pcSelectionText], gfx::GetSysColor(gfx::COLOR_HIGHLIGHTTEXT));
  EXPECT_EQ(m.Palette[pcSelectionBG], gfx::GetSysColor(gfx::COLOR_HIGHLIGHT));
}

TEST_F(SyntheticSkin, ColourLookupWithAndWithoutASkin) {
  ASSERT_TRUE(
      Load("COLOR=111\r\nFONTCOLOR=222\r\n[EDIT]\r\nFONTCOLOR=333\r\nCOLOR=444\r\n"
           "[HINT]\r\nCOLOR=555\r\n"));
  const TColor windowText = 0xFF000000u | gfx::COLOR_WINDOWTEXT;
  EXPECT_EQ(m.SkinColorToRGB(windowText), 333u);
  EXPECT_EQ(m.SkinColorToRGB(0xFF000000u | gfx::COLOR_WINDOW), 444u);
  EXPECT_EQ(m.SkinColorToRGB(0xFF000000u | gfx::COLOR_INFOBK), 555u);
  EXPECT_EQ(m.SkinColorToRGB(0xFF000000u | gfx::COLOR_ACTIVECAPTION), 111u);  // no FORMTITLE
  EXPECT_EQ(m.SkinColorToRGB(0xFF000000u | gfx::COLOR_GRAYTEXT), BlendColorValues(111, 222, 127));
  EXPECT_EQ(m.SkinColorToRGB(0xFF000000u | gfx::COLOR_SCROLLBAR), 111u);
  EXPECT_EQ(m.SkinColorToRGB(0xFF003E0Au), m.Palette[pcEditText_Ok]);
  EXPECT_EQ(m.SkinColorToRGB(0x00123456u), 0x00123456u);

  m.FreeSkin();
  EXPECT_FALSE(m.IsActive());
  EXPECT_EQ(m.SkinColorToRGB(windowText), gfx::GetSysColor(gfx::COLOR_WINDOWTEXT));
  EXPECT_EQ(m.SkinColorToRGB(0xF1000001u), 0x000001u);
  EXPECT_EQ(NoManagerColorToRGB(windowText), gfx::GetSysColor(gfx::COLOR_WINDOWTEXT));
  EXPECT_EQ(NoManagerColorToRGB(0xFF003E0Au), 0x003E0Au);
}

// ---- Outer effects, shadows, numbers ----

TEST_F(SyntheticSkin, OuterEffectsAndComputedMasks) {
  ASSERT_TRUE(
      Load("SH_SOURCE=2\r\nSH_WIDTHT=4\r\nLO_SOURCE=0\r\nGLOW=0\r\n"
           "[A]\r\nOUTERMODE=3\r\nOUTCOLL=255\r\nOUTCOLT=65280\r\nOUTRADIUS=4\r\nOUTBLUR=2\r\nOUTOFFSB=3\r\n"
           "[B]\r\nOUTERMODE=0\r\n[C]\r\nOUTERMODE=4\r\nOUTERMASK=^0000^0000^0009^0018^0003^0003^0003^0003^1^1^1\r\n"));
  const TacSkinData& d = D();
  EXPECT_EQ(d.oe[0].Mask, -1);
  ASSERT_GE(d.oe[1].Mask, 0);
  const TsMaskData& sh = d.ma[static_cast<std::size_t>(d.oe[1].Mask)];
  EXPECT_EQ(sh.ImageCount, 1);
  EXPECT_EQ(sh.MaskType, 1);
  EXPECT_EQ(sh.DrawMode, 1);
  ASSERT_NE(sh.Bmp, nullptr);
  EXPECT_EQ(sh.Height * 2, sh.Bmp->Height());
  EXPECT_EQ(sh.WT, 4);
  EXPECT_EQ(d.oe[1].WidthT, 4);
  EXPECT_EQ(d.oe[1].WidthL, sh.WL);
  EXPECT_EQ(sh.WL, 5 + 3 + 9);  // blur + offset + radius

  const TsGeneralData& a = m.Section(u"A");
  ASSERT_GE(a.OuterMask, 0);
  const TsMaskData& frame = d.ma[static_cast<std::size_t>(a.OuterMask)];
  EXPECT_EQ(frame.ClassName, u"A");
  EXPECT_EQ(frame.WB, 2 + 3 + 4);
  EXPECT_EQ(frame.WT, 2 + 0 + 4);
  // Mode 3 draws every side in the left colour; the mask is opaque under the control.
  EXPECT_EQ(frame.Bmp->Pixel(frame.Width / 2, 0), 0xFFFF0000u);
  EXPECT_EQ(frame.Bmp->Pixel(frame.Width / 2, frame.Height + frame.Height / 2) & 0xFF, 0u);
  EXPECT_EQ(frame.Bmp->Pixel(0, frame.Height) & 0xFF, 255u);
  EXPECT_EQ(m.Section(u"B").OuterMask, -1);
  EXPECT_EQ(m.Section(u"C").OuterMask, m.GetMaskIndex(u"C", u"OUTERMASK"));
}

TEST_F(SyntheticSkin, GlobalNumbersAndGlowMarginsFollowTheDensity) {
  const std::string options =
      "BITOP=4\r\nBITOP*150=11\r\nWSHSIZE=10\r\nCOMBOMARGIN=1\r\nALIGNOFFSET=6\r\n"
      "ALIGNOFFSETB=2\r\nBICONCLOSE=@0000@0000@0030@0010@3@0\r\nBICONCLOSEGLOW=2\r\n"
      "BICONCLOSEGLOW0=@0000@0010@0010@0020@1@0\r\nBICONCLOSEGLOWMARGIN=4\r\n"
      "[PANEL]\r\nGLOWMARGIN=8\r\n";
  m.Settings.ScreenPPI = 144;
  ASSERT_TRUE(Load(options));
  const TacSkinData& d96 = D(0);
  const TacSkinData& d144 = D(2);
  EXPECT_EQ(d96.BITopMargin, 4);
  EXPECT_EQ(d144.BITopMargin, 11);
  EXPECT_EQ(d144.WndShadowSize, 15);
  EXPECT_EQ(d96.ComboBoxMargin, 1);
  EXPECT_EQ(d144.ComboBoxMargin, 2);
  EXPECT_EQ(d144.ExShadowOffsR, 9);
  EXPECT_EQ(d144.ExShadowOffsB, 3);
  EXPECT_EQ(m.Section(u"PANEL", 0).GlowMargin, 8);
  EXPECT_EQ(m.Section(u"PANEL", 2).GlowMargin, 12);
  // Title glyphs: the lone close button takes the close button's picture and glows.
  EXPECT_EQ(d96.TitleGlyphs[0], d96.TitleGlyphs[1]);
  ASSERT_EQ(d96.TitleGlows[1].size(), 2u);
  EXPECT_EQ(d96.TitleGlows[1][0], m.GetMaskIndex(u"GLOBALINFO", u"BICONCLOSEGLOW0"));
  EXPECT_EQ(d96.TitleGlows[1][1], -1);
  EXPECT_EQ(d96.TitleGlows[0], d96.TitleGlows[1]);
  EXPECT_EQ(d96.GlowMargins[0], 4);
  EXPECT_EQ(d144.GlowMargins[1], 6);
  EXPECT_TRUE(d96.TitleGlows[2].size() == 2u && d96.TitleGlows[2][0] == -1);
}

TEST_F(SyntheticSkin, ExtendedBordersBuildShadowTemplates) {
  ASSERT_TRUE(Load("WSHSIZE=6\r\nWSHOFFS=2\r\nWSHRAD=3\r\n"));
  EXPECT_EQ(D().FormShadowSize, TRect{});
  EXPECT_EQ(D().ShdaTemplate, nullptr);
  m.Settings.ExtendedBorders = true;
  ASSERT_TRUE(Load("WSHSIZE=6\r\nWSHOFFS=2\r\nWSHRAD=3\r\n"));
  EXPECT_EQ(D().FormShadowSize, (TRect{6, 4, 6, 8}));
  ASSERT_NE(D().ShdaTemplate, nullptr);
  ASSERT_NE(D().ShdiTemplate, nullptr);
  const Bitmap32& a = *D().ShdaTemplate;
  EXPECT_EQ(a.Width(), 2 * (6 + 3) + 1);
  EXPECT_EQ(a.Pixel(a.Width() / 2, a.Height() / 2) >> 24, 0x99u);  // under the window: full colour
  EXPECT_EQ(a.Pixel(0, 0) >> 24, 0u);
  EXPECT_EQ(D().ShdiTemplate->Pixel(a.Width() / 2, a.Height() / 2) >> 24, 0x44u);
}

TEST_F(SyntheticSkin, MaximizedTitleHeightDefaultsToTheTitleHeight) {
  // MAXHEIGHT missing or 0 means the title band keeps its height while maximized.
  ASSERT_TRUE(Load("TITLEHEIGHT=40\r\n"));
  EXPECT_EQ(D().ExTitleHeight, 40);
  EXPECT_EQ(D().ExMaxHeight, 40);
  ASSERT_TRUE(Load("TITLEHEIGHT=33\r\nMAXHEIGHT=0\r\n"));
  EXPECT_EQ(D().ExMaxHeight, 33);
  ASSERT_TRUE(Load("MAXHEIGHT=22\r\n"));
  EXPECT_EQ(D().ExTitleHeight, 30);
  EXPECT_EQ(D().ExMaxHeight, 22);
}

// ---- Scale modes, data sets, failures ----

TEST_F(SyntheticSkin, DataSetsPerScaleMode) {
  TacSkinData* empty = m.CommonSkinData(120);
  EXPECT_EQ(empty, &SharedEmptySkinData(1));
  EXPECT_EQ(empty->PPI, 120);
  EXPECT_EQ(empty->ScalePercent, 125);
  EXPECT_TRUE(empty->gd.empty());

  m.Settings.ScreenPPI = 144;
  ASSERT_TRUE(Load("[EDIT]\r\n"));
  ASSERT_EQ(m.SkinDataArray.size(), 3u);
  EXPECT_NE(m.SkinDataArray[0], nullptr);
  EXPECT_EQ(m.SkinDataArray[1], nullptr);
  EXPECT_EQ(m.CommonSkinData(144), m.SkinDataArray[2].get());
  EXPECT_EQ(m.loadings, 2);

  m.Settings.ScaleMode = TacScaleMode::smCustomPPI;
  m.Settings.PixelsPerInch = 120;
  ASSERT_TRUE(Load("[EDIT]\r\n"));
  ASSERT_EQ(m.SkinDataArray.size(), 1u);
  EXPECT_EQ(D().PPI, 120);
  EXPECT_EQ(D().ScaleValue, 1);
  EXPECT_EQ(m.ScaleInt(10), 12);

  m.Settings.ScaleMode = TacScaleMode::sm150;
  ASSERT_TRUE(Load("[EDIT]\r\n"));
  EXPECT_EQ(m.GetScale(), 2);
  EXPECT_EQ(D().PPI, 144);
  EXPECT_EQ(m.ScaleInt(10), 15);
  EXPECT_EQ(m.ScaleInt(10, 3), 20);
  EXPECT_EQ(m.ScaleInt(-5, 1), -6);
  EXPECT_EQ(m.ScaleInt(INT32_MAX, 3), INT32_MAX);
  m.Settings.ScaleMode = TacScaleMode::smOldMode;
  EXPECT_EQ(m.ScaleInt(10, 3), 10);
  m.Settings.ScaleMode = TacScaleMode::smVCL;
  EXPECT_EQ(m.GetScale(), 0);
}

TEST_F(SyntheticSkin, VersionWarningOncePerChangeUnlessPreviewing) {
  m.Settings.ScreenPPI = 144;
  ASSERT_TRUE(Load("VERSION=15.2\r\n"));
  ASSERT_EQ(m.boxes.size(), 1u);
  EXPECT_EQ(m.boxes[0].Kind, TacMsgKind::Warning);
  EXPECT_EQ(m.boxes[0].Text, kSkinVersionWarning);
  m.boxes.clear();
  ASSERT_TRUE(Load("VERSION=14.99\r\n"));
  ASSERT_TRUE(Load("VERSION=9.5\r\n"));
  m.Settings.PreviewRun = true;
  ASSERT_TRUE(Load("VERSION=20\r\n"));
  EXPECT_TRUE(m.boxes.empty());
  EXPECT_DOUBLE_EQ(m.SkinCommonInfo.Version, 20);
}

TEST_F(SyntheticSkin, UnreadablePictureFailsTheLoadAndLeavesNoSkin) {
  EXPECT_THROW(m.LoadInternal(SkinPackage("[GLOBALINFO]\r\nMASTERBITMAP=M.PNG\r\n", {}, {{"M.PNG", "not a png"}})),
               EInvalidGraphic);
  EXPECT_FALSE(m.IsActive());
  EXPECT_TRUE(m.SkinDataArray.empty());
  EXPECT_EQ(m.ManagerState & msSkinChanging, 0u);
  EXPECT_THROW(m.LoadInternal(SkinPackage("[A]\r\nP=!BAD.BMP!1!0!1\r\n", {}, {{"BAD.BMP", "BMxx"}})), EInvalidGraphic);
  EXPECT_FALSE(m.IsActive());
}

TEST_F(SyntheticSkin, EmptySkinAndNoSource) {
  ASSERT_TRUE(m.LoadInternal(SkinPackage("")));
  EXPECT_EQ(D().gd.size(), 2u);  // TRANSPARENT and MAINCOLOR only
  ASSERT_EQ(D().ma.size(), 2u);  // the two computed outer-effect masks (SOURCE 2 by default)
  EXPECT_EQ(D().oe[1].Mask, 0);
  EXPECT_EQ(D().oe[0].Mask, 1);
  EXPECT_EQ(m.SkinCommonInfo.IndexGlobalInfo, -1);
  EXPECT_EQ(m.GetMaskIndex(u"GLOBALINFO", u"BOXCHECKED"), -1);
  EXPECT_EQ(D().CheckBox[0], -1);
  EXPECT_EQ(m.MasterBitmap->Width(), 0);

  m.InternalSkins.Clear();
  EXPECT_FALSE(m.LoadSkin());
  EXPECT_FALSE(m.FActive);
  EXPECT_FALSE(m.HasLoadedSections());
}

TEST_F(SyntheticSkin, ScaledMaskDataTakesTheNextLargerVariant) {
  ASSERT_TRUE(
      Load("[PANEL]\r\nP=^0000^0000^0008^0008^0003^0003^0003^0003^1^0^1\r\n"
           "P*150=^0010^0000^0022^0012^0004^0004^0004^0004^1^0^1\r\n"));
  TsMaskData md;
  Bitmap32Ptr picture;
  EXPECT_EQ(m.GetScaledMaskData(u"PANEL", u"P", md, picture, 120), 2);
  EXPECT_EQ(md.DivPPI, 144);
  EXPECT_EQ(md.MulPPi, 120);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(md.Bmp, picture.get());
  EXPECT_EQ(md.Width, 10);
  EXPECT_EQ(m.GetScaledMaskData(u"PANEL", u"P", md, picture, 96), 2);
  EXPECT_EQ(m.GetScaledMaskData(u"PANEL", u"P", md, picture, 144), 2);  // none above: the highest not above
  EXPECT_EQ(md.DivPPI, 144);
  EXPECT_EQ(picture, nullptr);
  EXPECT_EQ(md.R, (TRect{10, 0, 22, 12}));
  EXPECT_EQ(m.GetScaledMaskData(u"PANEL", u"P", md, picture, 192), 2);
  EXPECT_EQ(md.Width, 16);
  EXPECT_EQ(m.GetScaledMaskData(u"PANEL", u"Q", md, picture, 96), -1);
  m.FreeSkin();
  EXPECT_EQ(m.GetScaledMaskData(u"PANEL", u"P", md, picture, 96), -1);
}

}  // namespace
}  // namespace skin
