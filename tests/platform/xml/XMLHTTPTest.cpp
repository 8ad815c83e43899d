// The HTTP request object against the loopback server: what open accepts, what send
// delivers, and how each failure is reported.
#include <gtest/gtest.h>

#include "platform/base/Unicode.h"
#include "platform/xml/DOMDocument.h"
#include "platform/xml/XMLErrors.h"
#include "platform/xml/XMLHTTP.h"
#include "tests/support/LoopbackServerTestSupport.h"

namespace xml {
namespace {

using testsupport::ContentCoding;
using testsupport::Delivery;
using testsupport::HttpResponse;
using testsupport::LoopbackServer;
using namespace std::chrono_literals;

std::u16string U16(const std::string& s) { return base::Utf8ToUtf16(s); }
std::string Utf8(const std::u16string& s) { return base::Utf16ToUtf8(s); }

// The message of the EXMLHTTPError that `run` raises, or "(none)".
template <typename F>
std::string ErrorOf(F run) {
  try {
    run();
  } catch (const EXMLHTTPError& e) {
    EXPECT_EQ(e.ClassName(), "EXMLHTTPError");
    return Utf8(e.Message());
  }
  return "(none)";
}

class XMLHTTPTest : public ::testing::Test {
 protected:
  LoopbackServer server;
  XMLHTTP http;

  void Get(const std::string& path) {
    http.open(u"GET", U16(server.Url(path)), false);
    http.send();
  }
};

TEST_F(XMLHTTPTest, OpenRefusesAddressesItCannotUse) {
  EXPECT_EQ(
      ErrorOf([&] { http.open(u"GET", u"example.org/sitemap.xml"); }),
      "The address \"example.org/sitemap.xml\" is not a valid web address: it must start with http:// or https://");
  EXPECT_EQ(
      ErrorOf([&] { http.open(u"GET", u"ftp://example.org/sitemap.xml"); }),
      "The address \"ftp://example.org/sitemap.xml\" uses the protocol \"ftp\", which is not supported: only http "
      "and https addresses can be fetched");
  EXPECT_EQ(ErrorOf([&] { http.open(u"GET", u"file:///etc/passwd"); }).find("not supported") != std::string::npos,
            true);
  EXPECT_NE(ErrorOf([&] { http.open(u"GET", u"http://"); }), "(none)");
  EXPECT_NE(ErrorOf([&] { http.open(u"GET", u"http://exa mple.org/"); }), "(none)") << "a blank in the host";
  EXPECT_NE(ErrorOf([&] { http.open(u"GET", u"http://example.org/a\x01/z"); }), "(none)");
  EXPECT_NE(ErrorOf([&] { http.open(u"GET", u""); }), "(none)");
  EXPECT_NE(ErrorOf([&] { http.open(u"GE T", u"http://example.org/"); }), "(none)");
  EXPECT_EQ(ErrorOf([&] { http.open(u"GET", u"http://example.org/", true); }),
            "Asynchronous requests are not supported");
  EXPECT_EQ(http.readyState(), 0);
  EXPECT_NE(ErrorOf([&] { http.send(); }), "(none)") << "send before open";
}

TEST_F(XMLHTTPTest, AnyStatusIsAResponse) {
  server.Serve("/missing.xml", HttpResponse::Status(404, "<error><code>404</code></error>", "text/xml"));
  Get("/missing.xml");
  EXPECT_EQ(http.readyState(), 4);
  EXPECT_EQ(http.status(), 404);
  EXPECT_EQ(http.statusText(), u"Not Found");
  EXPECT_EQ(http.responseBody(), "<error><code>404</code></error>");
  EXPECT_EQ(http.responseXML()->xml(), u"<error><code>404</code></error>\r\n");
  EXPECT_EQ(http.getResponseHeader(u"content-TYPE"), u"text/xml");
  EXPECT_EQ(http.getResponseHeader(u"X-None"), u"");
}

TEST_F(XMLHTTPTest, RequestCarriesMethodHeadersAndAcceptedCodings) {
  server.Serve("/a%20b/%D0%B6?q=1", HttpResponse::Ok("<r/>"));
  http.open(u"get", u"  http://127.0.0.1:" + U16(std::to_string(server.Port())) + u"/a b/\u0436?q=1  ");
  http.setRequestHeader(u"X-Test", u"yes");
  http.send();
  EXPECT_EQ(http.status(), 200);
  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].method, "GET");
  EXPECT_EQ(requests[0].target, "/a%20b/%D0%B6?q=1");
  EXPECT_EQ(requests[0].Header("X-Test"), "yes");
  EXPECT_NE(requests[0].Header("Accept-Encoding").find("gzip"), std::string::npos);
  EXPECT_NE(requests[0].Header("Accept-Encoding").find("deflate"), std::string::npos);
  EXPECT_NE(ErrorOf([&] { http.setRequestHeader(u"X", u"a\r\nInjected: 1"); }), "(none)");
}

