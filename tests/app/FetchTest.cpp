// The fetch road of the main window against a loopback server: what lands in the list and
// its count caption for the sitemap shapes users meet, and what the user is told when the
// address, the server or the document is not usable.
#include "AppTestSupport.h"

#include "platform/base/Unicode.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/Keys.h"
#include "platform/ctl/Icons.h"
#include "skin/controls/sMemo.h"
#include "tests/support/LoopbackServerTestSupport.h"

namespace apptest {
namespace {

using testsupport::HttpResponse;

constexpr const char16_t* kCountPrefix = u" Полученный список URL. Найдено URL:   ";

class Fetching : public AppTest {
 protected:
  // Serves `body` as a sitemap and fetches it.
  void FetchBody(const std::string& body, const std::string& path = "/sitemap.xml") {
    server.Serve(path, HttpResponse::Ok(body));
    Fetch(server.Url(path));
  }
  std::u16string List() const { return f1->sMemo1->Lines()->Text(); }
  std::u16string Caption() const { return f1->sGroupBox2->Caption(); }

  testsupport::LoopbackServer server;
};

const std::string kNamespaced =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n"
    "  <url><loc>https://example.com/</loc><lastmod>2024-01-01</lastmod><changefreq>daily</changefreq>"
    "<priority>1.0</priority></url>\n"
    "  <url><loc>https://example.com/about</loc></url>\n"
    "  <url><loc>https://example.com/about</loc></url>\n"
    "</urlset>\n";

TEST_F(Fetching, NamespacedSitemapListsEveryLocInOrderAndCountsThem) {
  EXPECT_EQ(Caption(), u" Полученный список URL. Найдено URL: 0 ") << "the stored caption until the list changes";
  FetchBody(kNamespaced);
  EXPECT_EQ(List(), u"https://example.com/\r\nhttps://example.com/about\r\nhttps://example.com/about\r\n");
  EXPECT_EQ(Caption(), std::u16string(kCountPrefix) + u"3");
}

TEST_F(Fetching, TheCaptionCountsUpOnceForEveryAddedLine) {
  FetchBody("<urlset><url><loc>old</loc></url></urlset>", "/old.xml");
  std::vector<std::u16string> captions;
  auto handler = f1->sMemo1->OnChange;
  f1->sMemo1->OnChange = [&](forms::TObject* sender) {
    handler(sender);
    captions.push_back(Caption());
  };
  FetchBody(kNamespaced);
  const std::u16string prefix = kCountPrefix;
  EXPECT_EQ(captions,
            (std::vector<std::u16string>{prefix + u"0", prefix + u"0", prefix + u"1", prefix + u"2", prefix + u"3"}))
      << "one change for each of the run's two clearings (the old list, then the empty list again), then one per "
         "line";
}

TEST_F(Fetching, SitemapShapesGiveTheSameLinesAsThePlainOne) {
  const std::vector<std::pair<std::string, std::u16string>> cases{
      {"<urlset><url><loc>a</loc></url><url><loc>b</loc></url></urlset>", u"a\r\nb\r\n"},
      {"<s:urlset xmlns:s=\"http://www.sitemaps.org/schemas/sitemap/0.9\"><s:url><s:loc>a</s:loc></s:url>"
       "<s:url><s:loc>b</s:loc></s:url></s:urlset>",
       u"a\r\nb\r\n"},
      {"<sitemapindex xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\"><sitemap><loc>https://x.example/1.xml</loc>"
       "</sitemap><sitemap><loc>https://x.example/2.xml</loc></sitemap></sitemapindex>",
       u"https://x.example/1.xml\r\nhttps://x.example/2.xml\r\n"},
      {"<urlset><url><loc><![CDATA[https://x.example/?a=1&b=2]]></loc></url></urlset>",
       u"https://x.example/?a=1&b=2\r\n"},
      {"<urlset><url><loc>\n   https://x.example/\n  </loc></url></urlset>", u"\n   https://x.example/\n  \r\n"},
      {"<urlset><url><loc>a</loc></url><url><lastmod>x</lastmod></url><url><loc>c</loc></url></urlset>",
       u"a\r\n\r\nc\r\n"},
      {"<urlset><url><loc/></url></urlset>", u"\r\n"},
      {"<urlset xmlns=\"urn:a\"><url><loc xmlns=\"urn:b\">a</loc></url></urlset>", u"\r\n"},
      {"<?xml version=\"1.0\"?><?xml-stylesheet href=\"s.xsl\"?><!-- before --><urlset><url><loc>a</loc></url>"
       "</urlset><!-- after -->",
       u"a\r\n"},
  };
  for (const auto& [body, lines] : cases) {
    FetchBody(body);
    EXPECT_EQ(List(), lines) << body;
  }
  EXPECT_EQ(Caption(), std::u16string(kCountPrefix) + u"1");
}

TEST_F(Fetching, AnEntryWithoutAddressIsAnEmptyLineThatCounts) {
  FetchBody("<urlset><url><loc>a</loc></url><url/><url><loc>c</loc></url></urlset>");
  EXPECT_EQ(f1->sMemo1->Lines()->Count(), 3);
  EXPECT_EQ(Caption(), std::u16string(kCountPrefix) + u"3");
}

TEST_F(Fetching, TwoRunsInARowShowOnlyTheSecond) {
  FetchBody("<urlset><url><loc>first</loc></url><url><loc>first2</loc></url></urlset>", "/one.xml");
  FetchBody("<urlset><url><loc>second</loc></url></urlset>", "/two.xml");
  EXPECT_EQ(List(), u"second\r\n");
  EXPECT_EQ(Caption(), std::u16string(kCountPrefix) + u"1");
}

TEST_F(Fetching, AnEmptyRootClearsTheListSilently) {
  FetchBody("<urlset><url><loc>a</loc></url></urlset>", "/one.xml");
  FetchBody("<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\"></urlset>", "/two.xml");
  EXPECT_EQ(List(), u"");
  EXPECT_EQ(Caption(), std::u16string(kCountPrefix) + u"0");
}

TEST_F(Fetching, AnEmptyAddressWarnsAndKeepsTheList) {
  FetchBody("<urlset><url><loc>kept</loc></url></urlset>");
  SeenBox box;
  ExpectBox(&box);
  Fetch("");
  ASSERT_TRUE(box.seen);
  EXPECT_FALSE(box.systemBox);
  EXPECT_EQ(box.title, u"Warning");
  EXPECT_EQ(box.text, u"");
  EXPECT_TRUE(box.hasIcon);
  EXPECT_EQ(List(), u"kept\r\n");
  EXPECT_EQ(server.Requests().size(), 1u) << "nothing is fetched for an empty address";
}

TEST_F(Fetching, EnterAtStartFetchesWithTheEmptyAddress) {
  ASSERT_EQ(forms::Screen->ActiveControl(), f1->sBitBtn1) << "the fetch button has the focus at start";
  SeenBox box;
  ExpectBox(&box);
  win::headless::KeyPress(win::VK_RETURN);
  EXPECT_TRUE(box.seen);
  EXPECT_EQ(box.title, u"Warning");
}

TEST_F(Fetching, ALocWithChildElementsStopsTheListingWithAnErrorBox) {
  SeenBox box;
  ExpectBox(&box);
  FetchBody("<urlset><url><loc>a</loc></url><url><loc>b<i>c</i></loc></url><url><loc>d</loc></url></urlset>");
  ASSERT_TRUE(box.seen);
  EXPECT_TRUE(box.systemBox);
  EXPECT_EQ(box.title, u"Pellomir");
  EXPECT_EQ(box.text, u"Element \"loc\" does not contain a single text node.");
  EXPECT_EQ(box.systemIcon, ctl::IDI_ERROR);
  EXPECT_EQ(List(), u"a\r\n") << "lines before the error stay";
  EXPECT_EQ(Caption(), std::u16string(kCountPrefix) + u"1");
}

TEST_F(Fetching, ACommentUnderTheRootStopsBeforeAnyLine) {
  SeenBox box;
  ExpectBox(&box);
  FetchBody("<urlset><!-- generated --><url><loc>a</loc></url></urlset>");
  ASSERT_TRUE(box.seen);
  EXPECT_TRUE(box.systemBox);
  EXPECT_FALSE(box.text.empty());
  EXPECT_EQ(List(), u"");
  EXPECT_TRUE(Caption().ends_with(u" 0") || Caption().ends_with(u" 0 ")) << "the count stays at 0";
  // The list works normally afterwards.
  FetchBody("<urlset><url><loc>a</loc></url></urlset>", "/next.xml");
  EXPECT_EQ(List(), u"a\r\n");
}

TEST_F(Fetching, ADocumentTypeShowsTheParseErrorThenNoActiveDocument) {
  SeenBox parse, noDocument;
  ExpectBox(&parse);
  ExpectBox(&noDocument);
  FetchBody("<?xml version=\"1.0\"?>\n<!DOCTYPE urlset [<!ENTITY e \"x\">]>\n<urlset><url><loc>a</loc></url></urlset>");
  ASSERT_TRUE(parse.seen);
  EXPECT_FALSE(parse.systemBox) << "the trap shows a plain box";
  EXPECT_EQ(parse.title, u"Pellomir");
  EXPECT_FALSE(parse.hasIcon);
  EXPECT_TRUE(parse.text.starts_with(u"EDOMParseError\r\n")) << base::Utf16ToUtf8(parse.text);
  EXPECT_NE(parse.text.find(u"\r\nLine: "), std::u16string::npos);
  ASSERT_TRUE(noDocument.seen);
  EXPECT_TRUE(noDocument.systemBox);
  EXPECT_EQ(noDocument.text, u"No active document.");
  EXPECT_EQ(noDocument.systemIcon, ctl::IDI_ERROR);
  EXPECT_EQ(List(), u"");
}

TEST_F(Fetching, AnEmptyBodyIsReportedInPlainWords) {
  SeenBox box;
  ExpectBox(&box);
  FetchBody("");
  ASSERT_TRUE(box.seen);
  EXPECT_EQ(box.title, u"Pellomir");
  EXPECT_EQ(box.text, u"The server sent an empty page: there is no sitemap to list.");
  EXPECT_EQ(List(), u"");
}

TEST_F(Fetching, AnHtmlErrorPageIsReportedWithItsStatus) {
  server.Serve("/missing.xml", HttpResponse::Status(404, "<html><body><h1>Not found</h1><p>x<br></body></html>"));
  SeenBox box;
  ExpectBox(&box);
  Fetch(server.Url("/missing.xml"));
  ASSERT_TRUE(box.seen);
  EXPECT_EQ(box.text,
            u"The server answered 404 Not Found and sent a page that is not XML, so it holds no sitemap to list.");
  EXPECT_EQ(List(), u"");
}

TEST_F(Fetching, AnXmlErrorPageIsListedLikeASitemap) {
  server.Serve("/gone.xml", HttpResponse::Status(410, "<error><item><loc>why</loc></item></error>", "text/xml"));
  Fetch(server.Url("/gone.xml"));
  EXPECT_EQ(List(), u"why\r\n");
}

TEST_F(Fetching, AnUnreachableAddressShowsTheRequestError) {
  testsupport::ClosedLoopbackPort closed;
  FetchBody("<urlset><url><loc>old</loc></url></urlset>");
  SeenBox box;
  ExpectBox(&box);
  Fetch(closed.Url("/sitemap.xml"));
  ASSERT_TRUE(box.seen);
  EXPECT_TRUE(box.systemBox);
  EXPECT_EQ(box.systemIcon, ctl::IDI_ERROR);
  EXPECT_FALSE(box.text.empty());
  EXPECT_EQ(List(), u"") << "the list was cleared before the request";
}

TEST_F(Fetching, AnAddressTheRequestCannotUseShowsItsError) {
  SeenBox box;
  ExpectBox(&box);
  Fetch("not an address");
  ASSERT_TRUE(box.seen);
  EXPECT_TRUE(box.systemBox);
  EXPECT_FALSE(box.text.empty());
}

}  // namespace
}  // namespace apptest
