#pragma once
// Internal: helpers the window system's files share. Every call that sends a message may
// destroy windows, so callers keep handles across sends and look the record up again.
#include <optional>
#include <vector>

#include "platform/gfx/Region.h"
#include "platform/win/SystemState.h"

namespace win::detail {

// Messaging (MessageQueue.cpp, Hooks.cpp).
LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
LRESULT CallHooks(int type, int code, WPARAM wParam, LPARAM lParam);
// The earliest time a timer or a hover notice falls due; none when nothing waits.
std::optional<std::uint64_t> NextDeadline();
bool PeekAny(MSG* out, HWND filter, UINT lo, UINT hi, bool remove, std::uint64_t now);
// Sleeps in the backend until the next deadline, input, or a watched descriptor.
void WaitForMessages();

// Watched file descriptors (FdWatch.cpp): posts the owners' messages for the readable ones.
void PollWatchedFds();
std::vector<int> WatchedFds();

// Tree (Tree.cpp).
Window* TopLevelOf(Window* w);  // the top-level ancestor (itself for a top-level window)
void Link(Window* parent, Window* w, HWND insertAfter);
void Unlink(Window* w);
bool IsDescendant(Window* ancestor, Window* w);  // w is ancestor or below it
bool VisibleOnScreen(Window* w);                 // shown and every ancestor shown
// Windows under the given one: every descendant, depth-first in z-order.
void CollectTree(Window* w, std::vector<HWND>& out);

// Coordinates (Coordinates.cpp).
gfx::TPoint WindowOriginOnScreen(Window* w);
gfx::TPoint ClientOriginOnScreen(Window* w);
gfx::TRect ScreenRect(Window* w);
gfx::TRect ClientRectInWindow(Window* w);
// Window origin relative to its top-level window's origin (where it lies in the backing).
gfx::TPoint OffsetInTopLevel(Window* w);
bool InsideWindowRegion(Window* w, gfx::TPoint windowPt);

// Size limits (WindowPos.cpp): the defaults, a window's answer to WM_GETMINMAXINFO, and
// a size limited to its track sizes.
MINMAXINFO DefaultMinMaxInfo();
MINMAXINFO AskMinMaxInfo(HWND hwnd);
void ClampToTrackSize(const MINMAXINFO& mmi, int& cx, int& cy);

// Activation and focus (Activation.cpp).
bool Activate(HWND hwnd, bool byMouse, bool bringToTop);
// Another program took the focus: the active window is deactivated, the focus dropped.
void DeactivateApplication();
// The active or focused window is going away or hidden: activation moves to its owner or
// the next visible top-level window; focus inside `w` is dropped.
void WindowLeaving(Window* w, bool destroying);

// Input state (MouseInput.cpp, Timers.cpp).
void ForgetInputFor(HWND hwnd);
// The pointer left every window of ours: mouse tracking ends.
void PointerLeftWindows();
void ForgetTimersFor(HWND hwnd);

// Painting (Invalidation.cpp, Compositor).
void InvalidateWindowArea(Window* w, const gfx::Region* windowRgn, UINT rdwFlags);
void AfterPositionChange(Window* w, const gfx::TRect& oldRect, const gfx::TRect& oldClient, bool wasVisible,
                         UINT flags);
bool NeedsPaint(Window* w);
void InvalidateFrame(Window* w);  // the non-client area only
void SendPaint(HWND hwnd);        // WM_PAINT now, dropping what the procedure leaves unpainted
void DamageScreen(const gfx::TRect& screenRect);
void DamageWindow(Window* w);  // the window's whole area on screen
void ResizeBacking(Window* top);

// Surfaces and default painting (DeviceContexts.cpp, DefaultPaint.cpp).
gfx::Region VisibleRegion(Window* w, bool clientOnly, bool clipChildren, bool clipSiblings);
void RetargetSurfaces(Window* top);
void DetachSurfaces(HWND hwnd);  // the window is going: its surfaces draw nowhere
LRESULT DefEraseBackground(HWND hwnd, HDC dc);
void DefNcPaint(HWND hwnd);
void DefPrint(HWND hwnd, HDC dc, LPARAM flags);
bool FillWithBrush(gfx::Surface& s, const gfx::TRect& r, HBRUSH brush);  // false: no brush

// The caret keeps out of paints and dies with its window (Caret.cpp).
void CaretBeforePaint(HWND hwnd);
void CaretAfterPaint(HWND hwnd);
void CaretWindowGone(HWND hwnd);

// Non-client defaults (NonClient.cpp, TitleButtons.cpp, SystemCommands.cpp).
gfx::TRect DefaultClientRect(DWORD style, DWORD exStyle, const gfx::TRect& windowRect);
// The same with the metrics of a density instead of the screen's.
gfx::TRect DefaultClientRectForDpi(DWORD style, DWORD exStyle, const gfx::TRect& windowRect, UINT dpi);
int DefaultHitTest(Window* w, gfx::TPoint screenPt);
// Starts pressing a title button (HTCLOSE, HTMAXBUTTON, HTMINBUTTON, HTHELP) when its
// function is available.
void PressTitleButton(HWND hwnd, int hit);
// The pointer is over `hit` of hwnd: a title button's code makes it hot, anything else
// clears the hot button.
void NoteTitleButtonHot(HWND hwnd, int hit);
LRESULT DefSysCommand(HWND hwnd, WPARAM wParam, LPARAM lParam);
// SC_MOVE / SC_SIZE (MoveSizeLoop.cpp) and SC_CONTEXTHELP (ContextHelp.cpp).
void StartMoveSize(HWND hwnd, WPARAM command, LPARAM lParam);
void StartContextHelp(HWND hwnd);
// DefWindowProc's share of the non-client mouse messages, WM_CONTEXTMENU and
// WM_POPUPSYSTEMMENU.
LRESULT DefNonClientMouse(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace win::detail
