#include "skin/windows/acEditWnd.h"

#include "platform/base/TextCase.h"
#include "platform/ctl/EditApi.h"
#include "platform/gfx/Surface.h"
#include "platform/win/InputApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/controls/acControlKinds.h"
#include "skin/controls/sCommonData.h"
#include "skin/render/acBackgroundQuery.h"
#include "skin/render/acPaintSection.h"

namespace skin {

namespace {

TacSkinParams WithEditSection(TacSkinParams p) {
  if (p.SkinSection.empty()) p.SkinSection = u"EDIT";
  return p;
}

}  // namespace

TacEditWnd::TacEditWnd(win::HWND wnd, const TacSkinParams& params, TsSkinManager* manager, TsCommonData* skinData)
    : TacBaseWnd(wnd, WithEditSection(params), manager, skinData) {
  if (OwnSkinData && SkinData != nullptr) SkinData->COC = cocEditAdapter;
}

bool TacEditWnd::KeepsOwnNCLayout() const {
  if (!win::IsWindow(CtrlHandle)) return true;
  const bool edit = base::ToLowerAscii(win::GetClassName(CtrlHandle)) == u"edit";
  return edit && (win::GetWindowLongPtr(CtrlHandle, win::GWL_STYLE) & ctl::ES_MULTILINE) == 0;
}

void TacEditWnd::acWndProc(forms::TMessage& m) {
  switch (m.Msg) {
    case win::WM_SETFOCUS:
    case win::WM_KILLFOCUS: WMFocusChanged(m); return;
    default: TacBaseWnd::acWndProc(m); return;
  }
}

void TacEditWnd::WMFocusChanged(forms::TMessage& m) {
  PassOn(m);
  // The frame shows the focused state.
  if (WindowAlive() && !DontRepaint)
    win::RedrawWindow(CtrlHandle, nullptr, nullptr, win::RDW_FRAME | win::RDW_INVALIDATE);
}

void TacEditWnd::PaintFrame(gfx::Surface* dc, forms::TMessage& m) {
  const TsGeneralData* g = SkinData != nullptr ? SkinData->Section() : nullptr;
  TacSkinData* data = SkinData != nullptr ? SkinData->GetCommonSkinData() : nullptr;
  if (g == nullptr || data == nullptr) {
    TacBaseWnd::PaintFrame(dc, m);
    return;
  }
  // Printing: the window puts its client area (and its classic frame) first.
  if (m.Msg == win::WM_PRINT) CallPrevious(m);
  win::RECT wr;
  win::GetWindowRect(CtrlHandle, &wr);
  const int w = wr.Width(), h = wr.Height();
  if (w <= 0 || h <= 0) return;
  TsBackgroundQuery q;
  const win::HWND parent = win::GetParent(CtrlHandle);
  QueryParentBackground(q, parent, false);
  win::POINT at{wr.Left, wr.Top};
  if (parent != nullptr) win::ScreenToClient(parent, &at);
  const TacBgInfo bg = ToBgInfo(q);
  Bitmap32 bmp(w, h);
  const int state = win::GetFocus() == CtrlHandle ? 1 : 0;
  PaintSection(SkinData->SkinIndex, bg, -1, -1, data, &bmp, {at.X, at.Y}, {0, 0, w, h}, state);
  // Only the frame: the client area and the bars are painted by others.
  const gfx::TRect strips[4] = {{0, 0, w, cyTopEdge},
                                {0, h - cyBottomEdge, w, h},
                                {0, cyTopEdge, cxLeftEdge, h - cyBottomEdge},
                                {w - cxRightEdge, cyTopEdge, w, h - cyBottomEdge}};
  for (const gfx::TRect& r : strips)
    if (!r.IsEmpty()) dc->BitBlt(r.Left, r.Top, r.Width(), r.Height(), bmp.Canvas(), r.Left, r.Top, gfx::SRCCOPY);
  m.Result = 0;
}

}  // namespace skin
