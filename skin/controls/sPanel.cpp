#include "skin/controls/sPanel.h"

#include <algorithm>

#include "platform/forms/Canvas.h"
#include "platform/gfx/Gdi.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
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
#include "skin/render/acPaintImageSlices.h"
#include "skin/render/acPaintSection.h"
#include "skin/render/acSectionState.h"
#include "skin/render/pixels/acBlendStep.h"
#include "skin/render/pixels/acGradient.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "skin/render/pixels/acPixelCopy.h"

namespace skin {

using forms::TBevelCut;
using forms::TMessage;

namespace {

// The default section table's number of "PANEL".
constexpr int kPanelDefaultKind = 12;

void RedrawNow(win::HWND h, bool children) {
  win::RedrawWindow(h, nullptr, nullptr,
                    win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_FRAME | win::RDW_UPDATENOW |
                        (children ? win::RDW_ALLCHILDREN : 0u));
}

// The two stops of the side shadow: black, the dark one with alpha blend.
TsGradArray ShadowStops(TacSide side, int blend) {
  const bool darkFirst = side == asLeft || side == asTop;
  const bool horizontal = side == asLeft || side == asRight;
  TsGradPoint a, b;
  a.Mode = horizontal ? 0x3D : 0x1C;
  b.Mode = horizontal ? 0x1D : 0x1C;
  a.Color.C = static_cast<std::uint32_t>(darkFirst ? blend : 0) << 24;
  b.Color.C = static_cast<std::uint32_t>(darkFirst ? 0 : blend) << 24;
  b.Index = 1;
  b.Percent = 100;
  return {a, b};
}

}  // namespace

// ---- TacSideShadow ----

void TacSideShadow::SetMode(TacSideShadowMode v) {
  if (v == mode_) return;
  mode_ = v;
  Invalidate();
}

void TacSideShadow::SetSide(TacSide v) {
  if (v == side_) return;
  side_ = v;
  Invalidate();
}

void TacSideShadow::SetShadowSize(int v) {
  if (v == shadowSize_) return;
  shadowSize_ = v;
  Invalidate();
}

void TacSideShadow::SetBlend(int v) {
  v = std::clamp(v, 0, 255);
  if (v == blend_) return;
  blend_ = v;
  Invalidate();
}

void TacSideShadow::Invalidate() {
  if (owner_ == nullptr || owner_->IsLoading()) return;
  owner_->ShadowBmp.reset();
  owner_->FCommonData->BGChanged = true;
  for (int i = 0; i < owner_->ControlCount(); ++i) {
    forms::TControl* c = owner_->Controls(i);
    if (c->IsDestroying()) continue;
    auto* w = dynamic_cast<forms::TWinControl*>(c);
    if (w != nullptr && w->HandleAllocated()) SendSkinCommand(w->Handle(), scMoved, 0);
    else c->Perform(SkinCmdMessage, SkinCmdWParam(scMoved), 0);
  }
  if (owner_->HandleAllocated()) RedrawNow(owner_->Handle(), true);
}

// ---- TsCustomPanel: lifecycle ----

TsCustomPanel::TsCustomPanel(forms::TComponent* owner)
    : forms::TCustomPanel(owner),
      FCommonData(std::make_unique<TsCtrlSkinData>(this, true)),
      FSideShadow(std::make_unique<TacSideShadow>(this)) {
  FCommonData->COC = cocPanel;
}

TsCustomPanel::~TsCustomPanel() = default;

void TsCustomPanel::AfterConstruction() {
  forms::TCustomPanel::AfterConstruction();
  FCommonData->Loaded(true);
}

void TsCustomPanel::Loaded() {
  forms::TCustomPanel::Loaded();
  FCommonData->Loaded(true);
  FOldBevel = BevelOuter();
  if (HandleAllocated())
    win::SetClassLongPtr(Handle(), win::GCLP_HBRBACKGROUND,
                         reinterpret_cast<win::LONG_PTR>(gfx::GetSysColorBrush(gfx::COLOR_BTNFACE)));
}

const char16_t* TsCustomPanel::BevelSection(TBevelCut outer) {
  switch (outer) {
    case TBevelCut::bvNone: return u"TRANSPARENT";
    case TBevelCut::bvLowered: return u"PANEL_LOW";
    case TBevelCut::bvSpace: return u"GROUPBOX";
    case TBevelCut::bvRaised: break;
  }
  return u"PANEL";
}

bool TsCustomPanel::PaintingCopy() const { return ControlState().Contains(forms::TControlStateItem::csPaintCopy); }

// ---- The picture ----

bool TsCustomPanel::PrepareCache() {
  TsCommonData& sd = *FCommonData;
  if (!sd.PrepareCacheBitmap()) return false;
  Bitmap32* cache = sd.FCacheBmp.get();
  if (!PaintControlOverParent(sd, Parent(), true, cache, {Left(), Top()}, {0, 0, Width(), Height()}, 0)) {
    sd.FUpdating = true;
    return false;
  }
  ApplyColorAdjustments(cache, sd, clNone, 0);
  sd.PaintOuterEffects(this, {0, 0});
  WriteText(CaptionRect(), &cache->Canvas(), nullptr);
  if (FOnPaint) {
    forms::TCanvas canvas;
    canvas.SetHandle(&cache->Canvas());
    FOnPaint(this, &canvas);
    canvas.SetHandle(nullptr);
  }
  sd.BGChanged = false;
  PaintSideShadow();
  return true;
}

void TsCustomPanel::PaintSideShadow() {
  if (FSideShadow->Mode() != ssmInternal) return;
  Bitmap32* cache = FCommonData->FCacheBmp.get();
  TsSkinManager* m = FCommonData->GetSkinManager();
  const int a = m != nullptr ? m->ScaleInt(FSideShadow->ShadowSize()) : FSideShadow->ShadowSize();
  if (cache == nullptr || a <= 0) return;
  const int w = Width(), h = Height();
  TRect r;
  switch (FSideShadow->Side()) {
    case asLeft: r = {0, 0, a, h}; break;
    case asTop: r = {0, 0, w, a}; break;
    case asBottom: r = {0, h - a, w, h}; break;
    default: r = {w - a, 0, w, h}; break;
  }
  r = {std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, w), std::min(r.Bottom, h)};
  if (r.IsEmpty()) return;
  if (ShadowBmp == nullptr || ShadowBmp->Width() != r.Width() || ShadowBmp->Height() != r.Height()) {
    ShadowBmp = std::make_unique<Bitmap32>(r.Width(), r.Height());
    FillPixels(ShadowBmp.get(), {0, 0, r.Width(), r.Height()}, 0, 1);
    FillGradient(ShadowBmp.get(), {0, 0, r.Width(), r.Height()}, ShadowStops(FSideShadow->Side(), FSideShadow->Blend()),
                 0);
  }
  AlphaBlitRect(cache, ShadowBmp.get(), {0, 0, r.Width() - 1, r.Height() - 1}, 255, {r.Left, r.Top});
}

