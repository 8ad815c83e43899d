#pragma once
// Parsing XML into a DOMDocument with fixed, safe settings: white-space-only text is
// dropped, nothing is loaded from outside (no external entities or DTDs, no network), no
// validation, and the parser's size, depth and entity-expansion limits stay on. A failed
// parse gives an empty document whose parseError() says why.
//
// The tree is built straight from the parser's events, with no tree of the parser's own in
// between; a document with a document type declaration (when one is allowed) is read into
// the parser's tree first, so that its entities are expanded under the parser's own checks.
#include <memory>
#include <span>
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

// The same for bytes the document may keep: character data found unchanged in them stays
// there, and the document then holds on to them. The first `skip` bytes are not read (a
// byte-order mark).
std::unique_ptr<DOMDocument> ParseDOM(std::shared_ptr<const std::string> bytes, std::size_t skip,
                                      const DOMParseSettings& settings);

// Text that is already decoded, given in pieces that are read one after the other: it is
// handed to the parser as UTF-8 a slice at a time, whatever its declaration says.
std::unique_ptr<DOMDocument> ParseDOMText(std::span<const std::u16string_view> pieces, DoctypePolicy doctype);

}  // namespace xml
