// Tracking a popup menu: the menu's levels open as popup windows of class "#32768" and a
// menu input mode takes the mouse and keyboard until an item is chosen or the menu is
// dismissed, while TrackPopupMenu runs the message loop (painting, timers and posted
// messages go on).
#include <algorithm>

#include "platform/base/TextCase.h"
#include "platform/win/Compositor.h"
#include "platform/win/FrameLayout.h"
#include "platform/win/HitCodes.h"
#include "platform/win/InputMode.h"
#include "platform/win/Internal.h"
#include "platform/win/Keys.h"
#include "platform/win/MenuApi.h"
#include "platform/win/MenuLevel.h"
#include "platform/win/MenuObject.h"
#include "platform/win/Messages.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Metrics.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace win::detail {

namespace {

// The access letter of a label: the character after a single '&'.
char16_t AccessKey(const std::u16string& label) {
  for (std::size_t i = 0; i + 1 < label.size(); ++i) {
    if (label[i] != u'&') continue;
    if (label[i + 1] == u'&') {
      ++i;
      continue;
    }
    return base::ToUpperUi(label[i + 1]);
  }
  return 0;
}

class MenuMode final : public InputMode {
 public:
  MenuMode(HWND owner, UINT flags, bool system) : InputMode(owner), flags_(flags), system_(system) {
    openedAt_ = Now();
  }

  bool done = false;
  UINT chosen = 0;
  LPARAM chosenAt = 0;

  bool Notify() const { return !(flags_ & TPM_NONOTIFY); }
  bool System() const { return system_; }
  HWND Innermost() const { return levels_.empty() ? nullptr : levels_.back()->window; }

  bool OpenLevel(HMENU menu, POINT pt, const gfx::TRect* parentItem, int index) {
    if (!FindMenu(menu)) return false;
    if (Notify())
      Send(Target(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu),
           MAKELPARAM(static_cast<unsigned>(index), system_ && levels_.empty() ? 1u : 0u));
    Menu* m = FindMenu(menu);
    if (!m || done || !W(Target())) return false;
    auto level = std::make_unique<MenuLevel>();
    level->menu = menu;
    LayoutMenu(*m, *level);
    gfx::TSize screen = S().backend->ScreenSize();
    int w = level->size.cx, h = level->size.cy, x = pt.X, y = pt.Y;
    if (parentItem) {
      // A submenu opens beside its item, overlapping the parent's border, and to the left
      // when the right side has no room.
      x = parentItem->Right - 3;
      y = parentItem->Top - 3;
      if (x + w > screen.cx) x = parentItem->Left - w + 3;
    } else {
      if (flags_ & TPM_RIGHTALIGN) x -= w;
      else if (flags_ & TPM_CENTERALIGN) x -= w / 2;
      if (flags_ & TPM_BOTTOMALIGN) y -= h;
      else if (flags_ & TPM_VCENTERALIGN) y -= h / 2;
      if (x + w > screen.cx && x - w >= 0) x -= w;
      if (y + h > screen.cy && y - h >= 0) y -= h;
    }
    x = std::clamp(x, 0, std::max(0, screen.cx - w));
    y = std::clamp(y, 0, std::max(0, screen.cy - h));
    HWND win = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, MAKEINTATOM(MENU_CLASS_ATOM), u"",
                              WS_POPUP, x, y, w, h, Target(), nullptr, nullptr, nullptr);
    if (!win) return false;
    SetWindowLongPtr(win, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(level.get()));
    level->window = win;
    levels_.push_back(std::move(level));
    ShowWindow(win, SW_SHOWNA);
    return true;
  }

  // Closes the levels from `depth` inward.
  void CloseFrom(std::size_t depth) {
    while (levels_.size() > depth) {
      std::unique_ptr<MenuLevel> level = std::move(levels_.back());
      levels_.pop_back();
      if (W(level->window)) {
        SetWindowLongPtr(level->window, GWLP_USERDATA, 0);
        DestroyWindow(level->window);
      }
      if (Notify() && W(Target())) Send(Target(), WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(level->menu), 0);
    }
  }

  void Teardown() {
    CloseFrom(0);
    Finish();
  }

