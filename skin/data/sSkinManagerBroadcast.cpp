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
#include "skin/data/acSkinCommands.h"
#include "skin/data/sSkinManager.h"

namespace skin {

namespace {

win::HHOOK g_hook = nullptr;
TacHookHandler& HookHandler() {
  static TacHookHandler handler;
  return handler;
}
bool g_stdDialogsClassic = false;
int g_dialogSkinningSuspended = 0;

win::LRESULT SkinCBTHook(int code, win::WPARAM wParam, win::LPARAM lParam) {
  if (const TacHookHandler& handler = HookHandler()) handler(code, wParam, lParam);
  return win::CallNextHookEx(g_hook, code, wParam, lParam);
}

// Forms a broadcast passes by: being loaded or destroyed, MDI children, and windows a
// dialog adapter takes care of.
bool SkipsBroadcast(forms::TCustomForm* f) {
  if (f->IsLoading() || f->IsDestroying() || f->FormStyle() == forms::TFormStyle::fsMDIChild) return true;
  if (!f->HandleAllocated()) return false;
  const std::vector<win::HWND>& adapted = acDialogAdapterWindows();
  return std::find(adapted.begin(), adapted.end(), f->Handle()) != adapted.end();
}

}  // namespace

bool acStdDialogsClassic() { return g_stdDialogsClassic; }
bool acDialogSkinningSuspended() { return g_dialogSkinningSuspended > 0; }

std::vector<win::HWND>& acHookSkinnedWindows() {
  static std::vector<win::HWND> windows;
  return windows;
}

std::vector<win::HWND>& acDialogAdapterWindows() {
  static std::vector<win::HWND> windows;
  return windows;
}

void SetSkinHookHandler(TacHookHandler handler) { HookHandler() = std::move(handler); }
bool acSkinHookInstalled() { return g_hook != nullptr; }

TacMsgAnswer TsSkinManager::ShowSkinMessage(TacMsgKind kind, const std::u16string& text) {
  ++g_dialogSkinningSuspended;
  struct Resume {
    ~Resume() { --g_dialogSkinningSuspended; }
  } resume;
  return TacSkinLoader::ShowSkinMessage(kind, text);
}

void TsSkinManager::UpdateDialogSkinning() {
  if (IsDefault()) g_stdDialogsClassic = skinningRules_.Contains(TacSkinningRule::srStdDialogs) && FActive;
}

void TsSkinManager::InstallHook() {
  if (IsDesigning() || g_hook != nullptr) return;
  g_hook = win::SetWindowsHookEx(win::WH_CBT, &SkinCBTHook, nullptr, win::GetCurrentThreadId());
  GlobalHookInstalled = g_hook != nullptr;
}

void TsSkinManager::UnInstallHook() {
  if (g_hook != nullptr && IsDefault()) {
    win::UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
  }
  GlobalHookInstalled = false;
}

void TsSkinManager::SendNewSkin(bool repaint) {
  if (IsLoading()) return;
  ManagerState |= msBroadCasting;
  SkinCommonInfo.Active = false;
  BroadcastToForms(SkinCmdMessage, SkinCmdWParam(scNewSkin), reinterpret_cast<win::LPARAM>(this));
  SkinCommonInfo.Active = HasLoadedSections();
  if (IsDefault() && g_hook == nullptr) InstallHook();
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
  const std::vector<win::HWND> hooked = acHookSkinnedWindows();
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
  const std::vector<win::HWND> hooked = acHookSkinnedWindows();
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
