// How a parsed document keeps its tree: texts an element keeps inline become nodes only when
// asked for, values left in the response body outlive the request, decoded text reaches the
// parser whole across pieces and slices, and the parser's own limits hold on both roads.
#include <gtest/gtest.h>

#include "platform/base/Unicode.h"
#include "platform/xml/DOMParser.h"
#include "platform/xml/XMLDoc.h"
#include "platform/xml/XMLErrors.h"
#include "platform/xml/XMLHTTP.h"
#include "tests/platform/xml/XmlTestSupport.h"
#include "tests/support/LoopbackServerTestSupport.h"

namespace xml {
namespace {

constexpr DOMParseSettings kAllowDoctype{DoctypePolicy::Allow, ""};

std::string Utf8(const std::u16string& s) { return base::Utf16ToUtf8(s); }

std::unique_ptr<DOMDocument> ParseText(std::u16string_view text) {
  const std::u16string_view pieces[] = {text};
  return ParseDOMText(pieces, DoctypePolicy::Refuse);
}

TEST(DOMStore, InlineTextBecomesANodeOnlyWhenAskedFor) {
  auto doc = ParseDOM("<r><a>t &amp; u</a><b><![CDATA[<c>]]></b><c/><d>x<e/></d></r>", {});
  ASSERT_FALSE(doc->parseError().failed()) << Utf8(doc->parseError().reason);
  DOMNode* r = doc->documentElement();
  DOMNode* a = r->childNodes()[0];
  DOMNode* b = r->childNodes()[1];
  EXPECT_EQ(a->childCount(), 1u);
  EXPECT_EQ(a->firstChildType(), NodeType::Text);
  EXPECT_EQ(a->firstChildValue(), u"t & u");
  EXPECT_EQ(b->firstChildType(), NodeType::CDataSection);
  EXPECT_EQ(b->firstChildValue(), u"<c>");
  EXPECT_EQ(r->childNodes()[2]->childCount(), 0u);
  EXPECT_EQ(r->childNodes()[3]->firstChildType(), NodeType::Text);
  EXPECT_EQ(r->xml(), u"<r><a>t &amp; u</a><b><![CDATA[<c>]]></b><c/><d>x<e/></d></r>");

  // Asked for, the text is a node like any other, the same one every time.
  DOMNode* text = a->firstChild();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(a->firstChild(), text);
  EXPECT_EQ(a->lastChild(), text);
  EXPECT_EQ(a->childNodes().size(), 1u);
  EXPECT_EQ(text->parentNode(), a);
  EXPECT_EQ(text->nodeType(), NodeType::Text);
  EXPECT_EQ(text->nodeValue(), u"t & u");
  EXPECT_EQ(text->nextSibling(), nullptr);
  text->setNodeValue(u"v");
  a->appendChild(doc->createElement(u"f"));
  EXPECT_EQ(a->xml(), u"<a>v<f/></a>");
  EXPECT_EQ(b->childNodes()[0]->nodeValue(), u"<c>");
  b->removeChild(b->firstChild());
  EXPECT_EQ(r->xml(), u"<r><a>v<f/></a><b/><c/><d>x<e/></d></r>");
}

TEST(DOMStore, EditsOfParsedListsKeepSiblingsInOrder) {
  auto doc = ParseDOM("<r><a/><b/><c/></r>", {});
  DOMNode* r = doc->documentElement();
  DOMNode* a = r->childNodes()[0];
  DOMNode* b = r->childNodes()[1];
  DOMNode* c = r->childNodes()[2];
  EXPECT_EQ(b->previousSibling(), a);
  EXPECT_EQ(b->nextSibling(), c);
  DOMNode* x = r->insertBefore(doc->createElement(u"x"), b);
  r->removeChild(a);
  EXPECT_EQ(r->childNodes(), (std::vector<DOMNode*>{x, b, c}));
  EXPECT_EQ(x->previousSibling(), nullptr);
  EXPECT_EQ(x->nextSibling(), b);
  EXPECT_EQ(c->previousSibling(), b);
  // Moving a parsed node under another parsed node.
  c->appendChild(x);
  EXPECT_EQ(r->xml(), u"<r><b/><c><x/></c></r>");
  EXPECT_EQ(b->previousSibling(), nullptr);
}

TEST(DOMStore, ValuesLeftInTheBodyOutliveTheRequest) {
  testsupport::LoopbackServer server;
  server.Serve("/s.xml", testsupport::HttpResponse::Ok("<?xml version=\"1.0\" encoding=\"UTF-8\"?><urlset>"
                                                       "<url><loc>http://a.example/\xC3\xA9</loc></url>"
                                                       "<url><loc>http://a.example/&amp;\r\n</loc></url></urlset>"));
  std::shared_ptr<DOMDocument> doc;
  {
    XMLHTTP http;
    http.open(u"GET", base::Utf8ToUtf16(server.Url("/s.xml")), false);
    http.send();
    doc = http.responseXML();
  }
  const DOMNode* root = doc->documentElement();
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->childNodes()[0]->firstChild()->firstChildValue(), u"http://a.example/\u00E9");
  EXPECT_EQ(root->childNodes()[1]->firstChild()->firstChildValue(), u"http://a.example/&\n");
  EXPECT_EQ(doc->xml(),
            u"<?xml version=\"1.0\"?>\r\n<urlset><url><loc>http://a.example/\u00E9</loc></url>"
            u"<url><loc>http://a.example/&amp;\n</loc></url></urlset>\r\n");

