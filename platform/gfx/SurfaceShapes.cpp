// Lines and shapes drawn with the selected pen and brush.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <span>
#include <vector>

#include "platform/base/Assert.h"
#include "platform/gfx/PixelOps.h"
#include "platform/gfx/ScanConvert.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/VisibleArea.h"

namespace gfx {
namespace {

// On and off lengths, in pixels, of the styled single-pixel pens.
std::span<const int> DashPattern(PenStyle style) {
  static constexpr int dash[] = {18, 6};
  static constexpr int dot[] = {3, 3};
  static constexpr int dashDot[] = {9, 6, 3, 6};
  static constexpr int dashDotDot[] = {9, 3, 3, 3, 3, 3};
  switch (style) {
    case PenStyle::Dash: return dash;
    case PenStyle::Dot: return dot;
    case PenStyle::DashDot: return dashDot;
    case PenStyle::DashDotDot: return dashDotDot;
    default: return {};
  }
}

bool DashOn(std::span<const int> pattern, int pos) {
  if (pattern.empty()) return true;
  int period = 0;
  for (int n : pattern) period += n;
  pos %= period;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pos < pattern[i]) return i % 2 == 0;
    pos -= pattern[i];
  }
  return true;
}

class BuilderSink final : public SpanSink {
 public:
  void Span(int y, int x0, int x1) override { builder.AddSpan(y, x0, x1); }
  RegionBuilder builder;
};

// Cuts the segment a-b to box (Liang-Barsky); false when it misses the box.
bool ClipSegment(TPoint& a, TPoint& b, const TRect& box) {
  double t0 = 0, t1 = 1;
  const double dx = double(b.X) - a.X, dy = double(b.Y) - a.Y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {double(a.X) - box.Left, double(box.Right) - a.X, double(a.Y) - box.Top,
                       double(box.Bottom) - a.Y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
  }
  if (t0 > t1) return false;
  const TPoint a0 = a;
  a = {static_cast<int>(a0.X + t0 * dx), static_cast<int>(a0.Y + t0 * dy)};
  b = {static_cast<int>(a0.X + t1 * dx), static_cast<int>(a0.Y + t1 * dy)};
  return true;
}

}  // namespace

void Surface::FillSpans(const Region& area, std::uint32_t px) {
  const Region visible = Region::Combine(area, Visible(), RegionOp::And);
  for (const TRect& r : visible.Rects())
    for (int y = r.Top; y < r.Bottom; ++y) std::fill(target_.Row32(y) + r.Left, target_.Row32(y) + r.Right, px);
}

