#include "skin/windows/acDials.h"

#include <algorithm>
#include <array>

#include "platform/base/TextCase.h"
#include "platform/forms/Application.h"
#include "platform/forms/Forms.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/data/EngineState.h"
#include "skin/data/acSkinCommands.h"
#include "skin/data/sSkinManager.h"
#include "skin/windows/acDialogWnd.h"
#include "skin/windows/sSkinProvider.h"

namespace skin {

namespace {

std::vector<forms::TComponent*>& List() { return detail::Engine().skinnedWindowList; }

// Frees the records whose window is gone and drops emptied slots.
void Sweep() {
  std::vector<forms::TComponent*>& list = List();
  std::vector<TacProvider*> dead;
  for (forms::TComponent* c : list) {
    auto* p = static_cast<TacProvider*>(c);
    if (p != nullptr && p->Owner() == nullptr && !win::IsWindow(p->CtrlHandle)) dead.push_back(p);
  }
  for (TacProvider* p : dead) p->Free();  // each removes itself
  std::erase(list, nullptr);
}

bool WindowSkinnedAlready(win::HWND h) {
  if (win::GetProp(h, acSkinDataProp) != nullptr) return true;
  return win::SendMessage(h, SkinCmdMessage, SkinCmdWParam(scIsSkinned), 0) == 1;
}

bool InList(win::HWND h) {
  for (forms::TComponent* c : List())
    if (c != nullptr && static_cast<TacProvider*>(c)->CtrlHandle == h) return true;
  return false;
}

bool HasToolBarDescendant(win::HWND h) {
  for (win::HWND c = win::GetWindow(h, win::GW_CHILD); c != nullptr; c = win::GetWindow(c, win::GW_HWNDNEXT)) {
    if (base::ToLowerAscii(win::GetClassName(c)) == u"toolbarwindow32") return true;
    if (HasToolBarDescendant(c)) return true;
  }
  return false;
}

int VisibleSkinnedDialogs() {
  int n = 0;
  for (forms::TComponent* c : List()) {
    auto* p = static_cast<TacProvider*>(c);
    if (p != nullptr && p->SkinProvider == nullptr && win::IsWindow(p->CtrlHandle) &&
        win::IsWindowVisible(p->CtrlHandle))
      ++n;
  }
  return n;
}

}  // namespace

bool IsExcludedPopupClass(const std::u16string& className) {
  static constexpr std::array<std::u16string_view, 7> kExcluded{u"TApplication",           u"TfcPopup",
                                                                u"TcxComboBoxPopupWindow", u"TcxCustomPopupWindow",
                                                                u"TdxPopupEditForm",       u"TcxDateEditPopupWindow",
                                                                u"TcxGridFilterPopup"};
  return std::find(kExcluded.begin(), kExcluded.end(), className) != kExcluded.end();
}

// ---- TacProvider ----

TacProvider::TacProvider(forms::TComponent* owner, win::HWND window) : forms::TComponent(owner), CtrlHandle(window) {
  List().push_back(this);
  RegisterHookSkinnedWindow(window);
}

void TacProvider::Destroy() {
  std::vector<forms::TComponent*>& list = List();
  std::replace(list.begin(), list.end(), static_cast<forms::TComponent*>(this),
               static_cast<forms::TComponent*>(nullptr));
  UnregisterHookSkinnedWindow(CtrlHandle);
  delete DialogWnd;
  DialogWnd = nullptr;
  forms::TComponent::Destroy();
}

// ---- The decision ----

TacAttachResult DecideAttach(const TacAttachFacts& f) {
  if (!f.ManagerActive || f.ApplicationDestroying || f.AlreadySkinned) return TacAttachResult::NotHandled;
  if (f.BorderlessPopup || f.InList) return TacAttachResult::NotHandled;
  // While a skin message box is shown, standard dialogs count as not skinned.
  const bool stdDialogs = f.StdDialogs && !f.DialogSkinningSuspended;
  if (f.IsForm) {
    if ((f.Tag & NoSkinTag) == NoSkinTag) return TacAttachResult::Handled;
    if (IsExcludedPopupClass(f.ClassName)) return TacAttachResult::NotHandled;
    const bool rule = f.ClassName == u"TMessageForm" ? stdDialogs : f.StdForms;
    return rule ? TacAttachResult::AttachForm : TacAttachResult::NotHandled;
  }
  if (f.ClassName != u"#32770" && f.ClassName != u"NativeHWNDHost") return TacAttachResult::Handled;
  if (f.HasParent) return TacAttachResult::Handled;
  if (!stdDialogs) return TacAttachResult::NotHandled;
  if (f.VisibleSkinnedDialogs >= MaxSkinnedDialogs && !f.HasToolBar) return TacAttachResult::Handled;
  if (f.Vetoed) return TacAttachResult::Handled;
  return TacAttachResult::AttachDialog;
}

bool AttachSkinProvider(win::HWND window, const std::u16string& className) {
  if (window == nullptr || !win::IsWindow(window)) return false;
  Sweep();
  TsSkinManager* m = DefaultManager();
  TacAttachFacts f;
  f.ManagerActive = m != nullptr && m->IsActive() && !m->IsDestroying();
  forms::TApplication* app = forms::Application.Get();
  f.ApplicationDestroying = app == nullptr || app->IsDestroying();
  if (!f.ManagerActive || f.ApplicationDestroying) return false;
  f.AlreadySkinned = WindowSkinnedAlready(window);
  f.ClassName = className.empty() ? win::GetClassName(window) : className;
  const auto style = static_cast<win::DWORD>(win::GetWindowLongPtr(window, win::GWL_STYLE));
  f.BorderlessPopup = (style & win::WS_POPUP) != 0 && (style & win::WS_BORDER) == 0;
  f.InList = InList(window);
  auto* form = dynamic_cast<forms::TCustomForm*>(forms::TWinControl::FindControl(window));
  f.IsForm = form != nullptr;
  if (form != nullptr) {
    f.Tag = form->Tag();
    f.ClassName = std::u16string(form->ClassName());
  }
  f.HasParent = win::GetParent(window) != nullptr;
  const TacSkinningRules rules = m->SkinningRules();
  f.StdForms = rules.Contains(TacSkinningRule::srStdForms);
  f.StdDialogs = rules.Contains(TacSkinningRule::srStdDialogs);
  f.DialogSkinningSuspended = acDialogSkinningSuspended();
  f.VisibleSkinnedDialogs = VisibleSkinnedDialogs();
  if (f.VisibleSkinnedDialogs >= MaxSkinnedDialogs) f.HasToolBar = HasToolBarDescendant(window);
  switch (DecideAttach(f)) {
    case TacAttachResult::NotHandled: return false;
    case TacAttachResult::Handled: return true;
    case TacAttachResult::AttachForm: {
      new TacProvider(form, window);
      TsSkinProvider::CreateRT(form, true);  // points the record at itself
      if (win::IsWindowVisible(window))
        win::RedrawWindow(window, nullptr, nullptr,
                          win::RDW_ERASE | win::RDW_FRAME | win::RDW_INVALIDATE | win::RDW_ALLCHILDREN);
      return true;
    }
    case TacAttachResult::AttachDialog: {
      // The record keeps the dialog in the list the manager broadcasts through and owns
      // the dialog's frame adapter, which adapts the children once they exist.
      auto* record = new TacProvider(nullptr, window);
      record->DialogWnd = new TacDialogWnd(window, m);
      record->DialogWnd->Provider = record;
      return true;
    }
  }
  return false;
}

void WindowSkinningHook(int code, win::WPARAM wParam, win::LPARAM lParam) {
  forms::TApplication* app = forms::Application.Get();
  if (app == nullptr || app->IsDestroying()) return;
  const auto window = reinterpret_cast<win::HWND>(wParam);
  if (code == win::HCBT_ACTIVATE) {
    AttachSkinProvider(window);
    return;
  }
  if (code != win::HCBT_CREATEWND || lParam == 0) return;
  const auto* cbt = reinterpret_cast<const win::CBT_CREATEWND*>(lParam);
  if (cbt->lpcs == nullptr) return;
  const win::CREATESTRUCT& cs = *cbt->lpcs;
  if (win::IS_INTRESOURCE(cs.lpszClass)) {
    if (win::ATOMOF(cs.lpszClass) == win::DIALOG_CLASS_ATOM) AttachSkinProvider(window, u"#32770");
    return;  // menus (atom 32768) have no adapter here
  }
  const std::u16string name = cs.lpszClass != nullptr ? std::u16string(cs.lpszClass) : std::u16string();
  if (name != u"TPUtilWindow" || cs.style == 0 || cs.dwExStyle == 0 || cs.hwndParent != nullptr) return;
  forms::TCustomForm* main = app->MainForm();
  if (main == nullptr || (main->HandleAllocated() && main->Handle() != window)) AttachSkinProvider(window, name);
}

void SetRecordProvider(win::HWND window, TsSkinProvider* provider, const TsSkinProvider* from) {
  for (forms::TComponent* c : List()) {
    auto* p = static_cast<TacProvider*>(c);
    if (p == nullptr || p->CtrlHandle != window) continue;
    if (provider != nullptr || p->SkinProvider == from) p->SkinProvider = provider;
  }
}

int SkinnedWindowCount() {
  Sweep();
  return static_cast<int>(List().size());
}

TacProvider* SkinnedWindowAt(int index) {
  std::vector<forms::TComponent*>& list = List();
  if (index < 0 || index >= static_cast<int>(list.size())) return nullptr;
  return static_cast<TacProvider*>(list[static_cast<std::size_t>(index)]);
}

}  // namespace skin
