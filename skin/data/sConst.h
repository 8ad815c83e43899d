#pragma once
// Constant tables of the loaded skin: the 53 sections every skin is asked for by name (with
// the fallbacks for the ones a skin may lack) and the 59 palette entries.
#include <array>
#include <cstdint>
#include <string_view>

#include "skin/render/pixels/sColors.h"

namespace skin {

// Sections resolved at every load, in this order.
enum TacSection : int {
  ssMenuItem,
  ssCheckBox,
  ssSpeedButton,
  ssSpeedButton_Small,
  ssToolButton,
  ssTransparent,
  ssGroupBox,
  ssDivider,
  ssWebBtn,
  ssButton,
  ssComboNoEdit,
  ssButtonHuge,
  ssToolBar,
  ssEdit,
  ssGauge,
  ssSelection,
  ssStatusBar,
  ssPanel,
  ssPanelLow,
  ssTrackBar,
  ssProgressV,
  ssDragBar,
  ssGripH,
  ssGripV,
  ssProgressH,
  ssTabSheet,
  ssUpDown,
  ssComboBox,
  ssCaption,
  ssMainMenu,
  ssSplitter,
  ssComboBtn,
  ssFormTitle,
  ssHint,
  ssDividerV,
  ssPageControl,
  ssTabTop,
  ssBarPanel,
  ssBarTitle,
  ssMenuCaption,
  ssDialogTitle,
  ssMenuButton,
  ssMenuLine,
  ssFormHeader,
  ssTBBtn,
  ssTBMenuBtn,
  ssTBTab,
  ssColHeader,
  ssColHeaderA,
  ssColHeaderL,
  ssColHeaderR,
  ssSlider_Off,
  ssSlider_On,
};
inline constexpr int acSectionCount = 53;

// The section name of each TacSection.
extern const std::array<std::u16string_view, acSectionCount> acSectionNames;

// A section that stands in for another one the skin lacks. Applied in table order, so a
// fallback may itself have been filled by an earlier one.
struct TacSectionFallback {
  TacSection Missing;
  TacSection Replacement;
};
extern const std::array<TacSectionFallback, 11> acSectionFallbacks;

// Section indexes by TacSection; -1 where the skin has none.
using TacIntSections = std::array<std::int32_t, acSectionCount>;

enum TacPaletteColors : int {
  pcMainColor,
  pcLabelText,
  pcWebText,
  pcWebTextHot,
  pcEditText,
  pcEditBG,
  pcSelectionBG,
  pcSelectionText,
  pcSelectionBG_Focused,
  pcSelectionText_Focused,
  pcEditBG_Inverted,
  pcEditText_Inverted,
  pcEditBG_OddRow,
  pcEditBG_EvenRow,
  pcEditText_Ok,
  pcEditText_Warning,
  pcEditText_Alert,
  pcEditText_Caution,
  pcEditText_Bypassed,
  pcEditBG_Ok,
  pcEditBG_Warning,
  pcEditBG_Alert,
  pcEditBG_Caution,
  pcEditBG_Bypassed,
  pcEditText_Highlight1,
  pcEditText_Highlight2,
  pcEditText_Highlight3,
  pcBtnColor1Active,
  pcBtnColor2Active,
  pcBtnBorderActive,
  pcBtnFontActive,
  pcBtnColor1Normal,
  pcBtnColor2Normal,
  pcBtnBorderNormal,
  pcBtnFontNormal,
  pcBtnColor1Pressed,
  pcBtnColor2Pressed,
  pcBtnBorderPressed,
  pcBtnFontPressed,
  pcBtnToneRed,
  pcBtnToneRedActive,
  pcBtnToneGreen,
  pcBtnToneGreenActive,
  pcBtnToneBlue,
  pcBtnToneBlueActive,
  pcBtnToneYellow,
  pcBtnToneYellowActive,
  pcBtnRedText,
  pcBtnRedTextActive,
  pcBtnGreenText,
  pcBtnGreenTextActive,
  pcBtnBlueText,
  pcBtnBlueTextActive,
  pcBtnYellowText,
  pcBtnYellowTextActive,
  pcBorder,
  pcGrid,
  pcHintBG,
  pcHintText,
};
inline constexpr int acPaletteCount = 59;

using TacPaletteArray = std::array<TColor, acPaletteCount>;

}  // namespace skin
