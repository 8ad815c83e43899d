// Painting the skinned scroll bars: each bar into a picture of its own (the track split
// at the thumb centre, the arrow buttons with their glyph image or a drawn arrow, the
// thumb, the short bar, the disabled blend), copied once onto the window's surface; and
// the corner box between two bars.
#include <algorithm>

#include "platform/forms/Controls.h"
#include "platform/gfx/Surface.h"
#include "platform/win/PaintApi.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acBackgroundQuery.h"
#include "skin/render/acPaintImageState.h"
#include "skin/render/acPaintSection.h"
#include "skin/render/acStyledArrow.h"
#include "skin/render/pixels/acBlendStep.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "skin/render/pixels/acSolidFill.h"
#include "skin/windows/acScrollBarGeometry.h"
#include "skin/windows/acScrollTracking.h"
#include "skin/windows/acScrollWnd.h"

namespace skin {

namespace {

// Weights of the disabled look: the bar's share over the parent's picture, or over its
// colour (blend step, destination weight).
constexpr std::uint8_t kDisabledOverPicture = 100;
constexpr std::uint8_t kDisabledOverColour = 60;
constexpr int kCornerDisabledMix = 100;

// One bar's picture and where it lies.
struct BarCanvas {
  Bitmap32* bmp;
  const TacSkinData* data;
  const TsSkinManager* manager;
  gfx::TRect bar;      // window coordinates
  gfx::TPoint origin;  // the bar's position relative to the client area
  bool vertical;
  TacBgInfo bg;

