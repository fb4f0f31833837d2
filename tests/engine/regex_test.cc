#include "engine/regex.h"

#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vyn {
namespace {

// All matches by the iterator rule, as "begin-end" pairs.
std::vector<std::pair<size_t, size_t>> matches(std::u16string_view pattern,
                                               std::u16string_view text,
                                               bool icase = false) {
  std::vector<std::pair<size_t, size_t>> out;
  for_each_match(regex(pattern, icase), text, [&](const regex_matcher& m) {
    out.emplace_back(m.begin(), m.end());
  });
  return out;
}

using spans = std::vector<std::pair<size_t, size_t>>;

struct dialect_case {
  const char* name;
  std::u16string pattern, text;
  bool icase;
  spans expected;
};

class Dialect : public ::testing::TestWithParam<dialect_case> {};

TEST_P(Dialect, Matches) {
  EXPECT_EQ(matches(GetParam().pattern, GetParam().text, GetParam().icase),
            GetParam().expected)
      << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Dialect,
    ::testing::Values(
        dialect_case{"caret at LF", u"^x", u"x\nx", false, {{0, 1}, {2, 3}}},
        dialect_case{"caret at CRLF", u"^x", u"x\r\nx", false, {{0, 1}, {3, 4}}},
        dialect_case{"caret at CR", u"^x", u"x\rx", false, {{0, 1}, {2, 3}}},
        dialect_case{"dollar before CRLF", u"o$", u"foo\r\nbo", false, {{2, 3}, {6, 7}}},
        dialect_case{"dollar before CR", u"o$", u"fo\rbo", false, {{1, 2}, {4, 5}}},
        dialect_case{"dollar before LF", u"o$", u"fo\nbo", false, {{1, 2}, {4, 5}}},
        dialect_case{"empty line CRLF", u"^$", u"a\r\n\r\nb", false, {{3, 3}}},
        // Nor after the line end that closes the text: a block of whole
        // lines gets one match per line.
        dialect_case{"caret never inside CRLF", u"^", u"a\r\n\r\n", false, {{0, 0}, {3, 3}}},
        dialect_case{"dot not CR", u"a.b", u"a\rb a\nb a-b", false, {{8, 11}}},
        dialect_case{"dot star per line", u".+", u"ab\r\ncd", false, {{0, 2}, {4, 6}}},
        dialect_case{"bsux u", u"\\u0416", u"aЖ", false, {{1, 2}}},
        dialect_case{"bsux x", u"\\x41", u"bA", false, {{1, 2}}},
        dialect_case{"empty negated class", u"[^]", u"\n\r", false, {{0, 1}, {1, 2}}},
        dialect_case{"empty class", u"a[]|b", u"ab", false, {{1, 2}}},
        dialect_case{"unset backref", u"(a)?\\1b", u"b", false, {{0, 1}}},
        dialect_case{"cyrillic icase", u"привет", u"ПРИВЕТ", true, {{0, 6}}},
        dialect_case{"cyrillic class icase", u"[а-я]+", u"ЖУК", true, {{0, 3}}},
        dialect_case{"cyrillic word", u"\\w+", u"  жук_1 ", false, {{2, 7}}},
        dialect_case{"cyrillic boundary", u"\\bук", u"жук ук", false, {{4, 6}}},
        dialect_case{"ascii icase", u"[a-c]", u"B", true, {{0, 1}}},
        dialect_case{"lone high in text", u"x", u"\xD800x\xDC00", false, {{1, 2}}},
        dialect_case{"lone surrogate pattern", u"\xD800", u"a\xD800\xD800", false, {{1, 2}, {2, 3}}},
        dialect_case{"surrogate class", u"[\\uD800-\\uDFFF]", u"a\xDC80", false, {{1, 2}}},
        dialect_case{"empty matches", u"x*", u"ab", false, {{0, 0}, {1, 1}, {2, 2}}},
        dialect_case{"empty after match", u"a*", u"aab", false, {{0, 2}, {2, 2}, {3, 3}}},
        dialect_case{"lookahead", u"\\d(?=px)", u"1px 2em", false, {{0, 1}}},
        dialect_case{"lookbehind", u"(?<=\\$)\\d", u"1 $2", false, {{3, 4}}}),
    [](const auto& info) {
      std::string n;
      for (const char* p = info.param.name; *p; ++p) n += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
      return n;
    });

TEST(Regex, CompileErrorCarriesMessageAndOffset) {
  try {
    regex bad(u"ab(c");
    FAIL() << "no exception";
  } catch (const regex_error& e) {
    std::string m = e.what();
    EXPECT_NE(m.find("offset 4"), std::string::npos) << m;
    EXPECT_NE(m.find("missing closing parenthesis"), std::string::npos) << m;
  }
  EXPECT_THROW(regex(u"[z-a]"), regex_error);
  EXPECT_THROW(regex(u"*"), regex_error);
}

TEST(Regex, CopiesShareTheCompiledProgram) {
  regex a(u"(x)(y)");
  regex b = a;
  EXPECT_EQ(a.compiled(), b.compiled());
  EXPECT_EQ(b.group_count(), 2u);
}

TEST(Regex, SearchFromAPositionSeesWhatPrecedes) {
  regex re(u"\\bb");
  regex_matcher m(re);
  EXPECT_FALSE(m.search(u"ab", 1));        // no boundary between a and b
  EXPECT_TRUE(m.search(std::u16string_view(u"ab").substr(1), 0));  // a new text
}

struct catastrophe {
  std::u16string pattern;
  std::u16string text;
};

class Catastrophic : public ::testing::TestWithParam<catastrophe> {};

// The engine sees at once that a letter the expression requires is absent,
// so over the plain runs of letters these end quickly without a match.
TEST_P(Catastrophic, WithoutTheRequiredLetterEndsQuickly) {
  regex re(GetParam().pattern);
  EXPECT_EQ(for_each_match(re, GetParam().text, [](const regex_matcher&) {}), 0u);
}

// With the required letter present but out of reach, backtracking explodes
// and the match limit ends it with an error.
TEST_P(Catastrophic, WithTheRequiredLetterEndsWithAnError) {
  regex re(GetParam().pattern);
  std::u16string text = GetParam().text + u"!" + GetParam().pattern.back();
  auto start = std::chrono::steady_clock::now();
  EXPECT_THROW(for_each_match(re, text, [](const regex_matcher&) {}), regex_error);
  // Generous: the limit trips well below this even in a sanitizer build.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, Catastrophic,
    ::testing::Values(catastrophe{u"(a|aa)*b", std::u16string(100000, u'a')},
                      catastrophe{u"(x+x+)+y", std::u16string(5000, u'x')}));

TEST(Regex, LongLinesDoNotExhaustTheStack) {
  std::u16string line(200000, u'z');
  auto found = matches(u".*", line);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0], std::make_pair(size_t(0), line.size()));
  EXPECT_EQ(matches(u"(z|y)+", line).size(), 1u);
}

TEST(RegexCollect, NonEmptyLines) {
  wstring_list lines;
  EXPECT_EQ(regex_collect(lines, u"a\r\n\r\nbc\n\nd", u".*", false), 3u);
  EXPECT_EQ(lines, (wstring_list{u"a", u"bc", u"d"}));
}

}  // namespace
}  // namespace vyn
