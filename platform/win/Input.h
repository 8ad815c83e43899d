#pragma once
// Internal: turning raw backend input into window messages.
#include "platform/win/Backend.h"
#include "platform/win/Types.h"

namespace win::detail {

// Routes one raw event: mouse events are hit-tested (WM_NCHITTEST down the window tree),
// may activate (WM_MOUSEACTIVATE), set the cursor (WM_SETCURSOR), end mouse tracking and
// become double clicks; key events go to the focus window. Results join the input queue.
// A running input mode (InputMode.h) sees the event first.
void ConvertInput(const InputEvent& e);
void NoteMouseState(const InputEvent& e);  // pointer position and button state
bool NoteKeyState(const InputEvent& e);    // key state; returns whether the key was down
void ConvertMouse(const InputEvent& e);
void ConvertKey(const InputEvent& e, bool wasDown);
// Requests about one window from the desktop: close, activate, moved, system menu.
void ConvertWindowRequest(const InputEvent& e);
// The character TranslateMessage makes of a key-down message, 0 for none.
char16_t CharacterForKey(const MSG* msg);
// Posts WM_MOUSEHOVER / WM_NCMOUSEHOVER whose time has come.
void CheckHover(std::uint64_t now);

// Key messages carry, above the platform's 32 bits of lParam, the character the backend
// typed with the key (bits 32..47) and a flag that the key makes no character of its own
// because its text comes as separate character input (bit 48).
constexpr int kCharShift = 32;
constexpr LPARAM kNoTranslate = LPARAM(1) << 48;

}  // namespace win::detail
