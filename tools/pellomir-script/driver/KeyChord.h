#pragma once
// The keys a `key` command names: Enter, Escape, Tab, Space, Backspace, Delete, Home, End,
// Left, Right, Up, Down, PageUp, PageDown, F1 to F12, a letter or a digit, each with any
// of the prefixes Shift+, Ctrl+ and Alt+ (names compared without regard to case).
#include <optional>
#include <string>
#include <string_view>

namespace script {

struct KeyStroke {
  int vk = 0;  // the virtual key code
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// The stroke `chord` names, or nothing with the reason in `error`.
std::optional<KeyStroke> ParseKeyChord(std::string_view chord, std::string& error);

}  // namespace script
