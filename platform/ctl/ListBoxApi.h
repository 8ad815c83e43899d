#pragma once
// "ListBox": a list of strings with a single selection (or none), scrolling, keyboard
// and double-click, with the platform's numbers.
#include "platform/win/Types.h"

namespace ctl {

constexpr win::DWORD LBS_NOTIFY = 0x0001;
constexpr win::DWORD LBS_SORT = 0x0002;
constexpr win::DWORD LBS_NOREDRAW = 0x0004;
constexpr win::DWORD LBS_OWNERDRAWFIXED = 0x0010;
constexpr win::DWORD LBS_HASSTRINGS = 0x0040;
constexpr win::DWORD LBS_USETABSTOPS = 0x0080;
constexpr win::DWORD LBS_NOINTEGRALHEIGHT = 0x0100;
constexpr win::DWORD LBS_WANTKEYBOARDINPUT = 0x0400;
constexpr win::DWORD LBS_DISABLENOSCROLL = 0x1000;
constexpr win::DWORD LBS_NOSEL = 0x4000;
constexpr win::DWORD LBS_STANDARD = 0x00A00003;  // LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER

constexpr win::UINT LB_ADDSTRING = 0x0180;
constexpr win::UINT LB_INSERTSTRING = 0x0181;
constexpr win::UINT LB_DELETESTRING = 0x0182;
constexpr win::UINT LB_RESETCONTENT = 0x0184;
constexpr win::UINT LB_SETCURSEL = 0x0186;
constexpr win::UINT LB_GETSEL = 0x0187;
constexpr win::UINT LB_GETCURSEL = 0x0188;
constexpr win::UINT LB_GETTEXT = 0x0189;
constexpr win::UINT LB_GETTEXTLEN = 0x018A;
constexpr win::UINT LB_GETCOUNT = 0x018B;
constexpr win::UINT LB_SELECTSTRING = 0x018C;
constexpr win::UINT LB_GETTOPINDEX = 0x018E;
constexpr win::UINT LB_FINDSTRING = 0x018F;
constexpr win::UINT LB_SETTOPINDEX = 0x0197;
constexpr win::UINT LB_GETITEMRECT = 0x0198;
constexpr win::UINT LB_GETITEMDATA = 0x0199;
constexpr win::UINT LB_SETITEMDATA = 0x019A;
constexpr win::UINT LB_SETCARETINDEX = 0x019E;
constexpr win::UINT LB_GETCARETINDEX = 0x019F;
constexpr win::UINT LB_SETITEMHEIGHT = 0x01A0;
constexpr win::UINT LB_GETITEMHEIGHT = 0x01A1;
constexpr win::UINT LB_FINDSTRINGEXACT = 0x01A2;
constexpr win::UINT LB_ITEMFROMPOINT = 0x01A9;  // lParam client point; MAKELONG(index, outside)

constexpr win::LRESULT LB_OKAY = 0;
constexpr win::LRESULT LB_ERR = -1;
constexpr win::LRESULT LB_ERRSPACE = -2;

constexpr win::WORD LBN_ERRSPACE = static_cast<win::WORD>(-2);
constexpr win::WORD LBN_SELCHANGE = 1;
constexpr win::WORD LBN_DBLCLK = 2;
constexpr win::WORD LBN_SELCANCEL = 3;
constexpr win::WORD LBN_SETFOCUS = 4;
constexpr win::WORD LBN_KILLFOCUS = 5;

// The parent of a list box with LBS_WANTKEYBOARDINPUT gets these for key presses.
constexpr win::UINT WM_VKEYTOITEM = 0x002E;
constexpr win::UINT WM_CHARTOITEM = 0x002F;

}  // namespace ctl
