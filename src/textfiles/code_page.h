// Code pages of text files: names, detection, decoding and encoding.
#ifndef VYN_TEXTFILES_CODE_PAGE_H_
#define VYN_TEXTFILES_CODE_PAGE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vyn {

inline constexpr int32_t cp_auto = -1;      // reading: detect; writing: UCS-2LE with a mark
inline constexpr int32_t cp_invalid = -2;   // a name that matches no rule
inline constexpr int32_t cp_ansi = 0;       // the ANSI code page of the user's language
inline constexpr int32_t cp_oem = 1;        // the OEM code page of the user's language
inline constexpr int32_t cp_ucs2le = 1200;
inline constexpr int32_t cp_ucs2be = 1201;
inline constexpr int32_t cp_utf7 = 65000;
inline constexpr int32_t cp_utf8 = 65001;

}  // namespace vyn

// A code page number with a byte-order-mark flag: whether a text read had a
// mark, or whether a text written shall get one.
struct text_file_code_page {
  int32_t number = vyn::cp_auto;
  int32_t bom = 0;

  bool operator==(const text_file_code_page&) const = default;

  // "auto", "invalid", "ANSI", "OEM", "UCS-2LE", "UCS-2BE", "UTF-7",
  // "UTF-8", or the number (as unsigned); "_BOM" appended when bom is 1.
  std::u16string display_name() const;
};

namespace vyn {

// Never fails: a name that matches no rule gives {cp_invalid, 0}. Names are
// matched whole and ignoring case: auto, ansi, oem, unicode and ucs2 forms
// (1200), ucs2be forms (1201), utf7 (65000), utf8 forms (65001), else a
// decimal number (leading blanks, a sign, digits, the rest ignored; zero
// is invalid). The mark flag is set by "unicode", "...bom" of ucs2 and utf8.
text_file_code_page parse_code_page(std::u16string_view name);

// Guesses the encoding of the first n >= 1 bytes of a file, in this order:
// UTF-16LE (the Unicode test over the first 100 KiB), UTF-8 with a mark,
// pure ASCII (all n bytes) as ANSI, strict UTF-8 over the first 100 KiB cut
// after its last line feed, else ANSI.
text_file_code_page detect_code_page(const char* bytes, size_t n);

// Strict UTF-8 test of the first k bytes, up to and including the last line
// feed when there is one. k 0 throws wexception.
bool is_utf8_sample(const char* bytes, size_t k);

// The code page actually used to decode, from the code page set on a file
// (S) and, when S is auto, the one detected (D): ANSI, OEM, UCS-2LE or
// UTF-8 when either names it (in that order), else S.
int32_t decoding_code_page(text_file_code_page set, text_file_code_page detected);

// Decodes bytes in a code page as they stand (no mark is skipped here),
// appending to out. Numbered pages this platform lacks throw
// windows_error(message, 87).
void decode_bytes(int32_t code_page, std::string_view bytes, std::u16string& out,
                  const std::u16string& message);

// Encodes for writing a whole file: the mark when the code page asks for
// one (auto always). Returns 0 or 87 (unknown code page).
uint32_t encode_for_write(text_file_code_page cp, std::u16string_view text,
                          std::string& out);

// Encodes for appending: never a mark; only ANSI, OEM, UCS-2LE, auto and
// UTF-8. Returns 0 or 87 (any other code page: nothing is produced).
uint32_t encode_for_append(text_file_code_page cp, std::u16string_view text,
                           std::string& out);

// The line-feed cut: the length of the longest prefix of `bytes` that ends
// with a line feed in this code page (a byte 0A; in UTF-16LE the unit 0A 00
// and in UTF-16BE 00 0A, at even offsets), or 0 when there is none.
size_t whole_lines_length(int32_t code_page, std::string_view bytes);

}  // namespace vyn

#endif  // VYN_TEXTFILES_CODE_PAGE_H_
