// Regions made from shapes and masks.
#include <climits>

#include "platform/gfx/Region.h"
#include "platform/gfx/ScanConvert.h"

namespace gfx {
namespace {

class BuilderSink final : public SpanSink {
 public:
  void Span(int y, int x0, int x1) override { builder.AddSpan(y, x0, x1); }
  RegionBuilder builder;
};

}  // namespace

// Corners as large as the whole box make an ellipse (corner sizes are limited to the box).
Region Region::Ellipse(const TRect& r) { return RoundRect(r, INT_MAX, INT_MAX); }

Region Region::RoundRect(const TRect& r, int cornerW, int cornerH) {
  BuilderSink sink;
  ScanRoundRect(r, cornerW, cornerH, sink);
  return sink.builder.Finish();
}

Region Region::Polygon(const TPoint* points, int count, FillMode mode) { return PolyPolygon(points, &count, 1, mode); }

Region Region::PolyPolygon(const TPoint* points, const int* counts, int polygons, FillMode mode) {
  if (points == nullptr || counts == nullptr || polygons <= 0) return Region();
  BuilderSink sink;
  ScanPolygons(points, counts, polygons, mode, sink);
  return sink.builder.Finish();
}

Region Region::FromMask(const BitMask& mask, TPoint origin) {
  RegionBuilder builder;
  if (mask.bits == nullptr || mask.width <= 0 || mask.height <= 0) return builder.Finish();
  for (int y = 0; y < mask.height; ++y) {
    const std::uint8_t* row = mask.bits + mask.stride * y;
    int x = 0;
    while (x < mask.width) {
      auto bit = [row](int i) { return (row[i >> 3] >> (7 - (i & 7))) & 1; };
      while (x < mask.width && !bit(x)) ++x;
      const int start = x;
      while (x < mask.width && bit(x)) ++x;
      if (x > start) builder.AddSpan(origin.Y + y, origin.X + start, origin.X + x);
    }
  }
  return builder.Finish();
}

}  // namespace gfx
