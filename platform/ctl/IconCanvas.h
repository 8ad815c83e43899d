#pragma once
// Internal: a small picture for drawing icons with smooth edges. Shapes are sampled 4 x 4
// times per pixel and composed over what is there; the result is a premultiplied 32-bit
// picture ready for an alpha blend.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/gfx/PixelBuffer.h"

namespace gfx {
class FontFace;
}

namespace ctl::detail {

class IconCanvas {
 public:
  IconCanvas(int width, int height);

  // Fills where inside(x, y) holds (coordinates in pixels, pixel centres at +0.5) with a
  // colour at the given opacity (0..1).
  void Fill(const std::function<bool(double, double)>& inside, gfx::TColor color, double opacity = 1.0);
  void Circle(double cx, double cy, double r, gfx::TColor color, double opacity = 1.0);
  // A stroke with round ends from (x0, y0) to (x1, y1).
  void Capsule(double x0, double y0, double x1, double y1, double radius, gfx::TColor color, double opacity = 1.0);
  void Triangle(double x0, double y0, double x1, double y1, double x2, double y2, gfx::TColor color,
                double opacity = 1.0);
  // A rectangle with rounded corners.
  void RoundRect(double l, double t, double r, double b, double radius, gfx::TColor color, double opacity = 1.0);
  // A glyph of a font face with its pen at (x, baseline).
  void Glyph(gfx::FontFace& face, char32_t c, int x, int baseline, gfx::TColor color);
  // Single pixels, for the small pictures drawn pixel by pixel.
  void Pixel(int x, int y, gfx::TColor color);
  void Rect(int l, int t, int r, int b, gfx::TColor color);

  // Premultiplied B, G, R, A.
  gfx::PixelBuffer Picture() const;

 private:
  void Blend(int x, int y, gfx::TColor color, double alpha);

  int width_;
  int height_;
  std::vector<double> px_;  // premultiplied r, g, b, a per pixel, 0..1
};

}  // namespace ctl::detail
