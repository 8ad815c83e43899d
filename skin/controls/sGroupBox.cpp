#include "skin/controls/sGroupBox.h"

#include <algorithm>

#include "platform/forms/Canvas.h"
#include "platform/forms/Graphics.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "platform/win/InputApi.h"
#include "platform/win/Styles.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/controls/acCachePaint.h"
#include "skin/controls/acCommonControlMessage.h"
#include "skin/controls/acControlKinds.h"
#include "skin/controls/acControlSection.h"
#include "skin/controls/acControlText.h"
#include "skin/controls/acSkinCommandDispatch.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acGlyphImages.h"
#include "skin/render/acPaintSection.h"
#include "skin/render/acSectionSeeThrough.h"
#include "skin/render/acSectionState.h"
#include "skin/render/acSectionText.h"
#include "skin/render/acTextMeasure.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "skin/render/pixels/acPixelCopy.h"
#include "skin/render/pixels/acPixelTuning.h"

namespace skin {

namespace {

using forms::TMessage;

// The caption text: single line, vertically centred; centred across, or cut with an
// ellipsis for a fixed caption width that is not centred, or started at the left edge
// when the text is wider than its rectangle (so that its beginning shows).
unsigned CaptionTextFormat(const TsGroupBox& box, const TacGroupBoxCaption& g, int textWidth) {
  unsigned f = gfx::DT_SINGLELINE | gfx::DT_VCENTER;
  if (box.CaptionWidth() != 0 && box.CaptionLayout() != clTopCenter) f |= gfx::DT_END_ELLIPSIS | gfx::DT_LEFT;
  else if (textWidth > g.TextRect.Width()) f |= gfx::DT_LEFT;
  else f |= gfx::DT_CENTER;
  if (box.UseRightToLeftReading()) f |= gfx::DT_RTLREADING;
  return f;
}

bool Contains(const TRect& r, TPoint p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }

TPoint PointOf(win::LPARAM lp) { return {static_cast<short>(lp & 0xFFFF), static_cast<short>((lp >> 16) & 0xFFFF)}; }

}  // namespace

// ---- TsMargin ----

void TsMargin::Set(int& field, int v) {
  v = std::max(v, 0);
  if (field == v) return;
  field = v;
  if (owner_ != nullptr && !owner_->IsLoading()) owner_->Invalidate();
}

// ---- Lifecycle and properties ----

TsGroupBox::TsGroupBox(forms::TComponent* owner) : forms::TGroupBox(owner) {
  skinData_ = std::make_unique<TsCommonData>(this, true);
  skinData_->COC = cocGroupBox;
  captionMargin_ = std::make_unique<TsMargin>(this);
}

TsGroupBox::~TsGroupBox() { skinData_.reset(); }

void TsGroupBox::Loaded() {
  forms::TGroupBox::Loaded();
  skinData_->Loaded(true);
}

void TsGroupBox::CreateWnd() {
  forms::TGroupBox::CreateWnd();
  // A group box made in code is never streamed: it is ready once it has a window.
  if (skinData_->Loading && !IsLoading()) skinData_->Loaded(true);
  else skinData_->InitCommonProp();
}

void TsGroupBox::Invalidate() {
  if (skinData_ != nullptr) skinData_->BGChanged = true;
  forms::TGroupBox::Invalidate();
}

void TsGroupBox::SetCaptionLayout(TsCaptionLayout v) {
  if (v == captionLayout_) return;
  captionLayout_ = v;
  if (!GetText().empty()) Invalidate();
}

void TsGroupBox::SetCaptionSkin(const std::u16string& v) {
  if (v == captionSkin_) return;
  captionSkin_ = v;
  Invalidate();
}

void TsGroupBox::SetCaptionWidth(int v) {
  v = std::max(v, 0);
  if (v == captionWidth_) return;
  captionWidth_ = v;
  Invalidate();
}

void TsGroupBox::SetCaptionYOffset(int v) {
  if (v == captionYOffset_) return;
  captionYOffset_ = v;
  Realign();
  Invalidate();
}

void TsGroupBox::SetImageIndex(int v) {
  if (v == imageIndex_) return;
  imageIndex_ = v;
  Invalidate();
}

void TsGroupBox::SetCheckBoxVisible(bool v) {
  if (v == checkBoxVisible_) return;
  checkBoxVisible_ = v;
  Invalidate();
}

void TsGroupBox::SetChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  UpdateChildrenStates();
  if (checkBoxVisible_) Invalidate();
}

