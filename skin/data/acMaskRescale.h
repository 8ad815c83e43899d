#pragma once
// Preparing image entries for a density other than the one their pictures were drawn for,
// and the corner test of border images. Integer arithmetic as the loader defines it.
#include <cstdint>

#include "skin/data/acSkinRecords.h"

namespace skin {

// v * mul / div rounded to the nearest integer, halves away from zero (0 when div is 0).
std::int32_t MulDivRound(std::int32_t v, std::int32_t mul, std::int32_t div);

// Rescales the pictures of md (read from source at md.R: the entry's own picture or the
// master bitmap) from md.DivPPI to md.MulPPi with the Mitchell filter. Key pixels of the
// corners become the main colour with alpha 0 before resampling so that they do not bleed,
// and turn back into key pixels afterwards; keyless switches that off for pictures
// without a key colour. On success md's area, sizes and border widths describe the new
// picture, which is returned (md.Bmp is not set). Returns nullptr and leaves md as it is
// when the entry is too small to rescale (borders of 1 pixel on both sides, a picture of
// 2 pixels or less). An image count of 0 counts as 1.
Bitmap32Ptr RescaleMaskPicture(TsMaskData& md, const Bitmap32& source, bool keyless, TColor mainColor);

// The Cfg of a border image: 1 when some corner area (WL x WT, WR x WT, WL x WB, WR x WB,
// cut to the source) of some state picture holds a pixel of colour 0xFF00FF, else 0.
std::int32_t CornerKeyCfg(const TsMaskData& md, const Bitmap32* source);

}  // namespace skin
