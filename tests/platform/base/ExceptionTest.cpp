#include <gtest/gtest.h>

#include "platform/base/Exception.h"

namespace base {
namespace {

class EDemoError : public Exception {
 public:
  explicit EDemoError(std::u16string m) : Exception("EDemoError", std::move(m)) {}
};

TEST(Exception, CarriesKindAndMessage) {
  try {
    throw EDemoError(u"Файл не найден");
  } catch (const Exception& e) {
    EXPECT_EQ(e.ClassName(), "EDemoError");
    EXPECT_EQ(e.Message(), u"Файл не найден");
    EXPECT_STREQ(e.what(), "EDemoError: Файл не найден");
  }
}

}  // namespace
}  // namespace base
