#pragma once
// The live preview from another process: a per-user local socket the program listens on.
// A sender connects, writes one frame (the 4-byte little-endian length of the copy-data
// block, then the block) and reads back a 4-byte answer: 1 when the program took the
// message, 0 when it refused it. The listener never blocks: it is polled from the user
// interface thread by a timer of the window system, reads at most a bounded number of
// bytes per poll, takes only peers of the same user and delivers each complete block as
// a copy-data message (WParam 7) to a window.
//
// The socket lives in a private folder: $XDG_RUNTIME_DIR/pellomir when the runtime folder
// is the user's own and closed to others, else /tmp/pellomir-<uid>; the folder is made
// with mode 0700, must be a real folder (no link) owned by the user with no access for
// others, and the socket file is "preview-<pid>.sock" with mode 0600.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/win/Types.h"

namespace skin {

// The largest block a sender may send (the preview buffer with room to spare).
inline constexpr std::uint32_t acPreviewMaxBlock = 64 * 1024;

// The private folder of the preview sockets, made when missing; no value when no safe
// folder can be had.
std::optional<std::string> PreviewSocketFolder();
// The socket file name of a process.
std::string PreviewSocketName(long pid);

// What became of a block sent to a program.
enum class TacPreviewSendResult { Taken, Refused, NoAnswer, CannotConnect };

// Sends one block to the socket at path and waits at most timeoutMs for the answer
// (blocking: for senders, never on the user interface thread of the receiver).
TacPreviewSendResult SendPreviewBlock(const std::string& path, std::span<const std::uint8_t> block, int timeoutMs);

// The socket files in the folder, one per listening program (stale ones included).
std::vector<std::string> PreviewSockets(const std::string& folder);

class TacPreviewListener {
 public:
  // Listens on the socket of this process. Its descriptors are watched by the window
  // system's loop, which posts notifyMsg to window when one is readable; the window's
  // owner then calls Poll. Complete blocks go to the same window as copy-data messages.
  // Check Listening(): nothing listens when the folder or the socket cannot be made safely.
  TacPreviewListener(win::HWND window, win::UINT notifyMsg);
  ~TacPreviewListener();
  TacPreviewListener(const TacPreviewListener&) = delete;
  TacPreviewListener& operator=(const TacPreviewListener&) = delete;

  bool Listening() const { return fd_ >= 0; }
  const std::string& Path() const { return path_; }
  // Accepts waiting senders, reads what they have sent (a bounded amount each), delivers
  // complete blocks and drops senders that took too long.
  void Poll();
  // A sender has this long to send its frame.
  static constexpr unsigned SenderTimeoutMs = 5000;

 private:
  struct Connection;
  void Accept();
  // False when the connection is finished (answered or broken).
  bool Serve(Connection& c);
  void Deliver(Connection& c);
  void Close(Connection& c);
  void UpdateStallTimer();

  win::HWND window_;
  win::UINT notifyMsg_;
  int fd_ = -1;
  win::UINT_PTR watch_ = 0;
  std::string path_;
  std::vector<Connection> connections_;
  win::UINT_PTR stallTimer_ = 0;
};

}  // namespace skin
