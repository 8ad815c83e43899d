// JPEG through libjpeg. libjpeg reports errors by jumping out of the decoder, so the
// decoding runs in one function whose locals need no destruction; warnings (such as a
// premature end of data) count as errors, so that a damaged file is never half shown.
#include <cstdio>  // jpeglib.h needs FILE
#include <csetjmp>
#include <cstring>

#include <jpeglib.h>

#include "platform/gfx/ImageCodec.h"

namespace gfx {
namespace {

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnError(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr cinfo, int level) {
  if (level < 0) OnError(cinfo);  // a warning: the data is damaged
}

// Converts one decoded row to B, G, R, A.
void ConvertRow(const JSAMPLE* in, std::uint32_t* out, int width, J_COLOR_SPACE space, bool invertedCmyk) {
  for (int x = 0; x < width; ++x) {
    std::uint32_t r, g, b;
    if (space == JCS_GRAYSCALE) {
      r = g = b = in[x];
    } else if (space == JCS_CMYK) {
      std::uint32_t c = in[4 * x], m = in[4 * x + 1], y = in[4 * x + 2], k = in[4 * x + 3];
      if (!invertedCmyk) {
        c = 255 - c;
        m = 255 - m;
        y = 255 - y;
        k = 255 - k;
      }
      r = c * k / 255;
      g = m * k / 255;
      b = y * k / 255;
    } else {
      r = in[3 * x];
      g = in[3 * x + 1];
      b = in[3 * x + 2];
    }
    out[x] = 0xFF000000u | (r << 16) | (g << 8) | b;
  }
}

// Decodes into out; returns false with message set on failure. Only plain data lives
// in this frame, so the jump back from libjpeg skips no destructor.
bool DecodeInto(const std::uint8_t* data, std::size_t size, PixelBuffer& out, char* message) {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = OnError;
  err.pub.emit_message = OnMessage;
  err.message[0] = 0;
  if (setjmp(err.jump)) {
    std::strncpy(message, err.message, JMSG_LENGTH_MAX);
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  cinfo.mem->max_memory_to_use = 512L * 1024 * 1024;
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);
  if (cinfo.image_width == 0 || cinfo.image_height == 0 || cinfo.image_width > kMaxImageSide ||
      cinfo.image_height > kMaxImageSide || std::int64_t(cinfo.image_width) * cinfo.image_height > kMaxImagePixels) {
    std::strncpy(message, "the picture is too large", JMSG_LENGTH_MAX);
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  cinfo.out_color_space = cmyk ? JCS_CMYK : (cinfo.num_components == 1 ? JCS_GRAYSCALE : JCS_RGB);
  jpeg_start_decompress(&cinfo);
  out.SetSize(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
  JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                              cinfo.output_width * static_cast<JDIMENSION>(cinfo.output_components), 1);
  while (cinfo.output_scanline < cinfo.output_height) {
    const int y = static_cast<int>(cinfo.output_scanline);
    if (jpeg_read_scanlines(&cinfo, row, 1) != 1) {
      std::strncpy(message, "the data ends early", JMSG_LENGTH_MAX);
      jpeg_destroy_decompress(&cinfo);
      return false;
    }
    ConvertRow(row[0], out.Row32(y), static_cast<int>(cinfo.output_width), cinfo.out_color_space,
               cinfo.saw_Adobe_marker != 0);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

}  // namespace

DecodeResult DecodeJpeg(std::span<const std::uint8_t> data) {
  DecodeResult r;
  if (data.empty()) {
    r.error = "JPEG: no data";
    return r;
  }
  char message[JMSG_LENGTH_MAX] = {};
  if (!DecodeInto(data.data(), data.size(), r.image.pixels, message)) {
    message[JMSG_LENGTH_MAX - 1] = 0;
    r.error = std::string("JPEG: ") + message;
    r.image = DecodedImage();
    return r;
  }
  r.image.sourceBits = 24;
  r.ok = true;
  return r;
}

}  // namespace gfx
