// The per-thread CBT hook chain. The newest hook is called first; each decides whether to
// pass the call on with CallNextHookEx. A hook removed while the chain runs is skipped.
#include <algorithm>

#include "platform/win/Internal.h"
#include "platform/win/MessageApi.h"

namespace win {
namespace detail {

namespace {

// Index in the chain of the hook after `from` (the newest first); -1 when none is left.
int NextHook(int type, HHOOK from) {
  auto& hooks = S().hooks;
  int start = static_cast<int>(hooks.size()) - 1;
  if (from) {
    auto it = std::find_if(hooks.begin(), hooks.end(), [from](const Hook& h) { return h.handle == from; });
    if (it == hooks.end()) return -1;
    start = static_cast<int>(it - hooks.begin()) - 1;
  }
  for (int i = start; i >= 0; --i)
    if (hooks[static_cast<std::size_t>(i)].type == type && !hooks[static_cast<std::size_t>(i)].removed) return i;
  return -1;
}

LRESULT CallFrom(int index, int code, WPARAM wParam, LPARAM lParam) {
  if (index < 0) return 0;
  State& s = S();
  HOOKPROC proc = s.hooks[static_cast<std::size_t>(index)].proc;
  ++s.hookCallDepth;
  LRESULT r = proc(code, wParam, lParam);
  --s.hookCallDepth;
  if (s.hookCallDepth == 0)
    s.hooks.erase(std::remove_if(s.hooks.begin(), s.hooks.end(), [](const Hook& h) { return h.removed; }),
                  s.hooks.end());
  return r;
}

}  // namespace

LRESULT CallHooks(int type, int code, WPARAM wParam, LPARAM lParam) {
  return CallFrom(NextHook(type, nullptr), code, wParam, lParam);
}

}  // namespace detail

using namespace detail;

HHOOK SetWindowsHookEx(int type, HOOKPROC proc, HINSTANCE, DWORD threadId) {
  if (type != WH_CBT || !proc || (threadId && threadId != GetCurrentThreadId())) return nullptr;
  State& s = S();
  auto h = reinterpret_cast<HHOOK>(s.nextHook);
  s.nextHook += 0x10;
  s.hooks.push_back({h, type, proc, false});
  return h;
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
  if (!HasState()) return FALSE;
  State& s = S();
  auto it =
      std::find_if(s.hooks.begin(), s.hooks.end(), [hook](const Hook& h) { return h.handle == hook && !h.removed; });
  if (it == s.hooks.end()) return FALSE;
  if (s.hookCallDepth > 0) it->removed = true;
  else s.hooks.erase(it);
  return TRUE;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
  State& s = S();
  auto it = std::find_if(s.hooks.begin(), s.hooks.end(), [hook](const Hook& h) { return h.handle == hook; });
  int type = it != s.hooks.end() ? it->type : WH_CBT;
  return CallFrom(NextHook(type, hook), code, wParam, lParam);
}

DWORD GetCurrentThreadId() { return 1; }

}  // namespace win
