// The skinned memo with window skinning on: its adapter (frame and skinned scroll bars) is
// made once the memo's window exists, follows its text, and goes with the window, with the
// skin and with the memo, in whichever order they go, also while a message that passed
// through the adapter is running and while paints are pending.
#include <gtest/gtest.h>

#include <string>

#include "platform/gfx/Color.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/win/Headless.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/ScrollApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acEditAdapter.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sMemo.h"
#include "skin/data/acSkinCommands.h"
#include "skin/data/sSkinManager.h"
#include "skin/windows/acMainWnd.h"
#include "skin/windows/acScrollWnd.h"
#include "tests/skin/windows/SkinProviderTestSupport.h"

namespace skin::test {

namespace {

std::u16string Lines(int n) {
  std::u16string text;
  for (int i = 0; i < n; ++i) text += u"https://www.example.com/page-" + std::u16string(1, u'a' + i % 26) + u"\r\n";
  return text;
}

}  // namespace

class SkinnedMemo : public SkinnedForms {
 protected:
  TsMemo* MakeMemo() {
    auto* m = new TsMemo(main);
    m->SetBounds(2, 18, 300, 200);
    m->SetScrollBars(forms::TScrollStyle::ssVertical);
    m->SetParent(main);
    m->HandleNeeded();
    win::RunUntilIdle();
    return m;
  }
  static bool HasSkinnedBars(win::HWND h) { return win::GetProp(h, acScrollWndProp) != nullptr; }
  static bool HasSkinnedBars(TsMemo* m) { return HasSkinnedBars(m->Handle()); }
  // Leaves paint and frame requests pending on the window.
  static void LeavePaintPending(TsMemo* m) {
    win::InvalidateRect(m->Handle(), nullptr, true);
    win::RedrawWindow(m->Handle(), nullptr, nullptr, win::RDW_FRAME | win::RDW_INVALIDATE);
  }
};

TEST_F(SkinnedMemo, GetsItsSkinnedBarsWhenItsWindowExistsAndTheyFollowItsText) {
  TsMemo* memo = MakeMemo();
  ASSERT_NE(memo->ListSW(), nullptr);
  EXPECT_TRUE(HasSkinnedBars(memo));
  TacScrollWnd* bars = TacScrollWnd::ScrollWndOf(memo->Handle());
  ASSERT_NE(bars, nullptr);
  memo->SetText(Lines(500));
  win::RunUntilIdle();
  EXPECT_GT(bars->sBarVert.ScrollInfo.nMax, 400) << "the bar did not hear of the new text";
  memo->Lines()->Clear();
  win::RunUntilIdle();
  EXPECT_LT(bars->sBarVert.ScrollInfo.nMax, 5);
  memo->Free();
}

// A batch of lines (redrawing switched off, as the program's fetch does) paints no bar
// while it runs; when it ends the bar shows the whole new text.
TEST_F(SkinnedMemo, ABatchOfLinesLeavesTheBarAloneUntilItEnds) {
  TsMemo* memo = MakeMemo();
  TacScrollWnd* bars = TacScrollWnd::ScrollWndOf(memo->Handle());
  ASSERT_NE(bars, nullptr);
  const gfx::PixelBuffer before = win::headless::CaptureWindow(memo->Handle());
  memo->Lines()->BeginUpdate();
  for (int i = 0; i < 300; ++i) memo->Lines()->Add(u"https://www.example.com/" + std::u16string(1, u'a' + i % 26));
  EXPECT_EQ(win::headless::CaptureWindow(memo->Handle()).Row32(100)[300 - 10], before.Row32(100)[300 - 10])
      << "the bar was painted during the batch";
  memo->Lines()->EndUpdate();
  win::RunUntilIdle();
  win::SCROLLINFO si;
  si.fMask = win::SIF_ALL;
  ASSERT_TRUE(win::GetScrollInfo(memo->Handle(), win::SB_VERT, &si));
  EXPECT_GT(si.nMax, 250);
  EXPECT_EQ(bars->sBarVert.ScrollInfo.nMax, si.nMax);
  EXPECT_EQ(bars->sBarVert.ScrollInfo.nPage, si.nPage);
  memo->Free();
}

// A memo freed with paints pending: the window, its adapter and the skin state go, and the
// pending paint reaches nobody.
TEST_F(SkinnedMemo, FreedWithAPendingPaint) {
  TsMemo* memo = MakeMemo();
  memo->SetText(Lines(50));
  const win::HWND h = memo->Handle();
  LeavePaintPending(memo);
  memo->Free();
  EXPECT_FALSE(win::IsWindow(h));
  win::RunUntilIdle();
  main->Repaint();
  win::RunUntilIdle();
}

// The window destroyed under the memo (by the window system, not by the memo): the adapter
// goes with it, and the memo's next window gets a new one.
TEST_F(SkinnedMemo, TheWindowGoesBeforeTheAdapter) {
  TsMemo* memo = MakeMemo();
  memo->SetText(Lines(80));
  const win::HWND first = memo->Handle();
  LeavePaintPending(memo);
  win::DestroyWindow(first);
  EXPECT_EQ(memo->ListSW(), nullptr) << "the adapter outlived its window";
  EXPECT_FALSE(memo->HandleAllocated());
  win::RunUntilIdle();
  memo->HandleNeeded();
  win::RunUntilIdle();
  EXPECT_NE(memo->ListSW(), nullptr);
  EXPECT_TRUE(HasSkinnedBars(memo));
  memo->Free();
  win::RunUntilIdle();
}

// The skin goes and comes back: the skin removal reaches the memo through its adapter, and
// the memo frees the adapter in answer to it. The adapter lets go of the window in the
// middle of that message and is deleted when the message is done with it; the window is
// made again with the platform's bar, and the returning skin brings a new adapter.
TEST_F(SkinnedMemo, FollowsTheManagerOffAndOnAgainWithPaintsPending) {
  TsMemo* memo = MakeMemo();
  memo->SetText(Lines(500));
  win::RunUntilIdle();
  for (int round = 0; round < 2; ++round) {
    const win::HWND before = memo->Handle();
    LeavePaintPending(memo);
    manager->SetActive(false);
    EXPECT_EQ(memo->ListSW(), nullptr) << round;
    EXPECT_FALSE(win::IsWindow(before)) << round << ": the window was not made again";
    EXPECT_FALSE(HasSkinnedBars(memo)) << round;
    EXPECT_EQ(TacMainWnd::AdapterOf(memo->Handle()), nullptr) << round;
    // The platform reserves its own bar again.
    EXPECT_NE(win::GetWindowLongPtr(memo->Handle(), win::GWL_STYLE) & win::WS_VSCROLL, 0) << round;
    win::RunUntilIdle();
    LeavePaintPending(memo);
    manager->SetActive(true);
    win::RunUntilIdle();
    EXPECT_NE(memo->ListSW(), nullptr) << round;
    EXPECT_TRUE(HasSkinnedBars(memo)) << round;
  }
  EXPECT_EQ(memo->Lines()->Count(), 500);
  LeavePaintPending(memo);
  memo->Free();
  win::RunUntilIdle();
}

// The form that owns the memo goes with everything on it, while paints are pending.
TEST_F(SkinnedMemo, GoesWithItsForm) {
  forms::TForm* f = MakeForm(forms::TFormBorderStyle::bsSizeable, 400, 300);
  auto* memo = new TsMemo(f);
  memo->SetBounds(4, 4, 300, 200);
  memo->SetScrollBars(forms::TScrollStyle::ssVertical);
  memo->SetParent(f);
  memo->SetText(Lines(120));
  win::RunUntilIdle();
  ASSERT_NE(memo->ListSW(), nullptr);
  LeavePaintPending(memo);
  f->Free();
  win::RunUntilIdle();
}

// An adapter released while one of its messages runs is deleted when the message returns,
// not before (the sanitizers watch the rest of the message) and not never.
TEST_F(SkinnedMemo, AnAdapterReleasedInsideItsOwnMessageIsDeletedWhenTheMessageReturns) {
  TsMemo* memo = MakeMemo();
  bool released = false;
  memo->OnVScroll = [&](forms::TObject*) {
    if (released) return;
    released = true;
    // The skin goes in the middle of a request that passed through the adapter.
    manager->SetActive(false);
  };
  memo->SetText(Lines(300));
  win::RunUntilIdle();
  ASSERT_TRUE(HasSkinnedBars(memo));
  win::SendMessage(memo->Handle(), win::WM_VSCROLL, win::SB_PAGEDOWN, 0);
  EXPECT_TRUE(released);
  EXPECT_EQ(memo->ListSW(), nullptr);
  EXPECT_FALSE(HasSkinnedBars(memo));
  win::RunUntilIdle();
  memo->Free();
}

}  // namespace skin::test
