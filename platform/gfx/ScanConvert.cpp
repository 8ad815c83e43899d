#include "platform/gfx/ScanConvert.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace gfx {
namespace {

struct Edge {
  double x0, y0, x1, y1;
  int dir;  // +1 downward, -1 upward
};

struct Crossing {
  double x;
  int dir;
};

}  // namespace

void ScanPolygons(const TPoint* points, const int* counts, int polygons, FillMode mode, SpanSink& sink, RowRange rows) {
  std::vector<Edge> edges;
  int first = 0;
  double top = 0, bottom = 0;
  bool any = false;
  for (int p = 0; p < polygons; ++p) {
    const int n = counts[p];
    if (n < 2) {
      first += std::max(n, 0);
      continue;
    }
    for (int i = 0; i < n; ++i) {
      const TPoint a = points[first + i];
      const TPoint b = points[first + (i + 1) % n];
      if (a.Y == b.Y) continue;
      if (a.Y < b.Y) edges.push_back({double(a.X), double(a.Y), double(b.X), double(b.Y), 1});
      else edges.push_back({double(b.X), double(b.Y), double(a.X), double(a.Y), -1});
      const double lo = std::min(a.Y, b.Y), hi = std::max(a.Y, b.Y);
      top = any ? std::min(top, lo) : lo;
      bottom = any ? std::max(bottom, hi) : hi;
      any = true;
    }
    first += n;
  }
  if (edges.empty()) return;

  std::vector<Crossing> xs;
  // Rows y in [top, bottom).
  const int y0 = std::max(rows.first, static_cast<int>(std::ceil(top)));
  const int y1 = std::min(rows.last, static_cast<int>(std::ceil(bottom)));
  for (int y = y0; y < y1; ++y) {
    const double yc = y;
    xs.clear();
    for (const Edge& e : edges)
      if (yc >= e.y0 && yc < e.y1) xs.push_back({e.x0 + (yc - e.y0) * (e.x1 - e.x0) / (e.y1 - e.y0), e.dir});
    std::sort(xs.begin(), xs.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    int winding = 0;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
      winding += mode == FillMode::Alternate ? 1 : xs[i].dir;
      const bool inside = mode == FillMode::Alternate ? (winding & 1) != 0 : winding != 0;
      if (!inside) continue;
      // Pixels x in [xa, xb).
      const int a = static_cast<int>(std::ceil(xs[i].x));
      const int b = static_cast<int>(std::ceil(xs[i + 1].x));
      if (b > a) sink.Span(y, a, b);
    }
  }
}

void ScanRoundRect(const TRect& r, int cornerW, int cornerH, SpanSink& sink, RowRange rows) {
  if (r.IsEmpty()) return;
  const std::int64_t width = std::int64_t(r.Right) - r.Left, height = std::int64_t(r.Bottom) - r.Top;
  const double rx = double(std::clamp<std::int64_t>(cornerW, 0, width)) / 2.0;
  const double ry = double(std::clamp<std::int64_t>(cornerH, 0, height)) / 2.0;
  const int y0 = std::max(r.Top, rows.first), y1 = std::min(r.Bottom, rows.last);
  for (int y = y0; y < y1; ++y) {
    const double yc = y + 0.5;
    double dy = 0;
    if (yc < r.Top + ry) dy = r.Top + ry - yc;
    else if (yc > r.Bottom - ry) dy = yc - (r.Bottom - ry);
    int inset = 0;
    if (dy > 0 && rx > 0) {
      const double q = dy / ry;
      const double dx = q >= 1 ? 0 : rx * std::sqrt(1 - q * q);
      inset = static_cast<int>(std::lround(rx - dx));
    }
    if (std::int64_t(r.Right) - inset > std::int64_t(r.Left) + inset) sink.Span(y, r.Left + inset, r.Right - inset);
  }
}

}  // namespace gfx
