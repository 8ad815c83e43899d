#include "skin/controls/acFade.h"

#include "platform/gfx/Surface.h"
#include "platform/win/MessageApi.h"
#include "platform/win/PaintApi.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/EngineState.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/pixels/acPixelBlend.h"

namespace skin {

namespace {

void FadeTimerProc(win::HWND, win::UINT, win::UINT_PTR id, win::DWORD) {
  auto& timers = detail::Engine().fadeTimers;
  auto it = timers.find(id);
  if (it == timers.end()) {
    win::KillTimer(nullptr, id);
    return;
  }
  static_cast<TacFade*>(it->second)->Step();
}

}  // namespace

TacFade::~TacFade() { Stop(); }

bool TacFade::Start(int newState, bool fast) {
  Stop();
  if (sd_.FCacheBmp == nullptr || sd_.FCacheBmp->Empty()) return false;
  from_ = std::make_unique<Bitmap32>(*sd_.FCacheBmp);
  sd_.BGChanged = true;
  // The control builds its picture for the state it is in now (the new one).
  if (!sd_.PrepareCache() || sd_.FCacheBmp->Width() != from_->Width() || sd_.FCacheBmp->Height() != from_->Height()) {
    from_.reset();
    return false;
  }
  to_ = std::make_unique<Bitmap32>(*sd_.FCacheBmp);
  current_ = std::make_unique<Bitmap32>(*from_);
  target_ = newState;
  steps_ = fast ? 3 : 6;
  if (newState == 0) steps_ *= 3;
  step_ = 0;
  timer_ = win::SetTimer(nullptr, 0, acFadeStepMs, &FadeTimerProc);
  detail::Engine().fadeTimers[timer_] = this;
  return true;
}

void TacFade::Stop() {
  if (timer_ != 0) {
    win::KillTimer(nullptr, timer_);
    detail::Engine().fadeTimers.erase(timer_);
    timer_ = 0;
  }
  from_.reset();
  to_.reset();
  current_.reset();
  target_ = -1;
}

void TacFade::Step() {
  if (!Running()) return;
  ++step_;
  const int share = step_ >= steps_ ? 255 : step_ * 255 / steps_;
  *current_ = *from_;
  const TRect whole{0, 0, current_->Width() - 1, current_->Height() - 1};
  BlendBitmapRect(current_.get(), to_.get(), static_cast<std::uint8_t>(255 - share), {0, 0}, whole);
  if (win::HWND h = sd_.OwnerHandle()) {
    if (win::HDC dc = win::GetDC(h)) {
      dc->BitBlt(0, 0, current_->Width(), current_->Height(), current_->Canvas(), 0, 0, gfx::SRCCOPY);
      win::ReleaseDC(h, dc);
    }
  }
  if (step_ >= steps_) Stop();
}

bool RequestFade(TsCommonData& sd, int newState, bool fast, bool eventEnabled) {
  if (sd.AnimTimer != nullptr && sd.AnimTimer->Running() && sd.AnimTimer->TargetState() == newState) return true;
  TsSkinManager* m = sd.GetSkinManager();
  const bool may = eventEnabled && m != nullptr && !m->IsChanging() && sd.FCacheBmp != nullptr &&
                   !sd.FCacheBmp->Empty() && !sd.BGChanged && m->Effects.AllowAnimation;
  if (may) {
    if (sd.AnimTimer == nullptr) sd.AnimTimer = std::make_unique<TacFade>(sd);
    if (sd.AnimTimer->Start(newState, fast)) return true;
  }
  if (sd.AnimTimer != nullptr) sd.AnimTimer->Stop();
  sd.Invalidate(false);
  return false;
}

}  // namespace skin
