#include "skin/controls/sButton.h"

#include "platform/ctl/ButtonApi.h"
#include "platform/ctl/ClassicDraw.h"
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
#include "skin/render/acPaintSection.h"
#include "skin/render/acTextMeasure.h"

namespace skin {

namespace {

using forms::TMessage;

// Horizontal alignment of the caption from the window style.
unsigned StyleAlignment(win::HWND h) {
  const auto style = static_cast<win::DWORD>(win::GetWindowLongPtr(h, win::GWL_STYLE));
  switch (style & ctl::BS_CENTER) {
    case ctl::BS_LEFT: return gfx::DT_LEFT;
    case ctl::BS_RIGHT: return gfx::DT_RIGHT;
    default: return gfx::DT_CENTER;
  }
}

}  // namespace

TsButton::TsButton(forms::TComponent* owner) : forms::TButton(owner) {
  skinData_ = std::make_unique<TsCtrlSkinData>(this, true);
  skinData_->COC = cocButton;
  SetWordWrap(true);
}

TsButton::~TsButton() {
  input_.Stop();
  skinData_.reset();
}

void TsButton::CreateParams(forms::TCreateParams& p) {
  forms::TButton::CreateParams(p);
  p.Style = (p.Style & ~ctl::BS_TYPEMASK) | ctl::BS_OWNERDRAW;
}

void TsButton::CreateWnd() {
  forms::TButton::CreateWnd();
  if (skinData_->Loading && !IsLoading()) skinData_->Loaded(true);
  else skinData_->InitCommonProp();
}

void TsButton::Loaded() {
  forms::TButton::Loaded();
  if (skinData_->FCacheBmp != nullptr) skinData_->FCacheBmp->Canvas().SetFont(Font()->GfxFont());
  skinData_->Loaded(true);
}

void TsButton::Repaint(bool now) {
  skinData_->BGChanged = true;
  if (HandleAllocated())
    win::RedrawWindow(Handle(), nullptr, nullptr,
                      win::RDW_INVALIDATE | win::RDW_ERASE | (now ? win::RDW_UPDATENOW : 0));
}

void TsButton::SetDisabledKind(TsDisabledKind v) {
  if (v == disabledKind_) return;
  disabledKind_ = v;
  if (!Enabled()) Repaint(false);
}

void TsButton::SetFocusMargin(int v) {
  if (v == focusMargin_) return;
  focusMargin_ = v;
  Repaint(false);
}

void TsButton::SetDown(bool v) {
  if (v == down_) return;
  down_ = v;
  skinData_->StopFade();
  Repaint(false);
}

void TsButton::SetShowFocus(bool v) {
  if (v == showFocus_) return;
  showFocus_ = v;
  Repaint(false);
}

void TsButton::SetContentMargin(int v) {
  if (v == contentMargin_) return;
  contentMargin_ = v;
  Repaint(false);
}

int TsButton::CurrentState() {
  TsCommonData& sd = *skinData_;
  const TsSkinManager* m = sd.GetSkinManager();
  const bool pushed = HandleAllocated() && (win::SendMessage(Handle(), ctl::BM_GETSTATE, 0, 0) & ctl::BST_PUSHED) != 0;
  if ((pushed || input_.ShowPressed()) &&
      (sd.FMouseAbove || !input_.MouseClicked() || (m != nullptr && m->Options.NoMouseHover)))
    return 2;
  if (down_) return 2;
  if (IsDesigning() || sd.CommonState() == 0) return Default() ? 3 : 0;
  return 1;
}

TacButtonColoring TsButton::Coloring(int state) {
  TacButtonColoring c = ModalResultColoring(*skinData_, ModalResult(), state);
  if (OnGetColoring) OnGetColoring(this, state, c);
  return c;
}

// ---- The picture ----

bool TsButton::PreparePicture() {
  TsCommonData& sd = *skinData_;
  const int cs = CurrentState();
  const int s = ButtonPictureState(sd.Section(), cs);
  TacBgInfo bg;
  if (!BeginButtonPicture(sd, *this, s, bg)) return false;
  PaintButtonBorder(sd, *this, s, bg);
  const TacButtonColoring coloring = Coloring(cs);
  AdjustButtonColors(sd, coloring, s);
  PaintCaption(s, coloring);
  EndButtonPicture(sd, *this, disabledKind_, bg);
  return true;
}

void TsButton::PaintCaption(int s, const TacButtonColoring& coloring) {
  TsCommonData& sd = *skinData_;
  gfx::Surface& c = sd.FCacheBmp->Canvas();
  const std::u16string text = GetText();
  const int w = Width(), h = Height();
  const unsigned lines = WordWrap() ? gfx::DT_WORDBREAK : gfx::DT_SINGLELINE;
  // Measured between the content margins on both sides.
  gfx::TRect r{contentMargin_, 0, w - contentMargin_, 0};
  if (!text.empty()) DrawTextPlain(c, text, r, gfx::DT_CALCRECT | gfx::DT_EXPANDTABS | lines);
  const int tw = text.empty() ? 0 : r.Width(), th = text.empty() ? 0 : r.Height();
  gfx::TRect cr{(w - tw) / 2, (h - th) / 2, 0, 0};
  cr.Right = cr.Left + tw;
  cr.Bottom = cr.Top + th;
  if (CurrentState() == 2 && ButtonShiftsContent(sd)) cr = cr.Offset(1, 1);
  captionRect_ = cr;
  if (text.empty()) return;
  unsigned format = StyleAlignment(Handle()) | gfx::DT_VCENTER | gfx::DT_EXPANDTABS | lines;
  if (UseRightToLeftReading()) format |= gfx::DT_RTLREADING;
  if (coloring.TextColor == clNone) {
    WriteControlText(c, text, Enabled(), true, s, sd, format, cr);
  } else {
    const int saved = c.Save();
    c.SetBkMode(gfx::BkMode::Transparent);
    c.SetTextColor(coloring.TextColor);
    gfx::TRect t = cr;
    DrawTextPlain(c, text, t, format);
    c.Restore(saved);
  }
  // Visual styles do not exist here, so ButtonsOptions.ShowFocusRect never hides it.
  const TsGeneralData* g = sd.Section96();
  if (Focused() && Enabled() && sd.Skinned() && showFocus_ && g != nullptr)
    DrawButtonFocusRect(c, cr, focusMargin_, h, *g);
}

// ---- Unskinned ----

void TsButton::DrawUnskinned(const void* p) {
  const auto* d = static_cast<const ctl::DRAWITEMSTRUCT*>(p);
  if (d == nullptr || d->hDC == nullptr) return;
  win::HDC dc = d->hDC;
  const gfx::TRect r{0, 0, Width(), Height()};
  const bool pushed = (d->itemState & ctl::ODS_SELECTED) != 0 || down_;
  const bool focus = (d->itemState & ctl::ODS_FOCUS) != 0;
  using ctl::draw::ButtonLook;
  const bool def = focus || Active();
  ctl::draw::DrawButtonFace(dc, r,
                            def ? (pushed ? ButtonLook::DefaultPressed : ButtonLook::Default)
                                : (pushed ? ButtonLook::Pressed : ButtonLook::Normal));
  const std::u16string text = GetText();
  if (!text.empty()) {
    const int saved = dc->Save();
    dc->SetFont(Font()->GfxFont());
    dc->SetBkMode(gfx::BkMode::Transparent);
    dc->SetTextColor(forms::ColorToRGB(Enabled() ? Font()->Color() : forms::clGrayText));
    gfx::TRect t{contentMargin_, 0, Width() - contentMargin_, Height()};
    if (pushed) t = t.Offset(1, 1);
    unsigned format = StyleAlignment(Handle()) | gfx::DT_VCENTER | gfx::DT_SINGLELINE | gfx::DT_EXPANDTABS;
    if (UseRightToLeftReading()) format |= gfx::DT_RTLREADING;
    DrawTextPlain(*dc, text, t, format);
    dc->Restore(saved);
  }
  if (focus && Enabled() && showFocus_) ctl::draw::DrawFocusRect(dc, {4, 4, r.Right - 4, r.Bottom - 4});
}

// ---- Messages ----

bool TsButton::SkinCommand(TMessage& m) {
  TsCommonData& sd = *skinData_;
  switch (SkinCmdOf(m.WParam)) {
    case scPrepareCache: m.Result = PreparePicture() ? 0 : 1; return true;
    case scNewSkin:
    case scRemoveSkin:
    case scRefresh: {
      if (!IsOwnManager(m, sd)) return true;
      const unsigned cmd = SkinCmdOf(m.WParam);
      DispatchSkinCommand(m, sd);
      if (cmd == scRefresh && HandleAllocated()) win::SetWindowRgn(Handle(), nullptr, win::FALSE);
      if (cmd == scRemoveSkin || (cmd == scRefresh && (sd.CtrlSkinState & cssPrinting) == 0)) Repaint(true);
      return true;
    }
    case scEndUpdate:
      if (sd.FUpdating && !sd.CheckUpdating(true)) Repaint(true);
      return true;
    default:
      if (input_.SkinCommand(m)) return true;
      return DispatchSkinCommand(m, sd);
  }
}

void TsButton::WndProc(TMessage& m) {
  TsCommonData& sd = *skinData_;
  if (m.Msg == SkinCmdMessage) {
    if (!SkinCommand(m)) forms::TButton::WndProc(m);
    return;
  }
  if (m.Msg == win::WM_CREATE || m.Msg == win::WM_NCCREATE) sd.InitCommonProp();
  if (Parent() == nullptr || !HandleAllocated() || !sd.Skinned(true)) {
    if (m.Msg == forms::CN_DRAWITEM) {
      DrawUnskinned(reinterpret_cast<const void*>(m.LParam));
      m.Result = 1;
      return;
    }
    forms::TButton::WndProc(m);
    return;
  }
  if (input_.Before(m)) return;
  switch (m.Msg) {
    case win::WM_PAINT: PaintFromCache(m, sd); return;
    case win::WM_ERASEBKGND: EraseFromCache(m, sd); return;
    case win::WM_PRINT: PrintFromCache(m, sd); return;
    case forms::CN_DRAWITEM: m.Result = 1; return;
    case win::WM_NCHITTEST:
      if (input_.HitTransparent(m)) return;
      break;
    default: break;
  }
  if (!CommonControlMessage(m, sd)) forms::TButton::WndProc(m);
  input_.After(m);
}

}  // namespace skin
