#include "platform/forms/Picture.h"

#include "platform/forms/Filer.h"
#include "platform/forms/SysUtils.h"
#include "platform/forms/TypInfo.h"
#include "platform/gfx/ImageCodec.h"

namespace forms {

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}

void TPicture::Take(std::unique_ptr<TGraphic> g) {
  graphic_ = std::move(g);
  if (graphic_) graphic_->OnChange = [this](TObject*) { Changed(); };
  Changed();
}

void TPicture::SetGraphic(const TGraphic* g) {
  if (!g) {
    Take(nullptr);
    return;
  }
  const TClassInfo& cls = g->ClassType();
  std::unique_ptr<TObject> obj(cls.create ? cls.create(nullptr) : nullptr);
  auto* copy = dynamic_cast<TGraphic*>(obj.get());
  if (!copy) throw EInvalidGraphic(u"Cannot copy a picture of class " + cls.name);
  obj.release();
  copy->Assign(g);
  Take(std::unique_ptr<TGraphic>(copy));
}

TBitmap* TPicture::Bitmap() {
  auto* b = dynamic_cast<TBitmap*>(graphic_.get());
  if (!b) {
    Take(std::make_unique<TBitmap>());
    b = static_cast<TBitmap*>(graphic_.get());
  }
  return b;
}

void TPicture::LoadFromBytes(std::span<const std::uint8_t> data) {
  std::unique_ptr<TGraphic> g;
  switch (gfx::SniffImageFormat(data)) {
    case gfx::ImageFormat::Png: g = std::make_unique<TPngImage>(); break;
    case gfx::ImageFormat::Jpeg: g = std::make_unique<TJPEGImage>(); break;
    case gfx::ImageFormat::Bmp: g = std::make_unique<TBitmap>(); break;
    default: throw EInvalidGraphic(u"Unknown picture file format");
  }
  g->LoadFromBytes(data);
  Take(std::move(g));
}

void TPicture::LoadFromFile(const std::u16string& path) { LoadFromBytes(LoadFileBytes(path)); }

void TPicture::Assign(const TPersistent* source) {
  if (!source) {
    SetGraphic(nullptr);
  } else if (auto* p = dynamic_cast<const TPicture*>(source)) {
    SetGraphic(p->graphic_.get());
  } else if (auto* g = dynamic_cast<const TGraphic*>(source)) {
    SetGraphic(g);
  } else {
    TPersistent::Assign(source);
  }
}

void TPicture::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      u"Data", [this](std::span<const std::uint8_t> d) { ReadData(d); },
      [this](std::vector<std::uint8_t>& out) { WriteData(out); }, !Empty());
}

void TPicture::ReadData(std::span<const std::uint8_t> data) {
  if (data.empty()) throw EInvalidGraphic(u"Picture data is empty");
  std::size_t n = data[0];
  if (data.size() < 1 + n) throw EInvalidGraphic(u"Picture data is too short");
  std::u16string name(data.begin() + 1, data.begin() + 1 + static_cast<std::ptrdiff_t>(n));
  const TClassInfo* cls = FindClass(name);
  if (!cls || !cls->InheritsFrom(TGraphic::StaticClass()) || !cls->create)
    throw EInvalidGraphic(u"Unknown picture class " + name);
  std::unique_ptr<TObject> obj(cls->create(nullptr));
  auto* g = static_cast<TGraphic*>(obj.release());
  std::unique_ptr<TGraphic> owned(g);
  g->ReadData(data.subspan(1 + n));
  Take(std::move(owned));
}

void TPicture::WriteData(std::vector<std::uint8_t>& out) const {
  out.clear();
  if (!graphic_) return;
  const std::u16string& name = graphic_->ClassName();
  out.push_back(static_cast<std::uint8_t>(name.size()));
  for (char16_t c : name) out.push_back(static_cast<std::uint8_t>(c));
  std::vector<std::uint8_t> data;
  graphic_->WriteData(data);
  out.insert(out.end(), data.begin(), data.end());
}

}  // namespace forms
