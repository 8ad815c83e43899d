#include "skin/render/pixels/acKeyedCopy.h"

#include <cstring>
#include <vector>

#include "skin/render/pixels/acPixelClip.h"

namespace skin {

void CopyKeyed(Bitmap32* dst, const Bitmap32* src, int x, std::uint8_t fade, std::uint32_t key, const TRect& srcRect,
               int y) {
  if (dst == nullptr || src == nullptr || !dst->Is32Bit() || !src->Is32Bit()) return;
  CopyArea a;
  if (!ClipCopyInclusive(srcRect, src->Width(), src->Height(), x, y, dst->Width(), dst->Height(), a)) return;
  const std::uint32_t keyPx = KeyToPixel(key);
  for (int row = 0; row < a.h; ++row) {
    const std::uint32_t* s = src->Row(a.sy + row) + a.sx;
    std::uint32_t* d = dst->Row(a.dy + row) + a.dx;
    if (fade == 0) {
      for (int col = 0; col < a.w; ++col)
        if (s[col] != keyPx) d[col] = s[col];
      continue;
    }
    for (int col = 0; col < a.w; ++col) {
      const std::uint32_t sp = s[col];
      if (sp == keyPx) continue;
      const std::uint32_t dp = d[col];
      std::uint32_t out = 0;
      for (int shift = 0; shift < 24; shift += 8) {
        const int sc = (sp >> shift) & 0xFF;
        const int dc = (dp >> shift) & 0xFF;
        out |= (static_cast<std::uint32_t>(((sc - dc) * fade + dc * 256) >> 8) & 0xFF) << shift;
      }
      const std::uint32_t da = dp >> 24;
      out |= (da > fade ? da : fade) << 24;
      d[col] = out;
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
