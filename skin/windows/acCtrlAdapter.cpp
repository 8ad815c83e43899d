#include "skin/windows/acCtrlAdapter.h"

#include <algorithm>

#include "platform/forms/Forms.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/PaintApi.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/sLabel.h"
#include "skin/data/acSkinCommands.h"
#include "skin/data/sSkinManager.h"
#include "skin/windows/acBtnWnd.h"
#include "skin/windows/acDials.h"
#include "skin/windows/acEditWnd.h"
#include "skin/windows/acSkinParams.h"
#include "skin/windows/sSkinProvider.h"

namespace skin {

int ThirdPartyListIndex(const std::array<std::vector<std::u16string>, 23>& lists, const std::u16string& className) {
  if (className.empty()) return -1;
  for (std::size_t i = 0; i < lists.size(); ++i)
    if (std::find(lists[i].begin(), lists[i].end(), className) != lists[i].end()) return static_cast<int>(i);
  return -1;
}

// ---- TacAdapterItem ----

TacAdapterItem::TacAdapterItem(TacCtrlAdapter* adapter, forms::TWinControl* control)
    : Adapter(adapter), WinCtrl(control) {}

TacAdapterItem::~TacAdapterItem() = default;

void TacAdapterItem::DoHook(forms::TWinControl* control, const TacSkinParams& params) {
  if (control == nullptr || !control->HandleAllocated()) return;
  Initializing = true;
  const int index = ThirdPartyListIndex(Adapter->Lists(), std::u16string(control->ClassName()));
  TsSkinManager* m = Adapter->Provider != nullptr ? Adapter->Provider->Manager() : DefaultManager();
  switch (index) {
    case tpEdit:
    case tpSpeedButton: ScrollWnd = std::make_unique<TacEditWnd>(control->Handle(), params, m, nullptr); break;
    case tpButton: ScrollWnd = std::make_unique<TacButtonWnd>(control->Handle(), params, m); break;
    // The other kinds have no adapter in this program: the control keeps its look.
    default: break;
  }
  if (ScrollWnd != nullptr) ScrollWnd->Adapter = Adapter;
  Initializing = false;
}

// ---- TacCtrlAdapter ----

TacCtrlAdapter::TacCtrlAdapter(TsSkinProvider* provider) : forms::TComponent(nullptr), Provider(provider) {}

void TacCtrlAdapter::Destroy() {
  RemoveAll();
  forms::TComponent::Destroy();
}

TsSkinManager* TacCtrlAdapter::Manager() const { return Provider != nullptr ? Provider->Manager() : DefaultManager(); }

std::array<std::vector<std::u16string>, 23> TacCtrlAdapter::Lists() const {
  std::array<std::vector<std::u16string>, 23> out;
  const TsSkinManager* m = Manager();
  if (m == nullptr) return out;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const forms::TStringList& l = m->ThirdLists[i];
    for (int k = 0; k < l.Count(); ++k) out[i].push_back(l[k]);
  }
  return out;
}

void TacCtrlAdapter::AddAllItems(forms::TWinControl* owner) {
  TsSkinManager* m = Manager();
  if (bFlag || m == nullptr || !m->IsActive() || !m->SkinningRules().Contains(TacSkinningRule::srThirdParty)) return;
  if (Provider == nullptr || Provider->Form == nullptr || !Provider->AllowSkin3rdParty) return;
  bFlag = true;
  const auto lists = Lists();
  forms::TWinControl* root = owner != nullptr ? owner : Provider->Form;
  Walk(root, root, lists);
  bFlag = false;
}

void TacCtrlAdapter::Walk(forms::TComponent* owner, forms::TWinControl* parent,
                          const std::array<std::vector<std::u16string>, 23>& l) {
  // First the owned components, then the child controls.
  if (owner != nullptr)
    for (int i = 0; i < owner->ComponentCount(); ++i) Consider(owner->Components(i), l);
  if (parent == nullptr) return;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    forms::TControl* c = parent->Controls(i);
    Consider(c, l);
    auto* w = dynamic_cast<forms::TWinControl*>(c);
    if (w != nullptr && w->HandleAllocated() && w->ControlCount() > 0) Walk(nullptr, w, l);
  }
}

