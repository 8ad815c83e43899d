#pragma once
// The screen the window system shows its windows on. A backend opens a screen, reports
// its size and density, keeps the clock, delivers raw input and presents the rectangles
// of the composed screen that changed. The window system owns everything above it:
// windows, messages, composition. `headless` keeps the screen in memory; a desktop
// backend maps each top-level window to an OS window.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/gfx/Geometry.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/win/Types.h"

namespace win {

enum class MouseButton : std::uint8_t { Left, Right, Middle };

// One raw input event in screen coordinates. Keys carry virtual key codes; a character
// typed without a key of its own (text input) comes as a Char event.
// A desktop also asks things of one window (`window`): close it (its close command),
// show its system menu at `pt`, activate it (the desktop focused its OS window), or it
// tells that the application lost the focus to another program, that it moved the window
// to `pt`, minimized or restored it, or that the pointer left all of our windows.
struct InputEvent {
  enum class Kind : std::uint8_t {
    MouseMove,
    MouseDown,
    MouseUp,
    Wheel,
    KeyDown,
    KeyUp,
    Char,
    Close,
    SystemMenu,
    Activate,
    Deactivate,
    Moved,
    Minimize,
    Restore,
    MouseLeave
  };
  Kind kind = Kind::MouseMove;
  HWND window = nullptr;                   // the window requests
  gfx::TPoint pt;                          // mouse events
  MouseButton button = MouseButton::Left;  // MouseDown, MouseUp
  int wheelDelta = 0;                      // Wheel: multiples of 120, positive away from the user
  int vk = 0;                              // KeyDown, KeyUp
  char16_t ch = 0;                         // Char; KeyDown of a printable key may carry it too

  static InputEvent MouseMove(gfx::TPoint pt) { return Mouse(Kind::MouseMove, pt, MouseButton::Left); }
  static InputEvent MouseDown(gfx::TPoint pt, MouseButton b = MouseButton::Left) {
    return Mouse(Kind::MouseDown, pt, b);
  }
  static InputEvent MouseUp(gfx::TPoint pt, MouseButton b = MouseButton::Left) { return Mouse(Kind::MouseUp, pt, b); }
  static InputEvent Wheel(gfx::TPoint pt, int delta) {
    InputEvent e = Mouse(Kind::Wheel, pt, MouseButton::Left);
    e.wheelDelta = delta;
    return e;
  }
  static InputEvent KeyDown(int vk, char16_t ch = 0) { return Key(Kind::KeyDown, vk, ch); }
  static InputEvent KeyUp(int vk) { return Key(Kind::KeyUp, vk, 0); }
  static InputEvent Char(char16_t ch) { return Key(Kind::Char, 0, ch); }
  // A desktop's request about one window (Close, SystemMenu at pt, Activate, Moved to pt...).
  static InputEvent Request(Kind k, HWND window, gfx::TPoint pt = {}) {
    InputEvent e;
    e.kind = k;
    e.window = window;
    e.pt = pt;
    return e;
  }

 private:
  static InputEvent Mouse(Kind k, gfx::TPoint pt, MouseButton b) {
    InputEvent e;
    e.kind = k;
    e.pt = pt;
    e.button = b;
    return e;
  }
  static InputEvent Key(Kind k, int vk, char16_t ch) {
    InputEvent e;
    e.kind = k;
    e.vk = vk;
    e.ch = ch;
    return e;
  }
};

class Backend {
 public:
  virtual ~Backend() = default;

  virtual gfx::TSize ScreenSize() const = 0;
  virtual int Dpi() const = 0;
  // Whether the screen is composed by a desktop compositor of its own.
  virtual bool Composited() const { return false; }
  // Whether a top-level layered window with per-pixel alpha is seen as it is meant to be
  // (its translucent pixels over whatever lies below it, also beyond our other windows).
  // The window system composes such windows into its own screen; a desktop backend can
  // show that only through OS windows with an alpha channel, so the default is no.
  virtual bool PerPixelAlphaWindows() const { return false; }

  // Monotonic clock in milliseconds.
  virtual std::uint64_t Now() = 0;
  // Takes the next raw input event, if any, without waiting.
  virtual bool PollEvent(InputEvent& out) = 0;
  // Sleeps until input is available or the deadline (a Now() value) passes; no deadline
  // waits for input only. Returns at once when input is already pending.
  virtual void WaitUntil(std::optional<std::uint64_t> deadline) = 0;
  // The same wait, which also ends when one of the file descriptors is readable (the
  // window system's watched descriptors; never empty). This default waits in steps of
  // 50 ms and looks at the descriptors between them; a backend that can wait on them
  // directly does better.
  virtual void WaitUntilReadable(std::optional<std::uint64_t> deadline, std::span<const int> fds);

  // The composed screen changed in `damaged` (screen coordinates, clipped to the screen).
  virtual void Present(const gfx::PixelView& screen, const std::vector<gfx::TRect>& damaged) = 0;

  // A top-level window appeared, moved, resized or disappeared (desktop backends create,
  // move and destroy their OS windows here). `rect` is in screen coordinates.
  virtual void TopLevelChanged(HWND, const gfx::TRect& rect, bool visible) {
    (void)rect;
    (void)visible;
  }
  virtual void TopLevelDestroyed(HWND) {}
  // The window system activated this top-level window (desktops raise and focus it).
  virtual void TopLevelActivated(HWND) {}
  // The pointer shape the window system chose (an IDC_ value), and whether it shows.
  virtual void CursorChanged(int cursorId) { (void)cursorId; }
  virtual void CursorVisible(bool shown) { (void)shown; }

  // The clipboard's text: UTF-16 with CR LF line breaks. Without a desktop clipboard the
  // backend keeps it in memory. Text is nullopt when the clipboard holds none.
  virtual void SetClipboardText(std::optional<std::u16string> text) { clipboard_ = std::move(text); }
  virtual std::optional<std::u16string> ClipboardText() { return clipboard_; }

 private:
  std::optional<std::u16string> clipboard_;
};

}  // namespace win
