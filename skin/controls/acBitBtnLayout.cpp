#include "skin/controls/acBitBtnLayout.h"

#include <algorithm>

namespace skin {

namespace {

using forms::TAlignment;
using forms::TButtonLayout;
using forms::TVerticalAlignment;

bool Beside(TButtonLayout l) { return l == TButtonLayout::blGlyphLeft || l == TButtonLayout::blGlyphRight; }

void MoveTopTo(gfx::TRect& r, int top) { r = r.Offset(0, top - r.Top); }
void MoveBottomTo(gfx::TRect& r, int bottom) { r = r.Offset(0, bottom - r.Bottom); }

}  // namespace

int BitBtnTextRoom(const TacBitBtnLayoutInput& in) {
  int room = in.Client.Width() - 2 * std::max(in.Margin, 0);
  if (Beside(in.Layout) && in.Glyph.cx > 0) room -= in.Glyph.cx + in.Spacing;
  return std::max(room, 0);
}

TacBitBtnLayout CalcBitBtnLayout(const TacBitBtnLayoutInput& in) {
  const int W = in.Client.Width(), H = in.Client.Height();
  const int Gx = in.Glyph.cx, Gy = in.Glyph.cy, Tw = in.Text.cx, Th = in.Text.cy;
  const bool beside = Beside(in.Layout);
  TacBitBtnLayout out;
  gfx::TPoint& gp = out.GlyphPos;
  gfx::TRect& cr = out.CaptionRect;
  cr = {0, 0, Tw, Th};
  int tx = 0, ty = 0;
  if (beside) {
    gp.Y = (H - Gy + 1) / 2;
    ty = (H - Th + 1) / 2;
  } else {
    gp.X = (W - Gx + 1) / 2;
    tx = (W - Tw + 1) / 2;
  }

  int mg = in.Margin, sp = in.Spacing;
  if (Tw == 0 || Gx == 0) sp = 0;
  if (mg == -1) {
    if (sp == -1) {
      mg = beside ? (W - Gx - Tw) / 3 : (H - Gy - Th) / 3;
      sp = mg;
    } else if (in.VerticalAlignment == TVerticalAlignment::taVerticalCenter && in.Alignment == TAlignment::taCenter) {
      mg = beside ? (W - (sp + Gx + Tw) + 1) / 2 : (H - (sp + Gy + Th) + 1) / 2;
    } else {
      mg = 2;
    }
  } else if (sp == -1) {
    sp = beside ? (W - mg - Gx - Tw) / 2 : (H - mg - Gy - Th) / 2;
  }

  switch (in.Layout) {
    case TButtonLayout::blGlyphLeft:
      switch (in.Alignment) {
        case TAlignment::taLeftJustify:
          if (Gx == 0) {
            cr.Right = mg + Tw;
            tx = mg;
          } else {
            gp.X = mg;
            tx = mg + Gx + sp;
            cr.Right = in.Client.Right - mg - tx;
          }
          break;
        case TAlignment::taRightJustify:
          tx = W - mg - Tw;
          gp.X = tx - sp - Gx;
          break;
        case TAlignment::taCenter:
          gp.X = std::max((W - Tw - sp - Gx) / 2, mg);
          tx = gp.X + sp + Gx;
          break;
      }
      break;
    case TButtonLayout::blGlyphRight:
      switch (in.Alignment) {
        case TAlignment::taLeftJustify:
          gp.X = mg + Tw + sp;
          tx = mg;
          break;
        case TAlignment::taRightJustify:
          gp.X = W - mg - Gx;
          tx = 0;
          cr.Right = gp.X - sp;
          break;
        case TAlignment::taCenter:
          tx = (W - Tw - sp - Gx) / 2;
          gp.X = tx + sp + Tw;
          break;
      }
      break;
    case TButtonLayout::blGlyphTop:
      gp.Y = (H - Gy - sp - Th) / 2;
      ty = gp.Y + Gy + sp;
      break;
    case TButtonLayout::blGlyphBottom: {
      const int d = (H - Gy - sp - Th) / 2;
      gp.Y = H - Gy - d;
      ty = gp.Y - sp - Th;
      break;
    }
  }

  gp.X += in.Client.Left;
  gp.Y += in.Client.Top;
  cr = cr.Offset(tx + in.Client.Left, ty + in.Client.Top);

  const int m = std::max(0, mg);
  const int bottom = in.Client.Bottom;
  if (in.VerticalAlignment == TVerticalAlignment::taAlignTop) {
    if (beside) {
      gp.Y = m;
      MoveTopTo(cr, m);
    } else if (in.Layout == TButtonLayout::blGlyphTop) {
      cr = cr.Offset(0, m - gp.Y);
      gp.Y = m;
    } else {
      gp.Y += m - cr.Top;
      MoveTopTo(cr, m);
    }
  } else if (in.VerticalAlignment == TVerticalAlignment::taAlignBottom) {
    if (beside) {
      gp.Y = bottom - m - Gy;
      MoveBottomTo(cr, bottom - m);
    } else if (in.Layout == TButtonLayout::blGlyphTop) {
      const int d = bottom - m - cr.Bottom;
      cr = cr.Offset(0, d);
      gp.Y += d;
    } else {
      cr = cr.Offset(0, bottom - m - gp.Y - Gy);
      gp.Y = bottom - m - Gy;
    }
  }

  if (in.RightToLeft) {
    cr = {W - cr.Right, cr.Top, W - cr.Left, cr.Bottom};
    gp.X = W - gp.X - Gx;
  }
  return out;
}

}  // namespace skin
