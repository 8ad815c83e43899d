// The whole road of one fetch on the headless screen: the click on the fetch button, the
// request to a loopback server, the document, one added line per entry with the count
// caption rewritten after each, and the repaint at the end. Linear time is what the counter
// "us/entry" shows. BM_RoadBreakdown times the road's steps one by one on the same form,
// BM_Pipeline the plain command-line pipeline over the same bytes from the same server.
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/Program.h"
#include "app/Unit1.h"
#include "app/XMLDocComponent.h"
#include "bench/support/PeakMemory.h"
#include "platform/base/Unicode.h"
#include "platform/forms/Application.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/Headless.h"
#include "platform/win/MessageApi.h"
#include "platform/xml/DOMDocument.h"
#include "platform/xml/XMLHTTP.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sMemo.h"
#include "tests/platform/xml/XmlTestSupport.h"
#include "tests/support/LoopbackServerTestSupport.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string Sitemap(int entries) {
  std::string s =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
  s.reserve(static_cast<std::size_t>(entries) * 140);
  for (int i = 0; i < entries; ++i)
    s += "  <url><loc>https://www.example.com/catalog/section-" + std::to_string(i % 97) + "/item-" +
         std::to_string(i) + ".html</loc><lastmod>2024-05-01</lastmod><priority>0.5</priority></url>\n";
  return s + "</urlset>\n";
}

// The program on the headless screen with its main window shown, and a server for the
// sitemap of `entries` entries at `Address()`.
class ProgramOnScreen {
 public:
  explicit ProgramOnScreen(int entries) : body_(Sitemap(entries)) {
    server_.Serve("/sitemap.xml", testsupport::HttpResponse::Ok(body_));
    win::headless::Start();
    forms::TApplicationRef::Reset();
    app::StartProgram("/usr/bin/pellomir", {});
    app::Form1->Show();
    win::RunUntilIdle();
    app::Form1->sEdit1->SetText(base::Utf8ToUtf16(Address()));
  }
  ~ProgramOnScreen() { app::EndProgram(); }
  ProgramOnScreen(const ProgramOnScreen&) = delete;
  ProgramOnScreen& operator=(const ProgramOnScreen&) = delete;

  std::string Address() const { return server_.Url("/sitemap.xml"); }
  std::size_t BodySize() const { return body_.size(); }

 private:
  std::string body_;
  testsupport::LoopbackServer server_;
};

void CheckListed(benchmark::State& state, int entries) {
  if (app::Form1->sMemo1->Lines()->Count() != entries) state.SkipWithError("not every entry was listed");
  if (app::Form1->sGroupBox2->Caption() != app::FoundCountCaption(entries)) state.SkipWithError("wrong count caption");
}

