#include "skin/render/pixels/acPixelBlend.h"

#include "skin/render/pixels/acPixelClip.h"

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
  for (int y = 0; y < a.h; ++y) {
    const auto* s = reinterpret_cast<const std::uint8_t*>(src->Row(a.sy + y) + a.sx);
    auto* d = reinterpret_cast<std::uint8_t*>(dst->Row(a.dy + y) + a.dx);
    for (int i = 0; i < a.w * 4; ++i) d[i] = BlendStep(d[i], s[i], t);
  }
}

void AlphaBlitRect(Bitmap32* dst, const Bitmap32* src, const TRect& srcRect, std::uint8_t opacity, TPoint at) {
  if (dst == nullptr || src == nullptr || !dst->Is32Bit() || !src->Is32Bit()) return;
  CopyArea a;
  if (!ClipCopyInclusive(srcRect, src->Width(), src->Height(), at.X, at.Y, dst->Width(), dst->Height(), a)) return;
  // Branch-free per pixel so that the compiler can vectorise the row: a weight of 0 leaves
  // every byte as it was by the same formulas.
  for (int y = 0; y < a.h; ++y) {
    const std::uint32_t* s = src->Row(a.sy + y) + a.sx;
    std::uint32_t* d = dst->Row(a.dy + y) + a.dx;
    for (int x = 0; x < a.w; ++x) {
      const std::uint32_t sp = s[x];
      const std::uint32_t dp = d[x];
      const int as = static_cast<int>(sp >> 24);
      const int w = opacity == 255 ? as : (as * opacity) >> 8;
      const int sb = sp & 0xFF, sg = (sp >> 8) & 0xFF, sr = (sp >> 16) & 0xFF;
      const int db = dp & 0xFF, dg = (dp >> 8) & 0xFF, dr = (dp >> 16) & 0xFF;
      const int da = static_cast<int>(dp >> 24);
      const int nb = ((sb - db) * w + db * 256) >> 8;
      const int ng = ((sg - dg) * w + dg * 256) >> 8;
      const int nr = ((sr - dr) * w + dr * 256) >> 8;
      int na = ((w - da) * w + da * 256) >> 8;
      na = na < da ? da : na;
      d[x] = std::uint32_t(nb & 0xFF) | (std::uint32_t(ng & 0xFF) << 8) | (std::uint32_t(nr & 0xFF) << 16) |
             (std::uint32_t(na & 0xFF) << 24);
    }
  }
}

void BlendKeyedRect(Bitmap32* dst, int x, int y, std::uint32_t key, std::uint8_t t, const TRect& srcRect,
                    const Bitmap32* src) {
  if (dst == nullptr || src == nullptr || !dst->Is32Bit() || !src->Is32Bit()) return;
  CopyArea a;
  if (!ClipCopyInclusive(srcRect, src->Width(), src->Height(), x, y, dst->Width(), dst->Height(), a)) return;
  const int st = 255 - t;
  for (int row = 0; row < a.h; ++row) {
    const std::uint32_t* s = src->Row(a.sy + row) + a.sx;
    std::uint32_t* d = dst->Row(a.dy + row) + a.dx;
    for (int col = 0; col < a.w; ++col) {
      const std::uint32_t sp = s[col];
      if (sp == key) continue;
      const std::uint32_t dp = d[col];
      std::uint32_t out = 0;
      for (int shift = 0; shift < 32; shift += 8) {
        const int sc = (sp >> shift) & 0xFF;
        const int dc = (dp >> shift) & 0xFF;
        out |= (static_cast<std::uint32_t>((sc * st + dc * t) >> 8) & 0xFF) << shift;
      }
      d[col] = out;
    }
  }
}

void ShadeRect(Bitmap32* bmp, const TRect& rect, std::uint8_t w, TColor color) {
  if (bmp == nullptr || !bmp->Is32Bit()) return;
  TRect r;
  if (!ClipToBitmap({rect.Left, rect.Top, rect.Right + 1, rect.Bottom + 1}, bmp->Width(), bmp->Height(), r)) return;
  const std::uint32_t c = SwapRedBlue(ColorToRGB(color));  // B, G, R in pixel order
  const int cw = 255 - w;
  for (int y = r.Top; y < r.Bottom; ++y) {
    std::uint32_t* row = bmp->Row(y);
    for (int x = r.Left; x < r.Right; ++x) {
      const std::uint32_t p = row[x];
      std::uint32_t out = p & 0xFF000000u;
      for (int shift = 0; shift < 24; shift += 8) {
        const int dc = (p >> shift) & 0xFF;
        const int cc = (c >> shift) & 0xFF;
        out |= (static_cast<std::uint32_t>((dc * w + cc * cw) >> 8) & 0xFF) << shift;
      }
      row[x] = out;
    }
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
