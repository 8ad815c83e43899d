#pragma once
// Internal: modes that take the raw input while they run. Pressing a title button, the
// move and size loops, popup menus and context help are modes: while one runs, every raw
// mouse and key event goes to the newest mode before (and usually instead of) becoming a
// window message. A mode holds the capture for its window; losing the capture, or its
// window going away, cancels it. Modes never block: a blocking caller (TrackPopupMenu)
// runs its own message loop until its mode ends.
#include <memory>

#include "platform/win/Backend.h"
#include "platform/win/Types.h"

namespace win::detail {

class InputMode {
 public:
  virtual ~InputMode() = default;
  // Takes one raw event (key state and pointer position are already updated). Returns
  // false to let the event become a window message as usual.
  virtual bool OnInput(const InputEvent& e) = 0;
  // Ends the mode without its normal result (capture lost, window gone, cancel mode).
  virtual void Cancel() = 0;
  // The window the mode works for; it holds the capture while the mode runs.
  HWND Target() const { return window_; }
  bool Ended() const { return ended_; }

 protected:
  explicit InputMode(HWND window) : window_(window) {}
  // Marks the mode ended and removes it from the running modes; safe to call twice.
  void Finish();

 private:
  HWND window_;
  bool ended_ = false;
};

// Starts a mode: takes the capture for its window and puts the mode on top.
void StartMode(std::shared_ptr<InputMode> mode);
// The running mode on top, or null.
InputMode* TopMode();
// Cancels every mode (newest first); with a window, only those working for it.
void CancelModes(HWND onlyFor = nullptr);
// The capture moved: modes whose window lost it are cancelled.
void CaptureMovedAway();
// Gives a raw event to the newest mode; true when it took it.
bool OfferToMode(const InputEvent& e);

}  // namespace win::detail
