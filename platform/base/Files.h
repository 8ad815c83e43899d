#pragma once
// Whole files read and written in one piece, and the path text a file is named by. The
// readers and writers report what failed and the system's error number instead of raising,
// because each caller words its own errors (see Errors.h for the kinds they raise).
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace base {

// A path text as the file system takes it: UTF-8, every "\" turned into "/".
std::string NativePath(std::u16string_view path);

// --- Reading -----------------------------------------------------------------------------------

enum class FileKinds {
  Any,          // whatever opens and reads: regular files, devices, pipes
  RegularOnly,  // regular files only (links followed); a pipe is refused without waiting on it
};

struct FileReadOptions {
  std::uint64_t maxSize = std::numeric_limits<std::uint64_t>::max();  // larger regular files are refused
  FileKinds kinds = FileKinds::Any;
};

enum class FileReadFailure { None, Open, NotRegular, TooLarge, Read };

struct FileReadResult {
  std::vector<std::uint8_t> bytes;
  FileReadFailure failure = FileReadFailure::None;
  int error = 0;           // the system's error number for Open and Read
  std::uint64_t size = 0;  // the file's size, for TooLarge
  bool Ok() const { return failure == FileReadFailure::None; }
};

// The whole content of a file. A regular file is read up to the size it had when opened
// (less when it shrinks meanwhile); anything else up to its end.
FileReadResult ReadFileBytes(const std::string& nativePath, const FileReadOptions& options = {});

// --- Writing -----------------------------------------------------------------------------------

enum class FileReplace {
  InPlace,     // the file is created or emptied, then written; what was written before a failure stays
  Atomically,  // written to a new file beside it, which then takes its name; a failure leaves the old file
};

enum class FileWriteFailure { None, Create, Write, Close, Rename };

struct FileWriteResult {
  FileWriteFailure failure = FileWriteFailure::None;
  int error = 0;  // the system's error number (EIO when a write wrote nothing)
  bool Ok() const { return failure == FileWriteFailure::None; }
};

// Creates or replaces the file with these bytes (mode 0666 less the process's umask).
FileWriteResult WriteFileBytes(const std::string& nativePath, std::span<const std::uint8_t> bytes, FileReplace how);
FileWriteResult WriteFileBytes(const std::string& nativePath, std::string_view bytes, FileReplace how);

}  // namespace base
