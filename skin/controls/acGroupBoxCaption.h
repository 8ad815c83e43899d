#pragma once
// The caption geometry of a group box: where the caption (check box, image, text) sits in
// the top edge, the band above the frame, and the rectangles of the three parts. Pure
// arithmetic on measured sizes; the group box measures and paints.
#include "platform/gfx/Geometry.h"

namespace skin {

enum TsCaptionLayout : int { clTopLeft = 0, clTopCenter = 1, clTopRight = 2 };

struct TacGroupBoxCaptionInput {
  int Width = 0;              // of the group box
  int LetterHeight = 0;       // height of "W" in the caption font
  int TextWidth = 0;          // width of the caption text (0 without caption)
  gfx::TSize Image{0, 0};     // caption image, 0 x 0 without one
  gfx::TSize CheckBox{0, 0};  // caption check box, 0 x 0 when not visible
  int Spacing = 0;            // the skin's spacing between the parts
  int CaptionWidth = 0;       // fixed content width, 0: as wide as the content
  int CaptionYOffset = 0;
  gfx::TRect Margin{2, 0, 2, 0};  // CaptionMargin: Left, Top, Right, Bottom
  TsCaptionLayout Layout = clTopLeft;
  bool RightToLeft = false;
  bool Card = false;
  int BevelWidth = 1;
};

struct TacGroupBoxCaption {
  int TextHeight = 0;  // t: the text line with one pixel above and below
  int CaptionHeight = 0;
  gfx::TRect CaptionRect;   // check box, image and text together
  gfx::TRect TextRect;      // never wider than CaptionRect
  gfx::TRect GlyphRect;     // image
  gfx::TRect CheckBoxRect;  // check box
  gfx::TRect TopRect;       // the band above the frame: the frame starts at its bottom
};

// The geometry (integer, halving truncating toward zero). The caption rectangle keeps
// inside the group box's width (left at least 0, right at most Width - 1); the text
// rectangle keeps inside the caption rectangle, so a fixed CaptionWidth shorter than the
// text cuts the text instead of letting it spill.
TacGroupBoxCaption CalcGroupBoxCaption(const TacGroupBoxCaptionInput& in);

}  // namespace skin
