#include "platform/win/SystemState.h"

#include "platform/gfx/Surface.h"
#include "platform/win/Compositor.h"
#include "platform/win/HeadlessBackend.h"
#include "platform/win/IconObject.h"
#include "platform/win/InputMode.h"
#include "platform/win/MenuObject.h"
#include "platform/win/Styles.h"

namespace win::detail {
namespace {

std::unique_ptr<State>& Holder() {
  static std::unique_ptr<State> state;
  return state;
}

}  // namespace

State::State() {
  backend = std::make_unique<HeadlessBackend>();
  compositor = std::make_unique<Compositor>();
  menus = std::make_unique<HandleMap<Menu>>();
  icons = std::make_unique<HandleMap<IconObject>>();
  desktop = std::make_unique<Window>();
  desktop->style = WS_VISIBLE | WS_CLIPCHILDREN;
  desktop->created = true;
  messageRoot = std::make_unique<Window>();
  messageRoot->created = true;
}

State::~State() = default;

State& S() {
  auto& h = Holder();
  if (!h) {
    h = std::make_unique<State>();
    h->compositor->Resize(h->backend->ScreenSize());
    h->desktop->rect = {0, 0, h->backend->ScreenSize().cx, h->backend->ScreenSize().cy};
    h->desktop->client = h->desktop->rect;
  }
  return *h;
}

bool HasState() { return Holder() != nullptr; }

void DestroyState() { Holder().reset(); }

Window* W(HWND h) {
  if (!h || !HasState()) return nullptr;
  return S().table.Find(h);
}

std::uint64_t Now() { return S().backend->Now(); }

}  // namespace win::detail
