#pragma once
// Automatic skinning: the window hook's handler, the decision whether a window that is
// activated or created gets skinned (AttachSkinProvider), and TacProvider, the record of
// one automatically skinned top-level window in SkinnedWindowList. A form's TacProvider
// is owned by the form and creates the form's run-time TsSkinProvider; a standard
// dialog's TacProvider has no owner (its dialog adapter belongs to the dialog adapters).
#include <cstdint>
#include <string>

#include "platform/forms/Classes.h"
#include "platform/win/Types.h"

namespace skin {

class TsSkinProvider;
class TacDialogWnd;

// A form whose Tag contains all bits of NoSkinTag is never skinned automatically.
inline constexpr std::intptr_t NoSkinTag = 256;
// Visible skinned standard dialogs at or above which a further one needs a tool bar.
inline constexpr int MaxSkinnedDialogs = 2;

// Window classes never skinned.
bool IsExcludedPopupClass(const std::u16string& className);

class TacProvider : public forms::TComponent {
  FORMS_CLASS(TacProvider)
 public:
  // A form's record (owner: the form) or a dialog's (owner nullptr); added to the list.
  TacProvider(forms::TComponent* owner, win::HWND window);
  void Destroy() override;
  TsSkinProvider* SkinProvider = nullptr;
  win::HWND CtrlHandle = nullptr;
  // A standard dialog's frame adapter (owned; it owns the adapters of the children).
  TacDialogWnd* DialogWnd = nullptr;
};

// What the decision reads of a window and the engine.
struct TacAttachFacts {
  bool ManagerActive = false;
  bool ApplicationDestroying = false;
  bool AlreadySkinned = false;   // "ACSDATA" or scIsSkinned
  bool BorderlessPopup = false;  // WS_POPUP without WS_BORDER
  bool InList = false;           // already in SkinnedWindowList
  bool IsForm = false;           // a form of the program owns the window
  std::intptr_t Tag = 0;
  std::u16string ClassName;
  bool HasParent = false;
  bool StdForms = true, StdDialogs = true;  // the manager's SkinningRules
  bool DialogSkinningSuspended = false;     // a skin message box is shown
  int VisibleSkinnedDialogs = 0;
  bool HasToolBar = false;  // some descendant's class is "toolbarwindow32"
  bool Vetoed = false;      // the manager's dialog-init event said no
};

enum class TacAttachResult {
  NotHandled,   // nothing attached; others may try
  Handled,      // reported handled, nothing attached
  AttachForm,   // a provider for the form
  AttachDialog  // a record for a standard dialog
};

// The decision order of automatic skinning.
TacAttachResult DecideAttach(const TacAttachFacts& f);

// Decides and performs the skinning of one top-level window; true when handled.
bool AttachSkinProvider(win::HWND window, const std::u16string& className = {});

// The hook's handler (HCBT_ACTIVATE and HCBT_CREATEWND), put in place with
// SetSkinHookHandler by InitWindowSkinning.
void WindowSkinningHook(int code, win::WPARAM wParam, win::LPARAM lParam);

// Registers the window skinning classes and plugs the hook handler in.
void InitWindowSkinning();

// Points the record of a window at its provider (nullptr: the provider `from` is gone).
void SetRecordProvider(win::HWND window, TsSkinProvider* provider, const TsSkinProvider* from = nullptr);

// The records of SkinnedWindowList that are still alive (dead windows' records are freed
// on the way).
int SkinnedWindowCount();
TacProvider* SkinnedWindowAt(int index);

}  // namespace skin
