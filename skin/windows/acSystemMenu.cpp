#include "skin/windows/acSystemMenu.h"

#include "platform/win/MenuApi.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowApi.h"

namespace skin {

namespace {

struct StandardItem {
  const char16_t* Name;
  const char16_t* Caption;  // the engine's own text when the platform has none
  win::UINT Command;
};

constexpr StandardItem kStandard[] = {
    {u"acIR", u"Restore", win::SC_RESTORE},   {u"acIM", u"Move", win::SC_MOVE},
    {u"acIS", u"Size", win::SC_SIZE},         {u"acIN", u"Minimize", win::SC_MINIMIZE},
    {u"acIX", u"Maximize", win::SC_MAXIMIZE},
};

// The platform's caption and shortcut of a command, split at the tab.
bool PlatformText(win::HMENU menu, win::UINT command, std::u16string& caption, std::u16string& shortcut) {
  if (menu == nullptr) return false;
  if (win::GetMenuState(menu, command, win::MF_BYCOMMAND) == 0xFFFFFFFFu) return false;
  const std::u16string text = win::GetMenuString(menu, command, win::MF_BYCOMMAND);
  const std::size_t tab = text.find(u'\t');
  caption = text.substr(0, tab);
  shortcut = tab == std::u16string::npos ? std::u16string() : text.substr(tab + 1);
  return true;
}

}  // namespace

TsSystemMenu::TsSystemMenu(win::HWND window) : window_(window) { Generate(); }

void TsSystemMenu::Generate() {
  items_.clear();
  extItems_ = 0;
  const win::HMENU platform = win::IsWindow(window_) ? win::GetSystemMenu(window_, win::FALSE) : nullptr;
  for (const StandardItem& s : kStandard) {
    TacSysMenuItem item{s.Name, s.Caption, {}, s.Command};
    PlatformText(platform, s.Command, item.Caption, item.ShortCut);
    items_.push_back(item);
  }
  items_.push_back({});  // separator
  if (platform != nullptr) {
    const int count = win::GetMenuItemCount(platform);
    for (int i = 0; i < count; ++i) {
      const win::UINT id = win::GetMenuItemID(platform, i);
      if (id == 0 || id == 0xFFFFFFFFu || (id >= 0xF000 && id <= 0xF1FF)) continue;
      TacSysMenuItem item{{}, {}, {}, id};
      PlatformText(platform, id, item.Caption, item.ShortCut);
      items_.push_back(item);
      ++extItems_;
    }
  }
  if (extItems_ > 0) items_.push_back({});
  TacSysMenuItem close{u"acIC", u"Close", {}, win::SC_CLOSE};
  PlatformText(platform, win::SC_CLOSE, close.Caption, close.ShortCut);
  items_.push_back(close);
}

void TsSystemMenu::UpdateItems(const TacMenuFacts& f, bool full) {
  if (full || extItems_ > 0) Generate();
  for (TacSysMenuItem& i : items_) {
    switch (i.Command) {
      case win::SC_RESTORE: i.Visible = VisibleRestore(f), i.Enabled = EnabledRestore(f); break;
      case win::SC_MOVE: i.Visible = true, i.Enabled = EnabledMove(f); break;
      case win::SC_SIZE: i.Visible = VisibleSize(f), i.Enabled = EnabledSize(f); break;
      case win::SC_MINIMIZE: i.Visible = VisibleMin(f), i.Enabled = EnabledMin(f); break;
      case win::SC_MAXIMIZE: i.Visible = VisibleMax(f), i.Enabled = EnabledMax(f); break;
      case win::SC_CLOSE: i.Visible = VisibleClose(f), i.Enabled = EnabledClose(f); break;
      default: break;
    }
  }
}

const TacSysMenuItem* TsSystemMenu::Find(const std::u16string& name) const {
  for (const TacSysMenuItem& i : items_)
    if (i.Name == name) return &i;
  return nullptr;
}

win::UINT TsSystemMenu::Popup(int x, int y) {
  win::HMENU menu = win::CreatePopupMenu();
  bool lastWasSeparator = true;  // no separator at the top or twice in a row
  for (const TacSysMenuItem& i : items_) {
    if (!i.Visible) continue;
    if (i.Command == 0) {
      if (!lastWasSeparator) win::AppendMenu(menu, win::MF_SEPARATOR, 0, nullptr);
      lastWasSeparator = true;
      continue;
    }
    std::u16string text = i.Caption;
    if (!i.ShortCut.empty()) text += u'\t' + i.ShortCut;
    win::AppendMenu(menu, win::MF_STRING | (i.Enabled ? 0 : win::MF_GRAYED), i.Command, text.c_str());
    if (i.Command == win::SC_CLOSE) win::SetMenuDefaultItem(menu, win::SC_CLOSE, win::FALSE);
    lastWasSeparator = false;
  }
  const auto chosen = static_cast<win::UINT>(
      win::TrackPopupMenu(menu, win::TPM_LEFTALIGN | win::TPM_TOPALIGN | win::TPM_RETURNCMD | win::TPM_NONOTIFY, x, y,
                          0, window_, nullptr));
  win::DestroyMenu(menu);
  return chosen;
}

}  // namespace skin
