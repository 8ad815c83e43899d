#pragma once
// The error kinds raised while skin sources are read: short reads and bad sizes of a
// package, broken compressed data, files that cannot be opened or created. The kinds the
// platform layers raise too are theirs (platform/base/Errors.h), so one catch serves both.
#include <string>

#include "platform/base/Errors.h"

namespace skin {

// A stream ended before the bytes it declares ("Stream read error"), or declared more
// than a skin may hold.
using base::EReadError;

// The compressed data of a package member is not a valid zlib stream.
class EZDecompressionError : public base::Exception {
 public:
  explicit EZDecompressionError(std::u16string message) : Exception("EZDecompressionError", std::move(message)) {}
};

// A file could not be opened for reading; one could not be created or written.
using base::EFCreateError;
using base::EFOpenError;
// An index outside a list.
using base::EListError;
// A picture of a skin could not be decoded.
using base::EInvalidGraphic;

// The text of a short read.
inline constexpr char16_t kStreamReadError[] = u"Stream read error";

}  // namespace skin
