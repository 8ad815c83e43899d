// skinsend: sends the skin of a folder to running programs as a live preview. It builds
// the 30645-byte preview buffer (skin name = the folder's name, skin directory = the
// folder's parent, the folder's options text) and hands it to each program listening on
// a preview socket of this user, or to one program (--pid) or socket (--socket).
// With --watch it sends the folder once and then again whenever a file in it has changed
// and settled, until it is interrupted; a folder that cannot be sent for a moment (its
// Options.dat missing or too long) is reported and watched on.
//
// Exit status: 0 when a program took the preview, 1 when none took it, 2 for bad
// arguments or an unusable skin folder, 3 when no program listens. With --watch: 0 when
// interrupted, 2 for bad arguments or a folder that does not exist.
#include <csignal>
#include <filesystem>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "platform/base/Unicode.h"
#include "skin/data/acFolderPreview.h"
#include "skin/data/acPreviewSocket.h"
#include "tools/skinsend/send/FolderWatch.h"

namespace {

int Usage() {
  std::cerr << "usage: skinsend <skin folder> [--pid <process id> | --socket <path>] [--timeout <ms>] [--watch]\n";
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

struct Options {
  std::string folder, socket;
  long pid = 0;
  int timeoutMs = 5000;
  bool watch = false;
};

constexpr int kSentNone = 1, kBadFolder = 2, kNoListener = 3;

// Sends the folder once; the exit status of a single send.
int SendFolder(const Options& o) {
  std::string error;
  const std::unique_ptr<skin::TacFolderPreview> preview = skin::BuildFolderPreview(o.folder, error);
  if (!preview) {
    std::cerr << "skinsend: " << error << "\n";
    return kBadFolder;
  }
  std::vector<std::string> targets;
  if (!o.socket.empty()) {
    targets.push_back(o.socket);
  } else {
    const std::optional<std::string> sockets = skin::PreviewSocketFolder();
    if (!sockets) {
      std::cerr << "skinsend: no private folder for preview sockets\n";
      return kNoListener;
    }
    if (o.pid != 0) targets.push_back(*sockets + "/" + skin::PreviewSocketName(o.pid));
    else targets = skin::PreviewSockets(*sockets);
  }
  int taken = 0, listening = 0;
  for (const std::string& t : targets) {
    const skin::TacPreviewSendResult r = skin::SendPreviewBlock(t, preview->Buffer, o.timeoutMs);
    if (r == skin::TacPreviewSendResult::CannotConnect) continue;
    ++listening;
    if (r == skin::TacPreviewSendResult::Taken) ++taken;
    std::cout << "skinsend: \"" << base::Utf16ToUtf8(preview->Data.SkinName) << "\" to " << t << ": " << ResultText(r)
              << std::endl;
  }
  if (listening == 0) {
    std::cerr << "skinsend: no program is listening for previews" << std::endl;
    return kNoListener;
  }
  return taken > 0 ? 0 : kSentNone;
}

volatile std::sig_atomic_t stopWatching = 0;

void OnStopSignal(int) { stopWatching = 1; }

// Sends the folder now and after every settled change, until SIGINT or SIGTERM.
int Watch(const Options& o) {
  using namespace std::chrono_literals;
  constexpr auto kPollEvery = 100ms, kSettle = 300ms;
  std::signal(SIGINT, OnStopSignal);
  std::signal(SIGTERM, OnStopSignal);
  skinsend::FolderWatch watch(o.folder, kSettle, skinsend::FolderWatch::Clock::now());
  SendFolder(o);
  std::cout << "skinsend: watching " << o.folder << " (Ctrl+C ends)" << std::endl;
  while (!stopWatching) {
    std::this_thread::sleep_for(kPollEvery);
    if (!watch.Poll(skinsend::FolderWatch::Clock::now())) continue;
    // A failed send is reported and not repeated until the folder changes again.
    watch.Sent();
    SendFolder(o);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const bool hasValue = i + 1 < argc;
    if (a == "--pid" && hasValue) o.pid = std::strtol(argv[++i], nullptr, 10);
    else if (a == "--socket" && hasValue) o.socket = argv[++i];
    else if (a == "--timeout" && hasValue) o.timeoutMs = std::atoi(argv[++i]);
    else if (a == "--watch") o.watch = true;
    else if (!a.empty() && a[0] != '-' && o.folder.empty()) o.folder = a;
    else return Usage();
  }
  if (o.folder.empty() || o.timeoutMs <= 0 || (o.pid != 0 && !o.socket.empty())) return Usage();
  if (!o.watch) return SendFolder(o);
  std::error_code ec;
  if (!std::filesystem::is_directory(o.folder, ec)) {
    std::cerr << "skinsend: " << o.folder << " is not a folder\n";
    return kBadFolder;
  }
  return Watch(o);
}
