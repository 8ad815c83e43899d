#include "platform/base/TextCase.h"

#include <algorithm>

namespace base {

namespace {

template <typename S, typename F>
S Mapped(std::basic_string_view<typename S::value_type> s, F f) {
  S out(s);
  for (auto& c : out) c = f(c);
  return out;
}

template <typename C, typename F>
bool EqualFolded(std::basic_string_view<C> a, std::basic_string_view<C> b, F f) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (f(a[i]) != f(b[i])) return false;
  return true;
}

constexpr char16_t LowerAscii16(char16_t c) { return ToLowerAscii(c); }
constexpr char16_t UpperAscii16(char16_t c) { return ToUpperAscii(c); }
constexpr char UpperAscii8(char c) { return ToUpperAscii(c); }
constexpr char LowerAscii8(char c) { return ToLowerAscii(c); }
char16_t LowerUi(char16_t c) { return ToLowerUi(c); }
char16_t UpperUi(char16_t c) { return ToUpperUi(c); }

}  // namespace

std::u16string ToUpperAscii(std::u16string_view s) { return Mapped<std::u16string>(s, UpperAscii16); }
std::u16string ToLowerAscii(std::u16string_view s) { return Mapped<std::u16string>(s, LowerAscii16); }
std::string ToUpperAscii(std::string_view s) { return Mapped<std::string>(s, UpperAscii8); }
std::string ToLowerAscii(std::string_view s) { return Mapped<std::string>(s, LowerAscii8); }

bool EqualsIgnoreAsciiCase(std::u16string_view a, std::u16string_view b) { return EqualFolded(a, b, LowerAscii16); }
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) { return EqualFolded(a, b, LowerAscii8); }

char16_t ToLowerUi(char16_t c) {
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
  if (c < 0xC0) return c;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
  if (c >= 0x100 && c <= 0x17F) {
    if (c == 0x130) return u'i';
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? static_cast<char16_t>(c + 1) : c;
    if (c == 0x178) return 0xFF;
    if (c >= 0x138 && c <= 0x149) return c;
    return (c & 1) ? c : static_cast<char16_t>(c + 1);
  }
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return static_cast<char16_t>(c + 32);
  if (c >= 0x410 && c <= 0x42F) return static_cast<char16_t>(c + 32);
  if (c >= 0x400 && c <= 0x40F) return static_cast<char16_t>(c + 80);
  return c;
}

char16_t ToUpperUi(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 32);
  if (c < 0xE0) return c;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 32);
  if (c == 0xFF) return 0x178;
  if (c >= 0x100 && c <= 0x17F) {
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c : static_cast<char16_t>(c - 1);
    if (c >= 0x138 && c <= 0x149) return c;
    return (c & 1) ? static_cast<char16_t>(c - 1) : c;
  }
  if (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) return static_cast<char16_t>(c - 32);
  if (c >= 0x430 && c <= 0x44F) return static_cast<char16_t>(c - 32);
  if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 80);
  return c;
}

std::u16string ToLowerUi(std::u16string_view s) { return Mapped<std::u16string>(s, LowerUi); }
std::u16string ToUpperUi(std::u16string_view s) { return Mapped<std::u16string>(s, UpperUi); }

bool EqualsIgnoreUiCase(std::u16string_view a, std::u16string_view b) { return EqualFolded(a, b, LowerUi); }

bool StartsWithIgnoreUiCase(std::u16string_view s, std::u16string_view prefix) {
  return prefix.size() <= s.size() && EqualFolded(s.substr(0, prefix.size()), prefix, LowerUi);
}

int CompareIgnoreUiCase(std::u16string_view a, std::u16string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const char16_t x = ToLowerUi(a[i]), y = ToLowerUi(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

}  // namespace base
