// skinsend: sends the skin of a folder to running programs as a live preview. It builds
// the 30645-byte preview buffer (skin name = the folder's name, skin directory = the
// folder's parent, the folder's options text) and hands it to each program listening on
// a preview socket of this user, or to one program (--pid) or socket (--socket).
//
// Exit status: 0 when a program took the preview, 1 when none took it, 2 for bad
// arguments or an unusable skin folder, 3 when no program listens.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "platform/base/Exception.h"
#include "platform/base/Unicode.h"
#include "skin/data/acFiles.h"
#include "skin/data/acOptionsText.h"
#include "skin/data/acPreviewSocket.h"
#include "skin/data/acSkinPreview.h"

namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kMaxOptionsFile = 1u << 20;

int Usage() {
  std::cerr << "usage: skinsend <skin folder> [--pid <process id> | --socket <path>] [--timeout <ms>]\n";
  return 2;
}

const char* ResultText(skin::TacPreviewSendResult r) {
  switch (r) {
    case skin::TacPreviewSendResult::Taken: return "taken";
    case skin::TacPreviewSendResult::Refused: return "refused";
    case skin::TacPreviewSendResult::NoAnswer: return "no answer";
    case skin::TacPreviewSendResult::CannotConnect: return "not listening";
  }
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  std::string folderArg, socketArg;
  long pid = 0;
  int timeoutMs = 5000;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const bool hasValue = i + 1 < argc;
    if (a == "--pid" && hasValue) pid = std::strtol(argv[++i], nullptr, 10);
    else if (a == "--socket" && hasValue) socketArg = argv[++i];
    else if (a == "--timeout" && hasValue) timeoutMs = std::atoi(argv[++i]);
    else if (!a.empty() && a[0] != '-' && folderArg.empty()) folderArg = a;
    else return Usage();
  }
  if (folderArg.empty() || timeoutMs <= 0 || (pid != 0 && !socketArg.empty())) return Usage();

  std::error_code ec;
  const fs::path folder = fs::weakly_canonical(fs::absolute(folderArg, ec), ec);
  if (ec || !fs::is_directory(folder)) {
    std::cerr << "skinsend: " << folderArg << " is not a folder\n";
    return 2;
  }
  const std::u16string options16 = base::Utf8ToUtf16((folder / "Options.dat").string());
  skin::TacPreviewData data;
  data.SkinName = base::Utf8ToUtf16(folder.filename().string());
  data.SkinDirectory = base::Utf8ToUtf16(folder.parent_path().string());
  try {
    if (!skin::FileExists(options16)) {
      std::cerr << "skinsend: " << folder.string() << " holds no Options.dat\n";
      return 2;
    }
    data.Options = skin::DecodeOptionsText(skin::ReadWholeFile(options16, kMaxOptionsFile), base::SystemCodePage());
  } catch (const base::Exception& e) {
    std::cerr << "skinsend: " << base::Utf16ToUtf8(e.Message()) << "\n";
    return 2;
  }
  skin::TacPreviewBuffer buffer;
  const skin::TacPreviewFieldError error = skin::WritePreviewBuffer(data, base::SystemCodePage(), buffer);
  if (error != skin::TacPreviewFieldError::None) {
    std::cerr << "skinsend: " << base::Utf16ToUtf8(skin::PreviewFieldErrorText(error)) << "\n";
    return 2;
  }

  std::vector<std::string> targets;
  if (!socketArg.empty()) {
    targets.push_back(socketArg);
  } else {
    const std::optional<std::string> sockets = skin::PreviewSocketFolder();
    if (!sockets) {
      std::cerr << "skinsend: no private folder for preview sockets\n";
      return 3;
    }
    if (pid != 0) targets.push_back(*sockets + "/" + skin::PreviewSocketName(pid));
    else targets = skin::PreviewSockets(*sockets);
  }

  int taken = 0, listening = 0;
  for (const std::string& t : targets) {
    const skin::TacPreviewSendResult r = skin::SendPreviewBlock(t, buffer, timeoutMs);
    if (r == skin::TacPreviewSendResult::CannotConnect) continue;
    ++listening;
    if (r == skin::TacPreviewSendResult::Taken) ++taken;
    std::cout << "skinsend: \"" << base::Utf16ToUtf8(data.SkinName) << "\" to " << t << ": " << ResultText(r) << "\n";
  }
  if (listening == 0) {
    std::cerr << "skinsend: no program is listening for previews\n";
    return 3;
  }
  return taken > 0 ? 0 : 1;
}
