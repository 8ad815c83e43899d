#pragma once
// Internal: how a combo box and its drop-down list ("ComboLBox") talk. The list is a
// popup that holds the mouse while it is down; it tells the combo box to close with
// this private message, wParam 1 when an item was chosen and 0 when the choice was
// abandoned.
#include "platform/win/Messages.h"

namespace ctl::detail {

constexpr win::UINT kComboCloseUp = win::WM_USER + 0x1C0;
constexpr int kComboEditId = 1001;

}  // namespace ctl::detail