  void HotFirst(std::size_t depth) { Step(depth, +1, true); }

  bool OnInput(const InputEvent& e) override {
    if (done || levels_.empty()) return true;
    using K = InputEvent::Kind;
    switch (e.kind) {
      case K::MouseMove: MouseMove(e.pt); return true;
      case K::MouseDown: MouseDown(e); return true;
      case K::MouseUp: MouseUp(e); return true;
      case K::Wheel:
      case K::KeyUp: return true;
      case K::KeyDown: Key(e); return true;
      case K::Char: Access(e.ch); return true;
      default: return false;
    }
  }

  void Cancel() override {
    done = true;
    chosen = 0;
    Finish();
  }

 private:
  Menu* MenuAt(std::size_t depth) const { return FindMenu(levels_[depth]->menu); }

  bool Selectable(const MenuItem& it) const { return !it.Separator() && !it.Greyed(); }

  // The level and item under a screen point, innermost level first.
  std::pair<int, int> At(gfx::TPoint pt) const {
    for (int d = static_cast<int>(levels_.size()) - 1; d >= 0; --d) {
      Window* w = W(levels_[static_cast<std::size_t>(d)]->window);
      if (!w || !w->rect.Contains(pt)) continue;
      return {d, MenuItemAt(*levels_[static_cast<std::size_t>(d)], {pt.X - w->rect.Left, pt.Y - w->rect.Top})};
    }
    return {-1, -1};
  }

  void SetHot(std::size_t depth, int item) {
    MenuLevel& level = *levels_[depth];
    if (level.hot == item) return;
    level.hot = item;
    InvalidateRect(level.window, nullptr, FALSE);
    Menu* m = MenuAt(depth);
    if (!Notify() || !m || item < 0) return;
    const MenuItem& it = m->items[static_cast<std::size_t>(item)];
    UINT id = (it.flags & MF_POPUP) ? static_cast<UINT>(item) : it.id;
    UINT fl = (it.flags & 0xFFFF) | MF_HILITE | (system_ ? MF_SYSMENU : 0);
    Send(Target(), WM_MENUSELECT, MAKEWPARAM(id, fl), reinterpret_cast<LPARAM>(level.menu));
  }

  // Opens the submenu of the highlighted item of `depth`, optionally highlighting its
  // first item.
  void OpenSub(std::size_t depth, bool hotFirst) {
    Menu* m = MenuAt(depth);
    MenuLevel& level = *levels_[depth];
    if (!m || level.hot < 0) return;
    const MenuItem& it = m->items[static_cast<std::size_t>(level.hot)];
    if (!(it.flags & MF_POPUP) || it.Greyed()) return;
    CloseFrom(depth + 1);
    Window* w = W(level.window);
    if (!w) return;
    gfx::TRect item = level.items[static_cast<std::size_t>(level.hot)].Offset(w->rect.Left, w->rect.Top);
    item.Left = w->rect.Left;
    item.Right = w->rect.Right;
    if (OpenLevel(it.submenu, {item.Right, item.Top}, &item, level.hot) && hotFirst) HotFirst(depth + 1);
  }

  void Choose(std::size_t depth, int item, LPARAM at) {
    Menu* m = MenuAt(depth);
    if (!m || item < 0) return;
    const MenuItem& it = m->items[static_cast<std::size_t>(item)];
    if (!Selectable(it)) return;
    if (it.flags & MF_POPUP) {
      SetHot(depth, item);
      OpenSub(depth, true);
      return;
    }
    chosen = it.id;
    chosenAt = at;
    done = true;
    Finish();
  }

  void MouseMove(gfx::TPoint pt) {
    auto [d, item] = At(pt);
    if (d < 0) {
      // Off the menus: the innermost level loses its highlight unless a submenu hangs
      // from it.
      SetHot(levels_.size() - 1, -1);
      return;
    }
    auto depth = static_cast<std::size_t>(d);
    Menu* m = MenuAt(depth);
    if (!m) return;
    if (item < 0 || m->items[static_cast<std::size_t>(item)].Separator()) {
      if (depth + 1 == levels_.size()) SetHot(depth, -1);
      return;
    }
    if (levels_[depth]->hot != item) CloseFrom(depth + 1);
    SetHot(depth, item);
    if (depth + 1 == levels_.size() && (m->items[static_cast<std::size_t>(item)].flags & MF_POPUP))
      OpenSub(depth, false);
  }

