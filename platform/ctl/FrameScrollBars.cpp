// Frame scroll bars: the classic bars of windows with WS_HSCROLL / WS_VSCROLL, painted
// over the plain frame's, and their mouse handling.
#include <algorithm>

#include "platform/ctl/ClassicDraw.h"
#include "platform/ctl/ScrollBarApi.h"
#include "platform/ctl/ScrollBarParts.h"
#include "platform/gfx/Surface.h"
#include "platform/win/HitCodes.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/Metrics.h"
#include "platform/win/PaintApi.h"
#include "platform/win/ScrollApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace ctl {

using namespace win;

namespace {

constexpr const char16_t* kOldProcProp = u"CtlFrameBarsProc";

POINT ClientOrigin(HWND hwnd) {
  POINT o{0, 0};
  ClientToScreen(hwnd, &o);
  RECT wr;
  GetWindowRect(hwnd, &wr);
  return {o.X - wr.Left, o.Y - wr.Top};
}

}  // namespace

RECT FrameBarRect(HWND hwnd, int bar) {
  DWORD style = static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE));
  RECT wr, c;
  GetWindowRect(hwnd, &wr);
  GetClientRect(hwnd, &c);
  POINT o = ClientOrigin(hwnd);
  c = c.Offset(o.X, o.Y);
  int sw = GetSystemMetrics(SM_CXVSCROLL), sh = GetSystemMetrics(SM_CYHSCROLL);
  bool left = (GetWindowLongPtr(hwnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  // A bar shows when the frame left room for it beside the client area.
  bool v = (style & WS_VSCROLL) && (left ? c.Left >= sw : wr.Width() - c.Right >= sw);
  bool h = (style & WS_HSCROLL) && wr.Height() - c.Bottom >= sh;
  if (bar == SB_VERT && v)
    return left ? RECT{c.Left - sw, c.Top, c.Left, c.Bottom} : RECT{c.Right, c.Top, c.Right + sw, c.Bottom};
  if (bar == SB_HORZ && h) return {c.Left, c.Bottom, c.Right, c.Bottom + sh};
  return {};
}

ScrollModel FrameBarModel(HWND hwnd, int bar) {
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  GetScrollInfo(hwnd, bar, &si);
  ScrollModel m;
  m.min = si.nMin;
  m.max = si.nMax;
  m.page = si.nPage;
  m.pos = si.nPos;
  m.disabledArrows = GetScrollBarArrows(hwnd, bar);
  m.enabled = IsWindowEnabled(hwnd) != FALSE;
  return m;
}

namespace {

class FrameSite final : public ScrollSite {
 public:
  FrameSite(HWND hwnd, int bar) : hwnd_(hwnd), bar_(bar) {}
  ScrollModel Model() override { return FrameBarModel(hwnd_, bar_); }
  ScrollLayout Layout() override { return LayoutScrollBar(FrameBarRect(hwnd_, bar_), bar_ == SB_VERT, Model()); }
  POINT FromClient(POINT p) override {
    POINT o = ClientOrigin(hwnd_);
    return {p.X + o.X, p.Y + o.Y};
  }
  void Repaint() override {
    HDC dc = GetWindowDC(hwnd_);
    if (!dc) return;
    PaintScrollBarOf(dc, hwnd_, bar_, Layout(), Model(), PaintStateFor({hwnd_, bar_}));
    ReleaseDC(hwnd_, dc);
  }
  void Notify(WORD code, int pos) override {
    // The drag's full position is the bar's track position while its requests go out.
    bool thumb = code == SB_THUMBTRACK || code == SB_THUMBPOSITION;
    if (thumb) SetScrollTrackPos(hwnd_, bar_, pos);
    SendMessage(hwnd_, bar_ == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, static_cast<unsigned>(pos)), 0);
    if (code == SB_THUMBPOSITION) EndScrollTrack(hwnd_, bar_);
  }

 private:
  HWND hwnd_;
  int bar_;
};

void PaintBars(HWND hwnd, HDC dc) {
  RECT rv = FrameBarRect(hwnd, SB_VERT), rh = FrameBarRect(hwnd, SB_HORZ);
  for (int bar : {SB_VERT, SB_HORZ}) {
    const RECT& r = bar == SB_VERT ? rv : rh;
    if (r.IsEmpty()) continue;
    ScrollModel m = FrameBarModel(hwnd, bar);
    PaintScrollBarOf(dc, hwnd, bar, LayoutScrollBar(r, bar == SB_VERT, m), m, PaintStateFor({hwnd, bar}));
  }
  if (!rv.IsEmpty() && !rh.IsEmpty()) {
    RECT box{rv.Left, rh.Top, rv.Right, rh.Bottom};
    if (ScrollBarPainter* p = GetScrollBarPainter(hwnd)) p->PaintSizeBox(dc, hwnd, box);
    else dc->FillRect(box, gfx::GetSysColor(gfx::COLOR_BTNFACE));
  }
}

void PaintFrameBars(HWND hwnd, HDC printDc) {
  if (printDc) {
    PaintBars(hwnd, printDc);
    return;
  }
  HDC dc = GetWindowDC(hwnd);
  if (!dc) return;
  PaintBars(hwnd, dc);
  ReleaseDC(hwnd, dc);
}

int TrackedBar(HWND hwnd) { return IsTracking({hwnd, SB_VERT}) ? SB_VERT : IsTracking({hwnd, SB_HORZ}) ? SB_HORZ : -1; }

bool HandleMouse(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
      if (wParam != static_cast<WPARAM>(HTVSCROLL) && wParam != static_cast<WPARAM>(HTHSCROLL)) return false;
      int bar = wParam == static_cast<WPARAM>(HTVSCROLL) ? SB_VERT : SB_HORZ;
      POINT p = LParamToPoint(lParam);
      RECT wr;
      GetWindowRect(hwnd, &wr);
      FrameSite site(hwnd, bar);
      TrackPress(site, {hwnd, bar}, {p.X - wr.Left, p.Y - wr.Top});
      return true;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_TIMER:
    case WM_CAPTURECHANGED: {
      int bar = TrackedBar(hwnd);
      if (bar < 0) return false;
      FrameSite site(hwnd, bar);
      if (msg == WM_MOUSEMOVE) TrackMove(site, {hwnd, bar}, LParamToPoint(lParam));
      if (msg == WM_LBUTTONUP) TrackRelease(site, {hwnd, bar});
      if (msg == WM_TIMER) {
        if (wParam != kScrollRepeatTimer) return false;
        TrackTimer(site, {hwnd, bar});
      }
      if (msg == WM_CAPTURECHANGED) {
        if (reinterpret_cast<HWND>(lParam) != hwnd) TrackCancel(site, {hwnd, bar});
        return false;
      }
      return true;
    }
    default: return false;
  }
}

