#pragma once
// Building a skin package from its sources: the palette, the drawing recipe and the
// options source of a skin folder (Palette.txt, Pictures.txt, Options.txt) become the
// member files, a preview picture and the package bytes. The same input always gives
// the same bytes.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/acPackageFormat.h"
#include "tools/skingen/OptionsSource.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/PictureFiles.h"
#include "tools/skingen/Recipe.h"
#include "tools/skingen/SkinLook.h"

namespace skingen {

inline constexpr char kOptionsMember[] = "OPTIONS.DAT";

struct TSkinSources {
  std::string Folder;  // for messages
  std::string Palette;
  std::string Pictures;
  std::string Options;
};

// Reads Palette.txt, Pictures.txt and Options.txt of a skin source folder; throws
// std::runtime_error naming a file that cannot be read.
TSkinSources ReadSkinSources(const std::string& folder);

class TBuiltSkin {
 public:
  TBuiltSkin() = default;
  TBuiltSkin(const TBuiltSkin&) = delete;
  TBuiltSkin& operator=(const TBuiltSkin&) = delete;
  TBuiltSkin(TBuiltSkin&&) = default;
  TBuiltSkin& operator=(TBuiltSkin&&) = default;

  TPalette Palette;
  TRecipe Recipe;
  TOptionsText Options;
  std::vector<TPictureFile> Files;    // in the recipe's order, the master bitmap first
  std::vector<std::uint8_t> Preview;  // PNG
  // OPTIONS.DAT, then the picture files sorted by name: the order the package keeps.
  std::vector<skin::TacPackageMember> Members;
  skin::TacBytes Package;

  // The built skin as the mock painter reads it.
  std::unique_ptr<TSkinLook> Look() const;
};

// Builds the whole skin; throws TSourceError for mistakes in the sources.
TBuiltSkin BuildSkin(const TSkinSources& sources);

}  // namespace skingen
