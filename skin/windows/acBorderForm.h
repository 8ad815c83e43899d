#pragma once
// TacBorderForm: the border window of a form in the extended-border mode. A layered
// (per-pixel alpha) top-level window lies around the form and right behind it in the
// z-order; it shows the provider's window picture, which then holds the shadow, the
// skin's frame and the title band around the client area, while the form's region keeps
// only the form's client area visible. The pointer over the frame and the title band
// reaches the border window, which answers the hit test with the title-button codes and
// hands the non-client mouse messages to the form, so moving, sizing, the title buttons
// and the system menu work as on the form's own frame. The provider makes one while the
// mode is active for its form and frees it when the mode ends.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gfx/Geometry.h"
#include "platform/win/Types.h"
#include "skin/windows/acBorderFormGeometry.h"

namespace skin {

class Bitmap32;
class TacSkinData;
class TsSkinProvider;
struct TacTitleLayout;

class TacBorderForm {
 public:
  // Create: the border window is made at once (hidden until UpdateExBordersPos shows it).
  explicit TacBorderForm(TsSkinProvider& owner);
  // Destroy: the border window goes and the form's region is set again by the provider.
  ~TacBorderForm();
  TacBorderForm(const TacBorderForm&) = delete;
  TacBorderForm& operator=(const TacBorderForm&) = delete;

  TsSkinProvider* FOwner = nullptr;
  win::HWND AForm = nullptr;                 // the border window
  TacSkinData* SkinData = nullptr;           // the data it was made for
  const Bitmap32* ShadowTemplate = nullptr;  // the shadow template in use (no EXBORDER image)
  win::HWND ParentHandle = nullptr;          // the form
  bool ExBorderShowing = false;              // the border window is shown
  int Locked = 0;                            // UpdateExBordersPos does nothing while above 0
  bool ResetRgn = true;                      // the form's region must be set again
  bool MainRgnReady = false;                 // the form's region is the extended one
  gfx::TPoint LastTopLeft{};                 // where the border window was put last
  gfx::TPoint LastMousePos{};                // the last pointer position the border window passed on
  bool LeftPressed = false;                  // a left press on the border window waits for its release
  bool acInMouseMsg = false;                 // a mouse message is being passed to the form

  void CreateNewForm();
  win::HWND OwnerHandle() const { return ParentHandle; }
  // The skin's values and the facts the formulas read.
  TacExBorderSkin SkinValues() const;
  bool SysExHeightFlag() const;
  int OffsetX() const;
  int OffsetY() const;
  // The shadow margins (the skin data's FormShadowSize).
  gfx::TRect ShadowSize() const;
  gfx::TSize PictureSize() const;
  // The form's region for a window NewWidth x NewHeight (the caller owns it).
  win::HRGN MakeRgn(int NewWidth, int NewHeight) const;
  // Rebuilds the provider's window picture when it is stale and shows it.
  bool PaintAll();
  // The shadow, the frame and the client background of the picture (the provider's
  // PaintAll calls it before the title band, the icon, the caption and the buttons).
  void PaintBackground(Bitmap32& bmp, const TacTitleLayout& l, int state);
  // The title band painted over the frame keeps the frame's outline and rounded corners.
  void KeepBandCorners(Bitmap32& bmp, const Bitmap32& before, const gfx::TRect& band) const;
  // Puts the border window around the form, right behind it, or hides it while the form is
  // hidden or minimized. Redraw: the picture is rebuilt and shown again. Blend: the
  // constant opacity over the per-pixel alpha.
  void UpdateExBordersPos(bool Redraw = true, std::uint8_t Blend = 255);
  // Shows a part of the picture again (a title button changed).
  void UpdatePart(const gfx::TRect& pictureRect);
  // The element under a screen point.
  int Ex_WMNCHitTest(gfx::TPoint screen) const;
  // The border window on the screen.
  gfx::TRect BorderRect() const;
  // The border window's messages.
  win::LRESULT BorderProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

  // The per-pixel-alpha picture last given to the window (premultiplied).
  const Bitmap32* LayeredPicture() const { return layered_.get(); }

 private:
  void MakeLayered(const gfx::TRect& part);
  void ShowLayered(std::uint8_t blend);
  void PaintShadowTemplate(Bitmap32& bmp, const gfx::TRect& window) const;

  std::unique_ptr<Bitmap32> layered_;
  gfx::TSize pictureSize_{};              // the picture PaintBackground painted
  gfx::TRect bandRect_{}, clientRect_{};  // where the title band and the client part lie in it
  std::vector<std::uint8_t> bandMask_;    // the band's alpha before the title content was drawn
  std::uint8_t blend_ = 255;
  std::uint8_t shownBlend_ = 255;
  bool pictureChanged_ = false;  // the picture changed since the window was given it
  // Cleared when the object goes: the mouse forwarding checks it after the form answered.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace skin
