// Class information of the control, form and application classes, and the names of the
// enumerations they store.
#include "platform/forms/Application.h"
#include "platform/forms/ClassBuilder.h"
#include "platform/forms/Publish.h"

namespace forms {

const TEnumInfo& AlignInfo() {
  static const TEnumInfo i{u"TAlign",
                           {u"alNone", u"alTop", u"alBottom", u"alLeft", u"alRight", u"alClient", u"alCustom"}};
  return i;
}
const TEnumInfo& AnchorKindInfo() {
  static const TEnumInfo i{u"TAnchorKind", {u"akLeft", u"akTop", u"akRight", u"akBottom"}};
  return i;
}
const TEnumInfo& BiDiModeInfo() {
  static const TEnumInfo i{u"TBiDiMode",
                           {u"bdLeftToRight", u"bdRightToLeft", u"bdRightToLeftNoAlign", u"bdRightToLeftReadingOnly"}};
  return i;
}
const TEnumInfo& AlignmentInfo() {
  static const TEnumInfo i{u"TAlignment", {u"taLeftJustify", u"taRightJustify", u"taCenter"}};
  return i;
}
const TEnumInfo& VerticalAlignmentInfo() {
  static const TEnumInfo i{u"TVerticalAlignment", {u"taAlignTop", u"taAlignBottom", u"taVerticalCenter"}};
  return i;
}
const TEnumInfo& TextLayoutInfo() {
  static const TEnumInfo i{u"TTextLayout", {u"tlTop", u"tlCenter", u"tlBottom"}};
  return i;
}
const TEnumInfo& BorderStyleInfo() {
  static const TEnumInfo i{u"TBorderStyle", {u"bsNone", u"bsSingle"}};
  return i;
}
const TEnumInfo& BevelCutInfo() {
  static const TEnumInfo i{u"TBevelCut", {u"bvNone", u"bvLowered", u"bvRaised", u"bvSpace"}};
  return i;
}
const TEnumInfo& BevelKindInfo() {
  static const TEnumInfo i{u"TBevelKind", {u"bkNone", u"bkTile", u"bkSoft", u"bkFlat"}};
  return i;
}
const TEnumInfo& ScrollStyleInfo() {
  static const TEnumInfo i{u"TScrollStyle", {u"ssNone", u"ssHorizontal", u"ssVertical", u"ssBoth"}};
  return i;
}
const TIdentMap& ModalResultIdents() {
  static const TIdentMap m{{{u"mrNone", mrNone},
                            {u"mrOk", mrOk},
                            {u"mrCancel", mrCancel},
                            {u"mrAbort", mrAbort},
                            {u"mrRetry", mrRetry},
                            {u"mrIgnore", mrIgnore},
                            {u"mrYes", mrYes},
                            {u"mrNo", mrNo},
                            {u"mrClose", mrClose},
                            {u"mrHelp", mrHelp},
                            {u"mrTryAgain", mrTryAgain},
                            {u"mrContinue", mrContinue},
                            {u"mrAll", mrAll},
                            {u"mrNoToAll", mrNoToAll},
                            {u"mrYesToAll", mrYesToAll}}};
  return m;
}
const TEnumInfo& FormBorderStyleInfo() {
  static const TEnumInfo i{u"TFormBorderStyle",
                           {u"bsNone", u"bsSingle", u"bsSizeable", u"bsDialog", u"bsToolWindow", u"bsSizeToolWin"}};
  return i;
}
const TEnumInfo& BorderIconInfo() {
  static const TEnumInfo i{u"TBorderIcon", {u"biSystemMenu", u"biMinimize", u"biMaximize", u"biHelp"}};
  return i;
}
const TEnumInfo& PositionInfo() {
  static const TEnumInfo i{u"TPosition",
                           {u"poDesigned", u"poDefault", u"poDefaultPosOnly", u"poDefaultSizeOnly", u"poScreenCenter",
                            u"poDesktopCenter", u"poMainFormCenter", u"poOwnerFormCenter"}};
  return i;
}
const TEnumInfo& WindowStateInfo() {
  static const TEnumInfo i{u"TWindowState", {u"wsNormal", u"wsMinimized", u"wsMaximized"}};
  return i;
}
const TEnumInfo& FormStyleInfo() {
  static const TEnumInfo i{u"TFormStyle", {u"fsNormal", u"fsMDIChild", u"fsMDIForm", u"fsStayOnTop"}};
  return i;
}

FORMS_DEFINE_CLASS(TSizeConstraints, TPersistent, [](auto& b) {
  b.Integer(u"MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight, 0);
  b.Integer(u"MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth, 0);
  b.Integer(u"MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight, 0);
  b.Integer(u"MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth, 0);
})

FORMS_DEFINE_CLASS(TControl, TComponent, [](auto&) {})
FORMS_DEFINE_CLASS(TGraphicControl, TControl, [](auto&) {})
FORMS_DEFINE_CLASS(TWinControl, TControl, [](auto&) {})
FORMS_DEFINE_CLASS(TCustomControl, TWinControl, [](auto&) {})
FORMS_DEFINE_CLASS(TControlCanvas, TCanvas, [](auto&) {})
FORMS_DEFINE_CLASS(TScreen, TComponent, [](auto&) {})
FORMS_DEFINE_CLASS(TApplication, TComponent, [](auto&) {})

FORMS_DEFINE_CLASS(TCustomForm, TWinControl, [](auto&) {})

FORMS_DEFINE_CLASS(TForm, TCustomForm, [](auto& b) {
  publish::Bounds(b);
  b.Integer(u"Width", &TControl::Width, &TControl::SetWidth, std::nullopt).stored = [](const TObject*) {
    return false;
  };
  b.Integer(u"Height", &TControl::Height, &TControl::SetHeight, std::nullopt).stored = [](const TObject*) {
    return false;
  };
  b.template Component<TWinControl>(u"ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl);
  b.Set(u"BorderIcons", BorderIconInfo(), &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons,
        TBorderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize});
  b.Enum(u"BorderStyle", FormBorderStyleInfo(), &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle,
         std::optional(TFormBorderStyle::bsSizeable));
  publish::Caption(b);
  b.Integer(u"ClientHeight", &TControl::ClientHeight, &TCustomForm::SetClientHeight, std::nullopt);
  b.Integer(u"ClientWidth", &TControl::ClientWidth, &TCustomForm::SetClientWidth, std::nullopt);
  publish::Color(b, clBtnFace);
  b.Object(u"Constraints", [](TControl* c) -> TPersistent* { return c->Constraints(); });
  publish::Font(b);
  b.Bool(u"ParentFont", &TControl::ParentFont, &TControl::SetParentFont, false);
  b.Enum(u"FormStyle", FormStyleInfo(), &TCustomForm::FormStyle, &TCustomForm::SetFormStyle,
         std::optional(TFormStyle::fsNormal));
  b.Bool(u"KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview, false);
  b.Integer(u"PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch, std::nullopt);
  b.Enum(u"Position", PositionInfo(), &TCustomForm::Position, &TCustomForm::SetPosition,
         std::optional(TPosition::poDefaultPosOnly));
  b.Bool(u"Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled, true);
  b.Integer(u"TextHeight", &TCustomForm::TextHeight, &TCustomForm::SetTextHeight, std::nullopt);
  publish::State(b, false);
  b.Bool(u"DoubleBuffered", &TWinControl::DoubleBuffered, &TWinControl::SetDoubleBuffered, false);
  b.Enum(u"WindowState", WindowStateInfo(), &TCustomForm::WindowState, &TCustomForm::SetWindowState,
         std::optional(TWindowState::wsNormal));
  publish::MouseEvents(b);
  publish::KeyEvents(b);
  b.Event(u"OnActivate", &TCustomForm::OnActivate);
  b.Event(u"OnClose", &TCustomForm::OnClose);
  b.Event(u"OnCloseQuery", &TCustomForm::OnCloseQuery);
  b.Event(u"OnCreate", &TCustomForm::OnCreate);
  b.Event(u"OnDeactivate", &TCustomForm::OnDeactivate);
  b.Event(u"OnDestroy", &TCustomForm::OnDestroy);
  b.Event(u"OnHide", &TCustomForm::OnHide);
  b.Event(u"OnPaint", &TCustomForm::OnPaint);
  b.Event(u"OnResize", &TControl::OnResize);
  b.Event(u"OnShow", &TCustomForm::OnShow);
})

}  // namespace forms
