// Class registrations of the skin state objects and their published properties.
#include "platform/forms/Bitmaps.h"
#include "platform/forms/ClassBuilder.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/Publish.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/TypInfo.h"
#include "skin/controls/ControlClasses.h"
#include "skin/controls/acAddedGlyph.h"
#include "skin/controls/acImage.h"
#include "skin/controls/acPadding.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sBoundLabel.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sMemo.h"
#include "skin/controls/sPanel.h"
#include "skin/data/sSkinManager.h"

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

// ---- Panel, image and labels ----

namespace {

const forms::TEnumInfo& SideShadowModeInfo() {
  static const forms::TEnumInfo i{u"TacSideShadowMode", {u"ssmNone", u"ssmInternal"}};
  return i;
}

const forms::TEnumInfo& SideInfo() {
  static const forms::TEnumInfo i{u"TacSide", {u"asLeft", u"asTop", u"asRight", u"asBottom"}};
  return i;
}

const forms::TEnumInfo& AlignToInfo() {
  static const forms::TEnumInfo i{
      u"TAlignTo", {u"altLeft", u"altTop", u"altBottom", u"altRight", u"altTopCenter", u"altBottomCenter"}};
  return i;
}

}  // namespace

FORMS_DEFINE_CLASS(TacSideShadow, forms::TPersistent, [](auto& b) {
  using S = TacSideShadow;
  b.Enum(u"Mode", SideShadowModeInfo(), &S::Mode, &S::SetMode, std::optional(ssmNone));
  b.Enum(u"Side", SideInfo(), &S::Side, &S::SetSide, std::optional(asRight));
  b.Integer(u"ShadowSize", &S::ShadowSize, &S::SetShadowSize, 6);
  b.Integer(u"Blend", &S::Blend, &S::SetBlend, 48);
})

FORMS_DEFINE_CLASS(TsCustomPanel, forms::TCustomPanel, [](auto&) {})

FORMS_DEFINE_CLASS(TsPanel, TsCustomPanel, [](auto& b) {
  using P = forms::TCustomPanel;
  forms::publish::WinControl(b, forms::clBtnFace, false);
  b.Enum(u"Alignment", forms::AlignmentInfo(), &P::Alignment, &P::SetAlignment,
         std::optional(forms::TAlignment::taCenter));
  b.Enum(u"BevelInner", forms::BevelCutInfo(), &P::BevelInner, &P::SetBevelInner,
         std::optional(forms::TBevelCut::bvNone));
  b.Enum(u"BevelOuter", forms::BevelCutInfo(), &P::BevelOuter, &P::SetBevelOuter,
         std::optional(forms::TBevelCut::bvRaised));
  b.Integer(u"BevelWidth", &forms::TWinControl::BevelWidth, &forms::TWinControl::SetBevelWidth, 1);
  b.Integer(u"BorderWidth", &forms::TWinControl::BorderWidth, &forms::TWinControl::SetBorderWidth, 0);
  b.Enum(u"BorderStyle", forms::BorderStyleInfo(), &P::BorderStyle, &P::SetBorderStyle,
         std::optional(forms::TBorderStyle::bsNone));
  forms::publish::Caption(b);
  b.Bool(u"ShowCaption", &P::ShowCaption, &P::SetShowCaption, true);
  b.Enum(u"VerticalAlignment", forms::VerticalAlignmentInfo(), &P::VerticalAlignment, &P::SetVerticalAlignment,
         std::optional(forms::TVerticalAlignment::taVerticalCenter));
  b.Object(u"SideShadow", [](TsCustomPanel* p) { return p->SideShadow(); });
  b.Object(u"SkinData", [](TsCustomPanel* p) -> forms::TPersistent* { return p->SkinData(); });
  b.Event(u"OnPaint", &TsCustomPanel::FOnPaint);
  b.Event(u"OnResize", &forms::TControl::OnResize);
})

FORMS_DEFINE_CLASS(TsCustomImage, forms::TImage, [](auto&) {})

