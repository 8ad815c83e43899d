#pragma once
// Internal: where the parts of a classic scroll bar lie for a scroll model, which part a
// point hits, and which position a dragged thumb stands for. Frame bars and the
// "ScrollBar" control share it, and it places the thumb exactly where the window
// system's plain frame draws it.
#include "platform/win/Types.h"

namespace ctl::detail {

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
ScrollLayout LayoutScrollBar(const win::RECT& bar, bool vertical, const ScrollModel& m);
// The part under p (same coordinates as the bar), None outside the bar.
ScrollPart PartAt(const ScrollLayout& l, win::POINT p);
// The rectangle of a part (the page parts run between the buttons and the thumb).
win::RECT PartRect(const ScrollLayout& l, ScrollPart part);
// The thumb start (from the bar's start) limited to the track.
int ClampThumb(const ScrollLayout& l, int thumbStart);
// The scroll position a thumb at thumbStart stands for.
int PositionForThumb(const ScrollLayout& l, const ScrollModel& m, int thumbStart);

}  // namespace ctl::detail
