#include "skin/controls/acControlKinds.h"

#include <array>

namespace skin {

namespace {

bool In(int coc, std::initializer_list<int> set) {
  for (int c : set)
    if (c == coc) return true;
  return false;
}

constexpr std::array<std::u16string_view, acDefaultSectionCount> kDefaultSections = {
    u"EDIT",        u"BUTTON",   u"TRANSPARENT", u"TOOLBAR",  u"CHECKBOX",   u"COMBOBOX", u"GAUGE",
    u"SLIDER_ON",   u"GROUPBOX", u"PAGECONTROL", u"TABSHEET", u"PANEL",      u"FORM",     u"PANEL_LOW",
    u"SPEEDBUTTON", u"SPLITTER", u"STATUSBAR",   u"TRACKBAR", u"COMBONOEDIT"};

}  // namespace

bool NoHoverState(int coc) { return In(coc, {cocPanel, cocGroupBox}); }
bool HoverNotHot(int coc) { return In(coc, {cocEdit, cocMemo, cocEditAdapter}); }
bool IsContainerKind(int coc) { return In(coc, {cocPanel, cocGroupBox, cocFrameAdapter}); }
bool ColorsFollowState(int coc) { return In(coc, {cocEdit, cocMemo, cocEditAdapter}); }
bool FrameRefreshOnSkinRefresh(int coc) { return In(coc, {cocMemo, cocEditAdapter}); }
bool AnimatesItself(int coc) { return In(coc, {cocButton, cocBitBtn}); }

std::u16string_view DefaultSectionName(int n) {
  if (n < 1 || n > acDefaultSectionCount) return {};
  return kDefaultSections[static_cast<std::size_t>(n - 1)];
}

bool SkinSectionStored(int n, std::u16string_view skinSection) {
  if (n < 1 || n > acDefaultSectionCount) return true;
  return skinSection != DefaultSectionName(n);
}

std::u16string_view FixedSectionOfKind(int) {
  // The kinds with fixed names (combo boxes, bars, drag bars, tool buttons) are not built
  // in this program; every kind here asks its owner.
  return {};
}

}  // namespace skin
