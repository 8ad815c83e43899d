#pragma once
// The platform's solid fill of a rectangle on a drawing surface, for the skin engine.
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

namespace gfx {
class Surface;
}

namespace skin {

// Fills rect (logical coordinates of the surface) with ColorToRGB(color); the surface's
// brush and the rest of its state are unchanged afterwards. On 32-bit pixels byte A
// becomes 255 (callers that need another alpha use FillPixels).
void FillRectSolid(gfx::Surface* surface, const gfx::TRect& rect, gfx::TColor color);

}  // namespace skin
