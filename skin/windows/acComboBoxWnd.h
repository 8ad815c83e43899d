#pragma once
// TacComboBoxWnd: the adapter of a closed drop-down list combo box: the field painted from
// the "COMBOBOX" section (hot while focused or under the pointer), the selected item's
// text in the section's font colour and the drop-down arrow drawn in that colour. The
// combo box keeps its behaviour; its drop-down list gets the edit adapter (its frame and
// scroll bar) while the combo box is adapted.
#include <memory>

#include "skin/windows/acMainWnd.h"

namespace skin {

class Bitmap32;
class TacEditWnd;

class TacComboBoxWnd : public TacMainWnd {
 public:
  TacComboBoxWnd(win::HWND wnd, const TacSkinParams& params, TsSkinManager* manager);
  ~TacComboBoxWnd() override;
  bool Skinned() const;
  void PaintPicture(Bitmap32& bmp);

 protected:
  void acWndProc(forms::TMessage& m) override;
  void WindowGone() override;

 private:
  void Invalidate();
  bool hot_ = false;
  std::unique_ptr<TacEditWnd> list_;  // the drop-down list's adapter
};

}  // namespace skin
