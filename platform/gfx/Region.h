#pragma once
// Region: an area of pixels kept as rectangles in canonical bands. Rectangles are sorted
// top to bottom, then left to right; the rectangles of one band share Top and Bottom and
// neither overlap nor touch; two touching bands never hold the same columns (they are
// merged). So two regions covering the same pixels hold the same rectangles, and
// equality is a plain comparison. Regions are values: copying one copies its rectangles.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/gfx/Geometry.h"

namespace gfx {

// How two regions are combined (the platform's RGN_AND .. RGN_COPY values).
enum class RegionOp : int { And = 1, Or = 2, Xor = 3, Diff = 4, Copy = 5 };

// The platform's region complexity results.
enum class RegionKind : int { Error = 0, Null = 1, Simple = 2, Complex = 3 };

// Which points of a self-overlapping polygon are inside (ALTERNATE and WINDING).
enum class FillMode : int { Alternate = 1, Winding = 2 };

// A 1-bit mask: rows of bits, most significant bit first; a set bit is inside.
struct BitMask {
  const std::uint8_t* bits = nullptr;
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;  // bytes from one row to the next
};

class Region {
 public:
  Region() = default;
  explicit Region(const TRect& r);

  // An ellipse inscribed in r (Right and Bottom exclusive).
  static Region Ellipse(const TRect& r);
  // r with corners rounded by an ellipse of cornerW x cornerH.
  static Region RoundRect(const TRect& r, int cornerW, int cornerH);
  // The pixels whose positions lie inside the polygon (edges on the right and bottom out).
  static Region Polygon(const TPoint* points, int count, FillMode mode);
  // Several polygons filled together; counts[i] points belong to polygon i.
  static Region PolyPolygon(const TPoint* points, const int* counts, int polygons, FillMode mode);
  // The set bits of a mask, placed with the mask's first bit at origin.
  static Region FromMask(const BitMask& mask, TPoint origin = {});
  // The union of any rectangles (they may overlap); empty ones are skipped.
  static Region FromRects(const TRect* rects, std::size_t count);

  bool IsEmpty() const { return rects_.empty(); }
  RegionKind Kind() const;
  const TRect& Bounds() const { return bounds_; }
  const std::vector<TRect>& Rects() const { return rects_; }

  void Offset(int dx, int dy);
  bool Contains(TPoint p) const;
  // True when any pixel of r is in the region.
  bool Intersects(const TRect& r) const;
  // True when every pixel of r is in the region (false for an empty r).
  bool ContainsRect(const TRect& r) const;

  // a op b; Copy gives a.
  static Region Combine(const Region& a, const Region& b, RegionOp op);
  Region& operator&=(const Region& o) { return *this = Combine(*this, o, RegionOp::And); }
  Region& operator|=(const Region& o) { return *this = Combine(*this, o, RegionOp::Or); }
  Region& operator-=(const Region& o) { return *this = Combine(*this, o, RegionOp::Diff); }
  Region& operator^=(const Region& o) { return *this = Combine(*this, o, RegionOp::Xor); }

  // The rectangles of the band that holds row y, as [first, last); empty when none.
  std::pair<const TRect*, const TRect*> BandAt(int y) const;

  friend bool operator==(const Region& a, const Region& b) { return a.rects_ == b.rects_; }

 private:
  friend class RegionBuilder;
  void UpdateBounds();

  std::vector<TRect> rects_;
  TRect bounds_;
};

// Builds a region from horizontal runs of pixels given in any order; overlapping and
// touching runs merge.
class RegionBuilder {
 public:
  void AddSpan(int y, int x0, int x1) {
    if (x1 > x0) spans_.push_back({y, x0, x1});
  }
  Region Finish();

 private:
  struct Span {
    int y, x0, x1;
  };
  std::vector<Span> spans_;
};

}  // namespace gfx
