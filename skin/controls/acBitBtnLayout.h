#pragma once
// Where a bit button puts its glyph and caption: the glyph on one side of the text (or
// above or below it), both placed by the margin, the spacing and the two alignments, and
// mirrored for right-to-left reading. Pure arithmetic on measured sizes.
#include "platform/forms/Buttons.h"
#include "platform/gfx/Geometry.h"

namespace skin {

struct TacBitBtnLayoutInput {
  gfx::TRect Client;       // the button's client rectangle
  gfx::TSize Glyph{0, 0};  // one glyph frame; 0 x 0 without glyph
  gfx::TSize Text{0, 0};   // the caption's measured size; 0 x 0 without caption
  int Margin = -1;         // -1: automatic
  int Spacing = 4;         // -1: automatic
  forms::TButtonLayout Layout = forms::TButtonLayout::blGlyphLeft;
  forms::TAlignment Alignment = forms::TAlignment::taCenter;
  forms::TVerticalAlignment VerticalAlignment = forms::TVerticalAlignment::taVerticalCenter;
  bool RightToLeft = false;
};

struct TacBitBtnLayout {
  gfx::TPoint GlyphPos;    // top-left of the glyph
  gfx::TRect CaptionRect;  // where the caption is drawn
};

// The layout (integer, halving truncating toward zero). With an automatic margin and a
// fixed spacing, a button centred both ways centres glyph, spacing and text as one group.
TacBitBtnLayout CalcBitBtnLayout(const TacBitBtnLayoutInput& in);

// The width the caption is measured in: the client width less twice the margin (an
// automatic margin counts as 0), less glyph and spacing beside a glyph on the left or right.
int BitBtnTextRoom(const TacBitBtnLayoutInput& in);

}  // namespace skin
