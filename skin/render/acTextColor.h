#pragma once
// The colour settings of a control (tone, hue rotation, saturation) applied to a single
// colour value, as captions, contours and glows are adjusted. The pixel steps
// (acColorAdjust) work on pixels (B in the low byte), so a colour value is turned into a
// pixel first and back afterwards.
#include <cstdint>

#include "skin/render/pixels/sColors.h"

namespace skin {

// The colour settings a control's skin state publishes.
struct TacColorAdjust {
  TColor ColorTone = clNone;  // clNone: no tone
  int HUEOffset = 0;          // degrees
  int Saturation = 0;         // percent, -100 .. 100 in use
};

// The saturation amount a caption's percentage stands for: percent x 256 / 100 (finished
// control pictures use SaturationAmount's x 255), limited to the -255 .. 255 that
// ChangeSaturation is defined for.
int TextSaturationAmount(int percent);

// The colour resolved to plain RGB, then toned (the tone resolved through the default
// manager's colour lookup), hue-rotated and saturated as the settings say.
TColor AdjustTextColor(TColor color, const TacColorAdjust& adjust);

}  // namespace skin
