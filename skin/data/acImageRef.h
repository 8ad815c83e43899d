#pragma once
// Image references of skin options: the six value syntaxes that describe one skin image
// entry, their conversion to the positional canonical form, and reading the fields of
// that form. Values are given upper-cased, as the loader reads them.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/gfx/Geometry.h"

namespace skin {

// The fields of an image reference.
struct TacImageRef {
  gfx::TRect R;                                 // picture area (left, top, right, bottom)
  std::int32_t WL = 0, WT = 0, WR = 0, WB = 0;  // border widths
  std::int32_t ImageCount = 0;                  // state pictures side by side (IC)
  std::int32_t MaskType = 0;                    // 1: a mask lies below the pictures (MT)
  std::int32_t ImgType = 0;                     // 0 border, 1 texture, 2 glyph, 3 glow, 4 PNG glyph (IT)
  std::int32_t DrawMode = 0;                    // DM
  std::u16string File;                          // image file; empty for the master bitmap
};

// True when a value describes an image entry: it begins with one of "!", "&", "@", "^",
// "~", or it contains ".JPG" or ".BMP" (a plain texture file; PNG names do not count).
bool IsImageRefValue(std::u16string_view value);

// The canonical form ("&" + positional fields) of a value in any of the six syntaxes.
std::u16string NormalizeImageRef(std::u16string_view value);

// Reads the fields of a canonical form. A field that is missing or not a number reads 0;
// an image type above 4 reads 4.
TacImageRef ParseCanonicalImageRef(std::u16string_view canonical);

}  // namespace skin
