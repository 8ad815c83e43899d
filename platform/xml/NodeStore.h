#pragma once
// Internal: where a DOMDocument keeps its tree. Node records (DOMNode, 20 bytes) live in
// fixed 64 KiB chunks whose header names the store, so a node finds its document without a
// pointer of its own. A child list is a run of record numbers in one shared array, written
// once when the parser closes the element; the first edit of a list moves it to a vector of
// its own. Character data lives in one byte buffer (UTF-8 as the parser gives it, UTF-16 for
// values set through the interface) or stays in place in the bytes that were parsed. An
// element whose only child is one text or CDATA node keeps that text inline, and the child
// becomes a node of its own only when someone asks for it.
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/xml/DOMNode.h"

namespace xml {
class DOMDocument;
}

namespace xml::detail {

// The shared names of the unnamed node kinds.
const QName& FixedTextName();
const QName& FixedCDataName();
const QName& FixedCommentName();
const QName& FixedDocumentName();
const QName& FixedFragmentName();

// Where the bytes of a value are, and how they are encoded.
struct ValueBytes {
  const char* data = nullptr;
  std::uint32_t size = 0;  // in bytes
  bool wide = false;       // UTF-16 code units; else UTF-8
};

class NodeStore {
 public:
  static constexpr std::uintptr_t kChunkBytes = 1u << 16;
  static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

  explicit NodeStore(DOMDocument* owner);
  ~NodeStore();
  NodeStore(const NodeStore&) = delete;
  NodeStore& operator=(const NodeStore&) = delete;

  DOMDocument* Owner() const { return owner_; }
  static NodeStore& Of(const DOMNode* n);

  // ---- Records ----
  std::uint32_t NewRecord(NodeType type, std::uint32_t nameId);
  DOMNode* At(std::uint32_t index) const {
    return reinterpret_cast<DOMNode*>(static_cast<char*>(chunks_[index / kPerChunk]) + kHeaderBytes) +
           index % kPerChunk;
  }
  std::uint32_t IndexOf(const DOMNode* n) const;
  std::uint32_t RecordCount() const { return count_; }
  // Sets a record's parent (the parser adds children in order, at the end of the list).
  void Attach(std::uint32_t child, std::uint32_t parent) const { At(child)->parent_ = parent + 1; }

  // ---- Names ----
  // The fixed names of the unnamed kinds have the first ids.
  enum FixedName : std::uint32_t { kTextName, kCDataName, kCommentName, kDocumentName, kFragmentName, kFixedNames };
  const QName& NameAt(std::uint32_t id) const { return *names_[id]; }
  static std::uint32_t NameIdOf(const DOMNode& n) { return n.NameId(); }
  std::uint32_t NameCount() const { return static_cast<std::uint32_t>(names_.size()); }
  // Interned names (qualified form "prefix:local" or "local"); PlainName is a name with no
  // local part, prefix or namespace (processing instructions, entity references, types).
  std::uint32_t Intern(std::u16string_view prefix, std::u16string_view local, std::u16string_view namespaceURI);
  std::uint32_t PlainName(std::u16string_view name);
  // The id of a name given by pointer (one of this store's, a fixed one, or a copy made
  // of another document's).
  std::uint32_t IdOf(const QName* name);

