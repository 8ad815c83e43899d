#pragma once
// TCanvas: drawing with a font, a brush and a pen on a drawing surface (a window's paint
// surface, a bitmap's pixels). The surface comes from outside (SetHandle) or from the
// canvas kind (a control canvas asks its control's window, a bitmap canvas its pixels).
// Before each drawing call the canvas selects the tools the call uses.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/Graphics.h"
#include "platform/gfx/Geometry.h"

namespace gfx {
class Surface;
}

namespace forms {

using gfx::TPoint;
using gfx::TRect;
using gfx::TSize;
class TGraphic;

class TCanvas : public TPersistent {
  FORMS_CLASS(TCanvas)
 public:
  TCanvas();
  ~TCanvas() override;

  // The drawing surface (made on demand by canvas kinds that know one).
  gfx::Surface* Handle();
  void SetHandle(gfx::Surface* dc);
  bool HandleAllocated() const { return dc_ != nullptr; }

  TFont* Font() const { return font_.get(); }
  TBrush* Brush() const { return brush_.get(); }
  TPen* Pen() const { return pen_.get(); }
  // Draws with `f` pixel for pixel: the canvas font takes the given font's density first,
  // so a control's font scaled for the screen is not converted back to 96 dots per inch.
  void SetFont(const TFont* f) {
    if (f) font_->SetPixelsPerInch(f->PixelsPerInch());
    font_->Assign(f);
  }
  TPoint PenPos() const { return penPos_; }
  void SetPenPos(TPoint p);

  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  void Rectangle(const TRect& r);
  void Rectangle(int l, int t, int r, int b) { Rectangle(TRect{l, t, r, b}); }
  void Ellipse(const TRect& r);
  void RoundRect(const TRect& r, int cx, int cy);
  void Polygon(const std::vector<TPoint>& pts);
  void Polyline(const std::vector<TPoint>& pts);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  // A dotted rectangle drawn by inverting (drawing it twice removes it).
  void DrawFocusRect(const TRect& r);

  // Text in the font colour; the brush fills the text cells unless it is clear.
  void TextOut(int x, int y, std::u16string_view text);
  // TextOut clipped to r.
  void TextRect(const TRect& r, int x, int y, std::u16string_view text);
  // The drawing layer's DrawText with DT_ flags; returns the text height.
  int DrawText(std::u16string_view text, TRect& r, unsigned format);
  TSize TextExtent(std::u16string_view text);
  int TextWidth(std::u16string_view text) { return TextExtent(text).cx; }
  int TextHeight(std::u16string_view text) { return TextExtent(text).cy; }

  void Draw(int x, int y, const TGraphic* g);
  void StretchDraw(const TRect& r, const TGraphic* g);
  // Copies src's rectangle onto dst, stretching when the sizes differ.
  void CopyRect(const TRect& dst, TCanvas& src, const TRect& srcRect);
  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor c);
  TRect ClipRect();

  void Lock() { ++lockCount_; }
  void Unlock() { --lockCount_; }
  int LockCount() const { return lockCount_; }

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  // Canvas kinds provide their surface here (SetHandle).
  virtual void CreateHandle() {}
  virtual void Changing();
  virtual void Changed();
  // Selects the tools the next call uses; false when there is no surface.
  bool Use(bool font, bool brush, bool pen);

 private:
  gfx::Surface* dc_ = nullptr;
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TBrush> brush_;
  std::unique_ptr<TPen> pen_;
  TPoint penPos_;
  int lockCount_ = 0;
};

// Lends a canvas the surface of one paint: while it lives the canvas is locked and draws
// on `dc`; afterwards it lets go of the surface and is unlocked, also when painting throws.
class TCanvasPaintScope {
 public:
  TCanvasPaintScope(TCanvas& canvas, gfx::Surface* dc) : canvas_(canvas) {
    canvas_.Lock();
    canvas_.SetHandle(dc);
  }
  ~TCanvasPaintScope() {
    canvas_.SetHandle(nullptr);
    canvas_.Unlock();
  }
  TCanvasPaintScope(const TCanvasPaintScope&) = delete;
  TCanvasPaintScope& operator=(const TCanvasPaintScope&) = delete;

 private:
  TCanvas& canvas_;
};

}  // namespace forms
