// Text on a surface: metrics, extents, output at a point and formatted output.
#include <algorithm>

#include "platform/gfx/FontFace.h"
#include "platform/gfx/PixelOps.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "platform/gfx/VisibleArea.h"

namespace gfx {
namespace {

class FaceMeasurer final : public TextMeasurer {
 public:
  explicit FaceMeasurer(FontFace& f) : face_(f) {}
  int Advance(char32_t c) override { return face_.Advance(c); }

 private:
  FontFace& face_;
};

}  // namespace

TextMetric Surface::GetTextMetrics() const {
  TextMetric m = state_.font.Face().Metrics();
  const FontDesc& d = state_.font.Desc();
  m.tmUnderlined = d.underline ? 1 : 0;
  m.tmStruckOut = d.strikeOut ? 1 : 0;
  m.tmItalic = d.italic ? 1 : m.tmItalic;
  m.tmCharSet = d.charSet;
  return m;
}

TSize Surface::TextExtent(std::u16string_view text) const {
  FaceMeasurer m(state_.font.Face());
  return {MeasureRun(text, 0, m).back(), state_.font.Face().Metrics().tmHeight};
}

TSize Surface::TextExtentEx(std::u16string_view text, int maxExtent, int* fit, std::vector<int>* extents) const {
  FaceMeasurer m(state_.font.Face());
  const std::vector<int> x = MeasureRun(text, 0, m);
  if (fit) {
    int n = 0;
    while (static_cast<std::size_t>(n) < text.size() && x[static_cast<std::size_t>(n) + 1] <= maxExtent) ++n;
    *fit = n;
  }
  if (extents) extents->assign(x.begin() + 1, x.end());
  return {x.back(), state_.font.Face().Metrics().tmHeight};
}

void Surface::FillPixels(const TRect& r, std::uint32_t px, const TRect* limit) {
  const TRect area = limit ? Intersect(r, *limit) : r;
  ForEachVisible(Visible(), area, [&](const TRect& part) {
    for (int y = part.Top; y < part.Bottom; ++y)
      std::fill(target_.Row32(y) + part.Left, target_.Row32(y) + part.Right, px);
  });
}

void Surface::DrawGlyphs(TPoint origin, std::u16string_view text, const std::vector<int>& xs, const TRect* limit) {
  FontFace& face = state_.font.Face();
  const Region& vis = Visible();
  if (vis.IsEmpty()) return;
  const std::uint32_t colour = ColorToPixel(state_.textColor);
  for (std::size_t i = 0; i < text.size();) {
    int n = 1;
    const char32_t c = CodePointAt(text, i, n);
    const Glyph& g = face.GetGlyph(c);
    if (g.width > 0 && g.height > 0) {
      const int gx = origin.X + xs[i] + g.left, gy = origin.Y - g.top;
      TRect area{gx, gy, gx + g.width, gy + g.height};
      if (limit) area = Intersect(area, *limit);
      ForEachVisible(vis, area, [&](const TRect& part) {
        for (int y = part.Top; y < part.Bottom; ++y) {
          std::uint32_t* row = target_.Row32(y);
          const std::uint8_t* cov = g.coverage.data() + static_cast<std::size_t>(y - gy) * g.width - gx;
          for (int x = part.Left; x < part.Right; ++x)
            if (cov[x]) row[x] = BlendOver(row[x], colour, cov[x]);
        }
      });
    }
    i += static_cast<std::size_t>(n);
  }
}

void Surface::DrawDecorations(int x0, int x1, int baseline, const TRect* limit) {
  const FontDesc& d = state_.font.Desc();
  if (!d.underline && !d.strikeOut) return;
  FontFace& face = state_.font.Face();
  const int t = face.LineThickness();
  const std::uint32_t px = ColorToPixel(state_.textColor);
  if (d.underline) {
    const int y = baseline + face.UnderlinePosition();
    FillPixels({x0, y, x1, y + t}, px, limit);
  }
  if (d.strikeOut) {
    const int y = baseline - face.StrikeoutPosition();
    FillPixels({x0, y, x1, y + t}, px, limit);
  }
}

void Surface::TextOut(int x, int y, std::u16string_view text) { ExtTextOut(x, y, 0, nullptr, text, nullptr); }

void Surface::ExtTextOut(int x, int y, unsigned options, const TRect* rect, std::u16string_view text, const int* dx) {
  FontFace& face = state_.font.Face();
  const TextMetric& tm = face.Metrics();
  FaceMeasurer m(face);
  std::vector<int> xs;
  if (dx) {
    xs.resize(text.size() + 1);
    for (std::size_t i = 0; i < text.size(); ++i) xs[i + 1] = xs[i] + dx[i];
  } else {
    xs = MeasureRun(text, 0, m);
  }
  const int width = xs.back();
  const unsigned align = state_.textAlign;
  if (align & TA_UPDATECP) {
    x = state_.currentPos.X;
    y = state_.currentPos.Y;
  }
  int left = x;
  if ((align & TA_CENTER) == TA_CENTER) left = x - width / 2;
  else if (align & TA_RIGHT) left = x - width;
  int top = y;
  if ((align & TA_BASELINE) == TA_BASELINE) top = y - tm.tmAscent;
  else if (align & TA_BOTTOM) top = y - tm.tmHeight;
  if ((align & TA_UPDATECP) && (align & TA_CENTER) != TA_CENTER)
    state_.currentPos.X = (align & TA_RIGHT) ? left : left + width;

  TRect limitRect;
  const TRect* limit = nullptr;
  if (rect && (options & ETO_CLIPPED)) {
    limitRect = ToPixels(*rect);
    limit = &limitRect;
  }
  const std::uint32_t bk = ColorToPixel(state_.bkColor);
  if (rect && (options & ETO_OPAQUE)) FillPixels(ToPixels(*rect), bk, nullptr);
  else if (state_.bkMode == BkMode::Opaque)
    FillPixels(ToPixels(TRect{left, top, left + width, top + tm.tmHeight}), bk, limit);
  const TPoint origin = ToPixels(TPoint{left, top + tm.tmAscent});
  DrawGlyphs(origin, text, xs, limit);
  DrawDecorations(origin.X, origin.X + width, origin.Y, limit);
}

int Surface::DrawText(std::u16string_view text, TRect& rect, unsigned format) {
  const unsigned f = DrawTextFlags(format);
  FontFace& face = state_.font.Face();
  const TextMetric& tm = face.Metrics();
  FaceMeasurer m(face);
  const TextLayout layout = LayoutText(text, rect.Width(), format, tm.tmAveCharWidth, m);
  const int lineHeight = tm.tmHeight + ((f & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
  const int total = static_cast<int>(layout.lines.size()) * lineHeight;
  if (f & DT_CALCRECT) {
    rect.Right = rect.Left + layout.width;
    rect.Bottom = rect.Top + total;
    return total;
  }
  int y = rect.Top;
  const bool single = (f & DT_SINGLELINE) != 0;
  if (single && (f & DT_VCENTER)) y = rect.Top + (rect.Height() - lineHeight) / 2;
  else if (single && (f & DT_BOTTOM)) y = rect.Bottom - lineHeight;
  const int firstY = y;

  TRect limitRect = ToPixels(rect);
  const TRect* limit = (f & DT_NOCLIP) ? nullptr : &limitRect;
  const std::uint32_t bk = ColorToPixel(state_.bkColor);
  const std::uint32_t fg = ColorToPixel(state_.textColor);
  for (const LaidOutLine& line : layout.lines) {
    const int w = line.Width();
    int x = rect.Left;
    if (f & DT_CENTER) x = rect.Left + (rect.Width() - w) / 2;
    else if (f & DT_RIGHT) x = rect.Right - w;
    if (state_.bkMode == BkMode::Opaque) FillPixels(ToPixels(TRect{x, y, x + w, y + lineHeight}), bk, limit);
    const TPoint origin = ToPixels(TPoint{x, y + tm.tmAscent});
    if (!(f & DT_PREFIXONLY)) {
      DrawGlyphs(origin, line.text, line.x, limit);
      DrawDecorations(origin.X, origin.X + w, origin.Y, limit);
    }
    if (!(f & DT_HIDEPREFIX))
      for (int p : line.prefixes) {
        int n = 1;
        CodePointAt(line.text, static_cast<std::size_t>(p), n);
        const int ux = origin.X + line.x[static_cast<std::size_t>(p)];
        const int uw = line.x[static_cast<std::size_t>(p + n)] - line.x[static_cast<std::size_t>(p)];
        const int uy = origin.Y + face.UnderlinePosition();
        FillPixels({ux, uy, ux + uw, uy + face.LineThickness()}, fg, limit);
      }
    y += lineHeight;
  }
  return single && (f & (DT_VCENTER | DT_BOTTOM)) ? firstY - rect.Top + total : total;
}

}  // namespace gfx
