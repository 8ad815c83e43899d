#pragma once
// Watches a skin folder for changes by comparing snapshots of its files (name, size,
// modification time, file number), taken whenever the owner polls. A change is reported
// once the folder has stayed the same for a settling time, so a picture or an options
// text being written in several steps is sent once it is complete, and a file that is
// missing for a moment (an editor saving through a new file) is only a change like any
// other. Polling keeps it working on every file system, network folders included.
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace skinsend {

// One file of the folder as a snapshot sees it.
struct FileStamp {
  std::string name;  // relative to the folder
  std::uintmax_t size = 0;
  std::int64_t modified = 0;  // nanoseconds of the file clock
  std::uintmax_t fileNumber = 0;
  bool operator==(const FileStamp&) const = default;
};

struct FolderStamp {
  bool exists = false;
  std::vector<FileStamp> files;  // sorted by name
  bool operator==(const FolderStamp&) const = default;
};

// The regular files of the folder and of its sub-folders (at most `limit` of them);
// files that vanish while they are looked at are left out.
FolderStamp TakeFolderStamp(const std::string& folder, std::size_t limit = 10000);

class FolderWatch {
 public:
  using Clock = std::chrono::steady_clock;
  // The folder as it is now counts as sent.
  FolderWatch(std::string folder, std::chrono::milliseconds settle, Clock::time_point now);

  // Looks at the folder; true when it differs from the state last sent and has not changed
  // for the settling time. The caller then sends it and calls Sent().
  bool Poll(Clock::time_point now);
  // The state the last Poll saw has been handled (sent, or found unusable).
  void Sent() { sent_ = seen_; }

 private:
  std::string folder_;
  std::chrono::milliseconds settle_;
  FolderStamp seen_, sent_;
  Clock::time_point seenSince_;
};

}  // namespace skinsend
