#pragma once
// "Button": push buttons, check boxes, radio buttons, group boxes and owner-drawn
// buttons. Styles, messages, states and notifications with the platform's numbers.
#include "platform/win/Types.h"

namespace ctl {

// Styles: the type in the low four bits, then layout bits.
constexpr win::DWORD BS_PUSHBUTTON = 0x0;
constexpr win::DWORD BS_DEFPUSHBUTTON = 0x1;
constexpr win::DWORD BS_CHECKBOX = 0x2;
constexpr win::DWORD BS_AUTOCHECKBOX = 0x3;
constexpr win::DWORD BS_RADIOBUTTON = 0x4;
constexpr win::DWORD BS_3STATE = 0x5;
constexpr win::DWORD BS_AUTO3STATE = 0x6;
constexpr win::DWORD BS_GROUPBOX = 0x7;
constexpr win::DWORD BS_USERBUTTON = 0x8;
constexpr win::DWORD BS_AUTORADIOBUTTON = 0x9;
constexpr win::DWORD BS_PUSHBOX = 0xA;
constexpr win::DWORD BS_OWNERDRAW = 0xB;
// Named for code that tells the kinds apart; this layer draws them as push buttons.
constexpr win::DWORD BS_SPLITBUTTON = 0xC;
constexpr win::DWORD BS_DEFSPLITBUTTON = 0xD;
constexpr win::DWORD BS_COMMANDLINK = 0xE;
constexpr win::DWORD BS_DEFCOMMANDLINK = 0xF;
constexpr win::DWORD BS_TYPEMASK = 0xF;
constexpr win::DWORD BS_LEFTTEXT = 0x20;
constexpr win::DWORD BS_ICON = 0x40;
constexpr win::DWORD BS_BITMAP = 0x80;
constexpr win::DWORD BS_LEFT = 0x100;
constexpr win::DWORD BS_RIGHT = 0x200;
constexpr win::DWORD BS_CENTER = 0x300;
constexpr win::DWORD BS_TOP = 0x400;
constexpr win::DWORD BS_BOTTOM = 0x800;
constexpr win::DWORD BS_VCENTER = 0xC00;
constexpr win::DWORD BS_PUSHLIKE = 0x1000;
constexpr win::DWORD BS_MULTILINE = 0x2000;
constexpr win::DWORD BS_NOTIFY = 0x4000;
constexpr win::DWORD BS_FLAT = 0x8000;

constexpr win::UINT BM_GETCHECK = 0x00F0;
constexpr win::UINT BM_SETCHECK = 0x00F1;
constexpr win::UINT BM_GETSTATE = 0x00F2;
constexpr win::UINT BM_SETSTATE = 0x00F3;
constexpr win::UINT BM_SETSTYLE = 0x00F4;  // wParam: new style, lParam: redraw
constexpr win::UINT BM_CLICK = 0x00F5;
constexpr win::UINT BM_GETIMAGE = 0x00F6;
constexpr win::UINT BM_SETIMAGE = 0x00F7;  // wParam IMAGE_ICON, lParam a win::HICON

constexpr win::WPARAM IMAGE_BITMAP = 0;
constexpr win::WPARAM IMAGE_ICON = 1;

constexpr win::LRESULT BST_UNCHECKED = 0x0;
constexpr win::LRESULT BST_CHECKED = 0x1;
constexpr win::LRESULT BST_INDETERMINATE = 0x2;
constexpr win::LRESULT BST_PUSHED = 0x4;
constexpr win::LRESULT BST_FOCUS = 0x8;

constexpr win::WORD BN_CLICKED = 0;
constexpr win::WORD BN_PAINT = 1;
constexpr win::WORD BN_HILITE = 2;
constexpr win::WORD BN_UNHILITE = 3;
constexpr win::WORD BN_DISABLE = 4;
constexpr win::WORD BN_DOUBLECLICKED = 5;
constexpr win::WORD BN_SETFOCUS = 6;
constexpr win::WORD BN_KILLFOCUS = 7;

// Owner drawing (BS_OWNERDRAW buttons, owner-drawn list and combo boxes): the parent gets
// WM_DRAWITEM with this record in lParam.
constexpr win::UINT ODT_LISTBOX = 2;
constexpr win::UINT ODT_COMBOBOX = 3;
constexpr win::UINT ODT_BUTTON = 4;
constexpr win::UINT ODA_DRAWENTIRE = 0x1;
constexpr win::UINT ODA_SELECT = 0x2;
constexpr win::UINT ODA_FOCUS = 0x4;
constexpr win::UINT ODS_SELECTED = 0x1;
constexpr win::UINT ODS_GRAYED = 0x2;
constexpr win::UINT ODS_DISABLED = 0x4;
constexpr win::UINT ODS_CHECKED = 0x8;
constexpr win::UINT ODS_FOCUS = 0x10;
constexpr win::UINT ODS_DEFAULT = 0x20;
constexpr win::UINT ODS_COMBOBOXEDIT = 0x1000;

struct DRAWITEMSTRUCT {
  win::UINT CtlType = 0;
  win::UINT CtlID = 0;
  win::UINT itemID = 0;      // list item index, or -1 (as unsigned) for an empty list
  win::UINT itemAction = 0;  // ODA_
  win::UINT itemState = 0;   // ODS_
  win::HWND hwndItem = nullptr;
  win::HDC hDC = nullptr;
  win::RECT rcItem;
  win::UINT_PTR itemData = 0;
};

struct MEASUREITEMSTRUCT {
  win::UINT CtlType = 0;
  win::UINT CtlID = 0;
  win::UINT itemID = 0;
  win::UINT itemWidth = 0;
  win::UINT itemHeight = 0;
  win::UINT_PTR itemData = 0;
};

}  // namespace ctl
