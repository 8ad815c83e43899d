// The fetch road on a large sitemap, step by step, against parsing the same bytes once with
// the XML parser alone. Each benchmark takes the entry count as its argument; 50,000 entries
// make about 10 MB. The walk must grow linearly with the entry count. "doc_MB" is the heap a
// step's result holds (reserved, not all of it touched), "resident_MB" the resident memory it
// keeps, "peak_MB" the growth of resident memory while the step runs.
#include <benchmark/benchmark.h>
#include <libxml/parser.h>

#include <map>
#include <memory>

#include "bench/support/PeakMemory.h"
#include "platform/base/Unicode.h"
#include "platform/xml/DOMDocument.h"
#include "platform/xml/DOMParser.h"
#include "platform/xml/XMLDoc.h"
#include "platform/xml/XMLHTTP.h"
#include "tests/platform/xml/XmlTestSupport.h"
#include "tests/support/LoopbackServerTestSupport.h"

namespace {

std::string MakeSitemap(int entries) {
  std::string s =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
  s.reserve(static_cast<std::size_t>(entries) * 210 + 200);
  for (int i = 0; i < entries; ++i) {
    const std::string n = std::to_string(i);
    s += "  <url>\n    <loc>https://www.shop.example/catalog/category-" + std::to_string(i % 97) + "/product-" + n +
         "-a-descriptive-slug.html</loc>\n    <lastmod>2024-05-01T12:34:56+00:00</lastmod>\n"
         "    <changefreq>weekly</changefreq>\n    <priority>0.8</priority>\n  </url>\n";
  }
  return s + "</urlset>\n";
}

// One loopback server for the whole run, serving /sitemap-<n>.xml.
testsupport::LoopbackServer& Server() {
  static testsupport::LoopbackServer server;
  return server;
}

const std::string& Sitemap(int entries) {
  static std::map<int, std::string> made;
  auto [it, added] = made.try_emplace(entries);
  if (added) {
    it->second = MakeSitemap(entries);
    Server().Serve("/sitemap-" + std::to_string(entries) + ".xml", testsupport::HttpResponse::Ok(it->second));
  }
  return it->second;
}

std::u16string FetchText(int entries) {
  xml::XMLHTTP http;
  http.open(u"GET", base::Utf8ToUtf16(Server().Url("/sitemap-" + std::to_string(entries) + ".xml")), false);
  http.send();
  return http.responseXML()->xml();
}

void Report(benchmark::State& state, std::size_t bytes) {
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
  state.counters["entries"] = static_cast<double>(state.range(0));
  state.counters["body_MB"] = static_cast<double>(bytes) / 1e6;
}

// Runs `step` once outside the timing and records how much resident memory it needed at
// its peak and how much heap its result keeps.
template <typename Step>
void MeasureMemory(benchmark::State& state, Step step) {
  benchsupport::ResetPeak();
  const double resident = benchsupport::ResidentMB(), heap = benchsupport::HeapInUseMB();
  {
    auto kept = step();
    state.counters["doc_MB"] = benchsupport::HeapInUseMB() - heap;
    state.counters["resident_MB"] = benchsupport::ResidentMB() - resident;
    state.counters["peak_MB"] = benchsupport::PeakResidentMB() - resident;
    benchmark::DoNotOptimize(kept);
  }
}

// The transfer alone: the body arrives from the loopback server.
void BM_Receive(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  const std::string& bytes = Sitemap(entries);
  const std::u16string url = base::Utf8ToUtf16(Server().Url("/sitemap-" + std::to_string(entries) + ".xml"));
  for (auto _ : state) {
    xml::XMLHTTP http;
    http.open(u"GET", url, false);
    http.send();
    if (http.responseBody().size() != bytes.size()) state.SkipWithError("wrong body");
  }
  Report(state, bytes.size());
}

// The request object's parse of the body into its document.
void BM_ResponseParse(benchmark::State& state) {
  const std::string& bytes = Sitemap(static_cast<int>(state.range(0)));
  const xml::DOMParseSettings settings{xml::DoctypePolicy::Allow, ""};
  MeasureMemory(state, [&] { return xml::ParseDOM(bytes, settings); });
  for (auto _ : state) benchmark::DoNotOptimize(xml::ParseDOM(bytes, settings));
  Report(state, bytes.size());
}

// The response document serialised back to UTF-16 text.
void BM_Serialise(benchmark::State& state) {
  const std::string& bytes = Sitemap(static_cast<int>(state.range(0)));
  const auto doc = xml::ParseDOM(bytes, {xml::DoctypePolicy::Allow, ""});
  MeasureMemory(state, [&] { return doc->xml(); });
  for (auto _ : state) benchmark::DoNotOptimize(doc->xml().size());
  Report(state, bytes.size());
}

// The whole fetch: request, parse, serialise, load into the document layer, walk.
void BM_FetchListing(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  const std::string& bytes = Sitemap(entries);
  xml::TXMLDocument doc(xml::testing::ProgramOptions());
  for (auto _ : state) {
    doc.LoadFromXML(FetchText(entries));
    std::vector<std::u16string> lines = xml::testing::ListLocs(doc);
    if (lines.size() != static_cast<std::size_t>(entries)) state.SkipWithError("wrong line count");
    benchmark::DoNotOptimize(lines.data());
  }
  Report(state, bytes.size());
}

// The request alone: transfer and response parse, then serialisation to text.
void BM_FetchAndSerialise(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  const std::string& bytes = Sitemap(entries);
  for (auto _ : state) benchmark::DoNotOptimize(FetchText(entries).size());
  Report(state, bytes.size());
}

// The document layer's load of the serialised text.
void BM_LoadFromXML(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  Sitemap(entries);
  const std::u16string text = FetchText(entries);
  MeasureMemory(state, [&] {
    auto kept = std::make_unique<xml::TXMLDocument>(xml::testing::ProgramOptions());
    kept->LoadFromXML(text);
    return kept;
  });
  xml::TXMLDocument doc(xml::testing::ProgramOptions());
  for (auto _ : state) doc.LoadFromXML(text);
  Report(state, Sitemap(entries).size());
}

// The listing walk alone, over a loaded document.
void BM_Walk(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  Sitemap(entries);
  xml::TXMLDocument doc(xml::testing::ProgramOptions());
  doc.LoadFromXML(FetchText(entries));
  for (auto _ : state) {
    std::vector<std::u16string> lines = xml::testing::ListLocs(doc);
    benchmark::DoNotOptimize(lines.data());
  }
  Report(state, Sitemap(entries).size());
}

// The baseline: the same bytes parsed once by the XML parser into its own tree.
void BM_PlainParse(benchmark::State& state) {
  const std::string& bytes = Sitemap(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    xmlDocPtr d = xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr, XML_PARSE_NONET);
    if (d == nullptr) state.SkipWithError("parse failed");
    xmlFreeDoc(d);
  }
  Report(state, bytes.size());
}

BENCHMARK(BM_PlainParse)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Receive)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResponseParse)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Serialise)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FetchAndSerialise)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFromXML)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Walk)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FetchListing)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
