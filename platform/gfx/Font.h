#pragma once
// Fonts as drawing surfaces select them: a description (face name, pixel height, weight,
// styles, character set) and the face it resolves to, looked up once and shared by every
// equal description. Resolution, metrics and glyphs live in FontFace.
#include <cstdint>
#include <string>

namespace gfx {

class FontFace;

constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;

constexpr std::uint8_t ANSI_CHARSET = 0;
constexpr std::uint8_t DEFAULT_CHARSET = 1;
constexpr std::uint8_t SYMBOL_CHARSET = 2;
constexpr std::uint8_t RUSSIAN_CHARSET = 204;
constexpr std::uint8_t EASTEUROPE_CHARSET = 238;
constexpr std::uint8_t GREEK_CHARSET = 161;
constexpr std::uint8_t TURKISH_CHARSET = 162;
constexpr std::uint8_t BALTIC_CHARSET = 186;

struct FontDesc {
  std::u16string face = u"Tahoma";
  // Negative: character height (the em size) in pixels; positive: cell height (ascent
  // plus descent); 0: the default character height of 11 pixels.
  int height = -11;
  int weight = FW_NORMAL;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  std::uint8_t charSet = DEFAULT_CHARSET;

  friend bool operator==(const FontDesc&, const FontDesc&) = default;
};

// Text metrics with the platform's meanings, in pixels.
struct TextMetric {
  int tmHeight = 0;           // ascent + descent
  int tmAscent = 0;           // baseline to the top of the cell
  int tmDescent = 0;          // baseline to the bottom of the cell
  int tmInternalLeading = 0;  // cell height minus the character height
  int tmExternalLeading = 0;  // extra space the face asks for between lines
  int tmAveCharWidth = 0;
  int tmMaxCharWidth = 0;
  int tmWeight = FW_NORMAL;
  int tmOverhang = 0;
  std::uint8_t tmItalic = 0;
  std::uint8_t tmUnderlined = 0;
  std::uint8_t tmStruckOut = 0;
  std::uint8_t tmCharSet = DEFAULT_CHARSET;
  char16_t tmFirstChar = 0x20;
  char16_t tmLastChar = 0xFFFC;
  char16_t tmDefaultChar = 0x20;
  char16_t tmBreakChar = 0x20;
};

class Font {
 public:
  Font() = default;
  explicit Font(FontDesc desc) : desc_(std::move(desc)) {}

  const FontDesc& Desc() const { return desc_; }
  // The resolved face at this font's size; looked up on first use.
  FontFace& Face() const;

  friend bool operator==(const Font& a, const Font& b) { return a.desc_ == b.desc_; }

 private:
  FontDesc desc_;
  // Owned by the font library, which keeps every face it resolved until the process ends.
  mutable FontFace* face_ = nullptr;
};

}  // namespace gfx
