// The move and size loops (SC_MOVE, SC_SIZE): the window follows the pointer, or the
// arrow keys, until the button is released or Enter is pressed; Escape puts it back.
// The window hears WM_ENTERSIZEMOVE, WM_MOVING or WM_SIZING with the proposed rectangle
// (which it may change) before each step, and WM_EXITSIZEMOVE at the end. Sizes stay
// within the WM_GETMINMAXINFO track limits, so a window whose minimum and maximum are
// equal cannot be resized.
#include <algorithm>

#include "platform/win/InputApi.h"
#include "platform/win/InputMode.h"
#include "platform/win/Internal.h"
#include "platform/win/Keys.h"
#include "platform/win/Messages.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace win::detail {

namespace {

constexpr int kKeyStep = 8;

bool Moves(WPARAM edge, WPARAM side) {
  switch (side) {
    case WMSZ_LEFT: return edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    case WMSZ_RIGHT: return edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
    case WMSZ_TOP: return edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
    default: return edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
  }
}

int EdgeCursor(WPARAM edge) {
  switch (edge) {
    case WMSZ_LEFT:
    case WMSZ_RIGHT: return IDC_SIZEWE;
    case WMSZ_TOP:
    case WMSZ_BOTTOM: return IDC_SIZENS;
    case WMSZ_TOPLEFT:
    case WMSZ_BOTTOMRIGHT: return IDC_SIZENWSE;
    case WMSZ_TOPRIGHT:
    case WMSZ_BOTTOMLEFT: return IDC_SIZENESW;
    default: return IDC_SIZEALL;
  }
}

class MoveSizeMode final : public InputMode {
 public:
  MoveSizeMode(HWND hwnd, WPARAM edge, bool byKeyboard, POINT anchor)
      : InputMode(hwnd), edge_(edge), keyboard_(byKeyboard), anchor_(anchor), haveAnchor_(!byKeyboard) {}

  void Begin() {
    HWND h = Target();
    Send(h, WM_ENTERSIZEMOVE);
    Window* w = W(h);
    if (!w) return Finish();
    start_ = w->rect;  // parent client coordinates (the screen for top-level windows)
    mmi_ = AskMinMaxInfo(h);
    SetCursor(LoadCursor(nullptr, EdgeCursor(edge_)));
  }

  bool OnInput(const InputEvent& e) override {
    using K = InputEvent::Kind;
    switch (e.kind) {
      case K::MouseMove:
        if (!haveAnchor_) {
          anchor_ = e.pt;
          haveAnchor_ = true;
        }
        Track({e.pt.X - anchor_.X, e.pt.Y - anchor_.Y});
        return true;
      case K::MouseUp:
        if (e.button == MouseButton::Left && !keyboard_) End(true);
        return true;
      case K::MouseDown:
        if (keyboard_) End(e.button == MouseButton::Left);
        return true;
      case K::KeyDown: Key(e.vk); return true;
      case K::Wheel:
      case K::KeyUp:
      case K::Char: return true;
      default: return false;
    }
  }

  // Losing the capture keeps the window where it is.
  void Cancel() override { End(true); }

 private:
  void Key(int vk) {
    int dx = vk == VK_LEFT ? -kKeyStep : vk == VK_RIGHT ? kKeyStep : 0;
    int dy = vk == VK_UP ? -kKeyStep : vk == VK_DOWN ? kKeyStep : 0;
    if (vk == VK_RETURN) return End(true);
    if (vk == VK_ESCAPE) return End(false);
    if (!dx && !dy) return;
    if (sizing_ && edge_ == 0) {
      // Keyboard sizing: the first arrow picks the edge that moves.
      edge_ = dx < 0 ? WMSZ_LEFT : dx > 0 ? WMSZ_RIGHT : dy < 0 ? WMSZ_TOP : WMSZ_BOTTOM;
      SetCursor(LoadCursor(nullptr, EdgeCursor(edge_)));
    }
    keyOffset_.X += dx;
    keyOffset_.Y += dy;
    Track(keyOffset_);
  }