void TacCtrlAdapter::Consider(forms::TComponent* c, const std::array<std::vector<std::u16string>, 23>& l) {
  if (c == nullptr || c->IsDestroying()) return;
  // Plain labels of a skinned form are recoloured whether listed or not: their default
  // colours and opaque plate would show on the skinned background.
  if (auto* label = dynamic_cast<forms::TCustomLabel*>(c)) {
    if (dynamic_cast<TsCustomLabel*>(c) == nullptr) RecolourLabel(label);
    return;
  }
  auto* w = dynamic_cast<forms::TWinControl*>(c);
  if (w == nullptr || ThirdPartyListIndex(l, std::u16string(c->ClassName())) < 0) return;
  AddNewItem(w, DefaultSection);
}

void TacCtrlAdapter::RecolourLabel(forms::TCustomLabel* label) {
  const TsSkinManager* m = Manager();
  if (m == nullptr) return;
  const bool known = std::any_of(labels_.begin(), labels_.end(), [&](const SavedLabel& s) { return s.Label == label; });
  if (!known) {
    labels_.push_back({label, label->Font()->Color(), label->ParentFont(), label->Transparent()});
    label->FreeNotification(this);
  }
  label->Font()->SetColor(m->GetGlobalFontColor());
  label->SetTransparent(true);
}

void TacCtrlAdapter::AddNewItem(forms::TWinControl* control, const std::u16string& section) {
  if (control == nullptr || (control->Tag() & NoSkinTag) != 0 || control->Parent() == nullptr) return;
  if (!control->HandleAllocated()) return;
  auto it = std::find_if(Items.begin(), Items.end(), [&](const auto& i) { return i->WinCtrl == control; });
  if (it != Items.end()) {
    // An adapter whose window was destroyed is renewed.
    if ((*it)->ScrollWnd != nullptr && !(*it)->ScrollWnd->Destroyed) return;
    (*it)->ScrollWnd.reset();
  } else {
    if (TacMainWnd::AdapterOf(control->Handle()) != nullptr ||
        control->Perform(SkinCmdMessage, SkinCmdWParam(scIsSkinned), 0) == 1)
      return;
    Items.push_back(std::make_unique<TacAdapterItem>(this, control));
    it = std::prev(Items.end());
    control->FreeNotification(this);
  }
  TacSkinParams p;
  p.Control = control;
  p.SkinSection = section;
  p.UseSkinColor = true;
  p.UseSkinFontColor = true;
  (*it)->DoHook(control, p);
  // An item without adapter is dropped.
  if ((*it)->ScrollWnd == nullptr) {
    control->RemoveFreeNotification(this);
    Items.erase(it);
  }
}

void TacCtrlAdapter::RemoveAll() {
  for (auto& i : Items) {
    if (i->WinCtrl != nullptr) i->WinCtrl->RemoveFreeNotification(this);
    i->ScrollWnd.reset();
  }
  Items.clear();
  for (const SavedLabel& s : labels_) {
    s.Label->RemoveFreeNotification(this);
    if (s.Label->IsDestroying()) continue;
    s.Label->Font()->SetColor(s.FontColor);
    s.Label->SetParentFont(s.ParentFont);
    s.Label->SetTransparent(s.Transparent);
  }
  labels_.clear();
}

void TacCtrlAdapter::Notification(forms::TComponent* c, forms::TOperation op) {
  forms::TComponent::Notification(c, op);
  if (op != forms::TOperation::opRemove) return;
  std::erase_if(labels_, [&](const SavedLabel& s) { return s.Label == c; });
  auto it = std::find_if(Items.begin(), Items.end(), [&](const auto& i) { return i->WinCtrl == c; });
  if (it != Items.end()) Items.erase(it);  // the adapter leaves the control's chain first
}

}  // namespace skin
