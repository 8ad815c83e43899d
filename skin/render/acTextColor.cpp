#include "skin/render/acTextColor.h"

#include <algorithm>
#include <cmath>

#include "skin/data/sSkinManager.h"
#include "skin/render/pixels/acPixelEffects.h"

namespace skin {

std::uint32_t TonePixel(std::uint32_t pixel, std::uint32_t tone) {
  const std::uint32_t v = std::max({pixel & 0xFF, (pixel >> 8) & 0xFF, (pixel >> 16) & 0xFF});
  std::uint32_t out = pixel & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) out |= (((tone >> shift) & 0xFF) * v >> 8) << shift;
  return out;
}

std::uint32_t RotateHuePixel(std::uint32_t pixel, int offset) {
  const int b = pixel & 0xFF, g = (pixel >> 8) & 0xFF, r = (pixel >> 16) & 0xFF;
  const int mx = std::max({r, g, b}), mn = std::min({r, g, b});
  if (mx == 0 || mx == mn || offset == 0) return pixel;
  const double delta = mx - mn;
  double hue;
  if (mx == r) hue = 60.0 * (g - b) / delta;
  else if (mx == g) hue = 60.0 * (b - r) / delta + 120.0;
  else hue = 60.0 * (r - g) / delta + 240.0;
  if (hue < 0) hue += 360.0;
  int h = static_cast<int>(std::trunc(hue + offset)) % 360;
  if (h < 0) h += 360;

  const double s = delta / mx, v = mx;
  const int sector = h / 60;
  const double f = h / 60.0 - sector;
  const int p = static_cast<int>(v * (1 - s));
  const int q = static_cast<int>(v * (1 - s * f));
  const int t = static_cast<int>(v * (1 - s * (1 - f)));
  int nr, ng, nb;
  switch (sector) {
    case 0: nr = mx, ng = t, nb = p; break;
    case 1: nr = q, ng = mx, nb = p; break;
    case 2: nr = p, ng = mx, nb = t; break;
    case 3: nr = p, ng = q, nb = mx; break;
    case 4: nr = t, ng = p, nb = mx; break;
    default: nr = mx, ng = p, nb = q; break;
  }
  return (pixel & 0xFF000000u) | (std::uint32_t(nr) << 16) | (std::uint32_t(ng) << 8) | std::uint32_t(nb);
}

int SaturationAmount(int percent) {
  const long long amount = static_cast<long long>(percent) * 256 / 100;
  return static_cast<int>(std::clamp<long long>(amount, -255, 255));
}

TColor AdjustTextColor(TColor color, const TacColorAdjust& adjust) {
  // A system colour is resolved first: the steps below need its channels.
  std::uint32_t px = SwapRedBlue(ColorToRGB(color));
  if (adjust.ColorTone != clNone) px = TonePixel(px, SwapRedBlue(SkinColorToRGB(adjust.ColorTone)));
  if (adjust.HUEOffset != 0) px = RotateHuePixel(px, adjust.HUEOffset);
  if (adjust.Saturation != 0) px = ChangeSaturation(SaturationAmount(adjust.Saturation), px);
  return SwapRedBlue(px);
}

}  // namespace skin
