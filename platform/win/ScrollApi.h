#pragma once
// The scroll model of windows with the standard scroll bars (WS_HSCROLL, WS_VSCROLL):
// range, page, position and track position per bar, and the bars' visibility and
// enabling. The bars are drawn in the frame (WM_NCPAINT); controls and the skin engine
// read and set the model here.
#include "platform/win/Types.h"

namespace win {

constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

constexpr UINT ESB_ENABLE_BOTH = 0;
constexpr UINT ESB_DISABLE_LTUP = 1;
constexpr UINT ESB_DISABLE_RTDN = 2;
constexpr UINT ESB_DISABLE_BOTH = 3;

struct SCROLLINFO {
  UINT cbSize = sizeof(SCROLLINFO);
  UINT fMask = 0;
  int nMin = 0;
  int nMax = 0;
  UINT nPage = 0;
  int nPos = 0;
  int nTrackPos = 0;
};

// Sets the parts fMask names; the page is limited to the range and the position to
// [nMin, nMax - max(nPage - 1, 0)]. A bar whose range no longer needs scrolling is hidden,
// or disabled with SIF_DISABLENOSCROLL; one that needs it again is shown and enabled.
// Returns the new position.
int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* si, BOOL redraw);
// SIF_TRACKPOS gives the track position while a thumb drag runs (SetScrollTrackPos),
// else the position.
BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* si);
// The full position of a thumb drag, for whoever runs the drag: set before each
// SB_THUMBTRACK / SB_THUMBPOSITION request (which carry only 16 bits) so that the window
// reads it with GetScrollInfo(SIF_TRACKPOS), and ended after the drag. SetScrollInfo
// ignores SIF_TRACKPOS, as on the platform. False for a window or bar that does not exist.
BOOL SetScrollTrackPos(HWND hwnd, int bar, int pos);
BOOL EndScrollTrack(HWND hwnd, int bar);
// Whether a drag's track position is set for the bar.
bool IsScrollTracking(HWND hwnd, int bar);
int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND hwnd, int bar);
BOOL SetScrollRange(HWND hwnd, int bar, int min, int max, BOOL redraw);
BOOL GetScrollRange(HWND hwnd, int bar, int* min, int* max);
BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show);
// ESB_ flags: which arrows are disabled.
BOOL EnableScrollBar(HWND hwnd, UINT bars, UINT arrows);
// The ESB_ flags a bar has now (ESB_DISABLE_BOTH: the bar is unavailable).
UINT GetScrollBarArrows(HWND hwnd, int bar);

}  // namespace win
