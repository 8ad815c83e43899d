#pragma once
// TXMLDocument: the document component. Loads a UTF-16 XML text into a namespace-aware DOM
// tree with fixed parse settings (white-space-only text dropped, no document type
// declaration, nothing loaded from outside), keeps it open (active) or closed, and hands out
// the root element and child lists by the rules of TXMLNode. Not responsible for fetching.
#include <memory>
#include <string>
#include <string_view>

#include "platform/xml/XMLNode.h"

namespace xml {

class TXMLDocument {
 public:
  explicit TXMLDocument(TXMLDocOptions options = {});
  ~TXMLDocument();
  TXMLDocument(const TXMLDocument&) = delete;
  TXMLDocument& operator=(const TXMLDocument&) = delete;

  TXMLDocOptions Options() const { return options_; }
  void SetOptions(TXMLDocOptions options);
  // The text of one indentation level for doNodeAutoIndent (two blanks by default).
  const std::u16string& NodeIndentStr() const { return indent_; }
  void SetNodeIndentStr(std::u16string indent);

  bool Active() const { return state_ != nullptr; }
  // Opening makes a new empty document when none is open; closing drops the tree.
  void SetActive(bool active);

  // Closes the current document, opens a new one and parses the text into it. An empty
  // text leaves the new document open and empty. An encoding declaration near the start
  // that names an 8-bit or multi-byte encoding is cut out (the text is already decoded)
  // and a leading byte-order mark is removed. On a parse failure the document is left
  // closed and EDOMParseError is raised: reason, CR LF, "Line: n", CR LF, the first 40
  // characters of the offending line.
  void LoadFromXML(std::u16string_view text);

  // The root element: the last child of the document node that is an element, searching
  // backwards; the null node when there is none. EXMLDocError "No active document" when
  // the document is closed.
  TXMLNode DocumentElement() const;
  // The document node and its children; EXMLDocError when closed.
  TXMLNode Node() const;
  TXMLNodeList ChildNodes() const;
  // The document as XML text; EXMLDocError when closed.
  std::u16string XML() const;

 private:
  const std::shared_ptr<detail::XMLDocState>& Open() const;

  std::shared_ptr<detail::XMLDocState> state_;
  TXMLDocOptions options_;
  std::u16string indent_ = u"  ";
};

// Cuts an encoding declaration that names neither UTF-16, UCS-2 nor UNICODE out of the XML
// declaration when the word "encoding" lies within the first 50 characters (exposed for
// tests).
std::u16string CutEncodingDeclaration(std::u16string_view text);

}  // namespace xml
