// The frame geometry rules against the windows of the program: the main window (sizeable,
// 670 x 585), the info window (single border, 467 x 528) and a message box (dialog frame).
#include <gtest/gtest.h>

#include "skin/windows/acFormGeometry.h"
#include "skin/windows/acSystemMenuRules.h"

namespace skin {

namespace {

TacFrameShape MainWindow() {
  TacFrameShape s;
  s.BorderStyle = TacBorderStyle::bsSizeable;
  s.SizingBorder = s.BorderBit = s.DialogFrame = true;  // WS_CAPTION | WS_THICKFRAME
  s.Width = 670;
  s.Height = 585;
  s.ClientWidth = 654;
  s.ClientHeight = 546;
  return s;
}

TacFrameShape InfoWindow() {
  TacFrameShape s;
  s.BorderStyle = TacBorderStyle::bsSingle;
  s.BorderBit = s.DialogFrame = true;
  s.Width = 467;
  s.Height = 528;
  s.ClientWidth = 461;
  s.ClientHeight = 499;
  return s;
}

// The stored skin's numbers: BITOP 7, BIRIGHT -1, a close glyph of 30 x 21.
TacTitleSkin StoredSkin() {
  TacTitleSkin t;
  t.BITopMargin = 7;
  t.BIRightMargin = -1;
  t.ButtonHeight = 21;
  return t;
}

TacTitleRequest CloseOnly(bool icon) {
  TacTitleRequest r;
  r.ShowIcon = icon;
  r.Close.Shown = true;
  r.Close.Width = 30;
  return r;
}

}  // namespace

TEST(FormGeometry, MainWindowMatchesTheTable) {
  const TacFrameShape s = MainWindow();
  EXPECT_EQ(FrameWidth(s), 8);
  EXPECT_EQ(CaptionHeight(s), 23);
  EXPECT_EQ(OffsetX(s), 8);
  EXPECT_EQ(OffsetY(s), 31);
  const TacTitleLayout l = TitleLayout(s, StoredSkin(), CloseOnly(true));
  EXPECT_EQ(l.VCenter, 15);
  EXPECT_EQ(l.HeaderHeight, 31);
  EXPECT_EQ(l.IconRect, (gfx::TRect{8, 7, 24, 23}));
  EXPECT_EQ(l.Close.Rect, (gfx::TRect{632, 5, 662, 26}));
  EXPECT_EQ(l.TotalButtonWidth, 29);
  const gfx::TRect text = CaptionTextRect(l, StoredSkin(), 670, 16);
  EXPECT_EQ(text.Left, 32);
  EXPECT_EQ(text.Right, 629);
  EXPECT_LT(text.Right, l.Close.Rect.Left);
}

TEST(FormGeometry, InfoWindowMatchesTheTable) {
  const TacFrameShape s = InfoWindow();
  EXPECT_EQ(FrameWidth(s), 3);
  EXPECT_EQ(CaptionHeight(s), 23);
  EXPECT_EQ(OffsetX(s), 3);
  EXPECT_EQ(OffsetY(s), 26);
  const TacTitleLayout l = TitleLayout(s, StoredSkin(), CloseOnly(true));
  EXPECT_EQ(l.VCenter, 12);
  EXPECT_EQ(l.IconRect, (gfx::TRect{3, 4, 19, 20}));
  EXPECT_EQ(l.Close.Rect, (gfx::TRect{433, 2, 463, 23}));
  EXPECT_EQ(CaptionTextRect(l, StoredSkin(), 467, 16).Left, 27);
}

// The dialog frame takes the small caption only from platform version 10 on; the window
// system says 6.1, so a message box's band is as high as the non-client area it really has.
TEST(FormGeometry, DialogCaptionFollowsThePlatformVersion) {
  TacFrameShape s;
  s.BorderStyle = TacBorderStyle::bsDialog;
  s.BorderBit = s.DialogFrame = true;
  s.Width = 300;
  s.Height = 150;
  s.ClientWidth = 294;
  s.ClientHeight = 121;
  s.PlatformMajorVersion = 6;
  EXPECT_EQ(FrameWidth(s), 3);
  EXPECT_EQ(CaptionHeight(s), 23);
  EXPECT_EQ(OffsetY(s), 150 - 121 - 3);
  s.PlatformMajorVersion = 10;
  EXPECT_EQ(CaptionHeight(s), 17);
  s.Minimized = true;
  EXPECT_EQ(CaptionHeight(s), 23);
  // Without the icon the message box's caption starts at the frame.
  s.PlatformMajorVersion = 6;
  s.Minimized = false;
  const TacTitleLayout l = TitleLayout(s, StoredSkin(), CloseOnly(false));
  EXPECT_TRUE(l.IconRect.IsEmpty());
  EXPECT_EQ(CaptionTextRect(l, StoredSkin(), 300, 16).Left, 3);
}

TEST(FormGeometry, WindowsWithoutCaptionOrFrame) {
  TacFrameShape s;
  s.BorderStyle = TacBorderStyle::bsNone;
  s.Width = 200;
  s.Height = 100;
  s.ClientWidth = 200;
  s.ClientHeight = 100;
  EXPECT_EQ(CaptionHeight(s), 0);
  // No frame measured: the fixed frame stands in.
  EXPECT_EQ(FrameWidth(s), 3);
  s.Width = 204;
  EXPECT_EQ(FrameWidth(s), 2);
  s.Minimized = true;
  EXPECT_EQ(CaptionHeight(s), 23);
  TacFrameShape tool = InfoWindow();
  tool.BorderStyle = TacBorderStyle::bsToolWindow;
  EXPECT_EQ(CaptionHeight(tool), 17);
}

// Icon sizes by caption height less the top margin, any small or negative value giving 16.
TEST(FormGeometry, IconSizeRule) {
  EXPECT_EQ(TitleIconSize(47), 16);
  EXPECT_EQ(TitleIconSize(48), 24);
  EXPECT_EQ(TitleIconSize(64), 24);
  EXPECT_EQ(TitleIconSize(65), 32);
  EXPECT_EQ(TitleIconSize(-101), 16);
  EXPECT_EQ(TitleIconSize(-5000), 16);
}

TEST(FormGeometry, ButtonsLineUpLeftwardsWithSpacingAndAlignment) {
  TacFrameShape s = MainWindow();
  TacTitleSkin t = StoredSkin();
  t.BISpacing = 2;
  TacTitleRequest r = CloseOnly(true);
  r.Max = {true, 30, true, {}};
  r.Min = {true, 30, true, {}};
  r.Help = {true, 21, true, {}};
  TacTitleLayout l = TitleLayout(s, t, r);
  EXPECT_EQ(l.Close.Rect.Left, 632);
  EXPECT_EQ(l.Max.Rect, (gfx::TRect{600, 5, 630, 26}));
  EXPECT_EQ(l.Min.Rect, (gfx::TRect{568, 5, 598, 26}));
  EXPECT_EQ(l.Help.Rect.Right, 566 - 4);  // a Spacing gap before help
  EXPECT_EQ(l.TotalButtonWidth, -1 + 30 + (30 + 2) + (30 + 2) + (21 + 2));
  // BIVALIGN 1 puts big buttons at the title top; a maximized window's title top is the
  // sizing frame less one.
  t.BIVAlign = 1;
  s.Maximized = true;
  l = TitleLayout(s, t, r);
  EXPECT_EQ(l.Close.Rect.Top, 4 - 1);
  EXPECT_EQ(l.VCenter, 15 + 2);
  // A button not shown has an empty rectangle and no share of the width.
  r.Max.Shown = false;
  l = TitleLayout(MainWindow(), StoredSkin(), r);
  EXPECT_TRUE(l.Max.Rect.IsEmpty());
}

// The visibility and enabling table for the program's windows and a message box.
TEST(SystemMenuRules, ProgramWindowsAndMessageBox) {
  TacMenuFacts main;
  main.SystemMenu = true;
  main.Style = 2;
  main.HasPlatformMenu = main.PlatformHasClose = true;
  EXPECT_TRUE(VisibleRestore(main));
  EXPECT_FALSE(EnabledRestore(main));
  EXPECT_TRUE(EnabledMove(main));
  EXPECT_TRUE(VisibleSize(main) && EnabledSize(main));
  EXPECT_FALSE(VisibleMin(main));
  EXPECT_FALSE(VisibleMax(main));
  EXPECT_TRUE(VisibleClose(main) && EnabledClose(main));

  TacMenuFacts info = main;
  info.Style = 1;
  EXPECT_TRUE(VisibleSize(info));
  EXPECT_FALSE(EnabledSize(info));

  TacMenuFacts box = main;
  box.Style = 3;
  EXPECT_FALSE(VisibleRestore(box));
  EXPECT_FALSE(VisibleSize(box));
  EXPECT_TRUE(VisibleClose(box));

  TacMenuFacts greyed = main;
  greyed.PlatformCloseGreyed = true;
  EXPECT_TRUE(VisibleClose(greyed));
  EXPECT_FALSE(EnabledClose(greyed));

  TacMenuFacts noMenu;
  noMenu.Style = 2;
  EXPECT_FALSE(VisibleClose(noMenu));
  EXPECT_FALSE(VisibleRestore(noMenu));

  TacMenuFacts zoomed = main;
  zoomed.MaximizeIcon = true;
  zoomed.Maximized = true;
  EXPECT_TRUE(EnabledRestore(zoomed));
  EXPECT_FALSE(EnabledMove(zoomed));
  TacMenuFacts iconic = main;
  iconic.Minimized = true;
  EXPECT_TRUE(VisibleMax(iconic));  // not the taskbar's main form
  iconic.TaskbarMainForm = true;
  EXPECT_FALSE(VisibleMax(iconic));
  EXPECT_TRUE(EnabledRestore(iconic));
  EXPECT_FALSE(EnabledSize(iconic));
}

}  // namespace skin
