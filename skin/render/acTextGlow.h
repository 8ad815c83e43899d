#pragma once
// The blurred glow (or shadow) behind a caption: an 8-bit grey mask of the text, blurred,
// merged into a 32-bit picture in the glow colour. The mask is the only state of the text
// routines; the caller keeps it between paints of the same text and size and drops it
// when the text changes.
#include <string_view>

#include "platform/gfx/Geometry.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/sColors.h"

namespace skin {

// The glow directions: the text is drawn once more into the mask moved by one pixel
// toward each direction given.
enum TacGlowDirection : unsigned { gdLeft = 1, gdUp = 2, gdRight = 4, gdDown = 8, gdAll = 15 };

// The largest blur radius used. The blur reaches no further than 16 pixels whatever the
// radius, so a larger radius (a skin may ask for any) would only enlarge the mask.
inline constexpr int acMaxGlowRadius = 32;

// Merges the glow of text (drawn with the picture's font and format into rect moved by
// (+1, +1)) into bmp. The mask is rect's size enlarged by radius + 4 on every side; mask
// is reused as it is when it has exactly that size, else made anew (white, the text in
// black, once more per direction bit, then BlurGray8 with the radius) and left in mask.
// Every mask value v below 255 mixes the glow colour g into the pixel at its place
// (places outside bmp are skipped): A' = A + ((255 - A) x (255 - v)) >> 8, each channel
// ((255 - v) x g + d x v) >> 8. The radius is limited to 0 .. acMaxGlowRadius.
void PaintTextGlow(Bitmap32* bmp, std::u16string_view text, const gfx::TRect& rect, Bitmap32Ptr& mask, TColor color,
                   int radius, unsigned directions, unsigned format);

}  // namespace skin
