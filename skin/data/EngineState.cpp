#include "skin/data/EngineState.h"

#include "platform/win/MessageApi.h"
#include "skin/data/acSkinData.h"

namespace skin::detail {

EngineState::EngineState() = default;
EngineState::~EngineState() = default;
EngineState& EngineState::operator=(EngineState&&) noexcept = default;

EngineState& Engine() {
  static EngineState state;
  return state;
}

void ResetEngine() {
  EngineState& e = Engine();
  if (e.hook != nullptr) win::UnhookWindowsHookEx(e.hook);
  for (const auto& [id, manager] : e.hotTimers) win::KillTimer(nullptr, id);
  // Ownerless providers of skinned dialogs (a form's providers go with their form).
  const std::vector<forms::TComponent*> providers = std::move(e.skinnedWindowList);
  for (forms::TComponent* p : providers)
    if (p != nullptr && p->Owner() == nullptr) p->Free();
  e = EngineState();
  e.Tuning() = TacPixelTuning();
}

}  // namespace skin::detail
