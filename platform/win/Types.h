#pragma once
// The window system's basic vocabulary: handles, message parameters, procedure types and
// the records that travel with messages. Handles are opaque: an HWND is an encoded id
// looked up in the window table, never a pointer, so a stale handle is merely invalid.
// Text is UTF-16 throughout; class and property names are UTF-16 too (`u"ACSDATA"`).
#include <cstdint>

#include "platform/gfx/Geometry.h"

struct HWND__;
struct HCURSOR__;
struct HINSTANCE__;
struct HMENU__;
struct HICON__;

namespace gfx {
class Surface;
struct BrushObject;
struct RegionObject;
}  // namespace gfx

namespace win {

using HWND = HWND__*;
using HCURSOR = HCURSOR__*;
// Drawing handles are the drawing layer's: a surface, a brush object, a region object.
// A class background may also be a system colour index plus one, as on the platform.
using HDC = gfx::Surface*;
using HBRUSH = gfx::BrushObject*;
using HRGN = gfx::RegionObject*;
using HINSTANCE = HINSTANCE__*;
using HMENU = HMENU__*;  // also carries a child window's id at creation
using HICON = HICON__*;
using HANDLE = void*;

using UINT = unsigned int;
using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using BYTE = std::uint8_t;
using BOOL = int;
using LONG = std::int32_t;
using ATOM = std::uint16_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LONG_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;

using RECT = gfx::TRect;
using POINT = gfx::TPoint;
using SIZE = gfx::TSize;

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);
using HOOKPROC = LRESULT (*)(int code, WPARAM, LPARAM);
using WNDENUMPROC = BOOL (*)(HWND, LPARAM);

struct HHOOK__;
using HHOOK = HHOOK__*;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// Word and parameter packing as the message parameters use it.
constexpr WORD LOWORD(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr int GET_X_LPARAM(LPARAM lp) { return static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(lp))); }
constexpr int GET_Y_LPARAM(LPARAM lp) { return static_cast<std::int16_t>(HIWORD(static_cast<std::uintptr_t>(lp))); }
constexpr WPARAM MAKEWPARAM(unsigned lo, unsigned hi) {
  return static_cast<WPARAM>((lo & 0xFFFFu) | ((hi & 0xFFFFu) << 16));
}
constexpr LPARAM MAKELPARAM(unsigned lo, unsigned hi) {
  return static_cast<LPARAM>(static_cast<std::int32_t>((lo & 0xFFFFu) | ((hi & 0xFFFFu) << 16)));
}
constexpr LRESULT MAKELRESULT(unsigned lo, unsigned hi) { return MAKELPARAM(lo, hi); }
constexpr LPARAM PointToLParam(POINT p) { return MAKELPARAM(static_cast<unsigned>(p.X), static_cast<unsigned>(p.Y)); }
constexpr POINT LParamToPoint(LPARAM lp) { return {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }
constexpr short GET_WHEEL_DELTA_WPARAM(WPARAM wp) { return static_cast<short>(HIWORD(wp)); }
constexpr WORD GET_KEYSTATE_WPARAM(WPARAM wp) { return LOWORD(wp); }

inline LPARAM HandleToLParam(const void* h) { return reinterpret_cast<LPARAM>(h); }
inline HWND LParamToHwnd(LPARAM lp) { return reinterpret_cast<HWND>(lp); }

// Class names may be passed as an atom instead of text, as the hook's creation record
// shows them for the system classes (32770 for dialogs, 32768 for popup menus).
inline const char16_t* MAKEINTATOM(ATOM a) { return reinterpret_cast<const char16_t*>(static_cast<std::uintptr_t>(a)); }
inline bool IS_INTRESOURCE(const void* p) { return (reinterpret_cast<std::uintptr_t>(p) >> 16) == 0; }
inline ATOM ATOMOF(const void* p) { return static_cast<ATOM>(reinterpret_cast<std::uintptr_t>(p)); }

struct MSG {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  DWORD time = 0;  // milliseconds of the window system clock
  POINT pt;        // pointer position in screen coordinates when the message was made
};

struct WNDCLASSEX {
  UINT style = 0;
  WNDPROC lpfnWndProc = nullptr;
  int cbClsExtra = 0;
  int cbWndExtra = 0;
  HINSTANCE hInstance = nullptr;
  HCURSOR hCursor = nullptr;
  HBRUSH hbrBackground = nullptr;
  const char16_t* lpszClassName = nullptr;
};

struct CREATESTRUCT {
  void* lpCreateParams = nullptr;
  HINSTANCE hInstance = nullptr;
  HMENU hMenu = nullptr;
  HWND hwndParent = nullptr;
  int cy = 0;
  int cx = 0;
  int y = 0;
  int x = 0;
  LONG style = 0;
  const char16_t* lpszName = nullptr;
  const char16_t* lpszClass = nullptr;  // text, or an atom (see MAKEINTATOM)
  DWORD dwExStyle = 0;
};

struct WINDOWPOS {
  HWND hwnd = nullptr;
  HWND hwndInsertAfter = nullptr;
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  UINT flags = 0;
};

struct NCCALCSIZE_PARAMS {
  RECT rgrc[3];  // [0]: new window rectangle in, new client rectangle out (parent coordinates)
  WINDOWPOS* lppos = nullptr;
};

struct MINMAXINFO {
  POINT ptReserved;
  POINT ptMaxSize;
  POINT ptMaxPosition;
  POINT ptMinTrackSize;
  POINT ptMaxTrackSize;
};

struct COPYDATASTRUCT {
  UINT_PTR dwData = 0;
  DWORD cbData = 0;
  const void* lpData = nullptr;
};

struct STYLESTRUCT {
  DWORD styleOld = 0;
  DWORD styleNew = 0;
};

struct TRACKMOUSEEVENT {
  DWORD cbSize = sizeof(TRACKMOUSEEVENT);
  DWORD dwFlags = 0;
  HWND hwndTrack = nullptr;
  DWORD dwHoverTime = 0;
};

// WM_HELP's record: what the user asked help for.
constexpr int HELPINFO_WINDOW = 1;
struct HELPINFO {
  UINT cbSize = sizeof(HELPINFO);
  int iContextType = HELPINFO_WINDOW;
  int iCtrlId = 0;
  HANDLE hItemHandle = nullptr;  // the window
  UINT_PTR dwContextId = 0;
  POINT MousePos;  // screen coordinates
};

// Creation record the CBT hook receives with HCBT_CREATEWND.
struct CBT_CREATEWND {
  CREATESTRUCT* lpcs = nullptr;
  HWND hwndInsertAfter = nullptr;
};

// Activation record the CBT hook receives with HCBT_ACTIVATE.
struct CBTACTIVATESTRUCT {
  BOOL fMouse = FALSE;
  HWND hWndActive = nullptr;
};

}  // namespace win
