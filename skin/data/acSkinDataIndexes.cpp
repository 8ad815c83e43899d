// The resolving steps of a load: the constant sections and elements, the image indexes of
// every section with the final sizes of every entry, the form-frame numbers and the window
// shadows of the extended-border mode.
#include <algorithm>
#include <string>

#include "platform/base/NumberText.h"
#include "skin/data/acScaleVariants.h"
#include "skin/data/acShadowFrame.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinLoader.h"

namespace skin {

namespace {

constexpr std::u16string_view kGlobalInfo = u"GLOBALINFO";
// Glow pictures a title glyph may have; more would only make the load slow.
constexpr int kMaxTitleGlows = 64;

}  // namespace

void TacSkinData::InitConstantIndexes() {
  TacSkinLoader& m = *FOwner;
  TacSkinCommonInfo& info = m.SkinCommonInfo;
  info.IndexGlobalInfo = m.GetSkinIndex(kGlobalInfo, this);
  for (int s = 0; s < acSectionCount; ++s)
    info.Sections[static_cast<std::size_t>(s)] = m.GetSkinIndex(acSectionNames[static_cast<std::size_t>(s)], this);

  // A missing section takes its fallback's index, and a copy of the fallback's record under
  // its own name joins the records so that lookups by that name succeed.
  fallbackCopies_.clear();
  for (const TacSectionFallback& f : acSectionFallbacks) {
    std::int32_t& missing = info.Sections[static_cast<std::size_t>(f.Missing)];
    const std::int32_t replacement = info.Sections[static_cast<std::size_t>(f.Replacement)];
    if (missing >= 0 || replacement < 0) continue;
    missing = replacement;
    TsGeneralData copy = gd[static_cast<std::size_t>(replacement)];
    copy.ClassName = std::u16string(acSectionNames[static_cast<std::size_t>(f.Missing)]);
    gd.push_back(std::move(copy));
    fallbackCopies_.emplace_back(static_cast<int>(gd.size()) - 1, replacement);
  }

  const int global = info.IndexGlobalInfo;
  auto image = [&](std::u16string_view key) { return m.GetMaskIndex(global, key, this); };
  CheckBox = {image(u"BOXUNCHECKED"), image(u"BOXCHECKED"), image(u"BOXGRAYED")};
  SmallCheckBox = {image(u"SMALLUNCHECKED"), image(u"SMALLCHECKED"), image(u"SMALLGRAYED")};
  RadioButton = {image(u"RADIOUNCHECKED"), image(u"RADIOCHECKED")};
  GripVertical = image(u"GRIPVERT");
  GripHorizontal = image(u"GRIPHORZ");
  GripRightBottom = image(u"GRIPIMAGE");
  ResolveTitleGlyphs(global);
  ExBorder = image(u"EXBORDER");

  Scrolls = {ResolveElement({u"SCROLLBAR1H"}), ResolveElement({u"SCROLLBAR1V"}), ResolveElement({u"SCROLLBAR2H"}),
             ResolveElement({u"SCROLLBAR2V"})};
  ScrollBtns = {ResolveElement({u"SCROLLBTNLEFT"}), ResolveElement({u"SCROLLBTNTOP"}),
                ResolveElement({u"SCROLLBTNRIGHT"}), ResolveElement({u"SCROLLBTNBOTTOM"})};
  UpDownBtns = {ResolveElement({u"UPDOWNBTN_LEFT", u"UPDOWNBTN", u"BUTTON"}),
                ResolveElement({u"UPDOWNBTN_TOP", u"UPDOWNBTN", u"BUTTON"}),
                ResolveElement({u"UPDOWNBTNRIGHT", u"UPDOWNBTN", u"BUTTON"}),
                ResolveElement({u"UPDOWNBTN_BOTTOM", u"UPDOWNBTN", u"BUTTON"})};
  Sliders = {ResolveElement({u"SCROLLSLIDERH"}), ResolveElement({u"SCROLLSLIDERV"})};
  MenuItem = ResolveElement({u"MENUITEM"});
  ComboBtn = ResolveElement({u"COMBOBTN"});
  ComboBtn.GlyphIndex = m.GetMaskIndex(m.GetSkinIndex(u"COMBOBOX", this), u"GLYPHMASK", this);
  TrackBar = {ResolveElement({u"TRACKBAR"}), ResolveElement({u"TRACKBAR"})};

  static constexpr std::u16string_view kLayouts[4] = {u"FIRST", u"LAST", u"MIDDLE", u""};
  static constexpr std::u16string_view kSides[4] = {u"LEFT", u"TOP", u"RIGHT", u"BOTTOM"};
  for (int l = 0; l < 4; ++l)
    for (int s = 0; s < 4; ++s) {
      const std::u16string name = u"TAB" + std::u16string(kSides[s]) + std::u16string(kLayouts[l]);
      Tabs[static_cast<std::size_t>(l)][static_cast<std::size_t>(s)] = ResolveElement({name});
    }
}

TacConstElementData TacSkinData::ResolveElement(std::initializer_list<std::u16string_view> names) {
  const TacSkinLoader& m = *FOwner;
  TacConstElementData e;
  for (std::u16string_view name : names) {
    const int index = m.GetSkinIndex(name, this);
    if (index < 0) continue;
    e.SkinIndex = index;
    e.SkinSection = std::u16string(name);
    e.MaskIndex = m.GetMaskIndex(index, u"BORDERSMASK", this);
    e.GlyphIndex = m.GetMaskIndex(index, u"GLYPHMASK", this);
    e.BGIndex[0] = m.GetMaskIndex(index, u"PATTERN", this);
    e.BGIndex[1] = m.GetMaskIndex(index, u"HOTPATTERN", this);
    break;
  }
  return e;
}

void TacSkinData::ResolveTitleGlyphs(int global) {
  const TacSkinLoader& m = *FOwner;
  for (std::size_t u = 0; u < TitleGlyphs.size(); ++u)
    TitleGlyphs[u] = TitleGlyphNames[u].empty() ? -1 : m.GetMaskIndex(global, TitleGlyphNames[u], this);
  // A lone close button without its own picture uses the close button's; the small
  // buttons of tool windows use the big ones.
  if (TitleGlyphs[0] < 0) TitleGlyphs[0] = TitleGlyphs[1];
  for (std::size_t u = 6; u <= 10; ++u)
    if (TitleGlyphs[u] < 0) TitleGlyphs[u] = TitleGlyphs[u - 5];

  const int glowCount = std::clamp(m.SkinFile.ReadInteger(kGlobalInfo, u"BICONCLOSEGLOW", 0), 0, kMaxTitleGlows);
  for (std::size_t u = 0; u < 5; ++u) {
    const std::u16string name(TitleGlyphNames[u]);
    GlowMargins[u] = ReadScaledGlobalInt(m.SkinFile, name + u"GLOWMARGIN", 0, PPI);
    TitleGlows[u].clear();
    for (int v = 0; v < glowCount; ++v)
      TitleGlows[u].push_back(m.GetMaskIndex(global, name + u"GLOW" + base::IntToText(v), this));
  }
  if (TitleGlyphs[0] == TitleGlyphs[1]) {
    GlowMargins[0] = GlowMargins[1];
    TitleGlows[0] = TitleGlows[1];
  }
}

void TacSkinData::InitMaskIndexes() {
  const TacSkinLoader& m = *FOwner;
  std::vector<bool> isCopy(gd.size(), false);
  for (const auto& [copy, source] : fallbackCopies_) isCopy[static_cast<std::size_t>(copy)] = true;

  for (std::size_t i = 0; i < gd.size(); ++i) {
    TsGeneralData& g = gd[i];
    if (g.ClassName == kGlobalInfo || isCopy[i]) continue;
    const int index = static_cast<int>(i);
    auto image = [&](std::u16string_view key) { return m.GetMaskIndex(index, key, this); };
    if (g.BorderIndex < 0) g.BorderIndex = image(u"BORDERSMASK");
    g.ImgTL = image(u"IMGTOPLEFT");
    g.ImgTR = image(u"IMGTOPRIGHT");
    g.ImgBL = image(u"IMGBTMLEFT");
    g.ImgBR = image(u"IMGBTMRIGHT");
    switch (g.OuterMode) {
      case 1:
      case 2: g.OuterMask = image(u"OUTERMASK"); break;
      case 3:
      case 4: {
        g.OuterMask = image(u"OUTERMASK");
        if (g.OuterMask >= 0) break;
        const std::array<int, 4> offsets{std::max(0, g.OuterOffset.Left), std::max(0, g.OuterOffset.Top),
                                         std::max(0, g.OuterOffset.Right), std::max(0, g.OuterOffset.Bottom)};
        const std::array<TColor, 4> colors =
            g.OuterMode == 3 ? std::array<TColor, 4>{g.OuterColorL, g.OuterColorL, g.OuterColorL, g.OuterColorL}
                             : std::array<TColor, 4>{g.OuterColorL, g.OuterColorT, g.OuterColorR, g.OuterColorB};
        const std::u16string name = g.ClassName;  // AddComputedFrame may grow nothing but ma
        g.OuterMask = AddComputedFrame(name, u"OUTERMASK", g.OuterRadius, g.OuterBlur, offsets, colors);
        break;
      }
      default: g.OuterMask = -1; break;
    }
    g.Props[0].TextureIndex = image(u"PATTERN");
    if (g.States > 1) g.Props[1].TextureIndex = image(u"HOTPATTERN");
    g.Props[2].TextureIndex = g.States > 2 && g.UseState2 ? image(u"PATTERN2") : g.Props[1].TextureIndex;

    if (g.BorderIndex < 0) {
      g.ScrollBorderOffset = -2;
    } else {
      const TsMaskData& b = ma[static_cast<std::size_t>(g.BorderIndex)];
      const bool edit = g.ClassName == u"EDIT" || g.ClassName == u"ALPHAEDIT";
      g.ScrollBorderOffset = edit && b.WL == 1 && b.WT == 1 && b.WR == 1 && b.WB == 1 ? -1 : 0;
    }
  }

  // A fallback copy draws with the images of the section it copies.
  for (const auto& [copy, source] : fallbackCopies_) {
    TsGeneralData& c = gd[static_cast<std::size_t>(copy)];
    const TsGeneralData& s = gd[static_cast<std::size_t>(source)];
    c.BorderIndex = s.BorderIndex;
    c.ImgTL = s.ImgTL;
    c.ImgTR = s.ImgTR;
    c.ImgBL = s.ImgBL;
    c.ImgBR = s.ImgBR;
    c.OuterMask = s.OuterMask;
    c.ScrollBorderOffset = s.ScrollBorderOffset;
    for (std::size_t st = 0; st < c.Props.size(); ++st) c.Props[st].TextureIndex = s.Props[st].TextureIndex;
  }

  for (TsMaskData& md : ma) {
    // An area written right to left or bottom to top holds no picture.
    md.Width = md.ImageCount != 0 ? std::max(0, md.R.Width()) / md.ImageCount : 0;
    md.Height = std::max(0, md.R.Height()) / (md.MaskType + 1);
    if (md.ImageCount == 0) {
      if (md.WT <= 0) md.WT = static_cast<std::int16_t>((md.Height - 1) / ((md.MaskType + 1) * 2));
      if (md.WB <= 0) md.WB = static_cast<std::int16_t>((md.Height - 1) / ((md.MaskType + 1) * 2));
      if (md.WL <= 0) md.WL = static_cast<std::int16_t>((md.Width - 1) / 2);
      if (md.WR <= 0) md.WR = static_cast<std::int16_t>((md.Width - 1) / 2);
      md.ImageCount = 1;
    }
  }
}

void TacSkinData::InitMaskParams() {
  const TacSkinLoader& m = *FOwner;
  const TacSkinIni& ini = m.SkinFile;
  const int exPPI = ExBorder >= 0 ? ma[static_cast<std::size_t>(ExBorder)].DivPPI : 0;
  auto frame = [&](std::u16string_view key, std::int32_t def) { return ReadFormFrameInt(ini, key, def, PPI, exPPI); };
  ExBorderWidth = std::max(1, frame(u"BORDERWIDTH", 4));
  ExContentOffs = frame(u"FORMOFFSET", m.Settings.SizingFrameWidth);
  ExTitleHeight = frame(u"TITLEHEIGHT", 30);
  if (ExTitleHeight <= 0) ExTitleHeight = 30 * PPI / 96;
  ExMaxHeight = frame(u"MAXHEIGHT", 0);
  if (ExMaxHeight <= 0) ExMaxHeight = ExTitleHeight;
  ExCenterOffs = frame(u"CENTEROFFSET", 0);
}

void TacSkinData::CheckShadows() {
  ShdaTemplate.reset();
  ShdiTemplate.reset();
  FormShadowSize = {};
  if (!FOwner->Settings.ExtendedBorders) return;
  if (ExBorder >= 0) {
    // The frame picture carries its own shadow margins.
    FormShadowSize = TRect{ExShadowOffs, ExShadowOffsT, ExShadowOffsR, ExShadowOffsB};
  } else {
    const int size = std::clamp(WndShadowSize, 0, 30);
    const int offset = std::clamp(WndShadowOffset, -size, size);
    FormShadowSize = TRect{size, size - offset, size, size + offset};
  }
  ShdaTemplate = MakeShadowTemplate(WndShadowRadius, WndShadowSize, WndShadowOffset, WndShadowColorA);
  ShdiTemplate = MakeShadowTemplate(WndShadowRadius, WndShadowSize, WndShadowOffset, WndShadowColorN);
}

}  // namespace skin
