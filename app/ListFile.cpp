#include "app/ListFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

#include "platform/base/Unicode.h"
#include "platform/forms/SysUtils.h"

namespace app {

namespace {

std::u16string SystemErrorText(int error) { return base::Utf8ToUtf16(std::strerror(error)); }

std::string CurrentFolder() {
  std::vector<char> buf(PATH_MAX);
  while (!getcwd(buf.data(), buf.size())) {
    if (errno != ERANGE) return "/";
    buf.resize(buf.size() * 2);
  }
  return buf.data();
}

}  // namespace

std::u16string ExpandFileName(std::u16string_view path) {
  std::string native = forms::NativePath(path);
  if (native.empty() || native[0] != '/') native = CurrentFolder() + "/" + native;
  std::vector<std::string> parts;
  std::size_t start = 1;
  while (start <= native.size()) {
    std::size_t slash = native.find('/', start);
    if (slash == std::string::npos) slash = native.size();
    std::string part = native.substr(start, slash - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(std::move(part));
    }
    start = slash + 1;
  }
  std::string out;
  for (const std::string& p : parts) out += "/" + p;
  if (out.empty() || native.back() == '/') out += "/";
  return base::Utf8ToUtf16(out);
}

void WriteNewFile(const std::u16string& path, std::string_view bytes) {
  const std::string native = forms::NativePath(path);
  int fd = native.empty() ? -1 : ::open(native.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    const int error = native.empty() ? ENOENT : errno;
    throw EFCreateError(u"Cannot create file \"" + ExpandFileName(path) + u"\". " + SystemErrorText(error));
  }
  std::size_t done = 0;
  bool failed = false;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      failed = true;
      break;
    }
    done += static_cast<std::size_t>(n);
  }
  // A failed close may be the first news of a write that never reached the disk.
  if (::close(fd) != 0 && errno != EINTR) failed = true;
  if (failed) throw EWriteError(u"Stream write error");
}

void SaveListFile(const std::u16string& path, std::u16string_view text) {
  WriteNewFile(path, base::Utf16ToCodePage(text, base::SystemCodePage()));
}

}  // namespace app
