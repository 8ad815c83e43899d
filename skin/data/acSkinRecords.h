#pragma once
// The records of a loaded skin: one per section state, per section, per image entry, per
// outer effect, per resolved element, per loaded picture, and the skin-wide facts that do
// not depend on the screen density. Plain data; the loader fills them and painting reads
// them.
#include <array>
#include <cstdint>
#include <string>

#include "platform/gfx/Geometry.h"
#include "skin/data/sConst.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/acGradient.h"
#include "skin/render/pixels/sColors.h"

namespace skin {

class TacSkinIni;
class TacSkinLoader;

// Text colours of one state; -1 in an edge colour means no outline on that side.
struct TsFontColor {
  TColor Color = 0;
  TColor Left = TColor(-1);
  TColor Top = TColor(-1);
  TColor Right = TColor(-1);
  TColor Bottom = TColor(-1);
};

// One state of a section: 0 normal, 1 hot or focused, 2 pressed or the third look.
struct TsGenState {
  std::int32_t GlowSize = 0;
  std::int32_t ImagePercent = 0;
  std::int32_t TextureIndex = -1;
  std::int32_t Transparency = 0;
  std::int32_t GradientPercent = 0;
  TColor Color = 0xFFFFFF;
  TColor GlowColor = 0xFFFFFF;
  TsFontColor FontColor;
  TsGradArray GradientArray;
};

using TsProps = std::array<TsGenState, 3>;

// One section of the options text (or one the loader provides).
struct TsGeneralData {
  std::u16string ParentClass;
  std::u16string ClassName;
  TsProps Props;
  bool UseState2 = false;
  bool GiveOwnFont = false;
  bool ShiftOnClick = false;
  bool ReservedBoolean = false;
  std::int32_t States = 3;
  // -2 without a border image; -1 for EDIT and ALPHAEDIT whose border widths are all 1.
  std::int32_t ScrollBorderOffset = -2;
  std::int32_t GlowCount = 0;
  std::int32_t GlowMargin = 0;
  std::int32_t GlowSize = 0;
  std::int32_t HotGlowSize = 0;
  std::int32_t BorderIndex = -1;
  std::int32_t ImgTL = -1;
  std::int32_t ImgTR = -1;
  std::int32_t ImgBL = -1;
  std::int32_t ImgBR = -1;
  TColor HotGlowColor = 0;
  TColor GlowColor = 0;
  std::int32_t OuterMode = 2;
  std::int32_t OuterMask = -1;
  std::int32_t OuterOpacity = 200;
  gfx::TRect OuterOffset{-1, -1, -1, -1};
  std::int32_t OuterBlur = 9;
  std::int32_t OuterRadius = 9;
  TColor OuterColorL = 0;
  TColor OuterColorT = 0;
  TColor OuterColorR = 0;
  TColor OuterColorB = 0;
};

enum TacImgType : std::int32_t {
  itisaBorder = 0,
  itisaTexture = 1,
  itisaGlyph = 2,
  itisaGlow = 3,
  itisaPngGlyph = 4,
};

// DrawMode bits the loader reads.
inline constexpr std::uint16_t dmNoRescale = 8;  // an area of the master bitmap is never rescaled
inline constexpr std::uint16_t dmOwnAlpha = 16;  // the picture has its own alpha, no key colour

// One image entry: pictures of the states side by side, in its own bitmap or in an area
// of the master bitmap.
struct TsMaskData {
  // The entry's own picture (owned by its data set's BmpArray); nullptr: R lies in Master.
  Bitmap32* Bmp = nullptr;
  // The owner's master bitmap, set with Manager; the loader keeps its address while the
  // skin's data sets live.
  const Bitmap32* Master = nullptr;
  std::u16string ClassName;
  std::u16string PropertyName;
  gfx::TRect R;
  std::int16_t ImageCount = 0;
  std::int16_t MaskType = 0;
  std::uint16_t DrawMode = 0;
  TacImgType ImgType = itisaBorder;
  // The owner; an entry without one is not drawn.
  TacSkinLoader* Manager = nullptr;
  std::int16_t WL = 0, WT = 0, WR = 0, WB = 0;
  // 1: a corner area of a state picture holds the key colour; 2: BUTTON_HUGE's border.
  std::int32_t Cfg = 0;
  std::int32_t MulPPi = 96;  // density the entry is prepared for
  std::int32_t DivPPI = 96;  // density the picture was drawn for
  std::int32_t SkinIndex = -1;
  std::int32_t Width = 0;   // one state picture
  std::int32_t Height = 0;  // one picture, without the mask half
};

// An outer effect of controls: [0] light, [1] shadow.
struct TacOutEffData {
  TColor ColorL = 0, ColorT = 0, ColorR = 0, ColorB = 0;
  std::int32_t OffsetL = 0, OffsetT = 0, OffsetR = 0, OffsetB = 0;
  std::int32_t WidthL = -1, WidthT = -1, WidthR = -1, WidthB = -1;
  std::int32_t Blur = 0;
  std::int32_t Radius = 0;
  std::int32_t Mask = -1;
  std::int32_t Source = 0;
  std::int32_t Opacity = 0;
};

// A section resolved by name with the image entries controls need most.
struct TacConstElementData {
  std::int32_t SkinIndex = -1;
  std::int32_t MaskIndex = -1;                      // BORDERSMASK
  std::int32_t GlyphIndex = -1;                     // GLYPHMASK
  std::array<std::int32_t, 3> BGIndex{-1, -1, -1};  // PATTERN, HOTPATTERN, unused
  std::u16string SkinSection;                       // the section name found; empty when none was
};

enum TacSide : int { asLeft, asTop, asRight, asBottom };
enum TacTabLayout : int { tlFirst, tlLast, tlMiddle, tlSingle };

using TacSideElements = std::array<TacConstElementData, 4>;
using TacBoolElements = std::array<TacConstElementData, 2>;  // [0] False, [1] True
using TacAllTabs = std::array<TacSideElements, 4>;           // [TacTabLayout][TacSide]

// A picture loaded from a file, rescaled or computed, shared by the entries that use it.
struct TacBmpData {
  std::int32_t MulPPI = 96;
  std::int32_t DivPPI = 96;
  std::int32_t MaskType = 0;
  std::u16string Path;      // section "-" key of the entry that made it
  std::u16string FileName;  // upper-cased file name; empty for areas of the master bitmap
  Bitmap32Ptr Bmp;
  gfx::TRect R;        // usable area of Bmp
  gfx::TRect SrcRect;  // the area the entry asked for in its source
};

// Skin-wide facts that do not depend on the density (the manager's SkinCommonInfo).
struct TacSkinCommonInfo {
  bool Active = false;
  bool UseAeroBluring = false;
  double Version = 0;
  std::u16string Author;
  std::u16string SkinPath;  // folder of an unpacked skin with trailing separator; else empty
  std::u16string MainFont;
  std::u16string Description;
  TColor FXColor = 0;
  TColor Shadow1Color = 0;
  TColor SysInactiveBorderColor = 0;
  std::int32_t ArrowStyle = 0;
  std::int32_t BIVAlign = 0;
  std::int32_t BIKeepHUE = 0;
  std::int32_t BrightMin = -50;
  std::int32_t BrightMax = 50;
  std::int32_t IndexGlobalInfo = -1;
  TacIntSections Sections = AllSectionsMissing();
  const TacSkinIni* OptionsDat = nullptr;  // the manager's options ini

  static TacIntSections AllSectionsMissing() {
    TacIntSections s;
    s.fill(-1);
    return s;
  }
};

}  // namespace skin
