#pragma once
// The error type raised by the platform layers and the program: a kind name (the class
// name a user sees, such as "EFCreateError") and a message in UTF-16. Error kinds derive
// from it where they are raised; handlers catch base::Exception to show any of them.
#include <exception>
#include <string>

namespace base {

class Exception : public std::exception {
 public:
  Exception(std::string kind, std::u16string message);

  const std::string& ClassName() const { return kind_; }
  const std::u16string& Message() const { return message_; }
  void SetMessage(std::u16string message);

  // "Kind: message" in UTF-8, for logs.
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  std::string kind_;
  std::u16string message_;
  std::string what_;
};

}  // namespace base
