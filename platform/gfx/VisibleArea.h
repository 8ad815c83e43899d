#pragma once
// Walking the visible parts of an area: the rectangles of a surface's visible region that
// meet a rectangle, or the runs of one row. Used by the drawing operations only.
#include <algorithm>

#include "platform/gfx/Region.h"

namespace gfx {

// Calls f(part) for every non-empty part of r that lies in vis, top to bottom.
template <class F>
void ForEachVisible(const Region& vis, const TRect& r, F&& f) {
  if (r.IsEmpty() || Intersect(vis.Bounds(), r).IsEmpty()) return;
  const auto& rects = vis.Rects();
  auto it = std::upper_bound(rects.begin(), rects.end(), r.Top, [](int v, const TRect& q) { return v < q.Bottom; });
  for (; it != rects.end() && it->Top < r.Bottom; ++it) {
    const TRect part = Intersect(*it, r);
    if (!part.IsEmpty()) f(part);
  }
}

// Calls f(x0, x1) for every visible run of [x0, x1) in row y, left to right.
template <class F>
void ForEachVisibleRun(const Region& vis, int y, int x0, int x1, F&& f) {
  if (x1 <= x0) return;
  auto [first, last] = vis.BandAt(y);
  for (const TRect* q = first; q != last; ++q) {
    if (q->Left >= x1) break;
    const int a = std::max(x0, q->Left), b = std::min(x1, q->Right);
    if (b > a) f(a, b);
  }
}

}  // namespace gfx
