#pragma once
// TacSkinData: one loaded skin at one screen density. Holds the section records, the image
// entries with the pictures they own, the resolved elements and the skin-wide numbers of
// that density, and runs the load steps that fill them from the manager's options ini,
// opened package and master bitmap. It does not find skins, decode the master bitmap or
// fill the palette (TacSkinLoader does), and it draws nothing.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "skin/data/acSkinRecords.h"

namespace skin {

class TacSectionReader;
struct TacImageRef;

class TacSkinData {
 public:
  // An empty set for a density; owner may be nullptr (the shared empty sets).
  TacSkinData(TacSkinLoader* owner, int ppi, int scaleValue);
  TacSkinData(const TacSkinData&) = delete;
  TacSkinData& operator=(const TacSkinData&) = delete;

  // Load steps, run in this order by TacSkinLoader::ReloadSkin.
  void LoadParams();
  void LoadAllMasks();
  void LoadAllGeneralData();
  void InitConstantIndexes();
  void InitMaskIndexes();
  void InitMaskParams();
  void CheckShadows();

  // Frees every record and picture (the sizes of LoadParams stay).
  void Clear();

  // Window shadow pictures, made on first use by the extended-border frame.
  Bitmap32Ptr rsta, rsti;
  bool Initializing = false;
  std::vector<TacBmpData> BmpArray;
  TacSkinLoader* FOwner = nullptr;
  std::int32_t ScaleValue = 0;
  std::int32_t ScalePercent = 100;
  std::int32_t PPI = 96;
  std::int32_t Spacing = 4;
  std::int32_t LineWidth = 2;
  std::int32_t ArrowSize = 5;
  std::int32_t SmallArrowSize = 4;
  std::int32_t ScrollBtnLength = 16;
  std::int32_t Shadow1Blur = -1, Shadow1Offset = 0;
  std::int32_t ExBorderWidth = 4, ExTitleHeight = 30, ExMaxHeight = 30, ExContentOffs = 0, ExCenterOffs = 0;
  std::int32_t ExShadowOffs = 0, ExShadowOffsR = 0, ExShadowOffsT = 0, ExShadowOffsB = 0;
  std::int32_t BIRightMargin = 0, BILeftMargin = 0, BITopMargin = 0;
  std::int32_t WndShadowRadius = 17, WndShadowSize = 13, WndShadowOffset = 2;
  std::int32_t Shadow1Transparency = 0;
  std::int32_t ExDrawMode = 0;
  std::int32_t BISpacing = 0;
  std::int32_t ComboBoxMargin = 2, SliderMargin = 1;
  std::uint8_t TabsCovering = 0, RibbonCovering = 0;
  TColor WndShadowColorN = 0x44000000, WndShadowColorA = 0x99000000;
  TacSideElements Scrolls;     // SCROLLBAR1H, SCROLLBAR1V, SCROLLBAR2H, SCROLLBAR2V
  TacSideElements ScrollBtns;  // SCROLLBTNLEFT, SCROLLBTNTOP, SCROLLBTNRIGHT, SCROLLBTNBOTTOM
  TacSideElements UpDownBtns;  // UPDOWNBTN_LEFT, _TOP, RIGHT, _BOTTOM (else UPDOWNBTN, BUTTON)
  TacBoolElements Sliders;     // SCROLLSLIDERH, SCROLLSLIDERV
  TacConstElementData MenuItem, ComboBtn;
  std::array<std::vector<std::int32_t>, 7> TitleGlows;  // glow pictures of title glyphs 0..4
  std::array<std::int32_t, 7> GlowMargins{};
  std::array<std::int32_t, 13> TitleGlyphs;   // BICLOSEALONE .. TITLEBUTTON, 13th always -1
  std::array<std::int32_t, 2> RadioButton;    // RADIOUNCHECKED, RADIOCHECKED
  std::array<std::int32_t, 3> CheckBox;       // BOXUNCHECKED, BOXCHECKED, BOXGRAYED
  std::array<std::int32_t, 3> SmallCheckBox;  // SMALLUNCHECKED, SMALLCHECKED, SMALLGRAYED
  TacBoolElements TrackBar;                   // section TRACKBAR (both records), for track bars
  TacAllTabs Tabs;
  std::int32_t ExBorder = -1;
  std::int32_t GripVertical = -1, GripHorizontal = -1, GripRightBottom = -1;
  Bitmap32Ptr ShdaTemplate, ShdiTemplate;
  gfx::TRect FormShadowSize;
  std::vector<TsMaskData> ma;
  std::array<TacOutEffData, 2> oe;
  std::vector<TsGeneralData> gd;

  // Names of the title glyphs, the first five of which may have glow pictures.
  static const std::array<std::u16string_view, 13> TitleGlyphNames;

 private:
  // LoadAllMasks.
  void AddMaskEntry(int sectionIndex, std::u16string_view section, std::u16string_view key);
  bool LoadEntryPicture(TsMaskData& md, const TacImageRef& ref);
  void LoadCommonSectionMasks();
  // The index a section of CommonSections has among the records: its own when the skin has
  // it, else after the skin's sections in the order they are merged; -1 when it has none.
  int CommonSectionIndex(std::u16string_view name) const;
  const TacBmpData* FindLoadedPicture(const std::u16string& file, const gfx::TRect& src) const;
  TacBmpData& KeepPicture(const TsMaskData& md, std::u16string file, const gfx::TRect& src, Bitmap32Ptr bmp);
  // LoadAllGeneralData.
  TsGeneralData ReadSection(const TacSkinIni& ini, std::u16string_view name) const;
  void ReadState(const TacSectionReader& reader, int state, TsGenState& out) const;
  void AddProvidedSections();
  void ReadGlobalNumbers();
  void ReadOuterEffect(TacOutEffData& oe, std::u16string_view prefix, bool light);
  // Appends an entry with a computed shadow frame picture; returns its index.
  std::int32_t AddComputedFrame(std::u16string_view section, std::u16string_view key, int radius, int blur,
                                const std::array<int, 4>& offsets, const std::array<TColor, 4>& colors);
  // InitConstantIndexes.
  TacConstElementData ResolveElement(std::initializer_list<std::u16string_view> names);
  void ResolveTitleGlyphs(int global);

  // Fallback copies of sections: (index of the copy, index of the section it copies).
  std::vector<std::pair<int, int>> fallbackCopies_;
};

// An image entry with the fields of an image reference, for a section and key, prepared
// for density mul from a picture drawn for density div. Its picture is not loaded.
TsMaskData MaskDataFromRef(const TacImageRef& ref, std::u16string_view section, std::u16string_view key, int skinIndex,
                           TacSkinLoader* manager, int mul, int div);

// The shared empty data set of a scale index (0..3): no sections and no images, with the
// sizes of its density. One per index for the whole process, made on first use; the manager
// hands them out while no skin is active.
TacSkinData& SharedEmptySkinData(int scaleIndex);
// Makes the four shared empty sets now (process start, before any window exists).
void InitSharedEmptySkinData();

}  // namespace skin
