// The "ScrollBar" control: a stand-alone bar in its client area that keeps its own
// scroll model (SBM_ messages) and reports to its parent with WM_HSCROLL / WM_VSCROLL
// carrying its handle; with SBS_SIZEGRIP / SBS_SIZEBOX it is the size grip that starts
// sizing its top-level window.
#include <algorithm>

#include "platform/ctl/ClassicDraw.h"
#include "platform/ctl/ControlBase.h"
#include "platform/ctl/ControlProcs.h"
#include "platform/ctl/DialogApi.h"
#include "platform/ctl/ScrollBarApi.h"
#include "platform/ctl/ScrollBarParts.h"
#include "platform/win/InputApi.h"
#include "platform/win/Keys.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/ScrollApi.h"
#include "platform/win/Styles.h"

namespace ctl::detail {

using namespace win;

class ScrollBarControl final : public ControlObject, public ScrollSite {
 public:
  ScrollBarControl(HWND h, const CREATESTRUCT&) : ControlObject(h) {}
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

  ScrollModel Model() override {
    ScrollModel m = model_;
    m.enabled = IsWindowEnabled(hwnd) != FALSE;
    return m;
  }
  ScrollLayout Layout() override {
    RECT c;
    GetClientRect(hwnd, &c);
    return LayoutScrollBar(c, Vertical(), Model());
  }
  POINT FromClient(POINT p) override { return p; }
  void Repaint() override {
    HDC dc = GetDC(hwnd);
    if (!dc) return;
    RECT c;
    GetClientRect(hwnd, &c);
    Paint(dc, c);
    ReleaseDC(hwnd, dc);
  }
  void Notify(WORD code, int pos) override {
    if (code == SB_THUMBTRACK) trackPos_ = pos;
    if (HWND parent = GetParent(hwnd))
      SendMessage(parent, Vertical() ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, static_cast<unsigned>(pos)),
                  reinterpret_cast<LPARAM>(hwnd));
  }

 private:
  DWORD Style() const { return static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE)); }
  bool Vertical() const { return (Style() & SBS_VERT) != 0; }
  bool Grip() const { return (Style() & (SBS_SIZEGRIP | SBS_SIZEBOX)) != 0; }
  ScrollBarId Id() const { return {hwnd, SB_CTL}; }
  int SetInfo(const SCROLLINFO& si, bool redraw);
  void Paint(HDC dc, const RECT& area) override;

  ScrollModel model_;
  int trackPos_ = 0;
};

int ScrollBarControl::SetInfo(const SCROLLINFO& si, bool redraw) {
  ScrollModel& m = model_;
  if (si.fMask & SIF_RANGE) {
    m.min = si.nMin;
    m.max = std::max(si.nMax, si.nMin);
  }
  if (si.fMask & SIF_PAGE) m.page = si.nPage;
  if (si.fMask & SIF_POS) m.pos = si.nPos;
  long long range = static_cast<long long>(m.max) - m.min + 1;
  m.page = static_cast<unsigned>(std::min<long long>(m.page, range));
  long long last = static_cast<long long>(m.max) - std::max<long long>(static_cast<long long>(m.page) - 1, 0);
  m.pos = static_cast<int>(std::clamp<long long>(m.pos, m.min, std::max<long long>(m.min, last)));
  if (redraw) InvalidateRect(hwnd, nullptr, FALSE);
  return m.pos;
}

void ScrollBarControl::Paint(HDC dc, const RECT&) {
  RECT c;
  GetClientRect(hwnd, &c);
  if (Grip()) {
    PaintColors colors = ParentColors(hwnd, WM_CTLCOLORSCROLLBAR, dc, 0, gfx::GetSysColor(gfx::COLOR_BTNFACE));
    dc->FillRect(c, colors.back);
    if (Style() & SBS_SIZEGRIP) draw::DrawSizeGrip(dc, c);
    return;
  }
  PaintScrollBarOf(dc, hwnd, SB_CTL, Layout(), Model(), PaintStateFor(Id()));
}

