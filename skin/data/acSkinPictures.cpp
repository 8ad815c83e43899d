#include "skin/data/acSkinPictures.h"

#include <algorithm>
#include <memory>
#include <string>

#include "platform/base/Unicode.h"
#include "platform/gfx/ImageCodec.h"
#include "skin/data/acSkinErrors.h"
#include "skin/render/pixels/sColors.h"

namespace skin {

namespace {

bool Contains(std::u16string_view s, std::u16string_view part) { return s.find(part) != std::u16string_view::npos; }

}  // namespace

TacPictureCodec EntryPictureCodec(std::u16string_view upperName) {
  if (Contains(upperName, u".BMP")) return TacPictureCodec::Bmp;
  if (Contains(upperName, u".JPG") || Contains(upperName, u".JPEG")) return TacPictureCodec::Jpeg;
  if (Contains(upperName, u".PNG")) return TacPictureCodec::Png;
  return TacPictureCodec::None;
}

TacPictureCodec MasterPictureCodec(std::u16string_view upperName) {
  return Contains(upperName, u".PNG") ? TacPictureCodec::Png : TacPictureCodec::Bmp;
}

Bitmap32Ptr DecodeSkinPicture(std::span<const std::uint8_t> bytes, TacPictureCodec codec, std::u16string_view name,
                              bool opaqueKeyToClear) {
  if (codec == TacPictureCodec::None) return NewBitmap32(0, 0);
  gfx::DecodeResult r;
  switch (codec) {
    case TacPictureCodec::Bmp: r = gfx::DecodeBmp(bytes); break;
    case TacPictureCodec::Jpeg: r = gfx::DecodeJpeg(bytes); break;
    default: r = gfx::DecodePng(bytes); break;
  }
  if (!r.ok) {
    throw EInvalidGraphic(u"Bitmap image is not valid: " + std::u16string(name) + u" (" + base::Utf8ToUtf16(r.error) +
                          u")");
  }
  // The decoded pixels become the bitmap's own; only the key-colour rules touch them.
  Bitmap32Ptr bmp = std::make_unique<Bitmap32>();
  bmp->Pixels() = std::move(r.image.pixels);
  const bool convert = r.image.sourceBits != 32;
  if (convert || opaqueKeyToClear) {
    for (int y = 0; y < bmp->Height(); ++y) {
      std::uint32_t* row = bmp->Row(y);
      for (int x = 0; x < bmp->Width(); ++x) {
        std::uint32_t& v = row[x];
        if (convert) {
          v = (v & 0x00FFFFFFu) == KeyPixel ? KeyPixel : (v | 0xFF000000u);
        } else if (v == 0xFFFF00FFu) {
          v = KeyPixel;
        }
      }
    }
  }
  return bmp;
}

Bitmap32Ptr DecodeEntryPicture(std::span<const std::uint8_t> bytes, std::u16string_view upperName, bool premultiplyPng,
                               bool compositionEnabled) {
  const TacPictureCodec codec = EntryPictureCodec(upperName);
  Bitmap32Ptr bmp = DecodeSkinPicture(bytes, codec, upperName, false);
  if (codec == TacPictureCodec::Png && premultiplyPng) {
    PremultiplyAlpha(bmp.get(), TRect{0, 0, bmp->Width(), bmp->Height()}, compositionEnabled);
  }
  return bmp;
}

void PremultiplyAlpha(Bitmap32* bmp, const TRect& rect, bool compositionEnabled) {
  if (bmp == nullptr || !bmp->Is32Bit()) return;
  const TRect r = gfx::Intersect(rect, TRect{0, 0, bmp->Width(), bmp->Height()});
  for (int y = r.Top; y < r.Bottom; ++y) {
    std::uint32_t* row = bmp->Row(y);
    for (int x = r.Left; x < r.Right; ++x) {
      const std::uint32_t v = row[x];
      if (v == 0x00FFFFFFu) {
        row[x] = 0;
        continue;
      }
      const std::uint32_t a = v >> 24;
      const std::uint32_t b = v & 0xFF, g = (v >> 8) & 0xFF, rr = (v >> 16) & 0xFF;
      std::uint32_t nb = ScaleStep(b, a), ng = ScaleStep(g, a), nr = ScaleStep(rr, a);
      if (!compositionEnabled && b >= 245 && g >= 245 && rr >= 245) {
        nb = std::min<std::uint32_t>(244, nb);
        ng = std::min<std::uint32_t>(244, ng);
        nr = std::min<std::uint32_t>(244, nr);
      }
      row[x] = (a << 24) | (nr << 16) | (ng << 8) | nb;
    }
  }
}

}  // namespace skin
