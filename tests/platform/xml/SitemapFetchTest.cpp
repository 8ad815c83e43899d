// The whole road of one fetch, as the program's fetch handler takes it: request, parsed
// response serialised to text, text loaded into the document component, listing walk.
#include <gtest/gtest.h>

#include "platform/base/Unicode.h"
#include "platform/xml/DOMDocument.h"
#include "platform/xml/XMLErrors.h"
#include "platform/xml/XMLHTTP.h"
#include "tests/platform/xml/XmlTestSupport.h"
#include "tests/support/LoopbackServerTestSupport.h"

namespace xml {
namespace {

using testsupport::HttpResponse;

struct Outcome {
  std::vector<std::u16string> lines;
  std::string loadError;  // "Kind\r\nmessage" of a failed load, else empty
  std::string listError;  // the message that ended the listing, else empty
};

Outcome Fetch(TXMLDocument& doc, const std::string& url) {
  Outcome out;
  XMLHTTP http;
  http.open(u"GET", base::Utf8ToUtf16(url), false);
  http.send();
  const std::u16string text = http.responseXML()->xml();
  try {
    doc.LoadFromXML(text);
  } catch (const base::Exception& e) {
    out.loadError = e.ClassName() + "\r\n" + base::Utf16ToUtf8(e.Message());
  }
  try {
    testing::ListLocs(doc, out.lines);
  } catch (const base::Exception& e) {
    out.listError = base::Utf16ToUtf8(e.Message());
  } catch (const std::runtime_error& e) {
    out.listError = e.what();
  }
  return out;
}

std::string Sitemap(const std::string& urls, const std::string& decl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>") {
  return decl + "\n<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n" + urls + "</urlset>\n";
}

std::string Entry(const std::string& loc) {
  return "  <url>\n    <loc>" + loc +
         "</loc>\n    <lastmod>2024-05-01</lastmod>\n    <changefreq>weekly</changefreq>\n"
         "    <priority>0.8</priority>\n  </url>\n";
}

class SitemapFetchTest : public ::testing::Test {
 protected:
  testsupport::LoopbackServer server;
  TXMLDocument doc{testing::ProgramOptions()};

