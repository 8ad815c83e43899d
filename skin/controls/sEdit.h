#pragma once
// TsEdit: the skinned single-line edit. It keeps the platform edit's editing, caret and
// selection. While it does not have the focus its whole face (frame, background, text or
// hint) is painted from its cached picture of the section "EDIT"; while focused the
// platform paints the text area inside the cached frame. It adds an inner padding, a
// vertical alignment of the text line and a picture beside the text (AddedGlyph). It does
// not paint a bound label (TsBoundLabel is a plain holder of its settings).
#include <memory>

#include "platform/forms/StdCtrls.h"
#include "skin/render/pixels/acPixelEffects.h"

namespace skin {

class TsCtrlSkinData;
class TacAddedGlyph;
class TacPadding;
class TsBoundLabel;

class TsEdit : public forms::TEdit {
  FORMS_CLASS(TsEdit)
 public:
  explicit TsEdit(forms::TComponent* owner);
  ~TsEdit() override;

  TsCtrlSkinData* SkinData() const { return FCommonData.get(); }
  TacAddedGlyph* AddedGlyph() const { return FAddedGlyph.get(); }
  TacPadding* Padding() const { return FPadding.get(); }
  TsBoundLabel* BoundLabel() const { return FBoundLabel.get(); }
  TsDisabledKind DisabledKind() const { return FDisabledKind; }
  void SetDisabledKind(TsDisabledKind v);
  forms::TVerticalAlignment VerticalAlignment() const { return FVerticalAlignment; }
  void SetVerticalAlignment(forms::TVerticalAlignment v);

  // Fires after a key or mouse message that moved the selection.
  forms::TNotifyEvent OnSelectionChanged;

  // ---- Geometry the painting and the tests share ----
  // The width of the frame: the border (2 with Ctl3D, 1 without, 0 for none) plus one
  // pixel per bevel when a bevel kind is set.
  int EditBorderWidth() const;
  // The insets added inside the frame (padding and vertical alignment), in pixels.
  const gfx::TRect& AddedPadding() const { return FAddedPadding; }
  // The added glyph's place in the edit (window coordinates), or an empty rectangle.
  gfx::TRect AddedGlyphRect();
  // The rectangle the text is drawn in when painted from the cache.
  gfx::TRect TextRect();
  // Whether the frame is to be recalculated before the next paint.
  bool FrameRecalcPending() const;

  // Builds the cached picture; false when the parent's picture is not ready.
  bool PrepareCache();

  void WndProc(forms::TMessage& m) override;
  void Loaded() override;

 protected:
  void CreateWnd() override;

 private:
  // ---- Skin commands (sEdit.cpp) ----
  bool SkinCommand(forms::TMessage& m);
  void SCRefresh(forms::TMessage& m);
  void SCPPIChanged(forms::TMessage& m);
  void SCEndUpdate(forms::TMessage& m);

  // ---- Frame (sEditFrame.cpp) ----
  void WMNCCalcSize(forms::TMessage& m);
  void WMNCHitTest(forms::TMessage& m);
  void WMNCLButtonDown(forms::TMessage& m);
  void WMNCLButtonUp(forms::TMessage& m);
  void WMNCLButtonDblClk(forms::TMessage& m);
  void MarkFrameRecalc();
  void ApplyPendingFrameRecalc();
  void RecalcFrameNow();
  void ComputeAddedPadding(int clientHeight);

  // ---- Painting (sEditPaint.cpp) ----
  void WMPaint(forms::TMessage& m);
  void WMNCPaint(forms::TMessage& m);
  void WMEraseBkgnd(forms::TMessage& m);
  void WMPrint(forms::TMessage& m);
  void PaintWholeFromCache(win::HDC dc);
  void CopyFrameFromCache(win::HDC dc);
  void RefreshCorners();
  bool PrepareOrMarkUpdating();
  void DrawCachedText();
  void DrawAddedGlyph();
  void UnskinnedNCPaint(forms::TMessage& m);

  // ---- After the standard handling (sEdit.cpp) ----
  void AfterStandard(forms::TMessage& m);
  void RepaintWithFrame();
  void SelectionWatch(forms::TMessage& m);
  void GlyphOrPaddingChanged();

  std::unique_ptr<TsCtrlSkinData> FCommonData;
  std::unique_ptr<TacAddedGlyph> FAddedGlyph;
  std::unique_ptr<TacPadding> FPadding;
  std::unique_ptr<TsBoundLabel> FBoundLabel;
  TsDisabledKind FDisabledKind = dkBlended;
  forms::TVerticalAlignment FVerticalAlignment = forms::TVerticalAlignment::taAlignTop;
  gfx::TRect FAddedPadding{0, 0, 0, 0};
  gfx::TRect FAddedGlyphRect{-1, 0, 0, 0};
  bool NCDown = false;
};

}  // namespace skin
