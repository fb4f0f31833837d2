#include "textfiles/code_page.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "foundations/exceptions.h"
#include "foundations/wformat.h"
#include "foundations/wide_string.h"
#include "platform/code_page_codec.h"
#include "platform/error_codes.h"
#include "platform/locale_info.h"
#include "platform/unicode_text_check.h"
#include "platform/utf.h"

std::u16string text_file_code_page::display_name() const {
  std::u16string name;
  switch (number) {
    case vyn::cp_auto: name = u"auto"; break;
    case vyn::cp_invalid: name = u"invalid"; break;
    case vyn::cp_ansi: name = u"ANSI"; break;
    case vyn::cp_oem: name = u"OEM"; break;
    case vyn::cp_ucs2le: name = u"UCS-2LE"; break;
    case vyn::cp_ucs2be: name = u"UCS-2BE"; break;
    case vyn::cp_utf7: name = u"UTF-7"; break;
    case vyn::cp_utf8: name = u"UTF-8"; break;
    default: name = vyn::wformat(u"%u", uint32_t(number)); break;
  }
  if (bom == 1) name += u"_BOM";
  return name;
}

namespace vyn {
namespace {

constexpr size_t kSampleLimit = 102400;

// Whole-name matching of the code page patterns. A pattern is a sequence of
// steps; each step offers alternatives, the empty one included where the
// step is optional. Names are compared in lower case.
using step = std::initializer_list<std::u16string_view>;
const step kSep = {u"", u"_", u"-"};

bool match_steps(std::u16string_view name, const std::vector<step>& steps,
                 size_t at = 0) {
  if (at == steps.size()) return name.empty();
  for (std::u16string_view alt : steps[at]) {
    if (name.starts_with(alt) && match_steps(name.substr(alt.size()), steps, at + 1)) {
      return true;
    }
  }
  return false;
}

std::u16string lower_ascii(std::u16string_view s) {
  std::u16string out(s);
  for (auto& c : out) {
    if (c >= u'A' && c <= u'Z') c = char16_t(c + 32);
  }
  return out;
}

void decode_oem(std::string_view bytes, std::u16string& out) {
  size_t base = out.size();
  platform::decode_code_page(platform::user_code_pages().oem, bytes, out);
  // Converters that show 0D, 0A and 09 as glyphs get their controls back.
  for (size_t i = base; i < out.size(); ++i) {
    char16_t& c = out[i];
    if (c == 0x266A) c = u'\r';
    else if (c == 0x25D9) c = u'\n';
    else if (c == 0x25CB) c = u'\t';
  }
}

void append_ucs2le(std::u16string_view text, std::string& out) {
  size_t base = out.size();
  out.resize(base + text.size() * 2);
  char* o = out.data() + base;
  for (char16_t u : text) {
    *o++ = char(u & 0xFF);
    *o++ = char(u >> 8);
  }
}

}  // namespace

text_file_code_page parse_code_page(std::u16string_view name) {
  const std::u16string n = lower_ascii(name);
  text_file_code_page cp{cp_invalid, 0};
  if (n == u"auto") cp.number = cp_auto;
  else if (n == u"ansi") cp.number = cp_ansi;
  else if (n == u"oem") cp.number = cp_oem;
  else if (n == u"unicode" ||
           match_steps(n, {{u"ucs"}, kSep, {u"2"}, kSep, {u"", u"le"}, kSep, {u"", u"bom"}}))
    cp.number = cp_ucs2le;
  else if (match_steps(n, {{u"ucs"}, kSep, {u"2"}, kSep, {u"be"}, kSep, {u"", u"bom"}}))
    cp.number = cp_ucs2be;
  else if (match_steps(n, {{u"utf"}, kSep, {u"7"}}))
    cp.number = cp_utf7;
  else if (match_steps(n, {{u"utf"}, kSep, {u"8"}, kSep, {u"", u"bom"}}))
    cp.number = cp_utf8;
  else {
    int32_t v = leading_integer(n);
    cp.number = v != 0 ? v : cp_invalid;
  }
  if (n == u"unicode" ||
      match_steps(n, {{u"ucs"}, kSep, {u"2"}, kSep, {u"", u"le", u"be"}, kSep, {u"bom"}}) ||
      match_steps(n, {{u"utf"}, kSep, {u"8"}, kSep, {u"bom"}})) {
    cp.bom = 1;
  }
  return cp;
}

bool is_utf8_sample(const char* bytes, size_t k) {
  if (k == 0) throw wexception(u"_size == 0 at ..\\Src\\win\\text_file_code_page line 130");
  std::string_view sample(bytes, k);
  size_t last_lf = sample.rfind('\n');
  if (last_lf != std::string_view::npos) sample = sample.substr(0, last_lf + 1);
  return is_valid_utf8(sample);
}

text_file_code_page detect_code_page(const char* bytes, size_t n) {
  const size_t m = std::min(n, kSampleLimit);
  uint32_t mask = platform::kUnicodeAscii16 | platform::kUnicodeSignature |
                  platform::kUnicodeNullBytes;
  if (platform::is_text_unicode(bytes, m, &mask)) {
    return {cp_ucs2le, (mask & platform::kUnicodeSignature) ? 1 : 0};
  }
  if (n >= 3 && std::string_view(bytes, 3) == "\xEF\xBB\xBF") return {cp_utf8, 1};
  if (std::all_of(bytes, bytes + n, [](char c) { return (unsigned char)c < 0x80; })) {
    return {cp_ansi, 0};
  }
  return is_utf8_sample(bytes, m) ? text_file_code_page{cp_utf8, 0}
                                  : text_file_code_page{cp_ansi, 0};
}

int32_t decoding_code_page(text_file_code_page set, text_file_code_page detected) {
  for (int32_t kind : {cp_ansi, cp_oem, cp_ucs2le, cp_utf8}) {
    if (set.number == kind || detected.number == kind) return kind;
  }
  return set.number;
}

void decode_bytes(int32_t code_page, std::string_view bytes, std::u16string& out,
                  const std::u16string& message) {
  switch (code_page) {
    case cp_ansi:
      platform::decode_code_page(platform::user_code_pages().ansi, bytes, out);
      return;
    case cp_oem:
      decode_oem(bytes, out);
      return;
    case cp_ucs2le: {
      size_t units = bytes.size() / 2;  // an odd last byte is dropped
      size_t base = out.size();
      out.resize(base + units);
      const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
      for (size_t i = 0; i < units; ++i) {
        out[base + i] = char16_t(b[2 * i] | (b[2 * i + 1] << 8));
      }
      return;
    }
    case cp_utf8:
      append_utf8_as_utf16(bytes, out);
      return;
    default:
      if (platform::decode_code_page(code_page, bytes, out) != 0) {
        throw windows_error(message, platform::kInvalidParameter);
      }
  }
}

uint32_t encode_for_write(text_file_code_page cp, std::u16string_view text,
                          std::string& out) {
  switch (cp.number) {
    case cp_utf8:
      if (cp.bom == 1) out += "\xEF\xBB\xBF";
      append_utf16_as_utf8(text, out);
      return 0;
    case cp_ucs2le:
    case cp_auto:
      if (cp.bom == 1 || cp.number == cp_auto) out += "\xFF\xFE";
      append_ucs2le(text, out);
      return 0;
    case cp_ansi:
    case cp_oem:
      return encode_for_append(cp, text, out);
    default:
      return platform::encode_code_page(cp.number, text, out);
  }
}

uint32_t encode_for_append(text_file_code_page cp, std::u16string_view text,
                           std::string& out) {
  switch (cp.number) {
    case cp_ansi:
      return platform::encode_code_page(platform::user_code_pages().ansi, text, out);
    case cp_oem:
      return platform::encode_code_page(platform::user_code_pages().oem, text, out);
    case cp_ucs2le:
    case cp_auto:
      append_ucs2le(text, out);
      return 0;
    case cp_utf8:
      append_utf16_as_utf8(text, out);
      return 0;
    default:
      return platform::kInvalidParameter;
  }
}

size_t whole_lines_length(int32_t code_page, std::string_view bytes) {
  if (code_page == cp_ucs2le || code_page == cp_ucs2be) {
    const bool le = code_page == cp_ucs2le;
    for (size_t i = bytes.size() & ~size_t(1); i >= 2; i -= 2) {
      unsigned char lo = (unsigned char)bytes[i - 2], hi = (unsigned char)bytes[i - 1];
      if (le ? (lo == 0x0A && hi == 0) : (lo == 0 && hi == 0x0A)) return i;
    }
    return 0;
  }
  size_t lf = bytes.rfind('\n');
  return lf == std::string_view::npos ? 0 : lf + 1;
}

}  // namespace vyn
