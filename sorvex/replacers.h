// The drivers that apply the program's action set: to files (file mode,
// masks given) or to standard input (stream mode).
#ifndef SORVEX_REPLACERS_H_
#define SORVEX_REPLACERS_H_

#include <cstdint>
#include <string>
#include <vector>

#include "engine/string_action_set.h"
#include "textfiles/file_action.h"

// The base of the two drivers: holds its own copy of the action set.
class replacer : public vyn::text_file_action {
 public:
  explicit replacer(const vyn::string_action_set& set) : actions(set) {}
  // The code the process exits with after execute().
  virtual uint32_t exit_code() const = 0;

  vyn::string_action_set actions;
};

// The reporting file action: the block-wise rewrite of one file with a line
// on standard output (level 1: the path and the code page written; level
// 2: also " : " and the replacements), and a running total.
class text_file_action_stat : public vyn::text_file_block_action {
 public:
  text_file_action_stat& execute() override;

  int32_t total = 0;
  int32_t output_level = 1;
};

// File mode: every mask (recursively with -r) through one reporting action.
// Exit code 2 when anything failed (a mask matching nothing is forgotten
// once a later mask gives anything else), 0 when something was replaced or
// the set is empty (code page conversion), 1 otherwise.
class actions_replacer : public replacer {
 public:
  actions_replacer(const vyn::string_action_set& set, std::vector<std::u16string> masks,
                   bool recursive, int32_t output_level, text_file_code_page read,
                   text_file_code_page write);
  actions_replacer& execute() override;
  uint32_t exit_code() const override { return exit_code_; }

  std::vector<std::u16string> masks;
  text_file_code_page read_code_page;
  text_file_code_page write_code_page;
  bool recursive;
  int32_t output_level;

 private:
  uint32_t exit_code_ = 2;
};

// Stream mode: standard input to standard output line by line. The exit code
// is the number of replacements (at most 255, the largest exit status).
class stream_actions_replacer : public replacer {
 public:
  using replacer::replacer;
  stream_actions_replacer& execute() override;
  uint32_t exit_code() const override;

  int32_t total = 0;
};

#endif  // SORVEX_REPLACERS_H_
