// Helpers on the standard wide string (UTF-16 code units).
//
// Case-insensitive operations fold single code units to their Unicode simple
// uppercase, independent of the locale.
#ifndef VYN_FOUNDATIONS_WIDE_STRING_H_
#define VYN_FOUNDATIONS_WIDE_STRING_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "foundations/cmp_res.h"
#include "foundations/unit_search.h"
#include "platform/unicode_case.h"

namespace vyn {

using wstring_list = std::vector<std::u16string>;

inline constexpr std::ptrdiff_t npos16 = -1;

// Removes leading copies of `first` and trailing copies of `last`
// (`last` 0 means `first`).
void trim_char(std::u16string& s, char16_t first, char16_t last = 0);
void trim_char_left(std::u16string& s, char16_t c);
void trim_char_right(std::u16string& s, char16_t c);

// Removes leading units contained in `first_set` and trailing units contained
// in `last_set` (null means `first_set`).
void trim_set(std::u16string& s, const char16_t* first_set,
              const char16_t* last_set = nullptr);
void trim_set_left(std::u16string& s, const char16_t* set);
void trim_set_right(std::u16string& s, const char16_t* set);

// While the text starts with `open` and ends with `close` (0: `open`) and is
// at least two units long, removes both. A lone quote stays as it is.
void strip_pair(std::u16string& s, char16_t open, char16_t close = 0);

inline char16_t upper_unit(char16_t c) { return platform::to_upper_unit(c); }

// Index of the first occurrence of `what` at or after `from`, comparing
// units upper-cased; -1 when there is none. An empty `what` is found at
// `from` (when from <= size).
std::ptrdiff_t find_nocase(std::u16string_view s, std::u16string_view what,
                           size_t from = 0);
// The same with exact comparison.
std::ptrdiff_t find_exact(std::u16string_view s, std::u16string_view what,
                          size_t from = 0);

// Replace every non-overlapping occurrence of `what` (non-empty), scanning
// left to right and never rescanning inserted text. Return the number of
// replacements; an empty `what` replaces nothing.
size_t replace_all(std::u16string& s, std::u16string_view what,
                   std::u16string_view with);
size_t replace_all_nocase(std::u16string& s, std::u16string_view what,
                          std::u16string_view with);
// The same with a sample prepared once for repeated use.
size_t replace_all_nocase(std::u16string& s, const nocase_sample& what,
                          std::u16string_view with);

void to_upper(std::u16string& s);
// Ordinal comparison of the upper-cased texts.
TCmpRes compare_nocase(std::u16string_view a, std::u16string_view b);
// Removes every unit of `s` that occurs in `set`.
void erase_chars(std::u16string& s, std::u16string_view set);

// Pieces between occurrences of `sep`; the piece after the last separator is
// always added. Appends to `list`; returns its size.
size_t split_at_string(wstring_list& list, std::u16string_view s,
                       std::u16string_view sep);

// Splits at `sep` outside double-quoted stretches. With a white-space
// separator, white space after each separator is skipped and a trailing
// empty piece is dropped. Every piece loses enclosing quote pairs. Appends to
// `list`; returns its size.
size_t split_quoted(wstring_list& list, std::u16string_view s, char16_t sep);

// As split_quoted, but the unit after `escape` is never a separator or a
// quote, the final piece is always added, and a piece loses one enclosing
// pair of quotes only when it is longer than two units and holds exactly two
// unescaped quotes, one at each end.
size_t split_command_line(wstring_list& list, std::u16string_view s,
                          char16_t sep, char16_t escape);

// The C library's reading of a wide decimal integer (wcstol with a 32-bit
// long): leading white space, a sign, digits up to the first other unit;
// 0 when there are none; saturated at the 32-bit limits.
int32_t leading_integer(std::u16string_view s);

inline bool is_blank_unit(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' ||
         c == u'\f';
}

}  // namespace vyn

#endif  // VYN_FOUNDATIONS_WIDE_STRING_H_
