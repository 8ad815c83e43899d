#pragma once
// Small number, file-name and file helpers of the framework. Letter case, numbers as text
// and whole-file access live in platform/base (TextCase.h, NumberText.h, Files.h).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

std::u16string IntToHex(std::uint64_t v, int digits);

// a * b / c rounded to the nearest integer, halves away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

// The file name after the last "\" or "/".
std::u16string ExtractFileName(std::u16string_view path);

// The whole file a LoadFromFile reads; EFOpenError "Cannot open file "<path>"" when it
// cannot be read.
std::vector<std::uint8_t> LoadFileBytes(const std::u16string& path);

}  // namespace forms
