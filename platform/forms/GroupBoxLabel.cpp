// The group box and the label: the framework's own painted controls of the standard set.
#include <algorithm>

#include "platform/forms/Forms.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/TypInfo.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"

namespace forms {

const TEnumInfo& EllipsisPositionInfo() {
  static const TEnumInfo i{u"TEllipsisPosition", {u"epNone", u"epPathEllipsis", u"epEndEllipsis", u"epWordEllipsis"}};
  return i;
}

// --- TCustomGroupBox -----------------------------------------------------------------------------

constexpr int kCaptionGap = 2;  // pixels between the frame line and the caption

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle({TControlStyleItem::csAcceptsControls, TControlStyleItem::csCaptureMouse,
                   TControlStyleItem::csClickEvents, TControlStyleItem::csSetCaption, TControlStyleItem::csDoubleClicks,
                   TControlStyleItem::csReplicatable, TControlStyleItem::csParentBackground});
  SetBounds(0, 0, 185, 105);
  SetColor(clBtnFace);
}

void TCustomGroupBox::AdjustClientRect(TRect& r) const {
  TCustomControl::AdjustClientRect(r);
  r.Top += MeasureText(*Font(), u"0").cy;
  int inset = Ctl3D() ? 2 : 1;
  r = {r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset};
}

void TCustomGroupBox::Paint() {
  TCanvas* c = Canvas();
  c->SetFont(Font());
  int h = c->TextHeight(u"0");
  TRect r{0, h / 2 - 1, Width(), Height()};
  if (Ctl3D()) {
    TRect light{r.Left + 1, r.Top + 1, r.Right, r.Bottom};
    c->Brush()->SetColor(clBtnHighlight);
    c->FrameRect(light);
    c->Brush()->SetColor(clBtnShadow);
    c->FrameRect({r.Left, r.Top, r.Right - 1, r.Bottom - 1});
  } else {
    c->Brush()->SetColor(clWindowFrame);
    c->FrameRect(r);
  }
  std::u16string text = GetText();
  if (text.empty()) return;
  TRect t{8, 0, 8, h};
  if (UseRightToLeftAlignment()) t = {Width() - c->TextWidth(text) - 8, 0, Width() - 8, h};
  unsigned flags = gfx::DT_SINGLELINE;
  if (UseRightToLeftReading()) flags |= gfx::DT_RTLREADING;
  c->DrawText(text, t, flags | gfx::DT_CALCRECT);
  c->Brush()->SetColor(Color());
  // The frame stops a little short of the caption on both sides.
  c->FillRect({t.Left - kCaptionGap, t.Top, t.Right + kCaptionGap, t.Bottom});
  if (!Enabled()) c->Font()->SetColor(clGrayText);
  c->DrawText(text, t, flags);
}

void TCustomGroupBox::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<char16_t>(m.WParam), GetText()) && CanFocus()) {
        SelectNext(nullptr, true, true);
        m.Result = 1;
        return;
      }
      TCustomControl::Dispatch(m);
      return;
    case CM_TEXTCHANGED: Invalidate(); return;
    case CM_FONTCHANGED:
    case CM_CTL3DCHANGED:
      TCustomControl::Dispatch(m);
      Realign();
      Invalidate();
      return;
    case win::WM_SIZE:
      TCustomControl::Dispatch(m);
      Invalidate();
      return;
    default: TCustomControl::Dispatch(m); return;
  }
}

// --- TCustomLabel ----------------------------------------------------------------------------------

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  TControlStyle s = ControlStyle();
  s.Include(TControlStyleItem::csOpaque).Include(TControlStyleItem::csReplicatable);
  SetControlStyle(s);
  SetBounds(0, 0, 65, 17);
  SetColor(clBtnFace);
  TControl::SetAutoSize(true);
}

void TCustomLabel::SetAlignment(TAlignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout l) {
  if (l == layout_) return;
  layout_ = l;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool v) {
  if (v == wordWrap_) return;
  wordWrap_ = v;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool v) {
  if (v == Transparent()) return;
  TControlStyle s = ControlStyle();
  SetControlStyle(s.Set(TControlStyleItem::csOpaque, !v));
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool v) {
  if (v == showAccelChar_) return;
  showAccelChar_ = v;
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* c) {
  if (c == focusControl_) return;
  focusControl_ = c;
  if (c) c->FreeNotification(this);
}

