#pragma once
// The parts of a scroll bar, public so that a skin can reuse them instead of copying:
// the model a bar shows, where its parts lie (the classic geometry), which part a point
// hits, which position a dragged thumb stands for, the mouse tracking that drives a bar
// through a ScrollSite, and who paints it. Frame bars (SB_HORZ, SB_VERT of a window with
// WS_HSCROLL / WS_VSCROLL) and the "ScrollBar" control (SB_CTL) share all of it.
//
// Painting. Every classic bar a window shows (its frame bars when this layer's frame bar
// code paints them, or the control's client area) goes through the window's
// ScrollBarPainter when one is set, else the classic look. Hit testing and tracking do
// not depend on the painter. A skin that answers a window's non-client messages itself
// needs none of this; one that keeps this layer's mouse handling only replaces the
// painter.
#include "platform/win/Types.h"

namespace ctl {

// --- Model and geometry ---------------------------------------------------------------

// Part codes; the line and page parts equal the SB_ request codes they send.
enum class ScrollPart : int { None = -1, LineBefore = 0, LineAfter = 1, PageBefore = 2, PageAfter = 3, Thumb = 5 };

struct ScrollModel {
  int min = 0;
  int max = 100;
  unsigned page = 0;
  int pos = 0;
  unsigned disabledArrows = 0;  // ESB_ flags; both: the bar is unavailable
  bool enabled = true;          // the window is enabled
};

struct ScrollLayout {
  win::RECT bar;
  bool vertical = true;
  int length = 0;      // along the bar
  int button = 0;      // length of each arrow button
  int track = 0;       // length between the buttons
  bool thumb = false;  // whether a thumb shows
  int thumbStart = 0;  // from the bar's start, along
  int thumbLength = 0;
};

// Whether the model can scroll at all: a range larger than the page, not disabled.
bool CanScroll(const ScrollModel& m);
// The classic geometry: arrow buttons as long as the bar is thick (or half its length
// when it is short), a thumb as long as the page's share of the track (at least 8
// pixels), placed by the position's share of the range that can scroll. It places the
// thumb exactly where the window system's plain frame draws it.
ScrollLayout LayoutScrollBar(const win::RECT& bar, bool vertical, const ScrollModel& m);
// The part under p (same coordinates as the bar), None outside the bar.
ScrollPart PartAt(const ScrollLayout& l, win::POINT p);
// The rectangle of a part (the page parts run between the buttons and the thumb).
win::RECT PartRect(const ScrollLayout& l, ScrollPart part);
// The thumb start (from the bar's start) limited to the track.
int ClampThumb(const ScrollLayout& l, int thumbStart);
// The scroll position a thumb at thumbStart stands for.
int PositionForThumb(const ScrollLayout& l, const ScrollModel& m, int thumbStart);

// The model and window-coordinate rectangle of a window's frame bar (SB_HORZ or SB_VERT);
// the rectangle is empty when the window shows no such bar.
ScrollModel FrameBarModel(win::HWND hwnd, int bar);
win::RECT FrameBarRect(win::HWND hwnd, int bar);

// --- Painting -------------------------------------------------------------------------

// How tracking shows a bar.
struct ScrollPaintState {
  ScrollPart pressed = ScrollPart::None;  // held part, shown pressed while the pointer is on it
  int thumbStart = -1;                    // >= 0: the thumb follows the pointer there
};

// Paints a window's bars in place of the classic look. `bar` is SB_HORZ, SB_VERT or
// SB_CTL; the layout is in the coordinates of dc (window coordinates for frame bars,
// client coordinates for the control).
class ScrollBarPainter {
 public:
  virtual void PaintScrollBar(win::HDC dc, win::HWND hwnd, int bar, const ScrollLayout& layout,
                              const ScrollModel& model, const ScrollPaintState& state) = 0;
  // The corner where a window's two frame bars meet (window coordinates); the classic
  // look fills it with the button face.
  virtual void PaintSizeBox(win::HDC dc, win::HWND hwnd, const win::RECT& box);

 protected:
  ~ScrollBarPainter() = default;
};

// The classic bar: arrow buttons (pressed while held, embossed when disabled), the
// checkered track (dark where a page part is held) and the thumb.
void PaintClassicScrollBar(win::HDC dc, const ScrollLayout& l, const ScrollModel& m, const ScrollPaintState& st);

// Sets the painter of hwnd's bars and returns the one it replaces (null: the classic
// look). Null restores the classic look. The painter is not owned: whoever sets it keeps
// it alive while it is set; it is forgotten with the window. Returns null and does
// nothing for a window that does not exist. Callers repaint the frame themselves.
ScrollBarPainter* SetScrollBarPainter(win::HWND hwnd, ScrollBarPainter* painter);
ScrollBarPainter* GetScrollBarPainter(win::HWND hwnd);
// Paints one bar of hwnd the way it is painted now: through its painter, or classic.
void PaintScrollBarOf(win::HDC dc, win::HWND hwnd, int bar, const ScrollLayout& l, const ScrollModel& m,
                      const ScrollPaintState& st);

// --- Tracking -------------------------------------------------------------------------
// A press on an arrow or a page part sends its request at once, again after 300 ms and
// then every 55 ms while the pointer stays on that part; a press on the thumb drags it,
// sending SB_THUMBTRACK for every new position, then SB_THUMBPOSITION on release; every
// press ends with SB_ENDSCROLL. One bar is tracked at a time, with the mouse captured.

// What the tracker needs of the bar it drives.
class ScrollSite {
 public:
  virtual ScrollModel Model() = 0;
  // The bar's layout in site coordinates (window coordinates for frame bars, client
  // coordinates for the control).
  virtual ScrollLayout Layout() = 0;
  // A client point of the capturing window in site coordinates.
  virtual win::POINT FromClient(win::POINT p) = 0;
  // Paints the bar now, as PaintStateFor describes it.
  virtual void Repaint() = 0;
  // Sends one request (SB_ code) with a position.
  virtual void Notify(win::WORD code, int pos) = 0;

 protected:
  ~ScrollSite() = default;
};

// The bar a site drives: its window and SB_HORZ, SB_VERT or SB_CTL.
struct ScrollBarId {
  win::HWND hwnd = nullptr;
  int bar = 0;
  friend bool operator==(const ScrollBarId&, const ScrollBarId&) = default;
};

// The timer id the tracker repeats with (WM_TIMER to the bar's window).
constexpr win::UINT_PTR kScrollRepeatTimer = 0xFFE0;

// A left press at p (site coordinates); false when p is on no part of the bar.
bool TrackPress(ScrollSite& site, ScrollBarId id, win::POINT p);
// Pointer moves (client coordinates) and the release; both do nothing unless id is tracked.
void TrackMove(ScrollSite& site, ScrollBarId id, win::POINT client);
void TrackRelease(ScrollSite& site, ScrollBarId id);
void TrackTimer(ScrollSite& site, ScrollBarId id);
// Capture lost: the press ends without a release.
void TrackCancel(ScrollSite& site, ScrollBarId id);

bool IsTracking(ScrollBarId id);
// Whether any bar of the window is being tracked.
bool IsTrackingWindow(win::HWND hwnd);
// How to paint a bar: pressed part and thumb place while it is tracked.
ScrollPaintState PaintStateFor(ScrollBarId id);
// The position the thumb of a tracked bar is dragged to.
bool TrackedPosition(ScrollBarId id, int* pos);

}  // namespace ctl