  void MouseDown(const InputEvent& e) {
    auto [d, item] = At(e.pt);
    if (d >= 0) return;
    // A second click on the icon that opened the system menu closes the window.
    if (system_ && e.button == MouseButton::Left && W(Target()) &&
        Send(Target(), WM_NCHITTEST, 0, PointToLParam(e.pt)) == HTSYSMENU &&
        Now() - openedAt_ <= GetDoubleClickTime()) {
      Window* w = W(Target());
      if (w && ButtonEnabled(w, HTCLOSE)) {
        chosen = static_cast<UINT>(SC_CLOSE);
        chosenAt = PointToLParam(e.pt);
        done = true;
        Finish();
        return;
      }
    }
    Cancel();  // a click elsewhere dismisses the menu and is eaten
  }

  void MouseUp(const InputEvent& e) {
    bool allowed = e.button == MouseButton::Left || (e.button == MouseButton::Right && (flags_ & TPM_RIGHTBUTTON));
    auto [d, item] = At(e.pt);
    if (!allowed || d < 0 || item < 0) return;
    Menu* m = MenuAt(static_cast<std::size_t>(d));
    if (m && !(m->items[static_cast<std::size_t>(item)].flags & MF_POPUP))
      Choose(static_cast<std::size_t>(d), item, PointToLParam(e.pt));
  }

  // Moves the highlight of a level to the next (or previous) item that is not a
  // separator, wrapping around; `fromEnd` starts from the first (or last) item.
  void Step(std::size_t depth, int dir, bool fromEnd) {
    Menu* m = MenuAt(depth);
    if (!m || m->items.empty()) return;
    int n = static_cast<int>(m->items.size());
    int cur = fromEnd ? (dir > 0 ? -1 : n) : levels_[depth]->hot;
    if (cur < 0 && dir < 0 && !fromEnd) cur = n;
    for (int i = 0; i < n; ++i) {
      cur = ((cur + dir) % n + n) % n;
      if (!m->items[static_cast<std::size_t>(cur)].Separator()) {
        SetHot(depth, cur);
        return;
      }
    }
  }

  void Key(const InputEvent& e) {
    std::size_t d = levels_.size() - 1;
    MenuLevel& level = *levels_[d];
    switch (e.vk) {
      case VK_DOWN: Step(d, +1, false); return;
      case VK_UP: Step(d, -1, false); return;
      case VK_HOME: Step(d, +1, true); return;
      case VK_END: Step(d, -1, true); return;
      case VK_RIGHT: OpenSub(d, true); return;
      case VK_LEFT:
        if (d > 0) CloseFrom(d);
        return;
      case VK_ESCAPE:
        if (d > 0) CloseFrom(d);
        else Cancel();
        return;
      case VK_RETURN:
        if (level.hot >= 0) Choose(d, level.hot, 0);
        return;
      case VK_MENU:
      case VK_LMENU:
      case VK_RMENU:
      case VK_F10: Cancel(); return;
      default: break;
    }
    // Letters and digits select by their access key unless their text comes separately.
    if (e.ch == 0xFFFF) return;
    char16_t c =
        e.ch ? e.ch : ((e.vk >= 'A' && e.vk <= 'Z') || (e.vk >= '0' && e.vk <= '9') ? static_cast<char16_t>(e.vk) : 0);
    if (c) Access(c);
  }

  void Access(char16_t c) {
    c = base::ToUpperUi(c);
    std::size_t d = levels_.size() - 1;
    Menu* m = MenuAt(d);
    if (!m || c <= u' ') return;
    std::vector<int> matches;
    for (std::size_t i = 0; i < m->items.size(); ++i)
      if (!m->items[i].Separator() && AccessKey(m->items[i].Label()) == c) matches.push_back(static_cast<int>(i));
    if (matches.empty()) return;
    if (matches.size() == 1) {
      SetHot(d, matches[0]);
      Choose(d, matches[0], 0);
      return;
    }
    // Several items share the letter: the highlight cycles through them.
    int hot = levels_[d]->hot;
    auto next = std::upper_bound(matches.begin(), matches.end(), hot);
    SetHot(d, next == matches.end() ? matches.front() : *next);
  }

