#pragma once
// What lies behind an area being painted, put into it: a copy of the parent's finished
// picture, or the parent's plain colour with the border strips its picture already holds.
// Offsets here are relative to the bitmap written: its pixel (x, y) lies over pixel
// (x + bg.X, y + bg.Y) of bg.Bmp.
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/acBgInfo.h"
#include "skin/render/pixels/sColors.h"

namespace skin {

// bg for a rectangle whose top-left corner lies at pos in the parent: relative to the
// bitmap that holds the rectangle at rectTopLeft.
TacBgInfo BgAtTarget(const TacBgInfo& bg, TPoint pos, TPoint rectTopLeft);

// Copies the four border strips of bg.Bmp (BorderFrame holds their widths, measured from
// the bitmap's edges) where they lie under area. Nothing outside the bitmap is read.
void CopyBorderStrips(Bitmap32* dst, const TRect& area, const TacBgInfo& bg);

// Fills area with what lies behind. A ready record copies its bitmap (nothing when that
// bitmap is dst itself); a record that is not ready fills its FillColor (alpha 255) and
// copies the border strips its bitmap holds. Where neither gives a pixel (the area reaches
// past the bitmap, a ready record has no bitmap, no colour is known) the fallback colour
// is filled, alpha 255; a fallback of KeyColor leaves those pixels as they are.
void GiveBehind(Bitmap32* dst, const TRect& area, const TacBgInfo& bg, TColor fallback);

// Fills the part of area outside inner (which lies inside area, or is empty) with the
// colour, alpha 255.
void FillAround(Bitmap32* dst, const TRect& area, const TRect& inner, TColor color);

}  // namespace skin
