#pragma once
// A script: one command a line, blank lines and lines starting with "#" ignored. The whole
// script is read before the program starts, so a mistake anywhere is reported at once.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/Geometry.h"
#include "tools/pellomir-script/driver/KeyChord.h"

namespace script {

// A command that cannot be read or carried out, with the script line it stands on.
class ScriptError : public std::runtime_error {
 public:
  ScriptError(int line, const std::string& reason) : std::runtime_error(reason), line_(line) {}
  int Line() const { return line_; }

 private:
  int line_;
};

enum class CommandKind {
  Click,
  DoubleClick,
  RightClick,
  Move,
  Press,
  Release,
  Type,
  Key,
  Wait,
  Text,
  Dump,
  Screenshot,
  Skin,
  SkinSwitch,
  Preview
};

// Where a command points: a screen point, or a component named alone or as Form.Name.
struct Target {
  bool isPoint = false;
  gfx::TPoint point;
  std::u16string form;  // empty when the name is not qualified
  std::u16string name;
  std::string written;  // as the script wrote it
};

struct Command {
  int line = 0;
  CommandKind kind = CommandKind::Dump;
  Target target;         // pointer commands and text
  std::u16string typed;  // type: escapes resolved
  KeyStroke key;         // key
  std::uint64_t ms = 0;  // wait
  std::string file;      // screenshot; preview: the skin folder
  bool on = false;       // skin on / skin off
};

// The longest `wait`: an hour of program time.
constexpr std::uint64_t kMaxWaitMs = 3'600'000;

// Reads the whole script; throws ScriptError for the first line that is not a command.
std::vector<Command> ParseScript(std::string_view text);

}  // namespace script
