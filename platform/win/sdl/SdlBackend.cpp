// The SDL backend. Our windows are the truth: the OS windows follow them (place, size,
// title, visibility), show the composed screen's pixels for their rectangles, and pass
// the OS input and desktop requests back as raw events.
#include "platform/win/sdl/SdlBackend.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <deque>
#include <unordered_map>
#include <utility>

#include "platform/base/Unicode.h"
#include "platform/win/InputMode.h"
#include "platform/win/Internal.h"
#include "platform/win/InputApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "platform/win/sdl/SdlKeys.h"
#include "platform/win/sdl/SdlX11Errors.h"
#include "platform/win/sdl/SdlX11Pointer.h"
#include "platform/win/sdl/SdlX11Shape.h"

namespace win {

namespace {

using detail::W;

struct OsWindow {
  SDL_Window* window = nullptr;
  gfx::TRect rect;  // where we last put it
  bool shown = false;
  bool minimized = false;
  std::string title;
  std::uint64_t movedAt = 0;         // when we last moved it
  gfx::TPoint osPos;                 // where the OS says it is, in the order of its events
  std::optional<gfx::Region> shape;  // the window region it was last given
};

class SdlBackend final : public Backend {
 public:
  SdlBackend() : x11Pointer_(sdl::WatchX11PointerEvents()) {}

  ~SdlBackend() override {
    for (auto& [h, os] : windows_) SDL_DestroyWindow(os.window);
    for (SDL_Cursor* c : cursors_)
      if (c) SDL_FreeCursor(c);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  gfx::TSize ScreenSize() const override {
    int right = 0, bottom = 0;
    for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
      SDL_Rect r;
      if (SDL_GetDisplayBounds(i, &r) == 0) {
        right = std::max(right, r.x + r.w);
        bottom = std::max(bottom, r.y + r.h);
      }
    }
    return right > 0 && bottom > 0 ? gfx::TSize{right, bottom} : gfx::TSize{1280, 1024};
  }

  int Dpi() const override {
    float d = 0;
    if (SDL_GetDisplayDPI(0, &d, nullptr, nullptr) != 0 || !(d >= 48 && d <= 480)) return 96;
    return static_cast<int>(std::lround(d));
  }

  std::uint64_t Now() override { return 1000 + SDL_GetTicks64(); }

  bool PollEvent(InputEvent& out) override {
    SDL_Event ev;
    while (pending_.empty() && SDL_PollEvent(&ev)) Translate(ev);
    if (pending_.empty()) return false;
    out = pending_.front();
    pending_.pop_front();
    return true;
  }

  void WaitUntil(std::optional<std::uint64_t> deadline) override {
    if (!pending_.empty()) return;
    if (!deadline) {
      SDL_WaitEvent(nullptr);
      return;
    }
    std::uint64_t now = Now();
    if (*deadline <= now) return;
    SDL_WaitEventTimeout(nullptr, static_cast<int>(std::min<std::uint64_t>(*deadline - now, 1 << 30)));
  }

  void Present(const gfx::PixelView& screen, const std::vector<gfx::TRect>& damaged) override {
    screen_ = screen;
    for (auto& [h, os] : windows_) {
      if (!os.shown) continue;
      std::vector<gfx::TRect> parts;
      for (const gfx::TRect& d : damaged) {
        gfx::TRect p = gfx::Intersect(d, os.rect);
        if (!p.IsEmpty()) parts.push_back(p);
      }
      Blit(os, parts);
    }
  }

