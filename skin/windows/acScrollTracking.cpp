#include "skin/windows/acScrollTracking.h"

#include <algorithm>

#include "platform/base/TextCase.h"
#include "platform/gfx/Surface.h"
#include "platform/win/HitCodes.h"
#include "platform/win/InputApi.h"
#include "platform/win/Keys.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/ScrollApi.h"
#include "platform/win/WindowApi.h"
#include "skin/data/acSkinCommands.h"
#include "skin/windows/acScrollBarGeometry.h"
#include "skin/windows/acScrollWnd.h"

namespace skin {

namespace {

// The tracking state of the user-interface thread: the pressed bar and part, the hot bar
// and part, the geometry of a drag. Windows whose adapter goes are dropped from it.
struct TrackState {
  int pressedPart = spNone;
  win::HWND wnd = nullptr;
  int bar = -1;
  win::UINT scrollMsg = 0;
  bool pointerOnPart = false;  // the pressed part is under the pointer (shown pressed)
  win::HWND hotWnd = nullptr;
  int hotBar = -1;
  int hotPart = spNone;
  gfx::TRect hotRect{};
  gfx::TRect barRect{};  // the bar at the press
  int thumbLength = 0;
  int offset = 0;   // the pointer inside the thumb
  int lastPos = 0;  // the last position sent
  bool releasing = false;
};

TrackState& Track() {
  static TrackState t;
  return t;
}

void ClearPress() {
  TrackState& t = Track();
  t.pressedPart = spNone;
  t.wnd = nullptr;
  t.bar = -1;
  t.scrollMsg = 0;
  t.pointerOnPart = false;
}

gfx::TPoint CursorInWindow(win::HWND wnd) {
  win::POINT p{};
  win::GetCursorPos(&p);
  win::RECT wr;
  win::GetWindowRect(wnd, &wr);
  return {p.X - wr.Left, p.Y - wr.Top};
}

gfx::TPoint ClientToWindow(win::HWND wnd, win::POINT client) {
  win::ClientToScreen(wnd, &client);
  win::RECT wr;
  win::GetWindowRect(wnd, &wr);
  return {client.X - wr.Left, client.Y - wr.Top};
}

bool ShiftHeld() { return win::GetKeyState(win::VK_SHIFT) < 0; }

bool IsListWindow(win::HWND wnd) {
  const std::u16string cls = base::ToLowerAscii(win::GetClassName(wnd));
  return cls == u"listbox" || cls == u"combolbox" || cls == u"syslistview32";
}

void RepaintBar(TacScrollWnd& w, TacScrollBar& sb, int thumbStart = -1) {
  if (!w.CanPaintBars()) return;
  gfx::Surface* dc = win::GetWindowDC(w.CtrlHandle);
  if (dc == nullptr) return;
  w.PaintBar(sb, dc, thumbStart);
  win::ReleaseDC(w.CtrlHandle, dc);
}

void Extent(const TacScrollWnd& w, const TacScrollBar& sb, int& s, int& e, int& b) {
  w.BarExtent(sb, Track().barRect, s, e);
  b = w.ButtonLength(sb);
}

// One step of a drag: the thumb follows the pointer and a new position is sent.
void DragStep(TacScrollWnd& w, TacScrollBar& sb, int along) {
  TrackState& t = Track();
  int s, e, b;
  Extent(w, sb, s, e, b);
  const int d = DragThumbStart(along, t.offset, s, e, b, t.thumbLength);
  RepaintBar(w, sb, d);
  const int pos = DragPosition(sb.ScrollInfo, s, e, b, t.thumbLength, d) + sb.ScrollInfo.nMin;
  if (pos == t.lastPos) return;
  t.lastPos = pos;
  sb.ScrollInfo.nTrackPos = pos;
  SendScrollNotification(w, sb, win::SB_THUMBTRACK, pos);
}

void StartRepeat(TacScrollWnd& w, TacScrollBar& sb, int part) {
  TrackState& t = Track();
  t.pointerOnPart = true;
  RepaintBar(w, sb);
  SendScrollNotification(w, sb, part, sb.ScrollInfo.nPos);
  if (t.wnd == w.CtrlHandle && win::IsWindow(w.CtrlHandle))
    win::SetTimer(w.CtrlHandle, acFirstRepeatTimer, acFirstRepeatMs, nullptr);
}

void RepeatTick(TacScrollWnd& w) {
  TrackState& t = Track();
  if (t.wnd != w.CtrlHandle || t.pressedPart < spArrowBefore || t.pressedPart > spPageAfter) {
    win::KillTimer(w.CtrlHandle, acRepeatTimer);
    return;
  }
  TacScrollBar& sb = w.Bar(t.bar);
  w.ReadScrollInfo(sb);
  const bool on = w.PartAt(sb, CursorInWindow(w.CtrlHandle), false) == t.pressedPart;
  if (on != t.pointerOnPart) {
    t.pointerOnPart = on;
    RepaintBar(w, sb);
  }
  if (on) SendScrollNotification(w, sb, t.pressedPart, sb.ScrollInfo.nPos);
}

void HoverPoll(TacScrollWnd& w) {
  TrackState& t = Track();
  if (w.fThumbTracking) return;
  if (t.hotWnd != w.CtrlHandle) {
    win::KillTimer(w.CtrlHandle, acHoverTimer);
    return;
  }
  TacScrollBar& sb = w.Bar(t.hotBar);
  const gfx::TPoint p = CursorInWindow(w.CtrlHandle);
  if (t.hotRect.Contains(p)) {
    const int part = w.PartAt(sb, p, false);
    if (part != t.hotPart) {
      t.hotPart = part;
      RepaintBar(w, sb);
    }
    return;
  }
  win::KillTimer(w.CtrlHandle, acHoverTimer);
  const int had = t.hotPart;
  t.hotWnd = nullptr;
  t.hotBar = -1;
  t.hotPart = spNone;
  if (had != spNone) RepaintBar(w, sb);
}

int BarOfHit(win::WPARAM hit) {
  if (hit == static_cast<win::WPARAM>(win::HTVSCROLL)) return win::SB_VERT;
  if (hit == static_cast<win::WPARAM>(win::HTHSCROLL)) return win::SB_HORZ;
  return -1;
}

}  // namespace

int ShownPressedPart(win::HWND wnd, int barType) {
  const TrackState& t = Track();
  if (t.wnd != wnd || t.bar != barType || !t.pointerOnPart) return spNone;
  return t.pressedPart >= spArrowBefore && t.pressedPart <= spPageAfter ? t.pressedPart : spNone;
}

int HotPartOf(win::HWND wnd, int barType) {
  const TrackState& t = Track();
  return t.hotWnd == wnd && t.hotBar == barType ? t.hotPart : spNone;
}

bool DragRunning(win::HWND wnd, int barType) {
  const TrackState& t = Track();
  return t.wnd == wnd && t.bar == barType && t.pressedPart == spThumb;
}

bool ScrollNCMouseMove(TacScrollWnd& w, const forms::TMessage& m) {
  const int bar = BarOfHit(m.WParam);
  if (bar < 0) return false;
  TrackState& t = Track();
  if (t.hotWnd == w.CtrlHandle && t.hotBar == bar) return false;
  if (t.hotWnd != nullptr && t.hotWnd != w.CtrlHandle && win::IsWindow(t.hotWnd)) {
    win::KillTimer(t.hotWnd, acHoverTimer);
    win::HWND old = t.hotWnd;
    t.hotWnd = nullptr;
    if (TacScrollWnd* ow = TacScrollWnd::ScrollWndOf(old)) ow->PaintBars();
  }
  t.hotWnd = w.CtrlHandle;
  t.hotBar = bar;
  t.hotPart = spNone;
  t.hotRect = w.BarRect(w.Bar(bar));
  win::SetTimer(w.CtrlHandle, acHoverTimer, acHoverPollMs, nullptr);
  w.PaintBars();
  return false;
}

bool ScrollNCLButtonDown(TacScrollWnd& w, const forms::TMessage& m) {
  const int bar = BarOfHit(m.WParam);
  if (bar < 0) return false;
  TacScrollBar& sb = w.Bar(bar);
  w.ReadScrollInfo(sb);
  const win::POINT sp = win::LParamToPoint(m.LParam);
  win::RECT wr;
  win::GetWindowRect(w.CtrlHandle, &wr);
  const gfx::TPoint p{sp.X - wr.Left, sp.Y - wr.Top};
  const int part = w.PartAt(sb, p, ShiftHeld());
  if (part == spNone) return false;
  TrackState& t = Track();
  ClearPress();
  t.wnd = w.CtrlHandle;
  t.bar = bar;
  t.scrollMsg = bar == win::SB_VERT ? win::WM_VSCROLL : win::WM_HSCROLL;
  t.pressedPart = part;
  t.barRect = w.BarRect(sb);
  t.lastPos = sb.ScrollInfo.nPos;
  const int along = sb.Vertical() ? p.Y : p.X;
  int s, e, b;
  Extent(w, sb, s, e, b);
  const TacThumb thumb = ThumbGeometry(sb.ScrollInfo, sb.nMinThumbSize, s, e, b);
  t.thumbLength = thumb.Length;
  const bool enabled = w.BarEnabled(sb);
  switch (part) {
    case spArrowBefore:
    case spArrowAfter: {
      const std::uint32_t flag = part == spArrowBefore ? sfArrowBeforeDisabled : sfArrowAfterDisabled;
      if ((sb.fScrollFlags & flag) == 0 && enabled) StartRepeat(w, sb, part);
      break;
    }
    case spPageBefore:
    case spPageAfter:
      if (enabled) StartRepeat(w, sb, part);
      break;
    case spJump:
      // The thumb's centre jumps to the pointer: one drag step.
      t.offset = thumb.Length / 2;
      DragStep(w, sb, along);
      break;
    case spThumb:
      if (!enabled) break;
      w.fThumbTracking = true;
      sb.ScrollInfo.nTrackPos = sb.ScrollInfo.nPos;
      t.offset = along - thumb.Start;
      RepaintBar(w, sb, thumb.Start);
      break;
    default: break;
  }
  if (t.wnd == w.CtrlHandle && win::IsWindow(w.CtrlHandle)) win::SetCapture(w.CtrlHandle);
  return true;
}

bool ScrollMouseMove(TacScrollWnd& w, const forms::TMessage& m) {
  TrackState& t = Track();
  if (t.wnd != w.CtrlHandle || t.pressedPart == spNone) return false;
  TacScrollBar& sb = w.Bar(t.bar);
  const gfx::TPoint p = ClientToWindow(w.CtrlHandle, win::LParamToPoint(m.LParam));
  if (t.pressedPart == spThumb) {
    if (w.fThumbTracking) DragStep(w, sb, sb.Vertical() ? p.Y : p.X);
    return true;
  }
  if (t.pressedPart <= spPageAfter) {
    const bool on = w.PartAt(sb, p, false) == t.pressedPart;
    if (on != t.pointerOnPart) {
      t.pointerOnPart = on;
      RepaintBar(w, sb);
    }
  }
  return true;
}

void ScrollLButtonUp(TacScrollWnd& w) {
  TrackState& t = Track();
  if (t.wnd != w.CtrlHandle || t.pressedPart == spNone) return;
  t.releasing = true;
  win::ReleaseCapture();
  t.releasing = false;
  const win::HWND wnd = w.CtrlHandle;
  const int part = t.pressedPart;
  TacScrollBar& sb = w.Bar(t.bar);
  if (part <= spPageAfter) {
    win::KillTimer(wnd, acFirstRepeatTimer);
    win::KillTimer(wnd, acRepeatTimer);
  }
  if (part == spThumb && w.fThumbTracking) SendScrollNotification(w, sb, win::SB_THUMBPOSITION, t.lastPos);
  w.fThumbTracking = false;
  if (!win::IsWindow(wnd)) {
    ClearPress();
    return;
  }
  win::EndScrollTrack(wnd, sb.nBarType);
  SendScrollNotification(w, sb, win::SB_ENDSCROLL, t.lastPos);
  ClearPress();
  if (win::IsWindow(wnd)) w.RefreshScrolls(true);
}

bool ScrollTimer(TacScrollWnd& w, const forms::TMessage& m) {
  switch (m.WParam) {
    case acHoverTimer: HoverPoll(w); return true;
    case acFirstRepeatTimer:
      win::KillTimer(w.CtrlHandle, acFirstRepeatTimer);
      win::SetTimer(w.CtrlHandle, acRepeatTimer, acRepeatMs, nullptr);
      RepeatTick(w);
      return true;
    case acRepeatTimer: RepeatTick(w); return true;
    default: return false;
  }
}

void ScrollCaptureLost(TacScrollWnd& w) {
  TrackState& t = Track();
  if (t.releasing || t.wnd != w.CtrlHandle || t.pressedPart == spNone) return;
  win::KillTimer(w.CtrlHandle, acFirstRepeatTimer);
  win::KillTimer(w.CtrlHandle, acRepeatTimer);
  TacScrollBar& sb = w.Bar(t.bar);
  w.fThumbTracking = false;
  win::EndScrollTrack(w.CtrlHandle, sb.nBarType);
  const int last = t.lastPos;
  ClearPress();
  SendScrollNotification(w, sb, win::SB_ENDSCROLL, last);
  if (win::IsWindow(w.CtrlHandle)) w.RefreshScrolls(true);
}

void ForgetScrollTracking(win::HWND wnd) {
  TrackState& t = Track();
  if (t.wnd == wnd) {
    ClearPress();
    if (win::IsWindow(wnd)) {
      win::EndScrollTrack(wnd, win::SB_VERT);
      win::EndScrollTrack(wnd, win::SB_HORZ);
    }
    if (win::GetCapture() == wnd) {
      t.releasing = true;
      win::ReleaseCapture();
      t.releasing = false;
    }
  }
  if (t.hotWnd == wnd) {
    t.hotWnd = nullptr;
    t.hotBar = -1;
    t.hotPart = spNone;
  }
}

void SendScrollNotification(TacScrollWnd& w, TacScrollBar& sb, int code, int pos) {
  const win::HWND wnd = w.CtrlHandle;
  if (!win::IsWindow(wnd)) return;
  const win::UINT msg = sb.Vertical() ? win::WM_VSCROLL : win::WM_HSCROLL;
  const auto lp = win::MAKELPARAM(static_cast<unsigned>(code), msg);
  const bool saved = w.DontRepaint;
  w.DontRepaint = true;
  const bool carriesPos = SendSkinCommand(wnd, scBeforeScroll, lp) == 1;
  if (!carriesPos && win::IsWindow(wnd)) {
    w.ReadScrollInfo(sb);
    if (code == win::SB_THUMBTRACK && !IsListWindow(wnd)) win::SetScrollPos(wnd, sb.nBarType, pos, win::FALSE);
  }
  // The request carries 16 bits of the position; the whole of it is the bar's track
  // position, which the edit and the list box read.
  if (code == win::SB_THUMBTRACK || code == win::SB_THUMBPOSITION) win::SetScrollTrackPos(wnd, sb.nBarType, pos);
  const unsigned low = pos < 0 ? static_cast<unsigned>(pos) & 0xFFFF : static_cast<unsigned>(std::min(pos, 65535));
  if (win::IsWindow(wnd))
    win::SendMessage(wnd, msg, win::MAKEWPARAM(static_cast<unsigned>(code), low), carriesPos ? pos : 0);
  if (win::IsWindow(wnd)) SendSkinCommand(wnd, scAfterScroll, lp);
  w.DontRepaint = saved;
}

}  // namespace skin
