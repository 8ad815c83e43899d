// Watched file descriptors: a readable descriptor posts its owner's message once until
// the message is taken, stops when unwatched, and wakes a loop that waits for messages.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/win/Headless.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace win {
namespace {

constexpr UINT kReadable = WM_USER + 7;

struct Pipe {
  Pipe() { EXPECT_EQ(pipe(fds), 0); }
  ~Pipe() {
    close(fds[0]);
    close(fds[1]);
  }
  void Write() { EXPECT_EQ(write(fds[1], "x", 1), 1); }
  void Drain() {
    char c;
    EXPECT_EQ(read(fds[0], &c, 1), 1);
  }
  int fds[2];
};

std::vector<WPARAM>& Got() {
  static std::vector<WPARAM> got;
  return got;
}

LRESULT Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kReadable) Got().push_back(wp);
  return DefWindowProc(h, msg, wp, lp);
}

HWND MakeOwner() {
  WNDCLASSEX wc{};
  wc.lpfnWndProc = &Proc;
  wc.lpszClassName = u"FdWatchOwner";
  RegisterClassEx(wc);
  return CreateWindowEx(0, u"FdWatchOwner", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

TEST(FdWatch, PostsOnceWhileReadableAndStopsWhenUnwatched) {
  headless::Start();
  Got().clear();
  HWND owner = MakeOwner();
  Pipe p;
  const UINT_PTR id = WatchReadable(p.fds[0], owner, kReadable);
  ASSERT_NE(id, 0u);
  EXPECT_EQ(WatchReadable(p.fds[0], owner, kReadable), 0u) << "watched already";
  EXPECT_EQ(WatchReadable(-1, owner, kReadable), 0u);
  RunUntilIdle();
  EXPECT_TRUE(Got().empty());

  p.Write();
  MSG m;
  EXPECT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, kReadable);
  // The owner reads in its handler; one message however often the queue was looked at.
  Got().clear();
  while (PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) {
    DispatchMessage(&m);
    if (m.message == kReadable) p.Drain();
  }
  EXPECT_EQ(Got(), std::vector<WPARAM>{static_cast<WPARAM>(p.fds[0])});

  UnwatchReadable(id);
  p.Write();
  Got().clear();
  RunUntilIdle();
  EXPECT_TRUE(Got().empty());
  DestroyWindow(owner);
}

TEST(FdWatch, AWaitingLoopWakesForADescriptor) {
  HeadlessBackend::Options o;
  o.clock = HeadlessBackend::Clock::Real;
  headless::Start(o);
  Got().clear();
  HWND owner = MakeOwner();
  Pipe p;
  const UINT_PTR id = WatchReadable(p.fds[0], owner, kReadable);
  // A timer far away keeps the loop from waiting without a deadline.
  SetTimer(owner, 1, 10000, nullptr);
  const auto start = std::chrono::steady_clock::now();
  std::thread writer([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    p.Write();
  });
  MSG m;
  ASSERT_TRUE(GetMessage(&m, nullptr, 0, 0));
  writer.join();
  EXPECT_EQ(m.message, kReadable);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  UnwatchReadable(id);
  DestroyWindow(owner);
  headless::Start();
}

}  // namespace
}  // namespace win
