#pragma once
// Small helpers for pixel tests: filled bitmaps and whole-bitmap comparisons.
#include <cstdint>
#include <vector>

#include "skin/render/pixels/Bitmap32.h"

namespace skin::test {

inline Bitmap32 Filled(int w, int h, std::uint32_t px) {
  Bitmap32 b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, px);
  return b;
}

// A bitmap whose every pixel differs: value depends on the position.
inline Bitmap32 Pattern(int w, int h, std::uint32_t seed = 0x12345678) {
  Bitmap32 b(w, h);
  std::uint32_t v = seed;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      v = v * 1664525u + 1013904223u;
      b.SetPixel(x, y, v);
    }
  return b;
}

inline std::vector<std::uint32_t> Snapshot(const Bitmap32& b) {
  std::vector<std::uint32_t> out;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) out.push_back(b.Pixel(x, y));
  return out;
}

}  // namespace skin::test
