#pragma once
// Gradients of skin sections: the stops parsed from GRADIENTDATA texts and painting them.
#include <cstdint>
#include <string_view>
#include <vector>

#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/sColors.h"

namespace skin {

// Mode bits of a stop.
constexpr std::int32_t gdDirectionMask = 0x03;  // 0 vertical, 1 horizontal, 2 four-corner, 3 none
constexpr std::int32_t gdBrushSegment = 0x10;   // segment drawn with an alpha gradient brush
constexpr std::int32_t gdAlphaGradient = 0x20;  // first stop: the gradient has alpha

// One gradient stop. Stops are held in memory only, so the record keeps natural alignment.
struct TsGradPoint {
  std::uint16_t Index = 0;
  std::int32_t Mode = 0;
  TsColor Color{};
  std::uint8_t Percent = 0;
};

using TsGradArray = std::vector<TsGradPoint>;

// Parses a GRADIENTDATA text (five-item groups ending in "0", or three-item groups ending in
// a capital letter giving the stop count). Texts of 4 characters or fewer give no stops.
TsGradArray ParseGradientData(std::string_view text);

// Paints the gradient into rect (cut to the bitmap); extra lengthens a vertical gradient.
// Segments with a brush stop are composed source-over with their stops' alpha; the
// four-corner kind is four triangle gradients, or one path gradient when it has alpha.
void FillGradient(Bitmap32* bmp, const TRect& rect, const TsGradArray& stops, int extra);

}  // namespace skin
