// TsMemo: construction, the window procedure's dispatch, the skin commands it answers, the
// state colours, its window adapter and, without one, its own frame.
#include "skin/controls/sMemo.h"

#include "platform/ctl/EditApi.h"
#include "platform/forms/Graphics.h"
#include "platform/gfx/Surface.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/controls/acCachePaint.h"
#include "skin/controls/acCommonControlMessage.h"
#include "skin/controls/acControlKinds.h"
#include "skin/controls/acControlSection.h"
#include "skin/controls/acEditAdapter.h"
#include "skin/controls/acSkinCommandDispatch.h"
#include "skin/controls/sBoundLabel.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sSkinManager.h"

namespace skin {

namespace {

using forms::TMessage;

constexpr char16_t kEditSection[] = u"EDIT";
constexpr win::WPARAM kCtrlA = 0x01;

// The width of the platform's frame around the memo's client area and scroll bars.
int FrameWidth(const forms::TCustomEdit& e) {
  if (e.BorderStyle() == forms::TBorderStyle::bsNone) return 0;
  return e.Ctl3D() ? 2 : 1;
}

}  // namespace

TsMemo::TsMemo(forms::TComponent* owner) : forms::TMemo(owner) {
  FCommonData = std::make_unique<TsScrollWndData>(this, true);
  FCommonData->COC = cocMemo;
  FBoundLabel = std::make_unique<TsBoundLabel>(this);
}

TsMemo::~TsMemo() {
  FListSW.reset();
  FCommonData.reset();
}

void TsMemo::SetDisabledKind(TsDisabledKind v) {
  if (FDisabledKind == v) return;
  FDisabledKind = v;
  if (!Enabled()) FCommonData->Invalidate(false);
}

// Clearing an empty memo is still a clearing: the change is told all the same, so that
// whoever counts the lines sees the count of an empty list.
void TsMemo::SetText(const std::u16string& s) {
  if (s.empty() && !IsLoading() && GetText().empty()) {
    Perform(forms::CM_TEXTCHANGED);
    return;
  }
  forms::TMemo::SetText(s);
}

void TsMemo::Loaded() {
  forms::TMemo::Loaded();
  FCommonData->Loaded(true);
  CreateAdapter();
}

void TsMemo::CreateWnd() {
  forms::TMemo::CreateWnd();
  if (IsLoading() || IsDestroying()) return;
  FCommonData->Loaded(true);
  CreateAdapter();
}

void TsMemo::DestroyWnd() {
  FreeAdapter();
  forms::TMemo::DestroyWnd();
}

void TsMemo::CreateAdapter() {
  TacEditAdapterMaker maker = EditAdapterMaker();
  if (FListSW != nullptr || maker == nullptr || !HandleAllocated() || !FCommonData->Skinned()) return;
  FListSW = maker(*this, *FCommonData);
}

void TsMemo::FreeAdapter() { FListSW.reset(); }

void TsMemo::RedrawWithFrame() {
  if (!HandleAllocated() || !Showing()) return;
  win::RedrawWindow(Handle(), nullptr, nullptr, win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_FRAME);
}

// ---- The window procedure ----

void TsMemo::WndProc(TMessage& m) {
  // The skin state goes before the window when the control is freed.
  if (FCommonData == nullptr) {
    forms::TMemo::WndProc(m);
    return;
  }
  TsScrollWndData& sd = *FCommonData;
  if (m.Msg == SkinCmdMessage) {
    if (SkinCommand(m)) return;
    forms::TMemo::WndProc(m);
    return;
  }
  if (m.Msg == win::WM_CREATE || m.Msg == win::WM_NCCREATE) sd.InitCommonProp();
  if (m.Msg == win::WM_NCDESTROY) {
    // The adapter goes with the window (it has already let go of it).
    forms::TMemo::WndProc(m);
    FreeAdapter();
    return;
  }
  if (Parent() == nullptr || !HandleAllocated() || !sd.Skinned(true)) {
    forms::TMemo::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case win::WM_PAINT: WMPaint(m); return;
    case win::WM_NCPAINT: WMNCPaint(m); return;
    case win::WM_CHAR:
      if (m.WParam == kCtrlA) {
        WMChar(m);
        return;
      }
      break;
    case forms::CM_FONTCHANGED:
      forms::TMemo::WndProc(m);
      RedrawWithFrame();
      return;
    default: break;
  }
  if (CommonControlMessage(m, sd)) return;
  forms::TMemo::WndProc(m);
  AfterStandard(m);
}

bool TsMemo::SkinCommand(TMessage& m) {
  TsScrollWndData& sd = *FCommonData;
  switch (SkinCmdOf(m.WParam)) {
    case scNewSkin:
      if (IsOwnManager(m, sd)) DispatchSkinCommand(m, sd);
      return true;
    case scRemoveSkin: SCRemoveSkin(m); return true;
    case scRefresh: SCRefresh(m); return true;
    case scIsSkinned:
    case scGetDefaultKind: m.Result = 1; return true;
    case scGetDefaultIndex: {
      TsSkinManager* mgr = sd.GetSkinManager();
      m.Result = mgr != nullptr ? mgr->GetSkinIndex(kEditSection) + 1 : 0;
      return true;
    }
    default: return DispatchSkinCommand(m, sd);
  }
}

// The skin goes: the adapter is freed and the window made again, so that the platform
// paints its own frame and scroll bars from the start.
void TsMemo::SCRemoveSkin(TMessage& m) {
  TsScrollWndData& sd = *FCommonData;
  if (!IsOwnManager(m, sd)) return;
  DispatchSkinCommand(m, sd);
  FreeAdapter();
  if (HandleAllocated() && !IsDestroying() && Parent() != nullptr) RecreateWnd();
}

void TsMemo::SCRefresh(TMessage& m) {
  TsScrollWndData& sd = *FCommonData;
  if (!IsOwnManager(m, sd)) return;
  CreateAdapter();
  DispatchSkinCommand(m, sd);
  RedrawWithFrame();
}

// ---- Painting ----

// The colours of the state the memo is in: focused takes the section's second record
// whatever number of states it has. The colours a user's custom colour is restored from
// (SavedColor, SavedFontColor) are left as they are.
void TsMemo::FollowStateColors() {
  TsScrollWndData& sd = *FCommonData;
  const TsGeneralData* g = sd.Section96();
  if (g == nullptr) return;
  const TsGenState& p = g->Props[sd.FFocused ? 1 : 0];
  if (!sd.FCustomColor && Color() != p.Color) {
    sd.BGChanged = true;
    SetColor(p.Color);
  }
  if (!sd.FCustomFont && Font()->Color() != p.FontColor.Color) {
    sd.CtrlSkinState |= cssChangingColors;
    Font()->SetColor(p.FontColor.Color);
    sd.CtrlSkinState &= ~static_cast<std::uint32_t>(cssChangingColors);
  }
}

void TsMemo::WMPaint(TMessage& m) {
  FollowStateColors();
  if (FCommonData->FUpdating) {
    ValidateOnly(Handle());
    m.Result = 0;
    return;
  }
  forms::TMemo::WndProc(m);
}

// Without an adapter: the platform's frame and scroll bars, then the section's border over
// the frame strips.
void TsMemo::WMNCPaint(TMessage& m) {
  forms::TMemo::WndProc(m);
  TsScrollWndData& sd = *FCommonData;
  const int b = FrameWidth(*this);
  if (FListSW != nullptr || b == 0 || sd.FUpdating || !win::IsWindowVisible(Handle())) return;
  if (sd.BGChanged || !sd.CacheValid()) {
    if (!sd.PrepareCacheBitmap()) return;
    TsBackgroundQuery q;
    QueryParentBackground(q, Parent(), false);
    if (q.Kind == bqNotReady) return;
    PaintControlSection(sd, ToBgInfo(q), false, sd.FCacheBmp.get(), {Left(), Top()}, {0, 0, Width(), Height()},
                        sd.CommonState());
    RefreshControlCorners(sd.FCacheBmp.get(), sd, sd.CommonState());
    sd.BGChanged = false;
  }
  win::HDC dc = win::GetWindowDC(Handle());
  if (dc == nullptr) return;
  const gfx::Surface& src = sd.FCacheBmp->Canvas();
  const int w = Width(), h = Height();
  dc->BitBlt(0, 0, b, h, src, 0, 0, gfx::SRCCOPY);
  dc->BitBlt(0, 0, w, b, src, 0, 0, gfx::SRCCOPY);
  dc->BitBlt(w - b, 0, b, h, src, w - b, 0, gfx::SRCCOPY);
  dc->BitBlt(0, h - b, w, b, src, 0, h - b, gfx::SRCCOPY);
  win::ReleaseDC(Handle(), dc);
}

// Ctrl+A selects the whole text; its character goes no further.
void TsMemo::WMChar(TMessage& m) {
  SelectAll();
  m.Result = 0;
}

void TsMemo::AfterStandard(TMessage& m) {
  TsScrollWndData& sd = *FCommonData;
  switch (m.Msg) {
    case win::WM_SETFONT:
    case forms::CM_VISIBLECHANGED:
    case forms::CM_ENABLEDCHANGED: sd.Invalidate(false); return;
    case ctl::EM_SCROLLCARET:
      if (OnScrollCaret) OnScrollCaret(this);
      return;
    case win::WM_VSCROLL:
      if (OnVScroll) OnVScroll(this);
      return;
    case win::WM_SETTEXT:
    case forms::CM_TEXTCHANGED:
    case ctl::EM_REPLACESEL:
      if (FListSW != nullptr) FListSW->TextChanged();
      return;
    case forms::CN_COMMAND:
      if (win::HIWORD(m.WParam) == ctl::EN_CHANGE && FListSW != nullptr) FListSW->TextChanged();
      return;
    case forms::CM_SHOWINGCHANGED: CreateAdapter(); return;
    case win::WM_SETREDRAW:
      // A batch of changes ends: the bars take the text as it is now.
      if (m.WParam != 0 && FListSW != nullptr) FListSW->TextChanged();
      return;
    default: return;
  }
}

}  // namespace skin
