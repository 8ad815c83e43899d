#include "platform/xml/XMLHTTP.h"

#include <curl/curl.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

#include "platform/base/HugePages.h"
#include "platform/base/TextCase.h"
#include "platform/base/Unicode.h"
#include "platform/xml/DOMDocument.h"
#include "platform/xml/DOMParser.h"
#include "platform/xml/ResponseEncoding.h"
#include "platform/xml/XMLErrors.h"

namespace xml {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

void InitCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::u16string U16(std::string_view s) { return base::Utf8ToUtf16(s); }

bool IsTokenChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         std::strchr("!#$%&'*+-.^_`|~", c) != nullptr;
}

// The typed address made ready for the URL parser: blanks and control characters around it
// dropped, and characters that may not appear raw in a URL percent-encoded after the host
// (a non-ASCII host name stays as it is, for international domain names).
std::string PrepareAddress(std::string_view typed) {
  while (!typed.empty() && static_cast<unsigned char>(typed.front()) <= 0x20) typed.remove_prefix(1);
  while (!typed.empty() && static_cast<unsigned char>(typed.back()) <= 0x20) typed.remove_suffix(1);
  std::size_t pathStart = typed.find("://");
  pathStart = pathStart == std::string_view::npos ? 0 : typed.find_first_of("/?#", pathStart + 3);
  if (pathStart == std::string_view::npos) pathStart = typed.size();
  std::string out(typed.substr(0, pathStart));
  static const char* kHex = "0123456789ABCDEF";
  for (unsigned char c : typed.substr(pathStart)) {
    if (c >= 0x80 || c == ' ' || c == '"' || c == '<' || c == '>' || c == '`' || c == '{' || c == '}' || c == '|' ||
        c == '^' || c == '\\') {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

// Hosts reached without a proxy: the user's list (no_proxy) plus this machine itself.
std::string NoProxyList() {
  std::string list = "localhost,127.0.0.1,::1";
  for (const char* name : {"no_proxy", "NO_PROXY"}) {
    const char* user = std::getenv(name);
    if (user == nullptr || *user == 0) continue;
    return std::string(user) == "*" ? "*" : std::string(user) + "," + list;
  }
  return list;
}

struct Header {
  std::string name;
  std::string value;
};

}  // namespace

struct XMLHTTP::Impl {
  // Request
  std::string method;
  std::string url;       // as handed to the HTTP client
  std::u16string typed;  // as given, for messages
  std::string host;
  std::optional<std::string> user, password;
  std::vector<std::string> requestHeaders;
  milliseconds connectTimeout{60000};
  milliseconds receiveTimeout{30000};
  std::size_t maxBody = 100u << 20;
  int readyState = 0;

  // Response
  long status = 0;
  std::string statusLine;
  std::vector<Header> headers;
  // Shared with the parsed document, whose texts may stay in it; a new request starts a
  // new body.
  std::shared_ptr<std::string> body = std::make_shared<std::string>();
  std::uint64_t announcedLength = 0;  // Content-Length of the final response, 0 when none
  std::shared_ptr<DOMDocument> xml;

  // Transfer state
  CURL* handle = nullptr;
  Clock::time_point lastActivity;
  bool connected = false;
  bool timedOut = false;
  bool tooLarge = false;

  void CheckCompleted() const {
    if (readyState != 4) throw EXMLHTTPError(u"The response is not available: the request has not been sent yet");
  }
  [[noreturn]] void Fail(CURLcode code, const char* detail) const;

  static size_t OnBody(char* data, size_t size, size_t count, void* self);
  static size_t OnHeader(char* data, size_t size, size_t count, void* self);
  static int OnProgress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t);
};

size_t XMLHTTP::Impl::OnBody(char* data, size_t size, size_t count, void* self) {
  auto* d = static_cast<Impl*>(self);
  const size_t n = size * count;
  std::string& body = *d->body;
  if (body.size() + n > d->maxBody) {
    d->tooLarge = true;
    return 0;
  }
  // A body of announced length is received into one buffer of that size.
  if (body.empty() && d->announcedLength > n) {
    body.reserve(std::min<std::uint64_t>(d->announcedLength, d->maxBody));
    base::AdviseHugePages(body.data(), body.capacity());
  }
  body.append(data, n);
  d->lastActivity = Clock::now();
  return n;
}

size_t XMLHTTP::Impl::OnHeader(char* data, size_t size, size_t count, void* self) {
  auto* d = static_cast<Impl*>(self);
  const size_t n = size * count;
  std::string_view line(data, n);
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  d->lastActivity = Clock::now();
  if (line.substr(0, 5) == "HTTP/") {
    // A new response (after a redirect or an interim reply) replaces the headers seen so far.
    d->statusLine = line;
    d->headers.clear();
    d->announcedLength = 0;
  } else if (const std::size_t colon = line.find(':'); colon != std::string_view::npos) {
    std::string_view value = line.substr(colon + 1);
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
    const std::string name(line.substr(0, colon));
    if (base::EqualsIgnoreAsciiCase(name, "content-length"))
      d->announcedLength = std::strtoull(std::string(value).c_str(), nullptr, 10);
    d->headers.push_back({name, std::string(value)});
  }
  return n;
}

// Enforces the receive time-out: the time since the last data once connected.
int XMLHTTP::Impl::OnProgress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  auto* d = static_cast<Impl*>(self);
  const Clock::time_point now = Clock::now();
  if (!d->connected) {
    curl_off_t connectTime = 0;
    curl_easy_getinfo(d->handle, CURLINFO_CONNECT_TIME_T, &connectTime);
    d->connected = connectTime > 0;
    d->lastActivity = now;
    return 0;
  }
  if (now - d->lastActivity > d->receiveTimeout) {
    d->timedOut = true;
    return 1;
  }
  return 0;
}

