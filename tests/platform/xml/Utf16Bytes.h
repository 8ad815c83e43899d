#pragma once
// UTF-16 text as the bytes a server would send, for encoding tests.
#include <string>
#include <string_view>

namespace xml::testing {

enum class Endian { Little, Big };
enum class ByteOrderMark { Yes, No };

inline std::string Utf16Bytes(std::u16string_view s, Endian endian, ByteOrderMark mark) {
  const bool big = endian == Endian::Big;
  std::string out;
  if (mark == ByteOrderMark::Yes) out = big ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t c : s) {
    const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
    out += big ? hi : lo;
    out += big ? lo : hi;
  }
  return out;
}

}  // namespace xml::testing
