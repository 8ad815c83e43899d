// Serialising DOM nodes back to XML text. The walk is iterative, so any depth is safe, and
// it declares the namespace of any element or attribute whose prefix is not bound to it in
// the output (nodes created in memory carry a namespace but no declaration). It runs twice:
// once to count the characters, once to write them into a string of exactly that size.
// Texts an element keeps inline are written from where they lie; no node is made for them.
#include <cstring>
#include <string_view>
#include <vector>

#include "platform/base/HugePages.h"
#include "platform/xml/DOMDocument.h"
#include "platform/xml/DOMNode.h"
#include "platform/xml/NodeStore.h"

namespace xml {

namespace {

using detail::NodeStore;
using detail::ValueBytes;

constexpr std::u16string_view kXmlNamespace = u"http://www.w3.org/XML/1998/namespace";

// Equal texts (a byte comparison: namespace names are long and compared for every element).
bool Same(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(char16_t)) == 0);
}

// Which ASCII characters a kind of output takes as they are: all of them, or all but those
// that text escapes.
enum class Plain { Raw, Text };

// The length of the run at the start of s[0, n) that is ASCII and plain for the kind,
// eight bytes at a time while it lasts.
template <Plain kind>
inline std::uint32_t PlainRun(const unsigned char* s, std::uint32_t n) {
  constexpr std::uint64_t kOnes = 0x0101010101010101u, kHigh = 0x8080808080808080u;
  auto hasZero = [](std::uint64_t v) { return ((v - kOnes) & ~v & kHigh) != 0; };
  std::uint32_t i = 0;
  for (std::uint64_t w; i + 8 <= n; i += 8) {
    std::memcpy(&w, s + i, sizeof w);
    if ((w & kHigh) != 0) break;
    if constexpr (kind == Plain::Text) {
      if (hasZero(w ^ (kOnes * '&')) || hasZero(w ^ (kOnes * '<')) || hasZero(w ^ (kOnes * '>')) ||
          hasZero(w ^ (kOnes * '\r')))
        break;
    }
  }
  for (; i < n; ++i) {
    const unsigned char c = s[i];
    if (c >= 0x80) break;
    if (kind == Plain::Text && (c == '&' || c == '<' || c == '>' || c == '\r')) break;
  }
  return i;
}

// Reads a value: runs of ASCII characters that are plain for the kind go to ascii(p, n) in
// one piece, every other UTF-16 code unit to unit(c) (malformed UTF-8 gives U+FFFD, as the
// text conversion does).
template <Plain kind, typename Ascii, typename Unit>
inline void Decode(const ValueBytes& v, Ascii ascii, Unit unit) {
  if (v.wide) {
    for (std::uint32_t i = 0; i + 1 < v.size; i += 2) {
      char16_t c;
      std::memcpy(&c, v.data + i, 2);
      unit(c);
    }
    return;
  }
  const auto* s = reinterpret_cast<const unsigned char*>(v.data);
  const std::uint32_t n = v.size;
  auto cont = [&](std::uint32_t k) { return k < n && (s[k] & 0xC0) == 0x80; };
  for (std::uint32_t i = 0; i < n;) {
    const std::uint32_t run = i + PlainRun<kind>(s + i, n - i);
    if (run > i) {
      ascii(s + i, run - i);
      i = run;
      if (i == n) break;
    }
    const unsigned char c = s[i];
    if (c < 0x80) {
      unit(static_cast<char16_t>(c));
      ++i;
      continue;
    }
    char32_t cp = 0xFFFD;
    std::uint32_t len = 1;
    if (c >= 0xC2 && c < 0xE0 && cont(i + 1)) {
      cp = ((c & 0x1Fu) << 6) | (s[i + 1] & 0x3Fu);
      len = 2;
    } else if (c >= 0xE0 && c < 0xF0 && cont(i + 1) && cont(i + 2)) {
      const char32_t v3 = ((c & 0x0Fu) << 12) | ((s[i + 1] & 0x3Fu) << 6) | (s[i + 2] & 0x3Fu);
      if (v3 >= 0x800 && (v3 < 0xD800 || v3 > 0xDFFF)) cp = v3;
      len = 3;
    } else if (c >= 0xF0 && c < 0xF5 && cont(i + 1) && cont(i + 2) && cont(i + 3)) {
      const char32_t v4 =
          ((c & 0x07u) << 18) | ((s[i + 1] & 0x3Fu) << 12) | ((s[i + 2] & 0x3Fu) << 6) | (s[i + 3] & 0x3Fu);
      if (v4 >= 0x10000 && v4 <= 0x10FFFF) cp = v4;
      len = 4;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      unit(static_cast<char16_t>(0xD800 + (cp >> 10)));
      unit(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      unit(static_cast<char16_t>(cp));
    }
    i += len;
  }
}

// Counts the characters the writer would put out.
class CountingSink {
 public:
  void Put(char16_t) { ++size_; }
  void Put(std::u16string_view s) { size_ += s.size(); }
  void PutAscii(const unsigned char*, std::size_t n) { size_ += n; }
  std::size_t Size() const { return size_; }

 private:
  std::size_t size_ = 0;
};

// Writes into a string sized by a CountingSink run.
class StringSink {
 public:
  explicit StringSink(char16_t* out) : out_(out) {}
  void Put(char16_t c) { *out_++ = c; }
  void Put(std::u16string_view s) {
    for (char16_t c : s) *out_++ = c;  // names and markup are short
  }
  void PutAscii(const unsigned char* s, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) out_[i] = s[i];
    out_ += n;
  }

 private:
  char16_t* out_;
};

