#pragma once
// Internal: the file system side of the save-file dialog: listing a folder (subfolders
// first, then the files a pattern matches, hidden entries left out), matching patterns,
// turning typed text into a full path, and the chain of a folder's parents.
#include <string>
#include <vector>

namespace ctl::detail {

struct FolderEntry {
  std::u16string name;
  bool folder = false;
};

// Subfolders, then matching files, each sorted without regard to letter case. An
// unreadable folder lists nothing.
std::vector<FolderEntry> ListFolder(const std::u16string& folder, const std::u16string& patterns);
// Whether a name matches one of the ";"-separated patterns ("*" any run, "?" any one
// character, letters compared without regard to case). An empty pattern list matches all.
bool MatchesPatterns(const std::u16string& name, const std::u16string& patterns);
bool HasWildcards(const std::u16string& s);
// Typed text as a full, normalised path: absolute, "~/..." from the home folder, or
// relative to `folder`.
std::u16string ResolvePath(const std::u16string& folder, const std::u16string& typed);
// The folder and its parents, from the root down to it.
std::vector<std::u16string> FolderChain(const std::u16string& folder);
std::u16string ParentFolder(const std::u16string& path);
std::u16string FileNameOf(const std::u16string& path);
bool IsFolder(const std::u16string& path);
bool Exists(const std::u16string& path);
bool HasExtension(const std::u16string& path);
// The process's current folder.
std::u16string CurrentFolder();

}  // namespace ctl::detail
