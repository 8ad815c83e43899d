#include "skin/controls/acCachePaint.h"

#include "platform/forms/WinControls.h"
#include "platform/gfx/Surface.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/controls/acControlKinds.h"
#include "skin/controls/acFade.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/EngineState.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acSectionBehind.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "skin/render/pixels/acPixelCopy.h"

namespace skin {

namespace {

// The process-wide re-entry flag, reset however the scope ends.
class GraphicChildrenScope {
 public:
  GraphicChildrenScope() : entered_(!detail::Engine().paintingGraphicChildren) {
    if (entered_) detail::Engine().paintingGraphicChildren = true;
  }
  ~GraphicChildrenScope() {
    if (entered_) detail::Engine().paintingGraphicChildren = false;
  }
  GraphicChildrenScope(const GraphicChildrenScope&) = delete;
  GraphicChildrenScope& operator=(const GraphicChildrenScope&) = delete;
  bool Entered() const { return entered_; }

 private:
  bool entered_;
};

void PaintInto(win::HDC dc, TsCommonData& sd, bool printing) {
  if (acTakingSnapshot() && dc != sd.PrintDC) return;
  forms::TWinControl* w = sd.OwnerWindowed();
  if (w == nullptr) return;
  if (sd.CheckUpdating(false)) return;
  if (const Bitmap32* fade = sd.AnimTimer ? sd.AnimTimer->Current() : nullptr) {
    dc->BitBlt(0, 0, fade->Width(), fade->Height(), const_cast<Bitmap32*>(fade)->Canvas(), 0, 0, gfx::SRCCOPY);
    return;
  }
  TRect clip;
  if (dc->ClipBox(clip) == gfx::RegionKind::Null || clip.Width() <= 0 || clip.Height() <= 0) return;
  sd.BGChanged = sd.BGChanged || sd.HalfVisible;
  sd.HalfVisible = clip.Width() != w->Width() || clip.Height() != w->Height();
  if (sd.BGChanged && !sd.PrepareCache()) return;
  if (!sd.CacheValid()) return;
  dc->BitBlt(0, 0, sd.FCacheBmp->Width(), sd.FCacheBmp->Height(), sd.FCacheBmp->Canvas(), 0, 0, gfx::SRCCOPY);
  if (IsContainerKind(sd.COC)) PaintGraphicChildren(dc, w, !printing, {0, 0});
}

// What lies behind one graphic child, put into its rectangle of the off-screen picture.
void GiveChildBackground(Bitmap32& off, forms::TControl* child, const TsBackgroundQuery& q) {
  const TRect r = child->BoundsRect();
  if (child->ControlStyle().Contains(forms::TControlStyleItem::csOpaque)) {
    TColor c = ColorToRGB(child->Color());
    if (child->Perform(SkinCmdMessage, SkinCmdWParam(scIsSkinned), 0) == 1)
      c = static_cast<TColor>(child->Perform(SkinCmdMessage, SkinCmdWParam(scGetBgColor), 0));
    FillPixels(&off, r, c, 255);
    return;
  }
  if (q.Kind == bqBitmap && q.Bitmap != nullptr) {
    CopyBitmapRect(&off, q.Bitmap, {r.Left, r.Top}, r.Offset(q.Offset.X, q.Offset.Y));
    return;
  }
  FillPixels(&off, r, q.Color, 255);
  // A plain section with a frame: its strips come from the bitmap it answered with.
  if (q.Bitmap != nullptr) CopyBorderStrips(&off, r, ToBgInfo(q));
}

bool QualifyingChild(forms::TControl* c, const TRect& visible) {
  if (dynamic_cast<forms::TWinControl*>(c) != nullptr) return false;
  if (!(c->Visible() || c->IsDesigning()) || c->Width() <= 0 || c->Height() <= 0 || c->IsDestroying()) return false;
  if (c->ControlStyle().Contains(forms::TControlStyleItem::csNoDesignVisible) && c->IsDesigning()) return false;
  const TRect b = c->BoundsRect();
  return b.Left < visible.Right && visible.Left < b.Right && b.Top < visible.Bottom && visible.Top < b.Bottom;
}

}  // namespace

bool acTakingSnapshot() { return false; }

void ValidateOnly(win::HWND h) {
  if (h == nullptr) return;
  win::PAINTSTRUCT ps;
  win::BeginPaint(h, &ps);
  win::EndPaint(h, &ps);
}

void PaintFromCache(forms::TMessage& m, TsCommonData& sd) {
  m.Result = 0;
  forms::TWinControl* w = sd.OwnerWindowed();
  if (w == nullptr) return;
  if (auto* dc = reinterpret_cast<win::HDC>(m.WParam)) {
    PaintInto(dc, sd, false);
    return;
  }
  if (!w->HandleAllocated()) return;
  win::PAINTSTRUCT ps;
  win::HDC dc = win::BeginPaint(w->Handle(), &ps);
  if (dc != nullptr) PaintInto(dc, sd, false);
  win::EndPaint(w->Handle(), &ps);
}

void EraseFromCache(forms::TMessage& m, TsCommonData& sd) {
  m.Result = 0;
  forms::TWinControl* w = sd.OwnerWindowed();
  auto* dc = reinterpret_cast<win::HDC>(m.WParam);
  if (w == nullptr || dc == nullptr || sd.FCacheBmp == nullptr || !(w->Visible() || w->IsDesigning()) || sd.FUpdating)
    return;
  if (sd.BGChanged) sd.PrepareCache();
  if (sd.CacheValid() && !sd.IsFading()) CopyCacheWithChildrenCut(dc, sd, {0, 0, w->Width(), w->Height()}, {0, 0});
}

void PrintFromCache(forms::TMessage& m, TsCommonData& sd) {
  sd.FUpdating = false;
  m.Result = 0;
  if (auto* dc = reinterpret_cast<win::HDC>(m.WParam)) PaintInto(dc, sd, true);
}

void CopyCacheWithChildrenCut(win::HDC dc, TsCommonData& sd, const TRect& target, TPoint offset) {
  forms::TWinControl* w = sd.OwnerWindowed();
  if (dc == nullptr || sd.FCacheBmp == nullptr || sd.FCacheBmp->Empty()) return;
  const int saved = dc->Save();
  dc->IntersectClip(target);
  if (w != nullptr) {
    const TsSkinManager* m = sd.GetSkinManager();
    const bool stdImg = m != nullptr && m->Options.StdImgTransparency;
    for (int i = 0; i < w->ControlCount(); ++i) {
      forms::TControl* c = w->Controls(i);
      if (!c->Visible()) continue;
      const TRect b = c->BoundsRect();
      if (b.Right <= target.Left || b.Left >= target.Right || b.Bottom <= target.Top || b.Top >= target.Bottom)
        continue;
      auto* cw = dynamic_cast<forms::TWinControl*>(c);
      bool cut = c->ControlStyle().Contains(forms::TControlStyleItem::csOpaque);
      if (!cut && cw == nullptr) cut = !stdImg;
      if (!cut && cw != nullptr && cw->HandleAllocated()) cut = SendSkinCommand(cw->Handle(), scIsOpaqueChild, 0) == 1;
      if (cut) dc->ExcludeClip(b);
    }
  }
  dc->BitBlt(target.Left, target.Top, target.Width(), target.Height(), sd.FCacheBmp->Canvas(), target.Left + offset.X,
             target.Top + offset.Y, gfx::SRCCOPY);
  dc->Restore(saved);
}

void PaintGraphicChildren(win::HDC dc, forms::TWinControl* container, bool notPrinting, TPoint offset) {
  GraphicChildrenScope scope;
  if (!scope.Entered() || dc == nullptr || container == nullptr) return;
  if (!(container->Visible() || container->IsDesigning() || !notPrinting) || container->ControlCount() == 0) return;
  TRect clip;
  if (dc->ClipBox(clip) == gfx::RegionKind::Null || clip.Width() <= 0 || clip.Height() <= 0) {
    container->Perform(SkinCmdMessage, SkinCmdWParam(scSetHalfVisible), 0);
    return;
  }
  TsBackgroundQuery q;
  QueryParentBackground(q, container, false);
  // The clip box is in the DC's coordinates: the container's children lie at -offset.
  const TRect visible = clip.Offset(-offset.X, -offset.Y);
  std::unique_ptr<Bitmap32> off;
  for (int i = 0; i < container->ControlCount(); ++i) {
    forms::TControl* c = container->Controls(i);
    if (!QualifyingChild(c, visible)) continue;
    if (off == nullptr) {
      off = std::make_unique<Bitmap32>(container->Width(), container->Height());
      FillPixels(off.get(), {0, 0, off->Width(), off->Height()}, KeyColor, 0);
    }
    GiveChildBackground(*off, c, q);
  }
  if (off == nullptr) return;
  gfx::Surface& canvas = off->Canvas();
  for (int i = 0; i < container->ControlCount(); ++i) {
    forms::TControl* c = container->Controls(i);
    if (!QualifyingChild(c, visible)) continue;
    const int saved = canvas.Save();
    canvas.SetViewportOrg({c->Left(), c->Top()});
    canvas.IntersectClip({0, 0, c->Width(), c->Height()});
    const bool copying = container->ControlState().Contains(forms::TControlStateItem::csPaintCopy);
    const forms::TControlState state = c->ControlState();
    if (copying) {
      forms::TControlState marked = state;
      marked.Include(forms::TControlStateItem::csPaintCopy);
      c->SetControlState(marked);
    }
    c->Perform(win::WM_PAINT, reinterpret_cast<win::WPARAM>(&canvas), 0);
    if (copying) c->SetControlState(state);
    canvas.Restore(saved);
  }
  // Copy each child's rectangle to the DC, key-colour pixels left out.
  for (int i = 0; i < container->ControlCount(); ++i) {
    forms::TControl* c = container->Controls(i);
    if (!QualifyingChild(c, visible)) continue;
    const TRect b = c->BoundsRect();
    dc->TransparentBlt(b.Left + offset.X, b.Top + offset.Y, b.Width(), b.Height(), canvas, b.Left, b.Top, b.Width(),
                       b.Height(), KeyColor);
  }
}

}  // namespace skin
