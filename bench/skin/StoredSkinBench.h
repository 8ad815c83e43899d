#pragma once
// The stored Emberfield skin loaded for a benchmark, and a pixel-rate counter.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "skin/data/acSkinData.h"
#include "skin/data/acSkinLoader.h"

namespace skin::bench {

// The source tree: from the environment, else the one the benchmark was built from.
inline std::string SourceTree() {
  if (const char* dir = std::getenv("PELLOMIR_SOURCE_DIR")) return dir;
  return PELLOMIR_BENCH_SOURCE_DIR;
}

// Loads the stored skin into m as its one internal skin; false when it did not load.
inline bool LoadStoredSkin(TacSkinLoader& m) {
  m.Settings.SkinDirectory = u"c:\\Skins";
  TsStoredSkin& item = m.InternalSkins.Add();
  item.Name = u"Emberfield (internal)";
  std::ifstream in(SourceTree() + "/skins/Emberfield/Emberfield.asz", std::ios::binary);
  item.PackedData = TacBytes(std::istreambuf_iterator<char>(in), {});
  m.FSkinName = item.Name;
  m.FActive = true;
  return !item.PackedData.empty() && m.LoadSkin();
}

// Reports pixelsPerIteration pixels per iteration as megapixels per second.
inline void SetPixelRate(benchmark::State& state, std::int64_t pixelsPerIteration) {
  state.counters["MPix/s"] =
      benchmark::Counter(static_cast<double>(pixelsPerIteration) * static_cast<double>(state.iterations()) / 1e6,
                         benchmark::Counter::kIsRate);
}

}  // namespace skin::bench
