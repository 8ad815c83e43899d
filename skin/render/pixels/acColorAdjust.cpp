#include "skin/render/pixels/acColorAdjust.h"

#include <algorithm>

#include "skin/render/pixels/acPixelEffects.h"

namespace skin {
namespace {

// Truncation that ignores the last bits of floating-point error, so that a value meant to
// be a whole number is not taken one below it.
int Trunc(double v) { return static_cast<int>(v + (v >= 0 ? 1e-9 : -1e-9)); }

std::uint32_t Pack(std::uint32_t alpha, int r, int g, int b) {
  return alpha | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(b);
}

}  // namespace

std::uint32_t TonePixel(std::uint32_t pixel, TColor tone) {
  const std::uint32_t r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  const std::uint32_t v = std::max({r, g, b});
  const TsColor t(tone);
  return Pack(pixel & 0xFF000000u, (v * t.R()) >> 8, (v * t.G()) >> 8, (v * t.B()) >> 8);
}

std::uint32_t RotateHue(std::uint32_t pixel, int offset) {
  const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  const int mx = std::max({r, g, b}), mn = std::min({r, g, b});
  // Greys, black among them, have saturation 0 and no hue; testing that first also keeps
  // the saturation's division by the value away from black.
  if (mx == mn) return pixel;
  const double delta = mx - mn;
  double hue;
  if (mx == r) hue = 60.0 * (g - b) / delta;
  else if (mx == g) hue = 60.0 * (b - r) / delta + 120.0;
  else hue = 60.0 * (r - g) / delta + 240.0;
  if (hue < 0) hue += 360.0;
  // Taken into 0..359 for offsets of either sign.
  const int h = ((Trunc(hue + offset) % 360) + 360) % 360;

  const double v = mx, s = delta / mx;
  const int sector = h / 60;
  const double f = (h % 60) / 60.0;
  const int p = Trunc(v * (1.0 - s));
  const int q = Trunc(v * (1.0 - s * f));
  const int t = Trunc(v * (1.0 - s * (1.0 - f)));
  const std::uint32_t a = pixel & 0xFF000000u;
  switch (sector) {
    case 0: return Pack(a, mx, t, p);
    case 1: return Pack(a, q, mx, p);
    case 2: return Pack(a, p, mx, t);
    case 3: return Pack(a, p, q, mx);
    case 4: return Pack(a, t, p, mx);
    default: return Pack(a, mx, p, q);
  }
}

int SaturationAmount(int percent) {
  return static_cast<int>(std::clamp<std::int64_t>(std::int64_t(percent) * 255 / 100, -255, 255));
}

std::uint32_t PixelOpTone(std::uint32_t pixel, int tone) { return TonePixel(pixel, static_cast<TColor>(tone)); }

std::uint32_t PixelOpHue(std::uint32_t pixel, int offset) { return RotateHue(pixel, offset); }

void ApplyColorAdjustments(Bitmap32* bmp, TColor tone, int hueOffset, int saturationAmount) {
  if (tone != clNone) ForEachPixel(bmp, PixelOpTone, static_cast<int>(tone), KeyColor);
  if (hueOffset != 0) ForEachPixel(bmp, PixelOpHue, hueOffset, KeyColor);
  if (saturationAmount != 0) ForEachPixel(bmp, PixelOpSaturation, saturationAmount, KeyColor);
}

}  // namespace skin
