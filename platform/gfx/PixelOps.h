#pragma once
// Per-pixel steps shared by the drawing operations, the window system's compositor and
// icons, and the skin tools: colour values to pixels, division by 255, and the blends.
// Pixels are 0xAARRGGBB (B, G, R, A in memory). Each name says how it rounds:
//  - ...255Round: the exact quotient by 255 rounded to the nearest integer. For the
//    ranges named here this equals (x + 127) / 255, the form the compositor and the
//    icons used to write out, so every path rounds alike.
// The skin engine's own blend step (a shift by 8, deliberately not a division by 255)
// lives with the skin.
#include <cstdint>

#include "platform/gfx/Color.h"

namespace gfx {

// x / 255 rounded to the nearest integer (no halves occur), for 0 <= x <= 255 * 255 + 255.
constexpr std::uint32_t Div255Round(std::uint32_t x) { return (x + 128 + ((x + 128) >> 8)) >> 8; }

// a x b / 255 rounded to the nearest integer, for channel values a, b in 0..255.
constexpr std::uint32_t MulDiv255Round(std::uint32_t a, std::uint32_t b) { return Div255Round(a * b); }

// One channel mixed toward s by a / 255: (s x a + d x (255 - a)) / 255 rounded, for s, d,
// a in 0..255.
constexpr std::uint32_t Mix255Round(std::uint32_t s, std::uint32_t d, std::uint32_t a) {
  return Div255Round(s * a + d * (255 - a));
}

namespace detail {

// The blends below on the lowest `bytes` bytes of a pixel (3: B, G, R; 4: all).
template <int bytes>
constexpr std::uint32_t MixBytes(std::uint32_t d, std::uint32_t s, std::uint32_t a) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 8 * bytes; shift += 8)
    out |= Mix255Round((s >> shift) & 0xFF, (d >> shift) & 0xFF, a) << shift;
  return out;
}

template <int bytes>
constexpr std::uint32_t BlendPremultipliedBytes(std::uint32_t d, std::uint32_t s, std::uint32_t ca) {
  const std::uint32_t sa = MulDiv255Round(s >> 24, ca);
  std::uint32_t out = 0;
  for (int shift = 0; shift < 8 * bytes; shift += 8) {
    const std::uint32_t v = MulDiv255Round((s >> shift) & 0xFF, ca) + MulDiv255Round((d >> shift) & 0xFF, 255 - sa);
    out |= (v < 255 ? v : 255) << shift;
  }
  return out;
}

}  // namespace detail

// All four bytes of d mixed toward s by a constant alpha a (0..255), each by Mix255Round.
constexpr std::uint32_t MixPixel255Round(std::uint32_t d, std::uint32_t s, std::uint32_t a) {
  return detail::MixBytes<4>(d, s, a);
}
// The same on B, G, R, with A = 255: onto an opaque picture (the screen, a sheet).
constexpr std::uint32_t MixPixelOpaque255Round(std::uint32_t d, std::uint32_t s, std::uint32_t a) {
  return detail::MixBytes<3>(d, s, a) | 0xFF000000u;
}

// A premultiplied source pixel scaled by a constant alpha ca (0..255), then source-over
// onto d, all four bytes: with sa = MulDiv255Round(A_s, ca), each byte becomes
// MulDiv255Round(s, ca) + MulDiv255Round(d, 255 - sa), limited to 255 (a source that is
// not truly premultiplied could exceed it).
constexpr std::uint32_t BlendPremultiplied255Round(std::uint32_t d, std::uint32_t s, std::uint32_t ca) {
  return detail::BlendPremultipliedBytes<4>(d, s, ca);
}
// The same on B, G, R, with A = 255: onto an opaque picture (the screen).
constexpr std::uint32_t BlendPremultipliedOpaque255Round(std::uint32_t d, std::uint32_t s, std::uint32_t ca) {
  return detail::BlendPremultipliedBytes<3>(d, s, ca) | 0xFF000000u;
}

// A straight-alpha pixel to premultiplied: B, G, R times A / 255 rounded; A stays.
constexpr std::uint32_t Premultiply255Round(std::uint32_t px) {
  const std::uint32_t a = px >> 24;
  if (a == 255) return px;
  std::uint32_t out = px & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) out |= MulDiv255Round((px >> shift) & 0xFF, a) << shift;
  return out;
}

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
  const std::uint32_t b = Mix255Round(colour & 0xFF, d & 0xFF, a);
  const std::uint32_t g = Mix255Round((colour >> 8) & 0xFF, (d >> 8) & 0xFF, a);
  const std::uint32_t r = Mix255Round((colour >> 16) & 0xFF, (d >> 16) & 0xFF, a);
  const std::uint32_t da = d >> 24;
  const std::uint32_t al = da + Div255Round((255 - da) * a);
  return (al << 24) | (r << 16) | (g << 8) | b;
}

// Source-over of a pixel with its own straight (not premultiplied) alpha, scaled by
// coverage c (0..255).
inline std::uint32_t BlendOverStraight(std::uint32_t d, std::uint32_t s, std::uint32_t c = 255) {
  return BlendOver(d, s & 0xFFFFFFu, Div255Round((s >> 24) * c));
}

}  // namespace gfx
