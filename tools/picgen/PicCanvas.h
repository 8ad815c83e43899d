#pragma once
// A picture being drawn: straight-alpha colour per pixel that starts fully transparent,
// and shapes filled with anti-aliasing (each pixel sampled 4 x 4 times inside the shape's
// bounds) and composed source-over. Shapes are given as inside tests in pixel
// coordinates (a pixel's centre is at +0.5). Not responsible for files.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/gfx/PixelBuffer.h"

namespace picgen {

struct Rgba {
  double r = 0, g = 0, b = 0, a = 1;  // 0..1
};
Rgba Hex(std::uint32_t rgb, double alpha = 1.0);

struct Box {
  double left, top, right, bottom;
};

using Inside = std::function<bool(double x, double y)>;
// The colour at a point of a shape (for gradients).
using Paint = std::function<Rgba(double x, double y)>;

class PicCanvas {
 public:
  PicCanvas(int width, int height);

  void Fill(const Box& bounds, const Inside& inside, const Paint& paint);
  void Fill(const Box& bounds, const Inside& inside, Rgba colour);
  // White text in the given face and pixel height, used as a shape: its coverage is taken
  // from the glyphs the drawing layer renders; (x, y) is the top-left of the text cell.
  void FillText(const std::u16string& text, const std::u16string& face, int height, bool bold, bool italic, double x,
                double y, Rgba colour);
  // The width of that text in pixels.
  static int TextWidth(const std::u16string& text, const std::u16string& face, int height, bool bold, bool italic);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // B, G, R, A with straight alpha.
  gfx::PixelBuffer ToPixels() const;

 private:
  void Blend(int x, int y, Rgba c, double coverage);

  int width_, height_;
  std::vector<Rgba> px_;
};

// Shapes.
Inside Disc(double cx, double cy, double r);
Inside Ellipse(double cx, double cy, double rx, double ry);
Inside Ring(double cx, double cy, double inner, double outer);
Inside RoundRect(const Box& b, double radius);
// Any simple polygon (even-odd rule).
Inside Polygon(std::vector<std::pair<double, double>> points);
Inside Not(Inside a);
Inside And(Inside a, Inside b);
Inside Or(Inside a, Inside b);
// A band of half-width w around the curve x = f(y), for top <= y <= bottom.
Inside Stroke(std::function<double(double)> f, double top, double bottom, double w);

// A vertical gradient from `top` at y0 to `bottom` at y1.
Paint VerticalGradient(double y0, Rgba top, double y1, Rgba bottom);

}  // namespace picgen
