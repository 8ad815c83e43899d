#pragma once
// The file-system access of the skin data code, on path texts (see acPathText.h). Skins
// are often made on systems whose file names ignore letter case, so a name that does not
// exist as written is also looked for ignoring the case of the letters A to Z, component
// by component. Only regular files count as files: a folder or a pipe named like a skin
// file is not read.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/Files.h"

namespace skin {

// The native path of an existing regular file (links followed), matched as written or
// else ignoring letter case; no value when there is none.
std::optional<std::string> FindFile(std::u16string_view path);
// The native path of an existing directory, matched the same way.
std::optional<std::string> FindDirectory(std::u16string_view path);

bool FileExists(std::u16string_view path);
bool DirectoryExists(std::u16string_view path);

// Creates the directory and its missing parents; true when it exists afterwards.
bool ForceDirectories(std::u16string_view path);

// The whole content of an existing regular file. Throws EFOpenError when it cannot be
// read and EReadError when it is larger than maxSize (base::ReadFileBytes does the reading).
std::vector<std::uint8_t> ReadWholeFile(std::u16string_view path, std::uint64_t maxSize);

// Writes bytes to a file, created or replaced: they go to a new file beside it first,
// which then takes its name, so a failed write leaves the old file as it was. Throws
// EFCreateError on failure.
void WriteWholeFile(std::u16string_view path, std::span<const std::uint8_t> bytes);

}  // namespace skin
