// The document's node store: chunks of records, interned names, child lists, values.
#include "platform/xml/NodeStore.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/base/Unicode.h"
#include "platform/xml/XMLErrors.h"

namespace xml::detail {

namespace {

const QName kText{u"#text", {}, {}, {}};
const QName kCData{u"#cdata-section", {}, {}, {}};
const QName kComment{u"#comment", {}, {}, {}};
const QName kDocument{u"#document", {}, {}, {}};
const QName kFragment{u"#document-fragment", {}, {}, {}};

static_assert(sizeof(DOMNode) == 16, "a node record is four words");

constexpr std::uint32_t kMaxNames = 1u << (32 - 9);

}  // namespace

const std::vector<DOMAttribute> NodeStore::kNoAttributes;

const QName& FixedTextName() { return kText; }
const QName& FixedCDataName() { return kCData; }
const QName& FixedCommentName() { return kComment; }
const QName& FixedDocumentName() { return kDocument; }
const QName& FixedFragmentName() { return kFragment; }

NodeStore::NodeStore(DOMDocument* owner) : owner_(owner) {
  for (const QName* fixed : {&kText, &kCData, &kComment, &kDocument, &kFragment}) {
    nameIds_.emplace(fixed, static_cast<std::uint32_t>(names_.size()));
    names_.push_back(fixed);
  }
}

NodeStore::~NodeStore() {
  for (void* chunk : chunks_) std::free(chunk);
}

NodeStore& NodeStore::Of(const DOMNode* n) {
  const auto base = reinterpret_cast<std::uintptr_t>(n) & ~(kChunkBytes - 1);
  return *reinterpret_cast<const ChunkHeader*>(base)->store;
}

std::uint32_t NodeStore::NewRecord(NodeType type, std::uint32_t nameId) {
  if (count_ == kNone) throw DOMException(u"The document holds too many nodes");
  if (count_ % kPerChunk == 0) {
    void* chunk = std::aligned_alloc(kChunkBytes, kChunkBytes);
    if (chunk == nullptr) throw std::bad_alloc();
    chunks_.push_back(chunk);
    new (chunk) ChunkHeader{this, count_};
  }
  const std::uint32_t index = count_++;
  new (At(index)) DOMNode(type, nameId);
  return index;
}

std::uint32_t NodeStore::IndexOf(const DOMNode* n) const {
  const auto base = reinterpret_cast<std::uintptr_t>(n) & ~(kChunkBytes - 1);
  const auto* first = reinterpret_cast<const DOMNode*>(base + kHeaderBytes);
  return reinterpret_cast<const ChunkHeader*>(base)->first + static_cast<std::uint32_t>(n - first);
}

// ---- Names ----

std::uint32_t NodeStore::AddName(QName name, std::u16string key) {
  if (names_.size() >= kMaxNames) throw DOMException(u"The document holds too many distinct names");
  const QName& q = ownNames_.emplace_back(std::move(name));
  const auto id = static_cast<std::uint32_t>(names_.size());
  names_.push_back(&q);
  nameIds_.emplace(&q, id);
  nameIndex_.emplace(std::move(key), id);
  return id;
}

std::uint32_t NodeStore::Intern(std::u16string_view prefix, std::u16string_view local,
                                std::u16string_view namespaceURI) {
  std::u16string key;
  key.reserve(prefix.size() + local.size() + namespaceURI.size() + 2);
  key.append(prefix).push_back(u'\0');
  key.append(local).push_back(u'\0');
  key.append(namespaceURI);
  if (auto found = nameIndex_.find(key); found != nameIndex_.end()) return found->second;
  QName q;
  q.prefix = prefix;
  q.local = local;
  q.namespaceURI = namespaceURI;
  q.qualified = prefix.empty() ? std::u16string(local) : q.prefix + u':' + q.local;
  return AddName(std::move(q), std::move(key));
}

std::uint32_t NodeStore::PlainName(std::u16string_view name) {
  std::u16string key(1, u'\1');
  key.append(name);
  if (auto found = nameIndex_.find(key); found != nameIndex_.end()) return found->second;
  QName q;
  q.qualified = name;
  return AddName(std::move(q), std::move(key));
}

std::uint32_t NodeStore::IdOf(const QName* name) {
  if (auto found = nameIds_.find(name); found != nameIds_.end()) return found->second;
  if (name->local.empty() && name->prefix.empty() && name->namespaceURI.empty()) return PlainName(name->qualified);
  return Intern(name->prefix, name->local, name->namespaceURI);
}

// ---- Child lists ----

void NodeStore::SetList(DOMNode& n, const std::uint32_t* children, std::uint32_t count) {
  if (count == 0) {
    n.a_ = n.b_ = 0;
    return;
  }
  if (lists_.size() + count >= DOMNode::kOwnList) throw DOMException(u"The document holds too many nodes");
  n.a_ = static_cast<std::uint32_t>(lists_.size());
  n.b_ = count;
  lists_.insert(lists_.end(), children, children + count);
}

std::vector<std::uint32_t>& NodeStore::EditableList(DOMNode& n) {
  Materialize(n);
  if (n.b_ == DOMNode::kOwnList) return ownLists_[n.a_];
  const ListView shared = List(n);
  std::vector<std::uint32_t>& own = ownLists_.emplace_back(shared.data, shared.data + shared.size);
  n.a_ = static_cast<std::uint32_t>(ownLists_.size() - 1);
  n.b_ = DOMNode::kOwnList;
  Renumber(own, 0);
  return own;
}

void NodeStore::Materialize(const DOMNode& element) {
  if (!element.Has(DOMNode::kEmbedded)) return;
  DOMNode& e = *At(IndexOf(&element));
  const bool cdata = e.Has(DOMNode::kEmbeddedCData);
  const std::uint32_t index =
      NewRecord(cdata ? NodeType::CDataSection : NodeType::Text, cdata ? kCDataName : kTextName);
  DOMNode& text = *At(index);
  text.tag_ |= e.tag_ & (DOMNode::kInSource | DOMNode::kWide);
  text.a_ = e.a_;
  text.b_ = e.b_;
  text.parent_ = IndexOf(&e) + 1;
  e.tag_ &= ~(DOMNode::kEmbedded | DOMNode::kEmbeddedCData | DOMNode::kInSource | DOMNode::kWide);
  SetList(e, &index, 1);
}

std::uint32_t NodeStore::PositionOf(const DOMNode& child) const {
  const DOMNode& parent = *At(child.parent_ - 1);
  const std::uint32_t index = IndexOf(&child);
  if (parent.b_ == DOMNode::kOwnList) return positions_.find(index)->second;
  const ListView list = List(parent);
  return static_cast<std::uint32_t>(std::lower_bound(list.data, list.data + list.size, index) - list.data);
}

void NodeStore::Renumber(const std::vector<std::uint32_t>& list, std::size_t from) {
  for (std::size_t i = from; i < list.size(); ++i) positions_[list[i]] = static_cast<std::uint32_t>(i);
}

// ---- Values ----

ValueBytes NodeStore::Value(const DOMNode& n) const {
  const char* base = n.Has(DOMNode::kInSource) ? source_->data() : text_.data();
  return {base + n.a_, n.b_, n.Has(DOMNode::kWide)};
}

std::u16string NodeStore::ValueText(const DOMNode& n) const {
  const ValueBytes v = Value(n);
  if (v.size == 0) return {};
  if (v.wide) {
    std::u16string out(v.size / 2, u'\0');
    std::memcpy(out.data(), v.data, v.size);
    return out;
  }
  // Plain ASCII, the common case, widens directly.
  std::u16string out(v.size, u'\0');
  for (std::uint32_t i = 0; i < v.size; ++i) {
    const auto c = static_cast<unsigned char>(v.data[i]);
    if (c >= 0x80) return base::Utf8ToUtf16(std::string_view(v.data, v.size));
    out[i] = c;
  }
  return out;
}

std::uint32_t NodeStore::StoreBytes(const void* data, std::size_t size) {
  if (text_.size() + size > kNone) throw DOMException(u"The document's text is too large");
  const auto offset = static_cast<std::uint32_t>(text_.size());
  text_.append(static_cast<const char*>(data), size);
  return offset;
}

void NodeStore::SetUtf8Value(DOMNode& n, std::string_view utf8) {
  n.tag_ &= ~(DOMNode::kInSource | DOMNode::kWide);
  n.a_ = StoreBytes(utf8.data(), utf8.size());
  n.b_ = static_cast<std::uint32_t>(utf8.size());
}

void NodeStore::SetTextValue(DOMNode& n, std::u16string_view text) {
  if (text.size() > kNone / 2) throw DOMException(u"The value is too large");
  n.tag_ = (n.tag_ & ~DOMNode::kInSource) | DOMNode::kWide;
  n.a_ = StoreBytes(text.data(), text.size() * 2);
  n.b_ = static_cast<std::uint32_t>(text.size() * 2);
}

void NodeStore::SetSourceValue(DOMNode& n, std::uint32_t offset, std::uint32_t size) {
  n.tag_ = (n.tag_ & ~DOMNode::kWide) | DOMNode::kInSource;
  n.a_ = offset;
  n.b_ = size;
}

void NodeStore::Embed(DOMNode& element, bool cdata) {
  element.tag_ |= DOMNode::kEmbedded | (cdata ? DOMNode::kEmbeddedCData : 0);
}

// ---- Attributes ----

std::vector<DOMAttribute>& NodeStore::EditableAttributes(DOMNode& n) {
  n.tag_ |= DOMNode::kHasAttributes;
  return attributes_[IndexOf(&n)];
}

}  // namespace xml::detail
