#pragma once
// Bitmap32: the off-screen picture every skinned surface is composed in. Rows of 32-bit
// pixels (B, G, R, A in memory); a bitmap may also be switched to 8-bit grey for the
// text-glow blur. Owns its pixels and the drawing surface over them (made on first use,
// following every change of size); the pixel routines live elsewhere.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/base/Assert.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/PixelBuffer.h"

namespace gfx {
class Surface;
}

namespace skin {

using gfx::TPoint;
using gfx::TRect;
using gfx::TSize;

class Bitmap32 {
 public:
  Bitmap32();
  Bitmap32(int width, int height, gfx::PixelFormat format = gfx::PixelFormat::Bgra32);
  // A copy holds the same pixels and a fresh drawing surface.
  Bitmap32(const Bitmap32& other);
  Bitmap32& operator=(const Bitmap32& other);
  Bitmap32(Bitmap32&&) noexcept;
  Bitmap32& operator=(Bitmap32&&) noexcept;
  ~Bitmap32();

  int Width() const { return pixels_.Width(); }
  int Height() const { return pixels_.Height(); }
  gfx::PixelFormat Format() const { return pixels_.Format(); }
  bool Is32Bit() const { return pixels_.Format() == gfx::PixelFormat::Bgra32; }
  bool Empty() const { return pixels_.Empty(); }

  void SetSize(int width, int height);
  void SetFormat(gfx::PixelFormat format);

  // Rows and pixels are asked for inside the bitmap only, 32-bit ones of a 32-bit bitmap.
  std::uint32_t* Row(int y) {
    PELLOMIR_ASSERT(y >= 0 && y < Height() && Is32Bit());
    return pixels_.Row32(y);
  }
  const std::uint32_t* Row(int y) const {
    PELLOMIR_ASSERT(y >= 0 && y < Height() && Is32Bit());
    return pixels_.Row32(y);
  }
  std::uint8_t* Row8(int y) {
    PELLOMIR_ASSERT(y >= 0 && y < Height());
    return pixels_.Row(y);
  }
  const std::uint8_t* Row8(int y) const {
    PELLOMIR_ASSERT(y >= 0 && y < Height());
    return pixels_.Row(y);
  }

  std::uint32_t Pixel(int x, int y) const {
    PELLOMIR_ASSERT(x >= 0 && x < Width());
    return Row(y)[x];
  }
  void SetPixel(int x, int y, std::uint32_t v) {
    PELLOMIR_ASSERT(x >= 0 && x < Width());
    Row(y)[x] = v;
  }

  gfx::PixelBuffer& Pixels() { return pixels_; }
  const gfx::PixelBuffer& Pixels() const { return pixels_; }
  gfx::PixelView View() { return pixels_.View(); }

  // The drawing surface over the pixels (the platform copies, fills and text draw here).
  // Its state lives as long as the bitmap; a size change keeps the state.
  gfx::Surface& Canvas();

 private:
  void Retarget();

  gfx::PixelBuffer pixels_;
  std::unique_ptr<gfx::Surface> canvas_;
};

using Bitmap32Ptr = std::unique_ptr<Bitmap32>;

// First row and signed distance between rows, in pixels. False (and nothing to do) when
// the bitmap is missing, not 32-bit or has fewer than one row.
bool RowAccess(Bitmap32* bmp, std::uint32_t*& first, std::ptrdiff_t& delta);
bool RowAccess(const Bitmap32* bmp, const std::uint32_t*& first, std::ptrdiff_t& delta);

// A new 32-bit bitmap; a negative width or height gives a 0 x 0 bitmap.
Bitmap32Ptr NewBitmap32(int width, int height);
Bitmap32Ptr CreateBmp32(const TRect& r);
Bitmap32Ptr CreateBmp32(const TSize& s);
Bitmap32Ptr CreateBmpLike(const Bitmap32& other);

}  // namespace skin