LRESULT AttachedProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto old = reinterpret_cast<WNDPROC>(GetProp(hwnd, kOldProcProp));
  if (!old) return DefWindowProc(hwnd, msg, wParam, lParam);
  if (msg == WM_NCPAINT || (msg == WM_PRINT && (lParam & PRF_NONCLIENT))) {
    LRESULT r = CallWindowProc(old, hwnd, msg, wParam, lParam);
    if (IsWindow(hwnd)) PaintFrameBars(hwnd, msg == WM_PRINT ? reinterpret_cast<HDC>(wParam) : nullptr);
    return r;
  }
  if (msg == WM_NCDESTROY) {
    RemoveProp(hwnd, kOldProcProp);
    if (GetWindowLongPtr(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&AttachedProc))
      SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    return CallWindowProc(old, hwnd, msg, wParam, lParam);
  }
  if (HandleMouse(hwnd, msg, wParam, lParam)) return 0;
  return CallWindowProc(old, hwnd, msg, wParam, lParam);
}

}  // namespace

bool HandleFrameScrollBars(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (msg == WM_NCPAINT || (msg == WM_PRINT && (lParam & PRF_NONCLIENT))) {
    LRESULT r = DefWindowProc(hwnd, msg, wParam, lParam);
    if (IsWindow(hwnd)) PaintFrameBars(hwnd, msg == WM_PRINT ? reinterpret_cast<HDC>(wParam) : nullptr);
    if (result) *result = r;
    return true;
  }
  if (!HandleMouse(hwnd, msg, wParam, lParam)) return false;
  if (result) *result = 0;
  return true;
}

void AttachFrameScrollBars(HWND hwnd) {
  if (!IsWindow(hwnd) || GetProp(hwnd, kOldProcProp)) return;
  LONG_PTR old = GetWindowLongPtr(hwnd, GWLP_WNDPROC);
  SetProp(hwnd, kOldProcProp, reinterpret_cast<HANDLE>(old));
  SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AttachedProc));
  RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

bool GetScrollTrackPos(HWND hwnd, int bar, int* pos) {
  if (TrackedPosition({hwnd, bar}, pos)) return true;
  // A drag run by someone else (a skinned bar) that set the bar's track position.
  if (!IsScrollTracking(hwnd, bar)) return false;
  SCROLLINFO si;
  si.fMask = SIF_TRACKPOS;
  if (!GetScrollInfo(hwnd, bar, &si)) return false;
  if (pos) *pos = si.nTrackPos;
  return true;
}

}  // namespace ctl
