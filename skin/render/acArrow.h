#pragma once
// The small solid triangle arrow: 5 pixels across at 96 dots per inch, scaled with the
// density, pointing to one side.
#include "platform/gfx/Geometry.h"
#include "skin/data/acSkinRecords.h"
#include "skin/render/pixels/sColors.h"

namespace skin {

class Bitmap32;

// Sizes of the arrow at a density: n = 5 x ppi / 96 across, h = n / 2 + n mod 2 deep.
struct TacArrowSize {
  int N, H;
};
constexpr TacArrowSize ArrowSizeAt(int ppi) {
  const int n = 5 * ppi / 96;
  return {n, n / 2 + n % 2};
}

// Draws the arrow centred in rect in the pixel SwapRedBlue(color) (byte A from the
// colour's high byte). Up and down arrows are n wide and h high, left and right ones h
// wide and n high; the left arrow is the right one mirrored. Nothing is drawn when the
// arrow would start left of or above the bitmap or end beyond its right or bottom edge.
void DrawArrow(Bitmap32* bmp, TColor color, const gfx::TRect& rect, int ppi, TacSide direction);

}  // namespace skin
