#pragma once
// "Static": text labels with alignment, icons, frames and rectangles, with the platform's
// numbers.
#include "platform/win/Types.h"

namespace ctl {

constexpr win::DWORD SS_LEFT = 0x00;
constexpr win::DWORD SS_CENTER = 0x01;
constexpr win::DWORD SS_RIGHT = 0x02;
constexpr win::DWORD SS_ICON = 0x03;
constexpr win::DWORD SS_BLACKRECT = 0x04;
constexpr win::DWORD SS_GRAYRECT = 0x05;
constexpr win::DWORD SS_WHITERECT = 0x06;
constexpr win::DWORD SS_BLACKFRAME = 0x07;
constexpr win::DWORD SS_GRAYFRAME = 0x08;
constexpr win::DWORD SS_WHITEFRAME = 0x09;
constexpr win::DWORD SS_SIMPLE = 0x0B;
constexpr win::DWORD SS_LEFTNOWORDWRAP = 0x0C;
constexpr win::DWORD SS_OWNERDRAW = 0x0D;
constexpr win::DWORD SS_BITMAP = 0x0E;
constexpr win::DWORD SS_ENHMETAFILE = 0x0F;  // named only: this layer draws no metafiles
constexpr win::DWORD SS_ETCHEDHORZ = 0x10;
constexpr win::DWORD SS_ETCHEDVERT = 0x11;
constexpr win::DWORD SS_ETCHEDFRAME = 0x12;
constexpr win::DWORD SS_TYPEMASK = 0x1F;
constexpr win::DWORD SS_NOPREFIX = 0x80;
constexpr win::DWORD SS_NOTIFY = 0x100;
constexpr win::DWORD SS_CENTERIMAGE = 0x200;
constexpr win::DWORD SS_SUNKEN = 0x1000;
constexpr win::DWORD SS_EDITCONTROL = 0x2000;  // wraps as a multi-line edit: long words break too
constexpr win::DWORD SS_ENDELLIPSIS = 0x4000;
constexpr win::DWORD SS_PATHELLIPSIS = 0x8000;

constexpr win::UINT STM_SETICON = 0x0170;  // wParam a win::HICON; returns the previous one
constexpr win::UINT STM_GETICON = 0x0171;

constexpr win::WORD STN_CLICKED = 0;
constexpr win::WORD STN_DBLCLK = 1;

}  // namespace ctl
