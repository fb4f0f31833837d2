#include "foundations/wide_string.h"

#include <algorithm>
#include <cstring>


namespace vyn {
namespace {

bool in_set(const char16_t* set, char16_t c) {
  for (; *set; ++set) {
    if (*set == c) return true;
  }
  return false;
}

}  // namespace

void trim_char_left(std::u16string& s, char16_t c) {
  size_t i = 0;
  while (i < s.size() && s[i] == c) ++i;
  s.erase(0, i);
}

void trim_char_right(std::u16string& s, char16_t c) {
  size_t n = s.size();
  while (n > 0 && s[n - 1] == c) --n;
  s.resize(n);
}

void trim_char(std::u16string& s, char16_t first, char16_t last) {
  trim_char_left(s, first);
  trim_char_right(s, last ? last : first);
}

void trim_set_left(std::u16string& s, const char16_t* set) {
  size_t i = 0;
  while (i < s.size() && in_set(set, s[i])) ++i;
  s.erase(0, i);
}

void trim_set_right(std::u16string& s, const char16_t* set) {
  size_t n = s.size();
  while (n > 0 && in_set(set, s[n - 1])) --n;
  s.resize(n);
}

void trim_set(std::u16string& s, const char16_t* first_set,
              const char16_t* last_set) {
  trim_set_left(s, first_set);
  trim_set_right(s, last_set ? last_set : first_set);
}

void strip_pair(std::u16string& s, char16_t open, char16_t close) {
  if (!close) close = open;
  size_t b = 0, e = s.size();
  while (e - b >= 2 && s[b] == open && s[e - 1] == close) {
    ++b;
    --e;
  }
  if (b) s = s.substr(b, e - b);
}

std::ptrdiff_t find_exact(std::u16string_view s, std::u16string_view what,
                          size_t from) {
  if (from > s.size()) return npos16;
  if (what.empty()) return std::ptrdiff_t(from);
  const char16_t* p = find_sample(s.data() + from, s.data() + s.size(),
                                  what.data(), what.size());
  return p ? p - s.data() : npos16;
}

std::ptrdiff_t find_nocase(std::u16string_view s, std::u16string_view what,
                           size_t from) {
  if (from > s.size()) return npos16;
  if (what.empty()) return std::ptrdiff_t(from);
  nocase_sample sample(what);
  const char16_t* p = sample.find(s.data() + from, s.data() + s.size());
  return p ? p - s.data() : npos16;
}

namespace {

// Replaces every match that `next_match` finds by `with`. A replacement
// no longer than the sample is done in place: what is written never
// overtakes what is still to be searched. A longer one builds a new text.
template <class FindNext>
size_t replace_matches(std::u16string& s, size_t what_len,
                       std::u16string_view with, FindNext next_match) {
  char16_t* const begin = s.data();
  const char16_t* const end = begin + s.size();
  const char16_t* hit = next_match(begin, end);
  if (!hit) return 0;
  size_t n = 0;
  if (with.size() <= what_len) {
    char16_t* w = const_cast<char16_t*>(hit);
    const char16_t* p = hit;
    while (hit) {
      if (w != p) std::memmove(w, p, size_t(hit - p) * sizeof(char16_t));
      w += hit - p;
      std::memcpy(w, with.data(), with.size() * sizeof(char16_t));
      w += with.size();
      p = hit + what_len;
      ++n;
      hit = next_match(p, end);
    }
    if (w != p) std::memmove(w, p, size_t(end - p) * sizeof(char16_t));
    w += end - p;
    s.resize(size_t(w - begin));
    return n;
  }
  std::u16string out;
  out.reserve(s.size() + s.size() / 8);
  const char16_t* p = begin;
  while (hit) {
    out.append(p, hit);
    out.append(with);
    p = hit + what_len;
    ++n;
    hit = next_match(p, end);
  }
  out.append(p, end);
  s.swap(out);
  return n;
}

}  // namespace

size_t replace_all(std::u16string& s, std::u16string_view what,
                   std::u16string_view with) {
  if (what.empty()) return 0;
  return replace_matches(s, what.size(), with,
                         [&](const char16_t* b, const char16_t* e) {
                           return find_sample(b, e, what.data(), what.size());
                         });
}

size_t replace_all_nocase(std::u16string& s, std::u16string_view what,
                          std::u16string_view with) {
  if (what.empty()) return 0;
  return replace_all_nocase(s, nocase_sample(what), with);
}

size_t replace_all_nocase(std::u16string& s, const nocase_sample& what,
                          std::u16string_view with) {
  if (what.size() == 0) return 0;
  return replace_matches(
      s, what.size(), with,
      [&](const char16_t* b, const char16_t* e) { return what.find(b, e); });
}

void to_upper(std::u16string& s) {
  const char16_t* table = platform::upper_table();
  for (auto& c : s) c = table[c];
}

TCmpRes compare_nocase(std::u16string_view a, std::u16string_view b) {
  const char16_t* table = platform::upper_table();
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    char16_t x = table[a[i]], y = table[b[i]];
    if (x != y) return TCmpRes(x < y ? -1 : 1);
  }
  return TCmpRes(a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0));
}

