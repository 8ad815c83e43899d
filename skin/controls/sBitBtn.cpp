#include "skin/controls/sBitBtn.h"

#include <algorithm>

#include "platform/ctl/ButtonApi.h"
#include "platform/forms/Graphics.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "platform/win/InputApi.h"
#include "platform/win/Styles.h"
#include "platform/win/HitCodes.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acCachePaint.h"
#include "skin/controls/acCommonControlMessage.h"
#include "skin/controls/acControlKinds.h"
#include "skin/controls/acControlText.h"
#include "skin/controls/acSkinCommandDispatch.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acGlyph32.h"
#include "skin/render/acGlyphStrip.h"
#include "skin/render/acPaintSection.h"
#include "skin/render/acTextMeasure.h"
#include "skin/render/pixels/acPixelEffects.h"

namespace skin {

namespace {

using forms::TMessage;

unsigned AlignmentFormat(forms::TAlignment a) {
  switch (a) {
    case forms::TAlignment::taLeftJustify: return gfx::DT_LEFT;
    case forms::TAlignment::taRightJustify: return gfx::DT_RIGHT;
    default: return gfx::DT_CENTER;
  }
}

// A window that shows the default look of push buttons itself: an owner-drawn button. A
// window of another kind whose style happens to carry the same bits is not one.
bool IsOwnerDrawnButton(win::HWND h) {
  if (h == nullptr) return false;
  if (dynamic_cast<forms::TButton*>(forms::TWinControl::FindControl(h)) == nullptr && win::GetClassName(h) != u"Button")
    return false;
  const auto style = static_cast<win::DWORD>(win::GetWindowLongPtr(h, win::GWL_STYLE));
  return (style & ctl::BS_TYPEMASK) == ctl::BS_OWNERDRAW;
}

}  // namespace

TsBitBtn::TsBitBtn(forms::TComponent* owner) : forms::TBitBtn(owner) {
  skinData_ = std::make_unique<TsCtrlSkinData>(this, true);
  skinData_->COC = cocBitBtn;
  SetWordWrap(true);
}

TsBitBtn::~TsBitBtn() {
  input_.Stop();
  skinData_.reset();
}

void TsBitBtn::CreateWnd() {
  forms::TBitBtn::CreateWnd();
  if (skinData_->Loading && !IsLoading()) skinData_->Loaded(true);
  else skinData_->InitCommonProp();
}

void TsBitBtn::Loaded() {
  forms::TBitBtn::Loaded();
  if (skinData_->FCacheBmp != nullptr) skinData_->FCacheBmp->Canvas().SetFont(Font()->GfxFont());
  skinData_->Loaded(true);
}

void TsBitBtn::Repaint(bool now) {
  if (skinData_ == nullptr) return;
  skinData_->BGChanged = true;
  if (HandleAllocated())
    win::RedrawWindow(Handle(), nullptr, nullptr,
                      win::RDW_INVALIDATE | win::RDW_ERASE | (now ? win::RDW_UPDATENOW : 0));
}

void TsBitBtn::SetDown(bool v) {
  if (v == down_) return;
  down_ = v;
  skinData_->StopFade();
  Repaint(false);
}

void TsBitBtn::HostMouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TsBitBtn::HostMouseLeave() {
  if (OnMouseLeave) OnMouseLeave(this);
}

int TsBitBtn::CurrentState() {
  TsCommonData& sd = *skinData_;
  const TsSkinManager* m = sd.GetSkinManager();
  const bool pushed = HandleAllocated() && (win::SendMessage(Handle(), ctl::BM_GETSTATE, 0, 0) & ctl::BST_PUSHED) != 0;
  if (((pushed || input_.ShowPressed()) &&
       (sd.FMouseAbove || !input_.MouseClicked() || (m != nullptr && m->Options.NoMouseHover))) ||
      down_)
    return 2;
  if (!IsDesigning() && sd.CommonState() != 0) return 1;
  if (!Default()) return 0;
  // Another owner-drawn button holding the focus shows the default look instead.
  const win::HWND focus = win::GetFocus();
  if (focus != nullptr && (!HandleAllocated() || focus != Handle()) && IsOwnerDrawnButton(focus)) return 0;
  return 3;
}

TacButtonColoring TsBitBtn::Coloring(int state) {
  TacButtonColoring c;
  if (focusedColor_ != clNone && focusedColor_ != forms::clBtnFace && Focused()) c.ColorTone = focusedColor_;
  else c = ModalResultColoring(*skinData_, ModalResult(), state);
  if (OnGetColoring) OnGetColoring(this, state, c);
  return c;
}

int TsBitBtn::GlyphFrame(int state) const {
  const forms::TBitmap* g = Glyph();
  const int n = std::max(NumGlyphs(), 1);
  const TsSkinManager* m = skinData_->GetSkinManager();
  const bool stdOrder = m != nullptr && m->Options.StdGlyphsOrder;
  if (g->PixelFormat() == forms::TPixelFormat::pf32bit) {
    if (stdOrder) {
      if (!Enabled() && state == 0) return std::min(1, n - 1);
      if (state == 1 || n < 3) return 0;
    }
    return std::min(std::max(state, 0), n - 1);
  }
  if (!Enabled() || n == 1) return 0;
  const bool sixteen = g->PixelFormat() == forms::TPixelFormat::pf4bit;
  return GlyphStripPicture(state, down_ ? 1 : 0, true, n, sixteen, stdOrder);
}

// ---- The picture ----

void TsBitBtn::Layout(gfx::TSize glyph, bool shifted) {
  gfx::Surface& c = skinData_->FCacheBmp->Canvas();
  TacBitBtnLayoutInput in;
  in.Client = {0, 0, Width(), Height()};
  in.Glyph = glyph;
  in.Margin = Margin();
  in.Spacing = Spacing();
  in.Layout = forms::TBitBtn::Layout();
  in.Alignment = alignment_;
  in.VerticalAlignment = verticalAlignment_;
  in.RightToLeft = UseRightToLeftAlignment();
  const std::u16string text = GetText();
  if (showCaption_ && !text.empty()) {
    gfx::TRect r{0, 0, BitBtnTextRoom(in), 0};
    DrawTextPlain(c, text, r,
                  gfx::DT_CALCRECT | gfx::DT_EXPANDTABS | (WordWrap() ? gfx::DT_WORDBREAK : gfx::DT_SINGLELINE));
    in.Text = {r.Width(), r.Height()};
  }
  const TacBitBtnLayout out = CalcBitBtnLayout(in);
  glyphPos_ = out.GlyphPos;
  captionRect_ = out.CaptionRect;
  const bool beside = in.Layout == forms::TButtonLayout::blGlyphLeft || in.Layout == forms::TButtonLayout::blGlyphRight;
  captionRect_ = captionRect_.Offset(beside ? textOffset_ : 0, beside ? 0 : textOffset_);
  const int shift = shifted ? 1 : 0;
  imgRect_ = {glyphPos_.X + shift, glyphPos_.Y + shift, glyphPos_.X + shift + glyph.cx, glyphPos_.Y + shift + glyph.cy};
  if (reflected_) imgRect_ = imgRect_.Offset(0, -glyph.cx / 6);
}

void TsBitBtn::PaintCaption(int s, const TacButtonColoring& coloring, bool shifted) {
  TsCommonData& sd = *skinData_;
  const std::u16string text = GetText();
  if (!showCaption_ || text.empty()) return;
  gfx::Surface& c = sd.FCacheBmp->Canvas();
  c.SetFont(Font()->GfxFont());
  const gfx::TRect r = shifted ? captionRect_.Offset(1, 1) : captionRect_;
  unsigned format = AlignmentFormat(textAlignment_) | gfx::DT_VCENTER | gfx::DT_EXPANDTABS | gfx::DT_END_ELLIPSIS |
                    (WordWrap() ? gfx::DT_WORDBREAK : gfx::DT_SINGLELINE);
  if (UseRightToLeftReading()) format |= gfx::DT_RTLREADING;
  if (coloring.TextColor == clNone) {
    WriteControlText(c, text, Enabled(), true, s, sd, format, r);
  } else {
    const int saved = c.Save();
    c.SetBkMode(gfx::BkMode::Transparent);
    c.SetTextColor(coloring.TextColor);
    gfx::TRect t = r;
    DrawTextPlain(c, text, t, format);
    c.Restore(saved);
  }
  const TsSkinManager* m = sd.GetSkinManager();
  const TsGeneralData* g = sd.Section96();
  if (m != nullptr && m->ButtonsOptions.ShowFocusRect && showFocus_ && Focused() && Enabled() && sd.Skinned() &&
      g != nullptr)
    DrawButtonFocusRect(c, r, focusMargin_, Height(), *g);
}

void TsBitBtn::PaintGlyph(int cs, const TacButtonColoring& coloring) {
  TsCommonData& sd = *skinData_;
  const forms::TBitmap* g = Glyph();
  if (g->Empty()) return;
  const int n = std::max(NumGlyphs(), 1);
  const int fw = g->Width() / n, fh = g->Height();
  if (fw <= 0 || fh <= 0) return;
  const TsSkinManager* m = sd.GetSkinManager();
  const bool discoloured = m != nullptr && m->Effects.DiscoloredGlyphs;
  const bool grey = (cs == 0 && (grayed_ || discoloured || (!Enabled() && (disabledKind_ & dkGrayed) != 0))) ||
                    (!Enabled() && (disabledGlyphKind_ & dgGrayed) != 0);
  TColor tint = coloring.GlyphColor;
  if (tint == clNone && !(cs == 0 && (grayed_ || discoloured))) tint = glyphColorTone_;
  const int transparency = cs == 0 ? blend_ : 0;
  const bool is32 = g->PixelFormat() == forms::TPixelFormat::pf32bit;
  Bitmap32* cache = sd.FCacheBmp.get();
  if (!is32 && !grey && tint == clNone && transparency == 0) {
    // A classic strip as it is: keyed on its bottom-left colour, copied opaque.
    DrawGlyphStrip(*g, cache, imgRect_, reflected_, down_ ? 1 : 0, 0, Enabled() ? cs : gkUp, Enabled(), n, m);
    return;
  }
  const int frame = GlyphFrame(cs);
  Bitmap32 picture(fw, fh);
  const gfx::PixelBuffer& px = g->Pixels();
  const bool ownAlpha = is32 && g->AlphaFormat() != forms::TAlphaFormat::afIgnored;
  for (int y = 0; y < fh; ++y) {
    const std::uint32_t* src = px.Row32(y) + frame * fw;
    std::uint32_t* dst = picture.Row(y);
    for (int x = 0; x < fw; ++x) dst[x] = ownAlpha ? src[x] : (src[x] & 0x00FFFFFFu);
  }
  if (!ownAlpha) AlphaFromCornerColor(&picture);
  if (grey) MakeGrayscale(&picture);
  DrawGlyph32(imgRect_, {0, 0, fw, fh}, cache, reflected_, transparency, tint, false, EmptyBgInfo(), &picture);
}

bool TsBitBtn::PreparePicture() {
  TsCommonData& sd = *skinData_;
  const int cs = CurrentState();
  const int s = ButtonPictureState(sd.Section(), cs);
  TacBgInfo bg;
  if (!BeginButtonPicture(sd, *this, s, bg)) return false;
  if (drawOverBorder_) PaintButtonBorder(sd, *this, s, bg);
  const TacButtonColoring coloring = Coloring(cs);
  AdjustButtonColors(sd, coloring, s);
  const bool shifted = cs == 2 && ButtonShiftsContent(sd);
  const forms::TBitmap* g = Glyph();
  const int n = std::max(NumGlyphs(), 1);
  Layout(g->Empty() ? gfx::TSize{0, 0} : gfx::TSize{g->Width() / n, g->Height()}, shifted);
  PaintCaption(s, coloring, shifted);
  PaintGlyph(cs, coloring);
  if (OnPaint) OnPaint(this, sd.FCacheBmp.get());
  if (!drawOverBorder_) PaintButtonBorder(sd, *this, s, bg);
  EndButtonPicture(sd, *this, disabledKind_, bg);
  oldSpacing_ = Spacing();
  return true;
}

// ---- Messages ----

void TsBitBtn::WMPaint(TMessage& m) {
  TsCommonData& sd = *skinData_;
  forms::TWinControl* parent = Parent();
  if (parent != nullptr && parent->HandleAllocated() && SendSkinCommand(parent->Handle(), scIsHalfVisible, 0) == 1)
    sd.BGChanged = true;
  if (Spacing() != oldSpacing_) sd.BGChanged = true;
  PaintFromCache(m, sd);
}

bool TsBitBtn::SkinCommand(TMessage& m) {
  TsCommonData& sd = *skinData_;
  switch (SkinCmdOf(m.WParam)) {
    case scPrepareCache: m.Result = PreparePicture() ? 0 : 1; return true;
    case scNewSkin:
    case scRemoveSkin:
    case scRefresh: {
      if (!IsOwnManager(m, sd)) return true;
      const unsigned cmd = SkinCmdOf(m.WParam);
      DispatchSkinCommand(m, sd);
      BroadcastToChildren(this, m.Msg, m.WParam, m.LParam);
      if (cmd == scRemoveSkin || (cmd == scRefresh && (sd.CtrlSkinState & cssPrinting) == 0)) Repaint(true);
      return true;
    }
    case scEndUpdate:
      if (sd.FUpdating && !sd.CheckUpdating(true)) Repaint(true);
      PassToShowingChildren(this, m);
      return true;
    default:
      if (input_.SkinCommand(m)) return true;
      return DispatchSkinCommand(m, sd);
  }
}

void TsBitBtn::WndProc(TMessage& m) {
  TsCommonData& sd = *skinData_;
  if (m.Msg == SkinCmdMessage) {
    if (!SkinCommand(m)) forms::TBitBtn::WndProc(m);
    return;
  }
  if (m.Msg == win::WM_CREATE || m.Msg == win::WM_NCCREATE) sd.InitCommonProp();
  if (Parent() == nullptr || !HandleAllocated() || !sd.Skinned(true)) {
    forms::TBitBtn::WndProc(m);
    return;
  }
  if (input_.Before(m)) return;
  switch (m.Msg) {
    case win::WM_PAINT: WMPaint(m); return;
    case win::WM_ERASEBKGND: EraseFromCache(m, sd); return;
    case win::WM_PRINT: PrintFromCache(m, sd); return;
    case forms::CN_DRAWITEM: m.Result = 1; return;
    case win::WM_NCHITTEST:
      if (input_.HitTransparent(m)) return;
      break;
    default: break;
  }
  if (!CommonControlMessage(m, sd)) forms::TBitBtn::WndProc(m);
  input_.After(m);
}

}  // namespace skin