void TsGroupBox::UpdateChildrenStates() {
  if (autoChildrenStates_ == csNone) return;
  const bool enabled = autoChildrenStates_ == csAsChecked ? checked_ : !checked_;
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetEnabled(enabled);
}

bool TsGroupBox::HasCaptionContent() const { return !GetText().empty() || checkBoxVisible_; }

// ---- Geometry ----

gfx::TSize TsGroupBox::CheckBoxSize() {
  if (!checkBoxVisible_) return {0, 0};
  if (skinData_->Skinned()) {
    if (const TacSkinData* data = skinData_->GetCommonSkinData()) {
      const int index = CheckGlyphImage(*data, TacCheckGlyph::SmallBox, 0);
      if (const TsMaskData* e = index >= 0 ? ImageEntry(*data, index) : nullptr) return {e->Width, e->Height};
    }
  }
  const int size = 13 * skinData_->CurrentPPI / 96;
  return {size, size};
}

void TsGroupBox::MeasureOn(gfx::Surface& s, TacGroupBoxCaptionInput& in) {
  in.Width = Width();
  in.LetterHeight = s.TextExtent(u"W").cy;
  const std::u16string text = GetText();
  in.TextWidth = text.empty() ? 0 : s.TextExtent(text).cx;
  in.CheckBox = CheckBoxSize();
  const TsSkinManager* m = skinData_->GetSkinManager();
  const TacSkinData* data = skinData_->Skinned() ? skinData_->GetCommonSkinData() : nullptr;
  in.Spacing = data != nullptr ? data->Spacing : 4 * skinData_->CurrentPPI / 96;
  in.CaptionWidth = captionWidth_;
  in.CaptionYOffset = captionYOffset_;
  in.Margin = captionMargin_->AsRect();
  in.Layout = captionLayout_;
  in.RightToLeft = UseRightToLeftAlignment();
  in.Card = data != nullptr && m != nullptr && m->IsActive() && m->Options.GroupBoxStyle == TacGroupBoxStyle::gsCard;
  in.BevelWidth = BevelWidth();
}

TacGroupBoxCaption TsGroupBox::CaptionGeometry() {
  TacGroupBoxCaptionInput in;
  Bitmap32* cache = skinData_->FCacheBmp.get();
  cache->Canvas().SetFont(Font()->GfxFont());
  MeasureOn(cache->Canvas(), in);
  return CalcGroupBoxCaption(in);
}

void TsGroupBox::AdjustClientRect(gfx::TRect& r) const {
  forms::TGroupBox::AdjustClientRect(r);
  r.Top += captionYOffset_;
  const TsSkinManager* m = skinData_->GetSkinManager();
  if (skinData_->Skinned() && m != nullptr && m->IsActive() && m->Options.GroupBoxStyle == TacGroupBoxStyle::gsCard) {
    const TacSkinData* data = skinData_->GetCommonSkinData();
    r.Top += data != nullptr ? data->Spacing : 4;
  }
}

// ---- The picture ----

bool TsGroupBox::PreparePicture() {
  TsCommonData& sd = *skinData_;
  if (!sd.PrepareCacheBitmap()) return false;
  TsBackgroundQuery q;
  QueryParentBackground(q, Parent(), false);
  if (q.Kind == bqNotReady) {
    sd.FUpdating = true;
    return false;
  }
  Bitmap32* cache = sd.FCacheBmp.get();
  const TacGroupBoxCaption g = CaptionGeometry();
  const int w = Width(), h = Height();
  TacBgInfo bg;
  if (sd.FCustomColor) {
    const TColor c = SkinColorToRGB(Color(), sd.GetSkinManager());
    FillPixels(cache, {0, 0, w, h}, c, 255);
    bg.FillColor = c;
    bg.Ready = false;
  } else {
    bg = ToBgInfo(q);
    if (bg.Ready && bg.Bmp != nullptr)
      CopyBitmapRect(cache, bg.Bmp, {0, 0}, g.TopRect.Offset(Left() + bg.X, Top() + bg.Y));
    else if (Parent() != nullptr) FillPixels(cache, g.TopRect, bg.FillColor, 255);
  }
  const int top = std::min(g.TopRect.Bottom, h);
  if (top < h) PaintControlSection(sd, bg, true, cache, {Left(), Top() + top}, {0, top, w, h}, 0);
  PaintCaptionBand(g, bg);
  sd.PaintOuterEffects(this, {0, 0});
  sd.BGChanged = false;
  ++picturesBuilt_;
  return true;
}

