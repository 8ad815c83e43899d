// The system metrics table (classic values at 96 dots per inch, scaled to the screen's
// density), brushes in handle form, cursors, the composition query, the platform version
// and the caption and menu fonts.
#include "platform/gfx/Font.h"
#include "platform/win/InputApi.h"
#include "platform/win/Metrics.h"
#include "platform/win/SystemState.h"

namespace win {
using namespace detail;

namespace {

int Fixed(int index) {
  switch (index) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return 17;
    case SM_CYCAPTION: return 23;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXFIXEDFRAME:
    case SM_CYFIXEDFRAME: return 3;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    case SM_CYMENU: return 20;
    case SM_MOUSEPRESENT: return 1;
    case SM_SWAPBUTTON: return 0;
    case SM_CXMIN: return 136;
    case SM_CYMIN: return 39;
    case SM_CXSIZE: return 22;
    case SM_CYSIZE: return 22;
    case SM_CXFRAME:
    case SM_CYFRAME: return 4;
    case SM_CXMINTRACK: return 136;
    case SM_CYMINTRACK: return 39;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK: return 4;
    case SM_CXICONSPACING:
    case SM_CYICONSPACING: return 75;
    case SM_CMOUSEBUTTONS: return 3;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CYSMCAPTION: return 17;
    case SM_CXSMSIZE:
    case SM_CYSMSIZE: return 16;
    case SM_CXMENUSIZE:
    case SM_CYMENUSIZE: return 19;
    case SM_CXMINIMIZED: return 160;
    case SM_CYMINIMIZED: return 28;
    case SM_CXDRAG:
    case SM_CYDRAG: return 4;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK: return 13;
    case SM_MOUSEWHEELPRESENT: return 1;
    case SM_CMONITORS: return 1;
    case SM_CXFOCUSBORDER:
    case SM_CYFOCUSBORDER: return 1;
    case SM_CXPADDEDBORDER: return 4;
    default: return 0;
  }
}

bool ScreenBound(int index) {
  switch (index) {
    case SM_CXSCREEN:
    case SM_CYSCREEN:
    case SM_CXFULLSCREEN:
    case SM_CYFULLSCREEN:
    case SM_CXMAXTRACK:
    case SM_CYMAXTRACK:
    case SM_CXMAXIMIZED:
    case SM_CYMAXIMIZED:
    case SM_XVIRTUALSCREEN:
    case SM_YVIRTUALSCREEN:
    case SM_CXVIRTUALSCREEN:
    case SM_CYVIRTUALSCREEN: return true;
    default: return false;
  }
}

// Counts and flags, and the widths of the lines the classic look draws one and two pixels
// wide at every density (thin borders, focus rectangles, 3D edges).
bool Unscaled(int index) {
  switch (index) {
    case SM_MOUSEPRESENT:
    case SM_SWAPBUTTON:
    case SM_CMOUSEBUTTONS:
    case SM_MOUSEWHEELPRESENT:
    case SM_CMONITORS:
    case SM_CXBORDER:
    case SM_CYBORDER:
    case SM_CXEDGE:
    case SM_CYEDGE:
    case SM_CXFOCUSBORDER:
    case SM_CYFOCUSBORDER: return true;
    default: return false;
  }
}

int Scaled(int index, UINT dpi) { return Unscaled(index) ? Fixed(index) : ScaleForDpi(Fixed(index), dpi); }

int Screen(int index, UINT dpi) {
  gfx::TSize s = S().backend->ScreenSize();
  int frame = 2 * (Scaled(SM_CXFRAME, dpi) + Scaled(SM_CXPADDEDBORDER, dpi));
  switch (index) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN: return s.cx;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN: return s.cy;
    case SM_CXFULLSCREEN: return s.cx;
    case SM_CYFULLSCREEN: return s.cy - Scaled(SM_CYCAPTION, dpi);
    case SM_CXMAXTRACK: return s.cx + frame + 4;
    case SM_CYMAXTRACK: return s.cy + frame + 4;
    case SM_CXMAXIMIZED: return s.cx + frame;
    case SM_CYMAXIMIZED: return s.cy + frame;
    default: return 0;
  }
}

}  // namespace

int ScaleForDpi(int value, UINT dpi) {
  const long long d = dpi ? dpi : 96;
  const long long v = static_cast<long long>(value) * d;
  // To the nearest pixel, halves away from zero.
  return static_cast<int>(v >= 0 ? (v + 48) / 96 : -((-v + 48) / 96));
}

int GetSystemMetrics(int index) { return GetSystemMetricsForDpi(index, GetDpiForSystem()); }

int GetSystemMetricsForDpi(int index, UINT dpi) { return ScreenBound(index) ? Screen(index, dpi) : Scaled(index, dpi); }

UINT GetDpiForSystem() { return static_cast<UINT>(S().backend->Dpi()); }

RECT GetWorkArea() {
  gfx::TSize s = S().backend->ScreenSize();
  return {0, 0, s.cx, s.cy};
}

UINT GetDoubleClickTime() { return S().doubleClickTime; }
UINT GetMouseHoverTime() { return 400; }
BOOL SetDoubleClickTime(UINT ms) {
  S().doubleClickTime = ms ? ms : 500;
  return TRUE;
}

bool IsCompositionEnabled() { return S().backend->Composited(); }
bool PerPixelAlphaWindowsAvailable() { return S().backend->PerPixelAlphaWindows(); }

BOOL GetVersionEx(OSVERSIONINFO* info) {
  if (!info) return FALSE;
  *info = {kPlatformMajorVersion, kPlatformMinorVersion, 0};
  return TRUE;
}

DWORD GetVersion() { return kPlatformMajorVersion | (kPlatformMinorVersion << 8); }

gfx::FontDesc GetCaptionFont(UINT dpi) {
  gfx::FontDesc f = GetMenuFont(dpi);
  f.weight = gfx::FW_BOLD;
  return f;
}

gfx::FontDesc GetMenuFont(UINT dpi) {
  gfx::FontDesc f;
  f.face = u"Tahoma";
  f.weight = gfx::FW_NORMAL;
  f.charSet = gfx::DEFAULT_CHARSET;
  f.height = -ScaleForDpi(11, dpi);
  return f;
}

// Cursors: handles are the predefined ids.
HCURSOR LoadCursor(HINSTANCE, int id) {
  if (id < IDC_ARROW || id > IDC_HELP) return nullptr;
  return reinterpret_cast<HCURSOR>(static_cast<std::uintptr_t>(id));
}

int CursorId(HCURSOR c) { return static_cast<int>(reinterpret_cast<std::uintptr_t>(c)); }

HCURSOR SetCursor(HCURSOR cursor) {
  State& s = S();
  HCURSOR old = LoadCursor(nullptr, s.cursorId);
  int id = CursorId(cursor);
  if (id != s.cursorId) {
    s.cursorId = id;
    s.backend->CursorChanged(id);
  }
  return old;
}

HCURSOR GetCursor() { return LoadCursor(nullptr, S().cursorId); }

int ShowCursor(BOOL show) {
  State& s = S();
  bool before = s.cursorShowCount >= 0;
  s.cursorShowCount += show ? 1 : -1;
  bool after = s.cursorShowCount >= 0;
  if (before != after) s.backend->CursorVisible(after);
  return s.cursorShowCount;
}

}  // namespace win
