// The "Button" control: clicks by mouse and keyboard, the check and radio kinds, the
// BM_ messages, owner drawing and the classic default look.
#include "CtlTestSupport.h"

namespace ctltest {
namespace {

using namespace ctl;

class ButtonTest : public CtlTest {
 protected:
  HWND Button(const std::u16string& text, DWORD style, int x = 10, int y = 10, int id = 200) {
    return Make(WC_BUTTON, text, style | WS_TABSTOP, x, y, 90, 23, id);
  }
  static POINT Centre(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  static LRESULT State(HWND h) { return SendMessage(h, BM_GETSTATE, 0, 0); }
  static LRESULT Check(HWND h) { return SendMessage(h, BM_GETCHECK, 0, 0); }
};

TEST_F(ButtonTest, ClickNeedsPressAndReleaseInside) {
  HWND b = Button(u"OK", BS_PUSHBUTTON);
  POINT c = Centre(b);
  headless::MouseMove(c);
  headless::MouseDown(c);
  EXPECT_TRUE(State(b) & BST_PUSHED);
  EXPECT_EQ(GetFocus(), b);
  headless::MouseMove({c.X + 200, c.Y});  // dragged off: shown up again
  EXPECT_FALSE(State(b) & BST_PUSHED);
  headless::MouseUp({c.X + 200, c.Y});
  EXPECT_EQ(CountNotices(BN_CLICKED), 0);
  headless::Screen().Advance(1000);
  headless::Click(c);
  EXPECT_EQ(CountNotices(BN_CLICKED), 1);
  EXPECT_EQ(Notices().back().from, b);
  EXPECT_EQ(Notices().back().id, 200);
}

TEST_F(ButtonTest, SpaceClicksOnRelease) {
  HWND b = Button(u"OK", BS_PUSHBUTTON);
  SetFocus(b);
  headless::KeyDown(VK_SPACE);
  EXPECT_TRUE(State(b) & BST_PUSHED);
  EXPECT_EQ(CountNotices(BN_CLICKED), 0);
  headless::KeyUp(VK_SPACE);
  EXPECT_EQ(CountNotices(BN_CLICKED), 1);
  EXPECT_EQ(State(b) & BST_FOCUS, BST_FOCUS);
}

TEST_F(ButtonTest, DisabledButtonsTakeNoClicks) {
  HWND b = Button(u"OK", BS_PUSHBUTTON | WS_DISABLED);
  headless::Click(Centre(b));
  SendMessage(b, BM_CLICK, 0, 0);
  EXPECT_EQ(CountNotices(BN_CLICKED), 0);
  EnableWindow(b, TRUE);
  SendMessage(b, BM_CLICK, 0, 0);
  EXPECT_EQ(CountNotices(BN_CLICKED), 1);
}

TEST_F(ButtonTest, CheckBoxKinds) {
  HWND autoBox = Button(u"&Auto", BS_AUTOCHECKBOX, 10, 10, 201);
  HWND plain = Button(u"&Plain", BS_CHECKBOX, 10, 40, 202);
  HWND three = Button(u"&Three", BS_AUTO3STATE, 10, 70, 203);
  SendMessage(autoBox, BM_CLICK, 0, 0);
  EXPECT_EQ(Check(autoBox), BST_CHECKED);
  SendMessage(autoBox, BM_CLICK, 0, 0);
  EXPECT_EQ(Check(autoBox), BST_UNCHECKED);
  SendMessage(plain, BM_CLICK, 0, 0);
  EXPECT_EQ(Check(plain), BST_UNCHECKED);  // the owner decides
  EXPECT_EQ(CountNotices(BN_CLICKED), 3);
  std::vector<LRESULT> states;
  for (int i = 0; i < 3; ++i) {
    SendMessage(three, BM_CLICK, 0, 0);
    states.push_back(Check(three));
  }
  EXPECT_EQ(states, (std::vector<LRESULT>{BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}));
  SendMessage(autoBox, BM_SETCHECK, BST_INDETERMINATE, 0);  // two-state boxes cannot be indeterminate
  EXPECT_EQ(Check(autoBox), BST_CHECKED);
  HWND push = Button(u"Push", BS_PUSHBUTTON, 10, 100, 204);
  SendMessage(push, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(Check(push), BST_UNCHECKED);
}

TEST_F(ButtonTest, AutoRadioButtonsKeepOneCheckedPerGroup) {
  HWND a = Button(u"A", BS_AUTORADIOBUTTON | WS_GROUP, 10, 10, 211);
  HWND b = Button(u"B", BS_AUTORADIOBUTTON, 10, 40, 212);
  HWND c = Button(u"C", BS_AUTORADIOBUTTON, 10, 70, 213);
  HWND other = Button(u"D", BS_AUTORADIOBUTTON | WS_GROUP, 10, 100, 214);
  SendMessage(other, BM_SETCHECK, BST_CHECKED, 0);
  headless::Click(Centre(a));
  EXPECT_EQ(Check(a), BST_CHECKED);
  headless::Screen().Advance(1000);
  headless::Click(Centre(c));
  EXPECT_EQ(Check(a), BST_UNCHECKED);
  EXPECT_EQ(Check(b), BST_UNCHECKED);
  EXPECT_EQ(Check(c), BST_CHECKED);
  EXPECT_EQ(Check(other), BST_CHECKED);                      // another group
  EXPECT_TRUE(GetWindowLongPtr(c, GWL_STYLE) & WS_TABSTOP);  // the checked one is the group's tab stop
  EXPECT_FALSE(GetWindowLongPtr(a, GWL_STYLE) & WS_TABSTOP);
}

TEST_F(ButtonTest, SetStateAndStyle) {
  HWND b = Button(u"OK", BS_PUSHBUTTON);
  SendMessage(b, BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(State(b) & BST_PUSHED, BST_PUSHED);
  SendMessage(b, BM_SETSTATE, FALSE, 0);
  EXPECT_EQ(State(b) & BST_PUSHED, 0);
  SendMessage(b, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  EXPECT_EQ(GetWindowLongPtr(b, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_TRUE(GetWindowLongPtr(b, GWL_STYLE) & WS_TABSTOP);  // other bits stay
}

TEST_F(ButtonTest, DefaultButtonHasTheBlackOuterFrame) {
  HWND normal = Button(u"One", BS_PUSHBUTTON, 10, 10, 221);
  HWND def = Button(u"Two", BS_DEFPUSHBUTTON, 10, 40, 222);
  RunUntilIdle();
  auto pixel = [](HWND h, int x, int y) {
    gfx::PixelBuffer pic = headless::CaptureWindow(h);
    return pic.Row32(y)[x] & 0xFFFFFF;
  };
  EXPECT_EQ(pixel(normal, 0, 0), 0xFFFFFFu);  // highlight edge
  EXPECT_EQ(pixel(def, 0, 0), 0x404040u);     // the default's dark frame
  EXPECT_EQ(pixel(def, 1, 1), 0xFFFFFFu);     // then the raised edge
}

TEST_F(ButtonTest, OwnerDrawnButtonsAskTheirParent) {
  HWND b = Button(u"", BS_OWNERDRAW, 10, 10, 230);
  RunUntilIdle();
  ASSERT_TRUE(std::any_of(Notices().begin(), Notices().end(), [](const Notice& n) { return n.msg == WM_DRAWITEM; }));
  Notices().clear();
  POINT c = Centre(b);
  headless::MouseMove(c);
  headless::MouseDown(c);
  RunUntilIdle();
  bool selectedDrawn = false;
  for (const Notice& n : Notices())
    if (n.msg == WM_DRAWITEM && n.id == 230 && n.pos == static_cast<int>(ODT_BUTTON) && (n.code & ODS_SELECTED))
      selectedDrawn = true;
  EXPECT_TRUE(selectedDrawn);
  headless::MouseUp(c);
  EXPECT_EQ(CountNotices(BN_CLICKED), 1);
}

TEST_F(ButtonTest, GroupBoxesLetTheMouseThrough) {
  HWND group = Make(WC_BUTTON, u"Group", BS_GROUPBOX, 10, 10, 200, 100, 240);
  RECT r;
  GetWindowRect(group, &r);
  EXPECT_EQ(SendMessage(group, WM_NCHITTEST, 0, PointToLParam({r.Left + 50, r.Top + 50})), HTTRANSPARENT);
  EXPECT_EQ(SendMessage(group, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
}

}  // namespace
}  // namespace ctltest
