#pragma once
// The headless backend: a virtual screen in memory (1280 x 1024 at 96 dots per inch unless
// told otherwise), input that tests or scripts feed, and a clock that moves only when told
// (or a real monotonic clock). Deterministic: no operating system events reach it.
#include <deque>
#include <functional>

#include "platform/win/Backend.h"

namespace win {

class HeadlessBackend final : public Backend {
 public:
  enum class Clock { Virtual, Real };
  struct Options {
    gfx::TSize screen{1280, 1024};
    int dpi = 96;
    Clock clock = Clock::Virtual;
  };

  HeadlessBackend();
  explicit HeadlessBackend(Options options);

  gfx::TSize ScreenSize() const override { return options_.screen; }
  int Dpi() const override { return options_.dpi; }
  // The whole screen is the window system's composed screen: layered windows show as
  // composed, wherever they lie.
  bool PerPixelAlphaWindows() const override { return true; }
  std::uint64_t Now() override;
  bool PollEvent(InputEvent& out) override;
  // Virtual clock: jumps to the deadline. Without a deadline and without input the loop
  // would wait forever: `onStarved` may feed input (returning true); otherwise this throws
  // std::logic_error, because a headless program has nobody else to wait for.
  // `onIdle` comes first, on every wait (timers pending or not): a script driver runs its
  // next step there. True: it fed input or moved the clock, so the wait returns at once.
  void WaitUntil(std::optional<std::uint64_t> deadline) override;
  // With the real clock the wait also ends when a descriptor is readable; with the
  // virtual clock descriptors do not count (time moves only as the test says).
  void WaitUntilReadable(std::optional<std::uint64_t> deadline, std::span<const int> fds) override;
  void Present(const gfx::PixelView& screen, const std::vector<gfx::TRect>& damaged) override;
  void CursorChanged(int id) override { cursor_ = id; }

  void Push(const InputEvent& e) { events_.push_back(e); }
  bool HasPendingInput() const { return !events_.empty(); }
  // Moves the virtual clock forward (no effect on a real clock).
  void Advance(std::uint64_t ms) { now_ += ms; }
  std::function<bool()> onStarved;
  std::function<bool(std::optional<std::uint64_t> deadline)> onIdle;

  // The presented screen: every rectangle the compositor presented is copied here.
  const gfx::PixelBuffer& Screen() const { return screen_; }
  int PresentCount() const { return presents_; }
  const std::vector<gfx::TRect>& LastPresented() const { return lastDamage_; }
  int Cursor() const { return cursor_; }

 private:
  Options options_;
  std::deque<InputEvent> events_;
  std::uint64_t now_ = 1000;
  std::uint64_t realStart_ = 0;
  gfx::PixelBuffer screen_;
  std::vector<gfx::TRect> lastDamage_;
  int presents_ = 0;
  int cursor_ = 32512;
};

}  // namespace win
