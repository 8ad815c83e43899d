#include <algorithm>

#include "platform/base/NumberText.h"
#include "platform/base/TextCase.h"
#include "platform/base/Unicode.h"
#include "platform/forms/Collections.h"
#include "platform/forms/DescriptionTree.h"
#include "platform/forms/Filer.h"
#include "platform/forms/TypInfo.h"

namespace forms {

// --- TFiler ---------------------------------------------------------------------------------

void TFiler::DefineProperty(const std::u16string& name, std::function<void(TReader&)> read,
                            std::function<void(TWriter&)> write, bool hasData) {
  Defined d;
  d.name = name;
  d.read = std::move(read);
  d.write = std::move(write);
  d.hasData = hasData;
  defined_.push_back(std::move(d));
}

void TFiler::DefineBinaryProperty(const std::u16string& name, TBinaryReader read, TBinaryWriter write, bool hasData) {
  Defined d;
  d.name = name;
  d.readBinary = std::move(read);
  d.writeBinary = std::move(write);
  d.hasData = hasData;
  d.binary = true;
  defined_.push_back(std::move(d));
}

const TFiler::Defined* TFiler::Find(const std::u16string& name) const {
  for (const Defined& d : defined_)
    if (base::EqualsIgnoreAsciiCase(d.name, name)) return &d;
  return nullptr;
}

// --- TReader --------------------------------------------------------------------------------

namespace {

// An error raised by a setter while a property is read, reported with the place.
std::u16string Describe(const std::exception& e) {
  if (auto* b = dynamic_cast<const base::Exception*>(&e)) return b->Message();
  return base::WidenAscii(e.what());
}

const char16_t* KindName(TDescriptionValue::Kind k) {
  switch (k) {
    case TDescriptionValue::Kind::Integer: return u"an integer";
    case TDescriptionValue::Kind::Float: return u"a number";
    case TDescriptionValue::Kind::String: return u"a string";
    case TDescriptionValue::Kind::Ident: return u"an identifier";
    case TDescriptionValue::Kind::Set: return u"a set";
    case TDescriptionValue::Kind::List: return u"a list";
    case TDescriptionValue::Kind::Collection: return u"a collection";
    case TDescriptionValue::Kind::Binary: return u"binary data";
  }
  return u"a value";
}

}  // namespace

TReader::TReader(TComponent* root, std::u16string fileName) : root_(root), fileName_(std::move(fileName)) {}

void TReader::Error(const std::u16string& message) const {
  std::u16string where = fileName_ + u", line " + base::IntToText(line_) + u": ";
  if (!currentPath_.empty()) where += u"Error reading " + currentPath_ + u": ";
  throw EReadError(where + message);
}

void TReader::ReadRootComponent(const TDescriptionObject& d) {
  line_ = d.line;
  if (d.className != root_->ClassName())
    Error(u"The description is of class " + d.className + u", not of " + root_->ClassName());
  if (root_->Name().empty() && !d.name.empty()) {
    try {
      root_->SetName(d.name);
    } catch (const base::Exception& e) {
      Error(e.Message());
    }
  }
  root_->SetLoadingState(true);
  root_->SetReadingState(true);
  loaded_.push_back(root_);
  current_ = root_;
  parent_ = nullptr;
  node_ = &d;
  root_->ReadState(*this);
  current_ = root_;
  currentPath_.clear();
  FixupReferences();
  for (TComponent* c : loaded_) c->SetReadingState(false);
  // Every component is told once all of them exist; the list may not change meanwhile.
  std::vector<TComponent*> loaded = std::move(loaded_);
  for (TComponent* c : loaded) c->Loaded();
}

void TReader::ReadComponent(const TDescriptionObject& node, TComponent* parent) {
  line_ = node.line;
  currentPath_.clear();
  TComponent* c = nullptr;
  if (node.inherited) {
    c = root_->FindComponent(node.name);
    if (!c) Error(u"Inherited component " + node.name + u" not found");
    if (c->ClassName() != node.className) Error(u"Inherited component " + node.name + u" is not a " + node.className);
  } else {
    const TClassInfo* cls = FindClass(node.className);
    if (!cls) {
      throw EClassNotFound(fileName_ + u", line " + base::IntToText(line_) + u": Class " + node.className +
                           u" not found");
    }
    if (!cls->InheritsFrom(TComponent::StaticClass()) || !cls->create)
      Error(u"Class " + node.className + u" cannot be created here");
    try {
      c = static_cast<TComponent*>(cls->create(root_));
    } catch (const EReadError&) {
      throw;
    } catch (const std::exception& e) {
      Error(u"Cannot create " + node.name + u": " + Describe(e));
    }
    c->SetLoadingState(true);
    c->SetReadingState(true);
    try {
      c->SetName(node.name);
    } catch (const base::Exception& e) {
      Error(e.Message());
    }
    if (const TFieldInfo* f = root_->ClassType().FindField(node.name))
      if (!f->set(root_, c))
        Error(u"Field " + node.name + u" of " + root_->ClassName() + u" is not a " + node.className);
  }
  TComponent* savedCurrent = current_;
  TComponent* savedParent = parent_;
  const TDescriptionObject* savedNode = node_;
  current_ = c;
  parent_ = parent;
  node_ = &node;
  if (!node.inherited) loaded_.push_back(c);
  c->ReadState(*this);
  current_ = savedCurrent;
  parent_ = savedParent;
  node_ = savedNode;
}

void TReader::ReadData(TComponent* c) {
  const TDescriptionObject& node = *node_;
  ReadProperties(c, node.props, c == root_ ? root_->Name() : node.name);
  for (const TDescriptionObject& child : node.children) ReadComponent(child, c);
}

void TReader::ReadProperties(TPersistent* obj, const std::vector<TDescriptionProperty>& props,
                             const std::u16string& path) {
  for (const TDescriptionProperty& p : props) ReadProperty(obj, p, path);
}

void TReader::ReadProperty(TPersistent* obj, const TDescriptionProperty& prop, const std::u16string& path) {
  line_ = prop.line;
  currentPath_ = path.empty() ? prop.name : path + u"." + prop.name;
  TPersistent* target = obj;
  std::u16string name = prop.name;
  for (std::size_t dot; (dot = name.find(u'.')) != std::u16string::npos;) {
    std::u16string seg = name.substr(0, dot);
    const TPropInfo* pi = target->ClassType().FindProperty(seg);
    if (!pi || pi->kind != TPropKind::Object) Error(u"Property " + seg + u" does not exist");
    target = pi->getObject(target);
    if (!target) Error(u"Property " + seg + u" has no value");
    name = name.substr(dot + 1);
  }
  const TPropInfo* pi = target->ClassType().FindProperty(name);
  try {
    if (!pi) ReadDefined(target, prop, name);
    else ReadPropValue(target, *pi, prop.value);
  } catch (const EReadError&) {
    throw;
  } catch (const EClassNotFound&) {
    throw;
  } catch (const std::exception& e) {
    line_ = prop.line;
    Error(Describe(e));
  }
}

void TReader::ReadPropValue(TPersistent* obj, const TPropInfo& pi, const TDescriptionValue& v) {
  using K = TDescriptionValue::Kind;
  auto invalid = [&]() { Error(u"Invalid property value (" + std::u16string(KindName(v.kind)) + u")"); };
  if (pi.IsReadOnly()) Error(u"Property " + pi.name + u" is read-only");
  switch (pi.kind) {
    case TPropKind::Ordinal: {
      std::int64_t value = 0;
      switch (pi.ordKind) {
        case TOrdKind::Integer:
          if (v.kind == K::Integer) {
            value = v.integer;
          } else if (v.kind == K::Ident && pi.idents) {
            auto id = pi.idents->ValueOf(v.text);
            if (!id) Error(u"Invalid property value " + v.text);
            value = *id;
          } else {
            invalid();
          }
          break;
        case TOrdKind::Boolean:
          if (v.kind != K::Ident) invalid();
          if (base::EqualsIgnoreAsciiCase(v.text, u"True")) value = 1;
          else if (base::EqualsIgnoreAsciiCase(v.text, u"False")) value = 0;
          else Error(u"Invalid property value " + v.text);
          break;
        case TOrdKind::Enumeration: {
          if (v.kind != K::Ident) invalid();
          auto e = pi.enumInfo->ValueOf(v.text);
          if (!e) Error(u"Invalid property value " + v.text);
          value = *e;
          break;
        }
        case TOrdKind::Set:
          if (v.kind != K::Set) invalid();
          for (const std::u16string& n : v.names) {
            auto e = pi.enumInfo->ValueOf(n);
            if (!e) Error(u"Invalid set element " + n);
            value |= std::int64_t{1} << *e;
          }
          break;
        case TOrdKind::Char:
          if (v.kind == K::String && v.text.size() == 1) value = v.text[0];
          else if (v.kind == K::String && v.text.empty()) value = 0;
          else if (v.kind == K::Integer && v.integer >= 0 && v.integer <= 0xFFFF) value = v.integer;
          else invalid();
          break;
      }
      pi.setOrd(obj, value);
      break;
    }
    case TPropKind::Float:
      if (v.kind == K::Float) pi.setFloat(obj, v.real);
      else if (v.kind == K::Integer) pi.setFloat(obj, static_cast<double>(v.integer));
      else invalid();
      break;
    case TPropKind::String:
      if (v.kind != K::String) invalid();
      pi.setStr(obj, v.text);
      break;
    case TPropKind::Object: {
      TPersistent* sub = pi.getObject(obj);
      auto* coll = dynamic_cast<TCollection*>(sub);
      if (!coll || v.kind != K::Collection) invalid();
      ReadCollection(coll, v);
      break;
    }
    case TPropKind::Component:
      if (v.kind != K::Ident) invalid();
      if (base::EqualsIgnoreAsciiCase(v.text, u"nil")) pi.setComp(obj, nullptr);
      else fixups_.push_back({obj, &pi, v.text, v.line});
      break;
    case TPropKind::Event: {
      if (v.kind != K::Ident) invalid();
      if (base::EqualsIgnoreAsciiCase(v.text, u"nil")) {
        pi.setEvent(obj, u"", nullptr);
        break;
      }
      const TMethodInfo* m = root_->ClassType().FindMethod(v.text);
      if (!m) Error(u"Method " + v.text + u" not found in " + root_->ClassName());
      if (m->type != pi.eventType) Error(u"Method " + v.text + u" does not fit event " + pi.name);
      std::any fn = m->make(root_);
      pi.setEvent(obj, m->name, &fn);
      break;
    }
  }
}

void TReader::ReadCollection(TCollection* coll, const TDescriptionValue& v) {
  std::u16string path = currentPath_;
  coll->BeginUpdate();
  try {
    coll->Clear();
    for (std::size_t i = 0; i < v.items.size(); ++i) {
      line_ = v.items[i].line;
      TCollectionItem* item = coll->Add();
      ReadProperties(item, v.items[i].props, path + u"[" + base::IntToText(static_cast<std::int64_t>(i)) + u"]");
    }
  } catch (...) {
    coll->EndUpdate();
    throw;
  }
  coll->EndUpdate();
  currentPath_ = path;
}

void TReader::ReadDefined(TPersistent* obj, const TDescriptionProperty& prop, const std::u16string& name) {
  TFiler filer;
  obj->DefineProperties(filer);
  const TFiler::Defined* d = filer.Find(name);
  if (!d) Error(u"Property " + name + u" does not exist");
  if (d->binary) {
    if (prop.value.kind != TDescriptionValue::Kind::Binary) Error(u"Binary value expected");
    d->readBinary(prop.value.bytes);
    return;
  }
  if (!d->read) Error(u"Property " + name + u" cannot be read");
  value_ = &prop.value;
  valueTaken_ = false;
  lists_.clear();
  d->read(*this);
  value_ = nullptr;
  lists_.clear();
}

const TDescriptionValue& TReader::NextValue() {
  if (!lists_.empty()) {
    ListPos& top = lists_.back();
    if (top.index >= top.list->list.size()) Error(u"More list values expected");
    const TDescriptionValue& v = top.list->list[top.index++];
    line_ = v.line;
    return v;
  }
  if (!value_ || valueTaken_) Error(u"Value expected");
  valueTaken_ = true;
  return *value_;
}

std::u16string TReader::ReadString() {
  const TDescriptionValue& v = NextValue();
  if (v.kind != TDescriptionValue::Kind::String) Error(u"String expected");
  return v.text;
}

std::int64_t TReader::ReadInteger() {
  const TDescriptionValue& v = NextValue();
  if (v.kind != TDescriptionValue::Kind::Integer) Error(u"Integer expected");
  return v.integer;
}

double TReader::ReadFloat() {
  const TDescriptionValue& v = NextValue();
  if (v.kind == TDescriptionValue::Kind::Float) return v.real;
  if (v.kind == TDescriptionValue::Kind::Integer) return static_cast<double>(v.integer);
  Error(u"Number expected");
}

bool TReader::ReadBoolean() {
  std::u16string id = ReadIdent();
  if (base::EqualsIgnoreAsciiCase(id, u"True")) return true;
  if (base::EqualsIgnoreAsciiCase(id, u"False")) return false;
  Error(u"True or False expected");
}

std::u16string TReader::ReadIdent() {
  const TDescriptionValue& v = NextValue();
  if (v.kind != TDescriptionValue::Kind::Ident) Error(u"Identifier expected");
  return v.text;
}

void TReader::ReadListBegin() {
  const TDescriptionValue& v = NextValue();
  if (v.kind != TDescriptionValue::Kind::List) Error(u"List expected");
  lists_.push_back({&v, 0});
}

bool TReader::EndOfList() const { return lists_.empty() || lists_.back().index >= lists_.back().list->list.size(); }

void TReader::ReadListEnd() {
  if (!lists_.empty()) lists_.pop_back();
}

TComponent* TReader::FindComponentRef(const std::u16string& name) const {
  std::u16string n = name;
  std::size_t dot = n.find(u'.');
  if (dot != std::u16string::npos) {
    if (!base::EqualsIgnoreAsciiCase(n.substr(0, dot), root_->Name())) return nullptr;
    n = n.substr(dot + 1);
  }
  if (base::EqualsIgnoreAsciiCase(n, root_->Name())) return root_;
  return root_->FindComponent(n);
}

void TReader::FixupReferences() {
  for (const Fixup& f : fixups_) {
    line_ = f.line;
    currentPath_ = f.prop->name;
    TComponent* c = FindComponentRef(f.name);
    if (!c) Error(u"Component " + f.name + u" not found");
    if (!c->InheritsFrom(f.prop->componentClass()))
      Error(u"Component " + f.name + u" is not a " + f.prop->componentClass().name);
    try {
      f.prop->setComp(f.obj, c);
    } catch (const std::exception& e) {
      Error(Describe(e));
    }
  }
  fixups_.clear();
}

}  // namespace forms
