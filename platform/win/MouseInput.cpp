// Mouse input: hit testing down the window tree, capture, activation by click, cursor
// selection, double clicks, wheel, and mouse-leave / hover tracking.
#include <algorithm>
#include <cstdlib>

#include "platform/win/HitCodes.h"
#include "platform/win/Input.h"
#include "platform/win/InputApi.h"
#include "platform/win/InputMode.h"
#include "platform/win/Internal.h"
#include "platform/win/Keys.h"
#include "platform/win/Messages.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Metrics.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace win {
namespace detail {

namespace {

// Deepest window under a screen point among `list` and their descendants, asking
// WM_NCHITTEST; HTTRANSPARENT passes the point to the windows below. Disabled children
// are skipped (their parent gets the mouse); a disabled top-level window answers HTERROR.
HWND HitIn(Window* parent, gfx::TPoint screenPt, int* hit) {
  std::vector<HWND> list;
  for (Window* c : parent->children) list.push_back(c->handle);
  gfx::TPoint origin = ClientOriginOnScreen(parent);
  bool top = parent == S().desktop.get();
  for (HWND h : list) {
    Window* c = W(h);
    if (!c || !c->Visible()) continue;
    if (!top && !c->Enabled()) continue;
    gfx::TPoint local{screenPt.X - origin.X, screenPt.Y - origin.Y};
    if (!c->rect.Contains(local)) continue;
    if (!InsideWindowRegion(c, {local.X - c->rect.Left, local.Y - c->rect.Top})) continue;
    if (top && (c->exStyle & WS_EX_LAYERED) && (c->exStyle & WS_EX_TRANSPARENT)) continue;
    if (!c->Enabled()) {
      *hit = HTERROR;
      return h;
    }
    gfx::TRect client = c->client.Offset(c->rect.Left, c->rect.Top);
    if (client.Contains(local)) {
      if (HWND d = HitIn(c, screenPt, hit)) return d;
      if (!(c = W(h))) continue;
    }
    int code = static_cast<int>(Send(h, WM_NCHITTEST, 0, PointToLParam(screenPt)));
    if (code == HTTRANSPARENT || !W(h)) continue;
    *hit = code;
    return h;
  }
  return nullptr;
}

WPARAM MouseKeys() {
  const auto& k = S().keys;
  WPARAM r = 0;
  if (k[VK_LBUTTON] & 0x80) r |= MK_LBUTTON;
  if (k[VK_RBUTTON] & 0x80) r |= MK_RBUTTON;
  if (k[VK_MBUTTON] & 0x80) r |= MK_MBUTTON;
  if (k[VK_SHIFT] & 0x80) r |= MK_SHIFT;
  if (k[VK_CONTROL] & 0x80) r |= MK_CONTROL;
  return r;
}

UINT ClientMessage(const InputEvent& e) {
  int b = static_cast<int>(e.button);
  switch (e.kind) {
    case InputEvent::Kind::MouseDown: return WM_LBUTTONDOWN + 3 * b;
    case InputEvent::Kind::MouseUp: return WM_LBUTTONUP + 3 * b;
    case InputEvent::Kind::Wheel: return WM_MOUSEWHEEL;
    default: return WM_MOUSEMOVE;
  }
}

// Ends leave tracking that the pointer no longer satisfies and restarts hover timing when
// it moved far enough.
void UpdateTracking(HWND under, int hit, gfx::TPoint pt) {
  State& s = S();
  bool inClient = hit == HTCLIENT;
  for (auto& t : s.tracking) {
    if (t.client && !(t.hwnd == under && inClient)) {
      s.posted.push_back(MSG{t.hwnd, WM_MOUSELEAVE, 0, 0, static_cast<DWORD>(Now()), pt});
      t.client = false;
      t.hover = t.hover && t.hoverNonClient;
    }
    if (t.nonClient && !(t.hwnd == under && !inClient && hit != HTNOWHERE)) {
      s.posted.push_back(MSG{t.hwnd, WM_NCMOUSELEAVE, 0, 0, static_cast<DWORD>(Now()), pt});
      t.nonClient = false;
      t.hover = t.hover && !t.hoverNonClient;
    }
    if (t.hover) {
      bool sameArea = t.hwnd == under && (t.hoverNonClient ? !inClient : inClient);
      if (!sameArea) {
        t.hover = false;
      } else if (std::abs(pt.X - t.hoverStart.X) > GetSystemMetrics(SM_CXDOUBLECLK) / 2 ||
                 std::abs(pt.Y - t.hoverStart.Y) > GetSystemMetrics(SM_CYDOUBLECLK) / 2) {
        t.hoverStart = pt;
        t.hoverDue = Now() + t.hoverTime;
      }
    }
  }
  s.tracking.erase(std::remove_if(s.tracking.begin(), s.tracking.end(),
                                  [](const LeaveTracking& t) { return !t.client && !t.nonClient && !t.hover; }),
                   s.tracking.end());
}

bool IsDoubleClick(HWND target, UINT downMsg, int hit, gfx::TPoint pt, bool nonClient) {
  State& s = S();
  ClickRecord& c = s.lastClick;
  std::uint64_t now = Now();
  Window* w = W(target);
  bool allowed = nonClient || (w && w->cls && (w->cls->style & CS_DBLCLKS));
  bool dbl = allowed && c.valid && c.hwnd == target && c.downMessage == downMsg && c.hit == hit &&
             now - c.time <= GetDoubleClickTime() && std::abs(pt.X - c.pt.X) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
             std::abs(pt.Y - c.pt.Y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
  if (dbl) {
    c.valid = false;
  } else {
    c = {target, downMsg, now, pt, hit, true};
  }
  return dbl;
}

}  // namespace

void NoteMouseState(const InputEvent& e) {
  State& s = S();
  s.cursorPos = e.pt;
  int vk = e.button == MouseButton::Left ? VK_LBUTTON : e.button == MouseButton::Right ? VK_RBUTTON : VK_MBUTTON;
  if (e.kind == InputEvent::Kind::MouseDown) s.keys[vk] |= 0x80;
  if (e.kind == InputEvent::Kind::MouseUp) s.keys[vk] &= 0x7F;
}

void ConvertMouse(const InputEvent& e) {
  State& s = S();
  UINT clientMsg = ClientMessage(e);

  int hit = HTNOWHERE;
  HWND under = HitIn(s.desktop.get(), e.pt, &hit);
  s.mouseWindow = under;
  s.mouseHit = hit;
  NoteTitleButtonHot(under, hit);
  UpdateTracking(under, hit, e.pt);

  HWND target = s.capture && W(s.capture) ? s.capture : under;
  if (!target) return;
  if (target == s.capture) hit = HTCLIENT;
  bool down = e.kind == InputEvent::Kind::MouseDown;

  if (hit == HTERROR) {
    Send(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(static_cast<unsigned>(HTERROR), clientMsg));
    // A click on a window disabled by a modal loop brings the modal window forward.
    if (down)
      if (HWND popup = GetWindow(target, GW_ENABLEDPOPUP)) SetActiveWindow(popup);
    return;
  }

  bool eat = false;
  if (down && !s.capture) {
    Window* tw = W(target);
    Window* top = tw ? TopLevelOf(tw) : nullptr;
    if (top && s.active != top->handle && !(top->exStyle & WS_EX_NOACTIVATE)) {
      HWND topH = top->handle;
      LRESULT r = Send(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(topH),
                       MAKELPARAM(static_cast<unsigned>(hit), clientMsg));
      if (r == MA_ACTIVATE || r == MA_ACTIVATEANDEAT) Activate(topH, true, true);
      eat = r == MA_ACTIVATEANDEAT || r == MA_NOACTIVATEANDEAT;
      if (!W(target)) return;
    }
  }
  if (!s.capture && e.kind != InputEvent::Kind::Wheel)
    Send(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(static_cast<unsigned>(hit), clientMsg));
  if (eat || !W(target)) return;

  MSG m{target, 0, 0, 0, static_cast<DWORD>(Now()), e.pt};
  if (e.kind == InputEvent::Kind::Wheel) {
    m.message = WM_MOUSEWHEEL;
    m.wParam = MAKEWPARAM(static_cast<unsigned>(MouseKeys()), static_cast<unsigned>(static_cast<short>(e.wheelDelta)));
    m.lParam = PointToLParam(e.pt);
    s.input.push_back(m);
    return;
  }
  if (hit == HTCLIENT) {
    gfx::TPoint c = e.pt;
    ScreenToClient(target, &c);
    m.message = clientMsg;
    if (down && IsDoubleClick(target, clientMsg, hit, e.pt, false)) m.message = clientMsg + 2;
    m.wParam = MouseKeys();
    m.lParam = PointToLParam(c);
  } else {
    UINT nc = clientMsg - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
    m.message = nc;
    if (down && IsDoubleClick(target, nc, hit, e.pt, true)) m.message = nc + 2;
    m.wParam = static_cast<WPARAM>(hit);
    m.lParam = PointToLParam(e.pt);
  }
  s.input.push_back(m);
}

void PointerLeftWindows() {
  State& s = S();
  s.mouseWindow = nullptr;
  s.mouseHit = HTNOWHERE;
  s.captionHot = {};
  UpdateTracking(nullptr, HTNOWHERE, s.cursorPos);
}

void CheckHover(std::uint64_t now) {
  State& s = S();
  for (auto& t : s.tracking) {
    if (!t.hover || t.hoverDue > now) continue;
    t.hover = false;
    if (t.hoverNonClient) {
      s.posted.push_back(MSG{t.hwnd, WM_NCMOUSEHOVER, static_cast<WPARAM>(s.mouseHit), PointToLParam(s.cursorPos),
                             static_cast<DWORD>(now), s.cursorPos});
    } else {
      gfx::TPoint c = s.cursorPos;
      ScreenToClient(t.hwnd, &c);
      s.posted.push_back(
          MSG{t.hwnd, WM_MOUSEHOVER, MouseKeys(), PointToLParam(c), static_cast<DWORD>(now), s.cursorPos});
    }
  }
}

void ForgetInputFor(HWND hwnd) {
  State& s = S();
  CancelModes(hwnd);
  if (s.captionPress.hwnd == hwnd) s.captionPress = {};
  if (s.captionHeld.hwnd == hwnd) s.captionHeld = {};
  if (s.captionHot.hwnd == hwnd) s.captionHot = {};
  s.tracking.erase(
      std::remove_if(s.tracking.begin(), s.tracking.end(), [hwnd](const LeaveTracking& t) { return t.hwnd == hwnd; }),
      s.tracking.end());
  if (s.lastClick.hwnd == hwnd) s.lastClick.valid = false;
  if (s.mouseWindow == hwnd) s.mouseWindow = nullptr;
  if (s.capture == hwnd) s.capture = nullptr;
  s.input.erase(std::remove_if(s.input.begin(), s.input.end(), [hwnd](const MSG& m) { return m.hwnd == hwnd; }),
                s.input.end());
  s.posted.erase(std::remove_if(s.posted.begin(), s.posted.end(), [hwnd](const MSG& m) { return m.hwnd == hwnd; }),
                 s.posted.end());
}

}  // namespace detail

using namespace detail;

HWND SetCapture(HWND hwnd) {
  State& s = S();
  if (hwnd && !W(hwnd)) return nullptr;
  HWND old = s.capture;
  s.capture = hwnd;
  if (old && old != hwnd && W(old)) Send(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
  if (old != hwnd) CaptureMovedAway();
  return old;
}

BOOL ReleaseCapture() {
  State& s = S();
  HWND old = s.capture;
  if (!old) return TRUE;
  s.capture = nullptr;
  if (W(old)) Send(old, WM_CAPTURECHANGED, 0, 0);
  CaptureMovedAway();
  return TRUE;
}

HWND GetCapture() { return HasState() ? S().capture : nullptr; }

BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme) {
  if (!tme) return FALSE;
  State& s = S();
  if (tme->dwFlags & TME_QUERY) {
    *tme = {sizeof(TRACKMOUSEEVENT), 0, nullptr, 0};
    for (const auto& t : s.tracking) {
      if (t.client || t.nonClient || t.hover) {
        tme->hwndTrack = t.hwnd;
        tme->dwFlags = (t.client || t.nonClient ? TME_LEAVE : 0) | (t.hover ? TME_HOVER : 0) |
                       (t.nonClient || (t.hover && t.hoverNonClient) ? TME_NONCLIENT : 0);
        tme->dwHoverTime = t.hoverTime;
        break;
      }
    }
    return TRUE;
  }
  if (!W(tme->hwndTrack)) return FALSE;
  bool nc = (tme->dwFlags & TME_NONCLIENT) != 0;
  auto it = std::find_if(s.tracking.begin(), s.tracking.end(),
                         [tme](const LeaveTracking& t) { return t.hwnd == tme->hwndTrack; });
  if (tme->dwFlags & TME_CANCEL) {
    if (it != s.tracking.end()) {
      if (tme->dwFlags & TME_LEAVE) (nc ? it->nonClient : it->client) = false;
      if ((tme->dwFlags & TME_HOVER) && it->hoverNonClient == nc) it->hover = false;
    }
    return TRUE;
  }
  bool over = s.mouseWindow == tme->hwndTrack &&
              (nc ? (s.mouseHit != HTCLIENT && s.mouseHit != HTNOWHERE) : s.mouseHit == HTCLIENT);
  if (it == s.tracking.end()) {
    s.tracking.push_back({});
    it = s.tracking.end() - 1;
    it->hwnd = tme->hwndTrack;
  }
  if (tme->dwFlags & TME_LEAVE) {
    if (!over) {
      // The pointer is elsewhere already: the leave notice comes at once.
      s.posted.push_back(
          MSG{tme->hwndTrack, nc ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0, static_cast<DWORD>(Now()), s.cursorPos});
    } else {
      (nc ? it->nonClient : it->client) = true;
    }
  }
  if ((tme->dwFlags & TME_HOVER) && over) {
    it->hover = true;
    it->hoverNonClient = nc;
    it->hoverTime = tme->dwHoverTime == HOVER_DEFAULT || tme->dwHoverTime == 0 ? GetMouseHoverTime() : tme->dwHoverTime;
    it->hoverStart = s.cursorPos;
    it->hoverDue = Now() + it->hoverTime;
  }
  if (!it->client && !it->nonClient && !it->hover) s.tracking.erase(it);
  return TRUE;
}

BOOL GetCursorPos(POINT* pt) {
  if (!pt) return FALSE;
  *pt = S().cursorPos;
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  State& s = S();
  gfx::TSize sz = s.backend->ScreenSize();
  s.cursorPos = {std::clamp(x, 0, std::max(0, sz.cx - 1)), std::clamp(y, 0, std::max(0, sz.cy - 1))};
  return TRUE;
}

}  // namespace win
