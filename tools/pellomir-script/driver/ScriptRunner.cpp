#include "tools/pellomir-script/driver/ScriptRunner.h"

#include <cstdio>
#include <cstdlib>

#include "platform/base/Unicode.h"
#include "platform/forms/Application.h"
#include "platform/win/Headless.h"
#include "platform/win/Keys.h"
#include "platform/win/MessageApi.h"
#include "platform/win/WindowApi.h"
#include "skin/data/sSkinManager.h"
#include "tools/pellomir-script/driver/Escaping.h"
#include "tools/pellomir-script/driver/SkinCommands.h"
#include "tools/pellomir-script/driver/SkinState.h"
#include "tools/pellomir-script/driver/Targets.h"
#include "tools/pellomir-script/driver/WindowDump.h"

namespace script {

namespace {

using Kind = win::InputEvent::Kind;

// After this many requests to quit, a program that still runs is abandoned.
constexpr int kMaxCloseAttempts = 1000;

using Event = win::InputEvent;

void PushKeyPress(win::HeadlessBackend& s, int vk) {
  s.Push(Event::KeyDown(vk));
  s.Push(Event::KeyUp(vk));
}

}  // namespace

ScriptRunner::ScriptRunner(const std::vector<Command>& commands, win::HeadlessBackend& screen, std::ostream& out,
                           std::ostream& err)
    : commands_(commands), screen_(screen), out_(out), err_(err) {}

int ScriptRunner::CurrentLine() const {
  if (next_ > 0) return commands_[next_ - 1].line;
  return commands_.empty() ? 0 : commands_.front().line;
}

void ScriptRunner::Report(int line, const std::string& reason) {
  out_.flush();
  err_ << "ERROR line " << line << ": " << reason << '\n';
  err_.flush();
  failed_ = true;
}

bool ScriptRunner::OnIdle(std::optional<std::uint64_t> deadline) {
  if (waitEnd_) {
    // Timers due before the wait ends fire at their own times.
    if (deadline && *deadline <= *waitEnd_) return false;
    if (*waitEnd_ > screen_.Now()) screen_.Advance(*waitEnd_ - screen_.Now());
    waitEnd_.reset();
    return true;
  }
  if (closing_) return CloseStep();
  while (next_ < commands_.size()) {
    const Command& c = commands_[next_++];
    try {
      if (Execute(c) == Step::Yield) return true;
    } catch (const ScriptError& e) {
      Report(e.Line(), e.what());
      break;
    }
  }
  closing_ = true;
  return CloseStep();
}

bool ScriptRunner::CloseStep() {
  ++closeAttempts_;
  if (closeAttempts_ == 1) {
    // As a user would: the main window's close command, when nothing modal blocks it.
    win::HWND main = forms::Application->MainFormHandle();
    if (main && win::IsWindowVisible(main) && win::IsWindowEnabled(main)) {
      screen_.Push(Event::Request(Kind::Close, main));
      return true;
    }
  }
  if (closeAttempts_ > kMaxCloseAttempts) {
    Report(CurrentLine(), "the program does not close");
    std::_Exit(kExitError);
  }
  // Every loop, modal ones included, ends on a quit (and passes it on to the loop below).
  win::PostQuitMessage(0);
  return true;
}

ScriptRunner::Step ScriptRunner::Execute(const Command& c) {
  auto pointAt = [&] { return TargetPoint(c.target, c.line); };
  switch (c.kind) {
    case CommandKind::Click:
    case CommandKind::RightClick: {
      gfx::TPoint p = pointAt();
      auto b = c.kind == CommandKind::Click ? win::MouseButton::Left : win::MouseButton::Right;
      screen_.Push(Event::MouseMove(p));
      screen_.Push(Event::MouseDown(p, b));
      screen_.Push(Event::MouseUp(p, b));
      return Step::Yield;
    }
    case CommandKind::DoubleClick: {
      gfx::TPoint p = pointAt();
      screen_.Push(Event::MouseMove(p));
      for (int i = 0; i < 2; ++i) {
        screen_.Push(Event::MouseDown(p));
        screen_.Push(Event::MouseUp(p));
      }
      return Step::Yield;
    }
    case CommandKind::Move: screen_.Push(Event::MouseMove(pointAt())); return Step::Yield;
    case CommandKind::Press:
    case CommandKind::Release: {
      gfx::TPoint p = pointAt();
      screen_.Push(Event::MouseMove(p));
      screen_.Push(c.kind == CommandKind::Press ? Event::MouseDown(p) : Event::MouseUp(p));
      return Step::Yield;
    }
    case CommandKind::Type:
      // Line breaks and tabs are typed with their keys, as on a keyboard.
      for (char16_t ch : c.typed) {
        if (ch == u'\n') PushKeyPress(screen_, win::VK_RETURN);
        else if (ch == u'\t') PushKeyPress(screen_, win::VK_TAB);
        else screen_.Push(Event::Char(ch));
      }
      return Step::Yield;
    case CommandKind::Key: {
      const KeyStroke& k = c.key;
      if (k.shift) screen_.Push(Event::KeyDown(win::VK_SHIFT));
      if (k.ctrl) screen_.Push(Event::KeyDown(win::VK_CONTROL));
      if (k.alt) screen_.Push(Event::KeyDown(win::VK_MENU));
      PushKeyPress(screen_, k.vk);
      if (k.alt) screen_.Push(Event::KeyUp(win::VK_MENU));
      if (k.ctrl) screen_.Push(Event::KeyUp(win::VK_CONTROL));
      if (k.shift) screen_.Push(Event::KeyUp(win::VK_SHIFT));
      return Step::Yield;
    }
    case CommandKind::Wait:
      if (c.ms == 0) return Step::Next;
      waitEnd_ = screen_.Now() + c.ms;
      return Step::Yield;
    case CommandKind::Text: {
      NamedText t = TargetText(c.target, c.line);
      out_ << "TEXT " << t.name << ' ' << EscapeText(t.text) << '\n';
      out_.flush();
      return Step::Next;
    }
    case CommandKind::Dump:
      DumpWindows(out_);
      out_.flush();
      return Step::Next;
    case CommandKind::Skin:
      out_ << SkinStateLine() << '\n';
      out_.flush();
      return Step::Next;
    case CommandKind::SkinSwitch: SwitchSkin(c.on, c.line); return Step::Yield;
    case CommandKind::Preview: SendFolderPreview(c.file, c.line); return Step::Yield;
    case CommandKind::Screenshot:
      if (!win::headless::SaveScreenshot(c.file))
        throw ScriptError(c.line, "cannot write the screenshot \"" + c.file + "\"");
      return Step::Next;
  }
  return Step::Next;
}

int ScriptRunner::Finish(int status, std::optional<std::string> failure) {
  if (failure && !failed_) Report(CurrentLine(), "the program stopped with an error: " + *failure);
  // Commands the program did not live to see.
  if (!failed_ && next_ < commands_.size())
    Report(commands_[next_].line,
           status == 0 ? "the program has closed" : "the program has closed with status " + std::to_string(status));
  return failed_ ? kExitError : kExitOk;
}

int RunScript(const std::vector<Command>& commands, const RunOptions& options, const Program& program,
              std::ostream& out, std::ostream& err) {
  win::HeadlessBackend& screen =
      win::headless::Start({options.screen, options.dpi, win::HeadlessBackend::Clock::Virtual});
  ScriptRunner runner(commands, screen, out, err);
  bool extended = options.extendedBorders;
  screen.onIdle = [&runner, &extended](std::optional<std::uint64_t> deadline) {
    if (extended) {
      extended = false;
      if (skin::TsSkinManager* m = skin::DefaultManager()) {
        m->SetExtendedBorders(true);
        return true;
      }
    }
    return runner.OnIdle(deadline);
  };
  std::optional<std::string> failure;
  int status = 0;
  try {
    status = program();
  } catch (const std::exception& e) {
    failure = e.what();
  } catch (...) {
    failure = "unknown error";
  }
  screen.onIdle = nullptr;
  out.flush();
  return runner.Finish(status, failure);
}

int RunScriptText(std::string_view text, const RunOptions& options, const Program& program, std::ostream& out,
                  std::ostream& err) {
  std::vector<Command> commands;
  try {
    commands = ParseScript(text);
  } catch (const ScriptError& e) {
    err << "ERROR line " << e.Line() << ": " << e.what() << '\n';
    return kExitError;
  }
  return RunScript(commands, options, program, out, err);
}

}  // namespace script
