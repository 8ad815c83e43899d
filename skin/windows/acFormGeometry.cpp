#include "skin/windows/acFormGeometry.h"

#include <algorithm>

#include "platform/win/Metrics.h"

namespace skin {

namespace {

int Metric(int index, const TacFrameShape& s) {
  return win::GetSystemMetricsForDpi(index, static_cast<win::UINT>(s.Dpi > 0 ? s.Dpi : 96));
}

bool SizeableStyle(TacBorderStyle b) { return b == TacBorderStyle::bsSizeable || b == TacBorderStyle::bsSizeToolWin; }

}  // namespace

int FrameWidth(const TacFrameShape& s) {
  const int padded = SizeableStyle(s.BorderStyle) ? Metric(win::SM_CXPADDEDBORDER, s) : 0;
  if (s.SizingBorder) return Metric(win::SM_CXFRAME, s) + padded;
  if (s.BorderBit) return Metric(win::SM_CXFIXEDFRAME, s) + padded;
  const int measured = (s.Width - s.ClientWidth) / 2 - s.BorderWidth;
  return measured != 0 ? measured : Metric(win::SM_CXFIXEDFRAME, s);
}

int SystemCaptionHeight(const TacFrameShape& s) {
  switch (s.BorderStyle) {
    case TacBorderStyle::bsDialog:
      return s.PlatformMajorVersion >= 10 && !s.Minimized ? Metric(win::SM_CYSMCAPTION, s)
                                                          : Metric(win::SM_CYCAPTION, s);
    case TacBorderStyle::bsToolWindow:
    case TacBorderStyle::bsSizeToolWin:
      return s.Minimized ? Metric(win::SM_CYCAPTION, s) : Metric(win::SM_CYSMCAPTION, s);
    default: return Metric(win::SM_CYCAPTION, s);
  }
}

int CaptionHeight(const TacFrameShape& s) {
  if (!s.Minimized) {
    if (s.BorderStyle == TacBorderStyle::bsNone && !s.Child) return 0;
    if (!s.BorderBit && !s.DialogFrame) return 0;
  }
  return SystemCaptionHeight(s);
}

int OffsetX(const TacFrameShape& s) { return (s.Width - s.ClientWidth - s.VScrollWidth) / 2; }

int OffsetY(const TacFrameShape& s) {
  const int bottomFrame = s.BorderBit ? FrameWidth(s) + s.BorderWidth : 0;
  return s.Height - s.ClientHeight - bottomFrame - s.HScrollHeight;
}

int TitleIconSize(int captionMinusTopMargin) {
  if (captionMinusTopMargin <= 47) return 16;
  if (captionMinusTopMargin <= 64) return 24;
  return 32;
}

TacTitleLayout TitleLayout(const TacFrameShape& s, const TacTitleSkin& skin, const TacTitleRequest& req) {
  TacTitleFrame f;
  f.FrameWidth = FrameWidth(s);
  f.CaptionHeight = CaptionHeight(s);
  f.Left = f.FrameWidth;
  f.Right = s.Width - std::max(4, f.FrameWidth);
  f.TitleTop = s.Maximized ? req.FrameCXFrame - 1 : 0;
  f.VCenter = f.CaptionHeight / 2 + f.FrameWidth / 2 + (s.Maximized ? 2 : 0);
  f.HeaderHeight = f.FrameWidth + f.CaptionHeight;
  return TitleLayoutIn(f, skin, req);
}

TacTitleLayout TitleLayoutIn(const TacTitleFrame& f, const TacTitleSkin& skin, const TacTitleRequest& req) {
  TacTitleLayout l;
  l.FrameWidth = f.FrameWidth;
  l.CaptionHeight = f.CaptionHeight;
  l.VCenter = f.VCenter;
  l.HeaderHeight = f.HeaderHeight;
  l.TextLeftShift = f.TextLeftShift;
  l.TextRightShift = f.TextRightShift;
  const int left = f.Left;
  const int right = f.Right;
  const int titleTop = f.TitleTop;

  l.ContentLeft = left;
  if (req.ShowIcon) {
    int w = req.IconWidth, h = req.IconHeight;
    if (w <= 0 || h <= 0) w = h = TitleIconSize(l.CaptionHeight - skin.BITopMargin);
    const int top = l.VCenter - h / 2 + f.IconShift;
    l.IconRect = {left, top, left + w, top + h};
    l.ContentLeft = l.IconRect.Right + skin.Spacing;
  }

  // Buttons from the right edge leftwards.
  int x = right;
  const int spacing = skin.BISpacing * (req.BigButtons ? 1 : 0);
  auto place = [&](TacTitleButtonSlot& b) {
    if (!b.Shown) {
      b.Rect = {x, 0, x, 0};
      return;
    }
    b.Rect.Right = x;
    b.Rect.Left = x - b.Width;
    x = b.Rect.Left - spacing;
    b.Rect.Top = b.HaveAlignment && skin.BIVAlign == 1 ? titleTop : l.VCenter - skin.ButtonHeight / 2;
    b.Rect.Bottom = b.Rect.Top + skin.ButtonHeight;
  };
  l.Close = req.Close;
  l.Max = req.Max;
  l.Min = req.Min;
  l.Help = req.Help;
  place(l.Close);
  place(l.Max);
  place(l.Min);
  if (l.Help.Shown) x -= skin.Spacing;
  place(l.Help);

  l.TotalButtonWidth = skin.BIRightMargin + (l.Close.Shown ? l.Close.Width : 0);
  for (const TacTitleButtonSlot* b : {&l.Max, &l.Min, &l.Help})
    if (b->Shown) l.TotalButtonWidth += b->Width + spacing;
  return l;
}

gfx::TRect CaptionTextRect(const TacTitleLayout& l, const TacTitleSkin& skin, int pictureWidth, int textHeight) {
  gfx::TRect r;
  r.Left = l.FrameWidth + l.TextLeftShift + skin.BILeftMargin + (skin.HasCaptionSection ? 2 : 0);
  if (!l.IconRect.IsEmpty()) r.Left += l.IconRect.Width() + skin.Spacing + (skin.BILeftMargin == 0 ? skin.Spacing : 0);
  r.Right = pictureWidth - l.TotalButtonWidth - l.FrameWidth - l.TextRightShift - skin.Spacing;
  r.Top = l.VCenter - textHeight / 2 - 1;
  r.Bottom = r.Top + textHeight;
  return r;
}

}  // namespace skin
