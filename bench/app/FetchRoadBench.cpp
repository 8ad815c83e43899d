// The whole road of one fetch on the headless screen: the click on the fetch button, the
// request to a loopback server, the document, one added line per entry with the count
// caption rewritten after each, and the repaint at the end, for sitemaps of 1,000 to
// 50,000 entries. Linear time is what the counter "us/entry" shows.
#include <benchmark/benchmark.h>

#include <string>

#include "app/Program.h"
#include "app/Unit1.h"
#include "platform/base/Unicode.h"
#include "platform/forms/Application.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/Headless.h"
#include "platform/win/MessageApi.h"
#include "tests/support/LoopbackServerTestSupport.h"

namespace {

std::string Sitemap(int entries) {
  std::string s =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
  s.reserve(static_cast<std::size_t>(entries) * 140);
  for (int i = 0; i < entries; ++i)
    s += "  <url><loc>https://www.example.com/catalog/section-" + std::to_string(i % 97) + "/item-" +
         std::to_string(i) + ".html</loc><lastmod>2024-05-01</lastmod><priority>0.5</priority></url>\n";
  return s + "</urlset>\n";
}

void BM_FetchRoad(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  testsupport::LoopbackServer server;
  server.Serve("/sitemap.xml", testsupport::HttpResponse::Ok(Sitemap(entries)));
  win::headless::Start();
  forms::TApplicationRef::Reset();
  app::StartProgram("/usr/bin/pellomir", {});
  app::Form1->Show();
  win::RunUntilIdle();
  app::Form1->sEdit1->SetText(base::Utf8ToUtf16(server.Url("/sitemap.xml")));
  for (auto _ : state) {
    app::Form1->sBitBtn1->Click();
    win::RunUntilIdle();  // the repaint after the batch
  }
  const int listed = app::Form1->sMemo1->Lines()->Count();
  if (listed != entries) state.SkipWithError("not every entry was listed");
  if (app::Form1->sGroupBox2->Caption() != app::FoundCountCaption(entries)) state.SkipWithError("wrong count caption");
  state.counters["entries"] = entries;
  state.counters["us/entry"] =
      benchmark::Counter(static_cast<double>(entries) * state.iterations(),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
  app::EndProgram();
}
BENCHMARK(BM_FetchRoad)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
