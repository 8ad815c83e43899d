// The scroll bar mouse: press, repeat, thumb drag and release.
#include "platform/ctl/ScrollBarParts.h"

#include "platform/win/InputApi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowApi.h"

namespace ctl {

namespace {

constexpr win::UINT kFirstDelayMs = 300;
constexpr win::UINT kRepeatMs = 55;

struct Tracking {
  bool active = false;
  ScrollBarId id;
  ScrollPart part = ScrollPart::None;
  bool onPart = false;  // the pointer is over the held part (repeats run, it shows pressed)
  win::POINT last;      // last pointer place, site coordinates
  int grab = 0;         // pointer offset inside the thumb
  int thumbStart = 0;   // where the dragged thumb is
  int position = 0;     // last position sent while dragging
  bool firstDelay = false;
  bool finishingThumb = false;  // the drag's SB_THUMBPOSITION is being sent
};

Tracking& T() {
  static Tracking t;
  return t;
}

int Along(const ScrollLayout& l, win::POINT p) { return l.vertical ? p.Y - l.bar.Top : p.X - l.bar.Left; }

// Sends the held part's request; false when the tracking ended meanwhile.
bool SendRepeat(ScrollSite& site, ScrollBarId id) {
  site.Notify(static_cast<win::WORD>(T().part), 0);
  return T().active && T().id == id && win::IsWindow(id.hwnd);
}

void Finish(ScrollSite& site, ScrollBarId id, bool released) {
  Tracking t = T();
  T() = {};
  win::KillTimer(id.hwnd, kScrollRepeatTimer);
  if (released && win::GetCapture() == id.hwnd) win::ReleaseCapture();
  if (t.part == ScrollPart::Thumb) {
    T().id = id;
    T().position = t.position;
    T().finishingThumb = true;
    site.Notify(win::SB_THUMBPOSITION, t.position);
    if (T().finishingThumb) T() = {};
  }
  if (!win::IsWindow(id.hwnd)) return;
  site.Notify(win::SB_ENDSCROLL, 0);
  if (win::IsWindow(id.hwnd)) site.Repaint();
}

}  // namespace

bool TrackPress(ScrollSite& site, ScrollBarId id, win::POINT p) {
  ScrollModel m = site.Model();
  ScrollLayout l = site.Layout();
  ScrollPart part = PartAt(l, p);
  if (part == ScrollPart::None) return false;
  if (!CanScroll(m)) return true;
  if ((part == ScrollPart::LineBefore && (m.disabledArrows & 1)) ||
      (part == ScrollPart::LineAfter && (m.disabledArrows & 2)))
    return true;
  if (T().active) TrackCancel(site, T().id);
  Tracking& t = T();
  t = {};
  t.active = true;
  t.id = id;
  t.part = part;
  t.onPart = true;
  t.last = p;
  win::SetCapture(id.hwnd);
  if (part == ScrollPart::Thumb) {
    t.grab = Along(l, p) - l.thumbStart;
    t.thumbStart = l.thumbStart;
    t.position = m.pos;
    site.Repaint();
    return true;
  }
  site.Repaint();
  if (!SendRepeat(site, id)) return true;
  T().firstDelay = true;
  win::SetTimer(id.hwnd, kScrollRepeatTimer, kFirstDelayMs, nullptr);
  return true;
}

void TrackMove(ScrollSite& site, ScrollBarId id, win::POINT client) {
  Tracking& t = T();
  if (!t.active || !(t.id == id)) return;
  win::POINT p = site.FromClient(client);
  t.last = p;
  ScrollLayout l = site.Layout();
  if (t.part == ScrollPart::Thumb) {
    ScrollModel m = site.Model();
    int start = ClampThumb(l, Along(l, p) - t.grab);
    bool moved = start != t.thumbStart;
    t.thumbStart = start;
    int pos = PositionForThumb(l, m, start);
    if (pos != t.position) {
      t.position = pos;
      site.Notify(win::SB_THUMBTRACK, pos);
      if (!T().active || !win::IsWindow(id.hwnd)) return;
    }
    if (moved) site.Repaint();
    return;
  }
  bool on = PartAt(l, p) == t.part;
  if (on != t.onPart) {
    t.onPart = on;
    site.Repaint();
  }
}

void TrackTimer(ScrollSite& site, ScrollBarId id) {
  Tracking& t = T();
  if (!t.active || !(t.id == id) || t.part == ScrollPart::Thumb) {
    win::KillTimer(id.hwnd, kScrollRepeatTimer);
    return;
  }
  if (t.firstDelay) {
    t.firstDelay = false;
    win::SetTimer(id.hwnd, kScrollRepeatTimer, kRepeatMs, nullptr);
  }
  // The page parts shrink as the thumb moves toward the pointer: look again each time.
  bool on = PartAt(site.Layout(), t.last) == t.part;
  if (on != t.onPart) {
    t.onPart = on;
    site.Repaint();
  }
  if (on) SendRepeat(site, id);
}

void TrackRelease(ScrollSite& site, ScrollBarId id) {
  if (T().active && T().id == id) Finish(site, id, true);
}

void TrackCancel(ScrollSite& site, ScrollBarId id) {
  if (T().active && T().id == id) Finish(site, id, false);
}

bool IsTracking(ScrollBarId id) { return T().active && T().id == id; }

bool IsTrackingWindow(win::HWND hwnd) { return T().active && T().id.hwnd == hwnd; }

ScrollPaintState PaintStateFor(ScrollBarId id) {
  ScrollPaintState st;
  const Tracking& t = T();
  if (!t.active || !(t.id == id)) return st;
  if (t.part == ScrollPart::Thumb) {
    st.thumbStart = t.thumbStart;
  } else if (t.onPart) {
    st.pressed = t.part;
  }
  return st;
}

bool TrackedPosition(ScrollBarId id, int* pos) {
  const Tracking& t = T();
  if (!(t.id == id) || !((t.active && t.part == ScrollPart::Thumb) || t.finishingThumb)) return false;
  if (pos) *pos = t.position;
  return true;
}

}  // namespace ctl
