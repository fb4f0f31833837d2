#include "platform/utf.h"

#include <cstdint>
#include <cstring>

namespace vyn {
namespace {

constexpr uint64_t kHighBits8 = 0x8080808080808080ull;

inline bool is_cont(unsigned char b) { return (b & 0xC0) == 0x80; }

// Length of the valid sequence that starts at p (first byte >= 0x80), or 0
// when the bytes there do not form one.
inline size_t valid_sequence(const unsigned char* p, const unsigned char* end,
                             char32_t& cp) {
  unsigned char b0 = p[0];
  size_t avail = size_t(end - p);
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    if (avail < 2 || !is_cont(p[1])) return 0;
    cp = char32_t((b0 & 0x1F) << 6 | (p[1] & 0x3F));
    return 2;
  }
  if (b0 >= 0xE0 && b0 <= 0xEF) {
    if (avail < 3 || !is_cont(p[1]) || !is_cont(p[2])) return 0;
    if (b0 == 0xE0 && p[1] < 0xA0) return 0;   // overlong
    if (b0 == 0xED && p[1] >= 0xA0) return 0;  // surrogate
    cp = char32_t((b0 & 0x0F) << 12 | (p[1] & 0x3F) << 6 | (p[2] & 0x3F));
    return 3;
  }
  if (b0 >= 0xF0 && b0 <= 0xF4) {
    if (avail < 4 || !is_cont(p[1]) || !is_cont(p[2]) || !is_cont(p[3]))
      return 0;
    if (b0 == 0xF0 && p[1] < 0x90) return 0;   // overlong
    if (b0 == 0xF4 && p[1] >= 0x90) return 0;  // beyond U+10FFFF
    cp = char32_t((b0 & 0x07) << 18 | (p[1] & 0x3F) << 12 |
                  (p[2] & 0x3F) << 6 | (p[3] & 0x3F));
    return 4;
  }
  return 0;
}

}  // namespace

void append_utf8_as_utf16(std::string_view bytes, std::u16string& out) {
  const size_t base = out.size();
  out.resize(base + bytes.size());  // never more units than bytes
  char16_t* o = out.data() + base;
  auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const unsigned char* end = p + bytes.size();
  while (p < end) {
    // ASCII runs, eight bytes at a time.
    while (end - p >= 8) {
      uint64_t w;
      std::memcpy(&w, p, 8);
      if (w & kHighBits8) break;
      for (int i = 0; i < 8; ++i) o[i] = p[i];
      o += 8;
      p += 8;
    }
    if (p == end) break;
    unsigned char b = *p;
    if (b < 0x80) {
      *o++ = b;
      ++p;
      continue;
    }
    char32_t cp = 0;
    size_t n = valid_sequence(p, end, cp);
    if (n == 0) {
      *o++ = raw_byte_unit(b);
      ++p;
    } else if (cp < 0x10000) {
      *o++ = char16_t(cp);
      p += n;
    } else {
      cp -= 0x10000;
      *o++ = char16_t(0xD800 + (cp >> 10));
      *o++ = char16_t(0xDC00 + (cp & 0x3FF));
      p += n;
    }
  }
  out.resize(size_t(o - out.data()));
}

bool is_valid_utf8(std::string_view bytes) {
  auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const unsigned char* end = p + bytes.size();
  while (p < end) {
    while (end - p >= 8) {
      uint64_t w;
      std::memcpy(&w, p, 8);
      if (w & kHighBits8) break;
      p += 8;
    }
    if (p == end) break;
    if (*p < 0x80) {
      ++p;
      continue;
    }
    char32_t cp;
    size_t n = valid_sequence(p, end, cp);
    if (n == 0) return false;
    p += n;
  }
  return true;
}

std::u16string utf8_to_utf16(std::string_view bytes) {
  std::u16string out;
  append_utf8_as_utf16(bytes, out);
  return out;
}

void append_utf16_as_utf8(std::u16string_view text, std::string& out) {
  const size_t base = out.size();
  out.resize(base + text.size() * 3);  // at most three bytes per unit
  char* o = out.data() + base;
  const char16_t* p = text.data();
  const char16_t* end = p + text.size();
  while (p < end) {
    // ASCII runs, four units at a time.
    while (end - p >= 4) {
      uint64_t w;
      std::memcpy(&w, p, 8);
      if (w & 0xFF80FF80FF80FF80ull) break;
      o[0] = char(p[0]);
      o[1] = char(p[1]);
      o[2] = char(p[2]);
      o[3] = char(p[3]);
      o += 4;
      p += 4;
    }
    if (p == end) break;
    char32_t c = *p++;
    if (c < 0x80) {
      *o++ = char(c);
    } else if (c < 0x800) {
      *o++ = char(0xC0 | (c >> 6));
      *o++ = char(0x80 | (c & 0x3F));
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      if (c <= 0xDBFF && p < end && *p >= 0xDC00 && *p <= 0xDFFF) {
        char32_t cp = 0x10000 + ((c - 0xD800) << 10) + (*p++ - 0xDC00);
        *o++ = char(0xF0 | (cp >> 18));
        *o++ = char(0x80 | ((cp >> 12) & 0x3F));
        *o++ = char(0x80 | ((cp >> 6) & 0x3F));
        *o++ = char(0x80 | (cp & 0x3F));
      } else if (is_raw_byte_unit(char16_t(c))) {
        *o++ = char(c - 0xDC00);
      } else {
        *o++ = char(0xEF);  // U+FFFD
        *o++ = char(0xBF);
        *o++ = char(0xBD);
      }
    } else {
      *o++ = char(0xE0 | (c >> 12));
      *o++ = char(0x80 | ((c >> 6) & 0x3F));
      *o++ = char(0x80 | (c & 0x3F));
    }
  }
  out.resize(size_t(o - out.data()));
}

std::string utf16_to_utf8(std::u16string_view text) {
  std::string out;
  append_utf16_as_utf8(text, out);
  return out;
}

}  // namespace vyn
