#include "foundations/wide_string.h"

#include <string>

#include <gtest/gtest.h>

namespace vyn {
namespace {

TEST(Trim, CharAndSetForms) {
  std::u16string s = u"xxabcxy";
  trim_char(s, u'x', u'y');
  EXPECT_EQ(s, u"abcx");
  s = u"\"\"q\"";
  trim_char(s, u'"');
  EXPECT_EQ(s, u"q");
  s = u"  \r\n a b\r\n";
  trim_set(s, u" ", u"\r\n");
  EXPECT_EQ(s, u"\r\n a b");
  s = u"\r\n\r\n";
  trim_set(s, u"\r\n");
  EXPECT_EQ(s, u"");
  s = u"..a..";
  trim_char_left(s, u'.');
  EXPECT_EQ(s, u"a..");
  trim_set_right(s, u".");
  EXPECT_EQ(s, u"a");
}

TEST(StripPair, RemovesNestedPairsAndSparesALoneQuote) {
  struct row {
    std::u16string in, out;
  };
  const row rows[] = {
      {u"\"a\"", u"a"},       {u"\"\"a\"\"", u"a"}, {u"\"", u"\""},
      {u"\"\"", u""},         {u"\"\"\"", u"\""},   {u"a\"", u"a\""},
      {u"\"a b\" c", u"\"a b\" c"},
  };
  for (const row& r : rows) {
    std::u16string s = r.in;
    strip_pair(s, u'"');
    EXPECT_EQ(s, r.out);
  }
  std::u16string s = u"((x))";
  strip_pair(s, u'(', u')');
  EXPECT_EQ(s, u"x");
}

TEST(FindNocase, Table) {
  struct row {
    std::u16string s, what;
    size_t from;
    std::ptrdiff_t expected;
  };
  const row rows[] = {
      {u"Hello World", u"WORLD", 0, 6},
      {u"Hello World", u"o", 5, 7},
      {u"Привет МИР", u"мир", 0, 7},
      {u"abc", u"abcd", 0, -1},
      {u"abc", u"", 1, 1},
      {u"abc", u"a", 4, -1},
      {u"aaa", u"AA", 1, 1},
  };
  for (const row& r : rows) {
    EXPECT_EQ(find_nocase(r.s, r.what, r.from), r.expected);
  }
}

TEST(ReplaceAll, NonOverlappingLeftToRightWithoutRescanning) {
  struct row {
    std::u16string s, what, with, out;
    size_t count;
  };
  const row rows[] = {
      {u"aaaa", u"aa", u"b", u"bb", 2},
      {u"aaa", u"aa", u"b", u"ba", 1},
      {u"abab", u"ab", u"abab", u"abababab", 2},  // inserted text not rescanned
      {u"xyz", u"q", u"w", u"xyz", 0},
      {u"xyz", u"", u"w", u"xyz", 0},
      {u"a.b.c", u".", u"", u"abc", 2},
      {u"xaxa", u"a", u"b", u"xbxb", 2},         // same length: in place
      {u"<aa><aa>", u"aa", u"b", u"<b><b>", 2},  // shorter: in place
      {u"", u"a", u"b", u"", 0},
  };
  for (const row& r : rows) {
    std::u16string s = r.s;
    EXPECT_EQ(replace_all(s, r.what, r.with), r.count);
    EXPECT_EQ(s, r.out);
  }
  std::u16string s = u"Ёлка ёЛКА ЁЛКА";
  EXPECT_EQ(replace_all_nocase(s, u"ёлка", u"ель"), 3u);
  EXPECT_EQ(s, u"ель ель ель");
}

TEST(CaseHelpers, ToUpperAndCompare) {
  std::u16string s = u"straße ǆ я";
  to_upper(s);
  EXPECT_EQ(s, u"STRAßE Ǆ Я");
  EXPECT_EQ(compare_nocase(u"abc", u"ABC").value, 0);
  EXPECT_EQ(compare_nocase(u"abc", u"ABD").value, -1);
  EXPECT_EQ(compare_nocase(u"abcd", u"ABC").value, 1);
  EXPECT_EQ(compare_nocase(u"", u"a").value, -1);
}

TEST(EraseChars, RemovesEveryMember) {
  std::u16string s = u" 1, 3 -\r\n5 ";
  erase_chars(s, u" \r\n");
  EXPECT_EQ(s, u"1,3-5");
}

TEST(SplitAtString, KeepsEmptyPieces) {
  wstring_list l;
  EXPECT_EQ(split_at_string(l, u"a;;b;", u";"), 4u);
  EXPECT_EQ(l, (wstring_list{u"a", u"", u"b", u""}));
  l.clear();
  EXPECT_EQ(split_at_string(l, u"", u";"), 1u);
  l.clear();
  split_at_string(l, u"x--y--", u"--");
  EXPECT_EQ(l, (wstring_list{u"x", u"y", u""}));
}

TEST(SplitQuoted, Table) {
  struct row {
    std::u16string s;
    char16_t sep;
    wstring_list pieces;
  };
  const row rows[] = {
      {u"x \" b\"  y", u' ', {u"x", u" b", u"y"}},
      {u"a b ", u' ', {u"a", u"b"}},              // trailing empty piece dropped
      {u"a,b,", u',', {u"a", u"b", u""}},         // kept for other separators
      {u"\"a,b\",c", u',', {u"a,b", u"c"}},
      {u"\"", u' ', {u"\""}},
      {u"\"\"x\"\"", u' ', {u"x"}},
  };
  for (const row& r : rows) {
    wstring_list l;
    split_quoted(l, r.s, r.sep);
    EXPECT_EQ(l, r.pieces);
  }
}

TEST(SplitCommandLine, EscapesAndQuotePairs) {
  struct row {
    std::u16string s;
    wstring_list pieces;
  };
  const row rows[] = {
      {u"prog -t:\"a b\" x", {u"prog", u"-t:\"a b\"", u"x"}},
      {u"\"a b\" c", {u"a b", u"c"}},
      {u"a\\ b c", {u"a\\ b", u"c"}},            // escaped blank is no separator
      {u"\"x\\\"y\" z", {u"x\\\"y", u"z"}},      // escaped quote is no quote
      {u"\"\"", {u"\"\""}},                      // two units: kept
      {u"\"a\"\"b\"", {u"\"a\"\"b\""}},          // four quotes: kept
      {u"a ", {u"a", u""}},                      // final piece always added
  };
  for (const row& r : rows) {
    wstring_list l;
    split_command_line(l, r.s, u' ', u'\\');
    EXPECT_EQ(l, r.pieces);
  }
}

}  // namespace
}  // namespace vyn
