// The queue: send and post, retrieval order and filters, quit, private messages,
// WM_COPYDATA, timers on the clock, a loop that sleeps instead of spinning, and the idle hook.
#include "WinTestSupport.h"

namespace wintest {
namespace {

using Seq = std::vector<std::string>;

constexpr UINT SkinCmdMessage = 0xA100;

class MessageQueueTest : public WinTest {};

TEST_F(MessageQueueTest, PrivateMessageNumbersTravelLikeAnyOther) {
  HWND w = MakeTop(0, 0, 10, 10, WS_POPUP);
  ClearLog();
  SendMessage(w, SkinCmdMessage, MAKEWPARAM(0, 34), 77);
  PostMessage(w, SkinCmdMessage, MAKEWPARAM(1, 29), 0);
  ASSERT_EQ(Log().size(), 1u);
  EXPECT_EQ(HIWORD(Log()[0].wParam), 34);
  RunUntilIdle();
  ASSERT_EQ(Count(SkinCmdMessage, w), 2);
  EXPECT_EQ(HIWORD(Log().back().wParam), 29);
  EXPECT_EQ(LOWORD(Log().back().wParam), 1);
}

struct CopyData {
  static inline std::vector<unsigned char> got;
  static inline UINT_PTR tag = 0;
  static inline WPARAM sender = 0;
  static LRESULT Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_COPYDATA) {
      auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(l);
      auto* p = static_cast<const unsigned char*>(cds->lpData);
      got.assign(p, p + cds->cbData);
      tag = cds->dwData;
      sender = w;
      return 1;
    }
    return DefWindowProc(h, m, w, l);
  }
};

TEST_F(MessageQueueTest, CopyDataDeliversItsRecord) {
  RegisterProc(u"CopyTarget", &CopyData::Proc);
  HWND w = CreateWindowEx(0, u"CopyTarget", u"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  std::vector<unsigned char> buf(30645, 0);
  buf[0] = 0x00;
  buf[1] = 0xA4;
  buf[30644] = 9;
  COPYDATASTRUCT cds{5, static_cast<DWORD>(buf.size()), buf.data()};
  EXPECT_EQ(SendMessage(w, WM_COPYDATA, 7, reinterpret_cast<LPARAM>(&cds)), 1);
  EXPECT_EQ(CopyData::got, buf);
  EXPECT_EQ(CopyData::tag, 5u);
  EXPECT_EQ(CopyData::sender, 7u);
  EXPECT_EQ(WM_COPYDATA, 74u);
}

TEST_F(MessageQueueTest, RetrievalFollowsPostedThenInputThenPaintThenTimer) {
  HWND w = MakeTop(0, 0, 100, 100, WS_POPUP | WS_VISIBLE);
  RunUntilIdle();
  SetTimer(w, 1, 10, nullptr);
  screen->Advance(20);
  InvalidateRect(w, nullptr, TRUE);
  InputEvent e;
  e.kind = InputEvent::Kind::MouseMove;
  e.pt = {50, 50};
  screen->Push(e);
  PostMessage(w, WM_USER, 0, 0);
  std::vector<UINT> order;
  MSG m;
  while (order.size() < 4 && PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) {
    order.push_back(m.message);
    DispatchMessage(&m);
  }
  EXPECT_EQ(order, (std::vector<UINT>{WM_USER, WM_MOUSEMOVE, WM_PAINT, WM_TIMER}));
}

TEST_F(MessageQueueTest, PeekFiltersByWindowAndRangeAndCanLeaveMessages) {
  HWND a = MakeTop(0, 0, 10, 10, WS_POPUP);
  HWND b = MakeTop(0, 0, 10, 10, WS_POPUP);
  PostMessage(a, WM_USER + 1, 0, 0);
  PostMessage(b, WM_USER + 2, 0, 0);
  PostMessage(nullptr, WM_USER + 3, 0, 0);
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, b, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, WM_USER + 2);
  ASSERT_TRUE(PeekMessage(&m, nullptr, WM_USER + 3, WM_USER + 3, PM_REMOVE));
  EXPECT_EQ(m.hwnd, nullptr);
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_USER + 1);
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_USER + 2);
  EXPECT_FALSE(PeekMessage(&m, nullptr, WM_USER, WM_USER + 10, PM_REMOVE));
}

TEST_F(MessageQueueTest, QuitEndsTheLoopWithItsCode) {
  HWND w = MakeTop(0, 0, 10, 10, WS_POPUP);
  PostMessage(w, WM_USER, 0, 0);
  PostQuitMessage(3);
  EXPECT_EQ(RunMessageLoop(), 3);
  EXPECT_EQ(Count(WM_USER, w), 1);  // posted messages come before the quit
}

std::vector<std::pair<UINT_PTR, std::uint64_t>> g_ticks;
void TimerProc(HWND, UINT, UINT_PTR id, DWORD time) { g_ticks.push_back({id, time}); }

