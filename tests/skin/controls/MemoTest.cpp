// The skinned memo on a headless form with the program's skin: the section's colours in
// the text area, focused colours and the colours a custom colour returns to, the adapter
// seam, the skin going away, clearing, Ctrl+A, and a screenshot with a list.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/base/NumberText.h"
#include "platform/ctl/EditApi.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acEditAdapter.h"
#include "tests/skin/controls/EditTestSupport.h"

namespace skin::test {

namespace {

// An adapter that counts what the memo tells it.
struct CountingAdapter : TacEditAdapter {
  static inline int made = 0, alive = 0, textChanges = 0;
  CountingAdapter() {
    ++made;
    ++alive;
  }
  ~CountingAdapter() override { --alive; }
  void TextChanged() override { ++textChanges; }
  void Repaint() override {}
};

std::unique_ptr<TacEditAdapter> MakeCounting(forms::TWinControl&, TsScrollWndData&) {
  return std::make_unique<CountingAdapter>();
}

}  // namespace

class SkinnedMemo : public EditFixture {
 public:
  void TearDown() override {
    RegisterEditAdapterMaker(nullptr);
    EditFixture::TearDown();
  }
  // Gives EDIT's focused record its own colours (the stored skin has one state).
  void GiveEditAFocusedState(TColor color, TColor font) {
    for (auto& data : manager->SkinDataArray) {
      if (!data) continue;
      TsGeneralData& g = data->gd[static_cast<std::size_t>(manager->GetSkinIndex(u"EDIT"))];
      g.Props[1].Color = color;
      g.Props[1].FontColor.Color = font;
    }
  }
  // A platform memo and a skinned one side by side, both with a vertical scroll bar.
  std::pair<forms::TMemo*, TsMemo*> PlainAndSkinned() {
    auto* plain = new forms::TMemo(form);
    plain->SetBounds(320, 10, 150, 120);
    plain->SetScrollBars(forms::TScrollStyle::ssVertical);
    plain->SetParent(panel);
    TsMemo* m = Memo(10, 10, 150, 120);
    m->SetScrollBars(forms::TScrollStyle::ssVertical);
    return {plain, m};
  }
  void Focus(forms::TWinControl* c) {
    win::SetFocus(c->Handle());
    win::RunUntilIdle();
    Shot(c);
  }
};

TEST_F(SkinnedMemo, ThePlatformPaintsTheTextInTheSectionsColours) {
  TsMemo* m = Memo(10, 10, 300, 120);
  m->Lines()->Add(u"first");
  const TsGeneralData& g = EditSection();
  EXPECT_EQ(m->Color(), g.Props[0].Color);
  EXPECT_EQ(m->Font()->Color(), g.Props[0].FontColor.Color);
  const gfx::PixelBuffer p = Shot(m);
  EXPECT_EQ(p.Row32(60)[150], OpaquePx(g.Props[0].Color));
  EXPECT_TRUE(HasPixel(p, {2, 2, 120, 20}, OpaquePx(g.Props[0].FontColor.Color)));
  EXPECT_EQ(SendSkinCommand(m->Handle(), scGetDefaultIndex, 0), manager->GetSkinIndex(u"EDIT") + 1);
  EXPECT_EQ(SendSkinCommand(m->Handle(), scIsSkinned, 0), 1);
  EXPECT_EQ(SendSkinCommand(m->Handle(), scGetDefaultKind, 0), 1);
}

TEST_F(SkinnedMemo, FocusTakesTheSecondRecordEvenOfAOneStateSection) {
  GiveEditAFocusedState(0x00E0FF, 0x800000);
  TsMemo* m = Memo(10, 10, 300, 120);
  Focus(m);
  EXPECT_EQ(m->Color(), 0x00E0FF);
  EXPECT_EQ(m->Font()->Color(), 0x800000);
  win::SetFocus(form->Handle());
  win::RunUntilIdle();
  Shot(m);
  EXPECT_EQ(m->Color(), EditSection().Props[0].Color);
}

// A user's colour saved when CustomColor was switched off comes back when it is switched on
// again, however often the state colours changed in between.
TEST_F(SkinnedMemo, StateColoursLeaveTheUsersSavedColours) {
  GiveEditAFocusedState(0x00E0FF, 0x800000);
  TsMemo* m = Memo(10, 10, 300, 120);
  m->SkinData()->SetCustomColor(true);
  m->SkinData()->SetCustomFont(true);
  m->SetColor(0x2040A0);
  m->Font()->SetColor(0x10E010);
  m->SkinData()->SetCustomColor(false);
  m->SkinData()->SetCustomFont(false);
  Focus(m);
  win::SetFocus(form->Handle());
  win::RunUntilIdle();
  Shot(m);
  m->SkinData()->SetCustomColor(true);
  m->SkinData()->SetCustomFont(true);
  EXPECT_EQ(m->Color(), 0x2040A0);
  EXPECT_EQ(m->Font()->Color(), 0x10E010);
}

TEST_F(SkinnedMemo, WithoutAnAdapterTheFrameComesFromTheSection) {
  auto [plain, m] = PlainAndSkinned();
  EXPECT_EQ(m->ListSW(), nullptr);
  plain->HandleNeeded();
  const gfx::PixelBuffer classic = Shot(plain), skinned = Shot(m);
  EXPECT_NE(skinned.Row32(60)[0], classic.Row32(60)[0]) << "the frame is the platform's";
  // The scroll bar inside the frame stays the platform's.
  EXPECT_EQ(skinned.Row32(60)[150 - 2 - 8], classic.Row32(60)[150 - 2 - 8]);
}

TEST_F(SkinnedMemo, RemovingTheSkinRemakesTheWindowWithThePlatformsFrameAndBar) {
  RegisterEditAdapterMaker(&MakeCounting);
  CountingAdapter::made = CountingAdapter::alive = 0;
  auto [plain, m] = PlainAndSkinned();
  m->Lines()->Add(u"kept");
  ASSERT_NE(m->ListSW(), nullptr);
  const win::HWND before = m->Handle();
  // The manager goes inactive; without form skinning the command is handed on here.
  manager->SetActive(false);
  SendSkinCommand(before, scRemoveSkin, reinterpret_cast<win::LPARAM>(manager));
  win::RunUntilIdle();
  EXPECT_EQ(m->ListSW(), nullptr);
  EXPECT_EQ(CountingAdapter::alive, 0);
  EXPECT_NE(m->Handle(), before) << "the window was not made again";
  EXPECT_EQ(m->Lines()->Text(), u"kept\r\n");
  EXPECT_EQ(m->Color(), forms::clWindow);
  plain->Lines()->Add(u"kept");
  const gfx::PixelBuffer removed = Shot(m), classic = Shot(plain);
  for (int y : {0, 1, 60, 118, 119})
    for (int x : {0, 1, 5, 140, 148, 149}) EXPECT_EQ(removed.Row32(y)[x], classic.Row32(y)[x]) << x << "," << y;
}

TEST_F(SkinnedMemo, TheAdapterIsMadeWhileSkinnedAndHearsOfTextChanges) {
  RegisterEditAdapterMaker(&MakeCounting);
  CountingAdapter::made = CountingAdapter::alive = CountingAdapter::textChanges = 0;
  TsMemo* m = Memo(10, 10, 150, 120);
  EXPECT_EQ(CountingAdapter::alive, 1);
  m->Lines()->Add(u"a");
  m->Lines()->Add(u"b");
  EXPECT_GE(CountingAdapter::textChanges, 2);
  SendSkinCommand(m->Handle(), scRefresh, reinterpret_cast<win::LPARAM>(manager));
  EXPECT_EQ(CountingAdapter::made, 1) << "a second adapter for the same window";
  m->Free();
  EXPECT_EQ(CountingAdapter::alive, 0);
}

// The list's count follows every clearing: an empty list cleared again still tells.
TEST_F(SkinnedMemo, EveryClearingTellsOfAChange) {
  TsMemo* m = Memo(10, 10, 150, 120);
  int changes = 0;
  m->OnChange = [&changes](forms::TObject*) { ++changes; };
  m->Lines()->Clear();
  EXPECT_EQ(changes, 1);
  m->Lines()->Add(u"x");
  const int afterAdd = changes;
  EXPECT_GT(afterAdd, 1);
  m->Lines()->Clear();
  EXPECT_EQ(changes, afterAdd + 1);
  m->Lines()->Clear();
  EXPECT_EQ(changes, afterAdd + 2);
}

TEST_F(SkinnedMemo, ScrollingAndCaretScrollsAreTold) {
  TsMemo* m = Memo(10, 10, 150, 60);
  m->SetScrollBars(forms::TScrollStyle::ssVertical);
  for (int i = 0; i < 30; ++i) m->Lines()->Add(u"line");
  int scrolls = 0, carets = 0;
  m->OnVScroll = [&scrolls](forms::TObject*) { ++scrolls; };
  m->OnScrollCaret = [&carets](forms::TObject*) { ++carets; };
  win::SendMessage(m->Handle(), win::WM_VSCROLL, win::SB_PAGEDOWN, 0);
  win::SendMessage(m->Handle(), ctl::EM_SCROLLCARET, 0, 0);
  EXPECT_EQ(scrolls, 1);
  EXPECT_EQ(carets, 1);
}

TEST_F(SkinnedMemo, CtrlASelectsEverythingAndTypesNothing) {
  TsMemo* m = Memo(10, 10, 150, 120);
  m->Lines()->Add(u"one");
  m->Lines()->Add(u"two");
  win::SetFocus(m->Handle());
  m->SetSelStart(2);
  win::SendMessage(m->Handle(), win::WM_CHAR, 0x01, 0);
  EXPECT_EQ(m->SelStart(), 0);
  EXPECT_EQ(m->SelLength(), static_cast<int>(m->GetText().size()));
  EXPECT_EQ(m->GetText(), u"one\r\ntwo\r\n");
}

// A list of 200 addresses scrolled to its middle, focused, with a selection.
void MakeListBoard(SkinnedMemo& t) {
  TsMemo* m = t.Memo(8, 8, 500, 320);
  m->SetScrollBars(forms::TScrollStyle::ssVertical);
  m->SetWordWrap(false);
  m->Lines()->BeginUpdate();
  for (int i = 0; i < 200; ++i) m->Lines()->Add(u"https://www.example.org/page-" + base::IntToText(i) + u".html");
  m->Lines()->EndUpdate();
  win::SetFocus(m->Handle());
  const auto from = win::SendMessage(m->Handle(), ctl::EM_LINEINDEX, 100, 0);
  const auto to = win::SendMessage(m->Handle(), ctl::EM_LINEINDEX, 103, 0);
  win::SendMessage(m->Handle(), ctl::EM_SETSEL, static_cast<win::WPARAM>(from), to);
  win::SendMessage(m->Handle(), win::WM_VSCROLL, win::SB_TOP, 0);
  win::SendMessage(m->Handle(), ctl::EM_LINESCROLL, 0, 90);
}

TEST_F(SkinnedMemo, ScreenshotOfAList) {
  MakeListBoard(*this);
  RedrawAll();
  EXPECT_TRUE(win::headless::SaveWindowShot(form->Handle(), BuildPath("skin-controls-memo.png")));
}

class SkinnedMemo144 : public SkinnedMemo {
 protected:
  int ScreenDpi() const override { return 144; }
};

TEST_F(SkinnedMemo144, ScreenshotOfAList) {
  MakeListBoard(*this);
  RedrawAll();
  EXPECT_TRUE(win::headless::SaveWindowShot(form->Handle(), BuildPath("skin-controls-memo-144.png")));
}

}  // namespace skin::test
