// The clipboard: who has it open, who owns it, and its text through the backend.
#include "platform/win/ClipboardApi.h"
#include "platform/win/Internal.h"

namespace win {
using namespace detail;

BOOL OpenClipboard(HWND owner) {
  ClipboardState& c = S().clipboard;
  if (c.open || (owner && !W(owner))) return FALSE;
  c.open = true;
  c.openedBy = owner;
  c.emptied = false;
  return TRUE;
}

BOOL CloseClipboard() {
  ClipboardState& c = S().clipboard;
  if (!c.open) return FALSE;
  c.open = false;
  c.openedBy = nullptr;
  c.emptied = false;
  return TRUE;
}

BOOL EmptyClipboard() {
  State& s = S();
  ClipboardState& c = s.clipboard;
  if (!c.open) return FALSE;
  s.backend->SetClipboardText(std::nullopt);
  c.owner = c.openedBy;
  c.emptied = true;
  return TRUE;
}

HWND GetClipboardOwner() {
  HWND o = S().clipboard.owner;
  return W(o) ? o : nullptr;
}

BOOL IsClipboardFormatAvailable(UINT format) {
  if (format != CF_UNICODETEXT && format != CF_TEXT) return FALSE;
  return S().backend->ClipboardText().has_value() ? TRUE : FALSE;
}

BOOL SetClipboardText(const std::u16string& text) {
  State& s = S();
  if (!s.clipboard.open || !s.clipboard.emptied) return FALSE;
  s.backend->SetClipboardText(text.substr(0, text.find(u'\0')));
  return TRUE;
}

std::optional<std::u16string> GetClipboardText() {
  State& s = S();
  if (!s.clipboard.open) return std::nullopt;
  return s.backend->ClipboardText();
}

}  // namespace win
