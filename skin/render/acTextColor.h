#pragma once
// The colour settings of a control (tone, hue rotation, saturation) applied to a single
// colour value, as captions, contours and glows are adjusted; and the two pixel steps
// they are made of. The steps work on pixels (B in the low byte), so a colour value is
// turned into a pixel first and back afterwards.
#include <cstdint>

#include "skin/render/pixels/sColors.h"

namespace skin {

// The colour settings a control's skin state publishes.
struct TacColorAdjust {
  TColor ColorTone = clNone;  // clNone: no tone
  int HUEOffset = 0;          // degrees
  int Saturation = 0;         // percent, -100 .. 100 in use
};

// Tone: with v the largest of B, G, R, each channel becomes (v x tone channel) >> 8. A is
// kept. tone is a pixel value.
std::uint32_t TonePixel(std::uint32_t pixel, std::uint32_t tone);

// Hue rotation by offset degrees through hue, saturation and value (value the largest
// channel, saturation (max - min) / max, hue by the six-sector rule); the new hue is
// trunc(hue + offset) modulo 360 and the channels are truncated on the way back. Grey
// pixels (black included) are returned unchanged. A is kept.
std::uint32_t RotateHuePixel(std::uint32_t pixel, int offset);

// The saturation amount a percentage stands for: percent x 256 / 100, limited to the
// -255 .. 255 that ChangeSaturation is defined for.
int SaturationAmount(int percent);

// The colour resolved to plain RGB, then toned (the tone resolved through the default
// manager's colour lookup), hue-rotated and saturated as the settings say.
TColor AdjustTextColor(TColor color, const TacColorAdjust& adjust);

}  // namespace skin
