#pragma once
// The adapters of static controls: TacStaticWnd draws a static text over what lies behind
// it (the dialog's skinned background, no plate of its own) in the skin's label colour;
// TacIconWnd draws an icon static's icon over that background. Both keep the window's
// behaviour (clicks of SS_NOTIFY statics, the mnemonic of a label) as it is.
#include "skin/windows/acMainWnd.h"

namespace skin {

class Bitmap32;

class TacStaticWnd : public TacMainWnd {
 public:
  TacStaticWnd(win::HWND wnd, const TacSkinParams& params, TsSkinManager* manager);
  ~TacStaticWnd() override;
  // The colour of the text (the manager's label colour).
  TColor TextColor() const;
  bool Skinned() const;
  virtual void PaintPicture(Bitmap32& bmp);

 protected:
  void acWndProc(forms::TMessage& m) override;
};

class TacIconWnd : public TacStaticWnd {
 public:
  using TacStaticWnd::TacStaticWnd;
  void PaintPicture(Bitmap32& bmp) override;
};

}  // namespace skin
