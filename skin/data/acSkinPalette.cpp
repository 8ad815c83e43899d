// The palette of a loaded skin: 59 colours read from [GLOBALINFO] and from the EDIT, HINT,
// SELECTION and MENUITEM sections, in key order, so that a default naming an earlier
// entry takes that entry's final value.
#include <string_view>

#include "skin/data/acSkinData.h"
#include "skin/data/acSkinLoader.h"

namespace skin {

namespace {

constexpr std::u16string_view kGlobalInfo = u"GLOBALINFO";
constexpr TColor kOpaque = 0xFF000000u;

const TsGeneralData* Section(const TacSkinData& data, const TacSkinLoader& m, std::u16string_view name) {
  const int i = m.GetSkinIndex(name, &data);
  return i >= 0 ? &data.gd[static_cast<std::size_t>(i)] : nullptr;
}

bool IsUnsetSelection(TColor c) { return c == TColor(-1) || c == KeyColor; }

}  // namespace

void TacSkinLoader::InitSkinParams(const TacSkinData& data) {
  TacPaletteArray& p = Palette;
  auto colour = [&](std::u16string_view key, TColor def) {
    return static_cast<TColor>(SkinFile.ReadInteger(kGlobalInfo, key, static_cast<std::int32_t>(def)));
  };
  auto argb = [&](std::u16string_view key, TColor def) { return SkinFile.ReadArgb(kGlobalInfo, key, def); };

  p[pcMainColor] = colour(u"COLOR", GetSysColor(gfx::COLOR_BTNFACE));
  p[pcLabelText] = colour(u"FONTCOLOR", 0);
  p[pcWebText] = colour(u"TCBOTTOM", 0xFF0000);
  p[pcWebTextHot] = colour(u"TCTOP", 0x0000FF);
  p[pcBorder] = colour(u"BORDERCOLOR", 0);

  const TsGeneralData* edit = Section(data, *this, u"EDIT");
  p[pcEditText] = edit ? edit->Props[0].FontColor.Color : GetSysColor(gfx::COLOR_WINDOWTEXT);
  p[pcEditBG] = edit ? edit->Props[0].Color : GetSysColor(gfx::COLOR_WINDOW);
  const TsGeneralData* hint = Section(data, *this, u"HINT");
  p[pcHintText] = hint ? hint->Props[0].FontColor.Color : GetSysColor(gfx::COLOR_INFOTEXT);
  p[pcHintBG] = hint ? hint->Props[0].Color : GetSysColor(gfx::COLOR_INFOBK);

  // Selection colours: the SELECTION section, else the hot look of MENUITEM, else the
  // platform's highlight colours.
  p[pcSelectionText] = p[pcSelectionBG] = p[pcSelectionText_Focused] = p[pcSelectionBG_Focused] = TColor(-1);
  if (const TsGeneralData* sel = Section(data, *this, u"SELECTION")) {
    const TsGenState& focused = sel->Props[sel->States < 2 ? 0 : 1];
    p[pcSelectionText] = sel->Props[0].FontColor.Color;
    p[pcSelectionBG] = sel->Props[0].Color;
    p[pcSelectionText_Focused] = focused.FontColor.Color;
    p[pcSelectionBG_Focused] = focused.Color;
  }
  if (IsUnsetSelection(p[pcSelectionText])) {
    if (const TsGeneralData* item = Section(data, *this, u"MENUITEM")) {
      p[pcSelectionText] = item->Props[1].FontColor.Color;
      p[pcSelectionBG] = p[pcSelectionBG_Focused] = item->Props[1].Color;
      if (IsUnsetSelection(p[pcSelectionText])) p[pcSelectionText] = GetSysColor(gfx::COLOR_HIGHLIGHTTEXT);
      p[pcSelectionText_Focused] = p[pcSelectionText];
    } else {
      p[pcSelectionText] = p[pcSelectionText_Focused] = GetSysColor(gfx::COLOR_HIGHLIGHTTEXT);
      p[pcSelectionBG] = p[pcSelectionBG_Focused] = GetSysColor(gfx::COLOR_HIGHLIGHT);
    }
  }

  p[pcEditText_Ok] = colour(u"EDITTEXT_OK", 0x404000);
  p[pcEditText_Warning] = colour(u"EDITTEXT_WARN", 0x004C4C);
  p[pcEditText_Alert] = p[pcEditText_Caution] = p[pcEditText_Bypassed] = colour(u"EDITTEXT_ALERT", 0x00006C);
  p[pcEditBG_Ok] = colour(u"EDITBG_OK", 0xC9FFD2);
  p[pcEditBG_Warning] = colour(u"EDITBG_WARN", 0xBAFFFF);
  p[pcEditBG_Alert] = p[pcEditBG_Caution] = p[pcEditBG_Bypassed] = colour(u"EDITBG_ALERT", 0xDBDBFF);
  p[pcEditText_Highlight1] = colour(u"EDITTEXT_H1", 0);
  p[pcEditText_Highlight2] = colour(u"EDITTEXT_H2", 0);
  p[pcEditText_Highlight3] = colour(u"EDITTEXT_H3", 0);
  p[pcEditText_Inverted] = colour(u"EDITTEXT_INV", p[pcEditBG]);
  p[pcEditBG_Inverted] = colour(u"EDITBG_INV", p[pcEditText]);
  p[pcEditBG_OddRow] = colour(u"EDITBG_ODD", p[pcEditBG]);
  p[pcEditBG_EvenRow] = colour(u"EDITBG_EVEN", BlendColorValues(p[pcEditText], p[pcEditBG], 13));

  const TColor main = p[pcMainColor];
  p[pcBtnColor1Active] = argb(u"BTNCOLOR1ACTIVE", BlendColorValues(main, 0xFFFFFF, 177) | kOpaque);
  p[pcBtnColor2Active] = argb(u"BTNCOLOR2ACTIVE", main | kOpaque);
  p[pcBtnBorderActive] = colour(u"BTNBORDERACTIVE", p[pcBorder]);
  p[pcBtnFontActive] = colour(u"BTNFONTACTIVE", p[pcLabelText]);
  p[pcBtnColor1Normal] = argb(u"BTNCOLOR1NORMAL", main | kOpaque);
  p[pcBtnColor2Normal] = argb(u"BTNCOLOR2NORMAL", BlendColorValues(main, 0, 244) | kOpaque);
  p[pcBtnBorderNormal] = colour(u"BTNBORDERNORMAL", p[pcBorder]);
  p[pcBtnFontNormal] = colour(u"BTNFONTNORMAL", p[pcLabelText]);
  const TColor pressed = BlendColorValues(main, 0, 233) | kOpaque;
  p[pcBtnColor1Pressed] = argb(u"BTNCOLOR1PRESSED", pressed);
  p[pcBtnColor2Pressed] = argb(u"BTNCOLOR2PRESSED", pressed);
  p[pcBtnBorderPressed] = colour(u"BTNBORDERPRESSED", p[pcBorder]);
  p[pcBtnFontPressed] = colour(u"BTNFONTPRESSED", p[pcLabelText]);

  // Colour tones: the active one defaults to the plain one.
  struct TTone {
    TacPaletteColors Plain;
    std::u16string_view Key, ActiveKey;
    TColor Default;
  };
  static const TTone kTones[] = {
      {pcBtnToneRed, u"COLORTONERED", u"COLORTONEREDACTIVE", 0xD5D5FF},
      {pcBtnToneGreen, u"COLORTONEGREEN", u"COLORTONEGREENACTIVE", 0xE1FFD2},
      {pcBtnToneBlue, u"COLORTONEBLUE", u"COLORTONEBLUEACTIVE", 0xFFEDC9},
      {pcBtnToneYellow, u"COLORTONEYELLOW", u"COLORTONEYELLOWACTIVE", 0xCAF3FF},
      {pcBtnRedText, u"COLORTONEREDTEXT", u"COLORTONEREDTEXTACTIVE", 0x0000B4},
      {pcBtnGreenText, u"COLORTONEGREENTEXT", u"COLORTONEGREENTEXTACTIVE", 0x28851A},
      {pcBtnBlueText, u"COLORTONEBLUETEXT", u"COLORTONEBLUETEXTActive", 0xAE7400},
      {pcBtnYellowText, u"COLORTONEYELLOWTEXT", u"COLORTONEYELLOWTEXTActive", 0x00A5D7},
  };
  for (const TTone& t : kTones) {
    p[t.Plain] = colour(t.Key, t.Default);
    p[t.Plain + 1] = colour(t.ActiveKey, p[t.Plain]);
  }

  p[pcGrid] = colour(u"GRIDLINE", TColor(-1));
  if (p[pcGrid] == TColor(-1)) p[pcGrid] = BlendColorValues(p[pcEditText], p[pcEditBG], 30);
}

}  // namespace skin
