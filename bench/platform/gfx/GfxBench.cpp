// Costs of the drawing steps every repaint leans on: captions, fills and copies of a
// client area, blending one onto another, and shrinking a large picture.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/gfx/FontFace.h"
#include "platform/gfx/ImageCodec.h"
#include "platform/gfx/PixelOps.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"

namespace gfx {
namespace {

// A 60-character Cyrillic caption.
const std::u16string& Caption() {
  static const std::u16string text =
      std::u16string(u"Получить список URL: введите адрес нужного вам сайта и нажмите").substr(0, 60);
  return text;
}

void PaintPattern(PixelBuffer& b) {
  std::uint32_t v = 1;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      v = v * 1664525u + 1013904223u;
      b.Row32(y)[x] = v;
    }
}

void SetupCaption(Surface& s) {
  FontDesc d;
  d.face = u"Tahoma";
  d.height = -13;
  s.SetFont(Font(d));
  s.SetBkMode(BkMode::Transparent);
}

void BM_DrawTextCaptionCached(benchmark::State& state) {
  PixelBuffer b(650, 24);
  Surface s(b.View());
  SetupCaption(s);
  TRect r{0, 0, 650, 24};
  s.DrawText(Caption(), r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);  // glyphs now cached
  for (auto _ : state) {
    TRect rr = r;
    benchmark::DoNotOptimize(s.DrawText(Caption(), rr, DT_SINGLELINE | DT_CENTER | DT_VCENTER));
  }
  state.SetLabel("60 characters, Tahoma 13 px");
}
BENCHMARK(BM_DrawTextCaptionCached);

void BM_DrawTextCaptionFirstTime(benchmark::State& state) {
  PixelBuffer b(650, 24);
  Surface s(b.View());
  SetupCaption(s);
  s.GetFont().Face();  // the face itself is resolved once per process
  for (auto _ : state) {
    PurgeGlyphCaches();  // every glyph is rasterised again
    TRect rr{0, 0, 650, 24};
    benchmark::DoNotOptimize(s.DrawText(Caption(), rr, DT_SINGLELINE | DT_CENTER | DT_VCENTER));
  }
  state.SetLabel("60 characters, glyph cache emptied each time");
}
BENCHMARK(BM_DrawTextCaptionFirstTime);

void BM_TextExtentCaption(benchmark::State& state) {
  PixelBuffer b(1, 1);
  Surface s(b.View());
  SetupCaption(s);
  for (auto _ : state) benchmark::DoNotOptimize(s.TextExtent(Caption()));
}
BENCHMARK(BM_TextExtentCaption);

// Argument 1: the destination's clip has a hole, as a window partly covered by another.
void BM_FillAndCopy650x370(benchmark::State& state) {
  PixelBuffer src(650, 370), dst(650, 370);
  Surface a(src.View()), d(dst.View());
  if (state.range(0)) d.ExcludeClip({200, 100, 400, 250});
  for (auto _ : state) {
    a.FillRect({0, 0, 650, 370}, 0xC8D0D4);
    d.BitBlt(0, 0, 650, 370, a, 0, 0, SRCCOPY);
    benchmark::ClobberMemory();
  }
  state.counters["MPix/s"] =
      benchmark::Counter(650.0 * 370 * static_cast<double>(state.iterations()) / 1e6, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FillAndCopy650x370)->Arg(0)->Arg(1);

// A picture as large as the main window's client area blended onto another with the
// shared pixel arithmetic. Argument 1: premultiplied per-pixel alpha (as icons and
// layered pictures); 0: a constant alpha only.
void BM_AlphaBlend650x370(benchmark::State& state) {
  PixelBuffer src(650, 370), dst(650, 370);
  PaintPattern(src);
  for (int y = 0; y < 370; ++y)
    for (int x = 0; x < 650; ++x) src.Row32(y)[x] = Premultiply255Round(src.Row32(y)[x]);
  PaintPattern(dst);
  Surface a(src.View()), d(dst.View());
  const BlendFunction bf{AC_SRC_OVER, 0, 200, static_cast<std::uint8_t>(state.range(0) ? AC_SRC_ALPHA : 0)};
  for (auto _ : state) {
    d.AlphaBlend(0, 0, 650, 370, a, 0, 0, 650, 370, bf);
    benchmark::ClobberMemory();
  }
  state.counters["MPix/s"] =
      benchmark::Counter(650.0 * 370 * static_cast<double>(state.iterations()) / 1e6, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AlphaBlend650x370)->Arg(0)->Arg(1)->ArgName("perPixel");

void BM_Stretch512To50(benchmark::State& state) {
  PixelBuffer src(512, 512), dst(50, 50);
  PaintPattern(src);
  Surface a(src.View()), d(dst.View());
  for (auto _ : state) {
    d.StretchBlt(0, 0, 50, 50, a, 0, 0, 512, 512, SRCCOPY);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Stretch512To50);

void BM_DecodePng512(benchmark::State& state) {
  PixelBuffer src(512, 512);
  PaintPattern(src);
  for (int y = 0; y < 512; ++y)  // smooth content compresses like a real picture
    for (int x = 0; x < 512; ++x) src.Row32(y)[x] = 0xFF000000u | (x / 2) << 16 | (y / 2) << 8 | ((x + y) / 4);
  const std::vector<std::uint8_t> png = EncodePng(src.View());
  for (auto _ : state) benchmark::DoNotOptimize(DecodePng(png).ok);
  state.SetLabel(std::to_string(png.size()) + " bytes");
}
BENCHMARK(BM_DecodePng512);

void BM_SmoothLine(benchmark::State& state) {
  PixelBuffer b(64, 64);
  Surface s(b.View());
  for (auto _ : state) {
    s.DrawSmoothLine({2.0, 3.0}, {60.0, 50.0}, 2.0, 0xFF000000);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SmoothLine);

}  // namespace
}  // namespace gfx
