#include "skin/windows/acTitleButtonsAnimation.h"

#include <algorithm>

#include "platform/forms/Forms.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/win/HitCodes.h"
#include "platform/win/InputApi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acGlyphImages.h"
#include "skin/render/pixels/acPixelCopy.h"
#include "skin/windows/sSkinProvider.h"

namespace skin {

namespace {

constexpr char16_t kClassName[] = u"TacSBAnimation";
constexpr char16_t kSelfProp[] = u"ACSBANIM";

// The animation window: its timer steps the animation; the mouse passes through it and it
// never takes the activation.
win::LRESULT AnimationWindowProc(win::HWND h, win::UINT msg, win::WPARAM wp, win::LPARAM lp) {
  if (msg == win::WM_TIMER)
    if (auto* a = static_cast<TacSBAnimation*>(win::GetProp(h, kSelfProp))) {
      a->Step();
      return 0;
    }
  if (msg == win::WM_NCHITTEST) return win::HTTRANSPARENT;
  if (msg == win::WM_MOUSEACTIVATE) return win::MA_NOACTIVATE;
  return win::DefWindowProc(h, msg, wp, lp);
}

void RegisterWindowClass() {
  win::WNDCLASSEX wc;
  if (win::GetClassInfoEx(nullptr, kClassName, &wc)) return;
  wc.lpfnWndProc = &AnimationWindowProc;
  wc.lpszClassName = kClassName;
  win::RegisterClassEx(wc);
}

}  // namespace

TacSBAnimation::TacSBAnimation(TsSkinProvider& owner, TsCaptionButton& button) : owner_(owner), button_(button) {}

TacSBAnimation::~TacSBAnimation() {
  StopTimer();
  FreeForm();
}

void TacSBAnimation::StartAnimation(int newState, bool upward) {
  if (newState == state_ && (Running() || window_ != nullptr || newState == 0)) return;
  TsSkinManager* m = owner_.Manager();
  const bool animate = m != nullptr && m->Effects.AllowAnimation;
  maxIterations_ = newState == 2 ? 1 : std::max(1, 10 * (animate ? 1 : 0));
  step_ = 255 / maxIterations_;
  state_ = newState;
  reached_ = false;
  if (newState != 0) {
    MakeImg();
    MakeForm();
    level_ = upward || newState == 2 ? (newState == 2 ? maxIterations_ : 1) : std::max(level_, 1);
  } else if (window_ == nullptr) {
    level_ = 0;
    return;
  } else {
    level_ = std::min(level_, maxIterations_);
  }
  UpdateForm();
  if (newState == 0 && level_ <= 0) {
    FreeForm();
    return;
  }
  if (timer_ == 0 && window_ != nullptr) timer_ = win::SetTimer(window_, 1, acTitleAnimStepMs, nullptr);
}

void TacSBAnimation::Step() {
  if (state_ != 0) {
    if (level_ < maxIterations_) {
      ++level_;
      UpdateForm();
      return;
    }
    if (!reached_) {
      reached_ = true;
      opacity_ = 255;
      if (window_ != nullptr) win::SetLayeredWindowAttributes(window_, 0, 255, win::LWA_ALPHA);
    }
    if (CheckMouseLeave()) {
      StopTimer();
      // The form returns the button to normal, which starts the way down.
      if (owner_.Form != nullptr && owner_.Form->HandleAllocated())
        win::SendMessage(owner_.Form->Handle(), win::WM_MOUSELEAVE, 0, 0);
    }
    return;
  }
  --level_;
  if (level_ <= 0) {
    StopTimer();
    FreeForm();
    return;
  }
  UpdateForm();
}

void TacSBAnimation::MakeImg() {
  const Bitmap32* cache = owner_.FCommonData ? owner_.FCommonData->FCacheBmp.get() : nullptr;
  TacSkinData* data = owner_.SkinData();
  const gfx::TRect r = button_.cpRect;
  if (cache == nullptr || data == nullptr || r.IsEmpty()) return;
  img_ = std::make_unique<Bitmap32>();
  img_->SetSize(r.Width(), r.Height());
  // The clean background behind the button, then the glyph in the new state.
  CopyBitmapRect(img_.get(), owner_.TempBmp.get(), {0, 0}, r.Offset(-owner_.TempBmpRect.Left, -owner_.TempBmpRect.Top));
  PaintGlyphImage(img_.get(), {0, 0}, *data, data->TitleGlyphs[button_.cpGlyphType], state_);
  for (int y = 0; y < img_->Height(); ++y)
    for (int x = 0; x < img_->Width(); ++x) img_->Row(y)[x] |= 0xFF000000u;
}

void TacSBAnimation::MakeForm() {
  if (img_ == nullptr || owner_.Form == nullptr || !owner_.Form->HandleAllocated()) return;
  const win::HWND form = owner_.Form->Handle();
  // The button's place in the window picture, which lies at the picture's origin.
  const gfx::TPoint origin = owner_.PictureOrigin();
  const win::RECT wr{origin.X, origin.Y, origin.X, origin.Y};
  const gfx::TRect r = button_.cpRect;
  if (window_ == nullptr) {
    RegisterWindowClass();
    window_ = win::CreateWindowEx(
        win::WS_EX_LAYERED | win::WS_EX_TRANSPARENT | win::WS_EX_NOACTIVATE | win::WS_EX_TOOLWINDOW, kClassName, u"",
        win::WS_POPUP, wr.Left + r.Left, wr.Top + r.Top, r.Width(), r.Height(), form, nullptr, nullptr, nullptr);
    if (window_ == nullptr) return;
    win::SetProp(window_, kSelfProp, this);
  }
  win::POINT pos{wr.Left + r.Left, wr.Top + r.Top};
  win::SIZE size{r.Width(), r.Height()};
  win::POINT src{0, 0};
  win::UpdateLayeredWindow(window_, &pos, &size, img_->View(), &src, 0, 0, win::ULW_ALPHA);
  win::SetWindowPos(window_, win::HWND_TOP, pos.X, pos.Y, size.cx, size.cy, win::SWP_NOACTIVATE | win::SWP_SHOWWINDOW);
}

void TacSBAnimation::UpdateForm() {
  opacity_ = static_cast<std::uint8_t>(std::clamp(step_ * level_, 0, 255));
  if (window_ != nullptr) win::SetLayeredWindowAttributes(window_, 0, opacity_, win::LWA_ALPHA);
}

bool TacSBAnimation::CheckMouseLeave() {
  if (owner_.Form == nullptr || !owner_.Form->HandleAllocated()) return true;
  win::POINT p;
  win::GetCursorPos(&p);
  const gfx::TPoint origin = owner_.PictureOrigin();
  const gfx::TRect r = button_.cpRect.Offset(origin.X, origin.Y);
  return !(p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom);
}

void TacSBAnimation::StopTimer() {
  if (timer_ != 0 && window_ != nullptr) win::KillTimer(window_, timer_);
  timer_ = 0;
}

void TacSBAnimation::FreeForm() {
  if (window_ != nullptr) {
    win::RemoveProp(window_, kSelfProp);
    if (win::IsWindow(window_)) win::DestroyWindow(window_);
  }
  window_ = nullptr;
  img_.reset();
  level_ = 0;
  opacity_ = 0;
}

}  // namespace skin
