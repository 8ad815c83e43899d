#pragma once
// Per-pixel steps shared by the drawing operations: colour values to pixels, exact
// division by 255 and source-over composition of a colour with an alpha.
#include <cstdint>

#include "platform/gfx/Color.h"

namespace gfx {

// x / 255 rounded to the nearest integer, for 0 <= x <= 255 * 255 + 255.
constexpr std::uint32_t Div255(std::uint32_t x) { return (x + 128 + ((x + 128) >> 8)) >> 8; }

// Colour value 0x00BBGGRR to pixel 0xAARRGGBB.
constexpr std::uint32_t ColorToPixel(TColor c, std::uint32_t alpha = 255) {
  return (alpha << 24) | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

// Pixel 0xAARRGGBB to colour value 0x00BBGGRR (alpha dropped).
constexpr TColor PixelToColor(std::uint32_t p) { return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16); }

// Source-over of an opaque colour pixel (its A ignored) with alpha a onto d:
// each of B, G, R moves toward the colour by a / 255, and A' = A + (255 - A) x a / 255.
inline std::uint32_t BlendOver(std::uint32_t d, std::uint32_t colour, std::uint32_t a) {
  if (a == 0) return d;
  if (a >= 255) return colour | 0xFF000000u;
  const std::uint32_t na = 255 - a;
  const std::uint32_t b = Div255((d & 0xFF) * na + (colour & 0xFF) * a);
  const std::uint32_t g = Div255(((d >> 8) & 0xFF) * na + ((colour >> 8) & 0xFF) * a);
  const std::uint32_t r = Div255(((d >> 16) & 0xFF) * na + ((colour >> 16) & 0xFF) * a);
  const std::uint32_t da = d >> 24;
  const std::uint32_t al = da + Div255((255 - da) * a);
  return (al << 24) | (r << 16) | (g << 8) | b;
}

// Source-over of a pixel with its own straight (not premultiplied) alpha, scaled by
// coverage c (0..255).
inline std::uint32_t BlendOverStraight(std::uint32_t d, std::uint32_t s, std::uint32_t c = 255) {
  return BlendOver(d, s & 0xFFFFFFu, Div255((s >> 24) * c));
}

}  // namespace gfx
