#pragma once
// TBitBtn: a push button that draws itself (owner drawing of the standard button) with
// a caption and an optional glyph laid out by Layout, Margin and Spacing. Its Kind gives
// the standard buttons (OK, Cancel, Close, ...) their caption, glyph and modal result; a
// Close button closes its form and fires no click handler.
#include <memory>

#include "platform/forms/Bitmaps.h"
#include "platform/forms/StdCtrls.h"

namespace forms {

enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TButtonStyle { bsAutoDetect, bsWin31, bsNew };
enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
const TEnumInfo& BitBtnKindInfo();
const TEnumInfo& ButtonLayoutInfo();
const TEnumInfo& ButtonStyleInfo();

// The standard glyph of a kind: two 18 x 18 frames side by side (normal, disabled), 16
// colours, the bottom-left pixel the transparent colour. Null for bkCustom.
std::unique_ptr<TBitmap> StandardGlyph(TBitBtnKind kind);
// The caption and modal result a kind gives ("&Close" and none for bkClose).
std::u16string KindCaption(TBitBtnKind kind);
TModalResult KindModalResult(TBitBtnKind kind);

class TBitBtn : public TButton {
  FORMS_CLASS(TBitBtn)
 public:
  explicit TBitBtn(TComponent* owner);
  ~TBitBtn() override;

  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind k);
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(const TBitmap* b);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int n);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout l);
  int Margin() const { return margin_; }
  void SetMargin(int v);
  int Spacing() const { return spacing_; }
  void SetSpacing(int v);
  TButtonStyle Style() const { return style_; }
  void SetStyle(TButtonStyle s) { style_ = s; }

  // A Close button closes its form; others do what a button does.
  void Click() override;

  // Where the glyph and the caption go in a client rectangle (pressed: moved by offset).
  struct Placement {
    TPoint glyph;
    TRect text;
  };
  Placement CalcLayout(TCanvas& canvas, const TRect& client, TPoint offset) const;

 protected:
  void CreateParams(TCreateParams& p) override;
  void Dispatch(TMessage& m) override;
  void SetButtonStyle(bool isDefault) override;
  // Paints face, glyph and caption for an owner-draw request.
  virtual void DrawItem(const void* drawItemStruct);
  bool IsCustomCaption() const;

 private:
  void DrawGlyph(TCanvas& c, TPoint at, TButtonState state) const;
  void GlyphChanged();

  TBitBtnKind kind_ = TBitBtnKind::bkCustom;
  std::unique_ptr<TBitmap> glyph_;
  bool modifiedGlyph_ = false;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  TButtonStyle style_ = TButtonStyle::bsAutoDetect;
  bool isFocused_ = false;
  std::unique_ptr<TCanvas> drawCanvas_;
};

}  // namespace forms
