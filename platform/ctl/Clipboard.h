#pragma once
// Internal: the text clipboard as the controls use it (copy, cut, paste): one open,
// write or read, close of the window system's clipboard.
#include <optional>
#include <string>

#include "platform/win/Types.h"

namespace ctl::detail {

bool SetClipboardText(win::HWND owner, const std::u16string& text);
// The clipboard's text, or nothing when it holds none.
std::optional<std::u16string> GetClipboardText(win::HWND owner);

}  // namespace ctl::detail