  // A piece from a to b along the bar, in the picture's coordinates.
  gfx::TRect Span(int a, int b) const {
    return vertical ? gfx::TRect{0, a - bar.Top, bar.Width(), b - bar.Top}
                    : gfx::TRect{a - bar.Left, 0, b - bar.Left, bar.Height()};
  }
  TPoint PosOf(const gfx::TRect& r) const { return {origin.X + r.Left, origin.Y + r.Top}; }
};

void PaintPart(const BarCanvas& c, const TacConstElementData& el, const gfx::TRect& r, int state) {
  if (el.SkinIndex < 0 || r.IsEmpty()) return;
  PaintSectionLite(el.SkinIndex, el.MaskIndex, el.BGIndex[0], c.data, c.bmp, c.PosOf(r), r, state, c.bg, el.BGIndex[1]);
}

// The glyph image of the element centred in r; false when it has none.
bool PaintGlyphImage(const BarCanvas& c, const TacConstElementData& el, const gfx::TRect& r, int state) {
  const TsMaskData* md = el.GlyphIndex >= 0 ? ImageEntry(*c.data, el.GlyphIndex) : nullptr;
  if (md == nullptr || md->Width <= 0 || md->Height <= 0) return false;
  const TPoint p{r.Left + (r.Width() - md->Width) / 2, r.Top + (r.Height() - md->Height) / 2};
  PaintImageState(c.bmp, p, state, BgInfoFromBitmap(c.bmp, 0, 0), *md);
  return true;
}

void PaintArrowButton(const BarCanvas& c, const TacConstElementData& el, const gfx::TRect& r, int state, TacSide side) {
  if (el.SkinIndex < 0 || r.IsEmpty()) return;
  PaintPart(c, el, r, state);
  if (PaintGlyphImage(c, el, r, state)) return;
  // No glyph image: an arrow in the section's font colour of the state.
  const TsGeneralData& g = c.data->gd[static_cast<std::size_t>(el.SkinIndex)];
  const int s = std::min(SectionState(g, state), 2);
  gfx::TRect ar = r;
  if (state == 2 && g.ShiftOnClick) ar = ar.Offset(1, 1);
  const TacArrowDrawStyle style =
      c.manager != nullptr ? ActualArrowStyle(c.manager->Options.ArrowsStyle, c.manager->SkinCommonInfo.ArrowStyle)
                           : arsSolid1;
  DrawStyledArrow(c.bmp, SectionProps(g, s).FontColor.Color, NoKey, c.data->PPI, style, 0, 0, 0, side, ar);
}

// The disabled look: the bar mixed with what lies behind the window.
void BlendDisabled(TacScrollWnd& w, Bitmap32& bmp, const gfx::TRect& bar) {
  const win::HWND parent = win::GetParent(w.CtrlHandle);
  TsBackgroundQuery q;
  QueryParentBackground(q, parent, false);
  if (q.Kind == bqBitmap && q.Bitmap != nullptr && parent != nullptr) {
    win::RECT wr;
    win::GetWindowRect(w.CtrlHandle, &wr);
    win::POINT at{wr.Left, wr.Top};
    win::ScreenToClient(parent, &at);
    const int x = q.Offset.X + at.X + bar.Left, y = q.Offset.Y + at.Y + bar.Top;
    BlendBitmapRect(&bmp, q.Bitmap, kDisabledOverPicture, {0, 0}, {x, y, x + bmp.Width() - 1, y + bmp.Height() - 1});
    return;
  }
  ShadeRect(&bmp, {0, 0, bmp.Width() - 1, bmp.Height() - 1}, kDisabledOverColour, q.Color);
}

}  // namespace

bool TacScrollWnd::CanPaintBars() const {
  if (!WindowAlive() || SkinManager == nullptr || !SkinManager->IsActive()) return false;
  // Hidden, or its redrawing switched off for a batch of changes (which ends with a frame
  // repaint).
  if (!win::IsWindowVisible(CtrlHandle)) return false;
  if (SkinData == nullptr || !SkinData->Skinned() || SkinData->FUpdating) return false;
  if (SkinData->FOwnerControl != nullptr && !SkinData->FOwnerControl->Visible()) return false;
  return true;
}

void TacScrollWnd::PaintBar(TacScrollBar& sb, gfx::Surface* dc, int thumbStart) {
  const int vert = sb.Vertical() ? 1 : 0;
  // A running drag paints the bar itself, with the thumb where the pointer put it.
  if (thumbStart < 0 && fThumbTracking && DragRunning(CtrlHandle, sb.nBarType)) return;
  if (!sb.fScrollVisible || dc == nullptr) return;
  TacSkinData* data = SkinData != nullptr ? SkinData->GetCommonSkinData() : nullptr;
  if (data == nullptr) return;
  const TacConstElementData& before = data->Scrolls[static_cast<std::size_t>(vert)];
  const TacConstElementData& after = data->Scrolls[static_cast<std::size_t>(2 + vert)];
  if (before.SkinIndex < 0) return;
  const gfx::TRect r = BarRect(sb);
  const int length = vert ? r.Height() : r.Width();
  if (r.IsEmpty() || length <= 1) return;
  ReadScrollInfo(sb);

  Bitmap32 bmp(r.Width(), r.Height());
  BarCanvas c{&bmp, data, SkinManager, r, {r.Left - cxLeftEdge, r.Top - cyTopEdge}, vert == 1, {}};
  c.bg.FillColor = SectionColor(*SkinData, 0);
  int s, e;
  BarExtent(sb, r, s, e);
  const int b = ButtonLength(sb);
  const int barStart = vert ? r.Top : r.Left, barEnd = vert ? r.Bottom : r.Right;
  const TacConstElementData& btnBefore = data->ScrollBtns[static_cast<std::size_t>(vert ? asTop : asLeft)];
  const TacConstElementData& btnAfter = data->ScrollBtns[static_cast<std::size_t>(vert ? asBottom : asRight)];
  const TacSide sideBefore = vert ? asTop : asLeft, sideAfter = vert ? asBottom : asRight;
  const bool dragging = thumbStart >= 0;
  const int pressed = dragging ? spNone : ShownPressedPart(CtrlHandle, sb.nBarType);
  const int hot = dragging ? spNone : HotPartOf(CtrlHandle, sb.nBarType);
  const bool enabled = BarEnabled(sb);
  auto buttonState = [&](int part) { return pressed == part ? 2 : hot == part ? 1 : 0; };

  if (2 * b < length) {
    TacThumb t = ThumbGeometry(sb.ScrollInfo, sb.nMinThumbSize, s, e, b);
    if (dragging) t.Start = thumbStart;
    const int centre = t.Start + t.Length / 2;
    PaintPart(c, before, c.Span(barStart, centre), pressed == spPageBefore ? 2 : 0);
    PaintPart(c, after.SkinIndex >= 0 ? after : before, c.Span(centre, barEnd), pressed == spPageAfter ? 2 : 0);
    PaintArrowButton(c, btnBefore, c.Span(s, s + b), buttonState(spArrowBefore), sideBefore);
    PaintArrowButton(c, btnAfter, c.Span(e - b, e), buttonState(spArrowAfter), sideAfter);
    const TacConstElementData& slider = data->Sliders[static_cast<std::size_t>(vert)];
    const bool thumbShown = t.Length > 0 && (dragging || ThumbShown(sb.ScrollInfo, sb.nMinThumbSize, e - s - 2 * b));
    if (enabled && thumbShown && slider.SkinIndex >= 0) {
      const int state = dragging ? 2 : hot == spThumb ? 1 : 0;
      const gfx::TRect tr = c.Span(t.Start, t.Start + t.Length);
      PaintPart(c, slider, tr, state);
      PaintGlyphImage(c, slider, tr, state);
    }
  } else {
    // Too short for its buttons: each half is track and button.
    const int half = barStart + length / 2;
    PaintPart(c, before, c.Span(barStart, half), 0);
    PaintPart(c, after.SkinIndex >= 0 ? after : before, c.Span(half, barEnd), 0);
    PaintArrowButton(c, btnBefore, c.Span(barStart, half), buttonState(spArrowBefore), sideBefore);
    PaintArrowButton(c, btnAfter, c.Span(half, barEnd), buttonState(spArrowAfter), sideAfter);
  }
  if (!enabled) BlendDisabled(*this, bmp, r);
  dc->BitBlt(r.Left, r.Top, r.Width(), r.Height(), bmp.Canvas(), 0, 0, gfx::SRCCOPY);
}

void TacScrollWnd::PaintCorner(gfx::Surface* dc) {
  const gfx::TRect box = CornerRect();
  if (box.IsEmpty() || dc == nullptr) return;
  const TacSkinData* data = SkinData->GetCommonSkinData();
  const int index = data != nullptr ? data->Scrolls[0].SkinIndex : -1;
  const TColor global = SkinManager->GetGlobalColor();
  TColor colour = global;
  if (index >= 0) {
    const TsGenState& p = data->gd[static_cast<std::size_t>(index)].Props[0];
    if (p.Transparency >= 100) {
      TsBackgroundQuery q;
      QueryParentBackground(q, win::GetParent(CtrlHandle), false);
      colour = q.Kind == bqColor ? q.Color : global;
    } else {
      colour = p.Color == KeyColor ? global : p.Color;
      if (!BarEnabled(sBarHorz) || !BarEnabled(sBarVert))
        colour = BlendColorValues(SectionColor(*SkinData, 0), colour, kCornerDisabledMix);
    }
  }
  FillRectSolid(dc, box, colour);
}

void TacScrollWnd::PaintBars(gfx::Surface* dc) {
  if (!CanPaintBars()) return;
  // The control's own picture first, when it is stale: the bars may show it.
  if (SkinData->FOwnerControl != nullptr && SkinData->BGChanged) SkinData->PrepareCache();
  gfx::Surface* target = dc != nullptr ? dc : win::GetWindowDC(CtrlHandle);
  if (target == nullptr) return;
  PaintBar(sBarHorz, target);
  PaintBar(sBarVert, target);
  PaintCorner(target);
  if (dc == nullptr) win::ReleaseDC(CtrlHandle, target);
}

}  // namespace skin
