// Building a document in document order (see DOMBuilder.h).
#include "platform/xml/DOMBuilder.h"

#include <cstring>

#include "platform/xml/DOMDocument.h"
#include "platform/xml/NodeStore.h"

namespace xml::detail {

DOMBuilder::DOMBuilder(DOMDocument& doc, const std::string* source) : store_(doc.Store()), source_(source) {
  frames_.push_back({0, 0});
}

void DOMBuilder::Reserve(std::size_t inputBytes) {
  // Only what is written becomes resident; the reserve spares the copies of growing.
  store_.ReserveText(inputBytes);
  store_.ReserveLists(inputBytes / 16);
}

std::uint32_t DOMBuilder::AddChild(NodeType type, std::uint32_t nameId) {
  const std::uint32_t index = store_.NewRecord(type, nameId);
  const Frame& parent = frames_.back();
  store_.Attach(index, parent.node);
  children_.push_back(index);
  return index;
}

void DOMBuilder::StartElement(std::uint32_t nameId) {
  FlushPending();
  const std::uint32_t index = AddChild(NodeType::Element, nameId);
  frames_.push_back({index, children_.size()});
}

void DOMBuilder::AddAttribute(const QName* name, std::u16string value) {
  store_.EditableAttributes(*store_.At(frames_.back().node)).push_back({name, std::move(value)});
}

void DOMBuilder::EndElement() {
  if (!InsideElement()) return;
  if (PendingIsBlank()) pending_ = Pending::None;
  const Frame frame = frames_.back();
  DOMNode& element = *store_.At(frame.node);
  if (children_.size() == frame.firstChild && pending_ != Pending::None) {
    StoreValue(element);
    store_.Embed(element, pending_ == Pending::CData);
    pending_ = Pending::None;
  } else {
    FlushPending();
    store_.SetList(element, children_.data() + frame.firstChild,
                   static_cast<std::uint32_t>(children_.size() - frame.firstChild));
    children_.resize(frame.firstChild);
  }
  frames_.pop_back();
}

void DOMBuilder::Characters(std::string_view utf8, bool cdata, std::size_t sourceOffset) {
  if (!InsideElement() || (utf8.empty() && !cdata)) return;
  const Pending kind = cdata ? Pending::CData : Pending::Text;
  if (pending_ != Pending::None && pending_ != kind) FlushPending();
  const bool inSource = source_ != nullptr && sourceOffset != kNoOffset && sourceOffset <= source_->size() &&
                        utf8.size() <= source_->size() - sourceOffset && source_->size() <= NodeStore::kNone &&
                        std::memcmp(source_->data() + sourceOffset, utf8.data(), utf8.size()) == 0;
  if (pending_ == Pending::None) {
    pending_ = kind;
    pendingInSource_ = inSource;
    pendingOffset_ = sourceOffset;
    pendingSize_ = utf8.size();
    if (!inSource) pendingBytes_.assign(utf8);
    return;
  }
  if (pendingInSource_ && inSource && sourceOffset == pendingOffset_ + pendingSize_) {
    pendingSize_ += utf8.size();
    return;
  }
  if (pendingInSource_) {
    pendingBytes_.assign(source_->data() + pendingOffset_, pendingSize_);
    pendingInSource_ = false;
  }
  pendingBytes_.append(utf8);
  pendingSize_ = pendingBytes_.size();
}

bool DOMBuilder::PendingIsBlank() const {
  if (pending_ != Pending::Text) return false;
  const char* p = pendingInSource_ ? source_->data() + pendingOffset_ : pendingBytes_.data();
  for (std::size_t i = 0; i < pendingSize_; ++i)
    if (p[i] != ' ' && p[i] != '\t' && p[i] != '\r' && p[i] != '\n') return false;
  return true;
}

void DOMBuilder::StoreValue(DOMNode& n) {
  if (pendingInSource_) {
    store_.SetSourceValue(n, static_cast<std::uint32_t>(pendingOffset_), static_cast<std::uint32_t>(pendingSize_));
  } else {
    store_.SetUtf8Value(n, pendingBytes_);
  }
}

void DOMBuilder::FlushPending() {
  if (pending_ == Pending::None) return;
  if (!PendingIsBlank()) {
    const bool cdata = pending_ == Pending::CData;
    const std::uint32_t index =
        AddChild(cdata ? NodeType::CDataSection : NodeType::Text, cdata ? NodeStore::kCDataName : NodeStore::kTextName);
    StoreValue(*store_.At(index));
  }
  pending_ = Pending::None;
}

void DOMBuilder::AddComment(std::string_view utf8) {
  FlushPending();
  store_.SetUtf8Value(*store_.At(AddChild(NodeType::Comment, NodeStore::kCommentName)), utf8);
}

void DOMBuilder::AddProcessingInstruction(std::u16string_view target, std::string_view utf8) {
  FlushPending();
  const std::uint32_t index = AddChild(NodeType::ProcessingInstruction, store_.PlainName(target));
  store_.SetUtf8Value(*store_.At(index), utf8);
}

void DOMBuilder::AddEntityReference(std::u16string_view name) {
  FlushPending();
  AddChild(NodeType::EntityReference, store_.PlainName(name));
}

void DOMBuilder::AddDocumentType(std::u16string_view name, std::u16string_view declaration) {
  FlushPending();
  store_.SetTextValue(*store_.At(AddChild(NodeType::DocumentType, store_.PlainName(name))), declaration);
}

void DOMBuilder::Finish() {
  while (InsideElement()) EndElement();
  FlushPending();
  store_.SetList(*store_.At(0), children_.data(), static_cast<std::uint32_t>(children_.size()));
  children_.clear();
}

}  // namespace xml::detail
