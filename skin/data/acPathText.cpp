#include "skin/data/acPathText.h"

#include <unistd.h>

#include <climits>

#include "platform/base/Files.h"
#include "platform/base/Unicode.h"

namespace skin {

namespace {

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

bool StartsWith(std::u16string_view s, std::u16string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

bool HasDrive(std::u16string_view p) {
  return p.size() >= 2 && p[1] == u':' && ((p[0] >= u'a' && p[0] <= u'z') || (p[0] >= u'A' && p[0] <= u'Z'));
}

bool IsNetworkPath(std::u16string_view p) { return p.size() >= 2 && IsSeparator(p[0]) && IsSeparator(p[1]); }

}  // namespace

std::u16string NormalizeDirectory(std::u16string_view dir) {
  std::u16string d(dir);
  if (d.empty() || d.back() == u'\\') return d;
  if (d.back() == u'/') {
    d.back() = u'\\';
  } else if (d.size() == 1) {
    d += u":\\";
  } else {
    d += u'\\';
  }
  return d;
}

std::u16string GetFullSkinDirectory(std::u16string_view skinDirectory, std::u16string_view programDirectory) {
  const std::u16string_view d = skinDirectory;
  const std::u16string_view p = programDirectory;
  std::u16string result;
  if (StartsWith(d, u"..")) {
    // The parent of the program directory, with its separator.
    std::u16string_view parent = p.empty() ? p : p.substr(0, p.size() - 1);
    while (!parent.empty() && !IsSeparator(parent.back())) parent.remove_suffix(1);
    result = std::u16string(parent) + std::u16string(d.size() > 3 ? d.substr(3) : std::u16string_view());
  } else if (StartsWith(d, u".\\") || StartsWith(d, u"./")) {
    result = std::u16string(p) + std::u16string(d.substr(2));
  } else if (d == u".") {
    result = std::u16string(p);
  } else if (d.find(u':') == std::u16string_view::npos && d.find(u"\\\\") == std::u16string_view::npos &&
             !StartsWith(d, u"/")) {
    result = std::u16string(p) + std::u16string(d);
  } else {
    result = std::u16string(d);
  }
  return NormalizeDirectory(result);
}

std::u16string ProgramDirectory() {
  char buf[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return u"./";
  std::string path(buf, static_cast<std::size_t>(n));
  path.erase(path.find_last_of('/') + 1);
  return base::Utf8ToUtf16(path);
}

std::optional<std::string> NativePathRefusingDrives(std::u16string_view path) {
  if (HasDrive(path) || IsNetworkPath(path) || path.find(u'\0') != std::u16string_view::npos) return std::nullopt;
  return base::NativePath(path);
}

}  // namespace skin
