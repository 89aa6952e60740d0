// The toolkit's exception classes. Handlers let these travel up to the
// outermost dispatch, where the Application shows their message.
#pragma once

#include <stdexcept>
#include <string>

namespace vcl {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& Message() const { return message_; }

 private:
  std::string message_;
};

class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

class ERegistryException : public Exception {
 public:
  using Exception::Exception;
};

class EInvalidArgument : public Exception {
 public:
  using Exception::Exception;
};

class EPrinter : public Exception {
 public:
  using Exception::Exception;
};

// A layout resource that does not match the code: always a programming error.
class ELayoutError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace vcl

namespace vcl {

// Thrown by a platform's Exit where the process cannot simply end (tests):
// it passes every dispatch untouched.
struct ProgramExit {
  int code = 0;
};

}  // namespace vcl
