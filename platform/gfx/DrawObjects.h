#pragma once
// Brushes and pens: small immutable values a drawing surface selects by copy. Colours are
// plain 0x00BBGGRR; system colours are resolved when the object is made.
#include <cstdint>

#include "platform/gfx/Color.h"

namespace gfx {

enum class BrushStyle : std::uint8_t { Solid, Null };

class Brush {
 public:
  Brush() = default;  // white, solid
  static Brush Solid(TColor c) { return Brush(BrushStyle::Solid, ColorToRGB(c) & 0xFFFFFF); }
  static Brush Null() { return Brush(BrushStyle::Null, 0); }

  BrushStyle Style() const { return style_; }
  bool IsNull() const { return style_ == BrushStyle::Null; }
  TColor Color() const { return color_; }

  friend bool operator==(const Brush&, const Brush&) = default;

 private:
  Brush(BrushStyle s, TColor c) : style_(s), color_(c) {}
  BrushStyle style_ = BrushStyle::Solid;
  TColor color_ = 0xFFFFFF;
};

// Pen styles with the platform's PS_ values.
enum class PenStyle : std::uint8_t {
  Solid = 0,
  Dash = 1,
  Dot = 2,
  DashDot = 3,
  DashDotDot = 4,
  Null = 5,
  InsideFrame = 6
};

class Pen {
 public:
  Pen() = default;  // black, solid, 1 pixel
  Pen(PenStyle style, int width, TColor c)
      : style_(style), width_(width < 1 ? 1 : width), color_(ColorToRGB(c) & 0xFFFFFF) {}
  static Pen Null() { return Pen(PenStyle::Null, 1, 0); }

  PenStyle Style() const { return style_; }
  bool IsNull() const { return style_ == PenStyle::Null; }
  int Width() const { return width_; }
  TColor Color() const { return color_; }

  friend bool operator==(const Pen&, const Pen&) = default;

 private:
  PenStyle style_ = PenStyle::Solid;
  int width_ = 1;
  TColor color_ = 0;
};

}  // namespace gfx