TEST_F(MessageQueueTest, TimersFireInDueOrderAtTheirTimes) {
  HWND w = MakeTop(0, 0, 10, 10, WS_POPUP);
  g_ticks.clear();
  std::uint64_t t0 = screen->Now();
  SetTimer(w, 1, 100, &TimerProc);
  SetTimer(w, 2, 30, &TimerProc);
  SetTimer(w, 3, 30, &TimerProc);  // same due time as 2: creation order decides
  headless::AdvanceTime(200);
  std::vector<std::pair<UINT_PTR, std::uint64_t>> want = {
      {2, t0 + 30},  {3, t0 + 30},  {2, t0 + 60},  {3, t0 + 60},  {2, t0 + 90},  {3, t0 + 90},  {1, t0 + 100},
      {2, t0 + 120}, {3, t0 + 120}, {2, t0 + 150}, {3, t0 + 150}, {2, t0 + 180}, {3, t0 + 180}, {1, t0 + 200}};
  EXPECT_EQ(g_ticks, want);
  EXPECT_TRUE(KillTimer(w, 2));
  EXPECT_FALSE(KillTimer(w, 2));
  g_ticks.clear();
  headless::AdvanceTime(60);
  EXPECT_EQ(g_ticks, (std::vector<std::pair<UINT_PTR, std::uint64_t>>{{3, t0 + 210}, {3, t0 + 240}}));
}

TEST_F(MessageQueueTest, TimerMessagesGoToTheWindowAndDieWithIt) {
  HWND w = MakeTop(0, 0, 10, 10, WS_POPUP);
  ClearLog();
  SetTimer(w, 9, 50, nullptr);
  headless::AdvanceTime(49);
  EXPECT_EQ(Count(WM_TIMER, w), 0);
  headless::AdvanceTime(1);
  ASSERT_EQ(Count(WM_TIMER, w), 1);
  EXPECT_EQ(Log().back().wParam, 9u);
  SetTimer(w, 9, 100, nullptr);  // restarting replaces the interval
  headless::AdvanceTime(99);
  EXPECT_EQ(Count(WM_TIMER, w), 1);
  DestroyWindow(w);
  headless::AdvanceTime(500);
  EXPECT_EQ(Count(WM_TIMER), 1);
  UINT_PTR id1 = SetTimer(nullptr, 0, 10, &TimerProc);
  UINT_PTR id2 = SetTimer(nullptr, 0, 10, &TimerProc);
  EXPECT_NE(id1, id2);
}

TEST_F(MessageQueueTest, GetMessageSleepsUntilTheNextTimerInsteadOfSpinning) {
  HWND w = MakeTop(0, 0, 10, 10, WS_POPUP);
  RunUntilIdle();
  std::uint64_t t0 = screen->Now();
  SetTimer(w, 1, 250, nullptr);
  screen->onStarved = [&] { return false; };
  MSG m;
  int polls = 0;
  while (GetMessage(&m, nullptr, 0, 0)) {
    ++polls;
    if (m.message == WM_TIMER) break;
    DispatchMessage(&m);
  }
  EXPECT_EQ(m.message, WM_TIMER);
  EXPECT_EQ(screen->Now(), t0 + 250);  // the clock jumped straight to the timer
  EXPECT_EQ(polls, 1);
  // With nothing to wait for, a headless loop reports it instead of hanging.
  KillTimer(w, 1);
  EXPECT_THROW(GetMessage(&m, nullptr, 0, 0), std::logic_error);
}

TEST_F(MessageQueueTest, OnIdleSeesEveryWaitWithItsDeadlineAndMayFeedInput) {
  HWND w = MakeTop(0, 0, 10, 10, WS_POPUP);
  RunUntilIdle();
  std::uint64_t t0 = screen->Now();
  SetTimer(w, 1, 250, nullptr);
  std::vector<std::optional<std::uint64_t>> seen;
  // First wait: the hook posts a message instead of letting the clock jump to the timer.
  screen->onIdle = [&](std::optional<std::uint64_t> deadline) {
    seen.push_back(deadline);
    if (seen.size() > 1) return false;
    PostMessage(w, WM_USER + 7, 0, 0);
    return true;
  };
  MSG m;
  ASSERT_TRUE(GetMessage(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, WM_USER + 7);
  EXPECT_EQ(screen->Now(), t0);  // what the hook gave came first; no time passed
  // Second wait: declined, so the clock jumps to the timer as usual.
  ASSERT_TRUE(GetMessage(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, WM_TIMER);
  EXPECT_EQ(screen->Now(), t0 + 250);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], t0 + 250);
  EXPECT_EQ(seen[1], t0 + 250);
  // Without timers the hook sees no deadline and still comes before onStarved.
  KillTimer(w, 1);
  bool starved = false;
  screen->onStarved = [&] {
    starved = true;
    return false;
  };
  EXPECT_THROW(GetMessage(&m, nullptr, 0, 0), std::logic_error);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_FALSE(seen[2].has_value());
  EXPECT_TRUE(starved);
  screen->onIdle = nullptr;
  screen->onStarved = nullptr;
}

TEST_F(MessageQueueTest, BroadcastReachesEveryTopLevelWindow) {
  HWND a = MakeTop(0, 0, 10, 10, WS_POPUP);
  HWND b = MakeTop(0, 0, 10, 10, WS_POPUP);
  ClearLog();
  SendMessage(HWND_BROADCAST, WM_USER + 5, 0, 0);
  EXPECT_EQ(Count(WM_USER + 5, a), 1);
  EXPECT_EQ(Count(WM_USER + 5, b), 1);
}

}  // namespace
}  // namespace wintest
