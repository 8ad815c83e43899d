// The whole load of the stored Emberfield skin, as the skin manager runs it at start-up:
// the package opened from the internal skin, the master bitmap decoded, and the data sets
// of the screen density filled (at 144 dots per inch the 96 set first, then the 144 one
// with its rescaled pictures).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "skin/data/acSkinData.h"
#include "skin/data/acSkinLoader.h"

namespace {

std::string SourceTree() {
  if (const char* dir = std::getenv("PELLOMIR_SOURCE_DIR")) return dir;
  const std::string here = __FILE__;
  return here.substr(0, here.rfind("/bench/skin/data/"));
}

skin::TacBytes StoredSkin() {
  std::ifstream in(SourceTree() + "/skins/Emberfield/Emberfield.asz", std::ios::binary);
  return skin::TacBytes(std::istreambuf_iterator<char>(in), {});
}

void LoadStoredSkin(benchmark::State& state) {
  skin::TacSkinLoader m;
  m.Settings.SkinDirectory = u"c:\\Skins";
  m.Settings.ScreenPPI = static_cast<int>(state.range(0));
  skin::TsStoredSkin& item = m.InternalSkins.Add();
  item.Name = u"Emberfield (internal)";
  item.PackedData = StoredSkin();
  m.FSkinName = item.Name;
  if (item.PackedData.empty()) {
    state.SkipWithError("the stored skin is missing");
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(m.LoadSkin());
  }
  state.counters["sections"] = static_cast<double>(m.SkinDataArray[0]->gd.size());
  state.counters["images"] = static_cast<double>(m.SkinDataArray[0]->ma.size());
}
BENCHMARK(LoadStoredSkin)->Arg(96)->Arg(144)->Unit(benchmark::kMillisecond);

// One data set refilled (ReloadSkin) from the options and master bitmap already in
// memory, at 96 and at 144 dots per inch (the 144 set rescales its pictures).
void ReloadSkin(benchmark::State& state) {
  const int ppi = static_cast<int>(state.range(0));
  skin::TacSkinLoader m;
  m.Settings.SkinDirectory = u"c:\\Skins";
  m.Settings.ScreenPPI = ppi;
  skin::TsStoredSkin& item = m.InternalSkins.Add();
  item.Name = u"Emberfield (internal)";
  item.PackedData = StoredSkin();
  m.FSkinName = item.Name;
  if (!m.LoadSkin()) {
    state.SkipWithError("the stored skin did not load");
    return;
  }
  const std::size_t index = ppi == 96 ? 0 : m.SkinDataArray.size() - 1;
  for (auto _ : state) {
    m.ReloadSkin(ppi);
    benchmark::DoNotOptimize(m.SkinDataArray[index]->gd.data());
  }
  state.counters["ppi"] = m.SkinDataArray[index]->PPI;
}
BENCHMARK(ReloadSkin)->Arg(96)->Arg(144)->Unit(benchmark::kMillisecond);

}  // namespace
