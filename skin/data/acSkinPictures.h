#pragma once
// Turning the picture files of a skin into 32-bit bitmaps the way the loader holds them:
// the decoder is chosen by the file name, pictures without their own alpha become opaque
// except for key-colour pixels, and pictures with alpha may be premultiplied.
#include <cstdint>
#include <span>
#include <string_view>

#include "skin/render/pixels/Bitmap32.h"

namespace skin {

// How a file name is decoded.
enum class TacPictureCodec { Bmp, Jpeg, Png, None };

// The codec of an image entry's file: ".BMP" anywhere in the upper-cased name, else ".JPG"
// or ".JPEG", else ".PNG", else none (an empty picture).
TacPictureCodec EntryPictureCodec(std::u16string_view upperName);
// The codec of the master bitmap: PNG when the upper-cased name contains ".PNG", else BMP.
TacPictureCodec MasterPictureCodec(std::u16string_view upperName);

// Decodes a picture into a new 32-bit bitmap. A source that is not 32-bit gets alpha 255
// on every pixel except magenta ones, which become the key pixel 0x00FF00FF. With
// opaqueKeyToClear (the master bitmap's PNG) every pixel 0xFFFF00FF becomes 0x00FF00FF.
// TacPictureCodec::None gives an empty bitmap. Throws EInvalidGraphic naming the file when
// the data cannot be decoded.
Bitmap32Ptr DecodeSkinPicture(std::span<const std::uint8_t> bytes, TacPictureCodec codec, std::u16string_view name,
                              bool opaqueKeyToClear);

// The picture of an image entry's own file (decoder by EntryPictureCodec); a PNG picture is
// premultiplied when premultiplyPng is set.
Bitmap32Ptr DecodeEntryPicture(std::span<const std::uint8_t> bytes, std::u16string_view upperName, bool premultiplyPng,
                               bool compositionEnabled);

// Premultiplies the pixels of rect (cut to the bitmap) by their alpha. A pixel whose whole
// value is 0x00FFFFFF becomes 0. Without desktop composition, pixels whose R, G and B are
// all 245 or more are kept at 244 at most.
void PremultiplyAlpha(Bitmap32* bmp, const TRect& rect, bool compositionEnabled);

}  // namespace skin
