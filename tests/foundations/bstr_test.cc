#include "foundations/bstr.h"

#include <string>

#include <gtest/gtest.h>

#include "foundations/exceptions.h"
#include "platform/utf.h"

namespace vyn {
namespace {

TEST(Str, TrimmingFlagsApplyAfterEveryChange) {
  Str s;
  s.flags = BStr::kTrimLeft | BStr::kTrimRight;
  s.assign("  a b\t");
  EXPECT_STREQ(s.c_str(), "a b");
  EXPECT_EQ(s.length, 3);
  s.append("  ");
  EXPECT_STREQ(s.c_str(), "a b");
  s.insert("\t x ", 0);
  EXPECT_STREQ(s.c_str(), "x a b");
  s.erase(0, 1);  // leaves a leading blank, trimmed again
  EXPECT_STREQ(s.c_str(), "a b");
}

TEST(Str, OneSidedFlags) {
  Str left;
  left.flags = BStr::kTrimLeft;
  left.assign(" \tx ");
  EXPECT_STREQ(left.c_str(), "x ");
  Str right;
  right.flags = BStr::kTrimRight;
  right.assign(" \tx \t");
  EXPECT_STREQ(right.c_str(), " \tx");
}

TEST(Str, BufferGrowsInStepsOf32) {
  struct row {
    size_t length, capacity;
  };
  const row rows[] = {{0, 32}, {1, 32}, {31, 32}, {32, 64}, {33, 64},
                      {63, 64}, {64, 96}, {100, 128}};
  for (const row& r : rows) {
    Str s;
    s.assign(std::string(r.length, 'x').c_str());
    EXPECT_EQ(s.capacity(), r.capacity) << r.length;
    EXPECT_EQ(size_t(s.length), r.length);
  }
  Str s;
  s.assign(std::string(40, 'x').c_str());
  s.assign("");  // the empty text brings the buffer back to 32
  EXPECT_EQ(s.capacity(), 32u);
  s.assign("short");  // fits: no reallocation
  EXPECT_EQ(s.capacity(), 32u);
}

TEST(Str, AssignWithMaxAndSelfOverlap) {
  Str s;
  s.assign("abcdef", 3);
  EXPECT_STREQ(s.c_str(), "abc");
  s.assign("abcdef", 10);  // larger than the text: the whole text
  EXPECT_STREQ(s.c_str(), "abcdef");
  s.assign(std::string(50, 'y').c_str());
  s.assign(s.data + 45);  // source inside the buffer that is reallocated
  EXPECT_STREQ(s.c_str(), "yyyyy");
}

TEST(Str, InsertMovesTheTail) {
  Str s("held");
  s.insert("XY", 2);
  EXPECT_STREQ(s.c_str(), "heXYld");
  s.insert("abc", 0, 2);
  EXPECT_STREQ(s.c_str(), "abheXYld");
  s.insert("", 1);  // count 0 and an empty text: nothing happens
  EXPECT_STREQ(s.c_str(), "abheXYld");
  s.insert(std::string(40, 'z').c_str(), 8);
  EXPECT_EQ(s.length, 48);
  EXPECT_EQ(std::string(s.c_str()).substr(0, 8), "abheXYld");
}

TEST(Str, EraseBeyondTheEndThrowsAndChangesNothing) {
  Str s("abcd");
  try {
    s.erase(2, 5);
    FAIL() << "no exception";
  } catch (const wexception& e) {
    EXPECT_EQ(utf16_to_utf8(e.message()), "..\\Src\\gen\\BStr line 73");
  }
  EXPECT_STREQ(s.c_str(), "abcd");
  s.erase(1);  // n 0: up to the end
  EXPECT_STREQ(s.c_str(), "a");
}

TEST(Str, CutTailAndClear) {
  Str s("abcdef");
  s.cut_tail(2);
  EXPECT_STREQ(s.c_str(), "abcd");
  s.cut_tail(10);
  EXPECT_STREQ(s.c_str(), "");
  EXPECT_EQ(s.length, 0);
}

TEST(Str, FormatGrowsUntilTheTextFits) {
  Str s;
  const char* p = s.format("%s-%d-%08X", std::string(100, 'q').c_str(), -5, 255u);
  EXPECT_EQ(std::string(p), std::string(100, 'q') + "--5-000000FF");
  EXPECT_EQ(s.length, 112);
  EXPECT_EQ(s.capacity(), 128u);
}

TEST(BStr, Unquote) {
  struct row {
    const char *in, *out;
  };
  const row rows[] = {
      {"\"a\"", "a"},
      {"\"a\"b\"", "\"a\"b\""},  // a third quote inside: unchanged
      {"\"\"", ""},
      {"\"", "\""},
      {"a\"", "a\""},
      {"\"abc", "\"abc"},
  };
  for (const row& r : rows) {
    Str s(r.in);
    s.unquote();
    EXPECT_STREQ(s.c_str(), r.out) << r.in;
  }
}

TEST(BStr, CompareModes) {
  struct row {
    const char *a, *b;
    int mode, expected;
  };
  const row rows[] = {
      {"abc", "abc", 0, 0},  {"abc", "ABC", 0, 1},   {"abc", "ABC", 1, 0},
      {"abc", "abd", 0, -1}, {"abcdef", "abc", 0, 1}, {"abcdef", "abc", 2, 0},
      {"abcdef", "ABC", 2, 1}, {"abcdef", "ABC", 3, 0}, {"ab", "abc", 2, -1},
      {"", "", 1, 0},        {"Section", "SECTION", 1, 0},
  };
  for (const row& r : rows) {
    Str s(r.a);
    EXPECT_EQ(s.compare(r.b, r.mode).value, r.expected)
        << r.a << " vs " << r.b << " mode " << r.mode;
  }
}

TEST(BStr, ViewSlotsDoNothing) {
  struct view : BStr {
    view() { data = storage; length = 2; }
    char storage[3] = "hi";
  } v;
  v.assign("zzz");
  v.insert("q", 0);
  EXPECT_STREQ(v.c_str(), "hi");
  EXPECT_EQ(v.format("%d", 5), v.data);
}

}  // namespace
}  // namespace vyn
