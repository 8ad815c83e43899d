// Nine-slice drawing of the stored Emberfield skin's frames, as every control repaint
// runs it: a button face (75 x 25) and a window frame (670 x 585), each over a background
// picture that shows under the key-colour corners.
#include <benchmark/benchmark.h>

#include "bench/skin/StoredSkinBench.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinLoader.h"
#include "skin/render/acPaintImageSlices.h"
#include "skin/render/pixels/acPixelBlend.h"

namespace skin {
namespace {

void PaintFrame(benchmark::State& state, std::u16string_view section, int w, int h) {
  TacSkinLoader m;
  if (!bench::LoadStoredSkin(m)) {
    state.SkipWithError("the stored skin did not load");
    return;
  }
  const int index = m.GetMaskIndex(section, u"BORDERSMASK", m.SkinDataArray[0].get());
  if (index < 0) {
    state.SkipWithError("the frame is missing");
    return;
  }
  const TsMaskData& md = m.SkinDataArray[0]->ma[static_cast<std::size_t>(index)];
  Bitmap32 behind(w, h), dst(w, h);
  FillPixels(&behind, {0, 0, w, h}, 0x808080, 255);
  const TacBgInfo bg = BgInfoFromBitmap(&behind, 0, 0);
  for (auto _ : state) {
    PaintImageSlices(&dst, {0, 0, w, h}, bg, true, 1, md);
    benchmark::ClobberMemory();
  }
  state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_SlicesButtonFace(benchmark::State& state) { PaintFrame(state, u"BUTTON", 75, 25); }
BENCHMARK(BM_SlicesButtonFace);

void BM_SlicesWindowFrame(benchmark::State& state) { PaintFrame(state, u"FORM", 670, 585); }
BENCHMARK(BM_SlicesWindowFrame);

void BM_SlicesGroupBox(benchmark::State& state) { PaintFrame(state, u"GROUPBOX", 640, 400); }
BENCHMARK(BM_SlicesGroupBox);

}  // namespace
}  // namespace skin
