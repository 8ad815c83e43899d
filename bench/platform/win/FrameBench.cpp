// Frame costs: painting the classic frame of the main window's size, hit testing its
// frame, and dragging it by the caption (one pointer step of the move loop).
#include <benchmark/benchmark.h>

#include "platform/win/Headless.h"
#include "platform/win/Win.h"

namespace {

using namespace win;

HWND MainSizedWindow() {
  headless::Start();
  WNDCLASSEX wc;
  wc.lpfnWndProc = &DefWindowProc;
  wc.lpszClassName = u"FrameBench";
  wc.hbrBackground = reinterpret_cast<HBRUSH>(std::uintptr_t(gfx::COLOR_BTNFACE + 1));
  RegisterClassEx(wc);
  HWND w = CreateWindowEx(0, u"FrameBench", u"Sitemap link extractor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 670,
                          585, nullptr, nullptr, nullptr, nullptr);
  RunUntilIdle();
  return w;
}

void BM_FramePaint(benchmark::State& state) {
  HWND w = MainSizedWindow();
  for (auto _ : state) {
    SendMessage(w, WM_NCPAINT, 1, 0);
    benchmark::ClobberMemory();
  }
  Shutdown();
}
BENCHMARK(BM_FramePaint);

void BM_FrameHitTest(benchmark::State& state) {
  HWND w = MainSizedWindow();
  int i = 0;
  for (auto _ : state) {
    POINT p{10 + (i * 37) % 670, 10 + (i * 13) % 40};
    benchmark::DoNotOptimize(SendMessage(w, WM_NCHITTEST, 0, PointToLParam(p)));
    ++i;
  }
  Shutdown();
}
BENCHMARK(BM_FrameHitTest);

void BM_CaptionDragStep(benchmark::State& state) {
  HWND w = MainSizedWindow();
  headless::MouseDown({300, 25});
  int i = 0;
  for (auto _ : state) {
    headless::MouseMove({300 + (i % 50), 25 + (i % 30)});  // move, repaint, present
    ++i;
  }
  headless::MouseUp({300, 25});
  (void)w;
  Shutdown();
}
BENCHMARK(BM_CaptionDragStep);

}  // namespace
