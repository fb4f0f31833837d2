#include "tasks/occurrence_list.h"

#include <limits>
#include <string_view>
#include <vector>

#include "foundations/exceptions.h"
#include "foundations/wformat.h"
#include "foundations/wide_string.h"
#include "platform/error_codes.h"
#include "platform/locale_info.h"

namespace vyn {
namespace {

bool all_digits(std::u16string_view s) {
  if (s.empty()) return false;
  for (char16_t c : s) {
    if (c < u'0' || c > u'9') return false;
  }
  return true;
}

// Decimal value of an optionally signed digit string, saturated at the
// 32-bit limits.
int64_t saturated_value(std::u16string_view s) {
  bool negative = !s.empty() && s[0] == u'-';
  if (negative) s.remove_prefix(1);
  int64_t v = 0;
  const int64_t cap = int64_t(std::numeric_limits<int32_t>::max()) + 1;
  for (char16_t c : s) {
    v = v * 10 + (c - u'0');
    if (v > cap) v = cap;
  }
  if (negative) return -v < std::numeric_limits<int32_t>::min()
                        ? std::numeric_limits<int32_t>::min() : -v;
  return v > std::numeric_limits<int32_t>::max()
             ? std::numeric_limits<int32_t>::max() : v;
}

[[noreturn]] void refuse(std::u16string_view item) {
  const bool russian =
      platform::interface_language() == platform::language::russian;
  throw windows_error(
      wformat(russian ? u"Слишком много номеров вхождений в \"%s\": не более %d"
                      : u"Too many occurrence numbers in \"%s\": at most %d",
              item, int64_t(kMaxOccurrenceNumbers)),
      platform::kInvalidParameter);
}

}  // namespace

void parse_occurrence_list(occurrence_set& set, const std::u16string& text) {
  std::u16string clean = text;
  erase_chars(clean, u" \r\n");
  wstring_list items;
  split_at_string(items, clean, u",");

  struct span { int64_t first, last; };
  std::vector<span> spans;
  int64_t total = int64_t(set.size());
  for (const std::u16string& item : items) {
    std::u16string_view v(item);
    std::u16string_view digits = v.starts_with(u'-') ? v.substr(1) : v;
    if (all_digits(digits)) {
      int64_t n = saturated_value(v);
      if (n != 0) {
        spans.push_back({n, n});
        total += 1;
      }
      continue;
    }
    size_t dash = v.find(u'-');
    if (dash == std::u16string_view::npos) continue;
    std::u16string_view a = v.substr(0, dash), b = v.substr(dash + 1);
    if (!all_digits(a) || !all_digits(b)) continue;
    int64_t first = saturated_value(a), last = saturated_value(b);
    if (last < first) continue;
    total += last - first + 1;
    if (total > kMaxOccurrenceNumbers) refuse(item);
    spans.push_back({first, last});
  }
  if (total > kMaxOccurrenceNumbers) refuse(text);
  for (const span& s : spans) {
    for (int64_t n = s.first; n <= s.last; ++n) set.insert(int32_t(n));
  }
}

}  // namespace vyn
