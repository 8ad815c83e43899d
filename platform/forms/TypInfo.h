#pragma once
// Run-time class information: a class's name, its ancestor, how to make an instance, and
// its published properties (with defaults), the methods a stored description may bind
// events to and the fields it fills with the components it creates. A process-wide
// registry finds classes by name for streaming.
#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <typeindex>
#include <vector>

namespace forms {

class TObject;
class TPersistent;
class TComponent;
struct TClassInfo;

// Names and values of an enumeration type, in ordinal order.
struct TEnumInfo {
  std::u16string typeName;
  std::vector<std::u16string> names;  // index = ordinal

  const std::u16string* NameOf(std::int64_t v) const;
  std::optional<std::int64_t> ValueOf(const std::u16string& name) const;  // exact
};

// Identifiers an integer property accepts besides numbers (colour and cursor names).
struct TIdentMap {
  std::vector<std::pair<std::u16string, std::int64_t>> entries;

  std::optional<std::int64_t> ValueOf(const std::u16string& ident) const;  // letters without case
  const std::u16string* NameOf(std::int64_t v) const;
};

enum class TPropKind { Ordinal, Float, String, Object, Component, Event };
enum class TOrdKind { Integer, Boolean, Enumeration, Set, Char };

struct TPropInfo {
  std::u16string name;
  TPropKind kind = TPropKind::Ordinal;
  TOrdKind ordKind = TOrdKind::Integer;
  const TEnumInfo* enumInfo = nullptr;     // enumerations, and the element type of sets
  const TIdentMap* idents = nullptr;       // integers written as identifiers
  std::optional<std::int64_t> defaultOrd;  // ordinal default; none: always stored
  std::optional<double> defaultFloat;
  const TClassInfo& (*componentClass)() = nullptr;  // components: the class a value must have
  std::type_index eventType = typeid(void);         // events: the std::function type

  std::function<std::int64_t(const TObject*)> getOrd;
  std::function<void(TObject*, std::int64_t)> setOrd;
  std::function<double(const TObject*)> getFloat;
  std::function<void(TObject*, double)> setFloat;
  std::function<std::u16string(const TObject*)> getStr;
  std::function<void(TObject*, const std::u16string&)> setStr;
  std::function<TPersistent*(TObject*)> getObject;
  std::function<TComponent*(const TObject*)> getComp;
  std::function<void(TObject*, TComponent*)> setComp;
  // Events: binds a handler made by a TMethodInfo, with its name; null clears.
  std::function<void(TObject*, const std::u16string& name, const std::any* fn)> setEvent;
  std::function<std::u16string(const TObject*)> eventName;
  // Whether the current value is written at all (besides the default rule).
  std::function<bool(const TObject*)> stored;

  bool IsReadOnly() const;
};

// A method of a form (or other root) that events may be bound to by name.
struct TMethodInfo {
  std::u16string name;
  std::type_index type = typeid(void);  // the std::function type it makes
  std::function<std::any(TObject* root)> make;
};

// A component field of a root that a description fills by the component's name.
struct TFieldInfo {
  std::u16string name;
  // Stores the component (null clears); false when the component has the wrong class.
  std::function<bool(TObject* root, TComponent* value)> set;
};

struct TClassInfo {
  std::u16string name;
  const TClassInfo* parent = nullptr;
  // Makes an instance; the argument is the owner (components), the collection (items)
  // or unused (graphics and other persistents). Null for abstract classes.
  TObject* (*create)(TObject* arg) = nullptr;
  std::vector<TPropInfo> props;
  std::vector<TMethodInfo> methods;
  std::vector<TFieldInfo> fields;

  bool InheritsFrom(const TClassInfo& other) const;
  // The most derived definition of a property, searched up the ancestors.
  const TPropInfo* FindProperty(const std::u16string& name) const;
  const TMethodInfo* FindMethod(const std::u16string& name) const;
  const TFieldInfo* FindField(const std::u16string& name) const;
  // Every property once, ancestors' first, each in its most derived definition.
  std::vector<const TPropInfo*> AllProperties() const;
};

// The class registry. Framework classes are registered from the start; a layer above
// registers its own (forms of the program, skinned controls) before reading descriptions.
void RegisterClass(const TClassInfo& cls);
void RegisterClasses(std::initializer_list<const TClassInfo*> classes);
const TClassInfo* FindClass(const std::u16string& name);

// Reads and writes published properties by name (for scripts and tests). Raise
// EPropertyError when the property does not exist or has another kind.
std::int64_t GetOrdProp(const TObject* obj, const std::u16string& name);
void SetOrdProp(TObject* obj, const std::u16string& name, std::int64_t v);
std::u16string GetStrProp(const TObject* obj, const std::u16string& name);
void SetStrProp(TObject* obj, const std::u16string& name, const std::u16string& v);
bool IsPublishedProp(const TObject* obj, const std::u16string& name);
// Whether the property would be written into a description (stored and not default).
bool IsStoredProp(const TObject* obj, const TPropInfo& prop);

}  // namespace forms
