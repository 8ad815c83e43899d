#pragma once
// Internal: the records behind window and class handles. Only the window system's own
// files include this; everyone else holds handles.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/win/PaintState.h"
#include "platform/win/Styles.h"
#include "platform/win/Types.h"

namespace win::detail {

// One registered window class. System classes ("#32770" and the like) carry their
// platform atom; registered classes get atoms from 0xC000 upwards.
struct WindowClass {
  std::u16string name;
  ATOM atom = 0;
  UINT style = 0;
  WNDPROC proc = nullptr;
  int clsExtra = 0;
  int wndExtra = 0;
  HINSTANCE instance = nullptr;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;
  std::vector<std::uint8_t> extra;
};

// One standard scroll bar's model.
struct ScrollBarState {
  int min = 0;
  int max = 100;
  unsigned page = 0;
  int pos = 0;
  int trackPos = 0;
  bool tracking = false;        // a thumb drag set trackPos (SetScrollTrackPos) and runs
  unsigned disabledArrows = 0;  // ESB_DISABLE_LTUP | ESB_DISABLE_RTDN
};

struct Property {
  std::u16string name;
  HANDLE value = nullptr;
};

// One window: identity, styles, procedure, place in the tree and on screen, properties
// and its painting state. Rectangles: `rect` is in the parent's client coordinates (screen
// coordinates for top-level windows); `client` is relative to the window's top-left corner.
struct Window {
  HWND handle = nullptr;
  WindowClass* cls = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  std::u16string text;
  WNDPROC proc = nullptr;
  HINSTANCE instance = nullptr;
  LONG_PTR id = 0;
  LONG_PTR userData = 0;
  std::vector<std::uint8_t> extra;

  Window* parent = nullptr;  // the desktop for top-level windows
  Window* owner = nullptr;
  std::vector<Window*> children;  // z-order, topmost first

  gfx::TRect rect;
  gfx::TRect client;
  gfx::TRect normalRect;  // rectangle to restore to after minimize or maximize

  std::vector<Property> props;
  HMENU systemMenu = nullptr;  // the window's own copy of the system menu, made on first use
  HICON iconSmall = nullptr;   // WM_SETICON; not owned
  HICON iconBig = nullptr;
  ScrollBarState scroll[2];  // SB_HORZ, SB_VERT

  bool created = false;       // WM_NCCREATE has been sent
  bool destroying = false;    // DestroyWindow is running for it
  bool redrawLocked = false;  // WM_SETREDRAW FALSE: keeps its pixels on screen, no painting
  bool messageOnly = false;   // created under HWND_MESSAGE: never shown, hit or listed

  PaintState paint;

  bool IsChild() const { return (style & WS_CHILD) != 0; }
  bool IsTopLevel() const { return parent != nullptr && parent->parent == nullptr; }
  bool Visible() const { return (style & WS_VISIBLE) != 0; }
  bool Enabled() const { return (style & WS_DISABLED) == 0; }
  gfx::TSize Size() const { return {rect.Width(), rect.Height()}; }
};

}  // namespace win::detail
