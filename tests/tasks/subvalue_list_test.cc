#include "tasks/subvalue_list.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vyn {
namespace {

struct subvalue_case {
  std::u16string line;     // the list starts at its first unit
  std::vector<std::u16string> values;
  size_t cursor;           // where reading stops
};

class SubvalueList : public ::testing::TestWithParam<subvalue_case> {};

TEST_P(SubvalueList, Reads) {
  std::vector<std::u16string> out{u"kept"};
  size_t cursor = 0;
  read_subvalue_list(GetParam().line, cursor, out);
  std::vector<std::u16string> expected{u"kept"};
  expected.insert(expected.end(), GetParam().values.begin(), GetParam().values.end());
  EXPECT_EQ(out, expected);
  EXPECT_EQ(cursor, GetParam().cursor);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, SubvalueList,
    ::testing::Values(
        subvalue_case{u"ansi,utf8", {u"ansi", u"utf8"}, 9},
        subvalue_case{u"ansi,utf8 *.txt", {u"ansi", u"utf8"}, 9},
        subvalue_case{u"\"a b\",c", {u"a b", u"c"}, 7},
        subvalue_case{u"\"a b\"", {u"a b"}, 5},
        subvalue_case{u"\"a b\" x", {u"a b"}, 5},
        subvalue_case{u"\"list file.txt\",utf8 *", {u"list file.txt", u"utf8"}, 20},
        subvalue_case{u"\"a,b\"", {u"a,b"}, 5},
        subvalue_case{u"\"a\"b\" c", {u"a\"b"}, 5},     // inner quote kept
        subvalue_case{u"\"open to end", {u"open to end"}, 12},
        subvalue_case{u"a,,b", {u"a", u"", u"b"}, 4},
        subvalue_case{u"a,", {u"a", u""}, 2},
        subvalue_case{u"", {u""}, 0},
        subvalue_case{u"x\ty", {u"x"}, 1},
        subvalue_case{u"0,1,2 rest", {u"0", u"1", u"2"}, 5}));

TEST(SubvalueList, StartsAtTheCursor) {
  std::u16string line = u"-cp:oem,1251 mask";
  size_t cursor = 4;
  std::vector<std::u16string> out;
  read_subvalue_list(line, cursor, out);
  EXPECT_EQ(out, (std::vector<std::u16string>{u"oem", u"1251"}));
  EXPECT_EQ(cursor, 12u);
}

}  // namespace
}  // namespace vyn
