#pragma once
// TacBgInfo: what lies behind an area being painted, either a finished picture (with the
// offset that maps a destination position into it) or a plain fill colour.
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/sColors.h"

namespace skin {

struct TacBgInfo {
  Bitmap32* Bmp = nullptr;  // not owned
  int X = -99;
  int Y = -99;
  TColor FillColor = KeyColor;  // KeyColor: no colour
  TRect BorderFrame{};          // widths of the parent's border strips held by Bmp
  bool Ready = false;
};

// The shared empty record: no bitmap, offset -99, no colour, not ready.
const TacBgInfo& EmptyBgInfo();

// A ready record over a finished bitmap with the given offset.
TacBgInfo BgInfoFromBitmap(Bitmap32* bmp, int x, int y);

}  // namespace skin
