#pragma once
// Internal: the state of the one user-interface thread's window system: the window table,
// classes, queue, timers, hooks, focus, capture, input tracking, backend and compositor.
// Every window system file reaches it through S().
#include <array>
#include <deque>
#include <memory>
#include <vector>

#include "platform/win/Backend.h"
#include "platform/win/WindowTable.h"

namespace win::detail {

class Compositor;
class InputMode;
struct IconObject;
struct Menu;
template <class T>
class HandleMap;

// A window surface handed out by GetDC, GetWindowDC or BeginPaint until it is released.
struct DcRecord {
  std::unique_ptr<gfx::Surface> surface;
  HWND hwnd = nullptr;
  bool windowDC = false;
  gfx::TRect screenBounds;  // what it may have drawn, for the compositor
};

struct Timer {
  HWND hwnd = nullptr;
  UINT_PTR id = 0;
  UINT elapse = 0;
  TIMERPROC proc = nullptr;
  std::uint64_t due = 0;
  std::uint64_t order = 0;  // creation order, breaks ties between equal due times
};

struct Hook {
  HHOOK handle = nullptr;
  int type = 0;
  HOOKPROC proc = nullptr;
  bool removed = false;
};

struct LeaveTracking {
  HWND hwnd = nullptr;
  bool client = false;     // TME_LEAVE over the client area
  bool nonClient = false;  // TME_LEAVE | TME_NONCLIENT over the frame
  bool hover = false;      // TME_HOVER armed
  bool hoverNonClient = false;
  DWORD hoverTime = 0;
  std::uint64_t hoverDue = 0;
  gfx::TPoint hoverStart;
};

struct ClickRecord {
  HWND hwnd = nullptr;
  UINT downMessage = 0;
  std::uint64_t time = 0;
  gfx::TPoint pt;  // screen
  int hit = 0;
  bool valid = false;
};

struct CaretState {
  HWND owner = nullptr;
  gfx::TSize size;
  gfx::TPoint pos;      // client coordinates
  int hidden = 1;       // ShowCaret / HideCaret nesting; shown at 0
  bool drawn = false;   // its rectangle is inverted now
  bool blinkOn = true;  // the blink phase
  UINT_PTR timer = 0;
};

struct ModalFrame {
  HWND window = nullptr;
  bool ended = false;
  LRESULT result = 0;
};

// A title button of a window (its hit code), or none.
struct CaptionPress {
  HWND hwnd = nullptr;
  int hit = 0;
};

// A file descriptor the message loop watches for its owner (FdWatch.cpp).
struct FdWatch {
  UINT_PTR id = 0;
  int fd = -1;
  HWND hwnd = nullptr;
  UINT msg = 0;
};

struct ClipboardState {
  bool open = false;
  HWND openedBy = nullptr;
  HWND owner = nullptr;
  bool emptied = false;  // EmptyClipboard ran since it was opened
};

struct State {
  State();
  ~State();

  WindowTable table;
  std::vector<std::unique_ptr<WindowClass>> classes;
  ATOM nextAtom = 0xC000;
  std::unique_ptr<Window> desktop;
  std::unique_ptr<Window> messageRoot;  // parent of message-only windows (HWND_MESSAGE)

  std::deque<MSG> posted;
  std::deque<MSG> input;  // raw input already turned into messages, not yet retrieved
  bool quitPosted = false;
  int quitCode = 0;
  MSG current;  // the message last retrieved (GetMessageTime, GetMessagePos)

  std::vector<Timer> timers;
  std::uint64_t timerOrder = 0;
  UINT_PTR nextThreadTimerId = 0x7FFF0000;

  std::vector<Hook> hooks;
  std::uintptr_t nextHook = 0x100;
  int hookCallDepth = 0;

  HWND focus = nullptr;
  HWND active = nullptr;
  HWND capture = nullptr;
  bool appActive = false;

  std::array<BYTE, 256> keys{};  // bit 0x80: down, bit 0x01: toggled
  gfx::TPoint cursorPos;
  int cursorId = 32512;  // IDC_ARROW
  int cursorShowCount = 0;
  HWND mouseWindow = nullptr;  // window under the pointer at the last mouse message
  int mouseHit = 0;
  std::vector<LeaveTracking> tracking;
  ClickRecord lastClick;

  std::vector<ModalFrame> modal;
  std::vector<std::shared_ptr<InputMode>> modes;  // running input modes, newest last
  CaptionPress captionPress;                      // drawn pressed: held down with the pointer over it
  CaptionPress captionHeld;                       // a press runs for it, wherever the pointer is
  CaptionPress captionHot;                        // under the pointer
  std::unique_ptr<HandleMap<Menu>> menus;
  std::unique_ptr<HandleMap<IconObject>> icons;
  HICON appIcon = nullptr;
  ClipboardState clipboard;
  CaretState caret;
  std::vector<DcRecord> dcs;

  UINT doubleClickTime = 500;
  std::vector<FdWatch> watches;  // FdWatch.cpp
  int batchDepth = 0;            // open headless::Batch scopes

  std::unique_ptr<Backend> backend;
  std::unique_ptr<Compositor> compositor;
};

State& S();
bool HasState();
void DestroyState();

// Window of a handle, or null (also for the desktop's special handles).
Window* W(HWND h);
std::uint64_t Now();

}  // namespace win::detail
