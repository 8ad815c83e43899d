// pellomir_testserver: serves the files of a folder over HTTP on 127.0.0.1, for end-to-end
// tests and benchmarks that drive the real program. Prints its base address on the first
// line of standard output and serves until standard input closes.
//
//   pellomir_testserver --root DIR [--port N]
//
// A query on a file's address changes how it is served: "?gzip" (gzip coding), "?status=N"
// (another status), "?drip=MS" (a slow drip of 64 bytes per MS milliseconds), "?drop"
// (the connection closes half-way), "?stall" (no answer).
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "tests/support/LoopbackServerTestSupport.h"

namespace {

std::string ParamValue(const std::string& query, const std::string& name) {
  std::istringstream in(query);
  std::string item;
  while (std::getline(in, item, '&')) {
    const std::size_t eq = item.find('=');
    if (item.substr(0, eq) == name) return eq == std::string::npos ? "1" : item.substr(eq + 1);
  }
  return {};
}

std::string ContentTypeOf(const std::string& path) {
  if (path.ends_with(".xml")) return "text/xml";
  if (path.ends_with(".html") || path.ends_with(".htm")) return "text/html";
  if (path.ends_with(".gz")) return "application/gzip";
  return "application/octet-stream";
}

}  // namespace

int main(int argc, char** argv) {
  std::string root;
  int port = 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string flag = argv[i];
    if (flag == "--root") root = argv[i + 1];
    if (flag == "--port") port = std::atoi(argv[i + 1]);
  }
  if (root.empty()) {
    std::fprintf(stderr, "usage: pellomir_testserver --root DIR [--port N]\n");
    return 2;
  }

  testsupport::LoopbackServer server(port);
  server.SetHandler([root](const testsupport::HttpRequest& request) -> std::optional<testsupport::HttpResponse> {
    const std::size_t q = request.target.find('?');
    const std::string path = request.target.substr(0, q);
    const std::string query = q == std::string::npos ? "" : request.target.substr(q + 1);
    if (path.find("..") != std::string::npos) return testsupport::HttpResponse::Status(403, "forbidden");
    std::ifstream file(root + path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream content;
    content << file.rdbuf();
    testsupport::HttpResponse r = testsupport::HttpResponse::Ok(content.str(), ContentTypeOf(path));
    if (!ParamValue(query, "gzip").empty()) r.coding = testsupport::ContentCoding::Gzip;
    if (const std::string s = ParamValue(query, "status"); !s.empty()) r.status = std::atoi(s.c_str());
    if (const std::string ms = ParamValue(query, "drip"); !ms.empty()) {
      r.dripBytes = 64;
      r.dripDelay = std::chrono::milliseconds(std::atoi(ms.c_str()));
    }
    if (!ParamValue(query, "drop").empty()) {
      r.delivery = testsupport::Delivery::DropMidBody;
      r.dropAfterBytes = r.body.size() / 2;
    }
    if (!ParamValue(query, "stall").empty()) r.delivery = testsupport::Delivery::Stall;
    return r;
  });
  std::cout << server.Url("/") << std::endl;
  std::string line;
  while (std::getline(std::cin, line)) {
  }
  server.Stop();
  return 0;
}
