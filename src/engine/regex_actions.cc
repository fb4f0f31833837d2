#include "engine/regex_actions.h"

#include "engine/plain_actions.h"

namespace vyn {
namespace {

// The listed-occurrence replacement shared by the formatted and the literal
// class. Every search sees the text from its start position on, as if the
// text began there. `formatted` selects the format expansion and the
// formatted class's rule of stopping once the position reaches the end.
//
// Replacing in place and resuming behind the replacement leaves the rest of
// the text as it was, so the output is built in one pass instead.
int32_t replace_listed_matches(std::u16string& text, const regex& expression,
                               const std::u16string& replacement,
                               const occurrence_set& occurrences,
                               bool formatted) {
  const size_t len = text.size();
  regex_matcher m(expression);
  auto search_from = [&](size_t pos) {
    return m.search(std::u16string_view(text).substr(pos), 0);
  };

  int64_t total = 0;
  for (size_t pos = 0; search_from(pos);) {
    ++total;
    pos = m.end() == m.begin() ? step_over(text, pos + m.end()) : pos + m.end();
    if (pos > len) break;
  }
  if (total == 0 || (formatted && len == 0)) return 0;

  std::u16string out;
  size_t copied = 0;
  int32_t replaced = 0;
  int64_t n = 0;
  for (size_t pos = 0;;) {
    if (formatted && pos >= len) break;
    if (!search_from(pos)) break;
    ++n;
    const size_t b = pos + m.begin(), e = pos + m.end();
    if (occurrence_selected(occurrences, n, total)) {
      if (replaced == 0) out.reserve(len);
      out.append(text, copied, b - copied);
      if (formatted) {
        append_expansion(out, replacement, m);
      } else {
        out.append(replacement);
      }
      copied = e;
      ++replaced;
    }
    pos = b == e ? step_over(text, e) : e;
    if (pos > len) break;
  }
  if (replaced) {
    out.append(text, copied);
    text.swap(out);
  }
  return replaced;
}

}  // namespace

string_regex_replace::string_regex_replace(regex e, std::u16string f, bool nc)
    : expression(std::move(e)), replacement(std::move(f)), no_copy(nc ? 1 : 0) {}

string_regex_replace& string_regex_replace::execute() {
  std::u16string& t = bound_text();
  std::u16string out;
  size_t copied = 0;
  const bool drop_between = no_copy & 1;
  size_t n = for_each_match(expression, t, [&](const regex_matcher& m) {
    // Replacements tend to be longer than matches: some room to grow.
    if (out.empty()) out.reserve(t.size() + t.size() / 8);
    if (!drop_between) {
      out.append(t, copied, m.begin() - copied);
      append_expansion(out, replacement, m);
    } else if (replacement.empty()) {
      out.append(t, m.begin(), m.end() - m.begin());
    } else {
      append_expansion(out, replacement, m);
    }
    copied = m.end();
  });
  if (n == 0) return *this;
  if (!drop_between) out.append(t, copied);
  t.swap(out);
  count = int32_t(n);
  return *this;
}

string_regex_replace_plain::string_regex_replace_plain(
    std::u16string_view pattern, std::u16string r)
    : expression(pattern), replacement(std::move(r)) {}

string_regex_replace_plain::string_regex_replace_plain(regex e,
                                                       std::u16string r)
    : expression(std::move(e)), replacement(std::move(r)) {}

string_regex_replace_plain& string_regex_replace_plain::execute() {
  std::u16string& t = bound_text();
  std::u16string out;
  size_t copied = 0;
  size_t n = for_each_match(expression, t, [&](const regex_matcher& m) {
    if (out.empty()) out.reserve(t.size());
    out.append(t, copied, m.begin() - copied);
    out.append(replacement);
    copied = m.end();
  });
  count = int32_t(n);
  if (n == 0) return *this;
  out.append(t, copied);
  t.swap(out);
  return *this;
}

string_regex_replace_occurences::string_regex_replace_occurences(
    std::u16string_view pattern, std::u16string f, occurrence_set o,
    bool ignore_case)
    : expression(pattern, ignore_case),
      replacement(std::move(f)),
      occurrences(std::move(o)) {}

string_regex_replace_occurences& string_regex_replace_occurences::execute() {
  count += replace_listed_matches(bound_text(), expression, replacement,
                                  occurrences, true);
  return *this;
}

string_regex_replace_plain_occurences::string_regex_replace_plain_occurences(
    std::u16string_view pattern, std::u16string r, occurrence_set o)
    : expression(pattern), replacement(std::move(r)), occurrences(std::move(o)) {}

string_regex_replace_plain_occurences::string_regex_replace_plain_occurences(
    regex e, std::u16string r, occurrence_set o)
    : expression(std::move(e)), replacement(std::move(r)), occurrences(std::move(o)) {}

string_regex_replace_plain_occurences&
string_regex_replace_plain_occurences::execute() {
  count += replace_listed_matches(bound_text(), expression, replacement,
                                  occurrences, false);
  return *this;
}

}  // namespace vyn
