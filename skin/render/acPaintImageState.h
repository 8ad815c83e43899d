#pragma once
// Drawing one state picture of a skin image entry at a point (check marks, title bar
// buttons, corner ornaments, glyphs), in its normal or its faded look.
#include "platform/gfx/Geometry.h"
#include "skin/data/acSkinRecords.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/acBgInfo.h"

namespace skin {

enum class TacImageLook : int { Normal = 1, Faded = 2 };

// Puts the picture of state at p, cut to the destination (a negative p cuts off the
// picture's first columns or rows). bg shows under the key pixels of key-colour pictures
// of the master bitmap. Nothing is drawn for an entry without manager or pictures, or
// whose own bitmap is smaller than R.
void PaintImageState(Bitmap32* dst, TPoint p, int state, const TacBgInfo& bg, const TsMaskData& md,
                     TacImageLook look = TacImageLook::Normal);

}  // namespace skin
