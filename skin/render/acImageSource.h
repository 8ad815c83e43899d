#pragma once
// Where an image entry's pictures come from and how they are told apart: the source
// bitmap (the entry's own or the manager's master bitmap), the picture a state shows, the
// entry's kind, and the nearest-pixel and smooth scaling of one piece into a temporary.
#include <cstdint>

#include "skin/data/acSkinRecords.h"
#include "skin/render/pixels/Bitmap32.h"

namespace skin {

// How the pixels of an entry are put down.
enum class TacImageKind { Masked, Alpha, KeyColor };

TacImageKind ImageKindOf(const TsMaskData& md);

// The bitmap R lies in: the entry's own, else the master bitmap of its manager; nullptr
// when the entry has neither or the bitmap is not 32-bit.
const Bitmap32* ImageSourceBitmap(const TsMaskData& md);

// The upper-left pixel of the picture state s shows: number min(s, ImageCount - 1).
TPoint StatePictureOrigin(const TsMaskData& md, int state);

// True when the exclusive rectangle lies wholly inside the bitmap.
bool PieceInside(const Bitmap32& bmp, int x, int y, int w, int h);

// The w x h piece at (x, y) of src scaled to dw x dh into a new bitmap, nearest pixel
// (source column x + i * w / dw). The piece must lie inside src.
Bitmap32Ptr StretchPieceNearest(const Bitmap32& src, int x, int y, int w, int h, int dw, int dh);

// The same with the smooth filter; a piece 1 pixel wide or high has its column or row
// doubled first, as the filter needs at least 2 x 2 pixels. The piece is not empty.
Bitmap32Ptr StretchPieceSmooth(const Bitmap32& src, int x, int y, int w, int h, int dw, int dh);

}  // namespace skin
