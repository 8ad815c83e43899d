// Window system costs: a full repaint of the main window's size with twelve children,
// and message dispatch.
#include <benchmark/benchmark.h>

#include "platform/gfx/Surface.h"
#include "platform/win/Headless.h"
#include "platform/win/Win.h"

namespace {

using namespace win;

LRESULT PaintProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    dc->FillRect(ps.rcPaint, static_cast<gfx::TColor>(GetWindowLongPtr(h, GWLP_USERDATA)));
    EndPaint(h, &ps);
    return 0;
  }
  return DefWindowProc(h, m, w, l);
}

LRESULT CountProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_USER) return static_cast<LRESULT>(w + 1);
  return DefWindowProc(h, m, w, l);
}

WNDPROC g_prev = nullptr;
LRESULT SubclassProc(HWND h, UINT m, WPARAM w, LPARAM l) { return CallWindowProc(g_prev, h, m, w, l); }

void Register(const char16_t* name, WNDPROC proc) {
  WNDCLASSEX wc;
  wc.lpfnWndProc = proc;
  wc.lpszClassName = name;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(std::uintptr_t(gfx::COLOR_BTNFACE + 1));
  RegisterClassEx(wc);
}

// The main window's outer size (670 x 585) with a sizing frame and caption, and twelve
// children in three rows of four, each painting itself.
void BM_FullRepaint670x585With12Children(benchmark::State& state) {
  headless::Start();
  Register(u"BenchPaint", &PaintProc);
  HWND top = CreateWindowEx(0, u"BenchPaint", u"bench", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 670,
                            585, nullptr, nullptr, nullptr, nullptr);
  SetWindowLongPtr(top, GWLP_USERDATA, static_cast<LONG_PTR>(gfx::RGB(212, 208, 200)));
  for (int i = 0; i < 12; ++i) {
    HWND c = CreateWindowEx(0, u"BenchPaint", u"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 10 + (i % 4) * 160,
                            10 + (i / 4) * 175, 150, 165, top, nullptr, nullptr, nullptr);
    SetWindowLongPtr(c, GWLP_USERDATA, static_cast<LONG_PTR>(gfx::RGB(20 * i, 100, 200 - 10 * i)));
  }
  RunUntilIdle();
  for (auto _ : state) {
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    RunUntilIdle();  // paints every window and recomposes the damaged screen area
  }
  Shutdown();
}
BENCHMARK(BM_FullRepaint670x585With12Children)->Unit(benchmark::kMicrosecond);

void BM_Send100000Messages(benchmark::State& state) {
  headless::Start();
  Register(u"BenchCount", &CountProc);
  HWND w = CreateWindowEx(0, u"BenchCount", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  if (state.range(0)) {
    g_prev = reinterpret_cast<WNDPROC>(SetWindowLongPtr(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
  }
  for (auto _ : state) {
    LRESULT sum = 0;
    for (int i = 0; i < 100000; ++i) sum += SendMessage(w, WM_USER, static_cast<WPARAM>(i), 0);
    benchmark::DoNotOptimize(sum);
  }
  Shutdown();
}
BENCHMARK(BM_Send100000Messages)->Arg(0)->Arg(1)->ArgName("subclassed")->Unit(benchmark::kMillisecond);

void BM_PostAndDispatch100000Messages(benchmark::State& state) {
  headless::Start();
  Register(u"BenchCount", &CountProc);
  HWND w = CreateWindowEx(0, u"BenchCount", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  for (auto _ : state) {
    for (int i = 0; i < 100000; ++i) PostMessage(w, WM_USER, static_cast<WPARAM>(i), 0);
    MSG m;
    while (PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&m);
  }
  Shutdown();
}
BENCHMARK(BM_PostAndDispatch100000Messages)->Unit(benchmark::kMillisecond);

}  // namespace
