#pragma once
// Helpers of the XML layer's tests and benchmarks:
//  - the listing walk of the fetch handler: for every child of the root (the count read
//    once, the root looked up again each time), the text of its "loc" child by the
//    document layer's rules; lines found before an error stay in `lines`;
//  - the options of the program's document component;
//  - UTF-16 text as the bytes a server would send, for encoding tests.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/xml/XMLDoc.h"

namespace xml::testing {

inline void ListLocs(const TXMLDocument& doc, std::vector<std::u16string>& lines) {
  if (!doc.DocumentElement()) throw std::runtime_error("the document has no root element");
  const int count = doc.DocumentElement().ChildNodes().Count();
  for (int i = 0; i < count; ++i) lines.push_back(doc.DocumentElement().ChildNodes()[i].ChildNodes()[u"loc"].Text());
}

inline std::vector<std::u16string> ListLocs(const TXMLDocument& doc) {
  std::vector<std::u16string> lines;
  ListLocs(doc, lines);
  return lines;
}

inline TXMLDocOptions ProgramOptions() {
  return TXMLDocOption::doNodeAutoCreate | TXMLDocOption::doNodeAutoIndent | TXMLDocOption::doAttrNull |
         TXMLDocOption::doAutoPrefix | TXMLDocOption::doNamespaceDecl;
}

enum class Endian { Little, Big };
enum class ByteOrderMark { Yes, No };

inline std::string Utf16Bytes(std::u16string_view s, Endian endian, ByteOrderMark mark) {
  const bool big = endian == Endian::Big;
  std::string out;
  if (mark == ByteOrderMark::Yes) out = big ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t c : s) {
    const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
    out += big ? hi : lo;
    out += big ? lo : hi;
  }
  return out;
}

}  // namespace xml::testing
