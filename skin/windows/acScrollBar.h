#pragma once
// TacScrollBar: one skinned scroll bar of an adapted window (one per direction): which
// arrows are disabled, whether the window's style asks for the bar and whether the
// non-client layout shows it, its explicit sizes and the platform scroll information it
// was last painted from. Plain data; TacScrollWnd fills and reads it.
#include <cstdint>

#include "platform/win/ScrollApi.h"

namespace skin {

class TacScrollWnd;

// Bits of fScrollFlags.
inline constexpr std::uint32_t sfArrowBeforeDisabled = 1;
inline constexpr std::uint32_t sfArrowAfterDisabled = 2;
inline constexpr std::uint32_t sfStyleAsks = 8;  // the window style has the bar's WS_HSCROLL / WS_VSCROLL

// Timers on the adapted window.
inline constexpr win::UINT_PTR acHoverTimer = 0xFFF2;        // hover polling, 20 ms
inline constexpr win::UINT_PTR acFirstRepeatTimer = 0xFFFD;  // first repeat, 300 ms
inline constexpr win::UINT_PTR acRepeatTimer = 0xFFFE;       // repeat, 55 ms
inline constexpr win::UINT acHoverPollMs = 20;
inline constexpr win::UINT acFirstRepeatMs = 300;
inline constexpr win::UINT acRepeatMs = 55;

struct TacScrollBar {
  std::uint32_t fScrollFlags = 0;
  int nBarType = 0;       // SB_HORZ (0) or SB_VERT (1)
  int nArrowWidth = -1;   // explicit thickness, -1 automatic
  int nArrowLength = -1;  // explicit arrow button length, -1 automatic
  int nButSizeAfter = 0;
  int nButSizeBefore = 0;
  bool fButVisibleBefore = false;
  bool fButVisibleAfter = false;
  int nMinThumbSize = 16;
  bool fScrollVisible = false;
  win::SCROLLINFO ScrollInfo;
  TacScrollWnd* Owner = nullptr;

  bool Vertical() const { return nBarType == 1; }
};

}  // namespace skin
