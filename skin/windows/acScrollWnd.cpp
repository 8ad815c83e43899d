// TacScrollWnd: creation, sizes, the non-client layout, rectangles, hit testing and the
// message routing of the skinned scroll bars. Painting is in acScrollBarPaint.cpp, the
// mouse in acScrollTracking.cpp.
#include "skin/windows/acScrollWnd.h"

#include <algorithm>

#include "platform/ctl/EditApi.h"
#include "platform/ctl/ListBoxApi.h"
#include "platform/forms/Controls.h"
#include "platform/win/HitCodes.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/Metrics.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinCommands.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sSkinManager.h"
#include "skin/windows/acScrollBarGeometry.h"
#include "skin/windows/acScrollTracking.h"

namespace skin {

namespace {

constexpr win::DWORD kBarStyle[2] = {win::WS_HSCROLL, win::WS_VSCROLL};

int Scaled(int v, int ppi) { return static_cast<int>(MulDiv64(v, ppi, 96)); }

const TacScrollData* ControlScrollData(const TsCommonData* sd, bool vertical) {
  const auto* swd = dynamic_cast<const TsScrollWndData*>(sd);
  if (swd == nullptr) return nullptr;
  return vertical ? swd->VertScrollData.get() : swd->HorzScrollData.get();
}

void FrameChanged(win::HWND h) {
  win::SetWindowPos(
      h, nullptr, 0, 0, 0, 0,
      win::SWP_FRAMECHANGED | win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOZORDER | win::SWP_NOACTIVATE);
}

}  // namespace

bool MovesContent(win::UINT msg) {
  switch (msg) {
    case win::WM_SIZE:
    case win::WM_SETFONT:
    case win::WM_KEYDOWN:
    case win::WM_KEYUP:
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONUP:
    case win::WM_SETTEXT:
    case ctl::EM_REPLACESEL:
    case ctl::LB_ADDSTRING:
    case ctl::LB_INSERTSTRING:
    case ctl::LB_DELETESTRING:
    case ctl::LB_RESETCONTENT:
    case ctl::LB_SETTOPINDEX:
    case win::WM_MOUSEWHEEL:
    case win::WM_SETFOCUS:
    case win::WM_KILLFOCUS: return true;
    default: return false;
  }
}

TacScrollWnd::TacScrollWnd(win::HWND wnd, const TacSkinParams& params, TsSkinManager* manager, TsCommonData* skinData)
    : TacMainWnd(wnd, params, manager, skinData, false) {
  if (!WindowAlive()) return;
  InitScrollBar(sBarHorz, win::SB_HORZ);
  InitScrollBar(sBarVert, win::SB_VERT);
  fLeftScrollbar = (win::GetWindowLongPtr(wnd, win::GWL_EXSTYLE) & win::WS_EX_LEFTSCROLLBAR) != 0;
  win::SetProp(wnd, acScrollWndProp, static_cast<TacScrollWnd*>(this));
  Subclass();
  ScrollsInitialized = true;
  // The bars' room is now this adapter's to reserve.
  FrameChanged(wnd);
  win::RedrawWindow(wnd, nullptr, nullptr, win::RDW_FRAME | win::RDW_INVALIDATE);
}

TacScrollWnd::~TacScrollWnd() { GiveBarsBack(); }

void TacScrollWnd::LetGo() {
  GiveBarsBack();
  TacMainWnd::LetGo();
}

void TacScrollWnd::GiveBarsBack() {
  if (barsGivenBack_) return;
  barsGivenBack_ = true;
  ForgetScrollTracking(CtrlHandle);
  if (!WindowAlive()) return;
  for (win::UINT_PTR id : {acHoverTimer, acFirstRepeatTimer, acRepeatTimer}) win::KillTimer(CtrlHandle, id);
  if (win::GetProp(CtrlHandle, acScrollWndProp) == static_cast<TacScrollWnd*>(this))
    win::RemoveProp(CtrlHandle, acScrollWndProp);
  UnhookWindow();
  // The window goes back to the platform's own bars.
  FrameChanged(CtrlHandle);
  win::RedrawWindow(CtrlHandle, nullptr, nullptr, win::RDW_FRAME | win::RDW_INVALIDATE);
}

void TacScrollWnd::WindowGone() {
  ForgetScrollTracking(CtrlHandle);
  for (win::UINT_PTR id : {acHoverTimer, acFirstRepeatTimer, acRepeatTimer}) win::KillTimer(CtrlHandle, id);
  if (win::GetProp(CtrlHandle, acScrollWndProp) == static_cast<TacScrollWnd*>(this))
    win::RemoveProp(CtrlHandle, acScrollWndProp);
  fThumbTracking = false;
}

TacScrollWnd* TacScrollWnd::ScrollWndOf(win::HWND wnd) {
  return wnd != nullptr ? static_cast<TacScrollWnd*>(win::GetProp(wnd, acScrollWndProp)) : nullptr;
}

void TacScrollWnd::InitScrollBar(TacScrollBar& sb, int barType) {
  sb.nBarType = barType;
  sb.Owner = this;
  sb.nArrowLength = -1;
  sb.nArrowWidth = -1;
  sb.nMinThumbSize = 16;
  ReadScrollInfo(sb);
}

// ---- Sizes ----

namespace {

// The manager's bar thickness: its ScrollSize, else the platform's bar width at the
// skin's density.
int ManagerScrollSize(const TsSkinManager* m, const TsCommonData* sd, bool vertical) {
  int ppi = 96;
  if (sd != nullptr) {
    if (const TacSkinData* data = const_cast<TsCommonData*>(sd)->GetCommonSkinData()) ppi = data->PPI;
  }
  if (m != nullptr && m->ScrollsOptions.ScrollSize >= 0) {
    int v = m->ScrollsOptions.ScrollSize;
    // From platform version 10 on, the framework's own scaling scales manager values too.
    if (m->Settings.ScaleMode == TacScaleMode::smVCL && (win::GetVersion() & 0xFF) >= 10 && sd != nullptr)
      v = Scaled(v, sd->CurrentPPI);
    return v;
  }
  return Scaled(win::GetSystemMetrics(vertical ? win::SM_CXVSCROLL : win::SM_CYHSCROLL), ppi);
}

}  // namespace

int TacScrollWnd::BarThickness(const TacScrollBar& sb) const {
  if (sb.nArrowWidth >= 0) return sb.nArrowWidth;
  if (const TacScrollData* d = ControlScrollData(SkinData, sb.Vertical()); d != nullptr && d->ScrollWidth() >= 0)
    return Scaled(d->ScrollWidth(), SkinData->CurrentPPI);
  const int own = sb.Vertical() ? Params.VertScrollSize : Params.HorzScrollSize;
  if (own >= 0) return own;
  return ManagerScrollSize(SkinManager, SkinData, sb.Vertical());
}

int TacScrollWnd::ButtonLength(const TacScrollBar& sb) const {
  if (const TacScrollData* d = ControlScrollData(SkinData, sb.Vertical()); d != nullptr && d->ButtonsSize() >= 0)
    return Scaled(d->ButtonsSize(), SkinData->CurrentPPI);
  const int own = sb.Vertical() ? Params.VertScrollBtnSize : Params.HorzScrollBtnSize;
  if (own >= 0) return own;
  if (SkinManager != nullptr && SkinManager->ScrollsOptions.ButtonsSize >= 0) {
    int v = SkinManager->ScrollsOptions.ButtonsSize;
    if (SkinManager->Settings.ScaleMode == TacScaleMode::smVCL && (win::GetVersion() & 0xFF) >= 10 &&
        SkinData != nullptr)
      v = Scaled(v, SkinData->CurrentPPI);
    return v;
  }
  if (sb.nArrowLength >= 0) return sb.nArrowLength;
  return ManagerScrollSize(SkinManager, SkinData, sb.Vertical());
}

// ---- Rectangles ----

gfx::TRect TacScrollWnd::BarRect(const TacScrollBar& sb) const {
  if (!sb.fScrollVisible || !win::IsWindow(CtrlHandle)) return {};
  win::RECT wr;
  win::GetWindowRect(CtrlHandle, &wr);
  const int w = wr.Width(), h = wr.Height();
  const int vt = sBarVert.fScrollVisible ? BarThickness(sBarVert) : 0;
  const int ht = sBarHorz.fScrollVisible ? BarThickness(sBarHorz) : 0;
  if (!sb.Vertical()) {
    const int left = cxLeftEdge + (fLeftScrollbar ? vt : 0), right = w - cxRightEdge - (fLeftScrollbar ? 0 : vt);
    return {left, h - cyBottomEdge - ht, right, h - cyBottomEdge};
  }
  const int top = cyTopEdge, bottom = h - cyBottomEdge - ht;
  if (fLeftScrollbar) return {cxLeftEdge, top, cxLeftEdge + vt, bottom};
  return {w - cxRightEdge - vt, top, w - cxRightEdge, bottom};
}

gfx::TRect TacScrollWnd::CornerRect() const {
  if (!sBarHorz.fScrollVisible || !sBarVert.fScrollVisible) return {};
  const gfx::TRect v = BarRect(sBarVert), h = BarRect(sBarHorz);
  return {v.Left, h.Top, v.Right, h.Bottom};
}

void TacScrollWnd::BarExtent(const TacScrollBar& sb, const gfx::TRect& r, int& s, int& e) const {
  s = sb.Vertical() ? r.Top : r.Left;
  e = sb.Vertical() ? r.Bottom : r.Right;
  // Extra button areas at the ends shorten the track.
  if (sb.fButVisibleBefore) s += sb.nButSizeBefore;
  if (sb.fButVisibleAfter) e -= sb.nButSizeAfter;
}

int TacScrollWnd::PartAt(const TacScrollBar& sb, gfx::TPoint p, bool shift) const {
  const gfx::TRect r = BarRect(sb);
  if (r.IsEmpty()) return spNone;
  const bool across = sb.Vertical() ? (p.X >= r.Left && p.X < r.Right) : (p.Y >= r.Top && p.Y < r.Bottom);
  if (!across) return spNone;
  int s, e;
  BarExtent(sb, r, s, e);
  return PartAlong(sb.ScrollInfo, sb.nMinThumbSize, s, e, ButtonLength(sb), sb.Vertical() ? p.Y : p.X, shift);
}

bool TacScrollWnd::BarEnabled(const TacScrollBar& sb) const {
  if (!win::IsWindow(CtrlHandle)) return false;
  win::SCROLLINFO si;
  si.fMask = win::SIF_RANGE;
  if (!win::GetScrollInfo(CtrlHandle, sb.nBarType, &si)) return (sb.fScrollFlags & sfStyleAsks) != 0;
  if ((sb.fScrollFlags & (sfArrowBeforeDisabled | sfArrowAfterDisabled)) ==
      (sfArrowBeforeDisabled | sfArrowAfterDisabled))
    return false;
  // A bar that cannot scroll is reported with both arrows disabled: "unavailable".
  if (win::GetScrollBarArrows(CtrlHandle, sb.nBarType) == win::ESB_DISABLE_BOTH) return false;
  if (!win::IsWindowEnabled(CtrlHandle)) return false;
  if (SkinData != nullptr && SkinData->FOwnerControl != nullptr && !SkinData->FOwnerControl->Enabled()) return false;
  return true;
}

void TacScrollWnd::ReadScrollInfo(TacScrollBar& sb) {
  if (!win::IsWindow(CtrlHandle)) return;
  sb.ScrollInfo.fMask = win::SIF_ALL;
  win::GetScrollInfo(CtrlHandle, sb.nBarType, &sb.ScrollInfo);
  const win::UINT arrows = win::GetScrollBarArrows(CtrlHandle, sb.nBarType);
  const auto style = static_cast<win::DWORD>(win::GetWindowLongPtr(CtrlHandle, win::GWL_STYLE));
  sb.fScrollFlags = (arrows & 3) | ((style & kBarStyle[sb.nBarType]) != 0 ? sfStyleAsks : 0);
}

void TacScrollWnd::RefreshScrolls(bool repaint) {
  if (SkinData != nullptr && SkinData->FUpdating) return;
  ReadScrollInfo(sBarHorz);
  ReadScrollInfo(sBarVert);
  if (repaint && !DontRepaint) PaintBars();
}

// ---- Messages ----

void TacScrollWnd::acWndProc(forms::TMessage& m) {
  switch (m.Msg) {
    case win::WM_NCCALCSIZE: WMNCCalcSize(m); return;
    case win::WM_NCHITTEST: WMNCHitTest(m); return;
    case win::WM_NCPAINT: WMNCPaint(m); return;
    case win::WM_PRINT: WMPrint(m); return;
    case win::WM_NCMOUSEMOVE:
      if (!ScrollNCMouseMove(*this, m)) CallPrevious(m);
      return;
    case win::WM_NCLBUTTONDOWN:
    case win::WM_NCLBUTTONDBLCLK:
      if (!ScrollNCLButtonDown(*this, m)) CallPrevious(m);
      return;
    case win::WM_MOUSEMOVE:
      if (!ScrollMouseMove(*this, m)) PassOn(m);
      return;
    case win::WM_LBUTTONUP:
      ScrollLButtonUp(*this);
      PassOn(m);
      return;
    case win::WM_TIMER:
      if (!ScrollTimer(*this, m)) CallPrevious(m);
      return;
    case win::WM_STYLECHANGING:
    case win::WM_STYLECHANGED: WMStyleChanged(m); return;
    case win::WM_MOUSEWHEEL: WMMouseWheel(m); return;
    case win::WM_CAPTURECHANGED: WMCaptureChanged(m); return;
    case SkinCmdMessage: SkinCommand(m); return;
    default: PassOn(m); return;
  }
}

void TacScrollWnd::PassOn(forms::TMessage& m) {
  CallPrevious(m);
  if (MovesContent(m.Msg) && WindowAlive()) RefreshScrolls(true);
}

void TacScrollWnd::WMNCCalcSize(forms::TMessage& m) {
  if (KeepsOwnNCLayout()) {
    CallPrevious(m);
    return;
  }
  win::RECT* r = m.WParam != 0 ? &reinterpret_cast<win::NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0]
                               : reinterpret_cast<win::RECT*>(m.LParam);
  const win::RECT window = *r;
  // The default calculation without the scroll styles: the platform reserves no room for
  // bars of its own. The style round trip is not reported to the window.
  const auto style = static_cast<win::DWORD>(win::GetWindowLongPtr(CtrlHandle, win::GWL_STYLE));
  const win::DWORD bars = style & (win::WS_HSCROLL | win::WS_VSCROLL);
  if (bars != 0) {
    bPreventStyleChange = true;
    win::SetWindowLongPtr(CtrlHandle, win::GWL_STYLE, static_cast<win::LONG_PTR>(style & ~bars));
  }
  CallPrevious(m);
  if (bars != 0) {
    win::SetWindowLongPtr(CtrlHandle, win::GWL_STYLE, static_cast<win::LONG_PTR>(style));
    bPreventStyleChange = false;
  }
  // A section whose border image covers less than the platform's border gives the client
  // area the difference.
  if (WidensClientByBorderOffset() && SkinData != nullptr && r->Left - window.Left > 1) {
    if (const TsGeneralData* g = SkinData->Section(); g != nullptr && g->ScrollBorderOffset < 0) {
      const int d = -g->ScrollBorderOffset;
      *r = {r->Left - d, r->Top - d, r->Right + d, r->Bottom + d};
    }
  }
  cxLeftEdge = r->Left - window.Left;
  cxRightEdge = window.Right - r->Right;
  cyTopEdge = r->Top - window.Top;
  cyBottomEdge = window.Bottom - r->Bottom;
  sBarHorz.fScrollFlags = (sBarHorz.fScrollFlags & ~sfStyleAsks) | ((style & win::WS_HSCROLL) ? sfStyleAsks : 0);
  sBarVert.fScrollFlags = (sBarVert.fScrollFlags & ~sfStyleAsks) | ((style & win::WS_VSCROLL) ? sfStyleAsks : 0);
  const int ht = BarThickness(sBarHorz);
  sBarHorz.fScrollVisible = (style & win::WS_HSCROLL) != 0 && r->Height() >= ht;
  if (sBarHorz.fScrollVisible) r->Bottom -= ht;
  const int vt = BarThickness(sBarVert);
  sBarVert.fScrollVisible = (style & win::WS_VSCROLL) != 0 && r->Width() >= vt;
  if (sBarVert.fScrollVisible) {
    if (fLeftScrollbar) r->Left += vt;
    else r->Right -= vt;
  }
}

