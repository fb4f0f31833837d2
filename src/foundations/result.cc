#include "foundations/result.h"

#include "foundations/error_registry.h"
#include "platform/utf.h"
#include "foundations/wformat.h"
#include "foundations/wide_string.h"

namespace vyn {

result::result() : description_(ErrorMessage(0)) {}

result::result(uint32_t code, std::u16string text, int32_t severity) {
  set(code, std::move(text), severity);
}

result::result(uint32_t code, std::string_view narrow_text, int32_t severity)
    : code_(code), severity_(severity), text_(utf8_to_utf16(narrow_text)) {}

void result::set(uint32_t code, std::u16string text, int32_t severity) {
  code_ = code;
  text_ = std::move(text);
  description_ = ErrorMessage(code);
  severity_ = code != 0 ? severity : 0;
}

result& result::operator+=(const result& other) {
  if (code() == 0) {
    code_ = other.code();
    description_ = ErrorMessage(code_);
  }
  if (severity_ < other.severity_) severity_ = other.severity_;
  text_ += other.text_;
  return *this;
}

std::u16string result::format(std::u16string_view pattern) const {
  std::u16string s(pattern);
  replace_all(s, u"%cd", wformat(u"%u", code()));
  replace_all(s, u"%ch", wformat(u"%08X", code()));
  replace_all(s, u"%c", text_);
  replace_all(s, u"%d", description_);
  return s;
}

std::u16string result::format() const { return format(u"%c %d [%cd(%ch)]"); }

}  // namespace vyn
