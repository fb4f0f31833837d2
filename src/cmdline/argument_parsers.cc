#include "cmdline/argument_parsers.h"

#include "foundations/wide_string.h"
#include "tasks/escape_text.h"
#include "tasks/subvalue_list.h"

namespace vyn {
namespace {

result answer(uint32_t code, std::u16string text = {}) {
  return result(code, std::move(text), severity_error);
}

}  // namespace

commandline_bool_argument_parser::commandline_bool_argument_parser(std::u16string n,
                                                                   bool* f)
    : argument_parser(std::move(n), nullptr), flag(f) {
  target = &value_text;
  if (flag) *flag = false;
}

result commandline_bool_argument_parser::parse(const std::u16string& line, size_t& cursor) {
  value_text.clear();
  result r = argument_parser::parse(line, cursor);
  if (!r.ok()) return r;
  if (used_value_form) return answer(87, value_text);
  if (flag) *flag = true;
  return r;
}

commandline_multiargument_parser::commandline_multiargument_parser(
    std::u16string n, std::vector<std::u16string>* v)
    : argument_parser(std::move(n), nullptr), values(v) {
  target = &value_text;
}

result commandline_multiargument_parser::parse(const std::u16string& line, size_t& cursor) {
  result r = argument_parser::parse(line, cursor);
  if (r.ok() && values) values->push_back(value_text);
  return r;
}

result commandline_multiargument_parser::match_item(const std::u16string& item_name,
                                                    const std::u16string& value,
                                                    const std::vector<std::u16string>& parts) {
  result r = argument_parser::match_item(item_name, value, parts);
  if (r.ok() && values) values->push_back(value_text);
  return r;
}

commandline_argument_regex_parser::commandline_argument_regex_parser(std::u16string n,
                                                                     std::u16string* v)
    : argument_parser(std::move(n), v), value(v) {}

result commandline_argument_regex_parser::parse(const std::u16string& line, size_t& cursor) {
  std::ptrdiff_t n = match_at(value_form(), line, cursor);
  if (n < 0) return answer(50);
  const size_t end = line.size();
  const size_t start = cursor + size_t(n);
  if (start >= end || is_blank_unit(line[start])) return answer(87, line.substr(cursor));
  if (!count_once()) return answer(1247, line.substr(cursor, size_t(n) - 1));
  std::u16string v;
  if (line[start] == u'"') {
    size_t i = start + 1;
    while (i < end) {
      if (line[i] == u'\\' && i + 1 < end && (line[i + 1] == u'\\' || line[i + 1] == u'"')) {
        i += 2;
        continue;
      }
      if (line[i] == u'"' && (i + 1 == end || is_blank_unit(line[i + 1]))) break;
      ++i;
    }
    v = line.substr(start + 1, std::min(i, end) - start - 1);
    cursor = i < end ? i + 1 : end;
    replace_all(v, u"\\\"", u"\"");
  } else {
    size_t i = start;
    while (i < end && !is_blank_unit(line[i])) ++i;
    v = line.substr(start, i - start);
    cursor = i < end ? i + 1 : end;
  }
  if (value) *value = std::move(v);
  return result();
}

result commandline_argument_escape_parser::parse(const std::u16string& line, size_t& cursor) {
  result r = commandline_argument_regex_parser::parse(line, cursor);
  if (r.ok() && value) decode_escapes(*value);
  return r;
}

commandline_argument_subvalues_parser::commandline_argument_subvalues_parser(
    std::u16string n, bool* p, std::vector<std::u16string>* s)
    : argument_parser(std::move(n), nullptr), present(p), subvalues(s) {
  target = &value_text;
  if (present) *present = false;
}

commandline_argument_subvalues_parser::commandline_argument_subvalues_parser(
    std::u16string n, std::vector<std::u16string>* s)
    : commandline_argument_subvalues_parser(std::move(n), nullptr, s) {
  present = &own_present_;
}

result commandline_argument_subvalues_parser::parse(const std::u16string& line,
                                                    size_t& cursor) {
  const size_t end = line.size();
  std::ptrdiff_t n = match_at(value_form(), line, cursor);
  if (n < 0) {
    std::ptrdiff_t bare = match_at(bare_form(), line, cursor);
    if (bare < 0) return answer(50);
    size_t after = cursor + size_t(bare);
    if (after < end && !is_blank_unit(line[after])) return answer(50);  // -cpx is not -cp
    if (subvalues) subvalues->clear();
    *present = true;
    cursor = after;
    return result();
  }
  if (subvalues) subvalues->clear();
  const size_t start = cursor + size_t(n);
  if (start >= end || is_blank_unit(line[start])) return answer(87, line.substr(cursor));
  if (!count_once()) return answer(1247, line.substr(cursor, size_t(n) - 1));
  size_t at = start;
  std::vector<std::u16string> scratch;
  read_subvalue_list(line, at, subvalues ? *subvalues : scratch);
  *present = true;
  cursor = at;
  return result();
}

commandline_filename_parser::commandline_filename_parser(std::u16string n,
                                                         std::u16string* f,
                                                         text_file_code_page* cp)
    : commandline_argument_subvalues_parser(std::move(n), nullptr), file_name(f),
      code_page(cp) {
  subvalues = &own_subvalues;
}

result commandline_filename_parser::parse(const std::u16string& line, size_t& cursor) {
  const size_t start = cursor;
  result r = commandline_argument_subvalues_parser::parse(line, cursor);
  if (!r.ok()) return r;
  if (file_name) file_name->clear();
  if (code_page) *code_page = text_file_code_page{};
  if (own_subvalues.empty() || own_subvalues.size() > 2) {
    return answer(87, line.substr(start, cursor - start));
  }
  if (file_name) *file_name = own_subvalues[0];
  if (own_subvalues.size() == 2 && code_page) *code_page = parse_code_page(own_subvalues[1]);
  return r;
}

}  // namespace vyn
