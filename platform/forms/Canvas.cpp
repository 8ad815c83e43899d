#include "platform/forms/Canvas.h"

#include "platform/forms/Bitmaps.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"

namespace forms {

TCanvas::TCanvas()
    : font_(std::make_unique<TFont>()), brush_(std::make_unique<TBrush>()), pen_(std::make_unique<TPen>()) {}

TCanvas::~TCanvas() = default;

gfx::Surface* TCanvas::Handle() {
  if (!dc_) CreateHandle();
  return dc_;
}

void TCanvas::SetHandle(gfx::Surface* dc) { dc_ = dc; }

bool TCanvas::Use(bool font, bool brush, bool pen) {
  gfx::Surface* dc = Handle();
  if (!dc) return false;
  if (font) {
    dc->SetFont(font_->GfxFont());
    dc->SetTextColor(ColorToRGB(font_->Color()));
  }
  if (brush) {
    dc->SetBrush(brush_->Value());
    if (brush_->Style() == TBrushStyle::bsClear) {
      dc->SetBkMode(gfx::BkMode::Transparent);
    } else {
      dc->SetBkMode(gfx::BkMode::Opaque);
      dc->SetBkColor(ColorToRGB(brush_->Color()));
    }
  }
  if (pen) dc->SetPen(pen_->Value());
  return true;
}

void TCanvas::Changing() {
  if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
  if (OnChange) OnChange(this);
}

void TCanvas::SetPenPos(TPoint p) { MoveTo(p.X, p.Y); }

void TCanvas::FillRect(const TRect& r) {
  if (!Use(false, true, false)) return;
  Changing();
  dc_->FillRect(r, brush_->Value());
  Changed();
}

void TCanvas::FrameRect(const TRect& r) {
  if (!Use(false, true, false)) return;
  Changing();
  dc_->FrameRect(r, brush_->Value());
  Changed();
}

void TCanvas::Rectangle(const TRect& r) {
  if (!Use(false, true, true)) return;
  Changing();
  dc_->Rectangle(r);
  Changed();
}

void TCanvas::Ellipse(const TRect& r) {
  if (!Use(false, true, true)) return;
  Changing();
  dc_->Ellipse(r);
  Changed();
}

void TCanvas::RoundRect(const TRect& r, int cx, int cy) {
  if (!Use(false, true, true)) return;
  Changing();
  dc_->RoundRect(r, cx, cy);
  Changed();
}

void TCanvas::Polygon(const std::vector<TPoint>& pts) {
  if (pts.empty() || !Use(false, true, true)) return;
  Changing();
  dc_->Polygon(pts.data(), static_cast<int>(pts.size()));
  Changed();
}

void TCanvas::Polyline(const std::vector<TPoint>& pts) {
  if (pts.empty() || !Use(false, false, true)) return;
  Changing();
  dc_->Polyline(pts.data(), static_cast<int>(pts.size()));
  Changed();
}

void TCanvas::MoveTo(int x, int y) {
  penPos_ = {x, y};
  if (Handle()) dc_->MoveTo(penPos_);
}

void TCanvas::LineTo(int x, int y) {
  if (!Use(false, false, true)) return;
  Changing();
  dc_->MoveTo(penPos_);
  dc_->LineTo({x, y});
  penPos_ = {x, y};
  Changed();
}

void TCanvas::DrawFocusRect(const TRect& r) {
  if (!Use(false, false, false) || r.IsEmpty()) return;
  Changing();
  auto dot = [&](int x, int y) { dc_->InvertRect({x, y, x + 1, y + 1}); };
  for (int x = r.Left; x < r.Right; x += 2) {
    dot(x, r.Top);
    if (r.Bottom - 1 > r.Top) dot(x + ((r.Bottom - 1 - r.Top) & 1), r.Bottom - 1);
  }
  for (int y = r.Top + 2; y < r.Bottom - 1; y += 2) {
    dot(r.Left, y);
    if (r.Right - 1 > r.Left) dot(r.Right - 1 - ((r.Right - 1 - r.Left) & 1), y);
  }
  Changed();
}

void TCanvas::TextOut(int x, int y, std::u16string_view text) {
  if (!Use(true, true, false)) return;
  Changing();
  dc_->TextOut(x, y, text);
  penPos_ = {x + dc_->TextExtent(text).cx, y};
  Changed();
}

void TCanvas::TextRect(const TRect& r, int x, int y, std::u16string_view text) {
  if (!Use(true, true, false)) return;
  Changing();
  unsigned opts = gfx::ETO_CLIPPED;
  if (brush_->Style() != TBrushStyle::bsClear) opts |= gfx::ETO_OPAQUE;
  dc_->ExtTextOut(x, y, opts, &r, text, nullptr);
  Changed();
}

int TCanvas::DrawText(std::u16string_view text, TRect& r, unsigned format) {
  if (!Use(true, true, false)) return 0;
  if (!(format & gfx::DT_CALCRECT)) Changing();
  int h = dc_->DrawText(text, r, format);
  if (!(format & gfx::DT_CALCRECT)) Changed();
  return h;
}

TSize TCanvas::TextExtent(std::u16string_view text) {
  if (!Use(true, false, false)) return {};
  return dc_->TextExtent(text);
}

void TCanvas::Draw(int x, int y, const TGraphic* g) {
  if (!g || g->Empty() || !Handle()) return;
  StretchDraw(gfx::Bounds(x, y, g->Width(), g->Height()), g);
}

void TCanvas::StretchDraw(const TRect& r, const TGraphic* g) {
  if (!g || g->Empty() || !Handle()) return;
  Changing();
  g->Draw(*this, r);
  Changed();
}

void TCanvas::CopyRect(const TRect& dst, TCanvas& src, const TRect& s) {
  if (!Handle() || !src.Handle()) return;
  Changing();
  if (dst.Width() == s.Width() && dst.Height() == s.Height())
    dc_->BitBlt(dst.Left, dst.Top, dst.Width(), dst.Height(), *src.dc_, s.Left, s.Top, gfx::SRCCOPY);
  else
    dc_->StretchBlt(dst.Left, dst.Top, dst.Width(), dst.Height(), *src.dc_, s.Left, s.Top, s.Width(), s.Height(),
                    gfx::SRCCOPY);
  Changed();
}

TColor TCanvas::Pixel(int x, int y) {
  if (!Handle()) return clNone;
  return dc_->GetPixel({x, y});
}

void TCanvas::SetPixel(int x, int y, TColor c) {
  if (!Handle()) return;
  Changing();
  dc_->SetPixel({x, y}, ColorToRGB(c));
  Changed();
}

TRect TCanvas::ClipRect() {
  TRect r;
  if (Handle()) dc_->ClipBox(r);
  return r;
}

}  // namespace forms
