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

std::vector<int> WatchedFds() {
  std::vector<int> fds;
  for (const FdWatch& w : S().watches) fds.push_back(w.fd);
  return fds;
}

void PollWatchedFds() {
  std::vector<FdWatch>& watches = S().watches;
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
  std::vector<detail::FdWatch>& watches = detail::S().watches;
  if (fd < 0 || std::any_of(watches.begin(), watches.end(), [fd](const detail::FdWatch& w) { return w.fd == fd; }))
    return 0;
  // Ids are never given twice in a process, not even after a restart of the window
  // system, so that an owner's stale id cannot remove a watch made since.
  static UINT_PTR nextId = 1;
  const UINT_PTR id = nextId++;
  watches.push_back({id, fd, hwnd, msg});
  return id;
}

void UnwatchReadable(UINT_PTR id) {
  // After Shutdown the watches are gone with the rest of the state.
  if (!detail::HasState()) return;
  std::vector<detail::FdWatch>& watches = detail::S().watches;
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
