#pragma once
// Two-pass separable resampling of 32-bit pictures with seven filters.
#include <vector>

#include "skin/render/pixels/Bitmap32.h"

namespace skin {

enum TacResizeFilter : int {
  rfBox = 0,
  rfTriangle = 1,
  rfHermite = 2,
  rfBell = 3,
  rfBSpline = 4,
  rfLanczos3 = 5,
  rfMitchell = 6,
};

// Support and kernel of a filter; an unknown filter number behaves as Mitchell.
double FilterSupport(int filter);
double FilterWeight(int filter, double x);

// One tap of a resampling pass: input index and fixed-point weight (weight * 65536).
struct ResampleTap {
  int index;
  int weight;
};

// The taps for every output position of a pass from inLen to outLen samples.
std::vector<std::vector<ResampleTap>> ResampleTaps(int inLen, int outLen, int filter);

// Resizes src into dst (dst is resized to newW x newH). Nothing happens for a source
// smaller than 2 x 2 or a size that is not positive; an unchanged size copies.
void SmoothResize(const Bitmap32* src, Bitmap32* dst, int newW, int filter, int newH);

}  // namespace skin
