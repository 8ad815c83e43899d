#include "skin/render/acTextMeasure.h"

#include <vector>

#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"

namespace skin {

int DrawTextPlain(gfx::Surface& surface, std::u16string_view text, gfx::TRect& rect, unsigned format) {
  return surface.DrawText(text.substr(0, acMaxTextOutput), rect, format);
}

gfx::TSize MeasureText(const gfx::Font& font, std::u16string_view text, unsigned format, bool addOneLetter,
                       int maxWidth, bool wrap) {
  // A surface of its own stands in for the screen's: measuring needs only the font.
  gfx::Surface screen;
  screen.SetFont(font);
  gfx::TSize size;
  if (wrap) {
    gfx::TRect r{0, 0, maxWidth, 0};
    DrawTextPlain(screen, text, r, format | gfx::DT_CALCRECT);
    size = {r.Width(), r.Height()};
  } else {
    size = screen.TextExtent(text);
  }
  if (addOneLetter) size.cx += screen.TextExtent(u"I").cx;
  return size;
}

int TextLineHeight(const gfx::Font& font, bool exact) {
  gfx::Surface screen;
  screen.SetFont(font);
  const gfx::TextMetric tm = screen.GetTextMetrics();
  return exact ? tm.tmHeight - tm.tmInternalLeading - tm.tmExternalLeading : tm.tmHeight + 6;
}

std::u16string CutTextToWidth(const gfx::Surface& surface, std::u16string_view text, int maxWidth) {
  if (maxWidth < 1) return {};
  std::vector<int> ends;  // pen position after each unit
  const int whole = surface.TextExtentEx(text, maxWidth, nullptr, &ends).cx;
  if (whole <= maxWidth) return std::u16string(text);
  const int dots = surface.TextExtent(u"...").cx;
  // Cut whole code points from the end: a low surrogate never ends what is kept.
  for (std::size_t n = text.size(); n-- > 0;) {
    if (n > 0 && text[n] >= 0xDC00 && text[n] <= 0xDFFF) continue;
    if (n == 0) break;
    std::u16string cut(text.substr(0, n));
    if (ends[n - 1] + dots <= maxWidth && surface.TextExtent(cut + u"...").cx <= maxWidth) return cut + u"...";
  }
  return {};
}

}  // namespace skin
