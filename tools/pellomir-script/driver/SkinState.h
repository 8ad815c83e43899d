#pragma once
// The `skin` command's line: the state of the program's default skin manager.
#include <string>

namespace script {

// "SKIN <name> active=<0|1> info=<SkinInfo> skin=\"<SkinName>\" path=\"<SkinPath>\"
// directory=\"<SkinDirectory>\"", texts escaped as `text` prints them; "SKIN -" when the
// program has no skin manager.
std::string SkinStateLine();

}  // namespace script
