#include "skin/render/pixels/acGradient.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/gfx/Surface.h"
#include "skin/render/pixels/acPixelClip.h"

namespace skin {
namespace {

// Reads one list item as an integer: decimal with an optional sign, "$" or "0x" hex.
// Anything else reads as 0.
std::int64_t ItemValue(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  bool neg = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    neg = s.front() == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (!s.empty() && s.front() == '$') {
    base = 16;
    s.remove_prefix(1);
  } else if (s.size() > 1 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.remove_prefix(2);
  }
  if (s.empty()) return 0;
  std::int64_t v = 0;
  for (char ch : s) {
    int d;
    if (ch >= '0' && ch <= '9') d = ch - '0';
    else if (base == 16 && ch >= 'a' && ch <= 'f') d = ch - 'a' + 10;
    else if (base == 16 && ch >= 'A' && ch <= 'F') d = ch - 'A' + 10;
    else return 0;
    v = v * base + d;
    if (v > 0xFFFFFFFFll) return 0;
  }
  return neg ? -v : v;
}

std::vector<std::string_view> SplitItems(std::string_view text) {
  std::vector<std::string_view> items;
  std::size_t start = 0;
  while (true) {
    const std::size_t p = text.find(';', start);
    if (p == std::string_view::npos) {
      items.push_back(text.substr(start));
      break;
    }
    items.push_back(text.substr(start, p - start));
    start = p + 1;
  }
  return items;
}

std::uint8_t ClampPercent(std::int64_t v) { return static_cast<std::uint8_t>(std::clamp<std::int64_t>(v, 0, 100)); }

}  // namespace

TsGradArray ParseGradientData(std::string_view text) {
  TsGradArray out;
  if (text.size() <= 4) return out;
  const auto items = SplitItems(text);
  auto item = [&](std::size_t oneBased) -> std::int64_t {
    return oneBased >= 1 && oneBased <= items.size() ? ItemValue(items[oneBased - 1]) : 0;
  };
  const char last = text.back();
  if (last == '0') {
    const std::size_t n = items.size() / 5;
    int sum = 0;
    for (std::size_t k = 0; k < n; ++k) {
      TsGradPoint p;
      p.Index = static_cast<std::uint16_t>(k);
      p.Color = TsColor(static_cast<std::uint32_t>(item(5 * k + 1)));
      p.Color.SetA(255);
      p.Mode = static_cast<std::int32_t>(item(5 * k + 4)) & ~gdBrushSegment;
      p.Percent = static_cast<std::uint8_t>(std::min(100, sum));
      sum += ClampPercent(item(5 * k + 3));
      out.push_back(p);
    }
    if (!out.empty() && (out[0].Mode & gdDirectionMask) == 2) {
      while (out.size() < 5) {
        TsGradPoint p = out.back();
        p.Index = static_cast<std::uint16_t>(out.size());
        out.push_back(p);
      }
    }
  } else if (last >= 'A' && last <= 'Z') {
    // Three items per stop, then the letter; a list shorter than the letter promises keeps
    // only its complete groups.
    std::size_t n = static_cast<std::size_t>(last - 64);
    n = std::min(n, (items.size() - 1) / 3);
    bool anyBrush = false;
    for (std::size_t k = 0; k < n; ++k) {
      TsGradPoint p;
      p.Index = static_cast<std::uint16_t>(k);
      p.Color = TsColor(static_cast<std::uint32_t>(item(3 * k + 1)));
      p.Percent = ClampPercent(item(3 * k + 2));
      p.Mode = static_cast<std::int32_t>(item(3 * k + 3));
      anyBrush = anyBrush || (p.Mode & gdBrushSegment);
      out.push_back(p);
    }
    if (anyBrush && !out.empty()) out[0].Mode |= gdAlphaGradient;
  } else {
    return out;
  }
  if (!out.empty()) out.back().Percent = 100;
  return out;
}

namespace {

inline std::uint32_t OpaquePixel(double r, double g, double b) {
  auto ch = [](double v) -> std::uint32_t {
    const double n = std::nearbyint(v);
    return static_cast<std::uint32_t>(std::clamp(n, 0.0, 255.0));
  };
  return 0xFF000000u | (ch(r) << 16) | (ch(g) << 8) | ch(b);
}

void FillRow(std::uint32_t* row, int l, int r, std::uint32_t px) { std::fill(row + l, row + r, px); }

bool BrushSegment(const TsGradPoint& a, const TsGradPoint& b) { return ((a.Mode | b.Mode) & gdBrushSegment) != 0; }

// A stop's colour as a pixel whose byte A is the stop's alpha byte.
std::uint32_t BrushPixel(TsColor c) { return SwapRedBlue(c.C); }

void FillVertical(Bitmap32* bmp, gfx::Surface& surface, const TRect& rc, const TsGradArray& st, int extra) {
  int y = rc.Top + extra;
  const int total = extra + rc.Height();
  for (std::size_t k = 1; k < st.size(); ++k) {
    int end = y + (int(st[k].Percent) - int(st[k - 1].Percent)) * total / 100;
    if (end > rc.Bottom || k + 1 == st.size()) end = rc.Bottom;
    const TsColor a = st[k - 1].Color, b = st[k].Color;
    if (BrushSegment(st[k - 1], st[k])) {
      // The alpha brush runs from the row above the segment to its end row; the row
      // above is not painted.
      if (end > y) {
        const gfx::TRectF brush{double(rc.Left), double(y - 1), double(rc.Width()), double(end - y + 1)};
        surface.FillLinearGradient(brush, BrushPixel(a), BrushPixel(b), gfx::Surface::GradientDirection::Vertical,
                                   {rc.Left, std::max(y, rc.Top), rc.Right, end});
      }
    } else if (end > y) {
      const int rows = end - y;
      if (a.C == b.C || (a.R() == b.R() && a.G() == b.G() && a.B() == b.B())) {
        const std::uint32_t px = OpaquePixel(a.R(), a.G(), a.B());
        for (int r = std::max(y, rc.Top); r < end; ++r) FillRow(bmp->Row(r), rc.Left, rc.Right, px);
      } else {
        const double dr = (double(b.R()) - a.R()) / rows, dg = (double(b.G()) - a.G()) / rows,
                     db = (double(b.B()) - a.B()) / rows;
        for (int i = 0; i < rows; ++i) {
          const int r = y + i;
          if (r < rc.Top) continue;
          FillRow(bmp->Row(r), rc.Left, rc.Right, OpaquePixel(a.R() + dr * i, a.G() + dg * i, a.B() + db * i));
        }
      }
    }
    if (end > y) y = end;
    if (y >= rc.Bottom) break;
  }
}

void FillHorizontal(Bitmap32* bmp, gfx::Surface& surface, const TRect& rc, const TsGradArray& st) {
  const int lastCol = rc.Right - 1;
  const int width = rc.Width();
  std::uint32_t* top = bmp->Row(rc.Top);
  // Columns painted in the top row and copied down; brush segments are composed over
  // every row afterwards, so that what lies under them shows through.
  std::vector<bool> plain(static_cast<std::size_t>(width), false);
  struct Brushed {
    int c, e;
    TsColor a, b;
  };
  std::vector<Brushed> brushed;
  int c = rc.Left;
  for (std::size_t k = 1; k < st.size(); ++k) {
    int e = static_cast<int>(std::nearbyint(c + (int(st[k].Percent) - int(st[k - 1].Percent)) * double(width) / 100.0));
    if (e > lastCol || k + 1 == st.size()) e = lastCol;
    if (e < c) e = c;
    const TsColor a = st[k - 1].Color, b = st[k].Color;
    if (BrushSegment(st[k - 1], st[k])) {
      brushed.push_back({c, e, a, b});
    } else {
      if (e == c) {
        top[c] = OpaquePixel(b.R(), b.G(), b.B());
      } else {
        const int n = e - c;
        const double dr = (double(b.R()) - a.R()) / n, dg = (double(b.G()) - a.G()) / n,
                     db = (double(b.B()) - a.B()) / n;
        for (int i = 0; i <= n; ++i) top[c + i] = OpaquePixel(a.R() + dr * i, a.G() + dg * i, a.B() + db * i);
      }
      for (int x = c; x <= e; ++x) plain[static_cast<std::size_t>(x - rc.Left)] = true;
    }
    c = e;
  }
  for (int x = 0; x < width;) {
    if (!plain[static_cast<std::size_t>(x)]) {
      ++x;
      continue;
    }
    int run = x;
    while (run < width && plain[static_cast<std::size_t>(run)]) ++run;
    for (int y = rc.Top + 1; y < rc.Bottom; ++y)
      std::memcpy(bmp->Row(y) + rc.Left + x, top + rc.Left + x,
                  sizeof(std::uint32_t) * static_cast<std::size_t>(run - x));
    x = run;
  }
  // Each brush runs from the column left of its segment (not painted) to its end column.
  for (const Brushed& s : brushed) {
    const gfx::TRectF brush{double(s.c - 1), double(rc.Top), double(s.e - s.c + 1), double(rc.Height())};
    surface.FillLinearGradient(brush, BrushPixel(s.a), BrushPixel(s.b), gfx::Surface::GradientDirection::Horizontal,
                               {s.c, rc.Top, s.e + 1, rc.Bottom});
  }
}

// Five vertices: top-left, centre, top-right, bottom-right and bottom-left, coloured by
// stops 0 to 4. Painted as four triangle gradients, or, for a gradient with alpha, as one
// path gradient over the four corners with stop 1 at the centre.
void FillFourCorner(gfx::Surface& surface, const TRect& rc, const TsGradArray& st) {
  if (st.size() < 5) return;
  if (st[0].Mode & gdAlphaGradient) {
    const gfx::TPointF corners[4] = {{double(rc.Left), double(rc.Top)},
                                     {double(rc.Right), double(rc.Top)},
                                     {double(rc.Right), double(rc.Bottom)},
                                     {double(rc.Left), double(rc.Bottom)}};
    const std::uint32_t colours[4] = {BrushPixel(st[0].Color), BrushPixel(st[2].Color), BrushPixel(st[3].Color),
                                      BrushPixel(st[4].Color)};
    const gfx::TPointF centre{rc.Left + rc.Width() / 2.0, rc.Top + rc.Height() / 2.0};
    surface.FillPathGradient(corners, colours, 4, centre, BrushPixel(st[1].Color));
    return;
  }
  const TPoint tl{rc.Left, rc.Top}, tr{rc.Right, rc.Top}, br{rc.Right, rc.Bottom}, bl{rc.Left, rc.Bottom};
  const TPoint ce{rc.Left + rc.Width() / 2, rc.Top + rc.Height() / 2};
  auto v = [&st](TPoint p, std::size_t stop) {
    const TsColor c = st[stop].Color;
    return gfx::Surface::GradientVertex{p, OpaquePixel(c.R(), c.G(), c.B())};
  };
  const gfx::Surface::GradientVertex tris[4][3] = {{v(tl, 0), v(ce, 1), v(tr, 2)},
                                                   {v(ce, 1), v(tr, 2), v(br, 3)},
                                                   {v(tl, 0), v(ce, 1), v(bl, 4)},
                                                   {v(bl, 4), v(ce, 1), v(br, 3)}};
  for (const auto& t : tris) surface.GradientFillTriangle(t);
}

}  // namespace

void FillGradient(Bitmap32* bmp, const TRect& rect, const TsGradArray& stops, int extra) {
  if (bmp == nullptr || !bmp->Is32Bit() || stops.size() < 2 || rect.IsEmpty()) return;
  TRect rc;
  if (!ClipToBitmap(rect, bmp->Width(), bmp->Height(), rc)) return;
  // The platform's brushes and gradient fills draw through a plain surface over the
  // pixels, untouched by the state of the bitmap's own surface.
  gfx::Surface surface(bmp->View());
  switch (stops[0].Mode & gdDirectionMask) {
    case 0: FillVertical(bmp, surface, rc, stops, extra); break;
    case 1: FillHorizontal(bmp, surface, rc, stops); break;
    case 2: FillFourCorner(surface, rc, stops); break;
    default: break;  // 3: nothing
  }
}

}  // namespace skin
