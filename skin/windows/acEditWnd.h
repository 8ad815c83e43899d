#pragma once
// TacEditWnd: the adapter of edits, memos and list boxes (and of the drop-down lists of
// combo boxes): their frame painted from the skin section ("EDIT" unless given, in its
// focused state while the window has the focus) and their scroll bars skinned
// (TacScrollWnd). The client area stays the window's own. A single-line edit keeps the
// window's own non-client layout.
#include "skin/windows/acScrollWnd.h"

namespace skin {

class TacBaseWnd : public TacScrollWnd {
 public:
  using TacScrollWnd::TacScrollWnd;
};

class TacEditWnd : public TacBaseWnd {
 public:
  TacEditWnd(win::HWND wnd, const TacSkinParams& params, TsSkinManager* manager, TsCommonData* skinData);

 protected:
  void acWndProc(forms::TMessage& m) override;
  bool KeepsOwnNCLayout() const override;
  void PaintFrame(gfx::Surface* dc, forms::TMessage& m) override;

 private:
  void WMFocusChanged(forms::TMessage& m);
};

}  // namespace skin
