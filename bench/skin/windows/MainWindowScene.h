#pragma once
// The benchmarks' main window: the program's shape (670 x 585, a system menu only) with the
// stored skin, skinned through the hook on a fresh headless screen.
#include "bench/skin/StoredSkinBench.h"
#include "platform/forms/Application.h"
#include "platform/forms/Forms.h"
#include "platform/win/Headless.h"
#include "platform/win/MessageApi.h"
#include "skin/data/sSkinManager.h"
#include "skin/windows/acDials.h"
#include "skin/windows/sSkinProvider.h"

namespace skin::bench {

// The main window's shape with the stored skin, skinned through the hook.
struct MainWindowScene {
  TsSkinManager* manager = nullptr;
  forms::TForm* form = nullptr;
  TsSkinProvider* provider = nullptr;
  bool ok = false;

  MainWindowScene() {
    win::headless::Start();
    forms::TApplicationRef::Reset();
    SkinEngineStartup({});
    InitWindowSkinning();
    form = forms::New<forms::TForm>(forms::Application.Get());
    form->SetBorderIcons(forms::TBorderIcons{forms::TBorderIcon::biSystemMenu});
    form->SetCaption(u"Pellomir by Orvanta V1.0");
    form->SetBounds(0, 0, 670, 585);
    manager = new TsSkinManager(form);
    if (!LoadStoredSkin(*manager)) return;
    form->Show();
    // The stored skin is loaded without the manager's broadcast (no hook yet): attach now.
    AttachSkinProvider(form->Handle());
    win::RunUntilIdle();
    provider = ProviderOf(form);
    ok = provider != nullptr && provider->FrameSkinned();
  }
  ~MainWindowScene() {
    forms::TApplicationRef::Reset();
    SkinEngineShutdown();
  }
};

}  // namespace skin::bench
