#pragma once
// The dotted outline of a focused control: dots on every second pixel of each edge, in
// two alternating colours.
#include "platform/gfx/Geometry.h"
#include "skin/render/pixels/sColors.h"

namespace gfx {
class Surface;
}

namespace skin {

// With rect's right and bottom made inclusive (each minus 1) and w2, h2 half of the
// inclusive width and height: colour1 at x = Left + 2k - 1 and colour2 at x = Left + 2k
// (k = 1 .. w2) on the top and bottom rows, likewise on the left and right columns at
// y = Top + 2k - 1 and Top + 2k (k = 1 .. h2). A colour clNone (0x1FFFFFFF) is not drawn.
void DrawDottedFrame(gfx::Surface& surface, const gfx::TRect& rect, TColor color1, TColor color2);

}  // namespace skin
