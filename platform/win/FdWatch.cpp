// Watched file descriptors: the message loop looks at them when it takes messages and
// while it waits, and posts each owner a message when its descriptor is readable. This
// is how data from outside (a local socket) reaches the user-interface thread without a
// thread of its own.
#include <poll.h>

#include <algorithm>
#include <vector>

#include "platform/win/Backend.h"
#include "platform/win/Internal.h"
#include "platform/win/MessageApi.h"

namespace win {
namespace detail {

namespace {

struct FdWatch {
  UINT_PTR id;
  int fd;
  HWND hwnd;
  UINT msg;
};

std::vector<FdWatch>& Watches() {
  static std::vector<FdWatch> watches;
  return watches;
}

UINT_PTR g_nextWatch = 1;

}  // namespace

std::vector<int> WatchedFds() {
  std::vector<int> fds;
  for (const FdWatch& w : Watches()) fds.push_back(w.fd);
  return fds;
}

void PollWatchedFds() {
  std::vector<FdWatch>& watches = Watches();
  if (watches.empty()) return;
  std::vector<pollfd> fds;
  for (const FdWatch& w : watches) fds.push_back({w.fd, POLLIN, 0});
  if (poll(fds.data(), fds.size(), 0) <= 0) return;
  State& s = S();
  for (std::size_t i = 0; i < fds.size(); ++i) {
    if ((fds[i].revents & (POLLIN | POLLHUP | POLLERR)) == 0) continue;
    const FdWatch& w = watches[i];
    const bool pending = std::any_of(s.posted.begin(), s.posted.end(), [&](const MSG& m) {
      return m.hwnd == w.hwnd && m.message == w.msg && m.wParam == static_cast<WPARAM>(w.fd);
    });
    if (!pending) PostMessage(w.hwnd, w.msg, static_cast<WPARAM>(w.fd), 0);
  }
}

}  // namespace detail

UINT_PTR WatchReadable(int fd, HWND hwnd, UINT msg) {
  std::vector<detail::FdWatch>& watches = detail::Watches();
  if (fd < 0 || std::any_of(watches.begin(), watches.end(), [fd](const detail::FdWatch& w) { return w.fd == fd; }))
    return 0;
  const UINT_PTR id = detail::g_nextWatch++;
  watches.push_back({id, fd, hwnd, msg});
  return id;
}

void UnwatchReadable(UINT_PTR id) {
  std::vector<detail::FdWatch>& watches = detail::Watches();
  watches.erase(std::remove_if(watches.begin(), watches.end(), [id](const detail::FdWatch& w) { return w.id == id; }),
                watches.end());
}

void Backend::WaitUntilReadable(std::optional<std::uint64_t> deadline, std::span<const int> fds) {
  constexpr std::uint64_t kStepMs = 50;
  std::vector<pollfd> polled;
  for (int fd : fds) polled.push_back({fd, POLLIN, 0});
  for (;;) {
    const std::uint64_t now = Now();
    if (deadline && *deadline <= now) return;
    const std::uint64_t stepEnd = deadline ? std::min(*deadline, now + kStepMs) : now + kStepMs;
    WaitUntil(stepEnd);
    // Returning before the step's end means input arrived.
    if (Now() < stepEnd) return;
    if (poll(polled.data(), polled.size(), 0) > 0) return;
  }
}

}  // namespace win
