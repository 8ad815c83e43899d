// Timers on the backend's monotonic clock. A timer is due `elapse` milliseconds after it
// was set or last retrieved; WM_TIMER is made only when the queue has nothing else, and at
// most one per timer is outstanding, as on the platform.
#include <algorithm>

#include "platform/win/Internal.h"
#include "platform/win/MessageApi.h"

namespace win {
namespace detail {

void ForgetTimersFor(HWND hwnd) {
  auto& t = S().timers;
  t.erase(std::remove_if(t.begin(), t.end(), [hwnd](const Timer& x) { return x.hwnd == hwnd; }), t.end());
}

}  // namespace detail

using namespace detail;

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc) {
  State& s = S();
  if (hwnd && !W(hwnd)) return 0;
  elapseMs = std::clamp<UINT>(elapseMs, USER_TIMER_MINIMUM, 0x7FFFFFFF);
  if (!hwnd) {
    // Thread timers: a fresh id unless an existing one is named.
    bool exists = std::any_of(s.timers.begin(), s.timers.end(), [id](const Timer& t) { return !t.hwnd && t.id == id; });
    if (!exists) id = s.nextThreadTimerId++;
  }
  for (Timer& t : s.timers)
    if (t.hwnd == hwnd && t.id == id) {
      t.elapse = elapseMs;
      t.proc = proc;
      t.due = Now() + elapseMs;
      return hwnd ? 1 : id;
    }
  s.timers.push_back(Timer{hwnd, id, elapseMs, proc, Now() + elapseMs, s.timerOrder++});
  return hwnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
  auto& t = S().timers;
  auto it = std::find_if(t.begin(), t.end(), [&](const Timer& x) { return x.hwnd == hwnd && x.id == id; });
  if (it == t.end()) return FALSE;
  t.erase(it);
  return TRUE;
}

}  // namespace win
