#include "platform/forms/TypInfo.h"

#include <map>
#include <set>

#include "platform/base/TextCase.h"
#include "platform/forms/Classes.h"

namespace forms {

void RegisterFrameworkClasses();  // FrameworkClasses.cpp

namespace {

struct EPropertyError : base::Exception {
  explicit EPropertyError(std::u16string m) : base::Exception("EPropertyError", std::move(m)) {}
};

std::map<std::u16string, const TClassInfo*>& Registry() {
  static std::map<std::u16string, const TClassInfo*> r;
  return r;
}

void EnsureFramework() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterFrameworkClasses();
}

const TPropInfo& Prop(const TObject* obj, const std::u16string& name, TPropKind kind) {
  const TPropInfo* p = obj->ClassType().FindProperty(name);
  if (!p) throw EPropertyError(u"Property " + name + u" does not exist");
  if (p->kind != kind) throw EPropertyError(u"Property " + name + u" has another type");
  return *p;
}

}  // namespace

const std::u16string* TEnumInfo::NameOf(std::int64_t v) const {
  if (v < 0 || v >= static_cast<std::int64_t>(names.size())) return nullptr;
  return &names[static_cast<std::size_t>(v)];
}

std::optional<std::int64_t> TEnumInfo::ValueOf(const std::u16string& name) const {
  for (std::size_t i = 0; i < names.size(); ++i)
    if (names[i] == name) return static_cast<std::int64_t>(i);
  return std::nullopt;
}

std::optional<std::int64_t> TIdentMap::ValueOf(const std::u16string& ident) const {
  for (const auto& [n, v] : entries)
    if (base::EqualsIgnoreAsciiCase(n, ident)) return v;
  return std::nullopt;
}

const std::u16string* TIdentMap::NameOf(std::int64_t v) const {
  for (const auto& [n, val] : entries)
    if (val == v) return &n;
  return nullptr;
}

bool TPropInfo::IsReadOnly() const {
  switch (kind) {
    case TPropKind::Ordinal: return !setOrd;
    case TPropKind::Float: return !setFloat;
    case TPropKind::String: return !setStr;
    case TPropKind::Object: return false;
    case TPropKind::Component: return !setComp;
    case TPropKind::Event: return !setEvent;
  }
  return true;
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->parent)
    if (c == &other) return true;
  return false;
}

const TPropInfo* TClassInfo::FindProperty(const std::u16string& n) const {
  for (const TClassInfo* c = this; c; c = c->parent)
    for (const TPropInfo& p : c->props)
      if (base::EqualsIgnoreAsciiCase(p.name, n)) return &p;
  return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(const std::u16string& n) const {
  for (const TClassInfo* c = this; c; c = c->parent)
    for (const TMethodInfo& m : c->methods)
      if (base::EqualsIgnoreAsciiCase(m.name, n)) return &m;
  return nullptr;
}

const TFieldInfo* TClassInfo::FindField(const std::u16string& n) const {
  for (const TClassInfo* c = this; c; c = c->parent)
    for (const TFieldInfo& f : c->fields)
      if (base::EqualsIgnoreAsciiCase(f.name, n)) return &f;
  return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::AllProperties() const {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = this; c; c = c->parent) chain.insert(chain.begin(), c);
  std::vector<const TPropInfo*> out;
  for (const TClassInfo* c : chain)
    for (const TPropInfo& p : c->props) {
      bool replaced = false;
      for (const TPropInfo*& q : out)
        if (base::EqualsIgnoreAsciiCase(q->name, p.name)) {
          q = &p;
          replaced = true;
        }
      if (!replaced) out.push_back(&p);
    }
  return out;
}

void RegisterClass(const TClassInfo& cls) {
  EnsureFramework();
  Registry()[base::ToUpperUi(cls.name)] = &cls;
}

void RegisterClasses(std::initializer_list<const TClassInfo*> classes) {
  for (const TClassInfo* c : classes) RegisterClass(*c);
}

const TClassInfo* FindClass(const std::u16string& name) {
  EnsureFramework();
  auto it = Registry().find(base::ToUpperUi(name));
  return it == Registry().end() ? nullptr : it->second;
}

std::int64_t GetOrdProp(const TObject* obj, const std::u16string& name) {
  return Prop(obj, name, TPropKind::Ordinal).getOrd(obj);
}

void SetOrdProp(TObject* obj, const std::u16string& name, std::int64_t v) {
  const TPropInfo& p = Prop(obj, name, TPropKind::Ordinal);
  if (!p.setOrd) throw EPropertyError(u"Property " + name + u" is read-only");
  p.setOrd(obj, v);
}

std::u16string GetStrProp(const TObject* obj, const std::u16string& name) {
  return Prop(obj, name, TPropKind::String).getStr(obj);
}

void SetStrProp(TObject* obj, const std::u16string& name, const std::u16string& v) {
  const TPropInfo& p = Prop(obj, name, TPropKind::String);
  if (!p.setStr) throw EPropertyError(u"Property " + name + u" is read-only");
  p.setStr(obj, v);
}

bool IsPublishedProp(const TObject* obj, const std::u16string& name) {
  return obj && obj->ClassType().FindProperty(name) != nullptr;
}

bool IsStoredProp(const TObject* obj, const TPropInfo& p) {
  if (p.stored && !p.stored(obj)) return false;
  switch (p.kind) {
    case TPropKind::Ordinal:
      if (!p.setOrd) return false;
      return !p.defaultOrd || p.getOrd(obj) != *p.defaultOrd;
    case TPropKind::Float:
      if (!p.setFloat) return false;
      return !p.defaultFloat || p.getFloat(obj) != *p.defaultFloat;
    case TPropKind::String: return p.setStr && !p.getStr(obj).empty();
    case TPropKind::Object: return true;
    case TPropKind::Component: return p.setComp && p.getComp(obj) != nullptr;
    case TPropKind::Event: return !p.eventName(obj).empty();
  }
  return false;
}

}  // namespace forms
