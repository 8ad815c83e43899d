#pragma once
// The error kinds raised while skin sources are read: short reads and bad sizes of a
// package, broken compressed data, files that cannot be opened or created.
#include <string>

#include "platform/base/Exception.h"

namespace skin {

// A stream ended before the bytes it declares ("Stream read error"), or declared more
// than a skin may hold.
class EReadError : public base::Exception {
 public:
  explicit EReadError(std::u16string message) : Exception("EReadError", std::move(message)) {}
};

// The compressed data of a package member is not a valid zlib stream.
class EZDecompressionError : public base::Exception {
 public:
  explicit EZDecompressionError(std::u16string message) : Exception("EZDecompressionError", std::move(message)) {}
};

// A file could not be opened for reading.
class EFOpenError : public base::Exception {
 public:
  explicit EFOpenError(std::u16string message) : Exception("EFOpenError", std::move(message)) {}
};

// A file could not be created or written.
class EFCreateError : public base::Exception {
 public:
  explicit EFCreateError(std::u16string message) : Exception("EFCreateError", std::move(message)) {}
};

// An index outside a list.
class EListError : public base::Exception {
 public:
  explicit EListError(std::u16string message) : Exception("EListError", std::move(message)) {}
};

// A picture of a skin could not be decoded.
class EInvalidGraphic : public base::Exception {
 public:
  explicit EInvalidGraphic(std::u16string message) : Exception("EInvalidGraphic", std::move(message)) {}
};

// The text of a short read.
inline constexpr char16_t kStreamReadError[] = u"Stream read error";

}  // namespace skin
