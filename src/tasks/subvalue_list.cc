#include "tasks/subvalue_list.h"

namespace vyn {
namespace {

bool is_blank(char16_t c) { return c == u' ' || c == u'\t'; }

}  // namespace

void read_subvalue_list(std::u16string_view line, size_t& cursor,
                        std::vector<std::u16string>& out) {
  const size_t end = line.size();
  size_t i = cursor;
  for (;;) {
    if (i < end && line[i] == u'"') {
      size_t start = i + 1;
      size_t close = start;
      while (close < end &&
             !(line[close] == u'"' &&
               (close + 1 == end || is_blank(line[close + 1]) ||
                line[close + 1] == u','))) {
        ++close;
      }
      out.emplace_back(line.substr(start, close - start));
      if (close >= end || close + 1 == end) {
        i = end;
        break;
      }
      i = close + 1;  // on the comma or the blank after the quote
    } else {
      size_t stop = i;
      while (stop < end && line[stop] != u',' && !is_blank(line[stop])) ++stop;
      out.emplace_back(line.substr(i, stop - i));
      i = stop;
    }
    if (i < end && line[i] == u',') {
      ++i;
      continue;
    }
    break;  // a blank (cursor stays on it) or the end
  }
  cursor = i;
}

}  // namespace vyn
