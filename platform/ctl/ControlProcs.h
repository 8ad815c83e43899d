#pragma once
// Internal: the window procedures of the control classes, for their registration.
#include "platform/win/Types.h"

namespace ctl::detail {

win::LRESULT ButtonProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
win::LRESULT EditProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
win::LRESULT StaticProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
win::LRESULT ListBoxProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
win::LRESULT ComboBoxProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
win::LRESULT ComboListProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
win::LRESULT ScrollBarProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);

}  // namespace ctl::detail
