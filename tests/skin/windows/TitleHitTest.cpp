// The frame's hit test, the glyph choice of the title buttons and the decision order of
// automatic skinning, as pure rules.
#include <gtest/gtest.h>

#include "platform/win/HitCodes.h"
#include "skin/windows/acDials.h"
#include "skin/windows/acTitleButtons.h"

namespace skin {

namespace {

// The main window at 670 x 585 with its one close button and its icon.
TacTitleHitFacts MainFacts() {
  TacTitleHitFacts f;
  f.Menu.SystemMenu = true;
  f.Menu.Style = 2;
  f.Menu.HasPlatformMenu = f.Menu.PlatformHasClose = true;
  f.Close = {632, 5, 662, 26};
  f.Icon = {8, 7, 24, 23};
  f.Width = 670;
  f.Height = 585;
  f.FrameWidth = 8;
  f.SystemCaptionHeight = 23;
  f.CaptionHeight = 23;
  f.SizingBorder = true;
  return f;
}

}  // namespace

TEST(TitleHitTest, ElementsOfTheMainWindow) {
  const TacTitleHitFacts f = MainFacts();
  EXPECT_EQ(TitleHitTest(f, {640, 15}), win::HTCLOSE);
  EXPECT_EQ(TitleHitTest(f, {632, 5}), win::HTCLOSE);
  EXPECT_EQ(TitleHitTest(f, {662, 15}), win::HTRIGHT);  // right of the button: the frame
  EXPECT_EQ(TitleHitTest(f, {300, 15}), win::HTCAPTION);
  EXPECT_EQ(TitleHitTest(f, {10, 10}), win::HTSYSMENU);
  EXPECT_EQ(TitleHitTest(f, {300, 3}), win::HTTOP);
  EXPECT_EQ(TitleHitTest(f, {3, 3}), win::HTTOPLEFT);
  EXPECT_EQ(TitleHitTest(f, {668, 2}), win::HTTOPRIGHT);
  EXPECT_EQ(TitleHitTest(f, {3, 300}), win::HTLEFT);
  EXPECT_EQ(TitleHitTest(f, {667, 300}), win::HTRIGHT);
  EXPECT_EQ(TitleHitTest(f, {300, 580}), win::HTBOTTOM);
  EXPECT_EQ(TitleHitTest(f, {2, 583}), win::HTBOTTOMLEFT);
  EXPECT_EQ(TitleHitTest(f, {669, 584}), win::HTBOTTOMRIGHT);
  EXPECT_EQ(TitleHitTest(f, {300, 300}), win::HTCLIENT);
  EXPECT_EQ(TitleHitTest(f, {300, 30}), win::HTCAPTION);
  EXPECT_EQ(TitleHitTest(f, {300, 31}), win::HTCLIENT);  // the caption ends at 8 + 23
}

TEST(TitleHitTest, DisabledOrMissingButtonsDragLikeTheCaption) {
  TacTitleHitFacts f = MainFacts();
  f.Menu.PlatformCloseGreyed = true;
  EXPECT_EQ(TitleHitTest(f, {640, 15}), win::HTCAPTION);
  f = MainFacts();
  f.Menu.SystemMenu = false;
  f.Icon = {};
  EXPECT_EQ(TitleHitTest(f, {640, 15}), win::HTCAPTION);
  EXPECT_EQ(TitleHitTest(f, {10, 10}), win::HTCAPTION);
  // Maximized: no sizing borders, the frame rows are caption.
  f = MainFacts();
  f.Menu.Maximized = true;
  EXPECT_EQ(TitleHitTest(f, {300, 3}), win::HTCAPTION);
  // A fixed frame has no border codes of its own: below the caption the platform decides.
  f = MainFacts();
  f.SizingBorder = false;
  EXPECT_EQ(TitleHitTest(f, {1, 300}), win::HTCLIENT);
}

TEST(TitleHitTest, WhichCodesTheProviderAnswers) {
  for (int c : {win::HTSYSMENU, win::HTMINBUTTON, win::HTMAXBUTTON, win::HTCLOSE, win::HTHELP, 1000, 2000, 101})
    EXPECT_TRUE(AnsweredByProvider(c)) << c;
  for (int c : {win::HTNOWHERE, win::HTCLIENT, win::HTCAPTION, win::HTMENU, win::HTLEFT, win::HTBOTTOMRIGHT})
    EXPECT_FALSE(AnsweredByProvider(c)) << c;
  EXPECT_TRUE(HotTitleCode(win::HTCLOSE));
  EXPECT_FALSE(HotTitleCode(win::HTCAPTION));
  EXPECT_FALSE(HotTitleCode(win::HTSYSMENU));
}

TEST(TitleGlyphs, CloseAloneOnlyWithoutMinimizeOrMaximize) {
  TacMenuFacts f;
  f.SystemMenu = true;
  f.Style = 2;
  TacButtonGlyphs g = ButtonGlyphTypes(true, f, true);
  EXPECT_EQ(g.Close, tgCloseAlone);
  EXPECT_TRUE(g.HaveAlignment);
  f.MaximizeIcon = true;
  g = ButtonGlyphTypes(true, f, true);
  EXPECT_EQ(g.Close, tgClose);
  EXPECT_EQ(g.Max, tgMax);
  f.Maximized = true;
  EXPECT_EQ(ButtonGlyphTypes(true, f, true).Max, tgNorm);
  f.Maximized = false;
  f.Minimized = true;
  EXPECT_EQ(ButtonGlyphTypes(true, f, true).Min, tgMin);    // the main form
  EXPECT_EQ(ButtonGlyphTypes(true, f, false).Min, tgNorm);  // another form
  g = ButtonGlyphTypes(false, f, false);
  EXPECT_EQ(g.Close, tgSmallClose);
  EXPECT_FALSE(g.HaveAlignment);
}

namespace {

TacAttachFacts AFormActivated(std::intptr_t tag, const std::u16string& cls = u"TForm1") {
  TacAttachFacts f;
  f.ManagerActive = true;
  f.IsForm = true;
  f.Tag = tag;
  f.ClassName = cls;
  return f;
}

TacAttachFacts ADialogCreated(int visibleDialogs, bool toolbar) {
  TacAttachFacts f;
  f.ManagerActive = true;
  f.ClassName = u"#32770";
  f.VisibleSkinnedDialogs = visibleDialogs;
  f.HasToolBar = toolbar;
  return f;
}

}  // namespace

TEST(AttachDecision, TagsAndExcludedClasses) {
  EXPECT_EQ(DecideAttach(AFormActivated(255)), TacAttachResult::AttachForm);
  EXPECT_EQ(DecideAttach(AFormActivated(256)), TacAttachResult::Handled);
  EXPECT_EQ(DecideAttach(AFormActivated(257)), TacAttachResult::Handled);
  EXPECT_EQ(DecideAttach(AFormActivated(512)), TacAttachResult::AttachForm);
  EXPECT_EQ(DecideAttach(AFormActivated(0, u"TcxGridFilterPopup")), TacAttachResult::NotHandled);
  EXPECT_EQ(DecideAttach(AFormActivated(0, u"tcxgridfilterpopup")), TacAttachResult::AttachForm);
  TacAttachFacts f = AFormActivated(0);
  f.AlreadySkinned = true;
  EXPECT_EQ(DecideAttach(f), TacAttachResult::NotHandled);
  f = AFormActivated(0);
  f.ManagerActive = false;
  EXPECT_EQ(DecideAttach(f), TacAttachResult::NotHandled);
  f = AFormActivated(0);
  f.BorderlessPopup = true;
  EXPECT_EQ(DecideAttach(f), TacAttachResult::NotHandled);
}

TEST(AttachDecision, SkinningRulesSplitFormsAndMessageBoxes) {
  TacAttachFacts form = AFormActivated(0);
  TacAttachFacts box = AFormActivated(0, u"TMessageForm");
  form.StdDialogs = box.StdDialogs = false;  // [srStdForms]
  EXPECT_EQ(DecideAttach(form), TacAttachResult::AttachForm);
  EXPECT_EQ(DecideAttach(box), TacAttachResult::NotHandled);
  form.StdDialogs = box.StdDialogs = true;
  form.StdForms = box.StdForms = false;  // [srStdDialogs]
  EXPECT_EQ(DecideAttach(form), TacAttachResult::NotHandled);
  EXPECT_EQ(DecideAttach(box), TacAttachResult::AttachForm);
  // A skin's own warning box is shown with dialog skinning suspended.
  box.DialogSkinningSuspended = true;
  EXPECT_EQ(DecideAttach(box), TacAttachResult::NotHandled);
  TacAttachFacts dialog = ADialogCreated(0, false);
  dialog.DialogSkinningSuspended = true;
  EXPECT_EQ(DecideAttach(dialog), TacAttachResult::NotHandled);
}

TEST(AttachDecision, StandardDialogsAndTheThirdOne) {
  EXPECT_EQ(DecideAttach(ADialogCreated(0, false)), TacAttachResult::AttachDialog);
  EXPECT_EQ(DecideAttach(ADialogCreated(1, false)), TacAttachResult::AttachDialog);
  EXPECT_EQ(DecideAttach(ADialogCreated(2, false)), TacAttachResult::Handled);
  EXPECT_EQ(DecideAttach(ADialogCreated(2, true)), TacAttachResult::AttachDialog);
  TacAttachFacts f = ADialogCreated(0, false);
  f.HasParent = true;
  EXPECT_EQ(DecideAttach(f), TacAttachResult::Handled);
  f = ADialogCreated(0, false);
  f.ClassName = u"SomeWindow";
  EXPECT_EQ(DecideAttach(f), TacAttachResult::Handled);
  f = ADialogCreated(0, false);
  f.StdDialogs = false;
  EXPECT_EQ(DecideAttach(f), TacAttachResult::NotHandled);
  f = ADialogCreated(0, false);
  f.Vetoed = true;
  EXPECT_EQ(DecideAttach(f), TacAttachResult::Handled);
}

}  // namespace skin
