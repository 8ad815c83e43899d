#include "platform/base/NumberText.h"

#include <charconv>

#include "platform/base/Unicode.h"

namespace base {

std::u16string IntToText(std::int64_t v) { return WidenAscii(std::to_string(v)); }

std::u16string FloatToText(double v) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return WidenAscii(std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)));
}

}  // namespace base
