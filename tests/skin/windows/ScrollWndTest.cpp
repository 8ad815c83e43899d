// Skinned scroll bars on a standard multi-line edit, on a headless form carrying the
// program's manager and skin: sizes and layout, the thumb, hit testing, the repeat
// timings on the program clock, the thumb drag and the jump, hover, the empty edit, a
// list longer than 16 bits, removal, and a screenshot.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/ctl/ControlClasses.h"
#include "platform/ctl/EditApi.h"
#include "platform/ctl/ListBoxApi.h"
#include "platform/ctl/ScrollBarApi.h"
#include "platform/forms/StdCtrls.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/win/Headless.h"
#include "platform/win/HitCodes.h"
#include "platform/win/InputApi.h"
#include "platform/win/Keys.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/Metrics.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinData.h"
#include "skin/render/acPaintSection.h"
#include "skin/windows/acEditWnd.h"
#include "skin/windows/acScrollBarGeometry.h"
#include "skin/windows/acScrollTracking.h"
#include "tests/skin/support/SkinManagerTestSupport.h"

namespace skin::test {

namespace {

// One WM_VSCROLL as the edit received it.
struct Request {
  int code;
  int low16;      // the position the request carries
  int trackPos;   // the full position the edit reads (-1: none)
  int firstLine;  // the edit's first visible line after it
};

std::vector<Request>& Requests() {
  static std::vector<Request> r;
  return r;
}
win::WNDPROC& EditProc() {
  static win::WNDPROC p = nullptr;
  return p;
}

// The order of scBeforeScroll (51), the requests (their code + 1000) and scAfterScroll
// (52), with the LParam of each; and whether the window answers scBeforeScroll with 1.
struct Step {
  int what;
  win::LPARAM lParam;
};
std::vector<Step>& Steps() {
  static std::vector<Step> s;
  return s;
}
bool& AnswerBeforeScroll() {
  static bool a = false;
  return a;
}

// Sits under the adapter and records the requests the edit gets.
win::LRESULT RecordingProc(win::HWND h, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
  if (msg == SkinCmdMessage && (SkinCmdOf(wParam) == scBeforeScroll || SkinCmdOf(wParam) == scAfterScroll)) {
    Steps().push_back({static_cast<int>(SkinCmdOf(wParam)), lParam});
    if (SkinCmdOf(wParam) == scBeforeScroll && AnswerBeforeScroll()) return 1;
  }
  if (msg != win::WM_VSCROLL) return win::CallWindowProc(EditProc(), h, msg, wParam, lParam);
  Steps().push_back({1000 + win::LOWORD(wParam), lParam});
  int track = -1;
  if (!ctl::GetScrollTrackPos(h, win::SB_VERT, &track)) track = -1;
  const win::LRESULT r = win::CallWindowProc(EditProc(), h, msg, wParam, lParam);
  const int first = static_cast<int>(win::SendMessage(h, ctl::EM_GETFIRSTVISIBLELINE, 0, 0));
  Requests().push_back({win::LOWORD(wParam), win::HIWORD(wParam), track, first});
  return r;
}

std::u16string Lines(int count) {
  std::u16string text;
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += u"\r\n";
    std::string n = "line " + std::to_string(i + 1);
    text.append(n.begin(), n.end());
  }
  return text;
}

int Count(int code) {
  int n = 0;
  for (const Request& r : Requests()) n += r.code == code ? 1 : 0;
  return n;
}

}  // namespace

class ScrollWnd : public ManagerTest {
 protected:
  void SetUp() override {
    ManagerTest::SetUp();
    Requests().clear();
    Steps().clear();
    AnswerBeforeScroll() = false;
    manager = MakeProgramManager();
    form = static_cast<TManagerTestForm*>(manager->Owner());
    form->SetBounds(20, 20, 400, 300);
    form->Show();
    win::RunUntilIdle();
    ctl::RegisterControlClasses();
  }
  void TearDown() override {
    adapter.reset();
    ManagerTest::TearDown();
  }
  // A standard multi-line edit with a vertical bar, its requests recorded, adapted.
  TacEditWnd* MakeEdit(int lines, int w = 200, int h = 150, win::DWORD bars = win::WS_VSCROLL) {
    return MakeAdapted(u"Edit", bars | ctl::ES_MULTILINE, w, h, lines > 0 ? Lines(lines) : std::u16string());
  }
  TacEditWnd* MakeAdapted(const char16_t* cls, win::DWORD style, int w, int h, const std::u16string& text) {
    edit = win::CreateWindowEx(win::WS_EX_CLIENTEDGE, cls, u"", win::WS_CHILD | win::WS_VISIBLE | style, 10, 10, w, h,
                               form->Handle(), nullptr, nullptr, nullptr);
    EXPECT_NE(edit, nullptr);
    if (!text.empty()) win::SetWindowText(edit, text.c_str());
    EditProc() = reinterpret_cast<win::WNDPROC>(win::GetWindowLongPtr(edit, win::GWLP_WNDPROC));
    win::SetWindowLongPtr(edit, win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(&RecordingProc));
    TacSkinParams params;
    adapter = std::make_unique<TacEditWnd>(edit, params, manager, nullptr);
    win::RunUntilIdle();
    return adapter.get();
  }
  // A window point of the vertical bar in screen coordinates.
  win::POINT OnBar(int along, int across = -1) const {
    win::RECT wr;
    win::GetWindowRect(edit, &wr);
    const gfx::TRect r = adapter->BarRect(adapter->sBarVert);
    return {wr.Left + (across < 0 ? (r.Left + r.Right) / 2 : r.Left + across), wr.Top + r.Top + along};
  }
  int BarLength() const { return adapter->BarRect(adapter->sBarVert).Height(); }
  win::SCROLLINFO Info() const {
    win::SCROLLINFO si;
    si.fMask = win::SIF_ALL;
    win::GetScrollInfo(edit, win::SB_VERT, &si);
    return si;
  }
  TacThumb Thumb() const {
    const gfx::TRect r = adapter->BarRect(adapter->sBarVert);
    const int b = adapter->ButtonLength(adapter->sBarVert);
    return ThumbGeometry(Info(), 16, r.Top, r.Bottom, b);
  }
  int HitTest(win::POINT screen) const {
    return static_cast<int>(win::SendMessage(edit, win::WM_NCHITTEST, 0, win::PointToLParam(screen)));
  }
  TsSkinManager* manager = nullptr;
  TManagerTestForm* form = nullptr;
  win::HWND edit = nullptr;
  std::unique_ptr<TacEditWnd> adapter;
};

