#include "skin/data/acPreviewSocket.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>

#include "platform/win/MessageApi.h"
#include "platform/win/Session.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowApi.h"
#include "skin/data/acSkinPreview.h"

namespace skin {

namespace {

// At most this many senders are served at once; more wait in the backlog.
constexpr std::size_t kMaxConnections = 4;
// Bytes read from one sender per poll.
constexpr std::size_t kReadPerPoll = 16 * 1024;

// A folder that is the user's own: a real folder (no link), owned by the user, closed
// to group and others.
bool IsPrivateFolder(const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == getuid() && (st.st_mode & 077) == 0;
}

// Makes the folder with mode 0700 when missing and checks that it is private.
std::optional<std::string> PrivateFolder(const std::string& path) {
  if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return std::nullopt;
  if (!IsPrivateFolder(path)) return std::nullopt;
  return path;
}

std::map<win::UINT_PTR, TacPreviewListener*>& Listeners() {
  static std::map<win::UINT_PTR, TacPreviewListener*> listeners;
  return listeners;
}

void StallTimer(win::HWND, win::UINT, win::UINT_PTR id, win::DWORD) {
  auto it = Listeners().find(id);
  if (it != Listeners().end()) it->second->Poll();
}

}  // namespace

std::optional<std::string> PreviewSocketFolder() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && runtime[0] == '/') {
    if (IsPrivateFolder(runtime)) {
      if (auto folder = PrivateFolder(std::string(runtime) + "/pellomir")) return folder;
    }
  }
  return PrivateFolder("/tmp/pellomir-" + std::to_string(getuid()));
}

std::string PreviewSocketName(long pid) { return "preview-" + std::to_string(pid) + ".sock"; }

