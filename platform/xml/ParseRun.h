#pragma once
// Internal: the state of one parse shared by the parser's event handlers (ParserEvents),
// the copy of a parser tree (TreeCopy) and the driver (DOMParser).
#include <libxml/parser.h>

#include <cstdint>
#include <string>
#include <unordered_map>

#include "platform/xml/DOMDocument.h"
#include "platform/xml/DOMParser.h"

namespace xml::detail {

class DOMBuilder;

// Names met in one parse, by the parser's interned strings (local name, prefix, namespace).
class ParserNames {
 public:
  // The store's id of the element or attribute name.
  std::uint32_t Name(xmlParserCtxtPtr ctxt, DOMBuilder& builder, const xmlChar* local, const xmlChar* prefix,
                     const xmlChar* uri);
  // The name of a namespace declaration ("xmlns" or "xmlns:prefix").
  std::uint32_t Declaration(xmlParserCtxtPtr ctxt, DOMBuilder& builder, const xmlChar* prefix);

 private:
  struct Key {
    const void* local;
    const void* prefix;
    const void* uri;
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    std::size_t operator()(const Key& k) const {
      const std::hash<const void*> h;
      return h(k.local) ^ (h(k.prefix) * 31) ^ (h(k.uri) * 1009);
    }
  };
  std::unordered_map<Key, std::uint32_t, KeyHash> ids_;
};

struct ParseRun {
  DOMBuilder* builder = nullptr;
  DoctypePolicy doctype = DoctypePolicy::Refuse;
  std::size_t skip = 0;  // where in the source the parser's first byte lies
  DOMParseError firstError;
  bool doctypeRefused = false;
  bool needsTree = false;  // a type declaration was met where one is allowed
  ParserNames names;
};

inline ParseRun& RunOf(void* ctx) { return *static_cast<ParseRun*>(static_cast<xmlParserCtxtPtr>(ctx)->_private); }

// Records the first error of the run (the parser's own reports come through here too).
void OnError(void* ctx, xmlErrorPtr error);
// Records a failure of the builder and stops the parser.
void Fail(xmlParserCtxtPtr ctxt, const std::u16string& reason);

// Points the parser's handlers at the builder (ParserEvents.cpp).
void InstallEvents(xmlSAXHandler& sax);
// Copies a tree the parser built (TreeCopy.cpp).
void CopyTree(xmlDocPtr src, DOMBuilder& builder);

}  // namespace xml::detail
