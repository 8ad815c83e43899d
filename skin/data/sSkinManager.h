#pragma once
// TsSkinManager: the non-visual component that makes a program skinned. It holds the
// skin settings as published properties (read with its form's description), runs the
// skin change on the loading half it derives from (TacSkinLoader), tells every window
// when the skin changes, installs the window hook through which forms and standard
// dialogs get skinned, tracks the control under the mouse and answers colour questions.
// The first manager made is the process's default manager; it also watches the
// application window for live previews of a skin editor. Painting is not done here.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/forms/Classes.h"
#include "platform/forms/Messages.h"
#include "platform/forms/Strings.h"
#include "platform/win/Types.h"
#include "skin/data/acSkinLoader.h"
#include "skin/data/acSkinPreview.h"
#include "skin/data/sSkinManagerOptions.h"

namespace gfx {
struct BrushObject;
}
namespace forms {
class TControl;
}

namespace skin {

class TacPreviewListener;

enum class TacSkinsFilterItem { sfiInternal, sfiExternal };
using TacSkinsFilter = forms::TSet<TacSkinsFilterItem>;
enum class TacSkinningRule { srStdForms, srStdDialogs, srThirdParty };
using TacSkinningRules = forms::TSet<TacSkinningRule>;

// OnSkinChanging: allow false keeps the current skin (the new name stays stored).
using TacSkinChangingEvent = forms::TEvent<void(forms::TObject* Sender, const std::u16string& NewName, bool& Allow)>;

// Posted to the application window when the preview socket has something to read.
inline constexpr win::UINT acPreviewSocketMessage = 0xA101;

inline constexpr char16_t acDefaultSkinDirectory[] = u"c:\\Skins";
inline constexpr char16_t acEngineVersion[] = u"14.31";

class TsSkinManager : public forms::TComponent, public TacSkinLoader {
  FORMS_CLASS(TsSkinManager)
 public:
  explicit TsSkinManager(forms::TComponent* owner);
  void Destroy() override;
  void Loaded() override;

  // ---- Published values ----
  bool Active() const { return FActive; }
  void SetActive(bool v);
  const std::u16string& SkinName() const { return FSkinName; }
  void SetSkinName(const std::u16string& v);
  const std::u16string& SkinDirectory() const { return Settings.SkinDirectory; }
  void SetSkinDirectory(const std::u16string& v);
  // The loaded skin's VERSION with "." as separator, or "N/A" without an active skin.
  std::u16string SkinInfo() const;
  std::u16string Version() const { return acEngineVersion; }
  bool IsDefault() const;
  void SetIsDefault(bool v);
  bool ExtendedBorders() const { return Settings.ExtendedBorders; }
  // A change while a skin is active rebuilds the loaded data's shadow templates and makes
  // every form take the mode up or leave it (scRefresh).
  void SetExtendedBorders(bool v);
  int Brightness() const { return Settings.Brightness; }
  void SetBrightness(int v) { Settings.Brightness = v; }
  int HueOffset = 0;
  int Saturation = 0;
  bool SkinnedPopups = true;
  TacSkinsFilter SkinsFilter{TacSkinsFilterItem::sfiInternal, TacSkinsFilterItem::sfiExternal};
  TacSkinningRules SkinningRules() const { return skinningRules_; }
  void SetSkinningRules(TacSkinningRules v);

  TacButtonsSupport ButtonsOptions;
  TacOptions Options{this};
  TacScrollBarsSupport ScrollsOptions;
  TacEffects Effects;
  TacAnimEffects AnimEffects;
  TsThirdPartyList ThirdParty;
  forms::TStringList CommonSections;
  TsStoredSkinsCollection InternalSkinsItems{this, InternalSkins};

  // ---- Events ----
  forms::TNotifyEvent OnActivate, OnDeactivate, OnAfterChange, OnBeforeChange, OnSkinLoading;
  forms::TNotifyEvent OnSkinListChanged, OnScaleModeChange, OnFontChanged, OnScaleChanged;
  TacSkinChangingEvent OnSkinChanging;

  // ---- State ----
  // The class lists for automatic skinning (letter case counts), rebuilt from ThirdParty.
  std::array<forms::TStringList, acThirdPartyCount> ThirdLists;
  bool NoAutoUpdate = false;
  win::HWND FActiveControl = nullptr;
  bool GlobalHookInstalled = false;
  // Solid brushes of palette entries 0..5, remade after every load (null without a skin).
  std::array<gfx::BrushObject*, 6> Brushes{};

