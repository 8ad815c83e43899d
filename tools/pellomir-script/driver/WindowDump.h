#pragma once
// The `dump` listing: "DUMP", then every visible top-level window front to back with its
// visible children indented two blanks per level, then "END". A line holds the class name,
// the component name or "-", the text in double quotes, the screen rectangle L,T,R,B and
// the flags focused, active and disabled where they apply. Children are listed front to
// back too: child windows first, then the parent's non-windowed controls (which lie under
// them), the last placed first.
#include <ostream>

namespace script {

void DumpWindows(std::ostream& out);

}  // namespace script
