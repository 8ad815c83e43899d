#include "tools/skingen/SkinBuild.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "platform/base/Files.h"
#include "platform/base/Unicode.h"
#include "platform/gfx/ImageCodec.h"
#include "tools/skingen/MockScenes.h"

namespace skingen {

namespace {

std::string ReadText(const std::filesystem::path& path) {
  const base::FileReadResult r = base::ReadFileBytes(path.string());
  if (!r.Ok()) throw std::runtime_error("cannot read " + path.string());
  return std::string(r.bytes.begin(), r.bytes.end());
}

skin::Bitmap32 ToBitmap(const gfx::PixelBuffer& px) {
  skin::Bitmap32 b(px.Width(), px.Height());
  for (int y = 0; y < px.Height(); ++y) std::copy_n(px.Row32(y), px.Width(), b.Row(y));
  return b;
}

}  // namespace

TSkinSources ReadSkinSources(const std::string& folder) {
  const std::filesystem::path dir(folder);
  TSkinSources s;
  s.Folder = folder;
  s.Palette = ReadText(dir / "Palette.txt");
  s.Pictures = ReadText(dir / "Pictures.txt");
  s.Options = ReadText(dir / "Options.txt");
  return s;
}

std::unique_ptr<TSkinLook> TBuiltSkin::Look() const {
  std::map<std::string, skin::Bitmap32> pictures;
  for (const TPictureFile& f : Files) pictures.emplace(f.Recipe->Name, ToBitmap(f.Pixels));
  return std::make_unique<TSkinLook>(base::Utf8ToUtf16(Options.Text), std::move(pictures));
}

TBuiltSkin BuildSkin(const TSkinSources& sources) {
  const std::string dir = sources.Folder.empty() ? std::string() : sources.Folder + "/";
  TBuiltSkin skin;
  skin.Palette = TPalette::Parse(sources.Palette, dir + "Palette.txt");
  skin.Recipe = ParseRecipe(sources.Pictures, skin.Palette, dir + "Pictures.txt");
  skin.Options = ExpandOptions(sources.Options, skin.Palette, skin.Recipe, dir + "Options.txt");
  skin.Files = BuildPictureFiles(skin.Recipe, dir + "Pictures.txt");

  const std::unique_ptr<TSkinLook> look = skin.Look();
  const TMockPainter painter(*look);
  skin::Bitmap32 preview = PaintPreview(painter);
  skin.Preview = gfx::EncodePng(preview.View());

  skin.Members.push_back({kOptionsMember, skin::TacBytes(skin.Options.Text.begin(), skin.Options.Text.end()), 0});
  std::vector<const TPictureFile*> byName;
  for (const TPictureFile& f : skin.Files) byName.push_back(&f);
  std::sort(byName.begin(), byName.end(),
            [](const TPictureFile* a, const TPictureFile* b) { return a->Recipe->Name < b->Recipe->Name; });
  for (const TPictureFile* f : byName) skin.Members.push_back({f->Recipe->Name, f->Bytes, 0});
  skin.Package = skin::WritePackage(skin.Members, skin.Preview);
  return skin;
}

}  // namespace skingen
