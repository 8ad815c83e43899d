// The multi-line edit at the program's scale: a sitemap of 50,000 addresses appended
// line by line inside one redraw-off batch, the line count read after every line (as the
// list's change handler does), then one repaint; memory per character of text; and
// scrolling the filled list from top to bottom a page at a time, painting each page.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "platform/ctl/Ctl.h"
#include "platform/win/Headless.h"
#include "platform/win/Win.h"

namespace {

using namespace win;

int g_lastCount = 0;

// The list's parent: every change notification reads the line count.
LRESULT ParentProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_COMMAND && HIWORD(w) == ctl::EN_CHANGE)
    g_lastCount = static_cast<int>(SendMessage(reinterpret_cast<HWND>(l), ctl::EM_GETLINECOUNT, 0, 0));
  return DefWindowProc(h, m, w, l);
}

std::u16string Address(int i) {
  std::string s = "https://www.example-shop.com/catalog/section-" + std::to_string(i % 97) + "/product-" +
                  std::to_string(i) + "-with-a-descriptive-name.html\r\n";
  return std::u16string(s.begin(), s.end());
}

long ResidentBytes() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * 4096;
}

HWND MakeList() {
  headless::Start();
  ctl::RegisterControlClasses();
  WNDCLASSEX wc;
  wc.lpfnWndProc = &ParentProc;
  wc.lpszClassName = u"BenchParent";
  wc.hbrBackground = reinterpret_cast<HBRUSH>(std::uintptr_t(gfx::COLOR_BTNFACE + 1));
  RegisterClassEx(wc);
  HWND top = CreateWindowEx(0, u"BenchParent", u"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 670,
                            585, nullptr, nullptr, nullptr, nullptr);
  HWND memo = CreateWindowEx(WS_EX_CLIENTEDGE, ctl::WC_EDIT, u"",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | ctl::ES_MULTILINE | ctl::ES_AUTOVSCROLL |
                                 ctl::ES_AUTOHSCROLL | ctl::ES_WANTRETURN,
                             8, 8, 630, 480, top, reinterpret_cast<HMENU>(1), nullptr, nullptr);
  RunUntilIdle();
  return memo;
}

// Appends as the component framework's line list does: find the end, select it, replace.
void AddLine(HWND memo, const std::u16string& line) {
  int count = static_cast<int>(SendMessage(memo, ctl::EM_GETLINECOUNT, 0, 0));
  auto start = SendMessage(memo, ctl::EM_LINEINDEX, static_cast<WPARAM>(count - 1), 0);
  start += SendMessage(memo, ctl::EM_LINELENGTH, static_cast<WPARAM>(start), 0);
  SendMessage(memo, ctl::EM_SETSEL, static_cast<WPARAM>(start), start);
  SendMessage(memo, ctl::EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(line.c_str()));
}

void BM_AppendLinesInRedrawOffBatch(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  std::vector<std::u16string> text;
  for (int i = 0; i < lines; ++i) text.push_back(Address(i));
  double chars = 0;
  long memory = 0;
  for (auto _ : state) {
    state.PauseTiming();
    HWND memo = MakeList();
    long before = ResidentBytes();
    state.ResumeTiming();
    SendMessage(memo, WM_SETREDRAW, FALSE, 0);
    for (const std::u16string& line : text) {
      AddLine(memo, line);
      benchmark::DoNotOptimize(g_lastCount);
    }
    SendMessage(memo, WM_SETREDRAW, TRUE, 0);
    RunUntilIdle();
    state.PauseTiming();
    if (g_lastCount != lines + 1) state.SkipWithError("wrong line count");
    chars = static_cast<double>(GetWindowTextLength(memo));
    memory = ResidentBytes() - before;
    Shutdown();
    state.ResumeTiming();
  }
  state.counters["chars"] = chars;
  state.counters["resident_bytes_per_char"] = chars > 0 ? static_cast<double>(memory) / chars : 0;
}
BENCHMARK(BM_AppendLinesInRedrawOffBatch)
    ->Arg(10000)
    ->Arg(25000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_ScrollTopToBottomByPages(benchmark::State& state) {
  HWND memo = MakeList();
  SendMessage(memo, WM_SETREDRAW, FALSE, 0);
  for (int i = 0; i < 50000; ++i) AddLine(memo, Address(i));
  SendMessage(memo, WM_SETREDRAW, TRUE, 0);
  RunUntilIdle();
  int pages = 0;
  for (auto _ : state) {
    SendMessage(memo, WM_VSCROLL, SB_TOP, 0);
    RunUntilIdle();
    pages = 0;
    int last = -1;
    for (;;) {
      SendMessage(memo, WM_VSCROLL, SB_PAGEDOWN, 0);
      RunUntilIdle();  // paints the page
      int first = static_cast<int>(SendMessage(memo, ctl::EM_GETFIRSTVISIBLELINE, 0, 0));
      if (first == last) break;
      last = first;
      ++pages;
    }
  }
  state.counters["pages"] = pages;
  state.counters["time_per_page"] = benchmark::Counter(
      static_cast<double>(pages), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  Shutdown();
}
BENCHMARK(BM_ScrollTopToBottomByPages)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
