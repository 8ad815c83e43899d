#pragma once
// The stored Emberfield skin, loaded for benchmarks that paint with it.
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "skin/data/acSkinLoader.h"

namespace skin::bench {

// The source tree: from the environment, else from where this file lies (relative to the
// build folder when the compiler was given relative paths).
inline std::string SourceTree() {
  if (const char* dir = std::getenv("PELLOMIR_SOURCE_DIR")) return dir;
  const std::string here = __FILE__;
  return here.substr(0, here.rfind("/bench/skin/render/"));
}

// Makes the stored skin m's one internal skin and loads it; false when it did not load.
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

}  // namespace skin::bench
