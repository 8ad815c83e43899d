#include "platform/base/Exception.h"

#include "platform/base/Unicode.h"

namespace base {

Exception::Exception(std::string kind, std::u16string message) : kind_(std::move(kind)), message_(std::move(message)) {
  what_ = kind_ + ": " + Utf16ToUtf8(message_);
}

void Exception::SetMessage(std::u16string message) {
  message_ = std::move(message);
  what_ = kind_ + ": " + Utf16ToUtf8(message_);
}

}  // namespace base
