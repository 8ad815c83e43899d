// Skin data: opening a package of the size of the stored skin, parsing its options text,
// and the readings the loader makes of it.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "skin/data/acImageRef.h"
#include "skin/data/acOptionsText.h"
#include "skin/data/acSectionReader.h"
#include "skin/data/acSkinHost.h"
#include "skin/data/acSkinIni.h"
#include "skin/data/acSkinPackage.h"

namespace {

using skin::TacBytes;

// An options text of about 23 KB: 70 sections of colours, states and image references,
// every second one inheriting from the one before.
std::string OptionsText() {
  std::string s = "[GLOBALINFO]\r\nVERSION=14.01\r\nMASTERBITMAP=MASTER COPY.PNG\r\nCOLOR=8217672\r\n";
  for (int i = 1; i < 70; ++i) {
    s += "[SECTION" + std::to_string(i) + "]\r\n";
    if (i % 2 == 0) s += "PARENTCLASS=SECTION" + std::to_string(i - 1) + "\r\n";
    s += "STATES=3\r\nCOLOR=8217672\r\nHOTCOLOR=6312504\r\nFONTCOLOR=0\r\nHOTFONTCOLOR=16777215\r\n"
         "TRANSPARENCY=0\r\nGRADIENTPERCENT=0\r\nIMAGEPERCENT=0\r\nGLOW=0\r\nGLOWMARGIN=0\r\n"
         "BORDERSMASK=^0005^0003^0010^0013^0002^0002^0002^0002^1^1^1\r\n"
         "PATTERN=~0010~0020~0030~0040~05~1\r\nGLYPHMASK=@0109@0079@0121@0091@1@0\r\n"
         "OUTERMODE=2\r\nOUTOPACITY=200\r\n";
  }
  return s;
}

// Bytes that compress about as well as a skin picture: runs mixed with noise.
std::string PictureBytes(std::size_t n) {
  std::string s(n, '\0');
  std::uint32_t v = 1;
  for (std::size_t i = 0; i < n; ++i) {
    v = v * 1664525u + 1013904223u;
    s[i] = (i / 64) % 3 == 0 ? static_cast<char>(v >> 24) : static_cast<char>(i / 256);
  }
  return s;
}

TacBytes StoredSizePackage() {
  const std::string options = OptionsText();
  std::vector<skin::TacPackageMember> members = {{"OPTIONS.DAT", TacBytes(options.begin(), options.end()), 0},
                                                 {"BTNHUGE.BMP", {}, 0},
                                                 {"EXTBORD.PNG", {}, 0},
                                                 {"MASTER COPY.PNG", {}, 0}};
  const std::string a = PictureBytes(73756), b = PictureBytes(16714), c = PictureBytes(171301);
  members[1].Bytes.assign(a.begin(), a.end());
  members[2].Bytes.assign(b.begin(), b.end());
  members[3].Bytes.assign(c.begin(), c.end());
  const TacBytes preview(48177, 0x42);
  return skin::WritePackage(members, preview);
}

void BM_ReadSkinPackage(benchmark::State& state) {
  const TacBytes data = StoredSizePackage();
  for (auto _ : state) {
    skin::TacSkinConvertor sc;
    sc.PackedData = data;
    benchmark::DoNotOptimize(skin::ReadSkinPackage(sc, skin::NoManagerHost()));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}
BENCHMARK(BM_ReadSkinPackage)->Unit(benchmark::kMicrosecond);

void BM_LoadOptionsText(benchmark::State& state) {
  const std::string text = OptionsText();
  const TacBytes bytes(text.begin(), text.end());
  for (auto _ : state) {
    skin::TacSkinIni ini;
    skin::LoadOptionsText(ini, bytes);
    benchmark::DoNotOptimize(ini.Sections().size());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LoadOptionsText)->Unit(benchmark::kMicrosecond);

// The section readings of one load: 13 numbers per state, three states, every section.
void BM_ReadAllSections(benchmark::State& state) {
  const std::string text = OptionsText();
  skin::TacSkinIni ini;
  ini.SetText(std::u16string(text.begin(), text.end()));
  static const char16_t* const kKeys[] = {u"COLOR",        u"FONTCOLOR", u"TCLEFT", u"TCTOP",           u"TCRIGHT",
                                          u"TCBOTTOM",     u"GCOL",      u"GSIZE",  u"GRADIENTPERCENT", u"IMAGEPERCENT",
                                          u"TRANSPARENCY", u"STATES",    u"GLOW"};
  for (auto _ : state) {
    std::int64_t sum = 0;
    for (const skin::TacIniSection& section : ini.Sections()) {
      const skin::TacSectionReader reader(ini, section.Name);
      for (int s = 0; s < 3; ++s)
        for (const char16_t* key : kKeys) sum += reader.ReadInt(key, 0);
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_ReadAllSections)->Unit(benchmark::kMicrosecond);

void BM_NormalizeImageRef(benchmark::State& state) {
  const std::u16string values[] = {u"^0356^0001^0367^0023^0005^0005^0005^0005^1^1^1^1", u"@0109@0079@0121@0091@1@0",
                                   u"!EXTBORD.PNG!2!0!3!0040!0040!0040!0040!0", u"~0010~0020~0030~0040~05~1~WOOD.JPG"};
  for (auto _ : state) {
    for (const auto& v : values) benchmark::DoNotOptimize(skin::ParseCanonicalImageRef(skin::NormalizeImageRef(v)));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * 4));
}
BENCHMARK(BM_NormalizeImageRef);

}  // namespace
