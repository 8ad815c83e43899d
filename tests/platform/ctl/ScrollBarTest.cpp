// Scroll bars: the thumb where the plain frame draws it, arrow presses repeating on the
// timer, page presses, thumb drags with their positions and the order of requests, frame
// bars of any window, and the "ScrollBar" control with its size grip.
#include "CtlTestSupport.h"
#include "platform/ctl/ScrollBarParts.h"

namespace ctltest {
namespace {

using namespace ctl;

std::vector<std::pair<WORD, int>> g_requests;

// A plain window that scrolls as a document does: it keeps its position itself.
LRESULT ScrollingProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_VSCROLL) {
    WORD code = LOWORD(w);
    int pos = HIWORD(w);
    g_requests.push_back({code, pos});
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    GetScrollInfo(h, SB_VERT, &si);
    int next = si.nPos;
    switch (code) {
      case SB_LINEUP: next -= 1; break;
      case SB_LINEDOWN: next += 1; break;
      case SB_PAGEUP: next -= static_cast<int>(si.nPage); break;
      case SB_PAGEDOWN: next += static_cast<int>(si.nPage); break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION: GetScrollTrackPos(h, SB_VERT, &next); break;
      default: break;
    }
    SetScrollPos(h, SB_VERT, next, TRUE);
    return 0;
  }
  return DefWindowProc(h, m, w, l);
}

class ScrollBarTest : public CtlTest {
 protected:
  void SetUp() override {
    CtlTest::SetUp();
    g_requests.clear();
  }
  // A framed window with a vertical bar over a range of 0..99 and a page of 10.
  HWND Document(bool attach = true) {
    RegisterTestClass(u"CtlScrolling", &ScrollingProc, gfx::COLOR_WINDOW);
    HWND h = CreateWindowEx(WS_EX_CLIENTEDGE, u"CtlScrolling", u"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 20, 20, 200,
                            217, Parent(), nullptr, nullptr, nullptr);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 99;
    si.nPage = 10;
    si.nPos = 0;
    SetScrollInfo(h, SB_VERT, &si, TRUE);
    if (attach) AttachFrameScrollBars(h);
    RunUntilIdle();
    return h;
  }
  // The bar in screen coordinates, and its layout for the window's model.
  static RECT Bar(HWND h) {
    RECT c;
    GetClientRect(h, &c);
    POINT tl = Screen(h, c.Right, 0);
    return {tl.X, tl.Y, tl.X + GetSystemMetrics(SM_CXVSCROLL), tl.Y + c.Height()};
  }
  static ScrollModel ModelOf(HWND h) {
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    GetScrollInfo(h, SB_VERT, &si);
    ScrollModel m;
    m.min = si.nMin;
    m.max = si.nMax;
    m.page = si.nPage;
    m.pos = si.nPos;
    return m;
  }
  static ScrollLayout LayoutOf(HWND h) { return LayoutScrollBar(Bar(h), true, ModelOf(h)); }
  static int Pos(HWND h) { return GetScrollPos(h, SB_VERT); }
  int Count(WORD code) const {
    return static_cast<int>(
        std::count_if(g_requests.begin(), g_requests.end(), [code](auto& r) { return r.first == code; }));
  }
};

TEST_F(ScrollBarTest, ThumbLiesWhereThePlainFrameDrawsIt) {
  HWND h = Document(false);
  for (int pos : {0, 37, 90}) {
    SetScrollPos(h, SB_VERT, pos, TRUE);
    RunUntilIdle();
    ScrollLayout l = LayoutOf(h);
    ASSERT_TRUE(l.thumb);
    // The thumb's raised edge: a light outer row, the white highlight under it, a dark
    // bottom row.
    gfx::PixelBuffer screen = headless::CaptureScreen();
    int x = l.bar.Left + 8;
    int top = l.bar.Top + l.thumbStart;
    EXPECT_NE(screen.Row32(top)[x] & 0xFFFFFF, 0xFFFFFFu) << "pos " << pos;
    EXPECT_EQ(screen.Row32(top + 1)[x] & 0xFFFFFF, 0xFFFFFFu) << "pos " << pos;
    EXPECT_EQ(screen.Row32(top + l.thumbLength - 1)[x] & 0xFFFFFF, 0x404040u) << "pos " << pos;  // its dark bottom
  }
}

