// The extended frame's formulas against values worked out by hand for the stored skin
// (BORDERWIDTH 15, TITLEHEIGHT 36, MAXHEIGHT 26, CENTEROFFSET 3, ALIGNOFFSET 24, BIRIGHT -1)
// around the main window (sizeable, 670 x 585, client 654 x 546 at (8, 31)).
#include <gtest/gtest.h>

#include "platform/win/HitCodes.h"
#include "skin/windows/acBorderFormGeometry.h"

namespace skin {
namespace {

TacExBorderSkin Stored() {
  TacExBorderSkin k;
  k.BorderWidth = 15;
  k.TitleHeight = 36;
  k.MaxHeight = 26;
  k.CenterOffs = 3;
  k.BILeftMargin = 0;
  k.BIRightMargin = -1;
  k.Shadow = {24, 24, 24, 24};
  return k;
}

TacFrameShape MainWindow() {
  TacFrameShape s;
  s.BorderStyle = TacBorderStyle::bsSizeable;
  s.SizingBorder = s.BorderBit = s.DialogFrame = true;
  s.Width = 670;
  s.Height = 585;
  s.ClientWidth = 654;
  s.ClientHeight = 546;
  return s;
}

TEST(BorderFormGeometry, SizesFollowTheSkinAroundTheClientArea) {
  const TacExBorderSkin k = Stored();
  TacFrameShape s = MainWindow();
  EXPECT_FALSE(SysExHeight(k, s));  // 23 < 36
  EXPECT_EQ(ExFrameWidth(k), 15);
  EXPECT_EQ(ExCaptionHeight(k, s, false), 36);
  EXPECT_EQ(ExOffsetX(k, s), 15 + 24);
  EXPECT_EQ(ExOffsetY(k, s, false, 0), 36 + 24);
  EXPECT_EQ(ExOffsetY(k, s, false, 19), 36 + 19 + 24 + 1);  // a menu line and its separator
  // 39 + 654 + 15 + 24 and 60 + 546 + 15 + 24.
  EXPECT_EQ(ExPictureSize(k, s, false, 0), (gfx::TSize{732, 645}));
  // The main window at (40, 30): its client area at (48, 61).
  EXPECT_EQ(ExBorderWindowRect(k, s, false, 0, {48, 61}), (gfx::TRect{9, 1, 741, 646}));
  // The form keeps exactly its client area.
  EXPECT_EQ(ExFormRegionRect(s), (gfx::TRect{8, 31, 662, 577}));

  // The form's own BorderWidth widens the frame on every side.
  s.BorderWidth = 2;
  EXPECT_EQ(ExOffsetX(k, s), 41);
  EXPECT_EQ(ExOffsetY(k, s, false, 0), 62);
  EXPECT_EQ(ExPictureSize(k, s, false, 0), (gfx::TSize{736, 649}));
}

TEST(BorderFormGeometry, MaximizedAndTallSystemCaptions) {
  TacExBorderSkin k = Stored();
  TacFrameShape s = MainWindow();
  s.Maximized = true;
  EXPECT_EQ(ExCaptionHeight(k, s, false), 26);
  // A skin band lower than the system caption grows to the caption + 4.
  k.TitleHeight = 20;
  s.Maximized = false;
  EXPECT_TRUE(SysExHeight(k, s));
  EXPECT_EQ(ExCaptionHeight(k, s, true), 27);
  k.TitleHeight = 0;  // never below the system caption either
  EXPECT_EQ(ExCaptionHeight(k, s, true), 27);
}

TEST(BorderFormGeometry, TitleBandInsideTheShadowMargins) {
  const TacExBorderSkin k = Stored();
  TacFrameShape s = MainWindow();
  TacTitleFrame f = ExTitleFrame(k, s, false, 732);
  EXPECT_EQ(f.FrameWidth, 15);
  EXPECT_EQ(f.CaptionHeight, 36);
  EXPECT_EQ(f.HeaderHeight, 60);
  EXPECT_EQ(f.VCenter, 60 - 18 + 3);
  EXPECT_EQ(f.IconShift, 0);
  EXPECT_EQ(f.Left, 39);
  EXPECT_EQ(f.Right, 732 - 15 - 24 + 1);
  EXPECT_EQ(f.TitleTop, 24);

  // Maximized with a lower band: no centre offset, the icon 3 lower instead.
  s.Maximized = true;
  f = ExTitleFrame(k, s, false, 732);
  EXPECT_EQ(f.HeaderHeight, 50);
  EXPECT_EQ(f.VCenter, 37);
  EXPECT_EQ(f.IconShift, 3);

  // The layout in that band: the close button (30 x 21) right-aligned, centred on VCenter;
  // the icon at the left edge; the caption text between them.
  TacTitleSkin ts;
  ts.BIRightMargin = -1;
  ts.ButtonHeight = 21;
  TacTitleRequest req;
  req.ShowIcon = true;
  req.Close.Shown = true;
  req.Close.Width = 30;
  s.Maximized = false;
  const TacTitleLayout l = TitleLayoutIn(ExTitleFrame(k, s, false, 732), ts, req);
  EXPECT_EQ(l.Close.Rect, (gfx::TRect{664, 35, 694, 56}));
  EXPECT_EQ(l.IconRect, (gfx::TRect{39, 37, 55, 53}));
  const gfx::TRect text = CaptionTextRect(l, ts, 732, 16);
  EXPECT_EQ(text.Left, 15 + 24 + 16 + 4 + 4);
  EXPECT_EQ(text.Right, 732 - 29 - 15 - 24 - 4);
  EXPECT_EQ(text.Top, 45 - 8 - 1);
}

TEST(BorderFormGeometry, HitTestThroughTheBorderPicture) {
  const TacExBorderSkin k = Stored();
  TacTitleHitFacts h;
  h.Menu.SystemMenu = true;
  h.Menu.HasPlatformMenu = true;
  h.Menu.PlatformHasClose = true;
  h.Close = {664, 35, 694, 56};
  h.Icon = {39, 37, 55, 53};
  h.Width = 732;
  h.Height = 645;
  h.SizingBorder = true;
  auto at = [&](int x, int y) { return ExHitTest(h, k, 36, {x, y}); };
  // The shadow lets the pointer through, on every side.
  EXPECT_EQ(at(0, 0), win::HTTRANSPARENT);
  EXPECT_EQ(at(23, 300), win::HTTRANSPARENT);
  EXPECT_EQ(at(708, 300), win::HTTRANSPARENT);
  EXPECT_EQ(at(300, 621), win::HTTRANSPARENT);
  // The frame sizes.
  EXPECT_EQ(at(24, 300), win::HTLEFT);
  EXPECT_EQ(at(38, 300), win::HTLEFT);
  EXPECT_EQ(at(707, 300), win::HTRIGHT);
  EXPECT_EQ(at(300, 24), win::HTTOP);
  EXPECT_EQ(at(300, 620), win::HTBOTTOM);
  EXPECT_EQ(at(24, 24), win::HTTOPLEFT);
  EXPECT_EQ(at(707, 620), win::HTBOTTOMRIGHT);
  // The band below the top frame: caption, icon, close button.
  EXPECT_EQ(at(300, 39), win::HTCAPTION);
  EXPECT_EQ(at(300, 59), win::HTCAPTION);
  EXPECT_EQ(at(45, 45), win::HTSYSMENU);
  EXPECT_EQ(at(680, 45), win::HTCLOSE);
  EXPECT_EQ(at(680, 36), win::HTCLOSE);  // buttons come before the top frame
  // The client part is the form's.
  EXPECT_EQ(at(300, 60), win::HTNOWHERE);
  // Without a sizing border the frame is caption or nothing.
  h.SizingBorder = false;
  EXPECT_EQ(at(300, 24), win::HTCAPTION);
  EXPECT_EQ(at(24, 300), win::HTNOWHERE);
}

TEST(BorderFormGeometry, TheModeNeedsEveryCondition) {
  TacExConditions c;
  c.ManagerExtendedBorders = c.PerPixelAlphaWindows = c.FrameSkinned = true;
  EXPECT_TRUE(ExtendedBordersWanted(c));
  for (bool TacExConditions::*off : {&TacExConditions::ManagerExtendedBorders, &TacExConditions::PerPixelAlphaWindows,
                                     &TacExConditions::AllowExtBorders, &TacExConditions::FrameSkinned}) {
    TacExConditions d = c;
    d.*off = false;
    EXPECT_FALSE(ExtendedBordersWanted(d));
  }
  for (bool TacExConditions::*on : {&TacExConditions::Child, &TacExConditions::MDIChild,
                                    &TacExConditions::BorderStyleNone, &TacExConditions::UWPMode}) {
    TacExConditions d = c;
    d.*on = true;
    EXPECT_FALSE(ExtendedBordersWanted(d));
  }
  c.Maximized = true;
  EXPECT_TRUE(ExtendedBordersWanted(c));
  c.NativeBordersMaximized = true;
  EXPECT_FALSE(ExtendedBordersWanted(c));
}

}  // namespace
}  // namespace skin