TEST_F(XMLHTTPTest, RedirectChainIsFollowedAndHeadersAreTheFinalOnes) {
  server.Serve("/one", HttpResponse::Redirect("/two", 301));
  server.Serve("/two", HttpResponse::Redirect(server.Url("/three"), 302));
  server.Serve("/three", HttpResponse::Redirect("/sitemap.xml", 307));
  server.Serve("/sitemap.xml", HttpResponse::Ok("<urlset/>", "application/xml"));
  Get("/one");
  EXPECT_EQ(http.status(), 200);
  EXPECT_EQ(http.responseBody(), "<urlset/>");
  EXPECT_EQ(http.getResponseHeader(u"Location"), u"");
  EXPECT_EQ(http.getResponseHeader(u"Content-Type"), u"application/xml");
  EXPECT_EQ(server.Requests().size(), 4u);
}

TEST_F(XMLHTTPTest, EndlessOrForeignRedirectsFail) {
  server.Serve("/loop", HttpResponse::Redirect("/loop"));
  EXPECT_NE(ErrorOf([&] { Get("/loop"); }).find("redirected the request too many times"), std::string::npos);
  server.Serve("/ftp", HttpResponse::Redirect("ftp://127.0.0.1/x"));
  EXPECT_NE(ErrorOf([&] { Get("/ftp"); }).find("not supported"), std::string::npos);
}

TEST_F(XMLHTTPTest, CompressedTransfersAreDecoded) {
  std::string body = "<urlset>";
  for (int i = 0; i < 2000; ++i) body += "<url><loc>http://a.example/" + std::to_string(i) + "</loc></url>";
  body += "</urlset>";
  for (ContentCoding coding : {ContentCoding::Gzip, ContentCoding::Deflate}) {
    HttpResponse r = HttpResponse::Ok(body);
    r.coding = coding;
    server.Serve("/c", r);
    Get("/c");
    EXPECT_EQ(http.responseBody(), body);
    EXPECT_EQ(http.responseXML()->documentElement()->childNodes().size(), 2000u);
  }
  // A compressed file served as it is, without a content coding, is not XML.
  server.Serve("/file.xml.gz", HttpResponse::Ok(testsupport::GzipCompress(body), "application/gzip"));
  Get("/file.xml.gz");
  EXPECT_EQ(http.responseXML()->xml(), u"");
  // A body that claims a coding it does not have.
  HttpResponse liar = HttpResponse::Ok("<urlset/>");
  liar.headers.emplace_back("Content-Encoding", "gzip");
  server.Serve("/liar", liar);
  EXPECT_NE(ErrorOf([&] { Get("/liar"); }).find("could not be decompressed"), std::string::npos);
}

TEST_F(XMLHTTPTest, SlowDripArrivesWhole) {
  HttpResponse r = HttpResponse::Ok("<urlset><url><loc>http://a.example/slow</loc></url></urlset>");
  r.dripBytes = 8;
  r.dripDelay = 40ms;
  server.Serve("/slow", r);
  http.setTimeouts(2000ms, 1000ms);
  Get("/slow");
  EXPECT_EQ(http.responseBody(), r.body);
}

