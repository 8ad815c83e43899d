// DefWindowProc's system commands and the frame's mouse behaviour: a press on the caption
// moves the window, on a sizing border sizes it, on the icon opens the system menu, on a
// title button presses it; double clicks maximize, restore or close; a right click on
// the caption opens the system menu.
#include "platform/win/FrameLayout.h"
#include "platform/win/HitCodes.h"
#include "platform/win/Internal.h"
#include "platform/win/MenuApi.h"
#include "platform/win/MenuObject.h"
#include "platform/win/Messages.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace win::detail {

namespace {

// Where the system menu opens when asked by the icon or the keyboard: below the icon.
POINT BelowIcon(Window* w) {
  FrameLayout f = FrameOf(w);
  gfx::TRect wr = ScreenRect(w);
  if (w->style & WS_MINIMIZE) return {wr.Left, wr.Top};
  int y = f.caption.IsEmpty() ? f.borderWidth : f.caption.Bottom;
  return {wr.Left + f.borderWidth, wr.Top + y};
}

bool CloseAvailable(Window* w) { return ButtonEnabled(w, HTCLOSE); }

}  // namespace

LRESULT DefSysCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (CallHooks(WH_CBT, HCBT_SYSCOMMAND, wParam, lParam) != 0) return 0;
  Window* w = W(hwnd);
  if (!w) return 0;
  switch (wParam & 0xFFF0) {
    case SC_CLOSE: Send(hwnd, WM_CLOSE); return 0;
    case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); return 0;
    case SC_MAXIMIZE: ShowWindow(hwnd, SW_SHOWMAXIMIZED); return 0;
    case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); return 0;
    case SC_MOVE:
    case SC_SIZE: StartMoveSize(hwnd, wParam, lParam); return 0;
    case SC_CONTEXTHELP: StartContextHelp(hwnd); return 0;
    case SC_MOUSEMENU:
      if (w->style & WS_SYSMENU) OpenSystemMenu(hwnd, BelowIcon(w), false);
      return 0;
    case SC_KEYMENU:
      // Alt+Space: the system menu below the icon, its first item highlighted.
      if (lParam == u' ' && (w->style & WS_SYSMENU)) OpenSystemMenu(hwnd, BelowIcon(w), true);
      return 0;
    default: return 0;  // scrolling belongs to the scroll bars
  }
}

LRESULT DefNonClientMouse(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = W(hwnd);
  if (!w) return 0;
  int hit = static_cast<int>(wParam);
  switch (msg) {
    case WM_NCLBUTTONDOWN:
      if (hit == HTCAPTION) return Send(hwnd, WM_SYSCOMMAND, SC_MOVE + HTCAPTION, lParam);
      if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT)
        return Send(hwnd, WM_SYSCOMMAND, SC_SIZE + static_cast<WPARAM>(hit - HTLEFT + 1), lParam);
      if (hit == HTSYSMENU) return Send(hwnd, WM_SYSCOMMAND, SC_MOUSEMENU + HTSYSMENU, lParam);
      if (hit == HTCLOSE || hit == HTMAXBUTTON || hit == HTMINBUTTON || hit == HTHELP) PressTitleButton(hwnd, hit);
      return 0;
    case WM_NCLBUTTONDBLCLK:
      if (hit == HTCAPTION) {
        if (w->style & WS_MINIMIZE) return Send(hwnd, WM_SYSCOMMAND, SC_RESTORE, lParam);
        if (w->style & WS_MAXIMIZEBOX)
          return Send(hwnd, WM_SYSCOMMAND, (w->style & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE, lParam);
      } else if (hit == HTSYSMENU && CloseAvailable(w)) {
        return Send(hwnd, WM_SYSCOMMAND, SC_CLOSE, lParam);
      } else if (hit == HTCLOSE || hit == HTMAXBUTTON || hit == HTMINBUTTON || hit == HTHELP) {
        PressTitleButton(hwnd, hit);  // a quick second click presses the button again
      }
      return 0;
    case WM_NCRBUTTONUP:
      if (hit == HTCAPTION || hit == HTSYSMENU) Send(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), lParam);
      return 0;
    case WM_CONTEXTMENU: {
      if (w->IsChild() && w->parent) return Send(w->parent->handle, msg, wParam, lParam);
      POINT pt = LParamToPoint(lParam);
      int at = static_cast<int>(Send(hwnd, WM_NCHITTEST, 0, lParam));
      if ((at == HTCAPTION || at == HTSYSMENU) && W(hwnd) && (W(hwnd)->style & WS_SYSMENU))
        OpenSystemMenu(hwnd, pt, false);
      return 0;
    }
    case WM_POPUPSYSTEMMENU:
      if (w->style & WS_SYSMENU) OpenSystemMenu(hwnd, LParamToPoint(lParam), false);
      return 0;
    default: return 0;
  }
}

}  // namespace win::detail
