#include "skin/controls/acPadding.h"

namespace skin {

namespace {

int Scale(int v, int ppi) { return ppi == 96 ? v : v * ppi / 96; }

}  // namespace

gfx::TRect TacPadding::Scaled(int ppi) const {
  return {Scale(left_, ppi), Scale(top_, ppi), Scale(right_, ppi), Scale(bottom_, ppi)};
}

void TacPadding::Assign(const forms::TPersistent* source) {
  const auto* p = dynamic_cast<const TacPadding*>(source);
  if (p == nullptr) {
    forms::TPersistent::Assign(source);
    return;
  }
  left_ = p->left_;
  top_ = p->top_;
  right_ = p->right_;
  bottom_ = p->bottom_;
  if (onChange_) onChange_();
}

void TacPadding::Set(int& field, int v) {
  if (v < 0) v = 0;
  if (field == v) return;
  field = v;
  if (onChange_) onChange_();
}

}  // namespace skin
