// Actions that add text without removing any: before or after occurrences
// of a sample or matches of an expression, at a line and column, or at the
// end. Inserted text is never searched again.
#ifndef VYN_ENGINE_INSERT_ACTIONS_H_
#define VYN_ENGINE_INSERT_ACTIONS_H_

#include <cstdint>
#include <string>

#include "engine/regex.h"
#include "engine/string_action_set.h"
#include "foundations/unit_search.h"

namespace vyn {

// Before (or after) every occurrence of a non-empty sample, exact or
// ignoring case. Adds the insertions to count.
class string_insert_before : public string_action {
 public:
  string_insert_before(std::u16string sample, std::u16string insert_text);
  string_insert_before& execute() override;
  string_insert_before* clone() const override { return new string_insert_before(*this); }

  std::u16string insert_text;
  std::u16string sample;
};

class string_insert_before_i : public string_action {
 public:
  string_insert_before_i(std::u16string sample, std::u16string insert_text);
  string_insert_before_i& execute() override;
  string_insert_before_i* clone() const override { return new string_insert_before_i(*this); }

  std::u16string insert_text;
  std::u16string sample;

 private:
  nocase_sample folded_;
};

class string_insert_after : public string_action {
 public:
  string_insert_after(std::u16string sample, std::u16string insert_text);
  string_insert_after& execute() override;
  string_insert_after* clone() const override { return new string_insert_after(*this); }

  std::u16string insert_text;
  std::u16string sample;
};

class string_insert_after_i : public string_action {
 public:
  string_insert_after_i(std::u16string sample, std::u16string insert_text);
  string_insert_after_i& execute() override;
  string_insert_after_i* clone() const override { return new string_insert_after_i(*this); }

  std::u16string insert_text;
  std::u16string sample;

 private:
  nocase_sample folded_;
};

// Before (or after) every non-empty match of an expression. count is this
// run's insertions.
class string_insert_before_regex_plain : public string_action {
 public:
  string_insert_before_regex_plain(regex expression, std::u16string insert_text);
  string_insert_before_regex_plain& execute() override;
  string_insert_before_regex_plain* clone() const override {
    return new string_insert_before_regex_plain(*this);
  }

  std::u16string insert_text;
  regex expression;
};

class string_insert_after_regex_plain : public string_action {
 public:
  string_insert_after_regex_plain(regex expression, std::u16string insert_text);
  string_insert_after_regex_plain& execute() override;
  string_insert_after_regex_plain* clone() const override {
    return new string_insert_after_regex_plain(*this);
  }

  regex expression;
  std::u16string insert_text;
};

// Once, at a line and a column offset from the line's start; lines end at
// line feeds. Line k >= 0 starts after the k-th line feed, and the text goes
// in only where the position lies inside the text. Line -k counts from the
// end (-1 is the text after the last line feed); there a position past the
// end throws std::out_of_range. Nothing happens when the line does not
// exist. Adds 1 to count when it inserts.
class string_insert : public string_action {
 public:
  string_insert(std::u16string insert_text, int32_t line, int32_t column);
  string_insert& execute() override;
  string_insert* clone() const override { return new string_insert(*this); }

  std::u16string insert_text;
  int32_t line;
  int32_t column;
  std::u16string line_break;
};

// Appends the text, whatever it holds, and adds 1 to count.
class string_append : public string_action {
 public:
  explicit string_append(std::u16string insert_text);
  string_append& execute() override;
  string_append* clone() const override { return new string_append(*this); }

  std::u16string insert_text;
};

}  // namespace vyn

#endif  // VYN_ENGINE_INSERT_ACTIONS_H_
