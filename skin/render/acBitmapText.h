#pragma once
// Text merged into a 32-bit picture: rendered black on white into a temporary of the
// text rectangle's size, then mixed into the picture by its coverage, either keeping the
// picture opaque or building a premultiplied picture with alpha around the letters.
#include <string_view>

#include "platform/gfx/Geometry.h"
#include "skin/render/pixels/sColors.h"

namespace skin {

class Bitmap32;
class TacSkinLoader;

// Renders text with bmp's font and the format into a temporary and merges it into bmp at
// rect (cut to bmp) in colour `color`. Pixels under white parts of the temporary (B, G, R
// all 255) stay as they are. With coverage m (the temporary's rounded luminance):
//  - alphaMode true: A' = max(A, 255 - m), each channel ((((d - c) x m) + c x 256) x A') >> 16;
//    where the temporary is black (full coverage) A' = max(A, 254) and each channel
//    ((d + c x 255) x A') >> 16. The result is premultiplied.
//  - alphaMode false: A' = 255, each channel ((d - c) x t + c x 256) >> 8 with t the
//    temporary's own channel.
void DrawTextOnBitmap32(Bitmap32* bmp, std::u16string_view text, bool alphaMode, TColor color, unsigned format,
                        const gfx::TRect& rect);

// Text in the colours of section `section` in state `state` merged into bmp (nullptr
// manager: the default manager). With alphaMode the state's contour colours that are not
// -1 are merged first (left, top, right, bottom, each moved one pixel toward its side),
// then the text; without alphaMode only the text. Without a valid section the text takes
// the colour of bmp's surface.
void WriteBitmapText(Bitmap32* bmp, std::u16string_view text, bool alphaMode, const TacSkinLoader* manager, int state,
                     int section, unsigned format, const gfx::TRect& rect);

}  // namespace skin
