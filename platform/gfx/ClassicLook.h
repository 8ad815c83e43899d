#pragma once
// The classic look's shared pieces, drawn from the system colour table onto a surface:
// one-pixel frames in two colours, the two-pixel raised, sunken, pressed and etched
// edges, the raised box of frame buttons and scroll boxes, and push button faces. The
// window system's frame and menus, the standard controls and the framework's panels draw
// their edges with these; skinned controls fall back to them. Glyphs, marks and text
// stay with their owners.
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

namespace gfx {

class Surface;

namespace classic {

// The colour of a system colour index (COLOR_...).
inline TColor Sys(int index) { return GetSysColor(index); }

// The four lines of a one-pixel frame along the inside of r, in the order they are drawn:
// top and left take the top-left colour, bottom and right the bottom-right colour, which
// therefore owns the top-right and bottom-left corner pixels.
struct EdgeLines {
  TRect top, left, bottom, right;
};
EdgeLines EdgeLinesOf(const TRect& r);

// What a frame does with an empty rectangle. Skip: draws nothing and leaves r as it is
// (the controls). AsPlaced: draws the four lines where they fall (a rectangle of zero
// width still has one-pixel left and right lines) and shrinks r all the same (the window
// system's frames, menus and boxes, for windows smaller than their borders).
enum class EmptyRect { Skip, AsPlaced };

// A one-pixel frame in two colours; r shrinks by one pixel on every side.
void Frame(Surface& s, TRect& r, TColor topLeft, TColor bottomRight, EmptyRect empty = EmptyRect::Skip);

// Two-pixel edges (r shrinks by 2), outer line first:
//  Raised        a button or thumb: highlight / dark shadow, then light / shadow
//  RaisedWindow  a window frame, menu or frame box: light / dark shadow, then highlight / shadow
//  Sunken        a client edge: shadow / highlight, then dark shadow / light
//  Pressed       a pushed button: dark shadow / highlight, then shadow / light
//  Etched        a group box line or separator: shadow / highlight, then highlight / shadow
enum class Edge { Raised, RaisedWindow, Sunken, Pressed, Etched };
void DrawEdge(Surface& s, TRect& r, Edge edge, EmptyRect empty = EmptyRect::Skip);

// The box of a frame scroll bar's arrow or thumb: the button face with a RaisedWindow
// edge; nothing for an empty box.
void RaisedBox(Surface& s, TRect box);

// A push button face filled with the button colour. Pressed: the Pressed edge; default:
// an extra dark frame outside; DefaultPressed and Flat: a flat shadow frame.
enum class ButtonFace { Normal, Pressed, Default, DefaultPressed, Flat };
void DrawButtonFace(Surface& s, const TRect& r, ButtonFace look);

}  // namespace classic
}  // namespace gfx
