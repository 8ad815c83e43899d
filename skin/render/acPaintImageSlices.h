#pragma once
// Drawing a skin image entry as a frame of nine pieces that follows the size of the
// destination rectangle: corners as they are, edges and centre tiled or stretched. Three
// targets: an opaque picture, a picture whose alpha must stay meaningful, and the outer
// shadow or glow of a control. Bad input (no manager, no picture, a rectangle under
// 2 x 2, borders larger than the picture) draws nothing; an inverted rectangle is a
// caller error (asserted).
#include "platform/gfx/Geometry.h"
#include "skin/data/acSkinRecords.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/acBgInfo.h"

namespace skin {

// DrawMode bits of image drawing.
inline constexpr std::uint16_t dmStretch = 1;         // edges and centre stretched, else tiled
inline constexpr std::uint16_t dmHiddenInState0 = 2;  // nothing drawn for state 0
inline constexpr std::uint16_t dmCentre = 4;          // the centre piece is drawn

// The frame over an opaque destination. bg (offset already relative to dst) shows under
// the key pixels of the corners when cornersShowBg and the entry's Cfg says its corners
// hold key pixels.
void PaintImageSlices(Bitmap32* dst, const TRect& rect, const TacBgInfo& bg, bool cornersShowBg, int state,
                      const TsMaskData& md);

// The frame over a destination shown with per-pixel alpha. bg is a copy of the area taken
// before drawing (X = -rect.Left, Y = -rect.Top); it fills the corners' key pixels.
void PaintImageSlicesAlpha(Bitmap32* dst, const TRect& rect, const TacBgInfo& bg, int state, const TsMaskData& md);

// An outer effect frame with opacity 0..255. Each edge is drawn only as thick as the
// visible width of its side (Left, Top, Right, Bottom of visible), from the outer side
// of the source edge; the corners at full size.
void PaintImageSlicesOuter(Bitmap32* dst, const TRect& rect, const TacBgInfo& bg, std::uint8_t opacity,
                           const TRect& visible, int state, const TsMaskData& md);

// The border widths the frame uses in a rectangle of w x h: when the rectangle is smaller
// than two opposite borders they shrink by half the lack each (the odd pixel from the
// right or bottom one), never below 0. Left, Top, Right, Bottom hold l, t, r, b. w and h
// are not negative.
TRect SliceBorders(const TsMaskData& md, int w, int h);

}  // namespace skin
