// The fetch road through the script driver against a loopback server: an address typed into
// the box, the fetch button clicked, the list and its count read back, and the boxes the user
// answers with Enter when the address, the server or the document is not usable.
#include <gmock/gmock.h>

#include "AppScriptTestSupport.h"
#include "tests/support/LoopbackServerTestSupport.h"

namespace scripttest {
namespace {

using testsupport::HttpResponse;

class FetchScript : public ::testing::Test {
 protected:
  // Serves `body` as a sitemap at `path` and gives the script lines that fetch it.
  std::string Fetch(const std::string& path, const std::string& body) {
    server.Serve(path, HttpResponse::Ok(body));
    return FetchLines(server.Url(path));
  }
  std::size_t RequestsFor(const std::string& path) const {
    std::size_t n = 0;
    for (const auto& r : server.Requests()) n += r.target == path;
    return n;
  }

  testsupport::LoopbackServer server;
};

TEST_F(FetchScript, FetchesASitemapAndShowsTheListAndItsCount) {
  AppRun r = RunPellomir("text sGroupBox2\n" +
                         Fetch("/sitemap.xml",
                               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                               "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n"
                               "  <url><loc>http://example.org/</loc><lastmod>2024-05-01</lastmod>"
                               "<changefreq>daily</changefreq><priority>1.0</priority></url>\n"
                               "  <url><loc>http://example.org/about</loc><priority>0.5</priority></url>\n"
                               "  <url><loc>http://example.org/about</loc></url>\n"
                               "  <url><loc>http://example.org/contact</loc></url>\n"
                               "</urlset>\n") +
                         "dump\n"
                         "text sMemo1\n"
                         "text sGroupBox2\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.Texts("sMemo1"),
            std::vector<std::string>{"http://example.org/\\r\\nhttp://example.org/about\\r\\nhttp://example.org/about"
                                     "\\r\\nhttp://example.org/contact\\r\\n"})
      << "one line per entry in document order, duplicates kept";
  EXPECT_EQ(r.Texts("sGroupBox2"), (std::vector<std::string>{kStoredCaption, CountCaption(4)}));
  ASSERT_EQ(r.Dumps().size(), 1u);
  EXPECT_EQ(r.Dumps()[0].TopLevel().size(), 1u) << "no box";
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0].method, "GET");
  EXPECT_EQ(server.Requests()[0].target, "/sitemap.xml");
}