  // ---- Operations ----
  void UpdateSkin(bool repaint);
  void RepaintForms(bool lockPainting);
  void BeginUpdate() { NoAutoUpdate = true; }
  void EndUpdate(bool repaint, bool allowAnimation);
  void SendNewSkin(bool repaint);
  void SendRemoveSkin();
  // Sends a message to every form, its children and the windows the hook skinned.
  void BroadcastToForms(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
  void UpdateDialogSkinning();
  void SetActiveControl(win::HWND h);
  // The 100 ms check of the hot control (the timer calls it).
  void CheckHotControl();
  // Rebuilds ThirdLists from ThirdParty (empty texts take their defaults first).
  void UpdateThirdNames();
  // The application font of a control: one that follows its parent's font is left alone;
  // otherwise a font named as the previous application font (or not named at all) takes
  // the skin's MainFont while a skin with one is active, else the default name it had.
  void UpdateFontName(forms::TControl* control);

  TColor GetGlobalColor() const { return Palette[pcMainColor]; }
  TColor GetGlobalFontColor() const { return Palette[pcLabelText]; }
  TColor GetActiveEditColor() const { return Palette[pcEditBG]; }
  TColor GetActiveEditFontColor() const { return Palette[pcEditText]; }
  TColor GetHighLightColor(bool focused) const;
  TColor GetHighLightFontColor(bool focused) const;

  // ---- Live preview (the manager that watches the application window) ----
  bool WatchesApplication() const { return watchedApp_ != nullptr; }
  // The preview buffer as last copied.
  const TacPreviewBuffer& PreviewBuffer() const { return *previewBuffer_; }
  // The local socket other processes send previews to (empty when none listens).
  std::string PreviewSocketPath() const;

  // ---- TacSkinHost ----
  TacMsgAnswer ShowSkinMessage(TacMsgKind kind, const std::u16string& text) override;

 protected:
  void DoSkinLoading() override;
  void Notification(forms::TComponent* c, forms::TOperation op) override;

 private:
  // The messages of the application window a default manager sees first.
  bool AppWindowHook(forms::TMessage& m);
  void ApplyPreview();
  void InstallHook();
  void UnInstallHook();
  void MakeBrushes();
  void FreeBrushes();
  void UpdateLoadSettings();
  void SetHotTimer(bool on);
  void SendToWindow(win::HWND h, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

  TacSkinningRules skinningRules_{TacSkinningRule::srStdForms, TacSkinningRule::srStdDialogs,
                                  TacSkinningRule::srThirdParty};
  bool activatedWhileLoading_ = false;
  forms::TComponent* watchedApp_ = nullptr;
  std::unique_ptr<TacPreviewBuffer> previewBuffer_;
  bool copyingPreview_ = false;
  std::unique_ptr<TacPreviewListener> listener_;
  win::UINT_PTR hotTimer_ = 0;
  // The application font names handed out: now and before the last change (empty: none).
  std::u16string appFontName_, previousAppFontName_;
};

// The process's default manager, or null.
TsSkinManager* DefaultManager();

// The colour lookup with a manager (null: the default manager).
TColor SkinColorToRGB(TColor c, const TsSkinManager* manager = nullptr);

// Whether message boxes and file dialogs use their classic forms that the window hook
// can skin (set by the default manager from SkinningRules and Active).
bool acStdDialogsClassic();
// While a skin message box is shown, standard dialogs are not skinned.
bool acDialogSkinningSuspended();

// The windows the hook skinned automatically, and those a dialog adapter handles, in the
// order they were registered; the window skinning layer registers them, the manager
// broadcasts through them. A window is listed once; unregistering one that is not listed
// does nothing. A view holds until the next change of its list.
void RegisterHookSkinnedWindow(win::HWND h);
void UnregisterHookSkinnedWindow(win::HWND h);
std::span<const win::HWND> acHookSkinnedWindows();
void RegisterDialogAdapterWindow(win::HWND h);
void UnregisterDialogAdapterWindow(win::HWND h);
std::span<const win::HWND> acDialogAdapterWindows();

// What the CBT hook does for the skin engine (form skinning plugs in here); without a
// handler the hook only passes every call on.
using TacHookHandler = std::function<void(int code, win::WPARAM wParam, win::LPARAM lParam)>;
void SetSkinHookHandler(TacHookHandler handler);
// The hook is in place.
bool acSkinHookInstalled();

// Process start: the shared empty data sets, the class registrations, the command line
// ("/acver" shows the engine's version; a first argument "/acpreview" suppresses the
// skin-version warning).
void SkinEngineStartup(const std::vector<std::u16string>& params);
// The end of the engine, after its managers are gone: the hook and hot timers still there
// are removed, the window lists emptied, the hook handler, the message sink and its
// record, the process-wide flags and the tuning values put back as they were before
// SkinEngineStartup, and the shared empty data sets freed. Startup may follow again.
void SkinEngineShutdown();
// Registers the manager's classes with the framework (also done by SkinEngineStartup).
void RegisterSkinManagerClasses();
// The first command-line argument is "/acpreview".
bool acPreviewRun();

}  // namespace skin
