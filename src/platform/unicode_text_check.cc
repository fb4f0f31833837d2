#include "platform/unicode_text_check.h"

namespace vyn::platform {

bool is_text_unicode(const void* bytes, size_t n, uint32_t* mask) {
  const auto* b = static_cast<const unsigned char*>(bytes);
  const uint32_t asked = mask ? *mask : 0xFFFFFFFFu;
  const size_t units = n / 2;
  auto unit = [&](size_t i) { return char16_t(b[2 * i] | (b[2 * i + 1] << 8)); };
  uint32_t found = 0;
  if (asked & kUnicodeAscii16) {
    bool all = n >= 2;
    for (size_t i = 0; all && i < units; ++i) all = unit(i) < 0x80;
    if (all) found |= kUnicodeAscii16;
  }
  if (asked & kUnicodeStatistics) {
    size_t low = 0;
    for (size_t i = 0; i < units; ++i) low += unit(i) < 0x100;
    if (units > 0 && low * 2 > units) found |= kUnicodeStatistics;
  }
  if (asked & kUnicodeControls) {
    for (size_t i = 0; i < units; ++i) {
      char16_t u = unit(i);
      if (u == u'\r' || u == u'\n' || u == u'\t' || u == u' ' || u == 0x3000) {
        found |= kUnicodeControls;
        break;
      }
    }
  }
  if ((asked & kUnicodeSignature) && units > 0 && unit(0) == 0xFEFF) {
    found |= kUnicodeSignature;
  }
  if (units > 0 && unit(0) == 0xFFFE) {
    found |= kUnicodeReverseSignature;
  }
  if (n % 2) found |= kUnicodeOddLength;
  for (size_t i = 0; i < n; ++i) {
    if (b[i] == 0) {
      found |= kUnicodeNullBytes;
      break;
    }
  }
  if (mask) *mask = found;
  if (n < 2 || (found & 0x0FF0)) return false;
  return (found & 0xF00F) != 0;
}

}  // namespace vyn::platform
