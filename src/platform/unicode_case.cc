#include "platform/unicode_case.h"

#include <unicode/uchar.h>

namespace vyn::platform {

const char16_t* upper_table() {
  static const char16_t* const table = [] {
    auto* t = new char16_t[0x10000];  // lives for the whole process
    for (UChar32 c = 0; c < 0x10000; ++c) {
      UChar32 u = (c >= 0xD800 && c <= 0xDFFF) ? c : u_toupper(c);
      t[c] = static_cast<char16_t>(u <= 0xFFFF ? u : c);
    }
    return t;
  }();
  return table;
}

}  // namespace vyn::platform
