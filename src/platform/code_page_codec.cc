#include "platform/code_page_codec.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/error_codes.h"

namespace vyn::platform {
namespace {

struct converter_closer {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using converter_ptr = std::unique_ptr<UConverter, converter_closer>;

converter_ptr open_converter(int code_page) {
  std::vector<std::string> names = {
      "windows-" + std::to_string(code_page), "ibm-" + std::to_string(code_page),
      "cp" + std::to_string(code_page)};
  if (code_page >= 28591 && code_page <= 28599) {
    names.push_back("iso-8859-" + std::to_string(code_page - 28590));
  }
  for (const std::string& name : names) {
    UErrorCode err = U_ZERO_ERROR;
    UConverter* c = ucnv_open(name.c_str(), &err);
    if (U_SUCCESS(err) && c) return converter_ptr(c);
    if (c) ucnv_close(c);
  }
  return nullptr;
}

constexpr char16_t kUnmapped = 0xFFFF;  // in the byte table: not defined

// Tables of a single-byte page.
struct single_byte_tables {
  std::array<char16_t, 256> to_unit{};
  std::array<uint8_t, 0x10000> to_byte{};      // valid where has_byte is set
  std::array<bool, 0x10000> has_byte{};
};

// How one code page converts: through tables, or through ICU.
struct codec {
  bool single_byte = false;
  std::unique_ptr<single_byte_tables> tables;
};

// Decodes one byte with ICU, stopping (not substituting) on an unmapped byte.
char16_t icu_decode_byte(UConverter* c, uint8_t b) {
  ucnv_reset(c);
  UErrorCode err = U_ZERO_ERROR;
  ucnv_setToUCallBack(c, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
  UChar out[4];
  const char src = char(b);
  err = U_ZERO_ERROR;
  int32_t n = ucnv_toUChars(c, out, 4, &src, 1, &err);
  if (U_FAILURE(err) || n != 1) return kUnmapped;
  return char16_t(out[0]);
}

std::unique_ptr<single_byte_tables> build_tables(UConverter* c) {
  auto t = std::make_unique<single_byte_tables>();
  for (int b = 0; b < 256; ++b) t->to_unit[size_t(b)] = icu_decode_byte(c, uint8_t(b));
  // IBM tables rotate three control bytes; Windows keeps them as they are.
  if (t->to_unit[0x1A] == 0x001C && t->to_unit[0x1C] == 0x007F &&
      t->to_unit[0x7F] == 0x001A) {
    t->to_unit[0x1A] = 0x001A;
    t->to_unit[0x1C] = 0x001C;
    t->to_unit[0x7F] = 0x007F;
  }
  for (int b = 0; b < 256; ++b) {
    char16_t& u = t->to_unit[size_t(b)];
    if (u == kUnmapped || u == 0xFFFD || (u >= 0xDC80 && u <= 0xDCFF)) {
      u = char16_t(0xDC00 + b);  // undefined: a raw-byte unit
    }
  }
  // Encoding: every mapped unit, first byte wins; raw-byte units always map
  // back to their byte.
  for (int b = 255; b >= 0; --b) {
    char16_t u = t->to_unit[size_t(b)];
    t->to_byte[u] = uint8_t(b);
    t->has_byte[u] = true;
  }
  for (int b = 0x80; b < 256; ++b) {
    t->to_byte[0xDC00u + unsigned(b)] = uint8_t(b);
    t->has_byte[0xDC00u + unsigned(b)] = true;
  }
  return t;
}

// Codecs are built on first use and kept for the life of the process.
const codec* find_codec(int code_page) {
  static std::mutex mutex;
  static std::map<int, std::unique_ptr<codec>> codecs;
  std::lock_guard<std::mutex> lock(mutex);
  auto it = codecs.find(code_page);
  if (it != codecs.end()) return it->second.get();
  std::unique_ptr<codec> made;
  if (converter_ptr c = open_converter(code_page)) {
    made = std::make_unique<codec>();
    if (ucnv_getMaxCharSize(c.get()) == 1) {
      made->single_byte = true;
      made->tables = build_tables(c.get());
    }
  }
  const codec* result = made.get();
  codecs.emplace(code_page, std::move(made));
  return result;
}

uint32_t icu_decode(int code_page, std::string_view bytes, std::u16string& out) {
  converter_ptr c = open_converter(code_page);
  if (!c) return kInvalidParameter;
  size_t base = out.size();
  out.resize(base + bytes.size() * 2 + 16);
  UChar* target = reinterpret_cast<UChar*>(out.data() + base);
  UChar* target_end = reinterpret_cast<UChar*>(out.data() + out.size());
  const char* source = bytes.data();
  UErrorCode err = U_ZERO_ERROR;
  ucnv_toUnicode(c.get(), &target, target_end, &source, bytes.data() + bytes.size(),
                 nullptr, true, &err);
  out.resize(size_t(reinterpret_cast<char16_t*>(target) - out.data()));
  return U_FAILURE(err) ? uint32_t(kInvalidParameter) : 0u;
}

uint32_t icu_encode(int code_page, std::u16string_view text, std::string& out) {
  converter_ptr c = open_converter(code_page);
  if (!c) return kInvalidParameter;
  UErrorCode err = U_ZERO_ERROR;
  ucnv_setSubstChars(c.get(), "?", 1, &err);
  err = U_ZERO_ERROR;
  size_t base = out.size();
  size_t room = text.size() * size_t(ucnv_getMaxCharSize(c.get())) + 16;
  out.resize(base + room);
  char* target = out.data() + base;
  const UChar* source = reinterpret_cast<const UChar*>(text.data());
  ucnv_fromUnicode(c.get(), &target, out.data() + out.size(), &source,
                   source + text.size(), nullptr, true, &err);
  out.resize(size_t(target - out.data()));
  return U_FAILURE(err) ? uint32_t(kInvalidParameter) : 0u;
}

}  // namespace

bool code_page_known(int code_page) { return find_codec(code_page) != nullptr; }

uint32_t decode_code_page(int code_page, std::string_view bytes,
                          std::u16string& out) {
  const codec* c = find_codec(code_page);
  if (!c) return kInvalidParameter;
  if (!c->single_byte) return icu_decode(code_page, bytes, out);
  const auto& to_unit = c->tables->to_unit;
  size_t base = out.size();
  out.resize(base + bytes.size());
  char16_t* o = out.data() + base;
  for (unsigned char b : bytes) *o++ = to_unit[b];
  return 0;
}

uint32_t encode_code_page(int code_page, std::u16string_view text,
                          std::string& out) {
  const codec* c = find_codec(code_page);
  if (!c) return kInvalidParameter;
  if (!c->single_byte) return icu_encode(code_page, text, out);
  const single_byte_tables& t = *c->tables;
  size_t base = out.size();
  out.resize(base + text.size());
  char* o = out.data() + base;
  for (char16_t u : text) *o++ = t.has_byte[u] ? char(t.to_byte[u]) : '?';
  return 0;
}

}  // namespace vyn::platform
