#pragma once
// What the two skinned push buttons share: the colouring record and its rules, the state a
// picture is painted in, the content shift, the start and end of a button picture (the
// parent's background, the section, the border image, the colour adjustments, the disabled
// look), the dotted focus rectangle, the corner hit test, and the mouse, focus and
// keyboard handling that switches and cross-fades between the states (TacButtonInput).
// Caption and glyph layout stay with each button.
#include <cstdint>

#include "platform/forms/Messages.h"
#include "platform/gfx/Geometry.h"
#include "skin/render/pixels/acBgInfo.h"
#include "skin/render/pixels/acPixelEffects.h"
#include "skin/render/pixels/sColors.h"

namespace forms {
class TButton;
class TWinControl;
}  // namespace forms
namespace gfx {
class Surface;
}

namespace skin {

class TsCommonData;
struct TsGeneralData;
struct TsMaskData;

// The colours a button paints with besides its section's (each clNone when not set).
struct TacButtonColoring {
  TColor ColorTone = clNone;   // tint of the whole picture
  TColor GlyphColor = clNone;  // tint of the glyph
  TColor TextColor = clNone;   // caption colour instead of the skin's
};

// The colours of the modal results OK/Yes and Cancel/No, as plain RGB values.
inline constexpr TColor acOkGlyphNormal = 0x28851A, acOkGlyphActive = 0x008E00;
inline constexpr TColor acOkToneNormal = 0xE1FFD2, acOkToneActive = 0xCDFFB4;
inline constexpr TColor acCancelGlyphNormal = 0x0000B4, acCancelGlyphActive = 0x0000A2;
inline constexpr TColor acCancelToneNormal = 0xD5D5FF, acCancelToneActive = 0xBDBDFF;

// The record from the skin state's tone, else from the modal result in `state`: glyph
// colours always (when the manager colours glyphs, or without a manager), text and tone
// only when skinned and the manager asks for them.
TacButtonColoring ModalResultColoring(TsCommonData& sd, int modalResult, int state);

// Which events a button cross-fades on; aeGlobalDef takes the manager's.
enum TacAnimatEvent : unsigned { aeMouseEnter = 1, aeMouseLeave = 2, aeMouseDown = 4, aeMouseUp = 8, aeGlobalDef = 16 };

// The state the section is painted in for a current state: 3 (default) shows as 1 in a
// section of fewer than 4 states; otherwise limited to the section's states.
int ButtonPictureState(const TsGeneralData* section, int currentState);
// Whether pressed content moves by (1, 1): the manager shifts content on click or the
// section asks for it; also without skin data.
bool ButtonShiftsContent(TsCommonData& sd);

// Steps shared by both pictures. Begin: asks the parent (not ready: FUpdating, false),
// sizes the cache, gives its canvas the button's font, paints the section's background in
// state s at the button's place and returns what lies behind in bg.
bool BeginButtonPicture(TsCommonData& sd, forms::TWinControl& button, int s, TacBgInfo& bg);
// The border image in state s over the whole picture, unless hidden in state 0.
void PaintButtonBorder(TsCommonData& sd, forms::TWinControl& button, int s, const TacBgInfo& bg);
// The tone of the colouring, the skin state's hue and saturation, the border's corners.
void AdjustButtonColors(TsCommonData& sd, const TacButtonColoring& coloring, int s);
// The disabled look when the button is disabled; marks the picture current.
void EndButtonPicture(TsCommonData& sd, forms::TWinControl& button, TsDisabledKind kind, const TacBgInfo& bg);

// The dotted focus rectangle around a caption rectangle: widened by focusMargin + 1
// across and focusMargin down, kept 3 pixels inside the top and bottom, dots in the font
// colour of the section's last state record (at most the third).
void DrawButtonFocusRect(gfx::Surface& surface, const gfx::TRect& caption, int focusMargin, int height,
                         const TsGeneralData& section);

// Whether a point of a button of the given size falls on a key-colour pixel of a corner of
// its border image in state s (the click then goes to the window below). Points outside
// the corner zones, or whose mapped pixel lies outside the state's picture, are not.
bool ButtonCornerIsTransparent(const TsMaskData& border, gfx::TPoint p, gfx::TSize size, int s);

// What a button tells the shared input handling.
class TacButtonHost {
 public:
  virtual ~TacButtonHost() = default;
  virtual forms::TButton& HostButton() = 0;
  virtual TsCommonData& HostData() = 0;
  virtual int CurrentState() = 0;
  virtual bool HostDown() const = 0;
  virtual unsigned HostAnimatEvents() const = 0;
  virtual TacButtonColoring Coloring(int state) = 0;
  virtual void HostMouseEnter() {}
  virtual void HostMouseLeave() {}
};

// The mouse, focus and keyboard behaviour of a skinned push button. The 30 ms pressed
// picture after a release is held by a window timer rather than by sleeping, so that the
// program's clock (and a headless test's) decides it.
class TacButtonInput {
 public:
  explicit TacButtonInput(TacButtonHost& host) : host_(host) {}
  // Handles m before the standard handling; true: done, skip the rest.
  bool Before(forms::TMessage& m);
  // After the standard handling.
  void After(forms::TMessage& m);
  // The skin commands both buttons answer alike (default section and kind, skinned,
  // colouring, hot tracking); false for the others.
  bool SkinCommand(forms::TMessage& m);
  // WM_NCHITTEST: a point on a key-colour corner of the border image lets the click
  // through (Result HTTRANSPARENT, true); false otherwise.
  bool HitTransparent(forms::TMessage& m);
  // A left press began on the button and is not released yet.
  bool MouseClicked() const { return mouseClicked_; }
  // The pressed picture is held after a release.
  bool ShowPressed() const { return showPressed_; }
  // Stops the timer of the pressed picture (the window goes).
  void Stop();

  static constexpr win::UINT_PTR PressedTimerId = 0xAC30;
  static constexpr unsigned PressedMs = 30;

 private:
  bool EventAnimated(TacAnimatEvent e) const;
  void Enter();
  void Leave();
  void EndShowPressed();
  void RedrawNow();

  TacButtonHost& host_;
  bool mouseClicked_ = false;
  bool showPressed_ = false;
  bool timerOn_ = false;
};

}  // namespace skin
