#pragma once
// Pictures: TGraphic (anything that draws itself into a rectangle and reads and writes
// its file format), TBitmap (32-bit pixels in memory with a canvas, a logical pixel
// format and an alpha format; drawn opaque, by transparent colour, or blended by its
// alpha), TPngImage and TJPEGImage (bitmaps read from those formats; PNG keeps alpha).
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/base/Errors.h"
#include "platform/forms/Canvas.h"
#include "platform/gfx/PixelBuffer.h"

namespace forms {

class TGraphic : public TPersistent {
  FORMS_CLASS(TGraphic)
 public:
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetSize(int w, int h) = 0;
  void SetWidth(int w) { SetSize(w, Height()); }
  void SetHeight(int h) { SetSize(Width(), h); }
  bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool v);

  // Draws the picture into r of the canvas, stretched to r's size.
  virtual void Draw(TCanvas& canvas, const TRect& r) const = 0;

  // The picture's file format.
  virtual void LoadFromBytes(std::span<const std::uint8_t> data) = 0;
  virtual std::vector<std::uint8_t> SaveToBytes() const = 0;
  void LoadFromFile(const std::u16string& path);
  void SaveToFile(const std::u16string& path) const;
  // The picture's part of a stored picture ("Picture.Data"): the file bytes, unless a
  // class stores more.
  virtual void ReadData(std::span<const std::uint8_t> data) { LoadFromBytes(data); }
  virtual void WriteData(std::vector<std::uint8_t>& out) const { out = SaveToBytes(); }
  // A graphic held directly by a property is stored as "Data".
  void DefineProperties(TFiler& filer) override;

  TNotifyEvent OnChange;

 protected:
  void Changed();

 private:
  bool transparent_ = false;
};

// Raised when picture data cannot be read.
using base::EInvalidGraphic;

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
// How byte A of the pixels counts when drawing: ignored, straight alpha, premultiplied.
enum class TAlphaFormat { afIgnored, afDefined, afPremultiplied };
enum class TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
  FORMS_CLASS(TBitmap)
 public:
  TBitmap();
  TBitmap(int width, int height);
  ~TBitmap() override;

  bool Empty() const override { return pixels_.Empty(); }
  int Width() const override { return pixels_.Width(); }
  int Height() const override { return pixels_.Height(); }
  // New size; the pixels are cleared to zero when it changes.
  void SetSize(int w, int h) override;

  TCanvas* Canvas();
  gfx::Surface& Surface();
  gfx::PixelBuffer& Pixels() { return pixels_; }
  const gfx::PixelBuffer& Pixels() const { return pixels_; }
  std::uint32_t* ScanLine(int y) { return pixels_.Row32(y); }

  TPixelFormat PixelFormat() const { return format_; }
  void SetPixelFormat(TPixelFormat f);
  TAlphaFormat AlphaFormat() const { return alphaFormat_; }
  void SetAlphaFormat(TAlphaFormat f);
  // The colour made transparent when Transparent is set: fixed, or (automatic) the
  // bottom-left pixel's colour.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor c);
  TTransparentMode TransparentMode() const { return transparentMode_; }

  void Draw(TCanvas& canvas, const TRect& r) const override;
  void LoadFromBytes(std::span<const std::uint8_t> data) override;
  std::vector<std::uint8_t> SaveToBytes() const override;
  // A bitmap in a stored picture is its byte count (32-bit little-endian) and the file.
  void ReadData(std::span<const std::uint8_t> data) override;
  void WriteData(std::vector<std::uint8_t>& out) const override;
  void Assign(const TPersistent* source) override;

 protected:
  // Takes decoded pixels (straight alpha) and the source's bits per pixel.
  void TakePixels(gfx::PixelBuffer pixels, int sourceBits, bool hasAlpha);

 private:
  class TBitmapCanvas;
  gfx::PixelBuffer pixels_;
  std::unique_ptr<gfx::Surface> surface_;
  std::unique_ptr<TBitmapCanvas> canvas_;
  TPixelFormat format_ = TPixelFormat::pfDevice;
  TAlphaFormat alphaFormat_ = TAlphaFormat::afIgnored;
  TTransparentMode transparentMode_ = TTransparentMode::tmAuto;
  TColor transparentColor_ = clDefault;
};

// A PNG picture: 32-bit pixels with straight alpha.
class TPngImage : public TBitmap {
  FORMS_CLASS(TPngImage)
 public:
  TPngImage();
  void LoadFromBytes(std::span<const std::uint8_t> data) override;
  std::vector<std::uint8_t> SaveToBytes() const override;
  void ReadData(std::span<const std::uint8_t> data) override { LoadFromBytes(data); }
  void WriteData(std::vector<std::uint8_t>& out) const override { out = SaveToBytes(); }
};

// A JPEG picture; kept as read so that it is written back unchanged.
class TJPEGImage : public TBitmap {
  FORMS_CLASS(TJPEGImage)
 public:
  void LoadFromBytes(std::span<const std::uint8_t> data) override;
  std::vector<std::uint8_t> SaveToBytes() const override;
  void ReadData(std::span<const std::uint8_t> data) override { LoadFromBytes(data); }
  void WriteData(std::vector<std::uint8_t>& out) const override { out = SaveToBytes(); }

 private:
  std::vector<std::uint8_t> source_;
};

// Draws 32-bit pixels with straight alpha into r of a surface (stretched with an area
// average when smaller, nearest pixel when larger), blended over what is there.
void DrawAlphaPixels(gfx::Surface& dst, const TRect& r, const gfx::PixelBuffer& src);

}  // namespace forms