int TsGroupBox::CaptionTextSection(int bandSection, int bandState) {
  if (bandSection < 0) return -1;
  TsSkinManager* m = skinData_->GetSkinManager();
  if (Parent() == nullptr || !IsSectionSeeThrough(m, bandSection, bandState)) return bandSection;
  return ResolveTextSection(this, bandSection, m, bandState);
}

void TsGroupBox::PaintCaptionBand(const TacGroupBoxCaption& g, const TacBgInfo& bg) {
  TsCommonData& sd = *skinData_;
  Bitmap32* cache = sd.FCacheBmp.get();
  TsSkinManager* m = sd.GetSkinManager();
  const TacSkinData* data = sd.GetCommonSkinData();
  const int w = Width(), h = Height();
  const TRect whole{0, 0, w, h};
  const bool card = m != nullptr && m->IsActive() && m->Options.GroupBoxStyle == TacGroupBoxStyle::gsCard;
  const int bandState = Focused() || checkHot_ ? 1 : 0;
  const int captionSkin = captionSkin_.empty() || m == nullptr ? -1 : m->GetSkinIndex(captionSkin_);

  if (sd.FCustomColor) {
    FillPixels(cache, gfx::Intersect(g.CaptionRect, whole), SkinColorToRGB(Color(), m), 255);
    textIndex_ = sd.SkinIndex;
  } else if (!HasCaptionContent() && !card) {
    textIndex_ = -1;
  } else if (m != nullptr && data != nullptr) {
    TRect band;
    TacBgInfo bandBg = bg;
    TPoint pos;
    int section;
    if (card) {
      band = gfx::Intersect(TRect{0, 0, w, g.CaptionRect.Bottom}, whole);
      section = captionSkin >= 0 ? captionSkin : m->GetSkinIndex(u"BARTITLE");
      pos = {Left(), Top()};
    } else {
      const TRect& mg = captionMargin_->AsRect();
      const TRect& cr = g.CaptionRect;
      // Kept inside the picture: a band past its edges would read and write outside it.
      band = gfx::Intersect(TRect{cr.Left - mg.Left, cr.Top - mg.Top, cr.Right + mg.Right, cr.Bottom + mg.Bottom + 1},
                            whole);
      if (captionSkin >= 0) {
        section = captionSkin;
        // What lies under the band is the picture's own pixels at the band's place.
        bandBg = BgInfoFromBitmap(cache, 0, 0);
        pos = {band.Left, band.Top};
      } else {
        section = m->GetSkinIndex(u"TRANSPARENT");
        pos = {Left() + band.Left, Top() + band.Top};
      }
    }
    if (section >= 0 && band.Width() > 0 && band.Height() > 0) {
      Bitmap32 piece(band.Width(), band.Height());
      PaintSection(section, bandBg, -1, -1, data, &piece, pos, {0, 0, band.Width(), band.Height()}, bandState);
      CopyBitmapRect(cache, &piece, {band.Left, band.Top}, {0, 0, band.Width(), band.Height()});
    }
    textIndex_ = HasCaptionContent() ? CaptionTextSection(section, bandState) : -1;
  }
  if (!HasCaptionContent()) return;

  gfx::Surface& canvas = cache->Canvas();
  if (checkBoxVisible_ && data != nullptr) {
    const int index = CheckGlyphImage(*data, TacCheckGlyph::SmallBox, checked_ ? 1 : 0);
    if (index >= 0) PaintGlyphImage(cache, {g.CheckBoxRect.Left, g.CheckBoxRect.Top}, *data, index, bandState);
  }
  const TsGeneralData* textSection = SectionOf(m, textIndex_);
  if (sd.FCustomFont) canvas.SetTextColor(forms::ColorToRGB(Font()->Color()));
  else if (textSection != nullptr) canvas.SetTextColor(SectionStateProps(*textSection, bandState).FontColor.Color);
  else canvas.SetTextColor(forms::ColorToRGB(Parent() != nullptr ? Parent()->Font()->Color() : Font()->Color()));
  const std::u16string text = GetText();
  if (!text.empty() && g.TextRect.Width() > 0) {
    const unsigned format = CaptionTextFormat(*this, g, canvas.TextExtent(text).cx);
    const int saved = canvas.Save();
    canvas.IntersectClip(g.TextRect);
    TRect r = g.TextRect;
    if (sd.FCustomFont) DrawTextPlain(canvas, text, r, format);
    else WriteSectionText(canvas, text, Enabled(), m, checkHot_ || card ? 1 : 0, textIndex_, format, r);
    canvas.Restore(saved);
  }
  if (!Enabled()) {
    // The caption goes toward what lies behind it.
    const TRect cr = gfx::Intersect(g.CaptionRect, whole);
    const std::uint8_t t = PixelTuning().DisabledBlend;
    if (cr.Width() > 0 && cr.Height() > 0) {
      if (bg.Ready && bg.Bmp != nullptr) {
        const TRect src = cr.Offset(Left() + bg.X, Top() + bg.Y);
        BlendBitmapRect(cache, bg.Bmp, t, {cr.Left, cr.Top}, {src.Left, src.Top, src.Right - 1, src.Bottom - 1});
      } else {
        ShadeRect(cache, {cr.Left, cr.Top, cr.Right - 1, cr.Bottom - 1}, t, bg.FillColor);
      }
    }
  }
}

