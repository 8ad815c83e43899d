// Format detection and reading and writing picture files.
#include <algorithm>
#include <cstdio>
#include <memory>

#include "platform/gfx/ImageCodec.h"

namespace gfx {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

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
  DecodeResult r;
  File f(std::fopen(path.c_str(), "rb"));
  if (!f) {
    r.error = "cannot open " + path;
    return r;
  }
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[65536];
  std::size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, f.get())) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
  if (std::ferror(f.get())) {
    r.error = "cannot read " + path;
    return r;
  }
  return DecodeImage(bytes);
}

bool WriteFileBytes(const std::string& path, std::span<const std::uint8_t> data) {
  File f(std::fopen(path.c_str(), "wb"));
  if (!f) return false;
  if (!data.empty() && std::fwrite(data.data(), 1, data.size(), f.get()) != data.size()) return false;
  return std::fclose(f.release()) == 0;
}

}  // namespace gfx
