#pragma once
// Writing the list to a file: the file errors of saving, absolute paths, and the write
// itself (create or empty the file, write the bytes in one piece, close it).
#include <string>
#include <string_view>

#include "platform/base/Errors.h"

namespace app {

// The file could not be created: "Cannot create file \"<absolute path>\". <system text>".
using base::EFCreateError;
// Fewer bytes could be written than asked for: "Stream write error".
using base::EWriteError;

// The path made absolute: a relative path is taken from the current folder, and "." and
// ".." parts and doubled separators are resolved on the text (links are not followed).
std::u16string ExpandFileName(std::u16string_view path);

// Creates the file, replacing one of that name without asking, and writes `bytes` to it.
// EFCreateError when it cannot be created (nothing is written); EWriteError when not all
// bytes could be written or the file could not be closed (what was written stays).
void WriteNewFile(const std::u16string& path, std::string_view bytes);

// The list text in the system's 8-bit code page, no byte-order mark, written by
// WriteNewFile.
void SaveListFile(const std::u16string& path, std::u16string_view text);

}  // namespace app
