// Pellomir itself under the script driver: an address typed into the edit, the fetch
// button clicked, the list and its count read back, against a sitemap on loopback.
#include <gmock/gmock.h>

#include <sstream>

#include "app/Program.h"
#include "tests/support/LoopbackServer.h"
#include "tools/pellomir-script/driver/ScriptRunner.h"

namespace scripttest {
namespace {

struct AppRun {
  int status = -1;
  std::string out, err;
};

AppRun RunPellomir(const std::string& script) {
  std::ostringstream out, err;
  AppRun r;
  r.status = script::RunScriptText(script, {}, [] { return app::RunProgram("pellomir", {}); }, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

TEST(PellomirScript, FetchesASitemapAndShowsTheListAndItsCount) {
  testsupport::LoopbackServer server;
  server.Serve("/sitemap.xml", testsupport::HttpResponse::Ok(
                                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                   "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n"
                                   "  <url><loc>http://example.org/</loc></url>\n"
                                   "  <url><loc>http://example.org/about</loc><priority>0.5</priority></url>\n"
                                   "  <url><loc>http://example.org/contact</loc></url>\n"
                                   "</urlset>\n"));
  AppRun r = RunPellomir(
      "text sGroupBox2\n"
      "click sEdit1\n"
      "type " + server.Url("/sitemap.xml") + "\n"
      "click sBitBtn1\n"
      "text sMemo1\n"
      "text sGroupBox2\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  std::vector<std::string> lines;
  std::istringstream s(r.out);
  for (std::string l; std::getline(s, l);) lines.push_back(l);
  ASSERT_EQ(lines.size(), 3u) << r.out;
  EXPECT_EQ(lines[0], "TEXT sGroupBox2  Полученный список URL. Найдено URL: 0 ");
  EXPECT_EQ(lines[1],
            "TEXT sMemo1 http://example.org/\\r\\nhttp://example.org/about\\r\\nhttp://example.org/contact\\r\\n");
  EXPECT_EQ(lines[2], "TEXT sGroupBox2  Полученный список URL. Найдено URL:   3");
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0].target, "/sitemap.xml");
}

}  // namespace
}  // namespace scripttest
