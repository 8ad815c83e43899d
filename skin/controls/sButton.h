#pragma once
// TsButton: the skinned standard push button. It keeps the framework button's behaviour
// (clicks, default and cancel buttons, keyboard activation, ModalResult) and replaces its
// painting: its picture is the section "BUTTON" in the button's state over the parent's
// background, with the caption centred and the dotted focus rectangle, cross-faded between
// states. The window is owner-drawn, so the platform never paints it; unskinned it draws
// a classic button face itself. Image lists, command links and split buttons are not
// supported.
#include <functional>
#include <memory>

#include "platform/forms/StdCtrls.h"
#include "skin/controls/acButtonCommon.h"

namespace skin {

class TsCommonData;
class TsButton;

// Lets the program change a button's colouring before it paints.
using TacGetColoringEvent = forms::TEvent<void(forms::TObject* Sender, int State, TacButtonColoring& Coloring)>;

class TsButton : public forms::TButton, public TacButtonHost {
  FORMS_CLASS(TsButton)
 public:
  explicit TsButton(forms::TComponent* owner);
  ~TsButton() override;

  TsCommonData* SkinData() const { return skinData_.get(); }
  // 0 normal, 1 hot (mouse above or focused), 2 pressed, 3 default button not hot.
  int CurrentState() override;

  unsigned AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(unsigned v) { animatEvents_ = v; }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind v);
  int FocusMargin() const { return focusMargin_; }
  void SetFocusMargin(int v);
  bool Down() const { return down_; }
  void SetDown(bool v);
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool v);
  int ContentMargin() const { return contentMargin_; }
  void SetContentMargin(int v);
  TacGetColoringEvent OnGetColoring;

  // The colouring record for a state (the answer to scGetColoring).
  TacButtonColoring Coloring(int state) override;
  // Where the caption went in the last picture.
  const gfx::TRect& LastCaptionRect() const { return captionRect_; }

  void Loaded() override;
  void WndProc(forms::TMessage& m) override;

  // ---- TacButtonHost ----
  forms::TButton& HostButton() override { return *this; }
  TsCommonData& HostData() override { return *skinData_; }
  bool HostDown() const override { return down_; }
  unsigned HostAnimatEvents() const override { return animatEvents_; }

 protected:
  void CreateParams(forms::TCreateParams& p) override;
  void CreateWnd() override;

 private:
  bool SkinCommand(forms::TMessage& m);
  bool PreparePicture();
  void PaintCaption(int s, const TacButtonColoring& coloring);
  void DrawUnskinned(const void* drawItem);
  void Repaint(bool now);

  std::unique_ptr<TsCommonData> skinData_;
  TacButtonInput input_{*this};
  unsigned animatEvents_ = aeGlobalDef;
  TsDisabledKind disabledKind_ = dkBlended;
  int focusMargin_ = 1;
  bool down_ = false;
  bool showFocus_ = true;
  int contentMargin_ = 6;
  gfx::TRect captionRect_{0, 0, 0, 0};
};

}  // namespace skin
