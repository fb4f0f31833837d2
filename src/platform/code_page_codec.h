// Conversion between bytes in a Windows code page and UTF-16 code units.
//
// Single-byte code pages convert through tables built once per page from
// ICU's converters (ICU names "windows-N", "ibm-N", "cpN", "iso-8859-N" for
// 2859N are tried in turn). They are lossless: a byte the page leaves
// undefined decodes to the lone surrogate U+DC00 + byte and encodes back to
// the same byte. ICU's IBM tables swap the control bytes 0x1A, 0x1C and 0x7F;
// the tables undo that, so 0x1A stays U+001A. Multi-byte pages (932, 936,
// 949, 950, UTF-7 as 65000) use ICU's converters with ICU's substitution.
// A character the target lacks encodes as '?', without best-fit mapping.
#ifndef VYN_PLATFORM_CODE_PAGE_CODEC_H_
#define VYN_PLATFORM_CODE_PAGE_CODEC_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vyn::platform {

// True when the code page number names a converter this platform has.
bool code_page_known(int code_page);

// Appends the decoded units to `out`. Returns 0, or 87 (invalid parameter)
// for an unknown code page, in which case nothing is appended.
uint32_t decode_code_page(int code_page, std::string_view bytes,
                          std::u16string& out);

// Appends the encoded bytes to `out`. Returns 0, or 87 for an unknown code
// page, in which case nothing is appended.
uint32_t encode_code_page(int code_page, std::u16string_view text,
                          std::string& out);

}  // namespace vyn::platform

#endif  // VYN_PLATFORM_CODE_PAGE_CODEC_H_
