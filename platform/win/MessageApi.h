#pragma once
// Messages of the user-interface thread: synchronous send, the posted queue, retrieval,
// translation and dispatch, quitting, and the per-thread CBT hook.
#include "platform/win/Types.h"

namespace win {

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);

// Retrieval order: posted messages, quit, input, WM_PAINT, WM_TIMER. GetMessage sleeps
// until a message is available (the next timer bounds the sleep) and returns 0 for
// WM_QUIT. `hwnd` and the range filter as on the platform (0, 0: everything).
BOOL GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax);
BOOL PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags);
BOOL WaitMessage();
// Posts WM_CHAR / WM_SYSCHAR for key messages that produce a character.
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessage(const MSG* msg);
DWORD GetMessageTime();
POINT GetMessagePos();
// Runs the loop until WM_QUIT; returns its exit code.
int RunMessageLoop();

// Processes every message that is ready now (posted, input, paints, due timers) and
// presents the composed screen; returns when nothing is left. Never waits.
void RunUntilIdle();

// Timers on the monotonic clock: WM_TIMER to the window (or the callback). SetTimer with
// an existing id on the same window restarts it. A null window gets a fresh id.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);
constexpr UINT USER_TIMER_MINIMUM = 10;

// Watches a file descriptor from the message loop: whenever it is readable, `msg` is
// posted to `hwnd` with WParam = fd (once until that message has been taken), and a loop
// waiting for messages wakes up for it. The owner reads the descriptor when the message
// comes. Returns 0 when fd is negative or already watched.
UINT_PTR WatchReadable(int fd, HWND hwnd, UINT msg);
void UnwatchReadable(UINT_PTR id);

// Hooks: WH_CBT for the current thread. The newest hook runs first and passes on with
// CallNextHookEx; a nonzero answer vetoes creation, destruction, activation or focus.
constexpr int WH_CBT = 5;
constexpr int HCBT_MOVESIZE = 0;
constexpr int HCBT_MINMAX = 1;
constexpr int HCBT_CREATEWND = 3;
constexpr int HCBT_DESTROYWND = 4;
constexpr int HCBT_ACTIVATE = 5;
constexpr int HCBT_SYSCOMMAND = 8;
constexpr int HCBT_SETFOCUS = 9;
HHOOK SetWindowsHookEx(int type, HOOKPROC proc, HINSTANCE instance, DWORD threadId);
BOOL UnhookWindowsHookEx(HHOOK hook);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
DWORD GetCurrentThreadId();

// Modal loops: disables the owner chain of `window`, shows and activates it, and runs
// messages until EndModalLoop(window) or WM_QUIT (which is posted again); then enables
// the owners, reactivates the owner and returns the result given to EndModalLoop.
LRESULT RunModalLoop(HWND window);
void EndModalLoop(HWND window, LRESULT result);
BOOL InModalLoop(HWND window);

}  // namespace win