  void Track(POINT d) {
    Window* w = W(Target());
    if (!w || Ended()) return;
    RECT r = start_;
    if (!sizing_) {
      r = r.Offset(d.X, d.Y);
    } else if (edge_ != 0) {
      int minX = mmi_.ptMinTrackSize.X, maxX = std::max(minX, mmi_.ptMaxTrackSize.X);
      int minY = mmi_.ptMinTrackSize.Y, maxY = std::max(minY, mmi_.ptMaxTrackSize.Y);
      if (Moves(edge_, WMSZ_LEFT)) r.Left = r.Right - std::clamp(start_.Width() - d.X, minX, maxX);
      if (Moves(edge_, WMSZ_RIGHT)) r.Right = r.Left + std::clamp(start_.Width() + d.X, minX, maxX);
      if (Moves(edge_, WMSZ_TOP)) r.Top = r.Bottom - std::clamp(start_.Height() - d.Y, minY, maxY);
      if (Moves(edge_, WMSZ_BOTTOM)) r.Bottom = r.Top + std::clamp(start_.Height() + d.Y, minY, maxY);
    }
    // The window sees the proposal in screen coordinates.
    gfx::TPoint origin = w->IsTopLevel() ? gfx::TPoint{0, 0} : ClientOriginOnScreen(w->parent);
    RECT screen = r.Offset(origin.X, origin.Y);
    Send(Target(), sizing_ ? WM_SIZING : WM_MOVING, sizing_ ? edge_ : 0, HandleToLParam(&screen));
    if (!(w = W(Target())) || Ended()) return;
    r = screen.Offset(-origin.X, -origin.Y);
    if (r == w->rect) return;
    SetWindowPos(Target(), nullptr, r.Left, r.Top, r.Width(), r.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | (sizing_ ? 0 : SWP_NOSIZE));
  }

  void End(bool accept) {
    if (Ended()) return;
    HWND h = Target();
    Finish();
    Window* w = W(h);
    if (!w) return;
    RECT final = w->rect;
    if (accept && CallHooks(WH_CBT, HCBT_MOVESIZE, reinterpret_cast<WPARAM>(h), HandleToLParam(&final)) != 0)
      accept = false;
    if (!accept && (w = W(h)) && w->rect != start_)
      SetWindowPos(h, nullptr, start_.Left, start_.Top, start_.Width(), start_.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (W(h)) Send(h, WM_EXITSIZEMOVE);
  }

 public:
  bool sizing_ = false;

 private:
  WPARAM edge_;
  bool keyboard_;
  POINT anchor_;
  bool haveAnchor_;
  POINT keyOffset_{0, 0};
  RECT start_;
  MINMAXINFO mmi_;
};

}  // namespace

void StartMoveSize(HWND hwnd, WPARAM command, LPARAM lParam) {
  Window* w = W(hwnd);
  if (!w || !w->Visible() || (w->style & WS_MAXIMIZE) || TopMode()) return;
  bool sizing = (command & 0xFFF0) == SC_SIZE;
  if (sizing && (!(w->style & WS_THICKFRAME) || (w->style & WS_MINIMIZE))) return;
  WPARAM low = command & 0x000F;
  // SC_MOVE + HTCAPTION and SC_SIZE + an edge come from the mouse; the bare commands
  // (from the system menu) are driven by the keyboard until a click.
  bool byKeyboard = low == 0;
  WPARAM edge = sizing ? low : 0;
  POINT anchor = lParam ? LParamToPoint(lParam) : S().cursorPos;
  auto mode = std::make_shared<MoveSizeMode>(hwnd, edge, byKeyboard, anchor);
  mode->sizing_ = sizing;
  StartMode(mode);
  mode->Begin();
}

}  // namespace win::detail
