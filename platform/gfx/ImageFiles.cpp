// Format detection and reading and writing picture files.
#include <algorithm>

#include "platform/base/Files.h"
#include "platform/gfx/ImageCodec.h"

namespace gfx {

ImageFormat SniffImageFormat(std::span<const std::uint8_t> d) {
  static constexpr std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (d.size() >= 8 && std::equal(kPng, kPng + 8, d.begin())) return ImageFormat::Png;
  if (d.size() >= 3 && d[0] == 0xFF && d[1] == 0xD8 && d[2] == 0xFF) return ImageFormat::Jpeg;
  if (d.size() >= 2 && d[0] == 'B' && d[1] == 'M') return ImageFormat::Bmp;
  return ImageFormat::Unknown;
}

DecodeResult DecodeImage(std::span<const std::uint8_t> data) {
  switch (SniffImageFormat(data)) {
    case ImageFormat::Png: return DecodePng(data);
    case ImageFormat::Jpeg: return DecodeJpeg(data);
    case ImageFormat::Bmp: return DecodeBmp(data);
    default: break;
  }
  DecodeResult r;
  r.error = "not a PNG, JPEG or BMP picture";
  return r;
}

DecodeResult LoadImageFile(const std::string& path) {
  const base::FileReadResult file = base::ReadFileBytes(path);
  if (file.Ok()) return DecodeImage(file.bytes);
  DecodeResult r;
  r.error = (file.failure == base::FileReadFailure::Open ? "cannot open " : "cannot read ") + path;
  return r;
}

}  // namespace gfx
