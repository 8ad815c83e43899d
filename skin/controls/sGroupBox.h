#pragma once
// TsGroupBox: the skinned group box. A container whose picture is its section ("GROUPBOX")
// painted over the parent's background below a band cut out of the top edge, with the
// caption (check box, text) set into that band in the colours of the nearest ancestor that
// shows through. It answers its children's background questions from that picture and
// paints its non-windowed children over it. Unskinned it paints a classic frame with the
// same caption geometry. The geometry itself is acGroupBoxCaption's.
#include <memory>
#include <string>

#include "platform/forms/StdCtrls.h"
#include "skin/controls/acGroupBoxCaption.h"

namespace skin {

class TsCommonData;
class TsGroupBox;
struct TacBgInfo;
struct TsBackgroundQuery;

// The insets of a group box's caption band. A change while the box is not loading
// repaints it. Values are never negative.
class TsMargin : public forms::TPersistent {
  FORMS_CLASS(TsMargin)
 public:
  explicit TsMargin(TsGroupBox* owner = nullptr) : owner_(owner) {}
  int Left() const { return rect_.Left; }
  void SetLeft(int v) { Set(rect_.Left, v); }
  int Top() const { return rect_.Top; }
  void SetTop(int v) { Set(rect_.Top, v); }
  int Right() const { return rect_.Right; }
  void SetRight(int v) { Set(rect_.Right, v); }
  int Bottom() const { return rect_.Bottom; }
  void SetBottom(int v) { Set(rect_.Bottom, v); }
  const gfx::TRect& AsRect() const { return rect_; }

 private:
  void Set(int& field, int v);
  TsGroupBox* owner_;
  gfx::TRect rect_{2, 0, 2, 0};
};

// Which way the children's Enabled follows the caption check box.
enum TacChildrenStates : int { csNone = 0, csAsChecked = 1, csAsNotChecked = 2 };

class TsGroupBox : public forms::TGroupBox {
  FORMS_CLASS(TsGroupBox)
 public:
  explicit TsGroupBox(forms::TComponent* owner);
  ~TsGroupBox() override;

  TsCommonData* SkinData() const { return skinData_.get(); }

  TsCaptionLayout CaptionLayout() const { return captionLayout_; }
  void SetCaptionLayout(TsCaptionLayout v);
  TsMargin* CaptionMargin() const { return captionMargin_.get(); }
  const std::u16string& CaptionSkin() const { return captionSkin_; }
  void SetCaptionSkin(const std::u16string& v);
  int CaptionWidth() const { return captionWidth_; }
  void SetCaptionWidth(int v);
  int CaptionYOffset() const { return captionYOffset_; }
  void SetCaptionYOffset(int v);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v);
  TacChildrenStates AutoChildrenStates() const { return autoChildrenStates_; }
  void SetAutoChildrenStates(TacChildrenStates v) { autoChildrenStates_ = v; }
  bool CheckBoxVisible() const { return checkBoxVisible_; }
  void SetCheckBoxVisible(bool v);
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  forms::TNotifyEvent OnCheckBoxChanged;

  // The caption geometry for the current font, text and size.
  TacGroupBoxCaption CaptionGeometry();
  // The section the caption text took its colours from at the last picture (-1: none).
  int TextIndex() const { return textIndex_; }
  bool CheckHot() const { return checkHot_; }
  // How often the skinned picture was built.
  int PicturesBuilt() const { return picturesBuilt_; }

  void AdjustClientRect(gfx::TRect& r) const override;
  void Loaded() override;
  void WndProc(forms::TMessage& m) override;
  // Invalidates the window (the picture is rebuilt at the next paint).
  void Invalidate() override;

 protected:
  void Paint() override;
  void CreateWnd() override;

 private:
  // ---- skin commands ----
  bool SkinCommand(forms::TMessage& m);
  void SCRefreshOrRemove(forms::TMessage& m);
  void SCGetBgInfo(forms::TMessage& m);
  void SCPPIChanged(forms::TMessage& m);
  void SCGetBounds(forms::TMessage& m);
  void SCEndUpdate(forms::TMessage& m);
  // ---- window messages ----
  void WMPaint(forms::TMessage& m);
  void WMEraseBkgnd(forms::TMessage& m);
  void WMMouseMove(forms::TMessage& m);
  void WMLButtonDown(forms::TMessage& m);
  void WMLButtonUp(forms::TMessage& m);
  void CMMouseLeave();
  // ---- the picture ----
  void PaintInto(win::HDC dc, bool copying);
  bool PreparePicture();
  void PaintCaptionBand(const TacGroupBoxCaption& g, const TacBgInfo& bg);
  int CaptionTextSection(int bandSection, int bandState);
  gfx::TSize CheckBoxSize();
  void MeasureOn(gfx::Surface& s, TacGroupBoxCaptionInput& in);
  bool HasCaptionContent() const;
  void UpdateChildrenStates();

  std::unique_ptr<TsCommonData> skinData_;
  std::unique_ptr<TsMargin> captionMargin_;
  TsCaptionLayout captionLayout_ = clTopLeft;
  std::u16string captionSkin_;
  int captionWidth_ = 0;
  int captionYOffset_ = 0;
  int imageIndex_ = -1;
  TacChildrenStates autoChildrenStates_ = csNone;
  bool checkBoxVisible_ = false;
  bool checked_ = false;
  bool checkHot_ = false;
  bool checkPressed_ = false;
  int textIndex_ = -1;
  int picturesBuilt_ = 0;
};

}  // namespace skin
