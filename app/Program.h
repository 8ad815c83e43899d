#pragma once
// The program's entry point, shared by the desktop executable and the script driver.
#include <string>
#include <vector>

namespace app {

// Runs the program on the window system that is already started (any backend): the
// start-up order, the message loop until the main window closes, then freeing.
// `exePath` is the executable path as started (it gives the application title);
// `params` are the command-line parameters after it (UTF-8). Returns the exit code.
int RunProgram(const std::string& exePath, const std::vector<std::string>& params);

// The command-line parameters of the running program (UTF-8), as RunProgram got them;
// empty when no program runs.
const std::vector<std::string>& ProgramParams();

}  // namespace app
