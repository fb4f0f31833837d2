#include "engine/plain_actions.h"

#include "foundations/exceptions.h"
#include "foundations/wide_string.h"
#include "platform/error_codes.h"

namespace vyn {
namespace {

// The occurrence-list replacement over any search. find(text, from) gives
// the index of the next occurrence at or after from, or npos16.
//
// The result equals replacing the selected occurrences in place one after
// another: after a replacement the search resumes behind it and the text
// there is unchanged, so the output is built in one pass instead.
template <class Find>
int32_t replace_listed(std::u16string& text, size_t sample_len,
                       const std::u16string& replacement,
                       const occurrence_set& occurrences, Find find) {
  int64_t total = 0;
  for (std::ptrdiff_t hit = find(text, 0); hit != npos16;
       hit = find(text, size_t(hit) + sample_len)) {
    ++total;
  }
  if (total == 0) return 0;
  std::u16string out;
  size_t copied = 0;
  int32_t replaced = 0;
  int64_t n = 0;
  for (std::ptrdiff_t hit = find(text, 0); hit != npos16;) {
    ++n;
    if (occurrence_selected(occurrences, n, total)) {
      if (replaced == 0) out.reserve(text.size());
      out.append(text, copied, size_t(hit) - copied);
      out.append(replacement);
      copied = size_t(hit) + sample_len;
      ++replaced;
      hit = find(text, copied);
    } else {
      hit = find(text, size_t(hit) + 1);
    }
  }
  if (replaced) {
    out.append(text, copied);
    text.swap(out);
  }
  return replaced;
}

}  // namespace

void require_sample(const std::u16string& sample) {
  if (sample.empty()) {
    throw windows_error(u"The search text is empty.",
                        platform::kInvalidParameter);
  }
}

string_replace::string_replace(std::u16string s, std::u16string r)
    : sample(std::move(s)), replacement(std::move(r)) {
  require_sample(sample);
}

string_replace& string_replace::execute() {
  count += int32_t(replace_all(bound_text(), sample, replacement));
  return *this;
}

string_replace_i::string_replace_i(std::u16string s, std::u16string r)
    : sample(std::move(s)), replacement(std::move(r)),
      folded_((require_sample(sample), sample)) {}

string_replace_i& string_replace_i::execute() {
  count += int32_t(replace_all_nocase(bound_text(), folded_, replacement));
  return *this;
}

string_replace_occurences::string_replace_occurences(std::u16string s,
                                                     std::u16string r,
                                                     occurrence_set o)
    : sample(std::move(s)), replacement(std::move(r)), occurrences(std::move(o)) {}

string_replace_occurences& string_replace_occurences::execute() {
  std::u16string& t = bound_text();
  if (sample.empty()) return *this;
  count = replace_listed(t, sample.size(), replacement, occurrences,
                         [&](const std::u16string& s, size_t from) {
                           return find_exact(s, sample, from);
                         });
  return *this;
}

string_replace_occurences_i::string_replace_occurences_i(std::u16string s,
                                                         std::u16string r,
                                                         occurrence_set o)
    : sample(std::move(s)), replacement(std::move(r)), occurrences(std::move(o)) {}

string_replace_occurences_i& string_replace_occurences_i::execute() {
  std::u16string& t = bound_text();
  if (sample.empty()) return *this;
  nocase_sample folded(sample);
  count = replace_listed(
      t, sample.size(), replacement, occurrences,
      [&](const std::u16string& s, size_t from) -> std::ptrdiff_t {
        if (from > s.size()) return npos16;
        const char16_t* hit = folded.find(s.data() + from, s.data() + s.size());
        return hit ? hit - s.data() : npos16;
      });
  return *this;
}

}  // namespace vyn
