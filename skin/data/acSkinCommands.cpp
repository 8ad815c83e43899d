#include "skin/data/acSkinCommands.h"

#include "platform/forms/WinControls.h"
#include "platform/win/MessageApi.h"
#include "platform/win/WindowApi.h"

namespace skin {

win::LRESULT SendSkinCommand(win::HWND window, TacSkinCommand command, win::LPARAM lParam, std::uint16_t argument) {
  if (window == nullptr) return 0;
  return win::SendMessage(window, SkinCmdMessage, SkinCmdWParam(command, argument), lParam);
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
    win::SendMessage(h, msg, wParam, lParam);
    if (!win::IsWindow(h)) continue;
    const bool skinned = win::GetProp(h, acSkinDataProp) != nullptr ||
                         win::SendMessage(h, SkinCmdMessage, SkinCmdWParam(scIsSkinned), 0) == 1;
    if (!skinned) BroadcastToChildren(windowed, msg, wParam, lParam);
  }
}

}  // namespace skin
