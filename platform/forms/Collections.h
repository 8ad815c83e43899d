#pragma once
// Collections: ordered lists of items of one item class, owned by the collection and
// stored in a description as `Prop = < item ... end item ... end >`. Classes outside the
// framework derive their own collection and item classes (with published item
// properties and extra defined values) and stream through the same path.
#include <vector>

#include "platform/forms/Classes.h"

namespace forms {

class TCollection;

class TCollectionItem : public TPersistent {
  FORMS_CLASS(TCollectionItem)
 public:
  explicit TCollectionItem(TCollection* collection);
  ~TCollectionItem() override;

  TCollection* Collection() const { return collection_; }
  void SetCollection(TCollection* c);
  int Index() const;
  void SetIndex(int index);
  int ID() const { return id_; }
  virtual std::u16string GetDisplayName() const;
  std::u16string GetNamePath() const override;
  TPersistent* GetOwner() const override;

 protected:
  // Tells the collection that this item (or, with allItems, everything) changed.
  void Changed(bool allItems);

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
  int id_ = 0;
};

enum class TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollection : public TPersistent {
  FORMS_CLASS(TCollection)
 public:
  explicit TCollection(const TClassInfo& itemClass);
  ~TCollection() override;

  const TClassInfo& ItemClass() const { return *itemClass_; }
  int Count() const { return static_cast<int>(items_.size()); }
  TCollectionItem* Items(int index) const;
  // A new item of the item class at the end (or at index).
  TCollectionItem* Add();
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  void Assign(const TPersistent* source) override;
  std::u16string GetNamePath() const override;
  // The name of the property that holds this collection in its owner ("Items").
  void SetPropName(std::u16string name) { propName_ = std::move(name); }
  const std::u16string& PropName() const { return propName_; }

 protected:
  // An item (null: the whole collection) changed; runs when not inside an update.
  virtual void Update(TCollectionItem* item);
  virtual void Notify(TCollectionItem* item, TCollectionNotification action);
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* item);
  void RemoveItem(TCollectionItem* item);
  void MoveItem(TCollectionItem* item, int index);

  const TClassInfo* itemClass_;
  std::vector<TCollectionItem*> items_;
  int nextId_ = 0;
  int updateCount_ = 0;
  std::u16string propName_;
};

// A collection that knows its owner (for name paths and design-time tools).
class TOwnedCollection : public TCollection {
  FORMS_CLASS(TOwnedCollection)
 public:
  TOwnedCollection(TPersistent* owner, const TClassInfo& itemClass) : TCollection(itemClass), owner_(owner) {}
  TPersistent* GetOwner() const override { return owner_; }

 private:
  TPersistent* owner_;
};

}  // namespace forms
