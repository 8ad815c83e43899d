// The message queue of the user-interface thread: sending, posting, retrieval in the
// platform's order (posted, quit, input, paint, timer), translation and dispatch. The
// loop sleeps in the backend until the next timer or input; it never spins.
#include <algorithm>
#include <limits>

#include "platform/win/Compositor.h"
#include "platform/win/Input.h"
#include "platform/win/Internal.h"
#include "platform/win/Keys.h"
#include "platform/win/Messages.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Positions.h"
#include "platform/win/WindowApi.h"

namespace win {
namespace detail {

LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = W(hwnd);
  if (!w || !w->proc) return 0;
  return w->proc(hwnd, msg, wParam, lParam);
}

namespace {

// The window filter of GetMessage / PeekMessage that takes only thread messages (posted
// with no window), as on the platform.
const HWND kThreadMessagesOnly = reinterpret_cast<HWND>(-1);

bool Matches(const MSG& m, HWND filter, UINT lo, UINT hi) {
  if (lo || hi) {
    if (m.message < lo || m.message > hi) return false;
  }
  if (!filter) return true;
  if (filter == kThreadMessagesOnly) return m.hwnd == nullptr;
  return m.hwnd == filter || IsChild(filter, m.hwnd);
}

MSG Stamp(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
  MSG m{hwnd, message, wp, lp, static_cast<DWORD>(Now()), S().cursorPos};
  return m;
}

// The first window, in painting order (top-level windows front to back, each window
// before its children), that owes a WM_PAINT.
Window* FindPaintTarget(Window* w, HWND filter) {
  for (Window* c : w->children) {
    if (!c->Visible()) continue;
    if (NeedsPaint(c) && (!filter || c->handle == filter || IsChild(filter, c->handle))) return c;
    if (Window* d = FindPaintTarget(c, filter)) return d;
  }
  return nullptr;
}

bool TakeInput(MSG* out, HWND filter, UINT lo, UINT hi, bool remove) {
  State& s = S();
  for (;;) {
    for (auto it = s.input.begin(); it != s.input.end(); ++it) {
      if (!Matches(*it, filter, lo, hi)) continue;
      *out = *it;
      if (remove) s.input.erase(it);
      return true;
    }
    InputEvent e;
    if (!s.backend->PollEvent(e)) return false;
    ConvertInput(e);
  }
}

bool TakeTimer(MSG* out, HWND filter, UINT lo, UINT hi, bool remove, std::uint64_t now) {
  State& s = S();
  if ((lo || hi) && (WM_TIMER < lo || WM_TIMER > hi)) return false;
  Timer* best = nullptr;
  for (Timer& t : s.timers) {
    if (t.due > now) continue;
    if (filter && t.hwnd != filter && !IsChild(filter, t.hwnd)) continue;
    if (!best || t.due < best->due || (t.due == best->due && t.order < best->order)) best = &t;
  }
  if (!best) return false;
  *out = Stamp(best->hwnd, WM_TIMER, best->id, reinterpret_cast<LPARAM>(best->proc));
  if (remove) best->due = now + best->elapse;
  return true;
}

}  // namespace

namespace {

bool TakePosted(MSG* out, HWND filter, UINT lo, UINT hi, bool remove) {
  State& s = S();
  for (auto it = s.posted.begin(); it != s.posted.end(); ++it) {
    if (!Matches(*it, filter, lo, hi)) continue;
    *out = *it;
    if (remove) s.posted.erase(it);
    return true;
  }
  return false;
}

}  // namespace

bool PeekAny(MSG* out, HWND filter, UINT lo, UINT hi, bool remove, std::uint64_t now) {
  State& s = S();
  PollWatchedFds();
  if (TakePosted(out, filter, lo, hi, remove)) return true;
  if (s.quitPosted) {
    *out = Stamp(nullptr, WM_QUIT, static_cast<WPARAM>(s.quitCode), 0);
    if (remove) s.quitPosted = false;
    return true;
  }
  CheckHover(now);
  if (TakePosted(out, filter, lo, hi, remove)) return true;  // hover messages just posted
  if (TakeInput(out, filter, lo, hi, remove)) return true;
  if (TakePosted(out, filter, lo, hi, remove)) return true;  // converting input may post
  if (!(lo || hi) || (WM_PAINT >= lo && WM_PAINT <= hi)) {
    if (Window* w = FindPaintTarget(s.desktop.get(), filter == kThreadMessagesOnly ? nullptr : filter)) {
      *out = Stamp(w->handle, WM_PAINT, 0, 0);
      return true;
    }
  }
  return TakeTimer(out, filter, lo, hi, remove, now);
}

void WaitForMessages() {
  const std::vector<int> fds = WatchedFds();
  if (fds.empty()) S().backend->WaitUntil(NextDeadline());
  else S().backend->WaitUntilReadable(NextDeadline(), fds);
}

std::optional<std::uint64_t> NextDeadline() {
  State& s = S();
  std::optional<std::uint64_t> d;
  for (const Timer& t : s.timers)
    if (!d || t.due < *d) d = t.due;
  for (const LeaveTracking& t : s.tracking)
    if (t.hover && (!d || t.hoverDue < *d)) d = t.hoverDue;
  return d;
}

}  // namespace detail

