// `skinsend --watch` as a process: it sends the folder at once, sends it again after the
// options text changes, lives through the options text missing and being written in two
// steps (sending the finished text), and ends cleanly on SIGTERM. The test is the program:
// it listens on a socket of its own and takes every block.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>

#include "platform/base/Unicode.h"
#include "skin/data/acSkinPreview.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Takes preview frames on a socket and answers each with "taken".
class PreviewSink {
 public:
  explicit PreviewSink(const std::string& path) : path_(path) {
    fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, path.c_str(), sizeof addr.sun_path - 1);
    if (bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || listen(fd_, 4) != 0) ADD_FAILURE();
    thread_ = std::thread([this] { Serve(); });
  }
  ~PreviewSink() {
    stop_ = true;
    thread_.join();
    close(fd_);
    fs::remove(path_);
  }
  // Waits until a block whose options text contains `text` has come (at most `limit`).
  bool WaitForOptions(const std::string& text, std::chrono::seconds limit = 20s) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [&] {
      for (const std::string& o : options_)
        if (o.find(text) != std::string::npos) return true;
      return false;
    });
  }
  std::size_t Count() {
    std::lock_guard lock(mutex_);
    return options_.size();
  }

 private:
  void Serve() {
    while (!stop_) {
      pollfd p{fd_, POLLIN, 0};
      if (poll(&p, 1, 50) <= 0) continue;
      const int c = accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
      if (c < 0) continue;
      std::uint8_t head[4];
      if (ReadAll(c, head, 4)) {
        const std::uint32_t size = head[0] | head[1] << 8 | head[2] << 16 | static_cast<std::uint32_t>(head[3]) << 24;
        skin::TacPreviewBuffer buffer{};
        if (size == buffer.size() && ReadAll(c, buffer.data(), size)) {
          const std::uint8_t taken[4] = {1, 0, 0, 0};
          (void)!write(c, taken, 4);
          const auto data = skin::ReadPreviewBuffer(buffer, 1252);
          std::lock_guard lock(mutex_);
          options_.push_back(data ? base::Utf16ToUtf8(data->Options) : "(no magic)");
          changed_.notify_all();
        }
      }
      close(c);
    }
  }
  static bool ReadAll(int fd, std::uint8_t* p, std::size_t n) {
    while (n > 0) {
      const ssize_t got = read(fd, p, n);
      if (got <= 0) return false;
      p += got;
      n -= static_cast<std::size_t>(got);
    }
    return true;
  }

  std::string path_;
  int fd_ = -1;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::string> options_;
};

TEST(SkinsendWatch, SendsAtOnceAfterEachSettledChangeAndEndsOnSigterm) {
  const fs::path dir = fs::temp_directory_path() / ("skinsend-watch-process-" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "My Skin");
  const fs::path options = dir / "My Skin" / "Options.dat";
  std::ofstream(options, std::ios::binary) << "[GLOBALINFO]\r\nVERSION=14.01\r\n";
  {
    PreviewSink sink((dir / "s.sock").string());
    const std::string folder = (dir / "My Skin").string(), socketPath = (dir / "s.sock").string();
    const char* argv[] = {SKINSEND_EXE, folder.c_str(), "--socket", socketPath.c_str(), "--watch", nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, SKINSEND_EXE, &actions, nullptr, const_cast<char**>(argv), environ), 0);
    posix_spawn_file_actions_destroy(&actions);

    EXPECT_TRUE(sink.WaitForOptions("VERSION=14.01")) << "the folder is sent at once";
    std::ofstream(options, std::ios::binary | std::ios::trunc) << "[GLOBALINFO]\r\nVERSION=14.02\r\n";
    EXPECT_TRUE(sink.WaitForOptions("VERSION=14.02")) << "and again after a change";

    // Gone for a moment, then written in two steps.
    fs::remove(options);
    std::this_thread::sleep_for(150ms);
    std::ofstream(options, std::ios::binary) << "[GLOBALINFO]\r\nVERSI";
    std::this_thread::sleep_for(100ms);
    std::ofstream(options, std::ios::binary | std::ios::app) << "ON=14.03\r\n";
    EXPECT_TRUE(sink.WaitForOptions("VERSION=14.03")) << "the finished text is sent";
    EXPECT_EQ(waitpid(pid, nullptr, WNOHANG), 0) << "the watch still runs";

    kill(pid, SIGTERM);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }
  fs::remove_all(dir);
}

TEST(SkinsendWatch, AFolderThatDoesNotExistIsRefused) {
  const std::string command = std::string("'") + SKINSEND_EXE + "' /nonexistent/skin --watch 2>/dev/null";
  const int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2);
}

}  // namespace
