// TsSkinManager: telling the windows about a skin (SendNewSkin, SendRemoveSkin,
// BroadcastToForms, RepaintForms), the window hook, the dialog switch and the brushes.
#include <algorithm>

#include "platform/forms/Application.h"
#include "platform/forms/Forms.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/WindowApi.h"
#include "skin/data/EngineState.h"
#include "skin/data/acSkinCommands.h"
#include "skin/data/sSkinManager.h"

namespace skin {

namespace {

win::LRESULT SkinCBTHook(int code, win::WPARAM wParam, win::LPARAM lParam) {
  // The next hook first, its answer is the answer; then the skin's handler (a copy: the
  // handler may replace itself).
  const win::LRESULT result = win::CallNextHookEx(detail::Engine().hook, code, wParam, lParam);
  if (const TacHookHandler handler = detail::Engine().hookHandler) handler(code, wParam, lParam);
  return result;
}

// Adds h at the end unless it is there.
void AddOnce(std::vector<win::HWND>& list, win::HWND h) {
  if (h != nullptr && std::find(list.begin(), list.end(), h) == list.end()) list.push_back(h);
}

void Remove(std::vector<win::HWND>& list, win::HWND h) { std::erase(list, h); }

// Forms a broadcast passes by: being loaded or destroyed, MDI children, and windows a
// dialog adapter takes care of.
bool SkipsBroadcast(forms::TCustomForm* f) {
  if (f->IsLoading() || f->IsDestroying() || f->FormStyle() == forms::TFormStyle::fsMDIChild) return true;
  if (!f->HandleAllocated()) return false;
  const std::span<const win::HWND> adapted = acDialogAdapterWindows();
  return std::find(adapted.begin(), adapted.end(), f->Handle()) != adapted.end();
}

}  // namespace

bool acStdDialogsClassic() { return detail::Engine().stdDialogsClassic; }
bool acDialogSkinningSuspended() { return detail::Engine().dialogSkinningSuspended > 0; }

void RegisterHookSkinnedWindow(win::HWND h) { AddOnce(detail::Engine().hookSkinnedWindows, h); }
void UnregisterHookSkinnedWindow(win::HWND h) { Remove(detail::Engine().hookSkinnedWindows, h); }
std::span<const win::HWND> acHookSkinnedWindows() { return detail::Engine().hookSkinnedWindows; }

void RegisterDialogAdapterWindow(win::HWND h) { AddOnce(detail::Engine().dialogAdapterWindows, h); }
void UnregisterDialogAdapterWindow(win::HWND h) { Remove(detail::Engine().dialogAdapterWindows, h); }
std::span<const win::HWND> acDialogAdapterWindows() { return detail::Engine().dialogAdapterWindows; }

void SetSkinHookHandler(TacHookHandler handler) { detail::Engine().hookHandler = std::move(handler); }
bool acSkinHookInstalled() { return detail::Engine().hook != nullptr; }

TacMsgAnswer TsSkinManager::ShowSkinMessage(TacMsgKind kind, const std::u16string& text) {
  ++detail::Engine().dialogSkinningSuspended;
  struct Resume {
    ~Resume() { --detail::Engine().dialogSkinningSuspended; }
  } resume;
  return TacSkinLoader::ShowSkinMessage(kind, text);
}

void TsSkinManager::UpdateDialogSkinning() {
  if (IsDefault())
    detail::Engine().stdDialogsClassic = skinningRules_.Contains(TacSkinningRule::srStdDialogs) && FActive;
}

void TsSkinManager::InstallHook() {
  win::HHOOK& hook = detail::Engine().hook;
  if (IsDesigning() || hook != nullptr) return;
  hook = win::SetWindowsHookEx(win::WH_CBT, &SkinCBTHook, nullptr, win::GetCurrentThreadId());
  GlobalHookInstalled = hook != nullptr;
}

void TsSkinManager::UnInstallHook() {
  win::HHOOK& hook = detail::Engine().hook;
  if (hook != nullptr && IsDefault()) {
    win::UnhookWindowsHookEx(hook);
    hook = nullptr;
  }
  GlobalHookInstalled = false;
}

void TsSkinManager::SendNewSkin(bool repaint) {
  if (IsLoading()) return;
  ManagerState |= msBroadCasting;
  SkinCommonInfo.Active = false;
  BroadcastToForms(SkinCmdMessage, SkinCmdWParam(scNewSkin), reinterpret_cast<win::LPARAM>(this));
  SkinCommonInfo.Active = HasLoadedSections();
  if (IsDefault() && !acSkinHookInstalled()) InstallHook();
  if (repaint) RepaintForms(false);
  ManagerState &= ~msBroadCasting;
}

void TsSkinManager::SendRemoveSkin() {
  ManagerState |= msSkinRemoving;
  UnInstallHook();
  ResetSkinData();
  BroadcastToForms(SkinCmdMessage, SkinCmdWParam(scRemoveSkin), reinterpret_cast<win::LPARAM>(this));
  MasterBitmap.reset();
  FreeBrushes();
  ManagerState &= ~msSkinRemoving;
}

void TsSkinManager::SendToWindow(win::HWND h, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
  if (h != nullptr && win::IsWindow(h)) win::SendMessage(h, msg, wParam, lParam);
}

void TsSkinManager::BroadcastToForms(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
  auto sendToForm = [&](forms::TCustomForm* f) {
    if (SkipsBroadcast(f)) return;
    if (f->HandleAllocated()) SendToWindow(f->Handle(), msg, wParam, lParam);
    else f->Perform(msg, wParam, lParam);
    BroadcastToChildren(f, msg, wParam, lParam);
  };
  forms::TApplication* app = forms::Application.Get();
  std::vector<forms::TCustomForm*> owned;
  for (int i = 0; i < app->ComponentCount(); ++i)
    if (auto* f = dynamic_cast<forms::TCustomForm*>(app->Components(i))) owned.push_back(f);
  // From the last form to the first; a handler that frees a form is allowed.
  for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
    bool stillThere = false;
    for (int i = 0; i < app->ComponentCount() && !stillThere; ++i) stillThere = app->Components(i) == *it;
    if (stillThere) sendToForm(*it);
  }
  std::vector<forms::TCustomForm*> others;
  for (int i = 0; i < forms::Screen->FormCount(); ++i) {
    forms::TCustomForm* f = forms::Screen->Forms(i);
    if (f->Owner() != app) others.push_back(f);
  }
  for (forms::TCustomForm* f : others) {
    bool stillThere = false;
    for (int i = 0; i < forms::Screen->FormCount() && !stillThere; ++i) stillThere = forms::Screen->Forms(i) == f;
    if (stillThere) sendToForm(f);
  }
  // A copy: a window may leave the list while it handles the message.
  const std::span<const win::HWND> view = acHookSkinnedWindows();
  const std::vector<win::HWND> hooked(view.begin(), view.end());
  for (win::HWND h : hooked)
    if (win::IsWindow(h) && win::IsWindowVisible(h)) win::SendMessage(h, msg, wParam, lParam);
}

