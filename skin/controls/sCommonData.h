#pragma once
// TsCommonData: the skin state every skinned control owns (published as SkinData). It binds
// the control to a section of the loaded skin, owns the control's cached picture, tracks
// hover and focus, decides when the picture is stale, answers the questions children ask
// about what lies behind them (acBackgroundAnswer) and obeys the skin commands
// (acSkinCommandDispatch). It does not paint the picture: each control does, in its answer
// to scPrepareCache. TsCtrlSkinData and TsScrollWndData publish more of it.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/forms/Classes.h"
#include "platform/forms/Messages.h"
#include "platform/gfx/Geometry.h"
#include "skin/data/acSkinCommands.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/sColors.h"

namespace forms {
class TControl;
class TWinControl;
}  // namespace forms

namespace skin {

class TsSkinManager;
class TacSkinData;
class TacFade;
class TsCommonData;
struct TsGeneralData;
struct TsGenState;

// Transient bits of CtrlSkinState.
enum TacCtrlSkinStateBit : std::uint32_t {
  cssPrinting = 0x200,          // PrintDC is the target
  cssInUpdate = 0x800,          // inside BeginUpdate
  cssChangingColors = 0x2000,   // the state itself sets the colours: controls do not repaint for it
  cssWidthChanging = 0x8000,    // a pending move changes the width
  cssHeightChanging = 0x10000,  // a pending move changes the height
  cssFrameRecalc = 0x40000,     // the frame is being recalculated
};

// Bits of BGType: how the background depends on size and position.
enum TacBGTypeBit : std::uint16_t {
  bgtGradientAcross = 0x01,  // gradient across the width
  bgtGradientDown = 0x02,    // gradient across the height
  bgtTextureStretched = 0x04,
  bgtTextureByHeight1 = 0x10,
  bgtTextureByWidth1 = 0x20,
  bgtTextureByHeight2 = 0x40,
  bgtTextureByWidth2 = 0x80,
};
inline constexpr std::uint16_t bgtWidthMask = 0xA5;
inline constexpr std::uint16_t bgtHeightMask = 0x56;

enum TacOuterVisibility : std::uint8_t { ovNone = 0, ovAlways = 1 };

// Whether a control draws its outer effect (shadow or glow on the parent's picture).
class TacOuterEffects : public forms::TPersistent {
  FORMS_CLASS(TacOuterEffects)
 public:
  explicit TacOuterEffects(TsCommonData* owner = nullptr) : owner_(owner) {}
  TacOuterVisibility Visibility() const { return visibility_; }
  // Asks the parent to repaint and invalidates the control.
  void SetVisibility(TacOuterVisibility v);

 private:
  TsCommonData* owner_;
  TacOuterVisibility visibility_ = ovNone;
};

// Sizes of one skinned scroll bar of a control; -1 takes the skin's.
class TacScrollData : public forms::TPersistent {
  FORMS_CLASS(TacScrollData)
 public:
  explicit TacScrollData(TsCommonData* owner = nullptr) : owner_(owner) {}
  int ScrollWidth() const { return scrollWidth_; }
  // Recomputes the window's frame.
  void SetScrollWidth(int v);
  int ButtonsSize() const { return buttonsSize_; }
  // Repaints the window's frame.
  void SetButtonsSize(int v);

 private:
  TsCommonData* owner_;
  int scrollWidth_ = -1;
  int buttonsSize_ = -1;
};

class TsCommonData : public forms::TPersistent, public TacSkinStateLink {
  FORMS_CLASS(TsCommonData)
 public:
  // Create: owner is the control (or, for window skinning, another object); the cache
  // bitmap is made when asked. Registers "ACSDATA" when the owner has a window.
  explicit TsCommonData(forms::TObject* owner = nullptr, bool createCacheBitmap = true);
  // Destroy: the property is removed (always: a window may outlive its control), links
  // cleared, the fade and the pictures freed.
  ~TsCommonData() override;

  // ---- Fields, in their declared order ----
  TacSkinData* FCommonSkinData = nullptr;  // nullptr: look it up again
  bool FCustomFont = false;
  bool FCustomColor = false;
  std::unique_ptr<Bitmap32> FOuterCache;
  std::u16string FSkinSection;
  TsSkinManager* FSkinManager = nullptr;  // nullptr: the default manager
  std::unique_ptr<TacOuterEffects> FOuterEffects;
  TColor FColorTone = clNone;
  TColor SavedColor = clNone;
  TColor SavedFontColor = clNone;
  bool FFocused = false;
  bool FUpdating = false;
  bool FMouseAbove = false;
  bool HalfVisible = false;
  bool Loading = true;
  std::uint8_t COC = 0;
  int GlowID = -1;
  int PPIIndex = -1;
  int FHUEOffset = 0;
  int FSaturation = 0;
  int CurrentPPI = 96;
  int FUpdateCount = 0;
  win::HDC PrintDC = nullptr;
  std::unique_ptr<Bitmap32> FCacheBmp;
  win::HWND FSWHandle = nullptr;
  // WndProc (the owner's window procedure at creation) comes from TacSkinStateLink.
  forms::TObject* FOwnerObject = nullptr;
  std::unique_ptr<TacFade> AnimTimer;
  std::uint16_t BGType = 0;
  std::uint32_t CtrlSkinState = 0;
  gfx::TRect InvalidRectH{0, 0, 0, 0};
  gfx::TRect InvalidRectV{0, 0, 0, 0};
  bool BGChanged = true;
  int SkinIndex = -1;
  forms::TControl* FOwnerControl = nullptr;

