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

// The start-up steps before the message loop: the classes and descriptions registered, the
// application initialised (its title from `exePath`), Form1 and Form2 created. For tests
// and benchmarks that drive the windows themselves; raises the error when a window cannot
// be made (EndProgram still frees what was made).
void StartProgram(const std::string& exePath, const std::vector<std::string>& params);
// Frees the forms and the application object again.
void EndProgram();

// The application title for an executable path: its file name without directory, cut at
// the first full stop, the first character in upper case and the rest in lower case
// ("/usr/bin/pellomir" gives "Pellomir", "LISTER.EXE" gives "Lister"). Executables here
// are named in lower case, so the first letter is raised where the desktop's own name
// would carry it.
std::u16string ProgramTitle(const std::string& exePath);

// The command-line parameters of the running program (UTF-8), as RunProgram got them;
// empty when no program runs.
const std::vector<std::string>& ProgramParams();

}  // namespace app
