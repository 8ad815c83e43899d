#pragma once
// Internal: letter case for the comparisons and conversions of the controls (finding
// list items, mnemonics, file patterns, ES_UPPERCASE / ES_LOWERCASE): Latin and Cyrillic
// letters of the basic planes; other characters stay as they are.
namespace ctl::detail {

constexpr char16_t ToLowerCase(char16_t c) {
  if ((c >= u'A' && c <= u'Z') || (c >= 0x410 && c <= 0x42F)) return static_cast<char16_t>(c + 32);
  if (c >= 0x400 && c <= 0x40F) return static_cast<char16_t>(c + 80);
  return c;
}

constexpr char16_t ToUpperCase(char16_t c) {
  if ((c >= u'a' && c <= u'z') || (c >= 0x430 && c <= 0x44F)) return static_cast<char16_t>(c - 32);
  if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 80);
  return c;
}

}  // namespace ctl::detail
