#pragma once
// TsBitBtn: the skinned push button with an optional glyph. It keeps the framework bit
// button's behaviour (the standard kinds with their captions, glyphs and modal results, a
// Close button closing its form) and replaces its painting: the section "BUTTON" in the
// button's state over the parent's background, the glyph frame and the caption laid out
// by Layout, Margin, Spacing and the alignments, tinted by its colouring, cross-faded
// between states. Image lists and child controls inside the button are not supported.
#include <memory>

#include "platform/forms/Buttons.h"
#include "skin/controls/acBitBtnLayout.h"
#include "skin/controls/acButtonCommon.h"
#include "skin/controls/sButton.h"

namespace skin {

class Bitmap32;
class TsCommonData;

enum TacDisabledGlyphKindFlag : unsigned { dgBlended = 1, dgGrayed = 2 };

// Called with the finished picture before the disabled look.
using TacBitBtnPaintEvent = forms::TEvent<void(forms::TObject* Sender, Bitmap32* Picture)>;

class TsBitBtn : public forms::TBitBtn, public TacButtonHost {
  FORMS_CLASS(TsBitBtn)
 public:
  explicit TsBitBtn(forms::TComponent* owner);
  ~TsBitBtn() override;

  TsCommonData* SkinData() const { return skinData_.get(); }
  // 0 normal, 1 hot (mouse above or focused), 2 pressed, 3 default button not hot.
  int CurrentState() override;

  unsigned AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(unsigned v) { animatEvents_ = v; }
  bool DrawOverBorder() const { return drawOverBorder_; }
  void SetDrawOverBorder(bool v) { Set(drawOverBorder_, v); }
  bool Reflected() const { return reflected_; }
  void SetReflected(bool v) { Set(reflected_, v); }
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool v) { Set(showCaption_, v); }
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool v) { Set(showFocus_, v); }
  bool Down() const { return down_; }
  void SetDown(bool v);
  bool Grayed() const { return grayed_; }
  void SetGrayed(bool v) { Set(grayed_, v); }
  int Blend() const { return blend_; }
  void SetBlend(int v) { Set(blend_, std::max(0, std::min(v, 100))); }
  int FocusMargin() const { return focusMargin_; }
  void SetFocusMargin(int v) { Set(focusMargin_, v); }
  int TextOffset() const { return textOffset_; }
  void SetTextOffset(int v) { Set(textOffset_, v); }
  forms::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(forms::TAlignment v) { Set(alignment_, v); }
  forms::TAlignment TextAlignment() const { return textAlignment_; }
  void SetTextAlignment(forms::TAlignment v) { Set(textAlignment_, v); }
  forms::TVerticalAlignment VerticalAlignment() const { return verticalAlignment_; }
  void SetVerticalAlignment(forms::TVerticalAlignment v) { Set(verticalAlignment_, v); }
  unsigned DisabledGlyphKind() const { return disabledGlyphKind_; }
  void SetDisabledGlyphKind(unsigned v) { Set(disabledGlyphKind_, v); }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind v) { Set(disabledKind_, v); }
  TColor FocusedColor() const { return focusedColor_; }
  void SetFocusedColor(TColor v) { Set(focusedColor_, v); }
  TColor GlyphColorTone() const { return glyphColorTone_; }
  void SetGlyphColorTone(TColor v) { Set(glyphColorTone_, v); }
  TacGetColoringEvent OnGetColoring;
  TacBitBtnPaintEvent OnPaint;
  forms::TNotifyEvent OnMouseEnter, OnMouseLeave;

  // The colouring record for a state (the answer to scGetColoring).
  TacButtonColoring Coloring(int state) override;
  // The frame of Glyph shown in a state (disabled buttons pass their state too).
  int GlyphFrame(int state) const;
  // The layout of the last picture.
  gfx::TPoint GlyphPos() const { return glyphPos_; }
  const gfx::TRect& CaptionRect() const { return captionRect_; }
  // The glyph's rectangle in the last picture (content shift and reflection included).
  const gfx::TRect& ImgRect() const { return imgRect_; }

  void Loaded() override;
  void WndProc(forms::TMessage& m) override;

  // ---- TacButtonHost ----
  forms::TButton& HostButton() override { return *this; }
  TsCommonData& HostData() override { return *skinData_; }
  bool HostDown() const override { return down_; }
  unsigned HostAnimatEvents() const override { return animatEvents_; }
  void HostMouseEnter() override;
  void HostMouseLeave() override;

 protected:
  void CreateWnd() override;

 private:
  template <class T>
  void Set(T& field, T v) {
    if (field == v) return;
    field = v;
    Repaint(false);
  }
  bool SkinCommand(forms::TMessage& m);
  bool PreparePicture();
  void Layout(gfx::TSize glyph, bool shifted);
  void PaintCaption(int s, const TacButtonColoring& coloring, bool shifted);
  void PaintGlyph(int cs, const TacButtonColoring& coloring);
  void WMPaint(forms::TMessage& m);
  void Repaint(bool now);

  std::unique_ptr<TsCommonData> skinData_;
  TacButtonInput input_{*this};
  unsigned animatEvents_ = aeGlobalDef;
  bool drawOverBorder_ = true;
  bool reflected_ = false;
  bool showCaption_ = true;
  bool showFocus_ = true;
  bool down_ = false;
  bool grayed_ = false;
  int blend_ = 0;
  int focusMargin_ = 1;
  int textOffset_ = 0;
  forms::TAlignment alignment_ = forms::TAlignment::taCenter;
  forms::TAlignment textAlignment_ = forms::TAlignment::taCenter;
  forms::TVerticalAlignment verticalAlignment_ = forms::TVerticalAlignment::taVerticalCenter;
  unsigned disabledGlyphKind_ = 0;
  TsDisabledKind disabledKind_ = dkBlended;
  TColor focusedColor_ = clNone;
  TColor glyphColorTone_ = clNone;
  int oldSpacing_ = 4;
  gfx::TPoint glyphPos_{0, 0};
  gfx::TRect captionRect_{0, 0, 0, 0};
  gfx::TRect imgRect_{0, 0, 0, 0};
};

}  // namespace skin