void PerEntry(benchmark::State& state, int entries) {
  state.counters["entries"] = entries;
  state.counters["us/entry"] =
      benchmark::Counter(static_cast<double>(entries) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}

void BM_FetchRoad(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  ProgramOnScreen program(entries);
  // Memory is measured on the first click, from a program that holds no list yet.
  double peak = -1;
  for (auto _ : state) {
    if (peak < 0) benchsupport::ResetPeak();
    const double before = benchsupport::ResidentMB();
    app::Form1->sBitBtn1->Click();
    win::RunUntilIdle();  // the repaint after the batch
    if (peak < 0) peak = benchsupport::PeakResidentMB() - before;
  }
  CheckListed(state, entries);
  PerEntry(state, entries);
  state.counters["peak_MB"] = peak;
  state.counters["body_MB"] = static_cast<double>(program.BodySize()) / 1e6;
}
BENCHMARK(BM_FetchRoad)->Arg(1000)->Arg(10000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Wall and processor time of a run of steps, step by step.
class StepTimer {
 public:
  void Start() {
    wall_ = Clock::now();
    cpu_ = ThreadCpuMs();
  }
  // Ends the step `i` (and starts the next).
  void Lap(std::size_t i) {
    const Clock::time_point now = Clock::now();
    const double cpu = ThreadCpuMs();
    if (wallMs_.size() <= i) wallMs_.resize(i + 1), cpuMs_.resize(i + 1);
    wallMs_[i] += std::chrono::duration<double, std::milli>(now - wall_).count();
    cpuMs_[i] += cpu - cpu_;
    wall_ = now;
    cpu_ = cpu;
  }
  double WallMs(std::size_t i) const { return wallMs_[i]; }
  double CpuMs(std::size_t i) const { return cpuMs_[i]; }

 private:
  static double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
  }
  Clock::time_point wall_;
  double cpu_ = 0;
  std::vector<double> wallMs_, cpuMs_;
};

// The road's steps, each timed on its own, in the handler's order: the counters are the
// milliseconds of each step (wall time, and "cpu_" the processor time of this thread; the
// server's work on its own thread is not in it), and the growth of resident memory over
// the whole road.
void BM_RoadBreakdown(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  ProgramOnScreen program(entries);
  const std::u16string address = base::Utf8ToUtf16(program.Address());
  app::TForm1& form = *app::Form1;
  forms::TStrings* lines = form.sMemo1->Lines();
  static const char* const kSteps[] = {"1_receive", "2_parse", "3_serialise", "4_load",
                                       "5_walk",    "6_lines", "7_repaint",   "8_release"};
  StepTimer timer;
  double peak = -1;
  for (auto _ : state) {
    lines->Clear();
    win::RunUntilIdle();
    if (peak < 0) benchsupport::ResetPeak();
    const double before = benchsupport::ResidentMB();
    timer.Start();
    {
      xml::XMLHTTP request;
      request.open(u"GET", address, false);
      request.send();
      timer.Lap(0);
      std::shared_ptr<xml::DOMDocument> response = request.responseXML();
      timer.Lap(1);
      std::u16string text = response->xml();
      timer.Lap(2);
      form.XMLDocument1->LoadFromXML(text);
      text = std::u16string();
      timer.Lap(3);
      std::vector<std::u16string> locs = xml::testing::ListLocs(form.XMLDocument1->Document());
      timer.Lap(4);
      lines->Clear();
      lines->BeginUpdate();
      for (const std::u16string& loc : locs) lines->Add(loc);
      timer.Lap(5);
      lines->EndUpdate();
      win::RunUntilIdle();
      timer.Lap(6);
    }
    timer.Lap(7);
    if (peak < 0) peak = benchsupport::PeakResidentMB() - before;
  }
  CheckListed(state, entries);
  const auto n = static_cast<double>(state.iterations());
  for (std::size_t i = 0; i < std::size(kSteps); ++i) {
    state.counters[std::string(kSteps[i]) + "_ms"] = timer.WallMs(i) / n;
    state.counters[std::string("cpu_") + kSteps[i] + "_ms"] = timer.CpuMs(i) / n;
  }
  state.counters["peak_MB"] = peak;
}
BENCHMARK(BM_RoadBreakdown)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The floor: `curl | xmllint` counting the same sitemap's loc elements, from the same server.
void BM_Pipeline(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  const std::string body = Sitemap(entries);
  testsupport::LoopbackServer server;
  server.Serve("/sitemap.xml", testsupport::HttpResponse::Ok(body));
  const std::string command =
      "curl -s " + server.Url("/sitemap.xml") + " | xmllint --xpath 'count(//*[local-name()=\"loc\"])' - 2>&1";
  std::string output;
  for (auto _ : state) {
    output.clear();
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) {
      state.SkipWithError("the pipeline could not be started");
      break;
    }
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe.get()) != nullptr) output += buffer;
  }
  if (output.rfind(std::to_string(entries), 0) != 0) state.SkipWithError(("the pipeline said: " + output).c_str());
  PerEntry(state, entries);
}
BENCHMARK(BM_Pipeline)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
