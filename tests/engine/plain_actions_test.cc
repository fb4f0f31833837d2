#include "engine/plain_actions.h"

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "foundations/exceptions.h"
#include "tests_util.h"

namespace vyn {
namespace {

struct plain_case {
  const char* name;
  std::function<string_action*()> make;
  std::u16string in, out;
  int32_t count;
};

class PlainReplace : public ::testing::TestWithParam<plain_case> {};

TEST_P(PlainReplace, Transforms) {
  std::unique_ptr<string_action> a(GetParam().make());
  auto [out, count] = run_once(*a, GetParam().in);
  EXPECT_EQ(out, GetParam().out) << GetParam().name;
  EXPECT_EQ(count, GetParam().count) << GetParam().name;
}

string_action* all(std::u16string s, std::u16string r) {
  return new string_replace(s, r);
}
string_action* all_i(std::u16string s, std::u16string r) {
  return new string_replace_i(s, r);
}
string_action* listed(std::u16string s, std::u16string r, occurrence_set o) {
  return new string_replace_occurences(s, r, o);
}
string_action* listed_i(std::u16string s, std::u16string r, occurrence_set o) {
  return new string_replace_occurences_i(s, r, o);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlainReplace,
    ::testing::Values(
        plain_case{"two", [] { return all(u"bc", u"X"); }, u"abcabc", u"aXaX", 2},
        plain_case{"no overlap", [] { return all(u"aa", u"b"); }, u"aaaa", u"bb", 2},
        plain_case{"odd overlap", [] { return all(u"aa", u"b"); }, u"aaa", u"ba", 1},
        plain_case{"not rescanned", [] { return all(u"a", u"aa"); }, u"aa", u"aaaa", 2},
        plain_case{"delete", [] { return all(u"-", u""); }, u"a-b--c", u"abc", 3},
        plain_case{"empty text", [] { return all(u"a", u"b"); }, u"", u"", 0},
        plain_case{"no match", [] { return all(u"zz", u"b"); }, u"abc", u"abc", 0},
        plain_case{"case kept", [] { return all(u"A", u"b"); }, u"aA", u"ab", 1},
        plain_case{"nocase", [] { return all_i(u"aB", u"-"); }, u"xAbx", u"x-x", 1},
        plain_case{"nocase cyrillic", [] { return all_i(u"ёж", u"*"); }, u"ЁЖ ёж Ёж", u"* * *", 3},
        plain_case{"nocase after partial", [] { return all_i(u"ab", u"_"); }, u"aab", u"a_", 1},
        plain_case{"list 2,-1", [] { return listed(u"a", u"_", {2, -1}); }, u"a1a2a3a4", u"a1_2a3_4", 2},
        plain_case{"beyond total", [] { return listed(u"a", u"_", {5}); }, u"a1a2a3", u"a1a2a3", 0},
        plain_case{"-3 of 3", [] { return listed(u"a", u"_", {-3}); }, u"a1a2a3", u"_1a2a3", 1},
        plain_case{"-4 of 3", [] { return listed(u"a", u"_", {-4, 0}); }, u"a1a2a3", u"a1a2a3", 0},
        plain_case{"all listed", [] { return listed(u"a", u"bb", {1, 2, 3}); }, u"aaa", u"bbbbbb", 3},
        // "aa" in "aaaa": the first pass counts 2 (0 and 2). In the second,
        // occurrence 1 at 0 is skipped, so the search resumes at 1 and the
        // overlapping "aa" at 1 takes number 2.
        plain_case{"overlap skip", [] { return listed(u"aa", u"X", {2}); }, u"aaaa", u"aXa", 1},
        plain_case{"overlap -1", [] { return listed(u"aa", u"X", {-1}); }, u"aaaa", u"aXa", 1},
        plain_case{"overlap 1", [] { return listed(u"aa", u"X", {1}); }, u"aaaa", u"Xaa", 1},
        plain_case{"overlap 3", [] { return listed(u"aa", u"X", {3}); }, u"aaaaa", u"aaXa", 1},
        plain_case{"list nocase", [] { return listed_i(u"A", u"_", {-1}); }, u"aAa", u"aA_", 1},
        plain_case{"list nocase overlap", [] { return listed_i(u"Aa", u"_", {2}); }, u"aAAa", u"a_a", 1},
        plain_case{"empty text listed", [] { return listed(u"a", u"_", {1}); }, u"", u"", 0},
        plain_case{"empty sample listed", [] { return listed(u"", u"_", {1}); }, u"abc", u"abc", 0}),
    [](const auto& info) { return test_name(info.param.name); });

TEST(PlainReplace, EmptySampleIsRefusedWhenBuilt) {
  EXPECT_THROW(string_replace(u"", u"x"), windows_error);
  EXPECT_THROW(string_replace_i(u"", u"x"), windows_error);
  try {
    string_replace(u"", u"x");
  } catch (const windows_error& e) {
    EXPECT_EQ(e.code(), 87u);
  }
}

TEST(PlainReplace, OccurrenceCountsOnlyTheLastRunAndEmptySampleKeepsCount) {
  string_replace_occurences a(u"", u"x", {1});
  a.count = 7;
  run_once(a, u"abc");
  EXPECT_EQ(a.count, 7);  // an empty sample returns before resetting
  string_replace_occurences b(u"a", u"x", {1});
  b.count = 7;
  run_once(b, u"bcd");
  EXPECT_EQ(b.count, 0);  // a non-empty sample resets even without a hit
}

}  // namespace
}  // namespace vyn