void TsCustomPanel::WriteText(TRect r, gfx::Surface* canvas, win::HDC dc) {
  const std::u16string caption = GetText();
  if (!ShowCaption() || caption.empty()) return;
  gfx::Surface* s = canvas != nullptr ? canvas : dc;
  if (s == nullptr) return;
  const int level = s->Save();
  s->SetFont(Font()->GfxFont());
  unsigned f = gfx::DT_EXPANDTABS;
  f |= Alignment() == forms::TAlignment::taLeftJustify    ? gfx::DT_LEFT
       : Alignment() == forms::TAlignment::taRightJustify ? gfx::DT_RIGHT
                                                          : gfx::DT_CENTER;
  if (UseRightToLeftReading()) f |= gfx::DT_RTLREADING;
  if (VerticalAlignment() == forms::TVerticalAlignment::taVerticalCenter) {
    TRect measured = r;
    s->DrawText(caption, measured, f | gfx::DT_WORDBREAK | gfx::DT_CALCRECT);
    const int th = measured.Height();
    r.Top += (r.Height() - th) / 2 + BorderWidth();
    r.Bottom = r.Top + th;
    f |= gfx::DT_WORDBREAK;
  } else {
    f |= gfx::DT_SINGLELINE |
         (VerticalAlignment() == forms::TVerticalAlignment::taAlignTop ? gfx::DT_TOP : gfx::DT_BOTTOM);
  }
  WriteControlText(*s, caption, Enabled(), true, 0, *FCommonData, f, r);
  s->Restore(level);
}

