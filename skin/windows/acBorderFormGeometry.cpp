#include "skin/windows/acBorderFormGeometry.h"

#include <algorithm>

#include "platform/win/HitCodes.h"

namespace skin {

bool ExtendedBordersWanted(const TacExConditions& c) {
  if (!c.ManagerExtendedBorders || !c.PerPixelAlphaWindows || !c.AllowExtBorders || !c.FrameSkinned) return false;
  if (c.Child || c.MDIChild || c.BorderStyleNone || c.UWPMode) return false;
  return !(c.Maximized && c.NativeBordersMaximized);
}

bool SysExHeight(const TacExBorderSkin& k, const TacFrameShape& s) {
  return SystemCaptionHeight(s) > (s.Maximized ? k.MaxHeight : k.TitleHeight);
}

int ExFrameWidth(const TacExBorderSkin& k) { return k.BorderWidth; }

int ExCaptionHeight(const TacExBorderSkin& k, const TacFrameShape& s, bool sysExHeight) {
  const int skinHeight = s.Maximized ? k.MaxHeight : k.TitleHeight;
  return sysExHeight ? std::max(skinHeight, SystemCaptionHeight(s) + 4) : skinHeight;
}

int ExOffsetX(const TacExBorderSkin& k, const TacFrameShape& s) {
  return ExFrameWidth(k) + s.BorderWidth + k.Shadow.Left;
}

int ExOffsetY(const TacExBorderSkin& k, const TacFrameShape& s, bool sysExHeight, int menuHeight) {
  return ExCaptionHeight(k, s, sysExHeight) + menuHeight + s.BorderWidth + k.Shadow.Top + (menuHeight > 0 ? 1 : 0);
}

gfx::TSize ExPictureSize(const TacExBorderSkin& k, const TacFrameShape& s, bool sysExHeight, int menuHeight) {
  const int side = ExFrameWidth(k) + s.BorderWidth;
  return {ExOffsetX(k, s) + s.ClientWidth + side + k.Shadow.Right,
          ExOffsetY(k, s, sysExHeight, menuHeight) + s.ClientHeight + side + k.Shadow.Bottom};
}

gfx::TRect ExBorderWindowRect(const TacExBorderSkin& k, const TacFrameShape& s, bool sysExHeight, int menuHeight,
                              gfx::TPoint clientOnScreen) {
  const gfx::TSize size = ExPictureSize(k, s, sysExHeight, menuHeight);
  const int left = clientOnScreen.X - ExOffsetX(k, s);
  const int top = clientOnScreen.Y - ExOffsetY(k, s, sysExHeight, menuHeight);
  return {left, top, left + size.cx, top + size.cy};
}

gfx::TRect ExFormRegionRect(const TacFrameShape& s) {
  const int f = FrameWidth(s);
  const int c = CaptionHeight(s);
  gfx::TRect r{f, f + c, s.Width - f, s.Height - f};
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
  return r;
}

TacTitleFrame ExTitleFrame(const TacExBorderSkin& k, const TacFrameShape& s, bool sysExHeight, int pictureWidth) {
  TacTitleFrame f;
  f.FrameWidth = ExFrameWidth(k);
  f.CaptionHeight = ExCaptionHeight(k, s, sysExHeight);
  f.HeaderHeight = f.CaptionHeight + k.Shadow.Top;
  f.VCenter = f.HeaderHeight - f.CaptionHeight / 2;
  if (s.Maximized && k.MaxHeight != k.TitleHeight) f.IconShift = (k.TitleHeight - k.MaxHeight) / 2 - 2;
  else f.VCenter += k.CenterOffs;
  f.Left = f.FrameWidth + k.Shadow.Left + k.BILeftMargin;
  f.Right = pictureWidth - std::max(4, f.FrameWidth) - k.Shadow.Right - k.BIRightMargin;
  f.TitleTop = k.Shadow.Top;
  f.TextLeftShift = k.Shadow.Left;
  f.TextRightShift = k.Shadow.Right;
  return f;
}

int ExHitTest(TacTitleHitFacts facts, const TacExBorderSkin& k, int captionHeight, gfx::TPoint p) {
  const gfx::TRect& sh = k.Shadow;
  const gfx::TPoint v{p.X - sh.Left, p.Y - sh.Top};
  const int width = facts.Width - sh.Left - sh.Right;
  const int height = facts.Height - sh.Top - sh.Bottom;
  if (v.X < 0 || v.Y < 0 || v.X >= width || v.Y >= height) return win::HTTRANSPARENT;
  for (gfx::TRect* r : {&facts.Close, &facts.Max, &facts.Min, &facts.Help, &facts.Icon})
    *r = r->Offset(-sh.Left, -sh.Top);
  facts.Width = width;
  facts.Height = height;
  facts.FrameWidth = k.BorderWidth;
  // The band holds the top frame: below it lies the caption proper.
  facts.SystemCaptionHeight = std::max(0, captionHeight - k.BorderWidth);
  facts.CaptionHeight = facts.SystemCaptionHeight;
  const int code = TitleHitTest(facts, v);
  return code == win::HTCLIENT ? win::HTNOWHERE : code;
}

}  // namespace skin
