// PNG through libpng's simplified interface, which reports errors as results.
#include <png.h>

#include <cstring>

#include "platform/gfx/ImageCodec.h"

namespace gfx {

DecodeResult DecodePng(std::span<const std::uint8_t> data) {
  DecodeResult r;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, data.data(), data.size())) {
    r.error = std::string("PNG: ") + image.message;
    png_image_free(&image);
    return r;
  }
  if (image.width == 0 || image.height == 0 || image.width > kMaxImageSide || image.height > kMaxImageSide ||
      std::int64_t(image.width) * image.height > kMaxImagePixels) {
    r.error = "PNG: the picture is too large";
    png_image_free(&image);
    return r;
  }
  r.image.hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  image.format = PNG_FORMAT_BGRA;  // 8-bit straight alpha, B, G, R, A in memory
  r.image.pixels = PixelBuffer(static_cast<int>(image.width), static_cast<int>(image.height));
  if (!png_image_finish_read(&image, nullptr, r.image.pixels.Bits(), static_cast<png_int_32>(r.image.pixels.Stride()),
                             nullptr)) {
    r.error = std::string("PNG: ") + image.message;
    r.image = DecodedImage();
    png_image_free(&image);
    return r;
  }
  png_image_free(&image);
  r.image.sourceBits = 32;
  r.ok = true;
  return r;
}

std::vector<std::uint8_t> EncodePng(const PixelView& pixels) {
  if (!pixels.Valid() || pixels.format != PixelFormat::Bgra32) return {};
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(pixels.width);
  image.height = static_cast<png_uint_32>(pixels.height);
  image.format = PNG_FORMAT_BGRA;
  png_alloc_size_t size = 0;
  // The stride counts bytes; a negative one means the buffer starts with the bottom row.
  const png_int_32 rowStride = static_cast<png_int_32>(pixels.stride);
  const void* first = pixels.stride < 0 ? pixels.Row(pixels.height - 1) : pixels.bits;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, first, rowStride, nullptr) || size == 0) return {};
  std::vector<std::uint8_t> out(size);
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, first, rowStride, nullptr)) return {};
  out.resize(size);
  return out;
}

}  // namespace gfx
