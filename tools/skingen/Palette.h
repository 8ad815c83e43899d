#pragma once
// The skin's named colours, shared by the pictures and the options source. A palette
// line reads "name = #RRGGBB" or "name = other" (another name given earlier). Pictures
// write a colour as a name or "#RRGGBB", optionally with an opacity in percent after a
// slash ("ember/40"); "none" is fully transparent.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace skingen {

// A colour as the pictures use it: 0xRRGGBB and a straight opacity 0..255.
struct TInk {
  std::uint32_t Rgb = 0;
  std::uint8_t Alpha = 255;
  friend bool operator==(const TInk&, const TInk&) = default;
};

class TPalette {
 public:
  // Reads a palette source; throws TSourceError for a line it cannot read.
  static TPalette Parse(std::string_view text, std::string_view fileName);

  // The colour of a name (0xRRGGBB); false when the palette has no such name.
  bool Find(std::string_view name, std::uint32_t& rgb) const;
  // A colour expression of the pictures; false when it names nothing known.
  bool ParseInk(std::string_view word, TInk& out) const;
  const std::map<std::string, std::uint32_t, std::less<>>& Colours() const { return colours_; }

 private:
  std::map<std::string, std::uint32_t, std::less<>> colours_;
};

// "#RRGGBB" to 0xRRGGBB; false for anything else.
bool ParseHexColour(std::string_view word, std::uint32_t& rgb);

// 0xRRGGBB as the options store colours: 0x00BBGGRR.
constexpr std::uint32_t OptionsColour(std::uint32_t rgb) {
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

}  // namespace skingen