TEST_F(ScrollBarTest, ArrowPressRepeatsOnTheTimer) {
  HWND h = Document();
  RECT bar = Bar(h);
  POINT down{bar.Left + 8, bar.Bottom - 5};
  headless::MouseMove(down);
  headless::MouseDown(down);
  EXPECT_EQ(Count(SB_LINEDOWN), 1);  // at once
  headless::AdvanceTime(299);
  EXPECT_EQ(Count(SB_LINEDOWN), 1);
  headless::AdvanceTime(1);
  EXPECT_EQ(Count(SB_LINEDOWN), 2);  // after the first delay
  headless::AdvanceTime(55 * 3);
  EXPECT_EQ(Count(SB_LINEDOWN), 5);  // then every 55 ms
  headless::MouseMove({bar.Left - 40, bar.Bottom - 5});
  headless::AdvanceTime(55 * 3);
  EXPECT_EQ(Count(SB_LINEDOWN), 5);  // paused off the arrow
  headless::MouseMove(down);
  headless::AdvanceTime(55);
  EXPECT_EQ(Count(SB_LINEDOWN), 6);
  headless::MouseUp(down);
  EXPECT_EQ(g_requests.back().first, SB_ENDSCROLL);
  headless::AdvanceTime(500);
  EXPECT_EQ(Count(SB_LINEDOWN), 6);
  EXPECT_EQ(Pos(h), 6);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ScrollBarTest, PagePressesAndDisabledBars) {
  HWND h = Document();
  ScrollLayout l = LayoutOf(h);
  POINT below{l.bar.Left + 8, l.bar.Top + l.thumbStart + l.thumbLength + 5};
  headless::Click(below);
  EXPECT_EQ(Count(SB_PAGEDOWN), 1);
  EXPECT_EQ(Pos(h), 10);
  l = LayoutOf(h);
  headless::Screen().Advance(1000);
  headless::Click({l.bar.Left + 8, l.bar.Top + l.thumbStart - 2});
  EXPECT_EQ(Count(SB_PAGEUP), 1);
  EXPECT_EQ(Pos(h), 0);
  EnableScrollBar(h, SB_VERT, ESB_DISABLE_BOTH);
  g_requests.clear();
  headless::Screen().Advance(1000);
  headless::Click({l.bar.Left + 8, l.bar.Bottom - 5});
  EXPECT_TRUE(g_requests.empty());
}

TEST_F(ScrollBarTest, DraggingTheThumbToTheEnd) {
  HWND h = Document();
  ScrollLayout l = LayoutOf(h);
  POINT grab{l.bar.Left + 8, l.bar.Top + l.thumbStart + 3};
  headless::MouseMove(grab);
  headless::MouseDown(grab);
  int tracked = -1;
  for (int y = grab.Y; y <= l.bar.Bottom + 40; y += 7) {
    headless::MouseMove({grab.X, y});
    if (GetScrollTrackPos(h, SB_VERT, &tracked)) {
      EXPECT_EQ(tracked, Pos(h));
    }
  }
  headless::MouseUp({grab.X, l.bar.Bottom + 40});
  ASSERT_GE(g_requests.size(), 3u);
  // Positions rise one way only and end at the last page.
  int last = -1;
  for (auto [code, pos] : g_requests)
    if (code == SB_THUMBTRACK) {
      EXPECT_GT(pos, last);
      last = pos;
    }
  EXPECT_EQ(last, 90);  // the range less the page, plus one
  auto n = g_requests.size();
  EXPECT_EQ(g_requests[n - 2], std::make_pair(SB_THUMBPOSITION, 90));
  EXPECT_EQ(g_requests[n - 1].first, SB_ENDSCROLL);
  EXPECT_EQ(Pos(h), 90);
  EXPECT_FALSE(GetScrollTrackPos(h, SB_VERT, &tracked));
}