void erase_chars(std::u16string& s, std::u16string_view set) {
  std::erase_if(s, [&](char16_t c) {
    return set.find(c) != std::u16string_view::npos;
  });
}

int32_t leading_integer(std::u16string_view s) {
  size_t i = 0;
  while (i < s.size() && is_blank_unit(s[i])) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) negative = s[i++] == u'-';
  int64_t v = 0;
  for (; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i) {
    v = std::min<int64_t>(v * 10 + (s[i] - u'0'), int64_t(1) << 32);
  }
  v = negative ? -v : v;
  return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

size_t split_at_string(wstring_list& list, std::u16string_view s,
                       std::u16string_view sep) {
  if (sep.empty()) {
    list.emplace_back(s);
    return list.size();
  }
  size_t start = 0;
  for (;;) {
    size_t hit = s.find(sep, start);
    if (hit == std::u16string_view::npos) break;
    list.emplace_back(s.substr(start, hit - start));
    start = hit + sep.size();
  }
  list.emplace_back(s.substr(start));
  return list.size();
}

size_t split_quoted(wstring_list& list, std::u16string_view s, char16_t sep) {
  const bool white = is_blank_unit(sep);
  std::u16string piece;
  bool quoted = false;
  size_t i = 0;
  auto flush = [&] {
    strip_pair(piece, u'"');
    list.push_back(std::move(piece));
    piece.clear();
  };
  while (i < s.size()) {
    char16_t c = s[i++];
    if (c == u'"') {
      quoted = !quoted;
      piece.push_back(c);
    } else if (c == sep && !quoted) {
      flush();
      if (white) {
        while (i < s.size() && is_blank_unit(s[i])) ++i;
      }
    } else {
      piece.push_back(c);
    }
  }
  if (!(white && piece.empty())) flush();
  return list.size();
}

size_t split_command_line(wstring_list& list, std::u16string_view s,
                          char16_t sep, char16_t escape) {
  std::u16string piece;
  size_t quotes = 0;           // unescaped quotes in the piece
  bool first_quoted = false;   // the piece starts with an unescaped quote
  bool last_quoted = false;    // the last unit added is an unescaped quote
  bool quoted = false;
  const bool white = is_blank_unit(sep);
  auto flush = [&] {
    if (piece.size() > 2 && quotes == 2 && first_quoted && last_quoted) {
      piece = piece.substr(1, piece.size() - 2);
    }
    list.push_back(std::move(piece));
    piece.clear();
    quotes = 0;
    first_quoted = last_quoted = false;
  };
  size_t i = 0;
  while (i < s.size()) {
    char16_t c = s[i++];
    if (c == escape && i < s.size()) {
      piece.push_back(c);
      piece.push_back(s[i++]);
      last_quoted = false;
    } else if (c == u'"') {
      if (piece.empty()) first_quoted = true;
      piece.push_back(c);
      ++quotes;
      quoted = !quoted;
      last_quoted = true;
    } else if (c == sep && !quoted) {
      flush();
      if (white) {
        while (i < s.size() && is_blank_unit(s[i])) ++i;
      }
    } else {
      piece.push_back(c);
      last_quoted = false;
    }
  }
  flush();
  return list.size();
}

}  // namespace vyn
