// The default window procedure: what a window does with a message its own procedure
// passes on.
#include <algorithm>

#include "platform/win/FrameLayout.h"
#include "platform/win/HitCodes.h"
#include "platform/win/IconApi.h"
#include "platform/win/InputApi.h"
#include "platform/win/Internal.h"
#include "platform/win/Keys.h"
#include "platform/win/Messages.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Metrics.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace win {
using namespace detail;

namespace {

LRESULT SetCursorDefault(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  Window* w = W(hwnd);
  if (!w) return FALSE;
  // A parent may choose the cursor for its children.
  if (w->IsChild() && w->parent && Send(w->parent->handle, WM_SETCURSOR, wParam, lParam)) return TRUE;
  auto hit = static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam)));
  int id = IDC_ARROW;
  switch (hit) {
    case HTCLIENT:
      if (!(w = W(hwnd))) return FALSE;
      if (w->cls && w->cls->cursor) {
        SetCursor(w->cls->cursor);
        return TRUE;
      }
      return FALSE;
    case HTLEFT:
    case HTRIGHT: id = IDC_SIZEWE; break;
    case HTTOP:
    case HTBOTTOM: id = IDC_SIZENS; break;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: id = IDC_SIZENWSE; break;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: id = IDC_SIZENESW; break;
    case HTERROR: id = IDC_ARROW; break;
    default: break;
  }
  SetCursor(LoadCursor(nullptr, id));
  return TRUE;
}

void ClampWindowPos(HWND hwnd, WINDOWPOS* wp) {
  Window* w = W(hwnd);
  if (!w || (wp->flags & SWP_NOSIZE) || (w->style & (WS_MINIMIZE | WS_MAXIMIZE))) return;
  if (!((w->style & WS_THICKFRAME) || !(w->style & (WS_POPUP | WS_CHILD)))) return;
  ClampToTrackSize(AskMinMaxInfo(hwnd), wp->cx, wp->cy);
}

