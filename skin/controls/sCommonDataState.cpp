// TsCommonData: the published setters, the common state, the skin's colours on the owner,
// hover and focus.
#include "platform/base/TextCase.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/WinControls.h"
#include "platform/gfx/Gdi.h"
#include "platform/gfx/Surface.h"
#include "platform/win/InputApi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acControlKinds.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acTextColor.h"

namespace skin {

namespace {

// Both Props[0] and Props[1] are fully transparent (a one-state section: Props[0]).
bool SectionFullyTransparent(const TsGeneralData& g) {
  if (g.Props[0].Transparency != 100) return false;
  return g.States < 2 || g.Props[1].Transparency == 100;
}

}  // namespace

bool TsCommonData::FullyTransparent() const {
  const TsGeneralData* g = Section96();
  return g != nullptr && SectionFullyTransparent(*g);
}

// ---- Setters ----

void TsCommonData::SetSkinSection(const std::u16string& v) {
  const std::u16string upper = base::ToUpperUi(v);
  if (upper == FSkinSection) return;
  RemoveGlow();
  FSkinSection = upper;
  TsSkinManager* m = GetSkinManager();
  if (m != nullptr && m->HasLoadedSections()) UpdateIndexes(true);
  else SkinIndex = -1;
  if (FOwnerControl == nullptr) {
    BGChanged = true;
    return;
  }
  if (FOwnerControl->Parent() == nullptr || FOwnerControl->IsLoading() || FOwnerControl->IsDestroying() ||
      FOwnerControl->ControlState().Contains(forms::TControlStateItem::csReadingState))
    return;
  if (forms::TWinControl* w = OwnerWindowed()) {
    EmptyCache();
    BroadcastToChildren(w, SkinCmdMessage, SkinCmdWParam(scParentBgChanged, 1), 0);
  }
  if (FUpdating || Loading) {
    if (!Loading) ApplyStateColors(false);
    return;
  }
  if (SkinIndex >= 0) SendToOwner(scRefresh, reinterpret_cast<win::LPARAM>(m), 1);
  else SendToOwner(scRemoveSkin, reinterpret_cast<win::LPARAM>(m));
}

void TsCommonData::SetSkinManager(TsSkinManager* v) {
  if (v == DefaultManager()) v = nullptr;
  if (v == FSkinManager) return;
  FCommonSkinData = nullptr;
  FSkinManager = v;
  if (FOwnerControl != nullptr && FOwnerControl->IsLoading()) return;
  TsSkinManager* m = GetSkinManager();
  if (m != nullptr && m->HasLoadedSections()) UpdateIndexes(true);
  else SkinIndex = -1;
  if (FOwnerControl == nullptr || FOwnerControl->Parent() == nullptr || FOwnerControl->IsDestroying()) return;
  if (SkinIndex >= 0) SendToOwner(scRefresh, reinterpret_cast<win::LPARAM>(m));
  else SendToOwner(scRemoveSkin, reinterpret_cast<win::LPARAM>(m));
}

void TsCommonData::SetCustomColor(bool v) {
  if (FCustomColor == v) return;
  FCustomColor = v;
  if (FOwnerControl == nullptr || FOwnerControl->IsLoading()) return;
  if (v) {
    if (SavedColor != clNone) FOwnerControl->SetColor(SavedColor);
  } else {
    SavedColor = FOwnerControl->Color();
  }
  ApplySkinColors(true);
}

void TsCommonData::SetCustomFont(bool v) {
  if (FCustomFont == v) return;
  FCustomFont = v;
  if (FOwnerControl == nullptr || FOwnerControl->IsLoading()) return;
  if (v) {
    if (SavedFontColor != clNone) FOwnerControl->Font()->SetColor(SavedFontColor);
  } else {
    SavedFontColor = FOwnerControl->Font()->Color();
  }
  ApplySkinColors(true);
}

void TsCommonData::SetColorTone(TColor v) {
  if (FColorTone == v) return;
  FColorTone = v;
  Loaded(true);
  Invalidate(false);
}

void TsCommonData::SetHUEOffset(int v) {
  if (FHUEOffset == v) return;
  FHUEOffset = v;
  Loaded(true);
  Invalidate(false);
}

void TsCommonData::SetSaturation(int v) {
  if (FSaturation == v) return;
  FSaturation = v;
  Loaded(true);
  Invalidate(false);
}

// ---- State ----

int TsCommonData::CommonState() const {
  if (FOwnerControl == nullptr || FOwnerControl->IsDestroying() || FOwnerControl->IsDesigning() ||
      !FOwnerControl->Enabled())
    return 0;
  if (FFocused) return 1;
  if (forms::TWinControl* w = OwnerWindowed(); w != nullptr && w->HandleAllocated() && win::GetFocus() == w->Handle())
    return COC == cocPanel ? 0 : 1;
  TsSkinManager* m = GetSkinManager();
  if (!FMouseAbove || (m != nullptr && m->Options.NoMouseHover)) return 0;
  if (NoHoverState(COC) || HoverNotHot(COC)) return 0;
  return 1;
}

// ---- Colours ----

void TsCommonData::ApplySkinColors(bool repaint) {
  if (FOwnerControl == nullptr || SkinIndex < -1) return;
  forms::TWinControl* w = OwnerWindowed();
  if (w != nullptr && !w->HandleAllocated()) return;
  TsSkinManager* m = GetSkinManager();
  if (Skinned()) {
    CtrlSkinState |= cssChangingColors;
    const TsGeneralData* g = Section96();
    if (g != nullptr && ColorsFollowState(COC) &&
        (g->Props[0].Transparency != 100 || g->Props[1].Transparency != 100)) {
      const TacColorAdjust adjust{clNone, FHUEOffset, FSaturation};
      if (!FCustomColor) FOwnerControl->SetColor(AdjustTextColor(g->Props[0].Color, adjust));
      if (!FCustomFont) FOwnerControl->Font()->SetColor(AdjustTextColor(g->Props[0].FontColor.Color, adjust));
    }
    if (w != nullptr && m != nullptr && m->Brushes[pcMainColor] != nullptr)
      win::SetClassLongPtr(w->Handle(), win::GCLP_HBRBACKGROUND,
                           reinterpret_cast<win::LONG_PTR>(m->Brushes[pcMainColor]));
    CtrlSkinState &= ~static_cast<std::uint32_t>(cssChangingColors);
  } else if (w != nullptr) {
    win::SetClassLongPtr(w->Handle(), win::GCLP_HBRBACKGROUND,
                         reinterpret_cast<win::LONG_PTR>(gfx::GetSysColorBrush(gfx::COLOR_BTNFACE)));
  }
  if (repaint) Invalidate(true);
}

void TsCommonData::ApplyStateColors(bool noLock) {
  if (FOwnerControl == nullptr || SkinIndex < 0) return;
  const TsGeneralData* g = Section96();
  if (g == nullptr) return;
  forms::TWinControl* w = OwnerWindowed();
  const bool lock = !noLock && w != nullptr && w->HandleAllocated() && FOwnerControl->Visible();
  if (lock) win::SendMessage(w->Handle(), win::WM_SETREDRAW, 0, 0);
  const TsGenState& p = g->Props[static_cast<std::size_t>(std::min(CommonState(), 2))];
  if (!FCustomColor) FOwnerControl->SetColor(p.Color);
  if (!FCustomFont && FOwnerControl->Font()->Color() != p.FontColor.Color) {
    CtrlSkinState |= cssChangingColors;
    FOwnerControl->Font()->SetColor(p.FontColor.Color);
    CtrlSkinState &= ~static_cast<std::uint32_t>(cssChangingColors);
  }
  if (lock) win::SendMessage(w->Handle(), win::WM_SETREDRAW, 1, 0);
}

// ---- Hover ----

namespace {

void RedrawAfterColours(TsCommonData& sd, bool changed) {
  forms::TWinControl* w = sd.OwnerWindowed();
  if (w == nullptr || !w->HandleAllocated()) return;
  if (changed) win::InvalidateRect(w->Handle(), nullptr, win::FALSE);
  win::SendMessage(w->Handle(), win::WM_NCPAINT, 1, 0);
}

}  // namespace

bool SetStateColors(TsCommonData& sd, const TsGenState& p) {
  forms::TControl* c = sd.FOwnerControl;
  bool changed = false;
  if (!sd.FCustomColor && c->Color() != p.Color) {
    c->SetColor(p.Color);
    changed = true;
  }
  if (!sd.FCustomFont && c->Font()->Color() != p.FontColor.Color) {
    sd.CtrlSkinState |= cssChangingColors;
    c->Font()->SetColor(p.FontColor.Color);
    sd.CtrlSkinState &= ~static_cast<std::uint32_t>(cssChangingColors);
    changed = true;
  }
  return changed;
}

void TsCommonData::MouseEnter() {
  if (!Skinned() || FMouseAbove || FOwnerControl == nullptr) return;
  TsSkinManager* m = GetSkinManager();
  forms::TWinControl* w = OwnerWindowed();
  const TsGeneralData* g = Section96();
  if (m != nullptr && !m->Settings.Designing && !m->Options.NoMouseHover && g != nullptr &&
      !SectionFullyTransparent(*g) && w != nullptr && !w->IsDesigning()) {
    if (!NoHoverState(COC)) FMouseAbove = true;
    if (w->HandleAllocated()) m->SetActiveControl(w->Handle());
    // Glow windows are not made by this engine: GlowID stays -1.
    if (ColorsFollowState(COC) && !HoverNotHot(COC) && g->States >= 2) {
      BGChanged = true;
      RedrawAfterColours(*this, SetStateColors(*this, g->Props[1]));
    }
    return;
  }
  if (m != nullptr && w != nullptr && w->HandleAllocated()) m->SetActiveControl(w->Handle());
  if (!NoHoverState(COC) && !(m != nullptr && m->Options.NoMouseHover)) FMouseAbove = true;
}

void TsCommonData::MouseLeave() {
  if (!Skinned() || FOwnerControl == nullptr) return;
  TsSkinManager* m = GetSkinManager();
  if (m == nullptr || m->Options.NoMouseHover || m->Settings.Designing || MouseStillInside()) return;
  if (!NoHoverState(COC)) FMouseAbove = false;
  if (!IsContainerKind(COC) && !AnimatesItself(COC)) RemoveGlow();
  const TsGeneralData* g = Section96();
  if (g == nullptr || !ColorsFollowState(COC)) return;
  bool changed = false;
  if (CommonState() == 0 && !SectionFullyTransparent(*g)) changed = SetStateColors(*this, g->Props[0]);
  if (FOwnerControl->Visible()) {
    BGChanged = true;
    RedrawAfterColours(*this, changed);
  }
}

bool TsCommonData::MouseStillInside() const {
  const win::HWND h = OwnerHandle();
  if (h == nullptr || !win::IsWindowVisible(h)) return false;
  win::POINT p{};
  win::GetCursorPos(&p);
  const win::POINT screen = p;
  win::RECT r{};
  if (FOwnerControl != nullptr) {
    win::ScreenToClient(h, &p);
    win::GetClientRect(h, &r);
  } else {
    win::RECT wr{};
    win::GetWindowRect(h, &wr);
    p.X -= wr.Left;
    p.Y -= wr.Top;
    r = {0, 0, wr.Right - wr.Left, wr.Bottom - wr.Top};
  }
  if (auto* sw = dynamic_cast<const TsScrollWndData*>(this)) {
    // Skinned scroll bars lie in the frame: their thickness counts as inside.
    const win::DWORD style = static_cast<win::DWORD>(win::GetWindowLongPtr(h, win::GWL_STYLE));
    if ((style & win::WS_VSCROLL) != 0)
      r.Right += sw->VertScrollData->ScrollWidth() > 0 ? sw->VertScrollData->ScrollWidth() : 16;
    if ((style & win::WS_HSCROLL) != 0)
      r.Bottom += sw->HorzScrollData->ScrollWidth() > 0 ? sw->HorzScrollData->ScrollWidth() : 16;
  }
  if (p.X < r.Left || p.X >= r.Right || p.Y < r.Top || p.Y >= r.Bottom) return false;
  // The visible part of the window only.
  if (FOwnerControl != nullptr) {
    if (win::HDC dc = win::GetDC(h)) {
      gfx::TRect clip;
      const bool visible = dc->ClipBox(clip) != gfx::RegionKind::Null && p.X >= clip.Left && p.X < clip.Right &&
                           p.Y >= clip.Top && p.Y < clip.Bottom;
      win::ReleaseDC(h, dc);
      if (!visible) return false;
    }
  }
  const win::HWND under = win::WindowFromPoint(screen);
  if (under != nullptr && under != h) return win::IsChild(h, under) != win::FALSE;
  return true;
}

}  // namespace skin
