#pragma once
// Internal: what a window owes the screen (update region, erase and frame flags), its
// window region and layering, and, for top-level windows, the backing picture its whole
// tree paints into.
#include <optional>

#include "platform/gfx/Color.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/gfx/Region.h"

namespace win::detail {

struct LayeredState {
  bool attributesSet = false;  // SetLayeredWindowAttributes was called
  unsigned flags = 0;          // LWA_ALPHA, LWA_COLORKEY
  std::uint8_t alpha = 255;
  gfx::TColor colorKey = 0;
  bool perPixel = false;             // UpdateLayeredWindow supplied the picture
  std::uint8_t constantAlpha = 255;  // the blend function's constant alpha for perPixel
};

struct PaintState {
  gfx::Region update;                       // client coordinates
  bool erase = false;                       // WM_ERASEBKGND owed with the next WM_PAINT
  bool frame = false;                       // WM_NCPAINT owed
  bool internal = false;                    // RDW_INTERNALPAINT: WM_PAINT owed even with an empty region
  bool inPaint = false;                     // between BeginPaint and EndPaint
  bool served = false;                      // the last WM_PAINT began a paint or validated something
  bool ncActive = false;                    // the frame shows the active look (WM_NCACTIVATE)
  std::optional<gfx::Region> windowRegion;  // window coordinates
  LayeredState layered;
  gfx::PixelBuffer backing;  // top-level windows only: the window's whole picture
};

}  // namespace win::detail
