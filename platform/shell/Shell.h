#pragma once
// Opening a web address in the user's browser: the desktop's opener (xdg-open) is started
// with the address as its one argument, without a shell, and is not waited for; a helper
// thread reaps it when it ends so that no zombie stays. Not responsible for what the
// browser does with the address.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// What starting a program gave: its process id, or why it could not be started.
struct SpawnResult {
  bool ok = false;
  int pid = -1;
  std::string error;  // English, for logs and messages
};

// Starts argv[0] (looked up on PATH when it has no "/") with the arguments argv, with the
// standard input from /dev/null; returns at once. The child is reaped in the background.
SpawnResult Spawn(const std::vector<std::string>& argv);

// Starts the command that opens addresses. Tests replace it so that no browser opens.
using Launcher = std::function<SpawnResult(const std::vector<std::string>& argv)>;
// Sets the launcher (an empty one restores Spawn) and returns the previous one.
Launcher SetLauncher(Launcher launcher);

// Opens the address (UTF-16) with "xdg-open". Refuses an empty address and one that
// starts with "-" (it would read as an option).
SpawnResult OpenAddress(std::u16string_view address);

}  // namespace shell
