#include "app/XMLDocComponent.h"

#include "platform/forms/ClassBuilder.h"

namespace app {

namespace {

const forms::TEnumInfo& OptionInfo() {
  static const forms::TEnumInfo i{
      u"TXMLDocOption",
      {u"doNodeAutoCreate", u"doNodeAutoIndent", u"doAttrNull", u"doAutoPrefix", u"doNamespaceDecl", u"doAutoSave"}};
  return i;
}

constexpr xml::TXMLDocOption kOptions[] = {xml::TXMLDocOption::doNodeAutoCreate, xml::TXMLDocOption::doNodeAutoIndent,
                                           xml::TXMLDocOption::doAttrNull,       xml::TXMLDocOption::doAutoPrefix,
                                           xml::TXMLDocOption::doNamespaceDecl,  xml::TXMLDocOption::doAutoSave};

// A new document component starts with these, as a freshly placed one does.
const TXMLDocOptionSet kDefaultOptions{TXMLDocOptionOrd::doNodeAutoCreate, TXMLDocOptionOrd::doNodeAutoIndent,
                                       TXMLDocOptionOrd::doAttrNull, TXMLDocOptionOrd::doAutoPrefix,
                                       TXMLDocOptionOrd::doNamespaceDecl};

}  // namespace

FORMS_DEFINE_CLASS(TXMLDocument, forms::TComponent, [](auto& b) {
  b.Set(u"Options", OptionInfo(), &TXMLDocument::Options, &TXMLDocument::SetOptions, kDefaultOptions);
  b.String(u"DOMVendorDesc", &TXMLDocument::DOMVendorDesc, &TXMLDocument::SetDOMVendorDesc);
  b.Bool(u"Active", &TXMLDocument::Active, &TXMLDocument::SetActive, false);
})

TXMLDocument::TXMLDocument(forms::TComponent* owner) : forms::TComponent(owner) { SetOptions(kDefaultOptions); }

TXMLDocOptionSet TXMLDocument::Options() const {
  TXMLDocOptionSet s;
  for (std::size_t i = 0; i < std::size(kOptions); ++i)
    if (doc_.Options().Contains(kOptions[i])) s.Include(static_cast<TXMLDocOptionOrd>(i));
  return s;
}

void TXMLDocument::SetOptions(TXMLDocOptionSet options) {
  xml::TXMLDocOptions o;
  for (std::size_t i = 0; i < std::size(kOptions); ++i)
    if (options.Contains(static_cast<TXMLDocOptionOrd>(i))) o = o | kOptions[i];
  doc_.SetOptions(o);
}

}  // namespace app
