#include "platform/xml/ResponseEncoding.h"

#include <libxml/encoding.h>

#include <cctype>

#include "platform/base/TextCase.h"

namespace xml {

namespace {

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

// True when the body starts with an XML declaration that has an encoding declaration.
bool DeclaresEncoding(std::string_view body) {
  if (!StartsWith(body, "<?xml") || body.size() < 6 || !std::isspace(static_cast<unsigned char>(body[5]))) return false;
  const std::string_view decl = body.substr(0, body.find("?>"));
  return decl.find("encoding") != std::string_view::npos;
}

// True when the parser knows the encoding by this name.
bool IsKnownEncoding(const std::string& name) {
  if (xmlParseCharEncoding(name.c_str()) > XML_CHAR_ENCODING_NONE) return true;
  xmlCharEncodingHandlerPtr handler = xmlFindCharEncodingHandler(name.c_str());
  if (handler == nullptr) return false;
  xmlCharEncCloseFunc(handler);
  return true;
}

}  // namespace

BodyEncoding ChooseBodyEncoding(std::string_view body, std::string_view httpCharset) {
  if (StartsWith(body, "\xEF\xBB\xBF")) return {"UTF-8", 3};
  if (StartsWith(body, "\xFF\xFE")) return {"UTF-16LE", 2};
  if (StartsWith(body, "\xFE\xFF")) return {"UTF-16BE", 2};
  // A declaration in an ASCII-compatible encoding, or UTF-16 text without a mark: the
  // parser reads the declaration itself.
  if (DeclaresEncoding(body) || StartsWith(body, std::string_view("<\0?\0", 4)) ||
      StartsWith(body, std::string_view("\0<\0?", 4)))
    return {};
  std::string charset(httpCharset);
  if (!charset.empty() && IsKnownEncoding(charset)) return {charset, 0};
  return {};
}

std::string CharsetOf(std::string_view contentType) {
  std::string lower = base::ToLowerAscii(contentType);
  std::size_t at = lower.find("charset");
  while (at != std::string::npos) {
    std::size_t p = at + 7;
    while (p < lower.size() && lower[p] == ' ') ++p;
    if (p < lower.size() && lower[p] == '=') {
      ++p;
      while (p < lower.size() && lower[p] == ' ') ++p;
      std::size_t end;
      if (p < lower.size() && lower[p] == '"') {
        end = contentType.find('"', ++p);
      } else {
        end = contentType.find_first_of("; \t", p);
      }
      return std::string(contentType.substr(p, end == std::string_view::npos ? std::string_view::npos : end - p));
    }
    at = lower.find("charset", at + 7);
  }
  return {};
}

}  // namespace xml
