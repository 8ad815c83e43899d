#include "skin/render/pixels/acSolidFill.h"

#include "platform/gfx/Surface.h"

namespace skin {

void FillRectSolid(gfx::Surface* surface, const gfx::TRect& rect, gfx::TColor color) {
  if (surface == nullptr) return;
  surface->FillRect(rect, gfx::Brush::Solid(gfx::ColorToRGB(color)));
}

}  // namespace skin
