#pragma once
// One node of a DOM tree: its kind, name (qualified, local, prefix, namespace URI), value,
// attributes and ordered children. Nodes are owned by their DOMDocument and live as long as
// it does; the tree edits keep the tree sound and raise DOMException otherwise. A node is a
// small record in its document's store (see NodeStore): values are decoded when asked for,
// and child lists are views. Parsing and the document layer's lookup rules live elsewhere
// (DOMParser, XMLNode).
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace xml {

class DOMDocument;
class DOMNode;

namespace detail {
class NodeStore;
}

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

// The ordered children of a node, read live from the tree (an edit shows at once).
class DOMNodeList {
 public:
  class const_iterator {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = DOMNode*;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = DOMNode*;

    const_iterator() = default;
    const_iterator(const DOMNodeList* list, std::size_t at) : list_(list), at_(at) {}
    DOMNode* operator*() const { return (*list_)[at_]; }
    DOMNode* operator[](difference_type d) const { return (*list_)[at_ + static_cast<std::size_t>(d)]; }
    const_iterator& operator++() { return ++at_, *this; }
    const_iterator operator++(int) { return {list_, at_++}; }
    const_iterator& operator--() { return --at_, *this; }
    const_iterator operator--(int) { return {list_, at_--}; }
    const_iterator& operator+=(difference_type d) { return at_ += static_cast<std::size_t>(d), *this; }
    const_iterator& operator-=(difference_type d) { return at_ -= static_cast<std::size_t>(d), *this; }
    friend const_iterator operator+(const_iterator i, difference_type d) { return i += d; }
    friend const_iterator operator+(difference_type d, const_iterator i) { return i += d; }
    friend const_iterator operator-(const_iterator i, difference_type d) { return i -= d; }
    friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
      return static_cast<difference_type>(a.at_) - static_cast<difference_type>(b.at_);
    }
    friend bool operator==(const const_iterator& a, const const_iterator& b) { return a.at_ == b.at_; }
    friend auto operator<=>(const const_iterator& a, const const_iterator& b) { return a.at_ <=> b.at_; }

   private:
    const DOMNodeList* list_ = nullptr;
    std::size_t at_ = 0;
  };
  using iterator = const_iterator;
  using value_type = DOMNode*;
  using size_type = std::size_t;

  explicit DOMNodeList(const DOMNode* owner) : owner_(owner) {}

  std::size_t size() const;
  bool empty() const { return size() == 0; }
  DOMNode* operator[](std::size_t index) const;
  DOMNode* front() const { return (*this)[0]; }
  DOMNode* back() const { return (*this)[size() - 1]; }
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size()}; }

  friend bool operator==(const DOMNodeList& list, const std::vector<DOMNode*>& nodes);

 private:
  const DOMNode* owner_;
};

class DOMNode {
 public:
  DOMNode(const DOMNode&) = delete;
  DOMNode& operator=(const DOMNode&) = delete;

  NodeType nodeType() const { return static_cast<NodeType>(tag_ & kTypeMask); }
  // "#text", "#comment", "#cdata-section", "#document" for unnamed kinds.
  const std::u16string& nodeName() const { return name().qualified; }
  const std::u16string& localName() const { return name().local; }
  const std::u16string& prefix() const { return name().prefix; }
  const std::u16string& namespaceURI() const { return name().namespaceURI; }
  const QName& name() const;
  // Character data of text, CDATA and comment nodes, the data of a processing instruction,
  // the declaration text of a document type; empty for the other kinds.
  std::u16string nodeValue() const;
  // Raises DOMException on kinds that carry no value.
  void setNodeValue(std::u16string_view value);

  DOMDocument& ownerDocument() const;
  DOMNode* parentNode() const;
  DOMNodeList childNodes() const;
  bool hasChildNodes() const;
  // The number of children, and the kind and value of the first, read without turning a
  // text its element keeps inline into a node of its own; firstChildType() of a node
  // without children is NodeType::Document (no child can be one).
  std::size_t childCount() const;
  NodeType firstChildType() const;
  std::u16string firstChildValue() const;
  DOMNode* firstChild() const;
  DOMNode* lastChild() const;
  DOMNode* previousSibling() const;
  DOMNode* nextSibling() const;
  // Elements, documents and fragments hold children; the other kinds are leaves.
  bool canHoldChildren() const {
    const NodeType t = nodeType();
    return t == NodeType::Element || t == NodeType::Document || t == NodeType::DocumentFragment;
  }

  const std::vector<DOMAttribute>& attributes() const;
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
  friend class detail::NodeStore;
  friend class DOMNodeList;

  // tag_: the kind in bits 0-3, flags in bits 4-8, the name id above them. A node's place
  // among its siblings is found in its parent's list (see NodeStore::PositionOf).
  static constexpr std::uint32_t kTypeMask = 0xF;
  static constexpr std::uint32_t kEmbedded = 1u << 4;       // an element keeping its only text inline
  static constexpr std::uint32_t kEmbeddedCData = 1u << 5;  // ... and that text is a CDATA section
  static constexpr std::uint32_t kInSource = 1u << 6;       // the value lies in the parsed bytes
  static constexpr std::uint32_t kWide = 1u << 7;           // the value is UTF-16, else UTF-8
  static constexpr std::uint32_t kHasAttributes = 1u << 8;
  static constexpr unsigned kNameShift = 9;
  static constexpr std::uint32_t kOwnList = 0xFFFFFFFFu;  // b_ of a list kept in a vector of its own

  DOMNode(NodeType type, std::uint32_t nameId) : tag_(static_cast<std::uint32_t>(type) | (nameId << kNameShift)) {}

  detail::NodeStore& Store() const;
  bool Has(std::uint32_t flag) const { return (tag_ & flag) != 0; }
  std::uint32_t NameId() const { return tag_ >> kNameShift; }
  void CheckInsert(const DOMNode* child, const DOMNode* before) const;

  std::uint32_t parent_ = 0;  // record number of the parent + 1; 0: none
  std::uint32_t tag_;
  // Containers: the child list (start in the shared array and length, or the number of its
  // own vector and kOwnList). Value nodes, and elements keeping an inline text: where the
  // value's bytes are and how many.
  std::uint32_t a_ = 0;
  std::uint32_t b_ = 0;
};

}  // namespace xml