void PosChanged(HWND hwnd, const WINDOWPOS* wp) {
  Window* w = W(hwnd);
  if (!w) return;
  if (!(wp->flags & SWP_NOCLIENTMOVE))
    Send(hwnd, WM_MOVE, 0,
         MAKELPARAM(static_cast<unsigned>(w->rect.Left + w->client.Left),
                    static_cast<unsigned>(w->rect.Top + w->client.Top)));
  if (!(w = W(hwnd))) return;
  if (!(wp->flags & SWP_NOCLIENTSIZE) || (wp->flags & SWP_STATECHANGED)) {
    WPARAM kind = (w->style & WS_MINIMIZE) ? SIZE_MINIMIZED : (w->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
    Send(hwnd, WM_SIZE, kind,
         MAKELPARAM(static_cast<unsigned>(w->client.Width()), static_cast<unsigned>(w->client.Height())));
  }
}

}  // namespace

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = W(hwnd);
  if (!w) return 0;
  switch (msg) {
    case WM_NCCREATE: {
      auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
      if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) w->text = cs->lpszName;
      return TRUE;
    }
    case WM_NCCALCSIZE: {
      if (wParam) {
        auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
        p->rgrc[0] = DefaultClientRect(w->style, w->exStyle, p->rgrc[0]);
      } else {
        auto* r = reinterpret_cast<RECT*>(lParam);
        *r = DefaultClientRect(w->style, w->exStyle, *r);
      }
      return 0;
    }
    case WM_NCHITTEST: return DefaultHitTest(w, LParamToPoint(lParam));
    case WM_NCPAINT: DefNcPaint(hwnd); return 0;
    case WM_NCACTIVATE:
      w->paint.ncActive = wParam != 0;
      InvalidateFrame(w);
      return TRUE;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) SetFocus(hwnd);
      return 0;
    case WM_MOUSEACTIVATE:
      if (w->IsChild() && w->parent) {
        if (LRESULT r = Send(w->parent->handle, WM_MOUSEACTIVATE, wParam, lParam)) return r;
      }
      return MA_ACTIVATE;
    case WM_SETCURSOR: return SetCursorDefault(hwnd, wParam, lParam);
    case WM_WINDOWPOSCHANGING: ClampWindowPos(hwnd, reinterpret_cast<WINDOWPOS*>(lParam)); return 0;
    case WM_WINDOWPOSCHANGED: PosChanged(hwnd, reinterpret_cast<const WINDOWPOS*>(lParam)); return 0;
    case WM_SETTEXT: {
      auto* t = reinterpret_cast<const char16_t*>(lParam);
      w->text = t ? t : u"";
      if ((w->style & WS_CAPTION) == WS_CAPTION) InvalidateFrame(w);
      if (w->IsTopLevel()) S().backend->TopLevelChanged(hwnd, w->rect, w->Visible());  // the title
      return TRUE;
    }
    case WM_GETTEXT: {
      auto* buf = reinterpret_cast<char16_t*>(lParam);
      if (!buf || wParam == 0) return 0;
      std::size_t n = std::min<std::size_t>(w->text.size(), wParam - 1);
      std::copy_n(w->text.data(), n, buf);
      buf[n] = 0;
      return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w->text.size());
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_SYSCOMMAND: return DefSysCommand(hwnd, wParam, lParam);
    case WM_SYSKEYDOWN:
      if (wParam == static_cast<WPARAM>(VK_F4) && (lParam & (LPARAM(1) << 29))) {
        Window* top = TopLevelOf(w);
        if (ButtonEnabled(top, HTCLOSE)) PostMessage(top->handle, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return 0;
    case WM_SYSCHAR:
      if (wParam == u' ' && (lParam & (LPARAM(1) << 29))) Send(TopLevelOf(w)->handle, WM_SYSCOMMAND, SC_KEYMENU, u' ');
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_ERASEBKGND: return DefEraseBackground(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_PRINT: DefPrint(hwnd, reinterpret_cast<HDC>(wParam), lParam); return 0;
    case WM_SETREDRAW:
      if (wParam) {
        w->redrawLocked = false;
        w->style |= WS_VISIBLE;
      } else if (w->Visible()) {
        // The window keeps its pixels on screen but is neither painted nor invalidated.
        w->redrawLocked = true;
        w->style &= ~WS_VISIBLE;
      }
      return 0;
    case WM_CANCELMODE:
      if (GetCapture() == hwnd) ReleaseCapture();
      return 0;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_HELP:
      if (w->IsChild() && w->parent) return Send(w->parent->handle, msg, wParam, lParam);
      return 0;
    case WM_RBUTTONUP: {
      POINT pt = LParamToPoint(lParam);
      ClientToScreen(hwnd, &pt);
      Send(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), PointToLParam(pt));
      return 0;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONUP:
    case WM_CONTEXTMENU:
    case WM_POPUPSYSTEMMENU: return DefNonClientMouse(hwnd, msg, wParam, lParam);
    case WM_SETICON: {
      HICON icon = reinterpret_cast<HICON>(lParam);
      HICON& slot = wParam == ICON_BIG ? w->iconBig : w->iconSmall;
      HICON old = slot;
      slot = icon;
      if ((w->style & WS_CAPTION) == WS_CAPTION) InvalidateFrame(w);
      return reinterpret_cast<LRESULT>(old);
    }
    case WM_GETICON:
      if (wParam == ICON_BIG) return reinterpret_cast<LRESULT>(w->iconBig);
      if (wParam == ICON_SMALL) return reinterpret_cast<LRESULT>(w->iconSmall);
      return reinterpret_cast<LRESULT>(w->iconSmall ? w->iconSmall : w->iconBig);
    case WM_QUERYENDSESSION: return TRUE;
    default: return 0;
  }
}

}  // namespace win
