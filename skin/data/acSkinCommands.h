#pragma once
// The skin engine's private window message and its command codes, and the two routines
// that carry a command to a window and through a control's children. Every piece of the
// engine (manager, controls, forms) talks through these.
#include <cstdint>

#include "platform/forms/Messages.h"
#include "platform/win/Types.h"

namespace forms {
class TWinControl;
}

namespace skin {

// The message number of every skin command.
inline constexpr win::UINT SkinCmdMessage = 0xA100;

// Command codes, in the high word of WParam.
enum TacSkinCommand : std::uint16_t {
  scNewSkin = 1,
  scRemoveSkin = 2,
  scRefresh = 3,
  scGetSkinProvider = 4,  // a form's provider (a pointer), 0 without one
  scEndUpdate = 6,
  scIsSkinned = 7,
  scSetUpdating = 8,
  scGetDefaultIndex = 9,
  scIsUpdating = 10,
  scIsHalfVisible = 11,
  scInvalidateSection = 13,
  scSetSection = 15,
  scStopFade = 16,
  scParentBgChanged = 17,
  scInvalidate = 18,
  scBgVaries = 19,
  scMoved = 20,
  scGetBgColor = 21,
  scSetHalfVisible = 22,
  scPrepareCache = 23,
  scControlLoaded = 25,
  scGetSkinIndex = 26,
  scMouseEnter = 29,
  scMouseLeave = 30,
  scBeginUpdateOwner = 31,
  scEndUpdateOwner = 32,
  scResetCache = 33,
  scGetBgInfo = 34,
  scFontChanged = 36,
  scGetSkinDataObject = 37,
  scSetPrintDC = 38,
  scPaintOuterEffect = 40,
  scBeforeScroll = 51,
  scAfterScroll = 52,
  scUpdateFrame = 53,
  scGetColoring = 54,
  scGetClientOrigin = 61,
  scGetTextSection = 66,
  scGetFrameWidth = 67,
  scPPIChanged = 68,
  scGetPPI = 69,
  scGetBounds = 70,
  scApplyPreview = 71,  // the application window: load the skin of the preview buffer
  scIsOpaqueChild = 85,
  scGetCommonSkinData = 86,
  scGetDefaultKind = 88,
};

// WParam of a command: the code in the high word, a small argument in the low word.
constexpr win::WPARAM SkinCmdWParam(TacSkinCommand command, std::uint16_t argument = 0) {
  return (static_cast<win::WPARAM>(command) << 16) | argument;
}
// The command code of a WParam.
constexpr unsigned SkinCmdOf(win::WPARAM wParam) { return static_cast<unsigned>((wParam >> 16) & 0xFFFF); }

// The window property that links a window to the skin state of its control.
inline constexpr char16_t acSkinDataProp[] = u"ACSDATA";

// What a window's "ACSDATA" property points to: the part of a control's skin state that
// routing needs, the window procedure the control had when the state was made. Alive from
// construction to destruction; a property naming a link that is gone is ignored.
class TacSkinStateLink {
 public:
  TacSkinStateLink();
  virtual ~TacSkinStateLink();
  TacSkinStateLink(const TacSkinStateLink&) = delete;
  TacSkinStateLink& operator=(const TacSkinStateLink&) = delete;
  forms::TWndMethod WndProc;
};

// The live skin state a window's "ACSDATA" names, or null.
TacSkinStateLink* SkinStateLinkOf(win::HWND window);

// Sends a skin command to a window and returns its answer. A window whose "ACSDATA" names
// a live skin state with a stored window procedure gets a direct call of that procedure
// (nothing passes through the window system); any other window gets a normal send.
win::LRESULT SendSkinCommand(win::HWND window, TacSkinCommand command, win::LPARAM lParam, std::uint16_t argument = 0);
// Any message sent the same way.
win::LRESULT SendSkinMessage(win::HWND window, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

// Sends the message to every child of the control in order, stopping at the first child
// being destroyed: a child without a window gets it directly, a child with one through
// its window; the broadcast descends into a windowed child unless the child is skinned
// itself (it carries "ACSDATA" or answers scIsSkinned), which passes it on on its own.
void BroadcastToChildren(forms::TWinControl* control, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

}  // namespace skin
