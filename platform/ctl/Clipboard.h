#pragma once
// Internal: the text clipboard as the controls use it (copy, cut, paste). Until the
// window system carries a clipboard of its own, text is kept in this process only.
#include <optional>
#include <string>

#include "platform/win/Types.h"

namespace ctl::detail {

bool SetClipboardText(win::HWND owner, const std::u16string& text);
// The clipboard's text, or nothing when it holds none.
std::optional<std::u16string> GetClipboardText(win::HWND owner);

}  // namespace ctl::detail
