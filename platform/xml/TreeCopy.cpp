// Copying a tree the parser built into a DOMBuilder: the road of documents with a document
// type declaration, whose entities the parser expands into its own tree under its own checks.
#include <libxml/tree.h>

#include <string>

#include "platform/base/Unicode.h"
#include "platform/xml/DOMBuilder.h"
#include "platform/xml/NodeStore.h"
#include "platform/xml/ParseRun.h"

namespace xml::detail {

namespace {

std::u16string U16(const xmlChar* s) {
  return s == nullptr ? std::u16string() : base::Utf8ToUtf16(reinterpret_cast<const char*>(s));
}

std::string_view View(const xmlChar* s) {
  return s == nullptr ? std::string_view() : std::string_view(reinterpret_cast<const char*>(s));
}

class TreeCopier {
 public:
  explicit TreeCopier(DOMBuilder& builder) : b_(builder), store_(builder.Store()) {}
  void Copy(xmlDocPtr src);

 private:
  std::uint32_t NameOf(const xmlChar* local, xmlNsPtr ns) {
    return store_.Intern(ns != nullptr ? U16(ns->prefix) : std::u16string(), U16(local),
                         ns != nullptr ? U16(ns->href) : std::u16string());
  }
  // Adds the node; true when it is an element, whose children follow.
  bool Add(xmlNodePtr x);

  DOMBuilder& b_;
  NodeStore& store_;
  xmlDocPtr src_ = nullptr;
};

bool TreeCopier::Add(xmlNodePtr x) {
  switch (x->type) {
    case XML_ELEMENT_NODE:
      b_.StartElement(NameOf(x->name, x->ns));
      for (xmlNsPtr ns = x->nsDef; ns != nullptr; ns = ns->next) {
        const std::uint32_t name = ns->prefix == nullptr ? store_.Intern({}, u"xmlns", kXmlnsNamespace)
                                                         : store_.Intern(u"xmlns", U16(ns->prefix), kXmlnsNamespace);
        b_.AddAttribute(&store_.NameAt(name), U16(ns->href));
      }
      for (xmlAttrPtr a = x->properties; a != nullptr; a = a->next) {
        std::string value;
        for (xmlNodePtr t = a->children; t != nullptr; t = t->next)
          if (t->content != nullptr) value += reinterpret_cast<const char*>(t->content);
        b_.AddAttribute(&store_.NameAt(NameOf(a->name, a->ns)), base::Utf8ToUtf16(value));
      }
      return true;
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
      b_.Characters(View(x->content), x->type == XML_CDATA_SECTION_NODE);
      b_.EndCharacters();
      return false;
    case XML_COMMENT_NODE: b_.AddComment(View(x->content)); return false;
    case XML_PI_NODE: b_.AddProcessingInstruction(U16(x->name), View(x->content)); return false;
    case XML_ENTITY_REF_NODE: b_.AddEntityReference(U16(x->name)); return false;
    case XML_DTD_NODE: {
      xmlBufferPtr buffer = xmlBufferCreate();
      xmlNodeDump(buffer, src_, x, 0, 0);
      b_.AddDocumentType(U16(x->name), U16(xmlBufferContent(buffer)));
      xmlBufferFree(buffer);
      return false;
    }
    default: return false;
  }
}

void TreeCopier::Copy(xmlDocPtr src) {
  src_ = src;
  // The declaration, when the text had one, is the document's first child.
  if (src->standalone != -1) {
    std::string data = "version=\"" + std::string(View(src->version)) + "\"";
    if (src->standalone >= 0) data += src->standalone == 1 ? " standalone=\"yes\"" : " standalone=\"no\"";
    b_.AddProcessingInstruction(u"xml", data);
  }
  // Depth-first without recursion: the tree may be deep.
  for (xmlNodePtr x = src->children; x != nullptr;) {
    const bool element = Add(x);
    if (element && x->children != nullptr) {
      x = x->children;
      continue;
    }
    if (element) b_.EndElement();
    while (x != nullptr && x->next == nullptr) {
      x = x->parent;
      if (x == nullptr || x->type == XML_DOCUMENT_NODE) {
        x = nullptr;
        break;
      }
      b_.EndElement();
    }
    if (x != nullptr) x = x->next;
  }
  b_.Finish();
}

}  // namespace

void CopyTree(xmlDocPtr src, DOMBuilder& builder) { TreeCopier(builder).Copy(src); }

}  // namespace xml::detail
