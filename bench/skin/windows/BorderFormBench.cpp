// The extended-border mode of the main window (stored skin): one whole picture of its
// border window (shadow, frame, title band, caption and buttons, 732 x 645, and its
// premultiplied copy), and one move step of the form (the border window follows and the
// screen is composed again).
#include <benchmark/benchmark.h>

#include "bench/skin/windows/MainWindowScene.h"
#include "platform/win/Positions.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/sCommonData.h"
#include "skin/windows/acBorderForm.h"

namespace skin::bench {

namespace {

TacBorderForm* SwitchOn(MainWindowScene& scene) {
  if (!scene.ok) return nullptr;
  scene.manager->SetExtendedBorders(true);
  win::RunUntilIdle();
  return scene.provider->BorderForm.get();
}

void BM_BorderFormPaintAll(benchmark::State& state) {
  MainWindowScene scene;
  TacBorderForm* border = SwitchOn(scene);
  if (border == nullptr) {
    state.SkipWithError("the main window got no border window");
    return;
  }
  for (auto _ : state) {
    scene.provider->FCommonData->BGChanged = true;
    benchmark::DoNotOptimize(border->PaintAll());
  }
}
BENCHMARK(BM_BorderFormPaintAll)->Unit(benchmark::kMicrosecond);

void BM_BorderFormMoveStep(benchmark::State& state) {
  MainWindowScene scene;
  if (SwitchOn(scene) == nullptr) {
    state.SkipWithError("the main window got no border window");
    return;
  }
  const win::HWND h = scene.form->Handle();
  int x = 100;
  for (auto _ : state) {
    x = x == 100 ? 108 : 100;
    win::SetWindowPos(h, nullptr, x, 60, 0, 0, win::SWP_NOSIZE | win::SWP_NOZORDER | win::SWP_NOACTIVATE);
    win::RunUntilIdle();
  }
}
BENCHMARK(BM_BorderFormMoveStep)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace skin::bench
