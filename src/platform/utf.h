// Lossless conversion between UTF-8 bytes and UTF-16 code units.
//
// Bytes that are not part of a valid UTF-8 sequence decode one by one to the
// lone surrogates U+DC80..U+DCFF, and those units encode back to the same
// bytes, so any byte string survives a round trip unchanged. Other lone
// surrogates, which valid UTF-8 cannot hold, encode as U+FFFD.
#ifndef VYN_PLATFORM_UTF_H_
#define VYN_PLATFORM_UTF_H_

#include <string>
#include <string_view>

namespace vyn {

// Appends the decoded units of `bytes` to `out`.
void append_utf8_as_utf16(std::string_view bytes, std::u16string& out);
std::u16string utf8_to_utf16(std::string_view bytes);

// Appends the encoded bytes of `text` to `out`.
void append_utf16_as_utf8(std::u16string_view text, std::string& out);
std::string utf16_to_utf8(std::u16string_view text);

// True when the bytes are valid UTF-8 throughout: no invalid, overlong or
// incomplete sequence and no encoded surrogate.
bool is_valid_utf8(std::string_view bytes);

// True for the units that stand for one undecodable byte.
inline bool is_raw_byte_unit(char16_t u) { return u >= 0xDC80 && u <= 0xDCFF; }
inline char16_t raw_byte_unit(unsigned char b) { return char16_t(0xDC00 + b); }

}  // namespace vyn

#endif  // VYN_PLATFORM_UTF_H_
