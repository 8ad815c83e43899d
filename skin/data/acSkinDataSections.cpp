// TacSkinData::LoadAllGeneralData: one section record per section of the options text
// (read with inheritance and defaults), the merged common sections, the sections the loader
// provides, the numbers of [GLOBALINFO] and the two outer effects.
#include <algorithm>
#include <string>

#include "platform/base/Unicode.h"
#include "skin/data/acImageRef.h"
#include "skin/data/acScaleVariants.h"
#include "skin/data/acSectionReader.h"
#include "skin/data/acShadowFrame.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinLoader.h"

namespace skin {

namespace {

constexpr std::u16string_view kGlobalInfo = u"GLOBALINFO";

// The keys of one state: normal, hot, third.
struct TStateKeys {
  std::u16string_view Color, FontColor, Left, Top, Right, Bottom, GlowColor, GlowSize, GradientPercent, GradientData,
      ImagePercent, Transparency;
};

constexpr TStateKeys kStateKeys[3] = {
    {u"COLOR", u"FONTCOLOR", u"TCLEFT", u"TCTOP", u"TCRIGHT", u"TCBOTTOM", u"GCOL", u"GSIZE", u"GRADIENTPERCENT",
     u"GRADIENTDATA", u"IMAGEPERCENT", u"TRANSPARENCY"},
    {u"HOTCOLOR", u"HOTFONTCOLOR", u"HOTTCLEFT", u"HOTTCTOP", u"HOTTCRIGHT", u"HOTTCBOTTOM", u"HGCOL", u"HGSIZE",
     u"HOTGRADIENTPERCENT", u"HOTGRADIENTDATA", u"HOTIMAGEPERCENT", u"HOTTRANSPARENCY"},
    {u"COLOR2", u"FONTCOLOR2", u"TCLEFT2", u"TCTOP2", u"TCRIGHT2", u"TCBOTTOM2", u"GCOL2", u"GSIZE2",
     u"GRADIENTPERCENT2", u"GRADIENTDATA2", u"IMAGEPERCENT2", u"TRANSPARENCY2"},
};

TColor ReadColor(const TacSectionReader& r, std::u16string_view key, TColor def) {
  return static_cast<TColor>(r.ReadInt(key, static_cast<std::int32_t>(def)));
}

}  // namespace

void TacSkinData::LoadAllGeneralData() {
  TacSkinLoader& m = *FOwner;
  const TacSkinIni& ini = m.SkinFile;
  gd.clear();
  fallbackCopies_.clear();
  TabsCovering = static_cast<std::uint8_t>(TacSectionReader(ini, u"TABTOP").ReadInt(u"TABSCOVERING", 0));
  RibbonCovering = static_cast<std::uint8_t>(TacSectionReader(ini, u"RIBBONTAB").ReadInt(u"TABSCOVERING", 0));

  gd.reserve(ini.Sections().size() + 8);
  for (const TacIniSection& section : ini.Sections()) gd.push_back(ReadSection(ini, section.Name));
  if (!ma.empty())
    for (TsGeneralData& g : gd) g.GlowMargin = g.GlowMargin * PPI / 96;

  // Sections of CommonSections that the skin lacks join after the skin's own.
  const TacSkinIni& common = m.CommonSectionsIni();
  for (int i = 0; i < static_cast<int>(common.Sections().size()); ++i) {
    const std::u16string& name = common.Sections()[static_cast<std::size_t>(i)].Name;
    if (name == kGlobalInfo || ini.SectionExists(name) || common.IndexOfSection(name) != i) continue;
    gd.push_back(ReadSection(common, name));
  }

  AddProvidedSections();
  ReadGlobalNumbers();
  ReadOuterEffect(oe[1], u"SH_", false);
  ReadOuterEffect(oe[0], u"LO_", true);
}

TsGeneralData TacSkinData::ReadSection(const TacSkinIni& ini, std::u16string_view name) const {
  const TacSectionReader r(ini, name);
  TsGeneralData g;
  g.ClassName = std::u16string(name);
  if (!r.Chain().empty())
    if (const std::u16string* parent = ini.FindValueAt(r.Chain().front(), u"PARENTCLASS")) g.ParentClass = *parent;
  g.States = r.ReadInt(u"STATES", 3, 255);
  g.UseState2 = r.ReadInt(u"USESTATE2", 0) == 1;
  g.GiveOwnFont = r.ReadBool(u"GIVEOWNFONT", false);
  g.ShiftOnClick = r.ReadBool(u"SHIFTCLICK", false);
  g.ReservedBoolean = r.ReadBool(u"RESERVEDBOOLEAN", false);
  g.GlowCount = r.ReadInt(u"GLOW", 0, 255);
  g.GlowMargin = r.ReadInt(u"GLOWMARGIN", 0, 255);
  g.OuterMode = r.ReadInt(u"OUTERMODE", 2);
  g.OuterOpacity = r.ReadInt(u"OUTOPACITY", 200, 255);
  // Offsets missing everywhere stay -1 (not scaled); the others follow the scale mode.
  auto offset = [&](std::u16string_view key) {
    const std::int32_t v = r.ReadInt(key, -1, 255);
    return v >= 0 ? FOwner->ScaleInt(v) : v;
  };
  g.OuterOffset = TRect{offset(u"OUTOFFSL"), offset(u"OUTOFFST"), offset(u"OUTOFFSR"), offset(u"OUTOFFSB")};
  g.OuterBlur = FOwner->ScaleInt(r.ReadInt(u"OUTBLUR", 9, 30));
  g.OuterRadius = FOwner->ScaleInt(r.ReadInt(u"OUTRADIUS", 9, 60));
  g.OuterColorL = ReadColor(r, u"OUTCOLL", 0);
  g.OuterColorT = ReadColor(r, u"OUTCOLT", 0);
  g.OuterColorR = ReadColor(r, u"OUTCOLR", 0);
  g.OuterColorB = ReadColor(r, u"OUTCOLB", 0);

  ReadState(r, 0, g.Props[0]);
  if (g.States >= 2) ReadState(r, 1, g.Props[1]);
  else g.Props[1] = g.Props[0];
  if (g.UseState2) ReadState(r, 2, g.Props[2]);
  else g.Props[2] = g.Props[1];
  return g;
}

void TacSkinData::ReadState(const TacSectionReader& r, int state, TsGenState& out) const {
  const TStateKeys& k = kStateKeys[state];
  out.Color = ReadColor(r, k.Color, 0xFFFFFF);
  out.FontColor.Color = ReadColor(r, k.FontColor, 0);
  out.FontColor.Left = ReadColor(r, k.Left, TColor(-1));
  out.FontColor.Top = ReadColor(r, k.Top, TColor(-1));
  out.FontColor.Right = ReadColor(r, k.Right, TColor(-1));
  out.FontColor.Bottom = ReadColor(r, k.Bottom, TColor(-1));
  out.GlowColor = ReadColor(r, k.GlowColor, 0xFFFFFF);
  out.GlowSize = r.ReadInt(k.GlowSize, 0);
  out.GradientPercent = r.ReadInt(k.GradientPercent, 0);
  out.GradientArray = ParseGradientData(base::Utf16ToUtf8(r.ReadText(k.GradientData, u"")));
  out.ImagePercent = r.ReadInt(k.ImagePercent, 0);
  out.Transparency = r.ReadInt(k.Transparency, 0);
  out.TextureIndex = -1;
}

void TacSkinData::AddProvidedSections() {
  const TacSkinLoader& m = *FOwner;
  auto provide = [&](std::u16string_view name, std::int32_t transparency, TColor color) {
    if (m.GetSkinIndex(name, this) >= 0) return;
    TsGeneralData g = ReadSection(m.SkinFile, name);  // a section the text lacks: all defaults
    g.States = 1;
    for (TsGenState& s : g.Props) {
      s.Transparency = transparency;
      s.Color = color;
      s.FontColor = TsFontColor{m.Palette[pcLabelText]};
    }
    gd.push_back(std::move(g));
  };
  // The label colour is the palette's at this moment: it is filled after the sections.
  provide(u"TRANSPARENT", 100, 0xFFFFFF);
  provide(u"MAINCOLOR", 0, m.Palette[pcMainColor]);
}

void TacSkinData::ReadGlobalNumbers() {
  const TacSkinIni& ini = FOwner->SkinFile;
  auto scaled = [&](std::u16string_view key, std::int32_t def) { return ReadScaledGlobalInt(ini, key, def, PPI); };
  auto plain = [&](std::u16string_view key, std::int32_t def) { return ini.ReadInteger(kGlobalInfo, key, def); };
  // A key given in plain form or for the set's density.
  auto present = [&](std::u16string_view key) {
    return ini.ValueExists(kGlobalInfo, key) ||
           ini.ValueExists(kGlobalInfo, std::u16string(key) + std::u16string(acScaleSuffix[ScaleIndexOfPPI(PPI)]));
  };

  Shadow1Blur = scaled(u"SHADOW1BLUR", -1);
  Shadow1Offset = scaled(u"SHADOW1OFFSET", 0);
  ExShadowOffs = scaled(u"ALIGNOFFSET", 0);
  ExShadowOffsR = present(u"ALIGNOFFSETR") ? scaled(u"ALIGNOFFSETR", 0) : ExShadowOffs;
  ExShadowOffsT = present(u"ALIGNOFFSETT") ? scaled(u"ALIGNOFFSETT", 0) : ExShadowOffs;
  ExShadowOffsB = present(u"ALIGNOFFSETB") ? scaled(u"ALIGNOFFSETB", 0) : ExShadowOffs;
  BIRightMargin = scaled(u"BIRIGHT", 0);
  BILeftMargin = scaled(u"BILEFT", 0);
  BITopMargin = scaled(u"BITOP", 0);
  BISpacing = scaled(u"BISPACE", 0);
  WndShadowRadius = scaled(u"WSHRAD", 17);
  WndShadowSize = scaled(u"WSHSIZE", 13);
  WndShadowOffset = scaled(u"WSHOFFS", 2);
  Shadow1Transparency = plain(u"SHADOW1TRANSPARENCY", 0);
  ExDrawMode = plain(u"BORDERMODE", 0);
  ComboBoxMargin = plain(u"COMBOMARGIN", 2);
  if (ComboBoxMargin == 1 && PPI > 143) ComboBoxMargin = 2;
  SliderMargin = plain(u"SLIDERMARGIN", 1);
  WndShadowColorN = ini.ReadArgb(kGlobalInfo, u"WSHCOLN", 0x44000000u);
  WndShadowColorA = ini.ReadArgb(kGlobalInfo, u"WSHCOLA", 0x99000000u);
}

void TacSkinData::ReadOuterEffect(TacOutEffData& e, std::u16string_view prefix, bool light) {
  TacSkinLoader& m = *FOwner;
  const TacSkinIni& ini = m.SkinFile;
  auto key = [&](std::u16string_view name) { return std::u16string(prefix) + std::u16string(name); };
  auto plain = [&](std::u16string_view name, std::int32_t def) { return ini.ReadInteger(kGlobalInfo, key(name), def); };
  auto scaled = [&](std::u16string_view name, std::int32_t def) {
    const std::int32_t v = plain(name, def);
    return v >= 0 ? m.ScaleInt(v) : v;
  };
  auto colour = [&](std::u16string_view name, TColor def) {
    return m.SkinColorToRGB(static_cast<TColor>(plain(name, static_cast<std::int32_t>(def))));
  };

  e = TacOutEffData{};
  e.WidthL = scaled(u"WIDTHL", -1);
  e.WidthR = scaled(u"WIDTHR", -1);
  e.WidthT = scaled(u"WIDTHT", -1);
  e.WidthB = scaled(u"WIDTHB", -1);
  e.OffsetL = scaled(u"OFFSETL", light ? 2 : 3);
  e.OffsetR = scaled(u"OFFSETR", light ? 2 : 3);
  e.OffsetT = scaled(u"OFFSETT", 2);
  e.OffsetB = scaled(u"OFFSETB", light ? 4 : 5);
  e.Radius = scaled(u"RADIUS_OE", 9);
  e.Blur = scaled(u"BLUR_OE", 5);
  if (light) {
    e.ColorL = colour(u"COLORL", 0xFFFFFF);
    e.ColorT = colour(u"COLORT", 0);
    e.ColorR = colour(u"COLORR", 0xFFFFFF);
    e.ColorB = colour(u"COLORB", 0xFFFFFF);
  } else {
    // The shadow has one colour; its top colour is the key that says so.
    e.ColorL = e.ColorR = e.ColorB = colour(u"COLORL", 0);
    e.ColorT = KeyColor;
  }
  e.Opacity = plain(u"OPACITY", light ? 200 : 60);
  e.Source = plain(u"SOURCE", 2);

  switch (e.Source) {
    case 1:
      // LoadAllMasks made the entry already, from the density variant of the key.
      e.Mask = m.GetMaskIndex(kGlobalInfo, key(u"MASK"), this);
      break;
    case 2: {
      const std::array<TColor, 4> colors = light ? std::array<TColor, 4>{e.ColorL, e.ColorT, e.ColorR, e.ColorB}
                                                 : std::array<TColor, 4>{e.ColorL, e.ColorL, e.ColorL, e.ColorL};
      e.Mask = AddComputedFrame(kGlobalInfo, key(u"MASK"), e.Radius, e.Blur,
                                {e.OffsetL, e.OffsetT, e.OffsetR, e.OffsetB}, colors);
      TsMaskData& md = ma[static_cast<std::size_t>(e.Mask)];
      // Widths given in the skin replace the frame's own.
      auto width = [](std::int32_t given, std::int16_t own) { return given >= 0 ? given : std::int32_t(own); };
      e.WidthL = width(e.WidthL, md.WL);
      e.WidthT = width(e.WidthT, md.WT);
      e.WidthR = width(e.WidthR, md.WR);
      e.WidthB = width(e.WidthB, md.WB);
      md.WL = static_cast<std::int16_t>(std::clamp(e.WidthL, 0, md.Width - 1));
      md.WR = static_cast<std::int16_t>(std::clamp(e.WidthR, 0, md.Width - md.WL - 1));
      md.WT = static_cast<std::int16_t>(std::clamp(e.WidthT, 0, md.Height - 1));
      md.WB = static_cast<std::int16_t>(std::clamp(e.WidthB, 0, md.Height - md.WT - 1));
      break;
    }
    default: e.Mask = -1; break;
  }
}

std::int32_t TacSkinData::AddComputedFrame(std::u16string_view section, std::u16string_view key, int radius, int blur,
                                           const std::array<int, 4>& offsets, const std::array<TColor, 4>& colors) {
  TacShadowFrame frame = MakeShadowFrame(radius, blur, offsets, colors);
  TacImageRef ref;  // one masked border picture, stretched
  ref.R = TRect{0, 0, frame.Bmp->Width(), frame.Bmp->Height()};
  ref.WL = frame.WL;
  ref.WT = frame.WT;
  ref.WR = frame.WR;
  ref.WB = frame.WB;
  ref.ImageCount = 1;
  ref.MaskType = 1;
  ref.ImgType = itisaBorder;
  ref.DrawMode = 1;
  TsMaskData md = MaskDataFromRef(ref, section, key, FOwner->GetSkinIndex(section, this), FOwner, PPI, PPI);
  md.Width = frame.Width;
  md.Height = frame.Height;
  // A computed picture is never taken for an area of the master bitmap.
  md.Bmp = KeepPicture(md, u"", TRect{-1, -1, -1, -1}, std::move(frame.Bmp)).Bmp.get();
  ma.push_back(std::move(md));
  return static_cast<std::int32_t>(ma.size()) - 1;
}

}  // namespace skin