void XMLHTTP::Impl::Fail(CURLcode code, const char* detail) const {
  const std::u16string where = U16(host);
  const std::u16string more = detail != nullptr && *detail != 0 ? u" (" + U16(detail) + u")" : u"";
  if (tooLarge) throw EXMLHTTPError(u"The response is larger than " + U16(std::to_string(maxBody >> 20)) + u" MB");
  if (timedOut) throw EXMLHTTPError(u"The server " + where + u" stopped sending data: the operation timed out");
  switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST: throw EXMLHTTPError(u"The server name \"" + where + u"\" could not be resolved");
    case CURLE_COULDNT_RESOLVE_PROXY: throw EXMLHTTPError(u"The proxy server name could not be resolved" + more);
    case CURLE_COULDNT_CONNECT: {
      long err = 0;
      curl_easy_getinfo(handle, CURLINFO_OS_ERRNO, &err);
      if (err == ECONNREFUSED) throw EXMLHTTPError(u"The connection to " + where + u" was refused");
      throw EXMLHTTPError(u"A connection to " + where + u" could not be established" + more);
    }
    case CURLE_OPERATION_TIMEDOUT:
      throw EXMLHTTPError(u"The server " + where + u" did not answer in time: the operation timed out");
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_ENGINE_INITFAILED:
      throw EXMLHTTPError(u"A secure connection to " + where + u" could not be established" + more);
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_HTTP2:
    case CURLE_HTTP2_STREAM:
      throw EXMLHTTPError(u"The connection to " + where + u" was closed before the whole response arrived");
    case CURLE_TOO_MANY_REDIRECTS:
      throw EXMLHTTPError(u"The server " + where + u" redirected the request too many times");
    case CURLE_UNSUPPORTED_PROTOCOL:
      throw EXMLHTTPError(u"The server " + where + u" redirected the request to an address that is not supported" +
                          more);
    case CURLE_BAD_CONTENT_ENCODING:
      throw EXMLHTTPError(u"The response from " + where + u" could not be decompressed" + more);
    case CURLE_WEIRD_SERVER_REPLY:
      throw EXMLHTTPError(u"The server " + where + u" sent a response that is not valid HTTP" + more);
    default: throw EXMLHTTPError(u"The request to " + where + u" failed: " + U16(curl_easy_strerror(code)) + more);
  }
}

XMLHTTP::XMLHTTP() : d_(std::make_unique<Impl>()) {}

XMLHTTP::~XMLHTTP() = default;

