#pragma once
// TacSBAnimation: the hover animation of one title button. A small layered window, mouse-
// transparent and never activated, lies exactly over the button just above the form and
// shows the button's picture in its new state; a 12 ms timer (on that window) raises or
// lowers its opacity step by step. Once a raised state is reached, each tick checks that
// the pointer is still over the button and otherwise tells the form the mouse left.
// The form's picture keeps the button in its normal look meanwhile.
#include <cstdint>
#include <memory>

#include "platform/gfx/Geometry.h"
#include "platform/win/Types.h"

namespace skin {

class Bitmap32;
class TsSkinProvider;
struct TsCaptionButton;

inline constexpr unsigned acTitleAnimStepMs = 12;

class TacSBAnimation {
 public:
  TacSBAnimation(TsSkinProvider& owner, TsCaptionButton& button);
  ~TacSBAnimation();
  TacSBAnimation(const TacSBAnimation&) = delete;
  TacSBAnimation& operator=(const TacSBAnimation&) = delete;

  // Starts the change to a state (ignored when it is the state shown or going to).
  void StartAnimation(int newState, bool upward);
  // One timer tick.
  void Step();

  int State() const { return state_; }
  int Level() const { return level_; }
  int MaxIterations() const { return maxIterations_; }
  std::uint8_t Opacity() const { return opacity_; }
  bool Running() const { return timer_ != 0; }
  win::HWND Window() const { return window_; }

 private:
  void MakeImg();
  void MakeForm();
  void UpdateForm();
  bool CheckMouseLeave();
  void StopTimer();
  void FreeForm();

  TsSkinProvider& owner_;
  TsCaptionButton& button_;
  std::unique_ptr<Bitmap32> img_;
  win::HWND window_ = nullptr;
  win::UINT_PTR timer_ = 0;
  int state_ = 0;
  int level_ = 0;
  int maxIterations_ = 1;
  int step_ = 255;
  std::uint8_t opacity_ = 0;
  bool reached_ = false;
};

}  // namespace skin