LRESULT ScrollBarControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case SBM_SETPOS: {
      int old = model_.pos;
      SCROLLINFO si;
      si.fMask = SIF_POS;
      si.nPos = static_cast<int>(static_cast<LONG>(wParam));
      SetInfo(si, lParam != 0);
      return old;
    }
    case SBM_GETPOS: return model_.pos;
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
      int old = model_.pos;
      SCROLLINFO si;
      si.fMask = SIF_RANGE;
      si.nMin = static_cast<int>(static_cast<LONG>(wParam));
      si.nMax = static_cast<int>(lParam);
      SetInfo(si, msg == SBM_SETRANGEREDRAW);
      return old;
    }
    case SBM_GETRANGE:
      if (wParam) *reinterpret_cast<int*>(wParam) = model_.min;
      if (lParam) *reinterpret_cast<int*>(lParam) = model_.max;
      return 0;
    case SBM_ENABLE_ARROWS:
      model_.disabledArrows = static_cast<unsigned>(wParam) & 3;
      InvalidateRect(hwnd, nullptr, FALSE);
      return TRUE;
    case SBM_SETSCROLLINFO: {
      auto* si = reinterpret_cast<const SCROLLINFO*>(lParam);
      return si ? SetInfo(*si, wParam != 0) : 0;
    }
    case SBM_GETSCROLLINFO: {
      auto* si = reinterpret_cast<SCROLLINFO*>(lParam);
      if (!si) return FALSE;
      if (si->fMask & SIF_RANGE) {
        si->nMin = model_.min;
        si->nMax = model_.max;
      }
      if (si->fMask & SIF_PAGE) si->nPage = model_.page;
      if (si->fMask & SIF_POS) si->nPos = model_.pos;
      if (si->fMask & SIF_TRACKPOS) si->nTrackPos = IsTracking(Id()) ? trackPos_ : model_.pos;
      return TRUE;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      POINT p = LParamToPoint(lParam);
      if (Grip()) {
        ClientToScreen(hwnd, &p);
        if (HWND top = GetAncestor(hwnd, GA_ROOT))
          SendMessage(top, WM_SYSCOMMAND, SC_SIZE + WMSZ_BOTTOMRIGHT, PointToLParam(p));
        return 0;
      }
      if (Style() & WS_TABSTOP) SetFocus(hwnd);
      if (IsWindow(hwnd)) TrackPress(*this, Id(), p);
      return 0;
    }
    case WM_MOUSEMOVE: TrackMove(*this, Id(), LParamToPoint(lParam)); return 0;
    case WM_LBUTTONUP: TrackRelease(*this, Id()); return 0;
    case WM_TIMER:
      if (wParam == kScrollRepeatTimer) TrackTimer(*this, Id());
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd) TrackCancel(*this, Id());
      return 0;
    case WM_KEYDOWN: {
      WORD code;
      switch (wParam) {
        case VK_UP:
        case VK_LEFT: code = SB_LINEUP; break;
        case VK_DOWN:
        case VK_RIGHT: code = SB_LINEDOWN; break;
        case VK_PRIOR: code = SB_PAGEUP; break;
        case VK_NEXT: code = SB_PAGEDOWN; break;
        case VK_HOME: code = SB_TOP; break;
        case VK_END: code = SB_BOTTOM; break;
        default: return 0;
      }
      Notify(code, 0);
      if (IsWindow(hwnd)) Notify(SB_ENDSCROLL, 0);
      return 0;
    }
    case WM_SETCURSOR:
      if (Grip()) {
        SetCursor(LoadCursor(nullptr, IDC_SIZENWSE));
        return TRUE;
      }
      return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_ENABLE:
    case WM_SIZE:
    case WM_STYLECHANGED: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

LRESULT ScrollBarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return InstanceProc<ScrollBarControl>(hwnd, msg, wParam, lParam);
}

}  // namespace ctl::detail
