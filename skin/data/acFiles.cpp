#include "skin/data/acFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/base/Unicode.h"
#include "skin/data/acPathText.h"
#include "skin/data/acSkinErrors.h"
#include "skin/data/acText.h"

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

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const char x = (a[i] >= 'a' && a[i] <= 'z') ? char(a[i] - 32) : a[i];
    const char y = (b[i] >= 'a' && b[i] <= 'z') ? char(b[i] - 32) : b[i];
    if (x != y) return false;
  }
  return true;
}

// The entry of dir whose name equals name ignoring case (the first in byte order, so the
// choice does not depend on the order the directory lists them in).
std::optional<std::string> MatchInDirectory(const std::string& dir, std::string_view name) {
  DIR* d = opendir(dir.empty() ? "." : dir.c_str());
  if (d == nullptr) return std::nullopt;
  std::optional<std::string> best;
  while (const dirent* e = readdir(d)) {
    const std::string_view entry(e->d_name);
    if (SameNameIgnoringCase(entry, name) && (!best || entry < *best)) best = std::string(entry);
  }
  closedir(d);
  return best;
}

// Resolves a native path as written, else component by component ignoring case.
std::optional<std::string> Resolve(std::u16string_view pathText, Want want) {
  const std::optional<std::string> native = NativePath(pathText);
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

std::u16string ErrnoText(int err) { return base::Utf8ToUtf16(std::strerror(err)); }

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

}  // namespace

std::optional<std::string> FindFile(std::u16string_view path) { return Resolve(path, Want::File); }
std::optional<std::string> FindDirectory(std::u16string_view path) { return Resolve(path, Want::Directory); }
bool FileExists(std::u16string_view path) { return FindFile(path).has_value(); }
bool DirectoryExists(std::u16string_view path) { return FindDirectory(path).has_value(); }

bool ForceDirectories(std::u16string_view path) {
  if (DirectoryExists(path)) return true;
  const std::optional<std::string> native = NativePath(path);
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
  FileDescriptor fd(open(native->c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.Get() < 0) throw EFOpenError(u"Cannot open file " + Quoted(path) + u". " + ErrnoText(errno));
  struct stat st {};
  if (fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) {
    throw EFOpenError(u"Cannot open file " + Quoted(path) + u". Not a regular file");
  }
  if (static_cast<std::uint64_t>(st.st_size) > maxSize) {
    throw EReadError(u"The file " + Quoted(path) + u" holds " + IntToText(st.st_size) + u" bytes, more than the " +
                     IntToText(static_cast<std::int64_t>(maxSize)) + u" bytes a skin file may have");
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = read(fd.Get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw EFOpenError(u"Cannot read file " + Quoted(path) + u". " + ErrnoText(errno));
    if (n == 0) break;  // the file shrank while being read
    done += static_cast<std::size_t>(n);
  }
  bytes.resize(done);
  return bytes;
}

void WriteWholeFile(std::u16string_view path, std::span<const std::uint8_t> bytes) {
  const std::optional<std::string> native = NativePath(path);
  if (!native || native->empty()) throw EFCreateError(u"Cannot create file " + Quoted(path) + u". Invalid path");
  static unsigned counter = 0;
  const std::string temp = *native + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(++counter);
  FileDescriptor fd(open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (fd.Get() < 0) throw EFCreateError(u"Cannot create file " + Quoted(path) + u". " + ErrnoText(errno));
  std::size_t done = 0;
  int err = 0;
  while (done < bytes.size() && err == 0) {
    const ssize_t n = write(fd.Get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) err = n < 0 ? errno : EIO;
    else done += static_cast<std::size_t>(n);
  }
  if (close(fd.Release()) != 0 && err == 0) err = errno;
  if (err == 0 && rename(temp.c_str(), native->c_str()) != 0) err = errno;
  if (err != 0) {
    unlink(temp.c_str());
    throw EFCreateError(u"Cannot create file " + Quoted(path) + u". " + ErrnoText(err));
  }
}

}  // namespace skin
