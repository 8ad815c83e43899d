// The stored Emberfield skin loaded the way the skin manager loads it, at 96, 120 and 144
// dots per inch.
#include <gtest/gtest.h>

#include "skin/data/acScaleVariants.h"
#include "tests/skin/support/SkinLoaderTestSupport.h"

namespace skin {
namespace {

using test::TestLoader;

class StoredSkin : public ::testing::Test {
 protected:
  // Loads the stored skin for a screen density (and 96 first, as the default scale mode does).
  void Load(int ppi) {
    m.Settings.SkinDirectory = u"c:\\Skins";
    m.Settings.ScreenPPI = ppi;
    ASSERT_TRUE(m.LoadInternal(test::StoredEmberfield(), u"Emberfield (internal)"));
    ASSERT_TRUE(m.boxes.empty());
    index = ScaleIndexOfPPI(ppi);
  }
  TestLoader m;
  int index = 0;
};

TEST_F(StoredSkin, IdentityAndSource) {
  Load(96);
  EXPECT_TRUE(m.IsActive());
  EXPECT_DOUBLE_EQ(m.SkinCommonInfo.Version, 14.01);
  EXPECT_EQ(m.SkinCommonInfo.Author, u"Pellomir team");
  EXPECT_EQ(m.SkinCommonInfo.MainFont, u"Tahoma");
  EXPECT_TRUE(m.SkinCommonInfo.SkinPath.empty());
  EXPECT_TRUE(m.SkinIsPacked);
  EXPECT_EQ(m.FSkinName, u"Emberfield (internal)");
  EXPECT_EQ(m.MasterBitmap->Width(), 512);
  EXPECT_EQ(m.SkinDataArray.size(), 1u);
  EXPECT_EQ(m.loadings, 1);
  EXPECT_EQ(m.SkinCommonInfo.IndexGlobalInfo, 0);
  EXPECT_FALSE(m.Data().Initializing);
}

TEST_F(StoredSkin, ProvidedSectionsFollowTheSkinsOwnAndPrecedeTheFallbackCopies) {
  Load(96);
  const auto& gd = m.Data().gd;
  const std::size_t own = m.SkinFile.Sections().size();
  ASSERT_EQ(own, 70u);
  EXPECT_EQ(gd[0].ClassName, u"GLOBALINFO");
  EXPECT_EQ(gd[69].ClassName, u"BUTTON");
  EXPECT_EQ(gd[70].ClassName, u"TRANSPARENT");
  EXPECT_EQ(gd[71].ClassName, u"MAINCOLOR");
  EXPECT_EQ(gd[70].States, 1);
  EXPECT_EQ(gd[70].Props[2].Transparency, 100);
  EXPECT_EQ(gd[71].Props[0].Color, 8217672u);
  // Everything after them stands in for a section the skin lacks.
  for (std::size_t i = 72; i < gd.size(); ++i) {
    EXPECT_TRUE(gd[i].ClassName == u"MENUCAPTION" || gd[i].ClassName == u"DIALOGTITLE" ||
                gd[i].ClassName == u"TB_BTN" || gd[i].ClassName.starts_with(u"COLHEADER"))
        << base::Utf16ToUtf8(gd[i].ClassName);
  }
  EXPECT_EQ(m.SkinCommonInfo.Sections[ssTransparent], 70);
}

TEST_F(StoredSkin, FallbacksTakeTheIndexOfTheirReplacement) {
  Load(96);
  const auto& s = m.SkinCommonInfo.Sections;
  EXPECT_EQ(s[ssMenuCaption], s[ssToolBar]);
  EXPECT_EQ(s[ssDialogTitle], s[ssFormTitle]);
  EXPECT_EQ(s[ssTBBtn], s[ssToolButton]);
  EXPECT_EQ(s[ssColHeaderA], s[ssColHeader]);
  EXPECT_EQ(s[ssFormHeader], -1);
  EXPECT_EQ(s[ssSlider_On], m.GetSkinIndex(u"SLIDER_ON"));
  // The copy answers lookups by name and draws with its source's images.
  const TsGeneralData& copy = m.Section(u"DIALOGTITLE");
  EXPECT_EQ(copy.Props[1].Color, m.Section(u"FORMTITLE").Props[1].Color);
  const TsGeneralData& tb = m.Section(u"TB_BTN");
  EXPECT_EQ(tb.BorderIndex, m.Section(u"TOOLBUTTON").BorderIndex);
  EXPECT_GE(tb.BorderIndex, 0);
}

TEST_F(StoredSkin, AtNinetySixEveryEntryIsPreparedForItsOwnDensity) {
  Load(96);
  for (const TsMaskData& md : m.Data().ma) {
    EXPECT_EQ(md.MulPPi, 96) << base::Utf16ToUtf8(md.ClassName + u"-" + md.PropertyName);
    EXPECT_EQ(md.DivPPI, 96);
    EXPECT_EQ(md.Manager, &m);
    EXPECT_GE(md.ImageCount, 1);
  }
  // Only the entries of their own files (and the computed ones) have pictures.
  for (const TsMaskData& md : m.Data().ma) {
    const bool ownFile = md.PropertyName == u"EXBORDER" || md.ClassName == u"BUTTON_HUGE";
    EXPECT_EQ(md.Bmp != nullptr, ownFile) << base::Utf16ToUtf8(md.ClassName + u"-" + md.PropertyName);
  }
  EXPECT_EQ(m.Data().BmpArray.size(), 2u);
}

TEST_F(StoredSkin, EditBorderHasBordersOfTwoAndNoScrollOffset) {
  Load(96);
  const TsGeneralData& edit = m.Section(u"EDIT");
  ASSERT_GE(edit.BorderIndex, 0);
  const TsMaskData& b = m.Data().ma[static_cast<std::size_t>(edit.BorderIndex)];
  EXPECT_EQ(b.R, (TRect{41, 14, 46, 19}));
  EXPECT_EQ(b.Width, 5);
  EXPECT_EQ(b.Height, 5);
  EXPECT_EQ(b.WL, 2);
  EXPECT_EQ(b.WB, 2);
  EXPECT_EQ(edit.ScrollBorderOffset, 0);
  // ALPHAEDIT inherits the same border image through its parent.
  EXPECT_EQ(m.Section(u"ALPHAEDIT").BorderIndex, edit.BorderIndex);
  EXPECT_EQ(m.Section(u"DIVIDER").ScrollBorderOffset, -2);
}

TEST_F(StoredSkin, ElementTablesFollowTheSideOrder) {
  Load(96);
  const TacSkinData& d = m.Data();
  EXPECT_EQ(d.Scrolls[asLeft].SkinSection, u"SCROLLBAR1H");
  EXPECT_EQ(d.Scrolls[asTop].SkinSection, u"SCROLLBAR1V");
  EXPECT_EQ(d.Scrolls[asRight].SkinSection, u"SCROLLBAR2H");
  EXPECT_EQ(d.Scrolls[asBottom].SkinSection, u"SCROLLBAR2V");
  EXPECT_EQ(d.ScrollBtns[asLeft].SkinSection, u"SCROLLBTNLEFT");
  EXPECT_EQ(d.ScrollBtns[asTop].SkinSection, u"SCROLLBTNTOP");
  EXPECT_EQ(d.ScrollBtns[asRight].SkinSection, u"SCROLLBTNRIGHT");
  EXPECT_EQ(d.ScrollBtns[asBottom].SkinSection, u"SCROLLBTNBOTTOM");
  for (const TacConstElementData& e : d.ScrollBtns) {
    EXPECT_EQ(e.SkinIndex, m.GetSkinIndex(e.SkinSection));
    EXPECT_EQ(e.MaskIndex, m.Section(u"SCROLLBTNBOTTOM").BorderIndex);  // inherited
    EXPECT_EQ(e.BGIndex[2], -1);
  }
  // Up-down buttons fall back to UPDOWNBTN.
  EXPECT_EQ(d.UpDownBtns[asLeft].SkinSection, u"UPDOWNBTN");
  EXPECT_EQ(d.Sliders[0].SkinSection, u"SCROLLSLIDERH");
  EXPECT_EQ(d.Sliders[1].SkinSection, u"SCROLLSLIDERV");
  EXPECT_EQ(d.ComboBtn.GlyphIndex, m.GetMaskIndex(u"COMBOBOX", u"GLYPHMASK"));
  EXPECT_GE(d.ComboBtn.GlyphIndex, 0);
  EXPECT_EQ(d.Tabs[tlSingle][asTop].SkinSection, u"TABTOP");
  EXPECT_EQ(d.Tabs[tlFirst][asTop].SkinIndex, -1);
}

TEST_F(StoredSkin, GlobalImagesAndTitleGlyphs) {
  Load(96);
  const TacSkinData& d = m.Data();
  EXPECT_EQ(d.CheckBox[1], m.GetMaskIndex(u"GLOBALINFO", u"BOXCHECKED"));
  EXPECT_EQ(d.SmallCheckBox[2], m.GetMaskIndex(u"GLOBALINFO", u"SMALLGRAYED"));
  EXPECT_EQ(d.GripRightBottom, m.GetMaskIndex(u"GLOBALINFO", u"GRIPIMAGE"));
  EXPECT_EQ(d.ExBorder, m.GetMaskIndex(u"GLOBALINFO", u"EXBORDER"));
  // No BICLOSEALONE: the close button's picture; the small ones fall back to the big ones.
  EXPECT_EQ(d.TitleGlyphs[0], d.TitleGlyphs[1]);
  EXPECT_EQ(d.TitleGlyphs[6], m.GetMaskIndex(u"GLOBALINFO", u"SICONCLOSE"));
  EXPECT_EQ(d.TitleGlyphs[7], d.TitleGlyphs[2]);
  EXPECT_EQ(d.TitleGlyphs[12], -1);
  // The small check mark ("@0109@0079@0121@0091@1@0").
  const TsMaskData& small = m.Entry(u"GLOBALINFO", u"SMALLCHECKED");
  EXPECT_EQ(small.ImgType, itisaGlyph);
  EXPECT_EQ(small.R, (TRect{109, 79, 121, 91}));
  // Form-frame numbers at 96 (the EXBORDER picture is drawn for 96).
  EXPECT_EQ(d.ExBorderWidth, 15);
  EXPECT_EQ(d.ExContentOffs, 16);
  EXPECT_EQ(d.ExTitleHeight, 36);
  EXPECT_EQ(d.ExMaxHeight, 26);
  EXPECT_EQ(d.ExCenterOffs, 3);
  EXPECT_EQ(d.BIRightMargin, -1);
  EXPECT_EQ(d.BITopMargin, 7);
  EXPECT_EQ(d.TabsCovering, 1);
  EXPECT_EQ(d.RibbonCovering, 1);
}

TEST_F(StoredSkin, OuterEffectsUseTheirMaskPictures) {
  Load(96);
  const TacSkinData& d = m.Data();
  EXPECT_EQ(d.oe[1].Source, 1);
  EXPECT_EQ(d.oe[1].Mask, m.GetMaskIndex(u"GLOBALINFO", u"SH_MASK"));
  EXPECT_EQ(d.oe[1].Opacity, 60);
  EXPECT_EQ(d.oe[1].ColorT, KeyColor);
  EXPECT_EQ(d.oe[0].Mask, m.GetMaskIndex(u"GLOBALINFO", u"LO_MASK"));
  EXPECT_EQ(d.oe[0].OffsetB, 4);
  EXPECT_GE(d.oe[0].Mask, 0);
}

TEST_F(StoredSkin, BorderCornerKeys) {
  Load(96);
  EXPECT_EQ(m.Entry(u"BUTTON_HUGE", u"BORDERSMASK").Cfg, 2);
  // The Cfg of every border entry of the master bitmap agrees with its pictures' corners.
  const Bitmap32& master = *m.MasterBitmap;
  for (const TsMaskData& md : m.Data().ma) {
    if (md.ImgType != itisaBorder || md.Bmp != nullptr || md.ClassName == u"BUTTON_HUGE") continue;
    int keys = 0;
    for (int i = 0; i < md.ImageCount; ++i)
      for (int y = 0; y < md.Height; ++y)
        for (int x = 0; x < md.Width; ++x) {
          const bool corner = (x < md.WL || x >= md.Width - md.WR) && (y < md.WT || y >= md.Height - md.WB);
          const std::uint32_t px = master.Pixel(md.R.Left + i * md.Width + x, md.R.Top + y);
          if (corner && (px & 0xFFFFFF) == 0xFF00FF) ++keys;
        }
    EXPECT_EQ(md.Cfg, keys > 0 ? 1 : 0) << base::Utf16ToUtf8(md.ClassName + u"-" + md.PropertyName);
  }
}

TEST_F(StoredSkin, Palette) {
  Load(96);
  const TacPaletteArray& p = m.Palette;
  EXPECT_EQ(p[pcMainColor], 8217672u);
  EXPECT_EQ(p[pcLabelText], 16250096u);
  EXPECT_EQ(p[pcWebText], 16769215u);
  EXPECT_EQ(p[pcBorder], 4141346u);
  EXPECT_EQ(p[pcEditText], 2958363u);
  EXPECT_EQ(p[pcEditBG], 16579320u);
  EXPECT_EQ(p[pcHintBG], 15726331u);
  EXPECT_EQ(p[pcSelectionBG], 14668741u);
  EXPECT_EQ(p[pcSelectionBG_Focused], 9397557u);
  EXPECT_EQ(p[pcSelectionText_Focused], 16777215u);
  EXPECT_EQ(p[pcEditText_Inverted], p[pcEditBG]);
  EXPECT_EQ(p[pcEditBG_EvenRow], BlendColorValues(p[pcEditText], p[pcEditBG], 13));
  EXPECT_EQ(p[pcBtnColor2Active], p[pcMainColor] | 0xFF000000u);
  EXPECT_EQ(p[pcBtnToneRedActive], 0xD5D5FFu);
  EXPECT_EQ(p[pcGrid], 15130325u);
  // The colour lookup answers system colours from it.
  EXPECT_EQ(m.SkinColorToRGB(0xFF000000u | gfx::COLOR_WINDOWTEXT), 2958363u);
  EXPECT_EQ(m.SkinColorToRGB(0xFF000000u | gfx::COLOR_ACTIVECAPTION), m.Section(u"FORMTITLE").Props[1].Color);
  EXPECT_EQ(m.SkinColorToRGB(0xF1000001u), p[pcMainColor]);
}

TEST_F(StoredSkin, PanelBorderGetsAPictureOfItsOwnAbove96) {
  Load(120);
  ASSERT_EQ(m.SkinDataArray.size(), 2u);
  const TsMaskData& at120 = m.Entry(u"PANEL", u"BORDERSMASK", index);
  ASSERT_NE(at120.Bmp, nullptr);
  EXPECT_EQ(at120.Bmp->Width(), 6);
  EXPECT_EQ(at120.Bmp->Height(), 12);
  EXPECT_EQ(at120.R, (TRect{0, 0, 6, 12}));
  EXPECT_EQ(at120.Width, 6);
  EXPECT_EQ(at120.Height, 6);
  EXPECT_EQ(at120.WL, 3);
  EXPECT_EQ(at120.WT, 3);
  EXPECT_EQ(at120.WR, 2);
  EXPECT_EQ(at120.WB, 2);
  EXPECT_EQ(at120.MulPPi, 120);
  EXPECT_EQ(at120.DivPPI, 96);
  // The 96 set keeps its area of the master bitmap.
  EXPECT_EQ(m.Entry(u"PANEL", u"BORDERSMASK", 0).Bmp, nullptr);

  TestLoader m144;
  m144.Settings.ScreenPPI = 144;
  ASSERT_TRUE(m144.LoadInternal(test::StoredEmberfield()));
  const TsMaskData& at144 = m144.Entry(u"PANEL", u"BORDERSMASK", 2);
  ASSERT_NE(at144.Bmp, nullptr);
  EXPECT_EQ(at144.Bmp->Width(), 7);
  EXPECT_EQ(at144.Bmp->Height(), 14);
  EXPECT_EQ(at144.WL, 3);
  EXPECT_EQ(at144.WT, 3);
  EXPECT_EQ(at144.WR, 3);
  EXPECT_EQ(at144.WB, 3);
}

TEST_F(StoredSkin, GroupBoxBorderKeepsItsMasterAreaAtEveryDensity) {
  for (int ppi : {96, 120, 144, 192}) {
    TestLoader loader;
    loader.Settings.ScreenPPI = ppi;
    ASSERT_TRUE(loader.LoadInternal(test::StoredEmberfield()));
    const TsMaskData& gb = loader.Entry(u"GROUPBOX", u"BORDERSMASK", ScaleIndexOfPPI(ppi));
    EXPECT_EQ(gb.Bmp, nullptr) << ppi;
    EXPECT_EQ(gb.R, (TRect{15, 5, 18, 11})) << ppi;
    EXPECT_EQ(gb.WL, 1);
    EXPECT_EQ(gb.WB, 1);
    EXPECT_EQ(gb.Height, 3);
  }
}

TEST_F(StoredSkin, HigherDensitySetScalesItsNumbers) {
  Load(144);
  const TacSkinData& d = m.Data(2);
  EXPECT_EQ(d.PPI, 144);
  EXPECT_EQ(d.ScaleValue, 2);
  EXPECT_EQ(d.ScalePercent, 150);
  EXPECT_EQ(d.Spacing, 6);
  EXPECT_EQ(d.ScrollBtnLength, 24);
  EXPECT_EQ(d.BITopMargin, 10);
  EXPECT_EQ(d.ExTitleHeight, 54);
  EXPECT_EQ(d.gd.size(), m.Data(0).gd.size());
  EXPECT_EQ(d.ma.size(), m.Data(0).ma.size());
  // Entries drawn with bit 3 (no rescale) keep their master areas: the EDIT border.
  EXPECT_EQ(m.Entry(u"EDIT", u"BORDERSMASK", 2).Bmp, nullptr);
  // The external button picture is rescaled: three 64 x 48 states with masks.
  const TsMaskData& huge = m.Entry(u"BUTTON_HUGE", u"BORDERSMASK", 2);
  EXPECT_EQ(huge.Width, 96);
  EXPECT_EQ(huge.Height, 72);
  EXPECT_EQ(huge.WL, 24);
  EXPECT_EQ(huge.Cfg, 2);
}

// Image drawing reads the master bitmap through the entries: loading a second density
// rereads the master picture but keeps the bitmap every entry of the first set points at.
TEST_F(StoredSkin, EveryEntryOfEverySetPointsAtTheLiveMasterBitmap) {
  Load(144);
  ASSERT_EQ(m.SkinDataArray.size(), 3u);
  for (int set : {0, 2}) {
    for (const TsMaskData& md : m.Data(set).ma) {
      EXPECT_EQ(md.Master, m.MasterBitmap.get()) << set << " " << base::Utf16ToUtf8(md.ClassName);
    }
  }
  EXPECT_EQ(m.MasterBitmap->Width(), 512);
  // A new skin change keeps the address too; freeing the skin drops it with the entries.
  const Bitmap32* master = m.MasterBitmap.get();
  ASSERT_TRUE(m.LoadInternal(test::StoredEmberfield(), u"Emberfield (internal)"));
  EXPECT_EQ(m.MasterBitmap.get(), master);
  EXPECT_EQ(m.Data(0).ma.at(0).Master, master);
  m.FreeSkin();
  EXPECT_EQ(m.MasterBitmap, nullptr);
  EXPECT_TRUE(m.SkinDataArray.empty());
}

}  // namespace
}  // namespace skin
