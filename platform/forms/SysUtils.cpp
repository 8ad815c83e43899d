#include "platform/forms/SysUtils.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "platform/base/Unicode.h"

namespace forms {

std::string NativePath(std::u16string_view path) {
  std::u16string p(path);
  for (char16_t& c : p)
    if (c == u'\\') c = u'/';
  return base::Utf16ToUtf8(p);
}

bool ReadFileBytes(std::u16string_view path, std::vector<std::uint8_t>& out) {
  out.clear();
  FILE* f = std::fopen(NativePath(path).c_str(), "rb");
  if (!f) return false;
  std::uint8_t buf[65536];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) out.insert(out.end(), buf, buf + n);
  bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

std::u16string Ascii(std::string_view s) { return std::u16string(s.begin(), s.end()); }

std::u16string IntToStr(std::int64_t v) { return Ascii(std::to_string(v)); }

std::u16string IntToHex(std::uint64_t v, int digits) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::u16string s;
  do {
    s.insert(s.begin(), static_cast<char16_t>(kDigits[v & 15]));
    v >>= 4;
  } while (v);
  while (static_cast<int>(s.size()) < digits) s.insert(s.begin(), u'0');
  return s;
}

std::u16string FloatToStr(double v) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  return Ascii(std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)));
}

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  long long p = static_cast<long long>(a) * b;
  long long q = c;
  bool neg = (p < 0) != (q < 0);
  p = std::llabs(p);
  q = std::llabs(q);
  long long r = (p + q / 2) / q;
  return static_cast<int>(neg ? -r : r);
}

char16_t LowerChar(char16_t c) {
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
  if (c < 0xC0) return c;
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<char16_t>(c + 32);
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

char16_t UpperChar(char16_t c) {
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

std::u16string LowerCase(std::u16string_view s) {
  std::u16string r(s);
  for (char16_t& c : r) c = LowerChar(c);
  return r;
}

std::u16string UpperCase(std::u16string_view s) {
  std::u16string r(s);
  for (char16_t& c : r) c = UpperChar(c);
  return r;
}

std::u16string ExtractFileName(std::u16string_view path) {
  std::size_t p = path.find_last_of(u"\\/");
  return std::u16string(p == std::u16string_view::npos ? path : path.substr(p + 1));
}

}  // namespace forms
