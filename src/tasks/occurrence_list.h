// Occurrence lists such as "2,4,6-8,-3,-1": which occurrences of a sample to
// process, counted from the start (positive) or from the end (negative).
#ifndef VYN_TASKS_OCCURRENCE_LIST_H_
#define VYN_TASKS_OCCURRENCE_LIST_H_

#include <cstdint>
#include <set>
#include <string>

namespace vyn {

using occurrence_set = std::set<int32_t>;

// The most numbers a list may name in all; ranges are expanded in full.
inline constexpr int64_t kMaxOccurrenceNumbers = 10'000'000;

// Adds the numbers that `text` names to `set` (which is not cleared).
// Blanks, CR and LF are ignored; items are separated by commas. An item is a
// non-zero signed number or a range of unsigned numbers "a-b" (nothing when
// b < a); numbers saturate at the 32-bit limits; any other item is ignored.
// Throws windows_error (87) when the set would hold more than
// kMaxOccurrenceNumbers numbers, before anything is added.
void parse_occurrence_list(occurrence_set& set, const std::u16string& text);

}  // namespace vyn

#endif  // VYN_TASKS_OCCURRENCE_LIST_H_
