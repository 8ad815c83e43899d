#include "AppScriptTestSupport.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "app/Program.h"
#include "platform/shell/Shell.h"
#include "tools/pellomir-script/driver/ScriptRunner.h"

extern char** environ;

namespace scripttest {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream s(text);
  for (std::string l; std::getline(s, l);) lines.push_back(l);
  return lines;
}

// `<indent><class> <name> "<text>" L,T,R,B [flags]`; the text escapes `"` as `\"`.
DumpLine ParseDumpLine(const std::string& line) {
  DumpLine d;
  std::size_t i = line.find_first_not_of(' ');
  if (i == std::string::npos) throw std::runtime_error("blank dump line");
  d.depth = static_cast<int>(i / 2);
  std::size_t sp = line.find(' ', i);
  d.cls = line.substr(i, sp - i);
  std::size_t sp2 = line.find(' ', sp + 1);
  d.name = line.substr(sp + 1, sp2 - sp - 1);
  std::size_t q = sp2 + 1;
  if (line.at(q) != '"') throw std::runtime_error("no text in dump line: " + line);
  std::size_t end = q + 1;
  while (end < line.size() && line[end] != '"') end += line[end] == '\\' ? 2 : 1;
  // As `text` prints it: the dump's extra escape of the quote is undone.
  for (std::size_t k = q + 1; k < end; ++k) {
    if (line[k] == '\\' && line[k + 1] == '"') continue;
    d.text += line[k];
    if (line[k] == '\\') d.text += line[++k];
  }
  std::istringstream rest(line.substr(end + 1));
  char comma;
  rest >> d.rect.Left >> comma >> d.rect.Top >> comma >> d.rect.Right >> comma >> d.rect.Bottom;
  for (std::string flag; rest >> flag;) {
    if (flag == "focused") d.focused = true;
    else if (flag == "active") d.active = true;
    else if (flag == "disabled") d.disabled = true;
    else throw std::runtime_error("unknown flag in dump line: " + line);
  }
  return d;
}

}  // namespace

std::string CountCaption(int count) { return " Полученный список URL. Найдено URL:   " + std::to_string(count); }

std::string FetchLines(const std::string& address) {
  return "click sEdit1\nkey Ctrl+A\nkey Delete\ntype " + address + "\nclick sBitBtn1\n";
}

std::string SaveLines(const std::string& path) { return "click sButton1\ntype " + path + "\nkey Enter\n"; }

std::vector<DumpLine> Dump::TopLevel() const {
  std::vector<DumpLine> top;
  for (const DumpLine& l : lines)
    if (l.depth == 0) top.push_back(l);
  return top;
}

const DumpLine* Dump::Named(const std::string& name) const {
  for (const DumpLine& l : lines)
    if (l.name == name) return &l;
  return nullptr;
}

const DumpLine* Dump::Named(const std::string& name, std::size_t index) const {
  std::size_t seen = 0;
  bool inside = false;
  for (const DumpLine& l : lines) {
    if (l.depth == 0) inside = seen++ == index;
    else if (inside && l.name == name) return &l;
  }
  return nullptr;
}

std::vector<DumpLine> Dump::ChildrenOf(std::size_t index) const {
  std::vector<DumpLine> children;
  std::size_t seen = 0;
  bool inside = false;
  for (const DumpLine& l : lines) {
    if (l.depth == 0) {
      inside = seen++ == index;
      continue;
    }
    if (inside && l.depth == 1) children.push_back(l);
  }
  return children;
}

std::optional<Box> FrontBox(const Dump& d) {
  const std::vector<DumpLine> top = d.TopLevel();
  if (top.size() != 2 || top[1].name != "Form1" || !top[1].disabled || !top[0].active) return std::nullopt;
  Box b;
  b.cls = top[0].cls;
  b.title = top[0].text;
  // The system's box shows its icon as a text-less static, a message form as an image.
  for (const DumpLine& c : d.ChildrenOf(0)) {
    if (c.cls == "Button" || c.cls == "TButton") b.buttons.push_back(c.text);
    else if (c.cls == "TImage" || (c.cls == "Static" && c.text.empty())) b.icon = true;
    else if (c.cls == "Static" || c.cls == "TLabel") b.text = c.text;
  }
  return b;
}

std::vector<std::string> AppRun::Texts(const std::string& name) const {
  const std::string prefix = "TEXT " + name + " ";
  std::vector<std::string> texts;
  for (const std::string& l : SplitLines(out))
    if (l.starts_with(prefix)) texts.push_back(l.substr(prefix.size()));
  return texts;
}

std::vector<Dump> AppRun::Dumps() const {
  std::vector<Dump> dumps;
  bool inside = false;
  for (const std::string& l : SplitLines(out)) {
    if (l == "DUMP") {
      dumps.emplace_back();
      inside = true;
    } else if (l == "END") {
      inside = false;
    } else if (inside) {
      dumps.back().lines.push_back(ParseDumpLine(l));
    }
  }
  return dumps;
}

AppRun RunPellomir(const std::string& script, std::vector<std::vector<std::string>>* launched) {
  std::vector<std::vector<std::string>> ignored;
  std::vector<std::vector<std::string>>& record = launched ? *launched : ignored;
  shell::Launcher previous = shell::SetLauncher([&record](const std::vector<std::string>& argv) {
    record.push_back(argv);
    return shell::SpawnResult{true, 0, {}};
  });
  std::ostringstream out, err;
  AppRun r;
  r.status = script::RunScriptText(
      script, {}, [] { return app::RunProgram("pellomir", {}); }, out, err);
  shell::SetLauncher(std::move(previous));
  r.out = out.str();
  r.err = err.str();
  return r;
}

AppRun RunPellomirAtDpi(const std::string& script, int dpi) {
  std::ostringstream out, err;
  AppRun r;
  script::RunOptions options;
  options.screen = {2000, 1600};
  options.dpi = dpi;
  r.status = script::RunScriptText(
      script, options, [] { return app::RunProgram("pellomir", {}); }, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

AppRun RunPellomirExecutable(const std::string& script, const std::string& locale) {
  TempFolder work;
  const std::string scriptFile = work / "script.txt", outFile = work / "out.txt", errFile = work / "err.txt";
  std::ofstream(scriptFile, std::ios::binary) << script;

  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    const std::string v = *e;
    if (!v.starts_with("LC_ALL=") && !v.starts_with("LC_CTYPE=") && !v.starts_with("LANG=")) env.push_back(v);
  }
  env.push_back("LC_ALL=" + locale);
  std::vector<char*> envp;
  for (std::string& v : env) envp.push_back(v.data());
  envp.push_back(nullptr);

  std::string exe = PELLOMIR_SCRIPT_EXE;
  std::vector<char*> argv{exe.data(), const_cast<char*>(scriptFile.c_str()), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = -1;
  const int spawned = posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  AppRun r;
  if (spawned != 0) {
    r.err = std::string("cannot start ") + exe + ": " + std::strerror(spawned);
    return r;
  }
  int wstatus = 0;
  while (waitpid(pid, &wstatus, 0) < 0 && errno == EINTR) {
  }
  r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
  r.out = ReadBytes(outFile);
  r.err = ReadBytes(errFile);
  return r;
}

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  path_ = fs::temp_directory_path() /
          ("pellomir-script-app-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(path_);
  fs::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::vector<std::string> TempFolder::Names() const {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(path_)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace scripttest
