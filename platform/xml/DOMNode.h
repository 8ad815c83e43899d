#pragma once
// One node of a DOM tree: its kind, name (qualified, local, prefix, namespace URI), value,
// attributes and ordered children. Nodes are owned by their DOMDocument and live as long as
// it does; the tree edits keep the tree sound and raise DOMException otherwise. Parsing and
// the document layer's lookup rules live elsewhere (DOMParser, XMLNode).
#include <cstdint>
#include <string>
#include <vector>

namespace xml {

class DOMDocument;

// The DOM node kinds, with their standard numbers.
enum class NodeType : std::uint8_t {
  Element = 1,
  Attribute = 2,
  Text = 3,
  CDataSection = 4,
  EntityReference = 5,
  Entity = 6,
  ProcessingInstruction = 7,
  Comment = 8,
  Document = 9,
  DocumentType = 10,
  DocumentFragment = 11,
  Notation = 12,
};

// A node name, interned once per document and shared by every node that carries it.
struct QName {
  std::u16string qualified;     // "prefix:local", or the local name alone
  std::u16string local;         // empty for nodes other than elements and attributes
  std::u16string prefix;        // empty when none
  std::u16string namespaceURI;  // empty when none
};

// An attribute of an element; namespace declarations are attributes named "xmlns" or
// "xmlns:prefix" in the XMLNS namespace, in source order before the other attributes.
struct DOMAttribute {
  const QName* name;
  std::u16string value;
};

class DOMNode {
 public:
  // Only a DOMDocument makes nodes (see DOMDocument::create...).
  class Key {
    friend class DOMDocument;
    Key() = default;
  };
  DOMNode(Key, DOMDocument* owner, NodeType type, const QName* name);
  DOMNode(const DOMNode&) = delete;
  DOMNode& operator=(const DOMNode&) = delete;

  NodeType nodeType() const { return type_; }
  // "#text", "#comment", "#cdata-section", "#document" for unnamed kinds.
  const std::u16string& nodeName() const { return name_->qualified; }
  const std::u16string& localName() const { return name_->local; }
  const std::u16string& prefix() const { return name_->prefix; }
  const std::u16string& namespaceURI() const { return name_->namespaceURI; }
  const QName& name() const { return *name_; }
  // Character data of text, CDATA and comment nodes, the data of a processing instruction,
  // the declaration text of a document type; empty for the other kinds.
  const std::u16string& nodeValue() const { return value_; }
  // Raises DOMException on kinds that carry no value.
  void setNodeValue(std::u16string value);

  DOMDocument& ownerDocument() const { return *owner_; }
  DOMNode* parentNode() const { return parent_; }
  const std::vector<DOMNode*>& childNodes() const { return children_; }
  bool hasChildNodes() const { return !children_.empty(); }
  DOMNode* firstChild() const { return children_.empty() ? nullptr : children_.front(); }
  DOMNode* lastChild() const { return children_.empty() ? nullptr : children_.back(); }
  DOMNode* previousSibling() const;
  DOMNode* nextSibling() const;
  // Elements, documents and fragments hold children; the other kinds are leaves.
  bool canHoldChildren() const;

  const std::vector<DOMAttribute>& attributes() const { return attributes_; }
  // The value of the attribute with this qualified name, or nullptr.
  const std::u16string* getAttribute(std::u16string_view qualifiedName) const;
  // Sets (or adds) the attribute with this name; elements only.
  void setAttribute(const QName* name, std::u16string value);

  // Tree edits. The child must belong to the same document; it is first taken out of its
  // current place. Each returns the child.
  DOMNode* appendChild(DOMNode* child);
  DOMNode* insertBefore(DOMNode* child, DOMNode* before);  // before == nullptr appends
  DOMNode* removeChild(DOMNode* child);

  // The node and its subtree as XML text (see DOMWriter).
  std::u16string xml() const;

 private:
  void CheckInsert(const DOMNode* child, const DOMNode* before) const;
  void Renumber(std::size_t from);

  DOMDocument* owner_;
  DOMNode* parent_ = nullptr;
  const QName* name_;
  std::u16string value_;
  std::vector<DOMNode*> children_;
  std::vector<DOMAttribute> attributes_;
  std::uint32_t index_ = 0;  // position in the parent's child list
  NodeType type_;

  friend class DOMDocument;
};

}  // namespace xml
