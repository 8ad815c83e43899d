#include "tools/pellomir-script/driver/Escaping.h"

#include "platform/base/Unicode.h"

namespace script {

std::string EscapeText(std::u16string_view text, EscapeQuotes quotes) {
  std::u16string out;
  out.reserve(text.size());
  for (char16_t c : text) {
    switch (c) {
      case u'\\': out += u"\\\\"; break;
      case u'\r': out += u"\\r"; break;
      case u'\n': out += u"\\n"; break;
      case u'\t': out += u"\\t"; break;
      case u'"':
        if (quotes == EscapeQuotes::Yes) out += u"\\\"";
        else out += c;
        break;
      default: out += c; break;
    }
  }
  return base::Utf16ToUtf8(out);
}

namespace {

// Whether `s` is well-formed UTF-8 (no overlong forms, no surrogates, at most U+10FFFF).
bool ValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    auto b = static_cast<unsigned char>(s[i]);
    int len = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (len == 0 || i + static_cast<std::size_t>(len) > s.size()) return false;
    char32_t cp = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
    for (int k = 1; k < len; ++k) {
      auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
      if ((c >> 6) != 0x2) return false;
      cp = (cp << 6) | (c & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(len);
  }
  return true;
}

}  // namespace

std::optional<std::u16string> UnescapeTyped(std::string_view text, std::string& error) {
  if (!ValidUtf8(text)) {
    error = "the text is not valid UTF-8";
    return std::nullopt;
  }
  std::string plain;
  plain.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      plain += text[i];
      continue;
    }
    if (i + 1 == text.size()) {
      error = "the text ends in a lone \"\\\" (write \\\\ for a backslash)";
      return std::nullopt;
    }
    char e = text[++i];
    if (e == 'n') plain += '\n';
    else if (e == 't') plain += '\t';
    else if (e == '\\') plain += '\\';
    else {
      std::string seq(1, e);  // a whole character, also when it takes several bytes
      while (i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) seq += text[++i];
      error = "unknown escape \"\\" + seq + "\" (use \\n, \\t or \\\\)";
      return std::nullopt;
    }
  }
  return base::Utf8ToUtf16(plain);
}

}  // namespace script
