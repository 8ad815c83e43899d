// The document layer: loading, the root rule, lookup by name, creation and text rules.
#include <gtest/gtest.h>

#include "platform/base/Unicode.h"
#include "platform/xml/XMLDoc.h"
#include "platform/xml/XMLErrors.h"
#include "tests/platform/xml/XmlTestSupport.h"

namespace xml {
namespace {

using testing::ListLocs;
using testing::ProgramOptions;

constexpr char16_t kSitemapNs[] = u"http://www.sitemaps.org/schemas/sitemap/0.9";

std::u16string Namespaced(std::u16string_view urls) {
  return u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<urlset "
         u"xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n" +
         std::u16string(urls) + u"\n</urlset>\n";
}

std::u16string Url(std::u16string_view loc) {
  return u"  <url>\n    <loc>" + std::u16string(loc) +
         u"</loc>\n    <lastmod>2024-01-01</lastmod>\n    <changefreq>daily</changefreq>\n"
         u"    <priority>0.5</priority>\n  </url>\n";
}

// Runs the walk and returns the error it ended with (or nothing); the lines found stay.
std::u16string WalkError(const TXMLDocument& doc, std::vector<std::u16string>& lines, std::string* kind = nullptr) {
  try {
    ListLocs(doc, lines);
  } catch (const base::Exception& e) {
    if (kind) *kind = e.ClassName();
    return e.Message();
  }
  return {};
}

class XMLDocTest : public ::testing::Test {
 protected:
  TXMLDocument doc{ProgramOptions()};

