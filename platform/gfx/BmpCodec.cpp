// BMP files: 1, 4, 8, 16, 24 and 32 bits, bottom-up and top-down, plain and bit-field
// layouts, core and extended headers. Every read is checked against the data's end.
#include <array>
#include <bit>

#include "platform/gfx/ImageCodec.h"

namespace gfx {
namespace {

constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_BITFIELDS = 3;
constexpr std::uint32_t BI_ALPHABITFIELDS = 6;

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> d) : d_(d) {}
  bool Has(std::size_t at, std::size_t n) const { return at <= d_.size() && n <= d_.size() - at; }
  std::uint32_t U16(std::size_t at) const { return d_[at] | (d_[at + 1] << 8); }
  std::uint32_t U32(std::size_t at) const {
    return std::uint32_t(d_[at]) | (std::uint32_t(d_[at + 1]) << 8) | (std::uint32_t(d_[at + 2]) << 16) |
           (std::uint32_t(d_[at + 3]) << 24);
  }
  const std::uint8_t* At(std::size_t at) const { return d_.data() + at; }

 private:
  std::span<const std::uint8_t> d_;
};

// One channel of a bit-field layout: where its bits lie and how to widen them to 8 bits.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint32_t max = 0;

  explicit Channel(std::uint32_t m = 0) : mask(m) {
    if (mask) {
      shift = std::countr_zero(mask);
      max = mask >> shift;
    }
  }
  std::uint32_t Get(std::uint32_t v) const { return max ? ((v & mask) >> shift) * 255 / max : 0; }
};

DecodeResult Fail(const char* why) {
  DecodeResult r;
  r.error = std::string("BMP: ") + why;
  return r;
}

}  // namespace

