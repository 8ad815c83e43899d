// Smooth small pictures for icons.
#include "platform/ctl/IconCanvas.h"

#include <algorithm>
#include <cmath>

#include "platform/gfx/FontFace.h"

namespace ctl::detail {

IconCanvas::IconCanvas(int width, int height)
    : width_(width), height_(height), px_(static_cast<std::size_t>(width * height) * 4, 0.0) {}

void IconCanvas::Blend(int x, int y, gfx::TColor color, double alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) return;
  double* p = &px_[static_cast<std::size_t>(y * width_ + x) * 4];
  double c[3] = {gfx::GetRValue(color) / 255.0, gfx::GetGValue(color) / 255.0, gfx::GetBValue(color) / 255.0};
  for (int i = 0; i < 3; ++i) p[i] = c[i] * alpha + p[i] * (1 - alpha);
  p[3] = alpha + p[3] * (1 - alpha);
}

void IconCanvas::Fill(const std::function<bool(double, double)>& inside, gfx::TColor color, double opacity) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      int hits = 0;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx)
          if (inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4)) ++hits;
      if (hits) Blend(x, y, color, opacity * hits / 16.0);
    }
}

void IconCanvas::Circle(double cx, double cy, double r, gfx::TColor color, double opacity) {
  Fill([=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; }, color, opacity);
}

void IconCanvas::Capsule(double x0, double y0, double x1, double y1, double radius, gfx::TColor color, double opacity) {
  double dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
  Fill(
      [=](double x, double y) {
        double t = len2 > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / len2, 0.0, 1.0) : 0.0;
        double ex = x0 + t * dx - x, ey = y0 + t * dy - y;
        return ex * ex + ey * ey <= radius * radius;
      },
      color, opacity);
}

void IconCanvas::Triangle(double x0, double y0, double x1, double y1, double x2, double y2, gfx::TColor color,
                          double opacity) {
  auto side = [](double ax, double ay, double bx, double by, double px, double py) {
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
  };
  Fill(
      [=](double x, double y) {
        double a = side(x0, y0, x1, y1, x, y), b = side(x1, y1, x2, y2, x, y), c = side(x2, y2, x0, y0, x, y);
        return (a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0);
      },
      color, opacity);
}

void IconCanvas::RoundRect(double l, double t, double r, double b, double radius, gfx::TColor color, double opacity) {
  Fill(
      [=](double x, double y) {
        if (x < l || x > r || y < t || y > b) return false;
        double cx = std::clamp(x, l + radius, r - radius), cy = std::clamp(y, t + radius, b - radius);
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
      },
      color, opacity);
}

void IconCanvas::Glyph(gfx::FontFace& face, char32_t c, int x, int baseline, gfx::TColor color) {
  const gfx::Glyph& g = face.GetGlyph(c);
  for (int row = 0; row < g.height; ++row)
    for (int col = 0; col < g.width; ++col) {
      int cov = g.coverage[static_cast<std::size_t>(row * g.width + col)];
      if (cov) Blend(x + g.left + col, baseline - g.top + row, color, cov / 255.0);
    }
}

void IconCanvas::Pixel(int x, int y, gfx::TColor color) { Blend(x, y, color, 1.0); }

void IconCanvas::Rect(int l, int t, int r, int b, gfx::TColor color) {
  for (int y = t; y < b; ++y)
    for (int x = l; x < r; ++x) Blend(x, y, color, 1.0);
}

gfx::PixelBuffer IconCanvas::Picture() const {
  gfx::PixelBuffer out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      const double* p = &px_[static_cast<std::size_t>(y * width_ + x) * 4];
      auto byte = [](double v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
      out.Row32(y)[x] = (byte(p[3]) << 24) | (byte(p[0]) << 16) | (byte(p[1]) << 8) | byte(p[2]);
    }
  return out;
}

}  // namespace ctl::detail
