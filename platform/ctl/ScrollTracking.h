#pragma once
// Internal: the mouse on a scroll bar, for frame bars and the "ScrollBar" control alike.
// A press on an arrow or a page part sends its request at once, again after 300 ms and
// then every 55 ms while the pointer stays on that part; a press on the thumb drags it,
// sending SB_THUMBTRACK for every new position, then SB_THUMBPOSITION on release; every
// press ends with SB_ENDSCROLL. One bar is tracked at a time, with the mouse captured.
#include "platform/ctl/ScrollBarPaint.h"

namespace ctl::detail {

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

}  // namespace ctl::detail
