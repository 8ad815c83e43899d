#pragma once
// The arrows of scroll bars and drop-down buttons in the four drawing styles: solid
// triangles or two anti-aliased strokes, normal or flatter, built pointing down in a
// picture of their own, turned to their direction and put centred into the destination.
//
// The drawing style is not the manager's option of the same purpose: the option
// (TacArrowsStyle: arsDefault, arsSolid, arsLines) chooses a style, the skin's ARROWSTYLE
// (0 .. 3) names one. ActualArrowStyle maps them: arsSolid draws arsSolid1, arsLines
// draws arsLines1, arsDefault draws the skin's style (a value outside 0 .. 3: arsSolid1).
#include <array>

#include "platform/gfx/Geometry.h"
#include "skin/data/acSkinRecords.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/sColors.h"

namespace skin {

class TacSkinLoader;
enum class TacArrowsStyle;

// Solid styles fill a triangle; line styles draw two strokes; the second pair is flatter.
enum TacArrowDrawStyle : int { arsSolid1 = 0, arsLines1 = 1, arsSolid2 = 2, arsLines2 = 3 };

constexpr bool IsLineArrowStyle(TacArrowDrawStyle s) { return s == arsLines1 || s == arsLines2; }

// The style drawn for the manager's option and the skin's ARROWSTYLE.
TacArrowDrawStyle ActualArrowStyle(TacArrowsStyle option, int skinArrowStyle);

// The arrow pointing down, before it is turned and placed: the picture (white with alpha
// 0 where nothing is drawn), its four points (the strokes run P0-P1 and P2-P3, the fill
// is the quadrilateral P0 P1 P2 P3), the stroke width (0: no strokes) and the fill pixel
// (NoKey: no fill).
struct TacArrowPicture {
  Bitmap32Ptr Picture;
  std::array<gfx::TPoint, 4> P{};
  int LineWidth = 0;
  std::uint32_t Fill = NoKey;
};

// Builds the downward picture for a destination rectangle rectWidth wide (its parity
// decides the shape). size 0 takes 5, lineWidth 0 takes 2 x ppi / 96 (line styles only).
TacArrowPicture BuildArrowPicture(TColor color, TColor fillColor, int ppi, TacArrowDrawStyle style, int size,
                                  int lineWidth, int rectWidth);

// Draws the arrow centred in rect with AlphaBlitRect. fillColor NoKey leaves line arrows
// hollow. A non-zero angle turns the arrow picture (and only it) about its centre by the
// rounded angle minus 90 degrees, clockwise, before it is placed.
void DrawStyledArrow(Bitmap32* bmp, TColor color, TColor fillColor, int ppi, TacArrowDrawStyle style, int size,
                     double angle, int lineWidth, TacSide direction, const gfx::TRect& rect);

}  // namespace skin
