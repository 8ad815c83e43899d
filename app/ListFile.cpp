#include "app/ListFile.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

#include "platform/base/Errors.h"
#include "platform/base/Files.h"
#include "platform/base/Unicode.h"

namespace app {

namespace {

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
  std::string native = base::NativePath(path);
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
  const std::string native = base::NativePath(path);
  const base::FileWriteResult r = native.empty() ? base::FileWriteResult{base::FileWriteFailure::Create, ENOENT}
                                                 : base::WriteFileBytes(native, bytes, base::FileReplace::InPlace);
  if (r.failure == base::FileWriteFailure::Create) {
    throw EFCreateError(u"Cannot create file \"" + ExpandFileName(path) + u"\". " + base::SystemErrorText(r.error));
  }
  if (!r.Ok()) throw EWriteError(u"Stream write error");
}

void SaveListFile(const std::u16string& path, std::u16string_view text) {
  WriteNewFile(path, base::Utf16ToCodePage(text, base::SystemCodePage()));
}

}  // namespace app