TEST_F(ScrollWnd, ABarOfThePlatformWidthWithSquareButtonsBesideTheClientArea) {
  MakeEdit(60);
  TacScrollBar& sb = adapter->sBarVert;
  EXPECT_EQ(TacScrollWnd::ScrollWndOf(edit), adapter.get());
  EXPECT_EQ(adapter->BarThickness(sb), win::GetSystemMetrics(win::SM_CXVSCROLL));
  EXPECT_EQ(adapter->ButtonLength(sb), adapter->BarThickness(sb));
  EXPECT_TRUE(sb.fScrollVisible);
  EXPECT_FALSE(adapter->sBarHorz.fScrollVisible);
  EXPECT_EQ(sb.fScrollFlags & sfStyleAsks, sfStyleAsks);
  // The client edge is 2 pixels; the bar lies inside it, right of the client area.
  EXPECT_EQ(adapter->cxLeftEdge, 2);
  EXPECT_EQ(adapter->cyTopEdge, 2);
  const gfx::TRect r = adapter->BarRect(sb);
  EXPECT_EQ(r.Left, 200 - 2 - 17);
  EXPECT_EQ(r.Right, 200 - 2);
  EXPECT_EQ(r.Top, 2);
  EXPECT_EQ(r.Bottom, 150 - 2);
  win::RECT c;
  win::GetClientRect(edit, &c);
  EXPECT_EQ(c.Width(), 200 - 4 - 17);
  EXPECT_EQ(c.Height(), 150 - 4);
  EXPECT_TRUE(adapter->CornerRect().IsEmpty());
  // Hit testing: the enabled bar, the client area.
  EXPECT_EQ(HitTest(OnBar(50)), win::HTVSCROLL);
  win::RECT wr;
  win::GetWindowRect(edit, &wr);
  EXPECT_EQ(HitTest({wr.Left + 50, wr.Top + 50}), win::HTCLIENT);
}

TEST_F(ScrollWnd, APageCoveringTheRangeDrawsNoThumbAndTheBarAnswersNowhere) {
  auto column = [this](int x) {
    gfx::PixelBuffer shot = win::headless::CaptureWindow(edit);
    const gfx::TRect r = adapter->BarRect(adapter->sBarVert);
    const int b = adapter->ButtonLength(adapter->sBarVert);
    std::vector<std::uint32_t> px;
    for (int y = r.Top + b; y < r.Bottom - b; ++y) px.push_back(shot.Row32(y)[r.Left + x]);
    return px;
  };
  auto uniform = [](const std::vector<std::uint32_t>& px) {
    for (std::uint32_t p : px)
      if (p != px.front()) return false;
    return true;
  };
  MakeEdit(3);
  EXPECT_FALSE(adapter->BarEnabled(adapter->sBarVert));
  EXPECT_FALSE(ThumbShown(Info(), 16, BarLength() - 34));
  EXPECT_EQ(HitTest(OnBar(50)), win::HTNOWHERE);
  EXPECT_TRUE(uniform(column(8)));
  // A press there does nothing.
  win::headless::MouseDown(OnBar(50));
  win::headless::MouseUp(OnBar(50));
  EXPECT_TRUE(Requests().empty());
  // Enough lines: the thumb shows at the top of the track.
  win::SetWindowText(edit, Lines(60).c_str());
  win::RunUntilIdle();
  EXPECT_TRUE(adapter->BarEnabled(adapter->sBarVert));
  EXPECT_EQ(HitTest(OnBar(50)), win::HTVSCROLL);
  EXPECT_FALSE(uniform(column(8)));
}

TEST_F(ScrollWnd, HoldingTheDownArrowRepeatsAfter300msThenEvery55msAndEndsOnRelease) {
  MakeEdit(200);
  const win::POINT arrow = OnBar(BarLength() - 5);
  win::headless::MouseMove(arrow);
  win::headless::MouseDown(arrow);
  EXPECT_EQ(Count(win::SB_LINEDOWN), 1);
  EXPECT_EQ(ShownPressedPart(edit, win::SB_VERT), spArrowAfter);
  win::headless::AdvanceTime(299);
  EXPECT_EQ(Count(win::SB_LINEDOWN), 1);
  win::headless::AdvanceTime(1);
  EXPECT_EQ(Count(win::SB_LINEDOWN), 2);
  win::headless::AdvanceTime(54);
  EXPECT_EQ(Count(win::SB_LINEDOWN), 2);
  win::headless::AdvanceTime(1);
  EXPECT_EQ(Count(win::SB_LINEDOWN), 3);
  win::headless::AdvanceTime(55 * 4);
  EXPECT_EQ(Count(win::SB_LINEDOWN), 7);
  // Away from the arrow: shown unpressed, paused; back on it: resumed.
  win::headless::MouseMove(OnBar(BarLength() / 2, 2));
  win::headless::AdvanceTime(55 * 3);
  EXPECT_EQ(Count(win::SB_LINEDOWN), 7);
  EXPECT_EQ(ShownPressedPart(edit, win::SB_VERT), spNone);
  win::headless::MouseMove(arrow);
  win::headless::AdvanceTime(55);
  EXPECT_EQ(Count(win::SB_LINEDOWN), 8);
  EXPECT_EQ(Requests().back().firstLine, 8);
  win::headless::MouseUp(arrow);
  ASSERT_FALSE(Requests().empty());
  EXPECT_EQ(Requests().back().code, win::SB_ENDSCROLL);
  EXPECT_EQ(Count(win::SB_ENDSCROLL), 1);
  win::headless::AdvanceTime(55 * 4);
  EXPECT_EQ(Count(win::SB_LINEDOWN), 8);
  EXPECT_EQ(win::GetCapture(), nullptr);
}

