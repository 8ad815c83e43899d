#include "skin/render/acSectionText.h"

#include "platform/gfx/Surface.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acSectionState.h"
#include "skin/render/acTextGlow.h"
#include "skin/render/acTextMeasure.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/acPixelEffects.h"
#include "skin/render/pixels/acPixelTuning.h"

namespace skin {
namespace {

void DrawIn(gfx::Surface& s, std::u16string_view text, TColor color, unsigned format, const gfx::TRect& rect) {
  s.SetTextColor(color);
  gfx::TRect r = rect;
  DrawTextPlain(s, text, r, format);
}

// The contour copies, in the order left, top, right, bottom, each moved one pixel toward
// its side, then the text itself; every colour passed through adjust.
template <typename Adjust>
void DrawContoured(gfx::Surface& s, std::u16string_view text, const TsFontColor& fc, Adjust adjust, unsigned format,
                   const gfx::TRect& rect) {
  for (const TacContour& c : ContoursOf(fc))
    if (c.Color != acNoContour) DrawIn(s, text, adjust(c.Color), format, rect.Offset(c.DX, c.DY));
  DrawIn(s, text, adjust(fc.Color), format, rect);
}

// Disabled plain text: a light copy one pixel down and right, the text in the shadow colour.
void DrawEmbossed(gfx::Surface& s, std::u16string_view text, unsigned format, const gfx::TRect& rect) {
  DrawIn(s, text, gfx::GetSysColor(gfx::COLOR_BTNHIGHLIGHT), format, rect.Offset(1, 1));
  DrawIn(s, text, gfx::GetSysColor(gfx::COLOR_BTNSHADOW), format, rect);
}

void DrawGlow(gfx::Surface& s, std::u16string_view text, const TacCaptionStyle& style, unsigned format,
              const gfx::TRect& rect) {
  Bitmap32* target = style.GlowTarget;
  gfx::Surface& canvas = target->Canvas();
  // The glow mask is drawn with the target's font: give it the caption's.
  const gfx::Font saved = canvas.GetFont();
  if (&canvas != &s) canvas.SetFont(s.GetFont());
  Bitmap32Ptr mask;  // a caption draws its glow once: the mask goes with the call
  PaintTextGlow(target, text, rect, mask, AdjustTextColor(style.Props->GlowColor, style.Adjust), style.Props->GlowSize,
                gdAll, format);
  if (&canvas != &s) canvas.SetFont(saved);
}

}  // namespace

const TacSkinLoader* ManagerOrDefault(const TacSkinLoader* manager) {
  return manager != nullptr ? manager : DefaultManager();
}

void WriteStateText(gfx::Surface& surface, std::u16string_view text, bool enabled, const TacCaptionStyle& style,
                    unsigned format, const gfx::TRect& rect) {
  if (text.empty()) return;
  // Saved before anything changes, so that the restore takes back the underline too.
  const int level = surface.Save();
  if (style.Underline) {
    gfx::FontDesc d = surface.GetFont().Desc();
    d.underline = true;
    surface.SetFont(gfx::Font(d));
  }
  surface.SetBrush(gfx::Brush::Null());
  surface.SetBkMode(gfx::BkMode::Transparent);

  switch (style.Coloring) {
    case TacCaptionColoring::Plain:
      if (enabled) DrawIn(surface, text, surface.TextColor(), format, rect);
      else DrawEmbossed(surface, text, format, rect);
      break;
    case TacCaptionColoring::CurrentColor: DrawIn(surface, text, surface.TextColor(), format, rect); break;
    case TacCaptionColoring::Skin: {
      if (style.Props == nullptr) break;
      const TsGenState& p = *style.Props;
      if (style.GlowTarget != nullptr && p.GlowSize != 0) DrawGlow(surface, text, style, format, rect);
      auto adjust = [&](TColor c) { return AdjustTextColor(c, style.Adjust); };
      if (!enabled)
        DrawIn(surface, text,
               adjust(BlendColorValues(p.FontColor.Color, style.GlobalColor, PixelTuning().DisabledBlend)), format,
               rect);
      else DrawContoured(surface, text, p.FontColor, adjust, format, rect);
      break;
    }
  }
  surface.Restore(level);
}

void WriteSectionText(gfx::Surface& surface, std::u16string_view text, bool enabled, const TacSkinLoader* manager,
                      int state, int section, unsigned format, const gfx::TRect& rect) {
  surface.SetBkMode(gfx::BkMode::Transparent);
  if (text.empty()) return;
  const TColor saved = surface.TextColor();
  manager = ManagerOrDefault(manager);
  const TsGeneralData* g = SectionOf(manager, section);
  if (g != nullptr) {
    if (enabled) {
      DrawContoured(
          surface, text, SectionStateProps(*g, state).FontColor, [](TColor c) { return c; }, format, rect);
    } else {
      const TsGenState& p0 = g->Props[0];
      DrawIn(surface, text, BlendColorValues(p0.FontColor.Color, p0.Color, PixelTuning().DisabledBlend), format, rect);
    }
  } else if (manager != nullptr && !enabled) {
    DrawIn(surface, text, gfx::GetSysColor(gfx::COLOR_GRAYTEXT), format, rect);
  } else {
    DrawIn(surface, text, saved, format, rect);
  }
  surface.SetTextColor(saved);
}

}  // namespace skin
