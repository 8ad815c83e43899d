#pragma once
// The geometry of the extended frame as pure functions. While a form's frame, title band
// and shadow are drawn by its border window, the frame's sizes come from the skin: the
// window picture is the form's client area with the skin's frame and title band around it
// and the shadow margins around that; the border window shows that picture and the form
// itself keeps only its client area. Picture coordinates have their origin at the
// picture's top-left corner (the outer edge of the left and top shadow margins).
#include "platform/gfx/Geometry.h"
#include "skin/windows/acFormGeometry.h"
#include "skin/windows/acTitleButtons.h"

namespace skin {

// The skin's values of the extended frame, at the window's density.
struct TacExBorderSkin {
  int BorderWidth = 4;   // the frame's width
  int TitleHeight = 30;  // the title band's height (the top frame included)
  int MaxHeight = 30;    // the title band's height while maximized
  int CenterOffs = 0;    // vertical shift of the title content
  int BILeftMargin = 0, BIRightMargin = 0;
  gfx::TRect Shadow{};  // the shadow margins: Left, Top, Right, Bottom widths
};

// What decides whether a form gets the border window.
struct TacExConditions {
  bool ManagerExtendedBorders = false;
  bool PerPixelAlphaWindows = false;  // the platform shows per-pixel-alpha windows
  bool AllowExtBorders = true;        // the provider's own switch
  bool FrameSkinned = false;          // the provider draws the frame
  bool Child = false;
  bool MDIChild = false;
  bool BorderStyleNone = false;
  bool Maximized = false;
  bool NativeBordersMaximized = false;
  bool UWPMode = false;
};
bool ExtendedBordersWanted(const TacExConditions& c);

// The system caption is taller than the skin's title band (FSysExHeight).
bool SysExHeight(const TacExBorderSkin& k, const TacFrameShape& s);

// The frame width asked with the skin: the skin's border width.
int ExFrameWidth(const TacExBorderSkin& k);
// The title band's height: MaxHeight while maximized, else TitleHeight; with sysExHeight at
// least the system caption height + 4.
int ExCaptionHeight(const TacExBorderSkin& k, const TacFrameShape& s, bool sysExHeight);
// Where the client area begins in the picture. menuHeight: the menu line, 0 without one.
int ExOffsetX(const TacExBorderSkin& k, const TacFrameShape& s);
int ExOffsetY(const TacExBorderSkin& k, const TacFrameShape& s, bool sysExHeight, int menuHeight);
// The picture: the client area with the frame, the title band and the shadow margins.
gfx::TSize ExPictureSize(const TacExBorderSkin& k, const TacFrameShape& s, bool sysExHeight, int menuHeight);
// The border window on the screen, from where the form's client area lies on it.
gfx::TRect ExBorderWindowRect(const TacExBorderSkin& k, const TacFrameShape& s, bool sysExHeight, int menuHeight,
                              gfx::TPoint clientOnScreen);

// The part of the form that stays visible (its region), in window coordinates: the window
// without the platform's frame F and system caption C, (F, F + C) to (W - F, H - F).
gfx::TRect ExFormRegionRect(const TacFrameShape& s);

// Where the title band lies in a picture pictureWidth wide, for TitleLayoutIn.
TacTitleFrame ExTitleFrame(const TacExBorderSkin& k, const TacFrameShape& s, bool sysExHeight, int pictureWidth);

// The element under a point of the picture. `facts` holds the title button and icon
// rectangles in picture coordinates, the picture's size as Width and Height, and the menu
// facts; its frame and caption fields are filled here. The shadow lets the pointer
// through (HTTRANSPARENT); the frame sizes when the form has a sizing border; the title
// band answers as the caption, the icon and the title buttons; the client part, which the
// form itself covers, answers HTNOWHERE.
int ExHitTest(TacTitleHitFacts facts, const TacExBorderSkin& k, int captionHeight, gfx::TPoint p);

}  // namespace skin
