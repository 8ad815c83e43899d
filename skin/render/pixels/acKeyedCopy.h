#pragma once
// Copies that leave out key-colour pixels, and the per-channel masked copy step used by
// images that carry their own mask.
#include <cstdint>

#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/acBgInfo.h"
#include "skin/render/pixels/sColors.h"

namespace skin {

// Copies srcRect (inclusive) to (x, y), skipping source pixels equal to the key (a colour
// value, compared as SwapRedBlue(key) with alpha 0; NoKey skips nothing). fade 0 copies
// whole pixels; otherwise B, G, R move toward the source by fade/256 and A becomes
// max(A, fade).
void CopyKeyed(Bitmap32* dst, const Bitmap32* src, int x, std::uint8_t fade, std::uint32_t key, const TRect& srcRect,
               int y);

// Copies the whole source to (x, y) except key pixels; copied pixels become opaque.
void CopyKeyedOpaque(Bitmap32* dst, const Bitmap32* src, int x, std::uint32_t key, int y);

// Copies srcRect (inclusive) to (x, y); key pixels show what lies behind as bg describes.
// dst may be src.
void CopyKeyedOverBackground(Bitmap32* dst, const Bitmap32* src, int x, bool useBg, const TacBgInfo& bg,
                             std::uint32_t key, const TRect& srcRect, int y);

// The masked copy step: B, G, R of d blended with picture pixel p by the mask pixel's own
// channel (mask 0 shows the picture, 255 keeps d). Byte A of d is kept.
constexpr std::uint32_t MaskedPixel(std::uint32_t d, std::uint32_t p, std::uint32_t m) {
  std::uint32_t out = d & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const int dc = (d >> shift) & 0xFF;
    const int pc = (p >> shift) & 0xFF;
    const int mc = (m >> shift) & 0xFF;
    out |= std::uint32_t(BlendStep(dc, pc, mc)) << shift;
  }
  return out;
}

}  // namespace skin
