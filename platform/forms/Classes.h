#pragma once
// The object model every framework class stands on: TObject (run-time class information),
// TPersistent (values that can be copied and streamed), TComponent (named components,
// owned and freed by their owner, with free notifications and the loading protocol).
//
// Lifetime. Components are freed with Free(): it runs the virtual Destroy() chain while
// the object is still whole (windows are destroyed and notifications sent there), then
// deletes it. A component frees the components it owns, last first.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/Errors.h"
#include "platform/forms/Sets.h"

namespace forms {

struct TClassInfo;
class TComponent;
class TFiler;
class TReader;

using TNotifyEvent = TEvent<void(class TObject* Sender)>;

// Errors of the component layer.
struct EComponentError : base::Exception {
  explicit EComponentError(std::u16string m) : base::Exception("EComponentError", std::move(m)) {}
};
struct EInvalidOperation : base::Exception {
  explicit EInvalidOperation(std::u16string m) : base::Exception("EInvalidOperation", std::move(m)) {}
};
using base::EListError;
struct EConvertError : base::Exception {
  explicit EConvertError(std::u16string m) : base::Exception("EConvertError", std::move(m)) {}
};

// Declares the class information of a framework class; its definition (the published
// properties) lives in the class's .cpp file (see ClassBuilder.h).
#define FORMS_CLASS(T)                             \
 public:                                           \
  static const ::forms::TClassInfo& StaticClass(); \
  const ::forms::TClassInfo& ClassType() const override { return StaticClass(); }

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static const TClassInfo& StaticClass();
  virtual const TClassInfo& ClassType() const { return StaticClass(); }
  const std::u16string& ClassName() const;
  bool InheritsFrom(const TClassInfo& cls) const;

  // Runs after the most derived constructor (the factories call it): forms read their
  // stored description here.
  virtual void AfterConstruction() {}
  // The teardown chain, run by Free while the object is whole. Overrides do their part
  // and then call the base.
  virtual void Destroy() {}
  // Destroy, then delete.
  void Free();
};

template <class T>
void FreeAndNil(T*& p) {
  T* q = p;
  p = nullptr;
  if (q) q->Free();
}

class TPersistent : public TObject {
  FORMS_CLASS(TPersistent)
 public:
  // Copies the value of another object; the default asks source->AssignTo(this) and
  // raises EConvertError when neither side knows the other.
  virtual void Assign(const TPersistent* source);
  // Extra stored values that are not published properties (binary data, string lists).
  virtual void DefineProperties(TFiler& filer);
  // The name a stored description uses for the object (components: their name).
  virtual std::u16string GetNamePath() const;
  // The object that owns this one for naming purposes (a font's control, ...).
  virtual TPersistent* GetOwner() const { return nullptr; }

 protected:
  virtual void AssignTo(TPersistent* dest) const;
  [[noreturn]] void AssignError(const TPersistent* source) const;
};

enum class TComponentStateItem {
  csLoading,
  csReading,
  csWriting,
  csDestroying,
  csDesigning,
  csAncestor,
  csUpdating,
  csFixups,
  csFreeNotification,
  csInline,
  csDesignInstance
};
using TComponentState = TSet<TComponentStateItem>;

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
  FORMS_CLASS(TComponent)
 public:
  explicit TComponent(TComponent* owner);

  TComponent* Owner() const { return owner_; }
  const std::u16string& Name() const { return name_; }
  virtual void SetName(const std::u16string& name);
  std::intptr_t Tag() const { return tag_; }
  void SetTag(std::intptr_t t) { tag_ = t; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const;
  int ComponentIndex() const;
  // The owned component of that name (letters compared without case), or null.
  TComponent* FindComponent(const std::u16string& name) const;
  void InsertComponent(TComponent* c);
  void RemoveComponent(TComponent* c);
  // Frees every owned component, last first.
  void DestroyComponents();

  // `other` will call this->Notification(other, opRemove) when it is freed.
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

  TComponentState ComponentState() const { return state_; }
  bool IsLoading() const { return state_.Contains(TComponentStateItem::csLoading); }
  bool IsDestroying() const { return state_.Contains(TComponentStateItem::csDestroying); }
  bool IsDesigning() const { return state_.Contains(TComponentStateItem::csDesigning); }
  // Marks this component and every component it owns as being destroyed.
  void Destroying();

  // Streaming: the component's parent in a stored description (a control's parent).
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent*) {}
  // The components a description nests directly under this one, in stored order.
  virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const;

  // Called once every component of a description has been read.
  virtual void Loaded();
  // Before any property of the component is read.
  virtual void ReadState(TReader& reader);

  std::u16string GetNamePath() const override { return name_; }
  void Destroy() override;

  // Loading state, set by the reader.
  void SetLoadingState(bool loading);
  void SetReadingState(bool reading);

 protected:
  ~TComponent() override;
  // Another component was inserted into or removed from this component's owner tree, or
  // a component this one asked to be told about is being freed. The default passes the
  // news on to every owned component.
  virtual void Notification(TComponent* c, TOperation op);
  virtual void ValidateRename(TComponent* c, const std::u16string& curName, const std::u16string& newName);
  // The owner's field of that name (declared with the class information) follows the
  // component; nulled on removal.
  void SetReference(bool enable);
  void SetComponentStateItem(TComponentStateItem item, bool on) { state_.Set(item, on); }

 private:
  void Insert(TComponent* c);
  void Remove(TComponent* c);
  void RemoveNotification(TComponent* c);

  TComponent* owner_ = nullptr;
  std::u16string name_;
  std::intptr_t tag_ = 0;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  TComponentState state_;
};

// Creates a component through its class and runs AfterConstruction; frees it again when
// that throws.
template <class T, class... Args>
T* New(Args&&... args) {
  T* obj = new T(std::forward<Args>(args)...);
  try {
    obj->AfterConstruction();
  } catch (...) {
    obj->Free();
    throw;
  }
  return obj;
}

// Identifier rules of names in descriptions: a letter or underscore, then letters,
// digits and underscores (ASCII).
bool IsValidIdent(const std::u16string& s);

}  // namespace forms
