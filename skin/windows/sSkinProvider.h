#pragma once
// TsSkinProvider: gives a top-level form a skinned frame. It owns the form's skin state
// (section "FORM", whose cached picture is the whole window: frame, title band and client
// background), joins the form's window-procedure chain and answers the frame's messages
// (non-client painting, activation, hit testing, the title buttons, the system menu) and
// the skin commands children send the form (the picture behind them). It does not skin
// the form's child controls (their own skin states and adapters do). In the extended-
// border mode its border window (TacBorderForm) shows the frame, the title band and the
// shadow around the form, and the picture and the formulas follow the skin's frame.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/Classes.h"
#include "platform/forms/Messages.h"
#include "platform/gfx/Geometry.h"
#include "skin/windows/acFormGeometry.h"
#include "skin/windows/acTitleButtons.h"

namespace forms {
class TCustomForm;
class TWndNext;
}  // namespace forms

namespace skin {

class Bitmap32;
class TsScrollWndData;
class TsSystemMenu;
class TsSkinManager;
class TacSkinData;
class TacSBAnimation;
class TacCtrlAdapter;
class TacBorderForm;
enum class TsGripMode { gmNone, gmRightBottom };
enum class TsResizeMode { rmStandard, rmBorder };

class TsSkinProvider : public forms::TComponent {
  FORMS_CLASS(TsSkinProvider)
 public:
  // Create: the owner must be a form; otherwise a warning box is shown and the provider
  // stays inert.
  explicit TsSkinProvider(forms::TComponent* owner);
  ~TsSkinProvider() override;
  // CreateRT: the run-time provider of automatic skinning; its preparation waits for the
  // first WM_NCHITTEST or WM_NCPAINT.
  static TsSkinProvider* CreateRT(forms::TComponent* owner, bool doInitRT = true);
  void AfterConstruction() override;
  void Loaded() override;
  // Stops animations, leaves the form's procedure chain and frees what the provider holds.
  void Destroy() override;

  // ---- Published values ----
  bool AllowAnimation = true;
  bool AllowBlendOnMoving = true;
  bool AllowExtBorders = true;
  bool AllowSkin3rdParty = true;
  bool DrawClientArea = true;
  bool DrawNonClientArea = true;
  TsGripMode GripMode = TsGripMode::gmNone;
  bool MakeSkinMenu = false;
  TsResizeMode ResizeMode = TsResizeMode::rmStandard;
  bool ScreenSnap = false;
  int SnapBuffer = 10;
  bool ShowAppIcon = true;
  bool UseGlobalColor = true;
  bool UWPMode = false;
  std::u16string TitleSkin;

  // ---- Run-time state ----
  forms::TCustomForm* Form = nullptr;
  std::unique_ptr<TsScrollWndData> FCommonData;
  int FTitleSkinIndex = -1;
  int FCaptionSkinIndex = -1;
  int FHeaderIndex = -1;
  std::uint8_t FormActive = 1;
  std::uint8_t BigButtons = 1;
  gfx::TRect FIconRect{};
  int VCenter = 0;
  int FHeaderHeight = 0;
  TsCaptionButton ButtonClose, ButtonMax, ButtonMin, ButtonHelp;
  int CurrentHT = 0;
  bool biClicked = false;
  std::unique_ptr<Bitmap32> TempBmp;
  gfx::TRect TempBmpRect{};  // where TempBmp lies in the window picture
  std::vector<gfx::TRect> Rects;
  bool RgnChanged = true;
  bool RgnChanging = false;
  std::unique_ptr<TsSystemMenu> SystemMenu;
  TacCtrlAdapter* Adapter = nullptr;  // the adapters of the form's plain controls (owned)
  bool RTInit = false;
  bool RTEmpty = false;
  bool FirstInitialized = false;
  bool InMenu = false;
  bool fAnimating = false;
  bool FInAnimation = false;
  int RedrawLocks = 0;        // WM_SETREDRAW off minus on
  bool RightPressed = false;  // a right press on the caption or icon waits for its release
  int CaptionTextRight = 0;   // right edge of the caption text in the last picture
  // The border window of the extended-border mode, while the mode is active.
  std::unique_ptr<TacBorderForm> BorderForm;

