// The list of the main window as a skinned memo against the platform's memo: filling it
// with 50,000 lines in one batch while a change handler counts the lines after every
// added line (as the program's count caption does), and one page scroll with its repaint.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/skin/StoredSkinBench.h"
#include "platform/base/NumberText.h"
#include "platform/forms/Application.h"
#include "platform/forms/Forms.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/Headless.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "skin/controls/sMemo.h"
#include "tests/skin/support/ProbeControlTestSupport.h"

namespace skin::bench {

namespace {

constexpr int kLines = 50000;

// A headless form with the stored skin, a group box probe of the program's list area and a
// memo filling it: a TsMemo when skinned, else the platform's TMemo.
struct ListScene {
  forms::TForm* form = nullptr;
  TsSkinManager* manager = nullptr;
  test::TProbeControl* box = nullptr;
  forms::TMemo* memo = nullptr;
  int counted = 0;
  bool ok = false;

  explicit ListScene(bool skinned) {
    win::headless::Start();
    forms::TApplicationRef::Reset();
    SkinEngineStartup({});
    form = forms::New<forms::TForm>(forms::Application.Get());
    form->SetBounds(0, 0, 670, 585);
    manager = new TsSkinManager(form);
    if (!LoadStoredSkin(*manager)) return;
    form->Show();
    box = new test::TProbeControl(form, cocGroupBox);
    box->SetBounds(8, 120, 654, 392);
    box->SetParent(form);
    box->HandleNeeded();
    box->SkinData->Loaded(true);
    memo = skinned ? new TsMemo(form) : new forms::TMemo(form);
    memo->SetBounds(2, 18, 650, 372);
    memo->SetScrollBars(forms::TScrollStyle::ssVertical);
    memo->SetWordWrap(false);
    memo->SetParent(box);
    memo->OnChange = [this](forms::TObject*) { counted = memo->Lines()->Count(); };
    memo->HandleNeeded();
    win::RunUntilIdle();
    ok = true;
  }
  ~ListScene() {
    forms::TApplicationRef::Reset();
    SkinEngineShutdown();
  }
  void Fill() {
    memo->Lines()->BeginUpdate();
    memo->Lines()->Clear();
    for (int i = 0; i < kLines; ++i) memo->Lines()->Add(u"https://www.example.org/page-" + base::IntToText(i));
    memo->Lines()->EndUpdate();
    win::RunUntilIdle();
  }
};

void BM_MemoFill(benchmark::State& state) {
  ListScene scene(state.range(0) == 1);
  if (!scene.ok) {
    state.SkipWithError("the stored skin did not load");
    return;
  }
  for (auto _ : state) {
    scene.Fill();
    benchmark::DoNotOptimize(scene.counted);
  }
  if (scene.counted != kLines) state.SkipWithError("the count did not follow the lines");
}
BENCHMARK(BM_MemoFill)->ArgName("skinned")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_MemoPageScroll(benchmark::State& state) {
  ListScene scene(state.range(0) == 1);
  if (!scene.ok) {
    state.SkipWithError("the stored skin did not load");
    return;
  }
  scene.Fill();
  const win::HWND h = scene.memo->Handle();
  int pages = 0;
  for (auto _ : state) {
    // Down through the list, then back to the top in one step.
    const win::WORD code = ++pages % 1000 == 0 ? win::SB_TOP : win::SB_PAGEDOWN;
    win::SendMessage(h, win::WM_VSCROLL, code, 0);
    win::UpdateWindow(h);
  }
}
BENCHMARK(BM_MemoPageScroll)->ArgName("skinned")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace skin::bench
