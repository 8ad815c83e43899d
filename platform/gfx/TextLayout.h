#pragma once
// Line layout of the platform's DrawText: prefix characters, line breaks, word wrapping,
// tab expansion and end ellipsis, measured through any source of character advances.
// It decides what each line shows and where each character goes; drawing surfaces place
// the lines vertically and draw them.
#include <string>
#include <string_view>
#include <vector>

namespace gfx {

// DrawText format flags, with the platform's values.
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_TABSTOP = 0x80;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_EXTERNALLEADING = 0x200;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_INTERNAL = 0x1000;
constexpr unsigned DT_EDITCONTROL = 0x2000;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_MODIFYSTRING = 0x10000;
constexpr unsigned DT_RTLREADING = 0x20000;
constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;
constexpr unsigned DT_NOFULLWIDTHCHARBREAK = 0x80000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;
constexpr unsigned DT_PREFIXONLY = 0x200000;

// The flags of a format, without the tab stop count that DT_TABSTOP puts in bits 8-15.
constexpr unsigned DrawTextFlags(unsigned format) { return format & DT_TABSTOP ? format & ~0xFF00u : format; }
// Characters per tab stop: bits 8-15 with DT_TABSTOP, else 8.
constexpr int TabStopChars(unsigned format) {
  const int n = format & DT_TABSTOP ? static_cast<int>((format >> 8) & 0xFF) : 8;
  return n > 0 ? n : 8;
}

class TextMeasurer {
 public:
  virtual int Advance(char32_t c) = 0;

 protected:
  ~TextMeasurer() = default;
};

struct LaidOutLine {
  std::u16string text;        // what the line shows: prefix marks removed, "..." added
  std::vector<int> x;         // pen offset of every UTF-16 unit, then the line's width
  std::vector<int> prefixes;  // indexes into text of the characters to underline
  int Width() const { return x.empty() ? 0 : x.back(); }
};

struct TextLayout {
  std::vector<LaidOutLine> lines;
  int width = 0;  // of the widest line
};

// Lays out text for a rectangle maxWidth wide. With DT_TABSTOP, bits 8-15 of format give
// the characters per tab stop (default 8); tabs expand to multiples of tabUnit times that
// when DT_EXPANDTABS is set. An empty text gives no lines; a final line break adds none.
TextLayout LayoutText(std::u16string_view text, int maxWidth, unsigned format, int tabUnit, TextMeasurer& m);

// Pen offsets of every UTF-16 unit of text on one line, then the total width; tabs
// expand to multiples of tabWidth when it is positive.
std::vector<int> MeasureRun(std::u16string_view text, int tabWidth, TextMeasurer& m);

// Decodes the code point starting at text[i]; count gets its number of units (1 or 2).
char32_t CodePointAt(std::u16string_view text, std::size_t i, int& count);

}  // namespace gfx
