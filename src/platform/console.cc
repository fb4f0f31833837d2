#include "platform/console.h"

#include <langinfo.h>

#include <clocale>
#include <cstdio>
#include <cstring>

#include "platform/code_page_codec.h"
#include "platform/utf.h"

namespace vyn::platform {
namespace {

int g_code_page = 65001;

bool same_name(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = char(x - 32);
    if (y >= 'a' && y <= 'z') y = char(y - 32);
    if (x != y) return false;
  }
  return true;
}

void write_to(FILE* f, std::u16string_view text, bool flush) {
  std::string bytes = to_console(text);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  if (flush) std::fflush(f);
}

}  // namespace

int code_page_for_charset(std::string_view charset) {
  if (same_name(charset, "UTF-8") || same_name(charset, "UTF8")) return 65001;
  if (same_name(charset, "ANSI_X3.4-1968") || same_name(charset, "ASCII")) return 20127;
  if (same_name(charset, "KOI8-R")) return 20866;
  if (same_name(charset, "KOI8-U")) return 21866;
  if (same_name(charset, "IBM866") || same_name(charset, "CP866")) return 866;
  std::string upper(charset);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = char(c - 32);
  }
  if (upper.rfind("ISO-8859-", 0) == 0) {
    int n = std::atoi(upper.c_str() + 9);
    if (n >= 1 && n <= 9) return 28590 + n;
  }
  if (upper.rfind("CP", 0) == 0) {
    int n = std::atoi(upper.c_str() + 2);
    if (n > 0 && code_page_known(n)) return n;
  }
  return 65001;
}

void init_console() {
  std::setlocale(LC_ALL, "");
  const char* charset = nl_langinfo(CODESET);
  g_code_page = code_page_for_charset(charset ? charset : "UTF-8");
}

int console_code_page() { return g_code_page; }

std::u16string from_console(std::string_view bytes) {
  std::u16string out;
  if (g_code_page == 65001 || decode_code_page(g_code_page, bytes, out) != 0) {
    out.clear();
    append_utf8_as_utf16(bytes, out);
  }
  return out;
}

std::string to_console(std::u16string_view text) {
  std::string out;
  if (g_code_page == 65001 || encode_code_page(g_code_page, text, out) != 0) {
    out.clear();
    append_utf16_as_utf8(text, out);
  }
  return out;
}

void write_out(std::u16string_view text, bool flush) { write_to(stdout, text, flush); }
void write_err(std::u16string_view text, bool flush) {
  std::fflush(stdout);  // normal output first
  write_to(stderr, text, flush);
}

bool read_in_line(std::string& bytes) {
  // Standard input through a buffer of our own, a chunk at a time.
  static std::string buffer;
  static size_t at = 0;
  static bool ended = false;
  bytes.clear();
  for (;;) {
    size_t lf = buffer.find('\n', at);
    if (lf != std::string::npos) {
      bytes.append(buffer, at, lf - at);
      at = lf + 1;
      return true;
    }
    bytes.append(buffer, at, std::string::npos);
    buffer.clear();
    at = 0;
    if (ended) return !bytes.empty();
    buffer.resize(1 << 16);
    size_t got = std::fread(buffer.data(), 1, buffer.size(), stdin);
    buffer.resize(got);
    if (got == 0) {
      ended = true;
      return !bytes.empty();
    }
  }
}

}  // namespace vyn::platform
