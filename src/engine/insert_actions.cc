#include "engine/insert_actions.h"

#include <stdexcept>

#include "engine/plain_actions.h"
#include "foundations/wide_string.h"

namespace vyn {
namespace {

// Inserts `insert` before (after == false) or after every occurrence that
// `find(from)` reports, left to right; returns the number of insertions.
// The output is built in one pass: after an insertion the search resumes
// behind the occurrence, in text the insertion did not change.
template <class Find>
int32_t insert_at_occurrences(std::u16string& text, size_t sample_len,
                              const std::u16string& insert, bool after,
                              Find find) {
  std::u16string out;
  size_t copied = 0;
  int32_t n = 0;
  for (size_t pos = 0; pos < text.size();) {
    std::ptrdiff_t hit = find(text, pos);
    if (hit == npos16) break;
    if (n == 0) out.reserve(text.size() + insert.size() * 4);
    size_t at = size_t(hit) + (after ? sample_len : 0);
    out.append(text, copied, at - copied);
    out.append(insert);
    copied = at;
    ++n;
    pos = size_t(hit) + sample_len;
  }
  if (n) {
    out.append(text, copied);
    text.swap(out);
  }
  return n;
}

auto exact_finder(const std::u16string& sample) {
  return [&sample](const std::u16string& s, size_t from) {
    return find_exact(s, sample, from);
  };
}

auto folded_finder(const nocase_sample& sample) {
  return [&sample](const std::u16string& s, size_t from) -> std::ptrdiff_t {
    const char16_t* hit = sample.find(s.data() + from, s.data() + s.size());
    return hit ? hit - s.data() : npos16;
  };
}

// Inserts before or after every non-empty match; each search treats its
// start as the beginning of the text.
int32_t insert_at_matches(std::u16string& text, const regex& expression,
                          const std::u16string& insert, bool after) {
  if (text.empty()) return 0;
  regex_matcher m(expression);
  std::u16string out;
  size_t copied = 0;
  int32_t n = 0;
  for (size_t pos = 0; pos < text.size();) {
    if (!m.search(std::u16string_view(text).substr(pos), 0, kMatchNotEmpty)) break;
    if (n == 0) out.reserve(text.size() + insert.size() * 4);
    size_t at = pos + (after ? m.end() : m.begin());
    out.append(text, copied, at - copied);
    out.append(insert);
    copied = at;
    ++n;
    pos += m.end();
  }
  if (n) {
    out.append(text, copied);
    text.swap(out);
  }
  return n;
}

}  // namespace

string_insert_before::string_insert_before(std::u16string s, std::u16string t)
    : insert_text(std::move(t)), sample(std::move(s)) {
  require_sample(sample);
}

string_insert_before& string_insert_before::execute() {
  count += insert_at_occurrences(bound_text(), sample.size(), insert_text,
                                 false, exact_finder(sample));
  return *this;
}

string_insert_before_i::string_insert_before_i(std::u16string s, std::u16string t)
    : insert_text(std::move(t)), sample(std::move(s)),
      folded_((require_sample(sample), sample)) {}

string_insert_before_i& string_insert_before_i::execute() {
  count += insert_at_occurrences(bound_text(), sample.size(), insert_text,
                                 false, folded_finder(folded_));
  return *this;
}

string_insert_after::string_insert_after(std::u16string s, std::u16string t)
    : insert_text(std::move(t)), sample(std::move(s)) {
  require_sample(sample);
}

string_insert_after& string_insert_after::execute() {
  count += insert_at_occurrences(bound_text(), sample.size(), insert_text,
                                 true, exact_finder(sample));
  return *this;
}

string_insert_after_i::string_insert_after_i(std::u16string s, std::u16string t)
    : insert_text(std::move(t)), sample(std::move(s)),
      folded_((require_sample(sample), sample)) {}

string_insert_after_i& string_insert_after_i::execute() {
  count += insert_at_occurrences(bound_text(), sample.size(), insert_text,
                                 true, folded_finder(folded_));
  return *this;
}

string_insert_before_regex_plain::string_insert_before_regex_plain(
    regex e, std::u16string t)
    : insert_text(std::move(t)), expression(std::move(e)) {}

string_insert_before_regex_plain& string_insert_before_regex_plain::execute() {
  count = insert_at_matches(bound_text(), expression, insert_text, false);
  return *this;
}

string_insert_after_regex_plain::string_insert_after_regex_plain(
    regex e, std::u16string t)
    : expression(std::move(e)), insert_text(std::move(t)) {}

string_insert_after_regex_plain& string_insert_after_regex_plain::execute() {
  count = insert_at_matches(bound_text(), expression, insert_text, true);
  return *this;
}

string_insert::string_insert(std::u16string t, int32_t l, int32_t c)
    : insert_text(std::move(t)), line(l), column(c), line_break(u"\n") {}

string_insert& string_insert::execute() {
  std::u16string& t = bound_text();
  const char16_t lf = line_break.empty() ? u'\n' : line_break[0];
  int64_t start = -1;
  if (line >= 0) {
    start = 0;
    for (int32_t k = 0; k < line; ++k) {
      size_t at = t.find(lf, size_t(start));
      if (at == std::u16string::npos) return *this;  // no such line
      start = int64_t(at) + 1;
    }
    int64_t position = start + column;
    if (position < 0 || position >= int64_t(t.size())) return *this;
    t.insert(size_t(position), insert_text);
  } else {
    // Line -k starts after the k-th line feed from the end; line -(feeds+1)
    // is the first line.
    int64_t wanted = -int64_t(line);
    int64_t end = int64_t(t.size());
    for (int64_t k = 0; k < wanted; ++k) {
      if (end < 0) return *this;  // fewer lines than asked for
      size_t at = end == 0 ? std::u16string::npos : t.rfind(lf, size_t(end - 1));
      if (k + 1 == wanted) {
        start = at == std::u16string::npos ? 0 : int64_t(at) + 1;
      }
      end = at == std::u16string::npos ? -1 : int64_t(at);
    }
    int64_t position = start + column;
    if (position < 0 || position > int64_t(t.size())) {
      throw std::out_of_range("invalid string position");
    }
    t.insert(size_t(position), insert_text);
  }
  ++count;
  return *this;
}

string_append::string_append(std::u16string t) : insert_text(std::move(t)) {}

string_append& string_append::execute() {
  bound_text().append(insert_text);
  ++count;
  return *this;
}

}  // namespace vyn