TEST_F(XMLHTTPTest, DroppedConnectionsAndStallsAreErrors) {
  HttpResponse before;
  before.delivery = Delivery::DropBeforeResponse;
  server.Serve("/drop0", before);
  const std::string closed =
      "The connection to 127.0.0.1:" + std::to_string(server.Port()) + " was closed before the whole response arrived";
  EXPECT_EQ(ErrorOf([&] { Get("/drop0"); }), closed);

  HttpResponse mid = HttpResponse::Ok(std::string(10000, 'x'));
  mid.delivery = Delivery::DropMidBody;
  mid.dropAfterBytes = 5000;
  server.Serve("/drop", mid);
  EXPECT_EQ(ErrorOf([&] { Get("/drop"); }), closed);
  EXPECT_EQ(http.readyState(), 1) << "no response after a failure";
  EXPECT_NE(ErrorOf([&] { http.status(); }), "(none)");

  HttpResponse stall;
  stall.delivery = Delivery::Stall;
  server.Serve("/stall", stall);
  http.setTimeouts(2000ms, 300ms);
  EXPECT_EQ(ErrorOf([&] { Get("/stall"); }),
            "The server 127.0.0.1:" + std::to_string(server.Port()) + " stopped sending data: the operation timed out");
}

TEST_F(XMLHTTPTest, RefusedConnectionAndFailedTlsAreErrors) {
  testsupport::ClosedLoopbackPort closed;
  EXPECT_EQ(ErrorOf([&] {
              http.open(u"GET", U16(closed.Url("/sitemap.xml")));
              http.send();
            }),
            "The connection to 127.0.0.1:" + std::to_string(closed.Port()) + " was refused");
  // The loopback server speaks plain HTTP, so the secure handshake fails.
  const std::string tls = ErrorOf([&] {
    http.open(u"GET", U16("https://127.0.0.1:" + std::to_string(server.Port()) + "/"));
    http.send();
  });
  EXPECT_EQ(
      tls.rfind("A secure connection to 127.0.0.1:" + std::to_string(server.Port()) + " could not be established", 0),
      0u)
      << tls;
}

TEST_F(XMLHTTPTest, OversizedBodyIsRefused) {
  server.Serve("/big", HttpResponse::Ok(std::string(3 << 20, ' ')));
  http.open(u"GET", U16(server.Url("/big")));
  http.setMaxResponseSize(2 << 20);
  EXPECT_EQ(ErrorOf([&] { http.send(); }), "The response is larger than 2 MB");
}

// ---- responseXML ----

TEST_F(XMLHTTPTest, ResponseXMLReadsEncodingByStrength) {
  const std::u16string expected = u"<r>caf\u00E9</r>";
  // Byte-order mark over declaration and charset.
  server.Serve("/bom", HttpResponse::Ok("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>caf\xC3\xA9</r>",
                                        "text/xml; charset=ISO-8859-1"));
  // Declaration over charset.
  server.Serve("/decl", HttpResponse::Ok("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>caf\xE9</r>",
                                         "text/xml; charset=utf-8"));
  // Charset when nothing else says.
  server.Serve("/charset", HttpResponse::Ok("<r>caf\xE9</r>", "text/xml; charset=\"iso-8859-1\""));
  server.Serve("/unknown", HttpResponse::Ok("<r>caf\xC3\xA9</r>", "text/xml; charset=no-such-thing"));
  server.Serve("/utf16", HttpResponse::Ok(std::string("\xFF\xFE<\0r\0>\0c\0a\0f\0\xE9\0<\0/\0r\0>\0", 24)));
  for (const char* path : {"/bom", "/decl", "/charset", "/unknown", "/utf16"}) {
    Get(path);
    const auto doc = http.responseXML();
    ASSERT_FALSE(doc->parseError().failed()) << path << ": " << Utf8(doc->parseError().reason);
    EXPECT_EQ(doc->documentElement()->xml(), expected) << path;
  }
}

TEST_F(XMLHTTPTest, BodiesThatAreNotXMLGiveAnEmptyDocument) {
  server.Serve("/empty", HttpResponse::Ok(""));
  server.Serve("/html",
               HttpResponse::Ok("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>x</title></head></html>",
                                "text/html"));
  server.Serve("/text", HttpResponse::Ok("just words", "text/plain"));
  for (const char* path : {"/empty", "/html", "/text"}) {
    Get(path);
    const auto doc = http.responseXML();
    EXPECT_EQ(doc->xml(), u"") << path;
    EXPECT_TRUE(doc->parseError().failed()) << path;
    EXPECT_EQ(http.responseXML(), doc) << "parsed once";
  }
}

}  // namespace
}  // namespace xml
