// Section painting of the stored Emberfield skin at the sizes the program's windows paint:
// the main window's client area (FORM, opaque colour and frame), the list's group box
// (GROUPBOX, a copy of the parent's picture and a frame), the address field (EDIT) and the
// info window's panel (PANEL, a tiled texture). Beside them the floor: a plain row copy of
// a picture of the client area's size.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench/skin/StoredSkinBench.h"
#include "skin/render/acPaintSection.h"
#include "skin/render/pixels/acPixelBlend.h"

namespace skin {
namespace {

struct SectionCase {
  std::u16string_view section;
  int w, h;
  int state;
  bool overPicture;  // the parent's finished picture lies behind, else nothing is known
};

void PaintCase(benchmark::State& state, const SectionCase& c) {
  TacSkinLoader m;
  if (!bench::LoadStoredSkin(m)) {
    state.SkipWithError("the stored skin did not load");
    return;
  }
  const TacSkinData& data = *m.SkinDataArray[0];
  const int index = m.GetSkinIndex(c.section, &data);
  if (index < 0) {
    state.SkipWithError("the section is missing");
    return;
  }
  Bitmap32 parent(c.w + 40, c.h + 40), dst(c.w, c.h);
  FillPixels(&parent, {0, 0, parent.Width(), parent.Height()}, 0x808080, 255);
  const TacBgInfo bg = c.overPicture ? BgInfoFromBitmap(&parent, 0, 0) : EmptyBgInfo();
  for (auto _ : state) {
    PaintSection(index, bg, -1, -1, &data, &dst, {20, 20}, {0, 0, c.w, c.h}, c.state);
    benchmark::ClobberMemory();
  }
  bench::SetPixelRate(state, std::int64_t(c.w) * c.h);
}

void BM_SectionFormClient(benchmark::State& state) { PaintCase(state, {u"FORM", 654, 546, 1, false}); }
BENCHMARK(BM_SectionFormClient);

void BM_SectionGroupBox(benchmark::State& state) { PaintCase(state, {u"GROUPBOX", 654, 392, 0, true}); }
BENCHMARK(BM_SectionGroupBox);

void BM_SectionEdit(benchmark::State& state) { PaintCase(state, {u"EDIT", 489, 24, 0, true}); }
BENCHMARK(BM_SectionEdit);

void BM_SectionPanel(benchmark::State& state) { PaintCase(state, {u"PANEL", 461, 499, 0, true}); }
BENCHMARK(BM_SectionPanel);

void BM_SectionToolBar(benchmark::State& state) { PaintCase(state, {u"TOOLBAR", 640, 400, 0, false}); }
BENCHMARK(BM_SectionToolBar);

// The floor every full repaint of the client area stands on: one row copy per row.
void BM_SectionRowCopyFloor(benchmark::State& state) {
  Bitmap32 src(654, 546), dst(654, 546);
  FillPixels(&src, {0, 0, 654, 546}, 0x808080, 255);
  for (auto _ : state) {
    for (int y = 0; y < 546; ++y) std::memcpy(dst.Row(y), src.Row(y), 654 * sizeof(std::uint32_t));
    benchmark::ClobberMemory();
  }
  bench::SetPixelRate(state, 654 * 546);
}
BENCHMARK(BM_SectionRowCopyFloor);

}  // namespace
}  // namespace skin
