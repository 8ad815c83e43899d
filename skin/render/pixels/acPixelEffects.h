#pragma once
// Whole-picture colour effects: per-pixel operations, saturation, grey, tint, the look of
// a disabled control and tinting a rectangle toward a colour.
#include <cstdint>

#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/acBgInfo.h"
#include "skin/render/pixels/sColors.h"

namespace skin {

using PixelOp = std::uint32_t (*)(std::uint32_t pixel, int arg);

// Applies op to every pixel; when key is not NoKey it is a colour value, converted with
// SwapRedBlue, and pixels equal to it are skipped.
void ForEachPixel(Bitmap32* bmp, PixelOp op, int arg, std::uint32_t key);

// Saturation change by amount -255..255 (negative: toward grey); A kept.
std::uint32_t ChangeSaturation(int amount, std::uint32_t pixel);

// Pixel operations for ForEachPixel.
std::uint32_t PixelOpSaturation(std::uint32_t pixel, int amount);
std::uint32_t PixelOpOpaque(std::uint32_t pixel, int unused);

// Rounded luminance R*0.299 + G*0.587 + B*0.114 (half to even).
std::uint8_t PixelGray(std::uint32_t pixel);

// R = G = B = luminance for every pixel, or every pixel whose whole value differs from
// keyPixel (a pixel value) unless NoKey. A kept.
void MakeGrayscale(Bitmap32* bmp, std::uint32_t keyPixel = NoKey);

// Pulls every non-key pixel toward a colour value: d' = (d * w + c * (255 - w)) >> 8.
void TintBitmap(Bitmap32* bmp, std::uint8_t w, TColor color);

// The look of disabled controls; its engine-wide values are PixelTuning()'s.
enum TsDisabledKindFlag : unsigned { dkBlended = 1, dkGrayed = 2 };
using TsDisabledKind = unsigned;

// The background colour a control reports when nothing behind it is known.
class IBackgroundColorSource {
 public:
  virtual ~IBackgroundColorSource() = default;
  virtual TColor BackgroundColor() const = 0;
};

// Turns the finished picture of a disabled control into its disabled look: greyed first,
// then blended with what lies behind it (or shaded toward a background colour).
void ApplyDisabledLook(Bitmap32* bmp, TsDisabledKind kinds, const IBackgroundColorSource* control, TPoint pos,
                       const TacBgInfo& bg);

// Pulls rect toward colour, keeping about keepPercent of the picture; with a corner radius
// and an edge softness the tint weakens toward the edges over softness + 1 rings.
void TintRectToColor(Bitmap32* bmp, const TRect& rect, int keepPercent, int radius, int softness, TColor color);

}  // namespace skin