void XMLHTTP::open(std::u16string_view method, std::u16string_view url, bool async,
                   const std::optional<std::u16string>& user, const std::optional<std::u16string>& password) {
  InitCurlOnce();
  if (async) throw EXMLHTTPError(u"Asynchronous requests are not supported");
  std::string m = base::Utf16ToUtf8(method);
  if (m.empty() || !std::all_of(m.begin(), m.end(), IsTokenChar))
    throw EXMLHTTPError(u"\"" + std::u16string(method) + u"\" is not a valid request method");
  for (const char* known : {"GET", "HEAD", "POST", "PUT", "DELETE", "OPTIONS", "PATCH"})
    if (base::EqualsIgnoreAsciiCase(m, known)) m = known;

  const std::u16string typed(url);
  const std::u16string quoted = u"The address \"" + typed + u"\"";
  const std::string prepared = PrepareAddress(base::Utf16ToUtf8(url));
  for (unsigned char c : prepared)
    if (c < 0x20 || c == 0x7F) throw EXMLHTTPError(quoted + u" is not a valid web address");

  std::unique_ptr<CURLU, decltype(&curl_url_cleanup)> parsed(curl_url(), curl_url_cleanup);
  const CURLUcode rc = curl_url_set(parsed.get(), CURLUPART_URL, prepared.c_str(), CURLU_NON_SUPPORT_SCHEME);
  if (rc == CURLUE_BAD_SCHEME || (rc != CURLUE_OK && prepared.find("://") == std::string::npos))
    throw EXMLHTTPError(quoted + u" is not a valid web address: it must start with http:// or https://");
  if (rc != CURLUE_OK)
    throw EXMLHTTPError(quoted + u" is not a valid web address (" + U16(curl_url_strerror(rc)) + u")");
  auto part = [&](CURLUPart which) {
    char* value = nullptr;
    std::string out;
    if (curl_url_get(parsed.get(), which, &value, 0) == CURLUE_OK && value != nullptr) out = value;
    curl_free(value);
    return out;
  };
  const std::string scheme = base::ToLowerAscii(part(CURLUPART_SCHEME));
  if (scheme != "http" && scheme != "https")
    throw EXMLHTTPError(quoted + u" uses the protocol \"" + U16(scheme) +
                        u"\", which is not supported: only http and https addresses can be fetched");
  std::string host = part(CURLUPART_HOST);
  if (host.empty()) throw EXMLHTTPError(quoted + u" names no server");
  if (const std::string port = part(CURLUPART_PORT); !port.empty()) host += ":" + port;

  Impl& d = *d_;
  d.method = m;
  d.url = part(CURLUPART_URL);
  d.typed = typed;
  d.host = host;
  d.user.reset();
  d.password.reset();
  if (user) d.user = base::Utf16ToUtf8(*user);
  if (password) d.password = base::Utf16ToUtf8(*password);
  d.requestHeaders.clear();
  d.readyState = 1;
  d.status = 0;
  d.statusLine.clear();
  d.headers.clear();
  d.body = std::make_shared<std::string>();
  d.xml.reset();
}

void XMLHTTP::setRequestHeader(std::u16string_view header, std::u16string_view value) {
  if (d_->readyState != 1) throw EXMLHTTPError(u"Headers can only be set after open and before send");
  const std::string name = base::Utf16ToUtf8(header);
  std::string v = base::Utf16ToUtf8(value);
  if (name.empty() || !std::all_of(name.begin(), name.end(), IsTokenChar) ||
      v.find_first_of("\r\n") != std::string::npos)
    throw EXMLHTTPError(u"The header \"" + std::u16string(header) + u"\" is not valid");
  d_->requestHeaders.push_back(name + (v.empty() ? ";" : ": " + v));
}

void XMLHTTP::setTimeouts(milliseconds connect, milliseconds receive) {
  d_->connectTimeout = connect;
  d_->receiveTimeout = receive;
}

void XMLHTTP::setMaxResponseSize(std::size_t bytes) { d_->maxBody = bytes; }