  void TopLevelChanged(HWND hwnd, const gfx::TRect& rect, bool visible) override {
    detail::Window* w = W(hwnd);
    if (!w) return;
    bool minimized = (w->style & WS_MINIMIZE) != 0;
    // Layered windows are composed into the windows beneath them.
    bool wanted = visible && !(w->exStyle & WS_EX_LAYERED) && !rect.IsEmpty();
    auto it = windows_.find(hwnd);
    if (it == windows_.end()) {
      if (!wanted || minimized) return;
      it = windows_.emplace(hwnd, Create(w, rect)).first;
      if (!it->second.window) {
        windows_.erase(it);
        return;
      }
      byId_[SDL_GetWindowID(it->second.window)] = hwnd;
    }
    OsWindow& os = it->second;
    std::string title = base::Utf16ToUtf8(w->text);
    if (title != os.title) {
      SDL_SetWindowTitle(os.window, title.c_str());
      os.title = title;
    }
    if (minimized) {
      if (os.shown && !os.minimized) SDL_MinimizeWindow(os.window);
      os.minimized = true;
      return;
    }
    Reshape(os, w->paint.windowRegion);
    bool resized = rect.Width() != os.rect.Width() || rect.Height() != os.rect.Height();
    if (rect.Left != os.rect.Left || rect.Top != os.rect.Top) {
      // SDL reports no move of its own making, so the window counts as there from now.
      SDL_SetWindowPosition(os.window, rect.Left, rect.Top);
      os.movedAt = Now();
      os.osPos = {rect.Left, rect.Top};
    }
    if (resized) SDL_SetWindowSize(os.window, std::max(1, rect.Width()), std::max(1, rect.Height()));
    os.rect = rect;
    if (wanted && (!os.shown || os.minimized)) {
      SDL_ShowWindow(os.window);
      if (os.minimized) SDL_RestoreWindow(os.window);
      os.shown = true;
      os.minimized = false;
      Blit(os, {rect});
    } else if (!wanted && os.shown) {
      SDL_HideWindow(os.window);
      os.shown = false;
    } else if (resized && os.shown) {
      Blit(os, {rect});
    }
  }

  void TopLevelDestroyed(HWND hwnd) override {
    auto it = windows_.find(hwnd);
    if (it == windows_.end()) return;
    byId_.erase(SDL_GetWindowID(it->second.window));
    SDL_DestroyWindow(it->second.window);
    windows_.erase(it);
  }

  void TopLevelActivated(HWND hwnd) override {
    auto it = windows_.find(hwnd);
    if (it != windows_.end() && it->second.shown && !it->second.minimized) SDL_RaiseWindow(it->second.window);
  }

  void CursorChanged(int id) override {
    SDL_SystemCursor c = SDL_SYSTEM_CURSOR_ARROW;
    switch (id) {
      case IDC_IBEAM: c = SDL_SYSTEM_CURSOR_IBEAM; break;
      case IDC_WAIT: c = SDL_SYSTEM_CURSOR_WAIT; break;
      case IDC_CROSS: c = SDL_SYSTEM_CURSOR_CROSSHAIR; break;
      case IDC_SIZENWSE: c = SDL_SYSTEM_CURSOR_SIZENWSE; break;
      case IDC_SIZENESW: c = SDL_SYSTEM_CURSOR_SIZENESW; break;
      case IDC_SIZEWE: c = SDL_SYSTEM_CURSOR_SIZEWE; break;
      case IDC_SIZENS: c = SDL_SYSTEM_CURSOR_SIZENS; break;
      case IDC_SIZEALL: c = SDL_SYSTEM_CURSOR_SIZEALL; break;
      case IDC_NO: c = SDL_SYSTEM_CURSOR_NO; break;
      case IDC_HAND: c = SDL_SYSTEM_CURSOR_HAND; break;
      case IDC_APPSTARTING: c = SDL_SYSTEM_CURSOR_WAITARROW; break;
      default: break;
    }
    SDL_Cursor*& cursor = cursors_[c];
    if (!cursor) cursor = SDL_CreateSystemCursor(c);
    if (cursor) SDL_SetCursor(cursor);
  }

  void CursorVisible(bool shown) override { SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE); }

  // The desktop clipboard holds LF line breaks; ours CR LF.
  void SetClipboardText(std::optional<std::u16string> text) override {
    std::string utf8;
    if (text) {
      std::u16string t;
      for (std::size_t i = 0; i < text->size(); ++i)
        if (!((*text)[i] == u'\r' && i + 1 < text->size() && (*text)[i + 1] == u'\n')) t += (*text)[i];
      utf8 = base::Utf16ToUtf8(t);
    }
    SDL_SetClipboardText(utf8.c_str());
  }