  Outcome Serve(const std::string& path, HttpResponse response) {
    server.Serve(path, std::move(response));
    return Fetch(doc, server.Url(path));
  }
};

TEST_F(SitemapFetchTest, SitemapsInEveryEncodingListTheSameAddresses) {
  const std::vector<std::u16string> expected = {u"http://a.example/\u0436", u"http://a.example/caf\u00E9"};
  const std::u16string body16 =
      u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<urlset "
      u"xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\"><url><loc>http://a.example/\u0436</loc>"
      u"</url><url><loc>http://a.example/caf\u00E9</loc></url></urlset>";
  EXPECT_EQ(Serve("/le.xml",
                  HttpResponse::Ok(testing::Utf16Bytes(body16, testing::Endian::Little, testing::ByteOrderMark::Yes)))
                .lines,
            expected);
  EXPECT_EQ(
      Serve("/be.xml", HttpResponse::Ok(testing::Utf16Bytes(body16, testing::Endian::Big, testing::ByteOrderMark::Yes)))
          .lines,
      expected);
  EXPECT_EQ(Serve("/bom.xml", HttpResponse::Ok("\xEF\xBB\xBF" + Sitemap(Entry("http://a.example/\xD0\xB6") +
                                                                        Entry("http://a.example/caf\xC3\xA9"))))
                .lines,
            expected);
  const std::string latin =
      Sitemap(Entry("http://a.example/caf\xE9"), "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>");
  EXPECT_EQ(Serve("/latin.xml", HttpResponse::Ok(latin)).lines, std::vector<std::u16string>{expected[1]});
  EXPECT_EQ(Serve("/cp1251.xml", HttpResponse::Ok(Sitemap(Entry("http://a.example/\xE6"), ""),
                                                  "application/xml; charset=windows-1251"))
                .lines,
            std::vector<std::u16string>{expected[0]});
}

TEST_F(SitemapFetchTest, EntitiesInAddressesAreDecoded) {
  const Outcome out = Serve("/e.xml", HttpResponse::Ok(Sitemap(Entry("http://a.example/?a=1&amp;b=2&#38;c=&lt;3&gt;") +
                                                               Entry("<![CDATA[http://a.example/?x=1&y=2]]>"))));
  EXPECT_EQ(out.lines, (std::vector<std::u16string>{u"http://a.example/?a=1&b=2&c=<3>", u"http://a.example/?x=1&y=2"}));
}

TEST_F(SitemapFetchTest, AnErrorPageThatIsXMLIsListed) {
  const Outcome out =
      Serve("/gone.xml", HttpResponse::Status(404, "<errors><error><loc>nowhere</loc></error></errors>", "text/xml"));
  EXPECT_EQ(out.lines, std::vector<std::u16string>{u"nowhere"});
  EXPECT_EQ(out.loadError, "");
}

TEST_F(SitemapFetchTest, BodiesThatAreNotXMLLeaveNoRoot) {
  for (const std::string& body :
       {std::string(),
        std::string(
            "<!DOCTYPE html>\n<html><head><meta charset=utf-8><title>Shop</title></head><body><p>Hi<br></body></html>"),
        testsupport::GzipCompress(Sitemap(Entry("x")))}) {
    const Outcome out = Serve("/page", HttpResponse::Ok(body, "text/html"));
    EXPECT_EQ(out.loadError, "");
    EXPECT_EQ(out.listError, "the document has no root element");
    EXPECT_TRUE(out.lines.empty());
    EXPECT_TRUE(doc.Active());
  }
}

TEST_F(SitemapFetchTest, DocumentTypeReachesTheDocumentLayerAndIsRefused) {
  const Outcome out =
      Serve("/dtd.xml", HttpResponse::Ok("<?xml version=\"1.0\"?>\n<!DOCTYPE urlset [<!ENTITY host \"a.example\">]>\n"
                                         "<urlset><url><loc>http://&host;/</loc></url></urlset>"));
  EXPECT_EQ(out.loadError.rfind("EDOMParseError\r\n", 0), 0u) << out.loadError;
  EXPECT_NE(out.loadError.find("\r\nLine: "), std::string::npos);
  EXPECT_EQ(out.listError, "No active document");
}

TEST_F(SitemapFetchTest, RedirectedAndCompressedSitemapsAreListed) {
  server.Serve("/sitemap.xml", HttpResponse::Redirect("/moved/sitemap.xml", 301));
  server.Serve("/moved/sitemap.xml", HttpResponse::Redirect(server.Url("/final/sitemap.xml"), 302));
  HttpResponse final = HttpResponse::Ok(Sitemap(Entry("http://a.example/1") + Entry("http://a.example/2")));
  final.coding = testsupport::ContentCoding::Gzip;
  const Outcome out = Serve("/final/sitemap.xml", final);
  EXPECT_EQ(out.lines.size(), 2u);
  EXPECT_EQ(Fetch(doc, server.Url("/sitemap.xml")).lines, out.lines);
}

TEST_F(SitemapFetchTest, SitemapIndexPrefixesAndSurroundingNodes) {
  const Outcome index =
      Serve("/index.xml",
            HttpResponse::Ok(
                "<?xml version=\"1.0\"?><?xml-stylesheet type=\"text/xsl\" href=\"/s.xsl\"?><!-- generated -->"
                "<sitemapindex "
                "xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\"><sitemap><loc>http://a.example/s1.xml</loc>"
                "</sitemap><sitemap><loc>http://a.example/s2.xml</loc></sitemap></sitemapindex><!-- end -->"));
  EXPECT_EQ(index.lines, (std::vector<std::u16string>{u"http://a.example/s1.xml", u"http://a.example/s2.xml"}));
  const Outcome prefixed =
      Serve("/p.xml",
            HttpResponse::Ok(
                "<sm:urlset "
                "xmlns:sm=\"http://www.sitemaps.org/schemas/sitemap/0.9\"><sm:url><sm:loc>http://a.example/p</sm:loc>"
                "</sm:url><sm:url/></sm:urlset>"));
  EXPECT_EQ(prefixed.lines, (std::vector<std::u16string>{u"http://a.example/p", u""}));
}

TEST_F(SitemapFetchTest, TwoRunsShowOnlyTheSecondAndAnErrorRunIsFollowedByAGoodOne) {
  EXPECT_EQ(Serve("/a.xml", HttpResponse::Ok(Sitemap(Entry("1") + Entry("2")))).lines.size(), 2u);
  const Outcome bad = Serve("/bad.xml", HttpResponse::Ok(Sitemap("<!-- note -->" + Entry("1"))));
  EXPECT_TRUE(bad.lines.empty());
  EXPECT_EQ(bad.listError, "Cannot add element \"loc\" to a comment node");
  EXPECT_EQ(Serve("/b.xml", HttpResponse::Ok(Sitemap(Entry("3")))).lines, std::vector<std::u16string>{u"3"});
}

TEST_F(SitemapFetchTest, UnreachablePortFailsAtSend) {
  testsupport::ClosedLoopbackPort closed;
  EXPECT_THROW(Fetch(doc, closed.Url("/sitemap.xml")), EXMLHTTPError);
}

}  // namespace
}  // namespace xml
