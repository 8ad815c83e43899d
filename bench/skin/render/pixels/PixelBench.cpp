// Throughput of the pixel routines every repaint leans on, in megapixels per second.
#include <benchmark/benchmark.h>

#include "bench/skin/StoredSkinBench.h"
#include "skin/render/pixels/acGradient.h"
#include "skin/render/pixels/acKeyedCopy.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "skin/render/pixels/acPixelCopy.h"
#include "skin/render/pixels/acSmoothResize.h"

namespace skin {
namespace {

Bitmap32 Noise(int w, int h) {
  Bitmap32 b(w, h);
  std::uint32_t v = 1;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      v = v * 1664525u + 1013904223u;
      b.SetPixel(x, y, v);
    }
  return b;
}

using bench::SetPixelRate;

void BM_AlphaBlitRect(benchmark::State& state) {
  const int opacity = static_cast<int>(state.range(0));
  Bitmap32 dst = Noise(670, 585), src = Noise(670, 585);
  for (auto _ : state) {
    AlphaBlitRect(&dst, &src, {0, 0, 669, 584}, static_cast<std::uint8_t>(opacity), {0, 0});
    benchmark::ClobberMemory();
  }
  SetPixelRate(state, 670 * 585);
}
BENCHMARK(BM_AlphaBlitRect)->Arg(255)->Arg(128);

void BM_CopyKeyed(benchmark::State& state) {
  const int fade = static_cast<int>(state.range(0));
  Bitmap32 dst = Noise(670, 585), src = Noise(670, 585);
  for (int y = 0; y < 585; y += 3)
    for (int x = 0; x < 670; x += 2) src.SetPixel(x, y, KeyPixel);
  for (auto _ : state) {
    CopyKeyed(&dst, &src, 0, static_cast<std::uint8_t>(fade), KeyColor, {0, 0, 669, 584}, 0);
    benchmark::ClobberMemory();
  }
  SetPixelRate(state, 670 * 585);
}
BENCHMARK(BM_CopyKeyed)->Arg(0)->Arg(100);

void BM_BlendBitmapRect(benchmark::State& state) {
  Bitmap32 dst = Noise(670, 585), src = Noise(670, 585);
  for (auto _ : state) {
    BlendBitmapRect(&dst, &src, 127, {0, 0}, {0, 0, 669, 584});
    benchmark::ClobberMemory();
  }
  SetPixelRate(state, 670 * 585);
}
BENCHMARK(BM_BlendBitmapRect);

void BM_BlendKeyedRect(benchmark::State& state) {
  Bitmap32 dst = Noise(670, 585), src = Noise(670, 585);
  for (int y = 0; y < 585; y += 3)
    for (int x = 0; x < 670; x += 2) src.SetPixel(x, y, KeyPixel);
  for (auto _ : state) {
    BlendKeyedRect(&dst, 0, 0, KeyPixel, 127, {0, 0, 669, 584}, &src);
    benchmark::ClobberMemory();
  }
  SetPixelRate(state, 670 * 585);
}
BENCHMARK(BM_BlendKeyedRect);

void BM_FillPixels(benchmark::State& state) {
  Bitmap32 dst(670, 585);
  for (auto _ : state) {
    FillPixels(&dst, {0, 0, 670, 585}, 0x336699, 255);
    benchmark::ClobberMemory();
  }
  SetPixelRate(state, 670 * 585);
}
BENCHMARK(BM_FillPixels);

void BM_CopyBitmapRect(benchmark::State& state) {
  Bitmap32 dst = Noise(670, 585), src = Noise(670, 585);
  for (auto _ : state) {
    CopyBitmapRect(&dst, &src, {0, 0}, {0, 0, 670, 585});
    benchmark::ClobberMemory();
  }
  SetPixelRate(state, 670 * 585);
}
BENCHMARK(BM_CopyBitmapRect);

void BM_SmoothResizeMitchell(benchmark::State& state) {
  Bitmap32 src = Noise(670, 585);
  Bitmap32 dst;
  for (auto _ : state) {
    SmoothResize(&src, &dst, 838, rfMitchell, 731);
    benchmark::ClobberMemory();
  }
  SetPixelRate(state, 838 * 731);
}
BENCHMARK(BM_SmoothResizeMitchell)->Unit(benchmark::kMillisecond);

void BM_FillGradient(benchmark::State& state) {
  const bool horizontal = state.range(0) != 0;
  Bitmap32 dst(670, 585);
  const auto stops =
      ParseGradientData(horizontal ? "15722975;0;1;14473420;49;1;13683137;61;1;11247504;100;1;D"
                                   : "15722975;14473420;49;0;0;14473420;13683137;12;0;0;13683137;11247504;36;0;0;"
                                     "11247504;11247504;0;0;0");
  for (auto _ : state) {
    FillGradient(&dst, {0, 0, 670, 585}, stops, 0);
    benchmark::ClobberMemory();
  }
  SetPixelRate(state, 670 * 585);
}
BENCHMARK(BM_FillGradient)->Arg(0)->Arg(1);

}  // namespace
}  // namespace skin
