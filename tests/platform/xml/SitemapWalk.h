#pragma once
// The listing walk of the fetch handler, for tests and benchmarks: for every child of the
// root (the count read once, the root looked up again each time), the text of its "loc"
// child by the document layer's rules. Lines found before an error stay in `lines`.
#include <stdexcept>
#include <string>
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

// The options of the program's document component.
inline TXMLDocOptions ProgramOptions() {
  return TXMLDocOption::doNodeAutoCreate | TXMLDocOption::doNodeAutoIndent | TXMLDocOption::doAttrNull |
         TXMLDocOption::doAutoPrefix | TXMLDocOption::doNamespaceDecl;
}

}  // namespace xml::testing
