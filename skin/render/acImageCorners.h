#pragma once
// The transparent (key-colour) corners of border images: repainting them in a control's
// cached picture when what lies behind has changed, and listing them as one-row
// rectangles for cutting window shapes.
#include <vector>

#include "platform/gfx/Geometry.h"
#include "skin/data/acSkinRecords.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/acBgInfo.h"

namespace skin {

// Corner sets of RefreshImageCorners.
enum TacCornerBits : unsigned {
  cbTopLeft = 1,
  cbBottomLeft = 2,
  cbTopRight = 4,
  cbBottomRight = 8,
  cbAllCorners = 15,
};

// Lays the corner pieces of the state picture (with the entry's own border widths) over
// the corners of cached: where the picture has the key colour, the cached pixel becomes
// the parent's pixel (bg.Bmp at the place moved by bg.X, bg.Y, when inside) or, without a
// bitmap, the parent's colour bg.FillColor (skipped when it is the key colour). Does
// nothing unless the entry's Cfg says its corners hold key pixels. The control-level
// caller asks the parent for bg with the offset already corrected by the control's place.
void RefreshImageCorners(Bitmap32* cached, const TacBgInfo& bg, const TsMaskData& md, int state, unsigned corners);

// Appends the key-colour pixels of picture 0's top corners (bottom corners when bottom)
// to runs as one-row rectangles, for a destination dstWidth wide: row r of the corner
// lands on firstRow + r (less inset for the bottom ones), columns move in by inset.
void CornerTransparentRuns(std::vector<TRect>& runs, int dstWidth, const TsMaskData& md, int inset, bool bottom,
                           int firstRow);

}  // namespace skin
