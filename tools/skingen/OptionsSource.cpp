#include "tools/skingen/OptionsSource.h"

#include <cstdint>

#include "platform/base/TextCase.h"
#include "tools/skingen/SourceText.h"

namespace skingen {

namespace {

std::string Digits(int v, int width) {
  std::string s = std::to_string(v);
  if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<std::size_t>(width - s.size()), '0');
  return s;
}

std::string Trimmed(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return std::string(s.substr(b, e - b));
}

}  // namespace

std::string FormatImageRef(char syntax, const TPictureRecipe& p, const TRecipe& recipe, std::string_view masterFile,
                           std::string& why) {
  const gfx::TRect a = p.Area();
  const int* b = p.Borders;
  const bool inMaster = p.File == masterFile;
  const int mt = p.Storage == TStorage::Mask ? 1 : 0;
  const bool noBorders = b[0] == 0 && b[1] == 0 && b[2] == 0 && b[3] == 0;
  if (a.Right > 9999 || a.Bottom > 9999) {
    why = "its place needs more than four digits";
    return {};
  }
  if (syntax != '!' && !inMaster) {
    why = "it does not lie in the master bitmap (write it with {!...})";
    return {};
  }
  auto rect4 = [&](char sep) {
    return std::string(1, sep) + Digits(a.Left, 4) + sep + Digits(a.Top, 4) + sep + Digits(a.Right, 4) + sep +
           Digits(a.Bottom, 4);
  };
  switch (syntax) {
    case '^': {
      if (p.Kind != TImageKind::Border) break;
      std::string s = rect4('^');
      for (int i = 0; i < 4; ++i) s += "^" + Digits(b[i], 4);
      // The twelfth field counts only without borders; "0000" then has them computed.
      s += "^" + std::to_string(p.States) + "^" + std::to_string(mt) + "^" + std::to_string(p.DrawMode) + "^" +
           (noBorders ? "0000" : "1");
      return s;
    }
    case '&': {
      std::string s = "&" + Digits(a.Left, 4) + Digits(a.Top, 4) + Digits(a.Right, 4) + Digits(a.Bottom, 4);
      for (int i = 0; i < 4; ++i) s += Digits(b[i], 4);
      s += std::to_string(p.States) + std::to_string(mt) + std::to_string(static_cast<int>(p.Kind)) +
           Digits(p.DrawMode, 2) + "000000";
      return s;
    }
    case '@':
      if (p.Kind != TImageKind::Glyph || !noBorders || p.DrawMode != 0) break;
      return rect4('@') + "@" + std::to_string(p.States) + "@" + std::to_string(mt);
    case '~':
      if (p.Kind != TImageKind::Texture || !noBorders || p.States != 1) break;
      return rect4('~') + "~" + Digits(p.DrawMode, 2) + "~" + std::to_string(mt);
    case '!': {
      const TFileRecipe* f = recipe.FindFile(p.File);
      if (inMaster) {
        why = "it lies in the master bitmap";
        return {};
      }
      const int it = static_cast<int>(p.Kind);
      std::string s =
          "!" + f->Name + "!" + std::to_string(p.States) + "!" + std::to_string(mt) + "!" + std::to_string(it);
      if (p.Kind == TImageKind::Border || p.Kind == TImageKind::Glow) {
        if (a != gfx::TRect{0, 0, f->Size.cx, f->Size.cy}) {
          why = "a border or glow in a file of its own must fill that file";
          return {};
        }
        for (int i = 0; i < 4; ++i) s += "!" + Digits(b[i], 4);
      } else if (p.Kind == TImageKind::Glyph || p.Kind == TImageKind::PngGlyph) {
        s += "!" + Digits(a.Left, 4) + "!" + Digits(a.Top, 4) + "!" + Digits(a.Right, 4) + "!" + Digits(a.Bottom, 4);
      } else {
        return s;
      }
      return s + "!" + std::to_string(p.DrawMode);
    }
    default: why = std::string("'") + syntax + "' is not an image syntax"; return {};
  }
  why = std::string("its kind, borders, states or draw mode do not suit the '") + syntax + "' syntax";
  return {};
}

TOptionsText ExpandOptions(std::string_view source, const TPalette& palette, const TRecipe& recipe,
                           std::string_view fileName) {
  TOptionsText out;
  std::string section, masterFile;
  const std::vector<std::string> lines = SourceLines(source);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int lineNo = static_cast<int>(i) + 1;
    auto fail = [&](const std::string& what) { throw TSourceError(fileName, lineNo, what); };
    const std::string line = StripComment(lines[i]);
    if (line.empty()) {
      if (Trimmed(lines[i]).empty() && !section.empty()) out.Text += "\r\n";
      continue;
    }
    if (line.front() == '[') {
      if (line.back() != ']') fail("a section line ends with \"]\"");
      section = Trimmed(std::string_view(line).substr(1, line.size() - 2));
      out.Text += "[" + section + "]\r\n";
      continue;
    }
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos || section.empty()) fail("expected \"[SECTION]\" or \"KEY = VALUE\" inside a section");
    const std::string key = Trimmed(std::string_view(line).substr(0, eq));
    const std::string raw = Trimmed(std::string_view(line).substr(eq + 1));
    if (key.empty()) fail("a key has a name");
    if (section == "GLOBALINFO" && key == "MASTERBITMAP") {
      for (const TFileRecipe& f : recipe.Files)
        if (base::EqualsIgnoreAsciiCase(f.Name, raw)) masterFile = f.Id;
      if (masterFile.empty()) fail("the recipe has no file named \"" + raw + "\"");
    }
    std::string value;
    std::size_t at = 0;
    while (at < raw.size()) {
      const std::size_t open = raw.find('{', at);
      if (open == std::string::npos) {
        value += raw.substr(at);
        break;
      }
      const std::size_t close = raw.find('}', open);
      if (close == std::string::npos) fail("a \"{\" is not closed");
      value += raw.substr(at, open - at);
      const std::string inner = raw.substr(open + 1, close - open - 1);
      at = close + 1;
      if (!inner.empty() && std::string("^&@~!").find(inner[0]) != std::string::npos) {
        const TPictureRecipe* p = recipe.FindPicture(inner.substr(1));
        if (!p) fail("no picture is named \"" + inner.substr(1) + "\"");
        if (masterFile.empty() && inner[0] != '!') fail("MASTERBITMAP must come before the first picture of it");
        std::string why;
        const std::string ref = FormatImageRef(inner[0], *p, recipe, masterFile, why);
        if (ref.empty()) fail("\"" + p->Name + "\" cannot be written as {" + inner[0] + "...}: " + why);
        value += ref;
        out.Images.push_back({section, key, p->Name, ref});
        continue;
      }
      const bool argb = inner.size() > 5 && inner.compare(inner.size() - 5, 5, ":argb") == 0;
      const std::string name = argb ? inner.substr(0, inner.size() - 5) : inner;
      std::uint32_t rgb = 0;
      if (!palette.Find(name, rgb)) fail("the palette has no colour \"" + name + "\"");
      value += argb ? std::to_string(static_cast<std::int32_t>(0xFF000000u | rgb)) : std::to_string(OptionsColour(rgb));
    }
    out.Text += key + "=" + value + "\r\n";
  }
  return out;
}

}  // namespace skingen
