#include "sorvex/command_line.h"


#include "engine/insert_actions.h"
#include "engine/plain_actions.h"
#include "engine/regex.h"
#include "engine/regex_actions.h"
#include "foundations/exceptions.h"
#include "foundations/wide_string.h"
#include "platform/error_codes.h"
#include "platform/utf.h"
#include "sorvex/string_resources.h"
#include "textfiles/textfile.h"

using vyn::result;
using vyn::windows_error;

namespace {

constexpr uint32_t kInvalid = vyn::platform::kInvalidParameter;

[[noreturn]] void fail(const std::u16string& message) { throw windows_error(message, kInvalid); }
[[noreturn]] void fail(vyn::module* m, uint32_t id) { fail(m->load_string(id)); }

std::u16string read_whole(const std::u16string& name, text_file_code_page cp) {
  vyn::textfile f(name, cp);
  std::u16string text;
  f.read(text);
  return text;
}

// Option names shared by the command line and the list lines.
constexpr char16_t kSearchPlainText[] = u"(spt|searchplaintext|search_plain_text)";
constexpr char16_t kSearchEscapeText[] = u"(set|searchescapetext|search_escape_text)";
constexpr char16_t kSearchPlainFile[] = u"(spf|searchplainfile|search_plain_file)";
constexpr char16_t kSearchRegex[] =
    u"(s|sre|searchregex|search_regex|searchregularexpression|search_regular_expression)";
constexpr char16_t kSearchRegexFile[] =
    u"(srf|searchregexfile|search_regex_file|searchregularexpressionfile|"
    u"search_regular_expression_file)";
constexpr char16_t kIgnoreCase[] = u"(i|ignorecase|ignore_case)";
constexpr char16_t kText[] = u"(t|text)";
constexpr char16_t kEscapeText[] = u"(et|escapetext|escape_text)";
constexpr char16_t kFormattedText[] = u"(ft|formattedtext|formatted_text)";
constexpr char16_t kFormattedEscapeText[] = u"(fet|formattedescapetext|formatted_escape_text)";
constexpr char16_t kFile[] = u"(f|file)";
constexpr char16_t kErase[] = u"(e|erase)";
constexpr char16_t kNoCopy[] = u"(nc|nocopy)";
constexpr char16_t kInsertBefore[] = u"(ib|insertbefore|insert_before)";
constexpr char16_t kInsertAfter[] = u"(ia|insertafter|insert_after)";
constexpr char16_t kInsert[] = u"insert";
constexpr char16_t kOccurrences[] = u"(occ|occurences)";

// What the options of a command line or a list line describe.
struct request {
  std::u16string search, regex, search_file, regex_file;
  text_file_code_page search_cp;
  std::u16string text, formatted, formatted_escape, text_file;
  text_file_code_page text_cp;
  std::u16string occurrences_text;
  bool insert = false;
  std::vector<std::u16string> insert_values;
  bool append = false, before = false, after = false, no_copy = false, erase = false,
       ignore_case = false;

  bool has_occurrences() const { return !occurrences_text.empty(); }
  vyn::occurrence_set occurrences() const {
    vyn::occurrence_set set;
    if (has_occurrences()) {
      vyn::parse_occurrence_list(set, occurrences_text);
      if (set.empty()) fail(u"occurences");
    }
    return set;
  }
  vyn::string_insert* line_insert() const {
    auto value = [&](size_t i) {
      return i < insert_values.size() ? vyn::leading_integer(insert_values[i]) : 0;
    };
    return new vyn::string_insert(text, value(1), value(2));
  }
  vyn::regex expression() const { return vyn::regex(regex, ignore_case); }

