#include "cmdline/commandline_parser.h"

#include "foundations/exceptions.h"
#include "foundations/wide_string.h"
#include "platform/command_line.h"
#include "platform/error_codes.h"

namespace vyn {
namespace {

result answer(uint32_t code, std::u16string text = {}) {
  return result(code, std::move(text), severity_error);
}

bool blank(char16_t c) { return is_blank_unit(c); }

}  // namespace

// argument_parser

commandline_parser::argument_parser::argument_parser(std::u16string n,
                                                     std::u16string* t)
    : name(std::move(n)), target(t) {
  register_argument_parser_code();
}

const regex& commandline_parser::argument_parser::value_form() const {
  if (value_form_.empty()) value_form_ = regex(u"^[-/]" + name + u":", true);
  return value_form_;
}

const regex& commandline_parser::argument_parser::switch_form() const {
  if (switch_form_.empty()) {
    switch_form_ = regex(u"^[-/]" + name + u"$|^[-/]" + name + u"\\s", true);
  }
  return switch_form_;
}

const regex& commandline_parser::argument_parser::bare_form() const {
  if (bare_form_.empty()) bare_form_ = regex(u"^[-/]" + name, true);
  return bare_form_;
}

std::ptrdiff_t commandline_parser::argument_parser::match_at(const regex& re,
                                                             const std::u16string& line,
                                                             size_t cursor) {
  regex_matcher m(re);
  // The rest of the line is searched as a text of its own, anchored at its
  // start: "$" is its end.
  std::u16string_view rest = std::u16string_view(line).substr(cursor);
  if (!m.search(rest, 0, kMatchAnchored)) return -1;
  return std::ptrdiff_t(m.end());
}

bool commandline_parser::argument_parser::count_once() {
  ++count;
  return count == 1 || allows_repeats();
}

result commandline_parser::argument_parser::parse(const std::u16string& line,
                                                  size_t& cursor) {
  used_value_form = false;
  if (name.empty()) return parse_positional(line, cursor);
  const size_t end = line.size();
  std::ptrdiff_t n = match_at(value_form(), line, cursor);
  if (n >= 0) {
    size_t start = cursor + size_t(n);  // just after the ":"
    if (start >= end || blank(line[start])) return answer(87, line.substr(cursor));
    if (!count_once()) return answer(1247, line.substr(cursor, size_t(n) - 1));
    size_t stop;
    std::u16string value;
    if (line[start] == u'"') {
      size_t i = start + 1;
      while (i < end && !(line[i] == u'"' && (i + 1 == end || blank(line[i + 1])))) ++i;
      value = line.substr(start + 1, i - start - 1);
      stop = i;  // on the closing quote, or the end
    } else {
      size_t i = start;
      while (i < end && !blank(line[i])) ++i;
      value = line.substr(start, i - start);
      stop = i;  // on the blank, or the end
    }
    if (target) *target = value;
    used_value_form = true;
    cursor = stop < end ? stop + 1 : end;
    return result();
  }
  n = match_at(switch_form(), line, cursor);
  if (n >= 0) {
    // The match holds the blank that ended the option, unless it ended the
    // line.
    std::u16string typed = line.substr(cursor, size_t(n));
    bool ends_in_blank = !typed.empty() && blank(typed.back());
    if (!count_once()) {
      return answer(1247, ends_in_blank ? typed.substr(0, typed.size() - 1) : typed);
    }
    cursor += size_t(n) - (ends_in_blank ? 1 : 0);
    return result();
  }
  return answer(50, line.substr(cursor));
}

result commandline_parser::argument_parser::parse_positional(const std::u16string& line,
                                                             size_t& cursor) {
  const size_t end = line.size();
  if (cursor < end && (line[cursor] == u'-' || line[cursor] == u'/') && cursor + 1 < end &&
      !(path_mode && line[cursor] == u'/')) {
    return answer(50, line.substr(cursor));  // options are not positional
  }
  if (!count_once()) return answer(1247, line.substr(cursor));
  bool quoted = false;
  size_t i = cursor;
  for (; i < end; ++i) {
    if (line[i] == u'"') quoted = !quoted;
    else if (!quoted && blank(line[i])) break;
  }
  if (quoted) return answer(87, line.substr(cursor));
  std::u16string value = line.substr(cursor, i - cursor);
  strip_pair(value, u'"');
  if (target) *target = value;
  cursor = i;
  return result();
}

result commandline_parser::argument_parser::match_item(
    const std::u16string& item_name, const std::u16string& value,
    const std::vector<std::u16string>&) {
  if (name.empty()) {
    if (!item_name.empty()) return answer(50);
  } else {
    // The item's name ("-t" or "/t") against the name pattern.
    std::u16string probe = item_name + u":";
    if (match_at(value_form(), probe, 0) != std::ptrdiff_t(probe.size())) return answer(50);
  }
  if (!count_once()) return answer(1247, item_name);
  if (target) *target = value;
  return result();
}

// commandline_parser

commandline_parser::commandline_parser()
    : task(0), command_line(platform::process_command_line()) {}

void commandline_parser::reset_counts() {
  for (auto* n = argument_parsers.head; n; n = n->next) n->item->count = 0;
}

commandline_parser& commandline_parser::execute() {
  reset_counts();
  std::u16string line = command_line.empty() ? platform::process_command_line() : command_line;
  trim_set(line, u" ");
  wstring_list items;
  split_command_line(items, line, u' ', u'\\');
  result total;
  for (size_t k = 1; k < items.size(); ++k) {
    const std::u16string& item = items[k];
    std::u16string item_name, value;
    if (!item.empty() && (item[0] == u'-' || item[0] == u'/')) {
      size_t colon = item.find(u':');
      item_name = item.substr(0, colon);
      value = colon == std::u16string::npos ? std::u16string() : item.substr(colon + 1);
    } else {
      value = item;
    }
    wstring_list parts;
    split_at_string(parts, value, u",");
    if (parts.size() == 1) trim_char(value, u'"');
    for (auto& p : parts) trim_char(p, u'"');
    result r = answer(50, item_name + u" ");
    bool taken = false;
    result last_other;
    bool have_other = false;
    for (auto* n = argument_parsers.head; n && !taken; n = n->next) {
      result a = n->item->match_item(item_name, value, parts);
      if (a.code() == 0) taken = true;
      else if (a.code() != 50) {
        last_other = a;
        have_other = true;
      }
    }
    if (taken) continue;
    r = have_other ? last_other : r;
    total += result(r.code(), item, severity_error);
  }
  if (!total.ok()) throw windows_error(total);
  return *this;
}

// commandline_customized_parser

commandline_customized_parser& commandline_customized_parser::execute() {
  reset_counts();
  const std::u16string& line = command_line;
  const size_t end = line.size();
  size_t cursor = 0;
  // The program name: up to the first blank outside double quotes.
  for (bool quoted = false; cursor < end; ++cursor) {
    if (line[cursor] == u'"') quoted = !quoted;
    else if (!quoted && blank(line[cursor])) break;
  }
  for (;;) {
    while (cursor < end && blank(line[cursor])) ++cursor;
    if (cursor >= end) return *this;
    result r = answer(50, line.substr(cursor));
    for (auto* n = argument_parsers.head; n && r.code() == 50; n = n->next) {
      r = n->item->parse(line, cursor);
    }
    if (r.code() == 50 && platform::kSlashStartsPaths && line[cursor] == u'/') {
      // No option claims it: an absolute path, for the positional parser.
      for (auto* n = argument_parsers.head; n && r.code() == 50; n = n->next) {
        if (!n->item->name.empty()) continue;
        n->item->path_mode = true;
        r = n->item->parse(line, cursor);
        n->item->path_mode = false;
      }
    }
    if (!r.ok()) throw windows_error(r);
  }
}

}  // namespace vyn
