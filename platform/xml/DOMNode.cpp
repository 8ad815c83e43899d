#include "platform/xml/DOMNode.h"

#include "platform/xml/DOMDocument.h"
#include "platform/xml/XMLErrors.h"

namespace xml {

DOMNode::DOMNode(Key, DOMDocument* owner, NodeType type, const QName* name) : owner_(owner), name_(name), type_(type) {}

void DOMNode::setNodeValue(std::u16string value) {
  switch (type_) {
    case NodeType::Text:
    case NodeType::CDataSection:
    case NodeType::Comment:
    case NodeType::ProcessingInstruction: value_ = std::move(value); return;
    default: throw DOMException(u"A node of type \"" + nodeName() + u"\" has no value to set");
  }
}

DOMNode* DOMNode::previousSibling() const {
  if (parent_ == nullptr || index_ == 0) return nullptr;
  return parent_->children_[index_ - 1];
}

DOMNode* DOMNode::nextSibling() const {
  if (parent_ == nullptr || index_ + 1 >= parent_->children_.size()) return nullptr;
  return parent_->children_[index_ + 1];
}

bool DOMNode::canHoldChildren() const {
  return type_ == NodeType::Element || type_ == NodeType::Document || type_ == NodeType::DocumentFragment;
}

const std::u16string* DOMNode::getAttribute(std::u16string_view qualifiedName) const {
  for (const DOMAttribute& a : attributes_)
    if (a.name->qualified == qualifiedName) return &a.value;
  return nullptr;
}

void DOMNode::setAttribute(const QName* name, std::u16string value) {
  if (type_ != NodeType::Element) throw DOMException(u"Only elements carry attributes");
  for (DOMAttribute& a : attributes_)
    if (a.name->qualified == name->qualified) {
      a.name = name;
      a.value = std::move(value);
      return;
    }
  attributes_.push_back({name, std::move(value)});
}

void DOMNode::CheckInsert(const DOMNode* child, const DOMNode* before) const {
  if (child == nullptr) throw DOMException(u"No node was given to insert");
  if (child->owner_ != owner_) throw DOMException(u"The node belongs to another document");
  if (!canHoldChildren()) throw DOMException(u"A node of type \"" + nodeName() + u"\" cannot hold child nodes");
  switch (child->type_) {
    case NodeType::Document:
    case NodeType::Attribute:
    case NodeType::Entity:
    case NodeType::Notation: throw DOMException(u"A node of type \"" + child->nodeName() + u"\" cannot be inserted");
    case NodeType::DocumentType:
      if (type_ != NodeType::Document) throw DOMException(u"A document type belongs directly under the document");
      break;
    case NodeType::Text:
    case NodeType::CDataSection:
    case NodeType::EntityReference:
      if (type_ == NodeType::Document) throw DOMException(u"Text cannot be placed at the top level of a document");
      break;
    default: break;
  }
  // Only a node with children can be an ancestor of this one; a leaf needs no walk up.
  if (child == this) throw DOMException(u"A node cannot be inserted into its own subtree");
  if (child->hasChildNodes())
    for (const DOMNode* p = parent_; p != nullptr; p = p->parent_)
      if (p == child) throw DOMException(u"A node cannot be inserted into its own subtree");
  if (before != nullptr && before->parent_ != this)
    throw DOMException(u"The reference node is not a child of this node");
  if (type_ == NodeType::Document && child->type_ == NodeType::Element) {
    const DOMNode* existing = owner_->documentElement();
    if (existing != nullptr && existing != child) throw DOMException(u"A document holds only one root element");
  }
}

void DOMNode::Renumber(std::size_t from) {
  for (std::size_t i = from; i < children_.size(); ++i) children_[i]->index_ = static_cast<std::uint32_t>(i);
}

DOMNode* DOMNode::appendChild(DOMNode* child) { return insertBefore(child, nullptr); }

DOMNode* DOMNode::insertBefore(DOMNode* child, DOMNode* before) {
  if (child != nullptr && child == before) return child;
  CheckInsert(child, before);
  if (child->parent_ != nullptr) child->parent_->removeChild(child);
  const std::size_t at = before == nullptr ? children_.size() : before->index_;
  children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(at), child);
  child->parent_ = this;
  Renumber(at);
  return child;
}

DOMNode* DOMNode::removeChild(DOMNode* child) {
  if (child == nullptr || child->parent_ != this) throw DOMException(u"The node is not a child of this node");
  const std::size_t at = child->index_;
  children_.erase(children_.begin() + static_cast<std::ptrdiff_t>(at));
  child->parent_ = nullptr;
  child->index_ = 0;
  Renumber(at);
  return child;
}

}  // namespace xml
