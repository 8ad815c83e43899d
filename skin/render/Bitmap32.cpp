#include "skin/render/Bitmap32.h"

namespace skin {

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
