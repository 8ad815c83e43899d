#include "skin/windows/acTitleButtons.h"

#include "platform/win/HitCodes.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acPaintSection.h"
#include "skin/windows/acFormGeometry.h"

namespace skin {

namespace {

bool Inside(const gfx::TRect& r, gfx::TPoint p) {
  return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

}  // namespace

TacButtonGlyphs ButtonGlyphTypes(bool bigButtons, const TacMenuFacts& f, bool mainForm) {
  if (!bigButtons) return {tgSmallClose, tgSmallMax, tgSmallMin, tgSmallHelp, false};
  TacButtonGlyphs g{};
  g.Close = VisibleMax(f) || VisibleMin(f) ? tgClose : tgCloseAlone;
  g.Max = f.Maximized ? tgNorm : tgMax;
  g.Min = f.Minimized && !mainForm ? tgNorm : tgMin;
  g.Help = tgHelp;
  g.HaveAlignment = true;
  return g;
}

int TitleHitTest(const TacTitleHitFacts& f, gfx::TPoint p) {
  const TacMenuFacts& m = f.Menu;
  if (m.SystemMenu) {
    if (Inside(f.Close, p)) return EnabledClose(m) ? win::HTCLOSE : win::HTCAPTION;
    if (VisibleMax(m) && Inside(f.Max, p))
      return EnabledMax(m) || (EnabledRestore(m) && !m.Minimized) ? win::HTMAXBUTTON : win::HTCAPTION;
    if (VisibleMin(m) && Inside(f.Min, p)) return m.Minimized || EnabledMin(m) ? win::HTMINBUTTON : win::HTCAPTION;
    if (m.HelpIcon && Inside(f.Help, p)) return win::HTHELP;
  }
  const int fw = f.FrameWidth;
  if (!m.Maximized && f.SizingBorder) {
    enum { None, Top, Bottom } v = None;
    if (p.Y >= f.Height - fw) v = Bottom;
    else if (p.Y < fw) v = Top;
    if (p.X < fw) return v == Top ? win::HTTOPLEFT : v == Bottom ? win::HTBOTTOMLEFT : win::HTLEFT;
    if (p.X >= f.Width - fw) return v == Top ? win::HTTOPRIGHT : v == Bottom ? win::HTBOTTOMRIGHT : win::HTRIGHT;
    if (v == Top) return win::HTTOP;
    if (v == Bottom) return win::HTBOTTOM;
  }
  // The caption band reaches down to the system caption; the rows below it up to the end
  // of the skin's caption and the menu line are the menu line.
  if (p.Y >= 0 && p.Y < fw + f.SystemCaptionHeight) return Inside(f.Icon, p) ? win::HTSYSMENU : win::HTCAPTION;
  if (p.Y >= 0 && p.Y < fw + f.CaptionHeight + f.MenuLineHeight) return win::HTMENU;
  return win::HTCLIENT;
}

bool AnsweredByProvider(int hitCode) {
  switch (hitCode) {
    case win::HTNOWHERE:
    case win::HTCLIENT:
    case win::HTCAPTION:
    case win::HTMENU: return false;
    default: return hitCode < win::HTLEFT || hitCode > win::HTBOTTOMRIGHT;
  }
}

bool HotTitleCode(int h) {
  return h == win::HTMINBUTTON || h == win::HTMAXBUTTON || h == win::HTCLOSE || h == win::HTHELP ||
         (h >= 101 && h <= 103) || (h >= 1000 && h <= 1100) || (h >= 2000 && h <= 2100);
}

TacTitleHitFacts TitleHitFacts(const TacTitleLayout& l, const TacFrameShape& s, const TacMenuFacts& menu) {
  TacTitleHitFacts h;
  h.Menu = menu;
  h.Close = l.Close.Rect;
  h.Max = l.Max.Rect;
  h.Min = l.Min.Rect;
  h.Help = l.Help.Rect;
  h.Icon = l.IconRect;
  h.Width = s.Width;
  h.Height = s.Height;
  h.FrameWidth = l.FrameWidth;
  h.SystemCaptionHeight = SystemCaptionHeight(s);
  h.CaptionHeight = l.CaptionHeight;
  h.SizingBorder = s.SizingBorder;
  return h;
}

const TsMaskData* TitleGlyphEntry(const TacSkinData* d, int glyphType) {
  if (d == nullptr || glyphType < 0 || glyphType >= static_cast<int>(d->TitleGlyphs.size())) return nullptr;
  return ImageEntry(*d, d->TitleGlyphs[static_cast<std::size_t>(glyphType)]);
}

TacTitleSkin TitleSkinOf(const TacSkinData* d, const TsSkinManager* m) {
  TacTitleSkin ts;
  if (d != nullptr) {
    ts.BITopMargin = d->BITopMargin;
    ts.BILeftMargin = d->BILeftMargin;
    ts.BIRightMargin = d->BIRightMargin;
    ts.BISpacing = d->BISpacing;
    ts.Spacing = d->Spacing;
    if (const TsMaskData* close = TitleGlyphEntry(d, tgClose)) ts.ButtonHeight = close->Height;
  }
  if (m != nullptr) ts.BIVAlign = m->SkinCommonInfo.BIVAlign;
  return ts;
}

}  // namespace skin
