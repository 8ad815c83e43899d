#pragma once
// The geometry of a skinned frame as pure functions: frame width and caption height by
// border style and window style, the client origin inside the window picture, the icon
// size rule, and the title layout (icon, title buttons, caption text). Everything is in
// window coordinates (origin at the window's top-left corner, frame included). Nothing
// here asks a window: the provider fills TacFrameShape from its form and the skin.
#include "platform/gfx/Geometry.h"

namespace skin {

// Border styles in their stored order (bsNone 0 .. bsSizeToolWin 5).
enum class TacBorderStyle : int { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

// What the frame rules read of a window.
struct TacFrameShape {
  TacBorderStyle BorderStyle = TacBorderStyle::bsSizeable;
  bool SizingBorder = false;  // WS_THICKFRAME
  bool BorderBit = false;     // WS_BORDER
  bool DialogFrame = false;   // WS_DLGFRAME
  bool Child = false;
  bool Minimized = false;
  bool Maximized = false;
  int Width = 0, Height = 0;              // the window
  int ClientWidth = 0, ClientHeight = 0;  // the client area
  int BorderWidth = 0;                    // the form's own BorderWidth
  int VScrollWidth = 0;                   // the form's own vertical scroll bar when shown
  int HScrollHeight = 0;                  // the form's own horizontal scroll bar when shown
  int Dpi = 96;
  unsigned PlatformMajorVersion = 6;
};

// The frame width: the sizing frame (SM_CXFRAME), else the fixed frame (SM_CXFIXEDFRAME),
// either plus SM_CXPADDEDBORDER for the two sizeable styles; a window with neither gets
// its measured frame, (width - client width) / 2 - BorderWidth, or the fixed frame when
// that is 0.
int FrameWidth(const TacFrameShape& s);
// The platform's caption height for the style: SM_CYCAPTION; SM_CYSMCAPTION for tool
// windows and, from platform version 10 on, for dialogs (neither when minimized).
int SystemCaptionHeight(const TacFrameShape& s);
// 0 for a window without caption (bsNone that is not a child, or no border and no dialog
// frame bit) unless minimized; otherwise SystemCaptionHeight.
int CaptionHeight(const TacFrameShape& s);
// Where the client area begins inside the window picture.
int OffsetX(const TacFrameShape& s);
int OffsetY(const TacFrameShape& s);

// The icon's side from CaptionHeight - BITopMargin: up to 47 (and anything below) 16,
// 48 to 64 24, above 64 32.
int TitleIconSize(int captionMinusTopMargin);

// The skin's numbers the title layout uses, at the window's density.
struct TacTitleSkin {
  int BITopMargin = 0, BILeftMargin = 0, BIRightMargin = 0, BISpacing = 0, BIVAlign = 0;
  int Spacing = 4;
  int ButtonHeight = 21;  // the BICONCLOSE image's height, 21 without one
  bool HasCaptionSection = false;
};

// One title button of the layout: shown or not, its width, its rectangle.
struct TacTitleButtonSlot {
  bool Shown = false;
  int Width = 21;
  bool HaveAlignment = true;  // big buttons: BIVALIGN applies
  gfx::TRect Rect{};
};

// What the title layout needs besides the shape.
struct TacTitleRequest {
  bool ShowIcon = false;              // TitleIcon visible, bsSingle or bsSizeable, ShowAppIcon, a system menu
  int IconWidth = 0, IconHeight = 0;  // 0: chosen from the caption height
  bool BigButtons = true;
  int FrameCXFrame = 4;  // SM_CXFRAME at the density (title top when maximized)
  // Close, maximize, minimize, help.
  TacTitleButtonSlot Close, Max, Min, Help;
};

// Where a title band lies in its picture, for the layout: the frame and caption sizes, the
// left and right edges of the content, the vertical centre, the header height, the top of
// buttons aligned to the top, and how far the icon sits below the centre line. TitleLayout
// fills it from the window's own frame; the extended frame fills it from the skin.
struct TacTitleFrame {
  int FrameWidth = 0, CaptionHeight = 0;
  int Left = 0, Right = 0;
  int VCenter = 0, HeaderHeight = 0, TitleTop = 0;
  int IconShift = 0;
  int TextLeftShift = 0, TextRightShift = 0;  // added to the caption text's left, taken from its right
};

// The result of TitleLayout.
struct TacTitleLayout {
  int FrameWidth = 0;
  int CaptionHeight = 0;
  int VCenter = 0;
  int HeaderHeight = 0;  // FHeaderHeight
  gfx::TRect IconRect{};
  int ContentLeft = 0;  // where title content starts (after the icon and Spacing)
  int TotalButtonWidth = 0;
  int TextLeftShift = 0, TextRightShift = 0;
  TacTitleButtonSlot Close, Max, Min, Help;
};

// Lays out the title band of a window (right-to-left mirroring is not done here).
TacTitleLayout TitleLayout(const TacFrameShape& s, const TacTitleSkin& skin, const TacTitleRequest& req);
// The same in a title band placed by the caller.
TacTitleLayout TitleLayoutIn(const TacTitleFrame& f, const TacTitleSkin& skin, const TacTitleRequest& req);

// The caption text rectangle (left-to-right reading, left alignment) for a picture W
// wide: from after the icon to left of the title buttons, textHeight high around VCenter.
gfx::TRect CaptionTextRect(const TacTitleLayout& l, const TacTitleSkin& skin, int pictureWidth, int textHeight);

}  // namespace skin