void TsSkinManager::RepaintForms(bool lockPainting) {
  if (!IsDesigning()) BroadcastToForms(SkinCmdMessage, SkinCmdWParam(scStopFade), reinterpret_cast<win::LPARAM>(this));
  const win::WPARAM refresh = SkinCmdWParam(scRefresh);
  const auto self = reinterpret_cast<win::LPARAM>(this);
  if (IsLoading() || !lockPainting) {
    BroadcastToForms(SkinCmdMessage, refresh, self);
  } else {
    std::vector<win::HWND> locked;
    for (int i = 0; i < forms::Screen->FormCount(); ++i) {
      forms::TCustomForm* f = forms::Screen->Forms(i);
      if (f->HandleAllocated() && win::IsWindowVisible(f->Handle())) {
        win::SendMessage(f->Handle(), win::WM_SETREDRAW, 0, 0);
        locked.push_back(f->Handle());
      }
    }
    BroadcastToForms(SkinCmdMessage, refresh, self);
    for (win::HWND h : locked) {
      if (!win::IsWindow(h)) continue;
      win::SendMessage(h, win::WM_SETREDRAW, 1, 0);
      if (!NoAutoUpdate)
        win::RedrawWindow(h, nullptr, nullptr,
                          win::RDW_ERASE | win::RDW_FRAME | win::RDW_INVALIDATE | win::RDW_ALLCHILDREN);
    }
  }
  const std::span<const win::HWND> view = acHookSkinnedWindows();
  const std::vector<win::HWND> hooked(view.begin(), view.end());
  for (win::HWND h : hooked)
    if (win::IsWindow(h) && win::IsWindowVisible(h))
      win::RedrawWindow(h, nullptr, nullptr,
                        win::RDW_ERASE | win::RDW_FRAME | win::RDW_INVALIDATE | win::RDW_ALLCHILDREN);
}

void TsSkinManager::MakeBrushes() {
  FreeBrushes();
  if (!IsActive() && !HasLoadedSections()) return;
  for (std::size_t i = 0; i < Brushes.size(); ++i) Brushes[i] = gfx::CreateSolidBrush(Palette[i]);
}

void TsSkinManager::FreeBrushes() {
  for (gfx::BrushObject*& b : Brushes) {
    if (b != nullptr) gfx::DeleteObject(b);
    b = nullptr;
  }
}

}  // namespace skin
