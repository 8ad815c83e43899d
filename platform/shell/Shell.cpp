#include "platform/shell/Shell.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "platform/base/Unicode.h"

extern char** environ;

namespace shell {

namespace {

Launcher& CurrentLauncher() {
  static Launcher launcher;
  return launcher;
}

// Waits for the child in a thread of its own, so that its exit is collected whenever it
// comes without the caller ever blocking.
void ReapInBackground(pid_t pid) {
  std::thread([pid] {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

}  // namespace

SpawnResult Spawn(const std::vector<std::string>& argv) {
  SpawnResult r;
  if (argv.empty() || argv[0].empty()) {
    r.error = "no program to start";
    return r;
  }
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  pid_t pid = -1;
  const int error = ::posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    r.error = "cannot start " + argv[0] + ": " + std::strerror(error);
    return r;
  }
  ReapInBackground(pid);
  r.ok = true;
  r.pid = pid;
  return r;
}

Launcher SetLauncher(Launcher launcher) {
  Launcher previous = std::move(CurrentLauncher());
  CurrentLauncher() = std::move(launcher);
  return previous;
}

SpawnResult OpenAddress(std::u16string_view address) {
  SpawnResult r;
  if (address.empty()) {
    r.error = "no address to open";
    return r;
  }
  if (address.front() == u'-') {
    r.error = "an address cannot start with \"-\"";
    return r;
  }
  std::vector<std::string> argv{"xdg-open", base::Utf16ToUtf8(address)};
  const Launcher& launcher = CurrentLauncher();
  return launcher ? launcher(argv) : Spawn(argv);
}

}  // namespace shell
