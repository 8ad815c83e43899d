#pragma once
// The document layer's view of a DOM tree: TXMLNode (one node) and TXMLNodeList (the ordered
// children of a node) with the rules the sitemap listing relies on: lookup of a child by
// name (namespace test, qualified or local name), creation of a missing child under
// doNodeAutoCreate with indentation under doNodeAutoIndent, and the text of an element.
// Both are cheap handles; they keep their document's tree alive, so a handle stays usable
// after the TXMLDocument has moved on to another text. Not responsible for parsing (see
// TXMLDocument) or for the raw tree (see DOMNode).
#include <memory>
#include <string>
#include <string_view>

#include "platform/xml/DOMNode.h"

namespace xml {

// The document options; only the first two change what the document layer does.
enum class TXMLDocOption : unsigned {
  doNodeAutoCreate = 1u << 0,
  doNodeAutoIndent = 1u << 1,
  doAttrNull = 1u << 2,
  doAutoPrefix = 1u << 3,
  doNamespaceDecl = 1u << 4,
  doAutoSave = 1u << 5,
};

class TXMLDocOptions {
 public:
  constexpr TXMLDocOptions() = default;
  constexpr TXMLDocOptions(TXMLDocOption o) : bits_(static_cast<unsigned>(o)) {}  // NOLINT: a set of one
  constexpr bool Contains(TXMLDocOption o) const { return (bits_ & static_cast<unsigned>(o)) != 0; }
  constexpr TXMLDocOptions operator|(TXMLDocOptions other) const { return FromBits(bits_ | other.bits_); }
  constexpr bool operator==(const TXMLDocOptions&) const = default;

 private:
  static constexpr TXMLDocOptions FromBits(unsigned bits) {
    TXMLDocOptions o;
    o.bits_ = bits;
    return o;
  }
  unsigned bits_ = 0;
};

constexpr TXMLDocOptions operator|(TXMLDocOption a, TXMLDocOption b) { return TXMLDocOptions(a) | b; }

namespace detail {
struct XMLDocState;
}

class TXMLNodeList;

class TXMLNode {
 public:
  TXMLNode() = default;
  TXMLNode(std::shared_ptr<detail::XMLDocState> state, DOMNode* node);

  // False for the null node (for example the root of a document without one).
  explicit operator bool() const { return node_ != nullptr; }
  bool operator==(const TXMLNode& other) const { return node_ == other.node_; }

  NodeType GetNodeType() const;
  const std::u16string& NodeName() const;
  const std::u16string& LocalName() const;
  const std::u16string& Prefix() const;
  const std::u16string& NamespaceURI() const;
  std::u16string NodeValue() const;
  bool HasChildNodes() const;
  TXMLNodeList ChildNodes() const;
  TXMLNode ParentNode() const;
  TXMLNode PreviousSibling() const;
  TXMLNode NextSibling() const;
  // An element with exactly one child, which is a text or CDATA node.
  bool IsTextElement() const;

  // The text of an element: empty when it has no children (an empty text node is then
  // appended to it), the value of its one text or CDATA child, else EXMLDocError "Element
  // "name" does not contain a single text node". Text, CDATA, comment and processing
  // instruction nodes give their value.
  std::u16string Text() const;
  // Replaces an element's children with one text node; sets the value of other nodes.
  void SetText(std::u16string_view text) const;

  // Appends a new element in this node's namespace; a name without a prefix takes this
  // node's prefix. Under doNodeAutoIndent, indentation text goes around it. EXMLDocError
  // when this node cannot hold children.
  TXMLNode AddChild(std::u16string_view tagName) const;

  DOMNode* GetDOMNode() const { return node_; }

 private:
  DOMNode& Checked() const;

  std::shared_ptr<detail::XMLDocState> state_;
  DOMNode* node_ = nullptr;
};

class TXMLNodeList {
 public:
  TXMLNodeList(std::shared_ptr<detail::XMLDocState> state, DOMNode* owner);

  int Count() const;
  // The node at a position; EXMLDocError when out of range.
  TXMLNode operator[](int index) const;
  // The first node matching the name (see FindNode); when none does, a new element of that
  // name under doNodeAutoCreate, else EXMLDocError.
  TXMLNode operator[](std::u16string_view name) const;
  // The first node, in order, whose namespace URI equals that of the list's owner (compared
  // without regard to ASCII case; any namespace when the owner has none) and whose
  // qualified or local name equals the name exactly; the null node when none does.
  TXMLNode FindNode(std::u16string_view name) const;
  TXMLNode FindNode(std::u16string_view name, std::u16string_view namespaceURI) const;
  TXMLNode First() const;
  TXMLNode Last() const;

 private:
  std::shared_ptr<detail::XMLDocState> state_;
  DOMNode* owner_;
};

}  // namespace xml
