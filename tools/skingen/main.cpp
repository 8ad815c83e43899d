// skingen: builds a skin's member files, preview and looks from its source folder.
#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "platform/base/Files.h"
#include "platform/gfx/ImageCodec.h"
#include "tools/skingen/ContactSheet.h"
#include "tools/skingen/MockScenes.h"
#include "tools/skingen/SkinBuild.h"

namespace {

namespace fs = std::filesystem;

constexpr char kUsage[] =
    "usage: skingen <source folder> <member folder> [--preview <file>] [--package <file>] [--looks <folder>]\n"
    "\n"
    "Reads Palette.txt, Pictures.txt and Options.txt of the source folder and writes OPTIONS.DAT and\n"
    "the picture files into the member folder (other files there are removed), the preview picture,\n"
    "optionally the package itself, and the pictures to look at: sheet.png (the contact sheet),\n"
    "mockup.png (the main window), states.png (controls in every state) and preview.png.\n";

bool Write(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  if (base::WriteFileBytes(path.string(), bytes, base::FileReplace::InPlace).Ok()) return true;
  std::cerr << "skingen: cannot write " << path << "\n";
  return false;
}

bool WritePicture(const fs::path& path, skin::Bitmap32& bmp) { return Write(path, gfx::EncodePng(bmp.View())); }

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> positional;
  std::string preview, package, looks;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if ((a == "--preview" || a == "--package" || a == "--looks") && i + 1 < argc) {
      (a == "--preview" ? preview : a == "--package" ? package : looks) = argv[++i];
    } else if (a == "-h" || a == "--help") {
      std::cout << kUsage;
      return 0;
    } else {
      positional.push_back(a);
    }
  }
  if (positional.size() != 2) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    const skingen::TBuiltSkin skin = skingen::BuildSkin(skingen::ReadSkinSources(positional[0]));
    const fs::path out(positional[1]);
    fs::create_directories(out);
    std::set<std::string> names;
    for (const skin::TacPackageMember& m : skin.Members) {
      names.insert(m.RawName);
      if (!Write(out / m.RawName, m.Bytes)) return 1;
    }
    for (const fs::directory_entry& e : fs::directory_iterator(out))
      if (e.is_regular_file() && !names.count(e.path().filename().string())) fs::remove(e.path());
    if (!preview.empty() && !Write(preview, skin.Preview)) return 1;
    if (!package.empty() && !Write(package, skin.Package)) return 1;
    if (!looks.empty()) {
      fs::create_directories(looks);
      const std::unique_ptr<skingen::TSkinLook> look = skin.Look();
      const skingen::TMockPainter painter(*look);
      skin::Bitmap32 sheet = skingen::PaintContactSheet(skin.Files, skin.Options.Images);
      skin::Bitmap32 mockup = skingen::PaintMainWindowMockup(painter);
      skin::Bitmap32 states = skingen::PaintStatesBoard(painter);
      if (!WritePicture(fs::path(looks) / "sheet.png", sheet) ||
          !WritePicture(fs::path(looks) / "mockup.png", mockup) ||
          !WritePicture(fs::path(looks) / "states.png", states) ||
          !Write(fs::path(looks) / "preview.png", skin.Preview))
        return 1;
    }
  } catch (const std::exception& e) {
    std::cerr << "skingen: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
