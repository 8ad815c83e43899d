#pragma once
// Numbers as UTF-16 text, the way every layer writes them into messages and values.
#include <cstdint>
#include <string>

namespace base {

// Decimal digits, with "-" before a negative number.
std::u16string IntToText(std::int64_t v);
// The shortest text that reads back as the same double, with "." ("14.01", "0.5", "3").
std::u16string FloatToText(double v);

}  // namespace base
