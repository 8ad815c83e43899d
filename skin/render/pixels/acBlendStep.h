#pragma once
// The skin engine's integer mixing steps, the one home of every ">> 8" blend of the skin.
// They divide by 256 where platform/gfx/PixelOps.h divides by 255 with rounding: skins are
// drawn for these exact results (a full weight of 255 keeps 255/256), so they stay as they are.
#include <cstdint>

namespace skin {

// The blend step on one byte: d' = ((d - s) * t + s * 256) >> 8, t the destination weight
// 0..255 (0 gives s exactly, 255 gives d less 1/256 of d - s).
constexpr std::uint8_t BlendStep(int d, int s, int t) {
  return static_cast<std::uint8_t>(((d - s) * t + s * 256) >> 8);
}

// A percentage 0..100 as a destination weight 0..255.
constexpr int PercentToWeight(int p) { return p * 255 / 100; }

// Two bytes mixed: (a * w + b * (255 - w)) >> 8, w the weight of a. Both weights are out
// of 255 here, so w = 0 gives (b * 255) >> 8, not b.
constexpr std::uint8_t MixStep(int a, int b, int w) { return static_cast<std::uint8_t>((a * w + b * (255 - w)) >> 8); }

// Bytes 0..2 of a and b mixed with MixStep; byte 3 from a. Works on colour values and on
// pixels alike.
constexpr std::uint32_t MixThreeBytes(std::uint32_t a, std::uint32_t b, int w) {
  std::uint32_t r = a & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8)
    r |= std::uint32_t(MixStep(static_cast<int>((a >> shift) & 0xFF), static_cast<int>((b >> shift) & 0xFF), w))
         << shift;
  return r;
}

// Mixes two colour values: per byte 0..2, (a * w + b * (255 - w)) >> 8; byte 3 from a.
constexpr std::uint32_t BlendColorValues(std::uint32_t a, std::uint32_t b, int w) { return MixThreeBytes(a, b, w); }

// A byte scaled by a weight 0..255: (v * w) >> 8.
constexpr std::uint32_t ScaleStep(std::uint32_t v, std::uint32_t w) { return (v * w) >> 8; }

// An alpha byte grown by the cover c 0..255 of what it lacks: a + (((255 - a) * c) >> 8).
constexpr std::uint32_t CoverStep(std::uint32_t a, std::uint32_t c) { return a + (((255 - a) * c) >> 8); }

}  // namespace skin
