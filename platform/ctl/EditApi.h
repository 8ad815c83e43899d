#pragma once
// "Edit": single-line and multi-line text boxes. Styles, messages and notifications with
// the platform's numbers. Text is UTF-16; a multi-line edit separates lines with CR LF.
#include "platform/win/Types.h"

namespace ctl {

constexpr win::DWORD ES_LEFT = 0x0000;
constexpr win::DWORD ES_CENTER = 0x0001;
constexpr win::DWORD ES_RIGHT = 0x0002;
constexpr win::DWORD ES_MULTILINE = 0x0004;
constexpr win::DWORD ES_UPPERCASE = 0x0008;
constexpr win::DWORD ES_LOWERCASE = 0x0010;
constexpr win::DWORD ES_PASSWORD = 0x0020;
constexpr win::DWORD ES_AUTOVSCROLL = 0x0040;
constexpr win::DWORD ES_AUTOHSCROLL = 0x0080;
constexpr win::DWORD ES_NOHIDESEL = 0x0100;
constexpr win::DWORD ES_OEMCONVERT = 0x0400;
constexpr win::DWORD ES_READONLY = 0x0800;
constexpr win::DWORD ES_WANTRETURN = 0x1000;
constexpr win::DWORD ES_NUMBER = 0x2000;

constexpr win::UINT EM_GETSEL =
    0x00B0;  // wParam, lParam: DWORD* start / end (may be null); returns MAKELONG(start, end)
constexpr win::UINT EM_SETSEL = 0x00B1;  // wParam anchor, lParam caret; -1 anchor: none; -1 caret: the end
constexpr win::UINT EM_GETRECT = 0x00B2;
constexpr win::UINT EM_SETRECT = 0x00B3;
constexpr win::UINT EM_SETRECTNP = 0x00B4;
constexpr win::UINT EM_SCROLL = 0x00B5;      // wParam SB_LINEUP/DOWN, SB_PAGEUP/DOWN
constexpr win::UINT EM_LINESCROLL = 0x00B6;  // wParam columns (characters), lParam lines
constexpr win::UINT EM_SCROLLCARET = 0x00B7;
constexpr win::UINT EM_GETMODIFY = 0x00B8;
constexpr win::UINT EM_SETMODIFY = 0x00B9;
constexpr win::UINT EM_GETLINECOUNT = 0x00BA;
constexpr win::UINT EM_LINEINDEX = 0x00BB;  // wParam line (-1: the caret's); -1 beyond the last
constexpr win::UINT EM_GETTHUMB = 0x00BE;
constexpr win::UINT EM_LINELENGTH = 0x00C1;  // wParam a character index (-1: unselected rest)
constexpr win::UINT EM_REPLACESEL = 0x00C2;  // wParam can undo, lParam const char16_t*
constexpr win::UINT EM_GETLINE = 0x00C4;     // wParam line, lParam buffer whose first WORD is its size
constexpr win::UINT EM_LIMITTEXT = 0x00C5;
constexpr win::UINT EM_SETLIMITTEXT = EM_LIMITTEXT;
constexpr win::UINT EM_CANUNDO = 0x00C6;
constexpr win::UINT EM_UNDO = 0x00C7;
constexpr win::UINT EM_LINEFROMCHAR = 0x00C9;  // wParam a character index (-1: the caret's line)
constexpr win::UINT EM_SETTABSTOPS = 0x00CB;
constexpr win::UINT EM_SETPASSWORDCHAR = 0x00CC;
constexpr win::UINT EM_EMPTYUNDOBUFFER = 0x00CD;
constexpr win::UINT EM_GETFIRSTVISIBLELINE = 0x00CE;
constexpr win::UINT EM_SETREADONLY = 0x00CF;
constexpr win::UINT EM_GETPASSWORDCHAR = 0x00D2;
constexpr win::UINT EM_SETMARGINS = 0x00D3;
constexpr win::UINT EM_GETMARGINS = 0x00D4;
constexpr win::UINT EM_GETLIMITTEXT = 0x00D5;
constexpr win::UINT EM_POSFROMCHAR = 0x00D6;   // wParam index; returns MAKELONG(x, y) in client coordinates
constexpr win::UINT EM_CHARFROMPOS = 0x00D7;   // lParam MAKELPARAM(x, y); returns MAKELONG(char, line)
constexpr win::UINT EM_SETCUEBANNER = 0x1501;  // wParam: show while focused too; lParam const char16_t*
constexpr win::UINT EM_GETCUEBANNER = 0x1502;  // wParam char16_t* buffer, lParam its size

constexpr win::WPARAM EC_LEFTMARGIN = 0x1;
constexpr win::WPARAM EC_RIGHTMARGIN = 0x2;
constexpr win::WPARAM EC_USEFONTINFO = 0xFFFF;

constexpr win::WORD EN_SETFOCUS = 0x0100;
constexpr win::WORD EN_KILLFOCUS = 0x0200;
constexpr win::WORD EN_CHANGE = 0x0300;
constexpr win::WORD EN_UPDATE = 0x0400;
constexpr win::WORD EN_ERRSPACE = 0x0500;
constexpr win::WORD EN_MAXTEXT = 0x0501;
constexpr win::WORD EN_HSCROLL = 0x0601;
constexpr win::WORD EN_VSCROLL = 0x0602;

}  // namespace ctl
