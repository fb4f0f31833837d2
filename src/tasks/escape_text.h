// Escape text: backslash sequences for quotes, control characters and
// hexadecimal code units.
#ifndef VYN_TASKS_ESCAPE_TEXT_H_
#define VYN_TASKS_ESCAPE_TEXT_H_

#include <cstdint>
#include <string>

namespace vyn {

// Decodes, in place: \\ \' \" to the character itself; \t \r \n to tab, CR
// and LF; \uHHHH and \xHH to the unit with that value. A decoded character
// never starts another sequence. Malformed sequences, other escapes and a
// final backslash stay as they are. Returns how many control and numbered
// characters were produced (quotes and backslashes are not counted).
int32_t decode_escapes(std::u16string& text);

}  // namespace vyn

#endif  // VYN_TASKS_ESCAPE_TEXT_H_
