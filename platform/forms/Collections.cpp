#include "platform/forms/Collections.h"

#include <algorithm>

#include "platform/base/NumberText.h"
#include "platform/forms/TypInfo.h"

namespace forms {

// --- TCollectionItem ------------------------------------------------------------------------

TCollectionItem::TCollectionItem(TCollection* collection) { SetCollection(collection); }

TCollectionItem::~TCollectionItem() {
  if (collection_) collection_->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* c) {
  if (c == collection_) return;
  if (collection_) collection_->RemoveItem(this);
  if (c) c->InsertItem(this);
}

int TCollectionItem::Index() const {
  if (!collection_) return -1;
  auto& l = collection_->items_;
  return static_cast<int>(std::find(l.begin(), l.end(), this) - l.begin());
}

void TCollectionItem::SetIndex(int index) {
  if (collection_ && index != Index()) collection_->MoveItem(this, index);
}

std::u16string TCollectionItem::GetDisplayName() const { return ClassName(); }

std::u16string TCollectionItem::GetNamePath() const {
  if (!collection_) return ClassName();
  return collection_->GetNamePath() + u"[" + base::IntToText(Index()) + u"]";
}

TPersistent* TCollectionItem::GetOwner() const { return collection_; }

void TCollectionItem::Changed(bool allItems) {
  if (collection_ && collection_->updateCount_ == 0) collection_->Update(allItems ? nullptr : this);
}

// --- TCollection ----------------------------------------------------------------------------

TCollection::TCollection(const TClassInfo& itemClass) : itemClass_(&itemClass) {}

TCollection::~TCollection() {
  ++updateCount_;
  while (!items_.empty()) delete items_.back();
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError(u"List index out of bounds (" + base::IntToText(index) + u")");
  return items_[static_cast<std::size_t>(index)];
}

TCollectionItem* TCollection::Add() {
  if (!itemClass_->create) throw EComponentError(u"Cannot create items of class " + itemClass_->name);
  TObject* obj = itemClass_->create(this);
  auto* item = dynamic_cast<TCollectionItem*>(obj);
  if (!item) {
    delete obj;
    throw EComponentError(itemClass_->name + u" is not a collection item class");
  }
  return item;
}

TCollectionItem* TCollection::Insert(int index) {
  TCollectionItem* item = Add();
  item->SetIndex(index);
  return item;
}

void TCollection::Delete(int index) {
  TCollectionItem* item = Items(index);
  Notify(item, TCollectionNotification::cnDeleting);
  delete item;
}

void TCollection::Clear() {
  if (items_.empty()) return;
  BeginUpdate();
  while (!items_.empty()) delete items_.back();
  EndUpdate();
}

void TCollection::BeginUpdate() { ++updateCount_; }

void TCollection::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) Changed();
}

void TCollection::Changed() {
  if (updateCount_ == 0) Update(nullptr);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::InsertItem(TCollectionItem* item) {
  items_.push_back(item);
  item->collection_ = this;
  item->id_ = nextId_++;
  Notify(item, TCollectionNotification::cnAdded);
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  Notify(item, TCollectionNotification::cnExtracting);
  items_.erase(it);
  item->collection_ = nullptr;
  Changed();
}

void TCollection::MoveItem(TCollectionItem* item, int index) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  Changed();
}

void TCollection::Assign(const TPersistent* source) {
  auto* src = dynamic_cast<const TCollection*>(source);
  if (!src) {
    TPersistent::Assign(source);
    return;
  }
  BeginUpdate();
  try {
    Clear();
    for (TCollectionItem* s : src->items_) Add()->Assign(s);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

std::u16string TCollection::GetNamePath() const {
  TPersistent* owner = GetOwner();
  if (!owner || propName_.empty()) return ClassName();
  std::u16string s = owner->GetNamePath();
  return s.empty() ? propName_ : s + u"." + propName_;
}

}  // namespace forms
