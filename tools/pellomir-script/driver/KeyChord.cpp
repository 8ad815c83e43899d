#include "tools/pellomir-script/driver/KeyChord.h"

#include <cctype>

#include "platform/base/TextCase.h"
#include "platform/win/Keys.h"

namespace script {

namespace {

struct NamedKey {
  const char* name;  // lower case
  int vk;
};

constexpr NamedKey kKeys[] = {
    {"enter", win::VK_RETURN},   {"escape", win::VK_ESCAPE}, {"tab", win::VK_TAB},   {"space", win::VK_SPACE},
    {"backspace", win::VK_BACK}, {"delete", win::VK_DELETE}, {"home", win::VK_HOME}, {"end", win::VK_END},
    {"left", win::VK_LEFT},      {"right", win::VK_RIGHT},   {"up", win::VK_UP},     {"down", win::VK_DOWN},
    {"pageup", win::VK_PRIOR},   {"pagedown", win::VK_NEXT},
};

std::optional<int> KeyCode(std::string_view name) {
  std::string n = base::ToLowerAscii(name);
  for (const NamedKey& k : kKeys)
    if (n == k.name) return k.vk;
  if (n.size() == 1 && std::isalnum(static_cast<unsigned char>(n[0]))) return base::ToUpperAscii(n[0]);
  if (n.size() >= 2 && n.size() <= 3 && n[0] == 'f') {
    int f = 0;
    for (std::size_t i = 1; i < n.size(); ++i) {
      if (!std::isdigit(static_cast<unsigned char>(n[i]))) return std::nullopt;
      f = f * 10 + (n[i] - '0');
    }
    if (n[1] != '0' && f >= 1 && f <= 12) return win::VK_F1 + f - 1;
  }
  return std::nullopt;
}

}  // namespace

std::optional<KeyStroke> ParseKeyChord(std::string_view chord, std::string& error) {
  KeyStroke k;
  std::string_view rest = chord;
  for (;;) {
    std::size_t plus = rest.find('+');
    // A "+" at the very end belongs to no key name we know; report the whole chord.
    if (plus == std::string_view::npos || plus + 1 == rest.size()) break;
    std::string prefix = base::ToLowerAscii(rest.substr(0, plus));
    bool* flag = prefix == "shift" ? &k.shift : prefix == "ctrl" ? &k.ctrl : prefix == "alt" ? &k.alt : nullptr;
    if (!flag) {
      error = "unknown prefix \"" + std::string(rest.substr(0, plus + 1)) + "\" (use Shift+, Ctrl+ or Alt+)";
      return std::nullopt;
    }
    if (*flag) {
      error = "prefix \"" + std::string(rest.substr(0, plus + 1)) + "\" given twice";
      return std::nullopt;
    }
    *flag = true;
    rest.remove_prefix(plus + 1);
  }
  std::optional<int> vk = KeyCode(rest);
  if (!vk) {
    error = "unknown key \"" + std::string(rest) +
            "\" (use Enter, Escape, Tab, Space, Backspace, Delete, Home, End, Left, Right, Up, Down, "
            "PageUp, PageDown, F1 to F12, a letter or a digit)";
    return std::nullopt;
  }
  k.vk = *vk;
  return k;
}

}  // namespace script
