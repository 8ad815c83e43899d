#pragma once
// The kind codes of skinned controls (COC) and the six fixed sets that select shared
// behaviour by kind; the table of default sections a control names by number.
#include <cstdint>
#include <string_view>

namespace skin {

enum TacControlKind : std::uint8_t {
  cocEdit = 3,
  cocMemo = 7,
  cocImage = 50,
  cocPanel = 51,
  cocGroupBox = 74,
  cocGraphicInvalidate = 92,  // a non-windowed kind that is told scInvalidate to repaint
  cocButton = 93,             // also standard push buttons skinned by an adapter
  cocBitBtn = 94,
  cocDialog = 223,
  cocForm = 224,
  cocFrameAdapter = 226,
  cocEditAdapter = 231,
};

// Mouse hover never sets FMouseAbove and never makes the state hot.
bool NoHoverState(int coc);
// Hover alone does not make the state hot nor switch to hot colours.
bool HoverNotHot(int coc);
// Answers its children's background questions without its hover state; no glow on enter.
bool IsContainerKind(int coc);
// Color and Font.Color follow the state (normal or hot) on focus and hover changes.
bool ColorsFollowState(int coc);
// Recomputes its window frame after scRefresh.
bool FrameRefreshOnSkinRefresh(int coc);
// Starts its own fades and glows on mouse enter and leave.
bool AnimatesItself(int coc);

// The 19 default section names, by their 1-based number.
inline constexpr int acDefaultSectionCount = 19;
// The name of number n (1..19), or an empty view outside that range.
std::u16string_view DefaultSectionName(int n);
// Whether a control of default number n must store its SkinSection: when it differs from
// the table's entry, or n is outside 1..19.
bool SkinSectionStored(int n, std::u16string_view skinSection);

// The fixed section name of kinds that do not ask their owner, or an empty view.
std::u16string_view FixedSectionOfKind(int coc);

}  // namespace skin