void TsGroupBox::PaintInto(win::HDC dc, bool copying) {
  TsCommonData& sd = *skinData_;
  if (IsDestroying() || !(Visible() || IsDesigning())) return;
  if (acTakingSnapshot() && dc != sd.PrintDC) return;
  if (sd.CheckUpdating(false)) return;
  TRect clip;
  if (dc->ClipBox(clip) == gfx::RegionKind::Null || clip.Width() <= 0 || clip.Height() <= 0) return;
  const bool wasHalfVisible = sd.HalfVisible;
  if (sd.RepaintIfMoved() && !copying) sd.HalfVisible = clip.Width() != Width() || clip.Height() != Height();
  if ((sd.BGChanged || wasHalfVisible) && !PreparePicture()) return;
  if (!sd.CacheValid()) return;
  CopyCacheWithChildrenCut(dc, sd, {0, 0, Width(), Height()}, {0, 0});
  PaintGraphicChildren(dc, this, !copying, {0, 0});
  for (int i = 0; i < ControlCount(); ++i) {
    auto* c = dynamic_cast<forms::TWinControl*>(Controls(i));
    if (c != nullptr && c->HandleAllocated() && c->Showing()) SendSkinCommand(c->Handle(), scEndUpdate, 0);
  }
}

void TsGroupBox::WMPaint(TMessage& m) {
  m.Result = 0;
  const bool copying = ControlState().Contains(forms::TControlStateItem::csPaintCopy);
  if (auto* dc = reinterpret_cast<win::HDC>(m.WParam)) {
    PaintInto(dc, copying);
    return;
  }
  win::PAINTSTRUCT ps;
  win::HDC dc = win::BeginPaint(Handle(), &ps);
  if (dc != nullptr) PaintInto(dc, copying);
  win::EndPaint(Handle(), &ps);
}

void TsGroupBox::WMEraseBkgnd(TMessage& m) {
  m.Result = 1;
  const bool copying = ControlState().Contains(forms::TControlStateItem::csPaintCopy);
  auto* dc = reinterpret_cast<win::HDC>(m.WParam);
  if ((copying || m.WParam == static_cast<win::WPARAM>(m.LParam)) && dc != nullptr && skinData_->CacheValid() &&
      !skinData_->BGChanged) {
    const Bitmap32& c = *skinData_->FCacheBmp;
    dc->BitBlt(0, 0, c.Width(), c.Height(), const_cast<Bitmap32&>(c).Canvas(), 0, 0, gfx::SRCCOPY);
  }
}

// ---- The caption check box ----

void TsGroupBox::WMMouseMove(TMessage& m) {
  if (!checkBoxVisible_) return;
  const TacGroupBoxCaption g = CaptionGeometry();
  const TPoint p = PointOf(m.LParam);
  const bool hot = Contains(g.CheckBoxRect, p) || Contains(g.CaptionRect, p);
  if (hot == checkHot_) return;
  checkHot_ = hot;
  Invalidate();
}

void TsGroupBox::WMLButtonDown(TMessage& m) {
  if (!checkBoxVisible_) return;
  const TacGroupBoxCaption g = CaptionGeometry();
  const TPoint p = PointOf(m.LParam);
  checkPressed_ = Contains(g.CheckBoxRect, p) || Contains(g.CaptionRect, p);
}

