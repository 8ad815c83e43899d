#include "skin/controls/acSkinCommandDispatch.h"

#include "platform/base/TextCase.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/WinControls.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/controls/acControlKinds.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acPaintImageSlices.h"

namespace skin {

namespace {

using forms::TMessage;

int Argument(const TMessage& m) { return static_cast<int>(m.WParam & 0xFFFF); }

void Recalculate(win::HWND h) {
  win::SetWindowPos(
      h, nullptr, 0, 0, 0, 0,
      win::SWP_FRAMECHANGED | win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOZORDER | win::SWP_NOACTIVATE);
}

// Sends the message to every direct child not being destroyed.
void SendToChildren(forms::TWinControl* w, const TMessage& m, bool windowedOnly) {
  for (int i = 0; i < w->ControlCount(); ++i) {
    forms::TControl* c = w->Controls(i);
    if (c->IsDestroying()) continue;
    auto* cw = dynamic_cast<forms::TWinControl*>(c);
    if (cw != nullptr && cw->HandleAllocated()) SendSkinMessage(cw->Handle(), m.Msg, m.WParam, m.LParam);
    else if (!windowedOnly) c->Perform(m.Msg, m.WParam, m.LParam);
  }
}

bool SCNewSkin(TMessage& m, TsCommonData& sd) {
  if (!IsOwnManager(m, sd)) return false;
  sd.FCommonSkinData = nullptr;
  sd.StopFade();
  sd.ResolveDefaultSection();
  sd.EmptyCache();
  return true;
}

bool SCRemoveSkin(TMessage& m, TsCommonData& sd) {
  if (!IsOwnManager(m, sd)) return false;
  sd.FCommonSkinData = nullptr;
  if (sd.SkinIndex < 0) return false;
  sd.SkinIndex = -1;
  sd.StopFade();
  if (sd.FSkinManager != nullptr && sd.FSkinManager->IsDestroying()) sd.FSkinManager = nullptr;
  sd.EmptyCache();
  forms::TWinControl* w = sd.OwnerWindowed();
  if (w != nullptr && w->HandleAllocated())
    win::SetClassLongPtr(w->Handle(), win::GCLP_HBRBACKGROUND,
                         reinterpret_cast<win::LONG_PTR>(gfx::GetSysColorBrush(gfx::COLOR_BTNFACE)));
  if (sd.FOwnerControl != nullptr && ColorsFollowState(sd.COC)) {
    if (!sd.FCustomColor) sd.FOwnerControl->SetColor(forms::clWindow);
    if (!sd.FCustomFont) sd.FOwnerControl->Font()->SetColor(forms::clWindowText);
    if (w != nullptr && w->HandleAllocated())
      win::RedrawWindow(w->Handle(), nullptr, nullptr, win::RDW_FRAME | win::RDW_INVALIDATE);
  } else if (w != nullptr) {
    for (int i = 0; i < w->ControlCount(); ++i)
      if (auto* label = dynamic_cast<forms::TCustomLabel*>(w->Controls(i)))
        label->Font()->SetColor(forms::clWindowText);
  }
  return false;
}

bool SCRefresh(TMessage& m, TsCommonData& sd) {
  if (!IsOwnManager(m, sd)) return false;
  sd.StopFade();
  sd.BGChanged = true;
  sd.FUpdating = false;
  sd.ApplySkinColors(true);
  if (FrameRefreshOnSkinRefresh(sd.COC))
    if (win::HWND h = sd.OwnerHandle()) Recalculate(h);
  return true;
}

}  // namespace

void PassToShowingChildren(forms::TWinControl* control, const forms::TMessage& m) {
  for (int i = 0; i < control->ControlCount(); ++i) {
    auto* c = dynamic_cast<forms::TWinControl*>(control->Controls(i));
    if (c != nullptr && c->HandleAllocated() && c->Showing()) SendSkinMessage(c->Handle(), m.Msg, m.WParam, m.LParam);
  }
}

namespace {

bool SCEndUpdate(TMessage& m, TsCommonData& sd) {
  forms::TWinControl* w = sd.OwnerWindowed();
  if (w == nullptr || !w->HandleAllocated()) return true;
  if (sd.FUpdating && !sd.CheckUpdating(true))
    win::RedrawWindow(
        w->Handle(), nullptr, nullptr,
        win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_FRAME | win::RDW_ALLCHILDREN | win::RDW_UPDATENOW);
  PassToShowingChildren(w, m);
  return true;
}

bool SCIsUpdating(TMessage& m, TsCommonData& sd) {
  if (sd.GetUpdating()) {
    m.Result = 1;
    return true;
  }
  m.Result = 0;
  if (sd.OwnerWindowed() == nullptr || sd.FCustomColor) return true;
  if (sd.FCacheBmp == nullptr || sd.FCacheBmp->Empty() || sd.BGChanged) {
    sd.PrepareCache();
    m.Result = sd.FCacheBmp == nullptr || sd.FCacheBmp->Empty() ? 1 : 0;
  } else {
    m.Result = sd.CacheValid() ? 0 : 1;
  }
  return true;
}

bool SCInvalidateSection(TMessage& m, TsCommonData& sd) {
  const auto* name = reinterpret_cast<const char16_t*>(m.LParam);
  if (name != nullptr && base::ToUpperUi(name) == sd.FSkinSection) sd.Invalidate(false);
  return true;
}

bool SCSetSection(TMessage& m, TsCommonData& sd) {
  const auto* name = reinterpret_cast<const char16_t*>(m.LParam);
  if (name == nullptr) {
    m.Result = 0;
    return true;
  }
  sd.SetSkinSection(name);
  m.Result = 1;
  return true;
}

bool SCParentBgChanged(TMessage& m, TsCommonData& sd) {
  sd.BGChanged = true;
  if (forms::TWinControl* w = sd.OwnerWindowed()) BroadcastToChildren(w, m.Msg, m.WParam, m.LParam);
  return true;
}

bool SCMoved(TMessage& m, TsCommonData& sd) {
  const bool moved = sd.RepaintIfMoved();
  sd.BGChanged = sd.BGChanged || moved;
  sd.StopFade();
  forms::TWinControl* w = sd.OwnerWindowed();
  if (w == nullptr || !w->HandleAllocated()) return true;
  if (Argument(m) == 1)
    win::RedrawWindow(w->Handle(), nullptr, nullptr,
                      win::RDW_INVALIDATE | win::RDW_ALLCHILDREN | win::RDW_NOERASE | win::RDW_NOINTERNALPAINT);
  if (moved) {
    TMessage child{m.Msg, SkinCmdWParam(scMoved, 1), 0, 0};
    SendToChildren(w, child, false);
  }
  return true;
}

bool SCResetCache(TMessage& m, TsCommonData& sd) {
  if (sd.FCacheBmp == nullptr) return true;
  if (forms::TWinControl* w = sd.OwnerWindowed()) SendToChildren(w, m, true);
  sd.EmptyCache();
  sd.BGChanged = true;
  return true;
}

bool SCGetBgInfo(TMessage& m, TsCommonData& sd) {
  auto* q = reinterpret_cast<TsBackgroundQuery*>(m.LParam);
  if (q == nullptr) return true;
  const int state = sd.FFocused || (sd.FMouseAbove && !IsContainerKind(sd.COC)) ? 1 : 0;
  FillBackgroundQuery(*q, sd, state);
  return true;
}

bool SCFontChanged(TMessage& m, TsCommonData& sd) {
  if (!IsOwnManager(m, sd)) return false;
  sd.BGChanged = true;
  if (TsSkinManager* mgr = sd.GetSkinManager(); mgr != nullptr && sd.FOwnerControl != nullptr)
    mgr->UpdateFontName(sd.FOwnerControl);
  if (forms::TWinControl* w = sd.OwnerWindowed()) BroadcastToChildren(w, m.Msg, m.WParam, m.LParam);
  return true;
}

bool SCSetPrintDC(TMessage& m, TsCommonData& sd) {
  sd.PrintDC = reinterpret_cast<win::HDC>(m.LParam);
  if (m.LParam != 0) sd.CtrlSkinState |= cssPrinting;
  else sd.CtrlSkinState &= ~static_cast<std::uint32_t>(cssPrinting);
  return true;
}

// The section's outer frame (its OUTERMASK) around the owner, in the container picture
// the query holds.
bool SCPaintOuterEffect(TMessage& m, TsCommonData& sd) {
  auto* q = reinterpret_cast<TsBackgroundQuery*>(m.LParam);
  const TsGeneralData* g = sd.Section();
  const TacSkinData* data = sd.GetCommonSkinData();
  if (q == nullptr || q->Bitmap == nullptr || g == nullptr || data == nullptr || sd.FOwnerControl == nullptr ||
      sd.FOuterEffects == nullptr || sd.FOuterEffects->Visibility() != ovAlways || g->OuterMode < 1 ||
      g->OuterMask < 0 || g->OuterMask >= static_cast<int>(data->ma.size()))
    return true;
  const TsMaskData& md = data->ma[static_cast<std::size_t>(g->OuterMask)];
  const TRect inner = sd.FOwnerControl->BoundsRect().Offset(q->Offset.X, q->Offset.Y);
  const TRect outer{inner.Left - md.WL, inner.Top - md.WT, inner.Right + md.WR, inner.Bottom + md.WB};
  PaintImageSlicesOuter(q->Bitmap, outer, BgInfoFromBitmap(q->Bitmap, 0, 0),
                        static_cast<std::uint8_t>(std::clamp(g->OuterOpacity, 0, 255)), {md.WL, md.WT, md.WR, md.WB}, 0,
                        md);
  return true;
}

bool SCUpdateFrame(TMessage& m, TsCommonData& sd) {
  forms::TWinControl* w = sd.OwnerWindowed();
  if (w == nullptr || !w->HandleAllocated()) return true;
  Recalculate(w->Handle());
  SendToChildren(w, m, true);
  return true;
}

bool SCPPIChanged(TMessage& m, TsCommonData& sd) {
  sd.CurrentPPI = static_cast<int>(m.LParam);
  TsSkinManager* mgr = sd.GetSkinManager();
  sd.FCommonSkinData = mgr != nullptr && mgr->IsActive() ? mgr->CommonSkinData(sd.CurrentPPI) : nullptr;
  if (forms::TWinControl* w = sd.OwnerWindowed()) SendToChildren(w, m, false);
  return false;
}

bool SCGetBounds(TMessage& m, TsCommonData& sd) {
  if (auto* r = reinterpret_cast<TRect*>(m.LParam); r != nullptr && sd.FOwnerControl != nullptr)
    *r = sd.FOwnerControl->BoundsRect();
  return true;
}

bool SCIsOpaqueChild(TMessage& m, TsCommonData& sd) {
  TsSkinManager* mgr = sd.GetSkinManager();
  const bool opaque =
      sd.FOwnerControl != nullptr && sd.FOwnerControl->ControlStyle().Contains(forms::TControlStyleItem::csOpaque);
  m.Result = (mgr != nullptr && mgr->IsActive()) || opaque ? 1 : 0;
  return true;
}

bool SCGetCommonSkinData(TMessage& m, TsCommonData& sd) {
  TacSkinData* data = sd.GetCommonSkinData();
  if (auto** out = reinterpret_cast<TacSkinData**>(m.LParam)) *out = sd.FCommonSkinData;
  m.Result = reinterpret_cast<win::LRESULT>(data);
  return true;
}

bool Answer(TMessage& m, win::LRESULT result) {
  m.Result = result;
  return true;
}

}  // namespace

bool IsOwnManager(const forms::TMessage& m, const TsCommonData& sd) {
  return reinterpret_cast<TsSkinManager*>(m.LParam) == sd.GetSkinManager();
}

bool DispatchSkinCommand(forms::TMessage& m, TsCommonData& sd) {
  switch (SkinCmdOf(m.WParam)) {
    case scNewSkin: return SCNewSkin(m, sd);
    case scRemoveSkin: return SCRemoveSkin(m, sd);
    case scRefresh: return SCRefresh(m, sd);
    case scEndUpdate: return SCEndUpdate(m, sd);
    case scIsSkinned: return Answer(m, 1);
    case scSetUpdating: sd.FUpdating = Argument(m) == 1; return true;
    case scIsUpdating: return SCIsUpdating(m, sd);
    case scIsHalfVisible: return Answer(m, sd.HalfVisible ? 1 : 0);
    case scInvalidateSection: return SCInvalidateSection(m, sd);
    case scSetSection: return SCSetSection(m, sd);
    case scStopFade: sd.StopFade(); return true;
    case scParentBgChanged: return SCParentBgChanged(m, sd);
    case scInvalidate: sd.Invalidate(false); return true;
    case scBgVaries: return Answer(m, sd.BackgroundVaries() ? 1 : 0);
    case scMoved: return SCMoved(m, sd);
    case scGetBgColor: return Answer(m, static_cast<win::LRESULT>(BackgroundColorAnswer(sd)));
    case scSetHalfVisible: sd.HalfVisible = true; return true;
    case scPrepareCache: sd.BGChanged = false; return true;
    case scGetSkinIndex:
      if (auto* out = reinterpret_cast<int*>(m.LParam)) *out = sd.SkinIndex;
      return true;
    case scResetCache: return SCResetCache(m, sd);
    case scGetBgInfo: return SCGetBgInfo(m, sd);
    case scFontChanged: return SCFontChanged(m, sd);
    case scGetSkinDataObject: return Answer(m, reinterpret_cast<win::LRESULT>(&sd));
    case scSetPrintDC: return SCSetPrintDC(m, sd);
    case scPaintOuterEffect: return SCPaintOuterEffect(m, sd);
    case scUpdateFrame: return SCUpdateFrame(m, sd);
    case scGetTextSection:
      return Answer(m, m.LParam ? AnswerTextSection(sd, *reinterpret_cast<TacTextSectionQuery*>(m.LParam)) : 0);
    case scPPIChanged: return SCPPIChanged(m, sd);
    case scGetPPI: return Answer(m, sd.CurrentPPI);
    case scGetBounds: return SCGetBounds(m, sd);
    case scIsOpaqueChild: return SCIsOpaqueChild(m, sd);
    case scGetCommonSkinData: return SCGetCommonSkinData(m, sd);
    default: return false;  // scGetDefaultIndex and scGetDefaultKind are the control's
  }
}

}  // namespace skin
