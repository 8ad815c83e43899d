#pragma once
// TsMemo: the skinned multi-line edit. The platform paints its text area, caret and
// selection in the colours of the section "EDIT" (normal or focused); its frame and
// scroll bars come from a window adapter of the window-skinning layer (acEditAdapter),
// made while the memo is skinned. Without a registered adapter the memo paints the
// section's border into its frame itself and keeps the platform's scroll bars. Clearing
// the text always tells of a change, also when the memo was already empty.
#include <memory>

#include "platform/forms/StdCtrls.h"
#include "skin/render/pixels/acPixelEffects.h"

namespace skin {

class TsScrollWndData;
class TsBoundLabel;
class TacEditAdapter;

class TsMemo : public forms::TMemo {
  FORMS_CLASS(TsMemo)
 public:
  explicit TsMemo(forms::TComponent* owner);
  ~TsMemo() override;

  TsScrollWndData* SkinData() const { return FCommonData.get(); }
  TsBoundLabel* BoundLabel() const { return FBoundLabel.get(); }
  TsDisabledKind DisabledKind() const { return FDisabledKind; }
  void SetDisabledKind(TsDisabledKind v);
  // The window adapter while skinned with one registered, else nullptr.
  TacEditAdapter* ListSW() const { return FListSW.get(); }

  forms::TNotifyEvent OnScrollCaret;
  forms::TNotifyEvent OnVScroll;

  void SetText(const std::u16string& s) override;
  void WndProc(forms::TMessage& m) override;
  void Loaded() override;

 protected:
  void CreateWnd() override;
  void DestroyWnd() override;

 private:
  bool SkinCommand(forms::TMessage& m);
  void SCRemoveSkin(forms::TMessage& m);
  void SCRefresh(forms::TMessage& m);
  void WMPaint(forms::TMessage& m);
  void WMNCPaint(forms::TMessage& m);
  void WMChar(forms::TMessage& m);
  void AfterStandard(forms::TMessage& m);
  // Color and Font.Color of the state the memo is in (focused or not).
  void FollowStateColors();
  void CreateAdapter();
  void FreeAdapter();
  void RedrawWithFrame();

  std::unique_ptr<TsScrollWndData> FCommonData;
  std::unique_ptr<TsBoundLabel> FBoundLabel;
  std::unique_ptr<TacEditAdapter> FListSW;
  TsDisabledKind FDisabledKind = dkBlended;
};

}  // namespace skin
