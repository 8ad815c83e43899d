// One full picture of a skinned push button (113 x 28, caption, hot state) and of a
// skinned group box at the size of the main window's list box (654 x 392), each rebuilt
// from the parent's background up.
#include <benchmark/benchmark.h>

#include "bench/skin/StoredSkinBench.h"
#include "platform/forms/Application.h"
#include "platform/forms/Forms.h"
#include "platform/forms/Graphics.h"
#include "platform/win/Headless.h"
#include "platform/win/MessageApi.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sGroupBox.h"
#include "skin/data/sSkinManager.h"

namespace skin::bench {

namespace {

// A headless form with the stored skin's manager.
struct SkinnedForm {
  forms::TForm* form = nullptr;
  TsSkinManager* manager = nullptr;
  bool ok = false;

  SkinnedForm() {
    win::headless::Start();
    forms::TApplicationRef::Reset();
    SkinEngineStartup({});
    form = forms::New<forms::TForm>(forms::Application.Get());
    form->SetBounds(0, 0, 700, 460);
    manager = new TsSkinManager(form);
    ok = LoadStoredSkin(*manager);
    if (ok) form->Show();
  }
  ~SkinnedForm() {
    forms::TApplicationRef::Reset();
    SkinEngineShutdown();
  }
  template <class C>
  C* Add(int x, int y, int w, int h, const std::u16string& caption) {
    auto* c = new C(form);
    c->SetBounds(x, y, w, h);
    c->Font()->SetName(u"Tahoma");
    c->Font()->SetHeight(-13);
    c->SetText(caption);
    c->SetParent(form);
    c->HandleNeeded();
    win::RunUntilIdle();
    return c;
  }
};

void BM_ButtonPictureRebuild(benchmark::State& state) {
  SkinnedForm scene;
  if (!scene.ok) {
    state.SkipWithError("the stored skin did not load");
    return;
  }
  auto* b = scene.Add<TsBitBtn>(20, 20, 113, 28, u"Получить список");
  TsCommonData* sd = b->SkinData();
  sd->FMouseAbove = true;  // state 1
  if (b->CurrentState() != 1 || !sd->PrepareCache()) {
    state.SkipWithError("the button is not skinned");
    return;
  }
  for (auto _ : state) {
    sd->BGChanged = true;
    benchmark::DoNotOptimize(sd->PrepareCache());
  }
  SetPixelRate(state, 113 * 28);
}
BENCHMARK(BM_ButtonPictureRebuild);

void BM_GroupBoxPictureRebuild(benchmark::State& state) {
  SkinnedForm scene;
  if (!scene.ok) {
    state.SkipWithError("the stored skin did not load");
    return;
  }
  auto* g = scene.Add<TsGroupBox>(0, 0, 654, 392, u" Полученный список URL. Найдено URL: 0 ");
  g->SetCaptionLayout(clTopCenter);
  TsCommonData* sd = g->SkinData();
  if (!sd->PrepareCache()) {
    state.SkipWithError("the group box is not skinned");
    return;
  }
  for (auto _ : state) {
    sd->BGChanged = true;
    benchmark::DoNotOptimize(sd->PrepareCache());
  }
  SetPixelRate(state, 654 * 392);
}
BENCHMARK(BM_GroupBoxPictureRebuild);

}  // namespace

}  // namespace skin::bench
