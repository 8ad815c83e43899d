#include "platform/win/Session.h"

#include "platform/win/Compositor.h"
#include "platform/win/Internal.h"
#include "platform/win/WindowApi.h"

namespace win {
using namespace detail;

namespace {

void DestroyAll() {
  if (!HasState()) return;
  S().hooks.clear();  // at shutdown nothing may refuse a destruction
  for (Window* root : {S().messageRoot.get(), S().desktop.get()}) {
    while (!root->children.empty()) {
      Window* w = root->children.back();
      w->destroying = false;  // one left half-destroyed is taken down now
      DestroyWindow(w->handle);
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
