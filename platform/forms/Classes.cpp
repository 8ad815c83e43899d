#include "platform/forms/Classes.h"

#include <algorithm>

#include "platform/base/NumberText.h"
#include "platform/base/TextCase.h"
#include "platform/forms/Filer.h"
#include "platform/forms/TypInfo.h"

namespace forms {

bool IsValidIdent(const std::u16string& s) {
  if (s.empty()) return false;
  auto alpha = [](char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_'; };
  if (!alpha(s[0])) return false;
  return std::all_of(s.begin() + 1, s.end(), [&](char16_t c) { return alpha(c) || (c >= u'0' && c <= u'9'); });
}

// --- TObject ------------------------------------------------------------------------------

const TClassInfo& TObject::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo i;
    i.name = u"TObject";
    return i;
  }();
  return info;
}

const std::u16string& TObject::ClassName() const { return ClassType().name; }

bool TObject::InheritsFrom(const TClassInfo& cls) const { return ClassType().InheritsFrom(cls); }

void TObject::Free() {
  Destroy();
  delete this;
}

// --- TPersistent --------------------------------------------------------------------------

void TPersistent::Assign(const TPersistent* source) {
  if (source) {
    source->AssignTo(this);
    return;
  }
  AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* dest) const { dest->AssignError(this); }

void TPersistent::AssignError(const TPersistent* source) const {
  std::u16string from = source ? source->ClassName() : u"nil";
  throw EConvertError(u"Cannot assign a " + from + u" to a " + ClassName());
}

void TPersistent::DefineProperties(TFiler&) {}

std::u16string TPersistent::GetNamePath() const { return ClassName(); }

// --- TComponent ---------------------------------------------------------------------------

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() = default;

void TComponent::Destroy() {
  Destroying();
  // Those who asked to be told learn of the freeing first.
  while (!freeNotifies_.empty()) {
    TComponent* c = freeNotifies_.back();
    freeNotifies_.pop_back();
    auto& back = c->freeNotifies_;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
    c->Notification(this, TOperation::opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount())
    throw EListError(u"List index out of bounds (" + base::IntToText(index) + u")");
  return components_[static_cast<std::size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  auto& l = owner_->components_;
  auto it = std::find(l.begin(), l.end(), this);
  return it == l.end() ? -1 : static_cast<int>(it - l.begin());
}

TComponent* TComponent::FindComponent(const std::u16string& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (base::EqualsIgnoreAsciiCase(c->name_, name)) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* c) {
  if (!c) return;
  ValidateRename(c, u"", c->name_);
  Insert(c);
  c->SetReference(true);
  Notification(c, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* c) {
  if (!c || c->owner_ != this) return;
  ValidateRename(c, c->name_, u"");
  Notification(c, TOperation::opRemove);
  c->SetReference(false);
  Remove(c);
}

void TComponent::Insert(TComponent* c) {
  components_.push_back(c);
  c->owner_ = this;
}

void TComponent::Remove(TComponent* c) {
  components_.erase(std::remove(components_.begin(), components_.end(), c), components_.end());
  c->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* c = components_.back();
    Remove(c);
    c->Free();
  }
}

void TComponent::Destroying() {
  if (IsDestroying()) return;
  state_.Include(TComponentStateItem::csDestroying);
  for (TComponent* c : components_) c->Destroying();
}

void TComponent::FreeNotification(TComponent* other) {
  if (!other || other == this) return;
  if (owner_ && other->owner_ == owner_) return;  // siblings hear of each other anyway
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end()) {
    freeNotifies_.push_back(other);
    other->freeNotifies_.push_back(this);
  }
  state_.Include(TComponentStateItem::csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* other) {
  RemoveNotification(other);
  if (other) other->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* c) {
  freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), c), freeNotifies_.end());
}

void TComponent::Notification(TComponent* c, TOperation op) {
  if (op == TOperation::opRemove && c) RemoveFreeNotification(c);
  // Owned components hear of it too; the list may change while they react.
  for (int i = ComponentCount() - 1; i >= 0; --i) {
    if (i >= ComponentCount()) continue;
    components_[static_cast<std::size_t>(i)]->Notification(c, op);
  }
}

void TComponent::ValidateRename(TComponent* c, const std::u16string& curName, const std::u16string& newName) {
  if (!c || newName.empty() || base::EqualsIgnoreAsciiCase(curName, newName)) return;
  TComponent* other = FindComponent(newName);
  if (other && other != c) throw EComponentError(u"A component named " + newName + u" already exists");
}

void TComponent::SetName(const std::u16string& name) {
  if (name_ == name) return;
  if (!name.empty() && !IsValidIdent(name)) throw EComponentError(u"\"" + name + u"\" is not a valid component name");
  if (owner_) owner_->ValidateRename(this, name_, name);
  SetReference(false);
  name_ = name;
  SetReference(true);
}

void TComponent::SetReference(bool enable) {
  if (!owner_ || name_.empty()) return;
  if (const TFieldInfo* f = owner_->ClassType().FindField(name_)) f->set(owner_, enable ? this : nullptr);
}

void TComponent::GetChildren(const std::function<void(TComponent*)>&, TComponent*) const {}

void TComponent::Loaded() { state_.Exclude(TComponentStateItem::csLoading); }

void TComponent::ReadState(TReader& reader) { reader.ReadData(this); }

void TComponent::SetLoadingState(bool loading) { state_.Set(TComponentStateItem::csLoading, loading); }

void TComponent::SetReadingState(bool reading) { state_.Set(TComponentStateItem::csReading, reading); }

}  // namespace forms
