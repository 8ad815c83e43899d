#pragma once
// TXMLDocument (the component): lets a stored description hold the document component
// with its settings (Options, DOMVendorDesc) and hands every document operation to the
// XML services' document (xml::TXMLDocument). Owns that document; adds no XML rules.
#include <string>
#include <string_view>

#include "platform/forms/Classes.h"
#include "platform/xml/XMLDoc.h"

namespace app {

// The document options as a set property: ordinal n is the option with bit n.
enum class TXMLDocOptionOrd {
  doNodeAutoCreate,
  doNodeAutoIndent,
  doAttrNull,
  doAutoPrefix,
  doNamespaceDecl,
  doAutoSave
};
using TXMLDocOptionSet = forms::TSet<TXMLDocOptionOrd>;

class TXMLDocument : public forms::TComponent {
  FORMS_CLASS(TXMLDocument)
 public:
  explicit TXMLDocument(forms::TComponent* owner);

  TXMLDocOptionSet Options() const;
  void SetOptions(TXMLDocOptionSet options);
  // The name of the parser behind the document; kept as stored, there is only one.
  const std::u16string& DOMVendorDesc() const { return vendor_; }
  void SetDOMVendorDesc(const std::u16string& v) { vendor_ = v; }
  bool Active() const { return doc_.Active(); }
  void SetActive(bool active) { doc_.SetActive(active); }

  void LoadFromXML(std::u16string_view text) { doc_.LoadFromXML(text); }
  xml::TXMLNode DocumentElement() const { return doc_.DocumentElement(); }
  xml::TXMLNodeList ChildNodes() const { return doc_.ChildNodes(); }
  std::u16string XML() const { return doc_.XML(); }
  xml::TXMLDocument& Document() { return doc_; }

 private:
  xml::TXMLDocument doc_;
  std::u16string vendor_;
};

}  // namespace app
