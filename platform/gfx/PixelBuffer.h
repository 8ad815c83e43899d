#pragma once
// Pixel rows in memory. PixelView describes rows that live anywhere (an owned buffer, a
// window's paint target); PixelBuffer owns its rows. 32-bit pixels are stored B, G, R, A
// in memory, i.e. 0xAARRGGBB read as a little-endian 32-bit number.
#include <cstddef>
#include <cstdint>
#include <memory>

namespace gfx {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "pixel layout assumes little endian");

enum class PixelFormat : std::uint8_t { Bgra32, Gray8 };

constexpr int BytesPerPixel(PixelFormat f) { return f == PixelFormat::Bgra32 ? 4 : 1; }

struct PixelView {
  std::uint8_t* bits = nullptr;  // first (top) row
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;  // bytes from one row to the next; may be negative
  PixelFormat format = PixelFormat::Bgra32;

  bool Valid() const { return bits != nullptr && width > 0 && height > 0; }
  std::uint8_t* Row(int y) const { return bits + stride * y; }
  std::uint32_t* Row32(int y) const { return reinterpret_cast<std::uint32_t*>(Row(y)); }
};

class PixelBuffer {
 public:
  PixelBuffer() = default;
  PixelBuffer(int width, int height, PixelFormat format = PixelFormat::Bgra32);
  PixelBuffer(const PixelBuffer& other);
  PixelBuffer& operator=(const PixelBuffer& other);
  PixelBuffer(PixelBuffer&&) noexcept = default;
  PixelBuffer& operator=(PixelBuffer&&) noexcept = default;

  int Width() const { return width_; }
  int Height() const { return height_; }
  PixelFormat Format() const { return format_; }
  std::ptrdiff_t Stride() const { return static_cast<std::ptrdiff_t>(width_) * BytesPerPixel(format_); }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }

  std::uint8_t* Bits() { return data_.get(); }
  const std::uint8_t* Bits() const { return data_.get(); }
  std::uint8_t* Row(int y) { return data_.get() + Stride() * y; }
  const std::uint8_t* Row(int y) const { return data_.get() + Stride() * y; }
  std::uint32_t* Row32(int y) { return reinterpret_cast<std::uint32_t*>(Row(y)); }
  const std::uint32_t* Row32(int y) const { return reinterpret_cast<const std::uint32_t*>(Row(y)); }

  PixelView View();

  // Changes the size (negative sizes become 0). The pixels are zero afterwards when the
  // size changed; an unchanged size keeps them.
  void SetSize(int width, int height);
  void SetFormat(PixelFormat format);
  // Sets every byte of every pixel to zero.
  void Clear();

 private:
  void Allocate();

  std::unique_ptr<std::uint8_t[]> data_;
  int width_ = 0;
  int height_ = 0;
  PixelFormat format_ = PixelFormat::Bgra32;
};

}  // namespace gfx
