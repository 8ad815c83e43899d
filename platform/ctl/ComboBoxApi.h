#pragma once
// "ComboBox": a drop-down list with an edit field (CBS_DROPDOWN) or a selection field
// (CBS_DROPDOWNLIST), whose list drops down as a popup window of class "ComboLBox".
#include "platform/win/Types.h"

namespace ctl {

constexpr win::DWORD CBS_SIMPLE = 0x0001;
constexpr win::DWORD CBS_DROPDOWN = 0x0002;
constexpr win::DWORD CBS_DROPDOWNLIST = 0x0003;
constexpr win::DWORD CBS_OWNERDRAWFIXED = 0x0010;
constexpr win::DWORD CBS_AUTOHSCROLL = 0x0040;
constexpr win::DWORD CBS_SORT = 0x0100;
constexpr win::DWORD CBS_HASSTRINGS = 0x0200;
constexpr win::DWORD CBS_NOINTEGRALHEIGHT = 0x0400;

constexpr win::UINT CB_GETEDITSEL = 0x0140;
constexpr win::UINT CB_LIMITTEXT = 0x0141;
constexpr win::UINT CB_SETEDITSEL = 0x0142;
constexpr win::UINT CB_ADDSTRING = 0x0143;
constexpr win::UINT CB_DELETESTRING = 0x0144;
constexpr win::UINT CB_GETCOUNT = 0x0146;
constexpr win::UINT CB_GETCURSEL = 0x0147;
constexpr win::UINT CB_GETLBTEXT = 0x0148;
constexpr win::UINT CB_GETLBTEXTLEN = 0x0149;
constexpr win::UINT CB_INSERTSTRING = 0x014A;
constexpr win::UINT CB_RESETCONTENT = 0x014B;
constexpr win::UINT CB_FINDSTRING = 0x014C;
constexpr win::UINT CB_SELECTSTRING = 0x014D;
constexpr win::UINT CB_SETCURSEL = 0x014E;
constexpr win::UINT CB_SHOWDROPDOWN = 0x014F;
constexpr win::UINT CB_GETITEMDATA = 0x0150;
constexpr win::UINT CB_SETITEMDATA = 0x0151;
constexpr win::UINT CB_GETDROPPEDCONTROLRECT = 0x0152;
constexpr win::UINT CB_SETITEMHEIGHT = 0x0153;
constexpr win::UINT CB_GETITEMHEIGHT = 0x0154;
constexpr win::UINT CB_GETDROPPEDSTATE = 0x0157;
constexpr win::UINT CB_FINDSTRINGEXACT = 0x0158;
constexpr win::UINT CB_GETCOMBOBOXINFO = 0x0164;

constexpr win::LRESULT CB_OKAY = 0;
constexpr win::LRESULT CB_ERR = -1;
constexpr win::LRESULT CB_ERRSPACE = -2;

constexpr win::WORD CBN_ERRSPACE = static_cast<win::WORD>(-1);
constexpr win::WORD CBN_SELCHANGE = 1;
constexpr win::WORD CBN_DBLCLK = 2;
constexpr win::WORD CBN_SETFOCUS = 3;
constexpr win::WORD CBN_KILLFOCUS = 4;
constexpr win::WORD CBN_EDITCHANGE = 5;
constexpr win::WORD CBN_EDITUPDATE = 6;
constexpr win::WORD CBN_DROPDOWN = 7;
constexpr win::WORD CBN_CLOSEUP = 8;
constexpr win::WORD CBN_SELENDOK = 9;
constexpr win::WORD CBN_SELENDCANCEL = 10;

// CB_GETCOMBOBOXINFO fills this record (lParam).
struct COMBOBOXINFO {
  win::RECT rcItem;    // the edit or selection field, client coordinates
  win::RECT rcButton;  // the drop-down button
  win::DWORD stateButton = 0;
  win::HWND hwndCombo = nullptr;
  win::HWND hwndItem = nullptr;  // the edit child of CBS_DROPDOWN, else the combo box
  win::HWND hwndList = nullptr;  // the "ComboLBox" popup
};

}  // namespace ctl
