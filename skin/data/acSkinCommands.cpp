#include "skin/data/acSkinCommands.h"

#include "platform/forms/WinControls.h"
#include "platform/win/MessageApi.h"
#include "platform/win/WindowApi.h"
#include "skin/data/EngineState.h"

namespace skin {

TacSkinStateLink::TacSkinStateLink() { detail::Engine().liveSkinStates.insert(this); }
TacSkinStateLink::~TacSkinStateLink() { detail::Engine().liveSkinStates.erase(this); }

TacSkinStateLink* SkinStateLinkOf(win::HWND window) {
  // GetProp answers nothing for a window that does not exist.
  if (window == nullptr) return nullptr;
  auto* link = static_cast<TacSkinStateLink*>(win::GetProp(window, acSkinDataProp));
  if (link == nullptr || detail::Engine().liveSkinStates.count(link) == 0) return nullptr;
  return link;
}

win::LRESULT SendSkinMessage(win::HWND window, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
  if (window == nullptr) return 0;
  if (TacSkinStateLink* link = SkinStateLinkOf(window); link != nullptr && link->WndProc) {
    forms::TMessage m{msg, wParam, lParam, 0};
    link->WndProc(m);
    return m.Result;
  }
  return win::SendMessage(window, msg, wParam, lParam);
}

win::LRESULT SendSkinCommand(win::HWND window, TacSkinCommand command, win::LPARAM lParam, std::uint16_t argument) {
  return SendSkinMessage(window, SkinCmdMessage, SkinCmdWParam(command, argument), lParam);
}

void BroadcastToChildren(forms::TWinControl* control, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
  if (control == nullptr) return;
  // A handler may add or remove children: the index is checked against the current count.
  for (int i = 0; i < control->ControlCount(); ++i) {
    forms::TControl* child = control->Controls(i);
    if (child->IsDestroying()) break;
    auto* windowed = dynamic_cast<forms::TWinControl*>(child);
    if (windowed == nullptr || !windowed->HandleAllocated()) {
      child->Perform(msg, wParam, lParam);
      continue;
    }
    const win::HWND h = windowed->Handle();
    SendSkinMessage(h, msg, wParam, lParam);
    if (!win::IsWindow(h)) continue;
    const bool skinned = win::GetProp(h, acSkinDataProp) != nullptr || SendSkinCommand(h, scIsSkinned, 0) == 1;
    if (!skinned) BroadcastToChildren(windowed, msg, wParam, lParam);
  }
}

}  // namespace skin
