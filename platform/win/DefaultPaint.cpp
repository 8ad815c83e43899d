// The default look before anyone paints a window: the class background, the classic
// frame (ClassicFrame.cpp) with client and static edges and scroll bar areas, and
// WM_PRINT's copy of a window and its children.
#include <algorithm>

#include "platform/gfx/ClassicLook.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "platform/win/ClassicFrame.h"
#include "platform/win/Internal.h"
#include "platform/win/Messages.h"
#include "platform/win/Metrics.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Styles.h"

namespace win {
namespace detail {

namespace {

using gfx::TRect;

// A classic scroll bar: two arrow boxes, the track, and a thumb sized by the page when
// the bar can scroll.
void DrawScrollBar(gfx::Surface& s, const TRect& bar, bool vertical, const ScrollBarState& m) {
  s.FillRect(bar, gfx::GetSysColor(gfx::COLOR_SCROLLBAR));
  int len = vertical ? bar.Height() : bar.Width();
  int b = std::min(vertical ? bar.Width() : bar.Height(), len / 2);
  auto along = [&](int a0, int a1) {
    return vertical ? TRect{bar.Left, bar.Top + a0, bar.Right, bar.Top + a1}
                    : TRect{bar.Left + a0, bar.Top, bar.Left + a1, bar.Bottom};
  };
  gfx::classic::RaisedBox(s, along(0, b));
  gfx::classic::RaisedBox(s, along(len - b, len));
  long long range = static_cast<long long>(m.max) - m.min + 1;
  int track = len - 2 * b;
  bool canScroll = m.disabledArrows != 3 && range > 1 && static_cast<long long>(m.page) < range;
  if (!canScroll || track < 8) return;
  int thumb = m.page ? static_cast<int>(track * static_cast<long long>(m.page) / range) : b;
  thumb = std::clamp(thumb, std::min(8, track), track);
  long long free = range - std::max<long long>(m.page, 1);
  int offset = free > 0 ? static_cast<int>((static_cast<long long>(m.pos) - m.min) * (track - thumb) / free) : 0;
  offset = std::clamp(offset, 0, track - thumb);
  gfx::classic::RaisedBox(s, along(b + offset, b + offset + thumb));
}

void DrawFrame(Window* w, gfx::Surface& s) {
  TRect r = DrawClassicFrame(w, s);
  DWORD st = w->style, ex = w->exStyle;
  using gfx::classic::EmptyRect;
  if (ex & WS_EX_CLIENTEDGE) gfx::classic::DrawEdge(s, r, gfx::classic::Edge::Sunken, EmptyRect::AsPlaced);
  if (ex & WS_EX_STATICEDGE)
    gfx::classic::Frame(s, r, gfx::classic::Sys(gfx::COLOR_BTNSHADOW), gfx::classic::Sys(gfx::COLOR_BTNHIGHLIGHT),
                        EmptyRect::AsPlaced);
  const TRect& c = w->client;
  int sw = GetSystemMetrics(SM_CXVSCROLL), sh = GetSystemMetrics(SM_CYHSCROLL);
  bool v = (st & WS_VSCROLL) && c.Right + sw <= r.Right;
  bool h = (st & WS_HSCROLL) && c.Bottom + sh <= r.Bottom;
  if (v) DrawScrollBar(s, {c.Right, c.Top, c.Right + sw, c.Bottom}, true, w->scroll[1]);
  if (h) DrawScrollBar(s, {c.Left, c.Bottom, c.Right, c.Bottom + sh}, false, w->scroll[0]);
  if (v && h) s.FillRect({c.Right, c.Bottom, c.Right + sw, c.Bottom + sh}, gfx::GetSysColor(gfx::COLOR_BTNFACE));
}

}  // namespace

LRESULT DefEraseBackground(HWND hwnd, HDC dc) {
  Window* w = W(hwnd);
  if (!w || !dc || !w->cls) return 0;
  TRect box;
  dc->ClipBox(box);
  return FillWithBrush(*dc, box, w->cls->background) ? 1 : 0;
}

void DefNcPaint(HWND hwnd) {
  Window* w = W(hwnd);
  if (!w || w->client == TRect{0, 0, w->rect.Width(), w->rect.Height()}) return;
  HDC dc = GetWindowDC(hwnd);
  dc->ExcludeClip(w->client);
  DrawFrame(w, *dc);
  ReleaseDC(hwnd, dc);
}

void DefPrint(HWND hwnd, HDC dc, LPARAM flags) {
  Window* w = W(hwnd);
  if (!w || !dc) return;
  if ((flags & PRF_CHECKVISIBLE) && !VisibleOnScreen(w)) return;
  if (flags & PRF_NONCLIENT) {
    int level = dc->Save();
    dc->ExcludeClip(w->client);
    DrawFrame(w, *dc);
    dc->Restore(level);
  }
  int level = dc->Save();
  dc->OffsetViewportOrg(w->client.Left, w->client.Top);
  dc->IntersectClip({0, 0, w->client.Width(), w->client.Height()});
  if (flags & PRF_ERASEBKGND) Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  if ((flags & PRF_CLIENT) && W(hwnd)) Send(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), flags);
  if ((flags & PRF_CHILDREN) && (w = W(hwnd))) {
    std::vector<HWND> kids;
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it) kids.push_back((*it)->handle);
    for (HWND k : kids) {
      Window* c = W(k);
      if (!c || !c->Visible()) continue;
      int l2 = dc->Save();
      dc->OffsetViewportOrg(c->rect.Left, c->rect.Top);
      dc->IntersectClip({0, 0, c->rect.Width(), c->rect.Height()});
      Send(k, WM_PRINT, reinterpret_cast<WPARAM>(dc), (flags & ~PRF_CHECKVISIBLE) | PRF_NONCLIENT);
      dc->Restore(l2);
    }
  }
  dc->Restore(level);
}

}  // namespace detail

}  // namespace win
