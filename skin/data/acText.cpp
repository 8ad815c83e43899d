#include "skin/data/acText.h"

namespace skin {

namespace {
constexpr char16_t UpperChar(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; }
}  // namespace

std::u16string UpperCase(std::u16string_view s) {
  std::u16string out(s);
  for (char16_t& c : out) c = UpperChar(c);
  return out;
}

bool SameText(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (UpperChar(a[i]) != UpperChar(b[i])) return false;
  return true;
}

std::u16string_view Trim(std::u16string_view s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && s[b] <= u' ') ++b;
  while (e > b && s[e - 1] <= u' ') --e;
  return s.substr(b, e - b);
}

std::u16string IntToText(std::int64_t v) { return AsciiText(std::to_string(v)); }

std::u16string AsciiText(std::string_view s) { return std::u16string(s.begin(), s.end()); }

}  // namespace skin
