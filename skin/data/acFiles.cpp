#include "skin/data/acFiles.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "platform/base/Errors.h"
#include "platform/base/Files.h"
#include "platform/base/NumberText.h"
#include "platform/base/TextCase.h"
#include "skin/data/acPathText.h"
#include "skin/data/acSkinErrors.h"

namespace skin {

namespace {

enum class Want { File, Directory, Any };

bool Is(const std::string& path, Want want) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return false;
  switch (want) {
    case Want::File: return S_ISREG(st.st_mode);
    case Want::Directory: return S_ISDIR(st.st_mode);
    case Want::Any: return true;
  }
  return false;
}

// The entry of dir whose name equals name ignoring case (the first in byte order, so the
// choice does not depend on the order the directory lists them in).
std::optional<std::string> MatchInDirectory(const std::string& dir, std::string_view name) {
  DIR* d = opendir(dir.empty() ? "." : dir.c_str());
  if (d == nullptr) return std::nullopt;
  std::optional<std::string> best;
  while (const dirent* e = readdir(d)) {
    const std::string_view entry(e->d_name);
    if (base::EqualsIgnoreAsciiCase(entry, name) && (!best || entry < *best)) best = std::string(entry);
  }
  closedir(d);
  return best;
}

// Resolves a native path as written, else component by component ignoring case.
std::optional<std::string> Resolve(std::u16string_view pathText, Want want) {
  const std::optional<std::string> native = NativePathRefusingDrives(pathText);
  if (!native || native->empty()) return std::nullopt;
  std::string path = *native;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  if (Is(path, want)) return path;
  std::string resolved = path[0] == '/' ? "/" : "";
  std::size_t i = path[0] == '/' ? 1 : 0;
  while (i <= path.size()) {
    const std::size_t next = std::min(path.find('/', i), path.size());
    const std::string part = path.substr(i, next - i);
    i = next + 1;
    if (part.empty()) continue;
    const std::string dir = resolved.empty() ? std::string() : resolved;
    std::string candidate = dir + (dir.empty() || dir.back() == '/' ? "" : "/") + part;
    if (part != "." && part != ".." && !Is(candidate, Want::Any)) {
      const std::optional<std::string> match = MatchInDirectory(dir, part);
      if (!match) return std::nullopt;
      candidate = dir + (dir.empty() || dir.back() == '/' ? "" : "/") + *match;
    }
    resolved = candidate;
  }
  return Is(resolved, want) ? std::optional<std::string>(resolved) : std::nullopt;
}

std::u16string Quoted(std::u16string_view path) { return u"\"" + std::u16string(path) + u"\""; }

}  // namespace

std::optional<std::string> FindFile(std::u16string_view path) { return Resolve(path, Want::File); }
std::optional<std::string> FindDirectory(std::u16string_view path) { return Resolve(path, Want::Directory); }
bool FileExists(std::u16string_view path) { return FindFile(path).has_value(); }
bool DirectoryExists(std::u16string_view path) { return FindDirectory(path).has_value(); }

bool ForceDirectories(std::u16string_view path) {
  if (DirectoryExists(path)) return true;
  const std::optional<std::string> native = NativePathRefusingDrives(path);
  if (!native || native->empty()) return false;
  std::string p = *native;
  for (std::size_t i = 1; i <= p.size(); ++i) {
    if (i == p.size() || p[i] == '/') {
      const std::string part = p.substr(0, i);
      if (!Is(part, Want::Any) && mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return false;
    }
  }
  return Is(p, Want::Directory);
}

std::vector<std::uint8_t> ReadWholeFile(std::u16string_view path, std::uint64_t maxSize) {
  const std::optional<std::string> native = FindFile(path);
  if (!native) throw EFOpenError(u"Cannot open file " + Quoted(path) + u". No such file");
  base::FileReadResult r = base::ReadFileBytes(*native, {maxSize, base::FileKinds::RegularOnly});
  switch (r.failure) {
    case base::FileReadFailure::None: break;
    case base::FileReadFailure::Open:
      throw EFOpenError(u"Cannot open file " + Quoted(path) + u". " + base::SystemErrorText(r.error));
    case base::FileReadFailure::NotRegular:
      throw EFOpenError(u"Cannot open file " + Quoted(path) + u". Not a regular file");
    case base::FileReadFailure::TooLarge:
      throw EReadError(u"The file " + Quoted(path) + u" holds " + base::IntToText(static_cast<std::int64_t>(r.size)) +
                       u" bytes, more than the " + base::IntToText(static_cast<std::int64_t>(maxSize)) +
                       u" bytes a skin file may have");
    case base::FileReadFailure::Read:
      throw EFOpenError(u"Cannot read file " + Quoted(path) + u". " + base::SystemErrorText(r.error));
  }
  return std::move(r.bytes);
}

void WriteWholeFile(std::u16string_view path, std::span<const std::uint8_t> bytes) {
  const std::optional<std::string> native = NativePathRefusingDrives(path);
  if (!native || native->empty()) throw EFCreateError(u"Cannot create file " + Quoted(path) + u". Invalid path");
  const base::FileWriteResult r = base::WriteFileBytes(*native, bytes, base::FileReplace::Atomically);
  if (!r.Ok()) throw EFCreateError(u"Cannot create file " + Quoted(path) + u". " + base::SystemErrorText(r.error));
}

}  // namespace skin
