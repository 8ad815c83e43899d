#pragma once
// TsImage: a picture composed with its per-pixel alpha over what its container shows,
// in a cached picture of its own: the container's background at the image's place, the
// image's section when it names one, then the picture, resampled smoothly when stretched,
// optionally greyed, faded or reflected. It has no hover or focus look. Image lists are
// not supported (the framework has none).
#include <memory>

#include "platform/forms/ExtCtrls.h"
#include "platform/gfx/Geometry.h"
#include "skin/render/pixels/acBgInfo.h"

namespace skin {

class Bitmap32;
class TsCtrlSkinData;

class TsCustomImage : public forms::TImage {
  FORMS_CLASS(TsCustomImage)
 public:
  explicit TsCustomImage(forms::TComponent* owner);
  ~TsCustomImage() override;
  void AfterConstruction() override;
  void Loaded() override;

  // ---- Fields, in their declared order ----
  bool FGrayed = false;
  bool FReflected = false;
  bool FUseFullSize = false;
  int FBlend = 0;
  std::unique_ptr<TsCtrlSkinData> FCommonData;
  // Set at creation and never cleared: every paint rebuilds the picture.
  bool ImageChanged = true;

  TsCtrlSkinData* SkinData() const { return FCommonData.get(); }
  bool Grayed() const { return FGrayed; }
  void SetGrayed(bool v);
  bool Reflected() const { return FReflected; }
  void SetReflected(bool v);
  bool UseFullSize() const { return FUseFullSize; }
  void SetUseFullSize(bool v);
  // Transparency of the picture in percent (0 .. 100).
  int Blend() const { return FBlend; }
  void SetBlend(int v);

  // No picture to show.
  bool Empty() const;
  // Repaints unless loading or being destroyed.
  void UpdateImage();
  // The size the picture is drawn at: its own, or with stretched the control's, kept in
  // proportion when Proportional (halves rounded to even).
  gfx::TSize PictureSize(bool stretched) const;
  // Builds the cached picture over what lies behind the image in dc; false when the
  // container's picture is not ready.
  bool BuildPicture(win::HDC dc);
  // Puts the picture into the cache over what is there.
  void DrawPicture(const TacBgInfo& bg);

  void WndProc(forms::TMessage& m) override;

 protected:
  bool CanAutoSize(int& w, int& h) override;

 private:
  void acWM_Paint(forms::TMessage& m);
  void SkinCommand(forms::TMessage& m);
  void SCGetDefaultIndex(forms::TMessage& m);
  void WMSize(forms::TMessage& m);
  void CMVisibleChanged(forms::TMessage& m);
  void SetFlag(bool& field, bool v);
  // The picture as it is drawn (alpha given, resampled), reused while the picture and the
  // way it is drawn stay the same; any change of the picture drops it.
  struct DrawnKey {
    const forms::TGraphic* Graphic = nullptr;
    gfx::TSize Source{}, Size{};
    bool Transparent = false, CornerAlpha = false, Opaque = false;
    bool operator==(const DrawnKey&) const = default;
  };
  std::unique_ptr<Bitmap32> drawn_;
  DrawnKey drawnKey_;
  // The cache holds a picture to copy (a build that found an empty background holds none).
  bool cacheFilled_ = false;
};

class TsImage : public TsCustomImage {
  FORMS_CLASS(TsImage)
 public:
  using TsCustomImage::TsCustomImage;
};

}  // namespace skin
