#pragma once
// TacFade: the cross-fade of a control's picture from one state to another, run by a
// timer of the user-interface thread with 12 ms between steps. It holds the from, to and
// current pictures; each step blends from toward to by the step's share and copies the
// blend to the control's window. It decides nothing about whether a fade may start
// (RequestFade does).
#include <cstdint>
#include <memory>

#include "platform/win/Types.h"
#include "skin/render/pixels/Bitmap32.h"

namespace skin {

class TsCommonData;

inline constexpr unsigned acFadeStepMs = 12;

class TacFade {
 public:
  explicit TacFade(TsCommonData& sd) : sd_(sd) {}
  ~TacFade();
  TacFade(const TacFade&) = delete;
  TacFade& operator=(const TacFade&) = delete;

  // Starts fading from the control's current cache to its picture in newState (the cache
  // is prepared for it). 6 steps (3 when fast), three times as many toward state 0. False
  // when the new picture could not be made (the cache then holds the old one).
  bool Start(int newState, bool fast);
  // Stops the timer and frees the pictures.
  void Stop();
  bool Running() const { return timer_ != 0; }
  int TargetState() const { return target_; }
  // The blend shown now, or nullptr while none runs.
  const Bitmap32* Current() const { return Running() ? current_.get() : nullptr; }
  int StepsLeft() const { return steps_ - step_; }

  // One step (the timer calls it).
  void Step();

 private:
  TsCommonData& sd_;
  std::unique_ptr<Bitmap32> from_, to_, current_;
  win::UINT_PTR timer_ = 0;
  int target_ = -1;
  int steps_ = 0;
  int step_ = 0;
};

// Asks for a fade of a self-animating control to newState: it starts only when the event
// is enabled, no skin change runs, the cache exists and is current, and the manager's
// Effects.AllowAnimation is on; otherwise the control is invalidated. A request for the
// state already faded to is ignored. True when a fade runs after the call.
bool RequestFade(TsCommonData& sd, int newState, bool fast, bool eventEnabled);

}  // namespace skin