TEST_F(ScrollWnd, PagePressesRepeatUntilTheThumbReachesThePointer) {
  MakeEdit(200);
  const win::POINT page = OnBar(BarLength() - 30);
  win::headless::MouseMove(page);
  win::headless::MouseDown(page);
  EXPECT_EQ(Count(win::SB_PAGEDOWN), 1);
  win::headless::AdvanceTime(300 + 55 * 40);
  // The thumb arrived under the pointer: no more pages.
  const int pages = Count(win::SB_PAGEDOWN);
  EXPECT_GT(pages, 2);
  win::headless::AdvanceTime(55 * 5);
  EXPECT_EQ(Count(win::SB_PAGEDOWN), pages);
  win::headless::MouseUp(page);
  EXPECT_EQ(Requests().back().code, win::SB_ENDSCROLL);
}

TEST_F(ScrollWnd, DraggingTheThumbToTheEndSendsOnePastTheLastPositionAndTheFirstLineStopsAtItsMaximum) {
  MakeEdit(200);
  const win::SCROLLINFO si = Info();
  const int maxFirst = si.nMax - static_cast<int>(si.nPage) + 1;
  const TacThumb t = Thumb();
  const gfx::TRect r = adapter->BarRect(adapter->sBarVert);
  win::headless::MouseMove(OnBar(t.Start - r.Top + 3));
  win::headless::MouseDown(OnBar(t.Start - r.Top + 3));
  EXPECT_TRUE(adapter->fThumbTracking);
  EXPECT_TRUE(Requests().empty());
  for (int y = t.Start - r.Top + 13; y < BarLength() + 40; y += 10) win::headless::MouseMove(OnBar(y));
  ASSERT_GE(Count(win::SB_THUMBTRACK), 2);
  const Request last = Requests().back();
  EXPECT_EQ(last.code, win::SB_THUMBTRACK);
  EXPECT_EQ(last.trackPos, (si.nMax - si.nMin) - static_cast<int>(si.nPage) + 2);
  EXPECT_EQ(last.low16, last.trackPos);
  for (const Request& q : Requests()) EXPECT_LE(q.firstLine, maxFirst);
  EXPECT_EQ(last.firstLine, maxFirst);
  win::headless::MouseUp(OnBar(BarLength() + 40));
  ASSERT_GE(Requests().size(), 2u);
  const Request& position = Requests()[Requests().size() - 2];
  EXPECT_EQ(position.code, win::SB_THUMBPOSITION);
  EXPECT_EQ(position.trackPos, last.trackPos);
  EXPECT_EQ(Requests().back().code, win::SB_ENDSCROLL);
  EXPECT_EQ(Requests().back().firstLine, maxFirst);
  EXPECT_FALSE(adapter->fThumbTracking);
  EXPECT_FALSE(win::IsScrollTracking(edit, win::SB_VERT));
  EXPECT_EQ(Info().nPos, maxFirst);
}

TEST_F(ScrollWnd, ShiftClickOnTheTrackJumpsWithExactlyOneThumbTrack) {
  MakeEdit(200);
  const int along = BarLength() * 3 / 4;
  win::headless::KeyDown(win::VK_SHIFT);
  win::headless::MouseMove(OnBar(along));
  win::headless::MouseDown(OnBar(along));
  win::headless::AdvanceTime(600);
  win::headless::MouseUp(OnBar(along));
  win::headless::KeyUp(win::VK_SHIFT);
  EXPECT_EQ(Count(win::SB_THUMBTRACK), 1);
  EXPECT_EQ(Count(win::SB_PAGEDOWN), 0);
  EXPECT_EQ(Count(win::SB_ENDSCROLL), 1);
  // The thumb's centre is at the pointer now.
  const TacThumb t = Thumb();
  const int centre = t.Start + t.Length / 2 - adapter->BarRect(adapter->sBarVert).Top;
  EXPECT_NEAR(centre, along, 2);
  EXPECT_GT(Info().nPos, 0);
}

