// Locale-independent case folding of single UTF-16 code units.
#ifndef VYN_PLATFORM_UNICODE_CASE_H_
#define VYN_PLATFORM_UNICODE_CASE_H_

namespace vyn::platform {

// A table of 65 536 entries: entry u is the Unicode simple uppercase mapping
// of the code unit u, or u itself when it has none (surrogates, and letters
// whose uppercase lies outside the basic plane, map to themselves). Built on
// first use; the pointer stays valid for the life of the process.
const char16_t* upper_table();

inline char16_t to_upper_unit(char16_t c) { return upper_table()[c]; }

}  // namespace vyn::platform

#endif  // VYN_PLATFORM_UNICODE_CASE_H_
