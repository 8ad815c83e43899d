#include "tools/skingen/Palette.h"

#include "platform/base/TextCase.h"
#include "tools/skingen/SourceText.h"

namespace skingen {

bool ParseHexColour(std::string_view word, std::uint32_t& rgb) {
  if (word.size() != 7 || word[0] != '#') return false;
  std::uint32_t v = 0;
  for (std::size_t i = 1; i < 7; ++i) {
    const char c = base::ToLowerAscii(word[i]);
    if (c >= '0' && c <= '9') v = v * 16 + static_cast<std::uint32_t>(c - '0');
    else if (c >= 'a' && c <= 'f') v = v * 16 + static_cast<std::uint32_t>(c - 'a' + 10);
    else return false;
  }
  rgb = v;
  return true;
}

TPalette TPalette::Parse(std::string_view text, std::string_view fileName) {
  TPalette p;
  const std::vector<std::string> lines = SourceLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int lineNo = static_cast<int>(i) + 1;
    const std::string line = StripComment(lines[i]);
    if (line.empty()) continue;
    const std::vector<std::string> w = SplitWords(line);
    if (w.size() != 3 || w[1] != "=") throw TSourceError(fileName, lineNo, "expected \"name = #RRGGBB\"");
    if (p.colours_.count(w[0])) throw TSourceError(fileName, lineNo, "the colour \"" + w[0] + "\" is named twice");
    std::uint32_t rgb = 0;
    if (!ParseHexColour(w[2], rgb) && !p.Find(w[2], rgb))
      throw TSourceError(fileName, lineNo, "\"" + w[2] + "\" is neither #RRGGBB nor a colour named before");
    p.colours_.emplace(w[0], rgb);
  }
  return p;
}

bool TPalette::Find(std::string_view name, std::uint32_t& rgb) const {
  const auto it = colours_.find(name);
  if (it == colours_.end()) return false;
  rgb = it->second;
  return true;
}

bool TPalette::ParseInk(std::string_view word, TInk& out) const {
  if (word == "none") {
    out = TInk{0, 0};
    return true;
  }
  std::string_view colour = word;
  int percent = 100;
  const std::size_t slash = word.find('/');
  if (slash != std::string_view::npos) {
    colour = word.substr(0, slash);
    if (!ParseInt(word.substr(slash + 1), percent) || percent < 0 || percent > 100) return false;
  }
  std::uint32_t rgb = 0;
  if (!ParseHexColour(colour, rgb) && !Find(colour, rgb)) return false;
  out.Rgb = rgb;
  out.Alpha = static_cast<std::uint8_t>((percent * 255 + 50) / 100);
  return true;
}

}  // namespace skingen
