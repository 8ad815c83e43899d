#pragma once
// The colour model of the skin engine: colour values (0x00BBGGRR, as the skin options
// store them), pixels (0xAARRGGBB, bytes B, G, R, A in memory), the key colour; with the
// integer mixing steps every pixel routine shares (acBlendStep.h).
#include <cstdint>

#include "platform/gfx/Color.h"
#include "skin/render/pixels/acBlendStep.h"

namespace skin {

using gfx::clNone;
using gfx::ColorToRGB;
using gfx::TColor;

// Magenta: transparent pixels of key-colour images; as a colour argument, "no colour".
constexpr TColor KeyColor = 0xFF00FF;
// The key colour as a pixel; every key test compares whole 32-bit pixels with it.
constexpr std::uint32_t KeyPixel = 0x00FF00FF;
// Given as a key: there is no key colour, every pixel is treated.
constexpr std::uint32_t NoKey = 0x1FFFFFFF;

// A colour value viewed byte by byte: R, G, B, A are bytes 0..3 of C.
struct TsColor {
  std::uint32_t C = 0;

  constexpr TsColor() = default;
  constexpr explicit TsColor(std::uint32_t c) : C(c) {}

  constexpr std::uint8_t R() const { return C & 0xFF; }
  constexpr std::uint8_t G() const { return (C >> 8) & 0xFF; }
  constexpr std::uint8_t B() const { return (C >> 16) & 0xFF; }
  constexpr std::uint8_t A() const { return (C >> 24) & 0xFF; }
  constexpr std::int32_t I() const { return static_cast<std::int32_t>(C); }

  constexpr void SetR(std::uint8_t v) { C = (C & 0xFFFFFF00u) | v; }
  constexpr void SetG(std::uint8_t v) { C = (C & 0xFFFF00FFu) | (std::uint32_t(v) << 8); }
  constexpr void SetB(std::uint8_t v) { C = (C & 0xFF00FFFFu) | (std::uint32_t(v) << 16); }
  constexpr void SetA(std::uint8_t v) { C = (C & 0x00FFFFFFu) | (std::uint32_t(v) << 24); }

  friend constexpr bool operator==(TsColor a, TsColor b) { return a.C == b.C; }
};

// Exchanges bytes 0 and 2; bytes 1 and 3 are kept. Turns a colour value into a pixel
// value (alpha 0) and back.
constexpr std::uint32_t SwapRedBlue(std::uint32_t v) {
  return (v & 0xFF00FF00u) | ((v & 0xFFu) << 16) | ((v >> 16) & 0xFFu);
}

// The pixel that a keyed routine skips for a key given as a colour value, or NoKey.
constexpr std::uint32_t KeyToPixel(std::uint32_t key) {
  return key == NoKey ? NoKey : (SwapRedBlue(key) & 0x00FFFFFFu);
}

}  // namespace skin
