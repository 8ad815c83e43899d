#include "platform/forms/Bitmaps.h"

#include <algorithm>
#include <cmath>

#include "platform/base/Errors.h"
#include "platform/base/Files.h"
#include "platform/base/Unicode.h"
#include "platform/forms/Filer.h"
#include "platform/forms/SysUtils.h"
#include "platform/gfx/ImageCodec.h"
#include "platform/gfx/Surface.h"

namespace forms {

namespace {

// Area-average resampling of straight-alpha pixels into premultiplied pixels.
gfx::PixelBuffer ResamplePremultiplied(const gfx::PixelBuffer& src, int w, int h) {
  const int sw = src.Width(), sh = src.Height();
  struct Acc {
    float b, g, r, a;
  };
  // Horizontal pass: sw x sh -> w x sh.
  std::vector<Acc> tmp(static_cast<std::size_t>(w) * static_cast<std::size_t>(sh));
  const double sx = static_cast<double>(sw) / w, sy = static_cast<double>(sh) / h;
  for (int y = 0; y < sh; ++y) {
    const std::uint8_t* row = src.Row(y);
    for (int x = 0; x < w; ++x) {
      double f0 = x * sx, f1 = (x + 1) * sx;
      Acc acc{0, 0, 0, 0};
      for (int i = static_cast<int>(f0); i < std::min(sw, static_cast<int>(std::ceil(f1))); ++i) {
        float wt = static_cast<float>(std::min(f1, i + 1.0) - std::max(f0, static_cast<double>(i)));
        const std::uint8_t* p = row + i * 4;
        float a = p[3] * wt;
        acc.b += p[0] * a;
        acc.g += p[1] * a;
        acc.r += p[2] * a;
        acc.a += a;
      }
      float n = static_cast<float>(f1 - f0);
      tmp[static_cast<std::size_t>(y) * w + x] = {acc.b / n, acc.g / n, acc.r / n, acc.a / n};
    }
  }
  gfx::PixelBuffer out(w, h);
  for (int y = 0; y < h; ++y) {
    double f0 = y * sy, f1 = (y + 1) * sy;
    std::uint8_t* o = out.Row(y);
    for (int x = 0; x < w; ++x) {
      Acc acc{0, 0, 0, 0};
      for (int j = static_cast<int>(f0); j < std::min(sh, static_cast<int>(std::ceil(f1))); ++j) {
        float wt = static_cast<float>(std::min(f1, j + 1.0) - std::max(f0, static_cast<double>(j)));
        const Acc& t = tmp[static_cast<std::size_t>(j) * w + x];
        acc.b += t.b * wt;
        acc.g += t.g * wt;
        acc.r += t.r * wt;
        acc.a += t.a * wt;
      }
      float n = static_cast<float>(f1 - f0);
      // Colour sums carry alpha times 0..255: divide by 255 for premultiplied bytes.
      auto byte = [](float v) { return static_cast<std::uint8_t>(std::clamp(v + 0.5f, 0.0f, 255.0f)); };
      o[x * 4 + 0] = byte(acc.b / n / 255.0f);
      o[x * 4 + 1] = byte(acc.g / n / 255.0f);
      o[x * 4 + 2] = byte(acc.r / n / 255.0f);
      o[x * 4 + 3] = byte(acc.a / n);
    }
  }
  return out;
}

}  // namespace

void DrawAlphaPixels(gfx::Surface& dst, const TRect& r, const gfx::PixelBuffer& src) {
  if (src.Empty() || r.IsEmpty()) return;
  gfx::PixelBuffer pre = ResamplePremultiplied(src, r.Width(), r.Height());
  gfx::Surface s(pre.View());
  gfx::BlendFunction bf;
  bf.alphaFormat = gfx::AC_SRC_ALPHA;
  dst.AlphaBlend(r.Left, r.Top, r.Width(), r.Height(), s, 0, 0, r.Width(), r.Height(), bf);
}

// --- TGraphic --------------------------------------------------------------------------------

void TGraphic::SetTransparent(bool v) {
  if (v == transparent_) return;
  transparent_ = v;
  Changed();
}

void TGraphic::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      u"Data", [this](std::span<const std::uint8_t> d) { ReadData(d); },
      [this](std::vector<std::uint8_t>& out) { WriteData(out); }, !Empty());
}

