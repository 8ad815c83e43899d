// The classic look's frames, edges, boxes and button faces.
#include "platform/gfx/ClassicLook.h"

#include "platform/gfx/Surface.h"

namespace gfx::classic {

namespace {

// The system colours of a two-pixel edge.
struct EdgeColours {
  int outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
};

EdgeColours ColoursOf(Edge edge) {
  switch (edge) {
    case Edge::Raised: return {COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT, COLOR_BTNSHADOW};
    case Edge::RaisedWindow: return {COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
    case Edge::Sunken: return {COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT};
    case Edge::Pressed: return {COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_3DLIGHT};
    case Edge::Etched: return {COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
  }
  return {};
}

}  // namespace

EdgeLines EdgeLinesOf(const TRect& r) {
  return {{r.Left, r.Top, r.Right, r.Top + 1},
          {r.Left, r.Top, r.Left + 1, r.Bottom},
          {r.Left, r.Bottom - 1, r.Right, r.Bottom},
          {r.Right - 1, r.Top, r.Right, r.Bottom}};
}

void Frame(Surface& s, TRect& r, TColor topLeft, TColor bottomRight, EmptyRect empty) {
  if (empty == EmptyRect::Skip && r.IsEmpty()) return;
  const EdgeLines e = EdgeLinesOf(r);
  s.FillRect(e.top, topLeft);
  s.FillRect(e.left, topLeft);
  s.FillRect(e.bottom, bottomRight);
  s.FillRect(e.right, bottomRight);
  r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
}

void DrawEdge(Surface& s, TRect& r, Edge edge, EmptyRect empty) {
  const EdgeColours c = ColoursOf(edge);
  Frame(s, r, Sys(c.outerTopLeft), Sys(c.outerBottomRight), empty);
  Frame(s, r, Sys(c.innerTopLeft), Sys(c.innerBottomRight), empty);
}

void RaisedBox(Surface& s, TRect box) {
  if (box.IsEmpty()) return;
  s.FillRect(box, Sys(COLOR_BTNFACE));
  DrawEdge(s, box, Edge::RaisedWindow, EmptyRect::AsPlaced);
}

void DrawButtonFace(Surface& s, const TRect& rect, ButtonFace look) {
  TRect r = rect;
  if (r.IsEmpty()) return;
  const TColor dark = Sys(COLOR_3DDKSHADOW), shadow = Sys(COLOR_BTNSHADOW);
  if (look == ButtonFace::Default || look == ButtonFace::DefaultPressed) Frame(s, r, dark, dark);
  s.FillRect(r, Sys(COLOR_BTNFACE));
  switch (look) {
    case ButtonFace::Pressed: DrawEdge(s, r, Edge::Pressed); break;
    case ButtonFace::DefaultPressed:
    case ButtonFace::Flat: Frame(s, r, shadow, shadow); break;
    default: DrawEdge(s, r, Edge::Raised); break;
  }
}

}  // namespace gfx::classic
