#include "platform/forms/Buttons.h"

#include <algorithm>

#include "platform/ctl/ButtonApi.h"
#include "platform/ctl/ClassicDraw.h"
#include "platform/forms/Forms.h"
#include "platform/forms/TypInfo.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"

namespace forms {

const TEnumInfo& BitBtnKindInfo() {
  static const TEnumInfo i{u"TBitBtnKind",
                           {u"bkCustom", u"bkOK", u"bkCancel", u"bkHelp", u"bkYes", u"bkNo", u"bkClose", u"bkAbort",
                            u"bkRetry", u"bkIgnore", u"bkAll"}};
  return i;
}
const TEnumInfo& ButtonLayoutInfo() {
  static const TEnumInfo i{u"TButtonLayout", {u"blGlyphLeft", u"blGlyphRight", u"blGlyphTop", u"blGlyphBottom"}};
  return i;
}
const TEnumInfo& ButtonStyleInfo() {
  static const TEnumInfo i{u"TButtonStyle", {u"bsAutoDetect", u"bsWin31", u"bsNew"}};
  return i;
}

TBitBtn::TBitBtn(TComponent* owner)
    : TButton(owner), glyph_(std::make_unique<TBitmap>()), drawCanvas_(std::make_unique<TCanvas>()) {
  glyph_->OnChange = [this](TObject*) { GlyphChanged(); };
}

TBitBtn::~TBitBtn() = default;

void TBitBtn::CreateParams(TCreateParams& p) {
  TButton::CreateParams(p);
  p.Style = (p.Style & ~ctl::BS_TYPEMASK) | ctl::BS_OWNERDRAW;
}

bool TBitBtn::IsCustomCaption() const { return kind_ == TBitBtnKind::bkCustom || GetText() != KindCaption(kind_); }

void TBitBtn::SetKind(TBitBtnKind k) {
  if (k == kind_) return;
  if (k != TBitBtnKind::bkCustom) {
    SetDefault(k == TBitBtnKind::bkOK || k == TBitBtnKind::bkYes);
    SetCancel(k == TBitBtnKind::bkCancel || k == TBitBtnKind::bkNo);
    // A caption stored with the description is kept.
    if (!IsLoading() || GetText().empty()) SetText(KindCaption(k));
    SetModalResult(KindModalResult(k));
    std::unique_ptr<TBitmap> g = StandardGlyph(k);
    glyph_->Assign(g.get());
    numGlyphs_ = 2;
    modifiedGlyph_ = false;
  }
  kind_ = k;
  Invalidate();
}

void TBitBtn::SetGlyph(const TBitmap* b) {
  if (b) glyph_->Assign(b);
  else glyph_->SetSize(0, 0);
  modifiedGlyph_ = true;
  kind_ = TBitBtnKind::bkCustom;
}

void TBitBtn::GlyphChanged() {
  modifiedGlyph_ = true;
  if (!glyph_->Empty() && glyph_->Height() > 0 && glyph_->Width() % glyph_->Height() == 0) {
    int n = glyph_->Width() / glyph_->Height();
    if (n >= 1 && n <= 4) numGlyphs_ = n;
  }
  Invalidate();
}

void TBitBtn::SetNumGlyphs(int n) {
  n = std::clamp(n, 1, 4);
  if (n == numGlyphs_) return;
  numGlyphs_ = n;
  Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout l) {
  if (l == layout_) return;
  layout_ = l;
  Invalidate();
}

void TBitBtn::SetMargin(int v) {
  if (v < -1 || v == margin_) return;
  margin_ = v;
  Invalidate();
}

void TBitBtn::SetSpacing(int v) {
  if (v == spacing_) return;
  spacing_ = v;
  Invalidate();
}

void TBitBtn::Click() {
  if (kind_ == TBitBtnKind::bkClose) {
    if (TCustomForm* form = GetParentForm(this)) {
      form->Close();
      return;
    }
  }
  TButton::Click();
}

void TBitBtn::SetButtonStyle(bool isDefault) {
  if (isDefault == isFocused_) return;
  isFocused_ = isDefault;
  Invalidate();
}

TBitBtn::Placement TBitBtn::CalcLayout(TCanvas& canvas, const TRect& client, TPoint offset) const {
  const int cw = client.Width(), ch = client.Height();
  std::u16string caption = GetText();
  TSize text{0, 0};
  TRect textBounds{0, 0, 0, 0};
  if (!caption.empty()) {
    textBounds = {0, 0, cw, 0};
    canvas.DrawText(caption, textBounds, gfx::DT_CALCRECT | (WordWrap() ? gfx::DT_WORDBREAK : gfx::DT_SINGLELINE));
    text = {textBounds.Width(), textBounds.Height()};
  }
  TSize glyph{0, 0};
  if (!glyph_->Empty()) glyph = {glyph_->Width() / numGlyphs_, glyph_->Height()};
  bool horizontal = layout_ == TButtonLayout::blGlyphLeft || layout_ == TButtonLayout::blGlyphRight;
  TPoint gp, tp;
  if (horizontal) {
    gp.Y = (ch - glyph.cy + 1) / 2;
    tp.Y = (ch - text.cy + 1) / 2;
  } else {
    gp.X = (cw - glyph.cx + 1) / 2;
    tp.X = (cw - text.cx + 1) / 2;
  }
  int spacing = spacing_, margin = margin_;
  if (text.cx == 0 || glyph.cx == 0) spacing = 0;
  if (margin == -1) {
    if (spacing == -1) {
      margin = horizontal ? (cw - glyph.cx - text.cx) / 3 : (ch - glyph.cy - text.cy) / 3;
      spacing = margin;
    } else {
      margin =
          horizontal ? (cw - (glyph.cx + spacing + text.cx) + 1) / 2 : (ch - (glyph.cy + spacing + text.cy) + 1) / 2;
    }
  } else if (spacing == -1) {
    spacing = horizontal ? (cw - (margin + glyph.cx) - text.cx) / 2 : (ch - (margin + glyph.cy) - text.cy) / 2;
  }
  switch (layout_) {
    case TButtonLayout::blGlyphLeft:
      gp.X = margin;
      tp.X = gp.X + glyph.cx + spacing;
      break;
    case TButtonLayout::blGlyphRight:
      gp.X = cw - margin - glyph.cx;
      tp.X = gp.X - spacing - text.cx;
      break;
    case TButtonLayout::blGlyphTop:
      gp.Y = margin;
      tp.Y = gp.Y + glyph.cy + spacing;
      break;
    case TButtonLayout::blGlyphBottom:
      gp.Y = ch - margin - glyph.cy;
      tp.Y = gp.Y - spacing - text.cy;
      break;
  }
  Placement p;
  p.glyph = {gp.X + client.Left + offset.X, gp.Y + client.Top + offset.Y};
  p.text = textBounds.Offset(tp.X + client.Left + offset.X, tp.Y + client.Top + offset.Y);
  return p;
}

void TBitBtn::DrawGlyph(TCanvas& c, TPoint at, TButtonState state) const {
  if (glyph_->Empty() || !c.Handle()) return;
  int fw = glyph_->Width() / numGlyphs_, fh = glyph_->Height();
  int index = static_cast<int>(state);
  if (state == TButtonState::bsDown && numGlyphs_ < 3) index = 0;
  bool makeDisabled = state == TButtonState::bsDisabled && numGlyphs_ < 2;
  if (index >= numGlyphs_) index = 0;
  gfx::Surface* dst = c.Handle();
  const gfx::PixelBuffer& px = glyph_->Pixels();
  // The frame's pixels, made disabled-looking when the glyph has no disabled frame.
  gfx::PixelBuffer frame(fw, fh);
  for (int y = 0; y < fh; ++y) std::copy_n(px.Row32(y) + index * fw, fw, frame.Row32(y));
  bool alpha = glyph_->PixelFormat() == TPixelFormat::pf32bit && glyph_->AlphaFormat() != TAlphaFormat::afIgnored;
  std::uint32_t key = px.Row32(fh - 1)[0] & 0xFFFFFFu;
  if (makeDisabled) {
    gfx::PixelBuffer out(fw, fh);
    auto isDark = [&](int x, int y) {
      if (x < 0 || y < 0 || x >= fw || y >= fh) return false;
      std::uint32_t p = frame.Row32(y)[x];
      if (alpha ? (p >> 24) < 128 : (p & 0xFFFFFFu) == key) return false;
      int lum = (((p >> 16) & 255) * 30 + ((p >> 8) & 255) * 59 + (p & 255) * 11) / 100;
      return lum < 192;
    };
    TColor shadow = ColorToRGB(clBtnShadow), light = ColorToRGB(clBtnHighlight);
    auto pix = [](TColor c) {
      return 0xFF000000u | (gfx::GetRValue(c) << 16) | (gfx::GetGValue(c) << 8) | gfx::GetBValue(c);
    };
    for (int y = 0; y < fh; ++y)
      for (int x = 0; x < fw; ++x) out.Row32(y)[x] = isDark(x, y) ? pix(shadow) : isDark(x - 1, y - 1) ? pix(light) : 0;
    DrawAlphaPixels(*dst, gfx::Bounds(at.X, at.Y, fw, fh), out);
    return;
  }
  if (alpha) {
    DrawAlphaPixels(*dst, gfx::Bounds(at.X, at.Y, fw, fh), frame);
    return;
  }
  gfx::Surface src(frame.View());
  TColor keyColor =
      gfx::RGB(static_cast<int>((key >> 16) & 255), static_cast<int>((key >> 8) & 255), static_cast<int>(key & 255));
  dst->TransparentBlt(at.X, at.Y, fw, fh, src, 0, 0, fw, fh, keyColor);
}

void TBitBtn::DrawItem(const void* p) {
  const auto* d = static_cast<const ctl::DRAWITEMSTRUCT*>(p);
  if (!d || !d->hDC) return;
  win::HDC dc = d->hDC;
  TRect r = ClientRect();
  bool isDown = d->itemState & ctl::ODS_SELECTED;
  bool hasFocus = d->itemState & ctl::ODS_FOCUS;
  bool disabled = (d->itemState & ctl::ODS_DISABLED) || !Enabled();
  using ctl::draw::ButtonLook;
  ButtonLook look = isFocused_ || hasFocus ? (isDown ? ButtonLook::DefaultPressed : ButtonLook::Default)
                                           : (isDown ? ButtonLook::Pressed : ButtonLook::Normal);
  ctl::draw::DrawButtonFace(dc, r, look);
  TCanvas& c = *drawCanvas_;
  c.SetHandle(dc);
  c.SetFont(Font());
  c.Brush()->SetStyle(TBrushStyle::bsClear);
  TRect content{1, 1, r.Right - 1, r.Bottom - 1};
  TPoint offset = isDown ? TPoint{1, 1} : TPoint{0, 0};
  Placement pl = CalcLayout(c, content, offset);
  TButtonState state = disabled ? TButtonState::bsDisabled : isDown ? TButtonState::bsDown : TButtonState::bsUp;
  DrawGlyph(c, pl.glyph, state);
  std::u16string caption = GetText();
  if (!caption.empty()) {
    unsigned flags = gfx::DT_CENTER | gfx::DT_VCENTER | (WordWrap() ? gfx::DT_WORDBREAK : gfx::DT_SINGLELINE);
    if (UseRightToLeftReading()) flags |= gfx::DT_RTLREADING;
    TRect t = pl.text;
    if (disabled) {
      TRect s = t.Offset(1, 1);
      c.Font()->SetColor(clBtnHighlight);
      c.DrawText(caption, s, flags);
      c.Font()->SetColor(clBtnShadow);
    }
    c.DrawText(caption, t, flags);
  }
  if (hasFocus && !disabled) ctl::draw::DrawFocusRect(dc, {4, 4, r.Right - 4, r.Bottom - 4});
  c.SetHandle(nullptr);
}

void TBitBtn::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CN_DRAWITEM:
      DrawItem(reinterpret_cast<const void*>(m.LParam));
      m.Result = 1;
      return;
    case win::WM_LBUTTONDBLCLK: {
      TMessage down{win::WM_LBUTTONDOWN, m.WParam, m.LParam, 0};
      DefaultHandler(down);
      return;
    }
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
      TButton::Dispatch(m);
      Invalidate();
      return;
    default: TButton::Dispatch(m); return;
  }
}

}  // namespace forms
