#include "platform/base/Errors.h"

#include <cstring>

#include "platform/base/Unicode.h"

namespace base {

std::u16string SystemErrorText(int error) { return Utf8ToUtf16(std::strerror(error)); }

}  // namespace base
