#pragma once
// Scroll bars: the "ScrollBar" control class (SBS_ styles, SBM_ messages, WM_HSCROLL /
// WM_VSCROLL to its parent with its handle in lParam) and the frame scroll bars of any
// window with WS_HSCROLL / WS_VSCROLL, whose model lives in the window system
// (platform/win/ScrollApi.h). The parts, their geometry, tracking and painting are in
// ScrollBarParts.h.
#include "platform/win/Types.h"

namespace ctl {

constexpr win::DWORD SBS_HORZ = 0x0000;
constexpr win::DWORD SBS_VERT = 0x0001;
constexpr win::DWORD SBS_TOPALIGN = 0x0002;
constexpr win::DWORD SBS_LEFTALIGN = 0x0002;
constexpr win::DWORD SBS_BOTTOMALIGN = 0x0004;
constexpr win::DWORD SBS_RIGHTALIGN = 0x0004;
constexpr win::DWORD SBS_SIZEBOX = 0x0008;
constexpr win::DWORD SBS_SIZEGRIP = 0x0010;

constexpr win::UINT SBM_SETPOS = 0x00E0;  // wParam pos, lParam redraw; returns the old pos
constexpr win::UINT SBM_GETPOS = 0x00E1;
constexpr win::UINT SBM_SETRANGE = 0x00E2;       // wParam min, lParam max
constexpr win::UINT SBM_GETRANGE = 0x00E3;       // wParam int* min, lParam int* max
constexpr win::UINT SBM_ENABLE_ARROWS = 0x00E4;  // wParam ESB_ flags
constexpr win::UINT SBM_SETRANGEREDRAW = 0x00E6;
constexpr win::UINT SBM_SETSCROLLINFO = 0x00E9;  // wParam redraw, lParam SCROLLINFO*
constexpr win::UINT SBM_GETSCROLLINFO = 0x00EA;  // lParam SCROLLINFO*

// Frame scroll bars. A window procedure that wants the classic frame bars with their
// mouse handling (arrow and page presses repeating on a timer, thumb dragging, the SB_
// notifications sent to the window itself) calls this first and returns *result when it
// answers true. The standard controls do; AttachFrameScrollBars gives the same to a
// window of any class by subclassing it.
bool HandleFrameScrollBars(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam, win::LRESULT* result);
void AttachFrameScrollBars(win::HWND hwnd);
// While a frame bar's thumb is dragged (SB_THUMBTRACK and SB_THUMBPOSITION), the full
// position it stands for: the requests carry only its low 16 bits. A drag this layer runs
// gives its own position; otherwise the bar's track position while one is set
// (win::SetScrollTrackPos, as a skinned bar's drag does), read through
// GetScrollInfo(SIF_TRACKPOS). The edit and the list box read their drags here.
bool GetScrollTrackPos(win::HWND hwnd, int bar, int* pos);

}  // namespace ctl
