// The outcome of an operation: an error code with its severity, a context
// text and the code's description.
#ifndef VYN_FOUNDATIONS_RESULT_H_
#define VYN_FOUNDATIONS_RESULT_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "foundations/base.h"

namespace vyn {

inline constexpr int32_t severity_error = 3;

// A result is failed exactly when its severity is severity_error; any other
// result is good, whatever its code.
class result : public base {
 public:
  // Code 0, severity 0, empty text; the description of code 0.
  result();
  // Severity is kept only for a non-zero code. The description is looked
  // up from the code.
  result(uint32_t code, std::u16string text, int32_t severity = severity_error);
  // Wraps a narrow (UTF-8) message, such as a standard exception's; the
  // description stays empty and the severity is stored as given.
  result(uint32_t code, std::string_view narrow_text, int32_t severity);
  result(const result&) = default;
  result& operator=(const result&) = default;

  // Stores code, text, the code's description, and the severity (0 when the
  // code is 0).
  void set(uint32_t code, std::u16string text, int32_t severity);
  // The same with an empty text and severity_error: set(0) resets to success.
  void set(uint32_t code) { set(code, {}, severity_error); }

  // Adds `other` into this one: the first non-zero code stays, the worst
  // severity wins, the texts are joined without a separator.
  result& operator+=(const result& other);

  // The stored code without its top two bits.
  uint32_t code() const { return code_ & 0x3FFFFFFFu; }
  int32_t severity() const { return severity_; }
  const std::u16string& text() const { return text_; }
  const std::u16string& description() const { return description_; }
  bool ok() const { return severity_ != severity_error; }
  bool failed() const { return !ok(); }

  // Text form. Replaces, in this order and each step over the text the
  // previous steps made: "%cd" by the code in decimal, "%ch" by the code in
  // eight upper-case hex digits, "%c" by the text, "%d" by the description.
  std::u16string format(std::u16string_view pattern) const;
  // The default pattern "%c %d [%cd(%ch)]".
  virtual std::u16string format() const;

 private:
  uint32_t code_ = 0;
  int32_t severity_ = 0;
  std::u16string text_;
  std::u16string description_;
};

}  // namespace vyn

#endif  // VYN_FOUNDATIONS_RESULT_H_
