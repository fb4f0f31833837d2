#include "engine/insert_actions.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "foundations/exceptions.h"
#include "tests_util.h"

namespace vyn {
namespace {

struct insert_case {
  const char* name;
  std::function<string_action*()> make;
  std::u16string in, out;
  int32_t count;
};

class Insert : public ::testing::TestWithParam<insert_case> {};

TEST_P(Insert, Transforms) {
  std::unique_ptr<string_action> a(GetParam().make());
  auto [out, count] = run_once(*a, GetParam().in);
  EXPECT_EQ(out, GetParam().out);
  EXPECT_EQ(count, GetParam().count);
}

string_action* at(int32_t line, int32_t column, std::u16string t = u"+") {
  return new string_insert(t, line, column);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Insert,
    ::testing::Values(
        insert_case{"before", [] { return new string_insert_before(u"-", u"+"); }, u"a-b-c", u"a+-b+-c", 2},
        insert_case{"after", [] { return new string_insert_after(u"-", u"+"); }, u"a-b-c", u"a-+b-+c", 2},
        insert_case{"before not rescanned", [] { return new string_insert_before(u"-", u"-"); }, u"a-b", u"a--b", 1},
        insert_case{"after not rescanned", [] { return new string_insert_after(u"ab", u"ab"); }, u"abab", u"abababab", 2},
        insert_case{"before no overlap", [] { return new string_insert_before(u"aa", u"|"); }, u"aaa", u"|aaa", 1},
        insert_case{"before at ends", [] { return new string_insert_before(u"x", u"<"); }, u"xax", u"<xa<x", 2},
        insert_case{"after at end", [] { return new string_insert_after(u"x", u">"); }, u"ax", u"ax>", 1},
        insert_case{"before empty text", [] { return new string_insert_before(u"x", u"<"); }, u"", u"", 0},
        insert_case{"before i", [] { return new string_insert_before_i(u"B", u"^"); }, u"abAB", u"a^bA^B", 2},
        insert_case{"after i", [] { return new string_insert_after_i(u"я", u"!"); }, u"Яя", u"Я!я!", 2},
        insert_case{"regex before", [] { return new string_insert_before_regex_plain(regex(u"x*"), u"<"); }, u"axb", u"a<xb", 1},
        insert_case{"regex after", [] { return new string_insert_after_regex_plain(regex(u"[0-9]+"), u"!"); }, u"a12b3", u"a12!b3!", 2},
        insert_case{"regex caret each search", [] { return new string_insert_before_regex_plain(regex(u"^a"), u"|"); }, u"aaa", u"|a|a|a", 3},
        insert_case{"regex icase", [] { return new string_insert_after_regex_plain(regex(u"b", true), u"."); }, u"bB", u"b.B.", 2},
        insert_case{"regex empty text", [] { return new string_insert_before_regex_plain(regex(u"x*"), u"<"); }, u"", u"", 0},
        insert_case{"line 0 col 0", [] { return at(0, 0); }, u"abc", u"+abc", 1},
        insert_case{"line 0 empty text", [] { return at(0, 0); }, u"", u"", 0},
        insert_case{"line 0 at end", [] { return at(0, 3); }, u"abc", u"abc", 0},
        insert_case{"line 0 col 2", [] { return at(0, 2); }, u"abc", u"ab+c", 1},
        insert_case{"line 1", [] { return at(1, 0); }, u"a\nb", u"a\n+b", 1},
        insert_case{"line 2 missing", [] { return at(2, 0); }, u"a\nb", u"a\nb", 0},
        insert_case{"column past line", [] { return at(0, 2); }, u"a\nbc", u"a\n+bc", 1},
        insert_case{"cr is a character", [] { return at(1, 1); }, u"a\r\nbc", u"a\r\nb+c", 1},
        insert_case{"negative column", [] { return at(1, -1); }, u"a\nb", u"a+\nb", 1},
        insert_case{"negative too far", [] { return at(0, -1); }, u"ab", u"ab", 0},
        insert_case{"last line", [] { return at(-1, 0); }, u"a\nb", u"a\n+b", 1},
        insert_case{"last line empty", [] { return at(-1, 0); }, u"a\n", u"a\n+", 1},
        insert_case{"second last", [] { return at(-2, 1); }, u"ab\ncd\nef", u"ab\nc+d\nef", 1},
        insert_case{"first from end", [] { return at(-3, 0); }, u"ab\ncd\nef", u"+ab\ncd\nef", 1},
        insert_case{"too few lines", [] { return at(-4, 0); }, u"ab\ncd\nef", u"ab\ncd\nef", 0},
        insert_case{"negative on empty", [] { return at(-1, 0); }, u"", u"+", 1},
        insert_case{"append", [] { return new string_append(u"END"); }, u"ab", u"abEND", 1},
        insert_case{"append empty", [] { return new string_append(u"x"); }, u"", u"x", 1},
        insert_case{"append nothing", [] { return new string_append(u""); }, u"ab", u"ab", 1}),
    [](const auto& info) { return test_name(info.param.name); });

TEST(Insert, NegativeLinePastTheEndFails) {
  string_insert a(u"+", -1, 5);
  std::u16string text = u"a\nb";
  a.set_text(&text);
  EXPECT_THROW(a.execute(), std::out_of_range);
  EXPECT_EQ(text, u"a\nb");
  EXPECT_EQ(a.count, 0);
}

TEST(Insert, CountsAddUpOverRunsExceptRegexForms) {
  string_insert_before before(u"a", u"+");
  run_once(before, u"aa");
  run_once(before, u"a");
  EXPECT_EQ(before.count, 3);
  string_insert_before_regex_plain rx(regex(u"a"), u"+");
  run_once(rx, u"aa");
  run_once(rx, u"a");
  EXPECT_EQ(rx.count, 1);
  run_once(rx, u"");
  EXPECT_EQ(rx.count, 0);
}

TEST(Insert, EmptySampleIsRefused) {
  EXPECT_THROW(string_insert_before(u"", u"x"), windows_error);
  EXPECT_THROW(string_insert_after_i(u"", u"x"), windows_error);
}

}  // namespace
}  // namespace vyn
