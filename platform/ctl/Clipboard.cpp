// The controls' text clipboard over the window system's.
#include "platform/ctl/Clipboard.h"

#include "platform/win/ClipboardApi.h"

namespace ctl::detail {

bool SetClipboardText(win::HWND owner, const std::u16string& text) {
  if (!win::OpenClipboard(owner)) return false;
  bool ok = win::EmptyClipboard() && win::SetClipboardText(text);
  win::CloseClipboard();
  return ok;
}

std::optional<std::u16string> GetClipboardText(win::HWND owner) {
  if (!win::OpenClipboard(owner)) return std::nullopt;
  std::optional<std::u16string> text = win::GetClipboardText();
  win::CloseClipboard();
  return text;
}

}  // namespace ctl::detail
