#include "platform/base/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/base/Unicode.h"

namespace base {

namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }
  // Closes now; the system's error number, or 0. An interrupted close has still released
  // the descriptor and handed the data to the system, so it counts as done.
  int Close() {
    const int fd = std::exchange(fd_, -1);
    return ::close(fd) != 0 && errno != EINTR ? errno : 0;
  }

 private:
  int fd_;
};

FileReadResult Failed(FileReadFailure failure, int error) {
  FileReadResult r;
  r.failure = failure;
  r.error = error;
  return r;
}

// Reads until `limit` bytes or the end; the system's error number, or 0.
int ReadAll(int fd, std::vector<std::uint8_t>& out, std::uint64_t limit) {
  std::uint8_t chunk[65536];
  while (out.size() < limit) {
    const std::uint64_t want = std::min<std::uint64_t>(sizeof chunk, limit - out.size());
    const ssize_t n = ::read(fd, chunk, static_cast<std::size_t>(want));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) break;
    out.insert(out.end(), chunk, chunk + n);
  }
  return 0;
}

// Writes all bytes; the system's error number, or 0.
int WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd, data + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? errno : EIO;
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

FileWriteResult WriteFailed(FileWriteFailure failure, int error) { return FileWriteResult{failure, error}; }

}  // namespace

std::string NativePath(std::u16string_view path) {
  std::u16string p(path);
  for (char16_t& c : p)
    if (c == u'\\') c = u'/';
  return Utf16ToUtf8(p);
}

FileReadResult ReadFileBytes(const std::string& nativePath, const FileReadOptions& options) {
  const bool regularOnly = options.kinds == FileKinds::RegularOnly;
  FileDescriptor fd(::open(nativePath.c_str(), O_RDONLY | O_CLOEXEC | (regularOnly ? O_NONBLOCK : 0)));
  if (fd.Get() < 0) return Failed(FileReadFailure::Open, errno);
  struct stat st {};
  const bool regular = ::fstat(fd.Get(), &st) == 0 && S_ISREG(st.st_mode);
  if (regularOnly && !regular) return Failed(FileReadFailure::NotRegular, 0);
  FileReadResult r;
  std::uint64_t limit = std::numeric_limits<std::uint64_t>::max();
  if (regular) {
    const auto size = static_cast<std::uint64_t>(st.st_size);
    if (size > options.maxSize) {
      r = Failed(FileReadFailure::TooLarge, 0);
      r.size = size;
      return r;
    }
    limit = size;
    r.bytes.reserve(static_cast<std::size_t>(size));
  }
  if (const int error = ReadAll(fd.Get(), r.bytes, limit)) return Failed(FileReadFailure::Read, error);
  return r;
}

FileWriteResult WriteFileBytes(const std::string& nativePath, std::span<const std::uint8_t> bytes, FileReplace how) {
  if (how == FileReplace::InPlace) {
    FileDescriptor fd(::open(nativePath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (fd.Get() < 0) return WriteFailed(FileWriteFailure::Create, errno);
    if (const int error = WriteAll(fd.Get(), bytes.data(), bytes.size()))
      return WriteFailed(FileWriteFailure::Write, error);
    // A failed close may be the first news of a write that never reached the disk.
    if (const int error = fd.Close()) return WriteFailed(FileWriteFailure::Close, error);
    return {};
  }
  static unsigned counter = 0;
  const std::string temp = nativePath + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
  FileDescriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (fd.Get() < 0) return WriteFailed(FileWriteFailure::Create, errno);
  FileWriteResult r;
  if (const int error = WriteAll(fd.Get(), bytes.data(), bytes.size())) r = WriteFailed(FileWriteFailure::Write, error);
  if (const int error = fd.Close(); error && r.Ok()) r = WriteFailed(FileWriteFailure::Close, error);
  if (r.Ok() && ::rename(temp.c_str(), nativePath.c_str()) != 0) r = WriteFailed(FileWriteFailure::Rename, errno);
  if (!r.Ok()) ::unlink(temp.c_str());
  return r;
}

FileWriteResult WriteFileBytes(const std::string& nativePath, std::string_view bytes, FileReplace how) {
  return WriteFileBytes(nativePath, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), how);
}

}  // namespace base