using namespace detail;

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hwnd == HWND_BROADCAST) {
    std::vector<HWND> tops;
    for (Window* t : S().desktop->children) tops.push_back(t->handle);
    for (HWND h : tops) Send(h, msg, wParam, lParam);
    return 0;
  }
  return Send(hwnd, msg, wParam, lParam);
}

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  State& s = S();
  if (hwnd == HWND_BROADCAST) {
    for (Window* t : s.desktop->children)
      s.posted.push_back(MSG{t->handle, msg, wParam, lParam, static_cast<DWORD>(Now()), s.cursorPos});
    return TRUE;
  }
  if (hwnd && !W(hwnd)) return FALSE;
  s.posted.push_back(MSG{hwnd, msg, wParam, lParam, static_cast<DWORD>(Now()), s.cursorPos});
  return TRUE;
}

void PostQuitMessage(int exitCode) {
  State& s = S();
  s.quitPosted = true;
  s.quitCode = exitCode;
}

BOOL PeekMessage(MSG* msg, HWND hwnd, UINT lo, UINT hi, UINT removeFlags) {
  MSG m;
  if (!PeekAny(&m, hwnd, lo, hi, (removeFlags & PM_REMOVE) != 0, Now())) {
    S().compositor->Present();
    return FALSE;
  }
  if (removeFlags & PM_REMOVE) S().current = m;
  if (msg) *msg = m;
  return TRUE;
}

BOOL WaitMessage() {
  State& s = S();
  MSG m;
  while (!PeekAny(&m, nullptr, 0, 0, false, Now())) {
    s.compositor->Present();
    WaitForMessages();
  }
  return TRUE;
}

BOOL GetMessage(MSG* msg, HWND hwnd, UINT lo, UINT hi) {
  State& s = S();
  MSG m;
  while (!PeekAny(&m, hwnd, lo, hi, true, Now())) {
    s.compositor->Present();
    WaitForMessages();
  }
  s.current = m;
  if (msg) *msg = m;
  return m.message == WM_QUIT ? FALSE : TRUE;
}

BOOL TranslateMessage(const MSG* msg) {
  if (!msg) return FALSE;
  if (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN) return FALSE;
  char16_t ch = CharacterForKey(msg);
  if (!ch) return FALSE;
  S().posted.push_front(MSG{msg->hwnd, msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR, ch, msg->lParam & 0xFFFFFFFF,
                            msg->time, msg->pt});
  return TRUE;
}

LRESULT DispatchMessage(const MSG* msg) {
  if (!msg) return 0;
  if (msg->message == WM_TIMER && msg->lParam) {
    // A callback timer runs only while it still exists.
    for (const Timer& t : S().timers)
      if (t.hwnd == msg->hwnd && t.id == msg->wParam) {
        reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
        return 0;
      }
    return 0;
  }
  if (!msg->hwnd) return 0;
  if (msg->message == WM_PAINT) {
    SendPaint(msg->hwnd);
    return 0;
  }
  return Send(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

DWORD GetMessageTime() { return S().current.time; }
POINT GetMessagePos() { return S().current.pt; }

int RunMessageLoop() {
  MSG m;
  while (GetMessage(&m, nullptr, 0, 0)) {
    TranslateMessage(&m);
    DispatchMessage(&m);
  }
  return static_cast<int>(m.wParam);
}

void RunUntilIdle() {
  State& s = S();
  // Timers count as due only up to the moment the run started, so a short repeating
  // timer cannot keep the run going on a real clock.
  std::uint64_t now = Now();
  MSG m;
  while (PeekAny(&m, nullptr, 0, 0, true, now)) {
    if (m.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(m.wParam));
      break;
    }
    s.current = m;
    TranslateMessage(&m);
    DispatchMessage(&m);
  }
  s.compositor->Present();
}

}  // namespace win
