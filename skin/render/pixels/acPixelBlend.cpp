#include "skin/render/pixels/acPixelBlend.h"

#include "skin/render/pixels/acPixelClip.h"
#include "skin/render/pixels/acPixelRows.h"

namespace skin {

void FillPixels(Bitmap32* bmp, const TRect& rect, TColor color, std::uint8_t alpha) {
  if (bmp == nullptr || !bmp->Is32Bit()) return;
  TRect r;
  if (!ClipToBitmap(rect, bmp->Width(), bmp->Height(), r)) return;
  const std::uint32_t px = (SwapRedBlue(color) & 0x00FFFFFFu) | (std::uint32_t(alpha) << 24);
  for (int y = r.Top; y < r.Bottom; ++y) {
    std::uint32_t* row = bmp->Row(y);
    for (int x = r.Left; x < r.Right; ++x) row[x] = px;
  }
}

void BlendBitmapRect(Bitmap32* dst, const Bitmap32* src, std::uint8_t t, TPoint at, const TRect& srcRect) {
  if (dst == nullptr || src == nullptr || !dst->Is32Bit() || !src->Is32Bit()) return;
  CopyArea a;
  if (!ClipCopyInclusive(srcRect, src->Width(), src->Height(), at.X, at.Y, dst->Width(), dst->Height(), a)) return;
  // The blend step ((d - s) * t + s * 256) >> 8 is (d * t + s * (256 - t)) >> 8.
  const std::size_t bytes = std::size_t(a.w) * 4;
  for (int y = 0; y < a.h; ++y) {
    auto* d = reinterpret_cast<std::uint8_t*>(dst->Row(a.dy + y) + a.dx);
    const auto* s = reinterpret_cast<const std::uint8_t*>(src->Row(a.sy + y) + a.sx);
    rows::BlendBytes(d, d, t, s, 256u - t, bytes);
  }
}

void AlphaBlitRect(Bitmap32* dst, const Bitmap32* src, const TRect& srcRect, std::uint8_t opacity, TPoint at) {
  if (dst == nullptr || src == nullptr || !dst->Is32Bit() || !src->Is32Bit()) return;
  CopyArea a;
  if (!ClipCopyInclusive(srcRect, src->Width(), src->Height(), at.X, at.Y, dst->Width(), dst->Height(), a)) return;
  for (int y = 0; y < a.h; ++y)
    rows::AlphaOverPixels(dst->Row(a.dy + y) + a.dx, src->Row(a.sy + y) + a.sx, opacity, std::size_t(a.w));
}

void BlendKeyedRect(Bitmap32* dst, int x, int y, std::uint32_t key, std::uint8_t t, const TRect& srcRect,
                    const Bitmap32* src) {
  if (dst == nullptr || src == nullptr || !dst->Is32Bit() || !src->Is32Bit()) return;
  CopyArea a;
  if (!ClipCopyInclusive(srcRect, src->Width(), src->Height(), x, y, dst->Width(), dst->Height(), a)) return;
  // Every pixel of a chunk is mixed into a buffer, then the non-key ones are taken.
  alignas(16) std::uint32_t mixed[rows::kChunk];
  for (int row = 0; row < a.h; ++row) {
    const std::uint32_t* s = src->Row(a.sy + row) + a.sx;
    std::uint32_t* d = dst->Row(a.dy + row) + a.dx;
    for (int x0 = 0; x0 < a.w; x0 += rows::kChunk) {
      const int n = a.w - x0 < rows::kChunk ? a.w - x0 : rows::kChunk;
      rows::BlendBytes(reinterpret_cast<std::uint8_t*>(mixed), reinterpret_cast<const std::uint8_t*>(s + x0), 255u - t,
                       reinterpret_cast<const std::uint8_t*>(d + x0), t, std::size_t(n) * 4);
      rows::SelectUnlessKey(d + x0, mixed, s + x0, key, std::size_t(n));
    }
  }
}

void ShadeRect(Bitmap32* bmp, const TRect& rect, std::uint8_t w, TColor color) {
  if (bmp == nullptr || !bmp->Is32Bit()) return;
  TRect r;
  if (!ClipToBitmap({rect.Left, rect.Top, rect.Right + 1, rect.Bottom + 1}, bmp->Width(), bmp->Height(), r)) return;
  const std::uint32_t c = SwapRedBlue(ColorToRGB(color));  // B, G, R in pixel order
  for (int y = r.Top; y < r.Bottom; ++y) {
    std::uint32_t* row = bmp->Row(y);
    for (int x = r.Left; x < r.Right; ++x) row[x] = MixThreeBytes(row[x], c, w);
  }
}

void SetAlphaRect(Bitmap32* bmp, const TRect& rect, std::uint8_t alpha, std::uint32_t key) {
  if (bmp == nullptr || !bmp->Is32Bit()) return;
  TRect r;
  if (!ClipToBitmap(rect, bmp->Width(), bmp->Height(), r)) return;
  const std::uint32_t a = std::uint32_t(alpha) << 24;
  for (int y = r.Top; y < r.Bottom; ++y) {
    std::uint32_t* row = bmp->Row(y);
    for (int x = r.Left; x < r.Right; ++x) {
      if (key != NoKey && row[x] == key) continue;
      row[x] = (row[x] & 0x00FFFFFFu) | a;
    }
  }
}

}  // namespace skin
