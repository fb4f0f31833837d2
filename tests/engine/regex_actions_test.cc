#include "engine/regex_actions.h"

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "tests_util.h"

namespace vyn {
namespace {

struct regex_case {
  const char* name;
  std::function<string_action*()> make;
  std::u16string in, out;
  int32_t count;
};

class RegexReplace : public ::testing::TestWithParam<regex_case> {};

TEST_P(RegexReplace, Transforms) {
  std::unique_ptr<string_action> a(GetParam().make());
  auto [out, count] = run_once(*a, GetParam().in);
  EXPECT_EQ(out, GetParam().out);
  EXPECT_EQ(count, GetParam().count);
}

string_action* fmt(std::u16string p, std::u16string f, bool nc = false) {
  return new string_regex_replace(regex(p), f, nc);
}
string_action* plain(std::u16string p, std::u16string r) {
  return new string_regex_replace_plain(p, r);
}
string_action* fmt_listed(std::u16string p, std::u16string f, occurrence_set o,
                          bool icase = false) {
  return new string_regex_replace_occurences(p, f, o, icase);
}
string_action* plain_listed(std::u16string p, std::u16string r, occurrence_set o) {
  return new string_regex_replace_plain_occurences(p, r, o);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegexReplace,
    ::testing::Values(
        regex_case{"formatted", [] { return fmt(u"[0-9]+", u"<$&>"); }, u"a1b22", u"a<1>b<22>", 2},
        regex_case{"no copy empty format", [] { return fmt(u"[0-9]+", u"", true); }, u"a1b22", u"122", 2},
        regex_case{"no copy format", [] { return fmt(u"[0-9]+", u"$&;", true); }, u"a1b22", u"1;22;", 2},
        regex_case{"literal dollar", [] { return plain(u"[0-9]+", u"$&"); }, u"a1b22", u"a$&b$&", 2},
        regex_case{"group", [] { return fmt(u"(a)(b)", u"$1"); }, u"xaby", u"xay", 1},
        regex_case{"no match keeps", [] { return fmt(u"q", u"z"); }, u"abc", u"abc", 0},
        regex_case{"empty matches", [] { return fmt(u"x*", u"-"); }, u"ab", u"-a-b-", 3},
        regex_case{"empty after match", [] { return fmt(u"a*", u"<$&>"); }, u"aab", u"<aa><>b<>", 3},
        regex_case{"icase", [] { return new string_regex_replace(regex(u"[a-c]", true), u"_", false); }, u"xBy", u"x_y", 1},
        regex_case{"line starts", [] { return fmt(u"^", u"> "); }, u"a\r\nb\nc", u"> a\r\n> b\n> c", 3},
        regex_case{"empty CRLF lines", [] { return fmt(u"^$", u"-"); }, u"\r\n\r\n", u"-\r\n-\r\n", 2},
        regex_case{"-1 of 2", [] { return fmt_listed(u"a", u"[$&]", {-1}); }, u"aXa", u"aX[a]", 1},
        regex_case{"caret each start", [] { return plain_listed(u"^a", u"b", {1, 2, 3}); }, u"aaa", u"bbb", 3},
        regex_case{"empty numbered", [] { return plain_listed(u"x*", u"-", {1, 2, 3}); }, u"ab", u"-a-b-", 3},
        regex_case{"empty numbered 2", [] { return plain_listed(u"x*", u"-", {2}); }, u"ab", u"a-b", 1},
        // The formatted class stops once its position reaches the end, so
        // the empty match at the very end is never visited.
        regex_case{"formatted stops at end", [] { return fmt_listed(u"x*", u"-", {3}); }, u"ab", u"ab", 0},
        regex_case{"formatted empty text", [] { return fmt_listed(u"x*", u"-", {1}); }, u"", u"", 0},
        regex_case{"plain empty text", [] { return plain_listed(u"x*", u"-", {1}); }, u"", u"-", 1},
        regex_case{"listed groups", [] { return fmt_listed(u"(\\w)(\\d)", u"$2$1", {2}); }, u"a1 b2 c3", u"a1 2b c3", 1},
        // Lookaround and prefix refer to the real text, from the search start.
        regex_case{"listed lookahead", [] { return fmt_listed(u"\\d+(?=px)", u"[$&]", {1}); }, u"12px", u"[12]px", 1},
        regex_case{"listed prefix", [] { return fmt_listed(u"b", u"($`|$')", {2}); }, u"abcbd", u"abc(c|d)d", 1},
        regex_case{"listed icase", [] { return fmt_listed(u"Ж", u"Ё", {-1}, true); }, u"жЖж", u"жЖЁ", 1},
        regex_case{"listed beyond", [] { return plain_listed(u"a", u"b", {4, -4}); }, u"aaa", u"aaa", 0}),
    [](const auto& info) { return test_name(info.param.name); });

struct format_case {
  const char* name;
  std::u16string pattern, format, text, out;
};

class Format : public ::testing::TestWithParam<format_case> {};

TEST_P(Format, Expands) {
  string_regex_replace a(regex(GetParam().pattern), GetParam().format, false);
  EXPECT_EQ(run_once(a, GetParam().text).first, GetParam().out);
}

const std::u16string k12 = u"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)";

INSTANTIATE_TEST_SUITE_P(
    Cases, Format,
    ::testing::Values(
        format_case{"dollar dollar", u"b", u"$$", u"abc", u"a$c"},
        format_case{"match", u"b", u"[$&]", u"abc", u"a[b]c"},
        format_case{"prefix", u"b", u"[$`]", u"abc", u"a[a]c"},
        format_case{"suffix", u"b", u"[$']", u"abc", u"a[c]c"},
        format_case{"one", u"(b)", u"[$1]", u"abc", u"a[b]c"},
        format_case{"twelve exists", k12, u"$12", u"abcdefghijkl", u"l"},
        format_case{"twelve missing", u"(b)", u"$12", u"abc", u"ab2c"},
        format_case{"no groups", u"b", u"$12", u"abc", u"a$12c"},
        format_case{"zero literal", u"(b)", u"$0", u"abc", u"a$0c"},
        format_case{"zero one", u"(b)", u"$01", u"abc", u"abc"},
        format_case{"lone dollar", u"b", u"x$", u"abc", u"ax$c"},
        format_case{"other", u"b", u"$x$", u"abc", u"a$x$c"},
        format_case{"unset group", u"(x)?b", u"[$1]", u"abc", u"a[]c"},
        format_case{"group nine", u"(a)(b)(c)(d)(e)(f)(g)(h)(i)", u"$9$10", u"abcdefghi", u"ia0"}),
    [](const auto& info) { return test_name(info.param.name); });

TEST(RegexReplace, CountSemanticsAcrossRuns) {
  string_regex_replace formatted(regex(u"a"), u"b", false);
  run_once(formatted, u"aa");
  run_once(formatted, u"xx");  // no match: count kept
  EXPECT_EQ(formatted.count, 2);
  run_once(formatted, u"a");
  EXPECT_EQ(formatted.count, 1);  // a match: this run only

  string_regex_replace_plain literal(u"a", u"b");
  run_once(literal, u"aa");
  run_once(literal, u"xx");
  EXPECT_EQ(literal.count, 0);  // always this run

  string_regex_replace_occurences listed(u"a", u"b", {1}, false);
  run_once(listed, u"aa");
  run_once(listed, u"aa");
  EXPECT_EQ(listed.count, 2);  // summed
}

TEST(RegexReplace, LimitErrorLeavesTheTextAlone) {
  string_regex_replace a(regex(u"(a|aa)*b"), u"x", false);
  const std::u16string original = std::u16string(50000, u'a') + u"!b";
  std::u16string text = original;
  a.set_text(&text);
  EXPECT_THROW(a.execute(), regex_error);
  EXPECT_EQ(text, original);
}

}  // namespace
}  // namespace vyn
