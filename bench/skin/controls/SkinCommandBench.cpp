// One background question answered through a skin command (the direct call of the stored
// window procedure against a send through the window system), and one container picture
// rebuilt at the size of the main window's group box area.
#include <benchmark/benchmark.h>

#include "bench/skin/StoredSkinBench.h"
#include "platform/forms/Application.h"
#include "platform/forms/Forms.h"
#include "platform/win/Headless.h"
#include "platform/win/MessageApi.h"
#include "tests/skin/support/ProbeControlTestSupport.h"

namespace skin::bench {

namespace {

// A headless form with the stored skin's manager and one probe container on it.
struct ProbeScene {
  forms::TForm* form = nullptr;
  TsSkinManager* manager = nullptr;
  test::TProbeControl* container = nullptr;
  bool ok = false;

  ProbeScene(std::uint8_t coc, const std::u16string& section, int w, int h) {
    win::headless::Start();
    forms::TApplicationRef::Reset();
    SkinEngineStartup({});
    form = forms::New<forms::TForm>(forms::Application.Get());
    form->SetBounds(0, 0, w + 40, h + 60);
    manager = new TsSkinManager(form);
    if (!LoadStoredSkin(*manager)) return;
    form->Show();
    container = new test::TProbeControl(form, coc);
    container->DefaultSection = section;
    container->SetBounds(8, 8, w, h);
    container->SetParent(form);
    container->HandleNeeded();
    container->SkinData->Loaded(true);
    win::RunUntilIdle();
    ok = container->SkinData->Skinned(true) && container->PrepareCache();
  }
  ~ProbeScene() {
    forms::TApplicationRef::Reset();
    SkinEngineShutdown();
  }
};

void BM_BgInfoRoundTrip(benchmark::State& state) {
  ProbeScene scene(cocGroupBox, u"GROUPBOX", 300, 200);
  if (!scene.ok) {
    state.SkipWithError("the stored skin did not load");
    return;
  }
  const win::HWND h = scene.container->Handle();
  const bool direct = state.range(0) == 1;
  for (auto _ : state) {
    TsBackgroundQuery q;
    if (direct) SendSkinCommand(h, scGetBgInfo, reinterpret_cast<win::LPARAM>(&q));
    else win::SendMessage(h, SkinCmdMessage, SkinCmdWParam(scGetBgInfo), reinterpret_cast<win::LPARAM>(&q));
    benchmark::DoNotOptimize(q.Bitmap);
  }
}
BENCHMARK(BM_BgInfoRoundTrip)->ArgName("direct")->Arg(1)->Arg(0);

void BM_ContainerCacheRebuild(benchmark::State& state) {
  const bool panel = state.range(0) == 1;
  ProbeScene scene(panel ? cocPanel : cocGroupBox, panel ? u"PANEL" : u"GROUPBOX", 654, 392);
  if (!scene.ok) {
    state.SkipWithError("the stored skin did not load");
    return;
  }
  for (auto _ : state) {
    scene.container->SkinData->BGChanged = true;
    benchmark::DoNotOptimize(scene.container->PrepareCache());
  }
  SetPixelRate(state, 654 * 392);
}
BENCHMARK(BM_ContainerCacheRebuild)->ArgName("panel")->Arg(0)->Arg(1);

}  // namespace

}  // namespace skin::bench