TColor TsCustomPanel::CustomFillColor() {
  const TColor own = ColorToRGB(Color());
  const TsGeneralData* g = FCommonData->Section96();
  const int t = g != nullptr ? g->Props[0].Transparency : 0;
  if (t <= 0 || t >= 100) return own;
  // A partly transparent section mixes the panel's colour with what lies behind it.
  return BlendColorValues(ParentBackgroundColor(Parent()), own, t * 255 / 100);
}

// ---- Painting into a DC ----

void TsCustomPanel::PaintToDC(win::HDC dc, bool sendEndUpdate) {
  TsCommonData& sd = *FCommonData;
  if ((!Showing() && sd.PrintDC == nullptr) || !sd.Skinned()) return;
  if (dc == nullptr) {
    if (!Canvas()->HandleAllocated()) return;
    dc = Canvas()->Handle();
  }
  if (sd.FCustomColor && !FOnPaint && !acTakingSnapshot()) PaintCustomColor(dc);
  else PaintCached(dc);
  if (sendEndUpdate && !PaintingCopy()) TellChildrenEndUpdate();
}

void TsCustomPanel::PaintCached(win::HDC dc) {
  TsCommonData& sd = *FCommonData;
  TRect clip;
  if (dc->ClipBox(clip) == gfx::RegionKind::Null || clip.IsEmpty()) return;
  const bool copy = PaintingCopy();
  if (sd.CheckUpdating(false) && !copy) return;
  const bool stale = sd.HalfVisible || sd.BGChanged || !sd.CacheValid();
  sd.HalfVisible = sd.RepaintIfMoved() && !copy ? (clip.Width() != Width() || clip.Height() != Height()) : false;
  if (stale && !PrepareCache()) return;
  CopyCacheWithChildrenCut(dc, sd, {0, 0, Width(), Height()}, {0, 0});
  PaintGraphicChildren(dc, this, sd.PrintDC == nullptr, {0, 0});
}

void TsCustomPanel::PaintCustomColor(win::HDC dc) {
  TsCommonData& sd = *FCommonData;
  const int level = dc->Save();
  for (int i = 0; i < ControlCount(); ++i)
    if (Controls(i)->Visible()) dc->ExcludeClip(Controls(i)->BoundsRect());
  const TColor c = CustomFillColor();
  const TRect all{0, 0, Width(), Height()};
  const TsGeneralData* g = sd.Section96();
  const TacSkinData* data = sd.GetCommonSkinData();
  const TsMaskData* border = g != nullptr && data != nullptr ? ImageEntry(*data, g->BorderIndex) : nullptr;
  if (border != nullptr && (border->DrawMode & dmHiddenInState0) == 0 && (sd.BGChanged || !sd.CacheValid()))
    PrepareCache();
  if (border != nullptr && (border->DrawMode & dmHiddenInState0) == 0 && sd.CacheValid()) {
    Bitmap32& cache = *sd.FCacheBmp;
    const int bw = std::max({border->WL, border->WT, border->WR, border->WB});
    // A panel too small for an inner fill shows its whole picture.
    if ((g->Props[0].Transparency == 100 && (border->DrawMode & 4) != 0) || Width() <= 2 * bw || Height() <= 2 * bw) {
      dc->BitBlt(0, 0, Width(), Height(), cache.Canvas(), 0, 0, gfx::SRCCOPY);
    } else {
      const TRect inner{bw, bw, Width() - bw, Height() - bw};
      dc->BitBlt(0, 0, Width(), bw, cache.Canvas(), 0, 0, gfx::SRCCOPY);
      dc->BitBlt(0, Height() - bw, Width(), bw, cache.Canvas(), 0, Height() - bw, gfx::SRCCOPY);
      dc->BitBlt(0, bw, bw, Height() - 2 * bw, cache.Canvas(), 0, bw, gfx::SRCCOPY);
      dc->BitBlt(Width() - bw, bw, bw, Height() - 2 * bw, cache.Canvas(), Width() - bw, bw, gfx::SRCCOPY);
      dc->FillRect(inner, c);
    }
  } else {
    dc->FillRect(all, c);
  }
  WriteText(CaptionRect(), nullptr, dc);
  dc->Restore(level);
  PaintGraphicChildren(dc, this, sd.PrintDC == nullptr, {0, 0});
}

