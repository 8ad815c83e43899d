#include "platform/forms/SysUtils.h"

#include <cstdlib>

#include "platform/base/Errors.h"
#include "platform/base/Files.h"

namespace forms {

std::vector<std::uint8_t> LoadFileBytes(const std::u16string& path) {
  base::FileReadResult r = base::ReadFileBytes(base::NativePath(path));
  if (!r.Ok()) throw base::EFOpenError(u"Cannot open file \"" + path + u"\"");
  return std::move(r.bytes);
}

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

std::u16string ExtractFileName(std::u16string_view path) {
  std::size_t p = path.find_last_of(u"\\/");
  return std::u16string(p == std::u16string_view::npos ? path : path.substr(p + 1));
}

}  // namespace forms
