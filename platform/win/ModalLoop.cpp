// Modal loops: the window runs its own message loop while its owners are disabled.
#include <algorithm>

#include "platform/win/InputApi.h"
#include "platform/win/Internal.h"
#include "platform/win/Messages.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Positions.h"
#include "platform/win/WindowApi.h"

namespace win {
using namespace detail;

namespace {

ModalFrame* FrameOf(HWND w) {
  auto& m = S().modal;
  for (auto it = m.rbegin(); it != m.rend(); ++it)
    if (it->window == w) return &*it;
  return nullptr;
}

}  // namespace

LRESULT RunModalLoop(HWND window) {
  State& s = S();
  if (!W(window) || FrameOf(window)) return 0;
  // Owners that were enabled are disabled for the loop and enabled again after it, also
  // when the loop ends by an exception.
  std::vector<HWND> disabled;
  for (Window* o = W(window)->owner; o; o = o->owner)
    if (o->Enabled()) disabled.push_back(o->handle);
  for (HWND o : disabled) EnableWindow(o, FALSE);
  s.modal.push_back({window, false, 0});
  HWND owner = disabled.empty() ? nullptr : disabled.front();
  LRESULT result = 0;
  struct Restore {
    HWND window, owner;
    std::vector<HWND>& disabled;
    LRESULT& result;
    ~Restore() {
      auto& m = S().modal;
      auto it = std::find_if(m.begin(), m.end(), [this](const ModalFrame& f) { return f.window == window; });
      if (it != m.end()) {
        result = it->result;
        m.erase(it);
      }
      for (HWND o : disabled) EnableWindow(o, TRUE);
      // Activation goes back to the owner before the modal window disappears.
      if (owner && W(owner)) SetActiveWindow(owner);
      if (W(window)) ShowWindow(window, SW_HIDE);
    }
  };
  bool quit = false;
  int quitCode = 0;
  {
    Restore restore{window, owner, disabled, result};
    if (W(window)) ShowWindow(window, SW_SHOW);
    MSG m;
    for (;;) {
      ModalFrame* f = FrameOf(window);
      if (!f || f->ended || !W(window)) break;
      if (!GetMessage(&m, nullptr, 0, 0)) {
        quit = true;
        quitCode = static_cast<int>(m.wParam);
        break;
      }
      TranslateMessage(&m);
      DispatchMessage(&m);
    }
  }
  if (quit) PostQuitMessage(quitCode);
  return result;
}

void EndModalLoop(HWND window, LRESULT result) {
  if (ModalFrame* f = FrameOf(window)) {
    f->ended = true;
    f->result = result;
    PostMessage(nullptr, WM_NULL, 0, 0);  // wakes the loop
  }
}

BOOL InModalLoop(HWND window) { return FrameOf(window) ? TRUE : FALSE; }

}  // namespace win
