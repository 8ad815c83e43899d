// Pressing a title button of the classic frame: the button shows pressed while the
// pointer holds it down over it and normal when the pointer leaves; releasing over it
// sends its system command, releasing elsewhere does nothing.
#include "platform/win/FrameLayout.h"
#include "platform/win/HitCodes.h"
#include "platform/win/InputApi.h"
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

  void Begin() {
    S().captionHeld = {Target(), hit_};
    Show(true);
  }

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
        End();
        Window* w = W(h);
        if (over && w) Send(h, WM_SYSCOMMAND, CommandOf(w, hit_), PointToLParam(e.pt));
        return true;
      }
      default: return false;  // keys go on as usual
    }
  }

  void Cancel() override { End(); }

 private:
  void End() {
    Finish();
    if (S().captionHeld.hwnd == Target()) S().captionHeld = {};
    Show(false);
  }

  // Whether the pointer is over the held button; the title button it is over is hot.
  bool Over(gfx::TPoint pt) {
    int code = W(Target()) ? static_cast<int>(Send(Target(), WM_NCHITTEST, 0, PointToLParam(pt))) : HTNOWHERE;
    NoteTitleButtonHot(Target(), code);
    return W(Target()) && code == hit_;
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

void NoteTitleButtonHot(HWND hwnd, int hit) {
  bool button = hit == HTCLOSE || hit == HTMAXBUTTON || hit == HTMINBUTTON || hit == HTHELP;
  S().captionHot = button && hwnd ? CaptionPress{hwnd, hit} : CaptionPress{};
}

void PressTitleButton(HWND hwnd, int hit) {
  Window* w = W(hwnd);
  if (!w || !ButtonEnabled(w, hit)) return;
  auto mode = std::make_shared<TitleButtonMode>(hwnd, hit);
  StartMode(mode);
  mode->Begin();
}

}  // namespace win::detail

namespace win {

TitleButtonState GetTitleButtonState(HWND hwnd) {
  TitleButtonState st;
  if (!detail::W(hwnd)) return st;
  const detail::State& s = detail::S();
  if (s.captionHeld.hwnd == hwnd) st.held = s.captionHeld.hit;
  if (s.captionPress.hwnd == hwnd) st.pressed = s.captionPress.hit;
  if (s.captionHot.hwnd == hwnd) st.hot = s.captionHot.hit;
  return st;
}

}  // namespace win
