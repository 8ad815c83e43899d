// Context help (SC_CONTEXTHELP): the pointer turns into the help pointer and the next
// click asks the window under it for help with WM_HELP instead of clicking it; Escape,
// another button or losing the capture ends the mode without asking.
#include "platform/win/InputApi.h"
#include "platform/win/InputMode.h"
#include "platform/win/Internal.h"
#include "platform/win/Keys.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowApi.h"

namespace win::detail {

namespace {

class ContextHelpMode final : public InputMode {
 public:
  explicit ContextHelpMode(HWND hwnd) : InputMode(hwnd) {}

  bool OnInput(const InputEvent& e) override {
    using K = InputEvent::Kind;
    switch (e.kind) {
      case K::MouseMove: SetCursor(LoadCursor(nullptr, IDC_HELP)); return true;
      case K::MouseDown:
        if (e.button == MouseButton::Left) {
          Ask(e.pt);
        } else {
          Finish();
        }
        return true;
      case K::KeyDown:
        if (e.vk == VK_ESCAPE) Finish();
        return true;
      case K::MouseUp:
      case K::Wheel:
      case K::KeyUp:
      case K::Char: return true;
      default: return false;
    }
  }

  void Cancel() override { Finish(); }

 private:
  void Ask(POINT pt) {
    Finish();
    HWND under = WindowFromPoint(pt);
    Window* top = W(Target());
    Window* u = W(under);
    // Only the window's own tree is asked.
    if (!u || !top || TopLevelOf(u) != TopLevelOf(top)) return;
    HELPINFO info;
    info.iCtrlId = u->IsChild() ? static_cast<int>(u->id) : 0;
    info.hItemHandle = under;
    info.MousePos = pt;
    Send(under, WM_HELP, 0, HandleToLParam(&info));
  }
};

}  // namespace

void StartContextHelp(HWND hwnd) {
  if (!W(hwnd) || TopMode()) return;
  StartMode(std::make_shared<ContextHelpMode>(hwnd));
  SetCursor(LoadCursor(nullptr, IDC_HELP));
}

}  // namespace win::detail