TEST_F(FetchScript, SitemapShapesListTheirAddressesOneRunAfterTheOther) {
  struct Shape {
    const char* body;
    const char* list;  // as `text` prints it
    int count;
  };
  const std::vector<Shape> shapes{
      // A sitemap index lists the sub-sitemaps' addresses without fetching them.
      {"<sitemapindex xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">"
       "<sitemap><loc>SERVER/part1.xml</loc><lastmod>2024-01-01</lastmod></sitemap>"
       "<sitemap><loc>SERVER/part2.xml</loc></sitemap></sitemapindex>",
       "SERVER/part1.xml\\r\\nSERVER/part2.xml\\r\\n", 2},
      // One declared prefix on every element.
      {"<sm:urlset xmlns:sm=\"http://www.sitemaps.org/schemas/sitemap/0.9\">"
       "<sm:url><sm:loc>https://a.example/1</sm:loc></sm:url>"
       "<sm:url><sm:loc>https://a.example/2</sm:loc></sm:url></sm:urlset>",
       "https://a.example/1\\r\\nhttps://a.example/2\\r\\n", 2},
      // No namespace at all.
      {"<urlset><url><loc>https://a.example/1</loc></url>"
       "<url><loc>https://a.example/2</loc></url></urlset>",
       "https://a.example/1\\r\\nhttps://a.example/2\\r\\n", 2},
      // An address in a CDATA section, with characters markup would have to escape.
      {"<urlset><url><loc><![CDATA[https://a.example/?q=1&r=<2>]]></loc></url></urlset>",
       "https://a.example/?q=1&r=<2>\\r\\n", 1},
      // An entry without an address is an empty line that counts.
      {"<urlset><url><loc>https://a.example/1</loc></url><url><lastmod>2024-01-01</lastmod></url>"
       "<url><loc>https://a.example/3</loc></url></urlset>",
       "https://a.example/1\\r\\n\\r\\nhttps://a.example/3\\r\\n", 3},
      // An address in another namespace than its entry's is not the entry's address.
      {"<urlset xmlns=\"urn:a\"><url><loc xmlns=\"urn:b\">https://a.example/1</loc></url>"
       "<url><loc>https://a.example/2</loc></url></urlset>",
       "\\r\\nhttps://a.example/2\\r\\n", 2},
      // Line breaks and blanks around the address are kept.
      {"<urlset><url><loc>\n  https://a.example/1\n</loc></url></urlset>", "\\n  https://a.example/1\\n\\r\\n", 1},
      // A declaration, a style sheet and comments around the root change nothing.
      {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
       "<?xml-stylesheet type=\"text/xsl\" href=\"s.xsl\"?>\n<!-- made by hand -->\n"
       "<urlset><url><loc>https://a.example/1</loc></url></urlset>\n<!-- end -->\n",
       "https://a.example/1\\r\\n", 1},
      // An empty root clears the list and says nothing.
      {"<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\"></urlset>", "", 0},
  };
  const std::string serverRoot = server.Url("");
  auto withServer = [&](std::string text) {
    for (std::size_t at; (at = text.find("SERVER")) != std::string::npos;) text.replace(at, 6, serverRoot);
    return text;
  };
  server.Serve("/part1.xml", HttpResponse::Ok("<urlset/>"));
  server.Serve("/part2.xml", HttpResponse::Ok("<urlset/>"));
  std::string script;
  for (std::size_t i = 0; i < shapes.size(); ++i) {
    script +=
        Fetch("/shape" + std::to_string(i) + ".xml", withServer(shapes[i].body)) + "text sMemo1\ntext sGroupBox2\n";
  }
  AppRun r = RunPellomir(script + "dump\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lists = r.Texts("sMemo1"), captions = r.Texts("sGroupBox2");
  ASSERT_EQ(lists.size(), shapes.size());
  ASSERT_EQ(captions.size(), shapes.size());
  for (std::size_t i = 0; i < shapes.size(); ++i) {
    EXPECT_EQ(lists[i], withServer(shapes[i].list)) << "only this run's lines: " << shapes[i].body;
    EXPECT_EQ(captions[i], CountCaption(shapes[i].count)) << shapes[i].body;
  }
  EXPECT_EQ(RequestsFor("/part1.xml") + RequestsFor("/part2.xml"), 0u) << "sub-sitemaps are not followed";
  EXPECT_EQ(r.Dumps().back().TopLevel().size(), 1u) << "no run showed a box";
}

TEST_F(FetchScript, AnEmptyAddressWarnsAndKeepsThePreviousList) {
  AppRun r = RunPellomir(Fetch("/sitemap.xml", "<urlset><url><loc>https://a.example/kept</loc></url></urlset>") +
                         "click sEdit1\n"
                         "key Ctrl+A\n"
                         "key Backspace\n"
                         "click sBitBtn1\n"
                         "dump\n"
                         "key Enter\n"
                         "text sMemo1\n"
                         "text sGroupBox2\n");
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(r.Dumps().size(), 1u);
  const std::optional<Box> box = FrontBox(r.Dumps()[0]);
  ASSERT_TRUE(box) << r.out;
  EXPECT_EQ(box->buttons, std::vector<std::string>{"OK"});
  EXPECT_EQ(box->cls, "TMessageForm");
  EXPECT_EQ(box->title, "Warning");
  EXPECT_EQ(box->text, "");
  EXPECT_TRUE(box->icon);
  EXPECT_EQ(r.Texts("sMemo1"), std::vector<std::string>{"https://a.example/kept\\r\\n"});
  EXPECT_EQ(r.Texts("sGroupBox2"), std::vector<std::string>{CountCaption(1)});
  EXPECT_EQ(server.Requests().size(), 1u) << "nothing is fetched for an empty address";
}

TEST_F(FetchScript, ACommentUnderTheRootStopsTheListingWithAnErrorAndTheNextRunWorks) {
  AppRun r =
      RunPellomir(Fetch("/first.xml", "<urlset><!-- generated --><url><loc>https://a.example/1</loc></url></urlset>") +
                  "dump\n"
                  "key Enter\n"
                  "text sMemo1\n" +
                  Fetch("/later.xml",
                        "<urlset><url><loc>https://a.example/1</loc></url><!-- more -->"
                        "<url><loc>https://a.example/2</loc></url></urlset>") +
                  "dump\n"
                  "key Enter\n"
                  "text sMemo1\n"
                  "text sGroupBox2\n" +
                  Fetch("/good.xml", "<urlset><url><loc>https://a.example/good</loc></url></urlset>") +
                  "text sMemo1\n"
                  "dump\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<Dump> dumps = r.Dumps();
  ASSERT_EQ(dumps.size(), 3u);
  for (int i = 0; i < 2; ++i) {
    const std::optional<Box> box = FrontBox(dumps[i]);
    ASSERT_TRUE(box) << r.out;
    EXPECT_EQ(box->buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(box->title, "Pellomir") << "the application's error box";
    EXPECT_TRUE(box->icon);
    EXPECT_FALSE(box->text.empty());
    EXPECT_NE(box->cls, "TMessageForm") << "not the plain box of a parse failure";
  }
  EXPECT_EQ(r.Texts("sMemo1"),
            (std::vector<std::string>{"", "https://a.example/1\\r\\n", "https://a.example/good\\r\\n"}))
      << "no line before the first comment; lines before a later one stay; the next run lists "
         "normally";
  EXPECT_EQ(r.Texts("sGroupBox2"), std::vector<std::string>{CountCaption(1)});
  EXPECT_EQ(dumps[2].TopLevel().size(), 1u);
}

TEST_F(FetchScript, ADocumentTypeShowsTheParseErrorThenNoActiveDocument) {
  const std::string doctype = "<!DOCTYPE urlset SYSTEM \"http://a.example/definitions/sitemap.dtd\">";
  AppRun r = RunPellomir(Fetch("/sitemap.xml", "<urlset><url><loc>https://a.example/old</loc></url></urlset>") +
                         Fetch("/doctype.xml", "<?xml version=\"1.0\"?>\n" + doctype +
                                                   "\n<urlset><url><loc>https://a.example/1</loc></url></urlset>\n") +
                         "dump\n"
                         "key Enter\n"
                         "dump\n"
                         "key Enter\n"
                         "dump\n"
                         "text sMemo1\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<Dump> dumps = r.Dumps();
  ASSERT_EQ(dumps.size(), 3u);
  const std::optional<Box> parse = FrontBox(dumps[0]);
  ASSERT_TRUE(parse) << r.out;
  EXPECT_EQ(parse->buttons, std::vector<std::string>{"OK"});
  EXPECT_EQ(parse->cls, "TMessageForm") << "a plain message box";
  EXPECT_EQ(parse->title, "Pellomir");
  EXPECT_FALSE(parse->icon);
  EXPECT_THAT(parse->text, ::testing::StartsWith("EDOMParseError\\r\\n"));
  EXPECT_THAT(parse->text, ::testing::EndsWith("\\r\\nLine: 2\\r\\n" + doctype.substr(0, 40)))
      << "the line number and the first 40 characters of the offending line";
  const std::optional<Box> noDocument = FrontBox(dumps[1]);
  ASSERT_TRUE(noDocument) << r.out;
  EXPECT_EQ(noDocument->buttons, std::vector<std::string>{"OK"});
  EXPECT_NE(noDocument->cls, "TMessageForm");
  EXPECT_EQ(noDocument->title, "Pellomir");
  EXPECT_TRUE(noDocument->icon);
  EXPECT_EQ(noDocument->text, "No active document.");
  EXPECT_EQ(dumps[2].TopLevel().size(), 1u);
  EXPECT_EQ(r.Texts("sMemo1"), std::vector<std::string>{""});
}

TEST_F(FetchScript, PagesWithoutASitemapAreReportedAndLeaveTheListEmpty) {
  server.Serve(
      "/page.html",
      HttpResponse::Ok("<html><head><title>Shop</title></head><body>Hello<br>there</body></html>", "text/html"));
  server.Serve("/missing.xml", HttpResponse::Status(404, "<html><body><h1>Not Found</h1><hr></body></html>"));
  AppRun r =
      RunPellomir(Fetch("/first.xml", "<urlset><url><loc>https://a.example/old</loc></url></urlset>") +
                  FetchLines(server.Url("/page.html")) + "dump\nkey Enter\ntext sMemo1\n" + Fetch("/empty.xml", "") +
                  "dump\nkey Enter\ntext sMemo1\n" + FetchLines(server.Url("/missing.xml")) +
                  "dump\nkey Enter\ntext sMemo1\ntext sGroupBox2\ndump\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<Dump> dumps = r.Dumps();
  ASSERT_EQ(dumps.size(), 4u);
  for (int i = 0; i < 3; ++i) {
    const std::optional<Box> box = FrontBox(dumps[i]);
    ASSERT_TRUE(box) << r.out;
    EXPECT_EQ(box->buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(box->title, "Pellomir");
    EXPECT_NE(box->cls, "TMessageForm") << "the application's error box";
    EXPECT_TRUE(box->icon);
    EXPECT_FALSE(box->text.empty());
    EXPECT_TRUE(box->text.ends_with(".")) << box->text;
    EXPECT_EQ(box->text.find("Error"), std::string::npos) << "plain words, not an error kind: " << box->text;
  }
  EXPECT_EQ(r.Texts("sMemo1"), (std::vector<std::string>{"", "", ""}));
  EXPECT_EQ(r.Texts("sGroupBox2"), std::vector<std::string>{CountCaption(0)});
  EXPECT_EQ(dumps[3].TopLevel().size(), 1u);
}

TEST_F(FetchScript, UnusableAddressesShowTheRequestErrorAfterClearingTheList) {
  testsupport::ClosedLoopbackPort closed;
  // A refused connection, then blanks, which are not an empty address.
  AppRun r = RunPellomir(Fetch("/sitemap.xml", "<urlset><url><loc>https://a.example/old</loc></url></urlset>") +
                         FetchLines(closed.Url("/sitemap.xml")) +
                         "dump\n"
                         "key Enter\n"
                         "dump\n"
                         "text sMemo1\n"
                         "text sGroupBox2\n" +
                         Fetch("/again.xml", "<urlset><url><loc>https://a.example/again</loc></url></urlset>") +
                         FetchLines("   ") +
                         "dump\n"
                         "key Enter\n"
                         "text sMemo1\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<Dump> dumps = r.Dumps();
  ASSERT_EQ(dumps.size(), 3u);
  for (int i : {0, 2}) {
    const std::optional<Box> box = FrontBox(dumps[i]);
    ASSERT_TRUE(box) << r.out;
    EXPECT_EQ(box->buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(box->title, "Pellomir");
    EXPECT_NE(box->cls, "TMessageForm") << "the application's error box, not the empty warning";
    EXPECT_TRUE(box->icon);
    EXPECT_FALSE(box->text.empty());
  }
  EXPECT_EQ(dumps[1].TopLevel().size(), 1u);
  EXPECT_TRUE(dumps[1].TopLevel()[0].active);
  EXPECT_EQ(r.Texts("sMemo1"), (std::vector<std::string>{"", ""})) << "the list was cleared before the request";
  EXPECT_EQ(r.Texts("sGroupBox2"), std::vector<std::string>{CountCaption(0)});
  EXPECT_EQ(server.Requests().size(), 2u);
}

}  // namespace
}  // namespace scripttest
