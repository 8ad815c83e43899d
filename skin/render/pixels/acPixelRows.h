#pragma once
// Row kernels of the pixel routines: loops over the bytes or pixels of one row, written so
// that the compiler turns them into vector code with the baseline instruction set (bytes
// widened to 16 bits, where every product and sum below fits). Each gives exactly what
// the per-byte formula it names gives; the routines choose a kernel once per row.
#include <cstddef>
#include <cstdint>

namespace skin::rows {

// out[i] = (a[i] * wa + b[i] * wb) >> 8 for n bytes, with wa + wb <= 256. out may be a or
// b. With wb = 256 - wa this is the blend step toward b with a's weight wa.
void BlendBytes(std::uint8_t* out, const std::uint8_t* a, unsigned wa, const std::uint8_t* b, unsigned wb,
                std::size_t n);

// d[i] = (a[i] * w[i] + d[i] * (256 - w[i])) >> 8, raised to floor[i] when that is larger,
// for n bytes: a per-byte weight toward a.
void BlendBytesByWeight(std::uint8_t* d, const std::uint8_t* a, const std::uint8_t* w, const std::uint8_t* floor,
                        std::size_t n);

// Source-over of n pixels with per-pixel alpha scaled by opacity: with w = s_A at full
// opacity, else (s_A * opacity) >> 8, B, G, R become (s * w + d * (256 - w)) >> 8 and A
// becomes max((w * w + d_A * (256 - w)) >> 8, d_A). A weight of 0 leaves d as it was.
void AlphaOverPixels(std::uint32_t* d, const std::uint32_t* s, std::uint8_t opacity, std::size_t n);

// d[i] = (d[i] * m[i] + p[i] * (256 - m[i])) >> 8 for n bytes: the masked copy step, each
// byte of the mask weighting the destination.
void MaskBytes(std::uint8_t* d, const std::uint8_t* p, const std::uint8_t* m, std::size_t n);

// d[x] |= bits for n pixels.
void OrPixels(std::uint32_t* d, std::uint32_t bits, std::size_t n);

// d[x] = v[x] for the n pixels whose s[x] differs from key; the others keep d[x].
void SelectUnlessKey(std::uint32_t* d, const std::uint32_t* v, const std::uint32_t* s, std::uint32_t key,
                     std::size_t n);

// Pixels handled per chunk by routines that stage a row in buffers on the stack.
inline constexpr int kChunk = 64;

}  // namespace skin::rows
