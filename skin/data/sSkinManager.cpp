// TsSkinManager: creation and destruction, the default manager, the published setters,
// the skin change with its error trap, loading of the stored settings, hot tracking and
// the colour getters.
#include "skin/data/sSkinManager.h"

#include <charconv>
#include <map>

#include "platform/base/NumberText.h"
#include "platform/base/TextCase.h"
#include "platform/base/Unicode.h"
#include "platform/forms/Application.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Forms.h"
#include "platform/win/InputApi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Metrics.h"
#include "platform/win/WindowApi.h"
#include "skin/data/EngineState.h"
#include "skin/data/acPathText.h"
#include "skin/data/acPreviewSocket.h"
#include "skin/data/acSkinCommands.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinSources.h"

namespace skin {

namespace {

constexpr unsigned kHotCheckMs = 100;

void HotTimerProc(win::HWND, win::UINT, win::UINT_PTR id, win::DWORD) {
  const auto& timers = detail::Engine().hotTimers;
  auto it = timers.find(id);
  if (it != timers.end()) it->second->CheckHotControl();
}

}  // namespace

TsSkinManager* DefaultManager() { return detail::Engine().defaultManager; }

TColor SkinColorToRGB(TColor c, const TsSkinManager* manager) {
  if (manager == nullptr) manager = DefaultManager();
  return manager != nullptr ? manager->SkinColorToRGB(c) : NoManagerColorToRGB(c);
}

// ---- Creation and destruction ----

TsSkinManager::TsSkinManager(forms::TComponent* owner)
    : forms::TComponent(owner), previewBuffer_(std::make_unique<TacPreviewBuffer>()) {
  previewBuffer_->fill(0);
  InternalSkinsItems.SetPropName(u"InternalSkins");
  ResetSkinData();
  Settings.PreviewRun = acPreviewRun();
  if (detail::Engine().defaultManager == nullptr) {
    detail::Engine().defaultManager = this;
    if (!IsDesigning()) {
      forms::TApplication* app = forms::Application.Get();
      app->HookMainWindow([this](forms::TMessage& m) { return AppWindowHook(m); }, this);
      app->FreeNotification(this);
      watchedApp_ = app;
      listener_ = std::make_unique<TacPreviewListener>(app->Handle(), acPreviewSocketMessage);
    }
  }
  FActive = true;
}

void TsSkinManager::SetHotTimer(bool on) {
  // The check runs only while there is a hot control, so an idle program sleeps.
  if (on && hotTimer_ == 0) {
    hotTimer_ = win::SetTimer(nullptr, 0, kHotCheckMs, &HotTimerProc);
    detail::Engine().hotTimers[hotTimer_] = this;
  } else if (!on && hotTimer_ != 0) {
    win::KillTimer(nullptr, hotTimer_);
    detail::Engine().hotTimers.erase(hotTimer_);
    hotTimer_ = 0;
  }
}

void TsSkinManager::Destroy() {
  if (IsActive() && OnDeactivate) OnDeactivate(this);
  SetHotTimer(false);
  listener_.reset();
  if (watchedApp_ != nullptr) {
    static_cast<forms::TApplication*>(watchedApp_)->UnhookMainWindow(this);
    watchedApp_->RemoveFreeNotification(this);
    watchedApp_ = nullptr;
  }
  FreeSkin();
  FreeBrushes();
  if (IsDefault()) {
    UnInstallHook();
    detail::Engine().defaultManager = nullptr;
  }
  forms::TComponent::Destroy();
}

void TsSkinManager::Notification(forms::TComponent* c, forms::TOperation op) {
  forms::TComponent::Notification(c, op);
  if (op == forms::TOperation::opRemove && c == watchedApp_) {
    // The application goes first (the end of a test): its window and hooks go with it.
    listener_.reset();
    watchedApp_ = nullptr;
  }
}

// ---- Default manager ----

bool TsSkinManager::IsDefault() const { return detail::Engine().defaultManager == this; }

void TsSkinManager::SetIsDefault(bool v) {
  if (!v && detail::Engine().defaultManager != nullptr) return;
  detail::Engine().defaultManager = this;
  if (IsLoading()) return;
  if (IsActive()) SendNewSkin(true);
  else SendRemoveSkin();
}

// ---- Published setters ----

void TsSkinManager::SetExtendedBorders(bool v) {
  if (v == Settings.ExtendedBorders) return;
  Settings.ExtendedBorders = v;
  if (IsLoading()) return;
  for (const std::unique_ptr<TacSkinData>& d : SkinDataArray)
    if (d) d->CheckShadows();
  if (FActive && IsActive()) RepaintForms(false);
}

void TsSkinManager::SetActive(bool v) {
  if (IsLoading()) {
    FActive = v;
    return;
  }
  if (v == FActive && v == IsActive()) return;
  FActive = v;
  if (v) {
    SetSkinName(FSkinName);
  } else {
    if (IsActive() && OnDeactivate) OnDeactivate(this);
    SendRemoveSkin();
    UpdateDialogSkinning();
  }
}

void TsSkinManager::SetSkinDirectory(const std::u16string& v) {
  if (base::EqualsIgnoreAsciiCase(v, Settings.SkinDirectory)) return;
  Settings.SkinDirectory = v;
  SkinCommonInfo.SkinPath = GetFullSkinDirectory(v, Settings.ProgramDirectory);
  if (OnSkinListChanged) OnSkinListChanged(this);
}

void TsSkinManager::SetSkinningRules(TacSkinningRules v) {
  skinningRules_ = v;
  UpdateDialogSkinning();
}

std::u16string TsSkinManager::SkinInfo() const {
  return IsActive() ? base::FloatToText(SkinCommonInfo.Version) : std::u16string(u"N/A");
}

TColor TsSkinManager::GetHighLightColor(bool focused) const {
  return Palette[focused ? pcSelectionBG_Focused : pcSelectionBG];
}

TColor TsSkinManager::GetHighLightFontColor(bool focused) const {
  return Palette[focused ? pcSelectionText_Focused : pcSelectionText];
}

// ---- The skin change ----

void TsSkinManager::UpdateLoadSettings() {
  Settings.ScreenPPI = forms::Screen->PixelsPerInch();
  Settings.CompositionEnabled = win::IsCompositionEnabled();
  Settings.SizingFrameWidth =
      win::GetSystemMetrics(win::SM_CXSIZEFRAME) + win::GetSystemMetrics(win::SM_CXPADDEDBORDER);
  Settings.CommonSections = CommonSections.Text();
  Settings.Designing = IsDesigning();
}

void TsSkinManager::SetSkinName(const std::u16string& v) {
  const std::u16string oldName = FSkinName;
  const bool wasActive = IsActive();
  FSkinName = v;
  if (FActive) {
    if (OnBeforeChange) OnBeforeChange(this);
    ManagerState &= ~msRTLFlipped;
    bool allow = true;
    if (OnSkinChanging) OnSkinChanging(this, v, allow);
    if (!allow) return;
    ManagerState |= msSkinChanging;
    FSkinName = RemovePackageEnding(FSkinName);
    UpdateLoadSettings();
    try {
      LoadSkin();
      MakeBrushes();
    } catch (const base::Exception& e) {
      FSkinName = oldName;
      ShowSkinMessage(TacMsgKind::Error, e.Message());
    } catch (const std::exception& e) {
      FSkinName = oldName;
      ShowSkinMessage(TacMsgKind::Error, base::Utf8ToUtf16(e.what()));
    }
    if (!FActive) {
      SendRemoveSkin();
    } else if (!NoAutoUpdate) {
      SendNewSkin(true);
    }
    if (!wasActive && HasLoadedSections() && !IsDesigning()) {
      if (IsLoading()) activatedWhileLoading_ = true;
      else if (OnActivate) OnActivate(this);
    }
    ManagerState &= ~msSkinChanging;
    SkinCommonInfo.Active = HasLoadedSections();
    if (!NoAutoUpdate && OnAfterChange) OnAfterChange(this);
  }
  UpdateDialogSkinning();
}

void TsSkinManager::DoSkinLoading() {
  if (OnSkinLoading) OnSkinLoading(this);
}

void TsSkinManager::Loaded() {
  forms::TComponent::Loaded();
  if (Settings.SkinDirectory.empty()) Settings.SkinDirectory = acDefaultSkinDirectory;
  UpdateThirdNames();
  if (FActive && !FSkinName.empty()) SendNewSkin(false);
  UpdateDialogSkinning();
  if (activatedWhileLoading_) {
    activatedWhileLoading_ = false;
    if (OnActivate) OnActivate(this);
  }
  if (Settings.ScaleMode == TacScaleMode::smVCL) Settings.PixelsPerInch = forms::Screen->PixelsPerInch();
}

void TsSkinManager::UpdateFontName(forms::TControl* control) {
  if (control == nullptr || (control->ParentFont() && control->Parent() != nullptr)) return;
  static const std::u16string defaultName = forms::TFont().Name();
  const std::u16string wanted = IsActive() && !SkinCommonInfo.MainFont.empty() ? SkinCommonInfo.MainFont : defaultName;
  if (wanted != appFontName_) {
    previousAppFontName_ = appFontName_;
    appFontName_ = wanted;
  }
  const std::u16string& name = control->Font()->Name();
  if (name == wanted) return;
  if (name == defaultName || (!previousAppFontName_.empty() && name == previousAppFontName_))
    control->Font()->SetName(wanted);
}

void TsSkinManager::UpdateThirdNames() {
  for (int i = 0; i < acThirdPartyCount; ++i) {
    std::u16string& text = ThirdParty.Texts[static_cast<std::size_t>(i)];
    if (text.empty()) text = TsThirdPartyList::DefaultText(i);
    forms::TStringList& list = ThirdLists[static_cast<std::size_t>(i)];
    list.SetCaseSensitive(true);
    list.SetText(text);
  }
}

void TsSkinManager::UpdateSkin(bool repaint) {
  if (FActive) SendNewSkin(repaint);
}

void TsSkinManager::EndUpdate(bool repaint, bool allowAnimation) {
  (void)allowAnimation;  // the skin-change animation is not built: nothing to suppress
  NoAutoUpdate = false;
  UpdateSkin(repaint);
  if (OnAfterChange) OnAfterChange(this);
}

// ---- Hot tracking ----

void TsSkinManager::SetActiveControl(win::HWND h) {
  if (h == FActiveControl) return;
  const win::HWND previous = FActiveControl;
  FActiveControl = h;
  SetHotTimer(h != nullptr);
  if (previous != nullptr && win::IsWindow(previous)) SendSkinCommand(previous, scMouseLeave, 0);
  if (h != nullptr && win::IsWindow(h)) SendSkinCommand(h, scMouseEnter, 0);
}

void TsSkinManager::CheckHotControl() {
  if ((ManagerState & msAnimScaling) != 0 || FActiveControl == nullptr) return;
  if (!win::IsWindow(FActiveControl)) {
    FActiveControl = nullptr;
    SetHotTimer(false);
    return;
  }
  win::RECT r;
  win::POINT pt;
  win::GetWindowRect(FActiveControl, &r);
  win::GetCursorPos(&pt);
  if (!r.Contains(pt)) SetActiveControl(nullptr);
}

}  // namespace skin
