// Replacement of regular-expression matches: all matches or the listed
// ones, by formatted text ($n group references) or literal text.
#ifndef VYN_ENGINE_REGEX_ACTIONS_H_
#define VYN_ENGINE_REGEX_ACTIONS_H_

#include <string>

#include "engine/regex.h"
#include "engine/string_action_set.h"
#include "tasks/occurrence_list.h"

namespace vyn {

// Every match, replaced by the expansion of a format. With no_copy the text
// between matches is dropped and each match contributes only its expansion
// (or, with an empty format, the matched text itself). When there is a
// match, count becomes this run's matches; otherwise it is left alone.
class string_regex_replace : public string_action {
 public:
  string_regex_replace(regex expression, std::u16string format, bool no_copy);
  string_regex_replace& execute() override;
  string_regex_replace* clone() const override {
    return new string_regex_replace(*this);
  }

  regex expression;
  std::u16string replacement;
  uint8_t no_copy;
};

// Every match, replaced by literal text. count becomes this run's matches.
class string_regex_replace_plain : public string_action {
 public:
  string_regex_replace_plain(std::u16string_view pattern,
                             std::u16string replacement);
  string_regex_replace_plain(regex expression, std::u16string replacement);
  string_regex_replace_plain& execute() override;
  string_regex_replace_plain* clone() const override {
    return new string_regex_replace_plain(*this);
  }

  regex expression;
  std::u16string replacement;
};

// The listed matches (numbered as in the plain occurrence classes), each
// search starting where the last one left off as if the text began there.
// Adds the replacements to count.
class string_regex_replace_occurences : public string_action {
 public:
  string_regex_replace_occurences(std::u16string_view pattern,
                                  std::u16string format,
                                  occurrence_set occurrences,
                                  bool ignore_case);
  string_regex_replace_occurences& execute() override;
  string_regex_replace_occurences* clone() const override {
    return new string_regex_replace_occurences(*this);
  }

  regex expression;
  std::u16string replacement;
  occurrence_set occurrences;
};

class string_regex_replace_plain_occurences : public string_action {
 public:
  string_regex_replace_plain_occurences(std::u16string_view pattern,
                                        std::u16string replacement,
                                        occurrence_set occurrences);
  string_regex_replace_plain_occurences(regex expression,
                                        std::u16string replacement,
                                        occurrence_set occurrences);
  string_regex_replace_plain_occurences& execute() override;
  string_regex_replace_plain_occurences* clone() const override {
    return new string_regex_replace_plain_occurences(*this);
  }

  regex expression;
  std::u16string replacement;
  occurrence_set occurrences;
};

}  // namespace vyn

#endif  // VYN_ENGINE_REGEX_ACTIONS_H_