  std::optional<std::u16string> ClipboardText() override {
    if (!SDL_HasClipboardText()) return std::nullopt;
    char* raw = SDL_GetClipboardText();
    if (!raw) return std::nullopt;
    std::u16string in = base::Utf8ToUtf16(raw);
    SDL_free(raw);
    std::u16string out;
    for (std::size_t i = 0; i < in.size(); ++i) {
      if (in[i] == u'\n' && (i == 0 || in[i - 1] != u'\r')) out += u'\r';
      out += in[i];
    }
    return out;
  }

 private:
  OsWindow Create(detail::Window* w, const gfx::TRect& rect) {
    Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
    bool menu = w->cls && w->cls->atom == MENU_CLASS_ATOM;
    bool tool = (w->exStyle & WS_EX_TOOLWINDOW) != 0;
    // Menus and tool popups (drop-down lists, hints) are not managed by the desktop.
    if (menu || (tool && (w->style & WS_POPUP))) flags |= SDL_WINDOW_POPUP_MENU;
    if (tool || menu) flags |= SDL_WINDOW_SKIP_TASKBAR;
    OsWindow os;
    os.window = SDL_CreateWindow(base::Utf16ToUtf8(w->text).c_str(), rect.Left, rect.Top, std::max(1, rect.Width()),
                                 std::max(1, rect.Height()), flags);
    // The first surface may recreate the OS window (SDL gives it an accelerated one), which
    // would lose what is set on it before: the owner below and the outline.
    if (os.window) SDL_GetWindowSurface(os.window);
    os.rect = rect;
    os.osPos = {rect.Left, rect.Top};
    os.title = base::Utf16ToUtf8(w->text);
    os.movedAt = Now();
    // An owned window stays above its owner on a desktop too.
    if (os.window && w->owner && !(flags & SDL_WINDOW_POPUP_MENU)) {
      auto owner = windows_.find(w->owner->handle);
      if (owner != windows_.end()) SDL_SetWindowModalFor(os.window, owner->second.window);
    }
    return os;
  }

  // Gives the OS window the outline of the window region when that changed. A desktop
  // that cannot shape windows shows them whole, and the log says so once.
  void Reshape(OsWindow& os, const std::optional<gfx::Region>& region) {
    if (region == os.shape) return;
    os.shape = region;
    if (sdl::ShapeWindow(os.window, region ? &*region : nullptr) == sdl::Shaping::Done || !region || shapeReported_)
      return;
    shapeReported_ = true;
    std::fprintf(stderr, "pellomir: this desktop cannot shape windows (%s); window regions show as rectangles\n",
                 SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "no video driver");
  }

  // Copies the composed screen's pixels for the given screen rectangles into the window.
  void Blit(OsWindow& os, const std::vector<gfx::TRect>& parts) {
    if (!screen_.Valid() || parts.empty()) return;
    SDL_Surface* surface = SDL_GetWindowSurface(os.window);
    if (!surface) return;
    std::vector<SDL_Rect> rects;
    bool direct =
        surface->format->format == SDL_PIXELFORMAT_ARGB8888 || surface->format->format == SDL_PIXELFORMAT_RGB888;
    if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
    for (const gfx::TRect& part : parts) {
      gfx::TRect r = gfx::Intersect(part, {0, 0, screen_.width, screen_.height});
      r = gfx::Intersect(r, gfx::Bounds(os.rect.Left, os.rect.Top, surface->w, surface->h));
      if (r.IsEmpty()) continue;
      int dx = r.Left - os.rect.Left, dy = r.Top - os.rect.Top;
      auto* dst = static_cast<std::uint8_t*>(surface->pixels) + dy * surface->pitch + dx * 4;
      const std::uint8_t* src = screen_.Row(r.Top) + static_cast<std::ptrdiff_t>(r.Left) * 4;
      if (direct) {
        for (int y = 0; y < r.Height(); ++y)
          std::memcpy(dst + y * surface->pitch, src + y * screen_.stride, static_cast<std::size_t>(r.Width()) * 4);
      } else {
        SDL_ConvertPixels(r.Width(), r.Height(), SDL_PIXELFORMAT_ARGB8888, src, static_cast<int>(screen_.stride),
                          surface->format->format, dst, surface->pitch);
      }
      rects.push_back({dx, dy, r.Width(), r.Height()});
    }
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    if (!rects.empty()) SDL_UpdateWindowSurfaceRects(os.window, rects.data(), static_cast<int>(rects.size()));
  }

