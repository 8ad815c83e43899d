#pragma once
// The command line of pellomir-script:
//   pellomir-script [--screen WxH] [--dpi N] [--extended-borders] SCRIPT [-- PROGRAM ARGUMENTS...]
// SCRIPT is a file, or "-" for standard input. Exit status 0, or 2 for a bad command line,
// an unreadable script or a command that could not be carried out.
#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tools/pellomir-script/driver/ScriptRunner.h"

namespace script {

struct DriverArgs {
  RunOptions run;
  std::string scriptPath;
  std::vector<std::string> programArgs;  // after "--"
};

// The arguments after the driver's own name; nothing with the reason in `error`.
std::optional<DriverArgs> ParseDriverArgs(const std::vector<std::string>& args, std::string& error);

// Makes the program to run from the arguments meant for it.
using ProgramFactory = std::function<Program(const std::vector<std::string>& programArgs)>;

// The whole driver: arguments, reading the script, running it. `in` serves SCRIPT "-".
int DriverMain(const std::vector<std::string>& args, const ProgramFactory& makeProgram, std::istream& in,
               std::ostream& out, std::ostream& err);

}  // namespace script
