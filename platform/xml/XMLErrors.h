#pragma once
// The error kinds of the XML services. Each carries the kind name a user sees in an error
// box and a message in UTF-16; handlers catch base::Exception to report any of them.
#include <string>

#include "platform/base/Exception.h"

namespace xml {

// The document layer could not parse a text (reason, line number and the offending line).
class EDOMParseError : public base::Exception {
 public:
  explicit EDOMParseError(std::u16string message) : Exception("EDOMParseError", std::move(message)) {}
};

// The document layer refused an operation ("No active document", a lookup that would have
// to create an element under a node that cannot hold one, a node with mixed text, ...).
class EXMLDocError : public base::Exception {
 public:
  explicit EXMLDocError(std::u16string message) : Exception("EXMLDocError", std::move(message)) {}
};

// A DOM tree operation that would break the tree (a node inserted into its own subtree,
// into another document, or under a node that cannot hold it).
class DOMException : public base::Exception {
 public:
  explicit DOMException(std::u16string message) : Exception("DOMException", std::move(message)) {}
};

// The HTTP request object could not open or complete a request (unusable address, host not
// found, connection refused, time-out, secure connection failure, ...).
class EXMLHTTPError : public base::Exception {
 public:
  explicit EXMLHTTPError(std::u16string message) : Exception("EXMLHTTPError", std::move(message)) {}
};

}  // namespace xml
