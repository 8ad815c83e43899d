// Class information of the framework's standard controls and dialogs (buttons, edits,
// memos, group boxes, labels, bit buttons, panels, images, the message form and the file
// dialogs): their published properties with the defaults they use.
#include "platform/forms/Buttons.h"
#include "platform/forms/ClassBuilder.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/Publish.h"
#include "platform/forms/StdCtrls.h"

namespace forms {

FORMS_DEFINE_CLASS(TButtonControl, TWinControl, [](auto&) {})

FORMS_DEFINE_CLASS(TButton, TButtonControl, [](auto& b) {
  publish::WinControl(b, clBtnFace, true);
  publish::Caption(b);
  b.Bool(u"Cancel", &TButton::Cancel, &TButton::SetCancel, false);
  b.Bool(u"Default", &TButton::Default, &TButton::SetDefault, false);
  b.Integer(u"ModalResult", &TButton::ModalResult, &TButton::SetModalResult, mrNone, &ModalResultIdents());
  b.Bool(u"WordWrap", &TButtonControl::WordWrap, &TButtonControl::SetWordWrap, false);
})

FORMS_DEFINE_CLASS(TCustomEdit, TWinControl, [](auto&) {})

FORMS_DEFINE_CLASS(TEdit, TCustomEdit, [](auto& b) {
  publish::WinControl(b, clWindow, true);
  b.Enum(u"Alignment", AlignmentInfo(), &TCustomEdit::Alignment, &TCustomEdit::SetAlignment,
         std::optional(TAlignment::taLeftJustify));
  b.Bool(u"AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect, true);
  b.Bool(u"AutoSize", &TControl::AutoSize, &TCustomEdit::SetAutoSize, true);
  b.Enum(u"BorderStyle", BorderStyleInfo(), &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle,
         std::optional(TBorderStyle::bsSingle));
  publish::Bevels(b);
  b.Enum(u"CharCase", EditCharCaseInfo(), &TCustomEdit::CharCase, &TCustomEdit::SetCharCase,
         std::optional(TEditCharCase::ecNormal));
  b.Bool(u"HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection, true);
  b.Integer(u"MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength, 0);
  b.Char(u"PasswordChar", &TCustomEdit::PasswordChar, &TCustomEdit::SetPasswordChar, u'\0');
  b.Bool(u"ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly, false);
  publish::Caption(b, u"Text");
  b.String(u"TextHint", &TCustomEdit::TextHint, &TCustomEdit::SetTextHint);
  b.Event(u"OnChange", &TCustomEdit::OnChange);
})

FORMS_DEFINE_CLASS(TCustomMemo, TCustomEdit, [](auto&) {})

FORMS_DEFINE_CLASS(TMemo, TCustomMemo, [](auto& b) {
  publish::WinControl(b, clWindow, true);
  b.Enum(u"Alignment", AlignmentInfo(), &TCustomEdit::Alignment, &TCustomEdit::SetAlignment,
         std::optional(TAlignment::taLeftJustify));
  b.Enum(u"BorderStyle", BorderStyleInfo(), &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle,
         std::optional(TBorderStyle::bsSingle));
  publish::Bevels(b);
  b.Bool(u"HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection, true);
  b.Object(u"Lines", [](TCustomMemo* m) -> TPersistent* { return m->Lines(); });
  b.Integer(u"MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength, 0);
  b.Bool(u"ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly, false);
  b.Enum(u"ScrollBars", ScrollStyleInfo(), &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars,
         std::optional(TScrollStyle::ssNone));
  b.String(u"TextHint", &TCustomEdit::TextHint, &TCustomEdit::SetTextHint);
  b.Bool(u"WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns, true);
  b.Bool(u"WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs, false);
  b.Bool(u"WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap, true);
  b.Event(u"OnChange", &TCustomEdit::OnChange);
})

FORMS_DEFINE_CLASS(TCustomGroupBox, TCustomControl, [](auto&) {})

FORMS_DEFINE_CLASS(TGroupBox, TCustomGroupBox, [](auto& b) {
  publish::WinControl(b, clBtnFace, false);
  publish::Caption(b);
})

FORMS_DEFINE_CLASS(TCustomLabel, TGraphicControl, [](auto&) {})

FORMS_DEFINE_CLASS(TLabel, TCustomLabel, [](auto& b) {
  publish::GraphicControl(b, clBtnFace);
  b.Enum(u"Alignment", AlignmentInfo(), &TCustomLabel::Alignment, &TCustomLabel::SetAlignment,
         std::optional(TAlignment::taLeftJustify));
  b.Bool(u"AutoSize", &TControl::AutoSize, &TCustomLabel::SetAutoSize, true);
  publish::Caption(b);
  b.Enum(u"EllipsisPosition", EllipsisPositionInfo(), &TCustomLabel::EllipsisPosition,
         &TCustomLabel::SetEllipsisPosition, std::optional(TEllipsisPosition::epNone));
  b.template Component<TWinControl>(u"FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl);
  b.Enum(u"Layout", TextLayoutInfo(), &TCustomLabel::Layout, &TCustomLabel::SetLayout,
         std::optional(TTextLayout::tlTop));
  b.Bool(u"ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar, true);
  b.Bool(u"Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent, false);
  b.Bool(u"WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap, false);
})

FORMS_DEFINE_CLASS(TBitBtn, TButton, [](auto& b) {
  publish::WinControl(b, clBtnFace, true);
  publish::Caption(b).stored = [](const TObject* o) { return static_cast<const TBitBtn*>(o)->IsCustomCaption(); };
  b.Bool(u"Cancel", &TButton::Cancel, &TButton::SetCancel, false);
  b.Bool(u"Default", &TButton::Default, &TButton::SetDefault, false);
  b.Object(u"Glyph", [](TBitBtn* x) -> TPersistent* { return x->Glyph(); }).stored = [](const TObject* o) {
    auto* x = static_cast<const TBitBtn*>(o);
    return x->Kind() == TBitBtnKind::bkCustom && !x->Glyph()->Empty();
  };
  b.Enum(u"Kind", BitBtnKindInfo(), &TBitBtn::Kind, &TBitBtn::SetKind, std::optional(TBitBtnKind::bkCustom));
  b.Enum(u"Layout", ButtonLayoutInfo(), &TBitBtn::Layout, &TBitBtn::SetLayout,
         std::optional(TButtonLayout::blGlyphLeft));
  b.Integer(u"Margin", &TBitBtn::Margin, &TBitBtn::SetMargin, -1);
  b.Integer(u"ModalResult", &TButton::ModalResult, &TButton::SetModalResult, mrNone, &ModalResultIdents()).stored =
      [](const TObject* o) {
        auto* x = static_cast<const TBitBtn*>(o);
        return x->ModalResult() != KindModalResult(x->Kind());
      };
  b.Integer(u"NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs, 1).stored = [](const TObject* o) {
    return static_cast<const TBitBtn*>(o)->Kind() == TBitBtnKind::bkCustom;
  };
  b.Integer(u"Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing, 4);
  b.Enum(u"Style", ButtonStyleInfo(), &TBitBtn::Style, &TBitBtn::SetStyle, std::optional(TButtonStyle::bsAutoDetect));
  b.Bool(u"WordWrap", &TButtonControl::WordWrap, &TButtonControl::SetWordWrap, false);
})

FORMS_DEFINE_CLASS(TCustomPanel, TCustomControl, [](auto&) {})

FORMS_DEFINE_CLASS(TPanel, TCustomPanel, [](auto& b) {
  publish::WinControl(b, clBtnFace, false);
  b.Enum(u"Alignment", AlignmentInfo(), &TCustomPanel::Alignment, &TCustomPanel::SetAlignment,
         std::optional(TAlignment::taCenter));
  b.Enum(u"BevelInner", BevelCutInfo(), &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner,
         std::optional(TBevelCut::bvNone));
  b.Enum(u"BevelOuter", BevelCutInfo(), &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter,
         std::optional(TBevelCut::bvRaised));
  b.Integer(u"BevelWidth", &TWinControl::BevelWidth, &TWinControl::SetBevelWidth, 1);
  b.Integer(u"BorderWidth", &TWinControl::BorderWidth, &TWinControl::SetBorderWidth, 0);
  b.Enum(u"BorderStyle", BorderStyleInfo(), &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle,
         std::optional(TBorderStyle::bsNone));
  publish::Caption(b);
  b.Bool(u"FullRepaint", &TCustomPanel::FullRepaint, &TCustomPanel::SetFullRepaint, true);
  b.Bool(u"ShowCaption", &TCustomPanel::ShowCaption, &TCustomPanel::SetShowCaption, true);
  b.Enum(u"VerticalAlignment", VerticalAlignmentInfo(), &TCustomPanel::VerticalAlignment,
         &TCustomPanel::SetVerticalAlignment, std::optional(TVerticalAlignment::taVerticalCenter));
  b.Event(u"OnResize", &TControl::OnResize);
})

FORMS_DEFINE_CLASS(TImage, TGraphicControl, [](auto& b) {
  publish::Bounds(b);
  publish::Layout(b);
  publish::State(b);
  publish::MouseEvents(b);
  b.Bool(u"AutoSize", &TControl::AutoSize, &TControl::SetAutoSize, false);
  b.Bool(u"Center", &TImage::Center, &TImage::SetCenter, false);
  b.Object(u"Picture", [](TImage* i) -> TPersistent* { return i->Picture(); });
  b.Bool(u"Proportional", &TImage::Proportional, &TImage::SetProportional, false);
  b.Bool(u"Stretch", &TImage::Stretch, &TImage::SetStretch, false);
  b.Bool(u"Transparent", &TImage::Transparent, &TImage::SetTransparent, false);
})

FORMS_DEFINE_CLASS(TMessageForm, TForm, [](auto&) {})

FORMS_DEFINE_CLASS(TCommonDialog, TComponent, [](auto& b) {
  b.Event(u"OnShow", &TCommonDialog::OnShow);
  b.Event(u"OnClose", &TCommonDialog::OnClose);
})

FORMS_DEFINE_CLASS(TOpenDialog, TCommonDialog, [](auto& b) {
  b.String(u"DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt);
  b.String(u"FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName);
  b.String(u"Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter);
  b.Integer(u"FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex, 1);
  b.String(u"InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir);
  b.Set(u"Options", OpenOptionInfo(), &TOpenDialog::Options, &TOpenDialog::SetOptions,
        TOpenOptions{TOpenOption::ofHideReadOnly, TOpenOption::ofEnableSizing});
  b.String(u"Title", &TOpenDialog::Title, &TOpenDialog::SetTitle);
})

FORMS_DEFINE_CLASS(TSaveDialog, TOpenDialog, [](auto&) {})

}  // namespace forms
