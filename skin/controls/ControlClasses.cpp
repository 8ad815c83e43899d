// Class registrations of the skin state objects and their published properties.
#include "platform/forms/ClassBuilder.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/TypInfo.h"
#include "skin/controls/acAddedGlyph.h"
#include "skin/controls/acPadding.h"
#include "skin/controls/sBoundLabel.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sMemo.h"
#include "platform/forms/Bitmaps.h"

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

// ---- Edit and memo ----

namespace skin {

namespace {

enum class TsDisabledKindElement { dkBlended, dkGrayed };
using TsDisabledKindSet = forms::TSet<TsDisabledKindElement>;

const forms::TEnumInfo& DisabledKindInfo() {
  static const forms::TEnumInfo i{u"TsDisabledKindElement", {u"dkBlended", u"dkGrayed"}};
  return i;
}

const forms::TEnumInfo& CaptionLayoutInfo() {
  static const forms::TEnumInfo i{u"TsCaptionLayout", {u"sclLeft", u"sclTopLeft"}};
  return i;
}

// While skinned the section supplies the colour and the font colour: they are stored only
// when the control is not skinned or keeps its own.
bool ColorStored(const forms::TControl& c, const TsCommonData& sd) {
  return !c.ParentColor() && (!sd.Skinned() || sd.FCustomColor);
}
bool FontStored(const forms::TControl& c, const TsCommonData& sd) {
  return !c.ParentFont() && (!sd.Skinned() || sd.FCustomFont);
}

template <class C>
void PublishSkinnedEdit(forms::TClassBuilder<C>& b) {
  b.Integer(u"Color", &forms::TControl::Color, &forms::TControl::SetColor, forms::clWindow, &forms::ColorIdents())
      .stored = [](const forms::TObject* o) {
    const auto* c = static_cast<const C*>(o);
    return ColorStored(*c, *c->SkinData());
  };
  b.Object(u"Font", [](C* c) -> forms::TPersistent* { return c->Font(); }).stored = [](const forms::TObject* o) {
    const auto* c = static_cast<const C*>(o);
    return FontStored(*c, *c->SkinData());
  };
  b.Object(u"BoundLabel", [](C* c) -> forms::TPersistent* { return c->BoundLabel(); });
  b.Set(
      u"DisabledKind", DisabledKindInfo(), [](const C* c) { return TsDisabledKindSet::FromBits(c->DisabledKind()); },
      [](C* c, TsDisabledKindSet v) { c->SetDisabledKind(static_cast<TsDisabledKind>(v.Bits())); },
      TsDisabledKindSet{TsDisabledKindElement::dkBlended});
  b.Object(u"SkinData", [](C* c) -> forms::TPersistent* { return c->SkinData(); });
}

}  // namespace

FORMS_DEFINE_CLASS(TacPadding, forms::TPersistent, [](auto& b) {
  b.Integer(u"Left", &TacPadding::Left, &TacPadding::SetLeft, 0);
  b.Integer(u"Top", &TacPadding::Top, &TacPadding::SetTop, 0);
  b.Integer(u"Right", &TacPadding::Right, &TacPadding::SetRight, 0);
  b.Integer(u"Bottom", &TacPadding::Bottom, &TacPadding::SetBottom, 0);
})

FORMS_DEFINE_CLASS(TacAddedGlyph, forms::TPersistent, [](auto& b) {
  b.Object(u"Glyph", [](TacAddedGlyph* g) -> forms::TPersistent* { return g->Glyph(); }).stored =
      [](const forms::TObject* o) { return static_cast<const TacAddedGlyph*>(o)->Valid(); };
  b.Bool(u"Grayed", &TacAddedGlyph::Grayed, &TacAddedGlyph::SetGrayed, false);
  b.Integer(u"ColorTone", &TacAddedGlyph::ColorTone, &TacAddedGlyph::SetColorTone, static_cast<std::int64_t>(clNone),
            &forms::ColorIdents());
})

FORMS_DEFINE_CLASS(TsBoundLabel, forms::TPersistent, [](auto& b) {
  b.Bool(u"Active", &TsBoundLabel::Active, &TsBoundLabel::SetActive, false);
  b.String(u"Caption", &TsBoundLabel::Caption, &TsBoundLabel::SetCaption);
  b.Integer(u"Indent", &TsBoundLabel::Indent, &TsBoundLabel::SetIndent, 0);
  b.Enum(u"Layout", CaptionLayoutInfo(), &TsBoundLabel::Layout, &TsBoundLabel::SetLayout,
         std::optional(TsCaptionLayout::sclLeft));
})

FORMS_DEFINE_CLASS(TsEdit, forms::TEdit, [](auto& b) {
  PublishSkinnedEdit(b);
  b.Object(u"AddedGlyph", [](TsEdit* e) -> forms::TPersistent* { return e->AddedGlyph(); });
  b.Object(u"Padding", [](TsEdit* e) -> forms::TPersistent* { return e->Padding(); });
  b.Enum(u"VerticalAlignment", forms::VerticalAlignmentInfo(), &TsEdit::VerticalAlignment,
         &TsEdit::SetVerticalAlignment, std::optional(forms::TVerticalAlignment::taAlignTop));
})

FORMS_DEFINE_CLASS(TsMemo, forms::TMemo, [](auto& b) {
  PublishSkinnedEdit(b);
  b.Event(u"OnScrollCaret", &TsMemo::OnScrollCaret);
  b.Event(u"OnVScroll", &TsMemo::OnVScroll);
})

}  // namespace skin
