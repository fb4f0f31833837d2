// Comma-separated subvalue lists, as in -cp:ansi,utf8 or -f:"a b.txt",utf8.
#ifndef VYN_TASKS_SUBVALUE_LIST_H_
#define VYN_TASKS_SUBVALUE_LIST_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vyn {

// Reads the list that starts at `cursor` in `line` (just after an option's
// ":"), appending each subvalue to `out`, and leaves `cursor` after the list:
// on the blank that ended it, or at the end of the line.
//
// A subvalue in double quotes runs to the next quote that is followed by a
// blank, a comma or the end (or to the end of the line when there is none)
// and may hold blanks and commas; any other subvalue runs to the next comma,
// blank or end, and may be empty. A comma continues the list.
void read_subvalue_list(std::u16string_view line, size_t& cursor,
                        std::vector<std::u16string>& out);

}  // namespace vyn

#endif  // VYN_TASKS_SUBVALUE_LIST_H_
