#include "platform/win/InputMode.h"

#include <algorithm>

#include "platform/win/InputApi.h"
#include "platform/win/Internal.h"

namespace win::detail {

void InputMode::Finish() {
  if (ended_) return;
  ended_ = true;
  if (!HasState()) return;
  auto& modes = S().modes;
  modes.erase(std::remove_if(modes.begin(), modes.end(), [this](const auto& m) { return m.get() == this; }),
              modes.end());
  if (S().capture == window_ &&
      std::none_of(modes.begin(), modes.end(), [this](const auto& m) { return m->Target() == window_; }))
    ReleaseCapture();
}

void StartMode(std::shared_ptr<InputMode> mode) {
  State& s = S();
  // The capture is taken before the mode runs, so that taking it does not cancel it.
  if (s.capture != mode->Target()) SetCapture(mode->Target());
  s.modes.push_back(std::move(mode));
}

InputMode* TopMode() {
  if (!HasState() || S().modes.empty()) return nullptr;
  return S().modes.back().get();
}

void CancelModes(HWND onlyFor) {
  if (!HasState()) return;
  // Copies keep each mode alive while it cancels; cancelling may end other modes too.
  std::vector<std::shared_ptr<InputMode>> modes = S().modes;
  for (auto it = modes.rbegin(); it != modes.rend(); ++it)
    if (!(*it)->Ended() && (!onlyFor || (*it)->Target() == onlyFor)) (*it)->Cancel();
}

bool OfferToMode(const InputEvent& e) {
  if (!HasState() || S().modes.empty()) return false;
  std::shared_ptr<InputMode> top = S().modes.back();  // alive while it handles the event
  return top->OnInput(e);
}

void CaptureMovedAway() {
  if (!HasState()) return;
  std::vector<std::shared_ptr<InputMode>> modes = S().modes;
  for (auto it = modes.rbegin(); it != modes.rend(); ++it)
    if (!(*it)->Ended() && (*it)->Target() != S().capture) (*it)->Cancel();
}

}  // namespace win::detail