TEST_F(ScrollWnd, TheEmptyEditPaintsAndAnswersWithoutFault) {
  MakeEdit(0);
  const win::SCROLLINFO si = Info();
  EXPECT_EQ(si.nMin, 0);
  EXPECT_EQ(si.nMax, 0);
  adapter->PaintBars();
  win::RedrawWindow(edit, nullptr, nullptr, win::RDW_FRAME | win::RDW_INVALIDATE | win::RDW_UPDATENOW);
  EXPECT_EQ(HitTest(OnBar(BarLength() - 5)), win::HTNOWHERE);
  // Pressing where the bar is, over the arrows and the track, sends nothing.
  for (int along : {3, BarLength() / 2, BarLength() - 3}) {
    win::headless::MouseDown(OnBar(along));
    win::headless::MouseUp(OnBar(along));
  }
  EXPECT_TRUE(Requests().empty());
  // Direct presses on every part of the disabled bar change nothing.
  for (int along : {3, BarLength() / 2, BarLength() - 3})
    win::SendMessage(edit, win::WM_NCLBUTTONDOWN, win::HTVSCROLL, win::PointToLParam(OnBar(along)));
  win::SendMessage(edit, win::WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(Count(win::SB_THUMBTRACK), 0);
  EXPECT_EQ(win::SendMessage(edit, ctl::EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  win::SendMessage(edit, win::WM_MOUSEWHEEL, win::MAKEWPARAM(0, static_cast<unsigned>(-120)), 0);
  win::RunUntilIdle();
}

TEST_F(ScrollWnd, AHundredThousandLinesDraggedToTheBottomShowTheLastLine) {
  constexpr int kLines = 100000;
  MakeEdit(kLines);
  ASSERT_EQ(win::SendMessage(edit, ctl::EM_GETLINECOUNT, 0, 0), kLines);
  const TacThumb t = Thumb();
  const gfx::TRect r = adapter->BarRect(adapter->sBarVert);
  const int grab = t.Start - r.Top + t.Length / 2;
  win::headless::MouseMove(OnBar(grab));
  win::headless::MouseDown(OnBar(grab));
  // One pixel before the end: beyond what 16 bits hold.
  const int endStart = r.Height() - adapter->ButtonLength(adapter->sBarVert) - t.Length;
  win::headless::MouseMove(OnBar(endStart - 1 + t.Length / 2));
  ASSERT_FALSE(Requests().empty());
  EXPECT_GT(Requests().back().firstLine, 65535);
  EXPECT_EQ(Requests().back().firstLine, Requests().back().trackPos);
  win::headless::MouseMove(OnBar(BarLength() + 100));
  win::headless::MouseUp(OnBar(BarLength() + 100));
  const win::SCROLLINFO si = Info();
  const int first = static_cast<int>(win::SendMessage(edit, ctl::EM_GETFIRSTVISIBLELINE, 0, 0));
  EXPECT_EQ(first + static_cast<int>(si.nPage), kLines);
  EXPECT_EQ(si.nPos, first);
}

TEST_F(ScrollWnd, HoverIsPolledWhileThePointerIsOverTheBar) {
  MakeEdit(200);
  win::headless::MouseMove(OnBar(BarLength() - 5));
  win::headless::AdvanceTime(20);
  EXPECT_EQ(HotPartOf(edit, win::SB_VERT), spArrowAfter);
  win::headless::MouseMove(OnBar(3));
  win::headless::AdvanceTime(20);
  EXPECT_EQ(HotPartOf(edit, win::SB_VERT), spArrowBefore);
  win::RECT wr;
  win::GetWindowRect(edit, &wr);
  win::headless::MouseMove({wr.Left + 40, wr.Top + 40});
  win::headless::AdvanceTime(20);
  EXPECT_EQ(HotPartOf(edit, win::SB_VERT), spNone);
}

TEST_F(ScrollWnd, RemovingTheAdapterGivesTheWindowItsProcedureAndItsOwnBarsBack) {
  MakeEdit(60);
  adapter.reset();
  EXPECT_EQ(win::GetWindowLongPtr(edit, win::GWLP_WNDPROC), reinterpret_cast<win::LONG_PTR>(&RecordingProc));
  EXPECT_EQ(TacScrollWnd::ScrollWndOf(edit), nullptr);
  EXPECT_EQ(TacMainWnd::AdapterOf(edit), nullptr);
  // The platform's bar is there again and works.
  win::RECT wr;
  win::GetWindowRect(edit, &wr);
  win::headless::MouseDown({wr.Right - 8, wr.Bottom - 8});
  win::headless::MouseUp({wr.Right - 8, wr.Bottom - 8});
  EXPECT_EQ(Count(win::SB_LINEDOWN), 1);
}

TEST_F(ScrollWnd, AWindowThatDiesFirstIsNotTouchedByItsAdapter) {
  MakeEdit(60);
  // It dies while its thumb is held and its bar is hot.
  const TacThumb t = Thumb();
  const win::POINT grab = OnBar(t.Start - adapter->BarRect(adapter->sBarVert).Top + 2);
  win::headless::MouseMove(grab);
  win::headless::AdvanceTime(20);
  win::headless::MouseDown(grab);
  ASSERT_TRUE(DragRunning(edit, win::SB_VERT));
  win::DestroyWindow(edit);
  EXPECT_TRUE(adapter->Destroyed);
  EXPECT_FALSE(DragRunning(edit, win::SB_VERT));
  EXPECT_EQ(HotPartOf(edit, win::SB_VERT), spNone);
  win::headless::MouseMove({grab.X, grab.Y + 30});
  win::headless::MouseUp({grab.X, grab.Y + 30});
  win::headless::AdvanceTime(100);
  adapter.reset();
}

TEST_F(ScrollWnd, ScreenshotOfASkinnedBarOnAStandardMultiLineEdit) {
  MakeEdit(120, 220, 180);
  // The first scrolled down by 50 lines with its up arrow hot; a second one that cannot scroll.
  win::HWND first = edit;
  auto firstAdapter = std::move(adapter);
  MakeEdit(3, 120, 180);
  win::SetWindowPos(edit, nullptr, 250, 10, 0, 0, win::SWP_NOSIZE | win::SWP_NOZORDER);
  win::SendMessage(first, ctl::EM_LINESCROLL, 0, 50);
  win::RunUntilIdle();
  win::RECT wr;
  win::GetWindowRect(first, &wr);
  const gfx::TRect r = firstAdapter->BarRect(firstAdapter->sBarVert);
  win::headless::MouseMove({wr.Left + r.Left + 8, wr.Top + r.Top + 5});
  win::headless::AdvanceTime(20);
  const char* dir = std::getenv("PELLOMIR_BUILD_DIR");
  const std::string path = std::string(dir ? dir : ".") + "/skin-windows-scrollbar-edit.png";
  EXPECT_TRUE(win::headless::SaveWindowShot(form->Handle(), path));
  // The thumb held during a drag, and the down arrow of the other edit pressed.
  const TacThumb t = ThumbGeometry(firstAdapter->sBarVert.ScrollInfo, 16, r.Top, r.Bottom, 17);
  const win::POINT grab{wr.Left + r.Left + 8, wr.Top + t.Start + 4};
  win::headless::MouseMove(grab);
  win::headless::MouseDown(grab);
  win::headless::MouseMove({grab.X, grab.Y + 40});
  const std::string held = std::string(dir ? dir : ".") + "/skin-windows-scrollbar-drag.png";
  EXPECT_TRUE(win::headless::SaveWindowShot(first, held));
  win::headless::MouseUp({grab.X, grab.Y + 40});
  EXPECT_GT(win::SendMessage(first, ctl::EM_GETFIRSTVISIBLELINE, 0, 0), 50);
  firstAdapter.reset();
}

}  // namespace skin::test

namespace skin::test {

// A memo of the framework: the adapter joins the control's procedure chain and uses the
// control's own skin state and its scroll bar sizes.
TEST_F(ScrollWnd, AFrameworkMemoIsAdaptedThroughItsProcedureChainWithItsOwnSizes) {
  auto* memo = new forms::TMemo(form);
  memo->SetBounds(10, 10, 200, 150);
  memo->SetScrollBars(forms::TScrollStyle::ssVertical);
  memo->SetParent(form);
  memo->HandleNeeded();
  memo->SetText(Lines(80));
  auto sd = std::make_unique<TsScrollWndData>(memo, false);
  sd->SetSkinSection(u"EDIT");
  sd->Loaded(false);
  sd->VertScrollData->SetScrollWidth(21);
  const win::LONG_PTR raw = win::GetWindowLongPtr(memo->Handle(), win::GWLP_WNDPROC);
  const void* joined = nullptr;
  int edges = 0;
  forms::TControlStyle plain = memo->ControlStyle();
  plain.Exclude(forms::TControlStyleItem::csOpaque);
  memo->SetControlStyle(plain);
  {
    TacEditWnd a(memo->Handle(), TacSkinParams{}, manager, sd.get());
    win::RunUntilIdle();
    EXPECT_EQ(a.OldWndProc, nullptr);
    EXPECT_EQ(a.OldProcOwner, memo);
    joined = &a;
    edges = a.cxLeftEdge + a.cxRightEdge;
    EXPECT_TRUE(memo->InWindowProc(joined));
    EXPECT_TRUE(memo->ControlStyle().Contains(forms::TControlStyleItem::csOpaque));
    EXPECT_EQ(win::GetWindowLongPtr(memo->Handle(), win::GWLP_WNDPROC), raw);
    EXPECT_EQ(a.BarThickness(a.sBarVert), 21);
    EXPECT_EQ(a.ButtonLength(a.sBarVert), 17);
    win::RECT c;
    win::GetClientRect(memo->Handle(), &c);
    EXPECT_EQ(c.Width(), 200 - a.cxLeftEdge - a.cxRightEdge - 21);
    win::RECT wr;
    win::GetWindowRect(memo->Handle(), &wr);
    const gfx::TRect r = a.BarRect(a.sBarVert);
    const win::POINT arrow{wr.Left + r.Left + 10, wr.Top + r.Bottom - 5};
    EXPECT_EQ(win::SendMessage(memo->Handle(), win::WM_NCHITTEST, 0, win::PointToLParam(arrow)), win::HTVSCROLL);
    win::headless::MouseDown(arrow);
    win::headless::MouseUp(arrow);
    EXPECT_EQ(win::SendMessage(memo->Handle(), ctl::EM_GETFIRSTVISIBLELINE, 0, 0), 1);
  }
  // Gone: the chain is left, the platform's 17-pixel bar returns.
  EXPECT_FALSE(memo->InWindowProc(joined));
  EXPECT_EQ(memo->ControlStyle().Bits(), plain.Bits());
  win::RECT c;
  win::GetClientRect(memo->Handle(), &c);
  win::RECT wr;
  win::GetWindowRect(memo->Handle(), &wr);
  EXPECT_EQ(wr.Width() - c.Width(), edges + win::GetSystemMetrics(win::SM_CXVSCROLL));
}

}  // namespace skin::test

namespace skin::test {

TEST_F(ScrollWnd, TwoBarsMeetAtACornerAndAShortWindowShowsNoHorizontalBar) {
  std::u16string text;
  for (int i = 0; i < 40; ++i) text += u"a long line that is much wider than the edit is, line\r\n";
  MakeAdapted(u"Edit", win::WS_VSCROLL | win::WS_HSCROLL | ctl::ES_MULTILINE, 200, 150, text);
  const gfx::TRect v = adapter->BarRect(adapter->sBarVert), h = adapter->BarRect(adapter->sBarHorz);
  ASSERT_TRUE(adapter->sBarHorz.fScrollVisible && adapter->sBarVert.fScrollVisible);
  EXPECT_EQ(h.Height(), win::GetSystemMetrics(win::SM_CYHSCROLL));
  EXPECT_EQ(h, (gfx::TRect{2, 150 - 2 - 17, 200 - 2 - 17, 150 - 2}));
  EXPECT_EQ(v, (gfx::TRect{200 - 2 - 17, 2, 200 - 2, 150 - 2 - 17}));
  EXPECT_EQ(adapter->CornerRect(), (gfx::TRect{v.Left, h.Top, v.Right, h.Bottom}));
  win::RECT wr;
  win::GetWindowRect(edit, &wr);
  EXPECT_EQ(HitTest({wr.Left + 50, wr.Top + h.Top + 5}), win::HTHSCROLL);
  // The corner box is filled with the track's colour.
  const gfx::PixelBuffer shot = win::headless::CaptureWindow(edit);
  const TColor corner = SwapRedBlue(shot.Row32(h.Top + 8)[v.Left + 8]) & 0xFFFFFF;
  const TacSkinData* data = adapter->SkinData->GetCommonSkinData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(corner, data->gd[static_cast<std::size_t>(data->Scrolls[0].SkinIndex)].Props[0].Color);
  // Lower than the horizontal bar is thick (with its frame): no horizontal bar, though
  // the style asks for one.
  win::SetWindowPos(edit, nullptr, 0, 0, 200, 4 + 16, win::SWP_NOMOVE | win::SWP_NOZORDER);
  EXPECT_FALSE(adapter->sBarHorz.fScrollVisible);
  EXPECT_EQ(adapter->sBarHorz.fScrollFlags & sfStyleAsks, sfStyleAsks);
  EXPECT_TRUE(adapter->CornerRect().IsEmpty());
  win::SetWindowPos(edit, nullptr, 0, 0, 200, 4 + 17, win::SWP_NOMOVE | win::SWP_NOZORDER);
  EXPECT_TRUE(adapter->sBarHorz.fScrollVisible);
}

TEST_F(ScrollWnd, AListBoxBarComesAndGoesWithItsItemsAndIsDraggedToItsLastItem) {
  MakeAdapted(u"ListBox", win::WS_VSCROLL, 160, 120, u"");
  EXPECT_FALSE(adapter->sBarVert.fScrollVisible);
  win::RECT c;
  win::GetClientRect(edit, &c);
  EXPECT_EQ(c.Width(), 160 - 4);
  for (int i = 0; i < 300; ++i) {
    const std::u16string item = u"item " + std::u16string(1, static_cast<char16_t>(u'a' + i % 26));
    win::SendMessage(edit, ctl::LB_ADDSTRING, 0, reinterpret_cast<win::LPARAM>(item.c_str()));
  }
  win::RunUntilIdle();
  EXPECT_TRUE(adapter->sBarVert.fScrollVisible);
  win::GetClientRect(edit, &c);
  EXPECT_EQ(c.Width(), 160 - 4 - 17);
  // The refresh after the list changed read the new range.
  EXPECT_EQ(adapter->sBarVert.ScrollInfo.nMax, Info().nMax);
  const TacThumb t = Thumb();
  const gfx::TRect r = adapter->BarRect(adapter->sBarVert);
  win::headless::MouseMove(OnBar(t.Start - r.Top + 2));
  win::headless::MouseDown(OnBar(t.Start - r.Top + 2));
  win::headless::MouseMove(OnBar(BarLength() + 30));
  win::headless::MouseUp(OnBar(BarLength() + 30));
  const win::SCROLLINFO si = Info();
  EXPECT_EQ(win::SendMessage(edit, ctl::LB_GETTOPINDEX, 0, 0), si.nMax - static_cast<int>(si.nPage) + 1);
  win::SendMessage(edit, ctl::LB_RESETCONTENT, 0, 0);
  win::RunUntilIdle();
  EXPECT_FALSE(adapter->sBarVert.fScrollVisible);
}

TEST_F(ScrollWnd, KeysAndTheWheelRefreshTheBar) {
  MakeEdit(200);
  win::SetFocus(edit);
  win::SendMessage(edit, win::WM_KEYDOWN, win::VK_NEXT, 0);
  win::SendMessage(edit, win::WM_KEYDOWN, win::VK_NEXT, 0);
  EXPECT_GT(Info().nPos, 0);
  EXPECT_EQ(adapter->sBarVert.ScrollInfo.nPos, Info().nPos);
  // A scroll request itself is not in the list: the bar reads it when it paints next.
  win::SendMessage(edit, ctl::EM_LINESCROLL, 0, 3);
  EXPECT_NE(adapter->sBarVert.ScrollInfo.nPos, Info().nPos);
  // The wheel is.
  win::RECT wr;
  win::GetWindowRect(edit, &wr);
  const int before = Info().nPos;
  win::headless::Wheel({wr.Left + 40, wr.Top + 40}, -120);
  EXPECT_GT(Info().nPos, before);
  EXPECT_EQ(adapter->sBarVert.ScrollInfo.nPos, Info().nPos);
}

TEST_F(ScrollWnd, ArrowsWithoutAGlyphImageAreDrawnInTheFontColourOfTheirStateElseTheImageIsPut) {
  MakeEdit(200);
  const TacSkinData* data = adapter->SkinData->GetCommonSkinData();
  ASSERT_NE(data, nullptr);
  const TacConstElementData& el = data->ScrollBtns[asBottom];
  ASSERT_GE(el.SkinIndex, 0);
  ASSERT_LT(el.GlyphIndex, 0) << "the stored skin's arrows are drawn";
  const TsGeneralData& g = data->gd[static_cast<std::size_t>(el.SkinIndex)];
  // Pixels of the down arrow's button close to a colour.
  auto near = [this](TColor c) {
    const gfx::PixelBuffer shot = win::headless::CaptureWindow(edit);
    const gfx::TRect r = adapter->BarRect(adapter->sBarVert);
    int n = 0;
    for (int y = r.Bottom - 17; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) {
        const TColor p = SwapRedBlue(shot.Row32(y)[x]);
        const int d = std::abs(static_cast<int>(p & 0xFF) - static_cast<int>(c & 0xFF)) +
                      std::abs(static_cast<int>((p >> 8) & 0xFF) - static_cast<int>((c >> 8) & 0xFF)) +
                      std::abs(static_cast<int>((p >> 16) & 0xFF) - static_cast<int>((c >> 16) & 0xFF));
        n += d <= 24 ? 1 : 0;
      }
    return n;
  };
  const TColor normal = g.Props[0].FontColor.Color, hot = g.Props[1].FontColor.Color;
  ASSERT_NE(normal, hot);
  EXPECT_GE(near(normal), 3);
  EXPECT_EQ(near(hot), 0);
  win::headless::MouseMove(OnBar(BarLength() - 8));
  win::headless::AdvanceTime(20);
  EXPECT_GE(near(hot), 3);
  EXPECT_EQ(near(normal), 0);
  // With a glyph image the picture is put there instead of a drawn arrow.
  TacSkinData* mutableData = adapter->SkinData->GetCommonSkinData();
  int glyph = -1;
  for (std::size_t i = 0; i < mutableData->ma.size() && glyph < 0; ++i) {
    const TsMaskData& md = mutableData->ma[i];
    if (md.ImgType == itisaGlyph && md.Width > 4 && md.Width <= 15 && md.Height > 4 && md.Height <= 15)
      glyph = static_cast<int>(i);
  }
  ASSERT_GE(glyph, 0) << "the stored skin has a small glyph image";
  mutableData->ScrollBtns[asBottom].GlyphIndex = glyph;
  adapter->PaintBars();
  EXPECT_EQ(near(hot), 0);
  const gfx::PixelBuffer withGlyph = win::headless::CaptureWindow(edit);
  mutableData->ScrollBtns[asBottom].GlyphIndex = -1;
  adapter->PaintBars();
  const gfx::PixelBuffer drawn = win::headless::CaptureWindow(edit);
  const gfx::TRect r = adapter->BarRect(adapter->sBarVert);
  int differ = 0;
  for (int y = r.Bottom - 17; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) differ += withGlyph.Row32(y)[x] != drawn.Row32(y)[x] ? 1 : 0;
  EXPECT_GE(differ, 5);
}

TEST_F(ScrollWnd, ADisabledBarIsBlendedWithTheParentsColour) {
  MakeEdit(200);
  const gfx::TRect r = adapter->BarRect(adapter->sBarVert);
  // A point of the track below the thumb, in the middle column.
  const gfx::TPoint at{(r.Left + r.Right) / 2, r.Bottom - 17 - 6};
  const std::uint32_t enabled = win::headless::CaptureWindow(edit).Row32(at.Y)[at.X];
  win::EnableScrollBar(edit, win::SB_VERT, win::ESB_DISABLE_BOTH);
  adapter->RefreshScrolls(true);
  const std::uint32_t disabled = win::headless::CaptureWindow(edit).Row32(at.Y)[at.X];
  const std::uint32_t parent = SwapRedBlue(ColorToRGB(form->Color()));
  for (int shift : {0, 8, 16}) {
    const int d = static_cast<int>((enabled >> shift) & 0xFF), c = static_cast<int>((parent >> shift) & 0xFF);
    EXPECT_EQ(static_cast<int>((disabled >> shift) & 0xFF), (d * 60 + c * (255 - 60)) >> 8) << shift;
  }
}

}  // namespace skin::test

namespace skin::test {

TEST_F(ScrollWnd, EveryRequestIsWrappedInBeforeAndAfterScrollAndAWillingWindowGetsThePositionInLParam) {
  MakeEdit(200);
  const TacThumb t = Thumb();
  const gfx::TRect r = adapter->BarRect(adapter->sBarVert);
  win::headless::MouseMove(OnBar(t.Start - r.Top + 2));
  win::headless::MouseDown(OnBar(t.Start - r.Top + 2));
  win::headless::MouseMove(OnBar(t.Start - r.Top + 40));
  win::headless::MouseUp(OnBar(t.Start - r.Top + 40));
  ASSERT_EQ(Steps().size(), 9u);  // track, position, end: three each
  const win::UINT msg = win::WM_VSCROLL;
  const int codes[3] = {win::SB_THUMBTRACK, win::SB_THUMBPOSITION, win::SB_ENDSCROLL};
  for (int i = 0; i < 3; ++i) {
    const win::LPARAM lp = win::MAKELPARAM(static_cast<unsigned>(codes[i]), msg);
    EXPECT_EQ(Steps()[3 * i].what, scBeforeScroll);
    EXPECT_EQ(Steps()[3 * i].lParam, lp);
    EXPECT_EQ(Steps()[3 * i + 1].what, 1000 + codes[i]);
    EXPECT_EQ(Steps()[3 * i + 1].lParam, 0);
    EXPECT_EQ(Steps()[3 * i + 2].what, scAfterScroll);
    EXPECT_EQ(Steps()[3 * i + 2].lParam, lp);
  }
  // A window that answers 1 gets the position in LParam.
  Steps().clear();
  AnswerBeforeScroll() = true;
  const int before = Info().nPos;
  ASSERT_GT(before, 0);
  const win::POINT down = OnBar(BarLength() - 5);
  win::headless::MouseMove(down);
  win::headless::MouseDown(down);
  win::headless::MouseUp(down);
  ASSERT_GE(Steps().size(), 2u);
  EXPECT_EQ(Steps()[1].what, 1000 + win::SB_LINEDOWN);
  EXPECT_EQ(Steps()[1].lParam, before);
}

}  // namespace skin::test

namespace skin::test {

namespace {

std::vector<std::pair<int, int>>& ProbeRequests() {
  static std::vector<std::pair<int, int>> r;
  return r;
}

// A window of its own class: its bar's range starts at 100; it only records requests.
win::LRESULT ScrollProbeProc(win::HWND h, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
  if (msg == win::WM_VSCROLL) {
    win::SCROLLINFO si;
    si.fMask = win::SIF_TRACKPOS;
    win::GetScrollInfo(h, win::SB_VERT, &si);
    ProbeRequests().emplace_back(win::LOWORD(wParam), si.nTrackPos);
    return 0;
  }
  return win::DefWindowProc(h, msg, wParam, lParam);
}

}  // namespace

TEST_F(ScrollWnd, APlainWindowsRangeOffsetIsAddedToTheDraggedPosition) {
  ProbeRequests().clear();
  win::WNDCLASSEX wc;
  wc.lpfnWndProc = &ScrollProbeProc;
  wc.lpszClassName = u"ScrollProbe";
  win::RegisterClassEx(wc);
  edit = win::CreateWindowEx(0, u"ScrollProbe", u"", win::WS_CHILD | win::WS_VISIBLE | win::WS_VSCROLL, 10, 10, 120,
                             200, form->Handle(), nullptr, nullptr, nullptr);
  ASSERT_NE(edit, nullptr);
  win::SCROLLINFO si;
  si.fMask = win::SIF_RANGE | win::SIF_PAGE | win::SIF_POS;
  si.nMin = 100;
  si.nMax = 1100;
  si.nPage = 100;
  si.nPos = 100;
  win::SetScrollInfo(edit, win::SB_VERT, &si, win::TRUE);
  TacSkinParams params;
  params.SkinSection = u"EDIT";
  auto plain = std::make_unique<TacScrollWnd>(edit, params, manager, nullptr);
  win::RunUntilIdle();
  const gfx::TRect r = plain->BarRect(plain->sBarVert);
  EXPECT_EQ(r, (gfx::TRect{120 - 17, 0, 120, 200}));
  EXPECT_TRUE(plain->CanPaintBars());
  win::RECT wr;
  win::GetWindowRect(edit, &wr);
  const TacThumb t = ThumbGeometry(si, 16, 0, 200, 17);
  // 100 of 1001 over a track of 166: 17 pixels.
  EXPECT_EQ(t.Length, 17);
  const win::POINT grab{wr.Left + r.Left + 8, wr.Top + t.Start + 4};
  win::headless::MouseMove(grab);
  win::headless::MouseDown(grab);
  win::headless::MouseMove({grab.X, grab.Y + 300});
  win::headless::MouseUp({grab.X, grab.Y + 300});
  ASSERT_EQ(ProbeRequests().size(), 3u);
  EXPECT_EQ(ProbeRequests()[0], std::make_pair(int{win::SB_THUMBTRACK}, 1000 - 100 + 2 + 100));
  EXPECT_EQ(ProbeRequests()[1], std::make_pair(int{win::SB_THUMBPOSITION}, 1002));
  EXPECT_EQ(ProbeRequests()[2].first, win::SB_ENDSCROLL);
  // The window's own position followed the thumb, limited to its last position.
  EXPECT_EQ(win::GetScrollPos(edit, win::SB_VERT), 1001);
  plain.reset();
  win::DestroyWindow(edit);
  edit = nullptr;
}

}  // namespace skin::test

namespace skin::test {

TEST_F(ScrollWnd, AnAdapterWithItsOwnStateFollowsSkinChanges) {
  MakeEdit(60);
  const int index = adapter->SkinData->SkinIndex;
  ASSERT_GE(index, 0);
  SendSkinCommand(edit, scRemoveSkin, 0);
  EXPECT_EQ(adapter->SkinData->SkinIndex, -1);
  EXPECT_FALSE(adapter->CanPaintBars());
  // Unskinned, the window paints its own frame and bars.
  win::RedrawWindow(edit, nullptr, nullptr, win::RDW_FRAME | win::RDW_INVALIDATE | win::RDW_UPDATENOW);
  SendSkinCommand(edit, scNewSkin, 0);
  EXPECT_EQ(adapter->SkinData->SkinIndex, index);
  EXPECT_TRUE(adapter->CanPaintBars());
}

}  // namespace skin::test

namespace skin::test {

TEST_F(ScrollWnd, TheEditsFrameIsItsSectionsFrame) {
  MakeEdit(60);
  const TacSkinData* data = adapter->SkinData->GetCommonSkinData();
  ASSERT_NE(data, nullptr);
  // The section painted over the form's colour, as the frame sees it.
  Bitmap32 expected(200, 150);
  TacBgInfo bg;
  bg.FillColor = ColorToRGB(form->Color());
  PaintSection(adapter->SkinData->SkinIndex, bg, -1, -1, data, &expected, {10, 10}, {0, 0, 200, 150}, 0);
  const gfx::PixelBuffer shot = win::headless::CaptureWindow(edit);
  int checked = 0, same = 0;
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 200; ++x) {
      const bool frame = x < adapter->cxLeftEdge || x >= 200 - adapter->cxRightEdge || y < adapter->cyTopEdge ||
                         y >= 150 - adapter->cyBottomEdge;
      if (!frame) continue;
      ++checked;
      same += (shot.Row32(y)[x] & 0xFFFFFF) == (expected.Pixel(x, y) & 0xFFFFFF) ? 1 : 0;
    }
  EXPECT_GT(checked, 600);
  EXPECT_EQ(same, checked);
}

}  // namespace skin::test
