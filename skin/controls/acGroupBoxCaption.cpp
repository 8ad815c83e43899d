#include "skin/controls/acGroupBoxCaption.h"

#include <algorithm>

namespace skin {

using gfx::TRect;

TacGroupBoxCaption CalcGroupBoxCaption(const TacGroupBoxCaptionInput& in) {
  TacGroupBoxCaption out;
  const int t = std::max(4, in.LetterHeight) + 2;
  const int tw = in.TextWidth;
  const int iw = in.Image.cx, ih = in.Image.cy;
  const int cw = in.CheckBox.cx, ch = in.CheckBox.cy;
  const bool image = iw > 0 && ih > 0;
  const bool check = cw > 0 && ch > 0;
  const int s = in.Spacing;
  out.TextHeight = t;

  int height = t + in.CaptionYOffset + 2;
  if (image) height = std::max(height, ih);
  TRect& cr = out.CaptionRect;
  cr.Top = in.Margin.Top + std::min(in.CaptionYOffset, 0);

  int w = in.CaptionWidth != 0 ? in.CaptionWidth : tw + (image ? iw + s : 0);
  if (check) {
    height = std::max(height, ch);
    w += cw + s;
  }
  if (in.Card) height += s;
  out.CaptionHeight = height;
  cr.Bottom = cr.Top + height;

  int left;
  if (in.Layout == clTopCenter) left = (in.Width - w) / 2;
  else if ((in.Layout == clTopLeft && !in.RightToLeft) || (in.Layout == clTopRight && in.RightToLeft))
    left = in.Margin.Left + 6;
  else left = in.Width - w - in.Margin.Right - 6;
  cr.Left = std::max(left, 0);
  cr.Right = std::min(cr.Left + w, in.Width - 1);
  if (w < 2 * in.BevelWidth) {
    cr.Left = std::max(cr.Left - in.BevelWidth, 0);
    cr.Right = std::min(cr.Right + in.BevelWidth, in.Width - 1);
  }

  // The parts in reading order; right to left they start at the right edge.
  int x = 0;  // distance from the start edge
  auto place = [&](int width) {
    const int from = x, to = x + width;
    x = to;
    if (in.RightToLeft) return TRect{cr.Right - to, 0, cr.Right - from, 0};
    return TRect{cr.Left + from, 0, cr.Left + to, 0};
  };
  if (check) out.CheckBoxRect = place(cw);
  if (image) {
    if (check) x += s;
    out.GlyphRect = place(iw);
  }
  if (image || check) x += s;
  else x += (w - tw) / 2;
  // A text wider than the room left is cut to it.
  const int room = std::max(0, cr.Width() - std::max(x, 0));
  const int textWidth = std::min(tw, room);
  x = std::max(x, 0);
  out.TextRect = place(textWidth);

  out.CheckBoxRect.Top = cr.Top + (height - ch) / 2;
  out.CheckBoxRect.Bottom = out.CheckBoxRect.Top + ch;
  out.GlyphRect.Top = cr.Top + (height - ih) / 2;
  out.GlyphRect.Bottom = out.GlyphRect.Top + ih;
  out.TextRect.Top = cr.Top + (height - t) / 2;
  out.TextRect.Bottom = out.TextRect.Top + t;
  out.TopRect = {0, 0, in.Width, std::max(0, height / 2 + in.Margin.Top)};
  return out;
}

}  // namespace skin