void TsCustomPanel::TellChildrenEndUpdate() {
  for (int i = 0; i < ControlCount(); ++i) {
    auto* c = dynamic_cast<forms::TWinControl*>(Controls(i));
    if (c != nullptr && c->HandleAllocated() && c->Showing()) SendSkinCommand(c->Handle(), scEndUpdate, 0);
  }
}

void TsCustomPanel::Repaint(bool withChildren) {
  if (HandleAllocated()) RedrawNow(Handle(), withChildren);
}

void TsCustomPanel::Paint() {
  forms::TCustomPanel::Paint();
  if (FOnPaint && Showing()) FOnPaint(this, Canvas());
}

void TsCustomPanel::PaintWindow(win::HDC dc) {
  if ((!Visible() && !IsDesigning()) || IsDestroying()) return;
  if (!(FCommonData->Skinned() && PaintingCopy())) forms::TCustomPanel::PaintWindow(dc);
  PaintToDC(dc, true);
}

// ---- Skin commands ----

void TsCustomPanel::SkinCommand(TMessage& m) {
  switch (SkinCmdOf(m.WParam)) {
    case scNewSkin: SCNewSkin(m); return;
    case scRemoveSkin: SCRemoveSkin(m); return;
    case scRefresh: SCRefresh(m); return;
    case scIsSkinned: m.Result = 1; return;
    case scGetDefaultIndex: SCGetDefaultIndex(m); return;
    case scGetBgInfo: SCGetBgInfo(m); return;
    case scGetDefaultKind: m.Result = kPanelDefaultKind; return;
    case scEndUpdate: SCEndUpdate(m); return;
    case scPrepareCache: SCPrepareCache(m); return;
    default:
      if (!DispatchSkinCommand(m, *FCommonData)) forms::TCustomPanel::WndProc(m);
      return;
  }
}

void TsCustomPanel::SCNewSkin(TMessage& m) {
  if (IsOwnManager(m, *FCommonData)) DispatchSkinCommand(m, *FCommonData);
  BroadcastToChildren(this, m.Msg, m.WParam, m.LParam);
}

void TsCustomPanel::SCRemoveSkin(TMessage& m) {
  if (IsOwnManager(m, *FCommonData)) {
    DispatchSkinCommand(m, *FCommonData);
    Invalidate();
  }
  BroadcastToChildren(this, m.Msg, m.WParam, m.LParam);
}

void TsCustomPanel::SCRefresh(TMessage& m) {
  if (IsOwnManager(m, *FCommonData)) {
    DispatchSkinCommand(m, *FCommonData);
    if (HandleAllocated()) {
      win::SetClassLongPtr(Handle(), win::GCLP_HBRBACKGROUND,
                           reinterpret_cast<win::LONG_PTR>(gfx::GetSysColorBrush(gfx::COLOR_BTNFACE)));
      if (Visible() && !IsLoading()) {
        win::InvalidateRect(Handle(), nullptr, win::TRUE);
        Repaint(false);
      }
    }
  }
  BroadcastToChildren(this, m.Msg, m.WParam, m.LParam);
}

void TsCustomPanel::SCGetDefaultIndex(TMessage& m) {
  TsSkinManager* mgr = FCommonData->GetSkinManager();
  m.Result = mgr != nullptr ? mgr->GetSkinIndex(BevelSection(BevelOuter())) + 1 : 0;
}

