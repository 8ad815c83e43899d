#pragma once
// TacDialogWnd: the frame adapter of a standard dialog ("#32770" window that is not a
// form of the program). The window picture is drawn like a skinned form's: the "DIALOG"
// section with its border image over the whole window, the "DIALOGTITLE" band with the
// caption and the close button, the window region from the border's corners; the client
// background is the same picture, which the adapted children show behind themselves.
// The dialog's children are adapted once they exist (after WM_INITDIALOG, and later ones
// as they are created) by their class (acDialogChildren); edits and lists take the
// "EDIT" section's colours. The close button has hot and pressed looks and closes the
// dialog through SC_CLOSE, so Escape, Enter and the dialog's answers stay unchanged.
#include <memory>
#include <vector>

#include "skin/windows/acFormGeometry.h"
#include "skin/windows/acMainWnd.h"
#include "skin/windows/acTitleButtons.h"

namespace skin {

class Bitmap32;
class TacProvider;

enum class TacDialogBorderStyle { acbsDialog, acbsSingle, acbsNone, acbsSizeable, acbsToolWindow, acbsSizeToolWin };

class TacDialogWnd : public TacMainWnd {
 public:
  TacDialogWnd(win::HWND dialog, TsSkinManager* manager);
  ~TacDialogWnd() override;

  // ---- Frame state ----
  int CurrentHT = 0;
  int CXSizeFrame = 0, CXFixedFrame = 0;
  int FCaptionSkinIndex = -1;
  int TitleIndex = -1;  // "DIALOGTITLE"
  bool FFormActive = true;
  TsCaptionButton ButtonClose, ButtonMax, ButtonMin, ButtonHelp;
  win::DWORD dwStyle = 0, dwExStyle = 0;
  bool RgnChanged = true;
  TacDialogBorderStyle BorderStyle = TacDialogBorderStyle::acbsDialog;
  TacProvider* Provider = nullptr;
  bool Initialized = false;  // the children have been adapted

  // The adapters of the dialog's children (freed with this adapter).
  std::vector<std::unique_ptr<TacMainWnd>> Children;

  // Adapts every child window not adapted yet, depth first.
  void AdaptChildren();
  // The frame is drawn from the skin now.
  bool Skinned() const;
  int OffsetX() const;
  int OffsetY() const;
  TacFrameShape Shape() const;
  TacTitleLayout Layout() const;
  // Builds the window picture when stale; false when it cannot be built.
  bool PaintAll();
  // The window picture (valid after PaintAll).
  const Bitmap32* Picture() const { return picture_.get(); }
  // The element under a point in window coordinates.
  int HitTest(gfx::TPoint windowPoint) const;

 protected:
  void acWndProc(forms::TMessage& m) override;
  void WindowGone() override;

 private:
  void AdaptTree(win::HWND parent);
  void Adapt(win::HWND child);
  void ResolveIndexes();
  void UpdateRegion();
  void RepaintFrame();
  void Rebuild();
  void PaintFrameTo(win::HDC dc);
  void CopyClientTo(win::HDC dc);
  void PaintCloseButton(Bitmap32& bmp);
  void SetCloseState(int state);
  TacMenuFacts MenuFacts() const;
  win::LRESULT CtlColor(forms::TMessage& m);
  void SkinCommand(forms::TMessage& m);
  void RemoveSkin();

  std::unique_ptr<Bitmap32> picture_;
  bool stale_ = true;
  bool pressed_ = false;  // the close button is held with the capture
  bool trackingLeave_ = false;
  bool removed_ = false;
  void* editBrush_ = nullptr;  // the brush answering WM_CTLCOLOREDIT/LISTBOX
  TColor editBrushColor_ = clNone;
};

}  // namespace skin
