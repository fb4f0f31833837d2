// The command-line parser framework: a parser holds an ordered queue of
// argument parsers, each of which recognises one option (or the positional
// arguments) and stores its value into a variable of the caller's.
//
// Options start with "-" or "/" and a name; names are ECMAScript
// alternations matched ignoring case, such as "(spt|searchplaintext)".
// Every answer is a result whose code is 0 (recognised and stored), 50 (not
// this parser's argument), 87 (the value is missing or malformed) or 1247
// (given again where repeats are not allowed); all but 0 are failed.
#ifndef VYN_CMDLINE_COMMANDLINE_PARSER_H_
#define VYN_CMDLINE_COMMANDLINE_PARSER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/regex.h"
#include "foundations/queue.h"
#include "foundations/result.h"
#include "tasks/task.h"

namespace vyn {

class commandline_parser : public task {
 public:
  // Recognises one option, or with an empty name the positional arguments.
  class argument_parser {
   public:
    // `target` is where a value goes; owned by the caller (or the parser).
    argument_parser(std::u16string name, std::u16string* target);
    virtual ~argument_parser() = default;

    // Tries to recognise the argument at `cursor` in `line`; on success the
    // cursor moves past it.
    virtual result parse(const std::u16string& line, size_t& cursor);
    // Tries an item already split from the command line (name up to the
    // ":", value after it, the value's comma-separated parts).
    virtual result match_item(const std::u16string& name, const std::u16string& value,
                              const std::vector<std::u16string>& parts);
    virtual bool allows_repeats() const { return false; }

    int32_t count = 0;
    std::u16string name;
    std::u16string* target;

    // Set by the parser while it offers an argument that starts with "/"
    // and that no option claimed: a positional parser then takes it.
    bool path_mode = false;

   protected:
    // The positional parser's reading of the argument at the cursor. In
    // path mode an argument that starts with "/" is taken too.
    result parse_positional(const std::u16string& line, size_t& cursor);

    // The patterns for this option's forms, compiled once (ignoring case).
    const regex& value_form() const;   // ^[-/]name:
    const regex& switch_form() const;  // ^[-/]name$|^[-/]name\s
    const regex& bare_form() const;    // ^[-/]name
    // Searches a pattern anchored at the cursor; the match's length, or -1.
    static std::ptrdiff_t match_at(const regex& re, const std::u16string& line, size_t cursor);
    // Counts a recognition; false (a repeat that is not allowed) when the
    // option was already counted.
    bool count_once();

    // Whether the last successful parse used the value form.
    bool used_value_form = false;

   private:
    mutable regex value_form_, switch_form_, bare_form_;
  };

  // Takes the process's command line.
  commandline_parser();
  ~commandline_parser() override = default;

  // Takes ownership; parsers are tried in the order added.
  void add(argument_parser* p) { argument_parsers.append(p); }

  // The argument-vector parse: splits the command line into items and
  // offers each to every parser's match_item. Throws windows_error built
  // from the first failure.
  commandline_parser& execute() override;

  Queue<argument_parser> argument_parsers;
  std::u16string command_line;

 protected:
  void reset_counts();
};

// The parse the programs use: a cursor moves over the command line from
// left to right; at each argument the parsers are asked in order until one
// answers something other than 50. An argument no parser claims, a missing
// or malformed value and a forbidden repeat throw windows_error with the
// answer's code and text; values stored before stay stored.
class commandline_customized_parser : public commandline_parser {
 public:
  commandline_customized_parser& execute() override;
};

}  // namespace vyn

#endif  // VYN_CMDLINE_COMMANDLINE_PARSER_H_
