#include "skin/controls/acBackgroundAnswer.h"

#include <algorithm>

#include "platform/forms/Graphics.h"
#include "platform/forms/WinControls.h"
#include "platform/gfx/Surface.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acFade.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acSectionSeeThrough.h"
#include "skin/render/acSectionState.h"

namespace skin {

namespace {

win::LRESULT SendToControl(forms::TControl* c, TacSkinCommand command, win::LPARAM lParam) {
  if (auto* w = dynamic_cast<forms::TWinControl*>(c); w != nullptr && w->HandleAllocated())
    return SendSkinCommand(w->Handle(), command, lParam);
  return c->Perform(SkinCmdMessage, SkinCmdWParam(command), lParam);
}

TColor GlobalColor(TsSkinManager* m) {
  return m != nullptr && m->IsActive() ? m->GetGlobalColor() : ColorToRGB(forms::clBtnFace);
}

void ResetQuery(TsBackgroundQuery& q, bool drawNow) {
  const TPoint offset = q.Offset;
  const TRect drawRect = q.DrawRect;
  gfx::Surface* target = q.TargetDC;
  q = TsBackgroundQuery{};
  q.Color = KeyColor;
  q.DrawNow = drawNow;
  if (drawNow) {
    q.Offset = offset;
    q.DrawRect = drawRect;
    q.TargetDC = target;
  }
}

// The parent paints itself into the target: its erase and paint handlers on that DC, moved
// so that Offset of the parent lands at the target's origin, clipped to DrawRect.
void PaintParentInto(TsBackgroundQuery& q, forms::TControl* parent) {
  gfx::Surface* dc = q.TargetDC;
  if (dc == nullptr) return;
  const int saved = dc->Save();
  dc->OffsetViewportOrg(-q.Offset.X, -q.Offset.Y);
  const TRect clip = q.DrawRect.Offset(q.Offset.X, q.Offset.Y);
  dc->IntersectClip(clip);
  const auto wp = reinterpret_cast<win::WPARAM>(dc);
  parent->Perform(win::WM_ERASEBKGND, wp, 0);
  parent->Perform(win::WM_PAINT, wp, 0);
  dc->Restore(saved);
}

bool OuterEffectsAllowed(const TsCommonData& sd) {
  const TsSkinManager* m = sd.GetSkinManager();
  return m != nullptr && m->Effects.AllowOuterEffects && sd.FOuterEffects != nullptr &&
         sd.FOuterEffects->Visibility() == ovAlways;
}

}  // namespace

bool WindowSkinned(win::HWND h) {
  if (h == nullptr) return false;
  return win::GetProp(h, acSkinDataProp) != nullptr || SendSkinCommand(h, scIsSkinned, 0) == 1;
}

TColor ParentBackgroundColor(forms::TControl* parent) {
  if (parent == nullptr) return ColorToRGB(forms::clBtnFace);
  auto* w = dynamic_cast<forms::TWinControl*>(parent);
  if (w != nullptr && w->HandleAllocated() && WindowSkinned(w->Handle()))
    return static_cast<TColor>(SendSkinCommand(w->Handle(), scGetBgColor, 0));
  return ColorToRGB(parent->Color());
}

void QueryParentBackground(TsBackgroundQuery& q, forms::TControl* parent, bool drawNow) {
  ResetQuery(q, drawNow);
  if (parent == nullptr) {
    q.Kind = bqColor;
    q.Color = GlobalColor(DefaultManager());
    return;
  }
  SendToControl(parent, scGetBgInfo, reinterpret_cast<win::LPARAM>(&q));
  if (q.Kind != bqNone) return;
  if (drawNow) {
    PaintParentInto(q, parent);
    q.Color = ColorToRGB(parent->Color());
    return;
  }
  q.Kind = bqColor;
  q.Color = ParentBackgroundColor(parent);
}

void QueryParentBackground(TsBackgroundQuery& q, win::HWND parent, bool drawNow) {
  if (forms::TWinControl* c = forms::TWinControl::FindControl(parent)) {
    QueryParentBackground(q, c, drawNow);
    return;
  }
  ResetQuery(q, drawNow);
  if (parent != nullptr) SendSkinCommand(parent, scGetBgInfo, reinterpret_cast<win::LPARAM>(&q));
  if (q.Kind != bqNone) return;
  q.Kind = bqColor;
  q.Color = parent != nullptr && WindowSkinned(parent) ? static_cast<TColor>(SendSkinCommand(parent, scGetBgColor, 0))
                                                       : GlobalColor(DefaultManager());
}

void FillBackgroundQuery(TsBackgroundQuery& q, TsCommonData& sd, int state) {
  if (q.DrawNow) {
    if (sd.BGChanged) sd.PrepareCache();
    if (sd.CacheValid() && q.TargetDC != nullptr)
      q.TargetDC->BitBlt(q.DrawRect.Left, q.DrawRect.Top, q.DrawRect.Width(), q.DrawRect.Height(),
                         sd.FCacheBmp->Canvas(), q.Offset.X, q.Offset.Y, gfx::SRCCOPY);
    q.Kind = bqBitmap;
    return;
  }
  q.Bitmap = nullptr;
  const TsGeneralData* g = sd.Skinned() && !sd.FCustomColor ? sd.Section() : nullptr;
  if (g == nullptr) {
    q.Kind = bqColor;
    q.Color = ColorToRGB(sd.OwnerColor() == clNone ? forms::clBtnFace : sd.OwnerColor());
    return;
  }
  const int s = std::min(LimitSectionState(*g, state), 2);
  const TsGenState& p = g->Props[static_cast<std::size_t>(s)];
  const int t = std::clamp(p.Transparency, 0, 100);
  q.Offset = {0, 0};
  if (t == 0) {
    const bool plain = p.GradientPercent < 1 && p.ImagePercent < 1 && g->ImgTL < 0 && g->ImgTR < 0 && g->ImgBL < 0 &&
                       g->ImgBR < 0 && !OuterEffectsAllowed(sd);
    if (plain) {
      q.Kind = bqColor;
      q.Color = SectionColor(sd, state);
      const TacSkinData* data = sd.GetCommonSkinData();
      if (data != nullptr && g->BorderIndex >= 0 && g->BorderIndex < static_cast<int>(data->ma.size())) {
        const TsMaskData& md = data->ma[static_cast<std::size_t>(g->BorderIndex)];
        if ((md.DrawMode & 2) == 0) {
          q.BorderFrame = {md.WL, md.WT, md.WR, md.WB};
          // The strips are read from the cache: it is handed only when it is current.
          if (sd.BGChanged || !sd.CacheValid()) sd.PrepareCache();
          if (sd.CacheValid() && !sd.BGChanged) q.Bitmap = sd.FCacheBmp.get();
        }
      }
      return;
    }
    q.Color = sd.GetSkinManager()->GetGlobalColor();
    if (sd.BGChanged || !sd.CacheValid()) {
      sd.BGChanged = true;
      sd.EmptyCache();
      sd.PrepareCache();
      if (!sd.CacheValid()) {
        q.Kind = bqNotReady;
        return;
      }
    }
    q.Kind = bqBitmap;
    const Bitmap32* fading = sd.AnimTimer ? sd.AnimTimer->Current() : nullptr;
    q.Bitmap = fading ? const_cast<Bitmap32*>(fading) : sd.FCacheBmp.get();
    return;
  }
  if (t < 100) {
    if (sd.FCacheBmp == nullptr) {
      q.Kind = bqColor;
      q.Color = KeyColor;
      return;
    }
    if (!sd.CacheValid() || sd.BGChanged) {
      if (sd.BGChanged || !sd.CacheValid()) sd.PrepareCache();
      if (!sd.CacheValid()) {
        sd.FUpdating = true;
        q.Kind = bqNotReady;
        return;
      }
    }
    q.Kind = bqBitmap;
    q.Bitmap = sd.FCacheBmp.get();
    return;
  }
  if (sd.FCacheBmp != nullptr) {
    if (sd.BGChanged) sd.PrepareCache();
    if (sd.CacheValid() && !sd.BGChanged) {
      q.Kind = bqBitmap;
      q.Bitmap = sd.FCacheBmp.get();
    } else {
      q.Kind = bqColor;
      q.Color = SectionColor(sd, 0);
    }
    return;
  }
  // See-through without a picture of its own: the parent's answer, moved by the owner's
  // place. The border frame is measured on the parent's bitmap and stays as it is.
  if (sd.FOwnerControl != nullptr && sd.FOwnerControl->Parent() != nullptr) {
    QueryParentBackground(q, sd.FOwnerControl->Parent(), false);
    q.Offset.X += sd.FOwnerControl->Left();
    q.Offset.Y += sd.FOwnerControl->Top();
    return;
  }
  if (sd.FOwnerControl == nullptr && sd.FSWHandle != nullptr && win::GetParent(sd.FSWHandle) != nullptr) {
    const win::HWND parent = win::GetParent(sd.FSWHandle);
    QueryParentBackground(q, parent, false);
    win::RECT r{};
    win::GetWindowRect(sd.FSWHandle, &r);
    win::POINT at{r.Left, r.Top};
    win::ScreenToClient(parent, &at);
    q.Offset.X += at.X;
    q.Offset.Y += at.Y;
    return;
  }
  q.Kind = bqColor;
  q.Color = GlobalColor(DefaultManager());
}

TColor SectionColor(TsCommonData& sd, int state) {
  const TsGeneralData* g = sd.Skinned() ? sd.Section96() : nullptr;
  if (g == nullptr) {
    if (sd.FOwnerControl == nullptr) return ColorToRGB(forms::clBtnFace);
    return ColorToRGB(sd.OwnerColor());
  }
  const int s = state > 0 && g->States > 1 ? 1 : 0;
  const TsGenState& p = g->Props[static_cast<std::size_t>(s)];
  if (p.Transparency <= 0) return ColorToRGB(sd.FCustomColor ? sd.OwnerColor() : p.Color);
  if (p.Transparency >= 100) {
    if (sd.FOwnerControl != nullptr && sd.FOwnerControl->Parent() != nullptr)
      return ParentBackgroundColor(sd.FOwnerControl->Parent());
    if (sd.FOwnerControl == nullptr && sd.FSWHandle != nullptr) {
      const win::HWND parent = win::GetParent(sd.FSWHandle);
      if (parent != nullptr && WindowSkinned(parent))
        return static_cast<TColor>(SendSkinCommand(parent, scGetBgColor, 0));
    }
  }
  return ColorToRGB(p.Color);
}

TColor BackgroundColorAnswer(TsCommonData& sd) {
  const TsGeneralData* g = sd.Skinned() ? sd.Section96() : nullptr;
  if (g == nullptr) return ColorToRGB(sd.OwnerColor() == clNone ? forms::clBtnFace : sd.OwnerColor());
  const TsGenState& p = g->Props[0];
  if (p.Transparency >= 100) {
    if (sd.FOwnerControl != nullptr && sd.FOwnerControl->Parent() != nullptr)
      return ParentBackgroundColor(sd.FOwnerControl->Parent());
    return ColorToRGB(sd.OwnerColor() == clNone ? forms::clBtnFace : sd.OwnerColor());
  }
  return ColorToRGB(p.Color);
}

bool IsMostlyTransparent(const TsCommonData& sd, int state) {
  if (sd.FOwnerControl != nullptr ? sd.FOwnerControl->Parent() == nullptr
                                  : (sd.FSWHandle == nullptr || win::GetParent(sd.FSWHandle) == nullptr))
    return false;
  return IsSectionSeeThrough(sd.GetSkinManager(), sd.SkinIndex, state);
}

win::LRESULT SendTextSectionQuery(forms::TControl* c, TacTextSectionQuery& query) {
  if (c == nullptr) return acTextSectionNoAnswer;
  return SendToControl(c, scGetTextSection, reinterpret_cast<win::LPARAM>(&query));
}

win::LRESULT PassTextSectionQuery(forms::TControl* c, TacTextSectionQuery& query) {
  if (c == nullptr || c->Parent() == nullptr) return acTextSectionNoAnswer;
  query.Bounds = query.Bounds.Offset(c->Left(), c->Top());
  const win::LRESULT r = SendTextSectionQuery(c->Parent(), query);
  // Nobody above answered: the section put into the query is the answer. The index is
  // never the result, so section 0 reads as an answer too.
  TsSkinManager* m = DefaultManager();
  if ((r == acTextSectionNoAnswer || r == acTextSectionKeepOwn) && !(m != nullptr && m->Settings.Designing)) return 1;
  return r;
}

win::LRESULT AnswerTextSection(TsCommonData& sd, TacTextSectionQuery& query) {
  if (!sd.Skinned()) return acTextSectionNoAnswer;
  query.Section = sd.SkinIndex;
  if (!IsMostlyTransparent(sd, query.State)) return 1;
  if (sd.FOwnerControl != nullptr) return PassTextSectionQuery(sd.FOwnerControl, query);
  const win::HWND parent = win::GetParent(sd.FSWHandle);
  const win::LRESULT r = SendSkinCommand(parent, scGetTextSection, reinterpret_cast<win::LPARAM>(&query));
  return r == acTextSectionNoAnswer || r == acTextSectionKeepOwn ? 1 : r;
}

TColor ResolveFontColor(forms::TControl* control, int section, TsSkinManager* manager, const TsCommonData* sd,
                        int state) {
  if (sd != nullptr && sd->FCustomFont && control != nullptr) return control->Font()->Color();
  TsSkinManager* m = manager ? manager : DefaultManager();
  const int mState = std::min(2, std::max(0, state));
  const TsGeneralData* g = SectionOf(m, section);
  // The section's records are read only once it is known to be valid.
  if (control != nullptr &&
      (g == nullptr || state >= g->States || g->Props[static_cast<std::size_t>(mState)].Transparency >= 40)) {
    TacTextSectionQuery q;
    q.State = mState;
    q.Section = section;
    q.Bounds = {0, 0, control->Width(), control->Height()};
    q.Manager = m;
    const win::LRESULT r = SendTextSectionQuery(control, q);
    if (r == acTextSectionNoAnswer)
      return control->Parent() != nullptr ? control->Parent()->Font()->Color() : control->Font()->Color();
    if (r != acTextSectionKeepOwn && q.Section >= 0) section = q.Section;
  }
  if (m == nullptr || !m->IsActive()) return control != nullptr ? control->Font()->Color() : forms::clWindowText;
  g = SectionOf(m, section);
  if (g == nullptr) return m->Palette[pcLabelText];
  return SectionStateProps(*g, std::min(mState, 2)).FontColor.Color;
}

}  // namespace skin