TEST_F(ScrollBarTest, EditScrollsWithItsFrameBar) {
  HWND e = Make(WC_EDIT, u"", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, 10, 10, 200, 150, 500, WS_EX_CLIENTEDGE);
  std::u16string text;
  for (int i = 0; i < 300; ++i) text += u"line\r\n";
  SetWindowText(e, text);
  RunUntilIdle();
  ScrollModel m = ModelOf(e);
  ScrollLayout l = LayoutScrollBar(Bar(e), true, m);
  POINT grab{l.bar.Left + 8, l.bar.Top + l.thumbStart + 2};
  headless::MouseMove(grab);
  headless::MouseDown(grab);
  headless::MouseMove({grab.X, grab.Y + (l.track - l.thumbLength) / 2});
  int middle = static_cast<int>(SendMessage(e, EM_GETFIRSTVISIBLELINE, 0, 0));
  EXPECT_NEAR(middle, (300 - static_cast<int>(m.page) + 1) / 2, 3);
  headless::MouseMove({grab.X, l.bar.Bottom + 30});
  headless::MouseUp({grab.X, l.bar.Bottom + 30});
  EXPECT_EQ(SendMessage(e, EM_GETFIRSTVISIBLELINE, 0, 0), 301 - static_cast<int>(m.page));
  EXPECT_GE(CountNotices(EN_VSCROLL), 2);
}

TEST_F(ScrollBarTest, ScrollBarControlKeepsItsOwnModel) {
  HWND sb = Make(WC_SCROLLBAR, u"", SBS_VERT, 10, 10, 17, 150, 600);
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = 49;
  si.nPage = 10;
  si.nPos = 45;
  EXPECT_EQ(SendMessage(sb, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&si)), 40);  // limited to the last page
  EXPECT_EQ(SendMessage(sb, SBM_GETPOS, 0, 0), 40);
  EXPECT_EQ(SendMessage(sb, SBM_SETPOS, 5, TRUE), 40);
  int lo = 0, hi = 0;
  SendMessage(sb, SBM_GETRANGE, reinterpret_cast<WPARAM>(&lo), reinterpret_cast<LPARAM>(&hi));
  EXPECT_EQ(std::make_pair(lo, hi), std::make_pair(0, 49));
  // Presses reach the parent with the control's handle; the parent moves it.
  headless::Click(Screen(sb, 8, 150 - 5));
  ASSERT_FALSE(Notices().empty());
  EXPECT_EQ(Notices().front().msg, static_cast<UINT>(WM_VSCROLL));
  EXPECT_EQ(Notices().front().code, SB_LINEDOWN);
  EXPECT_EQ(Notices().front().from, sb);
  EXPECT_EQ(Notices().back().code, SB_ENDSCROLL);
  // While the thumb is dragged, the tracked position is readable.
  RECT bar{0, 0, 17, 150};
  ScrollModel m;
  m.max = 49;
  m.page = 10;
  m.pos = 5;
  ScrollLayout l = LayoutScrollBar(bar, true, m);
  POINT grab = Screen(sb, 8, l.thumbStart + 2);
  headless::Screen().Advance(1000);
  headless::MouseMove(grab);
  headless::MouseDown(grab);
  headless::MouseMove({grab.X, grab.Y + 40});
  si.fMask = SIF_TRACKPOS;
  SendMessage(sb, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&si));
  EXPECT_GT(si.nTrackPos, 5);
  EXPECT_EQ(Notices().back().code, SB_THUMBTRACK);
  EXPECT_EQ(Notices().back().pos, si.nTrackPos);
  headless::MouseUp({grab.X, grab.Y + 40});
  EXPECT_EQ(SendMessage(sb, SBM_GETPOS, 0, 0), 5);  // the parent did not move it
}

TEST_F(ScrollBarTest, SizeGripStartsSizingTheWindow) {
  HWND grip = Make(WC_SCROLLBAR, u"", SBS_SIZEGRIP, 380, 280, 17, 17, 601);
  headless::Click(Screen(grip, 8, 8));
  ASSERT_FALSE(Notices().empty());
  EXPECT_EQ(Notices().back().msg, static_cast<UINT>(WM_SYSCOMMAND));
  EXPECT_EQ(Notices().back().code, SC_SIZE + WMSZ_BOTTOMRIGHT);
}

}  // namespace
}  // namespace ctltest
