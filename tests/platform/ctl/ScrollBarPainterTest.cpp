// The replaceable scroll bar painter: a window's painter paints its frame bars (and the
// corner between them) and the "ScrollBar" control instead of the classic look, with the
// tracking state, while hit testing and tracking stay this layer's; and the full track
// position of a drag reaches the edit and the list box beyond 16 bits.
#include "CtlTestSupport.h"
#include "platform/ctl/ScrollBarParts.h"
#include "platform/gfx/PixelOps.h"
#include "platform/gfx/Surface.h"

namespace ctltest {
namespace {

using namespace ctl;

constexpr gfx::TColor kInk = gfx::RGB(255, 0, 255);

// Fills every bar it is given with kInk and remembers what it was asked.
struct InkPainter final : ScrollBarPainter {
  struct Call {
    HWND hwnd;
    int bar;
    ScrollLayout layout;
    ScrollPaintState state;
  };
  void PaintScrollBar(HDC dc, HWND hwnd, int bar, const ScrollLayout& l, const ScrollModel&,
                      const ScrollPaintState& st) override {
    calls.push_back({hwnd, bar, l, st});
    dc->FillRect(l.bar, kInk);
  }
  void PaintSizeBox(HDC dc, HWND, const RECT& box) override {
    boxes.push_back(box);
    dc->FillRect(box, kInk);
  }
  std::vector<Call> calls;
  std::vector<RECT> boxes;
};

class ScrollBarPainterTest : public CtlTest {
 protected:
  // A multi-line edit with 300 lines and a vertical bar (and a horizontal one if asked).
  HWND Memo(DWORD bars = WS_VSCROLL) {
    HWND e = Make(WC_EDIT, u"", ES_MULTILINE | ES_AUTOVSCROLL | bars, 10, 10, 200, 150, 500, WS_EX_CLIENTEDGE);
    std::u16string text;
    for (int i = 0; i < 300; ++i) text += u"line of text that is rather long\r\n";
    SetWindowText(e, text);
    RunUntilIdle();
    return e;
  }
  // A window rectangle in screen coordinates.
  static RECT OnScreen(HWND h, const RECT& windowRect) {
    RECT wr;
    GetWindowRect(h, &wr);
    return windowRect.Offset(wr.Left, wr.Top);
  }
  static int PixelsNotInk(const RECT& screenRect) {
    gfx::PixelBuffer pic = headless::CaptureScreen();
    int n = 0;
    for (int y = screenRect.Top; y < screenRect.Bottom; ++y)
      for (int x = screenRect.Left; x < screenRect.Right; ++x)
        if (gfx::PixelToColor(pic.Row32(y)[x]) != kInk) ++n;
    return n;
  }
  static int FirstLine(HWND e) { return static_cast<int>(SendMessage(e, EM_GETFIRSTVISIBLELINE, 0, 0)); }
  static void RepaintFrame(HWND h) {
    RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    RunUntilIdle();
  }
};

TEST_F(ScrollBarPainterTest, APainterReplacesTheClassicFrameBarAndTrackingStillWorks) {
  HWND e = Memo();
  const RECT bar = OnScreen(e, FrameBarRect(e, SB_VERT));
  ASSERT_FALSE(bar.IsEmpty());
  EXPECT_GT(PixelsNotInk(bar), 0);  // classic
  InkPainter painter;
  EXPECT_EQ(SetScrollBarPainter(e, &painter), nullptr);
  EXPECT_EQ(GetScrollBarPainter(e), &painter);
  RepaintFrame(e);
  ASSERT_FALSE(painter.calls.empty());
  EXPECT_EQ(painter.calls.back().hwnd, e);
  EXPECT_EQ(painter.calls.back().bar, SB_VERT);
  EXPECT_EQ(painter.calls.back().layout.bar, FrameBarRect(e, SB_VERT));
  EXPECT_EQ(PixelsNotInk(bar), 0) << "no classic pixel is left in the bar";

  // The down arrow still scrolls, and the painter paints it held.
  painter.calls.clear();
  POINT down{bar.Left + 8, bar.Bottom - 5};
  headless::MouseMove(down);
  headless::MouseDown(down);
  EXPECT_EQ(FirstLine(e), 1);
  ASSERT_FALSE(painter.calls.empty());
  EXPECT_EQ(painter.calls.front().state.pressed, ScrollPart::LineAfter);
  headless::MouseUp(down);
  EXPECT_EQ(painter.calls.back().state.pressed, ScrollPart::None);
  EXPECT_EQ(PixelsNotInk(bar), 0);

  // A thumb drag: the painter gets the thumb's place; the edit follows to the end.
  ScrollLayout l = LayoutScrollBar(bar, true, FrameBarModel(e, SB_VERT));
  ASSERT_TRUE(l.thumb);
  POINT grab{bar.Left + 8, bar.Top + l.thumbStart + 2};
  painter.calls.clear();
  headless::Screen().Advance(1000);
  headless::MouseMove(grab);
  headless::MouseDown(grab);
  headless::MouseMove({grab.X, grab.Y + 30});
  bool followed = false;
  for (const auto& c : painter.calls) followed = followed || c.state.thumbStart == l.thumbStart + 30;
  EXPECT_TRUE(followed);
  headless::MouseMove({grab.X, bar.Bottom + 30});
  headless::MouseUp({grab.X, bar.Bottom + 30});
  EXPECT_EQ(FirstLine(e), 301 - static_cast<int>(FrameBarModel(e, SB_VERT).page));
  EXPECT_EQ(painter.calls.back().state.thumbStart, -1);
  EXPECT_EQ(PixelsNotInk(bar), 0);

  // Without a painter the classic look comes back.
  EXPECT_EQ(SetScrollBarPainter(e, nullptr), &painter);
  RepaintFrame(e);
  EXPECT_GT(PixelsNotInk(bar), 0);
}

TEST_F(ScrollBarPainterTest, TheCornerBetweenTwoBarsAndTheControlGoThroughThePainter) {
  HWND e = Memo(WS_VSCROLL | WS_HSCROLL);
  // The horizontal bar shows once a line is wider than the window.
  SendMessage(e, EM_SETSEL, 0, 0);
  SendMessage(e, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(std::u16string(200, u'w').c_str()));
  RunUntilIdle();
  const RECT v = FrameBarRect(e, SB_VERT), h = FrameBarRect(e, SB_HORZ);
  ASSERT_FALSE(v.IsEmpty());
  ASSERT_FALSE(h.IsEmpty());
  InkPainter painter;
  SetScrollBarPainter(e, &painter);
  RepaintFrame(e);
  ASSERT_EQ(painter.boxes.size(), 1u);
  EXPECT_EQ(painter.boxes[0], (RECT{v.Left, h.Top, v.Right, h.Bottom}));
  bool sawHorz = false;
  for (const auto& c : painter.calls) sawHorz = sawHorz || c.bar == SB_HORZ;
  EXPECT_TRUE(sawHorz);
  EXPECT_EQ(PixelsNotInk(OnScreen(e, {v.Left, v.Top, v.Right, h.Bottom})), 0);

  HWND sb = Make(WC_SCROLLBAR, u"", SBS_VERT, 250, 10, 17, 150, 600);
  InkPainter control;
  SetScrollBarPainter(sb, &control);
  InvalidateRect(sb, nullptr, FALSE);
  RunUntilIdle();
  ASSERT_FALSE(control.calls.empty());
  EXPECT_EQ(control.calls.back().bar, SB_CTL);
  EXPECT_EQ(control.calls.back().layout.bar, (RECT{0, 0, 17, 150}));
  POINT tl = Screen(sb, 0, 0);
  EXPECT_EQ(PixelsNotInk({tl.X, tl.Y, tl.X + 17, tl.Y + 150}), 0);
  Notices().clear();
  headless::Click(Screen(sb, 8, 150 - 5));  // presses still reach the parent
  EXPECT_EQ(CountNotices(SB_LINEDOWN, WM_VSCROLL), 1);
}

TEST_F(ScrollBarPainterTest, ThePainterIsForgottenWithItsWindow) {
  HWND e = Memo();
  InkPainter painter;
  SetScrollBarPainter(e, &painter);
  DestroyWindow(e);
  EXPECT_EQ(GetScrollBarPainter(e), nullptr);
  EXPECT_EQ(SetScrollBarPainter(e, &painter), nullptr);
  EXPECT_EQ(GetScrollBarPainter(e), nullptr);
}

TEST_F(ScrollBarPainterTest, AClassicDragSetsTheBarsTrackPosition) {
  HWND e = Memo();
  const RECT bar = OnScreen(e, FrameBarRect(e, SB_VERT));
  ScrollLayout l = LayoutScrollBar(bar, true, FrameBarModel(e, SB_VERT));
  POINT grab{bar.Left + 8, bar.Top + l.thumbStart + 2};
  headless::MouseMove(grab);
  headless::MouseDown(grab);
  headless::MouseMove({grab.X, grab.Y + 40});
  EXPECT_TRUE(IsScrollTracking(e, SB_VERT));
  SCROLLINFO si;
  si.fMask = SIF_TRACKPOS;
  GetScrollInfo(e, SB_VERT, &si);
  int tracked = -1;
  ASSERT_TRUE(GetScrollTrackPos(e, SB_VERT, &tracked));
  EXPECT_EQ(si.nTrackPos, tracked);
  EXPECT_EQ(FirstLine(e), tracked);
  headless::MouseUp({grab.X, grab.Y + 40});
  EXPECT_FALSE(IsScrollTracking(e, SB_VERT));
  EXPECT_FALSE(GetScrollTrackPos(e, SB_VERT, &tracked));
}

// A drag run by someone else (a skinned bar) sets the track position; the requests carry
// only 16 bits of it.
void SendDrag(HWND h, int pos) {
  SetScrollTrackPos(h, SB_VERT, pos);
  SendMessage(h, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, static_cast<unsigned>(std::min(pos, 0xFFFF))), 0);
}

TEST_F(ScrollBarPainterTest, ATrackPositionBeyondSixteenBitsReachesTheEdit) {
  HWND e = Make(WC_EDIT, u"", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, 10, 10, 200, 150, 500, WS_EX_CLIENTEDGE);
  std::u16string text;
  text.reserve(70001 * 3);
  for (int i = 0; i < 70000; ++i) text += u"x\r\n";
  SetWindowText(e, text);
  RunUntilIdle();
  SendDrag(e, 68000);
  SCROLLINFO si;
  si.fMask = SIF_TRACKPOS;
  GetScrollInfo(e, SB_VERT, &si);
  EXPECT_EQ(si.nTrackPos, 68000);
  EXPECT_EQ(FirstLine(e), 68000);
  SetScrollTrackPos(e, SB_VERT, 68001);
  SendMessage(e, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 68001 & 0xFFFF), 0);
  EndScrollTrack(e, SB_VERT);
  EXPECT_EQ(FirstLine(e), 68001);
  EXPECT_EQ(GetScrollPos(e, SB_VERT), 68001);
  // Without a track position the request's 16 bits are all there is.
  SendMessage(e, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 68002 & 0xFFFF), 0);
  EXPECT_EQ(FirstLine(e), 68002 & 0xFFFF);
}

TEST_F(ScrollBarPainterTest, ATrackPositionBeyondSixteenBitsReachesTheListBox) {
  HWND lb = Make(WC_LISTBOX, u"", LBS_NOTIFY | WS_VSCROLL, 10, 10, 150, 150, 700, WS_EX_CLIENTEDGE);
  SendMessage(lb, WM_SETREDRAW, FALSE, 0);
  for (int i = 0; i < 66000; ++i) SendMessage(lb, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"item"));
  SendMessage(lb, WM_SETREDRAW, TRUE, 0);
  RunUntilIdle();
  SendDrag(lb, 65800);
  EndScrollTrack(lb, SB_VERT);
  EXPECT_EQ(SendMessage(lb, LB_GETTOPINDEX, 0, 0), 65800);
}

}  // namespace
}  // namespace ctltest