FORMS_DEFINE_CLASS(TsImage, TsCustomImage, [](auto& b) {
  using I = TsCustomImage;
  forms::publish::Bounds(b);
  forms::publish::Layout(b);
  forms::publish::State(b);
  forms::publish::MouseEvents(b);
  b.Bool(u"AutoSize", &forms::TControl::AutoSize, &forms::TControl::SetAutoSize, false);
  b.Integer(u"Blend", &I::Blend, &I::SetBlend, 0);
  b.Bool(u"Center", &forms::TImage::Center, &forms::TImage::SetCenter, false);
  b.Bool(u"Grayed", &I::Grayed, &I::SetGrayed, false);
  b.Object(u"Picture", [](I* i) -> forms::TPersistent* { return i->Picture(); });
  b.Bool(u"Proportional", &forms::TImage::Proportional, &forms::TImage::SetProportional, false);
  b.Bool(u"Reflected", &I::Reflected, &I::SetReflected, false);
  b.Object(u"SkinData", [](I* i) -> forms::TPersistent* { return i->SkinData(); });
  b.Bool(u"Stretch", &forms::TImage::Stretch, &forms::TImage::SetStretch, false);
  b.Bool(u"Transparent", &forms::TImage::Transparent, &forms::TImage::SetTransparent, false);
  b.Bool(u"UseFullSize", &I::UseFullSize, &I::SetUseFullSize, false);
})

FORMS_DEFINE_CLASS(TsCustomLabel, forms::TCustomLabel, [](auto&) {})

namespace {

// The published properties every skinned label shares.
template <class B>
void PublishLabel(B& b) {
  using L = forms::TCustomLabel;
  using S = TsCustomLabel;
  forms::publish::GraphicControl(b, forms::clBtnFace);
  b.Enum(u"Alignment", forms::AlignmentInfo(), &L::Alignment, &L::SetAlignment,
         std::optional(forms::TAlignment::taLeftJustify));
  b.Bool(u"AutoSize", &forms::TControl::AutoSize, &L::SetAutoSize, true);
  forms::publish::Caption(b);
  b.Enum(u"EllipsisPosition", forms::EllipsisPositionInfo(), &L::EllipsisPosition, &L::SetEllipsisPosition,
         std::optional(forms::TEllipsisPosition::epNone));
  b.template Component<forms::TWinControl>(u"FocusControl", &L::FocusControl, &L::SetFocusControl);
  b.Enum(u"Layout", forms::TextLayoutInfo(), &L::Layout, &L::SetLayout, std::optional(forms::TTextLayout::tlTop));
  b.Bool(u"ShowAccelChar", &L::ShowAccelChar, &L::SetShowAccelChar, true);
  b.String(u"SkinSection", &S::SkinSection, &S::SetSkinSection);
  b.template Component<TsSkinManager>(u"SkinManager", &S::SkinManager, &S::SetSkinManager);
  b.Bool(u"Transparent", &L::Transparent, &L::SetTransparent, true);
  b.Bool(u"TransparentForMouse", &S::TransparentForMouse, &S::SetTransparentForMouse, false);
  b.Bool(u"UseSkinColor", &TsLabel::UseSkinColor, &TsLabel::SetUseSkinColor, true);
  b.Bool(u"WordWrap", &L::WordWrap, &L::SetWordWrap, false);
}

}  // namespace

FORMS_DEFINE_CLASS(TsLabel, TsCustomLabel, [](auto& b) { PublishLabel(b); })

FORMS_DEFINE_CLASS(TsStickyLabel, TsLabel, [](auto& b) {
  using S = TsStickyLabel;
  PublishLabel(b);
  b.Enum(u"AlignTo", AlignToInfo(), &S::AlignTo, &S::SetAlignTo, std::optional(altLeft));
  b.template Component<forms::TControl>(u"AttachTo", &S::AttachTo, &S::SetAttachTo);
  b.Integer(u"Gap", &S::Gap, &S::SetGap, 2);
})

void RegisterPanelImageLabelClasses() {
  forms::RegisterClasses({&TacSideShadow::StaticClass(), &TsCtrlSkinData::StaticClass(), &TsPanel::StaticClass(),
                          &TsImage::StaticClass(), &TsLabel::StaticClass(), &TsStickyLabel::StaticClass()});
}

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

const forms::TEnumInfo& BoundLabelLayoutInfo() {
  static const forms::TEnumInfo i{u"TsBoundLabelLayout", {u"sclLeft", u"sclTopLeft"}};
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
  b.Enum(u"Layout", BoundLabelLayoutInfo(), &TsBoundLabel::Layout, &TsBoundLabel::SetLayout,
         std::optional(TsBoundLabelLayout::sclLeft));
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
