#pragma once
// XMLHTTP: the HTTP request object. open prepares a request (refusing an address it cannot
// use), send performs it synchronously (redirects followed, gzip and deflate decoded, TLS
// verified against the system's certificates, connect and receive time-outs), and the
// response is read whatever its status: headers, body, and the body parsed as XML. Failures
// raise EXMLHTTPError with a message that says what went wrong. Not responsible for the
// document layer's rules (see TXMLDocument).
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace xml {

class DOMDocument;

class XMLHTTP {
 public:
  XMLHTTP();
  ~XMLHTTP();
  XMLHTTP(const XMLHTTP&) = delete;
  XMLHTTP& operator=(const XMLHTTP&) = delete;

  // Prepares a request for an http or https address. Only synchronous requests are made;
  // user and password, when given, are sent with basic authentication.
  void open(std::u16string_view method, std::u16string_view url, bool async = false,
            const std::optional<std::u16string>& user = std::nullopt,
            const std::optional<std::u16string>& password = std::nullopt);
  void setRequestHeader(std::u16string_view header, std::u16string_view value);
  // Performs the request and returns when the whole response has arrived.
  void send();

  // Connecting (name lookup included) and waiting for the next data of the response:
  // 60 s and 30 s unless set.
  void setTimeouts(std::chrono::milliseconds connect, std::chrono::milliseconds receive);
  // The largest decoded body accepted: 100 MiB unless set.
  void setMaxResponseSize(std::size_t bytes);

  // 0 before open, 1 once opened, 4 once the response has arrived.
  int readyState() const;
  long status() const;
  std::u16string statusText() const;
  // The value of a header of the final response (name compared without regard to case),
  // or empty; several headers of the name are joined with ", ".
  std::u16string getResponseHeader(std::u16string_view header) const;
  std::u16string getAllResponseHeaders() const;
  // The decoded body bytes.
  const std::string& responseBody() const;
  // The body parsed as XML, its encoding taken from the byte-order mark, the XML
  // declaration or the HTTP charset, in that order; an empty document (with its
  // parseError set) when the body is not XML. Parsed once, on first use.
  std::shared_ptr<DOMDocument> responseXML();

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
};

}  // namespace xml
