#pragma once
// Internal: painting a classic scroll bar: arrow buttons (pressed while held, embossed
// when disabled), the checkered track (dark where a page part is held) and the thumb.
#include "platform/ctl/ScrollBarGeometry.h"

namespace ctl::detail {

struct ScrollPaintState {
  ScrollPart pressed = ScrollPart::None;  // held part, shown pressed while the pointer is on it
  int thumbStart = -1;                    // >= 0: the thumb follows the pointer there
};

void PaintScrollBar(win::HDC dc, const ScrollLayout& l, const ScrollModel& m, const ScrollPaintState& st);

}  // namespace ctl::detail
