#include "tasks/escape_text.h"

namespace vyn {
namespace {

// The value of a hexadecimal digit, or -1.
int hex_value(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// The value of `digits` hex digits at text[at], or -1 when any is missing or
// not hexadecimal.
long hex_run(const std::u16string& text, size_t at, int digits) {
  if (at + size_t(digits) > text.size()) return -1;
  long v = 0;
  for (int k = 0; k < digits; ++k) {
    int d = hex_value(text[at + size_t(k)]);
    if (d < 0) return -1;
    v = v * 16 + d;
  }
  return v;
}

}  // namespace

int32_t decode_escapes(std::u16string& text) {
  int32_t count = 0;
  for (size_t i = 0; text.size() >= 2 && i < text.size() - 1; ++i) {
    if (text[i] != u'\\') continue;
    char16_t next = text[i + 1];
    char16_t produced = 0;
    size_t length = 2;  // units the sequence occupies
    bool counted = true;
    switch (next) {
      case u'\\':
      case u'\'':
      case u'"':
        produced = next;
        counted = false;
        break;
      case u't': produced = u'\t'; break;
      case u'r': produced = u'\r'; break;
      case u'n': produced = u'\n'; break;
      case u'u': {
        long v = hex_run(text, i + 2, 4);
        if (v < 0) continue;
        produced = char16_t(v);
        length = 6;
        break;
      }
      case u'x': {
        long v = hex_run(text, i + 2, 2);
        if (v < 0) continue;
        produced = char16_t(v);
        length = 4;
        break;
      }
      default:
        continue;
    }
    text.replace(i, length, 1, produced);
    if (counted) ++count;
  }
  return count;
}

}  // namespace vyn