void TsGroupBox::WMLButtonUp(TMessage& m) {
  if (!checkBoxVisible_ || !checkPressed_) return;
  checkPressed_ = false;
  const TacGroupBoxCaption g = CaptionGeometry();
  const TPoint p = PointOf(m.LParam);
  if (!Contains(g.CheckBoxRect, p) && !Contains(g.CaptionRect, p)) return;
  skinData_->BeginUpdate();
  SetChecked(!checked_);
  if (OnCheckBoxChanged) OnCheckBoxChanged(this);
  skinData_->EndUpdate(true);
}

void TsGroupBox::CMMouseLeave() {
  if (!checkHot_) return;
  checkHot_ = false;
  Invalidate();
}

// ---- Skin commands ----

void TsGroupBox::SCRefreshOrRemove(TMessage& m) {
  m.Result = 0;
  if (!IsOwnManager(m, *skinData_)) {
    BroadcastToChildren(this, m.Msg, m.WParam, m.LParam);
    return;
  }
  DispatchSkinCommand(m, *skinData_);
  BroadcastToChildren(this, m.Msg, m.WParam, m.LParam);
  skinData_->BGChanged = true;
  if (HandleAllocated())
    win::RedrawWindow(Handle(), nullptr, nullptr,
                      win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_FRAME | win::RDW_UPDATENOW);
}

void TsGroupBox::SCGetBgInfo(TMessage& m) {
  auto* q = reinterpret_cast<TsBackgroundQuery*>(m.LParam);
  if (q == nullptr) return;
  TsCommonData& sd = *skinData_;
  if (captionSkin_.empty() || !sd.Skinned()) {
    DispatchSkinCommand(m, sd);
    return;
  }
  if (sd.BGChanged) PreparePicture();
  q->Bitmap = sd.FCacheBmp.get();
  q->Offset = {0, 0};
  q->Kind = bqBitmap;
}

void TsGroupBox::SCPPIChanged(TMessage& m) {
  const int ppi = static_cast<int>(m.LParam);
  const int current = skinData_->CurrentPPI;
  // A density of 0 (or less) scales nothing: the width would be lost or divided by zero.
  if (captionWidth_ != 0 && current > 0 && ppi > 0)
    captionWidth_ = static_cast<int>(static_cast<long long>(captionWidth_) * ppi / current);
  DispatchSkinCommand(m, *skinData_);
}

void TsGroupBox::SCGetBounds(TMessage& m) {
  auto* r = reinterpret_cast<TRect*>(m.LParam);
  if (r == nullptr) return;
  int top = 0;
  if (captionYOffset_ >= 0) top = captionMargin_->Top() + CaptionGeometry().CaptionHeight / 2;
  *r = TRect{0, top, Width(), Height()}.Offset(Left(), Top());
}

void TsGroupBox::SCEndUpdate(TMessage& m) {
  TsCommonData& sd = *skinData_;
  if (!HandleAllocated()) return;
  if (sd.FUpdating && Showing() && !sd.CheckUpdating(true))
    win::RedrawWindow(Handle(), nullptr, nullptr,
                      win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_FRAME | win::RDW_UPDATENOW | win::RDW_NOCHILDREN);
  for (int i = 0; i < ControlCount(); ++i) {
    auto* c = dynamic_cast<forms::TWinControl*>(Controls(i));
    if (c != nullptr && c->HandleAllocated() && c->Showing()) SendSkinMessage(c->Handle(), m.Msg, m.WParam, m.LParam);
  }
}

bool TsGroupBox::SkinCommand(TMessage& m) {
  TsCommonData& sd = *skinData_;
  switch (SkinCmdOf(m.WParam)) {
    case scNewSkin:
      if (IsOwnManager(m, sd)) DispatchSkinCommand(m, sd);
      BroadcastToChildren(this, m.Msg, m.WParam, m.LParam);
      return true;
    case scRemoveSkin:
    case scRefresh: SCRefreshOrRemove(m); return true;
    case scIsSkinned: m.Result = 1; return true;
    case scGetDefaultIndex: {
      TsSkinManager* mgr = sd.GetSkinManager();
      if (mgr == nullptr) {
        m.Result = 0;
        return true;
      }
      const bool card = mgr->IsActive() && mgr->Options.GroupBoxStyle == TacGroupBoxStyle::gsCard;
      m.Result = mgr->GetSkinIndex(card ? u"BARPANEL" : u"GROUPBOX") + 1;
      return true;
    }
    case scGetDefaultKind: m.Result = 9; return true;
    case scPrepareCache:
      if (sd.Skinned() && !sd.GetUpdating() && !PreparePicture()) sd.FUpdating = true;
      return true;
    case scGetBgInfo: SCGetBgInfo(m); return true;
    case scPPIChanged: SCPPIChanged(m); return true;
    case scGetBounds: SCGetBounds(m); return true;
    case scEndUpdate: SCEndUpdate(m); return true;
    default: return DispatchSkinCommand(m, sd);
  }
}

