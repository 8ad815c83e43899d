// The save-file dialog's file system work, on std::filesystem with UTF-8 names.
#include "platform/ctl/FolderListing.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/base/TextCase.h"
#include "platform/base/Unicode.h"

namespace ctl::detail {

namespace fs = std::filesystem;

namespace {

fs::path ToPath(const std::u16string& s) { return fs::path(base::Utf16ToUtf8(s)); }
std::u16string FromPath(const fs::path& p) { return base::Utf8ToUtf16(p.string()); }

bool Glob(std::u16string_view name, std::u16string_view pattern) {
  // Iterative match with one back-tracking point for the last "*".
  std::size_t n = 0, p = 0, star = std::u16string_view::npos, mark = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == u'?' || base::ToLowerUi(pattern[p]) == base::ToLowerUi(name[n]))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == u'*') {
      star = p++;
      mark = n;
    } else if (star != std::u16string_view::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == u'*') ++p;
  return p == pattern.size();
}

bool LessNoCase(const FolderEntry& a, const FolderEntry& b) { return base::CompareIgnoreUiCase(a.name, b.name) < 0; }

}  // namespace

bool MatchesPatterns(const std::u16string& name, const std::u16string& patterns) {
  bool any = false;
  std::size_t start = 0;
  while (start <= patterns.size()) {
    std::size_t end = patterns.find(u';', start);
    if (end == std::u16string::npos) end = patterns.size();
    std::u16string_view one = std::u16string_view(patterns).substr(start, end - start);
    while (!one.empty() && one.front() == u' ') one.remove_prefix(1);
    while (!one.empty() && one.back() == u' ') one.remove_suffix(1);
    if (!one.empty()) {
      any = true;
      // "*.*" names every file, with or without an extension, as on the platform.
      if (one == u"*.*" || Glob(name, one)) return true;
    }
    start = end + 1;
  }
  return !any;
}

bool HasWildcards(const std::u16string& s) { return s.find_first_of(u"*?") != std::u16string::npos; }

std::vector<FolderEntry> ListFolder(const std::u16string& folder, const std::u16string& patterns) {
  std::vector<FolderEntry> folders, files;
  std::error_code ec;
  fs::directory_iterator it(ToPath(folder), fs::directory_options::skip_permission_denied, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::u16string name = FromPath(it->path().filename());
    if (name.empty() || name[0] == u'.') continue;
    std::error_code kindError;
    if (it->is_directory(kindError)) folders.push_back({name, true});
    else if (MatchesPatterns(name, patterns)) files.push_back({name, false});
  }
  std::sort(folders.begin(), folders.end(), LessNoCase);
  std::sort(files.begin(), files.end(), LessNoCase);
  folders.insert(folders.end(), files.begin(), files.end());
  return folders;
}

std::u16string ResolvePath(const std::u16string& folder, const std::u16string& typed) {
  fs::path p = ToPath(typed);
  if (typed == u"~" || typed.rfind(u"~/", 0) == 0) {
    const char* home = std::getenv("HOME");
    p = fs::path(home ? home : "/") / ToPath(typed.size() > 2 ? typed.substr(2) : std::u16string());
  } else if (p.is_relative()) {
    p = ToPath(folder) / p;
  }
  p = p.lexically_normal();
  std::u16string s = FromPath(p);
  // A trailing separator of a folder path is dropped, the root's excepted.
  while (s.size() > 1 && s.back() == u'/') s.pop_back();
  return s;
}

std::vector<std::u16string> FolderChain(const std::u16string& folder) {
  std::vector<std::u16string> chain;
  fs::path p = ToPath(folder);
  for (;;) {
    chain.push_back(FromPath(p));
    fs::path parent = p.parent_path();
    if (parent.empty() || parent == p) break;
    p = parent;
  }
  std::reverse(chain.begin(), chain.end());
  return chain;
}

std::u16string ParentFolder(const std::u16string& path) {
  fs::path p = ToPath(path);
  fs::path parent = p.parent_path();
  return FromPath(parent.empty() ? p : parent);
}

std::u16string FileNameOf(const std::u16string& path) { return FromPath(ToPath(path).filename()); }

bool IsFolder(const std::u16string& path) {
  std::error_code ec;
  return fs::is_directory(ToPath(path), ec);
}

bool Exists(const std::u16string& path) {
  std::error_code ec;
  return fs::exists(ToPath(path), ec);
}

bool HasExtension(const std::u16string& path) { return ToPath(path).has_extension(); }

std::u16string CurrentFolder() {
  std::error_code ec;
  fs::path p = fs::current_path(ec);
  return ec ? std::u16string(u"/") : FromPath(p);
}

}  // namespace ctl::detail
