#include "platform/xml/DOMNode.h"

#include "platform/xml/DOMDocument.h"
#include "platform/xml/NodeStore.h"
#include "platform/xml/XMLErrors.h"

namespace xml {

using detail::NodeStore;

// ---- DOMNodeList ----

std::size_t DOMNodeList::size() const { return NodeStore::Of(owner_).ChildCount(*owner_); }

DOMNode* DOMNodeList::operator[](std::size_t index) const {
  const NodeStore& store = NodeStore::Of(owner_);
  return store.At(store.List(*owner_).data[index]);
}

bool operator==(const DOMNodeList& list, const std::vector<DOMNode*>& nodes) {
  if (list.size() != nodes.size()) return false;
  for (std::size_t i = 0; i < nodes.size(); ++i)
    if (list[i] != nodes[i]) return false;
  return true;
}

// ---- DOMNode ----

NodeStore& DOMNode::Store() const { return NodeStore::Of(this); }

const QName& DOMNode::name() const { return Store().NameAt(NameId()); }

std::u16string DOMNode::nodeValue() const {
  switch (nodeType()) {
    case NodeType::Text:
    case NodeType::CDataSection:
    case NodeType::Comment:
    case NodeType::ProcessingInstruction:
    case NodeType::DocumentType: return Store().ValueText(*this);
    default: return {};
  }
}

void DOMNode::setNodeValue(std::u16string_view value) {
  switch (nodeType()) {
    case NodeType::Text:
    case NodeType::CDataSection:
    case NodeType::Comment:
    case NodeType::ProcessingInstruction: Store().SetTextValue(*this, value); return;
    default: throw DOMException(u"A node of type \"" + nodeName() + u"\" has no value to set");
  }
}

DOMDocument& DOMNode::ownerDocument() const { return *Store().Owner(); }

DOMNode* DOMNode::parentNode() const { return parent_ == 0 ? nullptr : Store().At(parent_ - 1); }

DOMNodeList DOMNode::childNodes() const {
  Store().Materialize(*this);
  return DOMNodeList(this);
}

bool DOMNode::hasChildNodes() const { return childCount() != 0; }

std::size_t DOMNode::childCount() const { return Store().ChildCount(*this); }

NodeType DOMNode::firstChildType() const {
  if (Has(kEmbedded)) return Has(kEmbeddedCData) ? NodeType::CDataSection : NodeType::Text;
  if (childCount() == 0) return NodeType::Document;
  const NodeStore& store = Store();
  return store.At(store.List(*this).data[0])->nodeType();
}

std::u16string DOMNode::firstChildValue() const {
  if (Has(kEmbedded)) return Store().ValueText(*this);
  if (childCount() == 0) return {};
  const NodeStore& store = Store();
  return store.At(store.List(*this).data[0])->nodeValue();
}

DOMNode* DOMNode::firstChild() const {
  if (childCount() == 0) return nullptr;
  NodeStore& store = Store();
  store.Materialize(*this);
  return store.At(store.List(*this).data[0]);
}

DOMNode* DOMNode::lastChild() const {
  if (childCount() == 0) return nullptr;
  NodeStore& store = Store();
  store.Materialize(*this);
  const NodeStore::ListView list = store.List(*this);
  return store.At(list.data[list.size - 1]);
}

DOMNode* DOMNode::previousSibling() const {
  if (parent_ == 0) return nullptr;
  const NodeStore& store = Store();
  const std::uint32_t at = store.PositionOf(*this);
  return at == 0 ? nullptr : store.At(store.List(*store.At(parent_ - 1)).data[at - 1]);
}

DOMNode* DOMNode::nextSibling() const {
  if (parent_ == 0) return nullptr;
  const NodeStore& store = Store();
  const std::uint32_t at = store.PositionOf(*this);
  const NodeStore::ListView list = store.List(*store.At(parent_ - 1));
  return at + 1 < list.size ? store.At(list.data[at + 1]) : nullptr;
}

const std::vector<DOMAttribute>& DOMNode::attributes() const { return Store().Attributes(*this); }

const std::u16string* DOMNode::getAttribute(std::u16string_view qualifiedName) const {
  for (const DOMAttribute& a : attributes())
    if (a.name->qualified == qualifiedName) return &a.value;
  return nullptr;
}

void DOMNode::setAttribute(const QName* name, std::u16string value) {
  if (nodeType() != NodeType::Element) throw DOMException(u"Only elements carry attributes");
  NodeStore& store = Store();
  const QName* own = &store.NameAt(store.IdOf(name));
  std::vector<DOMAttribute>& list = store.EditableAttributes(*this);
  for (DOMAttribute& a : list)
    if (a.name->qualified == own->qualified) {
      a.name = own;
      a.value = std::move(value);
      return;
    }
  list.push_back({own, std::move(value)});
}

void DOMNode::CheckInsert(const DOMNode* child, const DOMNode* before) const {
  if (child == nullptr) throw DOMException(u"No node was given to insert");
  if (&child->Store() != &Store()) throw DOMException(u"The node belongs to another document");
  if (!canHoldChildren()) throw DOMException(u"A node of type \"" + nodeName() + u"\" cannot hold child nodes");
  const NodeType type = nodeType();
  switch (child->nodeType()) {
    case NodeType::Document:
    case NodeType::Attribute:
    case NodeType::Entity:
    case NodeType::Notation: throw DOMException(u"A node of type \"" + child->nodeName() + u"\" cannot be inserted");
    case NodeType::DocumentType:
      if (type != NodeType::Document) throw DOMException(u"A document type belongs directly under the document");
      break;
    case NodeType::Text:
    case NodeType::CDataSection:
    case NodeType::EntityReference:
      if (type == NodeType::Document) throw DOMException(u"Text cannot be placed at the top level of a document");
      break;
    default: break;
  }
  // Only a node with children can be an ancestor of this one; a leaf needs no walk up.
  if (child == this) throw DOMException(u"A node cannot be inserted into its own subtree");
  if (child->hasChildNodes())
    for (const DOMNode* p = parentNode(); p != nullptr; p = p->parentNode())
      if (p == child) throw DOMException(u"A node cannot be inserted into its own subtree");
  if (before != nullptr && before->parentNode() != this)
    throw DOMException(u"The reference node is not a child of this node");
  if (type == NodeType::Document && child->nodeType() == NodeType::Element) {
    const DOMNode* existing = ownerDocument().documentElement();
    if (existing != nullptr && existing != child) throw DOMException(u"A document holds only one root element");
  }
}

DOMNode* DOMNode::appendChild(DOMNode* child) { return insertBefore(child, nullptr); }

DOMNode* DOMNode::insertBefore(DOMNode* child, DOMNode* before) {
  if (child != nullptr && child == before) return child;
  CheckInsert(child, before);
  if (child->parent_ != 0) child->parentNode()->removeChild(child);
  NodeStore& store = Store();
  std::vector<std::uint32_t>& list = store.EditableList(*this);
  const std::size_t at = before == nullptr ? list.size() : store.PositionOf(*before);
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), store.IndexOf(child));
  child->parent_ = store.IndexOf(this) + 1;
  store.Renumber(list, at);
  return child;
}

DOMNode* DOMNode::removeChild(DOMNode* child) {
  if (child == nullptr || child->parentNode() != this) throw DOMException(u"The node is not a child of this node");
  NodeStore& store = Store();
  std::vector<std::uint32_t>& list = store.EditableList(*this);
  const std::size_t at = store.PositionOf(*child);
  list.erase(list.begin() + static_cast<std::ptrdiff_t>(at));
  store.Forget(*child);
  child->parent_ = 0;
  store.Renumber(list, at);
  return child;
}

}  // namespace xml
