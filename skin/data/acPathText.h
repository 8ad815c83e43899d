#pragma once
// Skin directories as path text. The rules run on the text as written, with "\" and "/"
// both taken as separators; a path becomes a native file-system path only when a file is
// touched (NativePathRefusingDrives), where every "\" turns into "/".
#include <optional>
#include <string>
#include <string_view>

#include "platform/base/Files.h"

namespace skin {

// Empty stays empty; a path ending in "\" is unchanged; a final "/" becomes "\"; a single
// character (a drive letter) gets ":\"; anything else gets "\".
std::u16string NormalizeDirectory(std::u16string_view dir);

// The skin directory setting as an absolute directory with a trailing separator.
// programDirectory is the executable's directory with a trailing separator. "..\X" is
// taken from the parent of the program directory, ".\X", "./X" and "." from the program
// directory; a path with a drive or a network path, and on this system a path that begins
// with "/", is already absolute; any other path is taken relative to the program directory.
std::u16string GetFullSkinDirectory(std::u16string_view skinDirectory, std::u16string_view programDirectory);

// The directory of the running executable, with a trailing "/".
std::u16string ProgramDirectory();

// The native UTF-8 path of a path text (base::NativePath: "\" becomes "/"). A drive-letter
// path ("c:\Skins"), a network path ("\\server\share") or one holding a NUL names nothing
// on this system: no value.
std::optional<std::string> NativePathRefusingDrives(std::u16string_view path);

}  // namespace skin
