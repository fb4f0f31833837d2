// Regular expressions over UTF-16 code units: ECMAScript syntax on PCRE2.
//
// Each code unit is one character. "^" and "$" match at every line start and
// end (CR, LF and CR LF end lines; CR LF counts as one; "^" does not match
// after the line end that closes the text, so a text of whole lines has one
// line start per line), "." matches neither
// CR nor LF, classes, word boundaries and case folding are Unicode-aware.
// Every match runs under a match limit, a depth limit and a bounded JIT
// stack, so a catastrophic expression fails with regex_error instead of
// running away.
#ifndef VYN_ENGINE_REGEX_H_
#define VYN_ENGINE_REGEX_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "foundations/wide_string.h"

namespace vyn {

// A pattern that does not compile, or a match that hit a limit.
class regex_error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A compiled expression. Copies share the compiled program.
class regex {
 public:
  regex() = default;
  // Throws regex_error with the engine's message and the offset in the
  // pattern where compilation failed.
  explicit regex(std::u16string_view pattern, bool ignore_case = false);

  bool empty() const { return !program_; }
  bool ignore_case() const { return ignore_case_; }
  const std::u16string& pattern() const { return pattern_; }
  // Number of capturing groups.
  uint32_t group_count() const;

  struct program;
  const program* compiled() const { return program_.get(); }

 private:
  std::shared_ptr<const program> program_;
  std::u16string pattern_;
  bool ignore_case_ = false;
};

// Search options.
enum : unsigned {
  kMatchNotEmpty = 1,         // no empty match anywhere
  kMatchNotEmptyAtStart = 2,  // no empty match at the start offset
  kMatchAnchored = 4,         // the match must begin at the start offset
};

// Searches one expression; holds the match data of the last search. Not
// copyable: make one per use.
class regex_matcher {
 public:
  explicit regex_matcher(const regex& re);
  ~regex_matcher();
  regex_matcher(const regex_matcher&) = delete;
  regex_matcher& operator=(const regex_matcher&) = delete;

  // Searches `subject` from `start` (earlier units are seen by lookbehind,
  // "^" and "\b", but no match begins before `start`). True on a match;
  // false when there is none. Throws regex_error when a limit is hit.
  bool search(std::u16string_view subject, size_t start, unsigned options = 0);

  // Positions in the subject of the last search. Group 0 is the match.
  size_t begin(uint32_t group = 0) const;
  size_t end(uint32_t group = 0) const;
  bool matched(uint32_t group) const;
  uint32_t group_count() const { return groups_; }
  std::u16string_view subject() const { return subject_; }

 private:
  const regex::program* program_;
  void* match_data_;
  uint32_t groups_;
  std::u16string_view subject_;
};

// The position one character after p: past both units of a CR LF line end,
// which counts as one character, else one unit on.
inline size_t step_over(std::u16string_view text, size_t p) {
  return (p + 1 < text.size() && text[p] == u'\r' && text[p + 1] == u'\n')
             ? p + 2 : p + 1;
}

// Calls f(matcher) for each match of `re` in `text`, left to right, by the
// standard iterator rule: after an empty match at p, a non-empty match
// anchored at p is tried, and failing that the search goes on one character
// after p (so "^" never matches inside a CR LF).
template <class F>
size_t for_each_match(const regex& re, std::u16string_view text, F&& f) {
  regex_matcher m(re);
  size_t n = 0;
  size_t pos = 0;
  unsigned options = 0;
  while (pos <= text.size()) {
    if (!m.search(text, pos, options)) {
      if (options == 0) break;
      // No non-empty match right here: step over one unit.
      options = 0;
      pos = step_over(text, pos);
      continue;
    }
    ++n;
    f(m);
    pos = m.end();
    options = m.begin() == m.end() ? (kMatchNotEmptyAtStart | kMatchAnchored) : 0;
  }
  return n;
}

// Appends to `out` the expansion of an ECMAScript replacement format for the
// current match of `m`: $$ a dollar, $& the match, $` the subject before
// the match, $' the subject after it, $n and $nn a group (two digits when
// that group exists, else one digit, else literal text; an unset group is
// empty). Anything else, including $0 and a final $, is literal.
void append_expansion(std::u16string& out, std::u16string_view format,
                      const regex_matcher& m);

// The same expansion as a new string.
std::u16string expand_format(std::u16string_view format,
                             const regex_matcher& m);

// Appends to `list` each successive non-empty match of `pattern` in `s`;
// returns the size of the list. With ".*" this yields the non-empty lines.
size_t regex_collect(wstring_list& list, std::u16string_view s,
                     std::u16string_view pattern, bool ignore_case);

}  // namespace vyn

#endif  // VYN_ENGINE_REGEX_H_
