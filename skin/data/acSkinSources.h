#pragma once
// Where a skin comes from: the search for a skin name (live preview text, skin folder,
// package file, internal skin) that fills the manager's options ini and opened package,
// and writing an internal skin back out as a package file. These are the skin manager's
// operations with the manager's settings and state passed in, so that the manager calls
// them with its own fields.
#include <memory>
#include <string>
#include <string_view>

namespace skin {

class TacSkinHost;
class TacSkinIni;
class TsStoredSkins;
struct TacSkinConvertor;

// The manager's settings the search reads.
struct TacSkinSearchSettings {
  std::u16string_view SkinDirectory;     // as set, not resolved
  std::u16string_view ProgramDirectory;  // the executable's directory, trailing separator
  // The options text handed over by a live preview; nullptr when there is none.
  const std::u16string* PreviewOptions = nullptr;
  const TsStoredSkins& InternalSkins;
};

// The manager's state the search reads and fills.
struct TacSkinSearchState {
  std::u16string& SkinName;               // becomes the first internal skin's name when none matches
  bool& Active;                           // false when no source exists at all
  TacSkinIni& SkinFile;                   // the options ini
  std::u16string& SkinPath;               // folder of the skin's pictures, trailing separator; empty for internal skins
  bool& SkinIsPacked;                     // the options came from a package
  std::unique_ptr<TacSkinConvertor>& sc;  // the opened package
};

// Finds the source of state.SkinName and loads its options text (InitSkinFile): the
// preview text, else the folder SkinPath with "Options.dat", else the package file
// SkinDirectory + name + ".asz", else the internal skin of that name (or the first one).
// True when a source was found and its options loaded. A package without an options
// member shows the "internal format error" box and gives false; with no source at all
// the manager becomes inactive without a message. Errors of package data are thrown.
bool InitSkinFile(const TacSkinSearchSettings& settings, TacSkinSearchState& state, TacSkinHost& host);

// The text of the box shown for a package without an options member.
std::u16string InternalFormatErrorMessage(std::u16string_view skinName);

// A skin name without a final ".asz" (any letter case) when it is longer than 4 characters.
std::u16string RemovePackageEnding(std::u16string_view skinName);

// Writes every internal skin named name to dir as a package file (ExtractByIndex), with
// an error box when dir does not exist or no skin has that name.
void ExtractInternalSkin(const TsStoredSkins& skins, std::u16string_view name, std::u16string_view dir,
                         TacSkinHost& host);

// Writes the package bytes of item index to dir + the item's name + " extracted.asz",
// creating dir when missing (an error box when that fails). Path separators in the name
// become "_" so the file stays inside dir. Throws EListError for a bad index and
// EFCreateError when the file cannot be written.
void ExtractByIndex(const TsStoredSkins& skins, int index, std::u16string_view dir, TacSkinHost& host);

}  // namespace skin
