#include "skin/windows/acMemoAdapter.h"

#include <memory>
#include <string>

#include "platform/forms/WinControls.h"
#include "skin/controls/acEditAdapter.h"
#include "skin/controls/sCommonData.h"
#include "skin/windows/acEditWnd.h"

namespace skin {

namespace {

// Owns the memo's TacEditWnd. The memo may free it in answer to a message that passed
// through the TacEditWnd first (a skin removal, the window's destruction): the TacEditWnd
// then lets go of the window at once and is deleted when that message is done with it.
class TacMemoAdapter : public TacEditAdapter {
 public:
  TacMemoAdapter(forms::TWinControl& control, TsScrollWndData& sd)
      : wnd_(new TacEditWnd(control.Handle(), ParamsOf(control), sd.GetSkinManager(), &sd)) {}
  ~TacMemoAdapter() override { TacMainWnd::Release(wnd_); }
  TacMemoAdapter(const TacMemoAdapter&) = delete;
  TacMemoAdapter& operator=(const TacMemoAdapter&) = delete;

  void TextChanged() override {
    if (!wnd_->Destroyed) wnd_->RefreshScrolls(true);
  }
  void Repaint() override { wnd_->Repaint(); }

 private:
  // The bar sizes come from the memo's own VertScrollData and HorzScrollData, which the
  // adapter reads through the skin state it borrows.
  static TacSkinParams ParamsOf(forms::TWinControl& control) {
    static const std::u16string kSection = u"EDIT";
    TacSkinParams p;
    p.Control = &control;
    p.SkinSection = kSection;
    return p;
  }

  TacEditWnd* wnd_;
};

std::unique_ptr<TacEditAdapter> MakeMemoAdapter(forms::TWinControl& control, TsScrollWndData& sd) {
  if (!control.HandleAllocated()) return nullptr;
  return std::make_unique<TacMemoAdapter>(control, sd);
}

}  // namespace

void RegisterMemoAdapter() { RegisterEditAdapterMaker(&MakeMemoAdapter); }

}  // namespace skin
