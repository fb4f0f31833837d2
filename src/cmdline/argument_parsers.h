// The argument parsers of the framework: flags, repeated positional
// arguments, regular expressions and plain texts with backslash-quote,
// escape texts, subvalue lists, and file names with a code page.
#ifndef VYN_CMDLINE_ARGUMENT_PARSERS_H_
#define VYN_CMDLINE_ARGUMENT_PARSERS_H_

#include <string>
#include <vector>

#include "cmdline/commandline_parser.h"
#include "textfiles/code_page.h"

namespace vyn {

using argument_parser = commandline_parser::argument_parser;

// A switch that sets the caller's boolean (cleared at construction). Given
// with a value (-i:yes) it answers 87 with the value.
class commandline_bool_argument_parser : public argument_parser {
 public:
  commandline_bool_argument_parser(std::u16string name, bool* flag);
  result parse(const std::u16string& line, size_t& cursor) override;

  bool* flag;
  std::u16string value_text;
};

// Appends every value to the caller's vector; may be given any number of
// times. With an empty name: the positional arguments.
class commandline_multiargument_parser : public argument_parser {
 public:
  commandline_multiargument_parser(std::u16string name,
                                   std::vector<std::u16string>* values);
  result parse(const std::u16string& line, size_t& cursor) override;
  result match_item(const std::u16string& name, const std::u16string& value,
                    const std::vector<std::u16string>& parts) override;
  bool allows_repeats() const override { return true; }

  std::vector<std::u16string>* values;
  std::u16string value_text;
};

// A value form only (-name:value). A quoted value may hold blanks; inside it
// a backslash-quote stands for a quote and a backslash pair stays as it is.
class commandline_argument_regex_parser : public argument_parser {
 public:
  commandline_argument_regex_parser(std::u16string name, std::u16string* value);
  result parse(const std::u16string& line, size_t& cursor) override;

  std::u16string* value;
};

// As the regex parser, then the value is decoded as escape text.
class commandline_argument_escape_parser : public commandline_argument_regex_parser {
 public:
  using commandline_argument_regex_parser::commandline_argument_regex_parser;
  result parse(const std::u16string& line, size_t& cursor) override;
};

// -name:a,b,"c, d" into the caller's vector, or the bare -name, which sets
// `present` with an empty list (never counted as a repeat).
class commandline_argument_subvalues_parser : public argument_parser {
 public:
  commandline_argument_subvalues_parser(std::u16string name, bool* present,
                                        std::vector<std::u16string>* subvalues);
  // With a flag of its own.
  commandline_argument_subvalues_parser(std::u16string name,
                                        std::vector<std::u16string>* subvalues);
  result parse(const std::u16string& line, size_t& cursor) override;

  std::u16string value_text;
  bool* present;
  std::vector<std::u16string>* subvalues;

 private:
  bool own_present_ = false;
};

// -name:file[,code page]: one or two subvalues, else 87 with the text the
// argument took. The code page is auto unless the second names one.
class commandline_filename_parser : public commandline_argument_subvalues_parser {
 public:
  commandline_filename_parser(std::u16string name, std::u16string* file_name,
                              text_file_code_page* code_page);
  result parse(const std::u16string& line, size_t& cursor) override;

  std::u16string* file_name;
  text_file_code_page* code_page;
  std::vector<std::u16string> own_subvalues;
};

}  // namespace vyn

#endif  // VYN_CMDLINE_ARGUMENT_PARSERS_H_
