// The manager's published properties and those of its settings objects, their class
// registration, and the skin engine's process start.
#include <algorithm>

#include "platform/base/TextCase.h"
#include "platform/forms/ClassBuilder.h"
#include "platform/forms/Filer.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/TypInfo.h"
#include "skin/data/EngineState.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sSkinManager.h"

namespace skin {

namespace {

const forms::TEnumInfo& ScaleModeInfo() {
  static const forms::TEnumInfo i{
      u"TacScaleMode", {u"sm100", u"sm125", u"sm150", u"sm200", u"smAuto", u"smOldMode", u"smVCL", u"smCustomPPI"}};
  return i;
}
const forms::TEnumInfo& ArrowsStyleInfo() {
  static const forms::TEnumInfo i{u"TacArrowsStyle", {u"arsDefault", u"arsSolid", u"arsLines"}};
  return i;
}
const forms::TEnumInfo& OptimizingInfo() {
  static const forms::TEnumInfo i{u"TacOptimizingPriority", {u"opSpeed", u"opMemory"}};
  return i;
}
const forms::TEnumInfo& GroupBoxStyleInfo() {
  static const forms::TEnumInfo i{u"TacGroupBoxStyle", {u"gsStandard", u"gsCard"}};
  return i;
}
const forms::TEnumInfo& SkinsFilterInfo() {
  static const forms::TEnumInfo i{u"TacSkinsFilterItem", {u"sfiInternal", u"sfiExternal"}};
  return i;
}
const forms::TEnumInfo& SkinningRuleInfo() {
  static const forms::TEnumInfo i{u"TacSkinningRule", {u"srStdForms", u"srStdDialogs", u"srThirdParty"}};
  return i;
}

// Setters of plain fields, for the class builders.
template <class T, class V>
auto FieldSetter(V T::*field) {
  return [field](T* o, V v) { o->*field = v; };
}

}  // namespace

bool acOldGlyphsMode() { return detail::Engine().oldGlyphsMode; }
void SetOldGlyphsMode(bool on) { detail::Engine().oldGlyphsMode = on; }
bool acPreviewRun() { return detail::Engine().previewRun; }

// ---- Settings objects ----

TacScaleMode TacOptions::ScaleMode() const { return manager_ ? manager_->Settings.ScaleMode : TacScaleMode::smVCL; }
void TacOptions::SetScaleMode(TacScaleMode v) {
  if (manager_ == nullptr || manager_->Settings.ScaleMode == v) return;
  manager_->Settings.ScaleMode = v;
  if (manager_->OnScaleModeChange) manager_->OnScaleModeChange(manager_);
}
int TacOptions::PixelsPerInch() const { return manager_ ? manager_->Settings.PixelsPerInch : 96; }
void TacOptions::SetPixelsPerInch(int v) {
  // A density of zero or less would divide by zero when values are scaled.
  if (manager_ != nullptr && v > 0) manager_->Settings.PixelsPerInch = v;
}

const std::array<const char16_t*, acThirdPartyCount> TsThirdPartyList::Names = {
    u"ThirdEdits",     u"ThirdButtons",    u"ThirdBitBtns",      u"ThirdCheckBoxes",    u"ThirdComboBoxes",
    u"ThirdGrids",     u"ThirdGroupBoxes", u"ThirdListViews",    u"ThirdPanels",        u"ThirdTreeViews",
    u"ThirdWWEdits",   u"ThirdGridEh",     u"ThirdVirtualTrees", u"ThirdPageControl",   u"ThirdTabControl",
    u"ThirdToolBar",   u"ThirdStatusBar",  u"ThirdSpeedButton",  u"ThirdScrollControl", u"ThirdUpDown",
    u"ThirdScrollBar", u"ThirdStaticText", u"ThirdNativePaint"};

TsThirdPartyList::TsThirdPartyList() {
  for (int i = 0; i < acThirdPartyCount; ++i) Texts[static_cast<std::size_t>(i)] = DefaultText(i);
}

std::u16string TsThirdPartyList::DefaultText(int index) { return index == tpButton ? u"TButton" : u" "; }

TsStoredSkinItem::TsStoredSkinItem(forms::TCollection* collection)
    : forms::TCollectionItem(collection), skin_(&static_cast<TsStoredSkinsCollection*>(collection)->Skins().Add()) {}

TsStoredSkinItem::~TsStoredSkinItem() {
  auto* owner = static_cast<TsStoredSkinsCollection*>(Collection());
  if (owner == nullptr) return;
  TsStoredSkins& skins = owner->Skins();
  for (int i = 0; i < skins.Count(); ++i)
    if (&skins[i] == skin_) {
      skins.Delete(i);
      break;
    }
}

std::u16string TsStoredSkinItem::GetDisplayName() const {
  return skin_->Name.empty() ? forms::TCollectionItem::GetDisplayName() : skin_->Name;
}

void TsStoredSkinItem::DefineProperties(forms::TFiler& filer) {
  forms::TCollectionItem::DefineProperties(filer);
  TsStoredSkin* s = skin_;
  filer.DefineBinaryProperty(
      u"Data", [s](std::span<const std::uint8_t> d) { s->PackedData.assign(d.begin(), d.end()); },
      [s](std::vector<std::uint8_t>& out) { out = s->PackedData; }, !s->PackedData.empty());
  filer.DefineProperty(
      u"OriginName", [s](forms::TReader& r) { s->OrigName = r.ReadString(); },
      [s](forms::TWriter& w) { w.WriteString(s->OrigName); }, !s->OrigName.empty());
}

TsStoredSkinsCollection::TsStoredSkinsCollection(forms::TPersistent* owner, TsStoredSkins& skins)
    : forms::TOwnedCollection(owner, TsStoredSkinItem::StaticClass()), skins_(skins) {}

// ---- Class information ----

FORMS_DEFINE_CLASS(TacButtonsSupport, forms::TPersistent, [](auto& b) {
  b.Bool(u"OldGlyphsMode", &TacButtonsSupport::OldGlyphsMode, &TacButtonsSupport::SetOldGlyphsMode, false);
  b.Bool(u"ShowFocusRect", &TacButtonsSupport::ShowFocusRect, FieldSetter(&TacButtonsSupport::ShowFocusRect), false);
  b.Bool(u"ShiftContentOnClick", &TacButtonsSupport::ShiftContentOnClick,
         FieldSetter(&TacButtonsSupport::ShiftContentOnClick), true);
  b.Bool(u"AllowRTLSysButtons", &TacButtonsSupport::AllowRTLSysButtons,
         FieldSetter(&TacButtonsSupport::AllowRTLSysButtons), true);
})

FORMS_DEFINE_CLASS(TacOptions, forms::TPersistent, [](auto& b) {
  using O = TacOptions;
  b.Bool(u"ChangeSysColors", &O::ChangeSysColors, FieldSetter(&O::ChangeSysColors), false);
  b.Bool(u"CheckEmptyAlpha", &O::CheckEmptyAlpha, FieldSetter(&O::CheckEmptyAlpha), false);
  b.Bool(u"DrawNonClientArea", &O::DrawNonClientArea, FieldSetter(&O::DrawNonClientArea), true);
  b.Bool(u"NativeBordersMaximized", &O::NativeBordersMaximized, FieldSetter(&O::NativeBordersMaximized), false);
  b.Bool(u"NoMouseHover", &O::NoMouseHover, FieldSetter(&O::NoMouseHover), false);
  b.Bool(u"StdGlyphsOrder", &O::StdGlyphsOrder, FieldSetter(&O::StdGlyphsOrder), false);
  b.Bool(u"StdImgTransparency", &O::StdImgTransparency, FieldSetter(&O::StdImgTransparency), false);
  b.Enum(u"ArrowsStyle", ArrowsStyleInfo(), &O::ArrowsStyle, FieldSetter(&O::ArrowsStyle),
         std::optional(TacArrowsStyle::arsDefault));
  b.Enum(u"OptimizingPriority", OptimizingInfo(), &O::OptimizingPriority, FieldSetter(&O::OptimizingPriority),
         std::optional(TacOptimizingPriority::opSpeed));
  b.Enum(u"ScaleMode", ScaleModeInfo(), &O::ScaleMode, &O::SetScaleMode, std::optional(TacScaleMode::smVCL));
  b.Integer(u"PixelsPerInch", &O::PixelsPerInch, &O::SetPixelsPerInch, 96);
  b.Enum(u"GroupBoxStyle", GroupBoxStyleInfo(), &O::GroupBoxStyle, FieldSetter(&O::GroupBoxStyle),
         std::optional(TacGroupBoxStyle::gsStandard));
})

FORMS_DEFINE_CLASS(TacScrollBarsSupport, forms::TPersistent, [](auto& b) {
  b.Integer(u"ScrollSize", &TacScrollBarsSupport::ScrollSize, FieldSetter(&TacScrollBarsSupport::ScrollSize), -1);
  b.Integer(u"ButtonsSize", &TacScrollBarsSupport::ButtonsSize, FieldSetter(&TacScrollBarsSupport::ButtonsSize), -1);
})

FORMS_DEFINE_CLASS(TsThirdPartyList, forms::TPersistent, [](auto& b) {
  for (int i = 0; i < acThirdPartyCount; ++i) {
    const auto at = static_cast<std::size_t>(i);
    b.String(
        TsThirdPartyList::Names[at], [at](const TsThirdPartyList* l) { return l->Texts[at]; },
        [at](TsThirdPartyList* l, const std::u16string& v) { l->Texts[at] = v; });
  }
})

FORMS_DEFINE_CLASS(TsStoredSkinItem, forms::TCollectionItem, [](auto& b) {
  using I = TsStoredSkinItem;
  b.String(
      u"Name", [](const I* i) { return i->Skin().Name; }, [](I* i, const std::u16string& v) { i->Skin().Name = v; });
  b.Integer(
      u"Shadow1Color", [](const I* i) { return i->Skin().Shadow1Color; },
      [](I* i, std::int64_t v) { i->Skin().Shadow1Color = static_cast<TColor>(v); }, 0, &forms::ColorIdents());
  b.Integer(
      u"Shadow1Offset", [](const I* i) { return i->Skin().Shadow1Offset; },
      [](I* i, std::int64_t v) { i->Skin().Shadow1Offset = static_cast<std::int32_t>(v); }, 0);
  b.Integer(
      u"Shadow1Blur", [](const I* i) { return i->Skin().Shadow1Blur; },
      [](I* i, std::int64_t v) { i->Skin().Shadow1Blur = static_cast<std::int32_t>(v); }, -1);
  b.Integer(
      u"Shadow1Transparency", [](const I* i) { return i->Skin().Shadow1Transparency; },
      [](I* i, std::int64_t v) { i->Skin().Shadow1Transparency = static_cast<std::int32_t>(v); }, 0);
  b.Integer(
      u"BorderColor", [](const I* i) { return i->Skin().BorderColor; },
      [](I* i, std::int64_t v) { i->Skin().BorderColor = static_cast<TColor>(v); }, 0xFF00FF, &forms::ColorIdents());
  b.Float(
      u"Version", [](const I* i) { return i->Skin().Version; }, [](I* i, double v) { i->Skin().Version = v; }, 0.0);
  b.String(
      u"Author", [](const I* i) { return i->Skin().Author; },
      [](I* i, const std::u16string& v) { i->Skin().Author = v; });
  b.String(
      u"Description", [](const I* i) { return i->Skin().Description; },
      [](I* i, const std::u16string& v) { i->Skin().Description = v; });
})

FORMS_DEFINE_CLASS(TsStoredSkinsCollection, forms::TOwnedCollection, [](auto&) {})

FORMS_DEFINE_CLASS(TsSkinManager, forms::TComponent, [](auto& b) {
  using M = TsSkinManager;
  b.Event(u"OnActivate", &M::OnActivate);
  b.Event(u"OnScaleModeChange", &M::OnScaleModeChange);
  b.Set(u"SkinsFilter", SkinsFilterInfo(), &M::SkinsFilter, FieldSetter(&M::SkinsFilter),
        TacSkinsFilter{TacSkinsFilterItem::sfiInternal, TacSkinsFilterItem::sfiExternal});
  b.Object(u"ButtonsOptions", [](M* m) { return &m->ButtonsOptions; });
  b.Bool(u"Active", &M::Active, &M::SetActive, true);
  b.Bool(u"ExtendedBorders", &M::ExtendedBorders, &M::SetExtendedBorders, false);
  b.Bool(u"IsDefault", &M::IsDefault, &M::SetIsDefault, true);
  b.Bool(u"SkinnedPopups", &M::SkinnedPopups, FieldSetter(&M::SkinnedPopups), true);
  b.Integer(u"Brightness", &M::Brightness, &M::SetBrightness, 0);
  b.Integer(u"HueOffset", &M::HueOffset, FieldSetter(&M::HueOffset), 0);
  b.Integer(u"Saturation", &M::Saturation, FieldSetter(&M::Saturation), 0);
  b.Object(u"CommonSections", [](M* m) { return &m->CommonSections; });
  b.Object(u"InternalSkins", [](M* m) { return &m->InternalSkinsItems; });
  b.Object(u"Options", [](M* m) { return &m->Options; });
  b.Object(u"ScrollsOptions", [](M* m) { return &m->ScrollsOptions; });
  b.String(u"SkinDirectory", &M::SkinDirectory, &M::SetSkinDirectory);
  b.String(u"SkinName", &M::SkinName, &M::SetSkinName);
  // Written with the description; what is read is ignored.
  b.String(u"SkinInfo", &M::SkinInfo, [](M*, const std::u16string&) {});
  b.Set(u"SkinningRules", SkinningRuleInfo(), &M::SkinningRules, &M::SetSkinningRules,
        TacSkinningRules{TacSkinningRule::srStdForms, TacSkinningRule::srStdDialogs, TacSkinningRule::srThirdParty});
  b.Object(u"ThirdParty", [](M* m) { return &m->ThirdParty; });
  // Read only: never written, ignored when read.
  b.String(u"Version", &M::Version, [](M*, const std::u16string&) {}).stored = [](const forms::TObject*) {
    return false;
  };
  b.Event(u"OnAfterChange", &M::OnAfterChange);
  b.Event(u"OnBeforeChange", &M::OnBeforeChange);
  b.Event(u"OnDeactivate", &M::OnDeactivate);
  b.Event(u"OnFontChanged", &M::OnFontChanged);
  b.Event(u"OnScaleChanged", &M::OnScaleChanged);
  b.Event(u"OnSkinListChanged", &M::OnSkinListChanged);
  b.Event(u"OnSkinLoading", &M::OnSkinLoading);
  b.Event(u"OnSkinChanging", &M::OnSkinChanging);
})

void RegisterSkinManagerClasses() {
  forms::RegisterClasses({&TsSkinManager::StaticClass(), &TsStoredSkinItem::StaticClass(),
                          &TsStoredSkinsCollection::StaticClass(), &TacButtonsSupport::StaticClass(),
                          &TacOptions::StaticClass(), &TacScrollBarsSupport::StaticClass(),
                          &TsThirdPartyList::StaticClass()});
}

void SkinEngineStartup(const std::vector<std::u16string>& params) {
  InitSharedEmptySkinData();
  RegisterSkinManagerClasses();
  detail::Engine().previewRun = !params.empty() && params[0] == u"/acpreview";
  if (std::any_of(params.begin(), params.end(),
                  [](const std::u16string& p) { return base::EqualsIgnoreAsciiCase(p, u"/acver"); })) {
    SkinMessageSink().Show(TacMsgKind::Plain, u"Quillon v" + std::u16string(acEngineVersion));
  }
}

void SkinEngineShutdown() { detail::ResetEngine(); }

}  // namespace skin
