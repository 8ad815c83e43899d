#pragma once
// Which encoding to read a response body in, by strength: a byte-order mark, then the XML
// declaration, then the charset the HTTP response named.
#include <string>
#include <string_view>

namespace xml {

struct BodyEncoding {
  std::string name;      // the encoding to force on the parser; empty: as the body declares
  std::size_t skip = 0;  // bytes of byte-order mark to skip
};

BodyEncoding ChooseBodyEncoding(std::string_view body, std::string_view httpCharset);

// The charset parameter of a Content-Type value ("text/xml; charset=UTF-8"), or empty.
std::string CharsetOf(std::string_view contentType);

}  // namespace xml
