#include "skin/render/pixels/Bitmap32.h"

#include "platform/gfx/Surface.h"

namespace skin {

Bitmap32::Bitmap32() = default;
Bitmap32::Bitmap32(int width, int height, gfx::PixelFormat format) : pixels_(width, height, format) {}
Bitmap32::Bitmap32(const Bitmap32& other) : pixels_(other.pixels_) {}
Bitmap32& Bitmap32::operator=(const Bitmap32& other) {
  if (this != &other) {
    pixels_ = other.pixels_;
    Retarget();
  }
  return *this;
}
Bitmap32::Bitmap32(Bitmap32&&) noexcept = default;
Bitmap32& Bitmap32::operator=(Bitmap32&&) noexcept = default;
Bitmap32::~Bitmap32() = default;

void Bitmap32::SetSize(int width, int height) {
  pixels_.SetSize(width, height);
  Retarget();
}

void Bitmap32::SetFormat(gfx::PixelFormat format) {
  pixels_.SetFormat(format);
  Retarget();
}

gfx::Surface& Bitmap32::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<gfx::Surface>(pixels_.View());
  // The pixels may have been resized through Pixels(); follow them.
  const gfx::PixelView& t = canvas_->Target();
  if (t.bits != pixels_.Bits() || t.width != pixels_.Width() || t.height != pixels_.Height()) Retarget();
  return *canvas_;
}

void Bitmap32::Retarget() {
  if (canvas_) canvas_->SetTarget(pixels_.View());
}

bool RowAccess(Bitmap32* bmp, std::uint32_t*& first, std::ptrdiff_t& delta) {
  if (bmp == nullptr || !bmp->Is32Bit() || bmp->Height() < 1 || bmp->Width() < 1) return false;
  first = bmp->Row(0);
  delta = bmp->Height() > 1 ? bmp->Row(1) - bmp->Row(0) : bmp->Width();
  return true;
}

bool RowAccess(const Bitmap32* bmp, const std::uint32_t*& first, std::ptrdiff_t& delta) {
  if (bmp == nullptr || !bmp->Is32Bit() || bmp->Height() < 1 || bmp->Width() < 1) return false;
  first = bmp->Row(0);
  delta = bmp->Height() > 1 ? bmp->Row(1) - bmp->Row(0) : bmp->Width();
  return true;
}

Bitmap32Ptr NewBitmap32(int width, int height) {
  if (width < 0 || height < 0) return std::make_unique<Bitmap32>(0, 0);
  return std::make_unique<Bitmap32>(width, height);
}

Bitmap32Ptr CreateBmp32(const TRect& r) { return NewBitmap32(r.Width(), r.Height()); }

Bitmap32Ptr CreateBmp32(const TSize& s) { return NewBitmap32(s.cx, s.cy); }

Bitmap32Ptr CreateBmpLike(const Bitmap32& other) { return NewBitmap32(other.Width(), other.Height()); }

}  // namespace skin