  // The same from bytes handed over with the text's owner.
  auto bytes = std::make_shared<const std::string>("\xEF\xBB\xBF<r a=\"1\">kept</r>");
  auto kept = ParseDOM(bytes, 3, {DoctypePolicy::Refuse, "UTF-8"});
  bytes.reset();
  EXPECT_EQ(kept->documentElement()->firstChildValue(), u"kept");
}

TEST(DOMStore, DecodedTextReachesTheParserWholeAcrossPiecesAndSlices) {
  // A surrogate pair split between two pieces is one character.
  const std::u16string_view split[] = {u"<r>\xD83D", u"\xDE00</r>"};
  EXPECT_EQ(ParseDOMText(split, DoctypePolicy::Refuse)->documentElement()->firstChildValue(), u"\U0001F600");
  // Unpaired halves become U+FFFD, as the text conversion makes them.
  EXPECT_EQ(ParseText(u"<r>a\xD800"
                      u"b\xDC00</r>")
                ->documentElement()
                ->firstChildValue(),
            u"a\uFFFDb\uFFFD");
  // Characters of two to four bytes fall on every boundary of the parser's reads.
  std::u16string value;
  for (int i = 0; i < 20000; ++i) value += (i % 3 == 0) ? u"\u00E9" : (i % 3 == 1) ? u"\u20AC" : u"\U0001F600";
  auto doc = ParseText(u"<r>" + value + u"</r>");
  ASSERT_FALSE(doc->parseError().failed()) << Utf8(doc->parseError().reason);
  EXPECT_EQ(doc->documentElement()->firstChildValue(), value);
}

TEST(DOMStore, LongTextAssembledFromPiecesIsKeptWhole) {
  // More than 10,000,000 bytes of text in pieces (an entity between each two).
  std::string text = "<r>";
  for (int i = 0; i < 2200000; ++i) text += "aaaa&amp;";
  text += "</r>";
  auto doc = ParseDOM(text, {});
  ASSERT_FALSE(doc->parseError().failed()) << Utf8(doc->parseError().reason);
  EXPECT_EQ(doc->documentElement()->firstChildValue().size(), 2200000u * 5);
}

TEST(DOMStore, DepthLimitHoldsWithAndWithoutATypeDeclaration) {
  auto nested = [](int depth, const std::string& prolog) {
    std::string s = prolog;
    for (int i = 0; i < depth; ++i) s += "<a>";
    for (int i = 0; i < depth; ++i) s += "</a>";
    return s;
  };
  for (const DOMParseSettings& settings : {DOMParseSettings{}, kAllowDoctype}) {
    const std::string prolog = settings.doctype == DoctypePolicy::Allow ? "<!DOCTYPE a [<!ENTITY e \"x\">]>" : "";
    EXPECT_FALSE(ParseDOM(nested(257, prolog), settings)->parseError().failed());
    auto deep = ParseDOM(nested(258, prolog), settings);
    ASSERT_TRUE(deep->parseError().failed());
    EXPECT_NE(deep->parseError().reason.find(u"depth"), std::u16string::npos) << Utf8(deep->parseError().reason);
  }
}

TEST(DOMStore, DocumentWithATypeDeclarationKeepsItsOrderAndEntities) {
  auto doc =
      ParseDOM("<?xml version=\"1.0\"?><!--a--><!DOCTYPE r [<!ENTITY e \"x&#38;#38;y\">]><?p d?><r>&e;<s>&e;</s></r>",
               kAllowDoctype);
  ASSERT_FALSE(doc->parseError().failed()) << Utf8(doc->parseError().reason);
  const DOMNodeList top = doc->childNodes();
  ASSERT_EQ(top.size(), 5u);
  EXPECT_EQ(top[0]->nodeName(), u"xml");
  EXPECT_EQ(top[1]->nodeType(), NodeType::Comment);
  EXPECT_EQ(top[2]->nodeType(), NodeType::DocumentType);
  EXPECT_EQ(top[3]->nodeName(), u"p");
  EXPECT_EQ(doc->documentElement()->firstChildValue(), u"x&y");
  EXPECT_EQ(doc->documentElement()->childNodes()[1]->firstChildValue(), u"x&y");
}

TEST(DOMStore, AttributeAmpersandsOnBothInputs) {
  EXPECT_EQ(*ParseDOM("<r a=\"x&amp;y&#38;z&amp;#38;\"/>", {})->documentElement()->getAttribute(u"a"), u"x&y&z&#38;");
  EXPECT_EQ(*ParseText(u"<r a=\"x&amp;y\"/>")->documentElement()->getAttribute(u"a"), u"x&y");
  EXPECT_EQ(*ParseDOM("<r a=\"x&amp;y\"/>", kAllowDoctype)->documentElement()->getAttribute(u"a"), u"x&y");
}

TEST(DOMStore, LoadedSitemapListsTheSameAfterTheRoundTrip) {
  std::string body = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<urlset xmlns=\"urn:s\">\n";
  for (int i = 0; i < 5000; ++i) body += "  <url><loc>http://a.example/" + std::to_string(i) + "</loc></url>\n";
  body += "</urlset>\n";
  auto response = ParseDOM(std::make_shared<const std::string>(body), 0, kAllowDoctype);
  TXMLDocument doc(testing::ProgramOptions());
  doc.LoadFromXML(response->xml());
  const std::vector<std::u16string> lines = testing::ListLocs(doc);
  ASSERT_EQ(lines.size(), 5000u);
  EXPECT_EQ(lines[4999], u"http://a.example/4999");
}

}  // namespace
}  // namespace xml
