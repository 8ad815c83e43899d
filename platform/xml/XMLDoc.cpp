#include "platform/xml/XMLDoc.h"

#include <string>
#include <utility>

#include "platform/base/TextCase.h"
#include "platform/base/Unicode.h"
#include "platform/xml/DOMParser.h"
#include "platform/xml/XMLDocState.h"
#include "platform/xml/XMLErrors.h"

namespace xml {

namespace {

bool IsXmlBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

bool IsUnicodeEncodingName(std::u16string_view name) {
  const std::u16string upper = base::ToUpperAscii(name);
  return upper == u"UTF-16" || upper == u"UCS-2" || upper == u"UNICODE";
}

// Line `line` (1-based) of the text, without its line break, cut to 40 characters (never
// inside a surrogate pair).
std::u16string SourceLine(std::u16string_view text, int line) {
  std::size_t start = 0;
  for (int i = 1; i < line; ++i) {
    start = text.find(u'\n', start);
    if (start == std::u16string_view::npos) return {};
    ++start;
  }
  std::u16string_view rest = text.substr(start);
  rest = rest.substr(0, rest.find(u'\n'));
  if (!rest.empty() && rest.back() == u'\r') rest.remove_suffix(1);
  std::size_t n = std::min<std::size_t>(rest.size(), 40);
  if (n == 40 && n < rest.size() && rest[n - 1] >= 0xD800 && rest[n - 1] <= 0xDBFF) --n;
  return std::u16string(rest.substr(0, n));
}

// The text with the encoding declaration cut out, as the pieces before and after the cut
// (the second is empty when nothing is cut).
std::pair<std::u16string_view, std::u16string_view> CutPieces(std::u16string_view text) {
  const std::pair<std::u16string_view, std::u16string_view> whole{text, {}};
  const std::size_t start = !text.empty() && text[0] == 0xFEFF ? 1 : 0;
  if (text.substr(start, 5) != u"<?xml" || text.size() <= start + 5 || !IsXmlBlank(text[start + 5])) return whole;
  // Only the first 50 characters are looked at.
  const std::size_t at = text.substr(0, 50).find(u"encoding", start);
  if (at == std::u16string_view::npos || at + 8 > 50 || at > text.find(u"?>", start) || !IsXmlBlank(text[at - 1]))
    return whole;
  std::size_t p = at + 8;
  while (p < text.size() && IsXmlBlank(text[p])) ++p;
  if (p >= text.size() || text[p] != u'=') return whole;
  ++p;
  while (p < text.size() && IsXmlBlank(text[p])) ++p;
  if (p >= text.size() || (text[p] != u'"' && text[p] != u'\'')) return whole;
  const std::size_t close = text.find(text[p], p + 1);
  if (close == std::u16string_view::npos) return whole;
  if (IsUnicodeEncodingName(text.substr(p + 1, close - p - 1))) return whole;
  return {text.substr(0, at - 1), text.substr(close + 1)};
}

}  // namespace

std::u16string CutEncodingDeclaration(std::u16string_view text) {
  const auto [before, after] = CutPieces(text);
  std::u16string cut;
  cut.reserve(before.size() + after.size());
  cut.append(before);
  cut.append(after);
  return cut;
}

TXMLDocument::TXMLDocument(TXMLDocOptions options) : options_(options) {}

TXMLDocument::~TXMLDocument() = default;

void TXMLDocument::SetOptions(TXMLDocOptions options) {
  options_ = options;
  if (state_) state_->options = options;
}

void TXMLDocument::SetNodeIndentStr(std::u16string indent) {
  indent_ = std::move(indent);
  if (state_) state_->indent = indent_;
}

void TXMLDocument::SetActive(bool active) {
  if (!active) {
    state_.reset();
  } else if (!state_) {
    state_ = std::make_shared<detail::XMLDocState>();
    state_->options = options_;
    state_->indent = indent_;
  }
}

void TXMLDocument::LoadFromXML(std::u16string_view text) {
  SetActive(false);
  SetActive(true);
  if (text.empty()) return;

  // The parser reads the text as it stands, the cut declaration and a leading byte-order
  // mark left out, with no copy of it made.
  auto [before, after] = CutPieces(text);
  if (!before.empty() && before[0] == 0xFEFF) {
    before.remove_prefix(1);
  } else if (before.empty() && !after.empty() && after[0] == 0xFEFF) {
    after.remove_prefix(1);
  }
  const std::u16string_view pieces[] = {before, after};
  std::unique_ptr<DOMDocument> dom = ParseDOMText(pieces, DoctypePolicy::Refuse);
  if (dom->parseError().failed()) {
    SetActive(false);
    const DOMParseError& e = dom->parseError();
    std::u16string source(before);
    source += after;
    throw EDOMParseError(e.reason + u"\r\n" + u"Line" + u": " + base::Utf8ToUtf16(std::to_string(e.line)) + u"\r\n" +
                         SourceLine(source, e.line));
  }
  state_->dom = std::move(dom);
}

const std::shared_ptr<detail::XMLDocState>& TXMLDocument::Open() const {
  if (!state_) throw EXMLDocError(u"No active document");
  return state_;
}

TXMLNode TXMLDocument::DocumentElement() const {
  const auto& state = Open();
  for (DOMNode* n = state->dom->documentNode()->lastChild(); n != nullptr; n = n->previousSibling())
    if (n->nodeType() == NodeType::Element) return TXMLNode(state, n);
  return {};
}

TXMLNode TXMLDocument::Node() const {
  const auto& state = Open();
  return TXMLNode(state, state->dom->documentNode());
}

TXMLNodeList TXMLDocument::ChildNodes() const { return Node().ChildNodes(); }

std::u16string TXMLDocument::XML() const { return Open()->dom->xml(); }

}  // namespace xml
