#include "skin/render/pixels/acPixelCopy.h"

#include <cstring>

#include "skin/render/pixels/acPixelClip.h"

namespace skin {

bool CopyBitmapRect(Bitmap32* dst, const Bitmap32* src, TPoint at, const TRect& srcRect, TRect* covered) {
  if (dst == nullptr || src == nullptr || !dst->Is32Bit() || !src->Is32Bit()) return false;
  CopyArea a;
  if (!ClipCopy(srcRect.Left, srcRect.Top, srcRect.Right, srcRect.Bottom, src->Width(), src->Height(), at.X, at.Y,
                dst->Width(), dst->Height(), a))
    return false;
  const std::size_t bytes = sizeof(std::uint32_t) * static_cast<std::size_t>(a.w);
  // Within one bitmap, rows moving down are copied from the bottom up.
  const bool upward = src == dst && a.dy > a.sy;
  for (int j = 0; j < a.h; ++j) {
    const int row = upward ? a.h - 1 - j : j;
    std::memmove(dst->Row(a.dy + row) + a.dx, src->Row(a.sy + row) + a.sx, bytes);
  }
  if (covered != nullptr) *covered = {a.dx, a.dy, a.dx + a.w, a.dy + a.h};
  return true;
}

}  // namespace skin
