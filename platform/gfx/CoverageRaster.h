#pragma once
// Anti-aliased coverage of polygons over a box of pixels: the exact share of every pixel
// that the polygon covers, by accumulating the signed area under each edge. Pixel (x, y)
// covers the square [x, x + 1) x [y, y + 1). Overlapping parts of one outline count once.
#include <cstdint>
#include <vector>

#include "platform/gfx/Geometry.h"

namespace gfx {

class CoverageRaster {
 public:
  explicit CoverageRaster(const TRect& box);

  // Adds a closed polygon; parts outside the box are cut away.
  void AddPolygon(const TPointF* pts, int count);
  // Coverage 0..255 of every pixel of the box, row by row.
  std::vector<std::uint8_t> Coverage() const;
  const TRect& Box() const { return box_; }

 private:
  void AddEdge(TPointF a, TPointF b);

  TRect box_;
  int stride_ = 0;
  std::vector<float> acc_;
};

}  // namespace gfx
