#pragma once
// TacPadding: four insets in pixels at 96 dots per inch that a control keeps between its
// frame and its content. It only holds the values and tells its owner of a change; the
// owner scales and applies them.
#include <functional>

#include "platform/forms/Classes.h"
#include "platform/gfx/Geometry.h"

namespace skin {

class TacPadding : public forms::TPersistent {
  FORMS_CLASS(TacPadding)
 public:
  TacPadding() = default;
  explicit TacPadding(std::function<void()> onChange) : onChange_(std::move(onChange)) {}

  int Left() const { return left_; }
  void SetLeft(int v) { Set(left_, v); }
  int Top() const { return top_; }
  void SetTop(int v) { Set(top_, v); }
  int Right() const { return right_; }
  void SetRight(int v) { Set(right_, v); }
  int Bottom() const { return bottom_; }
  void SetBottom(int v) { Set(bottom_, v); }

  // The insets as a rectangle of side widths, scaled from 96 dots per inch to ppi.
  gfx::TRect Scaled(int ppi) const;
  void Assign(const forms::TPersistent* source) override;

 private:
  void Set(int& field, int v);
  std::function<void()> onChange_;
  int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
};

}  // namespace skin