  // The search files, read once the options are known.
  void read_search_files() {
    if (!search_file.empty()) search = read_whole(search_file, search_cp);
    else if (!regex_file.empty()) regex = read_whole(regex_file, search_cp);
  }
  // More than one of the search options: 526.
  void check_one_search(vyn::module* m) const {
    int n = !search.empty() + !regex.empty() + !search_file.empty() + !regex_file.empty();
    if (n > 1) fail(m, sorvex::kIdSearchDuplicated);
  }
};

// Builds an action, turning a pattern that does not compile into a bad
// option value (87) with the engine's message.
template <class Make>
vyn::string_action* build(Make make) {
  try {
    return make();
  } catch (const vyn::regex_error& e) {
    fail(vyn::utf8_to_utf16(e.what()));
  }
}

// The action of the command line; null when it describes none.
vyn::string_action* command_line_action(const request& r) {
  const auto& S = r.search;
  const auto& T = r.text;
  const auto& F = r.formatted;
  const bool i = r.ignore_case;
  if (r.append) return new vyn::string_append(T);
  if (r.insert && !T.empty()) return r.line_insert();
  if (!S.empty()) {
    if (r.before) return i ? (vyn::string_action*)new vyn::string_insert_before_i(S, T)
                           : new vyn::string_insert_before(S, T);
    if (r.after) return i ? (vyn::string_action*)new vyn::string_insert_after_i(S, T)
                          : new vyn::string_insert_after(S, T);
    if (r.has_occurrences()) {
      return i ? (vyn::string_action*)new vyn::string_replace_occurences_i(S, T, r.occurrences())
               : new vyn::string_replace_occurences(S, T, r.occurrences());
    }
    return i ? (vyn::string_action*)new vyn::string_replace_i(S, T) : new vyn::string_replace(S, T);
  }
  if (r.regex.empty()) return nullptr;
  return build([&]() -> vyn::string_action* {
    if (!F.empty() && r.has_occurrences()) {
      return new vyn::string_regex_replace_occurences(r.regex, F, r.occurrences(), i);
    }
    if (!F.empty()) return new vyn::string_regex_replace(r.expression(), F, r.no_copy);
    if (r.before) return new vyn::string_insert_before_regex_plain(r.expression(), T);
    if (r.after) return new vyn::string_insert_after_regex_plain(r.expression(), T);
    if (r.has_occurrences()) {
      return new vyn::string_regex_replace_plain_occurences(r.expression(), T, r.occurrences());
    }
    return new vyn::string_regex_replace_plain(r.expression(), T);
  });
}

// The action of a list line: -occ comes before -ib and -ia, and a line
// without a search is an error.
vyn::string_action* list_line_action(const request& r, vyn::module* m) {
  const auto& S = r.search;
  const auto& T = r.text;
  const auto& F = r.formatted;
  const bool i = r.ignore_case;
  if (r.insert && !T.empty()) return r.line_insert();
  if (!S.empty()) {
    if (r.has_occurrences()) {
      return i ? (vyn::string_action*)new vyn::string_replace_occurences_i(S, T, r.occurrences())
               : new vyn::string_replace_occurences(S, T, r.occurrences());
    }
    if (r.before) return i ? (vyn::string_action*)new vyn::string_insert_before_i(S, T)
                           : new vyn::string_insert_before(S, T);
    if (r.after) return i ? (vyn::string_action*)new vyn::string_insert_after_i(S, T)
                          : new vyn::string_insert_after(S, T);
    return i ? (vyn::string_action*)new vyn::string_replace_i(S, T) : new vyn::string_replace(S, T);
  }
  if (r.regex.empty()) fail(m, sorvex::kIdNoSearch);
  return build([&]() -> vyn::string_action* {
    if (!F.empty() && r.has_occurrences()) {
      return new vyn::string_regex_replace_occurences(r.regex, F, r.occurrences(), i);
    }
    if (!F.empty()) return new vyn::string_regex_replace(r.expression(), F, r.no_copy);
    if (r.has_occurrences()) {
      return new vyn::string_regex_replace_plain_occurences(r.expression(), T, r.occurrences());
    }
    if (r.before) return new vyn::string_insert_before_regex_plain(r.expression(), T);
    if (r.after) return new vyn::string_insert_after_regex_plain(r.expression(), T);
    return new vyn::string_regex_replace_plain(r.expression(), T);
  });
}

result answer(uint32_t code, std::u16string text) {
  return result(code, std::move(text), vyn::severity_error);
}

}  // namespace

// -cp

codepages_parser::codepages_parser(text_file_code_page* r, text_file_code_page* w,
                                   vyn::module* m)
    : commandline_argument_subvalues_parser(u"(cp|codepage)", &values), read(r), write(w),
      module(m) {
  *read = text_file_code_page{};
  *write = text_file_code_page{};
}

result codepages_parser::parse(const std::u16string& line, size_t& cursor) {
  result r = commandline_argument_subvalues_parser::parse(line, cursor);
  if (!r.ok()) return r;
  // A bare -cp has no first value to read: refused like too many values.
  if (values.empty() || values.size() > 2) return answer(kInvalid, name);
  *read = vyn::parse_code_page(values[0]);
  if (read->number == vyn::cp_invalid) return answer(kInvalid, name);
  *write = text_file_code_page{};
  if (values.size() == 2) {
    *write = vyn::parse_code_page(values[1]);
    if (write->number == vyn::cp_invalid) return answer(kInvalid, name);
  }
  return r;
}

