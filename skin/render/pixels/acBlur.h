#pragma once
// Blur of 8-bit grey pictures, used for the glow under text.
#include "skin/render/pixels/Bitmap32.h"

namespace skin {

// Kernel half-size that the blur of the given radius uses (0 for a radius that is not
// positive, where nothing is blurred).
int BlurKernelHalfSize(double radius);

// Blurs an 8-bit grey bitmap in place, rows first, then columns; edges repeat the border
// pixel. Does nothing for any other format.
void BlurGray8(Bitmap32* bmp, double radius);

}  // namespace skin
