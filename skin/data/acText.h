#pragma once
// The trimming of options lines. The skin compares file names and values with the ASCII
// case helpers of platform/base/TextCase.h (letters A to Z only, so both sides always
// agree) and writes numbers with platform/base/NumberText.h.
#include <string_view>

namespace skin {

// Without leading and trailing blanks and control characters (code 32 and below).
std::u16string_view Trim(std::u16string_view s);

}  // namespace skin
