#pragma once
// Helpers for the loaded-skin tests: a loader that records its boxes, the stored
// Emberfield package, and small synthetic skins made of an options text and master
// pictures drawn by the test.
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/Unicode.h"
#include "platform/gfx/ImageCodec.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinLoader.h"
#include "tests/skin/support/SkinDataTestSupport.h"

namespace skin::test {

// A loader as the manager will be: it records the boxes it would show.
class TestLoader : public TacSkinLoader {
 public:
  TacMsgAnswer ShowSkinMessage(TacMsgKind kind, const std::u16string& text) override {
    boxes.push_back({kind, text});
    return TacMsgAnswer::Ok;
  }
  void DoSkinLoading() override { ++loadings; }

  // Makes name the one internal skin with these package bytes and loads it.
  bool LoadInternal(const TacBytes& package, const std::u16string& name = u"Test (internal)") {
    InternalSkins.Clear();
    TsStoredSkin& item = InternalSkins.Add();
    item.Name = name;
    item.PackedData = package;
    FSkinName = name;
    FActive = true;
    return LoadSkin();
  }
  TacSkinData& Data(int index = 0) { return *SkinDataArray.at(static_cast<std::size_t>(index)); }
  const TsGeneralData& Section(std::u16string_view name, int index = 0) {
    return Data(index).gd.at(static_cast<std::size_t>(GetSkinIndex(name, &Data(index))));
  }
  const TsMaskData& Entry(std::u16string_view section, std::u16string_view key, int index = 0) {
    return Data(index).ma.at(static_cast<std::size_t>(GetMaskIndex(section, key, &Data(index))));
  }

  struct Box {
    TacMsgKind Kind;
    std::u16string Text;
  };
  std::vector<Box> boxes;
  int loadings = 0;
};

// The source tree: from the test environment, else from where this file lies.
inline std::string SourceTree() {
  if (const char* dir = std::getenv("PELLOMIR_SOURCE_DIR")) return dir;
  const std::string here = __FILE__;
  return here.substr(0, here.rfind("/tests/skin/data/"));
}

inline TacBytes StoredEmberfield() {
  std::ifstream in(SourceTree() + "/skins/Emberfield/Emberfield.asz", std::ios::binary);
  TacBytes bytes(std::istreambuf_iterator<char>(in), {});
  EXPECT_GT(bytes.size(), 10000u) << "the stored skin is missing";
  return bytes;
}

// A picture of w x h filled with one pixel value.
inline gfx::PixelBuffer Filled(int w, int h, std::uint32_t pixel) {
  gfx::PixelBuffer p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.Row32(y)[x] = pixel;
  return p;
}

inline std::string PngText(const gfx::PixelBuffer& p) {
  gfx::PixelBuffer copy = p;
  const std::vector<std::uint8_t> bytes = gfx::EncodePng(copy.View());
  return std::string(bytes.begin(), bytes.end());
}

// A skin package: the options text (lines joined with CR LF) and pictures by name.
inline TacBytes SkinPackage(const std::string& options,
                            const std::vector<std::pair<std::string, gfx::PixelBuffer>>& pngs = {},
                            const std::vector<std::pair<std::string, std::string>>& files = {}) {
  std::vector<std::pair<std::string, std::string>> members = {{"OPTIONS.DAT", options}};
  for (const auto& [name, picture] : pngs) members.emplace_back(name, PngText(picture));
  for (const auto& f : files) members.push_back(f);
  return MakePackage(members);
}

}  // namespace skin::test
