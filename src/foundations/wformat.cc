#include "foundations/wformat.h"

#include <string>

#include "platform/utf.h"

namespace vyn {

int64_t format_arg::as_signed() const {
  switch (kind_) {
    case kind::signed_int: return i_;
    case kind::unsigned_int: return int64_t(u_);
    default: return 0;
  }
}

uint64_t format_arg::as_unsigned() const {
  switch (kind_) {
    case kind::signed_int: return uint64_t(i_);
    case kind::unsigned_int: return u_;
    default: return 0;
  }
}

std::u16string format_arg::as_text() const {
  switch (kind_) {
    case kind::wide: return std::u16string(w_);
    case kind::narrow: return utf8_to_utf16(n_);
    case kind::signed_int: {
      std::string s = std::to_string(i_);
      return std::u16string(s.begin(), s.end());
    }
    case kind::unsigned_int: {
      std::string s = std::to_string(u_);
      return std::u16string(s.begin(), s.end());
    }
  }
  return {};
}

namespace {

struct spec {
  bool left = false, zero = false, plus = false, space = false, alt = false;
  int width = 0;
  int precision = -1;
};

std::u16string digits(uint64_t v, unsigned base, bool upper) {
  const char* set = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  std::u16string s;
  do {
    s.insert(s.begin(), char16_t(set[v % base]));
    v /= base;
  } while (v);
  return s;
}

void pad(std::u16string& out, const spec& sp, std::u16string_view sign,
         std::u16string body, bool numeric) {
  if (numeric && sp.precision >= 0) {
    if (sp.precision == 0 && body == u"0") body.clear();
    while (int(body.size()) < sp.precision) body.insert(body.begin(), u'0');
  }
  int len = int(sign.size() + body.size());
  int fill = sp.width > len ? sp.width - len : 0;
  if (sp.left) {
    out += sign;
    out += body;
    out.append(size_t(fill), u' ');
  } else if (sp.zero && numeric && sp.precision < 0) {
    out += sign;
    out.append(size_t(fill), u'0');
    out += body;
  } else {
    out.append(size_t(fill), u' ');
    out += sign;
    out += body;
  }
}

}  // namespace

std::u16string wformat_args(std::u16string_view pattern,
                            std::initializer_list<format_arg> args) {
  std::u16string out;
  auto next = args.begin();
  auto take = [&]() -> const format_arg* {
    return next == args.end() ? nullptr : &*next++;
  };
  size_t i = 0;
  while (i < pattern.size()) {
    char16_t c = pattern[i++];
    if (c != u'%' || i >= pattern.size()) {
      out += c;
      continue;
    }
    if (pattern[i] == u'%') {
      out += u'%';
      ++i;
      continue;
    }
    spec sp;
    for (; i < pattern.size(); ++i) {
      char16_t f = pattern[i];
      if (f == u'-') sp.left = true;
      else if (f == u'0') sp.zero = true;
      else if (f == u'+') sp.plus = true;
      else if (f == u' ') sp.space = true;
      else if (f == u'#') sp.alt = true;
      else break;
    }
    if (i < pattern.size() && pattern[i] == u'*') {
      ++i;
      if (const format_arg* a = take()) {
        int64_t w = a->as_signed();
        if (w < 0) { sp.left = true; w = -w; }
        sp.width = int(w);
      }
    } else {
      while (i < pattern.size() && pattern[i] >= u'0' && pattern[i] <= u'9')
        sp.width = sp.width * 10 + (pattern[i++] - u'0');
    }
    if (i < pattern.size() && pattern[i] == u'.') {
      ++i;
      sp.precision = 0;
      if (i < pattern.size() && pattern[i] == u'*') {
        ++i;
        if (const format_arg* a = take()) sp.precision = int(a->as_signed());
      } else {
        while (i < pattern.size() && pattern[i] >= u'0' && pattern[i] <= u'9')
          sp.precision = sp.precision * 10 + (pattern[i++] - u'0');
      }
    }
    // Length modifiers: the argument's own type decides.
    while (i < pattern.size()) {
      char16_t m = pattern[i];
      if (m == u'h' || m == u'l' || m == u'z' || m == u'j' || m == u't' ||
          m == u'L') {
        ++i;
      } else if (m == u'I' && pattern.substr(i, 3) == u"I64") {
        i += 3;
      } else {
        break;
      }
    }
    if (i >= pattern.size()) break;
    char16_t conv = pattern[i++];
    const format_arg* a = take();
    if (!a) continue;
    const bool is_text = a->type() == format_arg::kind::wide ||
                         a->type() == format_arg::kind::narrow;
    switch (conv) {
      case u'd':
      case u'i': {
        if (is_text) { pad(out, sp, u"", a->as_text(), false); break; }
        int64_t v = a->type() == format_arg::kind::signed_int
                        ? a->as_signed() : int64_t(a->as_unsigned());
        uint64_t mag = v < 0 ? uint64_t(0) - uint64_t(v) : uint64_t(v);
        std::u16string_view sign = v < 0 ? u"-" : sp.plus ? u"+" : sp.space ? u" " : u"";
        pad(out, sp, sign, digits(mag, 10, false), true);
        break;
      }
      case u'u':
      case u'x':
      case u'X':
      case u'o': {
        if (is_text) { pad(out, sp, u"", a->as_text(), false); break; }
        uint64_t v = a->as_unsigned();
        // A negative value given to an unsigned conversion prints as its
        // 32-bit two's complement when it fits, as printf would.
        if (a->type() == format_arg::kind::signed_int && a->as_signed() < 0 &&
            a->as_signed() >= INT32_MIN) {
          v = uint32_t(a->as_signed());
        }
        unsigned base = conv == u'u' ? 10 : conv == u'o' ? 8 : 16;
        std::u16string_view prefix;
        if (sp.alt && v != 0 && base == 16) prefix = conv == u'X' ? u"0X" : u"0x";
        pad(out, sp, prefix, digits(v, base, conv == u'X'), true);
        break;
      }
      case u'c': {
        std::u16string one(1, char16_t(a->as_unsigned()));
        if (is_text) one = a->as_text().substr(0, 1);
        pad(out, sp, u"", one, false);
        break;
      }
      case u's': {
        std::u16string text = a->as_text();
        if (sp.precision >= 0 && size_t(sp.precision) < text.size())
          text.resize(size_t(sp.precision));
        pad(out, sp, u"", std::move(text), false);
        break;
      }
      default:
        out += u'%';
        out += conv;
        break;
    }
  }
  return out;
}

}  // namespace vyn
