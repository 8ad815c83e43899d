#include "platform/forms/ExtCtrls.h"

#include <cmath>

#include "platform/gfx/ClassicLook.h"
#include "platform/gfx/TextLayout.h"
#include "platform/win/Styles.h"

namespace forms {

void Frame3D(TCanvas& c, TRect& r, TColor topLeft, TColor bottomRight, int width) {
  // The classic look's one-pixel frame, filled through the canvas so that its brush and
  // change notifications behave as for any other fill.
  for (int i = 0; i < width && !r.IsEmpty(); ++i) {
    const gfx::classic::EdgeLines e = gfx::classic::EdgeLinesOf(r);
    c.Brush()->SetColor(topLeft);
    c.FillRect(e.top);
    c.FillRect(e.left);
    c.Brush()->SetColor(bottomRight);
    c.FillRect(e.bottom);
    c.FillRect(e.right);
    r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  }
}

// --- TCustomPanel --------------------------------------------------------------------------------

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle({TControlStyleItem::csAcceptsControls, TControlStyleItem::csCaptureMouse,
                   TControlStyleItem::csClickEvents, TControlStyleItem::csSetCaption, TControlStyleItem::csOpaque,
                   TControlStyleItem::csDoubleClicks, TControlStyleItem::csReplicatable,
                   TControlStyleItem::csParentBackground});
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

void TCustomPanel::CreateParams(TCreateParams& p) {
  TCustomControl::CreateParams(p);
  if (borderStyle_ == TBorderStyle::bsSingle) {
    if (Ctl3D()) p.ExStyle |= win::WS_EX_CLIENTEDGE;
    else p.Style |= win::WS_BORDER;
  }
  p.WindowClass.style &= ~(win::CS_HREDRAW | win::CS_VREDRAW);
}

TRect TCustomPanel::CaptionRect() const {
  TRect r = ClientRect();
  int b = BorderWidth();
  if (bevelOuter_ != TBevelCut::bvNone) b += BevelWidth();
  if (bevelInner_ != TBevelCut::bvNone) b += BevelWidth();
  return {r.Left + b, r.Top + b, r.Right - b, r.Bottom - b};
}

void TCustomPanel::AdjustClientRect(TRect& r) const {
  TCustomControl::AdjustClientRect(r);
  int b = BorderWidth();
  if (bevelOuter_ != TBevelCut::bvNone) b += BevelWidth();
  if (bevelInner_ != TBevelCut::bvNone) b += BevelWidth();
  r = {r.Left + b, r.Top + b, r.Right - b, r.Bottom - b};
}

void TCustomPanel::Paint() {
  TCanvas& c = *Canvas();
  TRect r = ClientRect();
  auto colors = [](TBevelCut bevel, TColor& top, TColor& bottom) {
    top = bevel == TBevelCut::bvLowered ? clBtnShadow : clBtnHighlight;
    bottom = bevel == TBevelCut::bvLowered ? clBtnHighlight : clBtnShadow;
  };
  TColor top, bottom;
  if (bevelOuter_ != TBevelCut::bvNone) {
    colors(bevelOuter_, top, bottom);
    Frame3D(c, r, top, bottom, BevelWidth());
  }
  Frame3D(c, r, Color(), Color(), BorderWidth());
  if (bevelInner_ != TBevelCut::bvNone) {
    colors(bevelInner_, top, bottom);
    Frame3D(c, r, top, bottom, BevelWidth());
  }
  c.Brush()->SetColor(Color());
  c.FillRect(r);
  std::u16string caption = GetText();
  if (!showCaption_ || caption.empty()) return;
  c.Brush()->SetStyle(TBrushStyle::bsClear);
  c.SetFont(Font());
  unsigned flags = gfx::DT_EXPANDTABS | gfx::DT_SINGLELINE;
  flags |= verticalAlignment_ == TVerticalAlignment::taAlignTop      ? gfx::DT_TOP
           : verticalAlignment_ == TVerticalAlignment::taAlignBottom ? gfx::DT_BOTTOM
                                                                     : gfx::DT_VCENTER;
  flags |= alignment_ == TAlignment::taLeftJustify    ? gfx::DT_LEFT
           : alignment_ == TAlignment::taRightJustify ? gfx::DT_RIGHT
                                                      : gfx::DT_CENTER;
  if (UseRightToLeftReading()) flags |= gfx::DT_RTLREADING;
  if (!Enabled()) c.Font()->SetColor(clGrayText);
  c.DrawText(caption, r, flags);
}

void TCustomPanel::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CM_TEXTCHANGED: Invalidate(); return;
    case win::WM_SIZE:
      TCustomControl::Dispatch(m);
      if (fullRepaint_) Invalidate();
      return;
    default: TCustomControl::Dispatch(m); return;
  }
}