  // ---- Operations ----
  void PrepareForm();
  // Rebuilds the window picture when BGChanged; false when it cannot be built.
  bool PaintAll();
  int CaptionHeight(bool checkSkin = true) const;
  int OffsetX() const;
  int OffsetY() const;
  int FrameWidth() const;
  // The shadow margins around the window picture: all 0 without the border window.
  gfx::TRect ShadowSize() const;
  // The window picture's size: the window, or in the extended mode the border window.
  gfx::TSize PictureSize() const;
  // The window picture exists at that size.
  bool PictureValid() const;
  // Where the window picture's top-left pixel lies on the screen.
  gfx::TPoint PictureOrigin() const;
  // Whether the extended-border mode applies to the form now.
  bool ExtendedBordersWanted() const;
  // Makes or frees the border window as the mode applies or not, and shows it.
  void UpdateExBorders();
  // Opens the system menu at a screen point (only for the application's active form).
  void DropSysMenu(int x, int y);
  win::LRESULT ProcessMessage(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
  void KillAnimations();
  // Hover changes of title buttons are animated (the manager allows glowing; a form in its
  // normal state).
  bool AnimationAllowed() const;

  // The form is skinned now (manager active, FORM resolved, not inert or destroyed).
  bool Skinned() const;
  // The frame is drawn by the provider now (skinned, and neither the provider nor the
  // manager leaves the frame to the platform).
  bool FrameSkinned() const;
  // The facts of the form the geometry, the menu rules and the hit test read.
  TacFrameShape Shape() const;
  // The density the frame's metrics and caption font are taken at.
  static int FrameDpi();
  TacMenuFacts MenuFacts() const;
  TacTitleLayout Layout() const;
  // The element under a screen point.
  int HitTest(gfx::TPoint screen) const;
  // Hot element and press (title buttons).
  void SetHotHT(int code, bool repaint = true);
  void PressHT(int code);
  void RepaintButton(int code);
  TsCaptionButton* ButtonOf(int code);
  TsSkinManager* Manager() const;
  TacSkinData* SkinData() const;

 private:
  friend class TacBorderForm;
  struct TRunTime {};
  TsSkinProvider(forms::TComponent* owner, TRunTime);
  void Init(bool runTime);
  void RTInitialize();
  void NewWndProc(forms::TMessage& m, const forms::TWndNext& next);
  bool HandleSkinCommand(forms::TMessage& m, const forms::TWndNext& next);
  void ResolveIndexes();
  void UpdateGlyphTypes();
  void UpdateRegion();
  void PaintTitleBand(Bitmap32& bmp, const TacTitleLayout& l, int state);
  void PaintIcon(Bitmap32& bmp);
  void PaintCaptionText(Bitmap32& bmp, const TacTitleLayout& l, int state);
  void PaintButtons(Bitmap32& bmp);
  void PaintFormOnPaint(Bitmap32& bmp);
  void PaintOneButton(Bitmap32& bmp, TsCaptionButton& b, bool visible, bool enabled);
  void CopyClientTo(win::HDC dc);
  void PaintFrameTo(win::HDC dc);
  void RepaintFrame();
  // The system menu when the manager's popups are not skinned: the platform's own menu.
  void PlatformSysMenu(int x, int y, const TacMenuFacts& f);
  // The client part of FORM differs between its inactive and active states.
  bool ClientDependsOnState();

  // Handlers of the platform messages.
  void WMNCPaint(forms::TMessage& m, const forms::TWndNext& next);
  void WMNCActivate(forms::TMessage& m, const forms::TWndNext& next);
  void WMEraseBkgnd(forms::TMessage& m, const forms::TWndNext& next);
  void WMPaint(forms::TMessage& m, const forms::TWndNext& next);
  void WMPrint(forms::TMessage& m, const forms::TWndNext& next);
  void WMSize(forms::TMessage& m, const forms::TWndNext& next);
  void WMWindowPosChanged(forms::TMessage& m, const forms::TWndNext& next);
  // The frame's rectangle on the screen: the window, or the border window without its shadow.
  win::RECT FrameRectOnScreen() const;
  void WMGetMinMaxInfo(forms::TMessage& m, const forms::TWndNext& next);
  void WMSetText(forms::TMessage& m, const forms::TWndNext& next);
  void WMSetRedraw(forms::TMessage& m, const forms::TWndNext& next);
  void WMRedrawFrameAfter(forms::TMessage& m, const forms::TWndNext& next);
  void WMNCHitTest(forms::TMessage& m, const forms::TWndNext& next);
  void WMNCMouseMove(forms::TMessage& m, const forms::TWndNext& next);
  void WMMouseMove(forms::TMessage& m, const forms::TWndNext& next);
  void WMNCLButtonDown(forms::TMessage& m, const forms::TWndNext& next);
  void WMLButtonUp(forms::TMessage& m, const forms::TWndNext& next);
  void WMNCLButtonDblClk(forms::TMessage& m, const forms::TWndNext& next);
  void WMNCRButtonDown(forms::TMessage& m, const forms::TWndNext& next);
  void WMNCRButtonUp(forms::TMessage& m, const forms::TWndNext& next);
  void WMMouseLeave(forms::TMessage& m, const forms::TWndNext& next);
  void WMCaptureChanged(forms::TMessage& m, const forms::TWndNext& next);
  void WMSysCommand(forms::TMessage& m, const forms::TWndNext& next);
  void WMPopupSystemMenu(forms::TMessage& m, const forms::TWndNext& next);
  void WMContextMenu(forms::TMessage& m, const forms::TWndNext& next);

  // Skin command handlers.
  void SCNewSkin(forms::TMessage& m);
  void SCRemoveSkin(forms::TMessage& m, const forms::TWndNext& next);
  void SCRefresh(forms::TMessage& m);
  void SCGetBgInfo(forms::TMessage& m);
  void SCMouseLeave(forms::TMessage& m);

  bool inert_ = false;
  bool destroyed_ = false;
  bool createdRT_ = false;
  std::unique_ptr<TacSBAnimation> animations_[4];  // close, maximize, minimize, help
  int pressedHT_ = 0;                              // the title button held with the capture
  // Cleared when the provider is destroyed: handlers that send commands which may free
  // the form check it before touching the provider again.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// The provider a form carries (the answer to skin command 4), or nullptr.
TsSkinProvider* ProviderOf(forms::TCustomForm* form);

}  // namespace skin
