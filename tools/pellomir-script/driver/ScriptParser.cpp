#include "tools/pellomir-script/driver/ScriptParser.h"

#include <cctype>
#include <charconv>

#include "platform/base/Unicode.h"
#include "tools/pellomir-script/driver/Escaping.h"

namespace script {

namespace {

bool Blank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && Blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && Blank(s.back())) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> Words(std::string_view s) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && Blank(s[i])) ++i;
    std::size_t start = i;
    while (i < s.size() && !Blank(s[i])) ++i;
    if (i > start) out.push_back(s.substr(start, i - start));
  }
  return out;
}

template <class T>
bool ParseNumber(std::string_view s, T& out) {
  if (s.empty()) return false;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return ec == std::errc() && end == s.data() + s.size();
}

bool Identifier(std::string_view s) {
  if (s.empty() || !(std::isalpha(static_cast<unsigned char>(s[0])) || s[0] == '_')) return false;
  for (char c : s)
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) return false;
  return true;
}

Target ParseTarget(int line, std::string_view command, std::string_view args) {
  Target t;
  t.written = std::string(args);
  std::vector<std::string_view> w = Words(args);
  if (w.empty()) throw ScriptError(line, std::string(command) + " needs a point \"X Y\" or a component name");
  if (w.size() == 2) {
    int x = 0, y = 0;
    constexpr int kFar = 1'000'000;
    if (ParseNumber(w[0], x) && ParseNumber(w[1], y) && x > -kFar && x < kFar && y > -kFar && y < kFar) {
      t.isPoint = true;
      t.point = {x, y};
      t.written = std::string(w[0]) + " " + std::string(w[1]);
      return t;
    }
  }
  if (w.size() == 1) {
    std::string_view n = w[0];
    std::size_t dot = n.find('.');
    std::string_view form = dot == std::string_view::npos ? std::string_view() : n.substr(0, dot);
    std::string_view name = dot == std::string_view::npos ? n : n.substr(dot + 1);
    if ((dot == std::string_view::npos || Identifier(form)) && Identifier(name)) {
      t.form = base::Utf8ToUtf16(form);
      t.name = base::Utf8ToUtf16(name);
      return t;
    }
  }
  throw ScriptError(line, "\"" + std::string(Trim(args)) + "\" is neither a point \"X Y\" nor a component name");
}

struct Verb {
  const char* word;
  CommandKind kind;
};

constexpr Verb kVerbs[] = {
    {"click", CommandKind::Click},       {"dblclick", CommandKind::DoubleClick},
    {"rclick", CommandKind::RightClick}, {"move", CommandKind::Move},
    {"press", CommandKind::Press},       {"release", CommandKind::Release},
    {"type", CommandKind::Type},         {"key", CommandKind::Key},
    {"wait", CommandKind::Wait},         {"text", CommandKind::Text},
    {"dump", CommandKind::Dump},         {"screenshot", CommandKind::Screenshot},
    {"skin", CommandKind::Skin},         {"preview", CommandKind::Preview},
};

Command ParseLine(int line, std::string_view s) {
  std::size_t end = 0;
  while (end < s.size() && !Blank(s[end])) ++end;
  std::string_view word = s.substr(0, end);
  // `type` keeps its text as written after the one blank that ends the command word.
  std::string_view raw = end < s.size() ? s.substr(end + 1) : std::string_view();
  std::string_view args = Trim(raw);
  Command c;
  c.line = line;
  const Verb* verb = nullptr;
  for (const Verb& v : kVerbs)
    if (word == v.word) verb = &v;
  if (!verb) throw ScriptError(line, "unknown command \"" + std::string(word) + "\"");
  c.kind = verb->kind;
  std::string error;
  switch (c.kind) {
    case CommandKind::Click:
    case CommandKind::DoubleClick:
    case CommandKind::RightClick:
    case CommandKind::Move:
    case CommandKind::Press:
    case CommandKind::Release:
    case CommandKind::Text: c.target = ParseTarget(line, word, args); break;
    case CommandKind::Type: {
      if (raw.empty()) throw ScriptError(line, "type needs the text to type");
      auto text = UnescapeTyped(raw, error);
      if (!text) throw ScriptError(line, error);
      c.typed = std::move(*text);
      break;
    }
    case CommandKind::Key: {
      if (args.empty()) throw ScriptError(line, "key needs a key such as Enter or Ctrl+A");
      if (Words(args).size() != 1) throw ScriptError(line, "key takes one key, such as Enter or Ctrl+A");
      auto k = ParseKeyChord(args, error);
      if (!k) throw ScriptError(line, error);
      c.key = *k;
      break;
    }
    case CommandKind::Wait:
      if (args.empty()) throw ScriptError(line, "wait needs a time in milliseconds");
      if (!ParseNumber(args, c.ms))
        throw ScriptError(line, "\"" + std::string(args) + "\" is not a time in milliseconds");
      if (c.ms > kMaxWaitMs) throw ScriptError(line, "wait is limited to " + std::to_string(kMaxWaitMs) + " ms");
      break;
    case CommandKind::Dump:
      if (!args.empty()) throw ScriptError(line, "dump takes no arguments");
      break;
    case CommandKind::Skin:
    case CommandKind::SkinSwitch:
      if (args == "on" || args == "off") {
        c.kind = CommandKind::SkinSwitch;
        c.on = args == "on";
      } else if (!args.empty()) {
        throw ScriptError(line, "skin takes no argument, or \"on\" or \"off\"");
      }
      break;
    case CommandKind::Preview:
      if (args.empty()) throw ScriptError(line, "preview needs a skin folder");
      c.file = std::string(args);
      break;
    case CommandKind::Screenshot:
      if (args.empty()) throw ScriptError(line, "screenshot needs a file name");
      c.file = std::string(args);
      break;
  }
  return c;
}

}  // namespace

std::vector<Command> ParseScript(std::string_view text) {
  std::vector<Command> out;
  int line = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t nl = text.find('\n', pos);
    std::string_view s = text.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
    pos = nl == std::string_view::npos ? text.size() : nl + 1;
    ++line;
    if (!s.empty() && s.back() == '\r') s.remove_suffix(1);
    while (!s.empty() && Blank(s.front())) s.remove_prefix(1);
    if (s.empty() || s.front() == '#') continue;
    out.push_back(ParseLine(line, s));
  }
  return out;
}

}  // namespace script
