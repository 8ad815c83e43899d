// The whole window picture of the main window (PaintAll at 670 x 585) and one hover step of
// its close button (the button restored from TempBmp, drawn hot and put on the window).
#include <benchmark/benchmark.h>

#include "bench/skin/StoredSkinBench.h"
#include "platform/forms/Application.h"
#include "platform/forms/Forms.h"
#include "platform/win/Headless.h"
#include "platform/win/HitCodes.h"
#include "platform/win/MessageApi.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/sSkinManager.h"
#include "skin/windows/acDials.h"
#include "skin/windows/sSkinProvider.h"

namespace skin::bench {

namespace {

// The main window's shape with the stored skin, skinned through the hook.
struct MainWindowScene {
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
    auto* manager = new TsSkinManager(form);
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

void BM_PaintAllMainWindow(benchmark::State& state) {
  MainWindowScene scene;
  if (!scene.ok) {
    state.SkipWithError("the main window was not skinned");
    return;
  }
  for (auto _ : state) {
    scene.provider->FCommonData->BGChanged = true;
    benchmark::DoNotOptimize(scene.provider->PaintAll());
  }
}
BENCHMARK(BM_PaintAllMainWindow)->Unit(benchmark::kMicrosecond);

void BM_CloseButtonHoverStep(benchmark::State& state) {
  MainWindowScene scene;
  if (!scene.ok) {
    state.SkipWithError("the main window was not skinned");
    return;
  }
  bool hot = false;
  for (auto _ : state) {
    hot = !hot;
    scene.provider->SetHotHT(hot ? win::HTCLOSE : 0);
  }
}
BENCHMARK(BM_CloseButtonHoverStep)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace skin::bench
