#include "skin/render/acTextColor.h"

#include <algorithm>

#include "skin/data/sSkinManager.h"
#include "skin/render/pixels/acColorAdjust.h"
#include "skin/render/pixels/acPixelEffects.h"

namespace skin {

int TextSaturationAmount(int percent) {
  const long long amount = static_cast<long long>(percent) * 256 / 100;
  return static_cast<int>(std::clamp<long long>(amount, -255, 255));
}

TColor AdjustTextColor(TColor color, const TacColorAdjust& adjust) {
  // A system colour is resolved first: the steps below need its channels.
  std::uint32_t px = SwapRedBlue(ColorToRGB(color));
  if (adjust.ColorTone != clNone) px = TonePixel(px, SkinColorToRGB(adjust.ColorTone));
  if (adjust.HUEOffset != 0) px = RotateHue(px, adjust.HUEOffset);
  if (adjust.Saturation != 0) px = ChangeSaturation(TextSaturationAmount(adjust.Saturation), px);
  return SwapRedBlue(px);
}

}  // namespace skin