template <typename Sink>
class Writer {
 public:
  Writer(const NodeStore& store, Sink& out) : store_(store), out_(out) {}

  void Write(const DOMNode* top);

 private:
  struct Binding {
    std::u16string_view prefix;
    std::u16string_view uri;
  };
  struct Frame {
    const DOMNode* node;
    std::uint32_t next;
    std::size_t scopeSize;
  };

  std::u16string_view Lookup(std::u16string_view prefix) const;
  void Bind(std::u16string_view prefix, std::u16string_view uri);
  // Writes the start of a container; true when its children follow (a frame was pushed).
  bool Open(const DOMNode* n);
  void StartTag(const DOMNode* n);
  void EndTag(const DOMNode* n) {
    out_.Put(u"</");
    out_.Put(store_.NameAt(NodeStore::NameIdOf(*n)).qualified);
    out_.Put(u'>');
  }
  // A change of the namespace declarations in scope (see boundIn_).
  void ScopeChanged() { ++scopeGeneration_; }
  void RestoreScope(std::size_t size) {
    if (scope_.size() == size) return;
    scope_.resize(size);
    ScopeChanged();
  }
  void Leaf(const DOMNode* n);
  void Text(const ValueBytes& v);
  void CData(const ValueBytes& v);
  void Raw(const ValueBytes& v) {
    Decode<Plain::Raw>(
        v, [&](const unsigned char* p, std::size_t n) { out_.PutAscii(p, n); }, [&](char16_t c) { out_.Put(c); });
  }
  void AttrValue(std::u16string_view s);

  const NodeStore& store_;
  Sink& out_;
  std::vector<Binding> scope_;
  std::vector<Frame> stack_;
  // For each name, the scope in which its namespace was last found declared: elements of
  // one name in an unchanged scope need no new declaration, and no new look-up.
  std::vector<std::uint64_t> boundIn_;
  std::uint64_t scopeGeneration_ = 1;
};

template <typename Sink>
std::u16string_view Writer<Sink>::Lookup(std::u16string_view prefix) const {
  for (auto b = scope_.rbegin(); b != scope_.rend(); ++b)
    if (Same(b->prefix, prefix)) return b->uri;
  if (prefix == u"xml") return kXmlNamespace;
  return {};
}

