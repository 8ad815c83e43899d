#pragma once
// Colour values as the skins and controls store them: 32-bit 0x00BBGGRR, red in the low
// byte. Values with bit 31 set name a system colour (index in the low byte) and are
// resolved through the system colour table.
#include <cstdint>

namespace gfx {

using TColor = std::uint32_t;

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;
constexpr TColor clSystemColor = 0xFF000000;

// System colour indexes of the classic desktop.
enum SysColorIndex : int {
  COLOR_SCROLLBAR = 0,
  COLOR_BACKGROUND = 1,
  COLOR_ACTIVECAPTION = 2,
  COLOR_INACTIVECAPTION = 3,
  COLOR_MENU = 4,
  COLOR_WINDOW = 5,
  COLOR_WINDOWFRAME = 6,
  COLOR_MENUTEXT = 7,
  COLOR_WINDOWTEXT = 8,
  COLOR_CAPTIONTEXT = 9,
  COLOR_ACTIVEBORDER = 10,
  COLOR_INACTIVEBORDER = 11,
  COLOR_APPWORKSPACE = 12,
  COLOR_HIGHLIGHT = 13,
  COLOR_HIGHLIGHTTEXT = 14,
  COLOR_BTNFACE = 15,
  COLOR_BTNSHADOW = 16,
  COLOR_GRAYTEXT = 17,
  COLOR_BTNTEXT = 18,
  COLOR_INACTIVECAPTIONTEXT = 19,
  COLOR_BTNHIGHLIGHT = 20,
  COLOR_3DDKSHADOW = 21,
  COLOR_3DLIGHT = 22,
  COLOR_INFOTEXT = 23,
  COLOR_INFOBK = 24,
  COLOR_HOTLIGHT = 26,
  COLOR_GRADIENTACTIVECAPTION = 27,
  COLOR_GRADIENTINACTIVECAPTION = 28,
  COLOR_MENUHILIGHT = 29,
  COLOR_MENUBAR = 30,
  COLOR_COUNT = 31
};

constexpr TColor RGB(int r, int g, int b) {
  return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
constexpr std::uint8_t GetRValue(TColor c) { return c & 0xFF; }
constexpr std::uint8_t GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t GetBValue(TColor c) { return (c >> 16) & 0xFF; }

constexpr bool IsSystemColor(TColor c) { return (c & 0x80000000u) != 0; }

// The classic colour of a system colour index (0x00BBGGRR); 0 for an unknown index.
TColor GetSysColor(int index);
// Replaces one entry of the system colour table (tests and themes).
void SetSysColor(int index, TColor value);
// Restores the classic table.
void ResetSysColors();

// Resolves a system colour to plain RGB; other values are returned unchanged.
TColor ColorToRGB(TColor c);

}  // namespace gfx