void TCustomLabel::SetEllipsisPosition(TEllipsisPosition e) {
  if (e == ellipsis_) return;
  ellipsis_ = e;
  AutoSize() ? AdjustBounds() : Invalidate();
}

void TCustomLabel::SetAutoSize(bool v) {
  if (v == AutoSize()) return;
  TControl::SetAutoSize(v);
  AdjustBounds();
}

void TCustomLabel::Notification(TComponent* c, TOperation op) {
  TGraphicControl::Notification(c, op);
  if (op == TOperation::opRemove && c == focusControl_) focusControl_ = nullptr;
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::DoDrawText(TRect& r, unsigned flags) {
  std::u16string text = GetLabelText();
  if ((flags & gfx::DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == u"&"))) text += u' ';
  if (!showAccelChar_) flags |= gfx::DT_NOPREFIX;
  if (UseRightToLeftReading()) flags |= gfx::DT_RTLREADING;
  if (ellipsis_ != TEllipsisPosition::epNone && !AutoSize()) {
    flags &= ~gfx::DT_EXPANDTABS;
    flags |= ellipsis_ == TEllipsisPosition::epPathEllipsis  ? gfx::DT_PATH_ELLIPSIS
             : ellipsis_ == TEllipsisPosition::epEndEllipsis ? gfx::DT_END_ELLIPSIS
                                                             : gfx::DT_WORD_ELLIPSIS;
  }
  TCanvas* c = Canvas();
  c->SetFont(Font());
  if (!Enabled() && !(flags & gfx::DT_CALCRECT)) {
    TRect shifted = r.Offset(1, 1);
    c->Font()->SetColor(clBtnHighlight);
    c->DrawText(text, shifted, flags);
    c->Font()->SetColor(clBtnShadow);
  }
  c->DrawText(text, r, flags);
}

void TCustomLabel::Paint() {
  TCanvas* c = Canvas();
  if (!Transparent()) {
    c->Brush()->SetColor(Color());
    c->Brush()->SetStyle(TBrushStyle::bsSolid);
    c->FillRect(ClientRect());
  }
  c->Brush()->SetStyle(TBrushStyle::bsClear);
  TRect r = ClientRect();
  unsigned flags = gfx::DT_EXPANDTABS | (wordWrap_ ? gfx::DT_WORDBREAK : 0u);
  if (alignment_ == TAlignment::taRightJustify) flags |= gfx::DT_RIGHT;
  else if (alignment_ == TAlignment::taCenter) flags |= gfx::DT_CENTER;
  if (layout_ != TTextLayout::tlTop) {
    TRect calc = r;
    DoDrawText(calc, flags | gfx::DT_CALCRECT);
    int dy = layout_ == TTextLayout::tlBottom ? Height() - calc.Bottom : (Height() - calc.Bottom) / 2;
    r = r.Offset(0, dy);
  }
  DoDrawText(r, flags);
}

void TCustomLabel::AdjustBounds() {
  if (ControlState().Contains(TControlStateItem::csReadingState) || IsLoading() || !AutoSize()) return;
  TRect r = ClientRect();
  // Measured on a surface of its own: the label may have no window to draw on yet.
  gfx::Surface s;
  TCanvas* c = Canvas();
  gfx::Surface* saved = c->HandleAllocated() ? c->Handle() : nullptr;
  c->SetHandle(&s);
  DoDrawText(r, gfx::DT_EXPANDTABS | gfx::DT_CALCRECT | (wordWrap_ ? gfx::DT_WORDBREAK : 0u));
  c->SetHandle(saved);
  int x = Left();
  if (alignment_ == TAlignment::taRightJustify) x += Width() - r.Right;
  SetBounds(x, Top(), r.Right, r.Bottom);
}

void TCustomLabel::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CM_TEXTCHANGED:
      Invalidate();
      AdjustBounds();
      return;
    case CM_FONTCHANGED:
      TGraphicControl::Dispatch(m);
      AdjustBounds();
      return;
    case CM_DIALOGCHAR:
      if (focusControl_ && Enabled() && showAccelChar_ && IsAccel(static_cast<char16_t>(m.WParam), GetText()) &&
          focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        m.Result = 1;
        return;
      }
      TGraphicControl::Dispatch(m);
      return;
    default: TGraphicControl::Dispatch(m); return;
  }
}

}  // namespace forms
