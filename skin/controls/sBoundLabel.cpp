#include "skin/controls/sBoundLabel.h"

#include "platform/forms/StdCtrls.h"
#include "platform/forms/WinControls.h"

namespace skin {

TsBoundLabel::TsBoundLabel(forms::TWinControl* control) : control_(control) {}

TsBoundLabel::~TsBoundLabel() = default;  // the label belongs to the control

void TsBoundLabel::SetActive(bool v) {
  if (active_ == v) return;
  active_ = v;
  Update();
}

void TsBoundLabel::SetCaption(const std::u16string& v) {
  if (caption_ == v) return;
  caption_ = v;
  Update();
}

void TsBoundLabel::SetIndent(int v) {
  if (indent_ == v) return;
  indent_ = v;
  UpdatePosition();
}

void TsBoundLabel::SetLayout(TsBoundLabelLayout v) {
  if (layout_ == v) return;
  layout_ = v;
  UpdatePosition();
}

void TsBoundLabel::Rescale(int ppi) {
  ppi_ = ppi > 0 ? ppi : 96;
  UpdatePosition();
}

void TsBoundLabel::Update() {
  if (control_ == nullptr || control_->IsDestroying()) return;
  if (!active_) {
    if (label_ != nullptr) {
      forms::TLabel* l = label_;
      label_ = nullptr;
      l->Free();
    }
    return;
  }
  if (label_ == nullptr) {
    label_ = new forms::TLabel(control_);
    label_->SetFocusControl(control_);
  }
  label_->SetText(caption_);
  UpdatePosition();
}

void TsBoundLabel::UpdatePosition() {
  if (label_ == nullptr || control_ == nullptr) return;
  if (label_->Parent() != control_->Parent()) label_->SetParent(control_->Parent());
  const int gap = indent_ * ppi_ / 96;
  if (layout_ == TsBoundLabelLayout::sclLeft) {
    label_->SetLeft(control_->Left() - label_->Width() - gap - 4);
    label_->SetTop(control_->Top() + (control_->Height() - label_->Height()) / 2);
  } else {
    label_->SetLeft(control_->Left() + gap);
    label_->SetTop(control_->Top() - label_->Height() - 2);
  }
}

}  // namespace skin
