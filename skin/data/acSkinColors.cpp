// The colour lookup of a skin manager: skin colour constants and system colours answered
// from the loaded palette and sections.
#include <cstdint>

#include "skin/data/acSkinData.h"
#include "skin/data/acSkinLoader.h"

namespace skin {

namespace {

struct TSkinConstant {
  TColor Value;
  TacPaletteColors Entry;
};

constexpr TSkinConstant kSkinConstants[] = {
    {0xF1000001, pcMainColor},          {0xFF003E0A, pcEditText_Ok},         {0xFF004C4C, pcEditText_Warning},
    {0xFF00006C, pcEditText_Alert},     {0xFFC9FFD2, pcEditBG_Ok},           {0xFFBAFFFF, pcEditBG_Warning},
    {0xFFDBDBFF, pcEditBG_Alert},       {0xFFD5D5FF, pcBtnToneRed},          {0xFFBDBDFF, pcBtnToneRedActive},
    {0xFFE1FFD2, pcBtnToneGreen},       {0xFFCDFFB4, pcBtnToneGreenActive},  {0xFFFFEDC9, pcBtnToneBlue},
    {0xFFFFE9BE, pcBtnToneBlueActive},  {0xFFCAF3FF, pcBtnToneYellow},       {0xFFBAEFFF, pcBtnToneYellowActive},
    {0xFF0000B4, pcBtnRedText},         {0xFF0000A2, pcBtnRedTextActive},    {0xFF28851A, pcBtnGreenText},
    {0xFF008E00, pcBtnGreenTextActive}, {0xFFAE7400, pcBtnBlueText},         {0xFF916000, pcBtnBlueTextActive},
    {0xFF00A5D7, pcBtnYellowText},      {0xFF0098C6, pcBtnYellowTextActive},
};

// The platform's system colours: 0xFF000000 + index 0..30.
bool IsSystemColorIndex(TColor c) { return (c & 0xFFFFFF00u) == 0xFF000000u && (c & 0xFF) <= 30; }

}  // namespace

TColor NoManagerColorToRGB(TColor c) {
  if (static_cast<std::int32_t>(c) >= 0 || IsSystemColorIndex(c)) return ColorToRGB(c);
  // Every other negative value has a high byte of 128 or more: it is dropped.
  return (c >> 24) >= 101 ? (c & 0x00FFFFFFu) : ColorToRGB(c);
}

TColor TacSkinLoader::SectionColorOr(int section, int state, bool font, TColor fallback) const {
  const TacSkinData* data = DataOrDefault(nullptr);
  const int index = SkinCommonInfo.Sections[static_cast<std::size_t>(section)];
  if (data == nullptr || index < 0 || index >= static_cast<int>(data->gd.size())) return fallback;
  const TsGenState& s = data->gd[static_cast<std::size_t>(index)].Props[static_cast<std::size_t>(state)];
  return font ? s.FontColor.Color : s.Color;
}

TColor TacSkinLoader::SkinColorToRGB(TColor c) const {
  if (static_cast<std::int32_t>(c) >= 0) return ColorToRGB(c);
  if (!IsActive() && !IsChanging()) return NoManagerColorToRGB(c);
  for (const TSkinConstant& k : kSkinConstants)
    if (k.Value == c) return Palette[k.Entry];
  if (!IsSystemColorIndex(c)) return ColorToRGB(c);

  const TacPaletteArray& p = Palette;
  switch (c & 0xFF) {
    case gfx::COLOR_ACTIVECAPTION:
    case gfx::COLOR_GRADIENTACTIVECAPTION: return SectionColorOr(ssFormTitle, 1, false, p[pcMainColor]);
    case gfx::COLOR_INACTIVECAPTION:
    case gfx::COLOR_GRADIENTINACTIVECAPTION: return SectionColorOr(ssFormTitle, 0, false, p[pcMainColor]);
    case gfx::COLOR_CAPTIONTEXT: return SectionColorOr(ssFormTitle, 1, true, p[pcLabelText]);
    case gfx::COLOR_INACTIVECAPTIONTEXT: return SectionColorOr(ssFormTitle, 0, true, p[pcLabelText]);
    case gfx::COLOR_WINDOW: return p[pcEditBG];
    case gfx::COLOR_WINDOWFRAME:
    case gfx::COLOR_ACTIVEBORDER:
    case gfx::COLOR_INACTIVEBORDER: return p[pcBorder];
    case gfx::COLOR_MENUTEXT:
    case gfx::COLOR_BTNTEXT: return p[pcLabelText];
    case gfx::COLOR_WINDOWTEXT: return p[pcEditText];
    case gfx::COLOR_HIGHLIGHT:
    case gfx::COLOR_MENUHILIGHT: return p[pcSelectionBG_Focused];
    case gfx::COLOR_HIGHLIGHTTEXT: return p[pcSelectionText_Focused];
    case gfx::COLOR_BTNSHADOW:
    case gfx::COLOR_3DDKSHADOW: return BlendColorValues(p[pcMainColor], 0, 180);
    case gfx::COLOR_GRAYTEXT: return BlendColorValues(p[pcMainColor], p[pcLabelText], 127);
    case gfx::COLOR_BTNHIGHLIGHT: return BlendColorValues(p[pcMainColor], p[pcSelectionBG_Focused], 127);
    case gfx::COLOR_3DLIGHT: return BlendColorValues(p[pcMainColor], 0xFFFFFF, 180);
    case gfx::COLOR_INFOTEXT: return SectionColorOr(ssHint, 0, true, p[pcEditText]);
    case gfx::COLOR_INFOBK: return SectionColorOr(ssHint, 0, false, p[pcEditBG]);
    case 25: return ColorToRGB(c);
    case gfx::COLOR_HOTLIGHT: return p[pcWebTextHot];
    default: return p[pcMainColor];
  }
}

}  // namespace skin
