#pragma once
// Runs a program on a fresh headless screen and carries out a script's commands while it
// runs. The program runs its own message loop (and modal loops); whenever one of them has
// nothing left to do and would wait, the runner takes the next commands: reading commands
// (text, dump, screenshot) run at once, input commands queue their events and let the
// program handle them, and `wait` lets program time pass with timers firing on the way.
// At the end of the script (or after a failed command) the program is closed: its main
// window is asked to close, and the loops are told to quit while anything still runs.
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

#include "platform/gfx/Geometry.h"
#include "tools/pellomir-script/driver/ScriptParser.h"

namespace win {
class HeadlessBackend;
}

namespace script {

struct RunOptions {
  gfx::TSize screen{1280, 1024};
  int dpi = 96;
  // The default skin manager's ExtendedBorders is switched on before the first command
  // (the program's stored setting is not touched).
  bool extendedBorders = false;
};

// Starts the program on the window system that runs and returns when it has ended.
using Program = std::function<int()>;

// Exit statuses of a run.
constexpr int kExitOk = 0;
constexpr int kExitError = 2;

// Runs `program` under `commands`: output lines go to `out`, "ERROR line N: reason" to
// `err`. Returns kExitOk, or kExitError after a command that could not be carried out.
int RunScript(const std::vector<Command>& commands, const RunOptions& options, const Program& program,
              std::ostream& out, std::ostream& err);
// The same from the script's text; a script that cannot be read does not start the program.
int RunScriptText(std::string_view text, const RunOptions& options, const Program& program, std::ostream& out,
                  std::ostream& err);

class ScriptRunner {
 public:
  ScriptRunner(const std::vector<Command>& commands, win::HeadlessBackend& screen, std::ostream& out,
               std::ostream& err);
  // The program would wait (until `deadline`, or for input only). True: the runner fed
  // input, moved the clock or asked the program to close, so it should look again.
  bool OnIdle(std::optional<std::uint64_t> deadline);
  // The program has ended with `status`, or by an error escaping it (`failure`).
  int Finish(int status, std::optional<std::string> failure);

 private:
  enum class Step { Next, Yield };
  Step Execute(const Command& c);
  void Report(int line, const std::string& reason);
  bool CloseStep();
  int CurrentLine() const;

  const std::vector<Command>& commands_;
  win::HeadlessBackend& screen_;
  std::ostream& out_;
  std::ostream& err_;
  std::size_t next_ = 0;
  std::optional<std::uint64_t> waitEnd_;
  bool failed_ = false;
  bool closing_ = false;
  int closeAttempts_ = 0;
};

}  // namespace script
