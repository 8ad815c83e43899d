#pragma once
// TsBoundLabel: a caption that stands beside a control and moves with it. Inactive by
// default; while active it keeps a label on the control's parent, to the left of the
// control or above it, at Indent pixels (at 96 dots per inch) from it, and focuses the
// control on its accelerator. It neither paints the control nor owns its skin.
#include <memory>
#include <string>

#include "platform/forms/Classes.h"

namespace forms {
class TLabel;
class TWinControl;
}  // namespace forms

namespace skin {

enum class TsBoundLabelLayout { sclLeft, sclTopLeft };

class TsBoundLabel : public forms::TPersistent {
  FORMS_CLASS(TsBoundLabel)
 public:
  explicit TsBoundLabel(forms::TWinControl* control = nullptr);
  ~TsBoundLabel() override;

  bool Active() const { return active_; }
  void SetActive(bool v);
  const std::u16string& Caption() const { return caption_; }
  void SetCaption(const std::u16string& v);
  int Indent() const { return indent_; }
  void SetIndent(int v);
  TsBoundLabelLayout Layout() const { return layout_; }
  void SetLayout(TsBoundLabelLayout v);

  // The label while active (nullptr otherwise).
  forms::TLabel* Label() const { return label_; }
  // Places the label beside the control again (after a move, a resize or a new parent).
  void UpdatePosition();
  // The density changed: the indent follows.
  void Rescale(int ppi);

 private:
  void Update();
  forms::TWinControl* control_;
  forms::TLabel* label_ = nullptr;  // owned by the control
  bool active_ = false;
  std::u16string caption_;
  int indent_ = 0;
  int ppi_ = 96;
  TsBoundLabelLayout layout_ = TsBoundLabelLayout::sclLeft;
};

}  // namespace skin
