#pragma once
// System metrics: one table of classic values at 96 dots per inch, scaled to the screen's
// density. At 96 the sizing frame is SM_CXFRAME 4 plus SM_CXPADDEDBORDER 4 and the caption
// 23 pixels, so a sizeable captioned window with client 654 x 546 is 670 x 585 outside;
// at 144 the frame is 6 + 6 and the caption 35.
#include "platform/gfx/Color.h"
#include "platform/win/Types.h"

namespace gfx {
struct FontDesc;
}

namespace win {

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXDLGFRAME = 7;
constexpr int SM_CXFIXEDFRAME = 7;
constexpr int SM_CYDLGFRAME = 8;
constexpr int SM_CYFIXEDFRAME = 8;
constexpr int SM_CYVTHUMB = 9;
constexpr int SM_CXHTHUMB = 10;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CXCURSOR = 13;
constexpr int SM_CYCURSOR = 14;
constexpr int SM_CYMENU = 15;
constexpr int SM_CXFULLSCREEN = 16;
constexpr int SM_CYFULLSCREEN = 17;
constexpr int SM_MOUSEPRESENT = 19;
constexpr int SM_CYVSCROLL = 20;
constexpr int SM_CXHSCROLL = 21;
constexpr int SM_SWAPBUTTON = 23;
constexpr int SM_CXMIN = 28;
constexpr int SM_CYMIN = 29;
constexpr int SM_CXSIZE = 30;
constexpr int SM_CYSIZE = 31;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CXSIZEFRAME = 32;
constexpr int SM_CYFRAME = 33;
constexpr int SM_CYSIZEFRAME = 33;
constexpr int SM_CXMINTRACK = 34;
constexpr int SM_CYMINTRACK = 35;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CXICONSPACING = 38;
constexpr int SM_CYICONSPACING = 39;
constexpr int SM_CMOUSEBUTTONS = 43;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
constexpr int SM_CYSMCAPTION = 51;
constexpr int SM_CXSMSIZE = 52;
constexpr int SM_CYSMSIZE = 53;
constexpr int SM_CXMENUSIZE = 54;
constexpr int SM_CYMENUSIZE = 55;
constexpr int SM_CXMINIMIZED = 57;
constexpr int SM_CYMINIMIZED = 58;
constexpr int SM_CXMAXTRACK = 59;
constexpr int SM_CYMAXTRACK = 60;
constexpr int SM_CXMAXIMIZED = 61;
constexpr int SM_CYMAXIMIZED = 62;
constexpr int SM_CXDRAG = 68;
constexpr int SM_CYDRAG = 69;
constexpr int SM_CXMENUCHECK = 71;
constexpr int SM_CYMENUCHECK = 72;
constexpr int SM_MOUSEWHEELPRESENT = 75;
constexpr int SM_XVIRTUALSCREEN = 76;
constexpr int SM_YVIRTUALSCREEN = 77;
constexpr int SM_CXVIRTUALSCREEN = 78;
constexpr int SM_CYVIRTUALSCREEN = 79;
constexpr int SM_CMONITORS = 80;
constexpr int SM_CXFOCUSBORDER = 83;
constexpr int SM_CYFOCUSBORDER = 84;
constexpr int SM_CXPADDEDBORDER = 92;

// The metric at the screen's density: GetSystemMetricsForDpi(index, GetDpiForSystem()).
int GetSystemMetrics(int index);
// The table scaled from 96 to `dpi` (ScaleForDpi). Screen sizes, counts and flags stay as
// they are, and so do the thin border, focus border and 3D edge widths (SM_CXBORDER 1,
// SM_CXEDGE 2 ...), the widths of the one- and two-pixel lines the classic look draws at
// every density.
int GetSystemMetricsForDpi(int index, UINT dpi);
// A size at 96 dots per inch at `dpi` (0 counts as 96), to the nearest pixel with halves
// away from zero: 23 is 35 at 144, 17 is 26 and 3 is 5.
int ScaleForDpi(int value, UINT dpi);
// The screen's density in dots per inch.
UINT GetDpiForSystem();
// The work area (the screen minus nothing: there is no task bar of ours).
RECT GetWorkArea();

UINT GetDoubleClickTime();  // 500 ms
UINT GetMouseHoverTime();   // 400 ms
BOOL SetDoubleClickTime(UINT ms);

// Desktop composition: true only where the backend's screen is composed by the desktop.
bool IsCompositionEnabled();
// Per-pixel-alpha (layered) windows are shown as composed: true on the headless screen;
// false on the desktop backend, whose OS windows show the composed screen opaquely.
bool PerPixelAlphaWindowsAvailable();

// The platform version this window system stands in for: 6.1. Below 10 because the
// classic frame reserves SM_CYCAPTION (23) for the caption of every window that is not a
// tool window, dialog frames included, so that a frame drawn by rules that give dialog
// frames SM_CYSMCAPTION from version 10 on matches the non-client area the window really
// has; at 6 or above because the menus of this system are those after the 5.x family.
struct OSVERSIONINFO {
  DWORD dwMajorVersion = 0;
  DWORD dwMinorVersion = 0;
  DWORD dwBuildNumber = 0;
};
constexpr DWORD kPlatformMajorVersion = 6;
constexpr DWORD kPlatformMinorVersion = 1;
BOOL GetVersionEx(OSVERSIONINFO* info);
// The same packed as the platform packs it: major version in the low byte, minor version
// in the next byte, build number in the high word (0 here).
DWORD GetVersion();

// The caption font of the frame for a density: "Tahoma", bold, the default character set,
// character height 11 pixels at 96 dots per inch (8 points), scaled to `dpi`. The
// classic frame draws its captions with it at the screen's density.
gfx::FontDesc GetCaptionFont(UINT dpi = 96);
// The menu font: the caption font's face, size and character set at normal weight. Menus
// draw with it at the screen's density (the default item in bold).
gfx::FontDesc GetMenuFont(UINT dpi = 96);

// System colours and brushes: the table of platform/gfx/Color.h.
inline gfx::TColor GetSysColor(int index) { return gfx::GetSysColor(index); }
// The colour a class background brush paints with: a system colour index plus one, or
// a solid brush of the drawing layer. False for no brush.
bool BrushColor(HBRUSH brush, gfx::TColor* out);

}  // namespace win
