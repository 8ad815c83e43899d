#pragma once
// The open document shared by TXMLDocument and the node handles it gives out (internal).
#include <memory>
#include <string>

#include "platform/xml/DOMDocument.h"
#include "platform/xml/XMLNode.h"

namespace xml::detail {

struct XMLDocState {
  std::unique_ptr<DOMDocument> dom = std::make_unique<DOMDocument>();
  TXMLDocOptions options;
  std::u16string indent;
};

}  // namespace xml::detail
