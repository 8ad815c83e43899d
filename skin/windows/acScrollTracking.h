#pragma once
// The mouse behaviour of skinned scroll bars: hover (polled every 20 ms while the pointer
// is over a bar), presses on arrows and page areas that repeat (at once, after 300 ms,
// then every 55 ms while the pointer stays on the part), the thumb drag with
// SB_THUMBTRACK / SB_THUMBPOSITION, the Shift+click jump, the release with SB_ENDSCROLL,
// and the sending of the requests between scBeforeScroll and scAfterScroll. One bar of
// the program is tracked at a time: the state is one for the user-interface thread.
#include "platform/forms/Messages.h"
#include "platform/win/Types.h"

namespace skin {

class TacScrollWnd;
struct TacScrollBar;

// The part a bar shows pressed now (the pressed part while the pointer is on it), -1.
int ShownPressedPart(win::HWND wnd, int barType);
// The part under the pointer of the hot bar, -1.
int HotPartOf(win::HWND wnd, int barType);
// The thumb of this bar is being dragged.
bool DragRunning(win::HWND wnd, int barType);

// The message handlers; each returns true when it consumed the message.
bool ScrollNCMouseMove(TacScrollWnd& w, const forms::TMessage& m);
bool ScrollNCLButtonDown(TacScrollWnd& w, const forms::TMessage& m);
bool ScrollMouseMove(TacScrollWnd& w, const forms::TMessage& m);
// The release of a pressed part; the caller runs the default handling after it.
void ScrollLButtonUp(TacScrollWnd& w);
bool ScrollTimer(TacScrollWnd& w, const forms::TMessage& m);
// Another window took the capture while a part was pressed: the press ends.
void ScrollCaptureLost(TacScrollWnd& w);
// The adapter of wnd goes: whatever the tracking state holds of it is dropped.
void ForgetScrollTracking(win::HWND wnd);

// Sends one request of a bar: scBeforeScroll, the scroll message with the code and the
// position (its low 16 bits in WParam; the full one as the bar's track position for
// thumb requests), scAfterScroll.
void SendScrollNotification(TacScrollWnd& w, TacScrollBar& sb, int code, int pos);

}  // namespace skin
