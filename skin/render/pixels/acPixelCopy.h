#pragma once
// Plain copies of pixel rectangles between 32-bit bitmaps (all four bytes).
#include "skin/render/pixels/Bitmap32.h"

namespace skin {

// Copies srcRect (exclusive) of src to the point at of dst, cut to both bitmaps; dst may be
// src (overlapping areas copy as if through a snapshot). False when nothing is left after
// the cut; covered, when given, receives the destination area written.
bool CopyBitmapRect(Bitmap32* dst, const Bitmap32* src, TPoint at, const TRect& srcRect, TRect* covered = nullptr);

}  // namespace skin
