#include "tools/skingen/MockScenes.h"

#include <algorithm>
#include <string>

#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "skin/render/pixels/acPixelBlend.h"

namespace skingen {

namespace {

using skin::Bitmap32;
using skin::TColor;
using skin::TPoint;
using skin::TRect;

constexpr unsigned kLine = gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX;
constexpr int kScroll = 17;  // the platform's scroll bar width
constexpr TColor kDesktop = 0xE8E2DC;

void Fill(Bitmap32& b, const TRect& r, TColor c, std::uint8_t alpha = 255) { skin::FillPixels(&b, r, c, alpha); }

// Copies r from one picture of the same size into another.
void Restore(Bitmap32& dst, const Bitmap32& from, const TRect& r) {
  for (int y = std::max(0, r.Top); y < std::min(dst.Height(), r.Bottom); ++y)
    for (int x = std::max(0, r.Left); x < std::min(dst.Width(), r.Right); ++x) dst.Row(y)[x] = from.Pixel(x, y);
}

int TextWidth(Bitmap32& b, std::u16string_view text, int height, int weight = 400) {
  gfx::Surface& s = b.Canvas();
  const int saved = s.Save();
  gfx::FontDesc f;
  f.height = height;
  f.weight = weight;
  s.SetFont(gfx::Font(f));
  const int w = s.TextExtent(text).cx;
  s.Restore(saved);
  return w;
}

// Cuts the window's shape: the key pixels of the frame image's corners show what lay
// behind the window, as the window region does on screen.
void CutCorners(Bitmap32& dst, const Bitmap32& behind, const TRect& win, const TLookImage& img, int state) {
  if (!img.Valid()) return;
  const skin::TacImageRef& ref = img.Ref;
  const int pw = img.Width(), ph = img.Height();
  const int sx = ref.R.Left + std::min(state, ref.ImageCount - 1) * pw, sy = ref.R.Top;
  for (int y = 0; y < ph; ++y) {
    for (int x = 0; x < pw; ++x) {
      const bool left = x < ref.WL, right = x >= pw - ref.WR, top = y < ref.WT, bottom = y >= ph - ref.WB;
      if (!((left || right) && (top || bottom))) continue;
      if (img.Source->Pixel(sx + x, sy + y) != skin::KeyPixel) continue;
      const int dx = left ? win.Left + x : win.Right - (pw - x);
      const int dy = top ? win.Top + y : win.Bottom - (ph - y);
      Restore(dst, behind, {dx, dy, dx + 1, dy + 1});
    }
  }
}

struct TWindow {
  TRect Bounds;
  int Frame = 8;
  int Caption = 23;
  bool Active = true;
  std::u16string Title;  // empty: a bar in place of the text
};

// A small application icon: the program's own picture, not part of the skin.
void PaintAppIcon(Bitmap32& dst, TPoint at) {
  gfx::Surface& s = dst.Canvas();
  s.DrawSmoothLine({at.X + 3.0, at.Y + 4.0}, {at.X + 12.0, at.Y + 4.0}, 2, 0xFFF3C9A4);
  s.DrawSmoothLine({at.X + 3.0, at.Y + 8.0}, {at.X + 12.0, at.Y + 8.0}, 2, 0xFFFFFFFF);
  s.DrawSmoothLine({at.X + 3.0, at.Y + 12.0}, {at.X + 9.0, at.Y + 12.0}, 2, 0xFFFFFFFF);
}

// Paints frame, title band, icon, caption and close button; returns the client rectangle.
TRect PaintWindow(const TMockPainter& p, Bitmap32& canvas, const TWindow& w) {
  const TSkinLook& look = p.Look();
  const Bitmap32 behind = canvas;
  const int st = w.Active ? 1 : 0;
  p.Section(canvas, w.Bounds, u"FORM", st);
  const int band = w.Frame + w.Caption;
  p.Background(canvas, {w.Bounds.Left, w.Bounds.Top, w.Bounds.Right, w.Bounds.Top + band}, u"FORMTITLE", st);
  CutCorners(canvas, behind, w.Bounds, look.Image(u"FORM", u"BORDERSMASK"), std::min(st, look.States(u"FORM") - 1));

  const int W = w.Bounds.Width(), X = w.Bounds.Left, Y = w.Bounds.Top;
  const int vCenter = w.Caption / 2 + w.Frame / 2;
  const int spacing = 4;
  PaintAppIcon(canvas, {X + w.Frame, Y + vCenter - 8});
  const TLookImage close = look.Image(u"GLOBALINFO", u"BICONCLOSE");
  const int bw = close.Valid() ? close.Width() : 21, bh = close.Valid() ? close.Height() : 21;
  const int right = W - std::max(4, w.Frame);
  p.Glyph(canvas, {X + right - bw, Y + vCenter - bh / 2}, close, 0);

  const TLookState title = look.State(u"FORMTITLE", st);
  const int biRight = look.Int(u"GLOBALINFO", u"BIRIGHT", 0);
  const TRect text{X + w.Frame + 16 + 2 * spacing, Y + vCenter - 8 - 1, X + W - (biRight + bw) - w.Frame - spacing,
                   Y + vCenter - 8 - 1 + 16};
  if (!w.Title.empty()) {
    p.Text(canvas, text, w.Title, title.FontColor, -13, kLine | gfx::DT_END_ELLIPSIS, gfx::FW_BOLD);
  } else {
    Fill(canvas, {text.Left, text.Top + 7, text.Left + 56, text.Top + 10}, title.FontColor);
  }
  return {X + w.Frame, Y + band, X + W - w.Frame, w.Bounds.Bottom - w.Frame};
}

// A group box: its frame over the parent, the caption band cut out of the top edge and
// the caption in the colours of the form behind it.
void PaintGroupBox(const TMockPainter& p, Bitmap32& canvas, const TRect& box, std::u16string_view caption,
                   bool withText) {
  const Bitmap32 behind = canvas;
  const int captionHeight = 20;  // text height 18 of Tahoma 13 plus 2
  p.Section(canvas, {box.Left, box.Top + captionHeight / 2, box.Right, box.Bottom}, u"GROUPBOX", 0);
  const int tw = withText ? TextWidth(canvas, caption, -13) : 60;
  const int left = box.Left + (box.Width() - tw) / 2;
  Restore(canvas, behind, {left - 2, box.Top, left + tw + 2, box.Top + captionHeight + 1});
  const TColor colour = p.Look().State(u"FORM", 0).FontColor;
  if (withText) {
    p.Text(canvas, {left, box.Top + 1, left + tw, box.Top + 19}, caption, colour, -13, kLine | gfx::DT_CENTER);
  } else {
    Fill(canvas, {left + 4, box.Top + 9, left + tw - 4, box.Top + 12}, colour);
  }
}

void PaintButton(const TMockPainter& p, Bitmap32& canvas, const TRect& r, std::u16string_view caption, int state,
                 bool withText) {
  const TSkinLook& look = p.Look();
  const int states = look.States(u"BUTTON");
  const int s = state == 3 && states < 4 ? 1 : std::min(state, states - 1);
  p.Section(canvas, r, u"BUTTON", s);
  // Captions in the normal and default looks take the colour of the section behind the
  // button; the hot and pressed looks their own.
  const TColor colour = state == 1 || state == 2 ? look.State(u"BUTTON", state).FontColor
                                                 : look.State(u"FORM", state == 3 ? 1 : 0).FontColor;
  const TRect t = state == 2 ? r.Offset(1, 1) : r;
  if (withText) {
    p.Text(canvas, t, caption, colour, -13, kLine | gfx::DT_CENTER);
  } else {
    const int cx = (t.Left + t.Right) / 2, cy = (t.Top + t.Bottom) / 2;
    Fill(canvas, {cx - 14, cy - 1, cx + 14, cy + 2}, colour);
  }
}

// A vertical scroll bar with its thumb at `first` of `total` lines, `page` shown.
void PaintVScroll(const TMockPainter& p, Bitmap32& canvas, const TRect& bar, int first, int page, int total,
                  int hotPart) {
  const TSkinLook& look = p.Look();
  const int b = kScroll, s = bar.Top, e = bar.Bottom, track = (e - s) - 2 * b;
  const int len = std::max(16, page * track / (total + 1));
  const int start = s + b + std::clamp(first * (track - len) / std::max(1, total - page + 1), 0, track - len);
  const int c = start + len / 2;
  p.Section(canvas, {bar.Left, s, bar.Right, c}, u"SCROLLBAR1V", 0);
  p.Section(canvas, {bar.Left, c, bar.Right, e}, u"SCROLLBAR2V", 0);
  auto button = [&](const TRect& r, std::u16string_view section, int state, TArrowSide side) {
    p.Section(canvas, r, section, state);
    const TLookImage glyph = look.Image(section, u"GLYPHMASK");
    if (glyph.Valid()) {
      p.Glyph(canvas, {r.Left + (r.Width() - glyph.Width()) / 2, r.Top + (r.Height() - glyph.Height()) / 2}, glyph,
              state);
    } else {
      p.Arrow(canvas, r, look.State(section, std::min(state, 2)).FontColor, side);
    }
  };
  button({bar.Left, s, bar.Right, s + b}, u"SCROLLBTNTOP", hotPart == 0 ? 1 : 0, TArrowSide::Up);
  button({bar.Left, e - b, bar.Right, e}, u"SCROLLBTNBOTTOM", hotPart == 1 ? 2 : 0, TArrowSide::Down);
  p.Section(canvas, {bar.Left, start, bar.Right, start + len}, u"SCROLLSLIDERV", hotPart == 5 ? 1 : 0);
}

void PaintEdit(const TMockPainter& p, Bitmap32& canvas, const TRect& r, std::u16string_view text, bool hint,
               bool withText) {
  p.Section(canvas, r, u"EDIT", 0);
  const TLookState st = p.Look().State(u"EDIT", 0);
  const TColor colour = hint ? skin::BlendColorValues(st.FontColor, st.Color, 166) : st.FontColor;
  const TRect t{r.Left + 3, r.Top + 3, r.Right - 3, r.Bottom - 2};
  if (withText) {
    p.Text(canvas, t, text, colour, -13, gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
  } else {
    Fill(canvas, {t.Left + 2, t.Top + 5, t.Left + t.Width() * 3 / 5, t.Top + 9}, colour);
  }
}

}  // namespace

Bitmap32 PaintMainWindowMockup(const TMockPainter& p) {
  Bitmap32 canvas(710, 625);
  Fill(canvas, {0, 0, 710, 625}, kDesktop);
  const TRect client = PaintWindow(p, canvas, {{20, 20, 690, 605}, 8, 23, true, u"Pellomir by Orvanta V1.0"});
  const int X = client.Left, Y = client.Top, W = client.Width();

  PaintGroupBox(p, canvas, {X, Y, X + W, Y + 65}, u"Получить список URL введите адрес нужного вам сайта", true);
  PaintEdit(p, canvas, {X + 24, Y + 24, X + 24 + 489, Y + 48}, u"http://www.example.com/sitemap.php (sitemap.xml)",
            true, true);
  PaintButton(p, canvas, {X + 520, Y + 22, X + 633, Y + 50}, u"Получить список", 1, true);

  const int g2 = Y + 65;
  PaintGroupBox(p, canvas, {X, g2, X + W, g2 + 392}, u" Полученный список URL. Найдено URL: 48 ", true);
  const TRect memo{X + 2, g2 + 18, X + 652, g2 + 390};
  p.Section(canvas, memo, u"EDIT", 0);
  const TColor ink = p.Look().State(u"EDIT", 0).FontColor;
  for (int i = 0; i < 27; ++i) {
    const std::u16string line = u"https://www.example.com/catalog/item-" + std::u16string(1, u'0' + i / 10) +
                                std::u16string(1, u'0' + i % 10) + u".html";
    p.Text(canvas, {memo.Left + 3, memo.Top + 3 + i * 13, memo.Right - 20, memo.Top + 16 + i * 13}, line, ink, -11,
           gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
  }
  PaintVScroll(p, canvas, {memo.Right - 2 - kScroll, memo.Top + 2, memo.Right - 2, memo.Bottom - 2}, 0, 27, 48, -1);

  const int g3 = g2 + 392;
  PaintGroupBox(p, canvas, {X, g3, X + W, g3 + 80}, u"Сохранить результаты в файл", true);
  PaintButton(p, canvas, {X + 272, g3 + 32, X + 353, g3 + 57}, u"Сохранить", 0, true);
  // The program's information sign (its own picture, not part of the skin).
  gfx::Surface& s = canvas.Canvas();
  s.SetPen(gfx::Pen::Null());
  s.SetBrush(gfx::Brush::Solid(0xC87A2A));
  s.Ellipse({X + 544, g3 + 24, X + 576, g3 + 56});
  p.Text(canvas, {X + 544, g3 + 24, X + 576, g3 + 56}, u"i", 0xFFFFFF, -22, kLine | gfx::DT_CENTER, gfx::FW_BOLD);
  return canvas;
}

Bitmap32 PaintStatesBoard(const TMockPainter& p) {
  const TSkinLook& look = p.Look();
  Bitmap32 canvas(840, 560);
  Fill(canvas, {0, 0, 840, 560}, look.State(u"FORM", 1).Color);
  const TColor label = look.State(u"FORM", 0).FontColor;
  auto caption = [&](int x, int y, std::u16string_view t) {
    p.Text(canvas, {x, y, x + 200, y + 14}, t, label, -11, gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
  };
  // Buttons: normal, hot, pressed, default, and the huge face.
  caption(16, 8, u"BUTTON 0 / 1 / 2 / default");
  for (int i = 0; i < 4; ++i) PaintButton(p, canvas, {16 + i * 100, 26, 106 + i * 100, 51}, u"Сохранить", i, true);
  caption(420, 8, u"BUTTON_HUGE 0 / 1 / 2");
  for (int i = 0; i < 3; ++i) p.Section(canvas, {420 + i * 110, 26, 520 + i * 110, 66}, u"BUTTON_HUGE", i);

  // Title bands, active and inactive, with every title glyph in its three states.
  static const char16_t* const kGlyphs[] = {u"BICONCLOSE", u"BICONMAX",   u"BICONMIN",   u"BICONNORM",
                                            u"BICONHELP",  u"SICONCLOSE", u"TITLEBUTTON"};
  for (int a = 0; a < 2; ++a) {
    const int y = 80 + a * 40;
    p.Background(canvas, {16, y, 824, y + 31}, u"FORMTITLE", 1 - a);
    p.Text(canvas, {24, y + 6, 200, y + 24}, a == 0 ? u"Active title" : u"Inactive title",
           look.State(u"FORMTITLE", 1 - a).FontColor, -13, kLine, gfx::FW_BOLD);
    int x = 200;
    for (const char16_t* g : kGlyphs) {
      const TLookImage img = look.Image(u"GLOBALINFO", g);
      for (int st = 0; st < 3 && img.Valid(); ++st) {
        p.Glyph(canvas, {x, y + 15 - img.Height() / 2}, img, st);
        x += img.Width() + 2;
      }
      x += 8;
    }
  }

  // Check boxes and radio buttons in their three states, the small boxes, the grips.
  caption(16, 160, u"BOX / RADIO / SMALL / GRIP");
  static const char16_t* const kBoxes[] = {u"BOXUNCHECKED", u"BOXCHECKED", u"BOXGRAYED", u"RADIOUNCHECKED",
                                           u"RADIOCHECKED"};
  int x = 16;
  for (const char16_t* k : kBoxes) {
    const TLookImage img = look.Image(u"GLOBALINFO", k);
    for (int st = 0; st < 3 && img.Valid(); ++st) {
      p.Glyph(canvas, {x, 180}, img, st);
      x += img.Width() + 4;
    }
    x += 10;
  }
  static const char16_t* const kSmall[] = {u"SMALLUNCHECKED", u"SMALLCHECKED", u"SMALLGRAYED",
                                           u"GRIPIMAGE",      u"GRIPHORZ",     u"GRIPVERT"};
  for (const char16_t* k : kSmall) {
    const TLookImage img = look.Image(u"GLOBALINFO", k);
    if (!img.Valid()) continue;
    p.Glyph(canvas, {x, 182}, img, 0);
    x += img.Width() + 10;
  }

  // Edits, hint and selection; a panel and a sunken panel with text.
  PaintEdit(p, canvas, {16, 210, 246, 234}, u"https://example.com/sitemap.xml", false, true);
  PaintEdit(p, canvas, {256, 210, 486, 234}, u"http://www.example.com/sitemap.php", true, true);
  p.Section(canvas, {496, 210, 744, 234}, u"COMBOBOX", 0);
  const TLookImage arrow = look.Image(u"COMBOBOX", u"GLYPHMASK");
  const TRect comboButton{722, 212, 742, 232};
  p.Section(canvas, comboButton, u"COMBOBTN", 1);
  if (arrow.Valid()) p.Glyph(canvas, {comboButton.Left + (comboButton.Width() - arrow.Width()) / 2, 219}, arrow, 1);
  p.Text(canvas, {500, 210, 700, 234}, u"COMBOBOX", look.State(u"COMBOBOX", 0).FontColor, -13, kLine);
  for (int st = 0; st < 2; ++st) {
    const TRect r{16 + st * 180, 244, 186 + st * 180, 262};
    p.Section(canvas, r, u"SELECTION", st);
    p.Text(canvas, r.Offset(4, 0), st ? u"SELECTION focused" : u"SELECTION", look.State(u"SELECTION", st).FontColor,
           -11, kLine);
  }
  {
    const TRect r{376, 244, 560, 262};
    p.Section(canvas, r, u"HINT", 0);
    p.Text(canvas, r.Offset(6, 0), u"HINT: a short tip", look.State(u"HINT", 0).FontColor, -11, kLine);
  }
  const TRect panel{16, 272, 370, 352};
  p.Section(canvas, panel, u"PANEL", 0);
  p.Text(canvas, panel.Offset(10, 0), u"PANEL: labels of the info window", look.State(u"PANEL", 0).FontColor, -13,
         kLine);
  const TRect low{380, 272, 744, 352};
  p.Section(canvas, low, u"PANEL_LOW", 0);
  p.Text(canvas, low.Offset(10, 0), u"PANEL_LOW", look.State(u"PANEL_LOW", 0).FontColor, -13, kLine);

  // Tabs on a page, a tool bar with tool buttons, a progress bar, a menu.
  static const char16_t* const kTabText[] = {u"Normal", u"Hot", u"Selected"};
  p.Section(canvas, {16, 384, 370, 470}, u"PAGECONTROL", 0);
  for (int st = 0; st < 3; ++st) {
    const TRect r{18 + st * 84, st == 2 ? 362 : 364, 100 + st * 84, 386};
    p.Section(canvas, r, u"TABTOP", st);
    p.Text(canvas, r, kTabText[st], look.State(u"TABTOP", st).FontColor, -11, kLine | gfx::DT_CENTER);
  }
  p.Section(canvas, {380, 362, 744, 392}, u"TOOLBAR", 0);
  for (int st = 0; st < 3; ++st) {
    const TRect r{384 + st * 70, 365, 450 + st * 70, 389};
    p.Section(canvas, r, u"TOOLBUTTON", st);
    p.Text(canvas, r, kTabText[st], look.State(u"TOOLBUTTON", st).FontColor, -11, kLine | gfx::DT_CENTER);
  }
  p.Section(canvas, {380, 402, 744, 420}, u"PROGRESSH", 0);
  p.Section(canvas, {382, 404, 600, 418}, u"GAUGE", 0);
  p.Section(canvas, {380, 430, 560, 540}, u"MAINMENU", 0);
  static const char16_t* const kItems[] = {u"Open", u"Save as...", u"Close"};
  for (int i = 0; i < 3; ++i) {
    const TRect r{383, 434 + i * 22, 557, 455 + i * 22};
    p.Section(canvas, r, u"MENUITEM", i == 1 ? 1 : 0);
    p.Text(canvas, r.Offset(24, 0), kItems[i], look.State(u"MENUITEM", i == 1 ? 1 : 0).FontColor, -11, kLine);
  }
  // Scroll bars: normal, hot thumb, pressed arrow.
  for (int i = 0; i < 3; ++i) {
    const TRect bar{600 + i * 24, 430, 600 + i * 24 + kScroll, 540};
    PaintVScroll(p, canvas, bar, 10, 20, 60, i == 1 ? 5 : (i == 2 ? 1 : -1));
  }
  // Toggle switches.
  for (int on = 0; on < 2; ++on) {
    const TRect r{16 + on * 60, 490, 60 + on * 60, 510};
    p.Section(canvas, r, on ? u"SLIDER_ON" : u"SLIDER_OFF", 0);
    const TRect k = on ? TRect{r.Right - 20, r.Top, r.Right, r.Bottom} : TRect{r.Left, r.Top, r.Left + 20, r.Bottom};
    p.Section(canvas, k, on ? u"THUMB_ON" : u"THUMB_OFF", 0);
  }
  return canvas;
}

Bitmap32 PaintPreview(const TMockPainter& p) {
  Bitmap32 canvas(256, 192);
  Fill(canvas, {0, 0, 256, 192}, 0, 0);
  const TRect client = PaintWindow(p, canvas, {{4, 4, 252, 188}, 4, 22, true, u""});
  const int X = client.Left, Y = client.Top, W = client.Width();
  PaintGroupBox(p, canvas, {X + 4, Y + 2, X + W - 4, Y + 48}, u"", false);
  PaintEdit(p, canvas, {X + 14, Y + 20, X + 150, Y + 40}, u"", true, false);
  PaintButton(p, canvas, {X + 158, Y + 19, X + W - 14, Y + 41}, u"", 1, false);
  PaintGroupBox(p, canvas, {X + 4, Y + 50, X + W - 4, Y + client.Height() - 4}, u"", false);
  const TRect memo{X + 14, Y + 68, X + W - 14, Y + client.Height() - 12};
  p.Section(canvas, memo, u"EDIT", 0);
  const TLookState edit = p.Look().State(u"EDIT", 0);
  const TColor bar = skin::BlendColorValues(edit.FontColor, edit.Color, 140);
  for (int i = 0; i < 6; ++i) {
    const int y = memo.Top + 6 + i * 11;
    if (y + 4 > memo.Bottom - 4) break;
    Fill(canvas, {memo.Left + 6, y, memo.Left + 60 + (i * 37) % 80, y + 3}, bar);
  }
  PaintVScroll(p, canvas, {memo.Right - 2 - kScroll, memo.Top + 2, memo.Right - 2, memo.Bottom - 2}, 3, 6, 20, -1);
  return canvas;
}

}  // namespace skingen