  HWND WindowOf(Uint32 id) const {
    auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : it->second;
  }

  // The pointer in screen coordinates where X events do not give it: the event's position
  // in its OS window plus where that window is (where we put it, or where the desktop's
  // move events say), which is wrong for events the OS window sent before it took our
  // latest move.
  gfx::TPoint ScreenPoint(Uint32 windowId, int x, int y) {
    HWND h = WindowOf(windowId);
    auto it = windows_.find(h);
    if (it == windows_.end()) return lastPt_;
    lastPt_ = {it->second.osPos.X + x, it->second.osPos.Y + y};
    return lastPt_;
  }

  // A button or wheel event's screen position: the X button event's just before it, if any.
  gfx::TPoint ButtonPoint(Uint32 windowId, int x, int y) {
    if (auto raw = std::exchange(rawButton_, std::nullopt)) return lastPt_ = *raw;
    return ScreenPoint(windowId, x, y);
  }

  // An X pointer event, seen before SDL makes its own events of it. Motions and crossings
  // move our pointer here, in screen coordinates, rather than through SDL's motion events,
  // which carry window positions only and need not come one for one with the X events
  // (a pointer that stays still on the screen makes no move). Buttons wait for SDL's
  // button events, which take the position kept here.
  void X11PointerEvent(const sdl::X11Pointer& raw) {
    if (raw.kind == sdl::X11Pointer::Kind::Button) {
      rawButton_ = raw.root;
    } else if (raw.root != lastPt_) {
      lastPt_ = raw.root;
      Push(InputEvent::Kind::MouseMove, nullptr, lastPt_);
    }
  }

  void Push(InputEvent::Kind k, HWND h = nullptr, gfx::TPoint pt = {}) {
    InputEvent e;
    e.kind = k;
    e.window = h;
    e.pt = pt;
    pending_.push_back(e);
  }

  void Translate(const SDL_Event& ev) {
    using K = InputEvent::Kind;
    switch (ev.type) {
      case SDL_MOUSEMOTION:
        if (!x11Pointer_) Push(K::MouseMove, nullptr, ScreenPoint(ev.motion.windowID, ev.motion.x, ev.motion.y));
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP: {
        InputEvent e;
        e.kind = ev.type == SDL_MOUSEBUTTONDOWN ? K::MouseDown : K::MouseUp;
        if (ev.button.button == SDL_BUTTON_LEFT) e.button = MouseButton::Left;
        else if (ev.button.button == SDL_BUTTON_RIGHT) e.button = MouseButton::Right;
        else if (ev.button.button == SDL_BUTTON_MIDDLE) e.button = MouseButton::Middle;
        else break;
        e.pt = ButtonPoint(ev.button.windowID, ev.button.x, ev.button.y);
        pending_.push_back(e);
        break;
      }
      case SDL_MOUSEWHEEL: {
        InputEvent e;
        e.kind = K::Wheel;
        int y = ev.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -ev.wheel.y : ev.wheel.y;
        if (y == 0) break;
        e.wheelDelta = y * 120;
        // On X11 a wheel step is a button press of its own, with its screen position.
        e.pt = rawButton_ ? ButtonPoint(ev.wheel.windowID, 0, 0) : lastPt_;
        pending_.push_back(e);
        break;
      }
      case SDL_KEYDOWN:
      case SDL_KEYUP: {
        int vk = sdl::VirtualKey(ev.key.keysym.scancode);
        if (!vk) break;
        InputEvent e;
        e.kind = ev.type == SDL_KEYDOWN ? K::KeyDown : K::KeyUp;
        e.vk = vk;
        // Text keys leave their characters to the text input that follows.
        if (e.kind == K::KeyDown && sdl::TypesText(ev.key.keysym)) e.ch = 0xFFFF;
        pending_.push_back(e);
        break;
      }
      case SDL_TEXTINPUT: {
        // Command chords (Ctrl, the left Alt) make no text of their own.
        if (SDL_GetModState() & (KMOD_CTRL | KMOD_LALT | KMOD_GUI)) break;
        for (char16_t c : base::Utf8ToUtf16(ev.text.text)) {
          InputEvent e;
          e.kind = K::Char;
          e.ch = c;
          pending_.push_back(e);
        }
        break;
      }
      case SDL_WINDOWEVENT: WindowEvent(ev.window); break;
      case SDL_SYSWMEVENT:
        // Comes just before the SDL events made from the same X event.
        if (x11Pointer_)
          if (auto raw = sdl::X11PointerOf(ev.syswm.msg)) X11PointerEvent(*raw);
        break;
      default: break;
    }
  }