void TsCustomPanel::SCGetBgInfo(TMessage& m) {
  auto* q = reinterpret_cast<TsBackgroundQuery*>(m.LParam);
  TsCommonData& sd = *FCommonData;
  if (q == nullptr) return;
  if (sd.GetSkinManager() == nullptr || sd.Section() == nullptr) {
    DispatchSkinCommand(m, sd);
    return;
  }
  FillBackgroundQuery(*q, sd, 0);
  if (q->Kind == bqColor || q->Kind == bqNotReady) return;
  const bool sizeDiffers =
      sd.FCacheBmp == nullptr || sd.FCacheBmp->Width() != Width() || sd.FCacheBmp->Height() != Height();
  const bool parentSkinned = Parent() == nullptr || !Parent()->HandleAllocated() || WindowSkinned(Parent()->Handle());
  if (sd.BGChanged && sizeDiffers && !sd.GetUpdating() && parentSkinned) {
    q->Kind = bqNotReady;
    return;
  }
  // Children lie in the client area: a platform border moves it inside the picture.
  if (q->Kind == bqBitmap && !q->DrawNow && ClientWidth() < Width()) {
    const int border = (Width() - ClientWidth()) / 2;
    q->Offset.X += border;
    q->Offset.Y += border;
  }
}

void TsCustomPanel::SCEndUpdate(TMessage&) {
  TsCommonData& sd = *FCommonData;
  if (sd.Skinned() && sd.FUpdating && !sd.CheckUpdating(true)) {
    const bool sized = sd.CacheValid();
    Repaint(true);
    if (!sized) Resize();
  }
  TellChildrenEndUpdate();
}

void TsCustomPanel::SCPrepareCache(TMessage&) {
  TsCommonData& sd = *FCommonData;
  if (!sd.Skinned() || sd.CheckUpdating(false)) return;
  if (sd.BGChanged && !PrepareCache()) sd.FUpdating = true;
}

// ---- Window messages ----

void TsCustomPanel::WndProc(TMessage& m) {
  TsCommonData& sd = *FCommonData;
  if (m.Msg == SkinCmdMessage) {
    SkinCommand(m);
    return;
  }
  if (m.Msg == win::WM_CREATE || m.Msg == win::WM_NCCREATE) sd.InitCommonProp();
  if (!sd.Skinned() || Parent() == nullptr || !HandleAllocated()) {
    UnskinnedMessage(m);
    return;
  }
  switch (m.Msg) {
    case win::WM_SIZE:
      if (WMSize(m)) return;
      break;
    case win::WM_SETFOCUS:
    case win::WM_KILLFOCUS: forms::TCustomPanel::WndProc(m); return;
    case win::WM_PAINT: WMPaint(m); return;
    case win::WM_ERASEBKGND: WMEraseBkgnd(m); return;
    case win::WM_WINDOWPOSCHANGING: WMWindowPosChanging(m); break;
    case win::WM_PRINTCLIENT: WMPrintClient(m); return;
    case forms::CM_VISIBLECHANGED: CMVisibleChanged(m); return;
    case forms::CM_COLORCHANGED: CMColorChanged(m); break;
    case forms::CM_TEXTCHANGED: CMTextChanged(m); return;
    case forms::CM_SHOWINGCHANGED: CMShowingChanged(m); break;
    case forms::CM_INVALIDATE: CMInvalidate(m); break;
    default: break;
  }
  if (CommonControlMessage(m, sd)) return;
  forms::TCustomPanel::WndProc(m);
  AfterMessage(m);
}

bool TsCustomPanel::WMSize(TMessage& m) {
  TsCommonData& sd = *FCommonData;
  sd.BGChanged = true;
  if (!Visible()) return false;
  CommonControlMessage(m, sd);
  // The children are realigned over a stale picture: they wait, then paint once.
  sd.FUpdating = true;
  forms::TCustomPanel::WndProc(m);
  sd.FUpdating = false;
  TellChildrenEndUpdate();
  return true;
}

void TsCustomPanel::WMPaint(TMessage& m) {
  m.Result = 0;
  if (!Visible() && !IsDesigning()) {
    forms::TCustomPanel::WndProc(m);
    return;
  }
  auto* dc = reinterpret_cast<win::HDC>(m.WParam);
  win::PAINTSTRUCT ps;
  const bool own = dc == nullptr;
  if (own) dc = win::BeginPaint(Handle(), &ps);
  if (dc != nullptr && !FCommonData->CheckUpdating(false)) {
    const int level = dc->Save();
    forms::TControlState state = ControlState();
    SetControlState(forms::TControlState(state).Include(forms::TControlStateItem::csCustomPaint));
    {
      forms::TCanvasPaintScope scope(*Canvas(), dc);
      PaintToDC(dc, true);
    }
    SetControlState(state);
    dc->Restore(level);
  }
  if (own) win::EndPaint(Handle(), &ps);
}

