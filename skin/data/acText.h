#pragma once
// Small text helpers of the skin data code: ASCII upper-casing (the skin compares file
// names and values upper-cased, letters A to Z only, so both sides always agree), the
// trimming of options lines, numbers as text.
#include <cstdint>
#include <string>
#include <string_view>

namespace skin {

// Letters a..z become A..Z; every other character stays.
std::u16string UpperCase(std::u16string_view s);
// Equal after UpperCase.
bool SameText(std::u16string_view a, std::u16string_view b);
// Without leading and trailing blanks and control characters (code 32 and below).
std::u16string_view Trim(std::u16string_view s);
// Decimal digits of a number.
std::u16string IntToText(std::int64_t v);
// ASCII text as UTF-16.
std::u16string AsciiText(std::string_view s);

}  // namespace skin
