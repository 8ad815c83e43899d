// The controls' text clipboard, kept in this process.
#include "platform/ctl/Clipboard.h"

namespace ctl::detail {

namespace {

std::optional<std::u16string>& Store() {
  static std::optional<std::u16string> text;
  return text;
}

}  // namespace

bool SetClipboardText(win::HWND, const std::u16string& text) {
  Store() = text;
  return true;
}

std::optional<std::u16string> GetClipboardText(win::HWND) { return Store(); }

}  // namespace ctl::detail
