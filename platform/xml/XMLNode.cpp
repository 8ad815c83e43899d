#include "platform/xml/XMLNode.h"

#include <cstring>
#include <string>

#include "platform/base/TextCase.h"
#include "platform/base/Unicode.h"
#include "platform/xml/DOMDocument.h"
#include "platform/xml/XMLDocState.h"
#include "platform/xml/XMLErrors.h"

namespace xml {

namespace {

bool IsIndentation(const DOMNode* n) {
  if (n == nullptr || n->nodeType() != NodeType::Text) return false;
  for (char16_t c : n->nodeValue())
    if (c != u' ' && c != u'\t' && c != u'\r' && c != u'\n') return false;
  return true;
}

// A readable name for the kind of a node, for error messages.
std::u16string KindName(NodeType type) {
  switch (type) {
    case NodeType::Text: return u"text";
    case NodeType::CDataSection: return u"CDATA section";
    case NodeType::Comment: return u"comment";
    case NodeType::ProcessingInstruction: return u"processing instruction";
    case NodeType::Attribute: return u"attribute";
    case NodeType::EntityReference: return u"entity reference";
    case NodeType::DocumentType: return u"document type";
    default: return u"node";
  }
}

}  // namespace

// ---- TXMLNode ----

TXMLNode::TXMLNode(std::shared_ptr<detail::XMLDocState> state, DOMNode* node) : state_(std::move(state)), node_(node) {}

DOMNode& TXMLNode::Checked() const {
  if (node_ == nullptr) throw EXMLDocError(u"The node is not assigned");
  return *node_;
}

NodeType TXMLNode::GetNodeType() const { return Checked().nodeType(); }
const std::u16string& TXMLNode::NodeName() const { return Checked().nodeName(); }
const std::u16string& TXMLNode::LocalName() const { return Checked().localName(); }
const std::u16string& TXMLNode::Prefix() const { return Checked().prefix(); }
const std::u16string& TXMLNode::NamespaceURI() const { return Checked().namespaceURI(); }
std::u16string TXMLNode::NodeValue() const { return Checked().nodeValue(); }
bool TXMLNode::HasChildNodes() const { return Checked().hasChildNodes(); }
TXMLNodeList TXMLNode::ChildNodes() const { return TXMLNodeList(state_, &Checked()); }
TXMLNode TXMLNode::ParentNode() const { return TXMLNode(state_, Checked().parentNode()); }
TXMLNode TXMLNode::PreviousSibling() const { return TXMLNode(state_, Checked().previousSibling()); }
TXMLNode TXMLNode::NextSibling() const { return TXMLNode(state_, Checked().nextSibling()); }

bool TXMLNode::IsTextElement() const {
  const DOMNode& n = Checked();
  if (n.childCount() != 1) return false;
  const NodeType t = n.firstChildType();
  return t == NodeType::Text || t == NodeType::CDataSection;
}

std::u16string TXMLNode::Text() const {
  DOMNode& n = Checked();
  if (!n.canHoldChildren()) return n.nodeValue();
  if (!n.hasChildNodes()) {
    // Reading the text of an empty element gives it an (empty) text node.
    if (n.nodeType() == NodeType::Element) n.appendChild(n.ownerDocument().createTextNode({}));
    return {};
  }
  if (IsTextElement()) return n.firstChildValue();
  throw EXMLDocError(u"Element \"" + n.nodeName() + u"\" does not contain a single text node");
}

void TXMLNode::SetText(std::u16string_view text) const {
  DOMNode& n = Checked();
  if (!n.canHoldChildren()) {
    n.setNodeValue(text);
    return;
  }
  while (n.hasChildNodes()) n.removeChild(n.lastChild());
  n.appendChild(n.ownerDocument().createTextNode(std::u16string(text)));
}

TXMLNode TXMLNode::AddChild(std::u16string_view tagName) const {
  DOMNode& parent = Checked();
  if (!parent.canHoldChildren()) {
    throw EXMLDocError(u"Cannot add element \"" + std::u16string(tagName) + u"\" to a " + KindName(parent.nodeType()) +
                       u" node");
  }
  DOMDocument& doc = parent.ownerDocument();
  const bool prefixed = tagName.find(u':') != std::u16string_view::npos;
  const QName* name = prefixed || parent.prefix().empty() ? doc.QualifiedName(tagName, parent.namespaceURI())
                                                          : doc.Name(parent.prefix(), tagName, parent.namespaceURI());
  DOMNode* element = doc.createElement(name);

  if (!state_->options.Contains(TXMLDocOption::doNodeAutoIndent) || parent.nodeType() != NodeType::Element) {
    parent.appendChild(element);
    return TXMLNode(state_, element);
  }
  // Line break and indentation before the new element and before the parent's end tag;
  // the trailing indentation left by an earlier addition is reused.
  int level = 0;
  for (const DOMNode* p = &parent; p != nullptr && p->nodeType() == NodeType::Element; p = p->parentNode()) ++level;
  std::u16string inner = u"\r\n", outer = u"\r\n";
  for (int i = 0; i < level; ++i) inner += state_->indent;
  for (int i = 1; i < level; ++i) outer += state_->indent;
  DOMNode* last = parent.lastChild();
  if (IsIndentation(last)) {
    parent.insertBefore(doc.createTextNode(std::move(inner)), last);
    parent.insertBefore(element, last);
  } else {
    parent.appendChild(doc.createTextNode(std::move(inner)));
    parent.appendChild(element);
    parent.appendChild(doc.createTextNode(std::move(outer)));
  }
  return TXMLNode(state_, element);
}

// ---- TXMLNodeList ----

TXMLNodeList::TXMLNodeList(std::shared_ptr<detail::XMLDocState> state, DOMNode* owner)
    : state_(std::move(state)), owner_(owner) {}

int TXMLNodeList::Count() const { return static_cast<int>(owner_->childCount()); }

TXMLNode TXMLNodeList::operator[](int index) const {
  const auto& children = owner_->childNodes();
  if (index < 0 || static_cast<std::size_t>(index) >= children.size())
    throw EXMLDocError(u"List index out of bounds (" + base::Utf8ToUtf16(std::to_string(index)) + u")");
  return TXMLNode(state_, children[static_cast<std::size_t>(index)]);
}

TXMLNode TXMLNodeList::operator[](std::u16string_view name) const {
  if (TXMLNode found = FindNode(name)) return found;
  if (!state_->options.Contains(TXMLDocOption::doNodeAutoCreate))
    throw EXMLDocError(u"Node \"" + std::u16string(name) + u"\" not found");
  return TXMLNode(state_, owner_).AddChild(name);
}

TXMLNode TXMLNodeList::FindNode(std::u16string_view name) const { return FindNode(name, owner_->namespaceURI()); }

TXMLNode TXMLNodeList::FindNode(std::u16string_view name, std::u16string_view namespaceURI) const {
  for (DOMNode* n : owner_->childNodes()) {
    // Most namespace names match exactly: a byte comparison settles those first.
    const std::u16string& ns = n->namespaceURI();
    const bool same = ns.size() == namespaceURI.size() &&
                      std::memcmp(ns.data(), namespaceURI.data(), ns.size() * sizeof(char16_t)) == 0;
    if (!namespaceURI.empty() && !same && !base::EqualsIgnoreAsciiCase(ns, namespaceURI)) continue;
    if (n->nodeName() == name || n->localName() == name) return TXMLNode(state_, n);
  }
  return {};
}

TXMLNode TXMLNodeList::First() const { return TXMLNode(state_, owner_->firstChild()); }
TXMLNode TXMLNodeList::Last() const { return TXMLNode(state_, owner_->lastChild()); }

}  // namespace xml