template <typename Sink>
void Writer<Sink>::Bind(std::u16string_view prefix, std::u16string_view uri) {
  scope_.push_back({prefix, uri});
  ScopeChanged();
  out_.Put(prefix.empty() ? u" xmlns=\"" : u" xmlns:");
  if (!prefix.empty()) {
    out_.Put(prefix);
    out_.Put(u"=\"");
  }
  AttrValue(uri);
  out_.Put(u'"');
}

template <typename Sink>
void Writer<Sink>::StartTag(const DOMNode* n) {
  const std::uint32_t id = NodeStore::NameIdOf(*n);
  const QName& name = store_.NameAt(id);
  out_.Put(u'<');
  out_.Put(name.qualified);
  const std::vector<DOMAttribute>& attributes = store_.Attributes(*n);
  // The element's own declarations first, so that the checks below see them.
  for (const DOMAttribute& a : attributes) {
    if (!Same(a.name->namespaceURI, kXmlnsNamespace)) continue;
    const bool isDefault = a.name->prefix.empty();
    scope_.push_back({isDefault ? std::u16string_view() : std::u16string_view(a.name->local), a.value});
    ScopeChanged();
    out_.Put(u' ');
    out_.Put(a.name->qualified);
    out_.Put(u"=\"");
    AttrValue(a.value);
    out_.Put(u'"');
  }
  if (boundIn_.size() <= id) boundIn_.resize(id + 1, 0);
  if (boundIn_[id] != scopeGeneration_) {
    if (Same(Lookup(name.prefix), name.namespaceURI)) {
      boundIn_[id] = scopeGeneration_;
    } else {
      Bind(name.prefix, name.namespaceURI);
    }
  }
  for (const DOMAttribute& a : attributes) {
    if (Same(a.name->namespaceURI, kXmlnsNamespace)) continue;
    if (!a.name->prefix.empty() && !Same(Lookup(a.name->prefix), a.name->namespaceURI))
      Bind(a.name->prefix, a.name->namespaceURI);
    out_.Put(u' ');
    out_.Put(a.name->qualified);
    out_.Put(u"=\"");
    AttrValue(a.value);
    out_.Put(u'"');
  }
}

template <typename Sink>
void Writer<Sink>::Text(const ValueBytes& v) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(v.data);
  if (!v.wide && PlainRun<Plain::Text>(bytes, v.size) == v.size) {
    out_.PutAscii(bytes, v.size);  // the common case: nothing to escape or decode
    return;
  }
  auto ascii = [&](const unsigned char* p, std::size_t n) { out_.PutAscii(p, n); };
  Decode<Plain::Text>(v, ascii, [&](char16_t c) {
    switch (c) {
      case u'&': out_.Put(u"&amp;"); break;
      case u'<': out_.Put(u"&lt;"); break;
      case u'>': out_.Put(u"&gt;"); break;
      case u'\r': out_.Put(u"&#xD;"); break;  // would be read back as a line feed
      default: out_.Put(c); break;
    }
  });
}

template <typename Sink>
void Writer<Sink>::CData(const ValueBytes& v) {
  // "]]>" cannot appear inside a section: split it across two sections.
  const std::size_t unit = v.wide ? 2 : 1;
  auto at = [&](std::uint32_t i) -> char16_t {
    if (!v.wide) return static_cast<unsigned char>(v.data[i]);
    char16_t c;
    std::memcpy(&c, v.data + i, 2);
    return c;
  };
  out_.Put(u"<![CDATA[");
  std::uint32_t start = 0;
  for (std::uint32_t i = 0; i + 3 * unit <= v.size; i += static_cast<std::uint32_t>(unit)) {
    if (at(i) != u']' || at(i + static_cast<std::uint32_t>(unit)) != u']' ||
        at(i + 2 * static_cast<std::uint32_t>(unit)) != u'>')
      continue;
    const auto cut = static_cast<std::uint32_t>(i + 2 * unit);
    Raw({v.data + start, cut - start, v.wide});
    out_.Put(u"]]><![CDATA[");
    start = cut;
  }
  Raw({v.data + start, v.size - start, v.wide});
  out_.Put(u"]]>");
}