// -o

output_level_parser::output_level_parser(int32_t* l, vyn::module* m)
    : argument_parser(u"(o|outputlevel)", &value_text), level(l), module(m) {
  *level = 1;
}

result output_level_parser::parse(const std::u16string& line, size_t& cursor) {
  value_text.clear();
  result r = argument_parser::parse(line, cursor);
  if (!r.ok()) return r;
  std::u16string v = value_text;
  vyn::to_upper(v);
  if (v == u"Q" || v == u"QUIET") *level = 0;
  else if (v == u"S" || v == u"SHORT") *level = 1;
  else if (v == u"D" || v == u"DETAILED") *level = 2;
  else return answer(kInvalid, module->load_string(sorvex::kIdWrongOutputLevel));
  return r;
}

// -list

actions_list_parser::actions_list_parser(vyn::module* m, vyn::string_action_set* s)
    : commandline_filename_parser(u"list", &list_name, &list_code_page), set(s), module(m) {}

result actions_list_parser::parse(const std::u16string& line, size_t& cursor) {
  result r = commandline_filename_parser::parse(line, cursor);
  if (!r.ok()) return r;
  read_list();
  return r;
}

result actions_list_parser::match_item(const std::u16string& item_name,
                                       const std::u16string& value,
                                       const std::vector<std::u16string>& parts) {
  result r = argument_parser::match_item(item_name, value, parts);
  if (!r.ok()) return r;
  if (parts.empty() || parts.size() > 2) return answer(kInvalid, item_name);
  list_name = parts[0];
  list_code_page = parts.size() == 2 ? vyn::parse_code_page(parts[1]) : text_file_code_page{};
  read_list();
  return r;
}

void actions_list_parser::read_list() {
  const std::u16string text = read_whole(list_name, list_code_page);
  vyn::wstring_list lines;
  vyn::regex_collect(lines, text, u".*", false);  // the runs between CR and LF
  for (const std::u16string& line : lines) {
    if (line.front() == u'\'') continue;  // a comment
    config_line_parser parser(module, line);
    set->add(parser.make_action());
  }
}

// A list line

config_line_parser::config_line_parser(vyn::module* m, std::u16string line) : module(m) {
  command_line = u"sorvex.exe " + line;
}

vyn::string_action* config_line_parser::make_action() {
  request r;
  add(new vyn::argument_parser(kSearchPlainText, &r.search));
  add(new vyn::commandline_argument_escape_parser(kSearchEscapeText,
                                                  &r.search));
  add(new vyn::commandline_filename_parser(kSearchPlainFile,
                                           &r.search_file, &r.search_cp));
  add(new vyn::commandline_argument_regex_parser(
      kSearchRegex,
      &r.regex));
  add(new vyn::commandline_filename_parser(
      kSearchRegexFile,
      &r.regex_file, &r.search_cp));
  add(new vyn::commandline_bool_argument_parser(kIgnoreCase, &r.ignore_case));
  add(new vyn::argument_parser(kText, &r.text));
  add(new vyn::argument_parser(kFormattedText, &r.formatted));
  add(new vyn::commandline_argument_escape_parser(kEscapeText, &r.text));
  add(new vyn::commandline_filename_parser(kFile, &r.text_file, &r.text_cp));
  add(new vyn::commandline_argument_escape_parser(
      kFormattedEscapeText, &r.formatted));
  add(new vyn::commandline_bool_argument_parser(kErase, &r.erase));
  add(new vyn::commandline_bool_argument_parser(kNoCopy, &r.no_copy));
  add(new vyn::commandline_bool_argument_parser(kInsertBefore, &r.before));
  add(new vyn::commandline_bool_argument_parser(kInsertAfter, &r.after));
  add(new vyn::commandline_argument_subvalues_parser(kInsert, &r.insert, &r.insert_values));
  add(new vyn::argument_parser(kOccurrences, &r.occurrences_text));
  execute();

  r.check_one_search(module);
  if (r.before && r.after) fail(module, sorvex::kIdReplacementDuplicated);
  if (!r.text_file.empty()) {
    if (!r.text.empty()) fail(module, sorvex::kIdTextAndFile);
    r.text = read_whole(r.text_file, r.text_cp);
  }
  r.read_search_files();
  if (!r.search.empty() && !r.formatted.empty()) fail(module, sorvex::kIdSearchWithFormat);
  if (r.has_occurrences()) r.occurrences();  // an empty list is refused here
  return list_line_action(r, module);
}

