// Class registrations of the skin state objects and their published properties.
#include "platform/forms/ClassBuilder.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/TypInfo.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sGroupBox.h"

namespace skin {

namespace {

const forms::TEnumInfo& OuterVisibilityInfo() {
  static const forms::TEnumInfo i{u"TacOuterVisibility", {u"ovNone", u"ovAlways"}};
  return i;
}

}  // namespace

FORMS_DEFINE_CLASS(TacOuterEffects, forms::TPersistent, [](auto& b) {
  b.Enum(u"Visibility", OuterVisibilityInfo(), &TacOuterEffects::Visibility, &TacOuterEffects::SetVisibility,
         std::optional(ovNone));
})

FORMS_DEFINE_CLASS(TacScrollData, forms::TPersistent, [](auto& b) {
  b.Integer(u"ScrollWidth", &TacScrollData::ScrollWidth, &TacScrollData::SetScrollWidth, -1);
  b.Integer(u"ButtonsSize", &TacScrollData::ButtonsSize, &TacScrollData::SetButtonsSize, -1);
})

FORMS_DEFINE_CLASS(TsCommonData, forms::TPersistent, [](auto& b) {
  using D = TsCommonData;
  b.Bool(u"CustomColor", &D::CustomColor, &D::SetCustomColor, false);
  b.Bool(u"CustomFont", &D::CustomFont, &D::SetCustomFont, false);
  b.Object(u"OuterEffects", [](D* d) { return d->OuterEffects(); });
  b.String(u"SkinSection", &D::SkinSection, &D::SetSkinSection);
})

FORMS_DEFINE_CLASS(TsCtrlSkinData, TsCommonData, [](auto& b) {
  using D = TsCtrlSkinData;
  b.Integer(u"HUEOffset", &D::HUEOffset, &D::SetHUEOffset, 0);
  b.Integer(u"Saturation", &D::Saturation, &D::SetSaturation, 0);
  b.Integer(u"ColorTone", &D::ColorTone, &D::SetColorTone, static_cast<std::int64_t>(clNone), &forms::ColorIdents());
})

FORMS_DEFINE_CLASS(TsScrollWndData, TsCommonData, [](auto& b) {
  b.Object(u"HorzScrollData", [](TsScrollWndData* d) { return d->HorzScrollData.get(); });
  b.Object(u"VertScrollData", [](TsScrollWndData* d) { return d->VertScrollData.get(); });
})

// ---- Group box and push buttons ----

namespace {

const forms::TEnumInfo& CaptionLayoutInfo() {
  static const forms::TEnumInfo i{u"TsCaptionLayout", {u"clTopLeft", u"clTopCenter", u"clTopRight"}};
  return i;
}
const forms::TEnumInfo& ChildrenStatesInfo() {
  static const forms::TEnumInfo i{u"TacChildrenStates", {u"csNone", u"csAsChecked", u"csAsNotChecked"}};
  return i;
}

}  // namespace

FORMS_DEFINE_CLASS(TsMargin, forms::TPersistent, [](auto& b) {
  b.Integer(u"Left", &TsMargin::Left, &TsMargin::SetLeft, 2);
  b.Integer(u"Top", &TsMargin::Top, &TsMargin::SetTop, 0);
  b.Integer(u"Right", &TsMargin::Right, &TsMargin::SetRight, 2);
  b.Integer(u"Bottom", &TsMargin::Bottom, &TsMargin::SetBottom, 0);
})

FORMS_DEFINE_CLASS(TsGroupBox, forms::TGroupBox, [](auto& b) {
  using G = TsGroupBox;
  b.Enum(u"AutoChildrenStates", ChildrenStatesInfo(), &G::AutoChildrenStates, &G::SetAutoChildrenStates,
         std::optional(csNone));
  b.Enum(u"CaptionLayout", CaptionLayoutInfo(), &G::CaptionLayout, &G::SetCaptionLayout, std::optional(clTopLeft));
  b.Object(u"CaptionMargin", [](G* g) -> forms::TPersistent* { return g->CaptionMargin(); });
  b.String(u"CaptionSkin", &G::CaptionSkin, &G::SetCaptionSkin);
  b.Integer(u"CaptionWidth", &G::CaptionWidth, &G::SetCaptionWidth, 0);
  b.Integer(u"CaptionYOffset", &G::CaptionYOffset, &G::SetCaptionYOffset, 0);
  b.Bool(u"CheckBoxVisible", &G::CheckBoxVisible, &G::SetCheckBoxVisible, false);
  b.Bool(u"Checked", &G::Checked, &G::SetChecked, false);
  b.Integer(u"ImageIndex", &G::ImageIndex, &G::SetImageIndex, -1);
  b.Object(u"SkinData", [](G* g) -> forms::TPersistent* { return g->SkinData(); });
  b.Event(u"OnCheckBoxChanged", &G::OnCheckBoxChanged);
})

FORMS_DEFINE_CLASS(TsButton, forms::TButton, [](auto& b) {
  using B = TsButton;
  b.Integer(u"ContentMargin", &B::ContentMargin, &B::SetContentMargin, 6);
  b.Integer(u"DisabledKind", &B::DisabledKind, &B::SetDisabledKind, static_cast<std::int64_t>(dkBlended));
  b.Bool(u"Down", &B::Down, &B::SetDown, false);
  b.Integer(u"FocusMargin", &B::FocusMargin, &B::SetFocusMargin, 1);
  b.Bool(u"ShowFocus", &B::ShowFocus, &B::SetShowFocus, true);
  b.Object(u"SkinData", [](B* x) -> forms::TPersistent* { return x->SkinData(); });
})

FORMS_DEFINE_CLASS(TsBitBtn, forms::TBitBtn, [](auto& b) {
  using B = TsBitBtn;
  b.Enum(u"Alignment", forms::AlignmentInfo(), &B::Alignment, &B::SetAlignment,
         std::optional(forms::TAlignment::taCenter));
  b.Integer(u"Blend", &B::Blend, &B::SetBlend, 0);
  b.Integer(u"DisabledKind", &B::DisabledKind, &B::SetDisabledKind, static_cast<std::int64_t>(dkBlended));
  b.Bool(u"Down", &B::Down, &B::SetDown, false);
  b.Bool(u"DrawOverBorder", &B::DrawOverBorder, &B::SetDrawOverBorder, true);
  b.Integer(u"FocusMargin", &B::FocusMargin, &B::SetFocusMargin, 1);
  b.Integer(u"FocusedColor", &B::FocusedColor, &B::SetFocusedColor, static_cast<std::int64_t>(clNone),
            &forms::ColorIdents());
  b.Integer(u"GlyphColorTone", &B::GlyphColorTone, &B::SetGlyphColorTone, static_cast<std::int64_t>(clNone),
            &forms::ColorIdents());
  b.Bool(u"Grayed", &B::Grayed, &B::SetGrayed, false);
  b.Bool(u"Reflected", &B::Reflected, &B::SetReflected, false);
  b.Bool(u"ShowCaption", &B::ShowCaption, &B::SetShowCaption, true);
  b.Bool(u"ShowFocus", &B::ShowFocus, &B::SetShowFocus, true);
  b.Object(u"SkinData", [](B* x) -> forms::TPersistent* { return x->SkinData(); });
  b.Enum(u"TextAlignment", forms::AlignmentInfo(), &B::TextAlignment, &B::SetTextAlignment,
         std::optional(forms::TAlignment::taCenter));
  b.Integer(u"TextOffset", &B::TextOffset, &B::SetTextOffset, 0);
  b.Enum(u"VerticalAlignment", forms::VerticalAlignmentInfo(), &B::VerticalAlignment, &B::SetVerticalAlignment,
         std::optional(forms::TVerticalAlignment::taVerticalCenter));
  b.Event(u"OnMouseEnter", &B::OnMouseEnter);
  b.Event(u"OnMouseLeave", &B::OnMouseLeave);
})

}  // namespace skin