void TacScrollWnd::WMNCHitTest(forms::TMessage& m) {
  if (SkinManager != nullptr) SkinManager->SetActiveControl(CtrlHandle);
  win::RECT wr;
  win::GetWindowRect(CtrlHandle, &wr);
  const win::POINT sp = win::LParamToPoint(m.LParam);
  const gfx::TPoint p{sp.X - wr.Left, sp.Y - wr.Top};
  if (sBarHorz.fScrollVisible && BarRect(sBarHorz).Contains(p)) {
    m.Result = BarEnabled(sBarHorz) ? win::HTHSCROLL : win::HTNOWHERE;
    return;
  }
  if (sBarVert.fScrollVisible && BarRect(sBarVert).Contains(p)) {
    m.Result = BarEnabled(sBarVert) ? win::HTVSCROLL : win::HTNOWHERE;
    return;
  }
  CallPrevious(m);
}

void TacScrollWnd::PaintFrame(gfx::Surface*, forms::TMessage& m) { CallPrevious(m); }

void TacScrollWnd::WMNCPaint(forms::TMessage& m) {
  if (!CanPaintBars()) {
    CallPrevious(m);
    return;
  }
  gfx::Surface* dc = win::GetWindowDC(CtrlHandle);
  if (dc == nullptr) {
    CallPrevious(m);
    return;
  }
  PaintFrame(dc, m);
  if (WindowAlive()) PaintBars(dc);
  win::ReleaseDC(CtrlHandle, dc);
  m.Result = 0;
}

