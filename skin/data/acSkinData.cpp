#include "skin/data/acSkinData.h"

#include <memory>

#include "skin/data/EngineState.h"
#include "skin/data/acImageRef.h"
#include "skin/data/acScaleVariants.h"
#include "skin/data/acSkinLoader.h"

namespace skin {

const std::array<std::u16string_view, 13> TacSkinData::TitleGlyphNames = {
    u"BICLOSEALONE", u"BICONCLOSE", u"BICONMAX",  u"BICONMIN",  u"BICONNORM",   u"BICONHELP", u"SICONCLOSE",
    u"SICONMAX",     u"SICONMIN",   u"SICONNORM", u"SICONHELP", u"TITLEBUTTON", u"",
};

TacSkinData::TacSkinData(TacSkinLoader* owner, int ppi, int scaleValue)
    : FOwner(owner), ScaleValue(scaleValue), PPI(ppi) {
  TitleGlyphs.fill(-1);
  RadioButton.fill(-1);
  CheckBox.fill(-1);
  SmallCheckBox.fill(-1);
  LoadParams();
}

void TacSkinData::LoadParams() {
  ScalePercent = PPI * 100 / 96;
  Spacing = 4 * PPI / 96;
  LineWidth = 2 * PPI / 96;
  ArrowSize = 5 * PPI / 96;
  SmallArrowSize = 4 * PPI / 96;
  ScrollBtnLength = 16 * PPI / 96;
}

void TacSkinData::Clear() {
  rsta.reset();
  rsti.reset();
  ShdaTemplate.reset();
  ShdiTemplate.reset();
  FormShadowSize = {};
  ma.clear();
  gd.clear();
  BmpArray.clear();
  oe = {};
  Scrolls = {};
  ScrollBtns = {};
  UpDownBtns = {};
  Sliders = {};
  MenuItem = {};
  ComboBtn = {};
  TrackBar = {};
  Tabs = {};
  for (auto& glows : TitleGlows) glows.clear();
  GlowMargins.fill(0);
  TitleGlyphs.fill(-1);
  RadioButton.fill(-1);
  CheckBox.fill(-1);
  SmallCheckBox.fill(-1);
  ExBorder = GripVertical = GripHorizontal = GripRightBottom = -1;
  fallbackCopies_.clear();
}

TsMaskData MaskDataFromRef(const TacImageRef& ref, std::u16string_view section, std::u16string_view key, int skinIndex,
                           TacSkinLoader* manager, int mul, int div) {
  TsMaskData md;
  md.ClassName = std::u16string(section);
  md.PropertyName = std::u16string(key);
  md.SkinIndex = skinIndex;
  md.R = ref.R;
  md.ImageCount = static_cast<std::int16_t>(ref.ImageCount);
  md.MaskType = static_cast<std::int16_t>(ref.MaskType);
  md.ImgType = static_cast<TacImgType>(ref.ImgType);
  md.DrawMode = static_cast<std::uint16_t>(ref.DrawMode);
  md.Manager = manager;
  md.Master = manager != nullptr ? manager->MasterBitmap.get() : nullptr;
  md.MulPPi = mul;
  md.DivPPI = div;
  md.WL = static_cast<std::int16_t>(ref.WL);
  md.WT = static_cast<std::int16_t>(ref.WT);
  md.WR = static_cast<std::int16_t>(ref.WR);
  md.WB = static_cast<std::int16_t>(ref.WB);
  return md;
}

TacSkinData& SharedEmptySkinData(int scaleIndex) {
  auto& sets = detail::Engine().emptySets;
  if (!sets[0]) {
    for (int i = 0; i < acScaleCount; ++i)
      sets[static_cast<std::size_t>(i)] = std::make_unique<TacSkinData>(nullptr, acScalePPI[i], i);
  }
  if (scaleIndex < 0) scaleIndex = 0;
  if (scaleIndex >= acScaleCount) scaleIndex = acScaleCount - 1;
  return *sets[static_cast<std::size_t>(scaleIndex)];
}

void InitSharedEmptySkinData() { (void)SharedEmptySkinData(0); }

}  // namespace skin
