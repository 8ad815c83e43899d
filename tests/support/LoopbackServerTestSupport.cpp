#include "tests/support/LoopbackServerTestSupport.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <zlib.h>

#include <atomic>
#include <cctype>
#include <cstring>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "platform/base/TextCase.h"

namespace testsupport {

namespace {

std::string Compress(std::string_view data, int windowBits) {
  z_stream z{};
  if (deflateInit2(&z, 6, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY) != Z_OK)
    throw std::runtime_error("deflateInit2");
  std::string out(deflateBound(&z, data.size()) + 32, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  const int rc = deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  if (rc != Z_STREAM_END) throw std::runtime_error("deflate");
  return out;
}

const char* ReasonFor(int status) {
  switch (status) {
    case 200: return "OK";
    case 204: return "No Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 303: return "See Other";
    case 307: return "Temporary Redirect";
    case 308: return "Permanent Redirect";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
  }
}

// Sends everything unless the peer goes away.
bool SendAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::send(fd, data.data(), data.size(), MSG_NOSIGNAL);
    if (n <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

HttpResponse HttpResponse::Ok(std::string body, std::string contentType) {
  HttpResponse r;
  r.body = std::move(body);
  r.headers.emplace_back("Content-Type", std::move(contentType));
  return r;
}

HttpResponse HttpResponse::Status(int status, std::string body, std::string contentType) {
  HttpResponse r = Ok(std::move(body), std::move(contentType));
  r.status = status;
  return r;
}

HttpResponse HttpResponse::Redirect(std::string location, int status) {
  HttpResponse r;
  r.status = status;
  r.headers.emplace_back("Location", std::move(location));
  return r;
}

std::string HttpRequest::Header(std::string_view name) const {
  const std::string wanted = base::ToLowerAscii(name);
  for (const auto& [n, v] : headers)
    if (base::EqualsIgnoreAsciiCase(n, wanted)) return v;
  return {};
}

std::string GzipCompress(std::string_view data) { return Compress(data, 15 + 16); }
std::string ZlibCompress(std::string_view data) { return Compress(data, 15); }

struct LoopbackServer::Impl {
  int listenFd = -1;
  int wakeRead = -1, wakeWrite = -1;  // readable once the server stops
  int port = 0;
  std::atomic<bool> stopping{false};
  std::thread acceptor;

  mutable std::mutex mutex;
  std::map<std::string, HttpResponse> routes;
  Handler handler;
  std::vector<HttpRequest> requests;

  struct Connection {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> done;
  };
  std::vector<Connection> connections;  // touched by the acceptor thread, then by Stop

  void AcceptLoop();
  void Serve(int fd);
  // Waits until fd is readable, the server stops, or the time runs out; true when readable.
  bool WaitReadable(int fd, int timeoutMs) const;
  // Sleeps, waking early when the server stops; false when it stops.
  bool Pause(std::chrono::milliseconds delay) const;
  std::optional<HttpRequest> ReadRequest(int fd) const;
  HttpResponse Answer(const HttpRequest& request);
};

bool LoopbackServer::Impl::WaitReadable(int fd, int timeoutMs) const {
  pollfd fds[2] = {{fd, POLLIN, 0}, {wakeRead, POLLIN, 0}};
  const int n = ::poll(fds, 2, timeoutMs);
  if (n <= 0 || (fds[1].revents & POLLIN) != 0) return false;
  return (fds[0].revents & (POLLIN | POLLHUP | POLLERR)) != 0;
}

bool LoopbackServer::Impl::Pause(std::chrono::milliseconds delay) const {
  pollfd fd = {wakeRead, POLLIN, 0};
  return ::poll(&fd, 1, static_cast<int>(delay.count())) == 0;
}

std::optional<HttpRequest> LoopbackServer::Impl::ReadRequest(int fd) const {
  std::string data;
  char buffer[4096];
  while (data.find("\r\n\r\n") == std::string::npos) {
    if (data.size() > 65536 || !WaitReadable(fd, 10000)) return std::nullopt;
    const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0) return std::nullopt;
    data.append(buffer, static_cast<std::size_t>(n));
    // Not HTTP (a secure handshake, say): close at once rather than wait for a blank line.
    if (!std::isupper(static_cast<unsigned char>(data[0]))) return std::nullopt;
  }
  HttpRequest request;
  std::string_view head(data.data(), data.find("\r\n\r\n"));
  std::size_t lineEnd = head.find("\r\n");
  const std::string_view requestLine = head.substr(0, lineEnd);
  const std::size_t sp1 = requestLine.find(' ');
  const std::size_t sp2 = requestLine.find(' ', sp1 + 1);
  if (sp1 == std::string_view::npos || sp2 == std::string_view::npos) return std::nullopt;
  request.method = requestLine.substr(0, sp1);
  request.target = requestLine.substr(sp1 + 1, sp2 - sp1 - 1);
  while (lineEnd != std::string_view::npos) {
    const std::size_t start = lineEnd + 2;
    lineEnd = head.find("\r\n", start);
    const std::string_view line = head.substr(start, lineEnd == std::string_view::npos ? head.npos : lineEnd - start);
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    std::string_view value = line.substr(colon + 1);
    while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
    request.headers.emplace_back(std::string(line.substr(0, colon)), std::string(value));
  }
  return request;
}

HttpResponse LoopbackServer::Impl::Answer(const HttpRequest& request) {
  std::lock_guard<std::mutex> lock(mutex);
  requests.push_back(request);
  if (handler) {
    if (std::optional<HttpResponse> r = handler(request)) return *r;
  }
  auto found = routes.find(request.target);
  if (found != routes.end()) return found->second;
  return HttpResponse::Status(404, "<html><body>Not found</body></html>");
}

void LoopbackServer::Impl::Serve(int fd) {
  const std::optional<HttpRequest> request = ReadRequest(fd);
  if (!request) return;
  const HttpResponse response = Answer(*request);
  if (response.delivery == Delivery::DropBeforeResponse) return;
  if (response.delivery == Delivery::Stall) {
    // Hold the connection until the client gives up or the server stops.
    char buffer[512];
    while (WaitReadable(fd, -1) && ::recv(fd, buffer, sizeof buffer, 0) > 0) {
    }
    return;
  }

  std::string body = response.body;
  std::string coding;
  if (response.coding == ContentCoding::Gzip) {
    body = GzipCompress(body);
    coding = "gzip";
  } else if (response.coding == ContentCoding::Deflate) {
    body = ZlibCompress(body);
    coding = "deflate";
  }
  std::string head = "HTTP/1.1 " + std::to_string(response.status) + " " +
                     (response.reason.empty() ? ReasonFor(response.status) : response.reason) + "\r\n";
  bool hasLength = false;
  for (const auto& [name, value] : response.headers) {
    head += name + ": " + value + "\r\n";
    hasLength = hasLength || base::ToLowerAscii(name) == "content-length";
  }
  if (!coding.empty()) head += "Content-Encoding: " + coding + "\r\n";
  if (!hasLength) head += "Content-Length: " + std::to_string(body.size()) + "\r\n";
  head += "Connection: close\r\n\r\n";
  if (!SendAll(fd, head)) return;
  if (request->method == "HEAD") return;

  std::string_view rest(body);
  if (response.delivery == Delivery::DropMidBody) rest = rest.substr(0, response.dropAfterBytes);
  if (response.dripBytes == 0) {
    SendAll(fd, rest);
    return;
  }
  while (!rest.empty()) {
    const std::size_t n = std::min(rest.size(), response.dripBytes);
    if (!SendAll(fd, rest.substr(0, n))) return;
    rest.remove_prefix(n);
    if (!rest.empty() && !Pause(response.dripDelay)) return;
  }
}

void LoopbackServer::Impl::AcceptLoop() {
  while (!stopping) {
    // Reap the connections that have finished.
    for (auto it = connections.begin(); it != connections.end();) {
      if (*it->done) {
        it->thread.join();
        it = connections.erase(it);
      } else {
        ++it;
      }
    }
    if (!WaitReadable(listenFd, -1)) break;
    const int fd = ::accept(listenFd, nullptr, nullptr);
    if (fd < 0) continue;
    auto done = std::make_shared<std::atomic<bool>>(false);
    connections.push_back({std::thread([this, fd, done] {
                             Serve(fd);
                             ::shutdown(fd, SHUT_RDWR);
                             ::close(fd);
                             *done = true;
                           }),
                           done});
  }
}

LoopbackServer::LoopbackServer(int port) : d_(std::make_unique<Impl>()) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) throw std::runtime_error("pipe");
  d_->wakeRead = pipeFds[0];
  d_->wakeWrite = pipeFds[1];
  d_->listenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (d_->listenFd < 0) throw std::runtime_error("socket");
  const int yes = 1;
  ::setsockopt(d_->listenFd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = htons(static_cast<uint16_t>(port));
  if (::bind(d_->listenFd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(d_->listenFd, 64) != 0)
    throw std::runtime_error(std::string("cannot listen on 127.0.0.1: ") + std::strerror(errno));
  socklen_t len = sizeof addr;
  ::getsockname(d_->listenFd, reinterpret_cast<sockaddr*>(&addr), &len);
  d_->port = ntohs(addr.sin_port);
  d_->acceptor = std::thread([this] { d_->AcceptLoop(); });
}

LoopbackServer::~LoopbackServer() { Stop(); }

void LoopbackServer::Stop() {
  if (d_->stopping.exchange(true)) return;
  const char wake = 1;
  [[maybe_unused]] const ssize_t n = ::write(d_->wakeWrite, &wake, 1);
  d_->acceptor.join();
  for (auto& c : d_->connections) c.thread.join();
  d_->connections.clear();
  ::close(d_->listenFd);
  ::close(d_->wakeRead);
  ::close(d_->wakeWrite);
}

int LoopbackServer::Port() const { return d_->port; }

std::string LoopbackServer::Url(std::string_view path) const {
  return "http://127.0.0.1:" + std::to_string(d_->port) + std::string(path);
}

void LoopbackServer::Serve(std::string target, HttpResponse response) {
  std::lock_guard<std::mutex> lock(d_->mutex);
  d_->routes[std::move(target)] = std::move(response);
}

void LoopbackServer::SetHandler(Handler handler) {
  std::lock_guard<std::mutex> lock(d_->mutex);
  d_->handler = std::move(handler);
}

std::vector<HttpRequest> LoopbackServer::Requests() const {
  std::lock_guard<std::mutex> lock(d_->mutex);
  return d_->requests;
}

ClosedLoopbackPort::ClosedLoopbackPort() {
  fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof addr;
  if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
    throw std::runtime_error("cannot bind 127.0.0.1");
  ::getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &len);
  port_ = ntohs(addr.sin_port);
}

ClosedLoopbackPort::~ClosedLoopbackPort() { ::close(fd_); }

std::string ClosedLoopbackPort::Url(std::string_view path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

}  // namespace testsupport
