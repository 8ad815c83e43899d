#include "skin/data/acOptionsText.h"

#include <string_view>

#include "platform/base/Unicode.h"
#include "skin/data/acSkinIni.h"

namespace skin {

namespace {

bool StartsWith(std::span<const std::uint8_t> bytes, std::initializer_list<std::uint8_t> mark) {
  if (bytes.size() < mark.size()) return false;
  std::size_t i = 0;
  for (std::uint8_t b : mark)
    if (bytes[i++] != b) return false;
  return true;
}

std::u16string Utf16(std::span<const std::uint8_t> bytes, bool bigEndian) {
  std::u16string out(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < out.size(); ++i) {
    const std::uint8_t a = bytes[2 * i];
    const std::uint8_t b = bytes[2 * i + 1];
    out[i] = bigEndian ? char16_t((a << 8) | b) : char16_t((b << 8) | a);
  }
  return out;
}

}  // namespace

std::u16string DecodeOptionsText(std::span<const std::uint8_t> bytes, int codePage) {
  if (StartsWith(bytes, {0xEF, 0xBB, 0xBF})) {
    const auto rest = bytes.subspan(3);
    return base::Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(rest.data()), rest.size()));
  }
  if (StartsWith(bytes, {0xFF, 0xFE})) return Utf16(bytes.subspan(2), false);
  if (StartsWith(bytes, {0xFE, 0xFF})) return Utf16(bytes.subspan(2), true);
  // Every 8-bit code page keeps ASCII as it is, and options texts are nearly always ASCII.
  bool ascii = true;
  for (std::uint8_t b : bytes) ascii &= b < 0x80;
  if (ascii) return std::u16string(bytes.begin(), bytes.end());
  return base::CodePageToUtf16(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), codePage);
}

void LoadOptionsText(TacSkinIni& ini, std::span<const std::uint8_t> bytes) {
  ini.SetText(DecodeOptionsText(bytes, base::SystemCodePage()));
}

}  // namespace skin
