// The classic look's drawing pieces.
#include "platform/ctl/ClassicDraw.h"

#include <algorithm>

#include "platform/gfx/Gdi.h"
#include "platform/gfx/PixelOps.h"

namespace ctl::draw {

namespace {

using gfx::classic::Sys;

void Pixel(HDC dc, int x, int y, gfx::TColor c) { dc->FillRect(gfx::Bounds(x, y, 1, 1), c); }

// Draws a small picture given as rows of characters, each naming a system colour.
void Pattern(HDC dc, int x, int y, const char* const* rows, int count) {
  for (int r = 0; r < count; ++r)
    for (int c = 0; rows[r][c]; ++c) {
      int index = -1;
      switch (rows[r][c]) {
        case 'S': index = gfx::COLOR_BTNSHADOW; break;
        case 'D': index = gfx::COLOR_3DDKSHADOW; break;
        case 'H': index = gfx::COLOR_BTNHIGHLIGHT; break;
        case 'L': index = gfx::COLOR_3DLIGHT; break;
        default: break;
      }
      if (index >= 0) Pixel(dc, x + c, y + r, Sys(index));
    }
}

}  // namespace

void DrawFocusRect(HDC dc, const RECT& r) {
  if (r.Width() < 2 || r.Height() < 2) return;
  // Every other pixel along the outline, counted around from the top-left corner.
  auto dot = [&](int x, int y) {
    if (((x - r.Left) + (y - r.Top)) % 2 == 0) dc->InvertRect(gfx::Bounds(x, y, 1, 1));
  };
  for (int x = r.Left; x < r.Right; ++x) {
    dot(x, r.Top);
    dot(x, r.Bottom - 1);
  }
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    dot(r.Left, y);
    dot(r.Right - 1, y);
  }
}

void DrawArrow(HDC dc, const RECT& r, Arrow dir, int size, gfx::TColor color) {
  if (size < 1) return;
  bool vertical = dir == Arrow::Up || dir == Arrow::Down;
  int cx = r.Left + (r.Width() - 1) / 2;
  int cy = r.Top + (r.Height() - 1) / 2;
  // The triangle's tip points in the arrow's direction; its base is 2 * size - 1 wide.
  for (int i = 0; i < size; ++i) {
    int half = size - 1 - i;
    if (vertical) {
      int y = dir == Arrow::Down ? cy - size / 2 + i : cy + (size - 1) / 2 - i;
      dc->FillRect({cx - half, y, cx + half + 1, y + 1}, color);
    } else {
      int x = dir == Arrow::Right ? cx - size / 2 + i : cx + (size - 1) / 2 - i;
      dc->FillRect({x, cy - half, x + 1, cy + half + 1}, color);
    }
  }
}

void DrawCheckBox(HDC dc, int x, int y, int state, bool enabled, bool pushed) {
  RECT r = gfx::Bounds(x, y, 13, 13);
  DrawEdge(dc, r, Edge::Sunken);
  dc->FillRect(r, Sys(enabled && !pushed ? gfx::COLOR_WINDOW : gfx::COLOR_BTNFACE));
  if (state == 0) return;
  gfx::TColor mark = state == 2 || !enabled ? Sys(gfx::COLOR_BTNSHADOW) : Sys(gfx::COLOR_WINDOWTEXT);
  // The classic tick: seven columns, three pixels tall, down then up.
  static const int top[7] = {2, 3, 4, 3, 2, 1, 0};
  for (int c = 0; c < 7; ++c) dc->FillRect(gfx::Bounds(x + 3 + c, y + 3 + top[c], 1, 3), mark);
}

void DrawRadio(HDC dc, int x, int y, bool checked, bool enabled, bool pushed) {
  static const char* const ring[12] = {"    SSSS    ", "  SSDDDDSS  ", " SDD    LLH ", " SD      LH ",
                                       "SD        LH", "SD        LH", "SD        LH", "SD        LH",
                                       " SD      LH ", " SLL    LLH ", "  HHLLLLHH  ", "    HHHH    "};
  gfx::TColor inside = Sys(enabled && !pushed ? gfx::COLOR_WINDOW : gfx::COLOR_BTNFACE);
  dc->FillRect({x + 4, y + 2, x + 8, y + 10}, inside);
  dc->FillRect({x + 2, y + 4, x + 10, y + 8}, inside);
  dc->FillRect({x + 3, y + 3, x + 9, y + 9}, inside);
  Pattern(dc, x, y, ring, 12);
  if (!checked) return;
  gfx::TColor dot = Sys(enabled ? gfx::COLOR_WINDOWTEXT : gfx::COLOR_BTNSHADOW);
  dc->FillRect({x + 5, y + 4, x + 7, y + 8}, dot);
  dc->FillRect({x + 4, y + 5, x + 8, y + 7}, dot);
}

void FillChecker(HDC dc, const RECT& r, gfx::TColor a, gfx::TColor b) {
  if (r.IsEmpty()) return;
  // Composed in a small picture and copied once: cheaper than a fill per pixel.
  gfx::PixelBuffer pic(r.Width(), r.Height());
  const std::uint32_t pa = gfx::ColorToPixel(a), pb = gfx::ColorToPixel(b);
  for (int y = 0; y < pic.Height(); ++y) {
    std::uint32_t* row = pic.Row32(y);
    for (int x = 0; x < pic.Width(); ++x) row[x] = ((x + y) & 1) ? pb : pa;
  }
  gfx::Surface src(pic.View());
  dc->BitBlt(r.Left, r.Top, r.Width(), r.Height(), src, 0, 0, gfx::SRCCOPY);
}

void DrawSizeGrip(HDC dc, const RECT& r) {
  // Three ridges across the corner: one light line and two shadow lines each.
  gfx::TColor light = Sys(gfx::COLOR_BTNHIGHLIGHT), shadow = Sys(gfx::COLOR_BTNSHADOW);
  int size = std::min({r.Width(), r.Height(), 13});
  for (int k = 1; k < size; ++k) {
    int phase = k % 4;
    if (phase == 0) continue;
    gfx::TColor c = phase == 1 ? light : shadow;
    for (int i = 0; i <= k; ++i) Pixel(dc, r.Right - 1 - i, r.Bottom - 1 - (k - i), c);
  }
}

void DrawDisabledText(HDC dc, std::u16string_view text, RECT r, unsigned format) {
  int level = dc->Save();
  dc->SetBkMode(gfx::BkMode::Transparent);
  RECT shifted = r.Offset(1, 1);
  dc->SetTextColor(Sys(gfx::COLOR_BTNHIGHLIGHT));
  dc->DrawText(text, shifted, format);
  dc->SetTextColor(Sys(gfx::COLOR_BTNSHADOW));
  dc->DrawText(text, r, format);
  dc->Restore(level);
}

gfx::Font FontOf(const void* hfont) {
  if (!hfont) return gfx::Font();
  return static_cast<const gfx::FontObject*>(hfont)->value;
}

}  // namespace ctl::draw
