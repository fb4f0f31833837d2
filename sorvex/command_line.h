// The program's command line: its options, their checks, the action they
// describe and the driver that applies it; and the replacement list file.
#ifndef SORVEX_COMMAND_LINE_H_
#define SORVEX_COMMAND_LINE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "cmdline/argument_parsers.h"
#include "engine/string_action_set.h"
#include "sorvex/replacers.h"
#include "tasks/occurrence_list.h"
#include "textfiles/module.h"

// -cp: the read code page and, when given, the write code page.
class codepages_parser : public vyn::commandline_argument_subvalues_parser {
 public:
  codepages_parser(text_file_code_page* read, text_file_code_page* write, vyn::module* m);
  vyn::result parse(const std::u16string& line, size_t& cursor) override;

  text_file_code_page* read;
  text_file_code_page* write;
  std::vector<std::u16string> values;
  vyn::module* module;
};

// -o: q[uiet] 0, s[hort] 1, d[etailed] 2; short when not given.
class output_level_parser : public vyn::argument_parser {
 public:
  output_level_parser(int32_t* level, vyn::module* m);
  vyn::result parse(const std::u16string& line, size_t& cursor) override;

  int32_t* level;
  std::u16string value_text;
  vyn::module* module;
};

// -list:<file>[,<code page>]: reads the list file at once and appends one
// action per line to the set.
class actions_list_parser : public vyn::commandline_filename_parser {
 public:
  actions_list_parser(vyn::module* m, vyn::string_action_set* set);
  vyn::result parse(const std::u16string& line, size_t& cursor) override;
  vyn::result match_item(const std::u16string& name, const std::u16string& value,
                         const std::vector<std::u16string>& parts) override;

  std::u16string list_name;
  text_file_code_page list_code_page;
  vyn::string_action_set* set;
  vyn::module* module;

 private:
  void read_list();
};

// Parses one line of a list file into one action.
class config_line_parser : public vyn::commandline_customized_parser {
 public:
  config_line_parser(vyn::module* m, std::u16string line);
  // The line's action (the caller owns it); throws windows_error for a line
  // that is wrong.
  vyn::string_action* make_action();

  vyn::module* module;
};

class CLParser : public vyn::commandline_customized_parser {
 public:
  CLParser(vyn::module* m, bool* help, bool* notitle);
  // Parses and checks the command line and returns the driver (the caller
  // owns it), or null when -h was given. Throws windows_error for a command
  // line that is wrong, and lets file errors through.
  replacer* make_replacer();

  vyn::module* module;
  bool* help;
  bool* notitle;
};

#endif  // SORVEX_COMMAND_LINE_H_
