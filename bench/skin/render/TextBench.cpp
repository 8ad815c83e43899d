// Captions and glyphs as control repaints draw them: a button caption through the
// caption step of controls, the text glow with its mask kept and made anew, and a large
// picture shown small with per-pixel alpha.
#include <benchmark/benchmark.h>

#include "bench/skin/StoredSkinBench.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinLoader.h"
#include "skin/render/acGlyph32.h"
#include "skin/render/acSectionState.h"
#include "skin/render/acSectionText.h"
#include "skin/render/acTextGlow.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "skin/render/pixels/acSmoothResize.h"

namespace skin {
namespace {

constexpr unsigned kCaption = gfx::DT_SINGLELINE | gfx::DT_CENTER | gfx::DT_VCENTER;
constexpr char16_t kTwentyChars[] = u"Получить список URL!";  // 20 characters

void SetRate(benchmark::State& state, const char* name) {
  state.counters[name] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// A 20-character caption in the button's hot colours into a 113 x 28 button picture,
// as a control's caption step draws it (glow radius: the argument; 0 none).
void BM_ButtonCaption(benchmark::State& state) {
  TacSkinLoader m;
  if (!bench::LoadStoredSkin(m)) {
    state.SkipWithError("the stored skin did not load");
    return;
  }
  const TsGeneralData& button = m.SkinDataArray[0]->gd[static_cast<std::size_t>(m.GetSkinIndex(u"BUTTON"))];
  TsGenState props = SectionStateProps(button, 1);
  props.GlowSize = static_cast<int>(state.range(0));
  Bitmap32 cache(113, 28);
  FillPixels(&cache, {0, 0, 113, 28}, button.Props[1].Color, 255);
  cache.Canvas().SetFont(gfx::Font());
  TacCaptionStyle style;
  style.Coloring = TacCaptionColoring::Skin;
  style.Props = &props;
  style.GlobalColor = m.Palette[pcMainColor];
  style.GlowTarget = &cache;
  for (auto _ : state) {
    WriteStateText(cache.Canvas(), kTwentyChars, true, style, kCaption, {0, 0, 113, 28});
    benchmark::ClobberMemory();
  }
  SetRate(state, "captions/s");
}
BENCHMARK(BM_ButtonCaption)->Arg(0)->Arg(4);

// The glow of a 200 x 20 text at radius 4: the mask kept between paints, or made anew.
void BM_TextGlow(benchmark::State& state) {
  const bool cached = state.range(0) != 0;
  Bitmap32 dst(240, 60);
  FillPixels(&dst, {0, 0, 240, 60}, 0x604830, 255);
  dst.Canvas().SetFont(gfx::Font());
  const gfx::TRect rect{20, 20, 220, 40};
  Bitmap32Ptr mask;
  for (auto _ : state) {
    if (!cached) mask.reset();
    PaintTextGlow(&dst, kTwentyChars, rect, mask, 0xFFFFFF, 4, gdAll, kCaption);
    benchmark::ClobberMemory();
  }
  SetRate(state, "glows/s");
}
BENCHMARK(BM_TextGlow)->ArgName("cached")->Arg(1)->Arg(0);

// A 512 x 512 picture with alpha shown at 50 x 50: resampled (as an image control does
// when its picture is stretched) and put with DrawGlyph32, or only put.
void BM_Glyph32From512(benchmark::State& state) {
  const bool resample = state.range(0) != 0;
  Bitmap32 src(512, 512);
  std::uint32_t v = 1;
  for (int y = 0; y < 512; ++y)
    for (int x = 0; x < 512; ++x) {
      v = v * 1664525u + 1013904223u;
      src.SetPixel(x, y, v);
    }
  Bitmap32 small(50, 50);
  SmoothResize(&src, &small, 50, rfMitchell, 50);
  Bitmap32 dst(80, 80), behind(80, 80);
  FillPixels(&behind, {0, 0, 80, 80}, 0x808080, 255);
  const TacBgInfo bg = BgInfoFromBitmap(&behind, 0, 0);
  for (auto _ : state) {
    if (resample) SmoothResize(&src, &small, 50, rfMitchell, 50);
    DrawGlyph32({15, 15, 65, 65}, {0, 0, 50, 50}, &dst, false, 0, NoKey, true, bg, &small);
    benchmark::ClobberMemory();
  }
  SetRate(state, "pictures/s");
}
BENCHMARK(BM_Glyph32From512)->ArgName("resample")->Arg(1)->Arg(0);

}  // namespace
}  // namespace skin