void TCustomPanel::SetBevelInner(TBevelCut v) {
  if (v == bevelInner_) return;
  bevelInner_ = v;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut v) {
  if (v == bevelOuter_) return;
  bevelOuter_ = v;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle v) {
  if (v == borderStyle_) return;
  borderStyle_ = v;
  RecreateWnd();
}

void TCustomPanel::SetAlignment(TAlignment v) {
  if (v == alignment_) return;
  alignment_ = v;
  Invalidate();
}

void TCustomPanel::SetVerticalAlignment(TVerticalAlignment v) {
  if (v == verticalAlignment_) return;
  verticalAlignment_ = v;
  Invalidate();
}

void TCustomPanel::SetShowCaption(bool v) {
  if (v == showCaption_) return;
  showCaption_ = v;
  Invalidate();
}

// --- TImage --------------------------------------------------------------------------------------

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>()) {
  TControlStyle s = ControlStyle();
  SetControlStyle(s.Include(TControlStyleItem::csReplicatable));
  picture_->SetOwner(this);
  picture_->OnChange = [this](TObject*) { PictureChanged(); };
  SetBounds(0, 0, 105, 105);
}

TImage::~TImage() = default;

TRect TImage::DestRect() const {
  int w = picture_->Width(), h = picture_->Height();
  int cw = ClientWidth(), ch = ClientHeight();
  if (stretch_ || (proportional_ && (w > cw || h > ch))) {
    if (proportional_ && w > 0 && h > 0) {
      double aspect = static_cast<double>(w) / h;
      if (w > h) {
        w = cw;
        h = static_cast<int>(cw / aspect);
        if (h > ch) {
          h = ch;
          w = static_cast<int>(ch * aspect);
        }
      } else {
        h = ch;
        w = static_cast<int>(ch * aspect);
        if (w > cw) {
          w = cw;
          h = static_cast<int>(cw / aspect);
        }
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  TRect r{0, 0, w, h};
  if (center_) r = r.Offset((cw - w) / 2, (ch - h) / 2);
  return r;
}

void TImage::Paint() {
  TGraphic* g = picture_->Graphic();
  if (!g || g->Empty()) return;
  Canvas()->StretchDraw(DestRect(), g);
}

bool TImage::CanAutoSize(int& w, int& h) {
  if (picture_->Width() > 0 && picture_->Height() > 0) {
    if (Align() == TAlign::alNone || Align() == TAlign::alLeft || Align() == TAlign::alRight) w = picture_->Width();
    if (Align() == TAlign::alNone || Align() == TAlign::alTop || Align() == TAlign::alBottom) h = picture_->Height();
  }
  return true;
}

void TImage::PictureChanged() {
  if (AutoSize() && picture_->Width() > 0 && picture_->Height() > 0)
    SetBounds(Left(), Top(), picture_->Width(), picture_->Height());
  TGraphic* g = picture_->Graphic();
  if (g && transparent_ != g->Transparent()) {
    auto saved = g->OnChange;
    g->OnChange.Clear();
    g->SetTransparent(transparent_);
    g->OnChange = saved;
  }
  // Opaque only when the picture covers the whole control and shows nothing behind it.
  auto* bmp = dynamic_cast<TBitmap*>(g);
  bool seeThrough =
      !g || g->Transparent() ||
      (bmp && bmp->PixelFormat() == TPixelFormat::pf32bit && bmp->AlphaFormat() != TAlphaFormat::afIgnored);
  bool covers = DestRect() == ClientRect();
  TControlStyle s = ControlStyle();
  SetControlStyle(s.Set(TControlStyleItem::csOpaque, !seeThrough && covers));
  Invalidate();
}

void TImage::SetStretch(bool v) {
  if (v == stretch_) return;
  stretch_ = v;
  PictureChanged();
}

void TImage::SetProportional(bool v) {
  if (v == proportional_) return;
  proportional_ = v;
  PictureChanged();
}

void TImage::SetCenter(bool v) {
  if (v == center_) return;
  center_ = v;
  PictureChanged();
}

void TImage::SetTransparent(bool v) {
  if (v == transparent_) return;
  transparent_ = v;
  PictureChanged();
}

}  // namespace forms
