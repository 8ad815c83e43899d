#include "skin/render/pixels/acKeyedCopy.h"

#include <cstring>
#include <vector>

#include "skin/render/pixels/acPixelClip.h"
#include "skin/render/pixels/acPixelRows.h"

namespace skin {

void CopyKeyed(Bitmap32* dst, const Bitmap32* src, int x, std::uint8_t fade, std::uint32_t key, const TRect& srcRect,
               int y) {
  if (dst == nullptr || src == nullptr || !dst->Is32Bit() || !src->Is32Bit()) return;
  CopyArea a;
  if (!ClipCopyInclusive(srcRect, src->Width(), src->Height(), x, y, dst->Width(), dst->Height(), a)) return;
  const std::uint32_t keyPx = KeyToPixel(key);
  // With a fade, ((s - d) * fade + d * 256) >> 8 is (s * fade + d * (256 - fade)) >> 8: each
  // chunk is mixed into a buffer, given A = max(d_A, fade), and taken where s is no key.
  alignas(16) std::uint32_t mixed[rows::kChunk];
  const int fadeA = fade;
  for (int row = 0; row < a.h; ++row) {
    const std::uint32_t* s = src->Row(a.sy + row) + a.sx;
    std::uint32_t* d = dst->Row(a.dy + row) + a.dx;
    if (fade == 0) {
      rows::SelectUnlessKey(d, s, s, keyPx, std::size_t(a.w));
      continue;
    }
    for (int x0 = 0; x0 < a.w; x0 += rows::kChunk) {
      const int n = a.w - x0 < rows::kChunk ? a.w - x0 : rows::kChunk;
      rows::BlendBytes(reinterpret_cast<std::uint8_t*>(mixed), reinterpret_cast<const std::uint8_t*>(s + x0), fade,
                       reinterpret_cast<const std::uint8_t*>(d + x0), 256u - fade, std::size_t(n) * 4);
      for (int i = 0; i < n; ++i) {
        const std::uint32_t sp = s[x0 + i], dp = d[x0 + i];
        const int da = static_cast<int>(dp >> 24);  // signed: the compiler compares it directly
        const std::uint32_t v = (mixed[i] & 0x00FFFFFFu) | (std::uint32_t(da > fadeA ? da : fadeA) << 24);
        d[x0 + i] = sp != keyPx ? v : dp;
      }
    }
  }
}

void CopyKeyedOpaque(Bitmap32* dst, const Bitmap32* src, int x, std::uint32_t key, int y) {
  if (dst == nullptr || src == nullptr || !dst->Is32Bit() || !src->Is32Bit()) return;
  CopyArea a;
  if (!ClipCopy(0, 0, src->Width(), src->Height(), src->Width(), src->Height(), x, y, dst->Width(), dst->Height(), a))
    return;
  const std::uint32_t keyPx = KeyToPixel(key);
  for (int row = 0; row < a.h; ++row) {
    const std::uint32_t* s = src->Row(a.sy + row) + a.sx;
    std::uint32_t* d = dst->Row(a.dy + row) + a.dx;
    for (int col = 0; col < a.w; ++col)
      if (s[col] != keyPx) d[col] = s[col] | 0xFF000000u;
  }
}

void CopyKeyedOverBackground(Bitmap32* dst, const Bitmap32* src, int x, bool useBg, const TacBgInfo& bg,
                             std::uint32_t key, const TRect& srcRect, int y) {
  if (dst == nullptr || src == nullptr || !dst->Is32Bit() || !src->Is32Bit()) return;
  CopyArea a;
  if (!ClipCopyInclusive(srcRect, src->Width(), src->Height(), x, y, dst->Width(), dst->Height(), a)) return;
  const std::uint32_t keyPx = KeyToPixel(key);

  // The source may be the destination itself: read from a snapshot of the area then.
  std::vector<std::uint32_t> snapshot;
  const std::uint32_t* srcBase = nullptr;
  std::ptrdiff_t srcDelta = 0;
  if (src == dst) {
    snapshot.resize(static_cast<std::size_t>(a.w) * static_cast<std::size_t>(a.h));
    for (int row = 0; row < a.h; ++row)
      std::memcpy(&snapshot[static_cast<std::size_t>(row) * a.w], src->Row(a.sy + row) + a.sx,
                  sizeof(std::uint32_t) * static_cast<std::size_t>(a.w));
    srcBase = snapshot.data();
    srcDelta = a.w;
  } else {
    srcBase = src->Row(a.sy) + a.sx;
    srcDelta = a.h > 1 ? src->Row(a.sy + 1) - src->Row(a.sy) : 0;
  }

  enum class KeyMode { KeepOpaque, FromBg, Keep, Fill };
  KeyMode mode;
  const bool haveBmp = useBg && bg.Ready && bg.Bmp != nullptr && bg.Bmp->Is32Bit();
  if (haveBmp && bg.Bmp == dst) mode = KeyMode::KeepOpaque;
  else if (haveBmp) mode = KeyMode::FromBg;
  else if (bg.Ready) mode = KeyMode::Keep;
  else mode = KeyMode::Fill;
  const std::uint32_t fill = (SwapRedBlue(bg.FillColor) & 0x00FFFFFFu) | (dst->Row(0)[0] & 0xFF000000u);

  for (int row = 0; row < a.h; ++row) {
    const std::uint32_t* s = srcBase + srcDelta * row;
    const int dy = a.dy + row;
    std::uint32_t* d = dst->Row(dy) + a.dx;
    for (int col = 0; col < a.w; ++col) {
      const std::uint32_t sp = s[col];
      if (sp != keyPx) {
        d[col] = mode == KeyMode::KeepOpaque ? (sp | 0xFF000000u) : sp;
        continue;
      }
      switch (mode) {
        case KeyMode::KeepOpaque:
        case KeyMode::Keep: break;
        case KeyMode::FromBg: {
          const std::int64_t bx = std::int64_t(a.dx) + col + bg.X;
          const std::int64_t by = std::int64_t(dy) + bg.Y;
          if (bx >= 0 && by >= 0 && bx < bg.Bmp->Width() && by < bg.Bmp->Height())
            d[col] = bg.Bmp->Row(static_cast<int>(by))[bx];
          break;
        }
        case KeyMode::Fill: d[col] = fill; break;
      }
    }
  }
}

}  // namespace skin
