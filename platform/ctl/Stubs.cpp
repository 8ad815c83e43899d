#include "platform/ctl/ControlBase.h"
#include "platform/ctl/ControlProcs.h"
namespace ctl::detail {
LRESULT ButtonProc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProc(h, m, w, l); }
LRESULT StaticProc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProc(h, m, w, l); }
LRESULT ListBoxProc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProc(h, m, w, l); }
LRESULT ComboBoxProc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProc(h, m, w, l); }
LRESULT ComboListProc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProc(h, m, w, l); }
LRESULT ScrollBarProc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProc(h, m, w, l); }
bool DialogKeyFilter(HWND, UINT, WPARAM, LPARAM) { return false; }
void DialogFocusChanged(HWND) {}
}
