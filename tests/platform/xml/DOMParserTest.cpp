// Parsing bytes into a DOM: fixed settings, encodings, names, and hostile input.
#include <gtest/gtest.h>

#include "platform/base/Unicode.h"
#include "platform/xml/DOMParser.h"
#include "tests/platform/xml/XmlTestSupport.h"
#include "tests/support/LoopbackServerTestSupport.h"

namespace xml {
namespace {

constexpr DOMParseSettings kAllowDoctype{DoctypePolicy::Allow, ""};

std::string Utf8(const std::u16string& s) { return base::Utf16ToUtf8(s); }

using testing::ByteOrderMark;
using testing::Endian;
using testing::Utf16Bytes;

TEST(DOMParser, BuildsNamesValuesAndDropsWhiteSpaceOnlyText) {
  auto doc = ParseDOM(
      "<?xml version=\"1.0\" standalone=\"yes\"?>\n<!--c-->\n<s:r xmlns:s=\"urn:s\" xmlns=\"urn:d\" a=\"1\">\n"
      "  <s:x>  v  </s:x>\n  <y><![CDATA[  ]]></y>\n  <?pi  data ?>\n</s:r>\n",
      {});
  ASSERT_FALSE(doc->parseError().failed()) << Utf8(doc->parseError().reason);
  const auto& top = doc->childNodes();
  ASSERT_EQ(top.size(), 3u);
  EXPECT_EQ(top[0]->nodeType(), NodeType::ProcessingInstruction);
  EXPECT_EQ(top[0]->nodeName(), u"xml");
  EXPECT_EQ(top[0]->nodeValue(), u"version=\"1.0\" standalone=\"yes\"");
  EXPECT_EQ(top[1]->nodeType(), NodeType::Comment);
  DOMNode* r = top[2];
  EXPECT_EQ(r->nodeName(), u"s:r");
  EXPECT_EQ(r->localName(), u"r");
  EXPECT_EQ(r->prefix(), u"s");
  EXPECT_EQ(r->namespaceURI(), u"urn:s");
  EXPECT_EQ(*r->getAttribute(u"xmlns:s"), u"urn:s");
  EXPECT_EQ(*r->getAttribute(u"a"), u"1");
  ASSERT_EQ(r->childNodes().size(), 3u) << "white-space-only text is dropped";
  EXPECT_EQ(r->childNodes()[0]->firstChild()->nodeValue(), u"  v  ");
  DOMNode* y = r->childNodes()[1];
  EXPECT_EQ(y->namespaceURI(), u"urn:d");
  EXPECT_EQ(y->prefix(), u"");
  EXPECT_EQ(y->firstChild()->nodeType(), NodeType::CDataSection) << "CDATA is kept even when blank";
  EXPECT_EQ(r->childNodes()[2]->nodeName(), u"pi");
  EXPECT_EQ(r->childNodes()[2]->nodeValue(), u"data ");
  // Nodes share their names.
  auto two = ParseDOM("<r><a/><a/></r>", {});
  EXPECT_EQ(&two->documentElement()->childNodes()[0]->name(), &two->documentElement()->childNodes()[1]->name());
}

TEST(DOMParser, TextWithoutDeclarationHasNoDeclarationNode) {
  auto doc = ParseDOM("<r/>", {});
  ASSERT_EQ(doc->childNodes().size(), 1u);
  EXPECT_EQ(doc->xml(), u"<r/>\r\n");
}

TEST(DOMParser, ErrorsGiveReasonAndLine) {
  auto doc = ParseDOM("<r>\n<a>\n</b>\n</r>", {});
  EXPECT_TRUE(doc->parseError().failed());
  EXPECT_EQ(doc->parseError().line, 3);
  EXPECT_TRUE(doc->childNodes().empty()) << "a failed parse gives an empty document";
  for (const char* bad : {"", "   ", "not xml", "<r>", "<r></r><r/>", "<p:r/>", "<r a='1' a='2'/>", "<r>\x01</r>",
                          "\x1F\x8B\x08\x00\x00\x00\x00\x00", "<!DOCTYPE html><html>"})
    EXPECT_TRUE(ParseDOM(bad, kAllowDoctype)->parseError().failed()) << bad;
}

TEST(DOMParser, EncodingsFromMarkDeclarationOrSettings) {
  const std::u16string text = u"<r>\u0436\u00E9</r>";
  EXPECT_EQ(ParseDOM(Utf16Bytes(text, Endian::Little, ByteOrderMark::Yes), {})->documentElement()->xml(), text);
  EXPECT_EQ(
      ParseDOM(Utf16Bytes(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + text, Endian::Little, ByteOrderMark::No), {})
          ->documentElement()
          ->xml(),
      text);
  EXPECT_EQ(ParseDOM("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>\xE9</r>", {})->documentElement()->xml(),
            u"<r>\u00E9</r>");
  EXPECT_EQ(ParseDOM("<?xml version=\"1.0\" encoding=\"windows-1251\"?><r>\xE6</r>", {})->documentElement()->xml(),
            u"<r>\u0436</r>");
  // A forced encoding wins over the declaration.
  EXPECT_EQ(ParseDOM("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>\xD0\xB6</r>", {DoctypePolicy::Refuse, "UTF-8"})
                ->documentElement()
                ->xml(),
            u"<r>\u0436</r>");
  EXPECT_TRUE(ParseDOM("<r>\xE9</r>", {})->parseError().failed()) << "UTF-8 is the default";
}

TEST(DOMParser, DoctypeIsRefusedOrReadWithInternalEntitiesOnly) {
  const std::string text = "<!DOCTYPE r [<!ENTITY e \"ent &amp; ity\">]><r a=\"&e;\">&e;</r>";
  auto refused = ParseDOM(text, {});
  EXPECT_TRUE(refused->parseError().failed());
  EXPECT_EQ(refused->parseError().line, 1);

  auto allowed = ParseDOM(text, kAllowDoctype);
  ASSERT_FALSE(allowed->parseError().failed());
  EXPECT_EQ(allowed->childNodes()[0]->nodeType(), NodeType::DocumentType);
  EXPECT_EQ(allowed->documentElement()->firstChild()->nodeValue(), u"ent & ity");
  EXPECT_EQ(*allowed->documentElement()->getAttribute(u"a"), u"ent & ity");
  // The declaration is written back, so that a later strict reader sees it.
  EXPECT_EQ(allowed->xml().rfind(u"<!DOCTYPE r [", 0), 0u) << Utf8(allowed->xml());
}

TEST(DOMParser, NothingIsLoadedFromOutside) {
  testsupport::LoopbackServer server;
  server.Serve("/x.dtd", testsupport::HttpResponse::Ok("<!ENTITY e \"from the network\">", "application/xml-dtd"));
  server.Serve("/e.txt", testsupport::HttpResponse::Ok("from the network", "text/plain"));
  const std::string text = "<!DOCTYPE r SYSTEM \"" + server.Url("/x.dtd") + "\" [<!ENTITY f SYSTEM \"" +
                           server.Url("/e.txt") + "\"><!ENTITY p SYSTEM \"file:///etc/hostname\">]><r>&f;&p;</r>";
  auto doc = ParseDOM(text, kAllowDoctype);
  if (!doc->parseError().failed()) {
    EXPECT_FALSE(doc->documentElement()->hasChildNodes());
  }
  EXPECT_TRUE(server.Requests().empty());
}

TEST(DOMParser, HostileDocumentsFailCleanly) {
  // Exponential entity expansion.
  std::string laughs = "<!DOCTYPE l [<!ENTITY l0 \"lol\">";
  for (int i = 1; i <= 12; ++i) {
    laughs += "<!ENTITY l" + std::to_string(i) + " \"";
    for (int k = 0; k < 10; ++k) laughs += "&l" + std::to_string(i - 1) + ";";
    laughs += "\">";
  }
  laughs += "]><l>&l12;</l>";
  EXPECT_TRUE(ParseDOM(laughs, kAllowDoctype)->parseError().failed());

  // Quadratic expansion: a large entity referenced many times, in text and in an attribute.
  const std::string big(100000, 'x');
  std::string refs;
  for (int i = 0; i < 20000; ++i) refs += "&a;";
  EXPECT_TRUE(
      ParseDOM("<!DOCTYPE r [<!ENTITY a \"" + big + "\">]><r>" + refs + "</r>", kAllowDoctype)->parseError().failed());
  EXPECT_TRUE(ParseDOM("<!DOCTYPE r [<!ENTITY a \"" + big + "\">]><r a=\"" + refs + "\"/>", kAllowDoctype)
                  ->parseError()
                  .failed());

  // Deep nesting.
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "<a>";
  EXPECT_TRUE(ParseDOM(deep, {})->parseError().failed());

  // Garbage and truncated text never crash.
  std::string noise;
  std::uint32_t v = 7;
  for (int i = 0; i < 20000; ++i) {
    v = v * 1664525u + 1013904223u;
    noise += "<>&;/\"'=ab!?[]- \n\x80\xC3"[v >> 28];
  }
  EXPECT_TRUE(ParseDOM(noise, kAllowDoctype)->parseError().failed());
  const std::string good = "<?xml version=\"1.0\"?><urlset xmlns=\"urn:s\"><url><loc>a&amp;b</loc></url></urlset>";
  for (std::size_t cut = 0; cut < good.size(); ++cut)
    EXPECT_TRUE(ParseDOM(good.substr(0, cut), {})->parseError().failed()) << cut;
  EXPECT_FALSE(ParseDOM(good, {})->parseError().failed());
}

}  // namespace
}  // namespace xml