  std::vector<std::unique_ptr<MenuLevel>> levels_;
  UINT flags_;
  bool system_;
  std::uint64_t openedAt_ = 0;
};

MenuMode* OpenMenuMode() {
  if (!HasState()) return nullptr;
  for (auto& m : S().modes)
    if (auto* mm = dynamic_cast<MenuMode*>(m.get()); mm && !mm->Ended()) return mm;
  return nullptr;
}

// Runs messages until the menu mode ends; WM_ENTERIDLE goes to the owner each time the
// queue runs dry.
void RunMenuLoop(MenuMode& mode) {
  State& s = S();
  bool idleSent = false;
  while (!mode.done && W(mode.Target())) {
    MSG m;
    if (PeekAny(&m, nullptr, 0, 0, false, Now())) {
      // Input that arrives after the choice stays queued for the loop outside.
      if (mode.done) break;
      PeekAny(&m, nullptr, 0, 0, true, Now());
      idleSent = false;
      if (m.message == WM_QUIT) {
        mode.Cancel();
        PostQuitMessage(static_cast<int>(m.wParam));
        break;
      }
      s.current = m;
      DispatchMessage(&m);
      continue;
    }
    if (!idleSent && mode.Notify()) {
      idleSent = true;
      Send(mode.Target(), WM_ENTERIDLE, MSGF_MENU, reinterpret_cast<LPARAM>(mode.Innermost()));
      continue;
    }
    s.compositor->Present();
    s.backend->WaitUntil(NextDeadline());
    idleSent = false;
  }
}

LRESULT TrackMenu(HMENU menu, UINT flags, POINT pt, HWND owner, bool system, bool byKeyboard) {
  if (!FindMenu(menu) || !W(owner) || OpenMenuMode()) return FALSE;
  auto mode = std::make_shared<MenuMode>(owner, flags, system);
  if (mode->Notify()) {
    Send(owner, WM_ENTERMENULOOP, system ? FALSE : TRUE, 0);
    Send(owner, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    if (!W(owner) || !FindMenu(menu)) return FALSE;
  }
  StartMode(mode);
  {
    // The levels close however the loop ends, an exception included.
    struct Guard {
      MenuMode& m;
      ~Guard() { m.Teardown(); }
    } guard{*mode};
    if (mode->OpenLevel(menu, pt, nullptr, 0)) {
      if (byKeyboard) mode->HotFirst(0);
      RunMenuLoop(*mode);
    }
  }
  UINT cmd = mode->chosen;
  if (mode->Notify() && W(owner)) {
    Send(owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    Send(owner, WM_EXITMENULOOP, system ? FALSE : TRUE, 0);
  }
  if (flags & TPM_RETURNCMD) return static_cast<LRESULT>(cmd);
  if (cmd && W(owner)) {
    if (system) PostMessage(owner, WM_SYSCOMMAND, cmd, mode->chosenAt);
    else PostMessage(owner, WM_COMMAND, MAKEWPARAM(cmd, 0), 0);
  }
  return TRUE;
}

}  // namespace

void OpenSystemMenu(HWND hwnd, POINT pt, bool byKeyboard) {
  HMENU menu = SystemMenuOf(hwnd);
  if (!menu) return;
  UpdateSystemMenu(hwnd, menu);
  TrackMenu(menu, TPM_LEFTBUTTON | TPM_RIGHTBUTTON, pt, hwnd, true, byKeyboard);
}

}  // namespace win::detail

namespace win {
using namespace detail;

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
  return static_cast<BOOL>(TrackMenu(menu, flags, {x, y}, owner, false, false));
}

BOOL EndMenu() {
  MenuMode* m = OpenMenuMode();
  if (!m) return FALSE;
  m->Cancel();
  return TRUE;
}

HWND GetOpenMenuWindow() {
  MenuMode* m = OpenMenuMode();
  return m ? m->Innermost() : nullptr;
}

}  // namespace win
