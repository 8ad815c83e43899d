#pragma once
// The push-button adapters: a standard push button (of a dialog, or a plain button of the
// program listed in ThirdButtons) painted from the "BUTTON" section with the skinned push
// button's state rules: normal, hot while the pointer is over it, pressed while it is
// held, the default look for the default button, the dotted focus rectangle, a centred
// caption (or the icon of an icon button), the disabled caption. Clicks, keys and the
// default-button behaviour stay the window's own; only the look changes.
#include "skin/windows/acMainWnd.h"

namespace skin {

class Bitmap32;

class TacBtnWnd : public TacMainWnd {
 public:
  TacBtnWnd(win::HWND wnd, const TacSkinParams& params, TsSkinManager* manager, TsCommonData* skinData = nullptr);
  ~TacBtnWnd() override;

  bool FMouseClicked = false;  // a left press began on the button and is not released yet

  // The state the picture shows: 0 normal, 1 hot, 2 pressed, 3 default.
  int CurrentState() const;
  // The button is painted from the skin now.
  bool Skinned() const;
  // Paints the whole button into bmp (the client size).
  void PaintPicture(Bitmap32& bmp);

 protected:
  void acWndProc(forms::TMessage& m) override;

 private:
  void SetHot(bool hot);
  void Invalidate();
  bool hot_ = false;
};

// "TButton" controls of the program (ThirdButtons); ArrowWidth is the drop-down part of
// split buttons (0 here).
class TacButtonWnd : public TacBtnWnd {
 public:
  using TacBtnWnd::TacBtnWnd;
  int ArrowWidth = 0;
};

}  // namespace skin
