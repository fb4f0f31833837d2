// Replacement of a literal sample by literal text: every occurrence or the
// listed ones, comparing exactly or ignoring case.
#ifndef VYN_ENGINE_PLAIN_ACTIONS_H_
#define VYN_ENGINE_PLAIN_ACTIONS_H_

#include <string>

#include "engine/string_action_set.h"
#include "foundations/unit_search.h"
#include "tasks/occurrence_list.h"

namespace vyn {

// Throws windows_error (87) for an empty sample: the actions that search for
// every occurrence cannot advance over an empty one.
void require_sample(const std::u16string& sample);

// Every occurrence, left to right, without overlap; inserted text is not
// searched again. Adds the replacements to count.
class string_replace : public string_action {
 public:
  string_replace(std::u16string sample, std::u16string replacement);
  string_replace& execute() override;
  string_replace* clone() const override { return new string_replace(*this); }

  std::u16string sample;
  std::u16string replacement;
};

class string_replace_i : public string_action {
 public:
  string_replace_i(std::u16string sample, std::u16string replacement);
  string_replace_i& execute() override;
  string_replace_i* clone() const override { return new string_replace_i(*this); }

  std::u16string sample;
  std::u16string replacement;

 private:
  nocase_sample folded_;
};

// Only the occurrences whose numbers are listed: n counts from the start
// (1 is the first), -n from the end (-1 is the last). Occurrences are
// numbered as they are met: after one that is not replaced the search goes
// on from the unit after its start, so a self-overlapping sample is found
// again inside it. count is this run's replacements (an empty sample
// replaces nothing and leaves count alone).
class string_replace_occurences : public string_action {
 public:
  string_replace_occurences(std::u16string sample, std::u16string replacement,
                            occurrence_set occurrences);
  string_replace_occurences& execute() override;
  string_replace_occurences* clone() const override {
    return new string_replace_occurences(*this);
  }

  std::u16string sample;
  std::u16string replacement;
  occurrence_set occurrences;
};

class string_replace_occurences_i : public string_action {
 public:
  string_replace_occurences_i(std::u16string sample,
                              std::u16string replacement,
                              occurrence_set occurrences);
  string_replace_occurences_i& execute() override;
  string_replace_occurences_i* clone() const override {
    return new string_replace_occurences_i(*this);
  }

  std::u16string sample;
  std::u16string replacement;
  occurrence_set occurrences;
};

// True when occurrence n of total is listed, as n or as n - total - 1.
inline bool occurrence_selected(const occurrence_set& set, int64_t n,
                                int64_t total) {
  return set.count(int32_t(n)) || set.count(int32_t(n - total - 1));
}

}  // namespace vyn

#endif  // VYN_ENGINE_PLAIN_ACTIONS_H_
