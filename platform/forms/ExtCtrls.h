#pragma once
// The panel (a container with bevels and a caption) and the image (a picture shown
// without a window, natural size, stretched, proportional or centred; pictures with
// alpha are composed over what lies behind).
#include <memory>

#include "platform/forms/Picture.h"
#include "platform/forms/WinControls.h"

namespace forms {

class TCustomPanel : public TCustomControl {
  FORMS_CLASS(TCustomPanel)
 public:
  explicit TCustomPanel(TComponent* owner);

  // The panel's own bevels (not the frame bevels of other windowed controls).
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut v);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut v);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  TVerticalAlignment VerticalAlignment() const { return verticalAlignment_; }
  void SetVerticalAlignment(TVerticalAlignment v);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool v);
  bool FullRepaint() const { return fullRepaint_; }
  void SetFullRepaint(bool v) { fullRepaint_ = v; }

  void AdjustClientRect(TRect& r) const override;
  // The rectangle the caption is laid out in: the client area inside border and bevels.
  TRect CaptionRect() const;

 protected:
  void CreateParams(TCreateParams& p) override;
  void Paint() override;
  void Dispatch(TMessage& m) override;

 private:
  TBevelCut bevelInner_ = TBevelCut::bvNone;
  TBevelCut bevelOuter_ = TBevelCut::bvRaised;
  TBorderStyle borderStyle_ = TBorderStyle::bsNone;
  TAlignment alignment_ = TAlignment::taCenter;
  TVerticalAlignment verticalAlignment_ = TVerticalAlignment::taVerticalCenter;
  bool showCaption_ = true;
  bool fullRepaint_ = true;
};

class TPanel : public TCustomPanel {
  FORMS_CLASS(TPanel)
 public:
  using TCustomPanel::TCustomPanel;
};

// Draws a frame of `width` lines inside r, top-left lines in one colour and
// bottom-right lines in the other, and shrinks r by it.
void Frame3D(TCanvas& c, TRect& r, TColor topLeft, TColor bottomRight, int width);

class TImage : public TGraphicControl {
  FORMS_CLASS(TImage)
 public:
  explicit TImage(TComponent* owner);
  ~TImage() override;

  TPicture* Picture() const { return picture_.get(); }
  void SetPicture(const TPicture* p) { picture_->Assign(p); }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool v);
  bool Proportional() const { return proportional_; }
  void SetProportional(bool v);
  bool Center() const { return center_; }
  void SetCenter(bool v);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v);
  // Where the picture is drawn in the client area.
  TRect DestRect() const;

 protected:
  void Paint() override;
  bool CanAutoSize(int& w, int& h) override;
  void PictureChanged();

 private:
  std::unique_ptr<TPicture> picture_;
  bool stretch_ = false;
  bool proportional_ = false;
  bool center_ = false;
  bool transparent_ = false;
};

}  // namespace forms
