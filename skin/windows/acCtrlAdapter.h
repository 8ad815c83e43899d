#pragma once
// TacCtrlAdapter: the adapters of one skinned form's plain controls. Controls whose class
// name is listed in the manager's ThirdParty lists (exact, case-sensitive names; the lists
// searched in index order) get the adapter of the first list that names them; the plain
// labels of the form take the skin's label colour and lose their opaque plate. Everything
// is given back on removal of the skin (RemoveAll), and an adapted control that is freed
// first drops its adapter (free notification).
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/Classes.h"
#include "skin/render/pixels/sColors.h"

namespace forms {
class TControl;
class TCustomLabel;
class TWinControl;
}  // namespace forms

namespace skin {

class TacCtrlAdapter;
class TacMainWnd;
class TsSkinManager;
class TsSkinProvider;
struct TacSkinParams;

// The index of the first of the lists that names className exactly, or -1.
int ThirdPartyListIndex(const std::array<std::vector<std::u16string>, 23>& lists, const std::u16string& className);

// One adapted windowed control.
class TacAdapterItem {
 public:
  TacAdapterItem(TacCtrlAdapter* adapter, forms::TWinControl* control);
  ~TacAdapterItem();
  TacCtrlAdapter* Adapter = nullptr;
  forms::TWinControl* WinCtrl = nullptr;
  std::unique_ptr<TacMainWnd> ScrollWnd;
  bool Initializing = false;
  // Creates the adapter of the first list naming the control's class (none for kinds this
  // program has no adapter for).
  void DoHook(forms::TWinControl* control, const TacSkinParams& params);
};

class TacCtrlAdapter : public forms::TComponent {
  FORMS_CLASS(TacCtrlAdapter)
 public:
  explicit TacCtrlAdapter(TsSkinProvider* provider);
  void Destroy() override;

  TsSkinProvider* Provider = nullptr;
  std::vector<std::unique_ptr<TacAdapterItem>> Items;
  std::u16string DefaultSection;
  bool bFlag = false;  // AddAllItems is running

  // Adapts the listed controls under owner (nullptr: the whole form) and recolours the
  // plain labels.
  void AddAllItems(forms::TWinControl* owner = nullptr);
  void AddNewItem(forms::TWinControl* control, const std::u16string& section = {});
  // Frees every adapter (the controls get their procedures back) and gives the labels
  // their colours back.
  void RemoveAll();
  // The lists as they are searched (the manager's).
  std::array<std::vector<std::u16string>, 23> Lists() const;

 protected:
  void Notification(forms::TComponent* c, forms::TOperation op) override;

 private:
  struct SavedLabel {
    forms::TCustomLabel* Label;
    TColor FontColor;
    bool ParentFont;
    bool Transparent;
  };
  void Walk(forms::TComponent* owner, forms::TWinControl* parent, const std::array<std::vector<std::u16string>, 23>& l);
  void Consider(forms::TComponent* c, const std::array<std::vector<std::u16string>, 23>& l);
  void RecolourLabel(forms::TCustomLabel* label);
  TsSkinManager* Manager() const;
  std::vector<SavedLabel> labels_;
};

}  // namespace skin
