// printf-style formatting into a wide string, with typed arguments.
//
// Conversions: %d %i %u %x %X %o %c %s %%, with the flags - 0 + blank #, a
// width and a precision (either may be *), and the length modifiers
// h hh l ll z j t I64 (accepted and ignored: arguments carry their types).
// %s takes a wide or a narrow (UTF-8) string, %c a unit; a number given to
// %s prints in decimal and a string given to a number conversion prints as
// text. Missing arguments print nothing.
#ifndef VYN_FOUNDATIONS_WFORMAT_H_
#define VYN_FOUNDATIONS_WFORMAT_H_

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vyn {

class format_arg {
 public:
  enum class kind { signed_int, unsigned_int, wide, narrow };

  template <std::signed_integral T>
  format_arg(T v) : kind_(kind::signed_int), i_(v) {}
  template <std::unsigned_integral T>
  format_arg(T v) : kind_(kind::unsigned_int), u_(v) {}
  format_arg(char16_t c) : kind_(kind::unsigned_int), u_(c) {}
  format_arg(const char16_t* s) : kind_(kind::wide), w_(s ? s : u"") {}
  format_arg(const std::u16string& s) : kind_(kind::wide), w_(s) {}
  format_arg(std::u16string_view s) : kind_(kind::wide), w_(s) {}
  format_arg(const char* s) : kind_(kind::narrow), n_(s ? s : "") {}
  format_arg(const std::string& s) : kind_(kind::narrow), n_(s) {}

  kind type() const { return kind_; }
  int64_t as_signed() const;
  uint64_t as_unsigned() const;
  std::u16string as_text() const;

 private:
  kind kind_;
  int64_t i_ = 0;
  uint64_t u_ = 0;
  std::u16string_view w_;
  std::string_view n_;
};

std::u16string wformat_args(std::u16string_view pattern,
                            std::initializer_list<format_arg> args);

template <class... A>
std::u16string wformat(std::u16string_view pattern, const A&... args) {
  return wformat_args(pattern, {format_arg(args)...});
}

}  // namespace vyn

#endif  // VYN_FOUNDATIONS_WFORMAT_H_
