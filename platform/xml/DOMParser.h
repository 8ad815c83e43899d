#pragma once
// Parsing XML bytes into a DOMDocument with fixed, safe settings: white-space-only text is
// dropped, nothing is loaded from outside (no external entities or DTDs, no network), no
// validation, and the parser's size, depth and entity-expansion limits stay on. A failed
// parse gives an empty document whose parseError() says why.
#include <memory>
#include <string>
#include <string_view>

#include "platform/xml/DOMDocument.h"

namespace xml {

// What to do with a document type declaration.
enum class DoctypePolicy {
  Refuse,  // the parse fails at the declaration
  Allow,   // its internal subset is read and its internal entities are expanded
};

struct DOMParseSettings {
  DoctypePolicy doctype = DoctypePolicy::Refuse;
  // The encoding of the bytes, overriding any byte-order mark and declaration; empty: the
  // parser decides from the byte-order mark, the declaration, else UTF-8.
  std::string encoding;
};

std::unique_ptr<DOMDocument> ParseDOM(std::string_view bytes, const DOMParseSettings& settings);

}  // namespace xml
