#include "skin/controls/acButtonCommon.h"

#include <algorithm>

#include "platform/ctl/ButtonApi.h"
#include "platform/forms/StdCtrls.h"
#include "platform/gfx/Surface.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/HitCodes.h"
#include "platform/win/Keys.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/controls/acControlSection.h"
#include "skin/controls/acFade.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acDottedFrame.h"
#include "skin/render/acImageSource.h"
#include "skin/render/acPaintImageSlices.h"
#include "skin/render/acPaintSection.h"
#include "skin/render/acSectionBehind.h"
#include "skin/render/acSectionState.h"

namespace skin {

namespace {

// What lies behind a disabled button when its parent has no picture.
class ParentColour : public IBackgroundColorSource {
 public:
  explicit ParentColour(forms::TWinControl& b) : b_(b) {}
  TColor BackgroundColor() const override {
    return b_.Parent() != nullptr ? ParentBackgroundColor(b_.Parent()) : forms::ColorToRGB(forms::clBtnFace);
  }

 private:
  forms::TWinControl& b_;
};

}  // namespace

TacButtonColoring ModalResultColoring(TsCommonData& sd, int modalResult, int state) {
  TacButtonColoring c;
  if (sd.FColorTone != clNone) {
    c.ColorTone = sd.FColorTone;
    return c;
  }
  const bool normal = state == 0;
  TColor glyph, tone;
  switch (modalResult) {
    case forms::mrOk:
    case forms::mrYes:
      glyph = normal ? acOkGlyphNormal : acOkGlyphActive;
      tone = normal ? acOkToneNormal : acOkToneActive;
      break;
    case forms::mrCancel:
    case forms::mrNo:
      glyph = normal ? acCancelGlyphNormal : acCancelGlyphActive;
      tone = normal ? acCancelToneNormal : acCancelToneActive;
      break;
    default: return c;
  }
  const TsSkinManager* m = sd.GetSkinManager();
  const unsigned items = m != nullptr ? m->ButtonsOptions.ModalButtonsColoring : unsigned(bcGlyph);
  const bool skinned = sd.Skinned();
  if (m == nullptr || (items & bcGlyph) != 0) c.GlyphColor = glyph;
  if (skinned && (items & bcText) != 0) c.TextColor = glyph;
  if (skinned && (items & bcBackground) != 0) c.ColorTone = tone;
  return c;
}

int ButtonPictureState(const TsGeneralData* section, int currentState) {
  if (section == nullptr) return std::min(std::max(currentState, 0), 2);
  if (currentState == 3 && section->States < 4) return LimitSectionState(*section, 1);
  return LimitSectionState(*section, currentState);
}

bool ButtonShiftsContent(TsCommonData& sd) {
  const TsSkinManager* m = sd.GetSkinManager();
  const TsGeneralData* g = sd.Skinned() ? sd.Section96() : nullptr;
  if (m == nullptr || g == nullptr) return true;
  return m->ButtonsOptions.ShiftContentOnClick || g->ShiftOnClick;
}

bool BeginButtonPicture(TsCommonData& sd, forms::TWinControl& button, int s, TacBgInfo& bg) {
  TsBackgroundQuery q;
  QueryParentBackground(q, button.Parent(), false);
  if (q.Kind == bqNotReady) {
    sd.FUpdating = true;
    return false;
  }
  if (!sd.PrepareCacheBitmap()) return false;
  bg = ToBgInfo(q);
  Bitmap32* cache = sd.FCacheBmp.get();
  cache->Canvas().SetFont(button.Font()->GfxFont());
  PaintControlBackground(sd, bg, s, cache, {button.Left(), button.Top()}, {0, 0, button.Width(), button.Height()});
  return true;
}

void PaintButtonBorder(TsCommonData& sd, forms::TWinControl& button, int s, const TacBgInfo& bg) {
  const TacSkinData* data = sd.GetCommonSkinData();
  const TsGeneralData* g = sd.Section();
  if (data == nullptr || g == nullptr) return;
  const TsMaskData* border = ImageEntry(*data, g->BorderIndex);
  if (border == nullptr || (s == 0 && (border->DrawMode & dmHiddenInState0) != 0)) return;
  PaintImageSlices(sd.FCacheBmp.get(), {0, 0, button.Width(), button.Height()},
                   BgAtTarget(bg, {button.Left(), button.Top()}, {0, 0}), true, s, *border);
}

void AdjustButtonColors(TsCommonData& sd, const TacButtonColoring& coloring, int s) {
  ApplyColorAdjustments(sd.FCacheBmp.get(), sd, coloring.ColorTone, s);
}

void EndButtonPicture(TsCommonData& sd, forms::TWinControl& button, TsDisabledKind kind, const TacBgInfo& bg) {
  if (!button.Enabled()) {
    ParentColour colour(button);
    ApplyDisabledLook(sd.FCacheBmp.get(), kind, &colour, {button.Left(), button.Top()}, bg);
  }
  sd.BGChanged = false;
}

void DrawButtonFocusRect(gfx::Surface& surface, const gfx::TRect& caption, int focusMargin, int height,
                         const TsGeneralData& section) {
  gfx::TRect r{caption.Left - focusMargin - 1, caption.Top - focusMargin, caption.Right + focusMargin + 1,
               caption.Bottom + focusMargin};
  r.Top = std::max(r.Top, 3);
  r.Bottom = std::min(r.Bottom, height - 3);
  // The last state record the section defines, at most the third.
  const int d = std::clamp(section.States - 1, 0, 2);
  DrawDottedFrame(surface, r, section.Props[static_cast<std::size_t>(d)].FontColor.Color, clNone);
}

bool ButtonCornerIsTransparent(const TsMaskData& border, gfx::TPoint p, gfx::TSize size, int s) {
  if ((border.Cfg & 1) == 0 || border.Bmp == nullptr) return false;
  const bool left = p.X < border.WL, right = p.X >= size.cx - border.WR;
  const bool top = p.Y < border.WT, bottom = p.Y >= size.cy - border.WB;
  if (!(left || right) || !(top || bottom)) return false;
  // Right and bottom zones are measured from the image's own far edges.
  const int ix = left ? p.X : border.Width - (size.cx - p.X);
  const int iy = top ? p.Y : border.Height - (size.cy - p.Y);
  if (ix < 0 || iy < 0 || ix >= border.Width || iy >= border.Height) return false;
  const Bitmap32* src = ImageSourceBitmap(border);
  if (src == nullptr) return false;
  const TPoint o = StatePictureOrigin(border, s);
  const int x = o.X + ix, y = o.Y + iy;
  if (x < 0 || y < 0 || x >= src->Width() || y >= src->Height()) return false;
  return (src->Pixel(x, y) & 0xFFFFFFu) == 0xFF00FFu;
}

// ---- TacButtonInput ----

bool TacButtonInput::EventAnimated(TacAnimatEvent e) const {
  unsigned events = host_.HostAnimatEvents();
  if ((events & aeGlobalDef) != 0) {
    const TsSkinManager* m = const_cast<TacButtonHost&>(host_).HostData().GetSkinManager();
    if (m == nullptr) return false;
    const TacBtnEvents& set = m->AnimEffects.Buttons.Events;
    events = (set.Contains(TacBtnEvent::beMouseEnter) ? aeMouseEnter : 0u) |
             (set.Contains(TacBtnEvent::beMouseLeave) ? aeMouseLeave : 0u) |
             (set.Contains(TacBtnEvent::beMouseDown) ? aeMouseDown : 0u) |
             (set.Contains(TacBtnEvent::beMouseUp) ? aeMouseUp : 0u);
  }
  return (events & e) != 0;
}

void TacButtonInput::Enter() {
  TsCommonData& sd = host_.HostData();
  const TsSkinManager* m = sd.GetSkinManager();
  if (sd.FMouseAbove || (m != nullptr && m->Options.NoMouseHover)) return;
  host_.HostMouseEnter();
  sd.MouseEnter();
  sd.FMouseAbove = true;
  sd.BGChanged = false;
  RequestFade(sd, host_.CurrentState(), false, EventAnimated(aeMouseEnter));
}

void TacButtonInput::Leave() {
  TsCommonData& sd = host_.HostData();
  if (!sd.FMouseAbove) return;
  host_.HostMouseLeave();
  sd.FMouseAbove = false;
  sd.BGChanged = false;
  RequestFade(sd, host_.CurrentState(), false, EventAnimated(aeMouseLeave));
}

void TacButtonInput::RedrawNow() {
  TsCommonData& sd = host_.HostData();
  forms::TButton& b = host_.HostButton();
  sd.BGChanged = true;
  if (b.HandleAllocated())
    win::RedrawWindow(b.Handle(), nullptr, nullptr, win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_UPDATENOW);
}

void TacButtonInput::EndShowPressed() {
  Stop();
  showPressed_ = false;
  TsCommonData& sd = host_.HostData();
  sd.FUpdating = false;
  sd.BGChanged = false;
  if (sd.FMouseAbove) RequestFade(sd, host_.CurrentState(), true, EventAnimated(aeMouseUp));
  else RedrawNow();
}

void TacButtonInput::Stop() {
  forms::TButton& b = host_.HostButton();
  if (timerOn_ && b.HandleAllocated()) win::KillTimer(b.Handle(), PressedTimerId);
  timerOn_ = false;
}

bool TacButtonInput::SkinCommand(forms::TMessage& m) {
  TsCommonData& sd = host_.HostData();
  switch (SkinCmdOf(m.WParam)) {
    case scGetDefaultIndex: {
      TsSkinManager* mgr = sd.GetSkinManager();
      m.Result = mgr != nullptr ? mgr->GetSkinIndex(u"BUTTON") + 1 : 0;
      return true;
    }
    case scGetDefaultKind: m.Result = 2; return true;
    case scIsSkinned: m.Result = 1; return true;
    case scGetColoring:
      if (auto* c = reinterpret_cast<TacButtonColoring*>(m.LParam)) *c = host_.Coloring(host_.CurrentState());
      m.Result = 1;
      return true;
    case scMouseEnter:
    case scMouseLeave: return Before(m);
    default: return false;
  }
}

bool TacButtonInput::HitTransparent(forms::TMessage& m) {
  TsCommonData& sd = host_.HostData();
  forms::TButton& b = host_.HostButton();
  const TacSkinData* data = sd.GetCommonSkinData();
  const TsGeneralData* g = sd.Section();
  const TsMaskData* border = data != nullptr && g != nullptr ? ImageEntry(*data, g->BorderIndex) : nullptr;
  if (border == nullptr) return false;
  win::POINT p{static_cast<short>(m.LParam & 0xFFFF), static_cast<short>((m.LParam >> 16) & 0xFFFF)};
  win::ScreenToClient(b.Handle(), &p);
  const int s = ButtonPictureState(g, host_.CurrentState());
  if (!ButtonCornerIsTransparent(*border, {p.X, p.Y}, {b.Width(), b.Height()}, s)) return false;
  m.Result = win::HTTRANSPARENT;
  return true;
}

bool TacButtonInput::Before(forms::TMessage& m) {
  TsCommonData& sd = host_.HostData();
  forms::TButton& b = host_.HostButton();
  const bool active = b.Enabled() && !b.IsDesigning();
  switch (m.Msg) {
    case forms::CM_MOUSEENTER:
      if (active) Enter();
      return false;
    case forms::CM_MOUSELEAVE:
      if (active) Leave();
      return false;
    case SkinCmdMessage:
      if (SkinCmdOf(m.WParam) == scMouseEnter) {
        if (active) Enter();
        return true;
      }
      if (SkinCmdOf(m.WParam) == scMouseLeave) {
        if (active && !sd.MouseStillInside()) Leave();
        return true;
      }
      return false;
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONDBLCLK:
      if (active) mouseClicked_ = true;
      return false;
    case win::WM_LBUTTONUP:
      if (!active) return false;
      if (!mouseClicked_) {
        sd.StopFade();
        return false;
      }
      mouseClicked_ = false;
      // The pressed picture shows now, whatever the press fade reached, and stays for
      // PressedMs; the click is handled meanwhile.
      sd.StopFade();
      Stop();
      showPressed_ = true;
      RedrawNow();
      if (b.HandleAllocated()) timerOn_ = win::SetTimer(b.Handle(), PressedTimerId, PressedMs, nullptr) != 0;
      if (!timerOn_) EndShowPressed();
      return false;
    case win::WM_TIMER:
      if (m.WParam != PressedTimerId) return false;
      EndShowPressed();
      return true;
    case win::WM_KILLFOCUS:
    case forms::CM_EXIT: sd.StopFade(); return false;
    case win::WM_KEYDOWN:
      if (m.WParam == win::VK_SPACE) sd.BGChanged = true;
      return false;
    case forms::CM_DIALOGCHAR:
      if (m.WParam == u' ' && b.Focused()) {
        sd.StopFade();
        RedrawNow();
      }
      return false;
    case forms::CM_TEXTCHANGED:
    case forms::CM_FONTCHANGED:
      sd.FUpdating = false;
      sd.StopFade();
      sd.Invalidate(false);
      return false;
    case forms::CM_VISIBLECHANGED:
      sd.BGChanged = true;
      sd.FUpdating = false;
      return false;
    default: return false;
  }
}

void TacButtonInput::After(forms::TMessage& m) {
  TsCommonData& sd = host_.HostData();
  forms::TButton& b = host_.HostButton();
  switch (m.Msg) {
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONDBLCLK:
      // The platform has pressed the button: the fade goes toward the pressed picture.
      if (mouseClicked_ && !host_.HostDown()) {
        sd.BGChanged = false;
        RequestFade(sd, host_.CurrentState(), true, EventAnimated(aeMouseDown));
      }
      break;
    case win::WM_SETFOCUS:
    case forms::CM_ENTER:
      if (sd.IsFading()) {
        sd.BGChanged = true;
        sd.AnimTimer->Step();
      } else {
        sd.Invalidate(false);
      }
      break;
    case win::WM_KILLFOCUS:
    case forms::CM_EXIT:
      sd.FFocused = false;
      sd.Invalidate(false);
      sd.RemoveGlow();
      break;
    case win::WM_KEYUP:
      if (m.WParam == win::VK_SPACE) RedrawNow();
      break;
    case forms::CM_ENABLEDCHANGED:
      sd.FUpdating = false;
      sd.StopFade();
      RedrawNow();
      break;
    case win::WM_MOVE: {
      const TsGeneralData* g = sd.Skinned() ? sd.Section96() : nullptr;
      if (g == nullptr) break;
      const bool hot = host_.CurrentState() != 0;
      if (SectionStateProps(*g, 0).Transparency >= 1 || (hot && SectionStateProps(*g, 1).Transparency >= 1))
        RedrawNow();
      break;
    }
    default: break;
  }
  (void)b;
}

}  // namespace skin
