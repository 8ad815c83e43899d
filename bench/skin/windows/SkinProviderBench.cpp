// The whole window picture of the main window (PaintAll at 670 x 585) and one hover step of
// its close button (the button restored from TempBmp, drawn hot and put on the window).
#include <benchmark/benchmark.h>

#include "bench/skin/windows/MainWindowScene.h"
#include "platform/win/HitCodes.h"
#include "skin/controls/sCommonData.h"

namespace skin::bench {

namespace {

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
