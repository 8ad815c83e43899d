#pragma once
// A DOM document: owns every node of one tree and the names they share (in its NodeStore),
// makes new nodes, and records why its text could not be parsed when it could not (an empty
// document then).
#include <memory>
#include <string>
#include <string_view>

#include "platform/xml/DOMNode.h"

namespace xml {

// Why a parse failed: the parser's reason text and where (1-based line and column).
struct DOMParseError {
  std::u16string reason;
  int line = 0;
  int linePos = 0;
  bool failed() const { return !reason.empty(); }
};

class DOMDocument {
 public:
  DOMDocument();
  ~DOMDocument();
  DOMDocument(const DOMDocument&) = delete;
  DOMDocument& operator=(const DOMDocument&) = delete;

  DOMNode* documentNode() const;
  DOMNodeList childNodes() const { return documentNode()->childNodes(); }
  // The first element child of the document node, or nullptr.
  DOMNode* documentElement() const;

  // Interned names. The qualified form is split at its first colon.
  const QName* Name(std::u16string_view prefix, std::u16string_view local, std::u16string_view namespaceURI);
  const QName* QualifiedName(std::u16string_view qualifiedName, std::u16string_view namespaceURI);

  DOMNode* createElement(std::u16string_view qualifiedName, std::u16string_view namespaceURI = {});
  DOMNode* createElement(const QName* name);
  DOMNode* createTextNode(std::u16string_view data);
  DOMNode* createCDATASection(std::u16string_view data);
  DOMNode* createComment(std::u16string_view data);
  DOMNode* createProcessingInstruction(std::u16string_view target, std::u16string_view data);
  DOMNode* createEntityReference(std::u16string_view name);
  // A document type node carrying the declaration's complete text ("<!DOCTYPE ...>").
  DOMNode* createDocumentType(std::u16string_view name, std::u16string_view declaration);
  DOMNode* createDocumentFragment();

  // The whole document as XML text: each top-level node followed by CR LF; empty for an
  // empty document.
  std::u16string xml() const;

  const DOMParseError& parseError() const { return parseError_; }
  void setParseError(DOMParseError error) { parseError_ = std::move(error); }

  // The shared names of the unnamed node kinds.
  static const QName& TextName();
  static const QName& CDataName();
  static const QName& CommentName();
  static const QName& DocumentName();
  static const QName& FragmentName();

  // The node store, for the parser and the writer.
  detail::NodeStore& Store() const { return *store_; }

 private:
  DOMNode* Make(NodeType type, std::uint32_t nameId, std::u16string_view value);

  std::unique_ptr<detail::NodeStore> store_;
  DOMParseError parseError_;
};

// The namespace of namespace declarations ("xmlns", "xmlns:p").
inline constexpr std::u16string_view kXmlnsNamespace = u"http://www.w3.org/2000/xmlns/";

}  // namespace xml