  // ---- Child lists ----
  // The children of a container that does not keep an inline text (see Materialize).
  struct ListView {
    const std::uint32_t* data;
    std::uint32_t size;
  };
  ListView List(const DOMNode& n) const {
    if (n.b_ == DOMNode::kOwnList) {
      const std::vector<std::uint32_t>& own = ownLists_[n.a_];
      return {own.data(), static_cast<std::uint32_t>(own.size())};
    }
    return {lists_.data() + n.a_, n.b_};
  }
  std::uint32_t ChildCount(const DOMNode& n) const {
    if (!n.canHoldChildren()) return 0;
    if (n.Has(DOMNode::kEmbedded)) return 1;
    return n.b_ == DOMNode::kOwnList ? static_cast<std::uint32_t>(ownLists_[n.a_].size()) : n.b_;
  }
  // Writes a parsed element's list (its children in order) into the shared array.
  void SetList(DOMNode& n, const std::uint32_t* children, std::uint32_t count);
  // The list as a vector of its own, for editing.
  std::vector<std::uint32_t>& EditableList(DOMNode& n);
  // Gives an element that keeps its only text inline a real child node for it.
  void Materialize(const DOMNode& n);
  // A child's place in its parent's list. A list the parser wrote holds its children in
  // the order their records were made, so the place is searched for; an edited list keeps
  // the places of its children.
  std::uint32_t PositionOf(const DOMNode& child) const;
  // Sets the places of the children in an edited list from `from` on; Forget drops the
  // place of a child taken out of one.
  void Renumber(const std::vector<std::uint32_t>& list, std::size_t from);
  void Forget(const DOMNode& child) { positions_.erase(IndexOf(&child)); }
  void ReserveLists(std::size_t entries) { lists_.reserve(entries); }

  // ---- Values ----
  ValueBytes Value(const DOMNode& n) const;
  std::u16string ValueText(const DOMNode& n) const;
  // Stores a value for a record (replacing any it had): UTF-8 bytes, UTF-16 text, or a run
  // of the source bytes.
  void SetUtf8Value(DOMNode& n, std::string_view utf8);
  void SetTextValue(DOMNode& n, std::u16string_view text);
  void SetSourceValue(DOMNode& n, std::uint32_t offset, std::uint32_t size);
  // Whether an element keeps its only text inline (its value is then that text's), and
  // whether that text is a CDATA section.
  static bool HasInlineText(const DOMNode& n) { return n.Has(DOMNode::kEmbedded); }
  static bool InlineIsCData(const DOMNode& n) { return n.Has(DOMNode::kEmbeddedCData); }
  // Keeps an inline text in an element (parser only; the element has no children).
  void Embed(DOMNode& element, bool cdata);
  // The bytes that were parsed, kept alive with the document when values point into them.
  void SetSource(std::shared_ptr<const std::string> source) { source_ = std::move(source); }
  const std::string* Source() const { return source_.get(); }
  void ReserveText(std::size_t bytes) { text_.reserve(bytes); }

  // ---- Attributes ----
  const std::vector<DOMAttribute>& Attributes(const DOMNode& n) const {
    return n.Has(DOMNode::kHasAttributes) ? attributes_.find(IndexOf(&n))->second : kNoAttributes;
  }
  std::vector<DOMAttribute>& EditableAttributes(DOMNode& n);

 private:
  static constexpr std::uintptr_t kHeaderBytes = 16;
  static constexpr std::uint32_t kPerChunk = static_cast<std::uint32_t>((kChunkBytes - kHeaderBytes) / sizeof(DOMNode));
  struct ChunkHeader {
    NodeStore* store;
    std::uint32_t first;
  };

  std::uint32_t AddName(QName name, std::u16string key);
  std::uint32_t StoreBytes(const void* data, std::size_t size);

  DOMDocument* owner_;
  std::vector<void*> chunks_;
  std::uint32_t count_ = 0;

  std::deque<QName> ownNames_;
  std::vector<const QName*> names_;
  std::unordered_map<std::u16string, std::uint32_t> nameIndex_;
  std::unordered_map<const QName*, std::uint32_t> nameIds_;

  std::vector<std::uint32_t> lists_;
  std::deque<std::vector<std::uint32_t>> ownLists_;
  std::unordered_map<std::uint32_t, std::uint32_t> positions_;  // in edited lists, by record

  std::string text_;
  std::shared_ptr<const std::string> source_;

  std::unordered_map<std::uint32_t, std::vector<DOMAttribute>> attributes_;
  static const std::vector<DOMAttribute> kNoAttributes;
};

}  // namespace xml::detail
