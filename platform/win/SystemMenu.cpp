// Each window's system menu: made on first use to suit the window's styles, greyed and
// enabled by its styles and state each time it opens.
#include "platform/win/Internal.h"
#include "platform/win/MenuApi.h"
#include "platform/win/MenuObject.h"
#include "platform/win/Messages.h"
#include "platform/win/Styles.h"

namespace win {
namespace detail {

HMENU SystemMenuOf(HWND hwnd) {
  Window* w = W(hwnd);
  if (!w) return nullptr;
  if (w->systemMenu && FindMenu(w->systemMenu)) return w->systemMenu;
  HMENU m = CreatePopupMenu();
  FindMenu(m)->systemMenu = true;
  // A dialog frame moves and closes only; Minimize and Maximize come with their boxes.
  bool dialog = (w->exStyle & WS_EX_DLGMODALFRAME) && !(w->style & WS_THICKFRAME);
  bool boxes = !(w->exStyle & WS_EX_TOOLWINDOW) && (w->style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  if (!dialog) AppendMenu(m, MF_STRING, SC_RESTORE, u"&Restore");
  AppendMenu(m, MF_STRING, SC_MOVE, u"&Move");
  if (!dialog) AppendMenu(m, MF_STRING, SC_SIZE, u"&Size");
  if (boxes) {
    AppendMenu(m, MF_STRING, SC_MINIMIZE, u"Mi&nimize");
    AppendMenu(m, MF_STRING, SC_MAXIMIZE, u"Ma&ximize");
  }
  AppendMenu(m, MF_SEPARATOR, 0, nullptr);
  AppendMenu(m, MF_STRING, SC_CLOSE, u"&Close\tAlt+F4");
  SetMenuDefaultItem(m, static_cast<UINT>(SC_CLOSE), FALSE);
  w->systemMenu = m;
  return m;
}

void UpdateSystemMenu(HWND hwnd, HMENU m) {
  Window* w = W(hwnd);
  if (!w || !FindMenu(m)) return;
  DWORD st = w->style;
  bool minimized = (st & WS_MINIMIZE) != 0, maximized = (st & WS_MAXIMIZE) != 0;
  auto set = [&](WPARAM cmd, bool enabled) {
    EnableMenuItem(m, static_cast<UINT>(cmd), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  };
  set(SC_RESTORE, minimized || maximized);
  set(SC_MOVE, !maximized);
  set(SC_SIZE, (st & WS_THICKFRAME) && !minimized && !maximized);
  set(SC_MINIMIZE, (st & WS_MINIMIZEBOX) && !minimized);
  set(SC_MAXIMIZE, (st & WS_MAXIMIZEBOX) && !maximized);
  // Close keeps what the application chose, except for a class without close.
  if (w->cls && (w->cls->style & CS_NOCLOSE)) set(SC_CLOSE, false);
}

}  // namespace detail

using namespace detail;

HMENU GetSystemMenu(HWND hwnd, BOOL revert) {
  Window* w = W(hwnd);
  if (!w) return nullptr;
  if (revert) {
    if (w->systemMenu) {
      DestroyMenu(w->systemMenu);
      if ((w = W(hwnd))) {
        w->systemMenu = nullptr;
        InvalidateFrame(w);
      }
    }
    return nullptr;
  }
  return SystemMenuOf(hwnd);
}

}  // namespace win
