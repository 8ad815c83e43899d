#include "tools/skinsend/send/FolderWatch.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>

namespace skinsend {

namespace fs = std::filesystem;

FolderStamp TakeFolderStamp(const std::string& folder, std::size_t limit) {
  FolderStamp s;
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return s;
  s.exists = true;
  fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
  for (; !ec && it != fs::recursive_directory_iterator() && s.files.size() < limit; it.increment(ec)) {
    struct stat st {};
    // Links are followed, as the skin loader follows them; what vanished is left out.
    if (::stat(it->path().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    FileStamp f;
    f.name = it->path().lexically_relative(folder).string();
    f.size = static_cast<std::uintmax_t>(st.st_size);
    f.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    f.fileNumber = static_cast<std::uintmax_t>(st.st_ino);
    s.files.push_back(std::move(f));
  }
  std::sort(s.files.begin(), s.files.end(), [](const FileStamp& a, const FileStamp& b) { return a.name < b.name; });
  return s;
}

FolderWatch::FolderWatch(std::string folder, std::chrono::milliseconds settle, Clock::time_point now)
    : folder_(std::move(folder)), settle_(settle), seen_(TakeFolderStamp(folder_)), sent_(seen_), seenSince_(now) {}

bool FolderWatch::Poll(Clock::time_point now) {
  FolderStamp s = TakeFolderStamp(folder_);
  if (s != seen_) {
    seen_ = std::move(s);
    seenSince_ = now;
  }
  return seen_ != sent_ && now - seenSince_ >= settle_;
}

}  // namespace skinsend
