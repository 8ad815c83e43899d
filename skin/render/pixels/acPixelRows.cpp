#include "skin/render/pixels/acPixelRows.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

namespace {

// One pixel of AlphaOverPixels.
inline std::uint32_t AlphaOverPixel(std::uint32_t dp, std::uint32_t sp, std::uint8_t opacity) {
  const u16 w =
      opacity == 255 ? static_cast<u16>(sp >> 24) : static_cast<u16>(static_cast<u16>((sp >> 24) * opacity) >> 8);
  const std::uint32_t src = (sp & 0x00FFFFFFu) | (std::uint32_t(w) << 24);
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const u16 sv = (src >> shift) & 0xFF, dv = (dp >> shift) & 0xFF;
    out |= std::uint32_t(static_cast<u16>(sv * w + dv * (256 - w)) >> 8) << shift;
  }
  const std::uint32_t da = dp & 0xFF000000u;
  return (out & 0xFF000000u) < da ? (out & 0x00FFFFFFu) | da : out;
}

}  // namespace

void AlphaOverPixels(std::uint32_t* d, const std::uint32_t* s, std::uint8_t opacity, std::size_t n) {
  std::size_t i = 0;
#if defined(__SSE2__)
  // Four pixels at a time, two channels per 32-bit pixel in 16-bit lanes: B and R in the
  // low bytes of the lanes, G and A in the high ones, each lane weighted by w (s * w +
  // d * (256 - w) <= 255 * 256 fits), then A raised to the destination's.
  const __m128i rbMask = _mm_set1_epi32(0x00FF00FF);
  const __m128i gaMask = _mm_set1_epi32(static_cast<int>(0xFF00FF00u));
  const __m128i rgbMask = _mm_set1_epi32(0x00FFFFFF);
  const __m128i aMask = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  const __m128i k256 = _mm_set1_epi16(256);
  const __m128i op = _mm_set1_epi32(opacity);
  for (; i + 4 <= n; i += 4) {
    const __m128i sp = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
    const __m128i dp = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
    __m128i w = _mm_srli_epi32(sp, 24);
    if (opacity != 255) w = _mm_srli_epi32(_mm_mullo_epi16(w, op), 8);
    const __m128i w16 = _mm_or_si128(w, _mm_slli_epi32(w, 16));  // w in both lanes of a pixel
    const __m128i iw = _mm_sub_epi16(k256, w16);
    const __m128i src = _mm_or_si128(_mm_and_si128(sp, rgbMask), _mm_slli_epi32(w, 24));
    const __m128i rb = _mm_srli_epi16(
        _mm_add_epi16(_mm_mullo_epi16(_mm_and_si128(src, rbMask), w16), _mm_mullo_epi16(_mm_and_si128(dp, rbMask), iw)),
        8);
    const __m128i ga = _mm_and_si128(
        _mm_add_epi16(_mm_mullo_epi16(_mm_srli_epi16(src, 8), w16), _mm_mullo_epi16(_mm_srli_epi16(dp, 8), iw)),
        gaMask);
    const __m128i mixed = _mm_max_epu8(_mm_or_si128(rb, ga), _mm_and_si128(dp, aMask));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), mixed);
  }
#endif
  for (; i < n; ++i) d[i] = AlphaOverPixel(d[i], s[i], opacity);
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
