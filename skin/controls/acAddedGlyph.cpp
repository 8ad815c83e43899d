#include "skin/controls/acAddedGlyph.h"

#include "platform/forms/Bitmaps.h"

namespace skin {

TacAddedGlyph::TacAddedGlyph() : glyph_(std::make_unique<forms::TBitmap>()) {}

TacAddedGlyph::TacAddedGlyph(std::function<void()> onChange)
    : onChange_(std::move(onChange)), glyph_(std::make_unique<forms::TBitmap>()) {}

TacAddedGlyph::~TacAddedGlyph() = default;

void TacAddedGlyph::SetGlyph(const forms::TBitmap* b) {
  if (b == nullptr) glyph_->SetSize(0, 0);
  else glyph_->Assign(b);
  Changed();
}

void TacAddedGlyph::SetGrayed(bool v) {
  if (grayed_ == v) return;
  grayed_ = v;
  Changed();
}

void TacAddedGlyph::SetColorTone(TColor v) {
  if (colorTone_ == v) return;
  colorTone_ = v;
  Changed();
}

bool TacAddedGlyph::Valid() const { return !glyph_->Empty(); }
int TacAddedGlyph::Width() const { return glyph_->Width(); }
int TacAddedGlyph::Height() const { return glyph_->Height(); }

void TacAddedGlyph::Assign(const forms::TPersistent* source) {
  const auto* g = dynamic_cast<const TacAddedGlyph*>(source);
  if (g == nullptr) {
    forms::TPersistent::Assign(source);
    return;
  }
  glyph_->Assign(g->glyph_.get());
  grayed_ = g->grayed_;
  colorTone_ = g->colorTone_;
  Changed();
}

}  // namespace skin
