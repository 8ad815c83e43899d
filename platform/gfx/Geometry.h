#pragma once
// Plain geometry records shared by every layer: points, sizes and rectangles in pixels.
// Rectangles are Left, Top, Right, Bottom with Right and Bottom exclusive unless a
// routine says otherwise.

namespace gfx {

struct TPoint {
  int X = 0;
  int Y = 0;
  friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  constexpr bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
  constexpr TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
  friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

// Points and rectangles with fractional coordinates, for smooth drawing.
struct TPointF {
  double X = 0;
  double Y = 0;
  friend constexpr bool operator==(const TPointF&, const TPointF&) = default;
};

struct TRectF {
  double Left = 0;
  double Top = 0;
  double Width = 0;
  double Height = 0;
};

constexpr TRect Rect(int l, int t, int r, int b) { return {l, t, r, b}; }
constexpr TRect Bounds(int l, int t, int w, int h) { return {l, t, l + w, t + h}; }

// Intersection of two rectangles; an empty result is returned as all zeros.
constexpr TRect Intersect(const TRect& a, const TRect& b) {
  TRect r{a.Left > b.Left ? a.Left : b.Left, a.Top > b.Top ? a.Top : b.Top, a.Right < b.Right ? a.Right : b.Right,
          a.Bottom < b.Bottom ? a.Bottom : b.Bottom};
  if (r.IsEmpty()) return {};
  return r;
}

}  // namespace gfx
