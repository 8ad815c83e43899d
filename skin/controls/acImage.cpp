#include "skin/controls/acImage.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "platform/forms/Bitmaps.h"
#include "platform/forms/Canvas.h"
#include "platform/forms/Picture.h"
#include "platform/forms/WinControls.h"
#include "platform/gfx/Surface.h"
#include "platform/win/Messages.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/controls/acControlKinds.h"
#include "skin/controls/acControlSection.h"
#include "skin/controls/acSkinCommandDispatch.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acBackgroundQuery.h"
#include "skin/render/acGlyph32.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "skin/render/pixels/acPixelCopy.h"
#include "skin/render/pixels/acSmoothResize.h"

namespace skin {

using forms::TMessage;

namespace {

// The default section table's number of "TRANSPARENT".
constexpr int kImageDefaultKind = 3;

int Nearest(double v) { return static_cast<int>(std::lrint(v)); }

// Straight alpha to premultiplied and back, so that resampling does not pull the colour
// of fully transparent pixels into the picture's edges.
void Premultiply(Bitmap32& b) {
  for (int y = 0; y < b.Height(); ++y)
    for (std::uint32_t& p : std::span(b.Row(y), static_cast<std::size_t>(b.Width()))) {
      const std::uint32_t a = p >> 24;
      const std::uint32_t r = ((p >> 16 & 0xFF) * a + 127) / 255, g = ((p >> 8 & 0xFF) * a + 127) / 255,
                          bl = ((p & 0xFF) * a + 127) / 255;
      p = a << 24 | r << 16 | g << 8 | bl;
    }
}

void Unpremultiply(Bitmap32& b) {
  for (int y = 0; y < b.Height(); ++y)
    for (std::uint32_t& p : std::span(b.Row(y), static_cast<std::size_t>(b.Width()))) {
      const std::uint32_t a = p >> 24;
      if (a == 0) {
        p = 0;
        continue;
      }
      auto un = [a](std::uint32_t c) { return std::min<std::uint32_t>(255, (c * 255 + a / 2) / a); };
      p = a << 24 | un(p >> 16 & 0xFF) << 16 | un(p >> 8 & 0xFF) << 8 | un(p & 0xFF);
    }
}

// The picture resampled to size with the smooth filter, its alpha respected.
void ResizeSmooth(Bitmap32& p, gfx::TSize size) {
  if (size.cx == p.Width() && size.cy == p.Height()) return;
  Premultiply(p);
  Bitmap32 out;
  SmoothResize(&p, &out, size.cx, rfMitchell, size.cy);
  if (out.Width() != size.cx || out.Height() != size.cy) return;  // too small to resample
  Unpremultiply(out);
  p = std::move(out);
}

Bitmap32 CopyOf(const forms::TBitmap& bmp) {
  Bitmap32 p(bmp.Width(), bmp.Height());
  for (int y = 0; y < bmp.Height(); ++y) std::copy_n(bmp.Pixels().Row32(y), bmp.Width(), p.Row(y));
  return p;
}

}  // namespace

TsCustomImage::TsCustomImage(forms::TComponent* owner)
    : forms::TImage(owner), FCommonData(std::make_unique<TsCtrlSkinData>(this, true)) {
  FCommonData->COC = cocImage;
  forms::TNotifyEvent platform = Picture()->OnChange;
  Picture()->OnChange = [this, platform](forms::TObject* sender) {
    drawn_.reset();
    if (platform) platform(sender);
  };
}

TsCustomImage::~TsCustomImage() {
  // The picture outlives this part of the image: it must not call back into it.
  Picture()->OnChange.Clear();
}

void TsCustomImage::AfterConstruction() {
  forms::TImage::AfterConstruction();
  FCommonData->Loaded(true);
}

void TsCustomImage::Loaded() {
  forms::TImage::Loaded();
  FCommonData->Loaded(true);
}

void TsCustomImage::SetFlag(bool& field, bool v) {
  if (field == v) return;
  field = v;
  FCommonData->Invalidate(false);
}

void TsCustomImage::SetGrayed(bool v) { SetFlag(FGrayed, v); }
void TsCustomImage::SetReflected(bool v) { SetFlag(FReflected, v); }
void TsCustomImage::SetUseFullSize(bool v) { SetFlag(FUseFullSize, v); }

void TsCustomImage::SetBlend(int v) {
  v = std::clamp(v, 0, 100);
  if (v == FBlend) return;
  FBlend = v;
  FCommonData->Invalidate(false);
}

bool TsCustomImage::Empty() const {
  const forms::TGraphic* g = Picture()->Graphic();
  return g == nullptr || g->Empty();
}

void TsCustomImage::UpdateImage() {
  if (!IsLoading() && !IsDestroying()) Invalidate();
}

gfx::TSize TsCustomImage::PictureSize(bool stretched) const {
  const gfx::TSize n{Picture()->Width(), Picture()->Height()};
  if (!stretched || n.cx == 0 || n.cy == 0) return n;
  const int h = FReflected ? Height() * 2 / 3 : Height();
  if (!Proportional()) return {Width(), h};
  const double r = static_cast<double>(n.cx) / n.cy;
  if (n.cy < n.cx) {
    gfx::TSize s{Width(), Nearest(Width() / r)};
    if (s.cy > h) s = {Nearest(r * h), h};
    return s;
  }
  gfx::TSize s{Nearest(r * h), h};
  if (s.cx > Width()) s = {Width(), Nearest(Width() / r)};
  return s;
}

bool TsCustomImage::CanAutoSize(int& w, int& h) {
  if (IsDesigning() && Empty()) return forms::TImage::CanAutoSize(w, h);
  const int pw = Picture()->Width(), ph = Picture()->Height();
  const forms::TAlign a = Align();
  if (a == forms::TAlign::alNone || a == forms::TAlign::alLeft || a == forms::TAlign::alRight) w = pw;
  if (a == forms::TAlign::alNone || a == forms::TAlign::alTop || a == forms::TAlign::alBottom)
    h = FUseFullSize && FReflected ? ph + ph / 2 : ph;
  return true;
}

// ---- Building the picture ----

bool TsCustomImage::BuildPicture(win::HDC dc) {
  TsCommonData& sd = *FCommonData;
  cacheFilled_ = false;
  if (!sd.PrepareCacheBitmap()) return true;
  Bitmap32& cache = *sd.FCacheBmp;
  const int w = Width(), h = Height();
  TsSkinManager* m = sd.GetSkinManager();
  const bool stdImg = m != nullptr && m->Options.StdImgTransparency;
  TsBackgroundQuery q;
  if (!stdImg && Parent() != nullptr) {
    q.Kind = bqNone;
    if (Parent()->HandleAllocated())
      SendSkinCommand(Parent()->Handle(), scGetBgInfo, reinterpret_cast<win::LPARAM>(&q));
    else Parent()->Perform(SkinCmdMessage, SkinCmdWParam(scGetBgInfo), reinterpret_cast<win::LPARAM>(&q));
  }
  auto fromDC = [&] {
    if (dc != nullptr) cache.Canvas().BitBlt(0, 0, w, h, *dc, 0, 0, gfx::SRCCOPY);
  };
  if (q.Kind == bqNone || stdImg) {
    fromDC();
    DrawPicture(EmptyBgInfo());
    sd.BGChanged = false;
    cacheFilled_ = true;
    return true;
  }
  if (q.Kind == bqNotReady) {
    sd.FUpdating = true;
    return false;
  }
  const TacBgInfo bg = ToBgInfo(q);
  // A finished background that is empty: nothing to show this time, and nothing copied.
  if (bg.Ready && (bg.Bmp == nullptr || bg.Bmp->Empty())) return true;
  // The background goes in whether or not the picture is marked transparent: an opaque
  // picture that does not cover the image shows the container around it.
  if (!bg.Ready && bg.FillColor == KeyColor) fromDC();
  else if (bg.Ready)
    CopyBitmapRect(&cache, bg.Bmp, {0, 0}, {Left() + bg.X, Top() + bg.Y, Left() + bg.X + w, Top() + bg.Y + h});
  else FillPixels(&cache, {0, 0, w, h}, bg.FillColor, 255);
  if (!sd.SkinSection().empty()) PaintControlSection(sd, bg, true, &cache, {Left(), Top()}, {0, 0, w, h}, 0);
  DrawPicture(bg);
  sd.BGChanged = false;
  cacheFilled_ = true;
  return true;
}

void TsCustomImage::DrawPicture(const TacBgInfo& bg) {
  Bitmap32* cache = FCommonData->FCacheBmp.get();
  const gfx::TSize n = PictureSize(false);
  if (cache == nullptr || n.cx == 0) return;
  const gfx::TSize t = PictureSize(Stretch());
  forms::TGraphic* g = Picture()->Graphic();
  auto* bmp = dynamic_cast<forms::TBitmap*>(g);
  Bitmap32 p;
  const Bitmap32* pic = &p;
  if (bmp != nullptr && !bmp->Empty() && bmp->Pixels().Format() == gfx::PixelFormat::Bgra32) {
    const bool alpha = bmp->PixelFormat() == forms::TPixelFormat::pf32bit;
    const TsSkinManager* m = DefaultManager();
    const DrawnKey key{g,
                       {bmp->Width(), bmp->Height()},
                       Stretch() ? t : n,
                       Transparent(),
                       alpha && (m == nullptr || m->Options.CheckEmptyAlpha),
                       !alpha};
    if (drawn_ == nullptr || !(key == drawnKey_)) {
      p = CopyOf(*bmp);
      // A picture without any alpha gets it from its corner colour: on the copy drawn,
      // never on the stored picture.
      if (key.CornerAlpha) AlphaFromCornerColor(&p);
      if (key.Opaque) {
        SetAlphaRect(&p, {0, 0, p.Width(), p.Height()}, 0, NoKey);
        const std::uint32_t corner = p.Pixel(0, p.Height() - 1);
        SetAlphaRect(&p, {0, 0, p.Width(), p.Height()}, 255, Transparent() ? corner : NoKey);
      }
      if (Stretch()) ResizeSmooth(p, t);
      drawn_ = std::make_unique<Bitmap32>(std::move(p));
      drawnKey_ = key;
    }
    pic = drawn_.get();
  } else if (g != nullptr && !g->Empty()) {
    // Other graphics are drawn by the platform over what the cache holds.
    p = Bitmap32(t.cx, t.cy);
    CopyBitmapRect(&p, cache, {0, 0}, {0, 0, std::min(t.cx, cache->Width()), std::min(t.cy, cache->Height())});
    const TRect area =
        Stretch() ? TRect{0, 0, std::min(Width(), t.cx), std::min(Height(), t.cy)} : TRect{0, 0, p.Width(), p.Height()};
    forms::TCanvas canvas;
    canvas.SetHandle(&p.Canvas());
    canvas.StretchDraw(area, g);
    canvas.SetHandle(nullptr);
    SetAlphaRect(&p, area, 255, NoKey);
  } else {
    return;
  }
  const int w = pic->Width(), h = pic->Height();
  int x = 0, y = 0;
  if (!(Stretch() && !Proportional()) && Center()) {
    x = (Width() - w) / 2;
    y = (Height() - h - (FUseFullSize ? h / 2 : 0)) / 2;
  }
  DrawGlyph32({x, y, x + w, y + h}, {0, 0, w, h}, cache, FReflected, FBlend, FGrayed ? TColor(0xFFFFFF) : TColor(NoKey),
              false, bg, pic);
}

// ---- Messages ----

void TsCustomImage::acWM_Paint(TMessage& m) {
  TsCommonData& sd = *FCommonData;
  auto* dc = reinterpret_cast<win::HDC>(m.WParam);
  if (dc == nullptr || sd.CheckUpdating(false) || (Empty() && sd.SkinIndex < 0)) {
    forms::TImage::WndProc(m);
    return;
  }
  const int level = dc->Save();
  if (BuildPicture(dc) && cacheFilled_) dc->BitBlt(0, 0, Width(), Height(), sd.FCacheBmp->Canvas(), 0, 0, gfx::SRCCOPY);
  dc->Restore(level);
}

void TsCustomImage::SkinCommand(TMessage& m) {
  TsCommonData& sd = *FCommonData;
  switch (SkinCmdOf(m.WParam)) {
    case scGetDefaultIndex: SCGetDefaultIndex(m); return;
    case scGetDefaultKind: m.Result = kImageDefaultKind; return;
    default:
      if (!DispatchSkinCommand(m, sd)) forms::TImage::WndProc(m);
      return;
  }
}

void TsCustomImage::SCGetDefaultIndex(TMessage& m) {
  if (TsSkinManager* mgr = FCommonData->GetSkinManager()) m.Result = mgr->GetSkinIndex(u"TRANSPARENT") + 1;
  else forms::TImage::WndProc(m);
}

void TsCustomImage::WMSize(TMessage&) {
  if (Visible()) FCommonData->BGChanged = true;
}

void TsCustomImage::CMVisibleChanged(TMessage&) {
  FCommonData->BGChanged = true;
  FCommonData->FMouseAbove = false;
}

void TsCustomImage::WndProc(TMessage& m) {
  switch (m.Msg) {
    case SkinCmdMessage: SkinCommand(m); return;
    case win::WM_PAINT: acWM_Paint(m); return;
    case win::WM_ERASEBKGND: return;
    case win::WM_SIZE:
    case win::WM_WINDOWPOSCHANGED: WMSize(m); break;
    case forms::CM_VISIBLECHANGED: CMVisibleChanged(m); break;
    default: break;
  }
  forms::TImage::WndProc(m);
}

}  // namespace skin