  void WindowEvent(const SDL_WindowEvent& we) {
    using K = InputEvent::Kind;
    HWND h = WindowOf(we.windowID);
    if (!h) return;
    OsWindow& os = windows_[h];
    switch (we.event) {
      case SDL_WINDOWEVENT_CLOSE: Push(K::Close, h); break;
      case SDL_WINDOWEVENT_FOCUS_GAINED: Push(K::Activate, h); break;
      case SDL_WINDOWEVENT_FOCUS_LOST:
        if (!SDL_GetKeyboardFocus()) Push(K::Deactivate);
        break;
      case SDL_WINDOWEVENT_LEAVE:
        if (!SDL_GetMouseFocus()) Push(K::MouseLeave);
        break;
      case SDL_WINDOWEVENT_EXPOSED: Blit(os, {os.rect}); break;
      case SDL_WINDOWEVENT_MOVED:
        os.osPos = {we.data1, we.data2};
        // Echoes of our own moves arrive late; only a move the desktop made on its own
        // (some time after ours) moves our window.
        if ((we.data1 != os.rect.Left || we.data2 != os.rect.Top) && Now() - os.movedAt > 500 && !detail::TopMode()) {
          os.rect = gfx::Bounds(we.data1, we.data2, os.rect.Width(), os.rect.Height());
          Push(K::Moved, h, {we.data1, we.data2});
        }
        break;
      case SDL_WINDOWEVENT_MINIMIZED:
        if (!os.minimized) {
          os.minimized = true;
          Push(K::Minimize, h);
        }
        break;
      case SDL_WINDOWEVENT_RESTORED:
        if (os.minimized) {
          os.minimized = false;
          Push(K::Restore, h);
        }
        break;
      default: break;
    }
  }

  std::unordered_map<HWND, OsWindow> windows_;
  std::unordered_map<Uint32, HWND> byId_;
  std::deque<InputEvent> pending_;
  gfx::PixelView screen_;
  SDL_Cursor* cursors_[SDL_NUM_SYSTEM_CURSORS] = {};
  gfx::TPoint lastPt_;
  bool shapeReported_ = false;            // the log told that windows cannot be shaped
  bool x11Pointer_ = false;               // X events tell the pointer's screen position
  std::optional<gfx::TPoint> rawButton_;  // the latest X button event's, not yet used
};

}  // namespace

std::unique_ptr<Backend> CreateSdlBackend(std::string* error) {
  // Our windows decide when the program ends, and signals keep their usual meaning.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    if (error) *error = SDL_GetError();
    return nullptr;
  }
  sdl::TolerateX11Errors();
  SDL_StartTextInput();
  return std::make_unique<SdlBackend>();
}

}  // namespace win
