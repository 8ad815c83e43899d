#pragma once
// The error kinds more than one layer raises, defined once so that a handler in one layer
// catches what another raised: streams and lists, files, pictures. Each carries its kind
// name ("EReadError") and the message the user sees.
#include <string>

#include "platform/base/Exception.h"

namespace base {

// A stream or a description could not be read: it ended early, declared more than it may
// hold, or names what does not exist.
class EReadError : public Exception {
 public:
  explicit EReadError(std::u16string message) : Exception("EReadError", std::move(message)) {}
};

// Fewer bytes could be written than asked for ("Stream write error").
class EWriteError : public Exception {
 public:
  explicit EWriteError(std::u16string message) : Exception("EWriteError", std::move(message)) {}
};

// An index outside a list ("List index out of bounds (5)").
class EListError : public Exception {
 public:
  explicit EListError(std::u16string message) : Exception("EListError", std::move(message)) {}
};

// A file could not be opened for reading.
class EFOpenError : public Exception {
 public:
  explicit EFOpenError(std::u16string message) : Exception("EFOpenError", std::move(message)) {}
};

// A file could not be created or written.
class EFCreateError : public Exception {
 public:
  explicit EFCreateError(std::u16string message) : Exception("EFCreateError", std::move(message)) {}
};

// A picture could not be decoded or is of a kind that cannot be read.
class EInvalidGraphic : public Exception {
 public:
  explicit EInvalidGraphic(std::u16string message) : Exception("EInvalidGraphic", std::move(message)) {}
};

// The system's text for an errno value, in UTF-16 ("No such file or directory").
std::u16string SystemErrorText(int error);

}  // namespace base
