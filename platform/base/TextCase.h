#pragma once
// Letter case, in two ranges, each named by the range it covers:
//  - Ascii: only the letters A..Z and a..z change. For names the program or a file format
//    defines (window classes, class and property names, skin keys and file names, HTTP
//    headers, font families), where both sides must agree whatever the text's language.
//  - Ui: ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic letters. For text a user
//    reads or types (captions, list items, mnemonics, edits that force a case).
// Characters outside a range stay as they are.
#include <string>
#include <string_view>

namespace base {

// --- ASCII -----------------------------------------------------------------------------------

constexpr char16_t ToUpperAscii(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }
constexpr char16_t ToLowerAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }
constexpr char ToUpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }
constexpr char ToLowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

std::u16string ToUpperAscii(std::u16string_view s);
std::u16string ToLowerAscii(std::u16string_view s);
std::string ToUpperAscii(std::string_view s);
std::string ToLowerAscii(std::string_view s);

// Same length and the same letters when A..Z and a..z are taken as equal.
bool EqualsIgnoreAsciiCase(std::u16string_view a, std::u16string_view b);
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b);

// --- UI text ---------------------------------------------------------------------------------

char16_t ToLowerUi(char16_t c);
char16_t ToUpperUi(char16_t c);
std::u16string ToLowerUi(std::u16string_view s);
std::u16string ToUpperUi(std::u16string_view s);

// Comparisons on ToLowerUi of each character.
bool EqualsIgnoreUiCase(std::u16string_view a, std::u16string_view b);
bool StartsWithIgnoreUiCase(std::u16string_view s, std::u16string_view prefix);
// -1, 0 or 1: the first differing lowered character decides, else the shorter text is less.
int CompareIgnoreUiCase(std::u16string_view a, std::u16string_view b);

}  // namespace base
