#pragma once
// TPicture: holds one graphic of any registered graphic class (a bitmap, a PNG or JPEG
// picture, or a class a layer above registers). Stored in descriptions as "Data": the
// graphic's class name (a length byte and the name) followed by the graphic's data.
#include <memory>

#include "platform/forms/Bitmaps.h"

namespace forms {

class TPicture : public TPersistent {
  FORMS_CLASS(TPicture)
 public:
  TPicture();
  ~TPicture() override;

  TGraphic* Graphic() const { return graphic_.get(); }
  // Takes a copy of g (null empties the picture).
  void SetGraphic(const TGraphic* g);
  // The graphic as a bitmap: a non-bitmap graphic is replaced by an empty bitmap first.
  TBitmap* Bitmap();
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }
  bool Empty() const { return !graphic_ || graphic_->Empty(); }

  // By the file's contents: PNG, JPEG or BMP.
  void LoadFromFile(const std::u16string& path);
  void LoadFromBytes(std::span<const std::uint8_t> data);

  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;
  void SetOwner(TPersistent* owner) { owner_ = owner; }
  TPersistent* GetOwner() const override { return owner_; }

  TNotifyEvent OnChange;

 private:
  void Take(std::unique_ptr<TGraphic> g);
  void Changed();
  void ReadData(std::span<const std::uint8_t> data);
  void WriteData(std::vector<std::uint8_t>& out) const;

  std::unique_ptr<TGraphic> graphic_;
  TPersistent* owner_ = nullptr;
};

}  // namespace forms