  // ---- Lifecycle ----
  void InitCommonProp();
  void RemoveCommonProp();
  void ClearLinks();
  void Loaded(bool updateColors = true);

  // ---- Binding ----
  void UpdateIndexes(bool updateMain = true);
  bool Skinned(bool checkActive = false) const;
  TsSkinManager* GetSkinManager() const;
  TacSkinData* GetCommonSkinData();
  // The bound section of the data the control paints with, or nullptr.
  const TsGeneralData* Section();
  // The bound section at 96 dots per inch (colours, transparency), or nullptr.
  const TsGeneralData* Section96() const;

  // ---- Repaint and updating ----
  void Invalidate(bool updateNow = false);
  void BeginUpdate();
  void EndUpdate(bool repaint = true);
  bool GetUpdating();
  bool CheckUpdating(bool reset = false);
  bool RepaintIfMoved();
  win::HWND OwnerHandle() const;
  void PaintOuterEffects(forms::TWinControl* ownerControl, gfx::TPoint offset);

  // ---- Published values ----
  const std::u16string& SkinSection() const { return FSkinSection; }
  void SetSkinSection(const std::u16string& v);
  TsSkinManager* SkinManager() const { return FSkinManager; }
  void SetSkinManager(TsSkinManager* v);
  bool CustomColor() const { return FCustomColor; }
  void SetCustomColor(bool v);
  bool CustomFont() const { return FCustomFont; }
  void SetCustomFont(bool v);
  TacOuterEffects* OuterEffects() const { return FOuterEffects.get(); }
  TColor ColorTone() const { return FColorTone; }
  void SetColorTone(TColor v);
  int HUEOffset() const { return FHUEOffset; }
  void SetHUEOffset(int v);
  int Saturation() const { return FSaturation; }
  void SetSaturation(int v);

  // ---- Shared behaviour ----
  int CommonState() const;
  void ApplySkinColors(bool repaint);
  void ApplyStateColors(bool noLock);
  void ResolveDefaultSection();
  // Sizes the cache to the owner; false when there is no cache or the owner has no area.
  bool PrepareCacheBitmap();
  void UpdateBGType();
  bool BackgroundVaries() const { return BGType != 0 || HalfVisible; }
  void MouseEnter();
  void MouseLeave();
  bool MouseStillInside() const;
  void StopFade();
  bool IsFading() const;
  bool SkinChanging() const;

  // ---- Helpers the controls and the command handlers share ----
  // The owner as a windowed control, or nullptr.
  forms::TWinControl* OwnerWindowed() const;
  // Sends a skin command to the owner: through its window when it has one, else straight
  // into its window procedure.
  win::LRESULT SendToOwner(TacSkinCommand command, win::LPARAM lParam = 0, std::uint16_t argument = 0) const;
  // The cache exists, has area and the owner's size.
  bool CacheValid() const;
  // Asks the owner to rebuild its picture now (scPrepareCache); true when it is valid after.
  bool PrepareCache();
  // Empties the cache (0 x 0).
  void EmptyCache();
  // The owner's colour and font colour (clNone without a control owner).
  TColor OwnerColor() const;
  // The section is fully transparent in state 0 and, when it has one, in state 1.
  bool FullyTransparent() const;
  // The owner is being destroyed (or there is none).
  bool OwnerDestroying() const;
  // The owner has a parent, a window handle if windowed, and is not loading or destroying.
  bool OwnerLaidOut() const;
  // Removes the glow window (none exists here: GlowID stays -1).
  void RemoveGlow() { GlowID = -1; }
};

// Publishes the colour adjustments: setting one reloads the section and invalidates.
class TsCtrlSkinData : public TsCommonData {
  FORMS_CLASS(TsCtrlSkinData)
 public:
  using TsCommonData::TsCommonData;
};

// Adds the sizes of the two skinned scroll bars.
class TsScrollWndData : public TsCommonData {
  FORMS_CLASS(TsScrollWndData)
 public:
  explicit TsScrollWndData(forms::TObject* owner = nullptr, bool createCacheBitmap = true);
  std::unique_ptr<TacScrollData> HorzScrollData;
  std::unique_ptr<TacScrollData> VertScrollData;
};

// The skin state of a window, or nullptr when its "ACSDATA" names no live state.
TsCommonData* SkinDataOf(win::HWND window);

// Sets the owner's colour and font colour to those of a state, except where the control
// keeps its own (CustomColor, CustomFont); true when one changed.
bool SetStateColors(TsCommonData& sd, const TsGenState& p);

}  // namespace skin
