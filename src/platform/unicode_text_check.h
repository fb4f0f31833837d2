// A stand-in for the Windows test of whether bytes look like UTF-16LE text.
#ifndef VYN_PLATFORM_UNICODE_TEXT_TEST_H_
#define VYN_PLATFORM_UNICODE_TEXT_TEST_H_

#include <cstddef>
#include <cstdint>

namespace vyn::platform {

enum : uint32_t {
  kUnicodeAscii16 = 0x0001,          // every unit below 0x80 (and n >= 2)
  kUnicodeStatistics = 0x0002,       // more than half the units below 0x100
  kUnicodeControls = 0x0004,         // some unit is CR, LF, TAB, SPACE, U+3000
  kUnicodeSignature = 0x0008,        // the first unit is U+FEFF
  kUnicodeReverseSignature = 0x0080, // the first unit is U+FFFE
  kUnicodeOddLength = 0x0200,        // n is odd
  kUnicodeNullBytes = 0x1000,        // some byte is zero
};

// Runs the tests asked for in `*mask` (the last three always run) over the
// n / 2 little-endian units of `bytes`, stores the results in `*mask` when it
// is not null, and answers: false when n < 2 or any result of 0x0FF0 is set;
// else true when any result of 0xF00F is set; else false. A null mask asks
// for every test.
bool is_text_unicode(const void* bytes, size_t n, uint32_t* mask);

}  // namespace vyn::platform

#endif  // VYN_PLATFORM_UNICODE_TEXT_TEST_H_
