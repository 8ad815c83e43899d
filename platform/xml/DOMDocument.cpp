#include "platform/xml/DOMDocument.h"

#include <deque>
#include <unordered_map>

namespace xml {

namespace {

const QName kText{u"#text", {}, {}, {}};
const QName kCData{u"#cdata-section", {}, {}, {}};
const QName kComment{u"#comment", {}, {}, {}};
const QName kDocument{u"#document", {}, {}, {}};
const QName kFragment{u"#document-fragment", {}, {}, {}};

}  // namespace

const QName& DOMDocument::TextName() { return kText; }
const QName& DOMDocument::CDataName() { return kCData; }
const QName& DOMDocument::CommentName() { return kComment; }
const QName& DOMDocument::DocumentName() { return kDocument; }
const QName& DOMDocument::FragmentName() { return kFragment; }

// Nodes live in a deque so that their addresses stay fixed; the whole tree is freed at once
// with the document, whatever its depth.
struct DOMDocument::Storage {
  std::deque<DOMNode> nodes;
  std::deque<QName> names;
  std::unordered_map<std::u16string, const QName*> nameIndex;
};

DOMDocument::DOMDocument() : store_(std::make_unique<Storage>()) { document_ = Make(NodeType::Document, &kDocument); }

DOMDocument::~DOMDocument() = default;

DOMNode* DOMDocument::Make(NodeType type, const QName* name) {
  return &store_->nodes.emplace_back(DOMNode::Key(), this, type, name);
}

DOMNode* DOMDocument::documentElement() const {
  for (DOMNode* n : document_->childNodes())
    if (n->nodeType() == NodeType::Element) return n;
  return nullptr;
}

const QName* DOMDocument::Name(std::u16string_view prefix, std::u16string_view local,
                               std::u16string_view namespaceURI) {
  std::u16string key;
  key.reserve(prefix.size() + local.size() + namespaceURI.size() + 2);
  key.append(prefix).push_back(u'\0');
  key.append(local).push_back(u'\0');
  key.append(namespaceURI);
  auto found = store_->nameIndex.find(key);
  if (found != store_->nameIndex.end()) return found->second;
  QName& q = store_->names.emplace_back();
  q.prefix = prefix;
  q.local = local;
  q.namespaceURI = namespaceURI;
  q.qualified = prefix.empty() ? std::u16string(local) : q.prefix + u':' + q.local;
  store_->nameIndex.emplace(std::move(key), &q);
  return &q;
}

// Names of processing instructions, entity references and document types: a name alone,
// with no local part, prefix or namespace.
const QName* DOMDocument::PlainName(std::u16string_view name) {
  std::u16string key(1, u'\1');
  key.append(name);
  auto found = store_->nameIndex.find(key);
  if (found != store_->nameIndex.end()) return found->second;
  QName& q = store_->names.emplace_back();
  q.qualified = name;
  store_->nameIndex.emplace(std::move(key), &q);
  return &q;
}

const QName* DOMDocument::QualifiedName(std::u16string_view qualifiedName, std::u16string_view namespaceURI) {
  const std::size_t colon = qualifiedName.find(u':');
  if (colon == std::u16string_view::npos) return Name({}, qualifiedName, namespaceURI);
  return Name(qualifiedName.substr(0, colon), qualifiedName.substr(colon + 1), namespaceURI);
}

DOMNode* DOMDocument::createElement(std::u16string_view qualifiedName, std::u16string_view namespaceURI) {
  return createElement(QualifiedName(qualifiedName, namespaceURI));
}

DOMNode* DOMDocument::createElement(const QName* name) { return Make(NodeType::Element, name); }

DOMNode* DOMDocument::createTextNode(std::u16string data) {
  DOMNode* n = Make(NodeType::Text, &kText);
  n->value_ = std::move(data);
  return n;
}

DOMNode* DOMDocument::createCDATASection(std::u16string data) {
  DOMNode* n = Make(NodeType::CDataSection, &kCData);
  n->value_ = std::move(data);
  return n;
}

DOMNode* DOMDocument::createComment(std::u16string data) {
  DOMNode* n = Make(NodeType::Comment, &kComment);
  n->value_ = std::move(data);
  return n;
}

DOMNode* DOMDocument::createProcessingInstruction(std::u16string_view target, std::u16string data) {
  DOMNode* n = Make(NodeType::ProcessingInstruction, PlainName(target));
  n->value_ = std::move(data);
  return n;
}

DOMNode* DOMDocument::createEntityReference(std::u16string_view name) {
  return Make(NodeType::EntityReference, PlainName(name));
}

DOMNode* DOMDocument::createDocumentType(std::u16string_view name, std::u16string declaration) {
  DOMNode* n = Make(NodeType::DocumentType, PlainName(name));
  n->value_ = std::move(declaration);
  return n;
}

DOMNode* DOMDocument::createDocumentFragment() { return Make(NodeType::DocumentFragment, &kFragment); }

}  // namespace xml
