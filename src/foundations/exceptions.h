// The library's two exception classes.
//
// Neither derives from std::exception: handlers tell library failures apart
// from the standard library's by type.
#ifndef VYN_FOUNDATIONS_EXCEPTIONS_H_
#define VYN_FOUNDATIONS_EXCEPTIONS_H_

#include <cstdint>
#include <string>

#include "foundations/base.h"

namespace vyn {

class result;

// A failure described by a message only.
class wexception : public base {
 public:
  explicit wexception(std::u16string message) : message_(std::move(message)) {}
  virtual const std::u16string& message() const { return message_; }

 protected:
  std::u16string message_;
};

// A failure with a Windows (or registered library) error code. The message
// is the producer's text alone; the code's own description is available
// through ErrorMessage(code()), so printing "description message" never
// repeats the description.
class windows_error : public wexception {
 public:
  windows_error(std::u16string text, uint32_t code)
      : wexception(std::move(text)), code_(code) {}
  // From a failed result: its text and its (masked) code.
  explicit windows_error(const result& r);

  uint32_t code() const { return code_; }

 private:
  uint32_t code_;
};

}  // namespace vyn

#endif  // VYN_FOUNDATIONS_EXCEPTIONS_H_
