#include "skin/render/pixels/acPixelRows.h"

namespace skin::rows {

// Products of a byte and a weight of at most 256, and their sums, stay below 65536 when the
// weights add up to at most 256: the arithmetic is done in 16 bits, eight lanes a vector.
using u16 = std::uint16_t;
using u8 = std::uint8_t;

void BlendBytes(u8* out, const u8* a, unsigned wa, const u8* b, unsigned wb, std::size_t n) {
  const u16 ta = static_cast<u16>(wa), tb = static_cast<u16>(wb);
  for (std::size_t i = 0; i < n; ++i) out[i] = static_cast<u8>(static_cast<u16>(a[i] * ta + b[i] * tb) >> 8);
}

void BlendBytesByWeight(u8* d, const u8* a, const u8* w, const u8* floor, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    const u16 wi = w[i];
    const u8 v = static_cast<u8>(static_cast<u16>(a[i] * wi + d[i] * static_cast<u16>(256 - wi)) >> 8);
    d[i] = v > floor[i] ? v : floor[i];
  }
}

void MaskBytes(u8* d, const u8* p, const u8* m, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    const u16 mi = m[i];
    d[i] = static_cast<u8>(static_cast<u16>(d[i] * mi + p[i] * static_cast<u16>(256 - mi)) >> 8);
  }
}

void OrPixels(std::uint32_t* d, std::uint32_t bits, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) d[i] |= bits;
}

void SelectUnlessKey(std::uint32_t* d, const std::uint32_t* v, const std::uint32_t* s, std::uint32_t key,
                     std::size_t n) {
  // Both values are read first, so that the choice is a select and not a branch.
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint32_t vi = v[i], di = d[i];
    d[i] = s[i] != key ? vi : di;
  }
}

}  // namespace skin::rows
