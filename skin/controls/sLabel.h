#pragma once
// Labels drawn in the skin's text colours: TsCustomLabel (the skin's label colour, an
// optional section painted behind the text), TsLabel (the text colours of the section that
// shows behind it) and TsStickyLabel, which keeps a fixed place beside another control
// and follows its moves, visibility and enabled state. Layout and measuring are the
// platform label's; these classes choose colours, sections and the ellipsis.
#include <string>

#include "platform/forms/StdCtrls.h"
#include "platform/gfx/Geometry.h"
#include "skin/render/pixels/sColors.h"

namespace skin {

class TsSkinManager;

class TsCustomLabel : public forms::TCustomLabel {
  FORMS_CLASS(TsCustomLabel)
 public:
  explicit TsCustomLabel(forms::TComponent* owner);
  void Loaded() override;

  const std::u16string& SkinSection() const { return FSkinSection; }
  void SetSkinSection(const std::u16string& v);
  // The manager set for the label (nullptr: the default one).
  TsSkinManager* SkinManager() const { return FSkinManager; }
  void SetSkinManager(TsSkinManager* v);
  // The manager in use.
  TsSkinManager* GetSkinManager() const;
  bool TransparentForMouse() const { return FTransparentForMouse; }
  void SetTransparentForMouse(bool v) { FTransparentForMouse = v; }
  // The index of SkinSection in the active skin, looked up when unresolved; -1: none.
  int SkinIndex();
  // The colour the caption is drawn in.
  virtual TColor CurrentFontColor();

  void WndProc(forms::TMessage& m) override;

 protected:
  void Paint() override;
  void DoDrawText(gfx::TRect& r, unsigned flags) override;
  void Notification(forms::TComponent* c, forms::TOperation op) override;
  // Shortens a word-wrapped text with "..." until it fits the label's height.
  std::u16string ShortenToHeight(const std::u16string& text, const gfx::TRect& r, unsigned flags);
  bool ActiveManager() const;

  std::u16string FSkinSection;
  int FSkinIndex = -1;
  TsSkinManager* FSkinManager = nullptr;
  bool FSavedParentFont = false;
  bool FTransparentForMouse = false;

 private:
  void CMTextOrFontChanged();
  // The mouse passes through: true when answered.
  bool CMHitTest(forms::TMessage& m);
  // Skin commands, after the platform's handling.
  void AfterSkinCommand(forms::TMessage& m);
  void SCRemoveSkin();
  void SCRefresh();
  void SCFontChanged();
  void SCGetTextSection(forms::TMessage& m);
  void SCIsOpaqueChild(forms::TMessage& m);
};

class TsLabel : public TsCustomLabel {
  FORMS_CLASS(TsLabel)
 public:
  using TsCustomLabel::TsCustomLabel;
  bool UseSkinColor() const { return FUseSkinColor; }
  void SetUseSkinColor(bool v);
  TColor CurrentFontColor() override;

 private:
  bool FUseSkinColor = true;
};

enum TAlignTo : int { altLeft = 0, altTop = 1, altBottom = 2, altRight = 3, altTopCenter = 4, altBottomCenter = 5 };

class TsStickyLabel : public TsLabel {
  FORMS_CLASS(TsStickyLabel)
 public:
  using TsLabel::TsLabel;
  ~TsStickyLabel() override;
  void Destroy() override;
  void Loaded() override;

  // Distance to the attached control in pixels at 96 dots per inch.
  int Gap() const { return FGap; }
  void SetGap(int v);
  TAlignTo AlignTo() const { return FAlignTo; }
  void SetAlignTo(TAlignTo v);
  forms::TControl* AttachTo() const { return FAttachTo; }
  // Attaches to c (nullptr: detaches). The label joins c's message chain and leaves it
  // by itself, so hooks that joined c later stay in place.
  void SetAttachTo(forms::TControl* c);
  // Puts the label at its place beside the attached control.
  void AlignToAttached();

  void WndProc(forms::TMessage& m) override;

 protected:
  void Notification(forms::TComponent* c, forms::TOperation op) override;

 private:
  void Detach();
  void AttachedWndProc(forms::TMessage& m);

  int FGap = 2;
  TAlignTo FAlignTo = altLeft;
  forms::TControl* FAttachTo = nullptr;
  bool FRealigning = false;
};

}  // namespace skin
