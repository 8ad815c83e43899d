// Requests the desktop makes about one of our windows, turned into what the window
// system does for them.
#include "platform/win/Input.h"
#include "platform/win/InputApi.h"
#include "platform/win/InputMode.h"
#include "platform/win/Internal.h"
#include "platform/win/Messages.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace win::detail {

namespace {

// A window disabled by a modal loop hands the request to its enabled popup.
HWND Usable(HWND hwnd) {
  Window* w = W(hwnd);
  if (!w) return nullptr;
  if (w->Enabled()) return hwnd;
  return GetWindow(hwnd, GW_ENABLEDPOPUP);
}

}  // namespace

void ConvertWindowRequest(const InputEvent& e) {
  using K = InputEvent::Kind;
  if (e.kind == K::Deactivate) {
    CancelModes();
    DeactivateApplication();
    return;
  }
  if (e.kind == K::MouseLeave) {
    PointerLeftWindows();
    return;
  }
  Window* w = W(e.window);
  if (!w || !w->IsTopLevel()) return;
  HWND h = e.window;
  switch (e.kind) {
    case K::Close:
      if (HWND u = Usable(h); u == h) PostMessage(h, WM_SYSCOMMAND, SC_CLOSE, 0);
      else if (u) SetActiveWindow(u);
      break;
    case K::SystemMenu:
      if (Usable(h) == h) PostMessage(h, WM_POPUPSYSTEMMENU, 0, PointToLParam(e.pt));
      break;
    case K::Activate:
      if (HWND u = Usable(h)) {
        if (S().active != u) CancelModes();
        SetActiveWindow(u);
      }
      break;
    case K::Moved:
      if (w->rect.Left != e.pt.X || w->rect.Top != e.pt.Y)
        SetWindowPos(h, nullptr, e.pt.X, e.pt.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    case K::Minimize:
      if (!(w->style & WS_MINIMIZE)) ShowWindow(h, SW_MINIMIZE);
      break;
    case K::Restore:
      if (w->style & WS_MINIMIZE) ShowWindow(h, SW_RESTORE);
      break;
    default: break;
  }
}

}  // namespace win::detail