void TacScrollWnd::WMPrint(forms::TMessage& m) {
  if ((m.LParam & win::PRF_NONCLIENT) == 0 || m.WParam == 0 || !CanPaintBars()) {
    CallPrevious(m);
    return;
  }
  auto* dc = reinterpret_cast<gfx::Surface*>(m.WParam);
  PaintFrame(dc, m);
  if (WindowAlive()) PaintBars(dc);
}

void TacScrollWnd::WMStyleChanged(forms::TMessage& m) {
  // The non-client calculation's own style round trip.
  if (bPreventStyleChange) {
    m.Result = 0;
    return;
  }
  CallPrevious(m);
  if (m.Msg == win::WM_STYLECHANGED && WindowAlive()) RefreshScrolls(false);
}

void TacScrollWnd::WMMouseWheel(forms::TMessage& m) {
  CallPrevious(m);
  if (WindowAlive()) RefreshScrolls(true);
}

void TacScrollWnd::SkinCommand(forms::TMessage& m) {
  CallPrevious(m);
  if (!OwnSkinData || SkinData == nullptr || !WindowAlive()) return;
  switch (SkinCmdOf(m.WParam)) {
    case scNewSkin:
    case scRefresh: SkinData->UpdateIndexes(true); break;
    case scRemoveSkin: SkinData->SkinIndex = -1; break;
    default: return;
  }
  FrameChanged(CtrlHandle);
  win::RedrawWindow(CtrlHandle, nullptr, nullptr, win::RDW_FRAME | win::RDW_INVALIDATE);
}

void TacScrollWnd::WMCaptureChanged(forms::TMessage& m) {
  CallPrevious(m);
  if (reinterpret_cast<win::HWND>(m.LParam) != CtrlHandle) ScrollCaptureLost(*this);
}

}  // namespace skin
