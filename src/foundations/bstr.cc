#include "foundations/bstr.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "foundations/check.h"

namespace vyn {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

int ascii_lower(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
}

// Byte comparison over at most n bytes (n < 0: to the NUL), optionally
// ignoring ASCII case.
int compare_bytes(const char* a, const char* b, long long n, bool nocase) {
  for (long long i = 0; n < 0 || i < n; ++i) {
    int ca = static_cast<unsigned char>(a[i]);
    int cb = static_cast<unsigned char>(b[i]);
    if (nocase) {
      ca = ascii_lower(static_cast<unsigned char>(ca));
      cb = ascii_lower(static_cast<unsigned char>(cb));
    }
    if (ca != cb) return ca - cb;
    if (ca == 0) return 0;
  }
  return 0;
}

}  // namespace

// BStr: the storage-changing slots do nothing in the view itself.
void BStr::assign(const char*, unsigned) {}
void BStr::assign(const BStr&) {}
void BStr::insert(const char*, unsigned, unsigned) {}
const char* BStr::format(const char*, ...) { return data; }

void BStr::erase(int32_t pos, int32_t n) {
  if (n == 0) n = length - pos;
  if (pos < 0 || n < 0 || int64_t(pos) + n > length) {
    throw_guard_failure("..\\Src\\gen\\BStr", 73);
  }
  std::memmove(data + pos, data + pos + n, size_t(length - pos - n) + 1);
  length -= n;
  apply_flags();
}

void BStr::cut_tail(int32_t n) {
  if (!data) return;
  if (n >= length) {
    clear();
  } else if (n > 0) {
    length -= n;
    data[length] = '\0';
  }
  apply_flags();
}

void BStr::clear() {
  length = 0;
  if (data) data[0] = '\0';
}

void BStr::trim_left() {
  if (!data) return;
  int32_t i = 0;
  while (i < length && is_blank(data[i])) ++i;
  if (i > 0) {
    std::memmove(data, data + i, size_t(length - i) + 1);
    length -= i;
  }
}

void BStr::trim_right() {
  if (!data) return;
  while (length > 0 && is_blank(data[length - 1])) --length;
  data[length] = '\0';
}

void BStr::trim() {
  trim_left();
  trim_right();
}

void BStr::unquote() {
  if (length < 2 || data[0] != '"' || data[length - 1] != '"') return;
  const char* second = std::strchr(data + 1, '"');
  if (second != data + length - 1) return;
  std::memmove(data, data + 1, size_t(length - 2));
  length -= 2;
  data[length] = '\0';
}

void BStr::apply_flags() {
  if (flags & kTrimLeft) trim_left();
  if (flags & kTrimRight) trim_right();
}

TCmpRes BStr::compare(const char* other, int mode) const {
  const char* self = c_str();
  if (!other) other = "";
  long long n = (mode & kPrefix) ? (long long)std::strlen(other) : -1;
  return TCmpRes(compare_bytes(self, other, n, (mode & kIgnoreCase) != 0));
}

TCmpRes BStr::compare(const BStr& other, int mode) const {
  return compare(other.c_str(), mode);
}

// Str

Str::Str() { reserve_for(0); }

Str::Str(const char* s, uint32_t f) {
  flags = f;
  reserve_for(0);
  assign(s);
}

Str::Str(const Str& other) : BStr() {
  flags = other.flags;
  reserve_for(0);
  set_bytes(other.c_str(), size_t(other.length));
}

Str& Str::operator=(const Str& other) {
  if (this != &other) assign(other);
  return *this;
}

void Str::reserve_for(size_t n) {
  if (buffer_.size() >= n + 1 && n != 0) return;
  size_t bytes = n - (n % 32) + 32;
  buffer_.resize(bytes);
  data = buffer_.data();
  if (n == 0 || length == 0) data[0] = '\0';
}

void Str::set_bytes(const char* s, size_t n) {
  // s may point into our own buffer, which reserve_for may move.
  std::string copy(s, n);
  reserve_for(n);
  std::memcpy(data, copy.data(), n);
  data[n] = '\0';
  length = int32_t(n);
  apply_flags();
}

void Str::assign(const char* s, unsigned max) {
  if (!s) s = "";
  size_t n = std::strlen(s);
  if (max != 0 && max <= n) n = max;
  set_bytes(s, n);
}

void Str::assign(const BStr& other) {
  if (&other == this) return;
  set_bytes(other.c_str(), size_t(other.length));
}

void Str::insert(const char* s, unsigned pos, unsigned count) {
  if (!s) return;
  if (count == 0) count = unsigned(std::strlen(s));
  if (count == 0) return;
  if (pos > unsigned(length)) pos = unsigned(length);
  std::string piece(s, count);
  reserve_for(size_t(length) + count);
  std::memmove(data + pos + count, data + pos, size_t(length) - pos + 1);
  std::memcpy(data + pos, piece.data(), count);
  length += int32_t(count);
  apply_flags();
}

void Str::append(const char* s) {
  if (!s) return;
  insert(s, unsigned(length));
}

const char* Str::format(const char* pattern, ...) {
  va_list args;
  va_start(args, pattern);
  va_list again;
  va_copy(again, args);
  int n = std::vsnprintf(data, buffer_.size(), pattern, args);
  va_end(args);
  if (n >= 0 && size_t(n) >= buffer_.size()) {
    reserve_for(size_t(n));
    n = std::vsnprintf(data, buffer_.size(), pattern, again);
  }
  va_end(again);
  length = n < 0 ? 0 : n;
  data[length] = '\0';
  apply_flags();
  return data;
}

}  // namespace vyn
