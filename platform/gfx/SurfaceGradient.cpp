// Gradient fills: the platform's triangle and rectangle gradients, the linear alpha
// gradient brush and the path gradient.
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/base/Assert.h"
#include "platform/gfx/PixelOps.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/VisibleArea.h"

namespace gfx {
namespace {

// The four channels of a pixel, A, R, G, B, as numbers.
struct Channels {
  double v[4] = {0, 0, 0, 0};
};

Channels Split(std::uint32_t px) {
  return {{double(px >> 24), double((px >> 16) & 0xFF), double((px >> 8) & 0xFF), double(px & 0xFF)}};
}

std::uint32_t Join(const double v[4]) {
  std::uint32_t out = 0;
  for (int k = 0; k < 4; ++k) {
    const auto c = static_cast<std::uint32_t>(std::clamp(std::lround(v[k]), 0L, 255L));
    out |= c << (24 - 8 * k);
  }
  return out;
}

// Colour as a linear function of the position over a triangle: v = a x + b y + c.
struct ColourPlane {
  double a[4], b[4], c[4];

  bool Build(const TPointF p[3], const Channels col[3]) {
    const double x1 = p[1].X - p[0].X, y1 = p[1].Y - p[0].Y, x2 = p[2].X - p[0].X, y2 = p[2].Y - p[0].Y;
    const double det = x1 * y2 - x2 * y1;
    if (std::fabs(det) < 1e-9) return false;
    for (int k = 0; k < 4; ++k) {
      const double d1 = col[1].v[k] - col[0].v[k], d2 = col[2].v[k] - col[0].v[k];
      a[k] = (d1 * y2 - d2 * y1) / det;
      b[k] = (x1 * d2 - x2 * d1) / det;
      c[k] = col[0].v[k] - a[k] * p[0].X - b[k] * p[0].Y;
    }
    return true;
  }
  std::uint32_t At(double x, double y) const {
    double v[4];
    for (int k = 0; k < 4; ++k) v[k] = a[k] * x + b[k] * y + c[k];
    return Join(v);
  }
};

// Calls span(y, x0, x1) for the pixels whose positions (x, y) lie in the triangle, the
// right and bottom edges left out (as polygons are filled). Edges are always evaluated
// from their upper end, so that triangles sharing an edge split its pixels exactly.
template <class F>
void ScanTriangle(const TPointF p[3], int rowFirst, int rowLast, F&& span) {
  struct Edge {
    TPointF a, b;
  };
  Edge edges[3];
  double top = p[0].Y, bottom = p[0].Y;
  for (int i = 0; i < 3; ++i) {
    TPointF a = p[i], b = p[(i + 1) % 3];
    if (a.Y > b.Y || (a.Y == b.Y && a.X > b.X)) std::swap(a, b);
    edges[i] = {a, b};
    top = std::min(top, p[i].Y);
    bottom = std::max(bottom, p[i].Y);
  }
  const int y0 = std::max(rowFirst, static_cast<int>(std::ceil(top)));
  const int y1 = std::min(rowLast, static_cast<int>(std::ceil(bottom)));
  for (int y = y0; y < y1; ++y) {
    const double yc = y;
    double lo = 0, hi = 0;
    int found = 0;
    for (const Edge& e : edges) {
      if (!(yc >= e.a.Y && yc < e.b.Y)) continue;
      const double x = e.a.X + (yc - e.a.Y) * (e.b.X - e.a.X) / (e.b.Y - e.a.Y);
      lo = found ? std::min(lo, x) : x;
      hi = found ? std::max(hi, x) : x;
      ++found;
    }
    if (found < 2) continue;
    const int x0 = static_cast<int>(std::ceil(lo)), x1 = static_cast<int>(std::ceil(hi));
    if (x1 > x0) span(y, x0, x1);
  }
}

// Fills a triangle with interpolated colours; put(d, colour) writes one pixel.
template <class Put>
void ShadeTriangle(const Region& vis, PixelView& target, const TPointF p[3], const Channels col[3], Put&& put) {
  ColourPlane plane;
  if (!plane.Build(p, col) || vis.IsEmpty()) return;
  ScanTriangle(p, vis.Bounds().Top, vis.Bounds().Bottom, [&](int y, int x0, int x1) {
    std::uint32_t* row = target.Row32(y);
    ForEachVisibleRun(vis, y, x0, x1, [&](int a, int b) {
      for (int x = a; x < b; ++x) put(row[x], plane.At(x, y));
    });
  });
}

std::uint32_t Lerp(const Channels& a, const Channels& b, double t) {
  double v[4];
  for (int k = 0; k < 4; ++k) v[k] = a.v[k] + (b.v[k] - a.v[k]) * t;
  return Join(v);
}

}  // namespace

void Surface::GradientFillTriangle(const GradientVertex v[3]) {
  PELLOMIR_ASSERT(v);
  if (!v) return;
  TPointF p[3];
  Channels col[3];
  for (int i = 0; i < 3; ++i) {
    const TPoint q = ToPixels(v[i].p);
    p[i] = {double(q.X), double(q.Y)};
    col[i] = Split(v[i].colour);
  }
  ShadeTriangle(Visible(), target_, p, col, [](std::uint32_t& d, std::uint32_t c) { d = c; });
}

void Surface::GradientFillRect(const GradientVertex& a, const GradientVertex& b, GradientDirection dir) {
  const TPoint pa = ToPixels(a.p), pb = ToPixels(b.p);
  const TRect r{std::min(pa.X, pb.X), std::min(pa.Y, pb.Y), std::max(pa.X, pb.X), std::max(pa.Y, pb.Y)};
  const Channels ca = Split(a.colour), cb = Split(b.colour);
  const bool horizontal = dir == GradientDirection::Horizontal;
  const int from = horizontal ? pa.X : pa.Y, span = horizontal ? pb.X - pa.X : pb.Y - pa.Y;
  if (span == 0) return;
  ForEachVisible(Visible(), r, [&](const TRect& part) {
    for (int y = part.Top; y < part.Bottom; ++y) {
      std::uint32_t* row = target_.Row32(y);
      for (int x = part.Left; x < part.Right; ++x) row[x] = Lerp(ca, cb, double((horizontal ? x : y) - from) / span);
    }
  });
}

void Surface::FillLinearGradient(const TRectF& brush, std::uint32_t from, std::uint32_t to, GradientDirection dir,
                                 const TRect& area) {
  const TPoint o = PixelOffset();
  const bool horizontal = dir == GradientDirection::Horizontal;
  const double start = horizontal ? brush.Left + o.X : brush.Top + o.Y;
  const double length = horizontal ? brush.Width : brush.Height;
  if (!(std::fabs(length) > 1e-9)) return;
  const Channels cf = Split(from), ct = Split(to);
  const auto colourAt = [&](int pos) { return Lerp(cf, ct, std::clamp((pos - start) / length, 0.0, 1.0)); };
  const TRect r = Intersect(ToPixels(area), Visible().Bounds());
  if (r.IsEmpty()) return;
  std::vector<std::uint32_t> columns;
  if (horizontal) {
    columns.resize(static_cast<std::size_t>(std::max(0, r.Width())));
    for (int x = r.Left; x < r.Right; ++x) columns[static_cast<std::size_t>(x - r.Left)] = colourAt(x);
  }
  ForEachVisible(Visible(), r, [&](const TRect& part) {
    for (int y = part.Top; y < part.Bottom; ++y) {
      std::uint32_t* row = target_.Row32(y);
      const std::uint32_t rowColour = horizontal ? 0 : colourAt(y);
      for (int x = part.Left; x < part.Right; ++x)
        row[x] = BlendOverStraight(row[x], horizontal ? columns[static_cast<std::size_t>(x - r.Left)] : rowColour);
    }
  });
}

void Surface::FillPathGradient(const TPointF* pts, const std::uint32_t* colours, int count, TPointF centre,
                               std::uint32_t centreColour) {
  PELLOMIR_ASSERT((pts && colours) || count <= 0);
  if (!pts || !colours || count < 2) return;
  const TPoint o = PixelOffset();
  const TPointF c{centre.X + o.X, centre.Y + o.Y};
  const Channels cc = Split(centreColour);
  const Region& vis = Visible();
  for (int i = 0; i < count; ++i) {
    const int j = (i + 1) % count;
    const TPointF p[3] = {c, {pts[i].X + o.X, pts[i].Y + o.Y}, {pts[j].X + o.X, pts[j].Y + o.Y}};
    const Channels col[3] = {cc, Split(colours[i]), Split(colours[j])};
    ShadeTriangle(vis, target_, p, col, [](std::uint32_t& d, std::uint32_t s) { d = BlendOverStraight(d, s); });
  }
}

}  // namespace gfx
