#pragma once
// Popup menus: menus as handles holding items (text with an optional shortcut after a
// tab, separators, greyed and checked items, a default item, submenus), TrackPopupMenu,
// and each window's system menu.
//
// TrackPopupMenu runs its own message loop until the menu closes (painting and timers go
// on meanwhile) and returns the chosen command with TPM_RETURNCMD, else posts it to the
// owner as WM_COMMAND (WM_SYSCOMMAND for the system menu). The owner hears
// WM_ENTERMENULOOP, WM_INITMENU, WM_INITMENUPOPUP before each menu shows, WM_MENUSELECT
// when the highlighted item changes, WM_ENTERIDLE when the loop waits, and
// WM_EXITMENULOOP at the end. Keyboard: arrows, Home/End, Enter, Escape, Alt or F10
// (close), the underlined letter after '&'.
#include <string>

#include "platform/win/Types.h"

namespace win {

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_HILITE = 0x0080;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MF_DEFAULT = 0x1000;
constexpr UINT MF_SYSMENU = 0x2000;
constexpr UINT MF_MOUSESELECT = 0x8000;

constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_CENTERALIGN = 0x0004;
constexpr UINT TPM_RIGHTALIGN = 0x0008;
constexpr UINT TPM_TOPALIGN = 0x0000;
constexpr UINT TPM_VCENTERALIGN = 0x0010;
constexpr UINT TPM_BOTTOMALIGN = 0x0020;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;

// WM_ENTERIDLE's reason while a menu waits.
constexpr WPARAM MSGF_MENU = 2;

HMENU CreatePopupMenu();
// Frees the menu and its submenus; stale handles are merely invalid.
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);

// Items. `item` is a command id (MF_BYCOMMAND, searched in submenus too) or a position
// (MF_BYPOSITION). With MF_POPUP, `idOrSubmenu` is the submenu's handle, which the menu
// then owns. With MF_SEPARATOR the text is ignored.
BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrSubmenu, const char16_t* text);
// Inserts before `item` (at the end when there is no such item).
BOOL InsertMenu(HMENU menu, UINT item, UINT flags, UINT_PTR idOrSubmenu, const char16_t* text);
BOOL ModifyMenu(HMENU menu, UINT item, UINT flags, UINT_PTR idOrSubmenu, const char16_t* text);
// RemoveMenu keeps a removed submenu alive (the caller owns it again); DeleteMenu frees it.
BOOL RemoveMenu(HMENU menu, UINT item, UINT flags);
BOOL DeleteMenu(HMENU menu, UINT item, UINT flags);

int GetMenuItemCount(HMENU menu);  // -1 for an invalid menu
// The command of the item at `pos`; 0xFFFFFFFF for submenus, separators report 0.
UINT GetMenuItemID(HMENU menu, int pos);
HMENU GetSubMenu(HMENU menu, int pos);
// MF_ flags of an item (MF_POPUP items carry their item count in the high byte);
// 0xFFFFFFFF when there is no such item.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
// The item's text with its '&' markers and the shortcut after a tab.
std::u16string GetMenuString(HMENU menu, UINT item, UINT flags);
// Return the previous state (MF_GRAYED | MF_DISABLED, or MF_CHECKED), 0xFFFFFFFF when
// there is no such item.
UINT EnableMenuItem(HMENU menu, UINT item, UINT enable);
UINT CheckMenuItem(HMENU menu, UINT item, UINT check);
// One default item per menu, drawn in bold; item 0xFFFFFFFF clears it.
BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition);
UINT GetMenuDefaultItem(HMENU menu, UINT byPosition, UINT flags);  // 0xFFFFFFFF: none

// Shows the menu at a screen point (aligned by the TPM_ flags, kept on the screen) and
// tracks it. Returns the chosen command with TPM_RETURNCMD (0 when nothing was chosen),
// otherwise TRUE when the menu was shown. FALSE when the menu or the owner is invalid or
// a menu is already open.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* ignored);
// Closes the open menu as if Escape had been pressed at every level.
BOOL EndMenu();
// The menu window of the open menu (the innermost level), or null.
HWND GetOpenMenuWindow();

// The window's system menu: Restore, Move, Size, Minimize, Maximize, a separator and
// Close (the default item, "Alt+F4"), made on first use to suit the window's styles: a
// dialog frame gets Move and Close only; Minimize and Maximize appear only with one of
// their boxes. Its items are enabled or greyed by the window's styles and state each
// time it opens. `revert` TRUE throws the copy away and returns null.
HMENU GetSystemMenu(HWND hwnd, BOOL revert);

}  // namespace win
