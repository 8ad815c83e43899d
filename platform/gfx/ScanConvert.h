#pragma once
// Scan conversion of the filled shapes that regions and surfaces share: polygons and
// rounded rectangles (ellipses are rounded rectangles whose corners take the whole box).
// Polygon vertices name pixel positions: pixel (x, y) belongs to a polygon when the point
// (x, y) lies inside, edges on the right and bottom left out, so that shapes sharing an
// edge never share a pixel and a pen outline drawn through the vertices closes the fill
// without gaps. Rounded rectangles take the pixels whose centres lie inside. Results are
// horizontal runs [x0, x1) of row y, passed to a sink in increasing y.
#include <climits>

#include "platform/gfx/Geometry.h"
#include "platform/gfx/Region.h"

namespace gfx {

class SpanSink {
 public:
  virtual void Span(int y, int x0, int x1) = 0;

 protected:
  ~SpanSink() = default;
};

// Rows outside [first, last) are skipped, so that a drawing surface pays only for the
// rows it can show.
struct RowRange {
  int first = INT_MIN;
  int last = INT_MAX;
};

// counts[i] points of points belong to polygon i; every polygon is closed implicitly.
void ScanPolygons(const TPoint* points, const int* counts, int polygons, FillMode mode, SpanSink& sink,
                  RowRange rows = {});

// The rounded rectangle r with corner ellipse cornerW x cornerH (each limited to r's size).
void ScanRoundRect(const TRect& r, int cornerW, int cornerH, SpanSink& sink, RowRange rows = {});

}  // namespace gfx
