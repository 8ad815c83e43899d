#include <map>

#include "platform/base/TextCase.h"
#include "platform/base/Unicode.h"
#include "platform/forms/Collections.h"
#include "platform/forms/DescriptionTree.h"
#include "platform/forms/Filer.h"
#include "platform/forms/TypInfo.h"

namespace forms {

namespace {

TDescriptionValue Ident(std::u16string s) {
  TDescriptionValue v;
  v.kind = TDescriptionValue::Kind::Ident;
  v.text = std::move(s);
  return v;
}

TDescriptionValue OrdinalValue(const TPropInfo& p, std::int64_t value) {
  TDescriptionValue v;
  switch (p.ordKind) {
    case TOrdKind::Integer:
      if (p.idents)
        if (const std::u16string* n = p.idents->NameOf(value)) return Ident(*n);
      v.kind = TDescriptionValue::Kind::Integer;
      v.integer = value;
      return v;
    case TOrdKind::Boolean: return Ident(value ? u"True" : u"False");
    case TOrdKind::Enumeration:
      if (const std::u16string* n = p.enumInfo->NameOf(value)) return Ident(*n);
      v.kind = TDescriptionValue::Kind::Integer;
      v.integer = value;
      return v;
    case TOrdKind::Set:
      v.kind = TDescriptionValue::Kind::Set;
      for (std::size_t i = 0; i < p.enumInfo->names.size() && i < 64; ++i)
        if (value & (std::int64_t{1} << i)) v.names.push_back(p.enumInfo->names[i]);
      return v;
    case TOrdKind::Char:
      v.kind = TDescriptionValue::Kind::String;
      if (value) v.text = std::u16string(1, static_cast<char16_t>(value));
      return v;
  }
  return v;
}

}  // namespace

std::string TWriter::WriteRootComponent(TComponent* root) {
  TWriter w(root);
  TDescriptionObject node;
  w.WriteComponent(root, node);
  return FormatDescription(node);
}

void TWriter::WriteComponent(TComponent* c, TDescriptionObject& node) {
  node.name = c->Name();
  node.className = c->ClassName();
  WriteProperties(c, u"", node.props);
  c->GetChildren(
      [&](TComponent* child) {
        node.children.emplace_back();
        WriteComponent(child, node.children.back());
      },
      root_);
}

void TWriter::WriteProperties(TPersistent* obj, const std::u16string& prefix, std::vector<TDescriptionProperty>& out) {
  for (const TPropInfo* p : obj->ClassType().AllProperties()) {
    if (!IsStoredProp(obj, *p)) continue;
    TDescriptionProperty prop;
    prop.name = prefix + p->name;
    switch (p->kind) {
      case TPropKind::Ordinal: prop.value = OrdinalValue(*p, p->getOrd(obj)); break;
      case TPropKind::Float:
        prop.value.kind = TDescriptionValue::Kind::Float;
        prop.value.real = p->getFloat(obj);
        break;
      case TPropKind::String:
        prop.value.kind = TDescriptionValue::Kind::String;
        prop.value.text = p->getStr(obj);
        break;
      case TPropKind::Component: {
        TComponent* c = p->getComp(obj);
        std::u16string name = c->Name();
        if (c->Owner() != root_ && c != root_ && c->Owner()) name = c->Owner()->Name() + u"." + name;
        prop.value = Ident(name);
        break;
      }
      case TPropKind::Event: prop.value = Ident(p->eventName(obj)); break;
      case TPropKind::Object: {
        TPersistent* sub = p->getObject(obj);
        if (!sub) continue;
        if (auto* coll = dynamic_cast<TCollection*>(sub)) {
          if (coll->Count() == 0) continue;
          prop.value.kind = TDescriptionValue::Kind::Collection;
          for (int i = 0; i < coll->Count(); ++i) {
            TDescriptionItem item;
            WriteProperties(coll->Items(i), u"", item.props);
            prop.value.items.push_back(std::move(item));
          }
          break;
        }
        WriteProperties(sub, prefix + p->name + u".", out);
        continue;
      }
    }
    out.push_back(std::move(prop));
  }
  TFiler filer;
  obj->DefineProperties(filer);
  for (const TFiler::Defined& d : filer.Definitions()) {
    if (!d.hasData) continue;
    TDescriptionProperty prop;
    prop.name = prefix + d.name;
    if (d.binary) {
      prop.value.kind = TDescriptionValue::Kind::Binary;
      d.writeBinary(prop.value.bytes);
    } else {
      if (!d.write) continue;
      target_.clear();
      target_.push_back(&prop.value);
      prop.value.kind = TDescriptionValue::Kind::Ident;  // replaced by the first value written
      d.write(*this);
      target_.clear();
    }
    out.push_back(std::move(prop));
  }
}

void TWriter::Put(TDescriptionValue v) {
  if (target_.empty()) return;
  TDescriptionValue* t = target_.back();
  if (target_.size() > 1) {
    t->list.push_back(std::move(v));
  } else {
    *t = std::move(v);
  }
}

void TWriter::WriteString(const std::u16string& s) {
  TDescriptionValue v;
  v.kind = TDescriptionValue::Kind::String;
  v.text = s;
  Put(std::move(v));
}

void TWriter::WriteInteger(std::int64_t i) {
  TDescriptionValue v;
  v.kind = TDescriptionValue::Kind::Integer;
  v.integer = i;
  Put(std::move(v));
}

void TWriter::WriteFloat(double d) {
  TDescriptionValue v;
  v.kind = TDescriptionValue::Kind::Float;
  v.real = d;
  Put(std::move(v));
}

void TWriter::WriteBoolean(bool b) { Put(Ident(b ? u"True" : u"False")); }

void TWriter::WriteIdent(const std::u16string& s) { Put(Ident(s)); }

void TWriter::WriteListBegin() {
  TDescriptionValue v;
  v.kind = TDescriptionValue::Kind::List;
  Put(std::move(v));
  TDescriptionValue* t = target_.back();
  target_.push_back(target_.size() > 1 ? &t->list.back() : t);
}

void TWriter::WriteListEnd() {
  if (target_.size() > 1) target_.pop_back();
}

// --- Registered descriptions -----------------------------------------------------------------

namespace {

struct Description {
  std::u16string fileName;
  std::u16string className;
  std::string text;
};

std::vector<Description>& Descriptions() {
  static std::vector<Description> d;
  return d;
}

// The class name of the root object ("object Form1: TForm1" gives TForm1).
std::u16string RootClassName(std::string_view text) {
  std::size_t colon = text.find(':');
  std::size_t eol = text.find('\n');
  std::size_t start, end;
  if (colon != std::string_view::npos && colon < eol) {
    start = colon + 1;
  } else {
    start = text.find_first_of(" \t", text.find_first_not_of(" \t\r\n\xEF\xBB\xBF"));
    if (start == std::string_view::npos) return {};
  }
  start = text.find_first_not_of(" \t", start);
  if (start == std::string_view::npos) return {};
  end = text.find_first_of(" \t\r\n[", start);
  if (end == std::string_view::npos) end = text.size();
  return base::WidenAscii(text.substr(start, end - start));
}

}  // namespace

void RegisterDescription(const std::u16string& fileName, std::string_view text) {
  std::u16string cls = RootClassName(text);
  for (Description& d : Descriptions())
    if (base::EqualsIgnoreAsciiCase(d.className, cls)) {
      d.fileName = fileName;
      d.text = std::string(text);
      return;
    }
  Descriptions().push_back({fileName, cls, std::string(text)});
}

bool FindDescription(const std::u16string& className, std::string_view* text, std::u16string* fileName) {
  for (const Description& d : Descriptions())
    if (base::EqualsIgnoreAsciiCase(d.className, className)) {
      if (text) *text = d.text;
      if (fileName) *fileName = d.fileName;
      return true;
    }
  return false;
}

void ReadComponentFromText(TComponent* root, std::string_view text, const std::u16string& fileName) {
  TDescriptionObject tree = ParseDescription(text, fileName);
  TReader reader(root, fileName);
  reader.ReadRootComponent(tree);
}

bool InitInheritedComponent(TComponent* root) {
  std::string_view text;
  std::u16string file;
  if (!FindDescription(root->ClassName(), &text, &file)) return false;
  ReadComponentFromText(root, text, file);
  return true;
}

}  // namespace forms
