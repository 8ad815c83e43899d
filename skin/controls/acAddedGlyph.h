#pragma once
// TacAddedGlyph: a picture shown inside an edit beside its text (at the left, or at the
// right when reading right to left), with its own looks: grey while the edit is not
// focused, a colour tone. It holds the picture and the settings and tells its owner of a
// change; the owner places and draws it.
#include <functional>
#include <memory>

#include "platform/forms/Classes.h"
#include "skin/render/pixels/sColors.h"

namespace forms {
class TBitmap;
}

namespace skin {

class TacAddedGlyph : public forms::TPersistent {
  FORMS_CLASS(TacAddedGlyph)
 public:
  TacAddedGlyph();
  explicit TacAddedGlyph(std::function<void()> onChange);
  ~TacAddedGlyph() override;

  forms::TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(const forms::TBitmap* b);
  bool Grayed() const { return grayed_; }
  void SetGrayed(bool v);
  TColor ColorTone() const { return colorTone_; }
  void SetColorTone(TColor v);

  // The picture has pixels to show.
  bool Valid() const;
  int Width() const;
  int Height() const;
  void Assign(const forms::TPersistent* source) override;

 private:
  void Changed() const {
    if (onChange_) onChange_();
  }
  std::function<void()> onChange_;
  std::unique_ptr<forms::TBitmap> glyph_;
  bool grayed_ = false;
  TColor colorTone_ = clNone;
};

}  // namespace skin
