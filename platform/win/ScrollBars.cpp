// The standard scroll bars' model.
#include <algorithm>

#include "platform/win/Internal.h"
#include "platform/win/Messages.h"
#include "platform/win/Positions.h"
#include "platform/win/ScrollApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace win {
using namespace detail;

namespace {

DWORD StyleBit(int bar) { return bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL; }

ScrollBarState* Bar(HWND hwnd, int bar) {
  Window* w = W(hwnd);
  if (!w || (bar != SB_HORZ && bar != SB_VERT)) return nullptr;
  return &w->scroll[bar];
}

void Normalize(ScrollBarState& s) {
  if (s.max < s.min) s.max = s.min;
  unsigned range = static_cast<unsigned>(s.max - s.min) + 1;
  s.page = std::min(s.page, range);
  int last = s.max - std::max(static_cast<int>(s.page) - 1, 0);
  s.pos = std::clamp(s.pos, s.min, std::max(s.min, last));
}

bool Needed(const ScrollBarState& s) {
  return s.max > s.min && static_cast<long long>(s.page) <= static_cast<long long>(s.max) - s.min;
}

void Repaint(HWND hwnd) {
  if (Window* w = W(hwnd)) InvalidateFrame(w);
}

}  // namespace

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* si, BOOL redraw) {
  ScrollBarState* s = Bar(hwnd, bar);
  if (!s || !si) return 0;
  if (si->fMask & SIF_RANGE) {
    s->min = si->nMin;
    s->max = si->nMax;
  }
  if (si->fMask & SIF_PAGE) s->page = si->nPage;
  if (si->fMask & SIF_POS) s->pos = si->nPos;
  Normalize(*s);
  int pos = s->pos;
  if (si->fMask & (SIF_RANGE | SIF_PAGE)) {
    bool needed = Needed(*s);
    if (si->fMask & SIF_DISABLENOSCROLL) {
      s->disabledArrows = needed ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
    } else {
      s->disabledArrows = ESB_ENABLE_BOTH;
      Window* w = W(hwnd);
      if (w && ((w->style & StyleBit(bar)) != 0) != needed) ShowScrollBar(hwnd, bar, needed ? TRUE : FALSE);
    }
  }
  if (redraw) Repaint(hwnd);
  return pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* si) {
  ScrollBarState* s = Bar(hwnd, bar);
  if (!s || !si) return FALSE;
  if (si->fMask & SIF_RANGE) {
    si->nMin = s->min;
    si->nMax = s->max;
  }
  if (si->fMask & SIF_PAGE) si->nPage = s->page;
  if (si->fMask & SIF_POS) si->nPos = s->pos;
  if (si->fMask & SIF_TRACKPOS) si->nTrackPos = s->tracking ? s->trackPos : s->pos;
  return TRUE;
}

BOOL SetScrollTrackPos(HWND hwnd, int bar, int pos) {
  ScrollBarState* s = Bar(hwnd, bar);
  if (!s) return FALSE;
  s->trackPos = pos;
  s->tracking = true;
  return TRUE;
}

BOOL EndScrollTrack(HWND hwnd, int bar) {
  ScrollBarState* s = Bar(hwnd, bar);
  if (!s) return FALSE;
  s->tracking = false;
  return TRUE;
}

bool IsScrollTracking(HWND hwnd, int bar) {
  ScrollBarState* s = Bar(hwnd, bar);
  return s && s->tracking;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
  ScrollBarState* s = Bar(hwnd, bar);
  if (!s) return 0;
  int old = s->pos;
  SCROLLINFO si;
  si.fMask = SIF_POS;
  si.nPos = pos;
  SetScrollInfo(hwnd, bar, &si, redraw);
  return old;
}

int GetScrollPos(HWND hwnd, int bar) {
  ScrollBarState* s = Bar(hwnd, bar);
  return s ? s->pos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int min, int max, BOOL redraw) {
  if (!Bar(hwnd, bar)) return FALSE;
  SCROLLINFO si;
  si.fMask = SIF_RANGE;
  si.nMin = min;
  si.nMax = max;
  SetScrollInfo(hwnd, bar, &si, redraw);
  return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* min, int* max) {
  ScrollBarState* s = Bar(hwnd, bar);
  if (!s) return FALSE;
  if (min) *min = s->min;
  if (max) *max = s->max;
  return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
  Window* w = W(hwnd);
  if (!w) return FALSE;
  DWORD bits = bar == SB_BOTH   ? (WS_HSCROLL | WS_VSCROLL)
               : bar == SB_HORZ ? WS_HSCROLL
               : bar == SB_VERT ? WS_VSCROLL
                                : 0;
  if (!bits) return FALSE;
  DWORD style = show ? (w->style | bits) : (w->style & ~bits);
  if (style == w->style) return TRUE;
  w->style = style;
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bars, UINT arrows) {
  Window* w = W(hwnd);
  if (!w) return FALSE;
  for (int b : {SB_HORZ, SB_VERT})
    if (static_cast<int>(bars) == b || static_cast<int>(bars) == SB_BOTH) w->scroll[b].disabledArrows = arrows & 3;
  Repaint(hwnd);
  return TRUE;
}

UINT GetScrollBarArrows(HWND hwnd, int bar) {
  ScrollBarState* s = Bar(hwnd, bar);
  return s ? s->disabledArrows : ESB_DISABLE_BOTH;
}

}  // namespace win
