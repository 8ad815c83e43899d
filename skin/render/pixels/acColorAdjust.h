#pragma once
// The colour adjustments a control may ask of its finished picture: a tone, a hue
// rotation and a saturation change, as single-pixel steps and over a whole bitmap.
#include <cstdint>

#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/sColors.h"

namespace skin {

// Tone toward a colour value: v = max(R, G, B) of the pixel, then each channel becomes
// (v * the tone's channel) >> 8. A kept.
std::uint32_t TonePixel(std::uint32_t pixel, TColor tone);

// Rotates the hue by offset degrees (any sign): hue, saturation and value by the six-sector
// rule, hue' = trunc(hue + offset) taken into 0..359, channels truncated on the way back.
// Grey pixels (black included) have no hue and are returned unchanged. A kept.
std::uint32_t RotateHue(std::uint32_t pixel, int offset);

// The ChangeSaturation amount of a control's saturation percentage: percent * 255 / 100,
// limited to -255..255.
int SaturationAmount(int percent);

// Pixel operations for ForEachPixel: arg is the tone colour value, or the hue offset.
std::uint32_t PixelOpTone(std::uint32_t pixel, int tone);
std::uint32_t PixelOpHue(std::uint32_t pixel, int offset);

// The adjustments in their order over every pixel but the key colour: the tone (skipped
// when tone is clNone), the hue rotation (when hueOffset is not 0), the saturation change
// (when saturationAmount is not 0). The tone is a plain colour value (already resolved).
void ApplyColorAdjustments(Bitmap32* bmp, TColor tone, int hueOffset, int saturationAmount);

}  // namespace skin
