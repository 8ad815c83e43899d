#include "platform/gfx/Color.h"

#include <array>

namespace gfx {
namespace {

constexpr std::array<TColor, COLOR_COUNT> kClassic = {
    RGB(212, 208, 200),  // scroll bar
    RGB(58, 110, 165),   // desktop
    RGB(10, 36, 106),    // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(212, 208, 200),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(212, 208, 200),  // active border
    RGB(212, 208, 200),  // inactive border
    RGB(128, 128, 128),  // application workspace
    RGB(10, 36, 106),    // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(212, 208, 200),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(212, 208, 200),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(64, 64, 64),     // 3D dark shadow
    RGB(212, 208, 200),  // 3D light
    RGB(0, 0, 0),        // tooltip text
    RGB(255, 255, 225),  // tooltip background
    RGB(181, 181, 181),  // (unused index 25)
    RGB(0, 0, 128),      // hot-tracked item
    RGB(166, 202, 240),  // active caption gradient
    RGB(192, 192, 192),  // inactive caption gradient
    RGB(49, 106, 197),   // menu highlight
    RGB(212, 208, 200),  // menu bar
};

std::array<TColor, COLOR_COUNT>& Table() {
  static std::array<TColor, COLOR_COUNT> table = kClassic;
  return table;
}

}  // namespace

TColor GetSysColor(int index) {
  if (index < 0 || index >= COLOR_COUNT) return 0;
  return Table()[static_cast<std::size_t>(index)];
}

void SetSysColor(int index, TColor value) {
  if (index < 0 || index >= COLOR_COUNT) return;
  Table()[static_cast<std::size_t>(index)] = value & 0x00FFFFFF;
}

void ResetSysColors() { Table() = kClassic; }

TColor ColorToRGB(TColor c) {
  if (IsSystemColor(c)) return GetSysColor(static_cast<int>(c & 0xFF));
  return c;
}

}  // namespace gfx