DecodeResult DecodeBmp(std::span<const std::uint8_t> data) {
  const Reader in(data);
  if (!in.Has(0, 18) || data[0] != 'B' || data[1] != 'M') return Fail("not a bitmap file");
  const std::uint32_t offBits = in.U32(10);
  const std::uint32_t headerSize = in.U32(14);
  if (headerSize != 12 && headerSize < 40) return Fail("unknown header");
  if (!in.Has(14, headerSize)) return Fail("the header is cut short");

  std::int64_t width, height;
  std::uint32_t bits, compression = BI_RGB, colours = 0;
  const bool core = headerSize == 12;
  if (core) {
    width = in.U16(18);
    height = in.U16(20);
    bits = in.U16(24);
  } else {
    width = static_cast<std::int32_t>(in.U32(18));
    height = static_cast<std::int32_t>(in.U32(22));
    bits = in.U16(28);
    compression = in.U32(30);
    colours = in.U32(46);
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0) return Fail("the picture has no size");
  if (width > kMaxImageSide || height > kMaxImageSide || width * height > kMaxImagePixels)
    return Fail("the picture is too large");
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    return Fail("unsupported bits per pixel");

  // Bit-field masks: in the extended header, or right after a 40-byte one.
  std::array<std::uint32_t, 4> masks{};  // red, green, blue, alpha
  bool fields = false;
  std::size_t afterHeader = 14 + headerSize;
  if (compression == BI_BITFIELDS || compression == BI_ALPHABITFIELDS) {
    if (bits != 16 && bits != 32) return Fail("bit fields need 16 or 32 bits per pixel");
    fields = true;
    const std::size_t count = compression == BI_ALPHABITFIELDS ? 4 : 3;
    std::size_t at = 14 + 40;
    if (headerSize == 40) {
      if (!in.Has(at, 4 * count)) return Fail("the colour masks are cut short");
      afterHeader += 4 * count;
    } else if (headerSize < 40 + 4 * count) {
      return Fail("the colour masks are cut short");
    }
    for (std::size_t k = 0; k < count; ++k) masks[k] = in.U32(at + 4 * k);
    if (headerSize >= 56) masks[3] = in.U32(at + 12);  // extended headers always carry alpha
  } else if (compression != BI_RGB) {
    return Fail("compressed bitmaps are not supported");
  }

  // Palette.
  std::array<std::uint32_t, 256> palette{};
  std::size_t paletteSize = 0;
  if (bits <= 8) {
    const std::size_t maxEntries = std::size_t(1) << bits;
    paletteSize = colours == 0 || colours > maxEntries ? maxEntries : colours;
    const std::size_t entry = core ? 3 : 4;
    if (!in.Has(afterHeader, paletteSize * entry)) return Fail("the palette is cut short");
    for (std::size_t i = 0; i < paletteSize; ++i) {
      const std::uint8_t* p = in.At(afterHeader + i * entry);
      palette[i] = 0xFF000000u | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
    }
    afterHeader += paletteSize * entry;
  }

  const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
  // The pixels start where the file header says, unless that points into the headers.
  const std::size_t start = offBits >= afterHeader ? offBits : afterHeader;
  if (!in.Has(start, stride * static_cast<std::size_t>(height))) return Fail("the pixel data is cut short");

  if (!fields && bits == 16) masks = {0x7C00, 0x03E0, 0x001F, 0};
  const Channel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);

  DecodeResult r;
  const int w = static_cast<int>(width), h = static_cast<int>(height);
  r.image.pixels = PixelBuffer(w, h);
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* src = in.At(start + stride * static_cast<std::size_t>(topDown ? y : h - 1 - y));
    std::uint32_t* out = r.image.pixels.Row32(y);
    for (int x = 0; x < w; ++x) {
      std::uint32_t px;
      switch (bits) {
        case 1:
        case 4:
        case 8: {
          const int perByte = 8 / static_cast<int>(bits);
          const int shift = 8 - static_cast<int>(bits) * (x % perByte + 1);
          const std::size_t index = (src[x / perByte] >> shift) & ((1u << bits) - 1);
          px = index < paletteSize ? palette[index] : 0xFF000000u;
          break;
        }
        case 24:
          px = 0xFF000000u | (std::uint32_t(src[3 * x + 2]) << 16) | (std::uint32_t(src[3 * x + 1]) << 8) | src[3 * x];
          break;
        case 16: {
          const std::uint32_t v = src[2 * x] | (src[2 * x + 1] << 8);
          px = (masks[3] ? alpha.Get(v) << 24 : 0xFF000000u) | (red.Get(v) << 16) | (green.Get(v) << 8) | blue.Get(v);
          break;
        }
        default: {
          const std::uint32_t v = std::uint32_t(src[4 * x]) | (std::uint32_t(src[4 * x + 1]) << 8) |
                                  (std::uint32_t(src[4 * x + 2]) << 16) | (std::uint32_t(src[4 * x + 3]) << 24);
          if (!fields) px = v;
          else
            px = (masks[3] ? alpha.Get(v) << 24 : v & 0xFF000000u) | (red.Get(v) << 16) | (green.Get(v) << 8) |
                 blue.Get(v);
          break;
        }
      }
      out[x] = px;
    }
  }
  r.image.sourceBits = static_cast<int>(bits);
  r.image.hasAlpha = masks[3] != 0;
  r.ok = true;
  return r;
}

std::vector<std::uint8_t> EncodeBmp(const PixelView& pixels) {
  if (!pixels.Valid() || pixels.format != PixelFormat::Bgra32) return {};
  const std::size_t rowBytes = static_cast<std::size_t>(pixels.width) * 4;
  const std::size_t dataSize = rowBytes * static_cast<std::size_t>(pixels.height);
  const std::size_t fileSize = 14 + 40 + dataSize;
  std::vector<std::uint8_t> out;
  out.reserve(fileSize);
  auto u16 = [&out](std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  auto u32 = [&u16](std::uint32_t v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  };
  out.push_back('B');
  out.push_back('M');
  u32(static_cast<std::uint32_t>(fileSize));
  u32(0);
  u32(14 + 40);
  u32(40);
  u32(static_cast<std::uint32_t>(pixels.width));
  u32(static_cast<std::uint32_t>(pixels.height));  // bottom-up
  u16(1);
  u16(32);
  u32(BI_RGB);
  u32(static_cast<std::uint32_t>(dataSize));
  u32(3780);  // 96 pixels per inch
  u32(3780);
  u32(0);
  u32(0);
  for (int y = pixels.height - 1; y >= 0; --y) {
    const std::uint8_t* row = pixels.Row(y);
    out.insert(out.end(), row, row + rowBytes);
  }
  return out;
}

}  // namespace gfx
