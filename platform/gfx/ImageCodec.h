#pragma once
// Picture files: PNG (libpng), JPEG (libjpeg) and BMP decoded into 32-bit pixels, PNG and
// BMP encoded from them. Decoders treat their input as hostile: bad, truncated or
// oversized data gives an error result with a message, never a crash, never a read past
// the data and never a half-filled picture reported as success.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/gfx/PixelBuffer.h"

namespace gfx {

enum class ImageFormat { Unknown, Png, Jpeg, Bmp };

struct DecodedImage {
  // B, G, R, A per pixel, top row first. Alpha is straight (not premultiplied): PNG
  // alpha as stored (255 without an alpha channel); 32-bit BMP keeps its fourth byte
  // (or its alpha mask); all other sources get 255.
  PixelBuffer pixels;
  // Bits per pixel of the source: PNG always counts as 32 (it decodes to 32 bits with
  // alpha), JPEG as 24, BMP as stored (1, 4, 8, 16, 24 or 32).
  int sourceBits = 0;
  // The source carried transparency (a PNG alpha channel or transparent colour, a BMP
  // alpha mask).
  bool hasAlpha = false;
};

struct DecodeResult {
  bool ok = false;
  std::string error;  // why decoding failed, in English, for logs and messages
  DecodedImage image;
};

// Largest picture accepted, in pixels per side and in total.
constexpr int kMaxImageSide = 16384;
constexpr std::int64_t kMaxImagePixels = 64ll * 1024 * 1024;

ImageFormat SniffImageFormat(std::span<const std::uint8_t> data);

DecodeResult DecodeImage(std::span<const std::uint8_t> data);
DecodeResult DecodePng(std::span<const std::uint8_t> data);
DecodeResult DecodeJpeg(std::span<const std::uint8_t> data);
DecodeResult DecodeBmp(std::span<const std::uint8_t> data);

// Encoded files; empty when the view is not a valid 32-bit picture.
std::vector<std::uint8_t> EncodePng(const PixelView& pixels);
// A 32-bit bottom-up bitmap that keeps byte A in its fourth byte.
std::vector<std::uint8_t> EncodeBmp(const PixelView& pixels);

// Reads and decodes a file (path in UTF-8). Files are written with base::WriteFileBytes.
DecodeResult LoadImageFile(const std::string& path);

}  // namespace gfx
