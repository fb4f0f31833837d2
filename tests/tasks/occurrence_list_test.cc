#include "tasks/occurrence_list.h"

#include <string>

#include <gtest/gtest.h>

#include "foundations/exceptions.h"

namespace vyn {
namespace {

struct list_case {
  std::u16string text;
  occurrence_set expected;
};

class OccurrenceList : public ::testing::TestWithParam<list_case> {};

TEST_P(OccurrenceList, Parses) {
  occurrence_set s;
  parse_occurrence_list(s, GetParam().text);
  EXPECT_EQ(s, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Items, OccurrenceList,
    ::testing::Values(
        list_case{u"2,4,6-8,-3,-1", {-3, -1, 2, 4, 6, 7, 8}},
        list_case{u" 1, 3 - 5 ", {1, 3, 4, 5}},
        list_case{u"1,\r\n2", {1, 2}},
        list_case{u"5-3", {}},
        list_case{u"x,2", {2}},
        list_case{u"0,-0", {}},
        list_case{u"0-2", {0, 1, 2}},
        list_case{u"-3--1", {}},
        list_case{u"+3,1e2,3.5,--2,1-,-,", {}},
        list_case{u"", {}},
        list_case{u"2,2,1-2", {1, 2}},
        list_case{u"\t7", {}},  // only blanks, CR and LF are removed
        list_case{u"99999999999,-99999999999",
                  {-2147483647 - 1, 2147483647}},
        list_case{u"2147483646-99999999999", {2147483646, 2147483647}}));

TEST(OccurrenceListLimit, HugeRangeIsRefusedAndAddsNothing) {
  occurrence_set s{5};
  try {
    parse_occurrence_list(s, u"1,1-2000000000");
    FAIL() << "no exception";
  } catch (const windows_error& e) {
    EXPECT_EQ(e.code(), 87u);
    EXPECT_NE(e.message().find(u"1-2000000000"), std::u16string::npos);
  }
  EXPECT_EQ(s, occurrence_set{5});
}

TEST(OccurrenceListLimit, ManyRangesTogetherAreRefused) {
  occurrence_set s;
  EXPECT_THROW(parse_occurrence_list(s, u"1-6000000,10000001-16000000"),
               windows_error);
  EXPECT_TRUE(s.empty());
}

TEST(OccurrenceListLimit, TheLimitItselfIsAccepted) {
  occurrence_set s;
  parse_occurrence_list(s, u"1-10000000");
  EXPECT_EQ(s.size(), 10000000u);
  EXPECT_EQ(*s.rbegin(), 10000000);
}

TEST(OccurrenceList, AddsToAnExistingSet) {
  occurrence_set s{9};
  parse_occurrence_list(s, u"1");
  EXPECT_EQ(s, (occurrence_set{1, 9}));
}

}  // namespace
}  // namespace vyn
