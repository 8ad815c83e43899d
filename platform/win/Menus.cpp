// Menu objects: items, their states and the default item. Menus live in a handle table;
// an item that opens a submenu owns it.
#include <algorithm>

#include "platform/win/Internal.h"
#include "platform/win/MenuApi.h"
#include "platform/win/MenuObject.h"
#include "platform/win/Messages.h"

namespace win {
namespace detail {

Menu* FindMenu(HMENU h) {
  if (!h || !HasState()) return nullptr;
  return S().menus->Find(reinterpret_cast<std::uintptr_t>(h));
}

namespace {

struct Found {
  Menu* menu = nullptr;
  int pos = -1;
  MenuItem* item() const { return menu ? &menu->items[static_cast<std::size_t>(pos)] : nullptr; }
};

// An item by position, or by command searched depth-first through the submenus.
Found Locate(HMENU h, UINT item, UINT flags, int depth = 0) {
  Menu* m = FindMenu(h);
  if (!m || depth > 16) return {};
  if (flags & MF_BYPOSITION) {
    if (item >= m->items.size()) return {};
    return {m, static_cast<int>(item)};
  }
  for (std::size_t i = 0; i < m->items.size(); ++i) {
    MenuItem& it = m->items[i];
    if (!(it.flags & MF_POPUP) && !it.Separator() && it.id == item) return {m, static_cast<int>(i)};
    if (it.flags & MF_POPUP)
      if (Found f = Locate(it.submenu, item, flags, depth + 1); f.menu) return f;
  }
  return {};
}

// Repaints the frame of a window whose system menu changed (the close button follows
// the close entry).
void SystemMenuChanged(HMENU h) {
  for (Window* t : S().desktop->children)
    if (t->systemMenu == h) InvalidateFrame(t);
}

bool MakeItem(UINT flags, UINT_PTR idOrSubmenu, const char16_t* text, MenuItem& out) {
  out = {};
  out.flags = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_SEPARATOR | MF_DEFAULT);
  if (out.Separator()) {
    out.flags = MF_SEPARATOR;
    return true;
  }
  if (flags & MF_POPUP) {
    out.submenu = reinterpret_cast<HMENU>(idOrSubmenu);
    if (!FindMenu(out.submenu)) return false;
  } else {
    out.id = static_cast<UINT>(idOrSubmenu);
  }
  if (text && !IS_INTRESOURCE(text)) out.text = text;
  return true;
}

void FreeMenu(HMENU h, int depth = 0) {
  std::unique_ptr<Menu> m = S().menus->Take(reinterpret_cast<std::uintptr_t>(h));
  if (!m || depth > 16) return;
  for (MenuItem& it : m->items)
    if (it.flags & MF_POPUP) FreeMenu(it.submenu, depth + 1);
}

}  // namespace
}  // namespace detail

using namespace detail;

HMENU CreatePopupMenu() { return reinterpret_cast<HMENU>(S().menus->Add(std::make_unique<Menu>())); }

BOOL DestroyMenu(HMENU h) {
  if (!FindMenu(h)) return FALSE;
  FreeMenu(h);
  for (Window* t : S().desktop->children)
    if (t->systemMenu == h) t->systemMenu = nullptr;
  return TRUE;
}

BOOL IsMenu(HMENU h) { return FindMenu(h) ? TRUE : FALSE; }

BOOL AppendMenu(HMENU h, UINT flags, UINT_PTR idOrSubmenu, const char16_t* text) {
  Menu* m = FindMenu(h);
  MenuItem item;
  if (!m || !MakeItem(flags, idOrSubmenu, text, item)) return FALSE;
  m->items.push_back(std::move(item));
  if (m->systemMenu) SystemMenuChanged(h);
  return TRUE;
}

BOOL InsertMenu(HMENU h, UINT pos, UINT flags, UINT_PTR idOrSubmenu, const char16_t* text) {
  MenuItem item;
  if (!FindMenu(h) || !MakeItem(flags & ~MF_BYPOSITION, idOrSubmenu, text, item)) return FALSE;
  Found f = Locate(h, pos, flags);
  Menu* m = f.menu ? f.menu : FindMenu(h);
  auto at = f.menu ? m->items.begin() + f.pos : m->items.end();
  m->items.insert(at, std::move(item));
  if (m->systemMenu) SystemMenuChanged(h);
  return TRUE;
}

