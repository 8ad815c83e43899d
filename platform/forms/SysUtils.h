#pragma once
// Small text and number helpers of the framework.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

std::u16string IntToStr(std::int64_t v);
std::u16string IntToHex(std::uint64_t v, int digits);
// Shortest text that reads back as the same double ("14.01", "0.5", "3").
std::u16string FloatToStr(double v);

// a * b / c rounded to the nearest integer, halves away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

// Letter case of one character and of a text: ASCII, Latin-1, Latin Extended-A, Greek
// and Cyrillic letters.
char16_t LowerChar(char16_t c);
char16_t UpperChar(char16_t c);
std::u16string LowerCase(std::u16string_view s);
std::u16string UpperCase(std::u16string_view s);

// The file name after the last "\" or "/".
std::u16string ExtractFileName(std::u16string_view path);

// A path as the file system takes it: UTF-8, "\\" turned into "/".
std::string NativePath(std::u16string_view path);
// The whole file; false when it cannot be read.
bool ReadFileBytes(std::u16string_view path, std::vector<std::uint8_t>& out);

// ASCII text as UTF-16 (for literals built at run time).
std::u16string Ascii(std::string_view s);

}  // namespace forms
