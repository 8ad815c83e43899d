// Pressing a title button of the classic frame: the button shows pressed while the
// pointer holds it down over it and normal when the pointer leaves; releasing over it
// sends its system command, releasing elsewhere does nothing.
#include "platform/win/FrameLayout.h"
#include "platform/win/HitCodes.h"
#include "platform/win/InputMode.h"
#include "platform/win/Internal.h"
#include "platform/win/Messages.h"
#include "platform/win/Styles.h"

namespace win::detail {

namespace {

WPARAM CommandOf(Window* w, int hit) {
  switch (hit) {
    case HTCLOSE: return SC_CLOSE;
    case HTMAXBUTTON: return (w->style & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE;
    case HTMINBUTTON: return (w->style & WS_MINIMIZE) ? SC_RESTORE : SC_MINIMIZE;
    case HTHELP: return SC_CONTEXTHELP;
    default: return 0;
  }
}

class TitleButtonMode final : public InputMode {
 public:
  TitleButtonMode(HWND hwnd, int hit) : InputMode(hwnd), hit_(hit) {}

  void Begin() { Show(true); }

  bool OnInput(const InputEvent& e) override {
    using K = InputEvent::Kind;
    switch (e.kind) {
      case K::MouseMove: Show(Over(e.pt)); return true;
      case K::MouseDown:
      case K::Wheel: return true;
      case K::MouseUp: {
        if (e.button != MouseButton::Left) return true;
        bool over = Over(e.pt);
        HWND h = Target();
        Finish();
        Show(false);
        Window* w = W(h);
        if (over && w) Send(h, WM_SYSCOMMAND, CommandOf(w, hit_), PointToLParam(e.pt));
        return true;
      }
      default: return false;  // keys go on as usual
    }
  }

  void Cancel() override {
    Finish();
    Show(false);
  }

 private:
  bool Over(gfx::TPoint pt) {
    return W(Target()) && static_cast<int>(Send(Target(), WM_NCHITTEST, 0, PointToLParam(pt))) == hit_;
  }

  // Draws the button pressed or normal when that changes.
  void Show(bool pressed) {
    CaptionPress& p = S().captionPress;
    bool now = p.hwnd == Target() && p.hit == hit_;
    if (now == pressed) return;
    p = pressed ? CaptionPress{Target(), hit_} : CaptionPress{};
    if (W(Target())) Send(Target(), WM_NCPAINT, 1, 0);
  }

  int hit_;
};

}  // namespace

void PressTitleButton(HWND hwnd, int hit) {
  Window* w = W(hwnd);
  if (!w || !ButtonEnabled(w, hit)) return;
  auto mode = std::make_shared<TitleButtonMode>(hwnd, hit);
  StartMode(mode);
  mode->Begin();
}

}  // namespace win::detail