TacPreviewSendResult SendPreviewBlock(const std::string& path, std::span<const std::uint8_t> block, int timeoutMs) {
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  if (path.size() >= sizeof addr.sun_path || block.size() > acPreviewMaxBlock)
    return TacPreviewSendResult::CannotConnect;
  std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return TacPreviewSendResult::CannotConnect;
  struct Closer {
    int fd;
    ~Closer() { close(fd); }
  } closer{fd};
  timeval tv{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
  setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
  setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
  if (connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0)
    return TacPreviewSendResult::CannotConnect;
  std::vector<std::uint8_t> frame(4 + block.size());
  for (int i = 0; i < 4; ++i) frame[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(block.size() >> (8 * i));
  std::copy(block.begin(), block.end(), frame.begin() + 4);
  std::size_t sent = 0;
  while (sent < frame.size()) {
    const ssize_t n = send(fd, frame.data() + sent, frame.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return TacPreviewSendResult::NoAnswer;
    sent += static_cast<std::size_t>(n);
  }
  std::uint8_t answer[4];
  std::size_t got = 0;
  while (got < sizeof answer) {
    const ssize_t n = recv(fd, answer + got, sizeof answer - got, 0);
    if (n <= 0) return TacPreviewSendResult::NoAnswer;
    got += static_cast<std::size_t>(n);
  }
  return answer[0] != 0 ? TacPreviewSendResult::Taken : TacPreviewSendResult::Refused;
}

std::vector<std::string> PreviewSockets(const std::string& folder) {
  std::vector<std::string> out;
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return out;
  while (const dirent* e = readdir(dir)) {
    const std::string name = e->d_name;
    if (name.rfind("preview-", 0) == 0 && name.size() > 13 && name.compare(name.size() - 5, 5, ".sock") == 0)
      out.push_back(folder + "/" + name);
  }
  closedir(dir);
  std::sort(out.begin(), out.end());
  return out;
}

struct TacPreviewListener::Connection {
  int fd = -1;
  win::UINT_PTR watch = 0;
  std::uint64_t started = 0;
  std::uint8_t header[4]{};
  std::size_t headerRead = 0;
  std::vector<std::uint8_t> block;
  std::size_t blockRead = 0;
};

TacPreviewListener::TacPreviewListener(win::HWND window, win::UINT notifyMsg) : window_(window), notifyMsg_(notifyMsg) {
  const std::optional<std::string> folder = PreviewSocketFolder();
  if (!folder || window == nullptr) return;
  const std::string path = *folder + "/" + PreviewSocketName(static_cast<long>(getpid()));
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  if (path.size() >= sizeof addr.sun_path) return;
  std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);

  // A file left by an earlier process with this id is removed when it is a socket.
  struct stat st {};
  if (lstat(path.c_str(), &st) == 0) {
    if (!S_ISSOCK(st.st_mode) || unlink(path.c_str()) != 0) return;
  }
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  const mode_t oldMask = umask(077);
  const bool bound = bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0;
  umask(oldMask);
  if (!bound || chmod(path.c_str(), 0600) != 0 || listen(fd, 8) != 0) {
    if (bound) unlink(path.c_str());
    close(fd);
    return;
  }
  fd_ = fd;
  path_ = path;
  watch_ = win::WatchReadable(fd_, window_, notifyMsg_);
}

TacPreviewListener::~TacPreviewListener() {
  for (Connection& c : connections_) Close(c);
  connections_.clear();
  UpdateStallTimer();
  if (fd_ >= 0) {
    win::UnwatchReadable(watch_);
    close(fd_);
    unlink(path_.c_str());
  }
}

void TacPreviewListener::Close(Connection& c) {
  win::UnwatchReadable(c.watch);
  close(c.fd);
  c.fd = -1;
}

void TacPreviewListener::Poll() {
  if (fd_ < 0) return;
  Accept();
  const std::uint64_t now = win::CurrentBackend().Now();
  for (std::size_t i = 0; i < connections_.size();) {
    Connection& c = connections_[i];
    if (now - c.started <= SenderTimeoutMs && Serve(c)) {
      ++i;
    } else {
      Close(c);
      connections_.erase(connections_.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
  UpdateStallTimer();
}

void TacPreviewListener::UpdateStallTimer() {
  // While senders are connected a timer makes sure a silent one is dropped in time.
  if (!connections_.empty() && stallTimer_ == 0) {
    stallTimer_ = win::SetTimer(nullptr, 0, SenderTimeoutMs / 5, &StallTimer);
    Listeners()[stallTimer_] = this;
  } else if (connections_.empty() && stallTimer_ != 0) {
    win::KillTimer(nullptr, stallTimer_);
    Listeners().erase(stallTimer_);
    stallTimer_ = 0;
  }
}

void TacPreviewListener::Accept() {
  for (;;) {
    const int fd = accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) return;
    // Only the user's own processes may send, and only a few at a time.
    ucred cred{};
    socklen_t len = sizeof cred;
    if (connections_.size() >= kMaxConnections || getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &len) != 0 ||
        cred.uid != getuid()) {
      close(fd);
      continue;
    }
    Connection c;
    c.fd = fd;
    c.started = win::CurrentBackend().Now();
    c.watch = win::WatchReadable(fd, window_, notifyMsg_);
    connections_.push_back(std::move(c));
  }
}

bool TacPreviewListener::Serve(Connection& c) {
  std::size_t budget = kReadPerPoll;
  while (c.headerRead < sizeof c.header) {
    const ssize_t n = recv(c.fd, c.header + c.headerRead, sizeof c.header - c.headerRead, 0);
    if (n == 0) return false;
    if (n < 0) return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
    c.headerRead += static_cast<std::size_t>(n);
    if (c.headerRead == sizeof c.header) {
      const std::uint32_t size =
          static_cast<std::uint32_t>(c.header[0]) | static_cast<std::uint32_t>(c.header[1]) << 8 |
          static_cast<std::uint32_t>(c.header[2]) << 16 | static_cast<std::uint32_t>(c.header[3]) << 24;
      if (size > acPreviewMaxBlock) return false;
      c.block.resize(size);
    }
  }
  while (c.blockRead < c.block.size() && budget > 0) {
    const std::size_t want = std::min(budget, c.block.size() - c.blockRead);
    const ssize_t n = recv(c.fd, c.block.data() + c.blockRead, want, 0);
    if (n == 0) return false;
    if (n < 0) return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
    c.blockRead += static_cast<std::size_t>(n);
    budget -= static_cast<std::size_t>(n);
  }
  if (c.blockRead < c.block.size()) return true;
  Deliver(c);
  return false;
}

void TacPreviewListener::Deliver(Connection& c) {
  std::uint32_t answer = 0;
  if (win::IsWindow(window_)) {
    win::COPYDATASTRUCT cds;
    cds.cbData = static_cast<win::DWORD>(c.block.size());
    cds.lpData = c.block.data();
    answer =
        win::SendMessage(window_, win::WM_COPYDATA, acPreviewSender, reinterpret_cast<win::LPARAM>(&cds)) != 0 ? 1 : 0;
  }
  std::uint8_t reply[4];
  for (int i = 0; i < 4; ++i) reply[i] = static_cast<std::uint8_t>(answer >> (8 * i));
  // The sender waits for the answer; a sender that went away does not matter.
  (void)send(c.fd, reply, sizeof reply, MSG_NOSIGNAL | MSG_DONTWAIT);
}

}  // namespace skin