void TGraphic::Changed() {
  if (OnChange) OnChange(this);
}

void TGraphic::LoadFromFile(const std::u16string& path) { LoadFromBytes(LoadFileBytes(path)); }

void TGraphic::SaveToFile(const std::u16string& path) const {
  if (!base::WriteFileBytes(base::NativePath(path), SaveToBytes(), base::FileReplace::InPlace).Ok())
    throw base::EFCreateError(u"Cannot create file \"" + path + u"\"");
}

// --- TBitmap ---------------------------------------------------------------------------------

class TBitmap::TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap* owner) : owner_(owner) {}

 protected:
  void CreateHandle() override { SetHandle(&owner_->Surface()); }

 private:
  TBitmap* owner_;
};

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) {
  pixels_.SetSize(width, height);
  format_ = TPixelFormat::pf32bit;
}

TBitmap::~TBitmap() = default;

gfx::Surface& TBitmap::Surface() {
  if (!surface_) surface_ = std::make_unique<gfx::Surface>(pixels_.View());
  return *surface_;
}

TCanvas* TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TBitmapCanvas>(this);
  return canvas_.get();
}

void TBitmap::SetSize(int w, int h) {
  w = std::max(w, 0);
  h = std::max(h, 0);
  if (w == Width() && h == Height()) return;
  pixels_.SetSize(w, h);
  if (surface_) surface_->SetTarget(pixels_.View());
  if (format_ == TPixelFormat::pfDevice) format_ = TPixelFormat::pf32bit;
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat f) {
  if (f == format_) return;
  format_ = f;
  if (f != TPixelFormat::pf32bit) {
    // Pixels without an alpha channel are opaque.
    for (int y = 0; y < Height(); ++y) {
      std::uint32_t* row = pixels_.Row32(y);
      for (int x = 0; x < Width(); ++x) row[x] |= 0xFF000000u;
    }
  }
  Changed();
}

void TBitmap::SetAlphaFormat(TAlphaFormat f) {
  if (f == alphaFormat_) return;
  alphaFormat_ = f;
  Changed();
}

TColor TBitmap::TransparentColor() const {
  if (transparentMode_ == TTransparentMode::tmFixed && transparentColor_ != clDefault) return transparentColor_;
  if (Empty()) return clDefault;
  std::uint32_t p = pixels_.Row32(Height() - 1)[0];
  return gfx::RGB(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF));
}

void TBitmap::SetTransparentColor(TColor c) {
  transparentColor_ = c;
  transparentMode_ = c == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
  Changed();
}

void TBitmap::Draw(TCanvas& canvas, const TRect& r) const {
  gfx::Surface* dst = canvas.Handle();
  if (!dst || Empty() || r.IsEmpty()) return;
  auto* self = const_cast<TBitmap*>(this);
  gfx::Surface& src = self->Surface();
  if (format_ == TPixelFormat::pf32bit && alphaFormat_ == TAlphaFormat::afDefined) {
    DrawAlphaPixels(*dst, r, pixels_);
  } else if (format_ == TPixelFormat::pf32bit && alphaFormat_ == TAlphaFormat::afPremultiplied) {
    gfx::BlendFunction bf;
    bf.alphaFormat = gfx::AC_SRC_ALPHA;
    dst->AlphaBlend(r.Left, r.Top, r.Width(), r.Height(), src, 0, 0, Width(), Height(), bf);
  } else if (Transparent()) {
    dst->TransparentBlt(r.Left, r.Top, r.Width(), r.Height(), src, 0, 0, Width(), Height(),
                        ColorToRGB(TransparentColor()));
  } else if (r.Width() == Width() && r.Height() == Height()) {
    dst->BitBlt(r.Left, r.Top, Width(), Height(), src, 0, 0, gfx::SRCCOPY);
  } else {
    dst->StretchBlt(r.Left, r.Top, r.Width(), r.Height(), src, 0, 0, Width(), Height(), gfx::SRCCOPY);
  }
}

