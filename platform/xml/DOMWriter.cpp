// Serialising DOM nodes back to XML text. The walk is iterative, so any depth is safe, and
// it declares the namespace of any element or attribute whose prefix is not bound to it in
// the output (nodes created in memory carry a namespace but no declaration).
#include <string_view>
#include <vector>

#include "platform/xml/DOMDocument.h"
#include "platform/xml/DOMNode.h"

namespace xml {

namespace {

constexpr std::u16string_view kXmlNamespace = u"http://www.w3.org/XML/1998/namespace";

class Writer {
 public:
  explicit Writer(std::u16string& out) : out_(out) {}

  void Write(const DOMNode* top);

 private:
  struct Binding {
    std::u16string_view prefix;
    std::u16string_view uri;
  };
  struct Frame {
    const DOMNode* node;
    std::size_t scopeSize;
  };

  std::u16string_view Lookup(std::u16string_view prefix) const;
  void Bind(std::u16string_view prefix, std::u16string_view uri);
  void StartTag(const DOMNode* n);
  void EndTag(const DOMNode* n) {
    out_ += u"</";
    out_ += n->nodeName();
    out_ += u'>';
  }
  void Leaf(const DOMNode* n);
  void Text(std::u16string_view s);
  void AttrValue(std::u16string_view s);

  std::u16string& out_;
  std::vector<Binding> scope_;
};

std::u16string_view Writer::Lookup(std::u16string_view prefix) const {
  for (auto b = scope_.rbegin(); b != scope_.rend(); ++b)
    if (b->prefix == prefix) return b->uri;
  if (prefix == u"xml") return kXmlNamespace;
  return {};
}

void Writer::Bind(std::u16string_view prefix, std::u16string_view uri) {
  scope_.push_back({prefix, uri});
  out_ += prefix.empty() ? u" xmlns=\"" : u" xmlns:";
  if (!prefix.empty()) {
    out_ += prefix;
    out_ += u"=\"";
  }
  AttrValue(uri);
  out_ += u'"';
}

void Writer::StartTag(const DOMNode* n) {
  out_ += u'<';
  out_ += n->nodeName();
  // The element's own declarations first, so that the checks below see them.
  for (const DOMAttribute& a : n->attributes()) {
    if (a.name->namespaceURI != kXmlnsNamespace) continue;
    const bool isDefault = a.name->prefix.empty();
    scope_.push_back({isDefault ? std::u16string_view() : std::u16string_view(a.name->local), a.value});
    out_ += u' ';
    out_ += a.name->qualified;
    out_ += u"=\"";
    AttrValue(a.value);
    out_ += u'"';
  }
  if (Lookup(n->prefix()) != n->namespaceURI()) Bind(n->prefix(), n->namespaceURI());
  for (const DOMAttribute& a : n->attributes()) {
    if (a.name->namespaceURI == kXmlnsNamespace) continue;
    if (!a.name->prefix.empty() && Lookup(a.name->prefix) != a.name->namespaceURI)
      Bind(a.name->prefix, a.name->namespaceURI);
    out_ += u' ';
    out_ += a.name->qualified;
    out_ += u"=\"";
    AttrValue(a.value);
    out_ += u'"';
  }
}

void Writer::Text(std::u16string_view s) {
  for (char16_t c : s) {
    switch (c) {
      case u'&': out_ += u"&amp;"; break;
      case u'<': out_ += u"&lt;"; break;
      case u'>': out_ += u"&gt;"; break;
      case u'\r': out_ += u"&#xD;"; break;  // would be read back as a line feed
      default: out_ += c; break;
    }
  }
}

void Writer::AttrValue(std::u16string_view s) {
  for (char16_t c : s) {
    switch (c) {
      case u'&': out_ += u"&amp;"; break;
      case u'<': out_ += u"&lt;"; break;
      case u'"': out_ += u"&quot;"; break;
      case u'\r': out_ += u"&#xD;"; break;  // white space in values is normalised on reading
      case u'\n': out_ += u"&#xA;"; break;
      case u'\t': out_ += u"&#x9;"; break;
      default: out_ += c; break;
    }
  }
}

void Writer::Leaf(const DOMNode* n) {
  switch (n->nodeType()) {
    case NodeType::Text: Text(n->nodeValue()); break;
    case NodeType::CDataSection: {
      // "]]>" cannot appear inside a section: split it across two sections.
      std::u16string_view v = n->nodeValue();
      out_ += u"<![CDATA[";
      for (std::size_t at; (at = v.find(u"]]>")) != std::u16string_view::npos; v.remove_prefix(at + 2)) {
        out_ += v.substr(0, at + 2);
        out_ += u"]]><![CDATA[";
      }
      out_ += v;
      out_ += u"]]>";
      break;
    }
    case NodeType::Comment:
      out_ += u"<!--";
      out_ += n->nodeValue();
      out_ += u"-->";
      break;
    case NodeType::ProcessingInstruction:
      out_ += u"<?";
      out_ += n->nodeName();
      if (!n->nodeValue().empty()) {
        out_ += u' ';
        out_ += n->nodeValue();
      }
      out_ += u"?>";
      break;
    case NodeType::EntityReference:
      out_ += u'&';
      out_ += n->nodeName();
      out_ += u';';
      break;
    case NodeType::DocumentType: out_ += n->nodeValue(); break;
    default: break;
  }
}

void Writer::Write(const DOMNode* top) {
  std::vector<Frame> stack;
  const DOMNode* n = top;
  for (;;) {
    const NodeType type = n->nodeType();
    if (type == NodeType::Element) {
      const std::size_t mark = scope_.size();
      StartTag(n);
      if (n->hasChildNodes()) {
        out_ += u'>';
        stack.push_back({n, mark});
        n = n->firstChild();
        continue;
      }
      out_ += u"/>";
      scope_.resize(mark);
    } else if (n->canHoldChildren()) {
      if (n->hasChildNodes()) {
        stack.push_back({n, scope_.size()});
        n = n->firstChild();
        continue;
      }
    } else {
      Leaf(n);
    }
    // n is finished: go on with its next sibling, or close the parents it was the last of.
    for (;;) {
      if (n == top) return;
      if (const DOMNode* next = n->nextSibling()) {
        n = next;
        break;
      }
      const Frame parent = stack.back();
      stack.pop_back();
      if (parent.node->nodeType() == NodeType::Element) EndTag(parent.node);
      scope_.resize(parent.scopeSize);
      n = parent.node;
    }
  }
}

}  // namespace

std::u16string DOMNode::xml() const {
  if (type_ == NodeType::Document) return owner_->xml();
  std::u16string out;
  Writer(out).Write(this);
  return out;
}

std::u16string DOMDocument::xml() const {
  std::u16string out;
  for (const DOMNode* child : document_->childNodes()) {
    Writer(out).Write(child);
    out += u"\r\n";
  }
  return out;
}

}  // namespace xml
