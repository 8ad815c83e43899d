// The info window's panel rebuilt with its six non-windowed children painted over it
// (461 x 499), and one stretched image rebuilt (a 512 x 512 picture shrunk smoothly into
// 50 x 50 over the panel's picture), with the picture changed before every build or not.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/skin/StoredSkinBench.h"
#include "platform/forms/Application.h"
#include "platform/forms/Bitmaps.h"
#include "platform/forms/Forms.h"
#include "platform/forms/Picture.h"
#include "platform/gfx/Surface.h"
#include "platform/win/Headless.h"
#include "platform/win/MessageApi.h"
#include "skin/controls/acCachePaint.h"
#include "skin/controls/acImage.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sPanel.h"
#include "skin/data/sSkinManager.h"

namespace skin::bench {

namespace {

std::unique_ptr<forms::TBitmap> Picture(int w, int h) {
  auto b = std::make_unique<forms::TBitmap>(w, h);
  b->SetPixelFormat(forms::TPixelFormat::pf32bit);
  b->SetAlphaFormat(forms::TAlphaFormat::afDefined);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b->ScanLine(y)[x] = static_cast<std::uint32_t>((x * 255 / w) << 24 | (y & 0xFF) << 8 | (x & 0xFF));
  return b;
}

// A headless form with the stored skin, the info window's panel, labels and images.
struct InfoScene {
  forms::TForm* form = nullptr;
  TsSkinManager* manager = nullptr;
  TsPanel* panel = nullptr;
  TsImage* logo = nullptr;
  bool ok = false;

  InfoScene() {
    win::headless::Start();
    forms::TApplicationRef::Reset();
    SkinEngineStartup({});
    form = forms::New<forms::TForm>(forms::Application.Get());
    form->SetBounds(0, 0, 477, 538);
    manager = new TsSkinManager(form);
    if (!LoadStoredSkin(*manager)) return;
    form->Show();
    panel = forms::New<TsPanel>(form);
    panel->SetBounds(0, 0, 461, 499);
    panel->SetParent(form);
    panel->HandleNeeded();
    const auto square = Picture(512, 512), tall = Picture(460, 510), wide = Picture(400, 114);
    const struct {
      gfx::TRect place;
      const forms::TBitmap* picture;
    } images[] = {{{8, 16, 58, 66}, square.get()},
                  {{98, 297, 171, 370}, tall.get()},
                  {{208, 337, 338, 370}, wide.get()},
                  {{272, 260, 329, 313}, square.get()}};
    for (const auto& i : images) {
      auto* image = forms::New<TsImage>(form);
      image->SetBounds(i.place.Left, i.place.Top, i.place.Width(), i.place.Height());
      image->Picture()->SetGraphic(i.picture);
      image->SetStretch(true);
      image->SetProportional(i.picture != wide.get());
      image->SetTransparent(true);
      image->SetParent(panel);
      if (logo == nullptr) logo = image;
    }
    for (const gfx::TRect& r : {gfx::TRect{74, 16, 444, 271}, gfx::TRect{74, 385, 441, 415}}) {
      auto* label = forms::New<TsStickyLabel>(form);
      label->SetAutoSize(false);
      label->SetBounds(r.Left, r.Top, r.Width(), r.Height());
      label->SetCaption(u"Pellomir.\r\n\r\nFetches a sitemap and lists its pages.\r\nSaves the list to a file.");
      label->SetParent(panel);
    }
    win::RunUntilIdle();
    ok = panel->SkinData()->Skinned(true) && panel->PrepareCache();
  }
  ~InfoScene() {
    forms::TApplicationRef::Reset();
    SkinEngineShutdown();
  }
};

void BM_InfoPanelRebuild(benchmark::State& state) {
  InfoScene scene;
  if (!scene.ok) {
    state.SkipWithError("the stored skin did not load");
    return;
  }
  Bitmap32 out(461, 499);
  for (auto _ : state) {
    scene.panel->SkinData()->BGChanged = true;
    forms::TMessage paint{win::WM_PAINT, reinterpret_cast<win::WPARAM>(&out.Canvas()), 0, 0};
    scene.panel->WindowProc(paint);
    benchmark::DoNotOptimize(out.Pixel(10, 10));
  }
  SetPixelRate(state, 461 * 499);
}
BENCHMARK(BM_InfoPanelRebuild)->Unit(benchmark::kMillisecond);

void BM_StretchedImageRebuild(benchmark::State& state) {
  InfoScene scene;
  if (!scene.ok) {
    state.SkipWithError("the stored skin did not load");
    return;
  }
  // changed:1 tells the image that its picture changed before every build, so that the
  // picture is resampled each time; changed:0 reuses the resampled picture.
  const bool changed = state.range(0) == 1;
  forms::TPicture* picture = scene.logo->Picture();
  Bitmap32 dc(50, 50);
  for (auto _ : state) {
    if (changed) picture->OnChange(picture);
    benchmark::DoNotOptimize(scene.logo->BuildPicture(&dc.Canvas()));
  }
  SetPixelRate(state, 512 * 512);
}
BENCHMARK(BM_StretchedImageRebuild)->ArgName("changed")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace skin::bench
