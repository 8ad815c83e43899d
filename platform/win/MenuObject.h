#pragma once
// Internal: the records behind menu handles.
#include <string>
#include <vector>

#include "platform/win/HandleMap.h"
#include "platform/win/Types.h"

namespace win::detail {

struct MenuItem {
  UINT flags = 0;           // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_POPUP, MF_SEPARATOR, MF_DEFAULT
  UINT id = 0;              // the command (0 for separators and submenus)
  HMENU submenu = nullptr;  // owned by the item
  std::u16string text;      // with '&' markers; a tab starts the shortcut text

  bool Separator() const { return (flags & 0x0800u) != 0; }
  bool Greyed() const { return (flags & 0x0003u) != 0; }
  // The label before the tab and the shortcut after it.
  std::u16string Label() const { return text.substr(0, text.find(u'\t')); }
  std::u16string Shortcut() const {
    auto tab = text.find(u'\t');
    return tab == std::u16string::npos ? std::u16string() : text.substr(tab + 1);
  }
};

struct Menu {
  std::vector<MenuItem> items;
  bool systemMenu = false;
};

using MenuStore = HandleMap<Menu>;

Menu* FindMenu(HMENU h);
// The window's system menu, made when missing.
HMENU SystemMenuOf(HWND hwnd);
// Greys and enables the system menu's items by the window's styles and state.
void UpdateSystemMenu(HWND hwnd, HMENU menu);
// Opens the window's system menu with its top-left corner at a screen point.
// `byKeyboard`: the first item starts highlighted.
void OpenSystemMenu(HWND hwnd, POINT screenPt, bool byKeyboard);
// The window procedure of the popup menu class "#32768".
LRESULT MenuWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace win::detail
