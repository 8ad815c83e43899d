#include "platform/win/Session.h"

#include "platform/win/Compositor.h"
#include "platform/win/Internal.h"
#include "platform/win/WindowApi.h"

namespace win {
using namespace detail;

namespace {

void DestroyAll() {
  if (!HasState()) return;
  for (;;) {
    auto& tops = S().desktop->children;
    if (tops.empty()) break;
    HWND h = tops.back()->handle;
    DestroyWindow(h);
    if (Window* w = W(h)) {
      // A window whose destruction is refused (a hook or one already being destroyed)
      // is taken out without messages.
      (void)w;
      S().hooks.clear();
      w->destroying = false;
      DestroyWindow(h);
    }
  }
}

}  // namespace

void Startup(std::unique_ptr<Backend> backend) {
  Shutdown();
  State& s = S();
  s.backend = std::move(backend);
  gfx::TSize size = s.backend->ScreenSize();
  s.desktop->rect = {0, 0, size.cx, size.cy};
  s.desktop->client = s.desktop->rect;
  s.compositor->Resize(size);
}

void Shutdown() {
  DestroyAll();
  DestroyState();
}

Backend& CurrentBackend() { return *S().backend; }

}  // namespace win
