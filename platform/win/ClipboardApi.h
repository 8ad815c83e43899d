#pragma once
// The clipboard (text), kept by the backend: the desktop's clipboard under a desktop, in
// memory headless. As on the platform it is opened by one window at a time; writing
// needs EmptyClipboard first, which makes the opener the owner.
//   if (OpenClipboard(hwnd)) { EmptyClipboard(); SetClipboardText(text); CloseClipboard(); }
//   if (OpenClipboard(hwnd)) { auto text = GetClipboardText(); CloseClipboard(); }
#include <optional>
#include <string>

#include "platform/win/Types.h"

namespace win {

constexpr UINT CF_TEXT = 1;
constexpr UINT CF_UNICODETEXT = 13;

BOOL OpenClipboard(HWND owner);  // FALSE while it is open
BOOL CloseClipboard();
// Clears the clipboard and makes the opener its owner; the clipboard must be open.
BOOL EmptyClipboard();
HWND GetClipboardOwner();
// Text is available as CF_UNICODETEXT (and CF_TEXT).
BOOL IsClipboardFormatAvailable(UINT format);
// Puts text on the clipboard (it ends at a NUL character, as the platform's text does);
// the clipboard must be open and emptied by this opener.
BOOL SetClipboardText(const std::u16string& text);
// The clipboard's text while it is open; nullopt when it holds none or is not open.
std::optional<std::u16string> GetClipboardText();

}  // namespace win