void TBitmap::TakePixels(gfx::PixelBuffer pixels, int sourceBits, bool hasAlpha) {
  pixels_ = std::move(pixels);
  if (surface_) surface_->SetTarget(pixels_.View());
  switch (sourceBits) {
    case 1: format_ = TPixelFormat::pf1bit; break;
    case 4: format_ = TPixelFormat::pf4bit; break;
    case 8: format_ = TPixelFormat::pf8bit; break;
    case 16: format_ = TPixelFormat::pf16bit; break;
    case 24: format_ = TPixelFormat::pf24bit; break;
    default: format_ = TPixelFormat::pf32bit; break;
  }
  alphaFormat_ = hasAlpha ? TAlphaFormat::afDefined : TAlphaFormat::afIgnored;
  Changed();
}

void TBitmap::LoadFromBytes(std::span<const std::uint8_t> data) {
  gfx::DecodeResult r = gfx::DecodeBmp(data);
  if (!r.ok) throw EInvalidGraphic(u"Bitmap image is not valid: " + base::Utf8ToUtf16(r.error));
  TakePixels(std::move(r.image.pixels), r.image.sourceBits, false);
}

std::vector<std::uint8_t> TBitmap::SaveToBytes() const {
  if (Empty()) return {};
  return gfx::EncodeBmp(const_cast<gfx::PixelBuffer&>(pixels_).View());
}

void TBitmap::ReadData(std::span<const std::uint8_t> data) {
  if (data.size() < 4) throw EInvalidGraphic(u"Bitmap data is too short");
  std::uint32_t n = data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<std::uint32_t>(data[3]) << 24);
  if (n > data.size() - 4) throw EInvalidGraphic(u"Bitmap data is too short");
  if (n == 0) {
    SetSize(0, 0);
    return;
  }
  LoadFromBytes(data.subspan(4, n));
}

void TBitmap::WriteData(std::vector<std::uint8_t>& out) const {
  std::vector<std::uint8_t> bmp = SaveToBytes();
  auto n = static_cast<std::uint32_t>(bmp.size());
  out = {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n >> 16),
         static_cast<std::uint8_t>(n >> 24)};
  out.insert(out.end(), bmp.begin(), bmp.end());
}

void TBitmap::Assign(const TPersistent* source) {
  if (auto* b = dynamic_cast<const TBitmap*>(source)) {
    pixels_ = b->pixels_;
    if (surface_) surface_->SetTarget(pixels_.View());
    format_ = b->format_;
    alphaFormat_ = b->alphaFormat_;
    transparentMode_ = b->transparentMode_;
    transparentColor_ = b->transparentColor_;
    SetTransparent(b->Transparent());
    Changed();
    return;
  }
  if (auto* g = dynamic_cast<const TGraphic*>(source)) {
    SetSize(g->Width(), g->Height());
    pixels_.Clear();
    format_ = TPixelFormat::pf32bit;
    g->Draw(*Canvas(), {0, 0, Width(), Height()});
    Changed();
    return;
  }
  TGraphic::Assign(source);
}

// --- TPngImage / TJPEGImage --------------------------------------------------------------------

TPngImage::TPngImage() {
  SetPixelFormat(TPixelFormat::pf32bit);
  SetAlphaFormat(TAlphaFormat::afDefined);
}

void TPngImage::LoadFromBytes(std::span<const std::uint8_t> data) {
  gfx::DecodeResult r = gfx::DecodePng(data);
  if (!r.ok) throw EInvalidGraphic(u"PNG image is not valid: " + base::Utf8ToUtf16(r.error));
  TakePixels(std::move(r.image.pixels), 32, true);
}

std::vector<std::uint8_t> TPngImage::SaveToBytes() const {
  if (Empty()) return {};
  return gfx::EncodePng(const_cast<gfx::PixelBuffer&>(Pixels()).View());
}

void TJPEGImage::LoadFromBytes(std::span<const std::uint8_t> data) {
  gfx::DecodeResult r = gfx::DecodeJpeg(data);
  if (!r.ok) throw EInvalidGraphic(u"JPEG image is not valid: " + base::Utf8ToUtf16(r.error));
  source_.assign(data.begin(), data.end());
  TakePixels(std::move(r.image.pixels), 24, false);
}

std::vector<std::uint8_t> TJPEGImage::SaveToBytes() const { return source_; }

}  // namespace forms
