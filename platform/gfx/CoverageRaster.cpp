#include "platform/gfx/CoverageRaster.h"

#include <algorithm>
#include <cmath>

namespace gfx {

CoverageRaster::CoverageRaster(const TRect& box) : box_(box.IsEmpty() ? TRect{} : box) {
  stride_ = box_.Width() + 2;
  acc_.assign(static_cast<std::size_t>(stride_) * std::max(0, box_.Height()), 0.0f);
}

void CoverageRaster::AddPolygon(const TPointF* pts, int count) {
  if (!pts || count < 3 || box_.IsEmpty()) return;
  for (int i = 0; i < count; ++i) {
    const TPointF a = pts[i], b = pts[(i + 1) % count];
    AddEdge({a.X - box_.Left, a.Y - box_.Top}, {b.X - box_.Left, b.Y - box_.Top});
  }
}

// Adds the signed area between the edge and the box's right side, row by row. Parts
// left of the box land in its first column, which is where their area counts.
void CoverageRaster::AddEdge(TPointF a, TPointF b) {
  if (a.Y == b.Y || !std::isfinite(a.X + a.Y + b.X + b.Y)) return;
  float dir = 1;
  if (a.Y > b.Y) {
    std::swap(a, b);
    dir = -1;
  }
  const int h = box_.Height();
  const double maxX = box_.Width();
  const double dxdy = (b.X - a.X) / (b.Y - a.Y);
  const int yStart = std::max(0, static_cast<int>(std::floor(a.Y)));
  const int yEnd = std::min(h, static_cast<int>(std::ceil(b.Y)));
  for (int y = yStart; y < yEnd; ++y) {
    const double top = std::max<double>(y, a.Y), bottom = std::min<double>(y + 1, b.Y);
    if (bottom <= top) continue;
    const double xa = std::clamp(a.X + (top - a.Y) * dxdy, 0.0, maxX);
    const double xb = std::clamp(a.X + (bottom - a.Y) * dxdy, 0.0, maxX);
    const float d = static_cast<float>(bottom - top) * dir;
    float* row = acc_.data() + static_cast<std::size_t>(y) * stride_;
    const double x0 = std::min(xa, xb), x1 = std::max(xa, xb);
    const int i0 = static_cast<int>(std::floor(x0));
    const int i1 = static_cast<int>(std::ceil(x1));
    if (i1 <= i0 + 1) {
      // Within one pixel: the part right of the edge's middle belongs to this pixel.
      const float mid = static_cast<float>(0.5 * (x0 + x1) - i0);
      row[i0] += d * (1 - mid);
      row[i0 + 1] += d * mid;
      continue;
    }
    // Across several pixels: the trapezoid area is spread along the crossing.
    const double s = 1.0 / (x1 - x0);
    const double f0 = x0 - i0;
    const double a0 = 0.5 * s * (1 - f0) * (1 - f0);
    const double f1 = x1 - i1 + 1;
    const double am = 0.5 * s * f1 * f1;
    row[i0] += static_cast<float>(d * a0);
    if (i1 == i0 + 2) {
      row[i0 + 1] += static_cast<float>(d * (1 - a0 - am));
    } else {
      const double a1 = s * (1.5 - f0);
      row[i0 + 1] += static_cast<float>(d * (a1 - a0));
      for (int i = i0 + 2; i < i1 - 1; ++i) row[i] += static_cast<float>(d * s);
      const double a2 = a1 + (i1 - i0 - 3) * s;
      row[i1 - 1] += static_cast<float>(d * (1 - a2 - am));
    }
    row[i1] += static_cast<float>(d * am);
  }
}

std::vector<std::uint8_t> CoverageRaster::Coverage() const {
  const int w = box_.Width(), h = box_.Height();
  std::vector<std::uint8_t> out(static_cast<std::size_t>(std::max(0, w)) * std::max(0, h));
  for (int y = 0; y < h; ++y) {
    const float* row = acc_.data() + static_cast<std::size_t>(y) * stride_;
    float sum = 0;
    for (int x = 0; x < w; ++x) {
      sum += row[x];
      const float c = std::min(1.0f, std::fabs(sum));
      out[static_cast<std::size_t>(y) * w + x] = static_cast<std::uint8_t>(std::lround(c * 255));
    }
  }
  return out;
}

}  // namespace gfx
