#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for tests and benchmarks. It binds a free port and
// serves canned responses from a thread of the calling process: given bodies, status codes
// and headers, redirects, gzip or deflate content coding, a slow drip, a connection dropped
// before or in the middle of the response, or a stall that never answers. Every connection
// carries one request and is closed after the response. Not a general web server: no TLS,
// no keep-alive, no request bodies.
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace testsupport {

enum class ContentCoding { Identity, Gzip, Deflate };

// How the response leaves the server.
enum class Delivery {
  Complete,            // all of it
  DropBeforeResponse,  // the connection is closed without a byte of answer
  DropMidBody,         // headers announce the full length, then the connection closes early
  Stall,               // nothing is ever sent; the connection stays open until the client leaves
};

struct HttpResponse {
  int status = 200;
  std::string reason;  // empty: the usual phrase for the status
  std::vector<std::pair<std::string, std::string>> headers;
  std::string body;
  ContentCoding coding = ContentCoding::Identity;
  // A slow drip: the (coded) body goes out dripBytes at a time, dripDelay apart.
  std::size_t dripBytes = 0;
  std::chrono::milliseconds dripDelay{0};
  Delivery delivery = Delivery::Complete;
  std::size_t dropAfterBytes = 0;  // body bytes sent before a DropMidBody

  static HttpResponse Ok(std::string body, std::string contentType = "text/xml");
  static HttpResponse Status(int status, std::string body, std::string contentType = "text/html");
  static HttpResponse Redirect(std::string location, int status = 302);
};

struct HttpRequest {
  std::string method;
  std::string target;  // as sent: path and query
  std::vector<std::pair<std::string, std::string>> headers;
  // The value of a header (name compared without regard to case), or empty.
  std::string Header(std::string_view name) const;
};

class LoopbackServer {
 public:
  // Answers a request, or gives nothing to fall through to the routes.
  using Handler = std::function<std::optional<HttpResponse>(const HttpRequest&)>;

  // Binds 127.0.0.1 on a free port (or the given one) and starts serving.
  explicit LoopbackServer(int port = 0);
  // Stops serving and closes every connection.
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  int Port() const;
  // "http://127.0.0.1:<port>" followed by the path.
  std::string Url(std::string_view path) const;

  // The response for requests whose target (path and query) is exactly `target`.
  void Serve(std::string target, HttpResponse response);
  // Asked first for every request.
  void SetHandler(Handler handler);
  // The requests received so far, in order of arrival.
  std::vector<HttpRequest> Requests() const;

  void Stop();

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
};

// A port on 127.0.0.1 that is held (bound) but never listened on while the object lives:
// connecting to it is refused.
class ClosedLoopbackPort {
 public:
  ClosedLoopbackPort();
  ~ClosedLoopbackPort();
  ClosedLoopbackPort(const ClosedLoopbackPort&) = delete;
  ClosedLoopbackPort& operator=(const ClosedLoopbackPort&) = delete;
  int Port() const { return port_; }
  std::string Url(std::string_view path) const;

 private:
  int fd_ = -1;
  int port_ = 0;
};

// Content codings of HTTP: gzip (RFC 1952) and deflate (a zlib stream, RFC 1950).
std::string GzipCompress(std::string_view data);
std::string ZlibCompress(std::string_view data);

}  // namespace testsupport