  TXMLNode FirstUrl() { return doc.DocumentElement().ChildNodes()[0]; }
};

// ---- Loading ----

TEST_F(XMLDocTest, EmptyTextLeavesAnOpenEmptyDocument) {
  doc.LoadFromXML(u"");
  EXPECT_TRUE(doc.Active());
  EXPECT_FALSE(doc.DocumentElement());
  EXPECT_EQ(doc.ChildNodes().Count(), 0);
}

TEST_F(XMLDocTest, ClosedDocumentHasNoActiveDocument) {
  try {
    doc.DocumentElement();
    FAIL() << "no error";
  } catch (const EXMLDocError& e) {
    EXPECT_EQ(e.ClassName(), "EXMLDocError");
    EXPECT_EQ(e.Message(), u"No active document");
  }
  EXPECT_THROW(doc.ChildNodes(), EXMLDocError);
  EXPECT_THROW(doc.XML(), EXMLDocError);
}

TEST_F(XMLDocTest, ParseErrorMessageHasReasonLineAndSourceText) {
  const std::u16string text =
      u"<?xml version=\"1.0\"?>\n<urlset>\n  "
      u"<url><loc>http://example.org/a-rather-long-address/that/goes/on</loc></urk>\n</urlset>";
  try {
    doc.LoadFromXML(text);
    FAIL() << "no error";
  } catch (const EDOMParseError& e) {
    EXPECT_EQ(e.ClassName(), "EDOMParseError");
    const std::u16string& m = e.Message();
    const std::size_t first = m.find(u"\r\n");
    ASSERT_NE(first, std::u16string::npos);
    EXPECT_GT(first, 0u) << "the parser's reason comes first";
    EXPECT_NE(m.substr(0, first).find(u"mismatch"), std::u16string::npos);
    EXPECT_EQ(m.substr(first), u"\r\nLine: 3\r\n  <url><loc>http://example.org/a-rather-");
  }
  EXPECT_FALSE(doc.Active()) << "a failed parse leaves the document closed";
  EXPECT_THROW(doc.DocumentElement(), EXMLDocError);
}

TEST_F(XMLDocTest, ParseErrorSourceTextNeverSplitsASurrogatePair) {
  // The 40th character of the offending line is the first half of a pair.
  const std::u16string line = std::u16string(39, u'a') + u"\U0001F600</x>";
  try {
    doc.LoadFromXML(u"<r>\n" + line);
    FAIL() << "no error";
  } catch (const EDOMParseError& e) {
    const std::u16string& m = e.Message();
    EXPECT_EQ(m.substr(m.find(u"\r\n")), u"\r\nLine: 2\r\n" + std::u16string(39, u'a'));
  }
}

TEST_F(XMLDocTest, FailedLoadDropsThePreviousDocumentAndALaterLoadWorks) {
  doc.LoadFromXML(u"<a><b/></a>");
  EXPECT_THROW(doc.LoadFromXML(u"<a>"), EDOMParseError);
  EXPECT_FALSE(doc.Active());
  doc.LoadFromXML(u"<c/>");
  EXPECT_EQ(doc.DocumentElement().NodeName(), u"c");
}

TEST_F(XMLDocTest, DocumentTypeDeclarationIsRefused) {
  try {
    doc.LoadFromXML(u"<?xml version=\"1.0\"?>\n<!DOCTYPE urlset [\n<!ENTITY a \"b\">\n]>\n<urlset>&a;</urlset>");
    FAIL() << "no error";
  } catch (const EDOMParseError& e) {
    EXPECT_NE(e.Message().find(u"document type declaration"), std::u16string::npos) << base::Utf16ToUtf8(e.Message());
  }
  EXPECT_FALSE(doc.Active());
}

TEST_F(XMLDocTest, BillionLaughsFailsCleanly) {
  std::u16string text = u"<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">";
  for (int i = 1; i <= 9; ++i) {
    const std::u16string prev = i == 1 ? u"lol" : u"lol" + base::Utf8ToUtf16(std::to_string(i - 1));
    text += u"<!ENTITY lol" + base::Utf8ToUtf16(std::to_string(i)) + u" \"";
    for (int k = 0; k < 10; ++k) text += u"&" + prev + u";";
    text += u"\">";
  }
  text += u"]><lolz>&lol9;</lolz>";
  EXPECT_THROW(doc.LoadFromXML(text), EDOMParseError);
}

TEST_F(XMLDocTest, UnknownEntityAndUndeclaredPrefixAreParseErrors) {
  EXPECT_THROW(doc.LoadFromXML(u"<r>&nbsp;</r>"), EDOMParseError);
  EXPECT_THROW(doc.LoadFromXML(u"<p:r/>"), EDOMParseError);
}

TEST_F(XMLDocTest, ByteOrderMarkAndForeignEncodingDeclarationAreHandled) {
  doc.LoadFromXML(u"\uFEFF<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>caf\u00E9 \u0436</r>");
  EXPECT_EQ(doc.DocumentElement().Text(), u"caf\u00E9 \u0436");
  doc.LoadFromXML(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><r>\u0436</r>");
  EXPECT_EQ(doc.DocumentElement().Text(), u"\u0436");
}

TEST(CutEncodingDeclaration, CutsOnlyEightBitEncodingsNearTheStart) {
  EXPECT_EQ(CutEncodingDeclaration(u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><r/>"), u"<?xml version=\"1.0\"?><r/>");
  EXPECT_EQ(CutEncodingDeclaration(u"<?xml version='1.0' encoding = 'windows-1251' ?><r/>"),
            u"<?xml version='1.0' ?><r/>");
  EXPECT_EQ(CutEncodingDeclaration(u"<?xml version=\"1.0\"                       encoding=\"UTF-8\"?>"),
            u"<?xml version=\"1.0\"                      ?>");  // ends at 50
  EXPECT_EQ(CutEncodingDeclaration(u"\uFEFF<?xml version=\"1.0\" encoding=\"utf-8\"?>"),
            u"\uFEFF<?xml version=\"1.0\"?>");
  for (const char16_t* kept :
       {u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><r/>", u"<?xml version=\"1.0\" encoding=\"ucs-2\"?><r/>",
        u"<?xml version=\"1.0\" encoding=\"Unicode\"?><r/>",
        u"<?xml version=\"1.0\"                        encoding=\"UTF-8\"?>",  // ends at 51
        u"<r encoding=\"UTF-8\"/>", u"<?xml-stylesheet encoding=\"UTF-8\"?><r/>",
        u"<?xml version=\"1.0\" encoding=\"UTF-8"})
    EXPECT_EQ(CutEncodingDeclaration(kept), kept);
}

TEST_F(XMLDocTest, WhiteSpaceOnlyTextIsDroppedButTextKeepsItsBlanks) {
  doc.LoadFromXML(u"<r>\n  <u>\n    <loc>\n  http://a.example/ \n</loc>\n  </u>\n</r>");
  ASSERT_EQ(doc.DocumentElement().ChildNodes().Count(), 1);
  EXPECT_EQ(FirstUrl().ChildNodes().Count(), 1);
  EXPECT_EQ(ListLocs(doc), std::vector<std::u16string>{u"\n  http://a.example/ \n"});
}

TEST_F(XMLDocTest, HandlesOutliveAReload) {
  doc.LoadFromXML(u"<a><b>old</b></a>");
  TXMLNode b = FirstUrl();
  doc.LoadFromXML(u"<c/>");
  EXPECT_EQ(b.Text(), u"old");
  EXPECT_EQ(b.ParentNode().NodeName(), u"a");
}

// ---- The root ----

TEST_F(XMLDocTest, RootIsFoundPastDeclarationCommentsAndInstructions) {
  doc.LoadFromXML(
      u"<?xml version=\"1.0\"?>\n<!-- before -->\n<?xml-stylesheet type=\"text/xsl\" href=\"s.xsl\"?>\n"
      u"<urlset><url><loc>x</loc></url></urlset>\n<!-- after -->\n<?after?>\n");
  EXPECT_EQ(doc.DocumentElement().NodeName(), u"urlset");
  EXPECT_EQ(ListLocs(doc), std::vector<std::u16string>{u"x"});
}

// ---- Lookup by name ----

TEST_F(XMLDocTest, LookupMatchesByNamespaceOfTheParentAndQualifiedOrLocalName) {
  doc.LoadFromXML(
      u"<s:urlset xmlns:s=\"http://www.sitemaps.org/schemas/sitemap/0.9\">"
      u"<s:url><s:loc>prefixed</s:loc></s:url>"
      u"<url xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\"><loc "
      u"xmlns=\"HTTP://WWW.SITEMAPS.ORG/schemas/sitemap/0.9\">case</loc></url>"
      u"<url><x:loc xmlns:x=\"urn:any\">parent without namespace</x:loc></url>"
      u"<s:url><LOC>wrong case</LOC><loc>no namespace</loc><s:loc>first match</s:loc><s:loc>second</s:loc></s:url>"
      u"</s:urlset>");
  const TXMLNodeList urls = doc.DocumentElement().ChildNodes();
  EXPECT_EQ(urls[0].ChildNodes().FindNode(u"loc").Text(), u"prefixed");
  EXPECT_EQ(urls[0].ChildNodes().FindNode(u"s:loc").Text(), u"prefixed");
  EXPECT_EQ(urls[1].ChildNodes().FindNode(u"loc").Text(), u"case");
  EXPECT_EQ(urls[2].ChildNodes().FindNode(u"loc").Text(), u"parent without namespace");
  EXPECT_EQ(urls[3].ChildNodes().FindNode(u"loc").Text(), u"first match");
  EXPECT_FALSE(urls[3].ChildNodes().FindNode(u"Loc"));
}

TEST_F(XMLDocTest, MissingChildIsCreatedWithPrefixNamespaceAndIndentation) {
  doc.LoadFromXML(u"<s:urlset xmlns:s=\"urn:sm\"><s:url><s:lastmod>d</s:lastmod></s:url></s:urlset>");
  const TXMLNode url = FirstUrl();
  const TXMLNode loc = url.ChildNodes()[u"loc"];
  EXPECT_EQ(loc.NodeName(), u"s:loc");
  EXPECT_EQ(loc.NamespaceURI(), u"urn:sm");
  ASSERT_EQ(url.ChildNodes().Count(), 4);
  EXPECT_EQ(url.ChildNodes()[1].NodeValue(), u"\r\n    ");
  EXPECT_EQ(url.ChildNodes()[2], loc);
  EXPECT_EQ(url.ChildNodes()[3].NodeValue(), u"\r\n  ");
  EXPECT_EQ(loc.Text(), u"");
  EXPECT_EQ(loc.ChildNodes().Count(), 1) << "reading the text of an empty element gives it a text node";

  // A second addition reuses the indentation before the end tag.
  url.AddChild(u"extra");
  ASSERT_EQ(url.ChildNodes().Count(), 6);
  EXPECT_EQ(url.ChildNodes()[4].NodeName(), u"s:extra");
  EXPECT_EQ(url.ChildNodes()[5].NodeValue(), u"\r\n  ");
  // The created nodes serialise with their namespace in scope.
  EXPECT_NE(doc.XML().find(u"<s:loc></s:loc>"), std::u16string::npos) << base::Utf16ToUtf8(doc.XML());
}

TEST_F(XMLDocTest, CreationFollowsTheOptions) {
  doc.LoadFromXML(u"<r><u/></r>");
  doc.SetOptions(TXMLDocOption::doNodeAutoCreate);
  FirstUrl().ChildNodes()[u"loc"];
  EXPECT_EQ(FirstUrl().ChildNodes().Count(), 1) << "no indentation without doNodeAutoIndent";
  doc.SetOptions({});
  try {
    FirstUrl().ChildNodes()[u"other"];
    FAIL() << "no error";
  } catch (const EXMLDocError& e) {
    EXPECT_EQ(e.Message(), u"Node \"other\" not found");
  }
}

TEST_F(XMLDocTest, NodesThatCannotHoldChildrenRefuseCreation) {
  for (const char16_t* child : {u"<!--c-->", u"<?pi data?>", u"text", u"<![CDATA[cdata]]>"}) {
    doc.LoadFromXML(u"<r>" + std::u16string(child) + u"</r>");
    try {
      FirstUrl().ChildNodes()[u"loc"];
      FAIL() << "no error for " << base::Utf16ToUtf8(child);
    } catch (const EXMLDocError& e) {
      EXPECT_EQ(e.Message().rfind(u"Cannot add element \"loc\" to a ", 0), 0u) << base::Utf16ToUtf8(e.Message());
    }
  }
}

TEST_F(XMLDocTest, IndexOutOfRangeIsAnError) {
  doc.LoadFromXML(u"<r><u/></r>");
  EXPECT_THROW(doc.DocumentElement().ChildNodes()[1], EXMLDocError);
  EXPECT_THROW(doc.DocumentElement().ChildNodes()[-1], EXMLDocError);
  EXPECT_THROW(TXMLNode().ChildNodes(), EXMLDocError);
}

// ---- Text ----

TEST_F(XMLDocTest, TextOfOneTextOrCDataChildIsItsValue) {
  doc.LoadFromXML(
      u"<r><a> x &amp; y </a><b><![CDATA[<z>]]></b><c>t<!--no--></c><d><e/></d><p:f xmlns:p=\"u\">1<g/></p:f></r>");
  const TXMLNodeList c = doc.DocumentElement().ChildNodes();
  EXPECT_EQ(c[0].Text(), u" x & y ");
  EXPECT_EQ(c[1].Text(), u"<z>");
  try {
    c[2].Text();
    FAIL() << "no error";
  } catch (const EXMLDocError& e) {
    EXPECT_EQ(e.Message(), u"Element \"c\" does not contain a single text node");
  }
  EXPECT_THROW(c[3].Text(), EXMLDocError);
  try {
    c[4].Text();
    FAIL() << "no error";
  } catch (const EXMLDocError& e) {
    EXPECT_EQ(e.Message(), u"Element \"p:f\" does not contain a single text node");
  }
}

// ---- The listing walk ----

TEST_F(XMLDocTest, NamespacedSitemapListsEveryLocInOrderWithDuplicates) {
  doc.LoadFromXML(Namespaced(Url(u"http://a.example/1") + Url(u"http://a.example/2") + Url(u"http://a.example/1")));
  EXPECT_EQ(ListLocs(doc),
            (std::vector<std::u16string>{u"http://a.example/1", u"http://a.example/2", u"http://a.example/1"}));
}

TEST_F(XMLDocTest, SitemapWithoutNamespaceAndSitemapIndexList) {
  doc.LoadFromXML(u"<urlset><url><loc>http://a.example/1</loc></url><url><loc>http://a.example/2</loc></url></urlset>");
  EXPECT_EQ(ListLocs(doc), (std::vector<std::u16string>{u"http://a.example/1", u"http://a.example/2"}));
  doc.LoadFromXML(
      u"<sitemapindex xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\"><sitemap><loc>http://a.example/s1.xml</loc>"
      u"<lastmod>2024-01-01</lastmod></sitemap></sitemapindex>");
  EXPECT_EQ(ListLocs(doc), std::vector<std::u16string>{u"http://a.example/s1.xml"});
}

TEST_F(XMLDocTest, UrlWithoutLocOrWithLocInAnotherNamespaceGivesAnEmptyLine) {
  doc.LoadFromXML(Namespaced(Url(u"1") + u"<url><lastmod>x</lastmod></url>" +
                             u"<url><loc xmlns=\"urn:other\">hidden</loc></url><url><loc/></url>" + Url(u"2")));
  EXPECT_EQ(ListLocs(doc), (std::vector<std::u16string>{u"1", u"", u"", u"", u"2"}));
  const TXMLNode created = doc.DocumentElement().ChildNodes()[1].ChildNodes().FindNode(u"loc");
  ASSERT_TRUE(created);
  EXPECT_EQ(created.NamespaceURI(), kSitemapNs);
}

TEST_F(XMLDocTest, RootWithoutChildrenListsNothing) {
  doc.LoadFromXML(Namespaced(u""));
  EXPECT_TRUE(ListLocs(doc).empty());
}

TEST_F(XMLDocTest, CommentOrTextUnderTheRootStopsTheListing) {
  std::vector<std::u16string> lines;
  std::string kind;
  doc.LoadFromXML(Namespaced(u"<!-- first -->" + Url(u"1")));
  EXPECT_EQ(WalkError(doc, lines, &kind), u"Cannot add element \"loc\" to a comment node");
  EXPECT_EQ(kind, "EXMLDocError");
  EXPECT_TRUE(lines.empty());

  doc.LoadFromXML(Namespaced(Url(u"1") + u"stray text" + Url(u"2")));
  EXPECT_EQ(WalkError(doc, lines), u"Cannot add element \"loc\" to a text node");
  EXPECT_EQ(lines, std::vector<std::u16string>{u"1"});
}

TEST_F(XMLDocTest, LocWithMixedContentStopsTheListingKeepingEarlierLines) {
  std::vector<std::u16string> lines;
  doc.LoadFromXML(Namespaced(Url(u"1") + Url(u"http://a.example/<b>bold</b>") + Url(u"3")));
  EXPECT_EQ(WalkError(doc, lines), u"Element \"loc\" does not contain a single text node");
  EXPECT_EQ(lines, std::vector<std::u16string>{u"1"});
}

TEST_F(XMLDocTest, ListingDoesNotChangeTheLoadedTextOnlyTheTree) {
  const std::u16string text = Namespaced(u"<url/>");
  doc.LoadFromXML(text);
  ListLocs(doc);
  // The created element (and its text node) exist in memory only.
  EXPECT_EQ(FirstUrl().ChildNodes().Count(), 3);
  EXPECT_EQ(text, Namespaced(u"<url/>"));
}

}  // namespace
}  // namespace xml
