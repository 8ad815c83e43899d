// The checker of the stored skin: the package as the program carries it, opened through
// the package reader, and its options text checked key by key.
#include <gtest/gtest.h>

#include <set>

#include "platform/base/TextCase.h"
#include "platform/base/Unicode.h"
#include "skin/data/acImageRef.h"
#include "skin/data/acSkinSources.h"
#include "skin/data/sStoredSkins.h"
#include "skin/render/pixels/acGradient.h"
#include "tests/skin/support/EmberfieldTestSupport.h"

namespace skin::emberfield {
namespace {

using test::U;

const char* const kSectionOrder[] = {"GLOBALINFO",
                                     "DIVIDER",
                                     "EDIT",
                                     "EXTRALINE",
                                     "GRIPH",
                                     "GROUPBOX",
                                     "HINT",
                                     "PANEL",
                                     "PANEL_LOW",
                                     "PROGRESSH",
                                     "SCROLLSLIDERH",
                                     "SPLITTER",
                                     "STATUSBAR",
                                     "BAR",
                                     "TOOLBAR",
                                     "RIBBONPAGE",
                                     "RIBBONTAB",
                                     "PAGECONTROL",
                                     "TABTOP",
                                     "DIVIDERV",
                                     "ALPHAEDIT",
                                     "ALPHACOMBOBOX",
                                     "SCROLLSLIDERV",
                                     "SCROLLBTNBOTTOM",
                                     "COLHEADER",
                                     "DRAGBAR",
                                     "SELECTION",
                                     "SCROLLBAR1V",
                                     "SCROLLBAR2V",
                                     "SCROLLBAR1H",
                                     "SCROLLBAR2H",
                                     "BUTTON_HUGE",
                                     "TOOLBUTTON",
                                     "SPEEDBUTTON",
                                     "PAGECONTROLRIGHT",
                                     "PAGECONTROLLEFT",
                                     "PAGECONTROLBOTTOM",
                                     "TABLEFT",
                                     "TABBOTTOM",
                                     "TABRIGHT",
                                     "BARTITLE",
                                     "GAUGE",
                                     "COMBOBTN",
                                     "MENUITEM",
                                     "MENULINE",
                                     "ICOLINE",
                                     "SPEEDBUTTON_SMALL",
                                     "UPDOWNBTN",
                                     "MENUBTN",
                                     "PROGRESSV",
                                     "BARPANEL",
                                     "WEBBUTTON",
                                     "TB_TAB",
                                     "TB_MENUBTN",
                                     "THUMB_ON",
                                     "THUMB_OFF",
                                     "COMBOBOX",
                                     "CHECKBOX",
                                     "FORMTITLE",
                                     "TRACKBAR",
                                     "SCROLLBTNLEFT",
                                     "SCROLLBTNRIGHT",
                                     "SCROLLBTNTOP",
                                     "BUTTON_BIG",
                                     "SLIDER_OFF",
                                     "SLIDER_ON",
                                     "MAINMENU",
                                     "DIALOG",
                                     "FORM",
                                     "BUTTON"};

// Keys whose values are free text (or read as such); every other key of the skin is a
// number, a colour, an image reference or a gradient and is checked as one.
const std::set<std::u16string> kTextKeys = {u"VERSION",  u"AUTHOR",      u"DESCRIPTION", u"MASTERBITMAP",
                                            u"MainFont", u"PARENTCLASS", u"PREVIEW"};

bool IsGradientKey(std::u16string_view k) {
  return k == u"GRADIENTDATA" || k == u"HOTGRADIENTDATA" || k == u"GRADIENTDATA2";
}

// Colour keys of sections and of [GLOBALINFO]; ARGB keys begin with BTNCOLOR.
bool IsColourKey(std::u16string_view section, std::u16string_view k) {
  static const std::set<std::u16string> sectionKeys = {
      u"COLOR",   u"HOTCOLOR", u"COLOR2",   u"FONTCOLOR", u"HOTFONTCOLOR", u"FONTCOLOR2", u"TCLEFT",
      u"TCTOP",   u"TCRIGHT",  u"TCBOTTOM", u"HOTTCLEFT", u"HOTTCTOP",     u"HOTTCRIGHT", u"HOTTCBOTTOM",
      u"TCLEFT2", u"TCTOP2",   u"TCRIGHT2", u"TCBOTTOM2", u"GCOL",         u"HGCOL",      u"GCOL2",
      u"OUTCOLL", u"OUTCOLT",  u"OUTCOLR",  u"OUTCOLB"};
  if (section != u"GLOBALINFO") return sectionKeys.count(std::u16string(k)) > 0;
  return k == u"COLOR" || k == u"FONTCOLOR" || k == u"TCBOTTOM" || k == u"TCTOP" || k == u"BORDERCOLOR" ||
         k == u"GRIDLINE" || k == u"SHADOW1COLOR" || k.starts_with(u"EDITTEXT") || k.starts_with(u"EDITBG") ||
         k.starts_with(u"COLORTONE") || k.starts_with(u"LO_COLOR") || k == u"SH_COLORL";
}

std::string Where(const TacIniSection& s, const TacIniEntry& e) {
  return base::Utf16ToUtf8(s.Name) + "." + base::Utf16ToUtf8(e.Key) + "=" + base::Utf16ToUtf8(e.Value);
}

TEST(StoredSkin, OpensWithTheOptionsAndThreeFilesInOrder) {
  const TOpenedSkin& s = StoredSkin();
  ASSERT_FALSE(s.Package.empty()) << "missing " << StoredPackagePath();
  ASSERT_TRUE(s.Read);
  ASSERT_TRUE(s.Sc.Options.has_value());
  EXPECT_GT(s.Sc.Options->size(), 1000u);
  EXPECT_EQ(s.Sc.FileCount, 3);
  ASSERT_EQ(s.Sc.Files.size(), 3u);
  EXPECT_EQ(s.Sc.Files[0].Name, u"BTNHUGE.BMP");
  EXPECT_EQ(s.Sc.Files[0].FileType, TacFileType::ftBmp);
  EXPECT_EQ(s.Sc.Files[1].Name, u"EXTBORD.PNG");
  EXPECT_EQ(s.Sc.Files[1].FileType, TacFileType::ftOther);
  EXPECT_EQ(s.Sc.Files[2].Name, u"MASTER COPY.PNG");
  EXPECT_EQ(s.Sc.Files[2].FileType, TacFileType::ftOther);
  for (const auto& [name, px] : s.Pictures) EXPECT_FALSE(px.Empty()) << base::Utf16ToUtf8(name) << " does not decode";
}

TEST(StoredSkin, PackageStartsWithTheOptionsMemberAndEndsWithAPreviewPicture) {
  const TacPackageContents c = ReadPackageContents(StoredSkin().Package);
  ASSERT_EQ(c.Members.size(), 4u);
  EXPECT_EQ(c.Members[0].RawName, "OPTIONS.DAT");
  ASSERT_TRUE(c.Preview.Present);
  EXPECT_FALSE(c.Preview.Truncated);
  const gfx::DecodeResult preview = gfx::DecodePng(c.Preview.Bytes);
  ASSERT_TRUE(preview.ok) << preview.error;
  EXPECT_GT(preview.image.pixels.Width(), 100);
}

TEST(StoredSkin, LoadsAsTheInternalSkinOfTheMainWindow) {
  // The item the main window's description carries; no skin folder or package file is
  // found under the directory, so the search ends at the internal skin.
  TsStoredSkins internal;
  TsStoredSkin& item = internal.Add();
  item.Name = u"Emberfield (internal)";
  item.Version = 14.01;
  item.Author = u"Pellomir team";
  item.PackedData = StoredSkin().Package;
  item.OrigName = u"Emberfield.asz";
  std::u16string name = u"Emberfield (internal)", path = u"unchanged";
  bool active = true, packed = false;
  TacSkinIni ini;
  std::unique_ptr<TacSkinConvertor> sc;
  test::RecordingHost host;
  TacSkinSearchState state{name, active, ini, path, packed, sc};
  ASSERT_TRUE(InitSkinFile({u"/nonexistent/Skins", u"/nonexistent/program/", nullptr, internal}, state, host));
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(active);
  EXPECT_TRUE(packed);
  EXPECT_TRUE(path.empty());
  EXPECT_EQ(ini.ReadString(u"GLOBALINFO", u"AUTHOR", u""), item.Author);
  EXPECT_EQ(ini.ReadFloat(u"GLOBALINFO", u"VERSION", 0), 14.01);
  ASSERT_TRUE(sc);
  EXPECT_EQ(sc->FileCount, 3);
}

TEST(StoredSkin, HasTheSeventySectionsInTheirOrder) {
  const auto& sections = StoredSkin().Ini.Sections();
  ASSERT_EQ(sections.size(), std::size(kSectionOrder));
  for (std::size_t i = 0; i < sections.size(); ++i) EXPECT_EQ(sections[i].Name, U(kSectionOrder[i])) << "section " << i;
  // The loader adds these two itself.
  EXPECT_FALSE(StoredSkin().Ini.SectionExists(u"TRANSPARENT"));
  EXPECT_FALSE(StoredSkin().Ini.SectionExists(u"MAINCOLOR"));
}

TEST(StoredSkin, EveryImageReferenceParsesAndLiesInsideItsPicture) {
  const TOpenedSkin& s = StoredSkin();
  ASSERT_NE(s.Master(), nullptr);
  int references = 0;
  for (const TacIniSection& section : s.Ini.Sections()) {
    for (const TacIniEntry& e : section.Entries) {
      if (!e.HasValue || e.Key.find(u'*') != std::u16string::npos) continue;
      if (section.Name == u"GLOBALINFO" && e.Key == u"MASTERBITMAP") continue;
      const std::u16string value = base::ToUpperAscii(e.Value);
      if (!IsImageRefValue(value)) continue;
      ++references;
      const std::string where = Where(section, e);
      const std::u16string canonical = NormalizeImageRef(value);
      ASSERT_GE(canonical.size(), 44u) << where;
      const TacImageRef ref = ParseCanonicalImageRef(canonical);
      const gfx::PixelBuffer* picture = ref.File.empty() ? s.Master() : s.Picture(ref.File);
      ASSERT_NE(picture, nullptr) << where << ": no such picture";
      gfx::TRect r = ref.R;
      if (r.IsEmpty()) r = {0, 0, picture->Width(), picture->Height()};  // a whole file
      EXPECT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Right <= picture->Width() && r.Bottom <= picture->Height())
          << where << ": outside its " << picture->Width() << " x " << picture->Height() << " picture";
      ASSERT_GE(ref.ImageCount, 1) << where;
      EXPECT_LE(ref.MaskType, 1) << where;
      EXPECT_EQ(r.Width() % ref.ImageCount, 0) << where << ": states of unequal width";
      EXPECT_EQ(r.Height() % (ref.MaskType + 1), 0) << where << ": picture and mask of unequal height";
      const int w = r.Width() / ref.ImageCount, h = r.Height() / (ref.MaskType + 1);
      EXPECT_TRUE(ref.WL + ref.WR == 0 || ref.WL + ref.WR < w) << where << ": borders leave no middle";
      EXPECT_TRUE(ref.WT + ref.WB == 0 || ref.WT + ref.WB < h) << where << ": borders leave no middle";
      // A masked picture's mask is grey: its three channels agree.
      for (int y = r.Top + h; ref.MaskType == 1 && y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
          const std::uint32_t m = picture->Row32(y)[x];
          ASSERT_TRUE((m & 0xFF) == ((m >> 8) & 0xFF) && (m & 0xFF) == ((m >> 16) & 0xFF))
              << where << " at " << x << "," << y;
        }
    }
  }
  EXPECT_GT(references, 40);
}

TEST(StoredSkin, EveryParentClassNamesAnotherSection) {
  const TacSkinIni& ini = StoredSkin().Ini;
  for (const TacIniSection& section : ini.Sections()) {
    const std::u16string* parent = ini.FindValue(section.Name, u"PARENTCLASS");
    if (!parent) continue;
    EXPECT_TRUE(ini.SectionExists(*parent))
        << base::Utf16ToUtf8(section.Name) << " names " << base::Utf16ToUtf8(*parent);
    EXPECT_NE(*parent, section.Name);
  }
}

TEST(StoredSkin, EveryColourNumberAndGradientParses) {
  for (const TacIniSection& section : StoredSkin().Ini.Sections()) {
    std::set<std::u16string> seen;
    for (const TacIniEntry& e : section.Entries) {
      const std::string where = Where(section, e);
      ASSERT_TRUE(e.HasValue) << base::Utf16ToUtf8(section.Name) << ": a line without a key";
      EXPECT_TRUE(seen.insert(e.Key).second) << where << ": the key is written twice";
      if (kTextKeys.count(e.Key) || IsImageRefValue(base::ToUpperAscii(e.Value))) continue;
      if (IsGradientKey(e.Key)) {
        const TsGradArray g = ParseGradientData(base::Utf16ToUtf8(e.Value));
        EXPECT_GE(g.size(), 2u) << where;
        continue;
      }
      if (e.Key.starts_with(u"BTNCOLOR")) {
        std::int64_t v = 0;
        EXPECT_TRUE(TryParseInt64(e.Value, v)) << where;
        continue;
      }
      std::int32_t v = 0;
      ASSERT_TRUE(TryParseInt32(e.Value, v)) << where << ": not a number";
      if (IsColourKey(section.Name, e.Key)) {
        EXPECT_TRUE(v >= 0 && v <= 0xFFFFFF) << where << ": not a colour";
      }
      if (e.Key.find(u"TRANSPARENCY") != std::u16string::npos) {
        EXPECT_TRUE(v == 0 || v == 100) << where << ": only see-through or opaque";
      }
    }
  }
}

// Values the rest of the system relies on, written exactly as they stand.
TEST(StoredSkin, KeepsTheValuesOthersRelyOn) {
  const TacSkinIni& ini = StoredSkin().Ini;
  const struct {
    const char16_t* Section;
    const char16_t* Key;
    const char16_t* Value;
  } expected[] = {
      {u"GLOBALINFO", u"VERSION", u"14.01"},
      {u"GLOBALINFO", u"MASTERBITMAP", u"MASTER COPY.PNG"},
      {u"GLOBALINFO", u"COLOR", u"8217672"},
      {u"GLOBALINFO", u"SMALLCHECKED", u"@0109@0079@0121@0091@1@0"},
      {u"GLOBALINFO", u"LO_MASK", u"^0356^0001^0367^0023^0005^0005^0005^0005^1^1^1^1"},
      {u"GLOBALINFO", u"EXBORDER", u"!EXTBORD.PNG!2!0!3!0040!0040!0040!0040!0"},
      {u"GLOBALINFO", u"BORDERWIDTH", u"15"},
      {u"GLOBALINFO", u"FORMOFFSET", u"16"},
      {u"GLOBALINFO", u"TITLEHEIGHT", u"36"},
      {u"GLOBALINFO", u"MAXHEIGHT", u"26"},
      {u"GLOBALINFO", u"CENTEROFFSET", u"3"},
      {u"GLOBALINFO", u"BORDERMODE", u"1"},
      {u"GLOBALINFO", u"BILEFT", u"0"},
      {u"GLOBALINFO", u"BIRIGHT", u"-1"},
      {u"GLOBALINFO", u"BITOP", u"7"},
      {u"GLOBALINFO", u"BISPACE", u"0"},
      {u"EDIT", u"STATES", u"1"},
      {u"EDIT", u"BORDERSMASK", u"&0041001400460019000200020002000210009000000"},
      {u"PANEL", u"BORDERSMASK", u"^0005^0003^0010^0013^0002^0002^0002^0002^1^1^1^1"},
      {u"PANEL", u"IMAGEPERCENT", u"100"},
      {u"PANEL", u"COLOR", u"7956302"},
      {u"GROUPBOX", u"BORDERSMASK", u"^0015^0005^0018^0011^0001^0001^0001^0001^1^1^1^1"},
      {u"GROUPBOX", u"TRANSPARENCY", u"100"},
      {u"GROUPBOX", u"STATES", u"1"},
      {u"BUTTON", u"BORDERSMASK", u"&0419000004460018000400040004000431013000000"},
      {u"BUTTON", u"FONTCOLOR", u"0"},
      {u"FORM", u"STATES", u"2"},
      {u"CHECKBOX", u"TRANSPARENCY", u"100"},
      {u"TOOLBAR", u"IMAGEPERCENT", u"50"},
      {u"TOOLBAR", u"GRADIENTPERCENT", u"50"},
      {u"TOOLBAR", u"TRANSPARENCY", u"0"},
  };
  for (const auto& x : expected) {
    const std::u16string* v = ini.FindValue(x.Section, x.Key);
    ASSERT_NE(v, nullptr) << base::Utf16ToUtf8(x.Section) << "." << base::Utf16ToUtf8(x.Key);
    EXPECT_EQ(*v, x.Value) << base::Utf16ToUtf8(x.Section) << "." << base::Utf16ToUtf8(x.Key);
  }
}

TEST(StoredSkin, DefinesTheTitleGlyphsWithThreeStatesAndNoSmallVariants) {
  const TacSkinIni& ini = StoredSkin().Ini;
  for (const char16_t* key :
       {u"BICONCLOSE", u"BICONMAX", u"BICONMIN", u"BICONNORM", u"BICONHELP", u"SICONCLOSE", u"TITLEBUTTON"}) {
    const std::u16string* v = ini.FindValue(u"GLOBALINFO", key);
    ASSERT_NE(v, nullptr) << base::Utf16ToUtf8(key);
    EXPECT_EQ(ParseCanonicalImageRef(NormalizeImageRef(base::ToUpperAscii(*v))).ImageCount, 3)
        << base::Utf16ToUtf8(key);
  }
  for (const char16_t* key : {u"BICLOSEALONE", u"SICONMAX", u"SICONMIN", u"SICONNORM", u"SICONHELP"})
    EXPECT_FALSE(ini.ValueExists(u"GLOBALINFO", key)) << base::Utf16ToUtf8(key);
  // The texture of the toolbar draws in tiles (draw mode 0) as its mixed fill needs.
  const TacImageRef texture = ParseCanonicalImageRef(NormalizeImageRef(*ini.FindValue(u"TOOLBAR", u"PATTERN")));
  EXPECT_EQ(texture.ImgType, 1);
  EXPECT_EQ(texture.DrawMode, 0);
}

}  // namespace
}  // namespace skin::emberfield