// ---- Window procedure ----

void TsGroupBox::WndProc(TMessage& m) {
  TsCommonData& sd = *skinData_;
  if (m.Msg == SkinCmdMessage) {
    if (!SkinCommand(m)) forms::TGroupBox::WndProc(m);
    return;
  }
  if (m.Msg == win::WM_CREATE || m.Msg == win::WM_NCCREATE) sd.InitCommonProp();
  if (Parent() == nullptr || !HandleAllocated() || !sd.Skinned(true)) {
    forms::TGroupBox::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case win::WM_PAINT: WMPaint(m); return;
    case win::WM_ERASEBKGND: WMEraseBkgnd(m); return;
    case win::WM_PRINT:
      sd.FUpdating = false;
      m.Result = 0;
      if (auto* dc = reinterpret_cast<win::HDC>(m.WParam)) PaintInto(dc, true);
      return;
    case win::WM_SETFOCUS:
    case win::WM_KILLFOCUS: forms::TGroupBox::WndProc(m); return;
    case win::WM_WINDOWPOSCHANGED: sd.BGChanged = true; break;
    case forms::CM_VISIBLECHANGED:
      sd.FUpdating = false;
      sd.BGChanged = true;
      break;
    case forms::CM_TEXTCHANGED: Invalidate(); return;
    case forms::CM_COLORCHANGED:
      if (sd.FCustomColor) sd.BGChanged = true;
      break;
    case forms::CM_FONTCHANGED:
      forms::TGroupBox::WndProc(m);
      if (sd.FCacheBmp != nullptr) sd.FCacheBmp->Canvas().SetFont(Font()->GfxFont());
      if (!GetText().empty()) Invalidate();
      return;
    case forms::CM_ENABLEDCHANGED:
      forms::TGroupBox::WndProc(m);
      CommonControlMessage(m, sd);
      Invalidate();
      return;
    case win::WM_MOUSEMOVE: WMMouseMove(m); break;
    case win::WM_LBUTTONDOWN: WMLButtonDown(m); break;
    case win::WM_LBUTTONUP: WMLButtonUp(m); break;
    case forms::CM_MOUSELEAVE: CMMouseLeave(); break;
    default: break;
  }
  if (CommonControlMessage(m, sd)) return;
  forms::TGroupBox::WndProc(m);
}

// ---- Unskinned ----

void TsGroupBox::Paint() {
  forms::TCanvas* c = Canvas();
  c->SetFont(Font());
  gfx::Surface* s = c->Handle();
  if (s == nullptr) return;
  s->SetFont(Font()->GfxFont());
  const TacGroupBoxCaption g = CaptionGeometry();
  const TRect r{0, g.TopRect.Bottom, Width(), Height()};
  if (Ctl3D()) {
    c->Brush()->SetColor(forms::clBtnHighlight);
    c->FrameRect({r.Left + 1, r.Top + 1, r.Right, r.Bottom});
    c->Brush()->SetColor(forms::clBtnShadow);
    c->FrameRect({r.Left, r.Top, r.Right - 1, r.Bottom - 1});
  } else {
    c->Brush()->SetColor(forms::clWindowFrame);
    c->FrameRect(r);
  }
  if (!HasCaptionContent()) return;
  const TRect& mg = captionMargin_->AsRect();
  const TRect& cr = g.CaptionRect;
  c->Brush()->SetColor(Color());
  c->FillRect({cr.Left - mg.Left, cr.Top, cr.Right + mg.Right, cr.Bottom});
  const std::u16string text = GetText();
  if (text.empty()) return;
  s->SetBkMode(gfx::BkMode::Transparent);
  s->SetTextColor(forms::ColorToRGB(Enabled() ? Font()->Color() : forms::clGrayText));
  const int saved = s->Save();
  s->IntersectClip(g.TextRect);
  TRect t = g.TextRect;
  DrawTextPlain(*s, text, t, CaptionTextFormat(*this, g, s->TextExtent(text).cx));
  s->Restore(saved);
}

}  // namespace skin
