#pragma once
// A small program on the framework for driving under scripts: a main form (edit, memo,
// buttons opening a message box and a modal form, a timer, a label, a hidden button, a
// group box with a button inside, a button whose handler fails so that the error box of
// the window system shows) and a second form shown modally (an edit of the same
// name as the main form's, an OK button, a button opening a box over it). Handlers write
// what happened to a log the tests read after the run.
#include <string>
#include <vector>

namespace scripttest {

// Runs the program like a main function: start-up, the message loop, freeing.
int RunTestProgram();
// What the handlers saw, in order ("box=7", "form2=1", "closed", "ended"...).
std::vector<std::string>& Log();

}  // namespace scripttest