// The command line

CLParser::CLParser(vyn::module* m, bool* h, bool* n) : module(m), help(h), notitle(n) {}

replacer* CLParser::make_replacer() {
  request r;
  std::vector<std::u16string> masks;
  bool recursive = false;
  int32_t output_level = 1;
  text_file_code_page read_cp, write_cp;

  add(new vyn::commandline_multiargument_parser(u"", &masks));
  add(new vyn::commandline_bool_argument_parser(kIgnoreCase, &r.ignore_case));
  add(new vyn::commandline_bool_argument_parser(kErase, &r.erase));
  add(new vyn::commandline_bool_argument_parser(kNoCopy, &r.no_copy));
  add(new vyn::argument_parser(kSearchPlainText, &r.search));
  add(new vyn::commandline_filename_parser(kSearchPlainFile,
                                           &r.search_file, &r.search_cp));
  add(new vyn::commandline_argument_escape_parser(kSearchEscapeText,
                                                  &r.search));
  add(new vyn::commandline_argument_regex_parser(
      kSearchRegex,
      &r.regex));
  add(new vyn::commandline_filename_parser(
      kSearchRegexFile,
      &r.regex_file, &r.search_cp));
  add(new vyn::argument_parser(kText, &r.text));
  add(new vyn::commandline_argument_escape_parser(kEscapeText, &r.text));
  add(new vyn::argument_parser(kFormattedText, &r.formatted));
  add(new vyn::commandline_argument_escape_parser(
      kFormattedEscapeText, &r.formatted_escape));
  add(new vyn::commandline_filename_parser(kFile, &r.text_file, &r.text_cp));
  add(new vyn::commandline_bool_argument_parser(kInsertBefore, &r.before));
  add(new vyn::commandline_bool_argument_parser(kInsertAfter, &r.after));
  add(new vyn::commandline_bool_argument_parser(u"append", &r.append));
  add(new vyn::commandline_argument_subvalues_parser(kInsert, &r.insert, &r.insert_values));
  add(new vyn::argument_parser(kOccurrences, &r.occurrences_text));
  vyn::string_action_set set;
  add(new actions_list_parser(module, &set));
  add(new output_level_parser(&output_level, module));
  add(new codepages_parser(&read_cp, &write_cp, module));
  add(new vyn::commandline_bool_argument_parser(u"(h|help|\\?)", help));
  add(new vyn::commandline_bool_argument_parser(u"notitle", notitle));
  add(new vyn::commandline_bool_argument_parser(u"(r|recursive)", &recursive));
  execute();
  if (*help) return nullptr;

  r.check_one_search(module);
  int replacements = r.erase + !r.text.empty() + !r.formatted.empty() + !r.text_file.empty() +
                     !r.formatted_escape.empty();
  if (replacements > 1) fail(module, sorvex::kIdReplacementDuplicated);
  if (r.before && r.after) fail(module, sorvex::kIdReplacementDuplicated);
  if (!r.before && !r.after && !r.append && r.insert_values.size() > 1) {
    fail(module, sorvex::kIdReplacementDuplicated);
  }
  if (!r.formatted_escape.empty()) r.formatted = r.formatted_escape;
  r.read_search_files();
  if (!r.search.empty() && !r.formatted.empty()) fail(module, sorvex::kIdSearchWithFormat);
  if (!r.text_file.empty()) {
    if (!r.text.empty()) fail(module, sorvex::kIdTextAndFile);
    r.text = read_whole(r.text_file, r.text_cp);
  }
  if (r.has_occurrences()) r.occurrences();  // an empty list is refused here
  if (vyn::string_action* action = command_line_action(r)) set.add(action);

  if (masks.empty()) {
    if (set.empty()) fail(u"");
    return new stream_actions_replacer(set);
  }
  if (set.empty() && (read_cp == write_cp || write_cp.number == vyn::cp_auto)) {
    fail(module, sorvex::kIdInvalidCodePage);
  }
  return new actions_replacer(set, masks, recursive, output_level, read_cp, write_cp);
}
