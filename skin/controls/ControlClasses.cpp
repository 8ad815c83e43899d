// Class registrations of the skin state objects and their published properties.
#include "platform/forms/ClassBuilder.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/TypInfo.h"
#include "skin/controls/sCommonData.h"

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

}  // namespace skin
