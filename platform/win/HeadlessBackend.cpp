#include "platform/win/HeadlessBackend.h"

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <stdexcept>
#include <thread>

namespace win {

namespace {

std::uint64_t SteadyMs() {
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
          .count());
}

}  // namespace

HeadlessBackend::HeadlessBackend() : HeadlessBackend(Options{}) {}

HeadlessBackend::HeadlessBackend(Options options) : options_(options) {
  screen_.SetSize(options_.screen.cx, options_.screen.cy);
  realStart_ = SteadyMs();
}

std::uint64_t HeadlessBackend::Now() {
  if (options_.clock == Clock::Real) return 1000 + SteadyMs() - realStart_;
  return now_;
}

bool HeadlessBackend::PollEvent(InputEvent& out) {
  if (events_.empty()) return false;
  out = events_.front();
  events_.pop_front();
  return true;
}

void HeadlessBackend::WaitUntil(std::optional<std::uint64_t> deadline) {
  if (!events_.empty()) return;
  if (onIdle && onIdle(deadline)) return;
  if (!deadline) {
    if (onStarved && onStarved()) return;
    throw std::logic_error("headless backend: the message loop waits for input that nobody feeds");
  }
  if (options_.clock == Clock::Virtual) {
    if (*deadline > now_) now_ = *deadline;
    return;
  }
  std::uint64_t now = Now();
  if (*deadline > now) std::this_thread::sleep_for(std::chrono::milliseconds(*deadline - now));
}

void HeadlessBackend::WaitUntilReadable(std::optional<std::uint64_t> deadline, std::span<const int> fds) {
  if (options_.clock == Clock::Virtual || !events_.empty()) {
    WaitUntil(deadline);
    return;
  }
  std::vector<pollfd> polled;
  for (int fd : fds) polled.push_back({fd, POLLIN, 0});
  int timeout = -1;
  if (onIdle && onIdle(deadline)) return;
  if (!deadline && onStarved && onStarved()) return;
  if (deadline) {
    const std::uint64_t now = Now();
    timeout = *deadline > now ? static_cast<int>(std::min<std::uint64_t>(*deadline - now, 1 << 30)) : 0;
  }
  poll(polled.data(), polled.size(), timeout);
}

void HeadlessBackend::Present(const gfx::PixelView& screen, const std::vector<gfx::TRect>& damaged) {
  ++presents_;
  lastDamage_ = damaged;
  for (const auto& r : damaged) {
    gfx::TRect c =
        gfx::Intersect(r, {0, 0, std::min(screen.width, screen_.Width()), std::min(screen.height, screen_.Height())});
    for (int y = c.Top; y < c.Bottom; ++y)
      std::memcpy(screen_.Row32(y) + c.Left, screen.Row32(y) + c.Left, static_cast<std::size_t>(c.Width()) * 4);
  }
}

}  // namespace win
