#pragma once
// The framework's standard controls over the window system's standard controls: push
// buttons ("Button"), single- and multi-line edits ("Edit"), and the framework's own
// group box and label. Notifications of the standard controls come back to them as CN_
// messages (clicks, text changes); keyboard handling follows the form's rules (the
// active or default button takes Enter, the cancel button Escape, an accelerator
// letter clicks its button).
#include <memory>

#include "platform/forms/Strings.h"
#include "platform/forms/WinControls.h"

namespace forms {

class TButtonControl : public TWinControl {
  FORMS_CLASS(TButtonControl)
 public:
  explicit TButtonControl(TComponent* owner);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);

 protected:
  void CreateParams(TCreateParams& p) override;

 private:
  bool wordWrap_ = false;
};

class TButton : public TButtonControl {
  FORMS_CLASS(TButton)
 public:
  explicit TButton(TComponent* owner);

  bool Default() const { return default_; }
  void SetDefault(bool v);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v) { cancel_ = v; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult r) { modalResult_ = r; }
  // Whether the button takes Enter now: it has the focus, or it is the default button
  // and no other button has it.
  bool Active() const { return active_; }
  // Sets the form's ModalResult to the button's, then fires OnClick.
  void Click() override;

 protected:
  void CreateParams(TCreateParams& p) override;
  void Dispatch(TMessage& m) override;
  // The default-button look of the window (BS_DEFPUSHBUTTON).
  virtual void SetButtonStyle(bool isDefault);

 private:
  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;
  TModalResult modalResult_ = mrNone;
};

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
const TEnumInfo& EditCharCaseInfo();

class TCustomEdit : public TWinControl {
  FORMS_CLASS(TCustomEdit)
 public:
  explicit TCustomEdit(TComponent* owner);

  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle v);
  // Grey text shown while the edit is empty.
  const std::u16string& TextHint() const { return textHint_; }
  void SetTextHint(const std::u16string& v);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int v);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v);
  char16_t PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char16_t c);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a);
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase c);
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool v) { autoSelect_ = v; }
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool v);
  void SetAutoSize(bool v) override;

  int SelStart() const;
  void SetSelStart(int v);
  int SelLength() const;
  void SetSelLength(int v);
  std::u16string SelText() const;
  void SetSelText(const std::u16string& s);
  void SelectAll();
  void Clear();
  bool Modified() const;
  void SetModified(bool v);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& p) override;
  void CreateWnd() override;
  void InitializeWindow() override;
  void Dispatch(TMessage& m) override;
  virtual void Change();
  // Height from the font: its cell height plus the frame.
  void AdjustHeight();
  void Loaded() override;
  bool creating_ = false;

 private:
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  std::u16string textHint_;
  int maxLength_ = 0;
  bool readOnly_ = false;
  char16_t passwordChar_ = 0;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TEditCharCase charCase_ = TEditCharCase::ecNormal;
  bool autoSelect_ = true;
  bool hideSelection_ = true;
};

class TEdit : public TCustomEdit {
  FORMS_CLASS(TEdit)
 public:
  using TCustomEdit::TCustomEdit;
};

class TCustomMemo;

// The lines of a memo, over the memo's own text: adding a line puts the line and CR LF
// at the end of the text; a batch update stops the memo's repainting until it ends.
class TMemoStrings : public TStrings {
  FORMS_CLASS(TMemoStrings)
 public:
  explicit TMemoStrings(TCustomMemo* memo = nullptr) : memo_(memo) {}
  int Count() const override;
  std::u16string Get(int index) const override;
  void Put(int index, const std::u16string& s) override;
  void Insert(int index, const std::u16string& s) override;
  void Delete(int index) override;
  void Clear() override;
  std::u16string Text() const override;
  void SetText(const std::u16string& text) override;
  TPersistent* GetOwner() const override;

 protected:
  void SetUpdateState(bool updating) override;

 private:
  // Start of each line in the text (a final empty line is not a line).
  std::vector<std::size_t> LineStarts(const std::u16string& t) const;
  // Replaces [from, to) of the memo's text, through the window when there is one.
  void Replace(std::size_t from, std::size_t to, const std::u16string& with);
  TCustomMemo* memo_;
};

class TCustomMemo : public TCustomEdit {
  FORMS_CLASS(TCustomMemo)
 public:
  explicit TCustomMemo(TComponent* owner);
  ~TCustomMemo() override;

  TStrings* Lines() const { return lines_.get(); }
  void SetLines(const TStrings* s) { lines_->Assign(s); }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle v);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool v);
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool v) { wantTabs_ = v; }

 protected:
  void CreateParams(TCreateParams& p) override;
  void Dispatch(TMessage& m) override;

 private:
  std::unique_ptr<TMemoStrings> lines_;
  TScrollStyle scrollBars_ = TScrollStyle::ssNone;
  bool wordWrap_ = true;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
};

class TMemo : public TCustomMemo {
  FORMS_CLASS(TMemo)
 public:
  using TCustomMemo::TCustomMemo;
};

// A frame with a caption in its top edge that holds other controls. Its client area
// starts below the caption: the height of "0" in its font, then 1 pixel (2 with Ctl3D).
class TCustomGroupBox : public TCustomControl {
  FORMS_CLASS(TCustomGroupBox)
 public:
  explicit TCustomGroupBox(TComponent* owner);
  void AdjustClientRect(TRect& r) const override;

 protected:
  void Paint() override;
  void Dispatch(TMessage& m) override;
};

class TGroupBox : public TCustomGroupBox {
  FORMS_CLASS(TGroupBox)
 public:
  using TCustomGroupBox::TCustomGroupBox;
};

enum class TEllipsisPosition { epNone, epPathEllipsis, epEndEllipsis, epWordEllipsis };
const TEnumInfo& EllipsisPositionInfo();

// Text without a window, drawn on its parent: alignment, vertical layout, word wrap,
// automatic size from the text, an accelerator that focuses FocusControl.
class TCustomLabel : public TGraphicControl {
  FORMS_CLASS(TCustomLabel)
 public:
  explicit TCustomLabel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout l);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);
  bool Transparent() const { return !ControlStyle().Contains(TControlStyleItem::csOpaque); }
  void SetTransparent(bool v);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool v);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* c);
  TEllipsisPosition EllipsisPosition() const { return ellipsis_; }
  void SetEllipsisPosition(TEllipsisPosition e);
  void SetAutoSize(bool v) override;
  void Loaded() override;

 protected:
  void Paint() override;
  void Dispatch(TMessage& m) override;
  void Notification(TComponent* c, TOperation op) override;
  // Draws (or with DT_CALCRECT measures) the caption in r with the label's flags.
  virtual void DoDrawText(TRect& r, unsigned flags);
  // Sizes the label to its text when AutoSize is set.
  virtual void AdjustBounds();
  virtual std::u16string GetLabelText() const { return GetText(); }

 private:
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TTextLayout layout_ = TTextLayout::tlTop;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  TWinControl* focusControl_ = nullptr;
  TEllipsisPosition ellipsis_ = TEllipsisPosition::epNone;
};

class TLabel : public TCustomLabel {
  FORMS_CLASS(TLabel)
 public:
  using TCustomLabel::TCustomLabel;
};

// Metrics of a font without a window: a measuring surface shared by everyone.
gfx::TextMetric FontMetrics(const TFont& font);
TSize MeasureText(const TFont& font, std::u16string_view text);

}  // namespace forms