template <typename Sink>
void Writer<Sink>::AttrValue(std::u16string_view s) {
  for (char16_t c : s) {
    switch (c) {
      case u'&': out_.Put(u"&amp;"); break;
      case u'<': out_.Put(u"&lt;"); break;
      case u'"': out_.Put(u"&quot;"); break;
      case u'\r': out_.Put(u"&#xD;"); break;  // white space in values is normalised on reading
      case u'\n': out_.Put(u"&#xA;"); break;
      case u'\t': out_.Put(u"&#x9;"); break;
      default: out_.Put(c); break;
    }
  }
}

template <typename Sink>
void Writer<Sink>::Leaf(const DOMNode* n) {
  switch (n->nodeType()) {
    case NodeType::Text: Text(store_.Value(*n)); break;
    case NodeType::CDataSection: CData(store_.Value(*n)); break;
    case NodeType::Comment:
      out_.Put(u"<!--");
      Raw(store_.Value(*n));
      out_.Put(u"-->");
      break;
    case NodeType::ProcessingInstruction: {
      out_.Put(u"<?");
      out_.Put(n->nodeName());
      const ValueBytes data = store_.Value(*n);
      if (data.size != 0) {
        out_.Put(u' ');
        Raw(data);
      }
      out_.Put(u"?>");
      break;
    }
    case NodeType::EntityReference:
      out_.Put(u'&');
      out_.Put(n->nodeName());
      out_.Put(u';');
      break;
    case NodeType::DocumentType: Raw(store_.Value(*n)); break;
    default: break;
  }
}

template <typename Sink>
bool Writer<Sink>::Open(const DOMNode* n) {
  const std::size_t mark = scope_.size();
  const bool element = n->nodeType() == NodeType::Element;
  if (element) StartTag(n);
  if (store_.ChildCount(*n) == 0) {
    if (element) out_.Put(u"/>");
    RestoreScope(mark);
    return false;
  }
  if (element) out_.Put(u'>');
  if (NodeStore::HasInlineText(*n)) {
    const ValueBytes v = store_.Value(*n);
    if (NodeStore::InlineIsCData(*n)) {
      CData(v);
    } else {
      Text(v);
    }
    EndTag(n);
    RestoreScope(mark);
    return false;
  }
  stack_.push_back({n, 0, mark});
  return true;
}

template <typename Sink>
void Writer<Sink>::Write(const DOMNode* top) {
  if (!top->canHoldChildren()) {
    Leaf(top);
    return;
  }
  if (!Open(top)) return;
  while (!stack_.empty()) {
    Frame& f = stack_.back();
    const NodeStore::ListView list = store_.List(*f.node);
    if (f.next == list.size) {
      if (f.node->nodeType() == NodeType::Element) EndTag(f.node);
      RestoreScope(f.scopeSize);
      stack_.pop_back();
      continue;
    }
    const DOMNode* child = store_.At(list.data[f.next++]);
    if (child->canHoldChildren()) {
      Open(child);
    } else {
      Leaf(child);
    }
  }
}

// Runs the writer twice: counting, then writing into a string of the counted size.
template <typename WriteAll>
std::u16string Serialise(WriteAll writeAll) {
  CountingSink counter;
  writeAll(counter);
  std::u16string out;
  out.reserve(counter.Size());
  base::AdviseHugePages(out.data(), counter.Size() * sizeof(char16_t));
  out.resize(counter.Size());
  StringSink sink(out.data());
  writeAll(sink);
  return out;
}

}  // namespace

std::u16string DOMNode::xml() const {
  if (nodeType() == NodeType::Document) return ownerDocument().xml();
  const NodeStore& store = Store();
  return Serialise([&](auto& sink) { Writer(store, sink).Write(this); });
}

std::u16string DOMDocument::xml() const {
  const NodeStore& store = Store();
  return Serialise([&](auto& sink) {
    for (const DOMNode* child : childNodes()) {
      Writer(store, sink).Write(child);
      sink.Put(u"\r\n");
    }
  });
}

}  // namespace xml