void XMLHTTP::send() {
  Impl& d = *d_;
  if (d.readyState == 0) throw EXMLHTTPError(u"The request must be opened before it is sent");
  d.status = 0;
  d.statusLine.clear();
  d.headers.clear();
  d.body = std::make_shared<std::string>();
  d.announcedLength = 0;
  d.xml.reset();
  d.connected = d.timedOut = d.tooLarge = false;
  d.lastActivity = Clock::now();

  std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> handle(curl_easy_init(), curl_easy_cleanup);
  if (!handle) throw EXMLHTTPError(u"The request could not be prepared: out of memory");
  CURL* h = handle.get();
  d.handle = h;
  char error[CURL_ERROR_SIZE] = {};
  curl_easy_setopt(h, CURLOPT_ERRORBUFFER, error);
  curl_easy_setopt(h, CURLOPT_URL, d.url.c_str());
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(h, CURLOPT_MAXREDIRS, 10L);
  curl_easy_setopt(h, CURLOPT_ACCEPT_ENCODING, "gzip, deflate");
  curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
  curl_easy_setopt(h, CURLOPT_USERAGENT, "Pellomir/1.0");
  const std::string noProxy = NoProxyList();
  curl_easy_setopt(h, CURLOPT_NOPROXY, noProxy.c_str());
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(d.connectTimeout.count()));
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &Impl::OnBody);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &d);
  curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, &Impl::OnHeader);
  curl_easy_setopt(h, CURLOPT_HEADERDATA, &d);
  curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, &Impl::OnProgress);
  curl_easy_setopt(h, CURLOPT_XFERINFODATA, &d);
  curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
  if (d.method == "HEAD") {
    curl_easy_setopt(h, CURLOPT_NOBODY, 1L);
  } else if (d.method != "GET") {
    curl_easy_setopt(h, CURLOPT_CUSTOMREQUEST, d.method.c_str());
  }
  if (d.user) {
    curl_easy_setopt(h, CURLOPT_USERNAME, d.user->c_str());
    curl_easy_setopt(h, CURLOPT_PASSWORD, d.password ? d.password->c_str() : "");
  }
  curl_slist* headers = nullptr;
  for (const std::string& line : d.requestHeaders) headers = curl_slist_append(headers, line.c_str());
  std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headerList(headers, curl_slist_free_all);
  curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers);

  const CURLcode code = curl_easy_perform(h);
  if (code != CURLE_OK) {
    d.body = std::make_shared<std::string>();
    d.headers.clear();
    d.Fail(code, error);
  }
  curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &d.status);
  d.handle = nullptr;
  d.readyState = 4;
}

int XMLHTTP::readyState() const { return d_->readyState; }

long XMLHTTP::status() const {
  d_->CheckCompleted();
  return d_->status;
}

std::u16string XMLHTTP::statusText() const {
  d_->CheckCompleted();
  // "HTTP/1.1 404 Not Found": the words after the code.
  const std::string& line = d_->statusLine;
  std::size_t at = line.find(' ');
  if (at == std::string::npos) return {};
  at = line.find(' ', at + 1);
  return at == std::string::npos ? std::u16string() : U16(line.substr(at + 1));
}

std::u16string XMLHTTP::getResponseHeader(std::u16string_view header) const {
  d_->CheckCompleted();
  const std::string wanted = base::Utf16ToUtf8(header);
  std::string joined;
  for (const Header& h : d_->headers) {
    if (!base::EqualsIgnoreAsciiCase(h.name, wanted)) continue;
    if (!joined.empty()) joined += ", ";
    joined += h.value;
  }
  return U16(joined);
}

std::u16string XMLHTTP::getAllResponseHeaders() const {
  d_->CheckCompleted();
  std::string all;
  for (const Header& h : d_->headers) all += h.name + ": " + h.value + "\r\n";
  return U16(all);
}

const std::string& XMLHTTP::responseBody() const {
  d_->CheckCompleted();
  return *d_->body;
}

std::shared_ptr<DOMDocument> XMLHTTP::responseXML() {
  Impl& d = *d_;
  d.CheckCompleted();
  if (!d.xml) {
    const BodyEncoding encoding =
        ChooseBodyEncoding(*d.body, CharsetOf(base::Utf16ToUtf8(getResponseHeader(u"Content-Type"))));
    d.xml = ParseDOM(d.body, encoding.skip, {DoctypePolicy::Allow, encoding.name});
  }
  return d.xml;
}

}  // namespace xml
