#pragma once
// Windows: classes, creation and destruction, longs and procedures, text, properties, the
// window tree, rectangles and coordinates, placement, showing and enabling, and the
// default window procedure.
#include <string>

#include "platform/win/Types.h"

namespace win {

// Classes. Names compare without regard to letter case. The system classes "#32770"
// (dialog, atom 32770) and "#32768" (popup menu, atom 32768) exist from the start. The
// hook's creation record shows a class as it was given to CreateWindowEx: the window
// system's menus and the dialogs of platform/ctl give these two by atom.
constexpr ATOM DIALOG_CLASS_ATOM = 32770;
constexpr ATOM MENU_CLASS_ATOM = 32768;
ATOM RegisterClassEx(const WNDCLASSEX& wc);
BOOL UnregisterClass(const char16_t* className, HINSTANCE instance = nullptr);
BOOL GetClassInfoEx(HINSTANCE instance, const char16_t* className, WNDCLASSEX* out);
std::u16string GetClassName(HWND hwnd);
int GetClassName(HWND hwnd, char16_t* buffer, int maxCount);
LONG_PTR GetClassLongPtr(HWND hwnd, int index);
LONG_PTR SetClassLongPtr(HWND hwnd, int index, LONG_PTR value);

// Creation and destruction. A child's `menu` argument is its id. Top-level windows get
// the desktop as parent and `parent` as owner. Returns null when the class is unknown,
// a child has no parent, or the hook, WM_NCCREATE or WM_CREATE refuses the window.
HWND CreateWindowEx(DWORD exStyle, const char16_t* className, const char16_t* windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param);
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);
// Windows alive at the moment (the desktop excluded); for tests and leak checks.
int WindowCount();

// Procedures.
LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Window longs: GWLP_WNDPROC, GWL_STYLE, GWL_EXSTYLE, GWLP_ID, GWLP_USERDATA,
// GWLP_HWNDPARENT (the owner), GWLP_HINSTANCE, and byte offsets into the class's extra
// window bytes. Setting a style sends WM_STYLECHANGING and WM_STYLECHANGED.
LONG_PTR GetWindowLongPtr(HWND hwnd, int index);
LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);
inline LONG GetWindowLong(HWND hwnd, int index) { return static_cast<LONG>(GetWindowLongPtr(hwnd, index)); }
inline LONG SetWindowLong(HWND hwnd, int index, LONG value) {
  return static_cast<LONG>(SetWindowLongPtr(hwnd, index, value));
}

// Text (through WM_SETTEXT / WM_GETTEXT, so subclasses see it).
BOOL SetWindowText(HWND hwnd, const std::u16string& text);
std::u16string GetWindowText(HWND hwnd);
int GetWindowTextLength(HWND hwnd);

// Properties: named handles attached to a window; names compare without letter case.
BOOL SetProp(HWND hwnd, const char16_t* name, HANDLE value);
HANDLE GetProp(HWND hwnd, const char16_t* name);
HANDLE RemoveProp(HWND hwnd, const char16_t* name);

// The tree. GetParent answers the parent of a child and the owner of a popup.
HWND GetDesktopWindow();
HWND GetParent(HWND hwnd);
HWND SetParent(HWND child, HWND newParent);
HWND GetAncestor(HWND hwnd, UINT flags);
HWND GetWindow(HWND hwnd, UINT cmd);
HWND GetTopWindow(HWND hwnd);
BOOL IsChild(HWND parent, HWND hwnd);
// Children in z-order, depth-first (each child before its own children); stops when the
// callback returns FALSE.
BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam);
// Top-level windows in z-order, topmost first.
BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND hwnd);

// Rectangles and coordinates.
BOOL GetWindowRect(HWND hwnd, RECT* out);  // screen coordinates
BOOL GetClientRect(HWND hwnd, RECT* out);  // (0, 0, width, height)
BOOL ClientToScreen(HWND hwnd, POINT* pt);
BOOL ScreenToClient(HWND hwnd, POINT* pt);
// Maps points between the client areas of two windows (null: the screen).
int MapWindowPoints(HWND from, HWND to, POINT* pts, UINT count);
BOOL MapWindowRect(HWND from, HWND to, RECT* rect);
HWND WindowFromPoint(POINT screenPt);
HWND ChildWindowFromPoint(HWND parent, POINT clientPt);
HWND ChildWindowFromPointEx(HWND parent, POINT clientPt, UINT flags);
BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle);
// The same with the frame metrics of a density instead of the screen's.
BOOL AdjustWindowRectExForDpi(RECT* rect, DWORD style, BOOL menu, DWORD exStyle, UINT dpi);

// Placement and state.
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL BringWindowToTop(HWND hwnd);
BOOL ShowWindow(HWND hwnd, int cmd);
BOOL IsWindowVisible(HWND hwnd);  // the window and all its ancestors are visible
BOOL IsIconic(HWND hwnd);
BOOL IsZoomed(HWND hwnd);
BOOL EnableWindow(HWND hwnd, BOOL enable);  // returns whether it was disabled before
BOOL IsWindowEnabled(HWND hwnd);

}  // namespace win