BOOL ModifyMenu(HMENU h, UINT pos, UINT flags, UINT_PTR idOrSubmenu, const char16_t* text) {
  Found f = Locate(h, pos, flags);
  MenuItem item;
  if (!f.menu || !MakeItem(flags & ~MF_BYPOSITION, idOrSubmenu, text, item)) return FALSE;
  MenuItem& old = *f.item();
  if ((old.flags & MF_POPUP) && old.submenu != item.submenu) FreeMenu(old.submenu);
  old = std::move(item);
  SystemMenuChanged(h);
  return TRUE;
}

BOOL RemoveMenu(HMENU h, UINT pos, UINT flags) {
  Found f = Locate(h, pos, flags);
  if (!f.menu) return FALSE;
  f.menu->items.erase(f.menu->items.begin() + f.pos);
  SystemMenuChanged(h);
  return TRUE;
}

BOOL DeleteMenu(HMENU h, UINT pos, UINT flags) {
  Found f = Locate(h, pos, flags);
  if (!f.menu) return FALSE;
  HMENU sub = (f.item()->flags & MF_POPUP) ? f.item()->submenu : nullptr;
  f.menu->items.erase(f.menu->items.begin() + f.pos);
  if (sub) FreeMenu(sub);
  SystemMenuChanged(h);
  return TRUE;
}

int GetMenuItemCount(HMENU h) {
  Menu* m = FindMenu(h);
  return m ? static_cast<int>(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU h, int pos) {
  Menu* m = FindMenu(h);
  if (!m || pos < 0 || static_cast<std::size_t>(pos) >= m->items.size()) return 0xFFFFFFFFu;
  const MenuItem& it = m->items[static_cast<std::size_t>(pos)];
  return (it.flags & MF_POPUP) ? 0xFFFFFFFFu : it.id;
}

HMENU GetSubMenu(HMENU h, int pos) {
  Menu* m = FindMenu(h);
  if (!m || pos < 0 || static_cast<std::size_t>(pos) >= m->items.size()) return nullptr;
  const MenuItem& it = m->items[static_cast<std::size_t>(pos)];
  return (it.flags & MF_POPUP) ? it.submenu : nullptr;
}

UINT GetMenuState(HMENU h, UINT pos, UINT flags) {
  Found f = Locate(h, pos, flags);
  if (!f.menu) return 0xFFFFFFFFu;
  const MenuItem& it = *f.item();
  UINT st = it.flags;
  if (it.flags & MF_POPUP) st |= static_cast<UINT>(std::max(0, GetMenuItemCount(it.submenu))) << 8;
  return st;
}

std::u16string GetMenuString(HMENU h, UINT pos, UINT flags) {
  Found f = Locate(h, pos, flags);
  return f.menu ? f.item()->text : std::u16string();
}

UINT EnableMenuItem(HMENU h, UINT pos, UINT enable) {
  Found f = Locate(h, pos, enable);
  if (!f.menu) return 0xFFFFFFFFu;
  MenuItem& it = *f.item();
  UINT old = it.flags & (MF_GRAYED | MF_DISABLED);
  it.flags = (it.flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
  if (old != (it.flags & (MF_GRAYED | MF_DISABLED))) SystemMenuChanged(h);
  return old;
}

UINT CheckMenuItem(HMENU h, UINT pos, UINT check) {
  Found f = Locate(h, pos, check);
  if (!f.menu) return 0xFFFFFFFFu;
  MenuItem& it = *f.item();
  UINT old = it.flags & MF_CHECKED;
  it.flags = (it.flags & ~MF_CHECKED) | (check & MF_CHECKED);
  return old;
}

BOOL SetMenuDefaultItem(HMENU h, UINT item, UINT byPosition) {
  Menu* m = FindMenu(h);
  if (!m) return FALSE;
  for (MenuItem& it : m->items) it.flags &= ~MF_DEFAULT;
  if (item == 0xFFFFFFFFu) return TRUE;
  for (std::size_t i = 0; i < m->items.size(); ++i) {
    MenuItem& it = m->items[i];
    bool match = byPosition ? i == item : (!(it.flags & MF_POPUP) && !it.Separator() && it.id == item);
    if (match) {
      it.flags |= MF_DEFAULT;
      return TRUE;
    }
  }
  return FALSE;
}

UINT GetMenuDefaultItem(HMENU h, UINT byPosition, UINT) {
  Menu* m = FindMenu(h);
  if (!m) return 0xFFFFFFFFu;
  for (std::size_t i = 0; i < m->items.size(); ++i)
    if (m->items[i].flags & MF_DEFAULT) return byPosition ? static_cast<UINT>(i) : m->items[i].id;
  return 0xFFFFFFFFu;
}

}  // namespace win
