#include "skin/data/acSkinSources.h"

#include "platform/base/NumberText.h"
#include "platform/base/TextCase.h"
#include "skin/data/acFiles.h"
#include "skin/data/acOptionsText.h"
#include "skin/data/acPathText.h"
#include "skin/data/acSkinErrors.h"
#include "skin/data/acSkinHost.h"
#include "skin/data/acSkinIni.h"
#include "skin/data/acSkinPackage.h"
#include "skin/data/sStoredSkins.h"

namespace skin {

namespace {

// Largest options file of a skin folder that is read.
constexpr std::uint64_t kMaxOptionsFileSize = 64u << 20;

// The box for a package without options, shown in the skin-changing state.
bool RefuseWithoutOptions(const TacSkinSearchState& state, TacSkinHost& host) {
  host.SetSkinChanging(true);
  host.ShowSkinMessage(TacMsgKind::Plain, InternalFormatErrorMessage(state.SkinName));
  host.SetSkinChanging(false);
  return false;
}

bool LoadInternalSkin(const TacSkinSearchSettings& settings, TacSkinSearchState& state, TacSkinHost& host) {
  state.SkinPath.clear();
  const TsStoredSkins& skins = settings.InternalSkins;
  int index = skins.IndexOf(state.SkinName);
  if (index < 0 && !skins.Empty()) {
    index = 0;
    state.SkinName = skins[0].Name;
  }
  if (index < 0) {
    state.Active = false;
    return false;
  }
  const TsStoredSkin& item = skins[index];
  if (item.PackedData.empty()) {
    // Nothing to read: the ini keeps what it held.
    state.SkinIsPacked = false;
    return true;
  }
  state.SkinIsPacked = true;
  state.sc = std::make_unique<TacSkinConvertor>();
  state.sc->PackedData = item.PackedData;
  struct Detach {
    TacSkinConvertor& sc;
    ~Detach() { sc.PackedData = {}; }
  } detach{*state.sc};
  ReadSkinPackage(*state.sc, host);
  if (!state.sc->Options) return RefuseWithoutOptions(state, host);
  LoadOptionsText(state.SkinFile, *state.sc->Options);
  return true;
}

}  // namespace

std::u16string InternalFormatErrorMessage(std::u16string_view skinName) {
  return u"Internal format error in the \"" + std::u16string(skinName) +
         u"\" skin. Please, update this skin to latest version.";
}

std::u16string RemovePackageEnding(std::u16string_view skinName) {
  if (skinName.size() > 4 && base::EqualsIgnoreAsciiCase(skinName.substr(skinName.size() - 4), u".asz")) {
    return std::u16string(skinName.substr(0, skinName.size() - 4));
  }
  return std::u16string(skinName);
}

bool InitSkinFile(const TacSkinSearchSettings& settings, TacSkinSearchState& state, TacSkinHost& host) {
  state.SkinPath = GetFullSkinDirectory(settings.SkinDirectory, settings.ProgramDirectory) + state.SkinName + u"\\";
  state.SkinIsPacked = false;

  if (settings.PreviewOptions != nullptr) {
    // Pictures are then read from SkinPath, as for a folder; a package of an earlier skin
    // must not serve them.
    state.sc.reset();
    state.SkinFile.SetText(*settings.PreviewOptions);
    return true;
  }

  const std::u16string optionsFile = state.SkinPath + u"Options.dat";
  if (FileExists(optionsFile)) {
    state.sc.reset();
    LoadOptionsText(state.SkinFile, ReadWholeFile(optionsFile, kMaxOptionsFileSize));
    return true;
  }

  const std::u16string packageFile = NormalizeDirectory(settings.SkinDirectory) + state.SkinName + u".asz";
  if (FileExists(packageFile)) {
    LoadSkinPackageFile(packageFile, state.sc, host);
    if (!state.sc || !state.sc->Options) return RefuseWithoutOptions(state, host);
    state.SkinIsPacked = true;
    LoadOptionsText(state.SkinFile, *state.sc->Options);
    return true;
  }

  return LoadInternalSkin(settings, state, host);
}

void ExtractInternalSkin(const TsStoredSkins& skins, std::u16string_view name, std::u16string_view dir,
                         TacSkinHost& host) {
  bool found = false;
  for (int i = 0; i < skins.Count(); ++i) {
    if (skins[i].Name != name) continue;
    found = true;
    if (DirectoryExists(dir)) {
      ExtractByIndex(skins, i, dir, host);
    } else {
      host.ShowSkinMessage(TacMsgKind::Error, u"Directory does not exists.");
    }
  }
  if (!found) host.ShowSkinMessage(TacMsgKind::Error, u"Skin does not exists.");
}

void ExtractByIndex(const TsStoredSkins& skins, int index, std::u16string_view dir, TacSkinHost& host) {
  if (index < 0 || index >= skins.Count()) {
    throw EListError(u"List index out of bounds (" + base::IntToText(index) + u")");
  }
  const std::u16string d = NormalizeDirectory(dir);
  if (!ForceDirectories(d)) {
    host.ShowSkinMessage(TacMsgKind::Error, d + u" directory creation error.");
    return;
  }
  const TsStoredSkin& item = skins[index];
  if (item.PackedData.empty()) return;
  std::u16string fileName = item.Name;
  for (char16_t& c : fileName)
    if (c == u'\\' || c == u'/' || c == u'\0') c = u'_';
  WriteWholeFile(d + fileName + u" extracted.asz", item.PackedData);
}

}  // namespace skin
