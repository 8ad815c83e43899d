#pragma once
// Running Pellomir under a script for the end-to-end tests, and reading what the script
// printed: the `text` lines and the `dump` listings parsed into windows. Runs either in this
// process (the driver library, with the shell's launcher replaced so that no browser opens)
// or as the pellomir-script executable in a child process with its own locale variables.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/Geometry.h"

namespace scripttest {

// The group box caption the window's description holds, before the list first changes.
inline constexpr const char* kStoredCaption = " Полученный список URL. Найдено URL: 0 ";
// The caption every change of the list sets for `count` lines.
std::string CountCaption(int count);

// Script lines that replace the address box's text by `address` and press the fetch button.
std::string FetchLines(const std::string& address);
// Script lines that press the save button, type `path` into the dialog and press Enter.
std::string SaveLines(const std::string& path);

// One window line of a dump.
struct DumpLine {
  int depth = 0;
  std::string cls, name, text;  // text escaped as the `text` command prints it
  gfx::TRect rect;
  bool focused = false, active = false, disabled = false;
};

// One dump: its windows in the order listed (front to back).
struct Dump {
  std::vector<DumpLine> lines;
  // The top-level windows.
  std::vector<DumpLine> TopLevel() const;
  // The first window of that component name (anywhere), or null.
  const DumpLine* Named(const std::string& name) const;
  // The first window of that name under the top-level window at `index` of TopLevel().
  const DumpLine* Named(const std::string& name, std::size_t index) const;
  // The children (one level down) of the top-level window at `index` of TopLevel().
  std::vector<DumpLine> ChildrenOf(std::size_t index) const;
};

// A message box as a dump shows it: the front window, modal over the main window.
struct Box {
  std::string cls, title, text;
  bool icon = false;
  std::vector<std::string> buttons;  // captions
};
// The box in front of the dump, when one modal window is up over the disabled main window.
std::optional<Box> FrontBox(const Dump& d);

struct AppRun {
  int status = -1;
  std::string out, err;
  // What the script's `text` commands printed for the name, in order.
  std::vector<std::string> Texts(const std::string& name) const;
  // The script's dumps, in order.
  std::vector<Dump> Dumps() const;
};

// Runs Pellomir in this process. The addresses the shell would open are recorded in
// `launched` (argument vectors) instead of starting anything.
AppRun RunPellomir(const std::string& script, std::vector<std::vector<std::string>>* launched = nullptr);
// Runs Pellomir in this process on a 2000 x 1600 screen of `dpi` dots per inch.
AppRun RunPellomirAtDpi(const std::string& script, int dpi);

// Runs the pellomir-script executable in a child process whose locale variables are LC_ALL
// = `locale` (LC_CTYPE and LANG removed); this process's environment is left alone.
AppRun RunPellomirExecutable(const std::string& script, const std::string& locale);

// A fresh folder for files a test saves; removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  // The names in the folder, sorted.
  std::vector<std::string> Names() const;

 private:
  std::filesystem::path path_;
};

// The bytes of a file.
std::string ReadBytes(const std::filesystem::path& p);

}  // namespace scripttest
