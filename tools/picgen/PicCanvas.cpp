#include "tools/picgen/PicCanvas.h"

#include <algorithm>
#include <cmath>

#include "platform/gfx/Font.h"
#include "platform/gfx/Surface.h"

namespace picgen {

namespace {

constexpr int kSamples = 4;

gfx::Font TextFont(const std::u16string& face, int height, bool bold, bool italic) {
  gfx::FontDesc d;
  d.face = face;
  d.height = -height;
  d.weight = bold ? gfx::FW_BOLD : gfx::FW_NORMAL;
  d.italic = italic;
  return gfx::Font(d);
}

}  // namespace

Rgba Hex(std::uint32_t rgb, double alpha) {
  return {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0, alpha};
}

PicCanvas::PicCanvas(int width, int height)
    : width_(width), height_(height), px_(static_cast<std::size_t>(width) * height, Rgba{0, 0, 0, 0}) {}

void PicCanvas::Blend(int x, int y, Rgba c, double coverage) {
  Rgba& d = px_[static_cast<std::size_t>(y) * width_ + x];
  const double sa = c.a * coverage;
  const double oa = sa + d.a * (1 - sa);
  if (oa <= 0) return;
  d.r = (c.r * sa + d.r * d.a * (1 - sa)) / oa;
  d.g = (c.g * sa + d.g * d.a * (1 - sa)) / oa;
  d.b = (c.b * sa + d.b * d.a * (1 - sa)) / oa;
  d.a = oa;
}

void PicCanvas::Fill(const Box& bounds, const Inside& inside, const Paint& paint) {
  const int x0 = std::max(0, static_cast<int>(std::floor(bounds.left)));
  const int y0 = std::max(0, static_cast<int>(std::floor(bounds.top)));
  const int x1 = std::min(width_, static_cast<int>(std::ceil(bounds.right)));
  const int y1 = std::min(height_, static_cast<int>(std::ceil(bounds.bottom)));
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
          if (inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++hits;
      if (hits) Blend(x, y, paint(x + 0.5, y + 0.5), static_cast<double>(hits) / (kSamples * kSamples));
    }
}

void PicCanvas::Fill(const Box& bounds, const Inside& inside, Rgba colour) {
  Fill(bounds, inside, [colour](double, double) { return colour; });
}

void PicCanvas::FillText(const std::u16string& text, const std::u16string& face, int height, bool bold, bool italic,
                         double x, double y, Rgba colour) {
  gfx::PixelBuffer mask(width_, height_);
  mask.Clear();
  gfx::Surface s(mask.View());
  s.SetFont(TextFont(face, height, bold, italic));
  s.SetTextColor(0xFFFFFF);
  s.SetBkMode(gfx::BkMode::Transparent);
  s.TextOut(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)), text);
  for (int py = 0; py < height_; ++py) {
    const std::uint8_t* row = mask.Row(py);
    for (int px = 0; px < width_; ++px) {
      const int cover = std::max({row[px * 4], row[px * 4 + 1], row[px * 4 + 2]});
      if (cover) Blend(px, py, colour, cover / 255.0);
    }
  }
}

int PicCanvas::TextWidth(const std::u16string& text, const std::u16string& face, int height, bool bold, bool italic) {
  gfx::Surface s;
  s.SetFont(TextFont(face, height, bold, italic));
  return s.TextExtent(text).cx;
}

gfx::PixelBuffer PicCanvas::ToPixels() const {
  gfx::PixelBuffer out(width_, height_);
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* row = out.Row(y);
    for (int x = 0; x < width_; ++x) {
      const Rgba& c = px_[static_cast<std::size_t>(y) * width_ + x];
      auto byte = [](double v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
      row[x * 4] = byte(c.b);
      row[x * 4 + 1] = byte(c.g);
      row[x * 4 + 2] = byte(c.r);
      row[x * 4 + 3] = byte(c.a);
    }
  }
  return out;
}

Inside Disc(double cx, double cy, double r) {
  return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

Inside Ellipse(double cx, double cy, double rx, double ry) {
  return [=](double x, double y) {
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1;
  };
}

Inside Ring(double cx, double cy, double inner, double outer) {
  return [=](double x, double y) {
    const double d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
    return d <= outer * outer && d >= inner * inner;
  };
}

Inside RoundRect(const Box& b, double radius) {
  return [=](double x, double y) {
    if (x < b.left || x > b.right || y < b.top || y > b.bottom) return false;
    const double cx = std::clamp(x, b.left + radius, b.right - radius);
    const double cy = std::clamp(y, b.top + radius, b.bottom - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  };
}

Inside Polygon(std::vector<std::pair<double, double>> points) {
  return [pts = std::move(points)](double x, double y) {
    bool in = false;
    for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
      const auto [xi, yi] = pts[i];
      const auto [xj, yj] = pts[j];
      if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
    }
    return in;
  };
}

Inside Not(Inside a) {
  return [a = std::move(a)](double x, double y) { return !a(x, y); };
}

Inside And(Inside a, Inside b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && b(x, y); };
}

Inside Or(Inside a, Inside b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) || b(x, y); };
}

Inside Stroke(std::function<double(double)> f, double top, double bottom, double w) {
  return [f = std::move(f), top, bottom, w](double x, double y) {
    return y >= top && y <= bottom && std::abs(x - f(y)) <= w;
  };
}

Paint VerticalGradient(double y0, Rgba top, double y1, Rgba bottom) {
  return [=](double, double y) {
    const double t = std::clamp((y - y0) / (y1 - y0), 0.0, 1.0);
    return Rgba{top.r + (bottom.r - top.r) * t, top.g + (bottom.g - top.g) * t, top.b + (bottom.b - top.b) * t,
                top.a + (bottom.a - top.a) * t};
  };
}

}  // namespace picgen
