// TsCommonData: lifecycle, binding to a section, skin data per density, repaint requests
// and updating.
#include "skin/controls/sCommonData.h"

#include "platform/base/TextCase.h"
#include "platform/forms/Application.h"
#include "platform/forms/Forms.h"
#include "platform/forms/WinControls.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/controls/acControlKinds.h"
#include "skin/controls/acFade.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sSkinManager.h"

namespace skin {

// ---- Settings objects ----

void TacOuterEffects::SetVisibility(TacOuterVisibility v) {
  if (visibility_ == v) return;
  visibility_ = v;
  if (owner_ == nullptr || owner_->FOwnerControl == nullptr) return;
  if (forms::TWinControl* parent = owner_->FOwnerControl->Parent()) parent->Invalidate();
  owner_->Invalidate(false);
}

void TacScrollData::SetScrollWidth(int v) {
  if (scrollWidth_ == v) return;
  scrollWidth_ = v;
  if (win::HWND h = owner_ ? owner_->OwnerHandle() : nullptr)
    win::SetWindowPos(
        h, nullptr, 0, 0, 0, 0,
        win::SWP_FRAMECHANGED | win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOZORDER | win::SWP_NOACTIVATE);
}

void TacScrollData::SetButtonsSize(int v) {
  if (buttonsSize_ == v) return;
  buttonsSize_ = v;
  if (win::HWND h = owner_ ? owner_->OwnerHandle() : nullptr)
    win::RedrawWindow(h, nullptr, nullptr, win::RDW_FRAME | win::RDW_INVALIDATE);
}

TsScrollWndData::TsScrollWndData(forms::TObject* owner, bool createCacheBitmap)
    : TsCommonData(owner, createCacheBitmap),
      HorzScrollData(std::make_unique<TacScrollData>(this)),
      VertScrollData(std::make_unique<TacScrollData>(this)) {}

// ---- Lifecycle ----

TsCommonData::TsCommonData(forms::TObject* owner, bool createCacheBitmap) {
  FOwnerObject = owner;
  FOwnerControl = dynamic_cast<forms::TControl*>(owner);
  if (forms::TWinControl* w = OwnerWindowed()) WndProc = w->WindowProc;
  FOuterEffects = std::make_unique<TacOuterEffects>(this);
  if (createCacheBitmap) FCacheBmp = std::make_unique<Bitmap32>();
  InitCommonProp();
}

TsCommonData::~TsCommonData() {
  RemoveCommonProp();
  SkinIndex = -1;
  FSkinManager = nullptr;
  ClearLinks();
  AnimTimer.reset();
  FCacheBmp.reset();
  RemoveGlow();
  FOuterEffects.reset();
  FOuterCache.reset();
}

void TsCommonData::InitCommonProp() {
  win::HWND h = nullptr;
  if (forms::TWinControl* w = OwnerWindowed()) {
    if (!w->HandleAllocated()) return;
    h = w->Handle();
    if (!WndProc) WndProc = w->WindowProc;
  } else if (FOwnerControl == nullptr) {
    h = FSWHandle;
  }
  if (h != nullptr) win::SetProp(h, acSkinDataProp, static_cast<TacSkinStateLink*>(this));
}

void TsCommonData::RemoveCommonProp() {
  // Removed even while the application terminates: a window that outlives its control must
  // not name a freed state.
  win::HWND h = nullptr;
  if (forms::TWinControl* w = OwnerWindowed()) h = w->HandleAllocated() ? w->Handle() : nullptr;
  else if (FOwnerControl == nullptr) h = FSWHandle;
  if (h != nullptr && win::IsWindow(h) && win::GetProp(h, acSkinDataProp) == static_cast<TacSkinStateLink*>(this))
    win::RemoveProp(h, acSkinDataProp);
}

void TsCommonData::ClearLinks() {
  FOwnerControl = nullptr;
  FOwnerObject = nullptr;
  FSWHandle = nullptr;
}

void TsCommonData::Loaded(bool updateColors) {
  Loading = false;
  FCommonSkinData = nullptr;
  ResolveDefaultSection();
  if (Skinned() && FOwnerControl != nullptr && FOwnerControl->Parent() != nullptr && !FOwnerControl->IsLoading()) {
    if (forms::TWinControl* w = OwnerWindowed()) {
      if (forms::TCustomForm* form = forms::GetParentForm(w); form != nullptr && form->HandleAllocated())
        SendSkinCommand(form->Handle(), scControlLoaded, reinterpret_cast<win::LPARAM>(w));
    }
    if (updateColors) ApplySkinColors(false);
  }
  InitCommonProp();
  if (TsSkinManager* m = GetSkinManager(); m != nullptr && FOwnerControl != nullptr) m->UpdateFontName(FOwnerControl);
}

// ---- Binding ----

TsSkinManager* TsCommonData::GetSkinManager() const { return FSkinManager ? FSkinManager : DefaultManager(); }

void TsCommonData::UpdateIndexes(bool updateMain) {
  BGChanged = true;
  if (updateMain) {
    FCommonSkinData = nullptr;
    TsSkinManager* m = GetSkinManager();
    // While the manager broadcasts a new skin it reads as inactive, but its data serves:
    // the controls resolve their sections against it then.
    if (m == nullptr || !(m->IsActive() || (m->ManagerState & msBroadCasting) != 0)) {
      SkinIndex = -1;
    } else if (!FSkinSection.empty()) {
      SkinIndex = m->GetSkinIndex(FSkinSection);
    } else if (forms::TWinControl* w = OwnerWindowed(); w != nullptr && w->HandleAllocated()) {
      SkinIndex = static_cast<int>(SendSkinCommand(w->Handle(), scGetDefaultIndex, 0)) - 1;
    } else if (FOwnerControl != nullptr) {
      SkinIndex = static_cast<int>(FOwnerControl->Perform(SkinCmdMessage, SkinCmdWParam(scGetDefaultIndex), 0)) - 1;
    } else {
      SkinIndex = -1;
    }
    if (SkinIndex < -1) SkinIndex = -1;
  }
  UpdateBGType();
}

void TsCommonData::ResolveDefaultSection() {
  if (!FSkinSection.empty()) {
    UpdateIndexes(true);
    return;
  }
  switch (COC) {
    case 0:
    case cocEdit:
    case cocMemo:
    case cocImage:
    case cocPanel:
    case cocGroupBox:
    case cocGraphicInvalidate:
    case cocButton:
    case cocBitBtn:
    case cocDialog:
    case cocForm:
    case cocFrameAdapter:
    case cocEditAdapter: UpdateIndexes(true); return;
    default: break;
  }
  // A kind this engine does not know takes the section named after its owner's class.
  TsSkinManager* m = GetSkinManager();
  SkinIndex = (m != nullptr && m->IsActive() && FOwnerObject != nullptr)
                  ? m->GetSkinIndex(base::ToUpperAscii(FOwnerObject->ClassName()))
                  : -1;
  FCommonSkinData = nullptr;
  BGChanged = true;
  UpdateBGType();
}

bool TsCommonData::Skinned(bool checkActive) const {
  try {
    TsSkinManager* m = GetSkinManager();
    if (m == nullptr || m->IsDestroying() || SkinIndex < 0) return false;
    // Asked for every message of a control's window: the control is known without a cast.
    if (FOwnerControl != nullptr) {
      if (FOwnerControl->IsDestroying()) return false;
    } else if (FOwnerObject != nullptr) {
      if (auto* c = dynamic_cast<forms::TComponent*>(FOwnerObject); c != nullptr && c->IsDestroying()) return false;
    }
    const TacSkinData* data = m->SkinDataArray.empty() ? nullptr : m->SkinDataArray[0].get();
    if (data == nullptr || data->FOwner == nullptr) return false;
    if (SkinIndex >= static_cast<int>(data->gd.size())) return false;
    if (checkActive && !m->IsActive()) return false;
    return true;
  } catch (...) {
    return false;
  }
}

TacSkinData* TsCommonData::GetCommonSkinData() {
  if (FCommonSkinData != nullptr) return FCommonSkinData;
  TsSkinManager* m = GetSkinManager();
  if (m == nullptr) return nullptr;
  int ppi = 96;
  bool cache = true;
  if (m->Settings.Designing) {
    ppi = 96;
  } else if (m->Settings.ScaleMode == TacScaleMode::smCustomPPI) {
    ppi = m->Options.PixelsPerInch();
  } else if (FOwnerControl == nullptr || FOwnerControl->Parent() == nullptr || !FOwnerControl->Parent()->Showing()) {
    // Not laid out yet: the main form's density, not kept.
    cache = false;
    ppi = m->Settings.ScreenPPI;
  } else if ((m->ManagerState & msFormScaling) != 0) {
    ppi = CurrentPPI;
  } else {
    switch (m->Settings.ScaleMode) {
      case TacScaleMode::smAuto:
      case TacScaleMode::smVCL: ppi = m->Settings.ScreenPPI; break;
      case TacScaleMode::sm125: ppi = 120; break;
      case TacScaleMode::sm150: ppi = 144; break;
      case TacScaleMode::sm200: ppi = 192; break;
      default: ppi = 96; break;
    }
  }
  TacSkinData* data = m->CommonSkinData(ppi);
  if (data != nullptr && cache) {
    FCommonSkinData = data;
    PPIIndex = data->ScaleValue;
    if (m->Settings.ScaleMode == TacScaleMode::smVCL) CurrentPPI = data->PPI;
  }
  return data;
}

const TsGeneralData* TsCommonData::Section() {
  if (!Skinned()) return nullptr;
  TacSkinData* data = GetCommonSkinData();
  if (data == nullptr || SkinIndex >= static_cast<int>(data->gd.size())) return nullptr;
  return &data->gd[static_cast<std::size_t>(SkinIndex)];
}

const TsGeneralData* TsCommonData::Section96() const {
  if (!Skinned()) return nullptr;
  TsSkinManager* m = GetSkinManager();
  const TacSkinData* data = m->SkinDataArray.empty() ? nullptr : m->SkinDataArray[0].get();
  if (data == nullptr || SkinIndex >= static_cast<int>(data->gd.size())) return nullptr;
  return &data->gd[static_cast<std::size_t>(SkinIndex)];
}

// ---- Repaint and updating ----

void TsCommonData::Invalidate(bool updateNow) {
  BGChanged = true;
  if (Loading) return;
  if (FOwnerControl == nullptr) {
    if (FSWHandle != nullptr)
      win::RedrawWindow(FSWHandle, nullptr, nullptr,
                        win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_ALLCHILDREN | win::RDW_FRAME |
                            (updateNow ? win::RDW_UPDATENOW : 0));
    return;
  }
  if (FOwnerControl->IsLoading() || FOwnerControl->IsDestroying() || !OwnerLaidOut()) return;
  StopFade();
  if (forms::TWinControl* w = OwnerWindowed()) {
    if (w->HandleAllocated())
      win::RedrawWindow(w->Handle(), nullptr, nullptr,
                        win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_ALLCHILDREN | win::RDW_FRAME |
                            (updateNow ? win::RDW_UPDATENOW : 0));
  } else if (COC == cocGraphicInvalidate) {
    SendToOwner(scInvalidate);
  } else {
    FOwnerControl->Invalidate();
  }
}

void TsCommonData::BeginUpdate() {
  ++FUpdateCount;
  FUpdating = true;
  CtrlSkinState |= cssInUpdate;
  SendToOwner(scBeginUpdateOwner);
}

void TsCommonData::EndUpdate(bool repaint) {
  // Only the outermost end resumes painting; unbalanced ends do not go below zero.
  if (FUpdateCount > 0) --FUpdateCount;
  if (FUpdateCount > 0) return;
  FUpdating = false;
  CtrlSkinState &= ~static_cast<std::uint32_t>(cssInUpdate);
  SendToOwner(scEndUpdateOwner);
  if (repaint) Invalidate(true);
}

bool TsCommonData::GetUpdating() {
  TsSkinManager* m = GetSkinManager();
  if (m == nullptr || m->Settings.Designing) return false;
  if (FUpdating) return true;
  if (OwnerDestroying()) return false;
  if (FOwnerControl == nullptr) {
    if (FSWHandle == nullptr) return false;
    win::HWND parent = win::GetParent(FSWHandle);
    return parent != nullptr && SendSkinCommand(parent, scIsUpdating, 0) != 0;
  }
  forms::TWinControl* parent = FOwnerControl->Parent();
  if (parent == nullptr) return false;
  if (parent->HandleAllocated()) return SendSkinCommand(parent->Handle(), scIsUpdating, 0) != 0;
  return parent->Perform(SkinCmdMessage, SkinCmdWParam(scIsUpdating), 0) != 0;
}

bool TsCommonData::CheckUpdating(bool reset) {
  if (reset) FUpdating = false;
  if (GetUpdating()) {
    FUpdating = true;
    return true;
  }
  return false;
}

win::HWND TsCommonData::OwnerHandle() const {
  try {
    if (FOwnerControl == nullptr) return FSWHandle;
    if (FOwnerControl->IsDestroying()) return nullptr;
    if (forms::TWinControl* w = OwnerWindowed(); w != nullptr && w->HandleAllocated()) return w->Handle();
  } catch (...) {
  }
  return nullptr;
}

// ---- Helpers ----

forms::TWinControl* TsCommonData::OwnerWindowed() const { return dynamic_cast<forms::TWinControl*>(FOwnerControl); }

win::LRESULT TsCommonData::SendToOwner(TacSkinCommand command, win::LPARAM lParam, std::uint16_t argument) const {
  if (FOwnerControl == nullptr) return FSWHandle ? SendSkinCommand(FSWHandle, command, lParam, argument) : 0;
  if (forms::TWinControl* w = OwnerWindowed(); w != nullptr && w->HandleAllocated())
    return SendSkinCommand(w->Handle(), command, lParam, argument);
  return FOwnerControl->Perform(SkinCmdMessage, SkinCmdWParam(command, argument), lParam);
}

bool TsCommonData::CacheValid() const {
  if (FCacheBmp == nullptr || FCacheBmp->Empty()) return false;
  if (FOwnerControl == nullptr) return true;
  return FCacheBmp->Width() == FOwnerControl->Width() && FCacheBmp->Height() == FOwnerControl->Height();
}

bool TsCommonData::PrepareCacheBitmap() {
  if (FCacheBmp == nullptr) return false;
  const int w = FOwnerControl ? FOwnerControl->Width() : FCacheBmp->Width();
  const int h = FOwnerControl ? FOwnerControl->Height() : FCacheBmp->Height();
  if (w <= 0 || h <= 0) return false;
  if (FCacheBmp->Width() != w || FCacheBmp->Height() != h) FCacheBmp->SetSize(w, h);
  return true;
}

bool TsCommonData::PrepareCache() {
  SendToOwner(scPrepareCache);
  return !BGChanged && CacheValid();
}

void TsCommonData::EmptyCache() {
  if (FCacheBmp != nullptr) FCacheBmp->SetSize(0, 0);
}

TColor TsCommonData::OwnerColor() const { return FOwnerControl ? FOwnerControl->Color() : clNone; }

bool TsCommonData::OwnerDestroying() const {
  if (FOwnerObject == nullptr) return true;
  auto* c = dynamic_cast<forms::TComponent*>(FOwnerObject);
  return c != nullptr && c->IsDestroying();
}

bool TsCommonData::OwnerLaidOut() const {
  if (FOwnerControl == nullptr) return FSWHandle != nullptr;
  if (FOwnerControl->Parent() == nullptr || FOwnerControl->IsLoading() || FOwnerControl->IsDestroying()) return false;
  if (forms::TWinControl* w = OwnerWindowed()) return w->HandleAllocated();
  return true;
}

bool TsCommonData::SkinChanging() const {
  TsSkinManager* m = GetSkinManager();
  return m != nullptr && m->IsChanging();
}

void TsCommonData::StopFade() {
  if (AnimTimer != nullptr) AnimTimer->Stop();
}

bool TsCommonData::IsFading() const { return AnimTimer != nullptr && AnimTimer->Running(); }

TsCommonData* SkinDataOf(win::HWND window) { return dynamic_cast<TsCommonData*>(SkinStateLinkOf(window)); }

}  // namespace skin
