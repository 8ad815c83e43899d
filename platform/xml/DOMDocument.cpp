#include "platform/xml/DOMDocument.h"

#include "platform/xml/NodeStore.h"

namespace xml {

using detail::NodeStore;

const QName& DOMDocument::TextName() { return detail::FixedTextName(); }
const QName& DOMDocument::CDataName() { return detail::FixedCDataName(); }
const QName& DOMDocument::CommentName() { return detail::FixedCommentName(); }
const QName& DOMDocument::DocumentName() { return detail::FixedDocumentName(); }
const QName& DOMDocument::FragmentName() { return detail::FixedFragmentName(); }

// The document node is record 0.
DOMDocument::DOMDocument() : store_(std::make_unique<NodeStore>(this)) {
  store_->NewRecord(NodeType::Document, NodeStore::kDocumentName);
}

DOMDocument::~DOMDocument() = default;

DOMNode* DOMDocument::documentNode() const { return store_->At(0); }

DOMNode* DOMDocument::Make(NodeType type, std::uint32_t nameId, std::u16string_view value) {
  DOMNode* n = store_->At(store_->NewRecord(type, nameId));
  if (!value.empty()) store_->SetTextValue(*n, value);
  return n;
}

DOMNode* DOMDocument::documentElement() const {
  for (DOMNode* n : childNodes())
    if (n->nodeType() == NodeType::Element) return n;
  return nullptr;
}

const QName* DOMDocument::Name(std::u16string_view prefix, std::u16string_view local,
                               std::u16string_view namespaceURI) {
  return &store_->NameAt(store_->Intern(prefix, local, namespaceURI));
}

const QName* DOMDocument::QualifiedName(std::u16string_view qualifiedName, std::u16string_view namespaceURI) {
  const std::size_t colon = qualifiedName.find(u':');
  if (colon == std::u16string_view::npos) return Name({}, qualifiedName, namespaceURI);
  return Name(qualifiedName.substr(0, colon), qualifiedName.substr(colon + 1), namespaceURI);
}

DOMNode* DOMDocument::createElement(std::u16string_view qualifiedName, std::u16string_view namespaceURI) {
  return createElement(QualifiedName(qualifiedName, namespaceURI));
}

DOMNode* DOMDocument::createElement(const QName* name) { return Make(NodeType::Element, store_->IdOf(name), {}); }

DOMNode* DOMDocument::createTextNode(std::u16string_view data) {
  return Make(NodeType::Text, NodeStore::kTextName, data);
}

DOMNode* DOMDocument::createCDATASection(std::u16string_view data) {
  return Make(NodeType::CDataSection, NodeStore::kCDataName, data);
}

DOMNode* DOMDocument::createComment(std::u16string_view data) {
  return Make(NodeType::Comment, NodeStore::kCommentName, data);
}

DOMNode* DOMDocument::createProcessingInstruction(std::u16string_view target, std::u16string_view data) {
  return Make(NodeType::ProcessingInstruction, store_->PlainName(target), data);
}

DOMNode* DOMDocument::createEntityReference(std::u16string_view name) {
  return Make(NodeType::EntityReference, store_->PlainName(name), {});
}

DOMNode* DOMDocument::createDocumentType(std::u16string_view name, std::u16string_view declaration) {
  return Make(NodeType::DocumentType, store_->PlainName(name), declaration);
}

DOMNode* DOMDocument::createDocumentFragment() {
  return Make(NodeType::DocumentFragment, NodeStore::kFragmentName, {});
}

}  // namespace xml
