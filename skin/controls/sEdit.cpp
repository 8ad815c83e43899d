// TsEdit: construction, the window procedure's dispatch, the skin commands it answers
// itself and the work after the standard handling.
#include "skin/controls/sEdit.h"

#include "platform/ctl/EditApi.h"
#include "platform/forms/Graphics.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "skin/controls/acAddedGlyph.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/controls/acCachePaint.h"
#include "skin/controls/acCommonControlMessage.h"
#include "skin/controls/acControlKinds.h"
#include "skin/controls/acPadding.h"
#include "skin/controls/acSkinCommandDispatch.h"
#include "skin/controls/sBoundLabel.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/sSkinManager.h"

namespace skin {

namespace {

using forms::TMessage;

constexpr char16_t kEditSection[] = u"EDIT";
constexpr win::UINT kKeyLast = 0x0109;
constexpr win::UINT kMouseLast = 0x020E;  // the horizontal wheel, after the extended buttons

bool IsInputMessage(win::UINT msg) {
  return (msg >= win::WM_KEYDOWN && msg <= kKeyLast) || (msg >= win::WM_MOUSEMOVE && msg <= kMouseLast);
}

}  // namespace

TsEdit::TsEdit(forms::TComponent* owner) : forms::TEdit(owner) {
  FCommonData = std::make_unique<TsCtrlSkinData>(this, true);
  FCommonData->COC = cocEdit;
  FAddedGlyph = std::make_unique<TacAddedGlyph>([this] { GlyphOrPaddingChanged(); });
  FPadding = std::make_unique<TacPadding>([this] { GlyphOrPaddingChanged(); });
  FBoundLabel = std::make_unique<TsBoundLabel>(this);
}

TsEdit::~TsEdit() {
  // The skin state goes first: its window may outlive it by a few messages.
  FCommonData.reset();
}

void TsEdit::SetDisabledKind(TsDisabledKind v) {
  if (FDisabledKind == v) return;
  FDisabledKind = v;
  if (!Enabled()) FCommonData->Invalidate(false);
}

void TsEdit::SetVerticalAlignment(forms::TVerticalAlignment v) {
  if (FVerticalAlignment == v) return;
  FVerticalAlignment = v;
  MarkFrameRecalc();
  if (HandleAllocated() && !IsLoading()) RecalcFrameNow();
}

void TsEdit::GlyphOrPaddingChanged() {
  FAddedGlyphRect.Left = -1;
  FCommonData->BGChanged = true;
  MarkFrameRecalc();
  if (!HandleAllocated() || IsLoading()) return;
  RecalcFrameNow();
  RepaintWithFrame();
}

void TsEdit::Loaded() {
  forms::TEdit::Loaded();
  FCommonData->Loaded(true);
  MarkFrameRecalc();
}

void TsEdit::CreateWnd() {
  forms::TEdit::CreateWnd();
  if (!IsLoading() && !IsDestroying()) FCommonData->Loaded(true);
}

// ---- The window procedure ----

void TsEdit::WndProc(TMessage& m) {
  // The skin state goes before the window when the control is freed.
  if (FCommonData == nullptr) {
    forms::TEdit::WndProc(m);
    return;
  }
  TsCommonData& sd = *FCommonData;
  if (m.Msg == SkinCmdMessage) {
    if (SkinCommand(m)) return;
    forms::TEdit::WndProc(m);
    return;
  }
  if (m.Msg == win::WM_CREATE || m.Msg == win::WM_NCCREATE) sd.InitCommonProp();
  if (m.Msg == win::WM_NCCALCSIZE) {
    WMNCCalcSize(m);
    return;
  }
  if (Parent() == nullptr || !HandleAllocated() || !sd.Skinned(true)) {
    switch (m.Msg) {
      case win::WM_NCPAINT: UnskinnedNCPaint(m); return;
      case win::WM_NCHITTEST: WMNCHitTest(m); return;
      default: break;
    }
    SelectionWatch(m);
    return;
  }
  switch (m.Msg) {
    case win::WM_PAINT: WMPaint(m); return;
    case win::WM_NCPAINT: WMNCPaint(m); return;
    case win::WM_ERASEBKGND: WMEraseBkgnd(m); return;
    case win::WM_PRINT: WMPrint(m); return;
    case win::WM_NCHITTEST: WMNCHitTest(m); return;
    case win::WM_NCLBUTTONDOWN: WMNCLButtonDown(m); return;
    case win::WM_NCLBUTTONUP: WMNCLButtonUp(m); return;
    case win::WM_NCLBUTTONDBLCLK: WMNCLButtonDblClk(m); return;
    default: break;
  }
  if (m.Msg == forms::CM_ENABLEDCHANGED) sd.Invalidate(false);
  if (CommonControlMessage(m, sd)) return;
  SelectionWatch(m);
  AfterStandard(m);
}

// The standard handling, with the selection compared around input messages when someone
// listens.
void TsEdit::SelectionWatch(TMessage& m) {
  if (!OnSelectionChanged || !HandleAllocated() || !IsInputMessage(m.Msg)) {
    forms::TEdit::WndProc(m);
    return;
  }
  const int start = SelStart(), length = SelLength();
  forms::TEdit::WndProc(m);
  if (!IsDestroying() && HandleAllocated() && (SelStart() != start || SelLength() != length) && OnSelectionChanged)
    OnSelectionChanged(this);
}

// ---- Skin commands ----

bool TsEdit::SkinCommand(TMessage& m) {
  TsCommonData& sd = *FCommonData;
  switch (SkinCmdOf(m.WParam)) {
    case scNewSkin:
    case scRemoveSkin:
      if (!IsOwnManager(m, sd)) return true;
      DispatchSkinCommand(m, sd);
      return false;
    case scRefresh: SCRefresh(m); return true;
    case scGetDefaultIndex: {
      TsSkinManager* mgr = sd.GetSkinManager();
      m.Result = mgr != nullptr ? mgr->GetSkinIndex(kEditSection) + 1 : 0;
      return true;
    }
    case scBgVaries: m.Result = 0; return true;
    case scGetBgColor:
      if (!sd.Skinned()) {
        m.Result = static_cast<win::LRESULT>(forms::ColorToRGB(Color()));
        return true;
      }
      return DispatchSkinCommand(m, sd);
    case scPrepareCache: PrepareCache(); return true;
    case scPPIChanged: SCPPIChanged(m); return true;
    case scGetDefaultKind: m.Result = 1; return true;
    case scEndUpdate: SCEndUpdate(m); return true;
    default: return DispatchSkinCommand(m, sd);
  }
}

void TsEdit::SCRefresh(TMessage& m) {
  TsCommonData& sd = *FCommonData;
  if (!IsOwnManager(m, sd)) return;
  DispatchSkinCommand(m, sd);
  if (acTakingSnapshot() || !HandleAllocated() || !Visible()) return;
  win::RedrawWindow(Handle(), nullptr, nullptr, win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_FRAME);
}

void TsEdit::SCPPIChanged(TMessage& m) {
  MarkFrameRecalc();
  DispatchSkinCommand(m, *FCommonData);
  if (HandleAllocated()) RecalcFrameNow();
  FBoundLabel->Rescale(FCommonData->CurrentPPI);
}

void TsEdit::SCEndUpdate(TMessage& m) {
  TsCommonData& sd = *FCommonData;
  const bool wasUpdating = sd.FUpdating;
  DispatchSkinCommand(m, sd);
  if (wasUpdating && !sd.FUpdating) RepaintWithFrame();
}

// ---- After the standard handling ----

void TsEdit::RepaintWithFrame() {
  if (!HandleAllocated()) return;
  win::InvalidateRect(Handle(), nullptr, win::FALSE);
  win::SendMessage(Handle(), win::WM_NCPAINT, 1, 0);
}

void TsEdit::AfterStandard(TMessage& m) {
  TsCommonData& sd = *FCommonData;
  switch (m.Msg) {
    case win::WM_SIZE:
      FAddedGlyphRect.Left = -1;
      if (FVerticalAlignment != forms::TVerticalAlignment::taAlignTop) MarkFrameRecalc();
      if (HandleAllocated()) win::SendMessage(Handle(), win::WM_NCPAINT, 1, 0);
      return;
    case win::WM_WINDOWPOSCHANGED: FAddedGlyphRect.Left = -1; return;
    case win::WM_SETTEXT:
    case ctl::EM_SETCUEBANNER:
    case forms::CM_VISIBLECHANGED:
    case forms::CM_ENABLEDCHANGED:
    case forms::CM_TEXTCHANGED:
      if (IsLoading() || acTakingSnapshot()) return;
      sd.BGChanged = true;
      RepaintWithFrame();
      return;
    case win::WM_SETFONT: sd.Invalidate(false); return;
    case forms::CM_FONTCHANGED:
      if (FVerticalAlignment != forms::TVerticalAlignment::taAlignTop) {
        MarkFrameRecalc();
        sd.Invalidate(false);
      }
      return;
    case forms::CM_FOCUSCHANGED: sd.BGChanged = true; return;
    default: return;
  }
}

}  // namespace skin