void Surface::StrokeLine(TPoint a, TPoint b, bool lastPixel) {
  const Pen& pen = state_.pen;
  if (pen.IsNull()) return;
  const Region& vis = Visible();
  if (vis.IsEmpty()) return;
  const int w = pen.Width();
  if (w > 1) lastPixel = true;  // wide strokes end in a round cap on the end point
  // Very long lines are first cut to the drawable area (with room for the pen).
  const TRect box{vis.Bounds().Left - w - 2, vis.Bounds().Top - w - 2, vis.Bounds().Right + w + 2,
                  vis.Bounds().Bottom + w + 2};
  if (!box.Contains(a) || !box.Contains(b)) {
    if (!ClipSegment(a, b, box)) return;
    lastPixel = true;
  }
  const std::uint32_t px = ColorToPixel(pen.Color());
  const std::span<const int> pattern = w == 1 ? DashPattern(pen.Style()) : std::span<const int>{};

  // Disc stamped at every pixel of a wide line.
  BuilderSink disc;
  if (w > 1) ScanRoundRect({-(w - 1) / 2, -(w - 1) / 2, w / 2 + 1, w / 2 + 1}, w, w, disc);
  const Region stamp = w > 1 ? disc.builder.Finish() : Region();
  RegionBuilder wide;

  const int dx = std::abs(b.X - a.X), dy = -std::abs(b.Y - a.Y);
  const int sx = a.X < b.X ? 1 : -1, sy = a.Y < b.Y ? 1 : -1;
  int err = dx + dy, x = a.X, y = a.Y, n = 0;
  while (true) {
    const bool end = x == b.X && y == b.Y;
    if (end && !lastPixel) break;
    if (w > 1) {
      for (const TRect& r : stamp.Rects())
        for (int yy = r.Top; yy < r.Bottom; ++yy) wide.AddSpan(y + yy, x + r.Left, x + r.Right);
    } else if (DashOn(pattern, n) && vis.Contains({x, y})) {
      target_.Row32(y)[x] = px;
    }
    ++n;
    if (end) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
  if (w > 1) FillSpans(wide.Finish(), px);
}

void Surface::LineTo(TPoint p) {
  StrokeLine(ToPixels(state_.currentPos), ToPixels(p), false);
  state_.currentPos = p;
}

void Surface::Polyline(const TPoint* pts, int count) {
  PELLOMIR_ASSERT(pts || count <= 0);
  if (!pts) return;
  for (int i = 0; i + 1 < count; ++i) StrokeLine(ToPixels(pts[i]), ToPixels(pts[i + 1]), false);
}

void Surface::PolyPolygon(const TPoint* pts, const int* counts, int polygons) {
  PELLOMIR_ASSERT((pts && counts) || polygons <= 0);
  if (!pts || !counts || polygons <= 0) return;
  std::vector<TPoint> px;
  int total = 0;
  for (int i = 0; i < polygons; ++i) total += std::max(counts[i], 0);
  px.reserve(static_cast<std::size_t>(total));
  for (int i = 0; i < total; ++i) px.push_back(ToPixels(pts[i]));
  if (!state_.brush.IsNull()) {
    BuilderSink sink;
    const Region& vis = Visible();
    ScanPolygons(px.data(), counts, polygons, state_.polyFillMode, sink, {vis.Bounds().Top, vis.Bounds().Bottom});
    FillSpans(sink.builder.Finish(), ColorToPixel(state_.brush.Color()));
  }
  int first = 0;
  for (int p = 0; p < polygons; ++p) {
    const int n = std::max(counts[p], 0);
    for (int i = 0; i < n && n > 1; ++i)
      StrokeLine(px[static_cast<std::size_t>(first + i)], px[static_cast<std::size_t>(first + (i + 1) % n)], false);
    first += n;
  }
}

void Surface::Polygon(const TPoint* pts, int count) { PolyPolygon(pts, &count, 1); }

void Surface::Rectangle(const TRect& r) {
  TRect q = ToPixels(r);
  if (q.Left > q.Right) std::swap(q.Left, q.Right);
  if (q.Top > q.Bottom) std::swap(q.Top, q.Bottom);
  const Pen& pen = state_.pen;
  if (pen.IsNull()) {
    if (!state_.brush.IsNull())
      FillSpans(Region({q.Left, q.Top, q.Right - 1, q.Bottom - 1}), ColorToPixel(state_.brush.Color()));
    return;
  }
  if (!state_.brush.IsNull())
    FillSpans(Region({q.Left + 1, q.Top + 1, q.Right - 1, q.Bottom - 1}), ColorToPixel(state_.brush.Color()));
  if (q.Width() < 1 || q.Height() < 1) return;
  const int w = pen.Width();
  if (w == 1) {
    const TPoint c[4] = {{q.Left, q.Top}, {q.Right - 1, q.Top}, {q.Right - 1, q.Bottom - 1}, {q.Left, q.Bottom - 1}};
    if (q.Width() == 1 || q.Height() == 1) {
      StrokeLine(c[0], c[2], true);
      return;
    }
    for (int i = 0; i < 4; ++i) StrokeLine(c[i], c[(i + 1) % 4], false);
    return;
  }
  // A wide pen is centred on the outer pixels.
  const int h0 = (w - 1) / 2, h1 = w / 2;
  Region frame({q.Left - h0, q.Top - h0, q.Right + h1, q.Bottom + h1});
  frame -= Region({q.Left + h1 + 1, q.Top + h1 + 1, q.Right - 1 - h0, q.Bottom - 1 - h0});
  FillSpans(frame, ColorToPixel(pen.Color()));
}

void Surface::RoundRect(const TRect& r, int cornerW, int cornerH) {
  TRect q = ToPixels(r);
  if (q.Left > q.Right) std::swap(q.Left, q.Right);
  if (q.Top > q.Bottom) std::swap(q.Top, q.Bottom);
  const Pen& pen = state_.pen;
  if (pen.IsNull()) q = {q.Left, q.Top, q.Right - 1, q.Bottom - 1};
  cornerW = std::max(cornerW, 0);
  cornerH = std::max(cornerH, 0);
  // Only the rows that can show are scanned.
  const RowRange rows{Visible().Bounds().Top, Visible().Bounds().Bottom};
  const auto shape = [&rows](const TRect& box, int w, int h) {
    BuilderSink sink;
    ScanRoundRect(box, w, h, sink, rows);
    return sink.builder.Finish();
  };
  const Region outer = shape(q, cornerW, cornerH);
  if (!state_.brush.IsNull()) FillSpans(outer, ColorToPixel(state_.brush.Color()));
  if (pen.IsNull()) return;
  const int w = pen.Width();
  const Region inner = shape({q.Left + w, q.Top + w, q.Right - w, q.Bottom - w}, cornerW - 2 * w, cornerH - 2 * w);
  FillSpans(Region::Combine(outer, inner, RegionOp::Diff), ColorToPixel(pen.Color()));
}

void Surface::Ellipse(const TRect& r) { RoundRect(r, INT_MAX, INT_MAX); }

}  // namespace gfx
