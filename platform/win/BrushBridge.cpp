// The colour of a brush object of the drawing layer, for class backgrounds.
// Stand-in until the drawing layer's brush objects (its platform facade) are merged:
// until then only system colour backgrounds (COLOR_x + 1) are known to the window system.
#include "platform/win/Internal.h"

namespace win::detail {

bool SolidBrushColor(HBRUSH, gfx::TColor*) { return false; }

}  // namespace win::detail
