#pragma once
// Internal: builds a DOMDocument in document order, as a parser reports it: elements open
// and close, character data arrives in pieces that run together into one text (a text of
// white space alone is dropped), other nodes come whole. Child lists are written once, when
// their element closes, and an element whose only child is one text or CDATA section keeps
// it inline. Character data that lies unchanged in the parsed bytes stays there.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/xml/DOMNode.h"

namespace xml {
class DOMDocument;
}

namespace xml::detail {

class NodeStore;

class DOMBuilder {
 public:
  // `source`: the parsed bytes when the document keeps them (values may then point into
  // them), else null.
  DOMBuilder(DOMDocument& doc, const std::string* source);
  // Makes room for the document of an input of this size.
  void Reserve(std::size_t inputBytes);

  void StartElement(std::uint32_t nameId);
  void AddAttribute(const QName* name, std::u16string value);
  void EndElement();
  // A piece of text or of a CDATA section. `sourceOffset` is where the parser read it in the
  // source, when it can tell (kNoOffset otherwise); the piece stays there when the bytes
  // match.
  static constexpr std::size_t kNoOffset = ~std::size_t{0};
  void Characters(std::string_view utf8, bool cdata, std::size_t sourceOffset = kNoOffset);
  // Ends a run of character data: the next piece starts a new node.
  void EndCharacters() { FlushPending(); }
  void AddComment(std::string_view utf8);
  void AddProcessingInstruction(std::u16string_view target, std::string_view utf8);
  void AddEntityReference(std::u16string_view name);
  void AddDocumentType(std::u16string_view name, std::u16string_view declaration);
  // Closes the document: its own child list is written. Elements still open are closed.
  void Finish();

  NodeStore& Store() const { return store_; }
  bool InsideElement() const { return frames_.size() > 1; }

 private:
  struct Frame {
    std::uint32_t node;
    std::size_t firstChild;  // where its children start in children_
  };
  enum class Pending : std::uint8_t { None, Text, CData };

  std::uint32_t AddChild(NodeType type, std::uint32_t nameId);
  // Makes the pending text a node (or drops it when it is white space alone).
  void FlushPending();
  // Whether the pending text is white space alone (only texts are dropped, CDATA never).
  bool PendingIsBlank() const;
  void StoreValue(DOMNode& n);

  NodeStore& store_;
  const std::string* source_;
  std::vector<std::uint32_t> children_;
  std::vector<Frame> frames_;

  Pending pending_ = Pending::None;
  bool pendingInSource_ = false;
  std::size_t pendingOffset_ = 0;  // in the source, while pendingInSource_
  std::size_t pendingSize_ = 0;
  std::string pendingBytes_;  // otherwise
};

}  // namespace xml::detail