void TsCustomPanel::WMEraseBkgnd(TMessage& m) {
  m.Result = 1;
  if (!PaintingCopy() && m.WParam != static_cast<win::WPARAM>(m.LParam)) return;
  auto* dc = reinterpret_cast<win::HDC>(m.WParam);
  if (dc == nullptr) return;
  TsCommonData& sd = *FCommonData;
  if (sd.BGChanged) PrepareCache();
  if (!sd.BGChanged && sd.CacheValid()) dc->BitBlt(0, 0, Width(), Height(), sd.FCacheBmp->Canvas(), 0, 0, gfx::SRCCOPY);
}

void TsCustomPanel::WMWindowPosChanging(TMessage& m) {
  const auto* wp = reinterpret_cast<const win::WINDOWPOS*>(m.LParam);
  const TsGeneralData* g = FCommonData->Section96();
  if (wp != nullptr && (wp->flags & win::SWP_NOMOVE) == 0 && g != nullptr && g->Props[0].Transparency != 0)
    FCommonData->BGChanged = true;
}

void TsCustomPanel::WMPrintClient(TMessage& m) {
  TsCommonData& sd = *FCommonData;
  sd.FUpdating = false;
  sd.HalfVisible = false;
  if (sd.FCustomColor || sd.BGChanged) PrepareCache();
  PaintToDC(reinterpret_cast<win::HDC>(m.WParam), false);
}

void TsCustomPanel::CMVisibleChanged(TMessage& m) {
  TsCommonData& sd = *FCommonData;
  sd.BGChanged = true;
  sd.FUpdating = false;
  if (m.WParam == 0) {
    forms::TCustomPanel::WndProc(m);
    return;
  }
  PrepareCache();
  forms::TCustomPanel::WndProc(m);
  TellChildrenEndUpdate();
}

void TsCustomPanel::CMColorChanged(TMessage&) {
  if (FCommonData->FCustomColor) FCommonData->BGChanged = true;
}

void TsCustomPanel::CMShowingChanged(TMessage&) {
  if (Visible()) FCommonData->FUpdating = false;
}

void TsCustomPanel::CMTextChanged(TMessage&) {
  if (Parent() != nullptr) FCommonData->Invalidate(false);
}

void TsCustomPanel::CMInvalidate(TMessage&) {
  if (BevelOuter() == FOldBevel) return;
  FCommonData->UpdateIndexes(true);
  FOldBevel = BevelOuter();
}

void TsCustomPanel::WMSetText(const TMessage& m) {
  if (m.LParam == 0 || *reinterpret_cast<const char16_t*>(m.LParam) == 0) return;
  FCommonData->BGChanged = true;
  Repaint(false);
}

void TsCustomPanel::AfterMessage(const TMessage& m) {
  switch (m.Msg) {
    case win::WM_SETTEXT: WMSetText(m); return;
    case forms::CM_ENABLEDCHANGED: FCommonData->Invalidate(false); return;
    default: return;
  }
}

void TsCustomPanel::UnskinnedMessage(TMessage& m) {
  switch (m.Msg) {
    case win::WM_ERASEBKGND:
      if (FOnPaint) m.Result = 1;
      else forms::TCustomPanel::WndProc(m);
      return;
    case win::WM_PRINTCLIENT:
      if (FOnPaint && m.WParam != 0) {
        auto* dc = reinterpret_cast<win::HDC>(m.WParam);
        forms::TCanvasPaintScope scope(*Canvas(), dc);
        forms::TCustomPanel::Paint();
        FOnPaint(this, Canvas());
        return;
      }
      {
        TMessage paint{win::WM_PAINT, m.WParam, m.LParam, 0};
        forms::TCustomPanel::WndProc(paint);
      }
      return;
    case forms::CM_INVALIDATE: CMInvalidate(m); break;
    default: break;
  }
  forms::TCustomPanel::WndProc(m);
}

}  // namespace skin
